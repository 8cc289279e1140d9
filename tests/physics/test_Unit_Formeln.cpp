#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <string>

using namespace Unit_Formeln;

class Formeln : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        bar_Luft = 1.01325f;
        m_pro_bar = 10.0f;
        p_H2O_setzen(true);
    }
};

TEST_F(Formeln, Umgebungsdruck_und_Tiefe) {
    EXPECT_FLOAT_EQ(bar_Umgebung_aus(0), 1.01325f);
    EXPECT_FLOAT_EQ(bar_Umgebung_aus(40), 5.01325f); // 40 / 10 + 1.01325
    EXPECT_FLOAT_EQ(m_Wasser_aus(5.01325f), 40.0f);
    EXPECT_NEAR(m_Wasser_aus(1.0f), -0.1325f, 1e-5f); // below the surface pressure: no clamping
    m_pro_bar = 9.8796f;
    EXPECT_NEAR(bar_Umgebung_aus(30), 30 / 9.8796 + 1.01325, 1e-6);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(Formeln, Division_durch_Null_meldet_sich_bei_jedem_Aufruf) {
    m_pro_bar = 0;
    EXPECT_FLOAT_EQ(bar_Umgebung_aus(10), -99.9f);
    EXPECT_FLOAT_EQ(bar_Umgebung_aus(20), -99.9f);
    EXPECT_FLOAT_EQ(m_END_aus(0.79f, 30), -99.9f);
    Unit_Tools::Sprache = 1;
    m_pro_bar = 10;
    EXPECT_FLOAT_EQ(m_MOD_aus(1.6f, 0), 0);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 4u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Division durch Null in FUNCTION bar_Umgebung_aus");
    EXPECT_EQ(Oberflaeche.Meldungen[2].Text, "Division durch Null in FUNCTION m_END_aus");
    EXPECT_EQ(Oberflaeche.Meldungen[3].Text, "Division by zero in FUNCTION m_MOD_aus");
    for (const auto& m : Oberflaeche.Meldungen) EXPECT_EQ(m.Art, Unit_UI::Meldungsart::Problem);
}

TEST_F(Formeln, MOD_mit_und_ohne_Wasserdampf) {
    // (1.6 / 0.21 - 1.01325 + 0.0627) x 10 = (7.619048 - 0.95055) x 10 = 66.685
    EXPECT_NEAR(m_MOD_aus(1.6f, 0.21f), 66.685f, 0.005f);
    p_H2O_setzen(false);
    EXPECT_FLOAT_EQ(p_H2O, 0);
    // (7.619048 - 1.01325) x 10 = 66.058
    EXPECT_NEAR(m_MOD_aus(1.6f, 0.21f), 66.058f, 0.005f);
    // minimum operating depth of a hypoxic trimix: 0.16 / 0.10 = 1.6 bar -> 5.87 m without vapour
    EXPECT_NEAR(m_MOD_aus(0.16f, 0.10f), 5.8675f, 0.001f);
}

TEST_F(Formeln, END) {
    // ((3 + 1.01325) x 0.79 / 0.7902 - 1.01325) x 10 = (4.012234 - 1.01325) x 10 = 29.990
    EXPECT_NEAR(m_END_aus(0.79f, 30), 29.99f, 0.005f);
    EXPECT_FLOAT_EQ(m_END_aus(0.0f, 80), 0);
    EXPECT_FLOAT_EQ(m_END_aus(0.7902f, 0), 0);  // air at the surface
    EXPECT_FLOAT_EQ(m_END_aus(0.7902f, -5), 0); // never negative
    bar_Luft = 0.92889f;                        // at altitude the dry air gives a negative raw END
    EXPECT_FLOAT_EQ(m_END_aus(0.7902f, 0), 0);
    // breathed air at the surface: (1.01325 - 0.0627) x 0.7902 = 0.751135 bar -> raw -0.627 m
    EXPECT_FLOAT_EQ(m_END_aus_pN2(0.751135f), 0);
    // 3.17 bar N2 -> (3.17 / 0.7902 - 1.01325) x 10 = 29.984 m
    EXPECT_NEAR(m_END_aus_pN2(3.17f), 29.984f, 0.002f);
    // END 30 m -> (3 + 1.01325) x 0.7902 = 3.1713 bar; and back
    EXPECT_NEAR(bar_pN2_aus_END(30), 3.17127f, 1e-4f);
    EXPECT_NEAR(m_END_aus_pN2(bar_pN2_aus_END(30)), 30.0f, 1e-3f);
    EXPECT_FLOAT_EQ(bar_pN2_aus_END(-20), 0);
}

TEST_F(Formeln, eingeatmete_Inertgasdruecke_und_ihre_Maxima) {
    namespace W = Unit_WayPoints;
    W::bar_Umgebung = 5.01325L;
    W::f_N2_atmen = 0.44f;
    W::f_He_atmen = 0.35f;
    const auto p = p_inert_atmen();
    EXPECT_NEAR(p.p_N2_atmen, (5.01325 - 0.0627) * 0.44, 1e-5);
    EXPECT_NEAR(p.p_He_atmen, (5.01325 - 0.0627) * 0.35, 1e-5);
    W::bar_Umgebung = 2.0L;
    p_inert_atmen();
    EXPECT_NEAR(static_cast<double>(p_N2_atmen_MAX), (5.01325 - 0.0627) * 0.44, 1e-5); // kept
    EXPECT_NEAR(static_cast<double>(p_He_atmen_MAX), (5.01325 - 0.0627) * 0.35, 1e-5);
}

TEST_F(Formeln, Wasserdichte_und_Tiefenkalibrierung) {
    EXPECT_NEAR(g_pro_cm3_WasserDichte(20, 3.4f), 1.032144f, 1e-6f); // 0.998205 x 1.034
    EXPECT_NEAR(m_pro_bar_aus_g_pro_cm3(1.032144f), 9.8796f, 1e-4f); // 1 / (1.032144 x 0.0980665)
    EXPECT_NEAR(m_pro_bar_aus_g_pro_cm3(g_pro_cm3_WasserDichte(4, 0)), 10.1974f, 1e-4f);
    EXPECT_NEAR(g_pro_cm3_WasserDichte(25, 0), 0.997047f, 1e-7f);
    // its own inverse: 1000 kg/m³ -> 10.197 m/bar -> 1000 kg/m³
    EXPECT_NEAR(m_pro_bar_aus_kg_pro_m3(1000), 10.197162f, 1e-5f);
    EXPECT_NEAR(m_pro_bar_aus_kg_pro_m3(m_pro_bar_aus_kg_pro_m3(1025)), 1025.0f, 1e-2f);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(Formeln, Wasserdichte_ausserhalb_der_Tabelle_bricht_nur_den_Befehl_ab) {
    EXPECT_THROW(g_pro_cm3_WasserDichte(12, 0), Unit_UI::Befehl_abgebrochen);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Problem in FUNCTION g_pro_cm3_WasserDichte");
}

TEST_F(Formeln, Luftdruck_und_Hoehe) {
    EXPECT_FLOAT_EQ(bar_Luft_aus_Hoehe(0), 1.01325f);
    EXPECT_NEAR(bar_Luft_aus_Hoehe(700), 0.92889f, 1e-5f); // 1.01325 x exp(-0.0869326)
    EXPECT_EQ(m_NN_aus_bar_Luft(1.01325f), 0);
    EXPECT_EQ(m_NN_aus_bar_Luft(bar_Luft_aus_Hoehe(700)), 700);
    EXPECT_EQ(m_NN_aus_bar_Luft(bar_Luft_aus_Hoehe(2500)), 2500);
    EXPECT_EQ(m_NN_aus_bar_Luft(0), 0); // no pressure: no altitude, no crash
}

TEST_F(Formeln, Tiefenzuschlag_und_Geraetenamen) {
    EXPECT_FLOAT_EQ(m_Tiefenzuschlag(0), 1);
    EXPECT_FLOAT_EQ(m_Tiefenzuschlag(30), 31.9f);
    EXPECT_NEAR(m_ohne_Tiefenzuschlag(31.9f), 30.0f, 1e-5f);
    EXPECT_FLOAT_EQ(m_ohne_Tiefenzuschlag(0.5f), 0);
    EXPECT_EQ(Tauchgeraet_Text(0), "OC");
    EXPECT_EQ(Tauchgeraet_Text(1), "CCR");
    EXPECT_EQ(Tauchgeraet_Text(2), "SCR");
    EXPECT_EQ(Tauchgeraet_Text(3), "pSCR");
    EXPECT_EQ(Tauchgeraet_Text(4), "-");
    EXPECT_EQ(Tauchgeraet_Text(-1), "-");
}

struct Dichtefall {
    const char* Fall;
    float O2, N2, He, bar;
    double g_pro_L, Toleranz;
};
class Gasdichte : public Formeln, public ::testing::WithParamInterface<Dichtefall> {};

// By hand: p M / (R T) at 0 °C, M from 31.9988 (O2), 28.0134 (N2), 4.002602 (He) g/mol; and the
// normal densities of gas tables at 1.01325 bar and 0 °C, which the ideal gas meets within 0.1 %.
TEST_P(Gasdichte, nach_Molmassen_bei_0_Grad) {
    const auto& f = GetParam();
    EXPECT_NEAR(g_pro_L_Gasdichte(f.O2, f.N2, f.He, f.bar), f.g_pro_L, f.Toleranz);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Gasdichte,
    ::testing::Values(
        // 60 m: 7.01325 bar; M = 0.18 x 31.9988 + 0.37 x 28.0134 + 0.45 x 4.002602 = 17.925913 g/mol
        Dichtefall{"Trimix_18_45_auf_60_m", 0.18f, 0.37f, 0.45f, 7.01325f,
                   7.01325e5 * 17.925913 / (8.314462618 * 273.15) / 1000, 1e-4}, // 5.5355 g/l
        Dichtefall{"Sauerstoff_Normdichte", 1, 0, 0, 1.01325f, 1.429, 0.002},
        Dichtefall{"Stickstoff_Normdichte", 0, 1, 0, 1.01325f, 1.2506, 0.002},
        Dichtefall{"Helium_Normdichte", 0, 0, 1, 1.01325f, 0.1786, 0.001}),
    [](const auto& i) { return std::string(i.param.Fall); });
