// Fixture of the exchange tests: the shared environment, a fresh gas table and plan tables, and
// helpers to reach the dive files in data/ and to compare dives.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "support/Testumgebung.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>

// Names table-driven cases after their field Fall, and prints them by it.
struct Fallname {
    template <typename Info> std::string operator()(const Info& i) const { return i.param.Fall; }
};
template <typename Fall>
requires requires(const Fall& f) {
    std::string(f.Fall);
}
std::ostream& operator<<(std::ostream& o, const Fall& f) {
    return o << f.Fall;
}

class Dateiumgebung : public Testumgebung {
  protected:
    void SetUp() override {
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
        Unit_AbtauchPlanung::Tabellen_zuruecksetzen();
        Unit_AustauchPlanung::Tabellen_zuruecksetzen();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
        Testumgebung::SetUp();
    }

    static std::string Testdatei(const std::string& Name) {
        return (std::filesystem::path(BRELUNE_QUELLORDNER) / "tests" / "files" / "data" / Name).string();
    }

    // The waypoint whose runtime lies within a thousandth of a minute of t; -1 when none.
    static int32_t WayPoint_bei(float t) {
        for (int32_t k = 0; k <= Unit_WayPoints::WayPoint_Anzahl; ++k)
            if (std::fabs(Unit_WayPoints::WayPoint[k].min_Runtime - t) < 0.001f) return k;
        return -1;
    }

    static float Tiefe_max() {
        float m = 0;
        for (int32_t k = 0; k <= Unit_WayPoints::WayPoint_Anzahl; ++k)
            m = std::max(m, Unit_WayPoints::WayPoint[k].m_Wasser);
        return m;
    }

    // A plain dive to compare against after a refused import.
    static void Tauchgang_anlegen() {
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

    static std::string Tauchgang_Text() {
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
};
