#include "physics/Unit_Grenzwerte.hpp"

#include "core/Unit_WayPoints.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"

namespace Unit_Grenzwerte {

bool Gegendiffusion = false;

bool Dekounfall(int i) {
    namespace W = Unit_WayPoints;
    if (i < 1 || i > W::Gewebe_Anzahl) return false;
    const long double Pt = W::p_N2_Gewebe[i] + W::p_He_Gewebe[i];
    return Unit_Saettigungsmodelle::GF_verwenden ? Pt > W::p_N2He_Gewebe_MAX_GF[i]
                                                 : Pt > W::p_N2He_Gewebe_MAX_ZH[i];
}

bool Dekounfall_irgendwo() {
    for (int i = 1; i <= Unit_WayPoints::Gewebe_Anzahl; ++i)
        if (Dekounfall(i)) return true;
    return false;
}

} // namespace Unit_Grenzwerte
