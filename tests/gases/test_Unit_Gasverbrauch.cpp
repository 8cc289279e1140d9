#include "core/Unit_Textpuffer.hpp"
#include "gases/Gasumgebung.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Grenzwerte.hpp"

using namespace Unit_Gasverbrauch;
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;
namespace K = Unit_CCR_SCR;

class Verbrauch : public Gasumgebung {
  protected:
    void SetUp() override {
        Gasumgebung::SetUp();
        AMV = AMV_Deko = 20;
        Verbrauch_SicherheitsZuschlagProzent = 50;
        Gasverbrauch_Abstieg_Grundzeit_zeigen = Gasverbrauch_Aufstieg_zeigen = false;
    }
    static const std::vector<std::string>& Zeilen() { return Unit_Textpuffer::Memo_Gasverbrauch.Zeilen; }
};

struct OC_Fall {
    const char* Fall;
    float m_ErsterStop, m;
    int32_t AMV_Deko;
    long double p0, p1;
    float dt;
    long double barL;
};
class OC_buchen : public Verbrauch, public ::testing::WithParamInterface<OC_Fall> {};

// RMV x dt x (p0 + p1) / 2, with the deco RMV at and above the first stop.
TEST_P(OC_buchen, nach_mittlerem_Druck) {
    const OC_Fall f = GetParam();
    Unit_Grenzwerte::m_ErsterStop = f.m_ErsterStop;
    AMV_Deko = f.AMV_Deko;
    W::Tauchgeraet = 0;
    Gasverbrauch_Schritt_buchen(2, f.p0, f.p1, f.dt, f.m);
    EXPECT_NEAR(G::Gasgemisch[2].barL_gesamt, f.barL, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, OC_buchen,
    ::testing::Values(OC_Fall{"Eine_Minute_bei_5_bar", 0, 40, 20, 5, 5, 1, 100},
                      OC_Fall{"Rampe", 0, 10, 20, 1.01325L, 2.01325L, 0.5f, 15.1325L},
                      OC_Fall{"Tiefer_als_erster_Stop", 9, 12, 15, 2.21325L, 2.21325L, 1, 44.265L},
                      OC_Fall{"Auf_dem_ersten_Stop", 9, 9, 15, 1.91325L, 1.91325L, 1, 28.69875L},
                      OC_Fall{"Flacher", 9, 6, 15, 1.61325L, 1.61325L, 1, 24.19875L}),
    Fallname());

struct Geraetefall {
    const char* Fall;
    uint8_t Geraet;
    uint8_t Formel;
    long double Gas, O2;
};
class Kreislauf_buchen : public Verbrauch, public ::testing::WithParamInterface<Geraetefall> {};

// What each loop took in during the step: CCR diluent 0.4 and oxygen 0.7, SCR 2.5, pSCR 1.2.
TEST_P(Kreislauf_buchen, was_der_Kreislauf_aufnahm) {
    const Geraetefall f = GetParam();
    K::CCR.barL_Dil_Zugabe = 0.4L;
    K::CCR.barL_O2_Zugabe = 0.7L;
    K::SCR.barL_Zugabe = 2.5L;
    K::SCR.SCR_Flow = 15.6f;
    K::SCR.Formel = f.Formel;
    K::pSCR.barL_Zugabe = 1.2L;
    W::Tauchgeraet = f.Geraet;
    Gasverbrauch_Schritt_buchen(2, 5, 5, 0.1f, 40);
    EXPECT_NEAR(G::Gasgemisch[2].barL_gesamt, f.Gas, 1e-6);
    EXPECT_NEAR(G::Gasgemisch[G::Gas_O2].barL_gesamt, f.O2, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Kreislauf_buchen,
                         ::testing::Values(Geraetefall{"OC", 0, 0, 10, 0}, // 20 x 0.1 x 5
                                           Geraetefall{"CCR", 1, 0, 0.4L, 0.7L},
                                           Geraetefall{"SCR_Formel", 2, 1, 1.56L, 0}, // 15.6 x 0.1
                                           Geraetefall{"SCR_Atemkreislauf", 2, 0, 2.5L, 0},
                                           Geraetefall{"pSCR", 3, 0, 1.2L, 0},
                                           Geraetefall{"unbekannt", 5, 0, 0, 0}),
                         Fallname());

// A CCR step at 3 m injects 1000 x 0.001 barL: booked on "O2" though no waypoint uses gas 6, so
// "O2" appears in the table.
TEST_F(Verbrauch, CCR_bucht_Sauerstoff_auf_Gas_6) {
    Tauchen(3, 0, 1);
    K::Kreislaeufe_initialisieren(false);
    K::bar_pO2_atmen();
    Gasverbrauch_Schritt_buchen(0, W::bar_Umgebung, W::bar_Umgebung, W::min_dt, 3);
    EXPECT_NEAR(G::Gasgemisch[6].barL_gesamt, 1.0L, 1e-6);
    ASSERT_TRUE(Verbrauchstabelle_schreiben(Verbrauchsart::gesamt));
    EXPECT_EQ(Zeilen().back(), "O2         "
                               " "
                               "    1.0"
                               " barL "
                               "        1.5"
                               " barL "
                               "           3 L");
}

TEST_F(Verbrauch, Aufstieg_getrennt) {
    G::Gasgemisch[1].barL_gesamt = 100;
    Gasverbrauch_Aufstieg_Beginn();
    G::Gasgemisch[1].barL_gesamt += 40;
    Gasverbrauch_Aufstieg_Ende();
    EXPECT_EQ(G::Gasgemisch[1].barL_bis_Aufstieg, 100);
    EXPECT_EQ(G::Gasgemisch[1].barL_Aufstieg, 40);
    Gasverbrauch_zuruecksetzen();
    EXPECT_EQ(G::Gasgemisch[1].barL_gesamt, 0);
    EXPECT_EQ(G::Gasgemisch[1].barL_Aufstieg, 0);
}

struct Flaschenfall {
    const char* Fall;
    long double barL;
    const char* Text;
};
class Flasche : public Verbrauch, public ::testing::WithParamInterface<Flaschenfall> {};

// Water volume at 200 bar = barL / 200; the first bound it does not exceed.
TEST_P(Flasche, an_den_Grenzen) {
    EXPECT_EQ(Flaschengroesse(GetParam().barL), GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Flasche,
                         ::testing::Values(Flaschenfall{"genau_3", 600, "3 L"},
                                           Flaschenfall{"knapp_ueber_3", 601, "5 L"},
                                           Flaschenfall{"1500_mit_50_Prozent", 2250, "12 L"}, // 11.25
                                           Flaschenfall{"genau_15", 3000, "15 L"},
                                           Flaschenfall{"knapp_ueber_15", 3002, "2 x 10 L"}, // 15.01
                                           Flaschenfall{"genau_120", 24000, "8 x 15 L"},
                                           Flaschenfall{"ueber_120", 24001, "zu groß"}), // 120.005
                         Fallname());

TEST_F(Verbrauch, Tabelle_mit_Spalten) {
    G::Gasgemisch_hinzufuegen("Trimix-Übung1", 18, 37, 45); // 13 characters: cut to 11
    G::Gasgemisch[0].barL_gesamt = 1500;
    G::Gasgemisch[17].barL_gesamt = 2000.04L;
    ASSERT_TRUE(Verbrauchstabelle_schreiben(Verbrauchsart::gesamt));
    const std::vector<std::string> soll = {"Gasgemisch  Verbrauch    Verbrauch        Flaschengröße ",
                                           "                         + Sicherheit 50%",
                                           "----------- ------------ ---------------- --------------",
                                           "Luft       "
                                           " "
                                           " 1500.0"
                                           " barL "
                                           "     2250.0"
                                           " barL "
                                           "          12 L",
                                           "Trimix-Übun"
                                           " "
                                           " 2000.0"
                                           " barL "
                                           "     3000.1"
                                           " barL "
                                           "      2 x 10 L"};
    EXPECT_EQ(Zeilen(), soll);
}

TEST_F(Verbrauch, Tabelle_ohne_Sicherheit_warnt) {
    Unit_Tools::Sprache = 1;
    Verbrauch_SicherheitsZuschlagProzent = 0;
    G::Gasgemisch[3].barL_gesamt = 3000;
    ASSERT_TRUE(Verbrauchstabelle_schreiben(Verbrauchsart::gesamt));
    ASSERT_EQ(Zeilen().size(), 5u);
    EXPECT_EQ(Zeilen()[0], "Gas         consumption  consumption      tank volume");
    EXPECT_EQ(Zeilen()[1], "                         + safety 0%");
    EXPECT_EQ(Zeilen()[3], "EAN40      "
                           " "
                           " 3000.0"
                           " barL "
                           "     3000.0"
                           " barL "
                           "          15 L");
    EXPECT_EQ(Zeilen()[4], "ATTENTION: No safety margin in gas consumption !!!!!!!!!");
    Unit_Tools::Sprache = 0;
    Verbrauchstabelle_schreiben(Verbrauchsart::gesamt);
    EXPECT_EQ(Zeilen().back(), "ACHTUNG: Keine Sicherheitsreserve im Gasverbrauch !!!!!!");
}

TEST_F(Verbrauch, Ohne_Verbrauch_keine_Tabelle) {
    G::Gasgemisch[3].barL_Aufstieg = 10;
    EXPECT_FALSE(Verbrauchstabelle_schreiben(Verbrauchsart::gesamt));
    EXPECT_TRUE(Zeilen().empty());
}

TEST_F(Verbrauch, AMV_Zeilen_der_verwendeten_Geraete) {
    W::WayPoint_Anzahl = 1;
    W::WayPoint[0].Tauchgeraet = 0;
    W::WayPoint[1].Tauchgeraet = 1;
    AMV_Deko = 15;
    EXPECT_EQ(AMV_Zeilen(false), "AMV = 20 l/min \r\nAMV(Deko) = 15 l/min\r\nCCR O2 Verbrauch = 1.50 l/min");
    EXPECT_EQ(AMV_Zeilen(true),
              "   AMV = 20 l/min \r\n   AMV(Deko) = 15 l/min\r\n   CCR O2 Verbrauch = 1.50 l/min");
    Unit_Tools::Sprache = 1;
    W::WayPoint[0].Tauchgeraet = 3;
    W::WayPoint[1].Tauchgeraet = 2;
    K::SCR.barL_pro_min_Atmung_O2 = 0.75f;
    EXPECT_EQ(AMV_Zeilen(false), "RMV = 20 l/min\r\nSCR O2 consumption = 0.75 l/min");
}

TEST_F(Verbrauch, Bericht_mit_Teiltabellen) {
    Gasverbrauch_Aufstieg_zeigen = true;
    G::Gasgemisch[1].barL_gesamt = 800;
    Gasverbrauch_Aufstieg_Beginn();
    G::Gasgemisch[4].barL_gesamt = 200;
    Gasverbrauch_Aufstieg_Ende();
    Gasverbrauch_Bericht(false);
    ASSERT_EQ(Zeilen().size(), 15u); // 5 + blank + 2 + blank, rule, title, 3 + 1
    EXPECT_EQ(Zeilen()[5], "");
    EXPECT_EQ(Zeilen()[6], "AMV = 20 l/min ");
    EXPECT_EQ(Zeilen()[7], "AMV(Deko) = 20 l/min");
    EXPECT_EQ(Zeilen()[8], "");
    EXPECT_EQ(Zeilen()[9], std::string(56, '-'));
    EXPECT_EQ(Zeilen()[10], "Gasverbrauch / nur Aufstieg");
    EXPECT_EQ(Zeilen()[14].substr(0, 5), "EAN50"); // only the gas used in the ascent
}

TEST_F(Verbrauch, Bericht_nach_Abbruch) {
    G::Gasgemisch[1].barL_gesamt = 800;
    Unit_Tools::Sprache = 1;
    Gasverbrauch_Bericht(true);
    EXPECT_EQ(Zeilen(), std::vector<std::string>{"! Calculation of dive cancelled !"});
}

// An index outside the list breathes gas 0 (selection falls back to it): the gas is booked there.
TEST_F(Verbrauch, Unbekannte_Gasnummer_bucht_auf_Gas_0) {
    Verbrauch_buchen(35, 10);
    Verbrauch_buchen(-1, 5);
    EXPECT_EQ(G::Gasgemisch[0].barL_gesamt, 15);
    EXPECT_EQ(G::Gasgemisch[35].barL_gesamt, 0);
}

struct Mindestgasfall {
    const char* Fall;
    float m_tiefste;
    std::vector<Profilpunkt> Aufstieg;
    long double barL;
};
class Mindestgas_von_Hand : public Verbrauch, public ::testing::WithParamInterface<Mindestgasfall> {};

// With the defaults: 2 divers x 2.0 x 20 l/min = 80 l/min, 1 min at the deepest point; P(m) = 1.01325
// + m / 10 bar; each leg at its mean pressure.
TEST_P(Mindestgas_von_Hand, zwei_Taucher_unter_Stress) {
    const auto& f = GetParam();
    EXPECT_NEAR(barL_Mindestgas(f.m_tiefste, f.Aufstieg, static_cast<float>(AMV), Stress_Faktor_Standard,
                                min_Problemloesezeit_Standard),
                f.barL, 0.01); // the runtimes are singles
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Mindestgas_von_Hand,
    ::testing::Values(
        // Air, 40 m until 25 min: 10 m/min to 6 m, 2 min there, 10 min at 3 m, up.
        Mindestgasfall{"Luft_40_m",
                       40,
                       {{25, 40, 0}, {28.4f, 6, 0}, {30.4f, 6, 0}, {30.7f, 3, 0}, {40.7f, 3, 0}, {41, 0, 0}},
                       80 * (1 * 5.01325L + 3.4L * (5.01325L + 1.61325L) / 2 + 2 * 1.61325L +
                             0.3L * (1.61325L + 1.31325L) / 2 + 10 * 1.31325L +
                             0.3L * (1.31325L + 1.01325L) / 2)},
        // Deepest 40 m, the bottom phase ends at 30 m: up from 40 m as fast as the first ascent (10 m/min).
        Mindestgasfall{"tiefster_Punkt_vor_dem_Ende_der_Grundzeit",
                       40,
                       {{30, 30, 0}, {32.4f, 6, 0}, {32.7f, 3, 0}, {33, 0, 0}},
                       80 * (1 * 5.01325L + 1 * (5.01325L + 4.01325L) / 2 + 2.4L * (4.01325L + 1.61325L) / 2 +
                             0.3L * (1.61325L + 1.31325L) / 2 + 0.3L * (1.31325L + 1.01325L) / 2)}),
    Fallname());
