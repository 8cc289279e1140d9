// The descent plan's tables: velocity, gas changes and CCR setpoints by depth (down lookup), the
// bubble check, and what the descent plan window's buttons do with the values of its fields.
#pragma once

#include "planning/Unit_Tiefentabelle.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace Unit_AbtauchPlanung {

extern bool Abstieg_Geschwindigkeit_variabel; // "Mit Geschwindigkeitswechsel"
extern float v_Abstieg_konstant;              // m/min, also the velocity table's constant
extern Tiefentabelle_Type Abstieg_Geschwindigkeit;

extern bool Abstieg_Gaswechsel_OK; // "Mit Gaswechsel"
extern Tiefentabelle_Type Abstieg_Gaswechsel;

// The constant setpoint of the window is the current CCR setpoint of the dive: it is the
// constant the descent walk reads the setpoint table with.
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

// The OK buttons of the window's pages, with the values of the page's fields. Spin edit values
// outside the ranges of their spin edits are pulled into them. The check boxes only set their
// flag; the window then repaints from Freigaben and Anzeige.

// "Abstiegsgeschwindigkeit": constant velocity and rows 1 to 3 (4 to 6 copy row 3). False after
// the order message; the rows stay as entered.
bool Geschwindigkeit_uebernehmen(int32_t vConst, const std::array<int32_t, 3>& m,
                                 const std::array<int32_t, 3>& v);
// "Bubble Check": on flag, depth and duration.
void BubbleCheck_uebernehmen(bool an, int32_t m, int32_t min);
// "Gaswechsel": rows 1 to 5 (6 copies row 5) with the item indexes of the gas boxes. An index
// outside the gas list leaves that row's gas as it was, after a message. False after the order
// message.
bool Gaswechsel_uebernehmen(const std::array<int32_t, 5>& m, const std::array<int32_t, 5>& Gas);
// "CCR pO2": the constant setpoint and rows 1 to 3 (4 to 6 copy row 3); the setpoints are read
// with Zahl_lesen. False after the order message.
bool Setpoint_uebernehmen(const std::string& pO2_const, const std::array<int32_t, 3>& m,
                          const std::array<std::string, 3>& pO2);

// Which controls the window enables, from the settings and the current apparatus.
struct Freigabe_Type {
    bool Seite_Geschwindigkeit = false; // the pages
    bool Seite_BubbleCheck = false;
    bool Seite_Gaswechsel = false;
    bool Seite_pO2 = false;
    bool vConst = false;             // SpinEdit_vConst
    bool v_Tabelle = false;          // SpinEdit_m1..3, SpinEdit_v1..3
    bool BubbleCheck_Felder = false; // SpinEdit_BubbleCheck_m, _min
    bool Gaswechsel_Zeilen = false;  // SpinEdit_Gaswechsel_m1..5, ComboBox_Gaswechsel1..5, their OK
    bool pO2_konstant = false;       // Edit_pO2_const
    bool pO2_Tabelle = false;        // SpinEdit_mp1..3, Edit_yp1..3
};
Freigabe_Type Freigaben(uint8_t Tauchgeraet);

// What the fields show: spin edits the settings rounded to whole numbers, setpoints (4, 2).
struct Anzeige_Type {
    int32_t vConst = 0;
    std::array<int32_t, 3> m{};
    std::array<int32_t, 3> v{};
    int32_t BubbleCheck_m = 0;
    int32_t BubbleCheck_min = 0;
    std::array<int32_t, 5> Gaswechsel_m{};
    std::array<int32_t, 5> Gaswechsel_Gas{}; // item indexes of the gas boxes
    std::string pO2_const;
    std::array<int32_t, 3> mp{};
    std::array<std::string, 3> yp;
};
Anzeige_Type Anzeige();

// The start values a dive takes from the plan while no waypoint is entered yet: with the plan in
// use, a first setpoint row at 0 m sets the current and start setpoint (when they differ by more
// than 0.01 bar), and a first gas row at 0 m the current and start gas. The Dive command calls it
// only while the dive has no waypoint, then shows what changed.
struct Startwerte_Type {
    bool Setpoint_gesetzt = false;
    bool Gas_gesetzt = false;
};
Startwerte_Type Startwerte_aus_Plan();

} // namespace Unit_AbtauchPlanung
