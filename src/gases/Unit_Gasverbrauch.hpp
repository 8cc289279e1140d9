// Gas used per gas during the dive, booked per calculation step, and the consumption page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// Minimum gas ("rock bottom") of an open-circuit dive: what the bottom gas must still hold at the end
// of the bottom phase to bring two divers up when one of them runs out. Under stress each breathes
// Stress_Faktor times the bottom RMV (AMV, on the stops too); they take min_Problemloesezeit at the
// deepest point to sort the problem out, then ascend as planned on the bottom gas up to its first
// gas switch, or to the surface (settings).
constexpr int32_t Taucher_Anzahl = 2;
extern float Stress_Faktor;
extern float min_Problemloesezeit;
constexpr float Stress_Faktor_Standard = 2.0f;
constexpr float min_Problemloesezeit_Standard = 1.0f;

struct Profilpunkt {
    float min_Runtime;
    float m_Wasser;
    int32_t Gas_Nr;
};
// barL for the ascent from m_tiefste: the problem time there, up to the first point of Aufstieg (the
// planned ascent from the end of the bottom phase) as fast as its first ascending leg, then along it
// while its first point's gas is breathed, each leg at its mean ambient pressure.
long double barL_Mindestgas(float m_tiefste, const std::vector<Profilpunkt>& Aufstieg,
                            float AMV_Liter_pro_min, float Stress, float min_Problem);

struct Mindestgas_Typ {
    int32_t Gas_Nr = -1; // the bottom gas; -1: none computed (no open-circuit ascent)
    float m_tiefste = 0;
    long double barL = 0;
    // The bottom gas the plan provides: its consumption with the safety margin.
    long double barL_geplant = 0;
    // The cylinder the consumption table names for it (litres of water); 0 when it names none.
    long double L_Flasche = 0;
    // What is left of it when the descent and the bottom phase have taken theirs.
    long double barL_Rest = 0;
    bool unterschritten = false;
};
// The last computed dive's minimum gas, computed and written onto the consumption page by
// Mindestgas_Bericht after the ascent was planned; cleared with the consumption.
extern Mindestgas_Typ Mindestgas;
// Of the dive in memory: bottom phase up to waypoint WayPoint_letzter_Eingabe, the rest its ascent.
Mindestgas_Typ Mindestgas_berechnen();
void Mindestgas_Bericht(bool Berechnung_abgebrochen);
// The line of the warnings list when the bottom gas left is below the minimum gas.
std::string Mindestgas_Warnung();

} // namespace Unit_Gasverbrauch
