#include "gases/Gasumgebung.hpp"
#include "gases/Unit_GasZeiger.hpp"
#include "lang/Unit_Tools.hpp"

using namespace Unit_GasZeiger;

struct Zeigerfall {
    const char* Fall;
    int32_t Gas;
    float m;
    int32_t Sprache;
    const char* Hinweis;
    bool pO2_gelb, MOD_gelb, END_gelb;
};
class Gaszeiger : public Gasumgebung, public ::testing::WithParamInterface<Zeigerfall> {};

// Open circuit: P = bar - 0.0627; MOD = (1.601 / f_O2 - 1.01325 + 0.0627) x 10.
TEST_P(Gaszeiger, Warnungen) {
    const Zeigerfall f = GetParam();
    Unit_Tools::Sprache = f.Sprache;
    Unit_WayPoints::Tauchgeraet = 1; // ignored: the indicator always computes open circuit
    Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(f.Gas);
    const Gaszeiger_Type z = Gaszeiger_berechnen(f.m);
    EXPECT_EQ(z.Hinweis, f.Hinweis);
    EXPECT_EQ(z.pO2_gelb, f.pO2_gelb);
    EXPECT_EQ(z.MOD_gelb, f.MOD_gelb);
    EXPECT_EQ(z.END_gelb, f.END_gelb);
    EXPECT_EQ(z.Hinweis_gelb, f.pO2_gelb || f.MOD_gelb || f.END_gelb);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Gaszeiger,
    ::testing::Values(
        Zeigerfall{"EAN50_auf_40_m", 4, 40, 0, "MOD überschritten", false, true, false},        // MOD 22.5
        Zeigerfall{"Tmx10_an_der_Oberflaeche", 14, 0, 0, "p(O2) zu klein", true, false, false}, // 0.095
        // MOD 66.9 m; END from 7.95055 x 0.7902 bar of N2: 69.4 m
        Zeigerfall{"Luft_auf_70_m", 0, 70, 1, "MOD überschritten / END überschritten", false, true, true},
        Zeigerfall{"Luft_auf_20_m", 0, 20, 0, "Gas ist OK", false, false, false},
        Zeigerfall{"Luft_auf_20_m_englisch", 0, 20, 1, "Gas is OK", false, false, false}),
    Fallname());

// EAN50 at 40 m: pO2 = 4.95055 x 0.5 = 2.475; END = (2.475 / 0.7902 - 1.01325) x 10 = 21.2 m.
TEST_F(Gasumgebung, Gaszeiger_Werte) {
    Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(4);
    const Gaszeiger_Type z = Gaszeiger_berechnen(40);
    EXPECT_EQ(z.Titel, "EAN50");
    EXPECT_EQ(z.O2_prozent, "50.00");
    EXPECT_EQ(z.He_prozent, "0.00");
    EXPECT_EQ(z.pO2, "2.48");
    EXPECT_EQ(z.pO2_max, "1.60");
    EXPECT_EQ(z.pO2_min, "0.16");
    EXPECT_EQ(z.MOD, "22.5");
    EXPECT_EQ(z.END, "21.2");
}
