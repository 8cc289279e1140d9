// The dive in progress as the main window's commands see it.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_Main {

// Index of the last waypoint the user entered; rows behind it are the computed ascent.
extern int32_t Eingabemarke;
// 1 while entering (input cursor), 2 after a calculation (time cursor).
extern int32_t Grafikmodus;

} // namespace Unit_Main

// ---- Start values, saved flag and repetition data of the dive in progress ----
namespace Unit_Main {

// Runtime and depth every new dive starts with (section "Aktuell").
extern float min_Runtime_Start;
extern float m_Wasser_Start;
// True while the dive needs no saving.
extern bool Tauchgang_gespeichert;
// Repetition dive: the flag, the previous dive (folder and name, or "Nicht gespeichert") and the
// surface interval in hours.
extern bool Wiederholungstauchgang_OK;
extern std::string Vortauchgang;
extern float Oberflaechenpause_h;

} // namespace Unit_Main
// ---- end of start values and repetition data ----
