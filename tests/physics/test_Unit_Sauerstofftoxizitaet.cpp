#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "support/Testumgebung.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

using namespace Unit_Sauerstofftoxizitaet;

namespace {

constexpr double atm_je_bar = 0.9869232667160128;

float bar_aus_atm(double atm) {
    return static_cast<float>(atm / atm_je_bar);
}

class Sauerstoff : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        pO2_Meldung = false;
        pO2_weiterrechnen = false;
        pO2_ausserhalb_loeschen();
        Unit_Formeln::p_H2O_setzen(true);
    }
    void TearDown() override {
        Unit_Formeln::p_H2O_setzen(true);
        Testumgebung::TearDown();
    }
};

} // namespace

TEST(NOAA_Tabelle, steigt_von_0_5_bis_1_82_atm) {
    EXPECT_EQ(NOAA_Tabelle.front().pO2_atm, 0.50f);
    EXPECT_EQ(NOAA_Tabelle.front().CNS_Prozent_pro_min, 0.0f);
    EXPECT_EQ(NOAA_Tabelle.back().CNS_Prozent_pro_min, 100.0f);
    EXPECT_EQ(NOAA_pO2_MAX(), 1.82f);
    for (int d = 1; d < NOAA_Zeilen; ++d) {
        SCOPED_TRACE("Zeile " + std::to_string(d + 1));
        EXPECT_GT(NOAA_Tabelle[d].pO2_atm, NOAA_Tabelle[d - 1].pO2_atm);
        EXPECT_GE(NOAA_Tabelle[d].CNS_Prozent_pro_min, NOAA_Tabelle[d - 1].CNS_Prozent_pro_min);
        EXPECT_GE(NOAA_Tabelle[d].OTU_pro_min, NOAA_Tabelle[d - 1].OTU_pro_min);
    }
    // Rows 50, 51 and 58 of the published table: the NOAA end and the extension.
    EXPECT_EQ(NOAA_Tabelle[49].CNS_Prozent_pro_min, 2.22f);
    EXPECT_EQ(NOAA_Tabelle[50].CNS_Prozent_pro_min, 5.00f);
    EXPECT_EQ(NOAA_Tabelle[57].CNS_Prozent_pro_min, 33.33f);
}

struct Rate_Fall {
    const char* Name;
    double pO2_atm;
    double Rate; // % per minute, by hand from the neighbouring rows
};

// Names the case in test listings.
static std::ostream& operator<<(std::ostream& o, const Rate_Fall& f) {
    return o << f.Name;
}

class CNS_Rate : public Sauerstoff, public ::testing::WithParamInterface<Rate_Fall> {};

TEST_P(CNS_Rate, linear_zwischen_den_Nachbarzeilen) {
    const Rate_Fall& f = GetParam();
    const float CNS = CNS_Schritt(10.0f, bar_aus_atm(f.pO2_atm), 1.0f);
    EXPECT_NEAR(CNS - 10.0, f.Rate, 1e-4 * f.Rate + 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, CNS_Rate,
    ::testing::Values(Rate_Fall{"zwischen_0_50_und_0_60", 0.55, 0.07},            // 0 + 0.5 x 0.14
                      Rate_Fall{"1_0_bar", 0.9869232667160128, 0.32346163},       // 0.32 + 0.34616 x 0.01
                      Rate_Fall{"1_4_bar", 1.4 * 0.9869232667160128, 0.63169257}, // 0.63 + 0.08463 x 0.02
                      Rate_Fall{"zwischen_1_62_und_1_65", 1.635, 5.625},          // 5 + 0.5 x 1.25
                      Rate_Fall{"zwischen_1_80_und_1_82", 1.81, 75.0},            // 50 + 0.5 x 50
                      Rate_Fall{"1_9_atm_ueber_der_Tabelle", 1.9, 300.0}),        // 50 + 5 x 50
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Sauerstoff, CNS_10_min_bei_1_4_bar_und_60_min_bei_1_0_bar) {
    // 1.4 bar = 1.38169 atm: 10 x 0.63169 = 6.317 %; 1.0 bar: 60 x 0.323462 = 19.41 %.
    EXPECT_NEAR(CNS_Schritt(0, 1.4f, 10), 6.317, 0.0005);
    EXPECT_NEAR(CNS_Schritt(0, 1.0f, 60), 19.408, 0.0005);
    EXPECT_FALSE(pO2_ausserhalb);
    EXPECT_EQ(CNS_Anzeigefarbe, CNS_Farbe::normal);
}

TEST_F(Sauerstoff, Erholung_halbiert_an_Luft_in_90_min) {
    // 0.18 bar lies below the air pO2 (0.1965 atm): g = 0.5, 0.5^(90/90).
    EXPECT_NEAR(CNS_Schritt(50, 0.18f, 90), 25.0, 1e-4);
    EXPECT_NEAR(CNS_Schritt(50, 0.18f, 180), 12.5, 1e-4);
    EXPECT_NEAR(CNS_Erholung(0.5L, 90), 1.0, 1e-15);
    EXPECT_NEAR(CNS_Erholung(0.1L, 0), 1.0, 1e-15);
}

TEST_F(Sauerstoff, bei_0_5_atm_weder_Anstieg_noch_Erholung) {
    // Just below 0.5 atm g is nearly 1, at and above it the rate of row 1 is 0.
    EXPECT_NEAR(CNS_Schritt(40, bar_aus_atm(0.5), 90), 40.0, 1e-4);
    EXPECT_NEAR(CNS_Schritt(40, bar_aus_atm(0.4999999), 90), 40.0, 1e-4);
}

TEST_F(Sauerstoff, Erholung_zwischen_Luft_und_0_5_atm) {
    // Without water vapour the air pO2 is 1.01325 bar x 0.20948 = 0.20948 atm; half way to 0.5 atm,
    // at 0.35474 atm, g = 0.75; over 180 min 0.75^2 = 0.5625.
    Unit_Formeln::p_H2O_setzen(false);
    EXPECT_NEAR(CNS_Erholung(0.35474L, 180), 0.5625, 1e-6);
    EXPECT_NEAR(CNS_Erholung(0.20948L, 90), 0.5, 1e-6);
    // With water vapour the air pO2 is (1.01325 - 0.0627) x 0.20948 x 0.98692 = 0.196517 atm.
    Unit_Formeln::p_H2O_setzen(true);
    EXPECT_NEAR(CNS_Erholung((0.196517L + 0.5L) / 2, 90), 0.75, 1e-5);
}

TEST_F(Sauerstoff, OTU_Formel) {
    // 30 x (2 x 1.4 - 1)^0.83 = 30 x exp(0.83 x ln 1.8) = 30 x exp(0.487863) = 30 x 1.628832 = 48.865
    EXPECT_NEAR(OTU_Schritt(0, 1.4f, 30), 48.865, 0.001);
    EXPECT_NEAR(OTU_Schritt(10, 1.0f, 5), 15.0, 1e-5); // 1^0.83 = 1
    EXPECT_EQ(OTU_Schritt(7, 0.5f, 60), 7.0f);         // no dose at 0.5 bar
    EXPECT_EQ(OTU_Schritt(7, 0.21f, 60), 7.0f);        // nor below
}

TEST_F(Sauerstoff, OTU_nach_einem_Tag_oder_mehr_null) {
    EXPECT_EQ(OTU_Schritt(500, 1.4f, 1440), 0.0f);
    EXPECT_EQ(OTU_Schritt(500, 0.21f, 1000000), 0.0f);
    EXPECT_GT(OTU_Schritt(500, 0.21f, 1439), 0.0f);
}

TEST_F(Sauerstoff, hypoxisch_unter_0_16_bar_und_unter_der_Luft_an_der_Oberflaeche) {
    const float Luftdruck = Unit_Formeln::bar_Luft;
    // at sea level air gives (1.01325 - 0.0627) x 0.20948 = 0.19912 bar: 0.16 bar is the limit
    EXPECT_NEAR(bar_pO2_Luft_Oberflaeche(), 0.19912f, 1e-5f);
    EXPECT_TRUE(pO2_hypoxisch(0.159f));
    EXPECT_FALSE(pO2_hypoxisch(0.16f));
    // at 0.80 bar (about 2000 m) air itself gives (0.80 - 0.0627) x 0.20948 = 0.15445 bar
    Unit_Formeln::bar_Luft = 0.80f;
    EXPECT_NEAR(bar_pO2_Luft_Oberflaeche(), 0.15445f, 1e-5f);
    EXPECT_FALSE(pO2_hypoxisch(bar_pO2_Luft_Oberflaeche()));
    EXPECT_FALSE(pO2_hypoxisch(0.159f));
    EXPECT_TRUE(pO2_hypoxisch(0.154f));  // less than the air breathed there
    EXPECT_TRUE(pO2_hypoxisch(0.0737f)); // Tx10/70 at that surface
    // without water vapour air stays above 0.16 bar even there
    Unit_Formeln::p_H2O_setzen(false);
    EXPECT_TRUE(pO2_hypoxisch(0.159f));
    Unit_Formeln::bar_Luft = Luftdruck;
}

TEST_F(Sauerstoff, ueber_der_Tabelle_rot_und_zurueck_normal) {
    CNS_Schritt(0, bar_aus_atm(1.9), 0.1f);
    EXPECT_TRUE(pO2_ausserhalb);
    EXPECT_EQ(CNS_Anzeigefarbe, CNS_Farbe::rot);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty()); // no message asked for
    CNS_Schritt(0, 1.4f, 0.1f);
    EXPECT_FALSE(pO2_ausserhalb);
    EXPECT_EQ(CNS_Anzeigefarbe, CNS_Farbe::normal);
    CNS_Schritt(0, bar_aus_atm(1.9), 0.1f);
    pO2_ausserhalb_loeschen();
    EXPECT_FALSE(pO2_ausserhalb);
    EXPECT_EQ(CNS_Anzeigefarbe, CNS_Farbe::normal);
}

struct Meldung_Fall {
    const char* Name;
    bool weiterrechnen_vorher;
    bool Antwort;
    bool Frage_erwartet;
    bool weiterrechnen_nachher;
    const char* zweite_Meldung;
};

static std::ostream& operator<<(std::ostream& o, const Meldung_Fall& f) {
    return o << f.Name;
}

class pO2_Meldungsfolge : public Sauerstoff, public ::testing::WithParamInterface<Meldung_Fall> {};

TEST_P(pO2_Meldungsfolge, Fehler_Frage_Folgemeldung_einmal) {
    const Meldung_Fall& f = GetParam();
    pO2_Meldung = true;
    pO2_weiterrechnen = f.weiterrechnen_vorher;
    Oberflaeche.Antwort_Frage = f.Antwort;
    CNS_Schritt(0, 2.0f, 0.1f);
    CNS_Schritt(0, 2.0f, 0.1f); // told once only
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "pO2 außerhalb der NOAA Tabelle !");
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, f.zweite_Meldung);
    EXPECT_EQ(Oberflaeche.Fragen, f.Frage_erwartet ? std::vector<std::string>{"Berechnung fortführen ?"}
                                                   : std::vector<std::string>{});
    EXPECT_EQ(pO2_weiterrechnen, f.weiterrechnen_nachher);
    EXPECT_FALSE(pO2_Meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, pO2_Meldungsfolge,
    ::testing::Values(Meldung_Fall{"Ja", false, true, true, true,
                                   "Alle jetzt berechneten CNS % und OTU Werte sind unrealistisch !"},
                      Meldung_Fall{"Nein", false, false, true, false, "Berechnung wird abgebrochen !"},
                      Meldung_Fall{"schon_weiterrechnen", true, false, false, true,
                                   "Alle jetzt berechneten CNS % und OTU Werte sind unrealistisch !"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Sauerstoff, Meldungsfolge_auf_Englisch) {
    Unit_Tools::Sprache = 1;
    pO2_Meldung = true;
    CNS_Schritt(0, 2.0f, 0.1f);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "pO2 exceeds the NOAA table !");
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Calculation will be stopped !");
    EXPECT_EQ(Oberflaeche.Fragen, std::vector<std::string>{"Continue calculation ?"});
}

// ---- The kept table row and recovery factor give what the formulas give, bit for bit ----
namespace {
// The recovery factor written out, nothing kept.
long double Erholung_direkt(long double f, long double t) {
    const long double s = (1.01325L - Unit_Formeln::p_H2O) * 0.20948L * atm_pro_bar;
    const long double g = f <= s ? 0.5L : (f >= 0.5L ? 1.0L : 0.5L + 0.5L * (f - s) / (0.5L - s));
    return std::exp((t * 0.011111111111111112L) * std::log(g));
}

// The CNS step written out: the rate between the two rows around f, the last two above the table.
float CNS_direkt(float CNS, float pO2, float t) {
    const long double f = pO2 * atm_pro_bar;
    if (f < 0.5L) return static_cast<float>(CNS * Erholung_direkt(f, t));
    int d = 0;
    while (d < NOAA_Zeilen && NOAA_Tabelle[d].pO2_atm < f) ++d;
    d = std::min(d, NOAA_Zeilen - 1);
    const NOAA_Zeile& u = NOAA_Tabelle[d - 1];
    const NOAA_Zeile& o = NOAA_Tabelle[d];
    const long double Rate =
        u.CNS_Prozent_pro_min + (f - u.pO2_atm) / (static_cast<long double>(o.pO2_atm) - u.pO2_atm) *
                                    (static_cast<long double>(o.CNS_Prozent_pro_min) - u.CNS_Prozent_pro_min);
    return static_cast<float>(CNS + t * Rate);
}
} // namespace

// A run of pO2 values and steps as a dive takes them: repeated, changed, back to an earlier one,
// below, inside and above the table; the water vapour switched in between.
TEST_F(Sauerstoff, gemerkte_Zeile_und_Erholung_wie_die_Formel) {
    struct Schritt {
        float pO2, t;
        bool mit_H2O;
    };
    const Schritt Folge[] = {{0.3f, 0.1f, true},  {0.3f, 0.1f, true},   {0.3f, 1.0f, true},
                             {0.3f, 1.0f, false}, {0.45f, 1.0f, false}, {1.32f, 0.1f, false},
                             {1.32f, 0.1f, true}, {1.41f, 0.1f, true},  {1.9f, 0.1f, true},
                             {1.9f, 0.1f, true},  {1.32f, 0.1f, true},  {0.3f, 0.1f, true}};
    pO2_weiterrechnen = true;
    for (const Schritt& s : Folge) {
        Unit_Formeln::p_H2O_setzen(s.mit_H2O);
        EXPECT_EQ(CNS_Schritt(37.5f, s.pO2, s.t), CNS_direkt(37.5f, s.pO2, s.t)) << s.pO2 << " " << s.t;
        EXPECT_EQ(pO2_ausserhalb, s.pO2 * atm_pro_bar > NOAA_pO2_MAX()) << s.pO2;
        const long double f = s.pO2 * atm_pro_bar;
        EXPECT_EQ(CNS_Erholung(f, s.t), Erholung_direkt(f, s.t)) << s.pO2 << " " << s.t;
    }
    Unit_Formeln::p_H2O_setzen(true);
}

// Three dives: A (CNS 30 %, 300 OTU, 60 min), 90 min pause, B (10 %, 200 OTU, 60 min), 180 min
// pause, C (0 %, 100 OTU, 600 min), 900 min pause, then D. A ended 330 min before C began and 1830
// before D: the day of D holds C alone.
TEST_F(Sauerstoff, Serie_traegt_CNS_durch_die_Pausen_und_zaehlt_die_OTU_eines_Tages) {
    EXPECT_NEAR(CNS_nach_Oberflaechenpause(40, 90), 20, 1e-12); // halved in 90 min at the surface
    Vortauchgaenge_vergessen();
    EXPECT_EQ(OTU_des_Tages(50), 50);
    Oberflaechenpause_buchen(30, 300, 60, 90);
    EXPECT_NEAR(CNS_Prozent_Vortauchgaenge, 15, 1e-12); // 30 / 2
    EXPECT_EQ(OTU_Vortauchgaenge_Tag, 300);
    Oberflaechenpause_buchen(10, 200, 60, 180);
    EXPECT_NEAR(CNS_Prozent_Vortauchgaenge, 6.25, 1e-12); // (15 + 10) / 4
    EXPECT_EQ(OTU_Vortauchgaenge_Tag, 500);
    EXPECT_NEAR(CNS_Prozent_mit_Vortauchgaengen(5), 11.25, 1e-12);
    EXPECT_EQ(OTU_des_Tages(100), 600);
    Oberflaechenpause_buchen(0, 100, 600, 900);
    EXPECT_EQ(OTU_Vortauchgaenge_Tag, 100);
}
