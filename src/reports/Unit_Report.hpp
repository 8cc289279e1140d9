// The texts written after every calculation: the runtime table, the report (runtime table,
// summary and gas consumption), the CSV report of all computed samples and the cave profile.
// Printing, the print preview and handing the texts to office programs belong to the windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Unit_Report {

// Settings of the runtime table (section "RunTime Tabelle").
extern bool RunTimeTable_mitAufstiegbeiDeko; // "Aufstieg zwischen Deko": ascent rows between the stops
extern bool RunTimeTable_mitDeltaT;          // "Zeit auf Tiefe": time at depth column
extern bool RunTimeTable_mitUhrzeitRuntime;  // "Uhrzeit": time of day column
extern bool RunTimeTable_mitpO2;             // "p(O2)"
extern bool RunTimeTable_mitCNS_prozent;     // "CNS %"
extern bool RunTimeTable_mitSystem;          // "System": apparatus column
extern bool RunTimeTable_mitGasdichte;       // "Gasdichte": density of the gas breathed (g/l)
extern int32_t RunTimeTable_NachKomma;       // "Nachkommastellen": decimals of depths and times, 0 to 2

struct Datum {
    int Jahr = 2000;
    int Monat = 1;
    int Tag = 1;
};
// Today's date for the first line of the runtime table; the clock unless replaced (tests put a
// fixed date here so that the texts can be compared).
extern std::function<Datum()> Datum_heute;
// "30.01.2024" in German, "2024-01-30" in English.
std::string Datum_Text(const Datum& d);

// A heading: the label, a blank and dots up to 121 characters.
std::string Ueberschrift(const std::string& Text);

// Rows of spreadsheet cells: row 1 is element 0, column A is element 0 of a row.
using Tabellenzellen = std::vector<std::vector<std::string>>;

// The runtime table into Memo_RunTimeTabelle, then the report, the CSV report and the contingency
// page, each built when first read. Called after Ascend, after a dive was loaded or saved and on
// every change of the runtime table settings.
void Runtime_Tabelle_schreiben();
// The runtime table of the dive in memory without the two head lines: titles, units, rows.
std::vector<std::string> Runtime_Tabelle_Zeilen();
// The same, and the table as spreadsheet cells: the two head lines, the column titles and units,
// one row per table line from row 7 (each shown column in its own column, the warning left out),
// then the summary and the gas consumption. A cancelled calculation has no cells.
Tabellenzellen Runtime_Tabelle_mit_Excel_schreiben();
// The cells as CSV text with the separator given; a cell holding it, a quote or a line break is
// quoted.
std::string als_CSV(const Tabellenzellen& Zellen, char Trenner);
// Memo_Report: the runtime table, the summary (Memo_Zusammenfassung) and the gas consumption
// (Memo_Gasverbrauch) under their headings.
void Report_schreiben();
// Memo_ReportCSV: a header and one line of 30 values per computed sample, decimal points.
void Report_CSV_schreiben();
// The cave profile of the waypoints into Memo_CSV; with mit_Kopf the text is cleared first and
// begins with a header line, otherwise the lines are appended.
void Hoehlenprofil_CSV_schreiben(bool mit_Kopf);

} // namespace Unit_Report
