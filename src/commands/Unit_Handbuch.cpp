#include "commands/Unit_Handbuch.hpp"

#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"

#include <filesystem>

namespace Unit_Handbuch {

namespace fs = std::filesystem;

std::vector<std::string> Orte(const std::string& Programmordner, int Sprache) {
    if (Programmordner.empty()) return {};
    const std::string Seite = std::string(Sprache == 0 ? "de" : "en") + "/index.html";
    std::vector<std::string> Ergebnis;
    for (const char* Ordner : {BRELUNE_HANDBUCH_GEBAUT, BRELUNE_HANDBUCH_INSTALLIERT})
        Ergebnis.push_back((fs::path(Programmordner) / Ordner / Seite).lexically_normal().string());
    return Ergebnis;
}

std::string Handbuch_suchen() {
    const auto Kandidaten = Orte(Unit_Programmstart::Programmordner, Unit_Tools::Sprache);
    std::string Liste;
    for (const std::string& Seite : Kandidaten) {
        std::error_code f;
        if (fs::is_regular_file(Seite, f)) return Seite;
        Liste += "\n" + Seite;
    }
    if (Liste.empty()) Liste = "\n-";
    Unit_Tools::Meldung_Problem("Das Handbuch ist nicht zu finden. Gesucht wurde in:" + Liste,
                                "The manual cannot be found. Looked for:" + Liste);
    return {};
}

} // namespace Unit_Handbuch
