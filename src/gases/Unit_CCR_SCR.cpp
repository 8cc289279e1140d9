#include "gases/Unit_CCR_SCR.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "physics/Unit_Formeln.hpp"

#include <cmath>

namespace Unit_CCR_SCR {

CCR_Type CCR;
SCR_Type SCR;
pSCR_Type pSCR;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;

long double P_Kreislauf() {
    return W::bar_Umgebung - Unit_Formeln::p_H2O;
}

template <typename Kreislauf> void mit_aktuellem_Gas_fuellen(Kreislauf& k) {
    k.barL_Summe = k.L * W::bar_Umgebung;
    k.barL_O2 = k.barL_Summe * G::f_O2;
    k.barL_N2 = k.barL_Summe * G::f_N2;
    k.barL_He = k.barL_Summe * G::f_He;
    k.pO2_Kreislauf = k.barL_Summe > 0 ? static_cast<float>(k.barL_O2 / k.barL_Summe * P_Kreislauf()) : 0.0f;
}

struct Kreislaufanteile {
    long double f_O2, f_N2, f_He;
};

// Splits what is not oxygen between nitrogen and helium as in the supply gas.
Kreislaufanteile Inertgas_aufteilen(long double f_O2_Kreislauf) {
    if (std::fabs(G::f_N2 + G::f_He) <= 0.001L) return {f_O2_Kreislauf, 0, 0};
    const long double f_N2_Kreislauf =
        G::f_N2 / (static_cast<long double>(G::f_N2) + G::f_He) * (1 - f_O2_Kreislauf);
    return {f_O2_Kreislauf, f_N2_Kreislauf, 1 - f_O2_Kreislauf - f_N2_Kreislauf};
}

template <typename Kreislauf> void Kreislauf_setzen(Kreislauf& k, const Kreislaufanteile& a, long double P) {
    k.barL_O2 = P * k.L * a.f_O2;
    k.barL_N2 = P * k.L * a.f_N2;
    k.barL_He = P * k.L * a.f_He;
}

void Anteile_uebernehmen(const Kreislaufanteile& a) {
    G::f_O2 = static_cast<float>(a.f_O2);
    G::f_N2 = static_cast<float>(a.f_N2);
    G::f_He = static_cast<float>(a.f_He);
}
} // namespace

void CCR_Kreislauf_initialisieren(bool Standardwerte) {
    if (Standardwerte) CCR = CCR_Type{};
    mit_aktuellem_Gas_fuellen(CCR);
    CCR.barL_O2_Zugabe = 0;
    CCR.barL_Dil_Zugabe = CCR.barL_Summe; // the first fill counts as diluent used
    CCR.Setpoint_Genauigkeit = 0.003f;
}

void SCR_Kreislauf_initialisieren(bool Standardwerte) {
    if (Standardwerte) {
        const SCR_Type d;
        SCR.L = d.L;
        SCR.barL_pro_min_Atmung_O2 = d.barL_pro_min_Atmung_O2;
        SCR.Spuelen_Anzahl = d.Spuelen_Anzahl;
        SCR.SCR_Flow = d.SCR_Flow;
        SCR.SCR_Flow_Einstellung = d.SCR_Flow_Einstellung;
        SCR.Formel = d.Formel;
    }
    mit_aktuellem_Gas_fuellen(SCR);
    SCR.barL_Zugabe = SCR.barL_Summe;
}

void pSCR_Kreislauf_initialisieren(bool Standardwerte) {
    if (Standardwerte) {
        const pSCR_Type d;
        pSCR.L = d.L;
        pSCR.pSCR_DumpRatio = d.pSCR_DumpRatio;
        pSCR.pSCR_DumpRatio_Einstellung = d.pSCR_DumpRatio_Einstellung;
        pSCR.barL_pro_min_Atmung_O2 = d.barL_pro_min_Atmung_O2;
        pSCR.Spuelen_Anzahl = d.Spuelen_Anzahl;
        pSCR.min_spuelen = d.min_spuelen;
        pSCR.m_spuelen = d.m_spuelen;
        pSCR.spuelen_bei_Beginn_Aufstieg = d.spuelen_bei_Beginn_Aufstieg;
    }
    mit_aktuellem_Gas_fuellen(pSCR);
    pSCR.barL_Zugabe = pSCR.barL_Summe;
    pSCR.min_Runtime_gespuelt = 0;
    pSCR.m_Wasser_gespuelt = 0;
}

void Kreislaeufe_initialisieren(bool Standardwerte) {
    CCR_Kreislauf_initialisieren(Standardwerte);
    SCR_Kreislauf_initialisieren(Standardwerte);
    pSCR_Kreislauf_initialisieren(Standardwerte);
}

void Sollwerte_uebernehmen() {
    CCR.Setpoint = W::CCR_Setpoint;
    SCR.SCR_Flow = W::SCR_Flow;
    pSCR.pSCR_DumpRatio = W::pSCR_DumpRatio;
}

float bar_pO2_Anzeige() {
    G::Gasgemisch_waehlen(G::Gasgemisch_num);
    const long double P = P_Kreislauf();
    long double pO2 = 0;
    switch (W::Tauchgeraet) {
    case 0:
    case 3:
        pO2 = P * G::f_O2;
        break;
    case 1: {
        pO2 = P * G::f_O2;
        if (pO2 < CCR.Setpoint) pO2 = CCR.Setpoint;
        if (pO2 > P) pO2 = P;
        const auto a = Inertgas_aufteilen(P > 0 ? pO2 / P : 0);
        Kreislauf_setzen(CCR, a, P);
        Anteile_uebernehmen(a);
        break;
    }
    case 2: {
        const long double Q = SCR.SCR_Flow, V_O2 = SCR.barL_pro_min_Atmung_O2;
        long double f = Q != V_O2 ? (Q * G::f_O2 - V_O2) / (Q - V_O2) : 0;
        if (f < 0) f = 0;
        const auto a = Inertgas_aufteilen(f);
        Kreislauf_setzen(SCR, a, P);
        Anteile_uebernehmen(a);
        pO2 = P * f;
        break;
    }
    default:
        return 0;
    }
    W::f_O2_atmen = G::f_O2;
    W::f_N2_atmen = G::f_N2;
    W::f_He_atmen = G::f_He;
    return static_cast<float>(pO2);
}

} // namespace Unit_CCR_SCR
