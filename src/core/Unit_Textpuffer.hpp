// The text areas of the main window as text buffers of the library: lists of lines that the
// windows show, the CLI prints and the tests compare.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Unit_Textpuffer {

struct Textpuffer {
    Textpuffer() = default;
    Textpuffer(std::string Name, std::vector<std::string> Zeilen)
        : Name(std::move(Name)), Zeilen(std::move(Zeilen)) {}

    std::string Name;
    // Written directly; read through lesen(), which builds a deferred text first.
    std::vector<std::string> Zeilen;

    void Leeren(); // also drops a deferred text
    void Zeile_anfuegen(std::string Zeile);
    // A text nobody may read is built only when first read: Zeilen stay empty until lesen().
    void aufschieben(std::function<void()> Erzeugen);
    bool aufgeschoben() const { return static_cast<bool>(Erzeugen_); }
    const std::vector<std::string>& lesen() const;
    // All lines joined with CR LF, as the memo controls hand them over.
    std::string Text() const;

  private:
    mutable std::function<void()> Erzeugen_;
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
