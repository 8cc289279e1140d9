// The amount of inert gas dissolved in the body, from the tissue pressures and a body model.
#pragma once

#include "core/Unit_WayPoints.hpp"

namespace Unit_Gewebe_barL {

// Sums over the 16 compartments, barL.
extern float barL_O2;
extern float barL_N2;
extern float barL_He;
extern float barL_N2He;
extern float barL_N2He_Start; // reference amount when the store was reset

// Largest barL_N2He of the dive and where it was reached.
extern float barL_N2He_MAX;
extern float m_barL_N2He_MAX;
extern float min_barL_N2He_MAX;

// Body model: 75 kg, 57.5 % water, 22.5 % fat, the rest other tissue; each compartment holds
// a sixteenth of each volume.
constexpr long double kg_Koerper = 75.0L;
constexpr long double L_Koerper = kg_Koerper / 1.03L;
constexpr long double L_Wasser = kg_Koerper * 0.575L;
constexpr long double L_Fett = kg_Koerper * 0.225L / 0.9L;
constexpr long double L_Rest = L_Koerper - L_Wasser - L_Fett;

// Amount in barL dissolved in one compartment at pressure p for solubilities in water and fat.
long double barL_im_Kompartiment(long double p, long double ml_Wasser, long double ml_Fett);

// Recomputes the amounts from the current tissue state and keeps the dive maximum.
void Geloeste_Gase_berechnen();
// Sets the maximum with its depth and runtime to 0 (dive reset).
void Maximum_zuruecksetzen();

} // namespace Unit_Gewebe_barL

// ---- Which tissue windows are shown (settings) ----
namespace Unit_Gewebe_barL {

extern bool Gewebesaettigung_zeigen;         // tissue bars
extern bool Gewebesaettigung_absolut_zeigen; // tissue pressures, bar
extern bool Inertgasvolumina_zeigen;         // dissolved inert gas, barL

} // namespace Unit_Gewebe_barL
// ---- end of the tissue window switches ----
