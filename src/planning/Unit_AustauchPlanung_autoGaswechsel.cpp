#include "planning/Unit_AustauchPlanung_autoGaswechsel.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "planning/Unit_AustauchPlanung.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_AustauchPlanung_autoGaswechsel {

namespace {
namespace G = Unit_Gasgemisch_BestMix;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

constexpr float pO2_hypoxisch = 0.16f; // below this no gas keeps a diver conscious
constexpr int32_t ENDmax_von = 20;
constexpr int32_t ENDmax_bis = 60;

struct Drucksatz {
    long double O2 = 0;
    long double N2 = 0;
    long double He = 0;
};

// Inspired pressures of gas k at ambient pressure P.
Drucksatz eingeatmet(int32_t k, long double P) {
    const auto& g = G::Gasgemisch[static_cast<std::size_t>(k)];
    const long double trocken = P - Unit_Formeln::p_H2O;
    return {trocken * g.f_O2_prozent * 0.01L, trocken * g.f_N2_prozent * 0.01L,
            trocken * g.f_He_prozent * 0.01L};
}

// The most oxygen allowed, as much nitrogen as the rise and the END allow, helium for the rest.
Drucksatz ideales_Gas(long double P, long double pN2_jetzt, long double dpN2, float pN2max, float pO2max) {
    const long double H2O = Unit_Formeln::p_H2O;
    Drucksatz p;
    p.O2 = pO2max;
    if (P < p.O2 + H2O) p.O2 = P - H2O;
    p.N2 = std::min<long double>(pN2_jetzt + dpN2, pN2max);
    if (P < p.O2 + p.N2 + H2O) p.N2 = std::max(0.0L, P - H2O - p.O2);
    p.He = std::max(0.0L, P - H2O - p.O2 - p.N2);
    return p;
}

bool ist_Gas(int32_t k) {
    return k >= 0 && k <= std::min(G::Gasgemisch_NumMax, G::GasGemisch_NumMaxUeberhaupt);
}

// A gas of the table within 0.005 per fraction, or a new one; -1 when the table is full (adding
// would overwrite the last gas, which an earlier row of this proposal may already name).
int32_t Gas_finden_oder_hinzufuegen(const Drucksatz& p, float Tiefe) {
    const long double Summe = p.O2 + p.N2 + p.He;
    const auto O2 = static_cast<float>(p.O2 / Summe);
    const auto N2 = static_cast<float>(p.N2 / Summe);
    const auto He = static_cast<float>(p.He / Summe);
    const int32_t j = G::Gasgemisch_finden(O2, N2, He);
    if (j >= 0) return j;
    if (G::Gasgemisch_NumMax >= G::GasGemisch_NumMaxUeberhaupt) {
        const std::string m = Zahl_formatieren(0, 0, Tiefe);
        Unit_Tools::Meldung_Problem("Zu viele Gasmischungen: der Vorschlag endet bei " + m + " m",
                                    "Too many gas mixes: the proposal ends at " + m + " m");
        return -1;
    }
    G::Gasgemisch_hinzufuegen(G::Gasname_aus_Anteilen(O2, N2, He), O2 * 100.0f, N2 * 100.0f, He * 100.0f);
    return G::Gasgemisch_NumMax;
}

// A pO2 max below the hypoxic limit or a negative limit (a field that is no number reads as 0)
// would compose gases no diver can breathe.
bool Satz_brauchbar(float dpN2min, float dpN2max, float pN2max, float pO2min, float pO2max) {
    if (pO2max >= pO2_hypoxisch && pO2min >= 0 && dpN2min >= 0 && dpN2max >= 0 && pN2max >= 0) return true;
    const std::string g = Zahl_formatieren(0, 2, pO2_hypoxisch);
    Unit_Tools::Meldung_Problem(
        "Kein Vorschlag: pO2 max muss mindestens " + g + " bar sein, und keine Grenze darf negativ sein",
        "No proposal: pO2 max must be at least " + g + " bar, and no limit may be negative");
    return false;
}
} // namespace

Parametersatz_Type Voreinstellung_Satz(Voreinstellung v) {
    Parametersatz_Type p;
    switch (v) {
    case Voreinstellung::Standard:
        p = {1.40f, 0.80f, 0, 0.80f, 0.40f, 30, true};
        break;
    case Voreinstellung::maxEntsaettigung:
        p = {1.60f, 1.30f, 0, 1.00f, 0.40f, 30, false};
        break;
    case Voreinstellung::wenigGaswechsel:
        p = {1.40f, 0.70f, 0, 1.20f, 0.40f, 30, true};
        break;
    }
    p.pN2max = pN2max_aus_ENDmax(p.ENDmax);
    return p;
}

Parametersatz_Type Parameter = Voreinstellung_Satz(Voreinstellung::Standard);

void Voreinstellung_waehlen(Voreinstellung v) {
    Parameter = Voreinstellung_Satz(v);
}

float pN2max_aus_ENDmax(int32_t ENDmax) {
    return Unit_Formeln::bar_pN2_aus_END(static_cast<float>(std::clamp(ENDmax, ENDmax_von, ENDmax_bis)));
}

std::string pN2max_Text(int32_t ENDmax) {
    return Zahl_formatieren(4, 2, pN2max_aus_ENDmax(ENDmax));
}

std::array<std::string, 5> Felder_Texte(const Parametersatz_Type& p) {
    return {Zahl_formatieren(4, 2, p.pO2max), Zahl_formatieren(4, 2, p.pO2min),
            Zahl_formatieren(4, 2, p.pN2max), Zahl_formatieren(4, 2, p.dpN2max),
            Zahl_formatieren(4, 2, p.dpN2min)};
}

void Gaswechsel_vorschlagen(int32_t Gas, bool ideal_BottomGas, Tiefentabelle_Type& Tabelle, float dpN2min,
                            float dpN2max, float pN2max, float pO2min, float pO2max, float m_Start,
                            float m_DekoZuletzt) {
    if (!(m_Start > 0) || !std::isfinite(m_Start) || !ist_Gas(Gas)) return;
    if (!Satz_brauchbar(dpN2min, dpN2max, pN2max, pO2min, pO2max)) return;
    const int32_t Gas_gewaehlt = G::Gasgemisch_num; // adding a gas selects it
    const float m_Ende = std::max(m_DekoZuletzt, 0.0f);
    int32_t Gas_in_Gebrauch = Gas;
    float Tiefe = m_Start + 1;
    int i = 7; // the next row to write is row i - 1
    do {
        Tiefe -= 1;
        const long double P = Unit_Formeln::bar_Umgebung_aus(Tiefe);
        if (P - Unit_Formeln::p_H2O <= 0) break; // no calibration to compose with
        const Drucksatz p = eingeatmet(Gas_in_Gebrauch, P);
        const bool erste_Tiefe = i == 7;
        if (!(erste_Tiefe || p.O2 < pO2min) || i <= 1) continue;
        int32_t Gas_neu = Gas_in_Gebrauch;
        if (!erste_Tiefe || ideal_BottomGas) {
            const long double dpN2 = dpN2max - (m_Start - Tiefe) / m_Start * (dpN2max - dpN2min);
            Gas_neu = Gas_finden_oder_hinzufuegen(ideales_Gas(P, p.N2, dpN2, pN2max, pO2max), Tiefe);
            if (Gas_neu < 0) break;
        }
        Gas_in_Gebrauch = Gas_neu;
        --i;
        Tabelle.Zeile[static_cast<std::size_t>(i - 1)] = {Tiefe, static_cast<float>(Gas_neu)};
    } while (Tiefe > m_Ende);
    // The rows above the shallowest written one copy it.
    if (i < 7)
        for (int k = 1; k < i; ++k)
            Tabelle.Zeile[static_cast<std::size_t>(k - 1)] = Tabelle.Zeile[static_cast<std::size_t>(i - 1)];
    G::Gasgemisch_waehlen(Gas_gewaehlt);
}

bool Vorschlag_OK(const Felder_Type& Felder, float m_DekoZuletzt) {
    namespace W = Unit_WayPoints;
    // A new dive stands at the input fields' start point (30 min, 25 m by default) before any
    // waypoint is entered: that is no dive to propose for either.
    if (W::min_Runtime <= 0.1L || W::WayPoint_Anzahl < 1) {
        Unit_Tools::Meldung_Info("Noch keine Daten eingegeben", "Data not yet entered");
        return false;
    }
    auto& p = Parameter;
    p.pO2max = static_cast<float>(Unit_Tools::Zahl_lesen(Felder.pO2max));
    p.pO2min = static_cast<float>(Unit_Tools::Zahl_lesen(Felder.pO2min));
    p.dpN2max = static_cast<float>(Unit_Tools::Zahl_lesen(Felder.dpN2max));
    p.dpN2min = static_cast<float>(Unit_Tools::Zahl_lesen(Felder.dpN2min));
    p.ENDmax = std::clamp(Felder.ENDmax, ENDmax_von, ENDmax_bis);
    p.pN2max = pN2max_aus_ENDmax(p.ENDmax);
    p.BottomGasIstErstesGas = Felder.BottomGasIstErstesGas;
    Gaswechsel_vorschlagen(W::Gas_Nr, !p.BottomGasIstErstesGas, Unit_AustauchPlanung::Aufstieg_Gaswechsel,
                           p.dpN2min, p.dpN2max, p.pN2max, p.pO2min, p.pO2max, W::m_Wasser, m_DekoZuletzt);
    return true;
}

} // namespace Unit_AustauchPlanung_autoGaswechsel
