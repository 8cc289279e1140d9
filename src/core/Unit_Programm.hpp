// Program-wide switches of the main window that the settings file keeps between runs.
#pragma once

#include <cstdint>

namespace Unit_Programm {

// Main window geometry; the window records it before the settings file is written.
extern bool Hauptform_max;
extern int32_t Hauptform_top;
extern int32_t Hauptform_links;
extern int32_t Hauptform_Breite;
extern int32_t Hauptform_Hoehe;

extern bool Hinweise_zeigen; // hints on every window
extern bool Modelle_zeigen;  // the model boxes of the main window

} // namespace Unit_Programm
