// The ascent plan's tables: velocity, gas changes and CCR setpoints by depth (up lookup), the
// gas breaks on the last stop, and the first stop depth the consumption needs.
#pragma once

#include "planning/Unit_Tiefentabelle.hpp"

#include <cstdint>

namespace Unit_AustauchPlanung {

extern bool Aufstieg_Geschwindigkeit_variabel; // "Mit Geschwindigkeitswechsel"
extern float v_Aufstieg_konstant;              // m/min, also the velocity table's constant
extern Tiefentabelle_Type Aufstieg_Geschwindigkeit;

extern bool Aufstieg_Gaswechsel_OK; // "Mit Gaswechsel"
extern Tiefentabelle_Type Aufstieg_Gaswechsel;

extern bool Aufstieg_Setpoint_variabel; // "Mit p(O2) Änderung"
extern Tiefentabelle_Type Aufstieg_Setpoint;

// Gas breaks: the break gas is a gas index like the table's gas changes.
extern bool AirBreak_OK;
extern int32_t AirBreak_GasNum;
extern int32_t AirBreak_minAbstand;
extern int32_t AirBreak_minDauer;

// Depth of the first stop of the last planned ascent; 0 when there is none.
extern float m_ErsterStop;

// Back to the values a missing settings key reads as.
void Tabellen_zuruecksetzen();

} // namespace Unit_AustauchPlanung

// ---- Settings of the stop rules, stored in the settings and dive files ----
namespace Unit_AustauchPlanung {

extern float m_DekoZuletzt;                   // depth of the last (shallowest) stop, m
extern float m_DekoStep;                      // distance of the stop depths, m
extern bool min_Deko_VolleMinute;             // "Stops auf volle min ausdehnen"
extern bool min_Deko_VolleMinute_RunTime;     // "Stops auf volle RunTime Minuten ausdehnen"
extern bool min_Deko_mitAufstiegZurNaechsten; // "Aufstiegszeit zum nächsten Stop addieren"
extern bool BailOut;                          // CCR to open circuit when the ascent begins
// Waiting at depth after a gas switch (descent and ascent alike).
extern bool min_Warten_nachGaswechsel_OK;
extern int32_t min_Warten_nachGaswechsel;

} // namespace Unit_AustauchPlanung
// ---- end of the stop-rule settings ----
