// The gas numbers the dive and the plans hold (waypoints, samples, current and start gas, the gas
// switches of the descent and ascent plans, the gas break): deleting a gas or merging a loaded
// gas list keeps every one of them pointing at the same gas.
#pragma once

#include <cstdint>

namespace Unit_Gasnummern {

// Whether a waypoint, a gas change of the descent or ascent plan or the gas break uses gas i.
bool Gasgemisch_verwendet(int32_t i);
// Deletes user gas i (above 16) unless it is in use; everything that refers to a later gas
// follows it down.
void Gasgemisch_loeschen(int32_t i);
// Deletes every user gas not in use, closing the gaps.
void Gasgemische_unbenutzt_loeschen();

// After a dive file was loaded (or failed to load): the user's list comes back, the dive's gases
// are found in it or appended, and every gas index of the dive is translated.
void Gasliste_zusammenfuehren();

} // namespace Unit_Gasnummern
