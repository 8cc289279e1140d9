#include "lang/Unit_Sprache_Brelune.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

#include <set>
#include <string>
#include <vector>

using namespace Unit_Sprache_Brelune;

class Wortuebersetzung : public Testumgebung {};

TEST_F(Wortuebersetzung, Deko_wird_Deco_und_zurueck) {
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(Wort_uebersetzen("Deko", "Deko", "Deco"), "Deco");
    EXPECT_EQ(Wort_uebersetzen("Deco", "Deko", "Deco"), "Deco"); // already English
    Unit_Tools::Sprache = 0;
    EXPECT_EQ(Wort_uebersetzen("Deco", "Deko", "Deco"), "Deko");
    EXPECT_EQ(Wort_uebersetzen("Bail Out", "Deko", "Deco"), "Bail Out");
}

TEST_F(Wortuebersetzung, nur_das_erste_Vorkommen) {
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(Wort_uebersetzen("Deko Deko", "Deko", "Deco"), "Deco Deko");
}

struct Beschriftungsfall {
    int Sprache;
    const char* Aktion;
    const char* erwartet;
};

class Beschriftungen : public Wortuebersetzung, public ::testing::WithParamInterface<Beschriftungsfall> {};

TEST_P(Beschriftungen, in_der_Sprache_der_Tabelle) {
    Unit_Tools::Sprache = GetParam().Sprache;
    EXPECT_EQ(Aktion_uebersetzen(GetParam().Aktion), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Wortuebersetzung, Beschriftungen,
    ::testing::Values(Beschriftungsfall{1, "Abstieg 20.0 m/min", "Descent 20.0 m/min"},
                      Beschriftungsfall{1, "Aufstieg 10.0 m/min", "Ascent 10.0 m/min"},
                      // "Wechsel" is translated before "Aufstieg"
                      Beschriftungsfall{1, "Aufstieg Wechsel  3.0 m/min", "Ascent change  3.0 m/min"},
                      Beschriftungsfall{0, "Ascent change  3.0 m/min", "Aufstieg Wechsel  3.0 m/min"},
                      // the lower-case "w" of "Gaswechsel" is no "Wechsel"
                      Beschriftungsfall{1, "Gaswechsel", "Gas switch"},
                      Beschriftungsfall{0, "Gas switch", "Gaswechsel"},
                      Beschriftungsfall{1, "DEKOUNFALL", "DECOUNFALL"},
                      Beschriftungsfall{1, "Loop spülen", "Loop flush"},
                      Beschriftungsfall{0, "Loop flush", "Loop spülen"}, Beschriftungsfall{0, "Deco", "Deko"},
                      Beschriftungsfall{1, "START", "START"},
                      Beschriftungsfall{0, "Aufstieg 10.0 m/min", "Aufstieg 10.0 m/min"}));

class Texttabelle : public Testumgebung {};

TEST_F(Texttabelle, jeder_Tag_ausser_62_hat_Texte_in_beiden_Sprachen) {
    // The only entries without text; every other tag has a caption in both languages.
    const std::set<int> ohne_Text = {55,  59,  60,  61,  66,  251, 257, 258,
                                     259, 260, 261, 262, 295, 296, 300, 353};
    for (int Tag = 1; Tag <= Tag_Max; ++Tag) {
        SCOPED_TRACE(Tag);
        const Textsatz* t = Textsatz_von(Tag);
        ASSERT_EQ(t == nullptr, Tag == 62);
        if (!t) continue;
        EXPECT_EQ(t->Beschriftung_deutsch.empty(), ohne_Text.count(Tag) > 0);
        EXPECT_EQ(t->Beschriftung_englisch.empty(), ohne_Text.count(Tag) > 0);
    }
}

TEST_F(Texttabelle, falscher_Tag_hat_keine_Texte_und_meldet_sich) {
    for (int Tag : {-1, 0, Tag_Max + 1}) EXPECT_EQ(Textsatz_von(Tag), nullptr);
    EXPECT_TRUE(Beschriftung_pruefen(1) && Beschriftung_pruefen(62) && Beschriftung_pruefen(Tag_Max));
    EXPECT_FALSE(Beschriftung_pruefen(0));
    Unit_Tools::Sprache = 1;
    EXPECT_FALSE(Beschriftung_pruefen(368));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Falscher tag = 0");
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Wrong tag = 368");
}

TEST_F(Texttabelle, Stichproben_aus_mehreren_Fenstern) {
    using T = Textsatz;
    EXPECT_EQ(*Textsatz_von(1), (T{"Tauchgang", "Dive", "", ""}));
    EXPECT_EQ(*Textsatz_von(76),
              (T{" Folgetauchgang", "Repetition dive", // the blank in front is the program's
                 "Sättigung mit Oberflächenpause weiterrechnen (eingestellter Luftdruck), "
                 "alle Tauchgangsdaten löschen",
                 "Continue saturation calculation using surface time (air pressure), delete "
                 "all dive data"}));
    EXPECT_EQ(*Textsatz_von(125), (T{"Schließen", "Close", "", ""})); // every close button
    EXPECT_EQ(*Textsatz_von(232), (T{" einhalten ", "  ", "", ""}));
    EXPECT_EQ(*Textsatz_von(302), (T{"CSV oder TXT Daten", "CSV or TXT data", "", ""})); // on no window
    EXPECT_EQ(*Textsatz_von(331),
              (T{"END (m)", "END (m)", "Äquivalente Luft-Tiefe", "Equivalent nitrogen depth"}));
    EXPECT_EQ(*Textsatz_von(367), (T{"ersten (tiefsten) Dekostop", "first (deepest) deco stop", "", ""}));
}

class Sprachumschaltung : public Testumgebung {};

TEST_F(Sprachumschaltung, nach_Englisch_mit_Nein_laeuft_weiter_auf_Englisch) {
    int Sprache_beim_Anwenden = -1;
    std::size_t Fragen_beim_Anwenden = 99;
    EXPECT_FALSE(Sprache_umschalten([&] {
        Sprache_beim_Anwenden = Unit_Tools::Sprache;
        Fragen_beim_Anwenden = Oberflaeche.Fragen.size();
    }));
    // The captions change first; the question comes after them, in the new language.
    EXPECT_EQ(Sprache_beim_Anwenden, 1);
    EXPECT_EQ(Fragen_beim_Anwenden, 0u);
    EXPECT_EQ(Oberflaeche.Fragen, std::vector<std::string>{"You have to re-start the program\rClose now ?"});
    // Captions and hints follow the language in force.
    EXPECT_EQ(Beschriftung(86), "Ascend");
    EXPECT_EQ(Hinweis(86), "Dive calculation with decompression");
}

TEST_F(Sprachumschaltung, nach_Deutsch_mit_Ja_wird_geschlossen) {
    Unit_Tools::Sprache = 1;
    Oberflaeche.Antwort_Frage = true;
    EXPECT_TRUE(Sprache_umschalten({}));
    EXPECT_EQ(Unit_Tools::Sprache, 0);
    EXPECT_EQ(Oberflaeche.Fragen,
              std::vector<std::string>{"Sie müssen das Programm neu starten\rJetzt schließen ?"});
    EXPECT_EQ(Beschriftung(86), "Austauchen");
    EXPECT_EQ(Hinweis(86), "Tauchgangsberechnung mit Dekompression");
    EXPECT_EQ(Beschriftung(62), "");
}
