// What the mouse and the keys do on the profile graph: the time cursor steps through the computed
// dive and recalls its samples, the input cursor previews the next point of a dive being entered.
#pragma once

#include "commands/Unit_Main.hpp"

namespace Unit_Graph_Bedienung {

// The keys on the graph. Up and page up step alike, as do down and page down.
enum class Taste { Rechts, Links, Hoch, Runter, Pos1, Ende };

// One sample step, the step of the left and right keys.
constexpr float min_Tastenschritt = 0.1f;

// The runtime of the last waypoint: the cursors go no further.
float min_Runtime_Ende();

// The time cursor (cursor 2) to a runtime, kept within 0 .. the last waypoint's runtime: the
// sample there becomes the current state, the cursor and the diver symbol go to it.
void Zeitcursor_setzen(float min_Runtime);

// A key acting on cursor Grafikmodus. Returns the runtime the cursor went to.
float Taste_druecken(Taste t);

// The input cursor (cursor 1) dragged to a point: the point is clamped like an entered one and
// becomes the current runtime and depth, the graph shows the waypoints entered and the segment to
// the point as Dive would lay it out. The dive itself keeps its waypoints. Returns the runtime
// and depth fields (width 6, one decimal).
Unit_Main::Eingabefelder Eingabecursor_ziehen(float min_Runtime, float m_Wasser);

} // namespace Unit_Graph_Bedienung
