#include "physics/Unit_Formeln.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace Unit_Formeln {

float bar_Luft = 1.01325f;
float m_pro_bar = 10.0f;
float p_H2O = p_H2O_Standard;
bool p_H2O_verwenden = true;
int32_t m_NN = 0;

float g_pro_L_Gasdichte_Warnung = g_pro_L_Gasdichte_Warnung_Standard;
float g_pro_L_Gasdichte_Maximum = g_pro_L_Gasdichte_Maximum_Standard;

long double p_N2_atmen_MAX = 0;
long double p_He_atmen_MAX = 0;

namespace {
void Division_durch_Null(const std::string& Funktion) {
    Unit_Tools::Meldung_Problem("Division durch Null in FUNCTION " + Funktion,
                                "Division by zero in FUNCTION " + Funktion);
}
} // namespace

float bar_Umgebung_aus(float m) {
    if (m_pro_bar == 0.0f) {
        Division_durch_Null("bar_Umgebung_aus");
        return Fehlerwert;
    }
    return static_cast<float>(static_cast<long double>(m) / m_pro_bar + bar_Luft);
}

float m_Wasser_aus(float bar) {
    return static_cast<float>((static_cast<long double>(bar) - bar_Luft) * m_pro_bar);
}

float m_MOD_aus(float bar_pO2_Grenze, float f_O2) {
    if (f_O2 == 0.0f) {
        Division_durch_Null("m_MOD_aus");
        return 0;
    }
    return static_cast<float>((static_cast<long double>(bar_pO2_Grenze) / f_O2 - bar_Luft + p_H2O) *
                              m_pro_bar);
}

float m_END_aus(float f_N2, float m) {
    if (m_pro_bar == 0.0f) {
        Division_durch_Null("m_END_aus");
        return Fehlerwert;
    }
    const long double bar_dry = static_cast<long double>(m) / m_pro_bar + bar_Luft;
    const long double END = (bar_dry * f_N2 * f_N2_Luft_Kehrwert - bar_Standardatmosphaere) * m_pro_bar;
    return END < 0 ? 0.0f : static_cast<float>(END);
}

float m_END_aus_pN2(float bar_pN2) {
    const long double END = (bar_pN2 * f_N2_Luft_Kehrwert - bar_Standardatmosphaere) * m_pro_bar;
    return END < 0 ? 0.0f : static_cast<float>(END);
}

float bar_pN2_aus_END(float m_END) {
    const long double p = (static_cast<long double>(m_END) / m_pro_bar + bar_Standardatmosphaere) * f_N2_Luft;
    return p < 0 ? 0.0f : static_cast<float>(p);
}

Inertgasdruecke p_inert_atmen() {
    namespace W = Unit_WayPoints;
    const long double bar_trocken = W::bar_Umgebung - p_H2O;
    const long double p_N2 = bar_trocken * W::f_N2_atmen;
    const long double p_He = bar_trocken * W::f_He_atmen;
    if (p_N2 > p_N2_atmen_MAX) p_N2_atmen_MAX = p_N2;
    if (p_He > p_He_atmen_MAX) p_He_atmen_MAX = p_He;
    return {static_cast<float>(p_N2), static_cast<float>(p_He)};
}

float g_pro_L_Gasdichte(float f_O2, float f_N2, float f_He, float bar) {
    constexpr long double g_pro_mol_O2 = 31.9988L, g_pro_mol_N2 = 28.0134L, g_pro_mol_He = 4.002602L;
    constexpr long double J_pro_mol_K = 8.314462618L, K_Normaltemperatur = 273.15L;
    constexpr long double Pa_pro_bar = 1.0e5L, L_pro_m3 = 1000.0L;
    const long double g_pro_mol = f_O2 * g_pro_mol_O2 + f_N2 * g_pro_mol_N2 + f_He * g_pro_mol_He;
    return static_cast<float>(bar * Pa_pro_bar * g_pro_mol / (J_pro_mol_K * K_Normaltemperatur) / L_pro_m3);
}

float g_pro_L_Gasdichte(const Unit_WayPoints::sData_Type& s) {
    return g_pro_L_Gasdichte(s.f_O2_atmen, s.f_N2_atmen, s.f_He_atmen, bar_Umgebung_aus(s.m_Wasser));
}

float g_pro_L_Gasdichte_atmen() {
    namespace W = Unit_WayPoints;
    // At a stop nothing of it changes from step to step: the last result is kept by its inputs.
    struct Merker {
        std::array<uint32_t, 4> Eingabe{};
        bool gueltig = false;
        float Dichte = 0;
    };
    static Merker m;
    const float bar = static_cast<float>(W::bar_Umgebung);
    const std::array<uint32_t, 4> Eingabe{
        std::bit_cast<uint32_t>(W::f_O2_atmen), std::bit_cast<uint32_t>(W::f_N2_atmen),
        std::bit_cast<uint32_t>(W::f_He_atmen), std::bit_cast<uint32_t>(bar)};
    if (!m.gueltig || m.Eingabe != Eingabe)
        m = {Eingabe, true, g_pro_L_Gasdichte(W::f_O2_atmen, W::f_N2_atmen, W::f_He_atmen, bar)};
    return m.Dichte;
}

float g_pro_L_Gasdichte_MAX() {
    namespace W = Unit_WayPoints;
    float Dichte = 0;
    for (int32_t k = 0; k <= std::clamp(W::sData_Anzahl, 0, W::sDataMax); ++k)
        Dichte = std::max(Dichte, g_pro_L_Gasdichte(W::sData[static_cast<std::size_t>(k)]));
    return Dichte;
}

float g_pro_cm3_WasserDichte(int32_t Temperatur_C, float Salzgehalt_Prozent) {
    long double rho = 0;
    switch (Temperatur_C) {
    case 4:
        rho = 0.999973L;
        break;
    case 10:
        rho = 0.999701L;
        break;
    case 15:
        rho = 0.999099L;
        break;
    case 20:
        rho = 0.998205L;
        break;
    case 25:
        rho = 0.997047L;
        break;
    default:
        Unit_Tools::Meldung_Problem("Problem in FUNCTION g_pro_cm3_WasserDichte",
                                    "Problem in FUNCTION g_pro_cm3_WasserDichte");
        throw Unit_UI::Befehl_abgebrochen("g_pro_cm3_WasserDichte: temperature outside the table");
    }
    return static_cast<float>(rho * (1.0L + Salzgehalt_Prozent / 100.0L));
}

float m_pro_bar_aus_g_pro_cm3(float g_pro_cm3) {
    return static_cast<float>(1.0L / (g_pro_cm3 * 1000.0L * Erdbeschleunigung * 1.0L * 0.00001L));
}

float m_pro_bar_aus_kg_pro_m3(float x) {
    return static_cast<float>((1.0L / x) * 0.10197162129779283L * 100000.0L);
}

float bar_Luft_aus_Hoehe(float m) {
    return static_cast<float>(bar_Standardatmosphaere *
                              std::exp(-static_cast<long double>(m) * Hoehenfaktor_pro_m));
}

int32_t m_NN_aus_bar_Luft(float bar) {
    const long double h = -m_Hoehenskala * std::log(static_cast<long double>(bar) / bar_Standardatmosphaere);
    if (!std::isfinite(h) || std::fabs(h) > 1.0e9L) return 0; // no pressure: no altitude to speak of
    return static_cast<int32_t>(std::lround(h));
}

float m_Tiefenzuschlag(float m) {
    return static_cast<float>(static_cast<long double>(m) * 1.03L + 1.0L);
}

float m_ohne_Tiefenzuschlag(float m) {
    const long double x = (static_cast<long double>(m) - 1.0L) * 0.970873786407767L;
    return x < 0 ? 0.0f : static_cast<float>(x);
}

std::string Tauchgeraet_Text(int Tauchgeraet) {
    switch (Tauchgeraet) {
    case 0:
        return "OC";
    case 1:
        return "CCR";
    case 2:
        return "SCR";
    case 3:
        return "pSCR";
    default:
        return "-";
    }
}

void p_H2O_setzen(bool verwenden) {
    p_H2O_verwenden = verwenden;
    p_H2O = verwenden ? p_H2O_Standard : 0.0f;
}

} // namespace Unit_Formeln
