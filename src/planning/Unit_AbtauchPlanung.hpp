// The descent plan's tables: velocity, gas changes and CCR setpoints by depth (down lookup).
#pragma once

#include "planning/Unit_Tiefentabelle.hpp"

namespace Unit_AbtauchPlanung {

extern bool Abstieg_Geschwindigkeit_variabel; // "Mit Geschwindigkeitswechsel"
extern float v_Abstieg_konstant;              // m/min, also the velocity table's constant
extern Tiefentabelle_Type Abstieg_Geschwindigkeit;

extern bool Abstieg_Gaswechsel_OK; // "Mit Gaswechsel"
extern Tiefentabelle_Type Abstieg_Gaswechsel;

extern bool Abstieg_Setpoint_variabel; // "Mit p(O2) Änderung"
extern Tiefentabelle_Type Abstieg_Setpoint;

// Back to the values a missing settings key reads as.
void Tabellen_zuruecksetzen();

} // namespace Unit_AbtauchPlanung

// ---- Bubble check, the immediate first descent and the table rule after reading ----
namespace Unit_AbtauchPlanung {

extern bool Bubble_Check;
extern float Bubble_Check_m;   // depth held on the way down, m
extern float Bubble_Check_min; // for this long, min
// The first segment from the surface is descended within one calculation step (a preset sets it;
// it is not stored).
extern bool Sofortabstieg;

// A table read from a file: a row shallower than the row before it becomes a copy of that row.
void Tiefentabelle_normalisieren(Tiefentabelle_Type& Tabelle);

} // namespace Unit_AbtauchPlanung
// ---- end of bubble check and table rule ----
