#include "planning/Unit_AbtauchPlanung.hpp"

namespace Unit_AbtauchPlanung {

bool Abstieg_Geschwindigkeit_variabel;
float v_Abstieg_konstant;
Tiefentabelle_Type Abstieg_Geschwindigkeit;
bool Abstieg_Gaswechsel_OK;
Tiefentabelle_Type Abstieg_Gaswechsel;
bool Abstieg_Setpoint_variabel;
Tiefentabelle_Type Abstieg_Setpoint;
bool Abstiegsplanung_verwenden = false;
bool Bubble_Check = false;
float m_Bubble_Check = 5;
float min_Bubble_Check = 1;
bool Bubble_Check_erledigt = false;

void Tabellen_zuruecksetzen() {
    Abstieg_Geschwindigkeit_variabel = false;
    v_Abstieg_konstant = 25;
    Abstieg_Geschwindigkeit = Tiefentabelle_gleich(0, 25);
    Abstieg_Gaswechsel_OK = false;
    Abstieg_Gaswechsel = Tiefentabelle_gleich(0, 0);
    Abstieg_Setpoint_variabel = false;
    Abstieg_Setpoint = Tiefentabelle_gleich(0, 1.3f);
}

namespace {
const bool Standard_geladen = (Tabellen_zuruecksetzen(), true);
}

} // namespace Unit_AbtauchPlanung
