#include "gases/Gasumgebung.hpp"
#include "gases/Unit_Gasrechner.hpp"
#include "lang/Unit_Tools.hpp"

using namespace Unit_Gasrechner;
namespace G = Unit_Gasgemisch_BestMix;
namespace F = Unit_Formeln;

class Gasrechner_Test : public Gasumgebung {
  protected:
    void SetUp() override {
        Gasumgebung::SetUp();
        F::m_pro_bar = 10;
        F::bar_Luft = 1.01325f;
    }
    // The fields as the window holds them.
    static Eingaben Felder(float m, float pO2 = 1.4f, float END = 30) {
        return {std::to_string(pO2), std::to_string(m), std::to_string(END)};
    }
    // The gas checked on its own, without the calculator.
    static G::Gaspruefung_Type pruefen(float m, int O2, int N2) {
        return G::Gas_pruefen(m, static_cast<float>(O2), static_cast<float>(N2), "", false, false);
    }
    Gasrechner_Type Z;
};

struct Wunschmix {
    const char* Fall;
    float m, pO2, END;
    bool Trimix;
    int O2, N2, He; // worked by hand from the pressures
};
class Mix_berechnen : public Gasrechner_Test, public ::testing::WithParamInterface<Wunschmix> {};

TEST_P(Mix_berechnen, aus_pO2_und_END) {
    const Wunschmix w = GetParam();
    Z.Trimix = w.Trimix;
    Tiefe_geaendert(Z, Felder(w.m, w.pO2, w.END));
    EXPECT_EQ(Z.O2, w.O2);
    EXPECT_EQ(Z.N2, w.N2);
    EXPECT_EQ(Z.He, w.He);
    EXPECT_EQ(Z.O2 + Z.N2 + Z.He, 100);
    EXPECT_EQ(Z.Name, G::Gasname_aus_Anteilen(w.O2 / 100.0f, w.N2 / 100.0f, w.He / 100.0f));
    // Whatever the rounding, the mix stays within the oxygen limits at its depth.
    EXPECT_GE(Z.Werte.pO2, bar_pO2_min);
    EXPECT_LE(Z.Werte.pO2, bar_pO2_max);
    EXPECT_FLOAT_EQ(Z.bar_pO2, w.pO2) << "the wanted pO2 stays";
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Mix_berechnen,
    ::testing::Values(
        // P = 4.013 bar, f_O2 = 0.349
        Wunschmix{"EAN35_auf_30_m", 30, 1.40f, 30, false, 35, 65, 0},
        // 1.4 bar cannot be had at the surface: pure oxygen
        Wunschmix{"an_der_Oberflaeche_reiner_Sauerstoff", 0, 1.40f, 30, false, 100, 0, 0},
        // 1.601 / 4.013 = 39.9 %: 40 % would be 1.605 bar, over the limit
        Wunschmix{"Rundung_nicht_ueber_1_601_bar", 30, 1.601f, 30, false, 39, 61, 0},
        // 0.16 / 11.01 = 1.45 %: 1 % would be 0.11 bar, hypoxic at the operating depth
        Wunschmix{"Rundung_nicht_unter_0_16_bar", 100, 0.16f, 30, false, 2, 98, 0},
        // 0.16 / 36.01 rounds to 0 %: a gas needs oxygen
        Wunschmix{"nie_0_Prozent_Sauerstoff", 350, 0.16f, 30, false, 1, 99, 0},
        // O2 1.3 / 7.013 = 18.5 %; N2 (3.0 + 1.013) x 0.7902 / 7.013 = 45.2 %, the inverse of the
        // END check (with 1 bar instead of 1.013 it would be 46 %, and END 30.7 m)
        Wunschmix{"Trimix_60_m_END_30", 60, 1.3f, 30, true, 19, 45, 36},
        // END deeper than the depth: all that is not oxygen is nitrogen
        Wunschmix{"Trimix_END_tiefer_als_die_Tiefe", 20, 1.4f, 50, true, 46, 54, 0}),
    Fallname());

struct BestMix_Fall {
    const char* Fall;
    float m, Ziel;
    int O2, He;
    bool erreicht;
};
class Best_Mix_Test : public Gasrechner_Test, public ::testing::WithParamInterface<BestMix_Fall> {};

TEST_P(Best_Mix_Test, magerstes_O2_und_wenigstes_Helium) {
    const BestMix_Fall b = GetParam();
    EXPECT_EQ(Best_Mix(Z, b.Ziel, Felder(b.m)), b.erreicht);
    EXPECT_EQ(Z.O2, b.O2);
    EXPECT_EQ(Z.He, b.He);
    EXPECT_EQ(Z.N2, 100 - b.O2 - b.He);
    EXPECT_TRUE(Z.Mix_berechnen) << "the mode comes back";
    EXPECT_LE(Z.Werte.pO2, bar_pO2_max);
    EXPECT_LE(Z.Werte.END, m_END_BestMix);
    if (b.He > 0) {
        EXPECT_GT(pruefen(b.m, b.O2, Z.N2 + 1).END, m_END_BestMix) << "one helium less is too narcotic";
    }
    if (b.erreicht) {
        EXPECT_GE(Z.Werte.pO2, b.Ziel);
        EXPECT_LT(pruefen(b.m, b.O2 - 1, 0).pO2, b.Ziel) << "one oxygen less misses the target";
        EXPECT_EQ(Oberflaeche.Meldungen.size(), 0u);
    } else {
        EXPECT_EQ(Oberflaeche.Anzahl("nicht zu erreichen"), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Best_Mix_Test,
                         ::testing::Values(
                             // 28 % gives 1.404 bar, 27 % 1.354
                             BestMix_Fall{"OC_40_m", 40, 1.4f, 28, 9, true},
                             BestMix_Fall{"CCR_100_m", 100, 1.1f, 10, 62, true},
                             // even pure oxygen gives 1.01 bar
                             BestMix_Fall{"an_der_Oberflaeche", 0, 1.4f, 100, 0, false},
                             // 4 % gives 1.32 bar, 5 % 1.65: over the limit, so 4 %
                             BestMix_Fall{"tief_ueber_der_Grenze", 320, 1.4f, 4, 87, false}),
                         Fallname());

TEST_F(Gasrechner_Test, Gas_Check_21_0_79_auf_100_m) {
    Modus_setzen(Z, false);
    Anteile_setzen(Z, 21, 79);
    Gas_Check(Z, Felder(100));
    EXPECT_NEAR(Z.bar_pO2, 2.31f, 0.005f);
    EXPECT_TRUE(Z.Werte.pO2_ausserhalb);
    EXPECT_EQ(Oberflaeche.Anzahl("Maximaler Sauerstoff-Partialdruck überschritten !"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl("pO2 =  2.31 bar"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl("Aus dem Gas = HeliOx21"), 1);
}

TEST_F(Gasrechner_Test, Anteile_nie_mit_negativem_Stickstoff) {
    Anteile_setzen(Z, 30, 30);
    EXPECT_EQ(Z.He, 0) << "ignored while the mix is computed";
    Modus_setzen(Z, false);
    const int Faelle[][4] = {{50, 70, 50, 50}, {0, 0, 1, 0}, {100, 5, 100, 0}, {18, 45, 18, 45}};
    for (const auto& f : Faelle) {
        Anteile_setzen(Z, f[0], f[1]);
        EXPECT_EQ(Z.O2, f[2]);
        EXPECT_EQ(Z.He, f[3]);
        EXPECT_EQ(Z.N2, 100 - f[2] - f[3]);
        EXPECT_EQ(Z.Trimix, f[3] > 0);
    }
    EXPECT_EQ(Z.Name, "Tmx18/45");
}

TEST_F(Gasrechner_Test, Felder_werden_gelesen_und_begrenzt) {
    struct {
        Eingaben Texte;
        float pO2, m, END;
        int Meldungen;
    } const Faelle[] = {{{"1,2", "45.5", "30"}, 1.2f, 45.5f, 30, 0},
                        {{"2", "400", "-5"}, bar_pO2_max, m_Tiefe_max, 0, 0},
                        {{"0.05", "-3", "80"}, bar_pO2_min, 0, 80, 0},
                        {{"", "zehn", "30"}, bar_pO2_min, 0, 30, 1}};
    for (const auto& f : Faelle) {
        Oberflaeche.Zuruecksetzen();
        Eingaben_lesen(Z, f.Texte);
        EXPECT_FLOAT_EQ(Z.bar_pO2, f.pO2) << f.Texte.pO2;
        EXPECT_FLOAT_EQ(Z.m_Einsatztiefe, f.m) << f.Texte.Tiefe;
        EXPECT_FLOAT_EQ(Z.m_END, f.END) << f.Texte.END;
        EXPECT_EQ(Oberflaeche.Anzahl("ist keine Zahl"), f.Meldungen);
    }
}

TEST_F(Gasrechner_Test, Trimix_mit_END_ueber_50_m_sucht_Helium_bis_30_m) {
    Gasart_setzen(Z, true, Felder(80, 1.4f, 60));
    EXPECT_TRUE(Z.Mix_berechnen);
    EXPECT_LE(Z.Werte.END, m_END_BestMix);
    EXPECT_GT(pruefen(80, Z.O2, Z.N2 + 1).END, m_END_BestMix);
}

TEST_F(Gasrechner_Test, Oeffnen_mit_dem_aktuellen_Gas_und_Warnung) {
    G::Gasgemisch_waehlen(1);
    Oeffnen(Z, 40);
    EXPECT_EQ(Z.Name, "EAN32");
    EXPECT_EQ(Z.O2, 32);
    EXPECT_FALSE(Z.Trimix);
    EXPECT_NEAR(Z.bar_pO2, 1.604f, 0.001f); // 5.013 bar x 0.32
    EXPECT_EQ(Oberflaeche.Anzahl("Maximaler Sauerstoff-Partialdruck überschritten !"), 1);
    G::Gasgemisch_waehlen(0);
    Oeffnen(Z, -4);
    EXPECT_EQ(Z.O2 + Z.N2, 100) << "air's measured fractions as whole percent";
    EXPECT_EQ(Z.m_Einsatztiefe, 0);
}

TEST_F(Gasrechner_Test, In_die_Gasliste) {
    struct {
        const char* Name;
        float O2, N2, He;
        int32_t Index;
        const char* Name_in_der_Liste;
    } const Faelle[] = {{"Mein EAN32", 32, 68, 0, 1, "EAN32"},
                        {"Deko 33", 33, 67, 0, 17, "Deko 33"},
                        {"  ", 20, 40, 40, 18, "Tmx20/40"},
                        {"Rest", 30, 30, 39, -1, nullptr},
                        {"Rest", 50, -10, 60, -1, nullptr}};
    for (const auto& f : Faelle) {
        const int32_t vorher = G::Gasgemisch_num;
        EXPECT_EQ(In_die_Gasliste(f.Name, f.O2, f.N2, f.He), f.Index) << f.Name;
        if (f.Index < 0) {
            EXPECT_EQ(G::Gasgemisch_num, vorher);
            continue;
        }
        EXPECT_EQ(G::Gasgemisch_num, f.Index);
        EXPECT_EQ(G::Gasgemisch[f.Index].Name, f.Name_in_der_Liste);
        EXPECT_FLOAT_EQ(G::f_O2, f.O2 / 100);
    }
    EXPECT_EQ(G::Gasgemisch_NumMax, 18);
    EXPECT_EQ(Oberflaeche.Anzahl("Summe muss 100 % ergeben !"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl("Kein Anteil darf negativ sein !"), 1);
}

TEST_F(Gasrechner_Test, Hinweise_nennen_Grenzen_und_hypoxisches_Gas) {
    Modus_setzen(Z, false);
    Tiefe_geaendert(Z, Felder(0));
    Anteile_setzen(Z, 10, 70);
    const auto Zeilen = Hinweise(Z);
    ASSERT_EQ(Zeilen.size(), 2u);
    EXPECT_EQ(Zeilen[0], "Minimaler Sauerstoff-Partialdruck unterschritten !");
    EXPECT_NE(Zeilen[1].find("erst ab"), std::string::npos);
    Unit_Tools::Sprache = 1;
    EXPECT_NE(Hinweise(Z)[1].find("Not breathable at the surface"), std::string::npos);
}

TEST_F(Gasrechner_Test, ohne_Wassersaeule_Division_durch_Null) {
    F::m_pro_bar = 0;
    Anteile m{7, 7, 7};
    EXPECT_FALSE(Mix_aus_pO2(30, 1.4f, 30, false, m));
    EXPECT_EQ(m.O2, 7);
    EXPECT_EQ(Oberflaeche.Anzahl("Division durch Null"), 1);
}
