#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_IniDatei.hpp"

using Unit_IniDatei::IniDatei;

class Ini : public Einstellungsumgebung {};

const std::vector<std::string> Beispiel = {"Schluessel=vor jedem Abschnitt",
                                           "[Programm]",
                                           "Sprache=1",
                                           "  Höhe (m NN)  =   350   ",
                                           "Kommentar=a=b",
                                           "Sprache=0",
                                           "; Kommentarzeile=7",
                                           "Zeile ohne Gleichheitszeichen",
                                           "Leer=",
                                           "[ Aufstieg ]",
                                           "Geschwindigkeit Standard   (m/min)=9",
                                           "[programm]",
                                           "Hauptform_max=0"};

struct Schluesselfall {
    const char* Fall;
    const char* Abschnitt;
    const char* Schluessel;
    std::optional<std::string> Wert;
};
class Ini_lesen : public Ini, public ::testing::WithParamInterface<Schluesselfall> {};

TEST_P(Ini_lesen, Wert) {
    const auto i = IniDatei::aus_Zeilen(Beispiel);
    EXPECT_EQ(i.Wert(GetParam().Abschnitt, GetParam().Schluessel), GetParam().Wert);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Ini_lesen,
    ::testing::Values(Schluesselfall{"erster_von_zwei_gleichen", "Programm", "Sprache", "1"},
                      Schluesselfall{"Gross_und_Klein_mit_Umlaut", "PROGRAMM", "HÖHE (M nn)", "350"},
                      Schluesselfall{"Leerzeichen_um_den_Wert", "Programm", "Höhe (m NN)", "350"},
                      Schluesselfall{"erstes_Gleichheitszeichen_trennt", "Programm", "Kommentar", "a=b"},
                      Schluesselfall{"leerer_Wert", "Programm", "Leer", ""},
                      Schluesselfall{"Kommentarzeile", "Programm", "; Kommentarzeile", std::nullopt},
                      Schluesselfall{"vor_jedem_Abschnitt", "", "Schluessel", std::nullopt},
                      Schluesselfall{"drei_Leerzeichen", "Aufstieg", "Geschwindigkeit Standard   (m/min)",
                                     "9"},
                      Schluesselfall{"ein_Leerzeichen_ist_ein_anderer_Schluessel", "Aufstieg",
                                     "Geschwindigkeit Standard (m/min)", std::nullopt},
                      Schluesselfall{"Abschnitt_zweimal", "Programm", "Hauptform_max", "0"},
                      Schluesselfall{"fehlender_Abschnitt", "Gase", "Verwendete Gase", std::nullopt}),
    Fallname());

TEST_F(Ini, Wert_setzen_ersetzt_oder_haengt_an) {
    auto i = IniDatei::aus_Zeilen({"[A]", "x=1"});
    i.Wert_setzen("a", "X", "2");
    i.Wert_setzen("A", "y", "3");
    i.Wert_setzen("B", "z", "4");
    EXPECT_EQ(i.Zeilen(), (std::vector<std::string>{"[A]", "x=2", "y=3", "[B]", "z=4"}));
    EXPECT_TRUE(i.Abschnitt_vorhanden("b"));
    EXPECT_FALSE(i.Abschnitt_vorhanden("C"));
}
