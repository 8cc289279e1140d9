#include "planning/Unit_AustauchPlanung.hpp"

namespace Unit_AustauchPlanung {

bool Aufstieg_Geschwindigkeit_variabel;
float v_Aufstieg_konstant;
Tiefentabelle_Type Aufstieg_Geschwindigkeit;
bool Aufstieg_Gaswechsel_OK;
Tiefentabelle_Type Aufstieg_Gaswechsel;
bool Aufstieg_Setpoint_variabel;
Tiefentabelle_Type Aufstieg_Setpoint;
bool AirBreak_OK;
int32_t AirBreak_GasNum;
int32_t AirBreak_minAbstand;
int32_t AirBreak_minDauer;
float m_ErsterStop;

void Tabellen_zuruecksetzen() {
    Aufstieg_Geschwindigkeit_variabel = false;
    v_Aufstieg_konstant = 10;
    Aufstieg_Geschwindigkeit = Tiefentabelle_gleich(0, 10);
    Aufstieg_Gaswechsel_OK = false;
    Aufstieg_Gaswechsel = Tiefentabelle_gleich(0, 0);
    Aufstieg_Setpoint_variabel = false;
    Aufstieg_Setpoint = Tiefentabelle_gleich(0, 1.3f);
    AirBreak_OK = false;
    AirBreak_GasNum = 0;
    AirBreak_minAbstand = 25;
    AirBreak_minDauer = 5;
    m_ErsterStop = 0;
}

namespace {
const bool Standard_geladen = (Tabellen_zuruecksetzen(), true);
}

} // namespace Unit_AustauchPlanung

// ---- Settings of the stop rules, stored in the settings and dive files ----
namespace Unit_AustauchPlanung {

float m_DekoZuletzt = 3;
float m_DekoStep = 3;
bool min_Deko_VolleMinute = true;
bool min_Deko_VolleMinute_RunTime = false;
bool min_Deko_mitAufstiegZurNaechsten = false;
bool BailOut = false;
bool min_Warten_nachGaswechsel_OK = false;
int32_t min_Warten_nachGaswechsel = 1;

} // namespace Unit_AustauchPlanung
// ---- end of the stop-rule settings ----
