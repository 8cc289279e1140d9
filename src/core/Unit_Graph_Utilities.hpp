// What the profile graph shows, written by the calculation and drawn by the window: four plots,
// two cursors, the axis ranges, the diver symbol and one annotation pair per waypoint.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"

#include <array>
#include <string>
#include <vector>

namespace Unit_Graph_Utilities {

struct Punkt {
    float min_Runtime;
    float m_Wasser;
};

struct Achse {
    float Minimum;
    float Maximum;
};

// Setting "Tauchgangsgraphik zeigen": computed samples are drawn live.
extern bool Tauchgangsgraphik_zeigen;
// Setpoint changes may be annotated (off while a dive is being entered with a preview).
extern bool Setpoint_Annotation_erlaubt;

constexpr int Plot_Eingabe = 1;   // the entered profile
constexpr int Plot_Start = 2;     // started at (0, 0) with every calculation
constexpr int Plot_Berechnet = 3; // the calculated waypoints, "START" to "STOP"
constexpr int Plot_Samples = 4;   // every computed sample while drawing live

extern std::array<std::vector<Punkt>, 5> Plots; // index 1 to 4
extern Achse Achse_X;                           // runtime, min
extern Achse Achse_Y;                           // depth, m (0 at the top)
extern Punkt Positionsmarke;                    // the diver symbol
extern std::array<Punkt, 3> Cursor;             // index 1 input cursor, 2 time cursor
extern float Cursor_min_Runtime;                // the time cursor's runtime

// Labels per waypoint: the event annotation and the warning text (zero bytes at the start, as
// the tables of Unit_WayPoints).
extern std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Annotation;
extern std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Warnung_Annotation;

// The live curve is plot 4.
extern std::vector<Punkt>& Live_Kurve;
void Live_Kurve_loeschen();

// Removes all plot data and annotations, optionally sets the X axis to 0 .. 60, then draws the
// annotations of waypoint 0 again.
void Graph_loeschen(bool X_Achse_zuruecksetzen);
void Plot_loeschen(int Plot);
// Adds a point; an axis is extended when the point lies beyond it.
void Punkt_hinzufuegen(int Plot, float min_Runtime, float m_Wasser);
// Draws (or removes) the annotations of waypoint i by the rules of the graph.
void Annotation_zeichnen(bool zeichnen, int32_t i);

} // namespace Unit_Graph_Utilities

// ---- Display switches of the status panel and the start time of day (settings) ----
namespace Unit_Graph_Utilities {

extern bool Taucher_zeigen;
extern bool OTU_zeigen;
extern bool END_zeigen;
extern bool pO2_zeigen;
extern bool CNS_zeigen;
extern bool GF_zeigen;
extern bool Druck_zeigen;
extern bool Uhrzeit_zeigen;
extern bool Atemkreislauf_zeigen;
extern bool Gegendiffusion_zeigen;

// The start time follows the clock while "Startzeit aktuell" is set.
extern bool Startzeit_aktuell;
extern Unit_Tools::Uhrzeit Startzeit;

} // namespace Unit_Graph_Utilities
// ---- end of display switches ----
