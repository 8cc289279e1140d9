// The reports written after a calculation. For now: the settings of the runtime table.
#pragma once

#include <cstdint>

namespace Unit_Report {

extern bool RunTimeTable_mitAufstiegbeiDeko; // ascent rows between stops
extern bool RunTimeTable_mitDeltaT;          // time at depth column
extern bool RunTimeTable_mitUhrzeitRuntime;  // time of day column
extern bool RunTimeTable_mitpO2;
extern bool RunTimeTable_mitCNS_prozent;
extern bool RunTimeTable_mitSystem;
extern int32_t RunTimeTable_NachKomma; // decimals of depths and times, 0 to 2

} // namespace Unit_Report
