#include "reports/Unit_Tauchgang_analysieren.hpp"

namespace Unit_Tauchgang_analysieren {

bool Tauchgang_ist_Analyse = false;
std::array<float, Unit_WayPoints::WayPointMax + 1> GF_Spitze{};

void Analyse_zuruecksetzen() {
    GF_Spitze.fill(0);
}

} // namespace Unit_Tauchgang_analysieren
