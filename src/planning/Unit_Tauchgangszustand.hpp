// The current dive state moved as a whole: the reset at the start of a dive, a waypoint appended
// with the values of the moment, a stored sample made current again, and the warnings the present
// state gives. The store these work on is Unit_WayPoints.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <cstdint>
#include <optional>
#include <string>

namespace Unit_Tauchgangszustand {

void Tauchgang_zuruecksetzen(bool O2_zuruecksetzen, bool WayPoints_zuruecksetzen);
// Throws Unit_UI::Befehl_abgebrochen (after its message) when the table is full.
void WayPoint_anhaengen(const std::string& Aktion);
// The sample at that runtime (within half a step) becomes the current state; none there leaves
// the state marked invalid.
void sData_holen(float min_Runtime_gesucht);
// The index of the sample sData_holen takes for that runtime, -1 when there is none.
int32_t sData_Index(float min_Runtime_gesucht);
// The density (g/l) of the gas breathed at the waypoint, from the sample of its runtime as the
// warnings judge it; none when no sample has that runtime.
std::optional<float> g_pro_L_Gasdichte_am_WayPoint(const Unit_WayPoints::WayPoint_Type& w);
void WayPoint_letzter_holen();
void Warnungen_pruefen();
void WayPoint_Warnung_setzen(int32_t i);

} // namespace Unit_Tauchgangszustand
