#include "core/Unit_Graph_Utilities.hpp"

namespace Unit_Graph_Utilities {

bool Tauchgangsgraphik_zeigen = true;
Punkt Positionsmarke{0, 0};
std::vector<Punkt> Live_Kurve;
float Cursor_min_Runtime = 0;

void Live_Kurve_loeschen() {
    Live_Kurve.clear();
}

} // namespace Unit_Graph_Utilities
