// A plain dive to read over, its text to compare with after a refused read, and the soundness of
// the dive tables a read leaves behind: shared by the exchange tests and the fuzz targets.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace Tauchgangsprobe {

inline void Tauchgang_anlegen() {
    namespace W = Unit_WayPoints;
    const float Punkte[][3] = {{0, 0, 0}, {2, 30, 1}, {25, 30, 1}, {28, 6, 4}, {33, 0, 4}};
    W::WayPoint_Anzahl = 4;
    for (int k = 0; k <= 4; ++k) {
        W::WayPoint[k].min_Runtime = Punkte[k][0];
        W::WayPoint[k].m_Wasser = Punkte[k][1];
        W::WayPoint[k].Gas_Nr = static_cast<int32_t>(Punkte[k][2]);
        W::WayPoint[k].Aktion = "P" + std::to_string(k);
    }
}

inline std::string Tauchgang_Text() {
    namespace W = Unit_WayPoints;
    std::string t = std::to_string(W::WayPoint_Anzahl) + ";" +
                    std::to_string(Unit_Gasgemisch_BestMix::Gasgemisch_NumMax) + ";" +
                    std::to_string(W::min_Schritt) + ";";
    for (int32_t k = 0; k <= std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax); ++k) {
        const auto& w = W::WayPoint[k];
        t += std::to_string(w.min_Runtime) + "/" + std::to_string(w.m_Wasser) + "/" +
             std::to_string(w.Gas_Nr) + "/" + std::to_string(w.Tauchgeraet) + "/" + w.Aktion.Text() + ";";
    }
    for (int32_t i = 0; i <= Unit_Gasgemisch_BestMix::GasGemisch_NumMaxUeberhaupt; ++i)
        t += Unit_Gasgemisch_BestMix::Gasgemisch[i].Name + ",";
    return t;
}

// Empty when the tables hold a dive the calculation can step through, else what is wrong. An
// import also puts a surface point before a log that begins below the surface and passes over
// depths beyond the limit of entered points; a dive file starts where it says.
inline std::string Tauchgang_Fehler(bool Import = true) {
    namespace W = Unit_WayPoints;
    namespace G = Unit_Gasgemisch_BestMix;
    if (W::WayPoint_Anzahl < 0 || W::WayPoint_Anzahl > W::WayPointMax)
        return "waypoint count " + std::to_string(W::WayPoint_Anzahl);
    if (G::Gasgemisch_NumMax < 0 || G::Gasgemisch_NumMax > G::GasGemisch_NumMaxUeberhaupt)
        return "gas count " + std::to_string(G::Gasgemisch_NumMax);
    if (Import && W::WayPoint[0].m_Wasser != 0) return "first waypoint below the surface";
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        const W::WayPoint_Type& w = W::WayPoint[k];
        const std::string wo = "waypoint " + std::to_string(k) + ": ";
        if (!std::isfinite(w.min_Runtime) || !std::isfinite(w.m_Wasser) || w.m_Wasser < 0 ||
            (Import && w.m_Wasser > W::m_Wasser_Grenze))
            return wo + "time or depth " + std::to_string(w.min_Runtime) + " " + std::to_string(w.m_Wasser);
        if (w.Gas_Nr < 0 || w.Gas_Nr > G::Gasgemisch_NumMax) return wo + "gas " + std::to_string(w.Gas_Nr);
        if (w.Tauchgeraet > 3) return wo + "apparatus " + std::to_string(w.Tauchgeraet);
        if (k > 0 && w.min_Runtime < W::WayPoint[k - 1].min_Runtime) return wo + "runtime goes back";
    }
    return {};
}

} // namespace Tauchgangsprobe
