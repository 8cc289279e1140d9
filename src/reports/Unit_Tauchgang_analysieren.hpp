// Replay of a recorded dive: what the diver actually did.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <array>

namespace Unit_Tauchgang_analysieren {

// The dive in memory is a dive analysis (the waypoints carry "Dive analysis" instead of the
// safety remark).
extern bool Tauchgang_ist_Analyse;

// Largest gradient factor of the 16 compartments after the step that reached each waypoint, %.
extern std::array<float, Unit_WayPoints::WayPointMax + 1> GF_Spitze;

// Clears the bookkeeping of the analysis at the dive reset.
void Analyse_zuruecksetzen();

} // namespace Unit_Tauchgang_analysieren
