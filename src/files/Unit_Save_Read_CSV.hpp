// Import of dives that dive computers and other tools log as delimited text: time, depth, oxygen
// partial pressure, gas fractions and apparatus from configurable columns, with presets for the
// known sources; the rows go through the import sample store onto the calculation grid.
#pragma once

#include "core/Unit_Textpuffer.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace Unit_Save_Read_CSV {

enum class Zeiteinheit { sec, min };             // × 1, × 60 (seconds)
enum class Tiefeneinheit { m, ft };              // × 1, × 0.3048
enum class Anteilseinheit { Fraktion, Prozent }; // × 1, × 0.01

// The mapping of the window: columns from 1, 0 = the item is not in the file.
struct Zuordnung_Type {
    int32_t Kommentarzeilen = 1; // leading lines skipped
    int32_t SpinEdit_min_s = 1;
    Zeiteinheit Einheit_min_s = Zeiteinheit::sec;
    int32_t SpinEdit_m_s = 2;
    Tiefeneinheit Einheit_m_s = Tiefeneinheit::m;
    int32_t SpinEdit_p_O2_s = 5; // bar
    int32_t SpinEdit_f_O2_s = 6;
    Anteilseinheit Einheit_f_O2_s = Anteilseinheit::Fraktion;
    int32_t SpinEdit_f_He_s = 7;
    Anteilseinheit Einheit_f_He_s = Anteilseinheit::Fraktion;
    int32_t SpinEdit_Tauchgeraet_s = 10;
    // Whole numbers meaning CCR and OC; several may be given ("16, 1").
    std::string Edit_Tauchgeraet_CCR = "0";
    std::string Edit_Tauchgeraet_OC = "16, 1";
    int32_t SpinEdit_cave_horizontal_distance_m_s = 0;
    int32_t SpinEdit_cave_horizontal_velocity_m_pro_min_s = 0;
    char Trennzeichen = ','; // "Komma", "Leerzeichen" ' ', "Strichpunkt" ';', "Tabulator" '\t'
    float min_dT = 0.1f;     // "0.1 min = 6 s (Standard)" or "0.01 min = 0.6 s (Apnoe)"
};

extern Zuordnung_Type Zuordnung;
// What is given over a preset (the command line's mapping options); empty = the preset's.
struct Zuordnung_Aenderung {
    std::optional<int32_t> Kommentarzeilen, Zeit, Tiefe, pO2, f_O2, f_He, Tauchgeraet, Distanz,
        Geschwindigkeit;
    std::optional<Zeiteinheit> Zeit_Einheit;
    std::optional<Tiefeneinheit> Tiefe_Einheit;
    std::optional<Anteilseinheit> f_O2_Einheit, f_He_Einheit;
    std::optional<std::string> Tauchgeraet_CCR, Tauchgeraet_OC;
    std::optional<char> Trennzeichen;
    std::optional<float> min_dT;
};
void Aenderung_anwenden(const Zuordnung_Aenderung& Aenderung);
// Deeper than any dive: a depth column in the wrong unit or the wrong column.
constexpr float m_Tiefe_Max = 350;
extern int32_t Voreinstellung;
constexpr int32_t Voreinstellung_Anzahl = 7;
constexpr int32_t Voreinstellung_Hoehlenprofil = 5;
// "Shearwater Predator", "Test Brask", "Test Varnow", "Telmark", "Apnoe Daten von Orsund",
// "Brelune CSV Höhlenprofil", "Brelune CSV"; empty for another number.
std::string Voreinstellung_Name(int32_t k);
// Fills the mapping with preset k (another number changes nothing). With the Shearwater preset
// the mapping follows the lines in the memo: the column names may stand under a line of summary
// names and values (Shearwater Cloud), and a summary "Imperial Units" True means feet.
void Voreinstellung_waehlen(int32_t k);

// The file's lines as the window shows them.
extern Unit_Textpuffer::Textpuffer Memo_CSV_Daten;
// The file the memo came from.
extern std::string Dateiname_CSV;

constexpr int32_t Spalten_Max = 14;
constexpr float Feld_fehlt = 99.9f;
// Field n (from 1) of a line: runs of separators count as one, leading ones are skipped; point or
// comma as decimal separator; text that is no number reads as 0, a field beyond the line as 99.9.
float Feld_lesen(const std::string& Zeile, int32_t n, char Trennzeichen);
// The same with nothing for a field beyond the line.
std::optional<float> Feld(const std::string& Zeile, int32_t n, char Trennzeichen);

// A file into the memo; false (with an error box) when it cannot be read.
bool CSV_Datei_laden(const std::string& Dateiname);
// With the open dialog ("CSV Datei|*.csv|TXT Datei|*.txt|Alle Dateien|*.*"); the dive folder
// becomes the chosen one. False when cancelled or not read.
bool CSV_Datei_lesen();

// "Memo speichern": the memo's lines into a file of the save dialog (CR LF); false when cancelled
// or not written.
bool Memo_speichern();

// "lesen": CSV_Datei_lesen, then the message "gelesen" or "nicht gelesen".
bool Lesen();
// "CSV Report schreiben": the CSV report of the dive in memory rebuilt into the memo.
void CSV_Report_ins_Memo();
// "löschen".
void Memo_loeschen();

// "setzen": the memo with the mapping into the dive. A memo from which no dive can be made gives
// a message that says what is missing and changes nothing (false). So does a data line that
// lacks a mapped column, a depth beyond m_Tiefe_Max or a time before the line above: the message
// names the line.
bool Setzen();
// "zeigen": the dive set is shown as a dive that was read (the hook: the dive is loaded).
void Zeigen(const std::function<void()>& Tauchgang_geladen);
// The main-menu imports: the file, preset k with the changes over it, converted.
bool CSV_importieren_Datei(const std::string& Dateiname, int32_t k,
                           const Zuordnung_Aenderung& Aenderung = {});
bool CSV_importieren(int32_t k);
// The import of a file with preset k: the file converted, then the hook (the dive is loaded).
bool CSV_Tauchgang_importieren(const std::string& Dateiname, int32_t k,
                               const std::function<void()>& Tauchgang_geladen,
                               const Zuordnung_Aenderung& Aenderung = {});
// The export: the CSV report of the dive in memory rebuilt and written to the file (the old file
// stays when it cannot be written); with the save dialog a cancel writes nothing.
bool CSV_exportieren_Datei(const std::string& Dateiname);
bool CSV_exportieren();

} // namespace Unit_Save_Read_CSV
