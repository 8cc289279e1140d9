// Moves the dive through time: lays out entered segments as labelled waypoints and replays the
// whole dive through the physics.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace Unit_Tauchgangsberechnung {

// Set by a cancel request or by a condition that stops the calculation; every stepping loop
// tests it. Cleared by the Ascend command before it calculates.
extern bool Berechnung_abgebrochen;
// Deepest depth of all rows shown so far.
extern float m_Wasser_MAX;
// The first segment from the surface is descended within one calculation step.
extern bool Sofortabstieg;
// Largest gradient factor of the 16 compartments after the step that reached each waypoint, %.
extern std::array<float, Unit_WayPoints::WayPointMax + 1> GF_Spitze;

// Advances by dt minutes while the depth changes linearly to m.
void Zeitschritt_rechnen(float dt, float m);
// Shows row i: graph point, annotation, log line (when Protokoll), deco and warning lists.
void WayPoint_anzeigen(const std::string& Text, int32_t i, int Plot, bool Protokoll);
// The row text of an entered segment: "Bottom", or the direction with its velocity.
std::string Segment_Beschriftung(float m_von, float min_von, float m_nach, float min_nach);
// Lays out the segment from the entered row marke (min_von, m_von) to (min_nach, m_nach).
void Segment_anhaengen(int32_t marke, bool mit_Plan, bool zeigen, float m_von, float min_von, float m_nach,
                       float min_nach);
void Systemwechsel_pruefen(bool zeigen);
void Gaswechsel_pruefen(bool zeigen);
void pO2_Wechsel_pruefen(bool zeigen);
// Replays rows 0 .. WayPoint_Anzahl with the physics.
void Tauchgang_nachrechnen();

// Draws (or removes) the annotations of waypoint i by the rules of the graph: the gas at a
// switch, a bubble check, a change of apparatus, a new CCR setpoint.
void Annotation_zeichnen(bool zeichnen, int32_t i);

// The log line of row i (without adding it anywhere).
std::string Protokollzeile(int32_t i, const std::string& Annotation);

} // namespace Unit_Tauchgangsberechnung
