// The waypoint overview: steps through the waypoints of a dive entered or read, changes the
// breathing set-up of one waypoint and, as the diver chooses, of the following ones, and
// calibrates horizontal distances along a cave line. The window mirrors these and calls them.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_sData_Waypoints_Edit {

// A waypoint as the overview shows it (the numbers formatted for its fields).
struct Anzeige {
    std::string Runtime;
    std::string Tiefe;
    int32_t Tauchgeraet = 0;
    std::string CCR_Setpoint;
    std::string SCR_Flow;
    int32_t Gas_Nr = 0;
    std::string Entfernung;
    std::string Geschwindigkeit;
};
Anzeige Wegpunkt_anzeigen(int32_t i);

// The waypoint offered first: the last one before the ascent.
int32_t Startwegpunkt();
// Shows waypoint i on the graph: the input and the time cursor go to it.
void Wegpunkt_waehlen(int32_t i);
// The waypoint the time cursor at a runtime has reached: the last one not after it.
int32_t Wegpunkt_zur_Runtime(float min_Runtime);

// The breathing set-up the window holds for a waypoint.
struct Atemwerte {
    int32_t Tauchgeraet = 0;
    float CCR_Setpoint = 0;
    float SCR_Flow = 0;
    int32_t Gas_Nr = 0;
};
// How far a change reaches beyond the selected waypoint.
enum class Weitergabe { nur_dieser, gleicher_Inhalt, alle_folgenden };

// All four values go to waypoint s; each value then goes on to s + 1, s + 2, ... while the
// waypoint held what s held before (gleicher_Inhalt) or always (alle_folgenden), and stops for
// that value at the first waypoint that fails. Values beyond what the apparatus can hold are
// brought into range.
void Aenderungen_uebernehmen(int32_t s, Atemwerte Neu, Weitergabe w);

// Waypoint k at a distance along the line (m) and velocity (m/min); the waypoints back to the
// previous calibrated one (or waypoint 0) lie on the straight line between the two in time.
void Kalibrieren(int32_t k, float m_Entfernung, float m_pro_min);
// Every waypoint uncalibrated again.
void Kalibrierungen_loeschen();

// The calibrated stretch: the smallest distance above 0 and the largest distance (0 and the
// largest when nothing is calibrated).
struct Strecke {
    float von = 0;
    float bis = 0;
};
Strecke Kalibrierte_Strecke();

} // namespace Unit_sData_Waypoints_Edit
