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
// "Abstiegsplanung verwenden": entered segments are walked with the plan.
extern bool Abstiegsplanung_verwenden;

// Bubble check: hold the depth on the way down, once per Dive command.
extern bool Bubble_Check;
extern float m_Bubble_Check;
extern float min_Bubble_Check;
extern bool Bubble_Check_erledigt;

void Tabellen_zuruecksetzen();

} // namespace Unit_AbtauchPlanung
