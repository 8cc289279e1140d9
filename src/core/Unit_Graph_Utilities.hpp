// What the profile graph shows, written by the calculation and drawn by the window.
#pragma once

#include <vector>

namespace Unit_Graph_Utilities {

struct Punkt {
    float min_Runtime;
    float m_Wasser;
};

// Setting "Tauchgangsgraphik zeigen": computed samples are drawn live.
extern bool Tauchgangsgraphik_zeigen;

extern Punkt Positionsmarke;          // the diver symbol at the sample being written
extern std::vector<Punkt> Live_Kurve; // the computed dive as it grows
extern float Cursor_min_Runtime;      // the graph cursor

void Live_Kurve_loeschen();

} // namespace Unit_Graph_Utilities
