#include "planning/Unit_AbtauchPlanung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "support/Testumgebung.hpp"

#include <utility>
#include <vector>

using namespace Unit_AbtauchPlanung;
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;

namespace {
const std::string Reihenfolge_Meldung =
    "Falsche Reihenfolge der Tiefenangaben.\rDie Tiefe muss von oben nach unten zunehmen !";

void erwarte_Zeilen(const Tiefentabelle_Type& t, const std::vector<std::pair<float, float>>& Zeilen) {
    ASSERT_EQ(Zeilen.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(t.Zeile[k].m_ab, Zeilen[k].first) << "row " << k + 1;
        EXPECT_FLOAT_EQ(t.Zeile[k].Wert, Zeilen[k].second) << "row " << k + 1;
    }
}
} // namespace

class Abtauchplanung : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        G::Gasgemische_initialisieren();
        Tabellen_zuruecksetzen();
        Abstiegsplanung_verwenden = false;
        Bubble_Check = false;
    }
};

TEST_F(Abtauchplanung, Geschwindigkeit_OK_fuellt_die_Zeilen_4_bis_6) {
    EXPECT_TRUE(Geschwindigkeit_uebernehmen(18, {0, 10, 40}, {25, 20, 10}));
    EXPECT_EQ(v_Abstieg_konstant, 18);
    erwarte_Zeilen(Abstieg_Geschwindigkeit, {{0, 25}, {10, 20}, {40, 10}, {40, 10}, {40, 10}, {40, 10}});
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    EXPECT_FALSE(Abstieg_Geschwindigkeit_variabel); // the OK leaves the check boxes alone
}

TEST_F(Abtauchplanung, Spinwerte_ausserhalb_ihrer_Grenzen) {
    // v1 and v2 up to 50, v3 and the constant up to 100, all from 1; depths 0 .. 350.
    Geschwindigkeit_uebernehmen(0, {-5, 400, 350}, {0, 60, 120});
    EXPECT_EQ(v_Abstieg_konstant, 1);
    erwarte_Zeilen(Abstieg_Geschwindigkeit,
                   {{0, 1}, {350, 50}, {350, 100}, {350, 100}, {350, 100}, {350, 100}});
    BubbleCheck_uebernehmen(true, 0, 90);
    EXPECT_EQ(m_Bubble_Check, 1);
    EXPECT_EQ(min_Bubble_Check, 60);
    // Only the first row of the gas and setpoint pages may start at 0 m.
    Gaswechsel_uebernehmen({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
    EXPECT_EQ(Abstieg_Gaswechsel.Zeile[0].m_ab, 0);
    EXPECT_EQ(Abstieg_Gaswechsel.Zeile[1].m_ab, 1);
    EXPECT_EQ(Abstieg_Gaswechsel.Zeile[5].m_ab, 1);
    Setpoint_uebernehmen("1.3", {0, 0, 999}, {"1.3", "1.3", "1.3"});
    EXPECT_EQ(Abstieg_Setpoint.Zeile[1].m_ab, 1);
    EXPECT_EQ(Abstieg_Setpoint.Zeile[2].m_ab, 350);
}

TEST_F(Abtauchplanung, Bubble_Check_OK) {
    BubbleCheck_uebernehmen(true, 6, 2);
    EXPECT_TRUE(Bubble_Check);
    EXPECT_EQ(m_Bubble_Check, 6);
    EXPECT_EQ(min_Bubble_Check, 2);
    BubbleCheck_uebernehmen(false, 6, 2);
    EXPECT_FALSE(Bubble_Check);
}

TEST_F(Abtauchplanung, Gasreihen_30_20_40_melden_und_bleiben) {
    EXPECT_FALSE(Gaswechsel_uebernehmen({30, 20, 40, 50, 60}, {1, 2, 3, 4, 5}));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, Reihenfolge_Meldung);
    erwarte_Zeilen(Abstieg_Gaswechsel, {{30, 1}, {20, 2}, {40, 3}, {50, 4}, {60, 5}, {60, 5}});
}

TEST_F(Abtauchplanung, Gasreihe_ohne_Gas_der_Liste_behaelt_ihr_Gas) {
    Abstieg_Gaswechsel = Tiefentabelle_gleich(0, 4);
    EXPECT_TRUE(Gaswechsel_uebernehmen({0, 10, 20, 21, 30}, {1, -1, 3, G::Gasgemisch_NumMax + 1, 6}));
    EXPECT_EQ(Oberflaeche.Anzahl("kein Gas der Gasliste"), 2);
    erwarte_Zeilen(Abstieg_Gaswechsel, {{0, 1}, {10, 4}, {20, 3}, {21, 4}, {30, 6}, {30, 6}});
}

TEST_F(Abtauchplanung, Setpoint_OK_mit_Komma_und_ohne_Zahl) {
    W::CCR_Setpoint = 1.3f;
    EXPECT_FALSE(Setpoint_uebernehmen("0,7", {0, 30, 20}, {"0.7", "1,2", "abc"}));
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 0.7f); // the constant the descent walk reads the table with
    erwarte_Zeilen(Abstieg_Setpoint, {{0, 0.7f}, {30, 1.2f}, {20, 0}, {20, 0}, {20, 0}, {20, 0}});
    EXPECT_EQ(Oberflaeche.Anzahl(">abc< ist keine Zahl"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl(Reihenfolge_Meldung), 1);
}

struct Freigabe_Fall {
    const char* Fall;
    bool verwenden;
    uint8_t Tauchgeraet;
    bool variabel; // all three tables at once
    bool Gaswechsel;
    bool Bubble;
    Freigabe_Type erwartet;
};

class Freigabe : public Abtauchplanung, public ::testing::WithParamInterface<Freigabe_Fall> {};

TEST_P(Freigabe, Regeln_des_Neuzeichnens) {
    const auto& f = GetParam();
    Abstiegsplanung_verwenden = f.verwenden;
    Abstieg_Geschwindigkeit_variabel = Abstieg_Setpoint_variabel = f.variabel;
    Abstieg_Gaswechsel_OK = f.Gaswechsel;
    Bubble_Check = f.Bubble;
    const auto e = f.erwartet;
    const auto r = Freigaben(f.Tauchgeraet);
    EXPECT_EQ(r.Seite_Geschwindigkeit, e.Seite_Geschwindigkeit);
    EXPECT_EQ(r.Seite_BubbleCheck, e.Seite_BubbleCheck);
    EXPECT_EQ(r.Seite_Gaswechsel, e.Seite_Gaswechsel);
    EXPECT_EQ(r.Seite_pO2, e.Seite_pO2);
    EXPECT_EQ(r.vConst, e.vConst);
    EXPECT_EQ(r.v_Tabelle, e.v_Tabelle);
    EXPECT_EQ(r.BubbleCheck_Felder, e.BubbleCheck_Felder);
    EXPECT_EQ(r.Gaswechsel_Zeilen, e.Gaswechsel_Zeilen);
    EXPECT_EQ(r.pO2_konstant, e.pO2_konstant);
    EXPECT_EQ(r.pO2_Tabelle, e.pO2_Tabelle);
}

// Expected: pages speed, bubble, gas, pO2; vConst, v table, bubble fields, gas rows, pO2 const, pO2 table.
INSTANTIATE_TEST_SUITE_P(
    Abtauchplanung, Freigabe,
    ::testing::Values(Freigabe_Fall{"aus_OC",
                                    false,
                                    0,
                                    false,
                                    false,
                                    false,
                                    {false, false, false, false, true, false, false, false, true, false}},
                      Freigabe_Fall{"aus_CCR",
                                    false,
                                    1,
                                    true,
                                    true,
                                    true,
                                    {false, false, false, false, false, true, true, true, false, true}},
                      Freigabe_Fall{"an_OC",
                                    true,
                                    0,
                                    false,
                                    false,
                                    false,
                                    {true, true, true, false, true, false, false, false, true, false}},
                      Freigabe_Fall{"an_CCR_konstant",
                                    true,
                                    1,
                                    false,
                                    true,
                                    false,
                                    {true, true, true, true, true, false, false, true, true, false}},
                      Freigabe_Fall{"an_CCR_variabel",
                                    true,
                                    1,
                                    true,
                                    false,
                                    true,
                                    {true, true, true, true, false, true, true, false, false, true}},
                      Freigabe_Fall{"an_SCR",
                                    true,
                                    2,
                                    true,
                                    true,
                                    true,
                                    {true, true, true, false, false, true, true, true, false, true}}),
    [](const auto& i) { return std::string(i.param.Fall); });

TEST_F(Abtauchplanung, Anzeige_ganzzahlig_und_Setpoints_mit_zwei_Stellen) {
    v_Abstieg_konstant = 24.6f;
    Abstieg_Geschwindigkeit.Zeile[1] = {9.4f, 19.5f};
    m_Bubble_Check = 4.5f; // a tie rounds away from 0
    Abstieg_Gaswechsel.Zeile[2] = {20, 3};
    Abstieg_Gaswechsel.Zeile[3] = {30, 41}; // no gas of the list: no item
    Abstieg_Setpoint.Zeile[0] = {0, 0.7f};
    W::CCR_Setpoint = 1.25f;
    const auto a = Anzeige();
    EXPECT_EQ(a.vConst, 25);
    EXPECT_EQ(a.m[1], 9);
    EXPECT_EQ(a.v[1], 20);
    EXPECT_EQ(a.BubbleCheck_m, 5);
    EXPECT_EQ(a.Gaswechsel_m[2], 20);
    EXPECT_EQ(a.Gaswechsel_Gas[2], 3);
    EXPECT_EQ(a.Gaswechsel_Gas[3], -1);
    EXPECT_EQ(a.yp[0], "0.70");
    EXPECT_EQ(a.yp[1], "1.30");
    EXPECT_EQ(a.pO2_const, "1.25");
}

struct Startwert_Fall {
    const char* Fall;
    bool verwenden;
    bool Setpoint_variabel;
    float m_Setpointzeile;
    float Setpoint_Zeile;
    bool Gaswechsel;
    float m_Gaszeile;
    float Gas_Zeile;
    float Setpoint_erwartet;
    int32_t Gas_erwartet;
};

class Startwerte : public Abtauchplanung, public ::testing::WithParamInterface<Startwert_Fall> {};

// The dive starts with setpoint 1.30 and gas 0.
TEST_P(Startwerte, erste_Zeile_bei_0_m) {
    const auto& f = GetParam();
    Abstiegsplanung_verwenden = f.verwenden;
    Abstieg_Setpoint_variabel = f.Setpoint_variabel;
    Abstieg_Setpoint.Zeile[0] = {f.m_Setpointzeile, f.Setpoint_Zeile};
    Abstieg_Gaswechsel_OK = f.Gaswechsel;
    Abstieg_Gaswechsel.Zeile[0] = {f.m_Gaszeile, f.Gas_Zeile};
    W::CCR_Setpoint = W::CCR_Setpoint_Start = 1.3f;
    W::Gas_Nr = W::Gas_Nr_Start = 0;
    G::Gasgemisch_waehlen(0);
    const auto s = Startwerte_aus_Plan();
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, f.Setpoint_erwartet);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint_Start, f.Setpoint_erwartet);
    EXPECT_EQ(s.Setpoint_gesetzt, f.Setpoint_erwartet != 1.3f);
    EXPECT_EQ(W::Gas_Nr, f.Gas_erwartet);
    EXPECT_EQ(W::Gas_Nr_Start, f.Gas_erwartet);
    EXPECT_EQ(G::Gasgemisch_num, f.Gas_erwartet); // the gas box selects it
    EXPECT_EQ(s.Gas_gesetzt, f.Gas_erwartet != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Abtauchplanung, Startwerte,
    ::testing::Values(Startwert_Fall{"beide", true, true, 0, 0.7f, true, 0, 11, 0.7f, 11},
                      Startwert_Fall{"Gas_gerundet", true, false, 0, 0.7f, true, 0, 4.6f, 1.3f, 5},
                      Startwert_Fall{"Plan_nicht_verwendet", false, true, 0, 0.7f, true, 0, 11, 1.3f, 0},
                      Startwert_Fall{"Tabellen_aus", true, false, 0, 0.7f, false, 0, 11, 1.3f, 0},
                      Startwert_Fall{"erste_Zeilen_tiefer", true, true, 3, 0.7f, true, 3, 11, 1.3f, 0},
                      Startwert_Fall{"Setpoint_bis_0_01_gleich", true, true, 0, 1.309f, false, 0, 0, 1.3f, 0},
                      Startwert_Fall{"Setpoint_ueber_0_01", true, true, 0, 1.315f, false, 0, 0, 1.315f, 0},
                      Startwert_Fall{"Gas_nicht_in_der_Liste", true, false, 0, 0, true, 0, 17, 1.3f, 0}),
    [](const auto& i) { return std::string(i.param.Fall); });
