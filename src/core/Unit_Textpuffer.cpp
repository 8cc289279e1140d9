#include "core/Unit_Textpuffer.hpp"

#include "lang/Unit_UI.hpp"

#include <utility>

namespace Unit_Textpuffer {

Textpuffer Memo_Tauchgangsberechnung{"Memo_Tauchgangsberechnung", {}};
Textpuffer Memo_DekoInfo{"Memo_DekoInfo", {}};
Textpuffer Memo_Warnung{"Memo_Warnung", {}};
Textpuffer Memo_Zusammenfassung{"Memo_Zusammenfassung", {}};
Textpuffer Memo_Gasverbrauch{"Memo_Gasverbrauch", {}};
Textpuffer Memo_RunTimeTabelle{"Memo_RunTimeTabelle", {}};
Textpuffer Memo_Report{"Memo_Report", {}};
Textpuffer Memo_ReportCSV{"Memo_ReportCSV", {}};
Textpuffer Memo_Kontingenz{"Memo_Kontingenz", {}};
Textpuffer Memo_CSV{"Memo_CSV", {}};

void Textpuffer::Leeren() {
    Erzeugen_ = nullptr;
    Zeilen.clear();
    Unit_UI::UI().Textpuffer_geaendert(Name);
}

void Textpuffer::Zeile_anfuegen(std::string Zeile) {
    Zeilen.push_back(std::move(Zeile));
    Unit_UI::UI().Textpuffer_geaendert(Name);
}

void Textpuffer::aufschieben(std::function<void()> Erzeugen) {
    Leeren();
    Erzeugen_ = std::move(Erzeugen);
}

const std::vector<std::string>& Textpuffer::lesen() const {
    // The builder writes this buffer through its name: the buffers are the module's own objects.
    if (Erzeugen_) std::exchange(Erzeugen_, nullptr)();
    return Zeilen;
}

std::string Textpuffer::Text() const {
    std::string t;
    for (const auto& z : lesen()) t += z + "\r\n";
    return t;
}

} // namespace Unit_Textpuffer
