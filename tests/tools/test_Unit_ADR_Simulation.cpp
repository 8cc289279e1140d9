#include "Unit_ADR_Simulation.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace Sim = Unit_ADR_Simulation;

namespace {

Sim::Zustand Ruhiger_Stand(Sim::Einstellungen e = {}) {
    e.Rauschen_mV = 0.0;
    return Sim::Anfangszustand(e);
}

void Ventile_setzen(Sim::Zustand& z, int Code_O2, int Code_He) {
    Sim::Befehl_ausfuehren(z, "VA" + std::to_string(Code_O2));
    Sim::Befehl_ausfuehren(z, "VB" + std::to_string(Code_He));
}

// Millivolts from a single-ended reading in range 0, as the blender scales it.
double gelesen_mV(Sim::Zustand& z, int Kanal) {
    const auto Antwort = Sim::Befehl_ausfuehren(z, "RD" + std::to_string(Kanal));
    EXPECT_TRUE(Antwort && Antwort->size() == 4);
    return std::stoi(*Antwort) / 4095.0 * 5000.0;
}

struct Ventilfall {
    int Code_O2, Code_He;
    double Sauerstoff_l_min, Helium_l_min;
};

class Ventile : public testing::TestWithParam<Ventilfall> {};

TEST_P(Ventile, folgen_den_Ausgaengen) {
    const auto& f = GetParam();
    auto z = Ruhiger_Stand();
    Ventile_setzen(z, f.Code_O2, f.Code_He);
    const auto Fluss = Sim::Ventilfluesse(z);
    EXPECT_DOUBLE_EQ(Fluss.Luft_l_min, 100.0);
    EXPECT_NEAR(Fluss.Sauerstoff_l_min, f.Sauerstoff_l_min, 0.05);
    EXPECT_NEAR(Fluss.Helium_l_min, f.Helium_l_min, 0.05);
}

// 1000 mV on an output is code 819, 5000 mV code 4095; codes above full scale stay at full scale.
INSTANTIATE_TEST_SUITE_P(Fluesse, Ventile,
                         testing::Values(Ventilfall{0, 0, 0.0, 0.0}, Ventilfall{819, 819, 20.0, 36.0},
                                         Ventilfall{4095, 4095, 100.0, 180.0},
                                         Ventilfall{9999, 0, 100.0, 0.0}));

struct Zellfall {
    int Code_O2, Code_He;
    double O2_a, O2_b; // expected shares in %
    double mV_a, mV_b; // the default calibrations read backwards
};

class Zellen : public testing::TestWithParam<Zellfall> {};

TEST_P(Zellen, zeigen_nach_dem_Einschwingen_den_Sauerstoff_des_Stroms) {
    const auto& f = GetParam();
    auto z = Ruhiger_Stand();
    Ventile_setzen(z, f.Code_O2, f.Code_He);
    const auto Anteil = Sim::Sauerstoff_Anteile(Sim::Ventilfluesse(z));
    EXPECT_NEAR(Anteil[0], f.O2_a, 0.01);
    EXPECT_NEAR(Anteil[1], f.O2_b, 0.01);
    for (int i = 0; i < 300; ++i) Sim::Fortschreiben(z, 0.1);
    // One converter step is 5000 / 4095 mV.
    EXPECT_NEAR(gelesen_mV(z, 0), f.mV_a, 1.3);
    EXPECT_NEAR(gelesen_mV(z, 1), f.mV_b, 1.3);
}

INSTANTIATE_TEST_SUITE_P(Kalibrierung, Zellen,
                         testing::Values(
                             // Air alone: both cells at their air point.
                             Zellfall{0, 0, 20.9, 20.9, 411.3, 489.2},
                             // 100 l/min oxygen into 100 l/min air: (20.9 + 100) / 200.
                             Zellfall{4095, 0, 60.45, 60.45,
                                      411.3 + (60.45 - 20.9) / 79.1 * (2004.77 - 411.3),
                                      489.2 + (60.45 - 20.9) / 79.1 * (2330.41 - 489.2)},
                             // 180 l/min helium after the air: 20.9 / 280 behind it, below the air point.
                             Zellfall{0, 4095, 20.9, 7.4643, 411.3, 4.9 + 7.4643 / 20.9 * (489.2 - 4.9)}));

TEST(Zellen, folgen_mit_Verzoegerung_und_eine_eingefrorene_bleibt_stehen) {
    Sim::Einstellungen e;
    e.Zelle_eingefroren = 2;
    e.Einfrieren_ab_s = 0.0;
    auto z = Ruhiger_Stand(e);
    const double Luft_b = z.Zelle_mV[1];
    Ventile_setzen(z, 4095, 0);
    const double Ziel_a = Sim::Zellspannung_mV(1, 60.45);
    Sim::Fortschreiben(z, e.Zeitkonstante_Zelle_s);
    // After one time constant the cell has made 63 % of its way.
    EXPECT_NEAR(z.Zelle_mV[0], 411.3 + (Ziel_a - 411.3) * (1.0 - std::exp(-1.0)), 0.5);
    EXPECT_DOUBLE_EQ(z.Zelle_mV[1], Luft_b);
}

struct Druckfall {
    int Code_O2, Code_He;
    double Sekunden, Anstieg_bar;
};

class Druck : public testing::TestWithParam<Druckfall> {};

TEST_P(Druck, steigt_mit_dem_gelieferten_Gas) {
    const auto& f = GetParam();
    Sim::Einstellungen e;
    e.Flaschenvolumen_l = 10.0;
    e.Anfangsdruck_bar = 50.0;
    auto z = Ruhiger_Stand(e);
    Ventile_setzen(z, f.Code_O2, f.Code_He);
    for (double t = 0.0; t < f.Sekunden - 1e-9; t += 0.5) Sim::Fortschreiben(z, 0.5);
    EXPECT_NEAR(z.Druck_bar, 50.0 + f.Anstieg_bar, 1e-6);
    // The transducer: 996 mV at 0 bar, 4980 mV at 400 bar.
    EXPECT_NEAR(gelesen_mV(z, 2), 996.0 + z.Druck_bar * 9.96, 1.3);
    // The cylinder warms as it fills.
    EXPECT_GT(Sim::Temperatur_C(z), e.Umgebung_C);
}

INSTANTIATE_TEST_SUITE_P(Fuellung, Druck,
                         testing::Values(Druckfall{0, 0, 60.0, 10.0},       // air only: 100 barL into 10 l
                                         Druckfall{4095, 4095, 60.0, 38.0}, // 380 l/min
                                         Druckfall{4095, 0, 30.0, 10.0},    // 200 l/min for half a minute
                                         Druckfall{4095, 4095, 3600.0, 350.0})); // stops at full scale

struct Befehlsfall {
    const char* Befehl;
    const char* Antwort; // "" = none
};

class Befehle : public testing::TestWithParam<Befehlsfall> {};

TEST_P(Befehle, antworten_wie_der_Wandler) {
    auto z = Ruhiger_Stand();
    const auto Antwort = Sim::Befehl_ausfuehren(z, GetParam().Befehl);
    EXPECT_EQ(Antwort.value_or(""), GetParam().Antwort);
}

// At 0 bar the transducer gives 996 mV: 816 in range 0, (0.996 + 5) / 10 * 4095 = 2455 in range 1.
// Unused inputs read 0 V. Differential 4-5 of two unused inputs is 0 V; 2-3 reads pressure against
// temperature, negative, so range 0 clips it at 0.
INSTANTIATE_TEST_SUITE_P(Protokoll, Befehle,
                         testing::Values(Befehlsfall{"RD2", "0816"}, Befehlsfall{"RB2", "2455"},
                                         Befehlsfall{"RD7", "0000"}, Befehlsfall{"RB7", "2048"},
                                         Befehlsfall{"RA4", "0000"}, Befehlsfall{"RC5", "2048"},
                                         Befehlsfall{"RA2", "0000"}, Befehlsfall{"rd2", "0816"},
                                         Befehlsfall{"VA819", ""}, Befehlsfall{"RD8", ""},
                                         Befehlsfall{"RD", ""}, Befehlsfall{"RX1", ""},
                                         Befehlsfall{"RD1a", ""}));

TEST(Befehle, differentiell_liest_die_Paare_in_beiden_Richtungen) {
    auto z = Ruhiger_Stand();
    const int Plus_2 = std::stoi(*Sim::Befehl_ausfuehren(z, "RC2"));
    const int Plus_3 = std::stoi(*Sim::Befehl_ausfuehren(z, "RC3"));
    // The two directions lie symmetric around 0 V (2047.5) in range 1.
    EXPECT_NEAR(Plus_2 + Plus_3, 4095, 1);
    EXPECT_LT(Plus_2, 2047); // pressure 996 mV against temperature above 2 V
}

} // namespace
