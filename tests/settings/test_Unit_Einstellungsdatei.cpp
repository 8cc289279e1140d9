#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Textdatei.hpp"
#include "settings/Unit_Wandleranschluss.hpp"

#include <algorithm>

using namespace Unit_Einstellungsdatei;
namespace fs = std::filesystem;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace F = Unit_Formeln;
namespace S = Unit_Saettigungsmodelle;
namespace A = Unit_AbtauchPlanung;
namespace U = Unit_AustauchPlanung;
namespace K = Unit_CCR_SCR;
namespace D = Unit_Graph_Utilities;

class Einstellungen : public Einstellungsumgebung {
  protected:
    static std::vector<std::string> Datei_Zeilen() { return Einstellungsdatei_Zeilen(); }
    std::vector<std::string> Datei_auf_Platte() const {
        return Unit_Textdatei::Zeilen_teilen(Unit_Textdatei::Text_dekodieren(Bytes(Einstellungsdatei())));
    }
    static std::vector<Anzeigezeile> Anzeige() {
        Zugriff Z(Modus::show);
        Einstellungen_durchlaufen(Z);
        return Z.Anzeige;
    }
};

// ---- the text of the file, derived by hand from the keys, formats and the built-in defaults ----

TEST_F(Einstellungen, Abschnitte_in_Dateireihenfolge) {
    std::vector<std::string> Koepfe;
    for (const auto& z : Datei_Zeilen())
        if (z.front() == '[') Koepfe.push_back(z);
    EXPECT_EQ(Koepfe, (std::vector<std::string>{"[Programm]", "[Wiederholungstauchgang]", "[Aktuell]",
                                                "[Abstieg]", "[Zeitmessung]", "[RunTime Tabelle]",
                                                "[Aufstieg]", "[Gasverbrauch]", "[Berechnung]",
                                                "[Sicherheit]", "[Gase]", "[Grenzwertueberschreitung]",
                                                "[Gasmischer]", "[Tauchgang]", "[Tauchgang#0]"}));
}

TEST_F(Einstellungen, Anfang_des_Abschnitts_Programm) {
    const auto z = Abschnitt(Datei_Zeilen(), "Programm");
    ASSERT_GE(z.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + 16),
              (std::vector<std::string>{"Version=4.10 ~ 30.1.2024", "Windows-Version=Linux", "Sprache=0",
                                        "Hauptform_max=1", "Hauptform_top=0", "Hauptform_links=0",
                                        "Hauptform_Breite=1200", "Hauptform_Hoehe=700", "Grundeinstellung=1",
                                        "Luftdruck (bar)=1.01325", "Höhe (m NN)=0",
                                        "Tiefenkalibrierung (m/bar)=10.000",
                                        "Pfad Tauchgang=", "Datei Tauchgang=", "Kommentar=", "Comment="}));
    EXPECT_EQ(z.back(), "Gasverbrauch (Aufstieg) zeigen=0");
}

struct Abschnittsfall {
    const char* Fall;
    const char* Name;
    std::vector<std::string> Zeilen;
};
class Abschnittstext : public Einstellungen, public ::testing::WithParamInterface<Abschnittsfall> {};

TEST_P(Abschnittstext, wie_von_Hand_ermittelt) {
    EXPECT_EQ(Abschnitt(Datei_Zeilen(), GetParam().Name), GetParam().Zeilen);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Abschnittstext,
    ::testing::Values(
        Abschnittsfall{"Wiederholung",
                       "Wiederholungstauchgang",
                       {"OK=0", "Vortauchgang=", "Oberflächenpause (h)= 0.00"}},
        Abschnittsfall{"Aktuell",
                       "Aktuell",
                       {"Tauchgeraet=OC", "CCR pO2 (bar)=1.30", "SCR flow (l/min)=15.6",
                        "pSCR dump ratio (%)=10", "Atemgas=0", "Runtime (min)=  30.0", "Tiefe (m)= 25.0"}},
        Abschnittsfall{"Zeitmessung",
                       "Zeitmessung",
                       {"Stops auf volle min ausdehnen=1", "Stops auf volle RunTime Minuten ausdehnen=0",
                        "Aufstiegszeit zum nächsten Stop addieren=0", "Startzeit aktuell=1",
                        "Startzeit=00:00:00"}},
        Abschnittsfall{"RunTime_Tabelle",
                       "RunTime Tabelle",
                       {"Aufstieg zwischen Deko=0", "Zeit auf Tiefe=0", "Uhrzeit=0", "p(O2)=0", "CNS %=0",
                        "System=1", "Gasdichte=0", "Nachkommastellen=2"}},
        Abschnittsfall{"Berechnung", "Berechnung", {"Modell N2=2", "Modell He=6", "Algorithmus=1"}},
        Abschnittsfall{"Sicherheit",
                       "Sicherheit",
                       {"Bühlmann Tiefenzuschlag=1", "Bühlmann letzten Stop verdoppeln=0",
                        "Bühlmann Sicherheitsstop (min)=  0", "GF verwenden=0", "GF Lo=0.20",
                        "GF Lo last deco stop=1", "GF Hi=0.70", "GF alle Stops=0", "Deep Stop verwenden=0",
                        "Deep Stop (min)=1", "Deep Stop Stufen oberhalb Deko-Zone=2"}},
        Abschnittsfall{"Grenzwerte",
                       "Grenzwertueberschreitung",
                       {"pO2 weiterrechnen=0", "Warnungen reduzieren=0", "Gasdichte Warnung (g/l)= 5.2",
                        "Gasdichte Maximum (g/l)= 6.2"}},
        Abschnittsfall{"Tauchgang", "Tauchgang", {"Wegpunkte max=0"}}),
    Fallname());

TEST_F(Einstellungen, Gas_mit_fuenf_Schluesseln) {
    const auto z = Abschnitt(Datei_Zeilen(), "Gase");
    ASSERT_EQ(z.size(), 1u + 17u * 5u);
    EXPECT_EQ(z[0], "Verwendete Gase=16");
    EXPECT_EQ(std::vector<std::string>(z.begin() + 1, z.begin() + 6),
              (std::vector<std::string>{"Gasgemisch(0) Name=Luft", "Gasgemisch(0) O2 (%)= 20.95",
                                        "Gasgemisch(0) N2 (%)= 79.02", "Gasgemisch(0) He (%)=  0.00",
                                        "Gasgemisch(0) Verbrauch (barL)=    0.00"}));
    EXPECT_EQ(z[81], "Gasgemisch(16) Name=Tmx5/80");
}

TEST_F(Einstellungen, drei_Leerzeichen_nur_im_Aufstieg) {
    const auto Zeilen = Datei_Zeilen();
    const auto ab = Abschnitt(Zeilen, "Abstieg");
    const auto auf = Abschnitt(Zeilen, "Aufstieg");
    EXPECT_EQ(ab[1], "Geschwindigkeit Standard (m/min)= 25");
    EXPECT_EQ(auf[1], "Geschwindigkeit Standard   (m/min)= 10");

    Einstellungen_aus_Zeilen({"[Aufstieg]", "Geschwindigkeit Standard   (m/min)=7", "[Abstieg]",
                              "Geschwindigkeit Standard   (m/min)=8"});
    EXPECT_EQ(U::v_Aufstieg_konstant, 7.0f);
    EXPECT_EQ(A::v_Abstieg_konstant, 25.0f); // the descent key has one blank: missing, default
    Einstellungen_aus_Zeilen({"[Aufstieg]", "Geschwindigkeit Standard (m/min)=7"});
    EXPECT_EQ(U::v_Aufstieg_konstant, 10.0f);
}

TEST_F(Einstellungen, Zeilenumbruch_im_Text_wird_Stern) {
    Unit_WayPoints::Kommentar = "erste\r\nzweite\ndritte";
    const auto z = Abschnitt(Datei_Zeilen(), "Programm");
    EXPECT_NE(std::find(z.begin(), z.end(), "Kommentar=erste*zweite*dritte"), z.end());
}

TEST_F(Einstellungen, Modus_save_schreibt_nach_Schluesseln_in_eine_Ini_Datei) {
    Zugriff Z(Modus::save);
    Z.Ini =
        Unit_IniDatei::IniDatei::aus_Zeilen({"[Programm]", "Sprache=1", "Fremd=bleibt", "[Eigenes]", "x=1"});
    S::GF_Lo = 0.35f;
    Einstellungen_durchlaufen(Z);
    EXPECT_EQ(Z.Ini.Wert("Programm", "Sprache"), "0");
    EXPECT_EQ(Z.Ini.Wert("Programm", "Fremd"), "bleibt");
    EXPECT_EQ(Z.Ini.Wert("Programm", "Version"), "4.10 ~ 30.1.2024");
    EXPECT_EQ(Z.Ini.Wert("Programm", "Hauptform_max"), "1");
    EXPECT_EQ(Z.Ini.Wert("Sicherheit", "GF Lo"), "0.35");
    EXPECT_EQ(Z.Ini.Wert("Eigenes", "x"), "1");
    EXPECT_TRUE(Z.Zeilen.empty());
}

// ---- language ----

TEST_F(Einstellungen, englischer_Lauf_schreibt_deutsche_Namen_und_liest_sie) {
    Unit_Tools::Sprache = 1;
    F::bar_Luft = 0.98765f;
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    const auto z = Datei_auf_Platte();
    EXPECT_EQ(z.front(), "[Programm]");
    EXPECT_NE(std::find(z.begin(), z.end(), "Sprache=1"), z.end());
    EXPECT_NE(std::find(z.begin(), z.end(), "Luftdruck (bar)=0.98765"), z.end());
    for (const auto& Zeile : z) {
        EXPECT_EQ(Zeile.find("Air pressure"), std::string::npos);
        EXPECT_NE(Zeile, "[Program]");
    }
    F::bar_Luft = 1.01325f;
    ASSERT_TRUE(Einstellungsdatei_lesen());
    EXPECT_EQ(Unit_Tools::Sprache, 1);
    EXPECT_EQ(F::bar_Luft, 0.98765f);
}

struct Sprachfall {
    const char* Fall;
    std::vector<std::string> Zeilen;
    int32_t Sprache;
};
class Sprache_aus_Datei : public Einstellungen, public ::testing::WithParamInterface<Sprachfall> {};

TEST_P(Sprache_aus_Datei, beide_Schreibweisen) {
    Unit_Tools::Sprache = 1 - GetParam().Sprache;
    Schreiben(Einstellungsdatei(), CRLF(GetParam().Zeilen));
    Sprache_lesen();
    EXPECT_EQ(Unit_Tools::Sprache, GetParam().Sprache);
    Unit_Tools::Sprache = 1 - GetParam().Sprache;
    Einstellungen_aus_Zeilen(GetParam().Zeilen);
    EXPECT_EQ(Unit_Tools::Sprache, GetParam().Sprache);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Sprache_aus_Datei,
    ::testing::Values(Sprachfall{"Sprache_1", {"[Programm]", "Sprache=1"}, 1},
                      Sprachfall{"Language_1_ohne_Sprache", {"[Program]", "Language=1"}, 1},
                      Sprachfall{
                          "Language_1_Sprache_0", {"[Programm]", "Sprache=0", "[Program]", "Language=1"}, 1},
                      Sprachfall{"beide_0", {"[Programm]", "Sprache=0", "[Program]", "Language=0"}, 0},
                      Sprachfall{"kleingeschrieben", {"[programm]", "sprache=2"}, 1},
                      Sprachfall{"keine_Zahl", {"[Programm]", "Sprache=englisch"}, 0},
                      Sprachfall{"leer", {}, 0}),
    Fallname());

TEST_F(Einstellungen, nur_die_Sprache_lesen_laesst_alles_andere) {
    Schreiben(Einstellungsdatei(), CRLF({"[Programm]", "Sprache=1", "Luftdruck (bar)=0.9"}));
    Sprache_lesen();
    EXPECT_EQ(Unit_Tools::Sprache, 1);
    EXPECT_EQ(F::bar_Luft, 1.01325f);
}

// ---- numbers ----

struct Trennzeichenfall {
    const char* Fall;
    char schreiben, lesen;
    const char* Zeile;
};
class Dezimaltrennzeichen : public Einstellungen, public ::testing::WithParamInterface<Trennzeichenfall> {};

TEST_P(Dezimaltrennzeichen, in_beide_Richtungen) {
    Unit_Tools::Dezimaltrennzeichen_setzen(GetParam().schreiben);
    F::bar_Luft = 0.95123f;
    S::GF_Hi = 0.85f;
    A::Abstieg_Setpoint.Zeile[2] = {20, 1.25f};
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    const auto z = Datei_auf_Platte();
    EXPECT_NE(std::find(z.begin(), z.end(), GetParam().Zeile), z.end());
    F::bar_Luft = 1;
    S::GF_Hi = 0;
    A::Abstieg_Setpoint.Zeile[2] = {};
    Unit_Tools::Dezimaltrennzeichen_setzen(GetParam().lesen);
    ASSERT_TRUE(Einstellungsdatei_lesen());
    EXPECT_EQ(F::bar_Luft, 0.95123f);
    EXPECT_EQ(S::GF_Hi, 0.85f);
    EXPECT_EQ(A::Abstieg_Setpoint.Zeile[2].Wert, 1.25f);
    EXPECT_EQ(A::Abstieg_Setpoint.Zeile[2].m_ab, 20.0f);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Dezimaltrennzeichen,
    ::testing::Values(Trennzeichenfall{"Komma_nach_Punkt", ',', '.', "Luftdruck (bar)=0,95123"},
                      Trennzeichenfall{"Punkt_nach_Komma", '.', ',', "Luftdruck (bar)=0.95123"}),
    Fallname());

struct Verbrauchsfall {
    const char* Fall;
    const char* Schluessel;
    const char* Wert;
    int32_t Sprache;
    float erwartet;
    const char* Meldung; // empty: none
};
class Sauerstoffverbrauch : public Einstellungen, public ::testing::WithParamInterface<Verbrauchsfall> {};

TEST_P(Sauerstoffverbrauch, Bereich_der_Auswahlliste) {
    const Verbrauchsfall f = GetParam();
    Einstellungen_aus_Zeilen({"[Programm]", "Sprache=" + std::to_string(f.Sprache), "[Gasverbrauch]",
                              std::string(f.Schluessel) + "=" + f.Wert});
    const std::string k = f.Schluessel;
    const float gelesen = k.rfind("SCR", 0) == 0   ? K::SCR.barL_pro_min_Atmung_O2
                          : k.rfind("CCR", 0) == 0 ? K::CCR.barL_pro_min_Atmung_O2
                                                   : K::pSCR.barL_pro_min_Atmung_O2;
    EXPECT_EQ(gelesen, f.erwartet);
    if (std::string(f.Meldung).empty()) {
        EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    } else {
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Text, f.Meldung);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Sauerstoffverbrauch,
    ::testing::Values(
        Verbrauchsfall{"SCR_3", "SCR O2 Verbrauch (l/min)", "3", 0, 2.5f,
                       "SCR O2 Verbrauch: ungültigen Wert eingelesen.\r-> wird gesetzt auf  2.50"},
        Verbrauchsfall{"SCR_0_4", "SCR O2 Verbrauch (l/min)", "0.4", 0, 2.5f,
                       "SCR O2 Verbrauch: ungültigen Wert eingelesen.\r-> wird gesetzt auf  2.50"},
        Verbrauchsfall{"SCR_3_englisch", "SCR O2 Verbrauch (l/min)", "3", 1, 2.5f,
                       "SCR O2 consumption: Reading of invalid data.\r-> will be set to  2.50"},
        Verbrauchsfall{"CCR_3", "CCR O2 Verbrauch (barL/min)", "3,0", 0, 2.5f,
                       "CCR O2 Verbrauch: ungültigen Wert eingelesen.\r-> wird gesetzt auf  2.50"},
        Verbrauchsfall{"pSCR_0_4", "pSCR O2 Verbrauch (l/min)", "0.40", 0, 2.5f,
                       "pSCR O2 Verbrauch: ungültigen Wert eingelesen.\r-> wird gesetzt auf  2.50"},
        Verbrauchsfall{"pSCR_0_4_englisch", "pSCR O2 Verbrauch (l/min)", "0.40", 1, 2.5f,
                       "pSCR O2 consumption: Reading of invalid data.\r-> will be set to  2.50"},
        Verbrauchsfall{"untere_Grenze", "SCR O2 Verbrauch (l/min)", "0.5", 0, 0.5f, ""},
        Verbrauchsfall{"obere_Grenze", "CCR O2 Verbrauch (barL/min)", "2.5", 0, 2.5f, ""},
        Verbrauchsfall{"Auswahl", "pSCR O2 Verbrauch (l/min)", "0,75", 0, 0.75f, ""}),
    Fallname());

struct Unsinnsfall {
    const char* Fall;
    std::vector<std::string> Zeilen;
    std::function<long double()> Wert;
    long double erwartet;
    int Meldungen;
};
class Unsinnige_Werte : public Einstellungen, public ::testing::WithParamInterface<Unsinnsfall> {};

// Values that would stall or break the calculation are brought into range after a message.
TEST_P(Unsinnige_Werte, werden_begrenzt) {
    Einstellungen_aus_Zeilen(GetParam().Zeilen);
    EXPECT_EQ(GetParam().Wert(), GetParam().erwartet);
    EXPECT_EQ(static_cast<int>(Oberflaeche.Meldungen.size()), GetParam().Meldungen);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Unsinnige_Werte,
    ::testing::Values(
        Unsinnsfall{"Aufstieg_0_m_pro_min",
                    {"[Aufstieg]", "Geschwindigkeit Standard   (m/min)=0"},
                    [] { return U::v_Aufstieg_konstant; },
                    1,
                    1},
        Unsinnsfall{"Aufstieg_Zeile_0_m_pro_min",
                    {"[Aufstieg]", "Geschwindigkeit variabel 2 (m/min)=0"},
                    [] { return U::Aufstieg_Geschwindigkeit.Zeile[1].Wert; },
                    1,
                    1},
        Unsinnsfall{"Abstieg_200_m_pro_min",
                    {"[Abstieg]", "Geschwindigkeit Standard (m/min)=200"},
                    [] { return A::v_Abstieg_konstant; },
                    100,
                    1},
        Unsinnsfall{"Stopabstand_0",
                    {"[Aufstieg]", "Abstand der Dekostops (m)=0"},
                    [] { return U::m_DekoStep; },
                    1,
                    1},
        Unsinnsfall{"Modell_N2_9", {"[Berechnung]", "Modell N2=9"}, [] { return S::Modell_N2.Nummer; }, 2, 1},
        Unsinnsfall{"Modell_He_2", {"[Berechnung]", "Modell He=2"}, [] { return S::Modell_He.Nummer; }, 6, 1},
        Unsinnsfall{"Algorithmus_7",
                    {"[Berechnung]", "Algorithmus=7"},
                    [] { return Unit_Saettigungsrechnung::Algorithmus; },
                    1,
                    1},
        Unsinnsfall{"Gase_99", {"[Gase]", "Verwendete Gase=99"}, [] { return G::Gasgemisch_NumMax; }, 40, 1},
        Unsinnsfall{"Gase_3", {"[Gase]", "Verwendete Gase=3"}, [] { return G::Gasgemisch_NumMax; }, 16, 1},
        Unsinnsfall{
            "Luftdruck_nan", {"[Programm]", "Luftdruck (bar)=nan"}, [] { return F::bar_Luft; }, 0.3f, 2},
        Unsinnsfall{"Luftdruck_zu_gross_fuer_float",
                    {"[Programm]", "Luftdruck (bar)=1e999"},
                    [] { return F::bar_Luft; },
                    0.3f,
                    2},
        Unsinnsfall{"Tiefenkalibrierung_0",
                    {"[Programm]", "Tiefenkalibrierung (m/bar)=0"},
                    [] { return F::m_pro_bar; },
                    9,
                    1},
        Unsinnsfall{
            "Kreislaufvolumen_0", {"[Gasverbrauch]", "CCR Volumen (L)=0"}, [] { return K::CCR.L; }, 1, 1},
        Unsinnsfall{
            "AMV_0", {"[Gasverbrauch]", "AMV (l/min)=0"}, [] { return Unit_Gasverbrauch::AMV; }, 5, 1},
        Unsinnsfall{"Nachkommastellen_5",
                    {"[RunTime Tabelle]", "Nachkommastellen=5"},
                    [] { return Unit_Report::RunTimeTable_NachKomma; },
                    2,
                    1},
        Unsinnsfall{"Grundeinstellung_9",
                    {"[Programm]", "Grundeinstellung=9"},
                    [] { return Unit_Grundeinstellungen::Grundeinstellung; },
                    1,
                    1},
        Unsinnsfall{"negative_Oberflaechenpause",
                    {"[Wiederholungstauchgang]", "Oberflächenpause (h)=-5"},
                    [] { return Unit_WayPoints::Oberflaechenpause_h; },
                    0,
                    1},
        Unsinnsfall{
            "Startruntime_2000", {"[Aktuell]", "Runtime (min)=2000"}, [] { return W::min_Runtime; }, 900, 1},
        Unsinnsfall{"ganze_Zahl_ist_Text",
                    {"[Programm]", "Hauptform_Breite=breit"},
                    [] { return Unit_Programm::Hauptform_Breite; },
                    1200,
                    0},
        Unsinnsfall{"Gleitzahl_ist_Text", {"[Sicherheit]", "GF Lo=viel"}, [] { return S::GF_Lo; }, 0, 1},
        Unsinnsfall{"leere_Gleitzahl", {"[Sicherheit]", "GF Hi="}, [] { return S::GF_Hi; }, 0, 0},
        Unsinnsfall{"Baudrate_nicht_angeboten",
                    {"[Gasmischer]", "Baudrate=12345"},
                    [] { return Unit_Wandleranschluss::Einstellung.Baudrate; },
                    56000,
                    1},
        Unsinnsfall{"Datenbits_9",
                    {"[Gasmischer]", "Datenbits=9"},
                    [] { return Unit_Wandleranschluss::Einstellung.Datenbits; },
                    8,
                    1},
        Unsinnsfall{"Paritaet_gross_geschrieben",
                    {"[Gasmischer]", "Paritaet= EVEN"},
                    [] { return Unit_Wandleranschluss::Einstellung.Paritaet; },
                    2,
                    0},
        Unsinnsfall{"Flusssteuerung_unbekannt",
                    {"[Gasmischer]", "Flusssteuerung=rts"},
                    [] { return Unit_Wandleranschluss::Einstellung.Flusssteuerung; },
                    0,
                    1},
        // Neither has a use for 0 or for a bound: a bad value brings back the default.
        Unsinnsfall{"Gasdichte_Warnung_ist_Text",
                    {"[Grenzwertueberschreitung]", "Gasdichte Warnung (g/l)=dicht"},
                    [] { return F::g_pro_L_Gasdichte_Warnung; },
                    5.2f,
                    2},
        Unsinnsfall{"Problemloesezeit_leer",
                    {"[Gasverbrauch]", "Problemlösezeit (min)="},
                    [] { return Unit_Gasverbrauch::min_Problemloesezeit; },
                    1,
                    1},
        Unsinnsfall{"Kontingenz_Zeit_0",
                    {"[Aufstieg]", "Kontingenz Zeit (min)=0"},
                    [] { return static_cast<float>(Unit_Kontingenzplaene::min_Kontingenz_Zeit); },
                    3,
                    1},
        Unsinnsfall{"Kontingenz_Tiefe_zu_gross",
                    {"[Aufstieg]", "Kontingenz Tiefe (m)=99"},
                    [] { return static_cast<float>(Unit_Kontingenzplaene::m_Kontingenz_Tiefe); },
                    3,
                    1}),
    Fallname());

TEST_F(Einstellungen, gleicher_Schluessel_in_zwei_Abschnitten_zwei_Meldungen) {
    Einstellungen_aus_Zeilen({"[Abstieg]", "Geschwindigkeit variabel 1 (m/min)=0", "[Aufstieg]",
                              "Geschwindigkeit variabel 1 (m/min)=0"});
    EXPECT_EQ(A::Abstieg_Geschwindigkeit.Zeile[0].Wert, 1.0f);
    EXPECT_EQ(U::Aufstieg_Geschwindigkeit.Zeile[0].Wert, 1.0f);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
}

TEST_F(Einstellungen, Text_statt_Zahl_meldet_den_Text) {
    Einstellungen_aus_Zeilen({"[Sicherheit]", "GF Lo= viel "});
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, ">viel< ist keine Zahl");
}

TEST_F(Einstellungen, Gasnummern_ausserhalb_der_Liste_werden_Luft) {
    Einstellungen_aus_Zeilen({"[Aktuell]", "Atemgas=57", "[Aufstieg]", "Gaswechsel 2 (Gas)=20",
                              "Gas Breaks Gas Nummer=-3", "[Abstieg]", "Gaswechsel 1 (Gas)=1e9", "[Gase]",
                              "Verwendete Gase=16"});
    EXPECT_EQ(W::Gas_Nr_Start, 0);
    EXPECT_EQ(W::Gas_Nr, 0);
    EXPECT_EQ(G::Gasgemisch_num, 0);
    EXPECT_EQ(U::Aufstieg_Gaswechsel.Zeile[1].Wert, 0.0f);
    EXPECT_EQ(U::AirBreak_GasNum, 0);
    EXPECT_EQ(A::Abstieg_Gaswechsel.Zeile[0].Wert, 0.0f);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Gas Nr. 57 ist nicht in der Gasliste, Luft wird verwendet");
}

TEST_F(Einstellungen, Gasnummer_in_der_Liste_bleibt_und_wird_gewaehlt) {
    Einstellungen_aus_Zeilen({"[Aktuell]", "Atemgas=4"});
    EXPECT_EQ(W::Gas_Nr, 4);
    EXPECT_EQ(G::Gasgemisch_num, 4);
    EXPECT_FLOAT_EQ(G::f_O2, 0.5f);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

// ---- gases ----

TEST_F(Einstellungen, mit_16_Gasen_kein_Abschnitt_neu_angelegt) {
    const auto z = Datei_Zeilen();
    EXPECT_EQ(std::find(z.begin(), z.end(), "[Gase, neu angelegt]"), z.end());
}

TEST_F(Einstellungen, mit_18_Gasen_Abschnitt_neu_angelegt_mit_17_und_18) {
    G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25);
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);
    const auto z = Datei_Zeilen();
    EXPECT_EQ(Abschnitt(z, "Gase")[0], "Verwendete Gase=18");
    const auto neu = Abschnitt(z, "Gase, neu angelegt");
    EXPECT_EQ(neu, (std::vector<std::string>{"Gasgemisch(17) Name=Tmx25/25", "Gasgemisch(17) O2 (%)= 25.00",
                                             "Gasgemisch(17) N2 (%)= 50.00", "Gasgemisch(17) He (%)= 25.00",
                                             "Gasgemisch(17) Verbrauch (barL)=    0.00",
                                             "Gasgemisch(18) Name=EAN28", "Gasgemisch(18) O2 (%)= 28.00",
                                             "Gasgemisch(18) N2 (%)= 72.00", "Gasgemisch(18) He (%)=  0.00",
                                             "Gasgemisch(18) Verbrauch (barL)=    0.00"}));
    auto Ende = std::find(z.begin(), z.end(), "[Gase, neu angelegt]");
    ASSERT_NE(Ende, z.end());
    EXPECT_EQ(*(Ende + 11), "[Grenzwertueberschreitung]");
}

TEST_F(Einstellungen, fehlende_Schluessel_neuer_Gase_nehmen_Gas_0) {
    Einstellungen_aus_Zeilen({"[Gase]", "Verwendete Gase=18", "[Gase, neu angelegt]",
                              "Gasgemisch(17) Name=Tmx30/30", "Gasgemisch(17) O2 (%)=30",
                              "Gasgemisch(17) N2 (%)=40", "Gasgemisch(17) He (%)=30",
                              "Gasgemisch(17) Verbrauch (barL)=1234,5"});
    EXPECT_EQ(G::Gasgemisch_NumMax, 18);
    EXPECT_EQ(G::Gasgemisch[17].Name, "Tmx30/30");
    EXPECT_EQ(G::Gasgemisch[17].f_He_prozent, 30.0f);
    EXPECT_EQ(G::Gasgemisch[17].barL_gesamt, 1234.5L);
    EXPECT_EQ(G::Gasgemisch[18].Name, "Luft");
    EXPECT_FLOAT_EQ(G::Gasgemisch[18].f_O2_prozent, 20.948f);
    EXPECT_FLOAT_EQ(G::Gasgemisch[18].f_N2_prozent, 79.02f);
}

TEST_F(Einstellungen, weniger_Gase_leeren_die_Eintraege_dahinter) {
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);
    Einstellungen_aus_Zeilen({"[Gase]", "Verwendete Gase=16"});
    EXPECT_EQ(G::Gasgemisch_NumMax, 16);
    EXPECT_TRUE(G::Gasgemisch[17].Name.empty());
    EXPECT_EQ(G::Gasgemisch[17].f_O2_prozent, 0.0f);
}

// ---- tables, texts, apparatus ----

TEST_F(Einstellungen, Tabellenzeilen_werden_nach_dem_Lesen_geordnet) {
    Einstellungen_aus_Zeilen({"[Abstieg]", "Geschwindigkeit variabel 1 (m)=0",
                              "Geschwindigkeit variabel 1 (m/min)=25", "Geschwindigkeit variabel 2 (m)=10",
                              "Geschwindigkeit variabel 2 (m/min)=20", "Geschwindigkeit variabel 3 (m)=5",
                              "Geschwindigkeit variabel 3 (m/min)=30", "Geschwindigkeit variabel 4 (m)=40",
                              "Geschwindigkeit variabel 4 (m/min)=10", "Geschwindigkeit variabel 5 (m)=40",
                              "Geschwindigkeit variabel 5 (m/min)=12", "Geschwindigkeit variabel 6 (m)=0",
                              "Geschwindigkeit variabel 6 (m/min)=15"});
    const auto& t = A::Abstieg_Geschwindigkeit.Zeile;
    EXPECT_EQ(t[2].m_ab, 10.0f); // 5 m after 10 m: copy of row 2
    EXPECT_EQ(t[2].Wert, 20.0f);
    EXPECT_EQ(t[3].m_ab, 40.0f);
    EXPECT_EQ(t[4].Wert, 12.0f); // equal depths stay as they are
    EXPECT_EQ(t[5].m_ab, 40.0f); // 0 m after 40 m: copy of row 5
    EXPECT_EQ(t[5].Wert, 12.0f);
}

struct Uhrzeitfall {
    const char* Fall;
    const char* Text;
    int h, m, s;
};
class Startzeit_lesen : public Einstellungen, public ::testing::WithParamInterface<Uhrzeitfall> {};

TEST_P(Startzeit_lesen, hh_mm_ss) {
    D::Startzeit = {1, 2, 3};
    Einstellungen_aus_Zeilen({"[Zeitmessung]", std::string("Startzeit=") + GetParam().Text});
    EXPECT_EQ(D::Startzeit.Stunden, GetParam().h);
    EXPECT_EQ(D::Startzeit.Minuten, GetParam().m);
    EXPECT_EQ(D::Startzeit.Sekunden, GetParam().s);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Startzeit_lesen,
                         ::testing::Values(Uhrzeitfall{"gueltig", "07:30:15", 7, 30, 15},
                                           Uhrzeitfall{"Stunde_25", "25:00:00", 0, 0, 0},
                                           Uhrzeitfall{"Rest_dahinter", "07:30:15x", 0, 0, 0},
                                           Uhrzeitfall{"Text", "mittags", 0, 0, 0}),
                         Fallname());

struct Geraetefall {
    const char* Fall;
    const char* Text;
    uint8_t Code;
};
class Startgeraet : public Einstellungen, public ::testing::WithParamInterface<Geraetefall> {};

TEST_P(Startgeraet, aus_dem_Text) {
    W::Tauchgeraet_Start = 2;
    Einstellungen_aus_Zeilen({"[Aktuell]", std::string("Tauchgeraet=") + GetParam().Text});
    EXPECT_EQ(W::Tauchgeraet_Start, GetParam().Code);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Startgeraet,
                         ::testing::Values(Geraetefall{"OC", "OC", 0}, Geraetefall{"CCR", "CCR", 1},
                                           Geraetefall{"SCR", "SCR constant flow", 2},
                                           Geraetefall{"pSCR", "pSCR", 3},
                                           Geraetefall{"unbekannt", "Rebreather", 0}),
                         Fallname());

// ---- every setting written and read back ----

namespace {
void Tabelle_setzen(Tiefentabelle_Type& t, std::initializer_list<Tiefenzeile> Zeilen) {
    std::copy(Zeilen.begin(), Zeilen.end(), t.Zeile.begin());
}

// A value other than the built-in default for every setting of the walk, each one the file's
// format keeps exactly.
void Alles_anders_setzen() {
    namespace P = Unit_Programm;
    namespace M = Unit_WayPoints;
    namespace R = Unit_Report;
    namespace V = Unit_Gasverbrauch;
    namespace B = Unit_Gewebe_barL;
    Unit_Tools::Sprache = 1;
    P::Hauptform_max = false;
    P::Hauptform_top = 11;
    P::Hauptform_links = 22;
    P::Hauptform_Breite = 1300;
    P::Hauptform_Hoehe = 800;
    Unit_Grundeinstellungen::Grundeinstellung = 3;
    F::bar_Luft = 0.95f;
    F::m_NN = 450;
    F::m_pro_bar = 10.2f;
    Unit_WayPoints::Pfad_Tauchgang = "/tmp/Tauchgänge/";
    Unit_WayPoints::Datei_Tauchgang = "a.dec";
    Unit_WayPoints::Kommentar = "Hallo* Welt";
    Unit_WayPoints::Comment = "Hi";
    P::Modelle_zeigen = true;
    D::Tauchgangsgraphik_zeigen = false;
    D::Taucher_zeigen = true;
    P::Hinweise_zeigen = false;
    D::OTU_zeigen = true;
    D::END_zeigen = false;
    D::pO2_zeigen = false;
    D::CNS_zeigen = false;
    D::GF_zeigen = true;
    D::Druck_zeigen = true;
    D::Uhrzeit_zeigen = true;
    D::Atemkreislauf_zeigen = true;
    D::Gegendiffusion_zeigen = true;
    B::Gewebesaettigung_zeigen = false;
    B::Gewebesaettigung_absolut_zeigen = false;
    B::Inertgasvolumina_zeigen = true;
    V::Gasverbrauch_Abstieg_Grundzeit_zeigen = true;
    V::Gasverbrauch_Aufstieg_zeigen = true;

    M::Wiederholungstauchgang = true;
    M::Vortauchgang = "/tmp/vor.dec";
    M::Oberflaechenpause_h = 2.5f;

    W::Tauchgeraet_Start = 3;
    W::CCR_Setpoint_Start = 1.2f;
    W::SCR_Flow_Start = 12.5f;
    W::pSCR_DumpRatio_Start = 20;
    W::Gas_Nr_Start = 4;
    M::min_Runtime_Start = 12.5f;
    M::m_Wasser_Start = 33.5f;

    A::Abstieg_Geschwindigkeit_variabel = true;
    A::v_Abstieg_konstant = 20;
    Tabelle_setzen(A::Abstieg_Geschwindigkeit, {{1, 20}, {10, 18}, {20, 15}, {30, 12}, {40, 10}, {50, 9}});
    A::Bubble_Check = true;
    A::m_Bubble_Check = 6.5f;
    A::min_Bubble_Check = 2.5f;
    A::Abstieg_Gaswechsel_OK = true;
    Tabelle_setzen(A::Abstieg_Gaswechsel, {{1, 1}, {20, 2}, {31, 3}, {40, 4}, {50, 5}, {60, 6}});
    A::Abstieg_Setpoint_variabel = true;
    Tabelle_setzen(A::Abstieg_Setpoint,
                   {{1, 0.7f}, {10, 1}, {20, 1.2f}, {30, 1.25f}, {40, 1.4f}, {50, 1.5f}});

    U::Stops_volle_Minuten = false;
    U::Stops_volle_RunTime_Minuten = true;
    U::Aufstiegszeit_addieren = true;
    D::Startzeit_aktuell = false;
    D::Startzeit = {8, 15, 30};

    R::RunTimeTable_mitAufstiegbeiDeko = true;
    R::RunTimeTable_mitDeltaT = true;
    R::RunTimeTable_mitUhrzeitRuntime = true;
    R::RunTimeTable_mitpO2 = true;
    R::RunTimeTable_mitCNS_prozent = true;
    R::RunTimeTable_mitSystem = false;
    R::RunTimeTable_mitGasdichte = true;
    R::RunTimeTable_NachKomma = 1;

    U::Aufstieg_Geschwindigkeit_variabel = true;
    U::v_Aufstieg_konstant = 9;
    Tabelle_setzen(U::Aufstieg_Geschwindigkeit, {{3, 4}, {6, 6}, {9, 9}, {12, 8}, {15, 7}, {21, 5}});
    U::m_DekoZuletzt = 6;
    U::m_DekoStep = 2;
    U::Aufstieg_Gaswechsel_OK = true;
    Tabelle_setzen(U::Aufstieg_Gaswechsel, {{6, 6}, {9, 5}, {21, 4}, {30, 3}, {40, 2}, {50, 17}});
    U::AirBreak_OK = true;
    U::AirBreak_minAbstand = 20;
    U::AirBreak_minDauer = 6;
    U::AirBreak_GasNum = 1;
    U::Aufstieg_Setpoint_variabel = true;
    Tabelle_setzen(U::Aufstieg_Setpoint,
                   {{3, 1.6f}, {6, 1.5f}, {9, 1.4f}, {12, 1.35f}, {15, 1.2f}, {18, 1.1f}});
    U::Bail_Out = true;

    V::AMV = 25;
    V::AMV_Deko = 18;
    K::SCR.barL_pro_min_Atmung_O2 = 0.75f;
    K::SCR.L = 6;
    K::SCR.Spuelen_Anzahl = 2;
    K::SCR.Formel = 1;
    W::CCR_Setpoint = 1.1f;
    K::CCR.barL_pro_min_Atmung_O2 = 1.25f;
    K::CCR.L = 5;
    K::CCR.L_pro_min_O2_Zufuhr = 12;
    K::CCR.Spuelen_Anzahl = 4;
    K::pSCR.barL_pro_min_Atmung_O2 = 1.75f;
    K::pSCR.L = 7;
    W::pSCR_DumpRatio = 15;
    K::pSCR.min_spuelen = 10;
    K::pSCR.m_spuelen = 6;
    K::pSCR.spuelen_bei_Beginn_Aufstieg = 0;
    F::p_H2O_verwenden = false;
    F::p_H2O = 0.05f;
    U::Gaswechsel_warten_OK = true;
    U::min_Gaswechsel_warten = 3;
    V::Verbrauch_SicherheitsZuschlagProzent = 30;
    V::Stress_Faktor = 1.5f;
    V::min_Problemloesezeit = 2.5f;
    Unit_Kontingenzplaene::Kontingenzplaene_an = false;
    Unit_Kontingenzplaene::min_Kontingenz_Zeit = 5;
    Unit_Kontingenzplaene::m_Kontingenz_Tiefe = 6;

    S::Modell_waehlen(4, S::Modell_N2);
    S::Modell_waehlen(7, S::Modell_He);
    Unit_Saettigungsrechnung::Algorithmus = 0;

    S::Buehlmann_Tiefenzuschlag = false;
    S::Buehlmann_letzten_Stop_verdoppeln = true;
    S::Buehlmann_Sicherheitsstop_min = 5;
    S::GF_verwenden = true;
    S::GF_Lo = 0.25f;
    S::GF_Lo_last_deco_stop = false;
    S::GF_Hi = 0.85f;
    S::GF_alle_Stops = true;
    S::Deep_Stop_verwenden = true;
    S::Deep_Stop_min = 3;
    S::Deep_Stop_Stufen_oberhalb_Dekozone = 4;

    G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25);
    G::Gasgemisch[2] = {"Hausmischung", 37.5f, 62.5f, 0, 1234.5L, 0, 0};

    Unit_Sauerstofftoxizitaet::pO2_weiterrechnen = true;
    W::Warnungen_reduzieren = true;
    F::g_pro_L_Gasdichte_Warnung = 5.7f;
    F::g_pro_L_Gasdichte_Maximum = 6.8f;
}
} // namespace

TEST_F(Einstellungen, Rundreise_gibt_jeder_Einstellung_ihren_Wert) {
    const auto Standard = Anzeige();
    Alles_anders_setzen();
    const auto Vorher = Anzeige();
    ASSERT_EQ(Vorher.size(), Standard.size() + 5); // gas 17 added
    ASSERT_TRUE(Einstellungsdatei_schreiben());

    // Back to the built-in defaults, then the file.
    Unit_Tools::Sprache = 0;
    G::Gasgemische_initialisieren();
    Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
    ASSERT_TRUE(Einstellungsdatei_lesen());
    const auto Nachher = Anzeige();

    ASSERT_EQ(Nachher.size(), Vorher.size());
    for (std::size_t i = 0; i < Vorher.size(); ++i) {
        SCOPED_TRACE(Vorher[i].Abschnitt + " / " + Vorher[i].Schluessel);
        EXPECT_EQ(Nachher[i].Schluessel, Vorher[i].Schluessel);
        EXPECT_EQ(Nachher[i].Wert, Vorher[i].Wert);
        // The test itself must change every setting, or the trip proves nothing for that one.
        const bool Gas = Vorher[i].Abschnitt.rfind("Gases", 0) == 0;
        if (!Gas && i < Standard.size() && Vorher[i].Schluessel != "Used gases") {
            EXPECT_NE(Vorher[i].Wert, Standard[i].Wert);
        }
    }
    EXPECT_EQ(G::Gasgemisch[2].Name, "Hausmischung");
    EXPECT_EQ(G::Gasgemisch[2].f_O2_prozent, 37.5f);
    EXPECT_EQ(G::Gasgemisch[2].barL_gesamt, 1234.5L);
    EXPECT_EQ(G::Gasgemisch[17].Name, "Tmx25/25");
    // The start values become the current position.
    EXPECT_EQ(W::min_Runtime, 12.5L);
    EXPECT_EQ(W::m_Wasser, 33.5f);
    EXPECT_EQ(W::Gas_Nr, 4);
    EXPECT_EQ(W::SCR_Flow, 12.5f);
    EXPECT_EQ(W::CCR_Setpoint, 1.1f); // the current setpoint of section "Gasverbrauch" comes last
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

// ---- the settings file ----

TEST_F(Einstellungen, Ordner_folgt_XDG_CONFIG_HOME) {
    EXPECT_EQ(Einstellungsordner(), Ordner.string() + "/Brelune/");
    EXPECT_EQ(Einstellungsdatei(), Ordner.string() + "/Brelune/brelune.ini");
    EXPECT_EQ(Sicherungsdatei(), Ordner.string() + "/Brelune/brelune.in_");
    const std::string Home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/taucher", 1);
    EXPECT_EQ(Einstellungsordner(), "/home/taucher/.config/Brelune/");
    ::setenv("XDG_CONFIG_HOME", "relativ", 1);
    EXPECT_EQ(Einstellungsordner(), "/home/taucher/.config/Brelune/");
    ::setenv("HOME", Home.c_str(), 1);
}

TEST_F(Einstellungen, ohne_Datei_gilt_jeder_Standardwert) {
    F::bar_Luft = 0.9f;
    S::GF_Lo = 0.2f;
    Unit_Tools::Sprache = 1;
    ASSERT_TRUE(Einstellungsdatei_lesen());
    EXPECT_EQ(F::bar_Luft, 1.01325f);
    EXPECT_EQ(S::GF_Lo, 0.4f);
    EXPECT_EQ(Unit_Tools::Sprache, 0);
    EXPECT_EQ(W::min_Runtime, 30.0L);
    EXPECT_EQ(W::m_Wasser, 25.0f);
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(Einstellungen, Schreiben_legt_Ordner_an_und_sichert_die_vorige_Datei) {
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    const std::string erste = Bytes(Einstellungsdatei());
    EXPECT_EQ(erste.substr(0, 12), "[Programm]\r\n");
    EXPECT_EQ(erste.find("\n\n"), std::string::npos);
    EXPECT_NE(erste.find("H\xF6he (m NN)=0\r\n"), std::string::npos); // Windows-1252 on disk
    F::bar_Luft = 0.9f;
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    EXPECT_EQ(Bytes(Sicherungsdatei()), erste);
    EXPECT_NE(Bytes(Einstellungsdatei()).find("Luftdruck (bar)=0.90000\r\n"), std::string::npos);
}

// Regression: an I/O error while writing the settings file left a half-written file.
TEST_F(Einstellungen, Schreibfehler_behaelt_die_alte_Datei_und_meldet_ihn) {
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    const std::string alt = Bytes(Einstellungsdatei());
    fs::create_directories(Unit_Textdatei::Temporaere_Datei(Einstellungsdatei()) + "/voll");
    F::bar_Luft = 0.9f;
    EXPECT_FALSE(Einstellungsdatei_schreiben());
    EXPECT_EQ(Bytes(Einstellungsdatei()), alt);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text.rfind(
                  "Datei " + Einstellungsdatei() + " kann nicht geschrieben werden: ", 0),
              0u);
    EXPECT_NE(Oberflaeche.Meldungen[0].Text.find("Die bisherige Datei bleibt erhalten."), std::string::npos);
}

TEST_F(Einstellungen, unlesbare_Datei_aendert_nichts) {
    fs::create_directories(Einstellungsdatei());
    F::bar_Luft = 0.9f;
    EXPECT_FALSE(Einstellungsdatei_lesen());
    EXPECT_EQ(F::bar_Luft, 0.9f);
    EXPECT_EQ(Oberflaeche.Anzahl("kann nicht gelesen werden"), 1);
}

TEST_F(Einstellungen, Wegpunkte_kommen_mit_der_Datei) {
    W::WayPoint_Anzahl = 2;
    W::WayPoint[1].min_Runtime = 2;
    W::WayPoint[1].m_Wasser = 40;
    W::WayPoint[2].min_Runtime = 25;
    W::WayPoint[2].m_Wasser = 40;
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    W::WayPoints_loeschen();
    W::WayPoint_Anzahl = 0;
    ASSERT_TRUE(Einstellungsdatei_lesen());
    EXPECT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_EQ(W::WayPoint[2].min_Runtime, 25.0f);
    EXPECT_EQ(W::WayPoint[1].m_Wasser, 40.0f);
}

struct Rueckfragefall {
    const char* Fall;
    bool Antwort;
    bool blockiert;
    bool zurueckgesetzt;
};
class Zuruecksetzen : public Einstellungen, public ::testing::WithParamInterface<Rueckfragefall> {};

TEST_P(Zuruecksetzen, nach_Rueckfrage) {
    const Rueckfragefall f = GetParam();
    F::bar_Luft = 0.9f;
    ASSERT_TRUE(Einstellungsdatei_schreiben());
    // A file that cannot be deleted: a folder with content in its place.
    if (f.blockiert) {
        fs::remove(Einstellungsdatei());
        fs::create_directories(Einstellungsdatei() + "/voll");
    }
    W::Warnungen_reduzieren = true;
    Unit_Sauerstofftoxizitaet::pO2_weiterrechnen = true;
    S::GF_Lo_last_deco_stop = false;
    Oberflaeche.Antwort_Frage = f.Antwort;
    EXPECT_EQ(Einstellungen_zuruecksetzen(), f.zurueckgesetzt);
    ASSERT_EQ(Oberflaeche.Fragen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Fragen[0], "Alle Einstellungen zurücksetzen auf Standardwerte ?");
    EXPECT_EQ(F::bar_Luft, f.zurueckgesetzt ? 1.01325f : 0.9f);
    EXPECT_EQ(W::Warnungen_reduzieren, !f.zurueckgesetzt);
    EXPECT_EQ(Unit_Sauerstofftoxizitaet::pO2_weiterrechnen, !f.zurueckgesetzt);
    EXPECT_EQ(S::GF_Lo_last_deco_stop, f.zurueckgesetzt);
    EXPECT_EQ(fs::exists(Einstellungsdatei()), !f.zurueckgesetzt);
    if (f.blockiert) {
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Text,
                  "Datei " + Einstellungsordner() + "brelune.ini kann nicht gelöscht werden");
    }
}
INSTANTIATE_TEST_SUITE_P(Faelle, Zuruecksetzen,
                         ::testing::Values(Rueckfragefall{"abgelehnt", false, false, false},
                                           Rueckfragefall{"bestaetigt", true, false, true},
                                           Rueckfragefall{"nicht_loeschbar", true, true, false}),
                         Fallname());

struct Umzugsfall {
    const char* Fall;
    bool schon_da;
};
class Alte_Einstellungsdatei : public Einstellungen, public ::testing::WithParamInterface<Umzugsfall> {};

TEST_P(Alte_Einstellungsdatei, zieht_in_den_Einstellungsordner) {
    const fs::path Programm = Ordner / "Programm";
    fs::create_directories(Programm);
    Schreiben(Programm / "brelune.ini", "[Programm]\r\nSprache=1\r\n");
    if (GetParam().schon_da) {
        fs::create_directories(Einstellungsordner());
        Schreiben(Einstellungsdatei(), "[Programm]\r\nSprache=0\r\n");
    }
    ASSERT_TRUE(Einstellungsordner_anlegen(Programm.string()));
    EXPECT_TRUE(fs::is_directory(Einstellungsordner()));
    EXPECT_FALSE(fs::exists(Programm / "brelune.ini"));
    EXPECT_EQ(Bytes(Einstellungsdatei()),
              GetParam().schon_da ? "[Programm]\r\nSprache=0\r\n" : "[Programm]\r\nSprache=1\r\n");
}
INSTANTIATE_TEST_SUITE_P(Faelle, Alte_Einstellungsdatei,
                         ::testing::Values(Umzugsfall{"neu", false}, Umzugsfall{"schon_da", true}),
                         Fallname());

// Regression: a program kept in the settings folder itself deleted the settings file as an old one.
TEST_F(Einstellungen, Programm_im_Einstellungsordner_behaelt_seine_Datei) {
    fs::create_directories(Einstellungsordner());
    Schreiben(Einstellungsdatei(), "[Programm]\r\nSprache=1\r\n");
    ASSERT_TRUE(Einstellungsordner_anlegen(Einstellungsordner()));
    EXPECT_EQ(Bytes(Einstellungsdatei()), "[Programm]\r\nSprache=1\r\n");
}

TEST_F(Einstellungen, Ordner_nicht_anlegbar_wird_gemeldet) {
    Schreiben(Ordner / "Datei", "x");
    ::setenv("XDG_CONFIG_HOME", (Ordner / "Datei").c_str(), 1);
    EXPECT_FALSE(Einstellungsordner_anlegen(""));
    EXPECT_EQ(Oberflaeche.Anzahl("kann nicht angelegt werden"), 1);
}

// ---- the overview rows ----

TEST_F(Einstellungen, Uebersicht_in_der_Programmsprache) {
    Unit_Tools::Sprache = 1;
    const auto z = Anzeige();
    ASSERT_GE(z.size(), 12u);
    EXPECT_EQ(z[0].Abschnitt, "Program");
    EXPECT_EQ(z[0].Schluessel, "Language");
    EXPECT_EQ(z[0].Wert, "1");
    EXPECT_EQ(z[1].Schluessel, "Main form maximized");
    EXPECT_EQ(z[1].Wert, "true");
    EXPECT_EQ(z[7].Schluessel, "Air pressure (bar)");
    EXPECT_EQ(z[7].Wert, "1.01325");
    EXPECT_EQ(z[12].Schluessel, "Kommentar");
    Unit_Tools::Sprache = 0;
    const auto d = Anzeige();
    EXPECT_EQ(d[0].Abschnitt, "Programm");
    EXPECT_EQ(d[7].Schluessel, "Luftdruck (bar)");
    EXPECT_EQ(d[1].Wert, "true");
}
