#include "physics/Unit_Grenzwerte.hpp"
#include "support/Testumgebung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"

#include <cmath>
#include <ostream>
#include <vector>

using namespace Unit_Grenzwerte;
namespace W = Unit_WayPoints;
namespace S = Unit_Saettigungsmodelle;

namespace {

// Surface saturation with air: (1.01325 - 0.0627) x 0.7902 bar nitrogen.
constexpr long double p_N2_Oberflaeche = 0.751124L;

class Grenzwerte : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_waehlen(2, S::Modell_N2); // ZH-L16C N2
        S::Modell_waehlen(6, S::Modell_He); // ZH-L16A He
        S::GF_verwenden = false;
        S::GF_Lo = 0.4f;
        GF_aktuell_loeschen();
        Dekounfall_anzeigen = nullptr;
        Dekounfall_eintragen = nullptr;
        Gegendiffusion_Extreme_zuruecksetzen();
        Gegendiffusion = false;
        W::bar_Umgebung = 1.01325L;
        W::m_Wasser = 0;
        for (int i = 1; i <= 16; ++i) Gewebe(i, p_N2_Oberflaeche, 0);
        Oberflaeche.Zuruecksetzen();
    }
    void TearDown() override {
        Dekounfall_anzeigen = nullptr;
        Dekounfall_eintragen = nullptr;
        S::GF_verwenden = false;
        GF_aktuell_loeschen();
        Testumgebung::TearDown();
    }
    static void Gewebe(int i, long double N2, long double He) {
        W::p_N2_Gewebe[i] = N2;
        W::p_He_Gewebe[i] = He;
    }
    static void alle_Grenzwerte() {
        for (int i = 1; i <= 16; ++i) Gewebe_Grenzwerte(i);
    }
};

} // namespace

TEST_F(Grenzwerte, nur_Stickstoff_nimmt_die_Stickstoffkoeffizienten) {
    Gewebe(5, 2.0L, 0);
    const AB_Typ AB = AB_Koeffizienten(5);
    EXPECT_EQ(AB.A, 0.62f);
    EXPECT_EQ(AB.B, 0.8126f);
}

TEST_F(Grenzwerte, gleiche_Druecke_geben_die_Mittelwerte) {
    // (1.2599 + 1.7424) / 2 = 1.50115; (0.505 + 0.4245) / 2 = 0.46475
    Gewebe(1, 1.0L, 1.0L);
    const AB_Typ AB = AB_Koeffizienten(1);
    EXPECT_NEAR(AB.A, 1.50115, 1e-6);
    EXPECT_NEAR(AB.B, 0.46475, 1e-6);
}

TEST_F(Grenzwerte, druckgewichtetes_Mittel) {
    // 3 parts N2 to 1 part He: (3 x 0.62 + 0.922) / 4 = 0.6955; (3 x 0.8126 + 0.7582) / 4 = 0.799
    Gewebe(5, 1.5L, 0.5L);
    const AB_Typ AB = AB_Koeffizienten(5);
    EXPECT_NEAR(AB.A, 0.6955, 1e-6);
    EXPECT_NEAR(AB.B, 0.799, 1e-6);
}

struct Leer_Fall {
    const char* Name;
    Unit_Saettigungsmodelle::Kompartiment_Typ He;
    float A, B;
};

// Names the case in test listings.
static std::ostream& operator<<(std::ostream& o, const Leer_Fall& f) {
    return o << f.Name;
}

class Leeres_Kompartiment : public Grenzwerte, public ::testing::WithParamInterface<Leer_Fall> {};

// Compartment 3 of ZH-L16C N2: a 0.8618, b 0.7222.
TEST_P(Leeres_Kompartiment, nimmt_das_kleinere_a_und_das_groessere_b) {
    const Leer_Fall& f = GetParam();
    S::Modell_He.Kompartiment[3] = f.He;
    Gewebe(3, 0, 0);
    const AB_Typ AB = AB_Koeffizienten(3);
    EXPECT_EQ(AB.A, f.A);
    EXPECT_EQ(AB.B, f.B);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Leeres_Kompartiment,
    ::testing::Values(Leer_Fall{"Helium_ZH_L16A", {4.72f, 1.1919f, 0.6527f}, 0.8618f, 0.7222f},
                      Leer_Fall{"beides_vom_Helium", {4.72f, 0.5f, 0.9f}, 0.5f, 0.9f},
                      Leer_Fall{"a_vom_N2_b_vom_He", {4.72f, 1.0f, 0.8f}, 0.8618f, 0.8f},
                      Leer_Fall{"a_vom_He_b_vom_N2", {4.72f, 0.7f, 0.6f}, 0.7f, 0.7222f}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Grenzwerte, p_ig_mit_und_ohne_GF) {
    // Compartment 5 (a 0.62, b 0.8126) at 2 bar:
    // ZH: 2 / 0.8126 + 0.62 = 3.081235; GF 0.4: (0.4 / 0.8126 - 0.4 + 1) x 2 + 0.62 x 0.4 = 2.432494
    Gewebe(5, 1.5L, 0);
    W::bar_Umgebung = 2.0L;
    GF_aktuell_setzen(0.4f);
    Grenzdruck_Typ M = p_ig(5);
    EXPECT_NEAR(M.ZH, 3.081235, 1e-5);
    EXPECT_NEAR(M.GF, 2.432494, 1e-5);
    EXPECT_EQ(M.in_Kraft, M.ZH);
    S::GF_verwenden = true;
    M = p_ig(5);
    EXPECT_EQ(M.in_Kraft, M.GF);
}

TEST_F(Grenzwerte, GF_1_gleich_rein_und_GF_0_gleich_Umgebung) {
    Gewebe(9, 1.2L, 0.8L);
    W::bar_Umgebung = 3.5L;
    S::GF_verwenden = true;
    GF_aktuell_setzen(1.0f);
    Grenzdruck_Typ M = p_ig(9);
    EXPECT_NEAR(M.GF, M.ZH, 1e-6);
    const Grenzdruck_Typ pamb = p_amb(9);
    EXPECT_NEAR(pamb.GF, pamb.ZH, 1e-6);
    GF_aktuell_setzen(0.0f);
    EXPECT_NEAR(p_ig(9).in_Kraft, 3.5, 1e-6);  // no over-saturation tolerated
    EXPECT_NEAR(p_amb(9).in_Kraft, 2.0, 1e-6); // the tissue pressure itself
}

TEST_F(Grenzwerte, ohne_GF_aendert_der_GF_nichts) {
    Gewebe(7, 2.0L, 1.0L);
    W::bar_Umgebung = 2.5L;
    GF_aktuell_setzen(0.3f);
    const float M = p_ig(7).in_Kraft, pamb = p_amb(7).in_Kraft, Ceiling = p_amb_MAX();
    GF_aktuell_setzen(0.9f);
    EXPECT_EQ(p_ig(7).in_Kraft, M);
    EXPECT_EQ(p_amb(7).in_Kraft, pamb);
    EXPECT_EQ(p_amb_MAX(), Ceiling);
}

TEST_F(Grenzwerte, p_amb_mit_und_ohne_GF) {
    // Compartment 5 holding 2.5 bar N2: ZH (2.5 - 0.62) x 0.8126 = 1.527688;
    // GF 0.4: (2.5 - 0.4 x 0.62) / (0.4 / 0.8126 + 0.6) = 2.252 / 1.092247 = 2.061805
    Gewebe(5, 2.5L, 0);
    GF_aktuell_setzen(0.4f);
    const Grenzdruck_Typ pamb = p_amb(5);
    EXPECT_NEAR(pamb.ZH, 1.527688, 1e-5);
    EXPECT_NEAR(pamb.GF, 2.061805, 1e-5);
    EXPECT_EQ(pamb.in_Kraft, pamb.ZH);
}

struct Umkehr_Fall {
    int i;
    long double N2, He;
    float GF;
    bool GF_verwenden;
};

static std::ostream& operator<<(std::ostream& o, const Umkehr_Fall& f) {
    return o << "Kompartiment " << f.i << ", GF " << f.GF;
}

class p_amb_Umkehrung : public Grenzwerte, public ::testing::WithParamInterface<Umkehr_Fall> {};

// At the tolerated ambient pressure the tolerated tissue pressure is the tissue pressure itself.
TEST_P(p_amb_Umkehrung, p_ig_beim_tolerierten_Umgebungsdruck_ist_der_Gewebedruck) {
    const Umkehr_Fall& f = GetParam();
    Gewebe(f.i, f.N2, f.He);
    S::GF_verwenden = f.GF_verwenden;
    GF_aktuell_setzen(f.GF);
    W::bar_Umgebung = p_amb(f.i).in_Kraft;
    EXPECT_NEAR(p_ig(f.i).in_Kraft, static_cast<double>(f.N2 + f.He), 2e-6);
}

INSTANTIATE_TEST_SUITE_P(Faelle, p_amb_Umkehrung,
                         ::testing::Values(Umkehr_Fall{1, 2.0L, 0, 1, false},
                                           Umkehr_Fall{5, 1.2L, 1.4L, 1, false},
                                           Umkehr_Fall{5, 1.2L, 1.4L, 0.3f, true},
                                           Umkehr_Fall{12, 0.9L, 2.2L, 0.85f, true},
                                           Umkehr_Fall{16, 3.0L, 0.1L, 0.55f, true}));

TEST_F(Grenzwerte, Ceiling_ist_das_groesste_p_amb) {
    // Compartment 3 holding 3 bar: (3 - 0.8618) x 0.7222 = 1.544208; all others at surface saturation
    // stay below 0.5 bar (compartment 16: (0.751124 - 0.2327) x 0.9653 = 0.500435).
    Gewebe(3, 3.0L, 0);
    EXPECT_NEAR(p_amb_MAX(), 1.544208, 1e-5);
    Gewebe(3, p_N2_Oberflaeche, 0);
    EXPECT_NEAR(p_amb_MAX(), 0.500435, 1e-5);
}

TEST_F(Grenzwerte, Gewebe_Grenzwerte_schreibt_die_drei_Felder) {
    Gewebe(5, 1.5L, 0);
    W::bar_Umgebung = 2.0L;
    GF_aktuell_setzen(0.4f);
    S::GF_verwenden = true;
    Gewebe_Grenzwerte(5);
    EXPECT_NEAR(static_cast<double>(W::p_N2He_Gewebe_MAX_ZH[5]), 3.081235, 1e-5);
    EXPECT_NEAR(static_cast<double>(W::p_N2He_Gewebe_MAX_GF[5]), 2.432494, 1e-5);
    EXPECT_EQ(W::p_N2He_Gewebe_MAX[5], W::p_N2He_Gewebe_MAX_GF[5]);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

namespace {
struct Zaehler : Unit_UI::Headless {
    std::vector<int> Kompartimente;
    void Kompartiment_geaendert(int i) override { Kompartimente.push_back(i); }
};
} // namespace

TEST_F(Grenzwerte, Gewebe_Grenzwerte_meldet_den_Balken_zum_Neuzeichnen) {
    Zaehler z;
    Unit_UI::UI_setzen(&z);
    Gewebe_Grenzwerte(4);
    Gewebe_Grenzwerte(11);
    EXPECT_EQ(z.Kompartimente, (std::vector<int>{4, 11}));
    Unit_UI::UI_setzen(&Oberflaeche);
}

TEST_F(Grenzwerte, genau_am_tolerierten_Druck_kein_Dekounfall) {
    alle_Grenzwerte();
    Gewebe(5, W::p_N2He_Gewebe_MAX_ZH[5], 0);
    Gewebe_Grenzwerte(5);
    EXPECT_FALSE(Dekounfall(5));
    EXPECT_FALSE(Dekounfall_irgendwo());
    Gewebe(5, std::nextafter(W::p_N2He_Gewebe_MAX_ZH[5], 10.0L), 0);
    EXPECT_TRUE(Dekounfall(5));
    EXPECT_TRUE(Dekounfall_irgendwo());
}

TEST_F(Grenzwerte, Dekounfall_prueft_mit_GF_gegen_den_GF_Wert) {
    // Compartment 5 at 1.01325 bar: ZH 1.866923, GF 0.4: (0.4 / 0.8126 + 0.6) x 1.01325 + 0.248 = 1.354719.
    S::GF_verwenden = true;
    GF_aktuell_setzen(0.4f);
    Gewebe(5, 1.5L, 0);
    W::p_N2He_Gewebe_MAX_ZH[5] = 1.866923L;
    W::p_N2He_Gewebe_MAX_GF[5] = 1.354719L;
    EXPECT_TRUE(Dekounfall(5));
    S::GF_verwenden = false;
    EXPECT_FALSE(Dekounfall(5));
    EXPECT_FALSE(Dekounfall(0));
    EXPECT_FALSE(Dekounfall(17));
}

// The limits find the accident; the dive calculation enters it as a waypoint through its hook,
// which is shown after it was entered.
TEST_F(Grenzwerte, Dekounfall_wird_eingetragen_und_gemeldet_einmal_je_Episode) {
    std::vector<std::string> eingetragen;
    Dekounfall_eintragen = [&](const std::string& Aktion) {
        eingetragen.push_back(Aktion);
        ++W::WayPoint_Anzahl;
    };
    std::vector<int32_t> gezeigt;
    Dekounfall_anzeigen = [&](int32_t Nr) { gezeigt.push_back(Nr); };
    const int32_t vorher = W::WayPoint_Anzahl;
    Gewebe(2, 2.5L, 0); // compartment 2 tolerates 1.01325 / 0.6514 + 1.0 = 2.555 bar at the surface
    alle_Grenzwerte();
    EXPECT_TRUE(eingetragen.empty());
    Gewebe(2, 2.6L, 0);
    W::Warntext.clear();
    Gewebe_Grenzwerte(2);
    EXPECT_EQ(eingetragen, std::vector<std::string>{"DEKOUNFALL"});
    EXPECT_NE(W::Warntext.find("DEKOUNFALL"), std::string::npos);
    EXPECT_EQ(gezeigt, std::vector<int32_t>{vorher + 1});
    EXPECT_EQ(Oberflaeche.Anzahl("DEKOMPRESSIONSUNFALL"), 1);
    // While the warning text carries the accident, later steps add nothing.
    Gewebe_Grenzwerte(2);
    Gewebe_Grenzwerte(2);
    EXPECT_EQ(eingetragen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Anzahl("DEKOMPRESSIONSUNFALL"), 1);
}

TEST_F(Grenzwerte, Dekounfall_vor_vorhandener_Warnung_auf_Englisch) {
    std::string eingetragen;
    Dekounfall_eintragen = [&](const std::string& Aktion) { eingetragen = Aktion; };
    Unit_Tools::Sprache = 1;
    Gewebe(2, 2.6L, 0);
    W::Warntext = "END > 50 m. ";
    Gewebe_Grenzwerte(2);
    EXPECT_EQ(eingetragen, "DECO ACCIDENT. END > 50 m. ");
    EXPECT_EQ(Oberflaeche.Anzahl("DECOMPRESSION ACCIDENT"), 1);
}

TEST_F(Grenzwerte, nach_Oberflaechensaettigung_keine_Uebersaettigung) {
    alle_Grenzwerte();
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(Uebersaettigung_Prozent(i), 0.0f) << i;
    const Leitkompartiment_Typ Leit = Leitkompartiment();
    EXPECT_EQ(Leit.i, 1);
    EXPECT_EQ(Leit.Prozent, 0.0f);
}

TEST_F(Grenzwerte, Uebersaettigung_nimmt_immer_den_reinen_M_Wert) {
    // Compartment 5 with 2 bar at 1.01325 bar: M_ZH = 1.866923;
    // (2 - 1.01325) / (1.866923 - 1.01325) x 100 = 0.98675 / 0.853673 x 100 = 115.589 %
    Gewebe(5, 2.0L, 0);
    S::GF_verwenden = true;
    GF_aktuell_setzen(0.4f);
    alle_Grenzwerte();
    EXPECT_NEAR(Uebersaettigung_Prozent(5), 115.589, 1e-3);
    const Leitkompartiment_Typ Leit = Leitkompartiment();
    EXPECT_EQ(Leit.i, 5);
    EXPECT_NEAR(Leit.Prozent, 115.589, 1e-3);
}

TEST_F(Grenzwerte, Leitkompartiment_ist_das_erste_mit_dem_groessten_Wert) {
    S::Modell_N2.Kompartiment[9] = S::Modell_N2.Kompartiment[4];
    Gewebe(4, 1.5L, 0);
    Gewebe(9, 1.5L, 0);
    alle_Grenzwerte();
    ASSERT_GT(Uebersaettigung_Prozent(4), 0.0f);
    EXPECT_EQ(Uebersaettigung_Prozent(9), Uebersaettigung_Prozent(4));
    EXPECT_EQ(Leitkompartiment().i, 4);
}

// Regression: before any limit is computed the arrays hold 0, and the plain formula gave
// (0.75 - 1.01) / (0 - 1.01) = +26 % for a compartment below ambient pressure, and a division by
// zero where the margin is exactly 0. No margin now shows 0.
TEST_F(Grenzwerte, Uebersaettigung_ohne_berechnete_Grenzwerte_ist_null) {
    W::p_N2He_Gewebe_MAX_ZH.fill(0);
    EXPECT_EQ(Uebersaettigung_Prozent(3), 0.0f);
    Gewebe(3, 2.0L, 0);
    EXPECT_EQ(Uebersaettigung_Prozent(3), 0.0f);
}

TEST_F(Grenzwerte, Differenzdruck_gegen_den_eingeatmeten_Druck) {
    // 20 m: 3.01325 bar, dry 2.95055 bar; N2 0.5 -> 1.475275 bar inspired, He 0.3 -> 0.885165 bar.
    W::m_Wasser = 20;
    W::f_N2_atmen = 0.5f;
    W::f_He_atmen = 0.3f;
    Gewebe(6, 2.0L, 0.5L);
    W::p_N2He_Gewebe_MAX_ZH[6] = 3.0L;
    W::p_N2He_Gewebe_MAX_GF[6] = 2.5L;
    Differenzdruck_Typ N2 = Differenzdruck(Inertgas::N2, 6);
    const Differenzdruck_Typ He = Differenzdruck(Inertgas::He, 6);
    EXPECT_NEAR(static_cast<double>(N2.D), 0.524725, 1e-6);
    EXPECT_NEAR(static_cast<double>(He.D), -0.385165, 1e-6);
    EXPECT_EQ(N2.M, 3.0L);
    S::GF_verwenden = true;
    N2 = Differenzdruck(Inertgas::N2, 6);
    EXPECT_EQ(N2.M, 2.5L);
}

// At 10 m (2.01325 bar, dry 1.95055 bar) compartment 6 holds 2.0 bar N2 and 0.5 bar He against
// 0.975275 bar N2 and 0.585165 bar He inspired: (2.5 - 2.01325) / (3 - 2.01325) = 49.33 % of the
// margin; N2 leaves with 1.024725 bar, He enters with 0.085165 bar, in percent of M.
TEST_F(Grenzwerte, Status_des_Leitkompartiments) {
    W::m_Wasser = 10;
    W::bar_Umgebung = 2.01325L;
    W::f_N2_atmen = 0.5f;
    W::f_He_atmen = 0.3f;
    Gewebe(6, 2.0L, 0.5L);
    W::p_N2He_Gewebe_MAX_ZH[6] = 3.0f;
    W::p_N2He_Gewebe_MAX_GF[6] = 2.8f;
    Leitkompartiment_Status_Typ s = Leitkompartiment_Status();
    EXPECT_EQ(s.i, 6);
    EXPECT_NEAR(s.GF_Prozent, 49.3286, 1e-3);
    EXPECT_EQ(s.bar_Umgebung, 2.01325L);
    EXPECT_EQ(s.p_Inertgas, 2.5L);
    EXPECT_EQ(s.p_toleriert, 3.0L);
    EXPECT_NEAR(static_cast<double>(s.Differenz_N2_Prozent), 34.1575, 1e-3);
    EXPECT_NEAR(static_cast<double>(s.Differenz_He_Prozent), -2.83883, 1e-3);
    // With gradient factors the tolerated pressure in force is the lower one; the gradient factor
    // shown stays measured against the pure margin.
    S::GF_verwenden = true;
    s = Leitkompartiment_Status();
    EXPECT_NEAR(static_cast<double>(s.p_toleriert), 2.8, 1e-6);
    EXPECT_NEAR(s.GF_Prozent, 49.3286, 1e-3);
    EXPECT_NEAR(static_cast<double>(s.Differenz_N2_Prozent), 36.5973, 1e-3);
}

// Before any limit was computed there is no tolerated pressure to measure against: no percentages.
TEST_F(Grenzwerte, Status_ohne_berechnete_Grenzwerte_zeigt_keine_Prozente) {
    W::m_Wasser = 10;
    W::f_N2_atmen = 0.79f;
    Gewebe(3, 2.5L, 0);
    W::p_N2He_Gewebe_MAX_ZH.fill(0);
    W::p_N2He_Gewebe_MAX_GF.fill(0);
    const Leitkompartiment_Status_Typ s = Leitkompartiment_Status();
    EXPECT_EQ(s.GF_Prozent, 0.0f);
    EXPECT_EQ(s.Differenz_N2_Prozent, 0.0L);
    EXPECT_EQ(s.Differenz_He_Prozent, 0.0L);
}

struct Gegendiffusion_Fall {
    const char* Name;
    int i;
    long double N2, He; // tissue, bar
    long double dHe, dN2;
    bool kritisch;
};

static std::ostream& operator<<(std::ostream& o, const Gegendiffusion_Fall& f) {
    return o << f.Name;
}

class Gegendiffusion_Regeln : public Grenzwerte, public ::testing::WithParamInterface<Gegendiffusion_Fall> {};

// At 2 bar with M = 3 bar: critical needs Pt > 2, dneg <= -0.255 and Pt >= 2.7.
TEST_P(Gegendiffusion_Regeln, kritisch_nur_wenn_alle_Bedingungen_gelten) {
    const Gegendiffusion_Fall& f = GetParam();
    W::bar_Umgebung = 2.0L;
    Gewebe(f.i, f.N2, f.He);
    W::p_N2He_Gewebe_MAX_ZH[f.i] = 3.0L;
    Gegendiffusion = !f.kritisch;
    Gegendiffusion_pruefen(f.i, f.dHe, f.dN2, {}, {});
    EXPECT_EQ(Gegendiffusion, f.kritisch);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Gegendiffusion_Regeln,
    ::testing::Values(Gegendiffusion_Fall{"kritisch", 7, 0.8L, 2.0L, 0.5L, -0.3L, true},
                      Gegendiffusion_Fall{"Kompartiment_5", 5, 0.8L, 2.0L, 0.5L, -0.3L, true},
                      Gegendiffusion_Fall{"Kompartiment_11", 11, 0.8L, 2.0L, 0.5L, -0.3L, true},
                      Gegendiffusion_Fall{"Kompartiment_4", 4, 0.8L, 2.0L, 0.5L, -0.3L, false},
                      Gegendiffusion_Fall{"Kompartiment_12", 12, 0.8L, 2.0L, 0.5L, -0.3L, false},
                      Gegendiffusion_Fall{"Gegengradient_zu_klein", 7, 0.8L, 2.0L, 0.5L, -0.25L, false},
                      Gegendiffusion_Fall{"Saettigung_unter_90_Prozent", 7, 0.69L, 2.0L, 0.5L, -0.3L, false},
                      Gegendiffusion_Fall{"nicht_uebersaettigt", 7, 0.0L, 2.0L, 0.5L, -0.3L, false},
                      Gegendiffusion_Fall{"beide_treten_ein", 7, 0.8L, 2.0L, -0.5L, -0.3L, false},
                      Gegendiffusion_Fall{"beide_treten_aus", 7, 0.8L, 2.0L, 0.5L, 0.3L, false},
                      Gegendiffusion_Fall{"He_ein_N2_gleich", 7, 0.8L, 2.0L, -0.3L, 0.0L, true},
                      Gegendiffusion_Fall{"He_gleich_N2_ein", 7, 0.8L, 2.0L, 0.0L, -0.3L, false},
                      Gegendiffusion_Fall{"N2_ein_He_aus", 7, 2.0L, 0.8L, -0.3L, 0.5L, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Grenzwerte, Gegendiffusion_nie_ausserhalb_5_bis_11) {
    W::bar_Umgebung = 2.0L;
    for (int i = 1; i <= 16; ++i) {
        Gewebe(i, 0.8L, 2.0L);
        W::p_N2He_Gewebe_MAX_ZH[i] = 3.0L;
        Gegendiffusion_pruefen(i, 0.5L, -1.0L, {}, {});
        EXPECT_EQ(Gegendiffusion, i >= 5 && i <= 11) << i;
    }
    Gegendiffusion_pruefen(0, 0.5L, -1.0L, {}, {});
    EXPECT_FALSE(Gegendiffusion);
    Gegendiffusion_pruefen(17, 0.5L, -1.0L, {}, {});
    EXPECT_FALSE(Gegendiffusion);
}

TEST_F(Grenzwerte, Gegendiffusion_mit_GF_gegen_den_GF_Wert) {
    // M_GF = 2.9: the gradient must reach -0.2465 and Pt 2.61; M_ZH = 3.5 would need Pt >= 3.15.
    S::GF_verwenden = true;
    W::bar_Umgebung = 2.0L;
    Gewebe(8, 0.8L, 2.0L);
    W::p_N2He_Gewebe_MAX_GF[8] = 2.9L;
    W::p_N2He_Gewebe_MAX_ZH[8] = 3.5L;
    Gegendiffusion_pruefen(8, 0.5L, -0.25L, {}, {});
    EXPECT_TRUE(Gegendiffusion);
}

TEST_F(Grenzwerte, Gegendiffusion_Extreme_fuer_die_Zusammenfassung) {
    const auto& E = Gegendiffusion_Extreme;
    W::bar_Umgebung = 2.0L;
    W::m_Wasser = 10;
    W::min_Runtime = 20;
    Gewebe(7, 0.8L, 2.0L);
    W::p_N2He_Gewebe_MAX_ZH[7] = 3.0L;
    Gegendiffusion_pruefen(7, 0.5L, -0.3L, {1.2f, 0.5f}, {1.0f, 0.9f});
    EXPECT_TRUE(E.kritisch_aufgetreten);
    // -0.3 / 3 = -10 %; 2.8 / 3 = 93.333 %; 2.8 - 2 = 0.8 bar = 40 % of the ambient pressure.
    EXPECT_NEAR(static_cast<double>(E.kritisch_Prozent), -10.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(E.kritisch_bar), -0.3, 1e-9);
    EXPECT_NEAR(static_cast<double>(E.kritisch_Pt), 2.8, 1e-9);
    EXPECT_NEAR(static_cast<double>(E.kritisch_Saettigung_Prozent), 93.3333333, 1e-6);
    EXPECT_NEAR(static_cast<double>(E.kritisch_Uebersaettigung_bar), 0.8, 1e-9);
    EXPECT_NEAR(static_cast<double>(E.kritisch_Uebersaettigung_Prozent), 40.0, 1e-9);
    EXPECT_EQ(E.kritisch_m, 10.0f);
    EXPECT_EQ(E.kritisch_min, 20.0L);
    EXPECT_EQ(E.kritisch_i, 7);
    EXPECT_NEAR(static_cast<double>(E.Gegengradient_Prozent), -10.0, 1e-9);
    // Jumps of the inspired pressures: |1.2 - 1.0| = 0.2, |0.5 - 0.9| = 0.4.
    EXPECT_NEAR(static_cast<double>(E.dp_N2_atmen_MAX), 0.2, 1e-6);
    EXPECT_NEAR(static_cast<double>(E.dp_He_atmen_MAX), 0.4, 1e-6);
    EXPECT_EQ(E.m_dp_MAX, 10.0f);

    // A weaker critical gradient and smaller jumps change nothing.
    W::m_Wasser = 9;
    W::min_Runtime = 21;
    Gegendiffusion_pruefen(7, 0.5L, -0.28L, {1.2f, 0.5f}, {1.1f, 0.6f});
    EXPECT_NEAR(static_cast<double>(E.kritisch_bar), -0.3, 1e-9);
    EXPECT_EQ(E.kritisch_m, 10.0f);
    EXPECT_EQ(E.m_dp_MAX, 10.0f);

    // A stronger non-critical gradient (compartment 3) is kept apart from the critical one.
    Gewebe(3, 0.8L, 2.0L);
    W::p_N2He_Gewebe_MAX_ZH[3] = 3.0L;
    Gegendiffusion_pruefen(3, 0.5L, -0.6L, {}, {});
    EXPECT_FALSE(Gegendiffusion);
    EXPECT_NEAR(static_cast<double>(E.Gegengradient_Prozent), -20.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(E.Gegengradient_bar), -0.6, 1e-9);
    EXPECT_EQ(E.Gegengradient_m, 9.0f);
    EXPECT_EQ(E.Gegengradient_min, 21.0L);
    EXPECT_EQ(E.kritisch_i, 7);

    // At the surface the non-critical gradient is not recorded.
    W::m_Wasser = 0;
    Gegendiffusion_pruefen(3, 0.5L, -0.9L, {}, {});
    EXPECT_NEAR(static_cast<double>(E.Gegengradient_Prozent), -20.0, 1e-9);

    Gegendiffusion_Extreme_zuruecksetzen();
    EXPECT_FALSE(E.kritisch_aufgetreten);
    EXPECT_EQ(E.Gegengradient_Prozent, 0.0L);
    EXPECT_EQ(E.dp_N2_atmen_MAX, 0.0L);
}

TEST_F(Grenzwerte, ohne_Uebersaettigung_keine_Extreme) {
    W::bar_Umgebung = 3.0L;
    W::m_Wasser = 20;
    Gewebe(7, 0.8L, 2.0L); // 2.8 bar below 3 bar ambient
    W::p_N2He_Gewebe_MAX_ZH[7] = 3.5L;
    Gegendiffusion_pruefen(7, 0.5L, -0.9L, {2.0f, 0.0f}, {1.0f, 0.0f});
    EXPECT_FALSE(Gegendiffusion);
    EXPECT_EQ(Gegendiffusion_Extreme.dp_N2_atmen_MAX, 0.0L);
    EXPECT_EQ(Gegendiffusion_Extreme.Gegengradient_Prozent, 0.0L);
}

// Regression: without a tolerated pressure (arrays still 0) every negative gradient counted as
// critical and dneg / M divided by zero.
TEST_F(Grenzwerte, Gegendiffusion_ohne_berechnete_Grenzwerte_nicht_kritisch) {
    W::bar_Umgebung = 2.0L;
    W::m_Wasser = 10;
    Gewebe(7, 0.8L, 2.0L);
    W::p_N2He_Gewebe_MAX_ZH.fill(0);
    Gegendiffusion_pruefen(7, 0.5L, -0.3L, {1.2f, 0.5f}, {1.0f, 0.9f});
    EXPECT_FALSE(Gegendiffusion);
    EXPECT_FALSE(Gegendiffusion_Extreme.kritisch_aufgetreten);
    EXPECT_EQ(Gegendiffusion_Extreme.Gegengradient_Prozent, 0.0L);
}

TEST_F(Grenzwerte, GF_aktuell_folgt_GF_Lo_bis_ein_Wert_gesetzt_ist) {
    S::GF_Lo = 0.3f;
    EXPECT_EQ(GF_aktuell(), 0.3f);
    GF_aktuell_setzen(0.7f);
    EXPECT_EQ(GF_aktuell(), 0.7f);
    GF_aktuell_loeschen();
    EXPECT_EQ(GF_aktuell(), 0.3f);
}

// Regression: a coefficient set giving B = 0 used to end the program inside p_ig. Now the running
// command stops with its messages and the dive stays as it was.
TEST_F(Grenzwerte, kaputter_Satz_bricht_den_Befehl_ab_und_behaelt_den_Tauchgang) {
    S::Modell_N2 = S::Modell_Typ{};
    S::Modell_He = S::Modell_Typ{};
    const int32_t Wegpunkte = W::WayPoint_Anzahl;
    W::p_N2He_Gewebe_MAX_ZH[1] = 1.5L;
    EXPECT_THROW(Gewebe_Grenzwerte(1), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(W::WayPoint_Anzahl, Wegpunkte);
    EXPECT_EQ(W::p_N2He_Gewebe_MAX_ZH[1], 1.5L);
    EXPECT_EQ(W::p_N2_Gewebe[1], p_N2_Oberflaeche);
    std::vector<std::string> Texte;
    for (const auto& m : Oberflaeche.Meldungen) Texte.push_back(m.Text);
    EXPECT_EQ(Texte,
              (std::vector<std::string>{"ERNSTES PROBLEM: Berechnung A B", "A= 0.00 B= 0.00",
                                        " i_= 1.00 p_N2_Gewebe[i_]= 0.75 p_He_Gewebe[i_]= 0.00",
                                        "ERNSTES PROBLEM Berechnung p_ig: Modellparamter B <= 0.00001"}));
}

TEST_F(Grenzwerte, kaputter_Satz_nur_B_auf_Englisch) {
    Unit_Tools::Sprache = 1;
    for (int i = 1; i <= 16; ++i) S::Modell_N2.Kompartiment[i].b = 0;
    EXPECT_THROW(p_ig(4), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(Oberflaeche.Anzahl("SERIOUS PROBLEM: calculation A B"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl("SERIOUS PROBLEM calculation p_ig: model parameter B < 0.00001"), 1);
}

TEST_F(Grenzwerte, kaputter_Satz_in_p_amb_meldet_und_rechnet_weiter) {
    for (int i = 1; i <= 16; ++i) S::Modell_N2.Kompartiment[i].b = 0;
    float pamb = -1;
    EXPECT_NO_THROW(pamb = p_amb(4).in_Kraft);
    EXPECT_EQ(pamb, 0.0f); // (Pt - A) x 0
    EXPECT_EQ(Oberflaeche.Anzahl("ERNSTES PROBLEM Berechnung p_amb: Modellparameter B <= 0.00001"), 1);
}

TEST_F(Grenzwerte, Kompartiment_ausserhalb_1_bis_16_bricht_ab) {
    EXPECT_THROW(AB_Koeffizienten(0), Unit_UI::Befehl_abgebrochen);
    EXPECT_THROW(p_ig(17), Unit_UI::Befehl_abgebrochen);
    EXPECT_THROW(Gewebe_Grenzwerte(-3), Unit_UI::Befehl_abgebrochen);
    EXPECT_THROW(Differenzdruck(Inertgas::He, 17), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(Oberflaeche.Anzahl("out of range"), 4);
}

// ---- The kept quotients and the one-gas mean give what the plain formulas give, bit for bit ----
namespace {

// The formulas as written out, without anything kept from an earlier call.
AB_Typ AB_direkt(int i) {
    const float pN2 = static_cast<float>(W::p_N2_Gewebe[i]), pHe = static_cast<float>(W::p_He_Gewebe[i]);
    const S::Kompartiment_Typ& n = S::Modell_N2.Kompartiment[i];
    const S::Kompartiment_Typ& h = S::Modell_He.Kompartiment[i];
    const long double Summe = static_cast<long double>(pN2) + pHe;
    return {static_cast<float>((static_cast<long double>(n.a) * pN2 + static_cast<long double>(h.a) * pHe) /
                               Summe),
            static_cast<float>((static_cast<long double>(n.b) * pN2 + static_cast<long double>(h.b) * pHe) /
                               Summe)};
}

Grenzdruck_Typ p_ig_direkt(int i) {
    const AB_Typ AB = AB_direkt(i);
    const long double GF = GF_aktuell(), A = AB.A, B = AB.B, P = W::bar_Umgebung;
    const float mit = static_cast<float>((GF / B - GF + 1) * P + A * GF),
                ohne = static_cast<float>(P / B + A);
    return {S::GF_verwenden ? mit : ohne, mit, ohne};
}

Grenzdruck_Typ p_amb_direkt(int i) {
    const AB_Typ AB = AB_direkt(i);
    const float Pt = static_cast<float>(W::p_N2_Gewebe[i]) + static_cast<float>(W::p_He_Gewebe[i]);
    const long double GF = GF_aktuell(), A = AB.A, B = AB.B;
    const float mit = static_cast<float>((Pt - GF * A) / (GF / B - GF + 1)),
                ohne = static_cast<float>((Pt - A) * B);
    return {S::GF_verwenden ? mit : ohne, mit, ohne};
}

float p_amb_MAX_direkt() {
    float Ceiling = -2147483648.0f;
    for (int i = 1; i <= 16; ++i) Ceiling = std::max(Ceiling, p_amb_direkt(i).in_Kraft);
    return Ceiling;
}

float Uebersaettigung_direkt(int i) {
    const long double Pt = W::p_N2_Gewebe[i] + W::p_He_Gewebe[i], P = W::bar_Umgebung;
    const long double M = W::p_N2He_Gewebe_MAX_ZH[i];
    if (Pt <= P || M <= P) return 0;
    return static_cast<float>((Pt - P) / (M - P) * 100);
}

// What a change between two calls may be: each input of the kept quotients in turn.
struct Aenderung {
    const char* Name;
    void (*anwenden)();
};

std::ostream& operator<<(std::ostream& o, const Aenderung& a) {
    return o << a.Name;
}

const Aenderung Aenderungen[] = {
    {"nichts", [] {}},
    {"Tiefe", [] { W::bar_Umgebung = 4.7L; }},
    {"GF", [] { GF_aktuell_setzen(0.65f); }},
    {"GF_in_Kraft", [] { S::GF_verwenden = !S::GF_verwenden; }},
    {"Stickstoffsatz", [] { S::Modell_waehlen(4, S::Modell_N2); }},
    {"Heliumsatz", [] { S::Modell_waehlen(7, S::Modell_He); }},
    {"Gewebe",
     [] {
         for (int i = 1; i <= 16; ++i) W::p_N2_Gewebe[i] += 0.173L * i;
     }},
    {"Helium_weg", [] { W::p_He_Gewebe.fill(0); }},
    {"Stickstoff_weg", [] { W::p_N2_Gewebe.fill(0); }},
};

class Gemerkte_Quotienten : public Grenzwerte, public ::testing::WithParamInterface<Aenderung> {
  protected:
    // A trimix-like tissue a little over-saturated at 3.2 bar, gradient factor 0.35.
    void SetUp() override {
        Grenzwerte::SetUp();
        for (int i = 1; i <= 16; ++i) Gewebe(i, 1.9L + 0.05L * i, 1.4L - 0.06L * i);
        W::bar_Umgebung = 3.2L;
        GF_aktuell_setzen(0.35f);
        S::GF_verwenden = true;
    }
    // Every function that keeps quotients against the plain formulas, for all compartments.
    static void vergleichen() {
        alle_Grenzwerte();
        for (int i = 1; i <= 16; ++i) {
            const Grenzdruck_Typ ig = p_ig(i), ig_d = p_ig_direkt(i);
            const Grenzdruck_Typ amb = p_amb(i), amb_d = p_amb_direkt(i);
            EXPECT_EQ(ig.in_Kraft, ig_d.in_Kraft) << i;
            EXPECT_EQ(ig.GF, ig_d.GF) << i;
            EXPECT_EQ(ig.ZH, ig_d.ZH) << i;
            EXPECT_EQ(amb.in_Kraft, amb_d.in_Kraft) << i;
            EXPECT_EQ(amb.GF, amb_d.GF) << i;
            EXPECT_EQ(amb.ZH, amb_d.ZH) << i;
            EXPECT_EQ(Uebersaettigung_Prozent(i), Uebersaettigung_direkt(i)) << i;
        }
        EXPECT_EQ(p_amb_MAX(), p_amb_MAX_direkt());
        // The ceiling a step folds from the parts it entered, and the plain one without a step.
        const uint64_t vorher = Grenzwerte_Laeufe();
        Grenzwerte_aller_Kompartimente(GF_aktuell());
        EXPECT_EQ(p_amb_MAX_nach_Schritt(vorher), p_amb_MAX_direkt());
        EXPECT_EQ(p_amb_MAX_nach_Schritt(Grenzwerte_Laeufe()), p_amb_MAX_direkt());
    }
};

} // namespace

TEST_P(Gemerkte_Quotienten, nach_der_Aenderung_wie_die_Formel) {
    vergleichen();
    GetParam().anwenden();
    vergleichen();
    vergleichen(); // asked again without a change
}

TEST_F(Gemerkte_Quotienten, Ceiling_nach_dem_Schritt_mit_anderem_GF_wie_die_Formel) {
    const uint64_t vorher = Grenzwerte_Laeufe();
    Grenzwerte_aller_Kompartimente(GF_aktuell());
    const float mit_035 = p_amb_MAX_direkt();
    GF_aktuell_setzen(0.8f);
    EXPECT_NE(p_amb_MAX_nach_Schritt(vorher), mit_035);
    EXPECT_EQ(p_amb_MAX_nach_Schritt(vorher), p_amb_MAX_direkt());
    S::GF_verwenden = false;
    EXPECT_EQ(p_amb_MAX_nach_Schritt(vorher), p_amb_MAX_direkt());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Gemerkte_Quotienten, ::testing::ValuesIn(Aenderungen),
                         [](const auto& info) { return std::string(info.param.Name); });

// The one-gas shortcut against the weighted mean for tissue pressures of every size: ordinary
// ones, odd fractions whose products use all bits, tiny and huge ones.
TEST_F(Grenzwerte, ein_Gas_allein_gibt_genau_das_gewichtete_Mittel) {
    const float Druecke[] = {1e-4f, 0.0627f, 0.751124f, 1.0f / 3.0f, 2.718281f, 7.77777f, 123.456f, 3.3e7f};
    for (const float p : Druecke)
        for (int i = 1; i <= 16; ++i) {
            for (const bool Stickstoff : {true, false}) {
                Gewebe(i, Stickstoff ? p : 0, Stickstoff ? 0 : p);
                const AB_Typ AB = AB_Koeffizienten(i), AB_d = AB_direkt(i);
                EXPECT_EQ(AB.A, AB_d.A) << p << " " << i << " " << Stickstoff;
                EXPECT_EQ(AB.B, AB_d.B) << p << " " << i << " " << Stickstoff;
            }
        }
}

// The bound 0.00001 of "B near 0" holds exactly for the float coefficients: the float nearest to
// it lies just below and counts as 0, the next float above does not.
TEST_F(Grenzwerte, B_genau_an_der_Grenze_zu_null) {
    const float unter = static_cast<float>(0.00001L);
    ASSERT_LE(static_cast<long double>(unter), 0.00001L);
    const float ueber = std::nextafter(unter, 1.0f);
    for (int i = 1; i <= 16; ++i) S::Modell_N2.Kompartiment[i].b = unter;
    EXPECT_THROW(p_ig(4), Unit_UI::Befehl_abgebrochen);
    for (int i = 1; i <= 16; ++i) S::Modell_N2.Kompartiment[i].b = ueber;
    Oberflaeche.Zuruecksetzen();
    EXPECT_NO_THROW(p_ig(4));
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}
