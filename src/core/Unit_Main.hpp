// The dive in progress as the main window's commands see it.
#pragma once

#include <cstdint>

namespace Unit_Main {

// Index of the last waypoint the user entered; rows behind it are the computed ascent.
extern int32_t Eingabemarke;
// 1 while entering (input cursor), 2 after a calculation (time cursor).
extern int32_t Grafikmodus;

} // namespace Unit_Main
