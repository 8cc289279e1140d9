// The text areas of the main window as text buffers of the library: lists of lines that the
// windows show, the CLI prints and the tests compare.
#pragma once

#include <string>
#include <vector>

namespace Unit_Textpuffer {

struct Textpuffer {
    std::string Name;
    std::vector<std::string> Zeilen;

    void Leeren();
    void Zeile_anfuegen(std::string Zeile);
    // All lines joined with CR LF, as the memo controls hand them over.
    std::string Text() const;
};

extern Textpuffer Memo_Tauchgangsberechnung;
extern Textpuffer Memo_DekoInfo;
extern Textpuffer Memo_Warnung;
extern Textpuffer Memo_Zusammenfassung;
extern Textpuffer Memo_Gasverbrauch;
extern Textpuffer Memo_RunTimeTabelle;
extern Textpuffer Memo_Report;
extern Textpuffer Memo_ReportCSV;
// The contingency plans of the last Ascend, a page of their own.
extern Textpuffer Memo_Kontingenz;
// The cave-diving window's profile text.
extern Textpuffer Memo_CSV;

} // namespace Unit_Textpuffer
