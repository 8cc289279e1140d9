// Fixture of the exchange tests: the shared environment, a fresh gas table and plan tables, and
// helpers to reach the dive files in data/ and to compare dives.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "support/Tauchgangsprobe.hpp"
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
    static void Tauchgang_anlegen() { Tauchgangsprobe::Tauchgang_anlegen(); }
    static std::string Tauchgang_Text() { return Tauchgangsprobe::Tauchgang_Text(); }
};
