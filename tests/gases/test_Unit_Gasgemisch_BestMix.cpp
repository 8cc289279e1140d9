#include "gases/Gasumgebung.hpp"
#include "lang/Unit_Tools.hpp"

using namespace Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;

class Gastabelle_Test : public Gasumgebung {};

TEST_F(Gastabelle_Test, Defaults_aus_den_Zeilen) {
    EXPECT_EQ(Gasgemisch_NumMax, 16);
    EXPECT_EQ(Gasgemisch[0].Name, "Luft");
    EXPECT_FLOAT_EQ(Gasgemisch[0].f_O2_prozent, 20.948f);
    EXPECT_FLOAT_EQ(Gasgemisch[0].f_N2_prozent, 79.020f);
    EXPECT_EQ(Gasgemisch[7].Name, "HeliOx21/79");
    EXPECT_FLOAT_EQ(Gasgemisch[15].f_He_prozent, 74.0f);
    EXPECT_TRUE(Gasgemisch[17].Name.empty());
    Unit_Tools::Sprache = 1;
    Gasgemisch_Default_laden(0, true);
    EXPECT_EQ(Gasgemisch[0].Name, "Air");
}

TEST_F(Gastabelle_Test, Fehlendes_Wort_liest_sich_als_99_9) {
    EXPECT_FLOAT_EQ(Zahl_aus_Zeile(" 32.0 68.0", 3).Wert, 99.9f);
    const Zahlwort z = Zahl_aus_Zeile("  7.0   19.0  74.0 Tmx7/74", 2);
    EXPECT_FLOAT_EQ(z.Wert, 19.0f);
    EXPECT_EQ(z.Ende, 12u);
}

TEST_F(Gastabelle_Test, Das_25_Benutzergas_ersetzt_Eintrag_40) {
    Benutzergase(24);
    ASSERT_EQ(Gasgemisch_NumMax, 40);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 0u);
    Gasgemisch_hinzufuegen("Neu", 30, 30, 40);
    EXPECT_EQ(Oberflaeche.Anzahl("Zu viele Gasmischungen"), 1);
    EXPECT_EQ(Gasgemisch_NumMax, 40);
    EXPECT_EQ(Gasgemisch_num, 40);
    EXPECT_EQ(Gasgemisch[40].Name, "Neu");
    EXPECT_EQ(Gasgemisch[39].Name, "U39");
    EXPECT_FLOAT_EQ(f_O2, 0.30f);
}

struct Rundung {
    const char* Fall;
    float O2, N2, He;
    float O2_soll, N2_soll, He_soll;
};
class Gas_hinzufuegen : public Gastabelle_Test, public ::testing::WithParamInterface<Rundung> {};

// Whole percent (a tie goes to the even neighbour), then the sum is pulled towards 100 via O2.
TEST_P(Gas_hinzufuegen, rundet_auf_ganze_Prozent) {
    const Rundung r = GetParam();
    Gasgemisch[17].barL_gesamt = 5; // left over from an earlier gas in this slot
    Gasgemisch_hinzufuegen("X", r.O2, r.N2, r.He);
    const auto& g = Gasgemisch[17];
    EXPECT_EQ(Gasgemisch_num, 17);
    EXPECT_FLOAT_EQ(g.f_O2_prozent, r.O2_soll);
    EXPECT_FLOAT_EQ(g.f_N2_prozent, r.N2_soll);
    EXPECT_FLOAT_EQ(g.f_He_prozent, r.He_soll);
    EXPECT_EQ(g.barL_gesamt, 0);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Gas_hinzufuegen,
    ::testing::Values(Rundung{"Summe_99_hebt_O2", 32.4f, 67.4f, 0.4f, 33, 67, 0}, // 32+67+0 = 99
                      Rundung{"Summe_101_senkt_O2", 32.6f, 67.6f, 0, 32, 68, 0},  // 33+68 = 101
                      Rundung{"Luft_ergibt_100", 20.948f, 79.02f, 0, 21, 79, 0},  // 21+79
                      Rundung{"Gleichstand_zur_geraden_Zahl", 12.5f, 50, 37.5f, 12, 50, 38},
                      Rundung{"Gleichstand_auf_und_ab", 50.5f, 49.5f, 0, 50, 50, 0}),
    Fallname());

struct Suche {
    const char* Fall;
    float O2, N2, He;
    int32_t Index;
};
class Gas_finden : public Gastabelle_Test, public ::testing::WithParamInterface<Suche> {};

TEST_P(Gas_finden, innerhalb_von_0_005) {
    Gasgemisch_hinzufuegen("EAN32 doppelt", 32, 68, 0); // 17: the lower index wins
    const Suche s = GetParam();
    EXPECT_EQ(Gasgemisch_finden(s.O2, s.N2, s.He), s.Index);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Gas_finden,
                         ::testing::Values(Suche{"Abstand_0_004", 0.324f, 0.676f, 0, 1},
                                           Suche{"Abstand_0_006", 0.326f, 0.674f, 0, -1},
                                           Suche{"Luft_gemessen", 0.21f, 0.79f, 0, 0}, // 0.00052, 0.0002
                                           Suche{"Trimix", 0.18f, 0.37f, 0.45f, 11},
                                           Suche{"Helium_zu_viel", 0.5f, 0.5f, 0.006f, -1}),
                         Fallname());

struct Benennung {
    const char* Fall;
    float O2, N2, He;
    int32_t Sprache;
    const char* Name;
};
class Gasname : public Gastabelle_Test, public ::testing::WithParamInterface<Benennung> {};

TEST_P(Gasname, nach_der_Namensregel) {
    const Benennung b = GetParam();
    Unit_Tools::Sprache = b.Sprache;
    EXPECT_EQ(Gasname_aus_Anteilen(b.O2, b.N2, b.He), b.Name);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Gasname,
                         ::testing::Values(Benennung{"Luft", 0.21f, 0.79f, 0, 0, "Luft"},
                                           Benennung{"Air", 0.21f, 0.79f, 0, 1, "Air"},
                                           Benennung{"Luft_gemessen", 0.20948f, 0.7902f, 0, 1, "Air"},
                                           Benennung{"HeliOx", 0.21f, 0, 0.79f, 0, "HeliOx21"},
                                           Benennung{"Sauerstoff", 1, 0, 0, 0, "O2"},
                                           Benennung{"Trimix", 0.18f, 0.37f, 0.45f, 0, "Tmx18/45"},
                                           Benennung{"Nitrox", 0.32f, 0.68f, 0, 0, "EAN32"},
                                           // 12.5 % and 37.5 % are exact ties: to the even neighbour
                                           Benennung{"Gleichstand", 0.125f, 0.5f, 0.375f, 0, "Tmx12/38"}),
                         Fallname());

TEST_F(Gastabelle_Test, Umbenennen_fuer_die_Sprache) {
    Gasgemisch_hinzufuegen("Luft", 21, 79, 0);
    Unit_Tools::Sprache = 1;
    Gasnamen_Sprache_anpassen();
    EXPECT_EQ(Gasgemisch[0].Name, "Air");
    EXPECT_EQ(Gasgemisch[17].Name, "Air");
    Unit_Tools::Sprache = 0;
    Gasnamen_Sprache_anpassen();
    EXPECT_EQ(Gasgemisch[0].Name, "Luft");
}

TEST_F(Gastabelle_Test, Gasliste_liest_Defaults_neu) {
    Gasgemisch[2].Name = "verstellt";
    Gasgemisch_hinzufuegen("Eigenes", 25, 75, 0);
    const auto Namen = Gasliste_Texte();
    ASSERT_EQ(Namen.size(), 18u);
    EXPECT_EQ(Namen[2], "EAN36");
    EXPECT_EQ(Namen[17], "Eigenes");
    EXPECT_EQ(Gasanteile_Texte(0)[0], "20.95");
    EXPECT_EQ(Gasanteile_Texte(99)[1], "79.02");
}

// 21/0/79 at 100 m: pO2 = (100/10 + 1.01325) x 0.21 = 2.3128; MOD = (1.601/0.21 - 1.01325
// + 0.0627) x 10 = 66.73; MinOD = (0.16/0.21 - 0.95055) x 10 < 0 -> 0; END of no nitrogen 0.
TEST_F(Gastabelle_Test, Gascheck_HeliOx_auf_100_m) {
    const Gaspruefung_Type r = Gas_pruefen(100, 21, 0, "HeliOx21", true, true);
    EXPECT_NEAR(r.pO2, 2.3128f, 1e-4);
    EXPECT_NEAR(r.MOD, 66.733f, 1e-3);
    EXPECT_FLOAT_EQ(r.MinOD, 0);
    EXPECT_FLOAT_EQ(r.END, 0);
    EXPECT_TRUE(r.pO2_ausserhalb);
    EXPECT_FALSE(r.END_ueberschritten);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Maximaler Sauerstoff-Partialdruck überschritten !\n");
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Aus dem Gas = HeliOx21\nauf der Einsatztiefe = 100.0 m\n"
                                             "berechnete Werte :\n\npO2 =  2.31 bar\nMOD =  66.7 m\n"
                                             "MinOD =   0.0 m\nEND =   0.0 m");
}

// Air at 70 m: pO2 = 8.01325 x 0.20948 = 1.679 > 1.601 and END = (8.01325 x 0.7902 / 0.7902
// - 1.01325) x 10 = 70 > 50: both lines in one box, in that order.
TEST_F(Gastabelle_Test, Gascheck_meldet_alle_Grenzen_in_einer_Box) {
    Unit_Tools::Sprache = 1;
    const Gaspruefung_Type r = Gas_pruefen(70, 20.948f, 79.02f, "Air", true, false);
    EXPECT_NEAR(r.END, 70.0f, 1e-3);
    EXPECT_TRUE(r.END_ueberschritten);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text,
              "Maximum oxygen partial pressure exceeded !\nMaximum END exceeded !\n");
    Oberflaeche.Zuruecksetzen();
    Gas_pruefen(0, 10, 20, "Tmx10/70", true, false); // 1.01325 x 0.1 < 0.16
    EXPECT_EQ(Oberflaeche.Anzahl("Minimum oxygen partial pressure deceeded !"), 1);
    Gas_pruefen(30, 32, 68, "EAN32", true, false); // 4.01325 x 0.32 = 1.284, END 26.3
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}
