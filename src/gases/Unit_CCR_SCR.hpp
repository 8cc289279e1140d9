// The breathing loops of the three rebreather kinds: what the diver actually breathes.
// Amounts are barL, pressures bar, volumes litres.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Unit_CCR_SCR {

struct CCR_Type {
    int32_t L = 4;
    long double barL_O2 = 0;
    long double barL_N2 = 0;
    long double barL_He = 0;
    long double barL_Summe = 0;
    long double barL_O2_Zugabe = 0;
    long double barL_Dil_Zugabe = 0;
    float pO2_Kreislauf = 0;
    float barL_pro_min_Atmung_O2 = 1.5f;
    int32_t L_pro_min_O2_Zufuhr = 10;
    int32_t Spuelen_Anzahl = 3;
    float Setpoint_Genauigkeit = 0.003f;
    float Setpoint = 1.3f;
    float Setpoint_Einstellung = 1.3f;
};

struct SCR_Type {
    int32_t L = 4;
    long double barL_O2 = 0;
    long double barL_N2 = 0;
    long double barL_He = 0;
    long double barL_Summe = 0;
    long double barL_Zugabe = 0;
    float pO2_Kreislauf = 0;
    float barL_pro_min_Atmung_O2 = 1.5f;
    int32_t Spuelen_Anzahl = 3;
    float SCR_Flow = 15.6f;
    float SCR_Flow_Einstellung = 15.6f;
    uint8_t Formel = 0;
};

struct pSCR_Type {
    int32_t L = 4;
    int32_t pSCR_DumpRatio = 10;
    int32_t pSCR_DumpRatio_Einstellung = 10;
    long double barL_O2 = 0;
    long double barL_N2 = 0;
    long double barL_He = 0;
    long double barL_Summe = 0;
    long double barL_Zugabe = 0;
    float pO2_Kreislauf = 0;
    float barL_pro_min_Atmung_O2 = 1.5f;
    int32_t min_spuelen = 5;
    int32_t m_spuelen = 3;
    uint8_t spuelen_bei_Beginn_Aufstieg = 1;
    long double min_Runtime_gespuelt = 0;
    long double m_Wasser_gespuelt = 0;
    int32_t Spuelen_Anzahl = 3;
};

extern CCR_Type CCR;
extern SCR_Type SCR;
extern pSCR_Type pSCR;

// Whether the last CCR step injected oxygen, added diluent.
extern bool CCR_O2_zugegeben;
extern bool CCR_Dil_zugegeben;

// Receives the label of a flush the pSCR loop makes by itself ("pSCR spülen" / "pSCR flush").
// The calculation installs it where such a flush is to become a waypoint; unset, the flush is
// only computed.
extern std::function<void(const std::string& Aktion)> Ereignis_anhaengen;

// Fill each loop with the current gas at the present ambient pressure; with the flag the
// defaults are restored first.
void CCR_Kreislauf_initialisieren(bool Standardwerte);
void SCR_Kreislauf_initialisieren(bool Standardwerte);
void pSCR_Kreislauf_initialisieren(bool Standardwerte);
void Kreislaeufe_initialisieren(bool Standardwerte);

// The loops take the setpoint, flow and dump ratio in force from the dive state.
void Sollwerte_uebernehmen();

// One calculation step of each loop (length min_Schritt): metabolism, what the apparatus adds
// and vents; each sets the breathed fractions and returns the loop pO2.
float CCR_Kreislauf_atmen_und_Zugabe();
float SCR_Kreislauf_atmen_und_Zugabe();
float pSCR_Kreislauf_atmen_und_Zugabe();
// The SCR loop by the steady-state formula instead of the simulated loop.
float SCR_Kreislauf_Formel();

struct Spuelung_Type {
    bool gespuelt = false;
    int32_t Anzahl = 0;
    std::string Tauchgeraet; // "OC", "CCR", "SCR", "pSCR"
};
// Flushes the loop of the apparatus in force and books the gas it took; after a flush the
// dive's bar_pO2 is the loop pO2.
Spuelung_Type Kreislauf_spuelen();

// The inspired pO2 of a calculation step for the apparatus in force; sets the breathed fractions.
float bar_pO2_atmen();

// The pO2 the current gas gives at the present depth with the steady-state formulas of the
// apparatus in force; sets the breathed fractions likewise. 0 for an unknown apparatus.
float bar_pO2_Anzeige();

} // namespace Unit_CCR_SCR
