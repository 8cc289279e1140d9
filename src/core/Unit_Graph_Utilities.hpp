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
// Counts the clearings of each plot: a view that keeps a copy of a plot appends the new points
// while the count stays, and takes the whole plot again when it changed.
extern std::array<uint32_t, 5> Plot_geleert;

// Labels per waypoint: the event annotation and the warning text (zero bytes at the start, as
// the tables of Unit_WayPoints).
extern std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Annotation;
extern std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Warnung_Annotation;

// The live curve is plot 4.
extern std::vector<Punkt>& Live_Kurve;
void Live_Kurve_loeschen();
// Cuts the live curve back to a length: steps computed beyond the dive (the no-fly time) are no
// part of it.
void Live_Kurve_kuerzen(std::size_t Laenge);

// Removes all plot data and annotations, optionally sets the X axis to 0 .. 60.
void Graph_loeschen(bool X_Achse_zuruecksetzen);
void Plot_loeschen(int Plot);
// Adds a point; an axis is extended when the point lies beyond it.
void Punkt_hinzufuegen(int Plot, float min_Runtime, float m_Wasser);
void Achsen_erweitern(float min_Runtime, float m_Wasser);
// The annotation and the warning shown at waypoint i; an index outside the table is ignored.
void Annotation_setzen(int32_t i, const std::string& Text, const std::string& Warnung);
void Annotation_entfernen(int32_t i);
// Removes the annotations of waypoint i and every one behind it.
void Annotationen_entfernen_ab(int32_t i);
// The highest waypoint that may carry an annotation.
int32_t Annotation_letzte();

// The axes adjustment: the four fields (whole numbers) and the three ticks.
struct Achsenwahl {
    int X_Minimum = 0;
    int X_Maximum = 60;
    int Y_Minimum = 0;
    int Y_Maximum = 60;
    bool X_automatisch = false;
    bool Y_automatisch = false;
    bool Alles_loeschen = false;
};
// Bounds of the fields: the runtime up to the sample capacity at 0.1 min a sample, the depth up
// to the depth limit of an entered point (350 m) plus 10 m.
constexpr int X_Maximum_von = 15;
constexpr int X_Maximum_bis = Unit_WayPoints::sDataMax / 10;
constexpr int Y_Maximum_von = 10;
constexpr int Y_Maximum_bis = 360;
// The present ranges as the fields start, ticks cleared.
Achsenwahl Achsenwahl_lesen();
// Per axis: "automatisch" fits the axis to the plotted data once, otherwise the two fields set it
// (kept within the bounds; a minimum not below the maximum becomes 0). "Alles löschen" then
// clears every plot and sets the runtime axis to 0 .. 60; the annotations stay.
void Achsen_setzen(const Achsenwahl& Wahl);
// Runtime 0 .. 60 min and depth 0 .. 60 m.
void Achsen_Standard();

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
// The time of day a runtime (min) is reached: the start time plus the runtime, past midnight
// counted on from 00:00:00.
Unit_Tools::Uhrzeit Uhrzeit_der_Runtime(long double min_Runtime);

} // namespace Unit_Graph_Utilities
// ---- end of display switches ----
