// Gas used per gas during the dive, booked per calculation step, and the consumption page.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_Gasverbrauch {

// Settings: breathing minute volumes at surface pressure (l/min) at the bottom and on
// decompression stops, the safety margin in percent, and the two partial tables.
extern int32_t AMV;
extern int32_t AMV_Deko;
extern int32_t Verbrauch_SicherheitsZuschlagProzent;
extern bool Gasverbrauch_Abstieg_Grundzeit_zeigen;
extern bool Gasverbrauch_Aufstieg_zeigen;

// Zeroes the consumption of all 41 gases and clears the consumption page.
void Gasverbrauch_zuruecksetzen();

// Adds barL to the whole-dive consumption of gas i (gas 0 for an index outside the list).
void Verbrauch_buchen(int32_t Gas, long double barL);
// The gas one calculation step took, by the apparatus in force: open circuit from the breathing
// volume at the mean pressure, the rebreathers from what their loop took in.
void Gasverbrauch_Schritt_buchen(int32_t Gas, long double bar_vorher, long double bar, float min_dt,
                                 float m_Tiefe);

// Before the ascent is planned: what was used so far is the descent and bottom part.
void Gasverbrauch_Aufstieg_Beginn();
// After the ascent: the rest is the ascent part.
void Gasverbrauch_Aufstieg_Ende();

// Cylinder for a consumption in barL filled to 200 bar: "3 L" up to "8 x 15 L", else "zu groß".
std::string Flaschengroesse(long double barL);

enum class Verbrauchsart { gesamt, bis_Aufstieg, Aufstieg };
// Appends one consumption table to the consumption page; false (and nothing written) when no
// gas was used.
bool Verbrauchstabelle_schreiben(Verbrauchsart Art);

// "AMV = 20 l/min" and the like for the apparatus the waypoints use, lines joined with CR LF.
std::string AMV_Zeilen(bool einruecken);

// The consumption page after the ascent was planned.
void Gasverbrauch_Bericht(bool Berechnung_abgebrochen);

} // namespace Unit_Gasverbrauch
