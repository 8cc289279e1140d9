#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>

using namespace Unit_Saettigungsrechnung;
namespace W = Unit_WayPoints;
namespace M = Unit_Saettigungsmodelle;

namespace {
// Air breathed at the surface: (1.01325 - 0.0627) x 0.7902.
constexpr long double pN2_Luft_Oberflaeche = (1.01325L - 0.0627L) * 0.7902L;
} // namespace

class Saettigung : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        M::Modell_N2_aus_Liste(M::Modell_N2_Standard);
        M::Modell_He_aus_Liste(M::Modell_He_Standard);
        Saettigung_Start(true);
        Saettigung_Start(true);
        Oberflaeche.Zuruecksetzen();
    }

    // One segment through the driver: linear from the current depth to m over dt.
    static void Segment(float dt, float m) { Unit_Tauchgangsberechnung::Zeitschritt_rechnen(dt, m); }
};

TEST_F(Saettigung, Haldane_ueber_eine_Halbwertszeit_halbiert_den_Abstand) {
    long double p = 0.75L;
    Haldane(p, 3.0L, 10, 10); // 0.75 + 0.5 x 2.25
    EXPECT_NEAR(static_cast<double>(p), 1.875, 1e-15);
    Haldane(p, 3.0L, 20, 10); // two more half-times: a quarter of the rest 1.125 stays
    EXPECT_NEAR(static_cast<double>(p), 3.0 - 1.125 / 4, 1e-15);
    Haldane(p, 0.0L, 1e6L, 4); // a million minutes: at the inspired pressure
    EXPECT_EQ(p, 0.0L);
}

TEST_F(Saettigung, Schreiner_bei_konstantem_Druck_ist_Haldane) {
    for (int Anordnung : {2, 3}) {
        long double p = 0.75L, q = 0.75L;
        Schreiner(p, 2.4L, 2.4L, 7.5L, 12.5L, Anordnung);
        Haldane(q, 2.4L, 7.5L, 12.5L);
        EXPECT_NEAR(static_cast<double>(p), static_cast<double>(q), 1e-15) << Anordnung;
    }
}

TEST_F(Saettigung, beide_Schreiner_Anordnungen_stimmen_auf_der_Rampe_ueberein) {
    for (long double t_halb : {1.51L, 4.0L, 27.0L, 635.0L}) {
        long double a = 0.75L, b = 0.75L;
        Schreiner(a, 5.0L, 0.75L, 3.0L, t_halb, 2);
        Schreiner(b, 5.0L, 0.75L, 3.0L, t_halb, 3);
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(b), 1e-12) << t_halb;
        // A ramp loads less than its end pressure held for the whole time, more than nothing.
        long double h = 0.75L;
        Haldane(h, 5.0L, 3.0L, t_halb);
        EXPECT_LT(a, h);
        EXPECT_GT(a, 0.75L);
    }
}

TEST_F(Saettigung, Oberflaechensaettigung) {
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        EXPECT_NEAR(static_cast<double>(W::p_N2_Gewebe[i]), static_cast<double>(pN2_Luft_Oberflaeche), 1e-6)
            << i;
        EXPECT_EQ(W::p_He_Gewebe[i], 0.0L) << i;
        EXPECT_EQ(p_N2He_Gewebe_MAX_0[i], W::p_N2He_Gewebe_MAX[i]);
    }
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_EQ(W::sData_Anzahl, 0);
    EXPECT_EQ(W::min_Runtime, 0);
    EXPECT_EQ(W::CNS_Prozent, 0);
    EXPECT_EQ(W::OTU, 0);
    EXPECT_EQ(Algorithmus, 1);                                           // put back after the start
    EXPECT_EQ(Unit_Gasgemisch_BestMix::Gasgemisch[0].barL_gesamt, 0.0L); // no air booked for it
    EXPECT_EQ(W::sData[0].p_N2_Gewebe[16], W::p_N2_Gewebe[16]);
}

TEST_F(Saettigung, ein_Segment_unter_einem_halben_Schritt_aendert_nichts) {
    W::min_dt = 0.04f;
    W::min_Runtime = 5;
    const auto N2 = W::p_N2_Gewebe;
    Gewebe_Schritt();
    EXPECT_EQ(W::min_Runtime, 5);
    EXPECT_EQ(W::sData_Anzahl, 0);
    EXPECT_EQ(W::p_N2_Gewebe, N2);
}

struct Stufenfall {
    float dt;
    int Samples;
    float letzte_Runtime;
    float letzte_Tiefe;
};

class Multilevel_Stufen : public Saettigung, public ::testing::WithParamInterface<Stufenfall> {};

TEST_P(Multilevel_Stufen, Samples_auf_dem_Raster) {
    const auto& f = GetParam();
    Segment(f.dt, 10);
    EXPECT_EQ(W::sData_Anzahl, f.Samples);
    for (int k = 1; k <= W::sData_Anzahl; ++k) EXPECT_NEAR(W::sData[k].min_Runtime, k * 0.1f, 1e-5f) << k;
    EXPECT_NEAR(W::sData[W::sData_Anzahl].min_Runtime, f.letzte_Runtime, 1e-5f);
    EXPECT_NEAR(W::sData[W::sData_Anzahl].m_Wasser, f.letzte_Tiefe, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(Saettigung, Multilevel_Stufen,
                         // 1.04 min: ten steps of 10 m / 10.4 each, the rest of 0.04 min is dropped
                         ::testing::Values(Stufenfall{1.0f, 10, 1.0f, 10},
                                           Stufenfall{1.04f, 10, 1.0f, 100 / 10.4f},
                                           Stufenfall{1.06f, 11, 1.1f, 10}, Stufenfall{0.1f, 1, 0.1f, 10},
                                           // shorter than a step: one sample, not past the ramp's end
                                           Stufenfall{0.07f, 1, 0.1f, 10}));

TEST_F(Saettigung, der_letzte_Teilschritt_laedt_nur_die_Restzeit) {
    // 1.06 min at 10 m: the same load as 1.06 min of constant pressure, although the runtime
    // advances by 1.1 min.
    Segment(0.1f, 10); // get down first
    const auto N2_Anfang = W::p_N2_Gewebe[1];
    const long double pN2 = (W::bar_Umgebung - Unit_Formeln::p_H2O) * 0.7902L;
    Segment(1.06f, 10);
    long double erwartet = N2_Anfang;
    Haldane(erwartet, pN2, 1.06L, M::Modell_N2.Kompartiment[1].t_halb);
    EXPECT_NEAR(static_cast<double>(W::p_N2_Gewebe[1]), static_cast<double>(erwartet), 1e-6);
    EXPECT_NEAR(static_cast<double>(W::min_Runtime), 1.2, 1e-5);
}

TEST_F(Saettigung, konstante_Tiefe_bleibt_in_jedem_Sample_exakt) {
    Segment(1.3f, 33.3f);
    const int32_t ab = W::sData_Anzahl + 1;
    Segment(5, 33.3f);
    for (int k = ab; k <= W::sData_Anzahl; ++k) EXPECT_EQ(W::sData[k].m_Wasser, 33.3f) << k;
}

TEST_F(Saettigung, Algorithmus_0_und_2_schreiben_ein_Sample_je_Segment) {
    for (int a : {0, 2, 3}) {
        Algorithmus = a;
        const int32_t vorher = W::sData_Anzahl;
        Segment(2.5f, 20);
        EXPECT_EQ(W::sData_Anzahl, vorher + 1) << a;
    }
}

TEST_F(Saettigung, Multilevel_naehert_sich_der_geschlossenen_Form) {
    // 0 to 60 m in 3 min, then 20 min at 60 m. The staircase breathes each step at its end
    // pressure: at most R x dt too much on the ramp (R = 2 bar/min x fN2 x ... per gas), so a
    // compartment can lead the closed form by at most R dt (1 - e^(-k 3)), decaying by e^(-k 20)
    // at the bottom. Halving the step halves the lead.
    auto rechnen = [](int Algo, float Schritt) {
        Algorithmus = Algo;
        W::min_Schritt = Schritt;
        Saettigung_Start(true);
        Segment(3, 60);
        Segment(20, 60);
        return W::p_N2_Gewebe;
    };
    const auto geschlossen = rechnen(2, 0.1f);
    const auto Stufe_01 = rechnen(1, 0.1f);
    const auto Stufe_005 = rechnen(1, 0.05f);
    const long double R = 6.0L / 3.0L * 0.7902L; // inspired N2 rises 1.58 bar/min on the ramp
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const long double k = std::log(2.0L) / M::Modell_N2.Kompartiment[i].t_halb;
        const long double Grenze = R * 0.1L * (1 - std::exp(-k * 3)) * std::exp(-k * 20);
        const long double d1 = Stufe_01[i] - geschlossen[i];
        const long double d2 = Stufe_005[i] - geschlossen[i];
        EXPECT_GT(d1, 0) << i;
        EXPECT_LE(d1, Grenze) << i;
        EXPECT_NEAR(static_cast<double>(d2 / d1), 0.5, 0.02) << i;
    }
}

TEST_F(Saettigung, Flugverbot_nach_Oberflaechensaettigung_eine_Stunde) {
    const auto N2 = W::p_N2_Gewebe;
    EXPECT_EQ(Flugverbotszeit(0.558f), " 1.0");
    EXPECT_EQ(W::p_N2_Gewebe, N2);
    EXPECT_EQ(W::sData_Anzahl, 0);
    EXPECT_EQ(W::min_Runtime, 0);
    EXPECT_EQ(Unit_Gasgemisch_BestMix::Gasgemisch[0].barL_gesamt, 0.0L);
}

TEST_F(Saettigung, Flugverbot_hoechstens_48_Stunden) {
    // Compartment 16 (635 min) holding 100 bar keeps the ceiling far above 0.558 bar for two days:
    // after 2880 min 0.75 + 99.25 / 2^4.5 = 5.14 bar, ceiling (5.14 - 0.2327) x 0.9653 = 4.7 bar.
    W::p_N2_Gewebe[16] = 100;
    W::min_Runtime = 80;
    Unit_Tauchgangsberechnung::Berechnung_abgebrochen = true; // a cancelled dive still gets its figure
    EXPECT_EQ(Flugverbotszeit(0.558f), "> 48.0");
    EXPECT_EQ(W::p_N2_Gewebe[16], 100.0L);
    EXPECT_EQ(W::min_Runtime, 80);
    EXPECT_TRUE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
}

TEST_F(Saettigung, Oberflaechenpause_entsaettigt_und_startet_die_Sauerstoffuhren_neu) {
    W::p_N2_Gewebe[1] = 3.0L;
    W::p_He_Gewebe[5] = 1.0L;
    W::CNS_Prozent = 40;
    Oberflaechenpause(1.0f); // 60 min: compartment 1 (4 min) is back at the surface value
    EXPECT_NEAR(static_cast<double>(W::p_N2_Gewebe[1]), static_cast<double>(pN2_Luft_Oberflaeche), 1e-4);
    // compartment 5 helium, 10.21 min: 1.0 x 2^(-60 / 10.21)
    EXPECT_NEAR(static_cast<double>(W::p_He_Gewebe[5]), std::exp2(-60 / 10.21), 1e-6);
    EXPECT_EQ(W::sData[0].p_He_Gewebe[5], W::p_He_Gewebe[5]);
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    // air at the surface lets the CNS clock recover: 40 x 0.5^(60 / 90); OTU is not touched
    EXPECT_NEAR(static_cast<double>(W::CNS_Prozent), 40 * std::exp2(-60.0 / 90), 1e-3);
}

TEST_F(Saettigung, Oberflaechenpause_auch_nach_abgebrochener_Rechnung_und_in_der_Hoehe) {
    namespace T = Unit_Tauchgangsberechnung;
    // the previous dive was cancelled: the interval is breathed all the same, the flag stays
    W::p_N2_Gewebe[1] = 3.0L;
    T::Berechnung_abgebrochen = true;
    Oberflaechenpause(1.0f);
    EXPECT_NEAR(static_cast<double>(W::p_N2_Gewebe[1]), static_cast<double>(pN2_Luft_Oberflaeche), 1e-4);
    EXPECT_TRUE(T::Berechnung_abgebrochen);
    // at 0.80 bar air gives 0.154 bar O2: the interval is breathed there too, towards the
    // nitrogen of that air, (0.80 - 0.0627) x 0.7902
    T::Berechnung_abgebrochen = false;
    const float Luftdruck = Unit_Formeln::bar_Luft;
    Unit_Formeln::bar_Luft = 0.80f;
    W::p_N2_Gewebe[1] = 3.0L;
    Oberflaechenpause(1.0f);
    Unit_Formeln::bar_Luft = Luftdruck;
    EXPECT_NEAR(static_cast<double>(W::p_N2_Gewebe[1]), (0.80 - 0.0627) * 0.7902, 1e-4);
    EXPECT_FALSE(T::Berechnung_abgebrochen);
}

TEST_F(Saettigung, geloeste_Gase_nach_der_Oberflaechensaettigung) {
    // Per compartment 1/16 of 43.125 L water, 18.75 L fat and 10.94 L other tissue; nitrogen at
    // 0.751135 bar: 0.001 x p x (12.11 W + 66.124 F + 39.117 R) = 0.10281 barL, 1.64499 in all.
    namespace B = Unit_Gewebe_barL;
    Unit_Gewebe_barL::Geloeste_Gase_berechnen();
    EXPECT_NEAR(B::barL_N2, 1.64499f, 1e-4f);
    EXPECT_NEAR(static_cast<double>(B::barL_im_Kompartiment(W::p_N2_Gewebe[7], 12.11L, 66.124L)), 0.102812,
                1e-5);
    EXPECT_EQ(B::barL_He, 0.0f);
    EXPECT_FLOAT_EQ(B::barL_N2He, B::barL_N2);
    EXPECT_NEAR(B::barL_N2He_Start, 1.64499f, 1e-4f); // the reference of the dive reset
    // oxygen from the inspired pO2 of air at the surface, 0.95055 x 0.20948 bar
    EXPECT_NEAR(B::barL_O2, 0.76094f, 1e-4f);
    // a deeper dive raises the maximum, which remembers where it was reached
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(2, 30);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(20, 30);
    EXPECT_GT(B::barL_N2He_MAX, 1.7f);
    EXPECT_FLOAT_EQ(B::m_barL_N2He_MAX, 30);
    EXPECT_NEAR(B::min_barL_N2He_MAX, 22.0f, 1e-4f);
}

TEST_F(Saettigung, Flugverbot_bei_voller_Sample_Tabelle) {
    // Regression: the surface hours were stored behind the dive and overflowed a full table,
    // so the summary of a long dive stopped with "sDataMax exceeded".
    W::sData_Anzahl = W::sDataMax;
    W::sData[W::sDataMax].m_Wasser = 7.5f;
    W::sData[W::sDataMax].p_N2_Gewebe[3] = 1.25L;
    EXPECT_EQ(Flugverbotszeit(0.558f), " 1.0");
    EXPECT_EQ(W::sData_Anzahl, W::sDataMax);
    EXPECT_EQ(W::sData[W::sDataMax].m_Wasser, 7.5f); // the last sample of the dive is kept
    EXPECT_EQ(W::sData[W::sDataMax].p_N2_Gewebe[3], 1.25L);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(Saettigung, neuer_Tauchgang_und_Pause_nach_voller_Sample_Tabelle) {
    // Regression: after a dive that filled the sample table, New dive and the surface interval
    // of a repetition dive stopped with "sDataMax exceeded".
    W::sData_Anzahl = W::sDataMax;
    EXPECT_NO_THROW(Saettigung_Start(true));
    EXPECT_EQ(W::sData_Anzahl, 0);
    W::sData_Anzahl = W::sDataMax;
    EXPECT_NO_THROW(Oberflaechenpause(1.5f));
    EXPECT_EQ(W::sData_Anzahl, 0);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}
