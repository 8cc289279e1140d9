#include "lang/Unit_Sprache_Brelune.hpp"

#include "lang/Unit_Tools.hpp"

#include <array>
#include <utility>

namespace Unit_Sprache_Brelune {

std::string Wort_uebersetzen(const std::string& Text, const std::string& Deutsch,
                             const std::string& Englisch) {
    const bool Englisch_gilt = Unit_Tools::Sprache == 1;
    const std::string& alt = Englisch_gilt ? Deutsch : Englisch;
    const std::string& neu = Englisch_gilt ? Englisch : Deutsch;
    const auto Stelle = alt.empty() ? std::string::npos : Text.find(alt);
    if (Stelle == std::string::npos) return Text;
    std::string Ergebnis = Text;
    Ergebnis.replace(Stelle, alt.size(), neu);
    return Ergebnis;
}

std::string Aktion_uebersetzen(const std::string& Aktion) {
    // "Wechsel" comes before "Gaswechsel"; the lower-case "w" keeps the two apart.
    static const std::array<std::pair<const char*, const char*>, 7> Woerter = {
        {{"Abstieg", "Descent"},
         {"Wechsel", "change"},
         {"Aufstieg", "Ascent"},
         {"Deko", "Deco"},
         {"DEKO", "DECO"},
         {"spülen", "flush"},
         {"Gaswechsel", "Gas switch"}}};
    std::string Text = Aktion;
    for (const auto& [Deutsch, Englisch] : Woerter) Text = Wort_uebersetzen(Text, Deutsch, Englisch);
    return Text;
}

} // namespace Unit_Sprache_Brelune
