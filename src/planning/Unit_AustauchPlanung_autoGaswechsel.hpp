// Proposes the gas switches of the ascent: walks up from the current depth in steps of 1 m,
// composes an ideal gas where the gas in use no longer gives enough oxygen, and writes up to six
// (depth, gas) rows into the ascent gas table. It neither switches the table on nor computes.
#pragma once

#include "planning/Unit_Tiefentabelle.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace Unit_AustauchPlanung_autoGaswechsel {

struct Parametersatz_Type {
    float pO2max = 0;  // bar, oxygen of a composed gas
    float pO2min = 0;  // bar, below this the gas in use needs a switch
    float pN2max = 0;  // bar, derived from ENDmax
    float dpN2max = 0; // bar, largest nitrogen rise at a switch at the start depth
    float dpN2min = 0; // bar, the same at the surface
    int32_t ENDmax = 30;
    bool BottomGasIstErstesGas = true; // "Bottomgas = erstes Gas"
};

// The current set; the window starts with "Standard".
extern Parametersatz_Type Parameter;

enum class Voreinstellung { Standard, maxEntsaettigung, wenigGaswechsel };
// The set of a preset button, pN2max from the present depth calibration.
Parametersatz_Type Voreinstellung_Satz(Voreinstellung v);
// A preset button: its set becomes the current set.
void Voreinstellung_waehlen(Voreinstellung v);

// (END max / water column per bar + 1.01325) x 0.7902, not below 0; END max kept in 20 .. 60.
float pN2max_aus_ENDmax(int32_t ENDmax);
// What the disabled pN2 max field shows for an END max: (4, 2).
std::string pN2max_Text(int32_t ENDmax);

// The texts of the number fields: pO2 max, pO2 min, pN2 max, dpN2 max, dpN2 min, each (4, 2).
std::array<std::string, 5> Felder_Texte(const Parametersatz_Type& p);

// The fields as the window's OK reads them.
struct Felder_Type {
    std::string pO2max;
    std::string pO2min;
    std::string dpN2max;
    std::string dpN2min;
    int32_t ENDmax = 30;
    bool BottomGasIstErstesGas = true;
};

// The proposal from gas number Gas at m_Start up to the last stop m_DekoZuletzt into Tabelle.
// With ideal_BottomGas the first row gets a composed gas, otherwise gas Gas itself. A start
// depth not above 0, a gas outside the list or an unusable set (pO2 max below 0.16 bar, a
// negative limit; after a message) propose nothing. A full gas table ends the walk after its
// message; the rows found so far stay. The dive state is left as it was, the selected gas too.
void Gaswechsel_vorschlagen(int32_t Gas, bool ideal_BottomGas, Tiefentabelle_Type& Tabelle, float dpN2min,
                            float dpN2max, float pN2max, float pO2min, float pO2max, float m_Start,
                            float m_DekoZuletzt);

// OK of the window: without an entered dive (runtime up to 0.1 min, or no waypoint entered yet)
// only the information box; otherwise the fields
// become the current set and the ascent gas table gets the proposal for the current gas and
// depth. The window repaints the ascent plan window afterwards. False when there was no dive
// (the fields were not read).
bool Vorschlag_OK(const Felder_Type& Felder, float m_DekoZuletzt);

} // namespace Unit_AustauchPlanung_autoGaswechsel
