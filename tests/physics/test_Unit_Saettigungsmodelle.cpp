#include "physics/Unit_Saettigungsmodelle.hpp"
#include "support/Testumgebung.hpp"

#include "lang/Unit_Tools.hpp"

#include <array>
#include <ostream>

using namespace Unit_Saettigungsmodelle;

namespace {

using Spalte = std::array<float, 16>;

// The published columns, compartments 1 to 16, written out again here so that a transcription
// error in the program's table shows up.
constexpr Spalte N2_t_halb = {4.00f,   8.00f,   12.50f,  18.50f,  27.00f,  38.30f,  54.30f,  77.00f,
                              109.00f, 146.00f, 187.00f, 239.00f, 305.00f, 390.00f, 498.00f, 635.00f};
constexpr Spalte N2_b = {0.50500f, 0.65140f, 0.72220f, 0.78250f, 0.81260f, 0.84340f, 0.86930f, 0.89100f,
                         0.90920f, 0.92220f, 0.93190f, 0.94030f, 0.94770f, 0.95440f, 0.96020f, 0.96530f};
constexpr Spalte N2_a_A = {1.25990f, 1.00000f, 0.86180f, 0.75620f, 0.66670f, 0.59330f, 0.52820f, 0.47010f,
                           0.41870f, 0.37980f, 0.34970f, 0.32230f, 0.29710f, 0.27370f, 0.25230f, 0.23270f};
constexpr Spalte N2_a_B = {1.25990f, 1.00000f, 0.86180f, 0.75620f, 0.66670f, 0.56000f, 0.49470f, 0.45000f,
                           0.41870f, 0.37980f, 0.34970f, 0.32230f, 0.28500f, 0.27370f, 0.25230f, 0.23270f};
constexpr Spalte N2_a_C = {1.25990f, 1.00000f, 0.86180f, 0.75620f, 0.62000f, 0.50430f, 0.44100f, 0.40000f,
                           0.37500f, 0.35000f, 0.32950f, 0.30650f, 0.28350f, 0.26100f, 0.24800f, 0.23270f};
constexpr Spalte He_t_halb = {1.51f,  3.02f,  4.72f,  6.99f,  10.21f,  14.48f,  20.53f,  29.11f,
                              41.20f, 55.19f, 70.69f, 90.34f, 115.29f, 147.42f, 188.24f, 240.03f};
constexpr Spalte He_a = {1.74240f, 1.38300f, 1.19190f, 1.04580f, 0.92200f, 0.82050f, 0.73050f, 0.65020f,
                         0.59500f, 0.55450f, 0.53330f, 0.51890f, 0.51810f, 0.51760f, 0.51720f, 0.51190f};
constexpr Spalte He_b = {0.42450f, 0.57470f, 0.65270f, 0.72230f, 0.75820f, 0.79570f, 0.82790f, 0.85530f,
                         0.87570f, 0.89030f, 0.89970f, 0.90730f, 0.91220f, 0.91710f, 0.92170f, 0.92670f};

constexpr Kompartiment_Typ N2_1b = {5.00f, 1.16960f, 0.55780f};
constexpr Kompartiment_Typ He_1b = {1.88f, 1.61890f, 0.47700f};

struct Satz {
    int32_t Nummer;
    const char* Bezeichnung;
    const char* Erlaeuterung;
    const Spalte& t_halb;
    const Spalte& a;
    const Spalte& b;
    bool ist_1b;
    const Kompartiment_Typ& erstes_1b;
};

// Names the case in test listings.
std::ostream& operator<<(std::ostream& o, const Satz& s) {
    return o << "Satz " << s.Nummer;
}

const Satz Saetze[] = {
    {0, "ZH-L16A N2", "Bühlmann ZH-L16A N2 \"theoretisch\"", N2_t_halb, N2_a_A, N2_b, false, N2_1b},
    {1, "ZH-L16B N2", "Bühlmann ZH-L16B N2 \"Tabelle\"", N2_t_halb, N2_a_B, N2_b, false, N2_1b},
    {2, "ZH-L16C N2", "Bühlmann ZH-L16C N2 \"Computer\"", N2_t_halb, N2_a_C, N2_b, false, N2_1b},
    {3, "ZH-L16A 1b N2", "Bühlmann ZH-L16A 1b N2 \"theoretisch\"", N2_t_halb, N2_a_A, N2_b, true, N2_1b},
    {4, "ZH-L16B 1b N2", "Bühlmann ZH-L16B 1b N2 \"Tabelle\"", N2_t_halb, N2_a_B, N2_b, true, N2_1b},
    {5, "ZH-L16C 1b N2", "Bühlmann ZH-L16C 1b N2 \"Computer\"", N2_t_halb, N2_a_C, N2_b, true, N2_1b},
    {6, "ZH-L16A He", "Bühlmann ZH-L16A He", He_t_halb, He_a, He_b, false, He_1b},
    {7, "ZH-L16A 1b He", "Bühlmann ZH-L16A 1b He", He_t_halb, He_a, He_b, true, He_1b},
};

class Koeffizientensatz : public ::testing::TestWithParam<Satz> {};

} // namespace

TEST_P(Koeffizientensatz, stimmt_mit_der_veroeffentlichten_Tabelle_ueberein) {
    const Satz& s = GetParam();
    const Modell_Typ& m = Modell_Tabelle()[s.Nummer];
    EXPECT_EQ(m.Nummer, s.Nummer);
    EXPECT_EQ(m.Bezeichnung, s.Bezeichnung);
    EXPECT_EQ(m.Erlaeuterung, s.Erlaeuterung);
    EXPECT_FALSE(m.Quelle.empty());
    for (int i = 1; i <= 16; ++i) {
        SCOPED_TRACE("Kompartiment " + std::to_string(i));
        const bool ersetzt = s.ist_1b && i == 1;
        EXPECT_EQ(m.Kompartiment[i].t_halb, ersetzt ? s.erstes_1b.t_halb : s.t_halb[i - 1]);
        EXPECT_EQ(m.Kompartiment[i].a, ersetzt ? s.erstes_1b.a : s.a[i - 1]);
        EXPECT_EQ(m.Kompartiment[i].b, ersetzt ? s.erstes_1b.b : s.b[i - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(Alle_acht, Koeffizientensatz, ::testing::ValuesIn(Saetze),
                         [](const auto& info) { return "Satz_" + std::to_string(info.param.Nummer); });

class Saettigungsmodelle : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        Modell_N2 = Modell_Typ{};
        Modell_He = Modell_Typ{};
        // The defaults of the section "Sicherheit".
        Buehlmann_Tiefenzuschlag = true;
        Buehlmann_Sicherheitsstop_min = 0;
        Buehlmann_letzten_Stop_verdoppeln = false;
        Deep_Stop_verwenden = false;
        GF_Standard();
    }
};

TEST_F(Saettigungsmodelle, Standardwahl_ist_ZH_L16C_und_ZH_L16A_He) {
    EXPECT_EQ(Modell_N2_aus_Liste(Modell_N2_Standard), 2);
    EXPECT_EQ(Modell_He_aus_Liste(Modell_He_Standard), 0);
    EXPECT_EQ(Modell_N2.Bezeichnung, "ZH-L16C N2");
    EXPECT_EQ(Modell_He.Bezeichnung, "ZH-L16A He");
    EXPECT_EQ(Modell_N2.Kompartiment[5].a, 0.62f);
    EXPECT_EQ(Modell_N2.Kompartiment[1].t_halb, 4.0f);
}

TEST_F(Saettigungsmodelle, ZH_L16B_1b_ersetzt_Kompartiment_1_und_behaelt_das_B_von_6) {
    Modell_waehlen(4, Modell_N2);
    EXPECT_EQ(Modell_N2.Kompartiment[1].t_halb, 5.0f);
    EXPECT_EQ(Modell_N2.Kompartiment[1].a, 1.1696f);
    EXPECT_EQ(Modell_N2.Kompartiment[1].b, 0.5578f);
    EXPECT_EQ(Modell_N2.Kompartiment[6].a, 0.56f);
}

TEST_F(Saettigungsmodelle, Nummer_ausserhalb_0_bis_7_laesst_das_Ziel_unveraendert) {
    Modell_waehlen(1, Modell_N2);
    Modell_waehlen(8, Modell_N2);
    Modell_waehlen(-1, Modell_N2);
    EXPECT_EQ(Modell_N2.Nummer, 1);
    EXPECT_EQ(Modell_N2.Kompartiment[6].a, 0.56f);
}

// An identifier the list does not hold selects no item; the last set copied while filling stays.
TEST_F(Saettigungsmodelle, Nummer_ausserhalb_der_Liste_laesst_den_letzten_Satz_der_Liste) {
    EXPECT_EQ(Modell_N2_aus_Liste(9), -1);
    EXPECT_EQ(Modell_N2.Nummer, 5);
    EXPECT_EQ(Modell_N2_aus_Liste(6), -1); // a helium set is not in the nitrogen list
    EXPECT_EQ(Modell_N2.Nummer, 5);
    EXPECT_EQ(Modell_He_aus_Liste(2), -1);
    EXPECT_EQ(Modell_He.Nummer, 7);
    EXPECT_EQ(Modell_He_aus_Liste(6), 0);
    EXPECT_EQ(Modell_He.Nummer, 6);
}

TEST_F(Saettigungsmodelle, Modellfenster_zeigt_Kopf_und_16_Koeffizientenzeilen) {
    Modell_waehlen(6, Modell_He);
    const auto Kopf = Modell_Kopfzeilen(Modell_He);
    ASSERT_EQ(Kopf.size(), 4u);
    EXPECT_EQ(Kopf[0], "6");
    EXPECT_EQ(Kopf[1], "ZH-L16A He");
    EXPECT_EQ(Kopf[2], "Bühlmann ZH-L16A He");
    const auto Zeilen = Modell_Koeffizientenzeilen(Modell_He);
    ASSERT_EQ(Zeilen.size(), 16u);
    // Widths 2, 6, 7, 7 with two blanks between: blank, 1, four blanks, 1.51, ...
    EXPECT_EQ(Zeilen[0], " 1    1.51  1.74240  0.42450");
    EXPECT_EQ(Zeilen[15], "16  240.03  0.51190  0.92670");
}

TEST_F(Saettigungsmodelle, Buehlmann_Voreinstellungen) {
    Buehlmann_Risiko_Taucher();
    EXPECT_TRUE(Buehlmann_Tiefenzuschlag);
    EXPECT_EQ(Buehlmann_Sicherheitsstop_min, 5.0f);
    EXPECT_TRUE(Buehlmann_letzten_Stop_verdoppeln);
    Buehlmann_0();
    EXPECT_FALSE(Buehlmann_Tiefenzuschlag);
    EXPECT_EQ(Buehlmann_Sicherheitsstop_min, 0.0f);
    EXPECT_FALSE(Buehlmann_letzten_Stop_verdoppeln);
    Buehlmann_Standard();
    EXPECT_TRUE(Buehlmann_Tiefenzuschlag);
    EXPECT_EQ(Buehlmann_Sicherheitsstop_min, 1.0f);
    EXPECT_FALSE(Buehlmann_letzten_Stop_verdoppeln);
    EXPECT_EQ(Sicherheitsstop_min_aus_Auswahl(0), 0.0f);
    EXPECT_EQ(Sicherheitsstop_min_aus_Auswahl(1), 1.0f);
    EXPECT_EQ(Sicherheitsstop_min_aus_Auswahl(2), 5.0f);
    EXPECT_EQ(Sicherheitsstop_min_aus_Auswahl(3), 0.0f);
}

TEST_F(Saettigungsmodelle, GF_Standard_setzt_alle_fuenf_Werte) {
    GF_verwenden = true;
    GF_Eingabe_uebernehmen(30, 85, false, true);
    GF_Standard();
    EXPECT_FALSE(GF_verwenden);
    EXPECT_EQ(GF_Lo, 0.4f);
    EXPECT_EQ(GF_Hi, 0.8f);
    EXPECT_FALSE(GF_alle_Stops);
    EXPECT_TRUE(GF_Lo_last_deco_stop);
}

struct GF_Fall {
    const char* Name;
    long double Lo_Prozent, Hi_Prozent;
    float Lo, Hi;
    const char* Meldung; // nullptr: none
};

static std::ostream& operator<<(std::ostream& o, const GF_Fall& f) {
    return o << f.Name;
}

class GF_Eingabe : public Saettigungsmodelle, public ::testing::WithParamInterface<GF_Fall> {};

TEST_P(GF_Eingabe, Werte_ausserhalb_werden_1_mit_englischer_Meldung) {
    const GF_Fall& f = GetParam();
    GF_Eingabe_uebernehmen(f.Lo_Prozent, f.Hi_Prozent, false, true);
    EXPECT_EQ(GF_Lo, f.Lo);
    EXPECT_EQ(GF_Hi, f.Hi);
    EXPECT_FALSE(GF_Lo_last_deco_stop);
    EXPECT_TRUE(GF_alle_Stops);
    if (f.Meldung) {
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Text, f.Meldung);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    } else {
        EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GF_Eingabe,
    ::testing::Values(GF_Fall{"gueltig", 30, 85, 0.3f, 0.85f, nullptr},
                      GF_Fall{"Grenzen", 0, 100, 0.0f, 1.0f, nullptr},
                      GF_Fall{"Lo_120", 120, 80, 1.0f, 0.8f, "Gradient factor Lo > 1"},
                      GF_Fall{"Lo_negativ", -5, 80, 1.0f, 0.8f, "Gradient factor Lo < 0"},
                      GF_Fall{"Hi_101", 40, 101, 0.4f, 1.0f, "Gradient factor Hi > 1"},
                      GF_Fall{"Hi_negativ", 40, -1, 0.4f, 1.0f, "Gradient factor Hi < 0"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Saettigungsmodelle, GF_Meldung_ist_auch_auf_Deutsch_englisch) {
    Unit_Tools::Sprache = 0;
    GF_Eingabe_uebernehmen(120, 80, true, false);
    EXPECT_EQ(Oberflaeche.Anzahl("Gradient factor Lo > 1"), 1);
}

TEST_F(Saettigungsmodelle, Keine_Sicherheitsreserve_nur_wenn_alles_aus_ist) {
    Buehlmann_0();
    GF_verwenden = false;
    Deep_Stop_verwenden = false;
    EXPECT_TRUE(Keine_Sicherheitsreserve());
    Buehlmann_Sicherheitsstop_min = 1;
    EXPECT_FALSE(Keine_Sicherheitsreserve());
    Buehlmann_Sicherheitsstop_min = 0;
    GF_verwenden = true;
    EXPECT_FALSE(Keine_Sicherheitsreserve());
}
