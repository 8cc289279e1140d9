#include "files/Dateiumgebung.hpp"
#include "files/Unit_iWayPoint.hpp"
#include "physics/Unit_Formeln.hpp"

#include <array>
#include <bit>
#include <limits>

using namespace Unit_iWayPoint;
namespace W = Unit_WayPoints;

namespace {
struct Probe {
    float s, m;
    int32_t Gas = 0;
    uint8_t Geraet = 0;
    float Setpoint = 0;
};

void Samples(std::initializer_list<Probe> p) {
    iWayPoints_leeren(0);
    iWayPointMax = -1;
    for (const Probe& x : p) {
        iWayPoint_Type& s = iWayPoint[static_cast<std::size_t>(++iWayPointMax)];
        s.s_Zeit = x.s;
        s.m_Wasser = x.m;
        s.Gas_Nr = x.Gas;
        s.Tauchgeraet = x.Geraet;
        s.CCR_Setpoint = x.Setpoint;
    }
}

std::vector<float> Laufzeiten() {
    std::vector<float> t;
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) t.push_back(W::WayPoint[k].min_Runtime);
    return t;
}

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
} // namespace

class iWayPoints : public Dateiumgebung {};

TEST_F(iWayPoints, Geleertes_Sample) {
    iWayPoint[5].s_Zeit = 3;
    iWayPoint[5].SCR_Flow = 2;
    iWayPoint[5].Aktion = "x";
    iWayPoint[5].cave_horizontal_distance_m = 4;
    iWayPoint_leeren(5);
    EXPECT_EQ(iWayPoint[5].s_Zeit, 0);
    EXPECT_FLOAT_EQ(iWayPoint[5].SCR_Flow, 15.6f);
    EXPECT_TRUE(iWayPoint[5].Aktion.empty());
    EXPECT_EQ(iWayPoint[5].cave_horizontal_distance_m, -1);
    EXPECT_EQ(iWayPoint[5].cave_horizontal_velocity_m_pro_min, -1);
}

// The samples above the highest one ever used are never written: their zero bytes must be what
// emptying gives.
TEST_F(iWayPoints, Null_Bytes_sind_das_geleerte_Sample) {
    iWayPoint_Type& s = iWayPoint[7];
    s.s_Zeit = s.m_Wasser = s.CCR_Setpoint = s.bar_pO2 = s.CNS_Prozent = s.OTU = s.m_END = 1;
    s.Gas_Nr = s.Tauchgeraet = 2;
    s.austauchen = true;
    s.SCR_Flow = 3;
    s.cave_horizontal_distance_m = s.cave_horizontal_velocity_m_pro_min = 3;
    s.Aktion = s.Warnung = "x";
    iWayPoint_leeren(7);
    for (const iWayPoint_Type& n :
         {std::bit_cast<iWayPoint_Type>(std::array<unsigned char, sizeof(iWayPoint_Type)>{}),
          iWayPoint_Type{}}) {
        EXPECT_EQ(n.s_Zeit, s.s_Zeit);
        EXPECT_EQ(n.m_Wasser, s.m_Wasser);
        EXPECT_EQ(n.Gas_Nr, s.Gas_Nr);
        EXPECT_EQ(n.austauchen, s.austauchen);
        EXPECT_EQ(n.Tauchgeraet, s.Tauchgeraet);
        EXPECT_EQ(n.SCR_Flow, s.SCR_Flow);
        EXPECT_EQ(n.CCR_Setpoint, s.CCR_Setpoint);
        EXPECT_EQ(n.bar_pO2, s.bar_pO2);
        EXPECT_EQ(n.CNS_Prozent, s.CNS_Prozent);
        EXPECT_EQ(n.OTU, s.OTU);
        EXPECT_EQ(n.m_END, s.m_END);
        EXPECT_EQ(n.Aktion, s.Aktion);
        EXPECT_EQ(n.Warnung, s.Warnung);
        EXPECT_EQ(n.cave_horizontal_distance_m, s.cave_horizontal_distance_m);
        EXPECT_EQ(n.cave_horizontal_velocity_m_pro_min, s.cave_horizontal_velocity_m_pro_min);
    }
}

// Grid 0.1 min = 6 s: the window of grid time t is (t - 3 s, t + 3 s), so samples every 10 s leave
// the windows around 6, 24, 36 and 54 s empty.
TEST_F(iWayPoints, Samples_alle_10_s_lassen_Rasterpunkte_leer) {
    Samples({{0, 0}, {10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}, {60, 6}});
    const Umwandlung_Type r = iWayPoints_zu_WayPoints(false);
    EXPECT_EQ(r.WayPoints, 7);
    EXPECT_EQ(W::WayPoint_Anzahl, 6);
    const std::vector<float> t = Laufzeiten();
    const float soll[] = {0, 0.2f, 0.3f, 0.5f, 0.7f, 0.8f, 1.0f};
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(t[k], soll[k], 1e-6) << k;
    EXPECT_FLOAT_EQ(W::WayPoint[3].m_Wasser, 3);
}

TEST_F(iWayPoints, Nahe_Samples_verschmelzen_mit_ihrer_mittleren_Tiefe) {
    // 0 and 2 s on grid time 0; 4, 6, 8 s on 0.1 min
    Samples({{0, 0.5f, 0, 0, 0}, {2, 1, 3}, {4, 2, 1, 1, 1.2f}, {6, 3, 2, 1, 1.3f}, {8, 4, 5, 1, 1.4f}});
    iWayPoint[4].Aktion = "zuletzt";
    iWayPoint[2].Warnung = "a";
    iWayPoint[4].Warnung = "b";
    iWayPoints_zu_WayPoints(false);
    ASSERT_EQ(W::WayPoint_Anzahl, 1);
    // the first waypoint is the first sample as it is, not a mean
    EXPECT_FLOAT_EQ(W::WayPoint[0].m_Wasser, 0.5f);
    EXPECT_EQ(W::WayPoint[0].Gas_Nr, 0);
    const W::WayPoint_Type& w = W::WayPoint[1];
    EXPECT_FLOAT_EQ(w.min_Runtime, 0.1f);
    EXPECT_FLOAT_EQ(w.m_Wasser, 3); // (2 + 3 + 4) / 3
    EXPECT_EQ(w.Gas_Nr, 5);
    EXPECT_EQ(w.Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(w.CCR_Setpoint, 1.4f);
    EXPECT_EQ(w.Aktion, "zuletzt");
    EXPECT_EQ(w.Warnung, "a b ");
}

TEST_F(iWayPoints, Der_aktuelle_Zustand_ist_der_letzte_Wegpunkt) {
    Samples({{0, 0}, {60, 20, 4, 1, 1.3f}});
    iWayPoint[1].bar_pO2 = 1.25f;
    iWayPoint[1].CNS_Prozent = 7;
    iWayPoint[1].OTU = 9;
    iWayPoint[1].Warnung = "pO2";
    iWayPoints_zu_WayPoints(true);
    ASSERT_EQ(W::WayPoint_Anzahl, 2); // with the closing copy
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 1.0f);
    EXPECT_FLOAT_EQ(W::m_Wasser, 20);
    EXPECT_FLOAT_EQ(static_cast<float>(W::bar_Umgebung), Unit_Formeln::bar_Umgebung_aus(20));
    EXPECT_EQ(W::Gas_Nr, 4);
    EXPECT_EQ(Unit_Gasgemisch_BestMix::Gasgemisch_num, 4);
    EXPECT_EQ(W::Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(W::bar_pO2, 1.25f);
    EXPECT_FLOAT_EQ(static_cast<float>(W::CNS_Prozent), 7);
    EXPECT_FLOAT_EQ(static_cast<float>(W::OTU), 9);
    EXPECT_EQ(W::Warntext, "pO2 ");
}

struct Abschlussfall {
    const char* Fall;
    float m_letzte;
    int Samples;
    bool abschliessen;
    int32_t WayPoint_Anzahl;
};
class Abschluss : public iWayPoints, public ::testing::WithParamInterface<Abschlussfall> {};

TEST_P(Abschluss, haengt_eine_Kopie_an_der_Oberflaeche_an) {
    const Abschlussfall& a = GetParam();
    if (a.Samples == 1)
        Samples({{0, a.m_letzte}});
    else
        Samples({{0, 0}, {120, 10}, {180, a.m_letzte}});
    iWayPoints_zu_WayPoints(a.abschliessen);
    EXPECT_EQ(W::WayPoint_Anzahl, a.WayPoint_Anzahl);
    const W::WayPoint_Type& l = W::WayPoint[W::WayPoint_Anzahl];
    if (a.WayPoint_Anzahl == 3) {
        EXPECT_EQ(l.m_Wasser, 0);
        EXPECT_FLOAT_EQ(l.min_Runtime, 3.0f); // the same runtime as the last recorded point
    }
}
INSTANTIATE_TEST_SUITE_P(Faelle, Abschluss,
                         ::testing::Values(Abschlussfall{"unter_Wasser_geendet", 4, 3, true, 3},
                                           Abschlussfall{"ohne_Abschluss", 4, 3, false, 2},
                                           Abschlussfall{"an_der_Oberflaeche_geendet", 0.0005f, 3, true, 2},
                                           Abschlussfall{"nur_ein_Wegpunkt", 4, 1, true, 0}),
                         Fallname());

TEST_F(iWayPoints, Rueckwaerts_laufende_Zeit_gibt_nie_einen_frueheren_Wegpunkt) {
    Samples({{0, 0}, {60, 10}, {30, 5}, {90, 12}, {90, 14}, {89, 16}});
    iWayPoints_zu_WayPoints(false);
    const std::vector<float> t = Laufzeiten();
    ASSERT_EQ(t.size(), 4u);
    for (std::size_t k = 1; k < t.size(); ++k) EXPECT_GT(t[k], t[k - 1]);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 5);
    EXPECT_FLOAT_EQ(W::WayPoint[3].m_Wasser, 14); // 90, 90, 89 s merged
}

TEST_F(iWayPoints, Unbrauchbare_Samples_werden_uebergangen) {
    Samples({{NaN, 3}, {-10, 3}, {-2, -0.3f}, {6, NaN}, {60, 10}, {1.0e30f, 5}, {90, 99999}, {120, 351}});
    const Umwandlung_Type r = iWayPoints_zu_WayPoints(false);
    EXPECT_EQ(r.uebergangen, 6);
    ASSERT_EQ(W::WayPoint_Anzahl, 1);
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0); // -2 s lies in the window of 0, -0.3 m is the surface
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 1.0f);
}

TEST_F(iWayPoints, Ohne_brauchbares_Sample_bleibt_der_Tauchgang) {
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    Samples({{NaN, 3}, {-30, 2}});
    EXPECT_EQ(iWayPoints_zu_WayPoints(true).WayPoints, 0);
    EXPECT_EQ(Tauchgang_Text(), vorher);
    iWayPointMax = -1;
    EXPECT_EQ(iWayPoints_zu_WayPoints(true).WayPoints, 0);
    EXPECT_EQ(Tauchgang_Text(), vorher);
}

TEST_F(iWayPoints, Apnoe_Raster_von_0_01_min) {
    W::min_Schritt = 0.01f;
    Samples({{0, 0}, {0.6f, 1}, {1.2f, 2}, {1.5f, 3}});
    iWayPoints_zu_WayPoints(false);
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 0.02f);
    EXPECT_FLOAT_EQ(W::WayPoint[2].m_Wasser, 2);
    // 1.5 s lies on the edge between 0.02 and 0.03 min and goes to the later one
    EXPECT_FLOAT_EQ(W::WayPoint[3].min_Runtime, 0.03f);
    EXPECT_FLOAT_EQ(W::WayPoint[3].m_Wasser, 3);
    W::min_Schritt = 0.1f;
}

TEST_F(iWayPoints, Volle_Tabelle_kuerzt_und_laesst_Platz_fuer_Abschluss_und_Reserve) {
    iWayPoints_leeren(0);
    iWayPointMax = 4899;
    for (int32_t i = 0; i <= iWayPointMax; ++i) {
        iWayPoint[i].s_Zeit = 6.0f * static_cast<float>(i);
        iWayPoint[i].m_Wasser = 10;
    }
    Umwandlung_Type r = iWayPoints_zu_WayPoints(false);
    EXPECT_TRUE(r.gekuerzt);
    EXPECT_EQ(W::WayPoint_Anzahl, W::WayPointMax);
    EXPECT_FLOAT_EQ(r.s_letzter_Fund, 6.0f * 4800);
    r = iWayPoints_zu_WayPoints(true, 1);
    EXPECT_EQ(W::WayPoint_Anzahl, W::WayPointMax - 1);
    EXPECT_EQ(W::WayPoint[W::WayPointMax - 1].m_Wasser, 0);
    EXPECT_FLOAT_EQ(W::WayPoint[W::WayPointMax - 1].min_Runtime, W::WayPoint[W::WayPointMax - 2].min_Runtime);
}

TEST_F(iWayPoints, Wegpunkte_werden_zu_Samples_und_der_Rest_geleert) {
    Tauchgang_anlegen();
    W::WayPoint[2].CCR_Setpoint = 1.2f;
    W::WayPoint[2].bar_pO2 = 1.1f;
    W::WayPoint[2].Tauchgeraet = 1;
    W::WayPoint[2].m_END = 26;
    W::WayPoint[2].Warnung = "w";
    W::WayPoint[2].cave_horizontal_distance_m = 50;
    iWayPointMax = 7; // an earlier import was longer
    iWayPoint[5].m_Wasser = 9;
    iWayPoints_aus_WayPoints();
    EXPECT_EQ(iWayPointMax, 4);
    const iWayPoint_Type& s = iWayPoint[2];
    EXPECT_FLOAT_EQ(s.s_Zeit, 1500);
    EXPECT_FLOAT_EQ(s.m_Wasser, 30);
    EXPECT_EQ(s.Gas_Nr, 1);
    EXPECT_EQ(s.Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(s.CCR_Setpoint, 1.2f);
    EXPECT_FLOAT_EQ(s.bar_pO2, 1.1f);
    EXPECT_FLOAT_EQ(s.m_END, 26);
    EXPECT_EQ(s.Aktion, "P2");
    EXPECT_EQ(s.Warnung, "w");
    EXPECT_EQ(s.cave_horizontal_distance_m, -1); // cave values are not carried
    EXPECT_EQ(iWayPoint[5].m_Wasser, 0);
}
