#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

#include <chrono>

using namespace Unit_Tools;

class Tools : public Testumgebung {};

TEST_F(Tools, Text_waehlen_folgt_der_Sprache) {
    EXPECT_EQ(Text_waehlen("Tiefe (m)", "Depth (m)"), "Tiefe (m)");
    Sprache = 1;
    EXPECT_EQ(Text_waehlen("Tiefe (m)", "Depth (m)"), "Depth (m)");
}

TEST_F(Tools, Meldungen_gehen_in_der_Sprache_durch_die_Oberflaeche) {
    Meldung_Info("Hallo", "Hello");
    Sprache = 1;
    Meldung_Problem("Fehler", "Error");
    Meldung_Problem_schuetteln("Wackel", "Shake");
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 3u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Info);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Hallo");
    EXPECT_EQ(Oberflaeche.Meldungen[1].Art, Unit_UI::Meldungsart::Problem);
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Error");
    EXPECT_EQ(Oberflaeche.Meldungen[2].Art, Unit_UI::Meldungsart::Problem_schuetteln);
}

TEST_F(Tools, Frage_haengt_Fragezeichen_an_und_gibt_die_Antwort_zurueck) {
    Oberflaeche.Antwort_Frage = true;
    EXPECT_TRUE(Frage_Ja_Nein("Tauchgang speichern", "Save dive"));
    Oberflaeche.Antwort_Frage = false;
    Sprache = 1;
    EXPECT_FALSE(Frage_Ja_Nein("Tauchgang speichern", "Save dive"));
    ASSERT_EQ(Oberflaeche.Fragen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Fragen[0], "Tauchgang speichern ?");
    EXPECT_EQ(Oberflaeche.Fragen[1], "Save dive ?");
}

struct Formatfall {
    int Breite, Stellen;
    long double Wert;
    const char* erwartet;
};

class Zahl_formatieren_Fall : public Tools, public ::testing::WithParamInterface<Formatfall> {};

TEST_P(Zahl_formatieren_Fall, ergibt) {
    const auto& f = GetParam();
    EXPECT_EQ(Zahl_formatieren(f.Breite, f.Stellen, f.Wert), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, Zahl_formatieren_Fall,
    ::testing::Values(Formatfall{6, 1, 3.14159L, "   3.1"},  // three blanks, 3, separator, 1
                      Formatfall{6, 1, -2.75L, "  -2.8"},    // halves away from zero
                      Formatfall{6, 2, 2.25L, "  2.25"},     //
                      Formatfall{5, 1, 2.25L, "  2.3"},      // 2.25 is exact: half rounds up
                      Formatfall{5, 1, -0.04L, "  0.0"},     // no "-0.0"
                      Formatfall{3, 2, 1234.5L, "1234.50"},  // wider than the width: not cut
                      Formatfall{0, 0, 850.0L, "850"},       //
                      Formatfall{4, 0, 9.5L, "  10"},        // carry into a new digit
                      Formatfall{6, 1, 9.96L, "  10.0"},     //
                      Formatfall{8, 3, 0.0005L, "   0.001"}, //
                      Formatfall{8, 3, 0.0004L, "   0.000"}, //
                      Formatfall{1, 2, 0.05L, "0.05"},       //
                      Formatfall{1, 4, 1.01325L, "1.0133"},  // the half at the fifth decimal rounds up
                      Formatfall{1, 0, 0.4L, "0"},           //
                      Formatfall{1, 1, 1.0e20L, "100000000000000000000.0"}));

TEST_F(Tools, Zahl_formatieren_mit_Komma_und_Punktvariante) {
    Dezimaltrennzeichen_setzen(',');
    EXPECT_EQ(Zahl_formatieren(6, 1, 3.14159L), "   3,1");
    EXPECT_EQ(Zahl_formatieren_Punkt(6, 1, 3.14159L), "   3.1");
}

struct Lesefall {
    const char* Text;
    long double Wert;
    bool Meldung;
};

class Zahl_lesen_Fall : public Tools, public ::testing::WithParamInterface<Lesefall> {};

TEST_P(Zahl_lesen_Fall, ergibt) {
    const auto& f = GetParam();
    EXPECT_NEAR(static_cast<double>(Zahl_lesen(f.Text)), static_cast<double>(f.Wert), 1e-12) << f.Text;
    EXPECT_EQ(Oberflaeche.Meldungen.size(), f.Meldung ? 1u : 0u) << f.Text;
    if (f.Meldung) {
        EXPECT_EQ(Oberflaeche.Meldungen[0].Text, std::string(">") + f.Text + "< ist keine Zahl");
        EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, Zahl_lesen_Fall,
                         ::testing::Values(Lesefall{"1.5", 1.5L, false}, Lesefall{"1,5", 1.5L, false},
                                           Lesefall{"", 0, false}, Lesefall{"  ", 0, false},
                                           Lesefall{" 2.5 ", 2.5L, false}, Lesefall{"-3", -3, false},
                                           Lesefall{"+3", 3, false}, Lesefall{"1e3", 1000, false},
                                           Lesefall{".5", 0.5L, false}, Lesefall{"abc", 0, true},
                                           Lesefall{"1.234,5", 0, true}, Lesefall{"--3", 0, true},
                                           Lesefall{"3 m", 0, true}, Lesefall{"nan", 0, true},
                                           Lesefall{"inf", 0, true}, Lesefall{"1e99999", 0, true}));

TEST_F(Tools, Zahl_lesen_meldet_auf_Englisch_und_still_gar_nicht) {
    Sprache = 1;
    EXPECT_EQ(Zahl_lesen("x1"), 0);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, ">x1< is no number");
    EXPECT_EQ(Zahl_lesen_still("x1"), 0);
    EXPECT_EQ(Zahl_lesen_still("4,25"), 4.25L);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

TEST_F(Tools, Zahlzeichen_Ganzzahlen_und_Wahrheitswerte) {
    EXPECT_TRUE(ist_Zahlzeichen(""));
    EXPECT_TRUE(ist_Zahlzeichen("+1,5-."));
    EXPECT_FALSE(ist_Zahlzeichen("1e3"));
    EXPECT_FALSE(ist_Zahlzeichen("1 5"));
    EXPECT_EQ(Ganzzahl_lesen("42"), 42);
    EXPECT_EQ(Ganzzahl_lesen(" -7 "), -7);
    EXPECT_EQ(Ganzzahl_lesen("4.5"), 0);
    EXPECT_EQ(Ganzzahl_lesen("99999999999"), 0); // beyond 32 bits is no usable number
    EXPECT_EQ(Ganzzahl_lesen("x"), 0);
    EXPECT_TRUE(Ganzzahl_ist_Eins("1"));
    EXPECT_FALSE(Ganzzahl_ist_Eins("0"));
    EXPECT_FALSE(Ganzzahl_ist_Eins("ja"));
    EXPECT_EQ(Bool_Text(true), "1");
    EXPECT_EQ(Bool_Text(false), "0");
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(Tools, Pfad_teilen) {
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(Pfad_teilen("/home/taucher/Tauchgang.dec"), P("/home/taucher/", "Tauchgang.dec"));
    EXPECT_EQ(Pfad_teilen("C:\\Tauchen\\a\\b.dec"), P("C:\\Tauchen\\a\\", "b.dec"));
    EXPECT_EQ(Pfad_teilen("mixed\\dir/x.dec"), P("mixed\\dir/", "x.dec"));
    EXPECT_EQ(Pfad_teilen("b.dec"), P("", "b.dec"));
    EXPECT_EQ(Pfad_teilen("/ordner/"), P("/ordner/", ""));
    EXPECT_EQ(Pfad_teilen("/ordner/*.dec"), P("", "/ordner/*.dec"));
    EXPECT_EQ(Pfad_teilen(""), P("", ""));
}

TEST_F(Tools, Minuten_zu_Uhrzeit) {
    EXPECT_EQ(Minuten_zu_Uhrzeit(0).Text(), "00:00:00");
    EXPECT_EQ(Minuten_zu_Uhrzeit(90.5L).Text(), "01:30:30");
    EXPECT_EQ(Minuten_zu_Uhrzeit(12.99999L).Text(), "00:13:00"); // 779.9994 s rounds to 780
    EXPECT_EQ(Minuten_zu_Uhrzeit(1439.99L).Text(), "23:59:59");
    const Uhrzeit u = Minuten_zu_Uhrzeit(61.25L);
    EXPECT_EQ(u.Stunden, 1);
    EXPECT_EQ(u.Minuten, 1);
    EXPECT_EQ(u.Sekunden, 15);
}

TEST_F(Tools, Warten_wartet_wenigstens_die_Zeit) {
    const auto Anfang = std::chrono::steady_clock::now();
    Warten_ms(20);
    EXPECT_GE(std::chrono::steady_clock::now() - Anfang, std::chrono::milliseconds(20));
}

TEST_F(Tools, schnelle_und_genaue_Umwandlung_stimmen_ueberein) {
    // Values on both sides of halves and whole numbers, small and large, with 0 to 6 decimals:
    // every result must equal the digits worked out from the decimal expansion.
    struct Fall {
        long double Wert;
        int Stellen;
        const char* Text;
    };
    const Fall Faelle[] = {{0.125L, 2, "0.13"},
                           {0.12499L, 2, "0.12"},
                           {1.005L, 2, "1.01"},
                           {1.0049L, 2, "1.00"},
                           {-1.0051L, 2, "-1.01"},
                           {999.9996L, 3, "1000.000"},
                           {123456.789L, 1, "123456.8"},
                           {1e11L, 2, "100000000000.00"},
                           {0.0000004L, 6, "0.000000"},
                           {-0.0000006L, 6, "-0.000001"},
                           {42.0L, 0, "42"},
                           {2.5L, 0, "3"},
                           {-2.5L, 0, "-3"}};
    for (const auto& f : Faelle) EXPECT_EQ(Zahl_formatieren_Punkt(0, f.Stellen, f.Wert), f.Text) << f.Text;
}
