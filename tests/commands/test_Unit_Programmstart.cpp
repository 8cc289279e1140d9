// The start and the end of the program as the main window runs them, with the settings folder in a
// temporary XDG_CONFIG_HOME and a program folder of its own beside it.
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>

namespace fs = std::filesystem;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
using namespace Unit_Programmstart;
using Unit_Einstellungsdatei::Einstellungsdatei;
using Unit_Einstellungsdatei::Einstellungsordner;

class Programmstart : public Einstellungsumgebung {
  protected:
    fs::path Programm; // where the executable lies

    void SetUp() override {
        Einstellungsumgebung::SetUp();
        Programm = Ordner / "bin";
        fs::create_directories(Programm);
        Unit_Warnhinweis::akzeptiert = false;
    }
    void starten() { Programm_starten({.Programmordner = Programm.string()}); }
    static bool enthaelt(const std::string& Text, const std::string& Teil) {
        return Text.find(Teil) != std::string::npos;
    }
};

// ---- the start ----

TEST_F(Programmstart, erster_Start_legt_den_Ordner_an_und_beginnt_deutsch_mit_einem_neuen_Tauchgang) {
    Unit_Tools::Sprache = 1; // as the notice may have left it; no file says otherwise
    starten();
    EXPECT_TRUE(fs::is_directory(Einstellungsordner()));
    EXPECT_FALSE(fs::exists(Einstellungsdatei())); // written at the end, not at the start
    EXPECT_EQ(Unit_Tools::Sprache, 0);
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_EQ(W::WayPoint[0].Aktion, "START");
    EXPECT_FLOAT_EQ(W::min_Runtime_Start, 30);
    EXPECT_FLOAT_EQ(W::m_Wasser_Start, 25);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 30);
    EXPECT_FLOAT_EQ(W::m_Wasser, 25);
    EXPECT_EQ(G::Gasgemisch[0].Name, "Luft");
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

struct Umzugsfall {
    const char* Fall;
    bool schon_da;
    int32_t Sprache_danach;
};
class Alte_Einstellungsdatei : public Programmstart, public ::testing::WithParamInterface<Umzugsfall> {};

// An older installation left its file in the program folder: it moves in unless the settings
// folder has one; the old one goes either way.
TEST_P(Alte_Einstellungsdatei, zieht_in_den_Einstellungsordner) {
    Schreiben(Programm / "brelune.ini", CRLF({"[Programm]", "Sprache=1"}));
    if (GetParam().schon_da) Schreiben(Einstellungsdatei(), CRLF({"[Programm]", "Sprache=0"}));
    starten();
    EXPECT_FALSE(fs::exists(Programm / "brelune.ini"));
    EXPECT_TRUE(fs::exists(Einstellungsdatei()));
    EXPECT_EQ(Unit_Tools::Sprache, GetParam().Sprache_danach);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Alte_Einstellungsdatei,
                         ::testing::Values(Umzugsfall{"neu", false, 1}, Umzugsfall{"schon_da", true, 0}),
                         Fallname());

struct Luftfall {
    const char* Fall;
    int32_t Sprache;
    const char* Name_in_der_Datei;
    const char* Name_danach;
    const char* Vorgabezeile;
};
class Luft_in_der_Sprache : public Programmstart, public ::testing::WithParamInterface<Luftfall> {};

// The gas list of the file was saved in the other language; the start names air in its own.
TEST_P(Luft_in_der_Sprache, nach_dem_Start) {
    const auto& f = GetParam();
    Schreiben(Einstellungsdatei(), CRLF({"[Programm]", "Sprache=" + std::to_string(f.Sprache), "[Gase]",
                                         std::string("Gasgemisch(0) Name=") + f.Name_in_der_Datei}));
    starten();
    EXPECT_EQ(Unit_Tools::Sprache, f.Sprache);
    EXPECT_EQ(G::Gasgemisch[0].Name, f.Name_danach);
    EXPECT_EQ(G::Gasgemisch_Defaultzeile(0), f.Vorgabezeile);
    EXPECT_EQ(G::Gasgemisch[1].Name, "EAN32");
}
INSTANTIATE_TEST_SUITE_P(Faelle, Luft_in_der_Sprache,
                         ::testing::Values(Luftfall{"englisch", 1, "Luft", "Air", " 20.948 79.020 0.0 Air"},
                                           Luftfall{"deutsch", 0, "Air", "Luft", " 20.948 79.020 0.0 Luft"}),
                         Fallname());

TEST_F(Programmstart, Startwerte_der_Datei_gelten_fuer_den_neuen_Tauchgang_ihre_Wegpunkte_nicht) {
    Schreiben(Einstellungsdatei(),
              CRLF({"[Aktuell]", "Runtime (min)=12.0", "Tiefe (m)=18.0", "[Tauchgang]", "Wegpunkte max=1",
                    "[Tauchgang#1]", "Runtime (min) ***************=5.00", "Tiefe (m)=18.00"}));
    starten();
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 12);
    EXPECT_FLOAT_EQ(W::m_Wasser, 18);
}

TEST_F(Programmstart, ohne_Einstellungsordner_geht_es_mit_den_Vorgaben_weiter) {
    Schreiben(Ordner / "Datei", "x");
    ::setenv("XDG_CONFIG_HOME", (Ordner / "Datei").c_str(), 1);
    Unit_Tools::Sprache = 1;
    starten();
    EXPECT_EQ(Oberflaeche.Anzahl("cannot be created"), 1); // in the language the notice left
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Unit_Tools::Sprache, 0);
    EXPECT_EQ(W::WayPoint[0].Aktion, "START");
    EXPECT_FLOAT_EQ(W::m_Wasser, 25);
}

// brelune-cli: the same steps, the user's folder and file untouched, its own file and language.
TEST_F(Programmstart, ohne_die_Datei_des_Benutzers) {
    const std::string Benutzerdatei = CRLF({"[Programm]", "Sprache=0", "Luftdruck (bar)=0.90000"});
    Schreiben(Einstellungsdatei(), Benutzerdatei);
    Schreiben(Programm / "brelune.ini", "[Programm]\r\n");
    Startoptionen o{.Programmordner = Programm.string(), .Einstellungsdatei_verwenden = false};
    o.Einstellungszeilen = std::vector<std::string>{"[Aktuell]", "Tiefe (m)=40.0"};
    o.Sprache = 1;
    Programm_starten(o);
    EXPECT_EQ(Bytes(Einstellungsdatei()), Benutzerdatei);
    EXPECT_TRUE(fs::exists(Programm / "brelune.ini"));
    EXPECT_EQ(Unit_Tools::Sprache, 1);
    EXPECT_EQ(G::Gasgemisch[0].Name, "Air");
    EXPECT_FLOAT_EQ(W::m_Wasser, 40);
    Unit_Warnhinweis::akzeptiert = true;
    EXPECT_TRUE(Programm_beenden());
    EXPECT_EQ(Bytes(Einstellungsdatei()), Benutzerdatei);
}

// ---- the end ----

TEST_F(Programmstart, abgelehnter_Hinweis_fragt_nichts_und_schreibt_nichts) {
    starten();
    W::Tauchgang_gespeichert = false;
    EXPECT_TRUE(Programm_beenden());
    EXPECT_TRUE(Oberflaeche.Fragen.empty());
    EXPECT_FALSE(fs::exists(Einstellungsdatei()));
}

TEST_F(Programmstart, gleich_wieder_schliessen_fragt_nichts_und_schreibt_die_Einstellungen) {
    starten();
    Unit_Warnhinweis::akzeptiert = true;
    Unit_Programm::Hauptform_max = false;
    Unit_Programm::Hauptform_Breite = 1000;
    EXPECT_TRUE(Programm_beenden());
    EXPECT_TRUE(Oberflaeche.Fragen.empty());
    const auto Programmteil = Abschnitt(Unit_Textdatei::Datei_lesen(Einstellungsdatei()).Zeilen, "Programm");
    EXPECT_NE(std::find(Programmteil.begin(), Programmteil.end(), "Hauptform_Breite=1000"),
              Programmteil.end());
    EXPECT_NE(std::find(Programmteil.begin(), Programmteil.end(), "Hauptform_max=0"), Programmteil.end());
}

struct Speicherfall {
    const char* Fall;
    bool ja;
    bool Datei_gewaehlt;
    bool schliesst;
    bool Tauchgang_geschrieben;
    bool Einstellungen_geschrieben;
};
class Geaenderter_Tauchgang : public Programmstart, public ::testing::WithParamInterface<Speicherfall> {};

TEST_P(Geaenderter_Tauchgang, wird_zum_Speichern_angeboten) {
    const auto& f = GetParam();
    starten();
    Unit_Warnhinweis::akzeptiert = true;
    W::Tauchgang_gespeichert = false;
    Oberflaeche.Antwort_Frage = f.ja;
    const fs::path Tauchgang = Ordner / "tg.dec";
    if (f.Datei_gewaehlt) Oberflaeche.Antwort_Datei = Tauchgang.string();
    EXPECT_EQ(Programm_beenden(), f.schliesst);
    ASSERT_EQ(Oberflaeche.Fragen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Fragen[0], "Tauchgang noch nicht gespeichert\r\rJetzt speichern ?");
    EXPECT_EQ(fs::exists(Tauchgang), f.Tauchgang_geschrieben);
    EXPECT_EQ(fs::exists(Einstellungsdatei()), f.Einstellungen_geschrieben);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Geaenderter_Tauchgang,
    ::testing::Values(Speicherfall{"nein", false, false, true, false, true},
                      Speicherfall{"ja_gespeichert", true, true, true, true, true},
                      // the user wanted it saved: the window stays open, the dive is not lost
                      Speicherfall{"ja_abgebrochen", true, false, false, false, false}),
    Fallname());

TEST_F(Programmstart, eine_unlesbare_Einstellungsdatei_wird_am_Ende_nicht_ueberschrieben) {
    fs::create_directories(Einstellungsdatei()); // cannot be read as a file
    starten();
    EXPECT_GE(Oberflaeche.Meldungen.size(), 1u);
    Unit_Warnhinweis::akzeptiert = true;
    EXPECT_TRUE(Programm_beenden());
    EXPECT_TRUE(fs::is_directory(Einstellungsdatei()));
}

// ---- the program's data ----

TEST_F(Programmstart, Datenordner_installiert_neben_dem_Programm_sonst_im_Quellbaum) {
    starten();
    EXPECT_EQ(Datenordner(), fs::path(BRELUNE_QUELLORDNER "/data/").lexically_normal().string());
    fs::create_directories(Ordner / "share" / "brelune");
    EXPECT_EQ(Datenordner(), (Ordner / "share" / "brelune").string() + "/");
}

TEST_F(Programmstart, Beispieltauchgang_aus_dem_Datenordner) {
    starten();
    Oberflaeche.Antwort_Datei = Datenordner() + "Tauchgang_Beispiele/Luft_40m_25min.dec";
    EXPECT_TRUE(Tauchgang_Beispiel_laden());
    EXPECT_GT(W::WayPoint_Anzahl, 1);
    EXPECT_FLOAT_EQ(W::WayPoint[2].m_Wasser, 40);
}

TEST_F(Programmstart, Programmordner_ist_der_des_laufenden_Programms) {
    const std::string Ordner_des_Tests = Programmordner_ermitteln();
    ASSERT_FALSE(Ordner_des_Tests.empty());
    EXPECT_TRUE(fs::exists(fs::path(Ordner_des_Tests) / "tests_commands"));
}
