#include "gases/Unit_CCR_SCR.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_CCR_SCR {

CCR_Type CCR;
SCR_Type SCR;
pSCR_Type pSCR;
bool CCR_O2_zugegeben = false;
bool CCR_Dil_zugegeben = false;
std::function<void(const std::string& Aktion)> Ereignis_anhaengen;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;

// Each injection or addition ends after this many increments, its goal reached or not.
constexpr int Zugaben_max = 1000;
// Guards against a flush count read from a damaged file; the settings allow 0 to 10.
constexpr int32_t Spuelungen_max = 10;

long double P_Kreislauf() {
    return W::bar_Umgebung - Unit_Formeln::p_H2O;
}

template <typename Kreislauf> long double Volumen_barL(const Kreislauf& k) {
    return k.L * W::bar_Umgebung;
}

template <typename Kreislauf> void Summe_neu(Kreislauf& k) {
    k.barL_Summe = k.barL_O2 + k.barL_N2 + k.barL_He;
}

template <typename Kreislauf> void pO2_neu(Kreislauf& k) {
    k.pO2_Kreislauf = k.barL_Summe > 0 ? static_cast<float>(k.barL_O2 / k.barL_Summe * P_Kreislauf()) : 0.0f;
}

// The excess leaves with the loop's composition.
template <typename Kreislauf> void auf_Volumen_ablassen(Kreislauf& k) {
    const long double V = Volumen_barL(k);
    if (k.barL_Summe <= V) return;
    const long double Faktor = V / k.barL_Summe;
    k.barL_O2 *= Faktor;
    k.barL_N2 *= Faktor;
    k.barL_He *= Faktor;
    k.barL_Summe = V;
}

template <typename Kreislauf> void atmen_wie_Kreislauf(const Kreislauf& k) {
    const long double S = k.barL_Summe;
    W::f_O2_atmen = S > 0 ? static_cast<float>(k.barL_O2 / S) : 0.0f;
    W::f_N2_atmen = S > 0 ? static_cast<float>(k.barL_N2 / S) : 0.0f;
    W::f_He_atmen = S > 0 ? static_cast<float>(k.barL_He / S) : 0.0f;
}

template <typename Kreislauf> void Gas_einleiten(Kreislauf& k, long double x) {
    k.barL_O2 += x * G::f_O2;
    k.barL_N2 += x * G::f_N2;
    k.barL_He += x * G::f_He;
}

template <typename Kreislauf> void Stoffwechsel(Kreislauf& k) {
    k.barL_O2 =
        std::max(0.0L, k.barL_O2 - static_cast<long double>(k.barL_pro_min_Atmung_O2) * W::min_Schritt);
    Summe_neu(k);
}

template <typename Kreislauf> float Ergebnis(Kreislauf& k) {
    Summe_neu(k);
    pO2_neu(k);
    atmen_wie_Kreislauf(k);
    return k.pO2_Kreislauf;
}

template <typename Kreislauf> void mit_aktuellem_Gas_fuellen(Kreislauf& k) {
    // Selected again: a display of the loop pO2 may have replaced the fractions by loop values.
    G::Gasgemisch_waehlen(G::Gasgemisch_num);
    k.barL_Summe = Volumen_barL(k);
    k.barL_O2 = k.barL_Summe * G::f_O2;
    k.barL_N2 = k.barL_Summe * G::f_N2;
    k.barL_He = k.barL_Summe * G::f_He;
    pO2_neu(k);
}

void atmen_wie_Gas() {
    W::f_O2_atmen = G::f_O2;
    W::f_N2_atmen = G::f_N2;
    W::f_He_atmen = G::f_He;
}

void CCR_nach_Zugabe(CCR_Type& k, long double x, bool& zugegeben) {
    Summe_neu(k);
    auf_Volumen_ablassen(k);
    pO2_neu(k);
    if (x > 0) zugegeben = true;
}

void O2_zugeben(CCR_Type& k, long double x, bool& zugegeben) {
    k.barL_O2 += x;
    k.barL_O2_Zugabe += x;
    CCR_nach_Zugabe(k, x, zugegeben);
}

void Diluent_zugeben(CCR_Type& k, long double x, bool& zugegeben) {
    Gas_einleiten(k, x);
    k.barL_Dil_Zugabe += x;
    CCR_nach_Zugabe(k, x, zugegeben);
}

// An amount that is zero (or too small to change the total) leaves the loop as it is, so every
// further increment would be the same: the loop ends there.
bool wirkungslos(const CCR_Type& k, long double x) {
    return !(k.barL_Summe + x > k.barL_Summe);
}

// The increments run on a copy of the loop, which the compiler keeps in registers: a step may
// take a hundred of them.
void Sauerstoff_einspritzen(long double i_O2) {
    CCR_Type k = CCR;
    bool zugegeben = CCR_O2_zugegeben;
    const long double P = P_Kreislauf(), V = P * k.L;
    const long double Soll = k.Setpoint, Genauigkeit = k.Setpoint_Genauigkeit;
    for (int n = 0; n < Zugaben_max; ++n) {
        const bool weiter =
            P > Soll ? k.pO2_Kreislauf < Soll - Genauigkeit : std::fabs(k.pO2_Kreislauf - P) > Genauigkeit;
        if (!weiter) break;
        const long double x =
            k.barL_Summe + i_O2 <= V || k.pO2_Kreislauf < Soll - Genauigkeit ? i_O2 : V - k.barL_Summe;
        if (wirkungslos(k, x)) break;
        O2_zugeben(k, x, zugegeben);
    }
    CCR = k;
    CCR_O2_zugegeben = zugegeben;
}

void Diluent_nachfuellen(long double i_Dil) {
    CCR_Type k = CCR;
    bool zugegeben = CCR_Dil_zugegeben;
    const long double P = P_Kreislauf(), V = P * k.L;
    const long double Soll = k.Setpoint, Genauigkeit = k.Setpoint_Genauigkeit;
    for (int n = 0; n < Zugaben_max; ++n) {
        const bool zu_viel_O2 = k.pO2_Kreislauf > Soll + Genauigkeit && P * G::f_O2 < k.pO2_Kreislauf;
        if (!zu_viel_O2 && k.barL_Summe >= Volumen_barL(k)) break;
        const long double x = k.barL_Summe + i_Dil > V ? V - k.barL_Summe : i_Dil;
        if (wirkungslos(k, x)) break;
        Diluent_zugeben(k, x, zugegeben);
    }
    CCR = k;
    CCR_Dil_zugegeben = zugegeben;
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

// Steady state of a constant-flow loop: what flows in minus what the diver uses. A flow not
// above the consumption leaves no oxygen to breathe (it would divide by zero or give more than
// pure oxygen).
Kreislaufanteile SCR_Formel_Anteile() {
    const long double Q = SCR.SCR_Flow, V_O2 = SCR.barL_pro_min_Atmung_O2;
    const long double f = Q > V_O2 ? (Q * G::f_O2 - V_O2) / (Q - V_O2) : 0;
    return Inertgas_aufteilen(std::clamp(f, 0.0L, 1.0L));
}

template <typename Kreislauf> void Kreislauf_setzen(Kreislauf& k, const Kreislaufanteile& a, long double P) {
    k.barL_O2 = P * k.L * a.f_O2;
    k.barL_N2 = P * k.L * a.f_N2;
    k.barL_He = P * k.L * a.f_He;
}

void atmen_wie(const Kreislaufanteile& a) {
    W::f_O2_atmen = static_cast<float>(a.f_O2);
    W::f_N2_atmen = static_cast<float>(a.f_N2);
    W::f_He_atmen = static_cast<float>(a.f_He);
}

void Anteile_uebernehmen(const Kreislaufanteile& a) {
    G::f_O2 = static_cast<float>(a.f_O2);
    G::f_N2 = static_cast<float>(a.f_N2);
    G::f_He = static_cast<float>(a.f_He);
}

int32_t Spuelungen(int32_t Anzahl) {
    return std::clamp(Anzahl, 0, Spuelungen_max);
}

Spuelung_Type CCR_spuelen() {
    const int32_t n = Spuelungen(CCR.Spuelen_Anzahl);
    if (n == 0) return {false, 0, "CCR"};
    CCR.barL_O2_Zugabe = CCR.barL_Dil_Zugabe = 0;
    for (int32_t k = 0; k < n; ++k) Diluent_zugeben(CCR, P_Kreislauf() * CCR.L, CCR_Dil_zugegeben);
    atmen_wie_Kreislauf(CCR);
    Unit_Gasverbrauch::Verbrauch_buchen(G::Gas_O2, CCR.barL_O2_Zugabe);
    Unit_Gasverbrauch::Verbrauch_buchen(G::Gasgemisch_num, CCR.barL_Dil_Zugabe);
    W::bar_pO2 = CCR.pO2_Kreislauf;
    return {true, n, "CCR"};
}

Spuelung_Type SCR_spuelen() {
    const int32_t n = Spuelungen(SCR.Spuelen_Anzahl);
    if (n == 0) return {false, 0, "SCR"};
    for (int32_t k = 0; k < n; ++k) {
        Gas_einleiten(SCR, Volumen_barL(SCR));
        SCR.barL_Zugabe += Volumen_barL(SCR);
        Summe_neu(SCR);
        auf_Volumen_ablassen(SCR);
    }
    pO2_neu(SCR);
    atmen_wie_Kreislauf(SCR);
    Unit_Gasverbrauch::Verbrauch_buchen(G::Gasgemisch_num, n * Volumen_barL(SCR));
    W::bar_pO2 = SCR.pO2_Kreislauf;
    return {true, n, "SCR"};
}

// Always a single complete refill with the current gas as the table holds it.
Spuelung_Type pSCR_spuelen() {
    const auto& g = G::Gasgemisch[std::clamp(G::Gasgemisch_num, 0, G::GasGemisch_NumMaxUeberhaupt)];
    const long double Fuellung = Volumen_barL(pSCR);
    pSCR.barL_Summe = Fuellung;
    pSCR.barL_O2 = Fuellung * g.f_O2_prozent * 0.01L;
    pSCR.barL_N2 = Fuellung * g.f_N2_prozent * 0.01L;
    pSCR.barL_He = Fuellung * g.f_He_prozent * 0.01L;
    pSCR.barL_Zugabe = Fuellung;
    pSCR.min_Runtime_gespuelt = W::min_Runtime;
    pSCR.m_Wasser_gespuelt = W::m_Wasser;
    Unit_Gasverbrauch::Verbrauch_buchen(G::Gasgemisch_num, Fuellung);
    pO2_neu(pSCR);
    atmen_wie_Kreislauf(pSCR);
    W::bar_pO2 = pSCR.pO2_Kreislauf;
    return {true, 1, "pSCR"};
}

bool pSCR_spuelen_faellig() {
    return W::min_Runtime >= pSCR.min_Runtime_gespuelt + pSCR.min_spuelen ||
           pSCR.m_Wasser_gespuelt - pSCR.m_spuelen >= W::m_Wasser;
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

float CCR_Kreislauf_atmen_und_Zugabe() {
    if (!(W::min_Schritt * 0.5f < W::min_dt)) return CCR.pO2_Kreislauf;
    CCR_O2_zugegeben = CCR_Dil_zugegeben = false;
    CCR.barL_O2_Zugabe = CCR.barL_Dil_Zugabe = 0;
    Stoffwechsel(CCR);
    pO2_neu(CCR);
    // Per step: the needle valve's flow, and 200 l/min from the diluent valve, in increments.
    Sauerstoff_einspritzen(CCR.L_pro_min_O2_Zufuhr * W::min_Schritt * 0.001L);
    Diluent_nachfuellen(200 * W::min_Schritt * 0.001L);
    return Ergebnis(CCR);
}

float SCR_Kreislauf_atmen_und_Zugabe() {
    Stoffwechsel(SCR);
    const long double s = std::max(0.0L, static_cast<long double>(SCR.SCR_Flow) * W::min_Schritt);
    SCR.barL_Zugabe = s;
    Gas_einleiten(SCR, s);
    Summe_neu(SCR);
    const long double d = Volumen_barL(SCR) - SCR.barL_Summe;
    if (d > 0) {
        Gas_einleiten(SCR, d);
        SCR.barL_Zugabe += d;
        Summe_neu(SCR);
    } else {
        auf_Volumen_ablassen(SCR);
    }
    return Ergebnis(SCR);
}

float SCR_Kreislauf_Formel() {
    const Kreislaufanteile a = SCR_Formel_Anteile();
    const long double P = P_Kreislauf();
    Kreislauf_setzen(SCR, a, P);
    SCR.pO2_Kreislauf = static_cast<float>(P * a.f_O2);
    atmen_wie(a);
    return SCR.pO2_Kreislauf;
}

float pSCR_Kreislauf_atmen_und_Zugabe() {
    Stoffwechsel(pSCR);
    const long double S = pSCR.barL_Summe;
    const long double Dump =
        std::clamp(Unit_Gasverbrauch::AMV * W::bar_Umgebung * pSCR.pSCR_DumpRatio * 0.01L * W::min_Schritt,
                   0.0L, std::max(0.0L, S));
    // The dump leaves with the loop's composition: each amount shrinks by the same share.
    const long double Rest = S > 0 ? 1 - Dump / S : 1;
    pSCR.barL_O2 *= Rest;
    pSCR.barL_N2 *= Rest;
    pSCR.barL_He *= Rest;
    Summe_neu(pSCR);

    // Only what is fed in now counts; an earlier step's or flush's amount must not be booked again.
    pSCR.barL_Zugabe = 0;
    const long double d = Volumen_barL(pSCR) - pSCR.barL_Summe;
    if (d > 0) {
        Gas_einleiten(pSCR, d);
        pSCR.barL_Zugabe = d;
        Summe_neu(pSCR);
    } else {
        auf_Volumen_ablassen(pSCR);
    }

    if (pSCR_spuelen_faellig()) {
        // The flush books its fill itself; the step books what it fed in before.
        const long double Zugabe_des_Schritts = pSCR.barL_Zugabe;
        const Spuelung_Type s = pSCR_spuelen();
        pSCR.barL_Zugabe = Zugabe_des_Schritts;
        if (s.gespuelt && Ereignis_anhaengen)
            Ereignis_anhaengen(s.Tauchgeraet + Unit_Tools::Text_waehlen(" spülen", " flush"));
    }
    return Ergebnis(pSCR);
}

Spuelung_Type Kreislauf_spuelen() {
    switch (W::Tauchgeraet) {
    case 1:
        return CCR_spuelen();
    case 2:
        return SCR_spuelen();
    case 3:
        return pSCR_spuelen();
    default:
        return {false, 0, Unit_Formeln::Tauchgeraet_Text(W::Tauchgeraet)};
    }
}

float bar_pO2_atmen() {
    Sollwerte_uebernehmen();
    switch (W::Tauchgeraet) {
    case 0:
        atmen_wie_Gas();
        return static_cast<float>(P_Kreislauf() * G::f_O2);
    case 1:
        return CCR_Kreislauf_atmen_und_Zugabe();
    case 2:
        return SCR.Formel == 1 ? SCR_Kreislauf_Formel() : SCR_Kreislauf_atmen_und_Zugabe();
    case 3:
        return pSCR_Kreislauf_atmen_und_Zugabe();
    default:
        // Unknown apparatus: the gas as it is, and a pO2 that stops the calculation.
        atmen_wie_Gas();
        return 0;
    }
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
        pO2 = std::min(std::max(P * G::f_O2, static_cast<long double>(CCR.Setpoint)), P);
        const auto a = Inertgas_aufteilen(P > 0 ? pO2 / P : 0);
        Kreislauf_setzen(CCR, a, P);
        Anteile_uebernehmen(a);
        break;
    }
    case 2: {
        const auto a = SCR_Formel_Anteile();
        Kreislauf_setzen(SCR, a, P);
        Anteile_uebernehmen(a);
        pO2 = P * a.f_O2;
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
