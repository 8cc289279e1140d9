#include "gases/Unit_GasZeiger.hpp"

#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>

namespace Unit_GasZeiger {

namespace {
void Warnung(Gaszeiger_Type& z, bool& Feld_gelb, const std::string& Text) {
    Feld_gelb = true;
    z.Hinweis += (z.Hinweis.empty() ? "" : " / ") + Text;
}
} // namespace

Gaszeiger_Type Gaszeiger_berechnen(float m_Tiefe) {
    namespace G = Unit_Gasgemisch_BestMix;
    namespace F = Unit_Formeln;
    using Unit_Tools::Zahl_formatieren;
    const auto& g = G::Gasgemisch[std::clamp(G::Gasgemisch_num, 0, G::GasGemisch_NumMaxUeberhaupt)];
    const float f_O2 = static_cast<float>(g.f_O2_prozent * 0.01L);
    const float f_N2 = static_cast<float>(g.f_N2_prozent * 0.01L);

    const long double P = F::bar_Umgebung_aus(m_Tiefe) - static_cast<long double>(F::p_H2O);
    const float pO2 = static_cast<float>(P * f_O2);
    const float END = F::m_END_aus_pN2(static_cast<float>(P * f_N2));
    const float MOD = F::m_MOD_aus(1.601f, f_O2);

    Gaszeiger_Type z;
    z.Titel = g.Name;
    z.O2_prozent = Zahl_formatieren(0, 2, g.f_O2_prozent);
    z.N2_prozent = Zahl_formatieren(0, 2, g.f_N2_prozent);
    z.He_prozent = Zahl_formatieren(0, 2, g.f_He_prozent);
    z.pO2 = Zahl_formatieren(0, 2, pO2);
    z.pO2_max = Zahl_formatieren(0, 2, 1.60L);
    z.pO2_min = Zahl_formatieren(0, 2, 0.16L);
    z.MOD = Zahl_formatieren(0, 1, MOD);
    z.END = Zahl_formatieren(0, 1, END);
    // The warnings exist in German only.
    if (m_Tiefe > MOD) Warnung(z, z.MOD_gelb, "MOD überschritten");
    if (pO2 < 0.16f) Warnung(z, z.pO2_gelb, "p(O2) zu klein");
    if (END > 50) Warnung(z, z.END_gelb, "END überschritten");
    z.Hinweis_gelb = !z.Hinweis.empty();
    if (z.Hinweis.empty()) z.Hinweis = Unit_Tools::Text_waehlen("Gas ist OK", "Gas is OK");
    return z;
}

} // namespace Unit_GasZeiger
