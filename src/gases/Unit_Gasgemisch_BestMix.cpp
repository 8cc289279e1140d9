#include "gases/Unit_Gasgemisch_BestMix.hpp"

#include "lang/Unit_Tools.hpp"

namespace Unit_Gasgemisch_BestMix {

Gastabelle Gasgemisch;
int32_t Gasgemisch_NumMax = Gasgemisch_NumMaxDefault;
int32_t Gasgemisch_num = 0;
float f_O2 = 0.20948f;
float f_N2 = 0.79020f;
float f_He = 0;

namespace {
const std::array<const char*, Gasgemisch_NumMaxDefault + 1> Defaultzeilen = {
    " 20.948 79.020 0.0 Luft",     " 32.0   68.0   0.0 EAN32",       " 36.0   64.0   0.0 EAN36",
    " 40.0   60.0   0.0 EAN40",    " 50.0   50.0   0.0 EAN50",       " 60.0   40.0   0.0 EAN60",
    "100.0    0.0   0.0 O2",       " 21.0    0.0  79.0 HeliOx21/79", " 50.0   25.0  25.0 Tmx50/25",
    " 30.0   40.0  30.0 Tmx30/30", " 21.0   44.0  35.0 Tmx21/35",    " 18.0   37.0  45.0 Tmx18/45",
    " 15.0   30.0  55.0 Tmx15/55", " 12.0   23.0  65.0 Tmx12/65",    " 10.0   20.0  70.0 Tmx10/70",
    "  7.0   19.0  74.0 Tmx7/74",  "  5.0   15.0  80.0 Tmx5/80"};
} // namespace

std::string Gasgemisch_Defaultzeile(int32_t i) {
    if (i == 0 && Unit_Tools::Sprache == 1) return " 20.948 79.020 0.0 Air";
    return Defaultzeilen.at(static_cast<std::size_t>(i));
}

Zahlwort Zahl_aus_Zeile(const std::string& Zeile, int n) {
    std::size_t pos = 0;
    for (int k = 1; k <= n; ++k) {
        const auto Anfang = Zeile.find_first_not_of(' ', pos);
        if (Anfang == std::string::npos) return {99.9f, Zeile.size()};
        auto Ende = Zeile.find(' ', Anfang);
        if (Ende == std::string::npos) Ende = Zeile.size();
        if (k == n)
            return {static_cast<float>(Unit_Tools::Zahl_lesen(Zeile.substr(Anfang, Ende - Anfang))), Ende};
        pos = Ende;
    }
    return {99.9f, Zeile.size()};
}

void Gasgemisch_Default_laden(int32_t i, bool Verbrauch_loeschen) {
    if (i < 0 || i > Gasgemisch_NumMaxDefault) return;
    const std::string Zeile = Gasgemisch_Defaultzeile(i);
    auto& g = Gasgemisch[static_cast<std::size_t>(i)];
    g.f_O2_prozent = Zahl_aus_Zeile(Zeile, 1).Wert;
    g.f_N2_prozent = Zahl_aus_Zeile(Zeile, 2).Wert;
    const Zahlwort He = Zahl_aus_Zeile(Zeile, 3);
    g.f_He_prozent = He.Wert;
    g.Name = He.Ende + 1 < Zeile.size() ? Zeile.substr(He.Ende + 1) : std::string();
    if (Verbrauch_loeschen) g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
}

void Gasgemisch_waehlen(int32_t i) {
    if (i < 0 || i > Gasgemisch_NumMax) i = 0;
    const auto& g = Gasgemisch[static_cast<std::size_t>(i)];
    Gasgemisch_num = i;
    f_O2 = static_cast<float>(g.f_O2_prozent * 0.01L);
    f_N2 = static_cast<float>(g.f_N2_prozent * 0.01L);
    f_He = static_cast<float>(g.f_He_prozent * 0.01L);
}

namespace {
// The defaults exist from the start, as the program loads them before anything else.
const bool Defaults_geladen = [] {
    for (int32_t i = 0; i <= Gasgemisch_NumMaxDefault; ++i) Gasgemisch_Default_laden(i, true);
    return true;
}();
} // namespace

} // namespace Unit_Gasgemisch_BestMix
