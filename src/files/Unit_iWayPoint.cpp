#include "files/Unit_iWayPoint.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Unit_iWayPoint {

constinit std::array<iWayPoint_Type, iWayPointMaxUeberhaupt + 1> iWayPoint; // no code at the start
int32_t iWayPointMax = -1;

namespace {
namespace W = Unit_WayPoints;

// The highest sample that may hold data: the ones above it are empty.
int32_t Hochwasser = -1;

// The grid in minutes as a decimal step (0.1 or 0.01), so that grid times do not drift.
double Raster_min() {
    const double s = std::round(static_cast<double>(W::min_Schritt) * 1.0e4) / 1.0e4;
    return std::isfinite(s) && s > 0 ? s : 0.1;
}

struct Gitterpunkt {
    long long k;   // grid index: runtime k × step
    int32_t Index; // sample
};

std::vector<Gitterpunkt> Gitterpunkte_bilden(double s_Raster, int32_t& uebergangen) {
    std::vector<Gitterpunkt> g;
    const int32_t n = std::clamp(iWayPointMax, -1, iWayPointMaxUeberhaupt);
    g.reserve(static_cast<std::size_t>(n + 1));
    for (int32_t i = 0; i <= n; ++i) {
        const iWayPoint_Type& s = iWayPoint[static_cast<std::size_t>(i)];
        // A depth beyond the limit of entered points is no dive either (a unit or column mixed up).
        const bool brauchbar = std::isfinite(s.s_Zeit) && std::isfinite(s.m_Wasser) &&
                               s.s_Zeit <= s_Zeit_Max && s.m_Wasser <= W::m_Wasser_Grenze;
        const double k = brauchbar ? std::floor(s.s_Zeit / s_Raster + 0.5) : -1;
        if (k < 0) {
            ++uebergangen;
            continue;
        }
        g.push_back({static_cast<long long>(k), i});
    }
    // Within one grid time the samples keep their order in the file.
    std::stable_sort(g.begin(), g.end(),
                     [](const Gitterpunkt& a, const Gitterpunkt& b) { return a.k < b.k; });
    return g;
}

float Tiefe(const iWayPoint_Type& s) {
    return std::max(0.0f, s.m_Wasser);
}

W::WayPoint_Type WayPoint_aus(const iWayPoint_Type& s) {
    W::WayPoint_Type w;
    w.m_Wasser = Tiefe(s);
    w.Gas_Nr = s.Gas_Nr;
    w.austauchen = s.austauchen;
    w.Tauchgeraet = s.Tauchgeraet;
    w.SCR_Flow = s.SCR_Flow;
    w.CCR_Setpoint = s.CCR_Setpoint;
    w.bar_pO2 = s.bar_pO2;
    w.CNS_Prozent = s.CNS_Prozent;
    w.OTU = s.OTU;
    w.m_END = s.m_END;
    w.Aktion = s.Aktion;
    w.Warnung = s.Warnung;
    w.cave_horizontal_distance_m = s.cave_horizontal_distance_m;
    w.cave_horizontal_velocity_m_pro_min = s.cave_horizontal_velocity_m_pro_min;
    return w;
}

// One waypoint from the samples g[a .. e) of one grid time.
W::WayPoint_Type WayPoint_aus_Gruppe(const std::vector<Gitterpunkt>& g, std::size_t a, std::size_t e,
                                     bool erster) {
    if (erster) return WayPoint_aus(iWayPoint[static_cast<std::size_t>(g[a].Index)]);
    W::WayPoint_Type w = WayPoint_aus(iWayPoint[static_cast<std::size_t>(g[e - 1].Index)]);
    double Summe = 0;
    std::string Warnungen; // joined first: only the whole text enters the text table
    for (std::size_t j = a; j < e; ++j) {
        const iWayPoint_Type& s = iWayPoint[static_cast<std::size_t>(g[j].Index)];
        Summe += Tiefe(s);
        if (!s.Warnung.empty()) Warnungen += s.Warnung.Text() + " ";
    }
    w.Warnung = Warnungen;
    w.m_Wasser = static_cast<float>(Summe / static_cast<double>(e - a));
    return w;
}

void Zustand_aus_WayPoint(const W::WayPoint_Type& w) {
    W::min_Runtime = w.min_Runtime;
    W::m_Wasser = w.m_Wasser;
    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(w.m_Wasser);
    W::Gas_Nr = w.Gas_Nr;
    Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(w.Gas_Nr);
    W::Tauchgeraet = w.Tauchgeraet;
    W::bar_pO2 = w.bar_pO2;
    W::CNS_Prozent = w.CNS_Prozent;
    W::OTU = w.OTU;
    W::m_END = w.m_END;
    W::Warntext = w.Warnung;
}

} // namespace

void iWayPoint_leeren(int32_t i) {
    if (i < 0 || i > iWayPointMaxUeberhaupt) return;
    // field by field: every import empties the whole store, and no temporary texts are built
    iWayPoint_Type& s = iWayPoint[static_cast<std::size_t>(i)];
    s.s_Zeit = s.m_Wasser = 0;
    s.Gas_Nr = 0;
    s.austauchen = false;
    s.Tauchgeraet = 0;
    s.SCR_Flow = 15.6f;
    s.CCR_Setpoint = s.bar_pO2 = s.CNS_Prozent = s.OTU = s.m_END = 0;
    s.Aktion.clear();
    s.Warnung.clear();
    s.cave_horizontal_distance_m = s.cave_horizontal_velocity_m_pro_min = -1.0f;
}

void iWayPoints_leeren(int32_t ab) {
    // Every import empties the store; only as far as samples were ever in use, since the 86401
    // records would otherwise cost more than reading a whole log.
    Hochwasser = std::clamp(std::max(Hochwasser, iWayPointMax), -1, iWayPointMaxUeberhaupt);
    for (int32_t i = std::max(0, ab); i <= Hochwasser; ++i) iWayPoint_leeren(i);
    Hochwasser = std::min(Hochwasser, std::max(-1, ab - 1));
}

void iWayPoints_aus_WayPoints() {
    const int32_t n = std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
    for (int32_t k = 0; k <= n; ++k) {
        const W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(k)];
        iWayPoint_Type& s = iWayPoint[static_cast<std::size_t>(k)];
        s = iWayPoint_Type{};
        s.s_Zeit = w.min_Runtime * 60.0f;
        s.m_Wasser = w.m_Wasser;
        s.Gas_Nr = w.Gas_Nr;
        s.austauchen = w.austauchen;
        s.Tauchgeraet = w.Tauchgeraet;
        s.SCR_Flow = w.SCR_Flow;
        s.CCR_Setpoint = w.CCR_Setpoint;
        s.bar_pO2 = w.bar_pO2;
        s.CNS_Prozent = w.CNS_Prozent;
        s.OTU = w.OTU;
        s.m_END = w.m_END;
        s.Aktion = w.Aktion;
        s.Warnung = w.Warnung;
    }
    iWayPoints_leeren(n + 1); // still knows how far the samples before went
    iWayPointMax = n;
}

Umwandlung_Type iWayPoints_zu_WayPoints(bool abschliessen, int32_t Reserve) {
    Umwandlung_Type r;
    const double Raster = Raster_min();
    const std::vector<Gitterpunkt> g = Gitterpunkte_bilden(Raster * 60.0, r.uebergangen);
    if (g.empty()) return r;

    // every entry written is written whole; those behind the new count are no part of the dive
    W::WayPoint_Anzahl = -1;
    // The closing copy and what the caller adds must still fit.
    const int32_t Letzter = W::WayPointMax - std::max(0, Reserve) - (abschliessen ? 1 : 0);
    std::size_t a = 0;
    while (a < g.size()) {
        std::size_t e = a + 1;
        while (e < g.size() && g[e].k == g[a].k) ++e;
        if (W::WayPoint_Anzahl >= Letzter) {
            r.gekuerzt = true;
            break;
        }
        W::WayPoint_Type w = WayPoint_aus_Gruppe(g, a, e, W::WayPoint_Anzahl < 0);
        w.min_Runtime = static_cast<float>(static_cast<double>(g[a].k) * Raster);
        W::WayPoint[static_cast<std::size_t>(++W::WayPoint_Anzahl)] = w;
        r.s_letzter_Fund = iWayPoint[static_cast<std::size_t>(g[e - 1].Index)].s_Zeit;
        a = e;
    }
    const W::WayPoint_Type letzter = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    if (abschliessen && W::WayPoint_Anzahl >= 1 && std::fabs(letzter.m_Wasser) > 0.001f) {
        W::WayPoint[static_cast<std::size_t>(++W::WayPoint_Anzahl)] = letzter;
        W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].m_Wasser = 0;
    }
    Zustand_aus_WayPoint(letzter);
    r.WayPoints = W::WayPoint_Anzahl + 1;
    return r;
}

void Umwandlung_melden(const Umwandlung_Type& r, const std::string& Samples_de,
                       const std::string& Samples_en) {
    using Unit_Tools::Meldung_Problem;
    if (r.uebergangen > 0) {
        const std::string n = std::to_string(r.uebergangen) + " ";
        Meldung_Problem(n + Samples_de + " ohne brauchbare Zeit oder Tiefe wurden übergangen.",
                        n + Samples_en + " without a usable time or depth were passed over.");
    }
    if (r.gekuerzt) {
        const std::string t = Unit_Tools::Zahl_formatieren(0, 1, r.s_letzter_Fund / 60.0f);
        Meldung_Problem("Der Tauchgang hat mehr Wegpunkte, als die Tabelle fasst; er endet bei " + t +
                            " min.",
                        "The dive has more waypoints than the table holds; it ends at " + t + " min.");
    }
}

} // namespace Unit_iWayPoint
