// The breathing loops of the three rebreather kinds: what the diver actually breathes.
#pragma once

#include <cstdint>

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

// Fill each loop with the current gas at the present ambient pressure; with the flag the
// defaults are restored first.
void CCR_Kreislauf_initialisieren(bool Standardwerte);
void SCR_Kreislauf_initialisieren(bool Standardwerte);
void pSCR_Kreislauf_initialisieren(bool Standardwerte);
void Kreislaeufe_initialisieren(bool Standardwerte);

// The loops take the setpoint, flow and dump ratio in force from the dive state.
void Sollwerte_uebernehmen();

// The pO2 the current gas gives at the present depth with the steady-state formulas of the
// apparatus in force; sets the breathed fractions likewise. 0 for an unknown apparatus.
float bar_pO2_Anzeige();

} // namespace Unit_CCR_SCR
