#include "core/Unit_Textpuffer.hpp"
#include "files/Unit_Save_Read.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>

using namespace Unit_Save_Read;
namespace fs = std::filesystem;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace E = Unit_Einstellungsdatei;

class Tauchgangsdatei : public Einstellungsumgebung {
  protected:
    fs::path Pfad;

    void SetUp() override {
        Einstellungsumgebung::SetUp();
        Pfad = Ordner / "Tauchgang.dec";
        Pfad_Tauchgang.clear();
        Datei_Tauchgang.clear();
        Kommentar.clear();
        Comment.clear();
    }

    // START, 40 m at 2 min on EAN32, 40 m at 25 min, and a computed ascent row.
    static void Drei_Wegpunkte() {
        W::WayPoint_Anzahl = 3;
        W::WayPoint[0].Aktion = "START";
        W::WayPoint[0].bar_pO2 = 0.21f;
        W::WayPoint[1] = {};
        W::WayPoint[1].min_Runtime = 2.5f;
        W::WayPoint[1].m_Wasser = 40;
        W::WayPoint[1].Gas_Nr = 1;
        W::WayPoint[1].CCR_Setpoint = 1.3f;
        W::WayPoint[1].bar_pO2 = 1.25f;
        W::WayPoint[1].CNS_Prozent = 12.5f;
        W::WayPoint[1].OTU = 30.5f;
        W::WayPoint[1].m_END = 31.5f;
        W::WayPoint[1].Aktion = "Abstieg";
        W::WayPoint[2] = W::WayPoint[1];
        W::WayPoint[2].min_Runtime = 25;
        W::WayPoint[2].Tauchgeraet = 1;
        W::WayPoint[2].CCR_Setpoint = 1.2f;
        W::WayPoint[2].Aktion = "Grund";
        W::WayPoint[2].Warnung = "pO2 > 1.60 bar.";
        W::WayPoint[3] = W::WayPoint[2];
        W::WayPoint[3].min_Runtime = 29.75f;
        W::WayPoint[3].m_Wasser = 6;
        W::WayPoint[3].Tauchgeraet = 3;
        W::WayPoint[3].pSCR_DumpRatio = 20;
        W::WayPoint[3].SCR_Flow = 12.5f;
        W::WayPoint[3].Aktion = "Aufstieg";
        W::WayPoint[3].austauchen = true;
    }
    std::vector<std::string> Auf_Platte() const {
        return Unit_Textdatei::Zeilen_teilen(Unit_Textdatei::Text_dekodieren(Bytes(Pfad)));
    }
    // A dive file made of these sections and lines, in Windows-1252 with CR LF.
    void Datei(const std::vector<std::string>& Zeilen) const {
        Schreiben(Pfad, Unit_Textdatei::UTF8_zu_Windows1252(CRLF(Zeilen)));
    }
};

TEST_F(Tauchgangsdatei, drei_Wegpunkte_geben_vier_Abschnitte) {
    Drei_Wegpunkte();
    const auto z = Tauchgangsdatei_Zeilen();
    std::vector<std::string> Koepfe;
    for (const auto& Zeile : z)
        if (Zeile.rfind("[Tauchgang", 0) == 0) Koepfe.push_back(Zeile);
    EXPECT_EQ(Koepfe, (std::vector<std::string>{"[Tauchgang]", "[Tauchgang#0]", "[Tauchgang#1]",
                                                "[Tauchgang#2]", "[Tauchgang#3]"}));
    EXPECT_EQ(Abschnitt(z, "Tauchgang"), (std::vector<std::string>{"Wegpunkte max=3"}));
    EXPECT_EQ(z.back(), "austauchen=1");
}

TEST_F(Tauchgangsdatei, Text_eines_Wegpunkts) {
    Drei_Wegpunkte();
    EXPECT_EQ(Abschnitt(Tauchgangsdatei_Zeilen(), "Tauchgang#1"),
              (std::vector<std::string>{"Runtime (min) ***************=   2.50", "Tiefe (m)= 40.00",
                                        "Tauchgeraet=OC", "Atemgas=1", "CCR p(O2) (bar)= 1.30",
                                        "SCR flow (l/min)=15.6", "pSCR dump ratio (%)=10",
                                        "p(O2) (bar)= 1.25", "CNS (%)= 12.50", "OTU= 30.5", "END (m)= 31.50",
                                        "Aktion=Abstieg", "Warnung=", "austauchen=0"}));
    EXPECT_EQ(Abschnitt(Tauchgangsdatei_Zeilen(), "Tauchgang#3")[2], "Tauchgeraet=pSCR");
}

TEST_F(Tauchgangsdatei, Wegpunkte_hin_und_zurueck) {
    Drei_Wegpunkte();
    W::WayPoint[2].Tauchgeraet = 2;
    const std::array<W::WayPoint_Type, 4> vorher = {W::WayPoint[0], W::WayPoint[1], W::WayPoint[2],
                                                    W::WayPoint[3]};
    ASSERT_TRUE(Tauchgangsdatei_schreiben(Pfad.string()));
    W::WayPoints_loeschen();
    W::WayPoint_Anzahl = 0;
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    for (int k = 0; k <= 3; ++k) {
        SCOPED_TRACE(k);
        const auto& a = vorher[static_cast<std::size_t>(k)];
        const auto& b = W::WayPoint[static_cast<std::size_t>(k)];
        EXPECT_EQ(b.min_Runtime, a.min_Runtime);
        EXPECT_EQ(b.m_Wasser, a.m_Wasser);
        EXPECT_EQ(b.Tauchgeraet, a.Tauchgeraet);
        EXPECT_EQ(b.Gas_Nr, a.Gas_Nr);
        EXPECT_EQ(b.CCR_Setpoint, a.CCR_Setpoint);
        EXPECT_EQ(b.SCR_Flow, a.SCR_Flow);
        EXPECT_EQ(b.pSCR_DumpRatio, a.pSCR_DumpRatio);
        EXPECT_EQ(b.bar_pO2, a.bar_pO2);
        EXPECT_EQ(b.CNS_Prozent, a.CNS_Prozent);
        EXPECT_EQ(b.OTU, a.OTU);
        EXPECT_EQ(b.m_END, a.m_END);
        EXPECT_EQ(b.Aktion, a.Aktion);
        EXPECT_EQ(b.Warnung, a.Warnung);
        EXPECT_EQ(b.austauchen, a.austauchen);
    }
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

struct Geraetefall {
    const char* Fall;
    std::vector<std::string> Zeilen;
    uint8_t Code;
};
class Geraet_lesen : public Tauchgangsdatei, public ::testing::WithParamInterface<Geraetefall> {};

TEST_P(Geraet_lesen, Text_oder_Kreislaufsystem) {
    std::vector<std::string> z = {"[Tauchgang]", "Wegpunkte max=1", "[Tauchgang#1]",
                                  "Runtime (min) ***************=2"};
    z.insert(z.end(), GetParam().Zeilen.begin(), GetParam().Zeilen.end());
    Datei(z);
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(W::WayPoint[1].Tauchgeraet, GetParam().Code);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Geraet_lesen,
    ::testing::Values(Geraetefall{"OC", {"Tauchgeraet=OC"}, 0}, Geraetefall{"CCR", {"Tauchgeraet=CCR"}, 1},
                      Geraetefall{"SCR", {"Tauchgeraet=SCR constant flow"}, 2},
                      Geraetefall{"pSCR", {"Tauchgeraet=pSCR"}, 3},
                      Geraetefall{"Kreislaufsystem_1_ohne_Tauchgeraet", {"Kreislaufsystem=1"}, 1},
                      Geraetefall{"Kreislaufsystem_0", {"Kreislaufsystem=0"}, 0},
                      Geraetefall{"weder_noch", {}, 0},
                      Geraetefall{"Tauchgeraet_geht_vor", {"Tauchgeraet=OC", "Kreislaufsystem=1"}, 0},
                      Geraetefall{
                          "unbekannter_Text_und_Kreislauf", {"Tauchgeraet=SCR", "Kreislaufsystem=1"}, 1}),
    Fallname());

TEST_F(Tauchgangsdatei, Komma_Datei_liest_sich_mit_Punkt) {
    Datei({"[Programm]", "Luftdruck (bar)=0,95123", "[Tauchgang]", "Wegpunkte max=1", "[Tauchgang#1]",
           "Runtime (min) ***************=   2,50", "Tiefe (m)= 40,00", "CNS (%)=  3,25"});
    Unit_Tools::Dezimaltrennzeichen_setzen('.');
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(Unit_Formeln::bar_Luft, 0.95123f);
    EXPECT_EQ(W::WayPoint[1].min_Runtime, 2.5f);
    EXPECT_EQ(W::WayPoint[1].m_Wasser, 40.0f);
    EXPECT_EQ(W::WayPoint[1].CNS_Prozent, 3.25f);
}

TEST_F(Tauchgangsdatei, in_einem_Gebietsschema_geschrieben_im_anderen_gleich_gelesen) {
    Drei_Wegpunkte();
    Unit_Saettigungsmodelle::GF_Lo = 0.35f;
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    ASSERT_TRUE(Tauchgangsdatei_schreiben(Pfad.string()));
    EXPECT_NE(Bytes(Pfad).find("GF Lo=0,35\r\n"), std::string::npos);
    Unit_Tools::Dezimaltrennzeichen_setzen('.');
    const auto mit_Komma = Uebersicht();
    W::WayPoints_loeschen();
    Unit_Saettigungsmodelle::GF_Lo = 0.4f;
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    const auto gelesen = Uebersicht();
    ASSERT_EQ(gelesen.Tauchgang.size(), mit_Komma.Tauchgang.size());
    for (std::size_t i = 0; i < gelesen.Tauchgang.size(); ++i)
        EXPECT_EQ(gelesen.Tauchgang[i].Wert, mit_Komma.Tauchgang[i].Wert) << gelesen.Tauchgang[i].Schluessel;
    EXPECT_EQ(Unit_Saettigungsmodelle::GF_Lo, 0.35f);
}

TEST_F(Tauchgangsdatei, UTF8_Datei_wird_ebenso_gelesen) {
    Schreiben(Pfad,
              "[Programm]\nHöhe (m NN)=640\n[Tauchgang]\nWegpunkte max=0\n[Tauchgang#0]\nAktion=Start ü\n");
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(Unit_Formeln::m_NN, 640);
    EXPECT_EQ(W::WayPoint[0].Aktion, "Start ü");
}

TEST_F(Tauchgangsdatei, Laden_setzt_Pfad_Startwerte_und_leert_die_Textseiten) {
    Unit_Textpuffer::Memo_Report.Zeile_anfuegen("alt");
    Unit_WayPoints::Tauchgang_gespeichert = false;
    Datei({"[Aktuell]", "Runtime (min)=  12.0", "Tiefe (m)= 18.0", "[Tauchgang]", "Wegpunkte max=0"});
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(Pfad_Tauchgang, Ordner.string() + "/");
    EXPECT_EQ(Datei_Tauchgang, "Tauchgang.dec");
    EXPECT_EQ(W::min_Runtime, 12.0L);
    EXPECT_EQ(W::m_Wasser, 18.0f);
    EXPECT_TRUE(Unit_Textpuffer::Memo_Report.lesen().empty());
    EXPECT_TRUE(Unit_WayPoints::Tauchgang_gespeichert);
}

// Regression: loading someone else's dive used to switch the program to that person's language.
TEST_F(Tauchgangsdatei, Laden_laesst_die_Sprache_des_Benutzers) {
    Unit_Tools::Sprache = 1;
    Datei({"[Programm]", "Sprache=0", "[Tauchgang]", "Wegpunkte max=0", "[Gase]", "Gasgemisch(0) Name=Luft"});
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(Unit_Tools::Sprache, 1);
    EXPECT_EQ(G::Gasgemisch[0].Name, "Air"); // and the gas names follow it
}

// ---- hostile files ----

struct Feindfall {
    const char* Fall;
    std::vector<std::string> Zeilen;
    int32_t Anzahl;
    const char* Meldung;
};
class Feindliche_Datei : public Tauchgangsdatei, public ::testing::WithParamInterface<Feindfall> {};

TEST_P(Feindliche_Datei, wird_ohne_Absturz_begrenzt_gelesen) {
    Datei(GetParam().Zeilen);
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(W::WayPoint_Anzahl, GetParam().Anzahl);
    EXPECT_EQ(Oberflaeche.Anzahl(GetParam().Meldung), 1)
        << (Oberflaeche.Meldungen.empty() ? "" : Oberflaeche.Meldungen[0].Text);
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(k)];
        EXPECT_GE(w.min_Runtime, 0.0f);
        EXPECT_GE(w.m_Wasser, 0.0f);
        EXPECT_LE(w.m_Wasser, 1000.0f);
        EXPECT_GE(w.Gas_Nr, 0);
        EXPECT_LE(w.Gas_Nr, G::Gasgemisch_NumMax);
        if (k > 0) {
            EXPECT_GE(w.min_Runtime, W::WayPoint[static_cast<std::size_t>(k - 1)].min_Runtime);
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Feindliche_Datei,
    ::testing::Values(
        Feindfall{"zu_viele_Wegpunkte",
                  {"[Tauchgang]", "Wegpunkte max=99999"},
                  4800,
                  "Wegpunkte max: ungültigen Wert eingelesen.\r-> wird gesetzt auf 4800"},
        Feindfall{"negative_Anzahl", {"[Tauchgang]", "Wegpunkte max=-7"}, 0, "wird gesetzt auf 0"},
        Feindfall{
            "Gas_ausserhalb",
            {"[Tauchgang]", "Wegpunkte max=2", "[Tauchgang#1]", "Atemgas=57", "[Tauchgang#2]", "Atemgas=-1"},
            2,
            "Gas Nr. 57 ist nicht in der Gasliste, Luft wird verwendet"},
        Feindfall{"negative_Runtime",
                  {"[Tauchgang]", "Wegpunkte max=1", "[Tauchgang#1]", "Runtime (min) ***************=-5"},
                  1,
                  "Runtime (min) ***************: ungültigen Wert eingelesen.\r-> wird gesetzt auf  0.00"},
        Feindfall{"NaN",
                  {"[Tauchgang]", "Wegpunkte max=1", "[Tauchgang#1]", "Tiefe (m)=NaN"},
                  1,
                  ">NaN< ist keine Zahl"},
        Feindfall{"Runtime_rueckwaerts",
                  {"[Tauchgang]", "Wegpunkte max=2", "[Tauchgang#1]", "Runtime (min) ***************=20",
                   "[Tauchgang#2]", "Runtime (min) ***************=5"},
                  2,
                  "Wegpunkt 2: Runtime kleiner als beim vorigen Wegpunkt.\r-> wird gesetzt auf 20.00"},
        Feindfall{"Tiefe_absurd",
                  {"[Tauchgang]", "Wegpunkte max=1", "[Tauchgang#1]", "Tiefe (m)=1e30"},
                  1,
                  "Tiefe: ungültigen Wert eingelesen.\r-> wird gesetzt auf 1000.00"}),
    Fallname());

TEST_F(Tauchgangsdatei, viele_gleiche_Fehler_eine_Meldung) {
    std::vector<std::string> z = {"[Tauchgang]", "Wegpunkte max=200"};
    for (int k = 0; k <= 200; ++k) {
        z.push_back("[Tauchgang#" + std::to_string(k) + "]");
        z.push_back("Tiefe (m)=tief");
    }
    Datei(z);
    ASSERT_TRUE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

struct Unbrauchbarfall {
    const char* Fall;
    const char* Meldung;
};
class Unbrauchbare_Datei : public Tauchgangsdatei, public ::testing::WithParamInterface<Unbrauchbarfall> {};

// A file that cannot be used changes nothing.
TEST_P(Unbrauchbare_Datei, aendert_nichts) {
    const std::string Fall = GetParam().Fall;
    if (Fall == "Binaerdaten")
        Schreiben(Pfad, std::string("\x7F"
                                    "ELF\x02\x01\x01\0\0\0=\xFF\xFE[",
                                    15));
    if (Fall == "zu_gross") {
        Schreiben(Pfad, "[Tauchgang]\r\nWegpunkte max=1\r\n");
        fs::resize_file(Pfad, Unit_Textdatei::Dateigroesse_max + 1);
    }
    Drei_Wegpunkte();
    Unit_Formeln::bar_Luft = 0.97f;
    Pfad_Tauchgang = "/vorher/";
    EXPECT_FALSE(Tauchgangsdatei_lesen(Pfad.string()));
    EXPECT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_EQ(W::WayPoint[2].min_Runtime, 25.0f);
    EXPECT_EQ(Unit_Formeln::bar_Luft, 0.97f);
    EXPECT_EQ(Pfad_Tauchgang, "/vorher/");
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text.rfind("Datei " + Pfad.string() + GetParam().Meldung, 0), 0u);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Unbrauchbare_Datei,
                         ::testing::Values(Unbrauchbarfall{"fehlt", " kann nicht gelesen werden: "},
                                           Unbrauchbarfall{"Binaerdaten", " ist keine Tauchgangsdatei"},
                                           Unbrauchbarfall{"zu_gross", " kann nicht gelesen werden: "}),
                         Fallname());

// ---- saving ----

TEST_F(Tauchgangsdatei, Speichern_schreibt_Tauchgang_und_Einstellungsdatei) {
    Drei_Wegpunkte();
    Unit_WayPoints::Tauchgang_gespeichert = false;
    Oberflaeche.Antwort_Datei = Pfad.string();
    ASSERT_TRUE(Tauchgang_speichern("Wrack* Nordseite"));
    EXPECT_EQ(Kommentar, "Wrack* Nordseite");
    EXPECT_EQ(Pfad_Tauchgang, Ordner.string() + "/");
    EXPECT_EQ(Datei_Tauchgang, "Tauchgang.dec");
    EXPECT_TRUE(Unit_WayPoints::Tauchgang_gespeichert);
    const auto z = Auf_Platte();
    EXPECT_EQ(z.front(), "[Programm]");
    EXPECT_NE(std::find(z.begin(), z.end(), "Kommentar=Wrack* Nordseite"), z.end());
    EXPECT_NE(std::find(z.begin(), z.end(), "Datei Tauchgang=Tauchgang.dec"), z.end());
    EXPECT_EQ(Abschnitt(z, "Tauchgang"), (std::vector<std::string>{"Wegpunkte max=3"}));
    // The settings file carries the same dive.
    const std::string ini = Bytes(E::Einstellungsdatei());
    EXPECT_NE(ini.find("Wegpunkte max=3\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Datei Tauchgang=Tauchgang.dec\r\n"), std::string::npos);
}

TEST_F(Tauchgangsdatei, Speichern_im_englischen_Lauf_legt_den_englischen_Kommentar_ab) {
    Unit_Tools::Sprache = 1;
    Kommentar = "bleibt";
    Oberflaeche.Antwort_Datei = Pfad.string();
    ASSERT_TRUE(Tauchgang_speichern("wreck"));
    EXPECT_EQ(Comment, "wreck");
    EXPECT_EQ(Kommentar, "bleibt");
}

TEST_F(Tauchgangsdatei, Abbruch_heisst_Not_Saved_und_schreibt_nichts) {
    Pfad_Tauchgang = "/irgendwo/";
    Datei_Tauchgang = "alt.dec";
    Unit_WayPoints::Tauchgang_gespeichert = false;
    EXPECT_FALSE(Tauchgang_speichern(""));
    EXPECT_EQ(Pfad_Tauchgang, "");
    EXPECT_EQ(Datei_Tauchgang, "Not_Saved");
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Abbruch");
    EXPECT_FALSE(Unit_WayPoints::Tauchgang_gespeichert);
    EXPECT_FALSE(fs::exists(E::Einstellungsdatei()));
}

// Regression: an I/O error while saving left an incomplete dive file and reported nothing.
TEST_F(Tauchgangsdatei, Schreibfehler_behaelt_die_vorige_Datei) {
    Schreiben(Pfad, "[Tauchgang]\r\nWegpunkte max=0\r\n");
    fs::create_directories(Unit_Textdatei::Temporaere_Datei(Pfad.string()) + "/voll");
    Drei_Wegpunkte();
    Oberflaeche.Antwort_Datei = Pfad.string();
    Unit_WayPoints::Tauchgang_gespeichert = false;
    EXPECT_FALSE(Tauchgang_speichern(""));
    EXPECT_EQ(Bytes(Pfad), "[Tauchgang]\r\nWegpunkte max=0\r\n");
    EXPECT_EQ(Datei_Tauchgang, "Not_Saved");
    EXPECT_FALSE(Unit_WayPoints::Tauchgang_gespeichert);
    EXPECT_EQ(Oberflaeche.Anzahl("kann nicht geschrieben werden"), 1);
    EXPECT_FALSE(fs::exists(E::Einstellungsdatei()));
}

// ---- loading from the menu ----

TEST_F(Tauchgangsdatei, Kommentar_mit_Stern_zeigt_zwei_Zeilen) {
    EXPECT_EQ(Kommentar_Anzeigetext("Erster Satz.* Zweiter Satz."), "Erster Satz.\rZweiter Satz.");
    EXPECT_EQ(Kommentar_Anzeigetext("a*b**  c"), "a\rb\r\r c");
}

TEST_F(Tauchgangsdatei, Laden_zeigt_den_Kommentar_und_fuehrt_die_Gase_zusammen) {
    // The dive: gas 17 = Tmx25/25 on waypoint 1.
    G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25);
    Drei_Wegpunkte();
    W::WayPoint[1].Gas_Nr = 17;
    Kommentar = "Erster Satz.* Zweiter Satz.";
    ASSERT_TRUE(Tauchgangsdatei_schreiben(Pfad.string()));

    // The user's own list: two other gases of their own.
    G::Gasgemische_initialisieren();
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);
    G::Gasgemisch_hinzufuegen("Tmx18/45", 18, 37, 45);
    W::WayPoints_loeschen();
    Kommentar.clear();
    Oberflaeche.Antwort_Datei = Pfad.string();
    int geladen = 0;
    int Gas_beim_Nachrechnen = -1;
    ASSERT_TRUE(Tauchgang_laden([&] {
        ++geladen;
        Gas_beim_Nachrechnen = W::WayPoint[1].Gas_Nr;
    }));
    EXPECT_EQ(geladen, 1);
    EXPECT_EQ(Gas_beim_Nachrechnen, 17); // the dive is recomputed with its own gas list
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Info);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Erster Satz.\rZweiter Satz.");
    // Tmx18/45 equals default gas 11, so only EAN28 and the dive's Tmx25/25 are user gases.
    EXPECT_EQ(G::Gasgemisch[17].Name, "EAN28");
    EXPECT_EQ(G::Gasgemisch[18].Name, "Tmx18/45");
    EXPECT_EQ(G::Gasgemisch_NumMax, 19);
    EXPECT_EQ(G::Gasgemisch[19].f_He_prozent, 25.0f);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 19);
}

TEST_F(Tauchgangsdatei, abgebrochenes_Laden_behaelt_die_Gasliste) {
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);
    int geladen = 0;
    EXPECT_FALSE(Tauchgang_laden([&] { ++geladen; }));
    EXPECT_EQ(geladen, 0);
    EXPECT_EQ(G::Gasgemisch_NumMax, 17);
    EXPECT_EQ(G::Gasgemisch[17].Name, "EAN28");
}

struct Beispielfall {
    const char* Fall;
    int32_t Sprache;
    const char* Unterordner;
};
class Beispiel_laden : public Tauchgangsdatei, public ::testing::WithParamInterface<Beispielfall> {};

TEST_P(Beispiel_laden, aus_dem_Ordner_der_Sprache) {
    Unit_Tools::Sprache = GetParam().Sprache;
    const fs::path Daten = Ordner / "share";
    Schreiben(Daten / GetParam().Unterordner / "Luft.dec", "[Tauchgang]\r\nWegpunkte max=1\r\n");
    Pfad_Tauchgang = "/meine/Tauchgaenge/";
    // The open dialog is offered the example folder; it picks the file there.
    struct Wahl : Unit_UI::Headless {
        std::string Ordner;
        std::optional<std::string> Datei_waehlen(const Unit_UI::Dateiwahl& w) override {
            Ordner = w.Ordner;
            return w.Ordner + "Luft.dec";
        }
    } Dialog;
    Unit_UI::UI_setzen(&Dialog);
    EXPECT_TRUE(Tauchgang_Beispiel_laden(Daten.string(), nullptr));
    Unit_UI::UI_setzen(&Oberflaeche);
    EXPECT_EQ(Dialog.Ordner, (Daten / GetParam().Unterordner).string() + "/");
    EXPECT_EQ(W::WayPoint_Anzahl, 1);
    EXPECT_EQ(Pfad_Tauchgang, "/meine/Tauchgaenge/");
}
INSTANTIATE_TEST_SUITE_P(Faelle, Beispiel_laden,
                         ::testing::Values(Beispielfall{"deutsch", 0, "Tauchgang_Beispiele"},
                                           Beispielfall{"englisch", 1, "Example_dives"}),
                         Fallname());

// ---- the overview ----

TEST_F(Tauchgangsdatei, Uebersicht_zeigt_Einstellungen_und_Wegpunkte) {
    Drei_Wegpunkte();
    const auto u = Uebersicht();
    ASSERT_FALSE(u.Einstellungen.empty());
    EXPECT_EQ(u.Einstellungen.front().Schluessel, "Sprache");
    ASSERT_EQ(u.Tauchgang.size(), 1u + 4u * 14u);
    EXPECT_EQ(u.Tauchgang[0].Abschnitt, "Tauchgang");
    EXPECT_EQ(u.Tauchgang[0].Wert, "3");
    EXPECT_EQ(u.Tauchgang[1].Abschnitt, "Tauchgang#0");
    EXPECT_EQ(u.Tauchgang[1 + 14 + 1].Wert, " 40.00");
    EXPECT_EQ(u.Tauchgang.back().Wert, "true");
}
