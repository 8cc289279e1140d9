#include "planning/Unit_AbtauchPlanung.hpp"

namespace Unit_AbtauchPlanung {

bool Abstieg_Geschwindigkeit_variabel;
float v_Abstieg_konstant;
Tiefentabelle_Type Abstieg_Geschwindigkeit;
bool Abstieg_Gaswechsel_OK;
Tiefentabelle_Type Abstieg_Gaswechsel;
bool Abstieg_Setpoint_variabel;
Tiefentabelle_Type Abstieg_Setpoint;

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

// ---- Bubble check, the immediate first descent and the table rule after reading ----
namespace Unit_AbtauchPlanung {

bool Bubble_Check = false;
float Bubble_Check_m = 5;
float Bubble_Check_min = 1;
bool Sofortabstieg = false;

void Tiefentabelle_normalisieren(Tiefentabelle_Type& Tabelle) {
    for (std::size_t k = 1; k < Tabelle.Zeile.size(); ++k)
        if (!(Tabelle.Zeile[k].m_ab >= Tabelle.Zeile[k - 1].m_ab)) Tabelle.Zeile[k] = Tabelle.Zeile[k - 1];
}

} // namespace Unit_AbtauchPlanung
// ---- end of bubble check and table rule ----
