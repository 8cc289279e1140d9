#include "files/Dateiumgebung.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "lang/Unit_Tools.hpp"

#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace Unit_Save_Read_CSV;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace U = Unit_Save_Read_UDDF;

namespace {
void Memo(std::initializer_list<const char*> Zeilen) {
    Memo_CSV_Daten.Zeilen.assign(Zeilen.begin(), Zeilen.end());
}
} // namespace

class CSV : public Dateiumgebung {};

// ---- Presets ----

struct Presetfall {
    const char* Fall;
    int32_t k;
    const char* Name;
    int32_t Zeilen, Zeit;
    Zeiteinheit Zeit_Einheit;
    int32_t Tiefe, pO2, O2, He;
    Anteilseinheit Anteile;
    int32_t Geraet;
    const char* OC;
    char Trenner;
    float min_dT;
    int32_t Distanz, Geschwindigkeit;
};
class Voreinstellungen : public CSV, public ::testing::WithParamInterface<Presetfall> {};

TEST_P(Voreinstellungen, fuellen_die_Zuordnung) {
    const Presetfall& p = GetParam();
    Memo_CSV_Daten.Zeilen.clear();
    Zuordnung.SpinEdit_m_s = 13; // left over from an earlier choice
    Voreinstellung_waehlen(p.k);
    const Zuordnung_Type& Z = Zuordnung;
    EXPECT_EQ(Voreinstellung, p.k);
    EXPECT_EQ(Voreinstellung_Name(p.k), p.Name);
    EXPECT_EQ(Z.Kommentarzeilen, p.Zeilen);
    EXPECT_EQ(Z.SpinEdit_min_s, p.Zeit);
    EXPECT_EQ(Z.Einheit_min_s, p.Zeit_Einheit);
    EXPECT_EQ(Z.SpinEdit_m_s, p.Tiefe);
    EXPECT_EQ(Z.Einheit_m_s, Tiefeneinheit::m);
    EXPECT_EQ(Z.SpinEdit_p_O2_s, p.pO2);
    EXPECT_EQ(Z.SpinEdit_f_O2_s, p.O2);
    EXPECT_EQ(Z.SpinEdit_f_He_s, p.He);
    EXPECT_EQ(Z.Einheit_f_O2_s, p.Anteile);
    EXPECT_EQ(Z.Einheit_f_He_s, p.Anteile);
    EXPECT_EQ(Z.SpinEdit_Tauchgeraet_s, p.Geraet);
    EXPECT_EQ(Z.Edit_Tauchgeraet_CCR, "0");
    EXPECT_EQ(Z.Edit_Tauchgeraet_OC, p.OC);
    EXPECT_EQ(Z.Trennzeichen, p.Trenner);
    EXPECT_FLOAT_EQ(Z.min_dT, p.min_dT);
    EXPECT_EQ(Z.SpinEdit_cave_horizontal_distance_m_s, p.Distanz);
    EXPECT_EQ(Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s, p.Geschwindigkeit);
}
using Z = Zeiteinheit;
using A = Anteilseinheit;
INSTANTIATE_TEST_SUITE_P(Tabelle, Voreinstellungen,
                         ::testing::Values(Presetfall{"Shearwater", 0, "Shearwater Predator", 1, 1, Z::sec, 2,
                                                      5, 6, 7, A::Fraktion, 10, "16, 1", ',', 0.1f, 0, 0},
                                           Presetfall{"Brask", 1, "Test Brask", 6, 7, Z::sec, 1, 12, 8, 10,
                                                      A::Fraktion, 11, "1", ';', 0.1f, 0, 0},
                                           Presetfall{"Varnow", 2, "Test Varnow", 3, 1, Z::min, 2, 8, 5, 6,
                                                      A::Prozent, 9, "1", '\t', 0.1f, 0, 0},
                                           Presetfall{"Telmark", 3, "Telmark", 2, 1, Z::sec, 2, 3, 4, 5,
                                                      A::Fraktion, 6, "1", ';', 0.1f, 0, 0},
                                           Presetfall{"Apnoe", 4, "Apnoe Daten von Orsund", 1, 1, Z::min, 2,
                                                      7, 3, 4, A::Fraktion, 5, "16", '\t', 0.01f, 0, 0},
                                           Presetfall{"Hoehlenprofil", 5, "Brelune CSV Höhlenprofil", 1, 0,
                                                      Z::min, 3, 10, 5, 7, A::Prozent, 9, "1", ',', 0.1f, 1,
                                                      2},
                                           Presetfall{"Brelune", 6, "Brelune CSV", 1, 1, Z::min, 2, 10, 5, 7,
                                                      A::Prozent, 9, "1", ',', 0.1f, 0, 0}),
                         Fallname());

TEST_F(CSV, Unbekannte_Voreinstellung_aendert_nichts) {
    Voreinstellung_waehlen(2);
    Voreinstellung_waehlen(7);
    Voreinstellung_waehlen(-1);
    EXPECT_EQ(Voreinstellung, 2);
    EXPECT_EQ(Zuordnung.Trennzeichen, '\t');
    EXPECT_EQ(Voreinstellung_Name(7), "");
}

TEST_F(CSV, Shearwater_Cloud_Kopf_und_Fuss_als_Einheit) {
    Memo({"Dive Number,Imperial Units,Start CNS %", "607,True,1", "Time (sec),Depth", "0,0,0"});
    Voreinstellung_waehlen(0);
    EXPECT_EQ(Zuordnung.Kommentarzeilen, 3);
    EXPECT_EQ(Zuordnung.Einheit_m_s, Tiefeneinheit::ft);
    Memo({"Dive Number,Imperial Units", "607,FALSE", "Time (sec),Depth", "0,0"});
    Voreinstellung_waehlen(0);
    EXPECT_EQ(Zuordnung.Einheit_m_s, Tiefeneinheit::m);
    Memo({"Time (sec),Depth", "0,0"}); // the Predator's own log: one line of column names
    Voreinstellung_waehlen(0);
    EXPECT_EQ(Zuordnung.Kommentarzeilen, 1);
}

// ---- Splitting a line ----

struct Feldfall {
    const char* Fall;
    const char* Zeile;
    int32_t n;
    char Trenner;
    float Wert;
};
class Felder : public CSV, public ::testing::WithParamInterface<Feldfall> {};

TEST_P(Felder, werden_nach_der_Regel_gelesen) {
    EXPECT_FLOAT_EQ(Feld_lesen(GetParam().Zeile, GetParam().n, GetParam().Trenner), GetParam().Wert);
}
INSTANTIATE_TEST_SUITE_P(
    Regeln, Felder,
    ::testing::Values(Feldfall{"zweites_Feld", "1,2.5,3", 2, ',', 2.5f},
                      Feldfall{"zwei_Kommas_sind_ein_Trenner", "1,,3", 2, ',', 3},
                      Feldfall{"fuehrende_Trenner", ",,7,8", 1, ',', 7},
                      Feldfall{"jenseits_des_Endes_99_9", "1,2", 3, ',', 99.9f},
                      Feldfall{"nach_Schlusstrenner_99_9", "1,2,", 3, ',', 99.9f},
                      Feldfall{"leere_Zeile_99_9", "", 1, ',', 99.9f},
                      Feldfall{"Text_ist_null", "1,True,3", 2, ',', 0},
                      Feldfall{"Dezimalkomma_bei_Strichpunkt", "1;2,5;3", 2, ';', 2.5f},
                      Feldfall{"Tabulator", "1\t\t4", 2, '\t', 4}, Feldfall{"Blanks", "  5   6 ", 2, ' ', 6},
                      Feldfall{"Strichpunktdatei_mit_Komma_gelesen", "1;2;3;4;5", 5, ',', 99.9f},
                      Feldfall{"riesige_Zahl_ist_keine", "1e300,2", 1, ',', 0}),
    Fallname());

TEST_F(CSV, Feld_ohne_Wert_bei_fehlender_Spalte) {
    EXPECT_FALSE(Feld("1,2", 3, ',').has_value());
    EXPECT_FLOAT_EQ(*Feld("1,2", 2, ','), 2);
    EXPECT_FALSE(Feld("1,2", 0, ',').has_value());
}

// ---- Converting ----

TEST_F(CSV, Shearwater_Geraetespalte_16_und_1_OC_0_CCR_sonst_wie_davor) {
    Memo({"Time (sec),Depth,a,b,PPO2,FO2,FHe,c,d,Mode", "0,0,0,0,0.7,0.1,0.57,0,0,0",
          "60,20,0,0,1.3,0.1,0.57,0,0,16", "120,20,0,0,1.3,0.1,0.57,0,0,5", "180,20,0,0,1.3,0.1,0.57,0,0,0",
          "240,20,0,0,1.3,0.1,0.57,0,0,1", "300,0,0,0,1.3,0.1,0.57,0,0,7"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_EQ(W::WayPoint_Anzahl, 5);
    const uint8_t soll[] = {1, 0, 0, 1, 0, 0};
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(W::WayPoint[k].Tauchgeraet, soll[k]) << k;
}

// Regression: an unmapped column reads as 0, which is the value meaning CCR.
TEST_F(CSV, Ohne_Geraetespalte_bleibt_es_OC) {
    Memo({"h", "0,0,0,0,1.0,0.21,0", "60,10,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    Zuordnung.SpinEdit_Tauchgeraet_s = 0;
    ASSERT_TRUE(Setzen());
    EXPECT_EQ(W::WayPoint[0].Tauchgeraet, 0);
    EXPECT_EQ(W::WayPoint[1].Tauchgeraet, 0);
}

TEST_F(CSV, Hundert_Fuss_sind_30_48_m) {
    Memo({"h", "0,0,0,0,1.0,0.21,0", "60,100,0,0,1.0,0.21,0", "120,0,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    Zuordnung.Einheit_m_s = Tiefeneinheit::ft;
    ASSERT_TRUE(Setzen());
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 30.48f);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 1);
}

TEST_F(CSV, Zeit_in_Minuten_und_Anteile_in_Prozent) {
    Memo({"kopf", "0,0,x,x,32,x,0,x,0,1.1", "1.5,18,x,x,32,x,0,x,0,1.2", "3,0,x,x,32,x,0,x,0,1.2"});
    Voreinstellung_waehlen(6);
    ASSERT_TRUE(Setzen());
    EXPECT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 1.5f);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 1); // EAN32
    EXPECT_FLOAT_EQ(W::WayPoint[1].CCR_Setpoint, 1.2f);
    EXPECT_FLOAT_EQ(W::WayPoint[1].bar_pO2, 1.2f);
}

TEST_F(CSV, Gas_wird_gefunden_oder_einmal_angelegt) {
    Memo({"h", "0,0,0,0,1.0,0.28,0", "60,10,0,0,1.0,0.28,0", "120,10,0,0,1.0,0.324,0", "180,6,0,0,1.0,0.28,0",
          "240,0,0,0,1.0,0.18,0.45"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_EQ(G::Gasgemisch_NumMax, 17);
    EXPECT_EQ(G::Gasgemisch[17].Name, "EAN28");
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_N2_prozent, 72);
    const int32_t soll[] = {17, 17, 1, 17, 11}; // 0.324 lies within 0.005 of EAN32, 18/45 is a default
    for (int k = 0; k <= 4; ++k) EXPECT_EQ(W::WayPoint[k].Gas_Nr, soll[k]) << k;
}

TEST_F(CSV, Unter_Wasser_geendet_wird_an_der_Oberflaeche_abgeschlossen) {
    Memo({"h", "0,0,0,0,1.0,0.21,0", "60,12,0,0,1.0,0.21,0", "120,5,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_EQ(W::WayPoint[3].m_Wasser, 0);
    EXPECT_FLOAT_EQ(W::WayPoint[3].min_Runtime, 2);
}

// The first point at 3 m at 0 s: a start at the surface is put in front and the recorded dive
// moves one calculation step later.
TEST_F(CSV, Start_an_der_Oberflaeche_kommt_vor_den_ersten_Punkt) {
    Memo({"h", "0,3,0,0,1.0,0.21,0", "60,12,0,0,1.0,0.21,0", "120,0,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_EQ(W::WayPoint[0].min_Runtime, 0);
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0);
    EXPECT_EQ(W::WayPoint[0].cave_horizontal_distance_m, -1);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 0.1f);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 1.1f);
    EXPECT_FLOAT_EQ(W::WayPoint[3].min_Runtime, 2.1f);
}

// A first point a step or more after the start keeps its time.
TEST_F(CSV, Spaeter_erster_Punkt_wird_nicht_verschoben) {
    Memo({"h", "60,3,0,0,1.0,0.21,0", "120,12,0,0,1.0,0.21,0", "180,0,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 1);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 2);
}

TEST_F(CSV, Setpoint_unter_0_1_bar_gilt_vom_Wegpunkt_davor) {
    Memo({"h", "0,0,0,0,0.7,0.1,0.5", "60,30,0,0,1.3,0.1,0.5", "120,30,0,0,0.05,0.1,0.5",
          "180,0,0,0,1.3,0.1,0.5"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    EXPECT_FLOAT_EQ(W::WayPoint[2].CCR_Setpoint, 1.3f);
    EXPECT_FLOAT_EQ(W::WayPoint[2].bar_pO2, 0.05f);
    EXPECT_FLOAT_EQ(W::WayPoint[3].CCR_Setpoint, 1.3f);
}

TEST_F(CSV, Erster_Wegpunkt_gibt_Gas_Setpoint_und_Startwerte) {
    U::min_Runtime_Start = 44;
    U::m_Wasser_Start = 33;
    U::Kommentar = "alt";
    Dateiname_CSV = "/tmp/log.csv";
    Memo({"h", "0,0,0,0,0.7,0.1,0.57,0,0,0", "60,30,0,0,1.3,0.1,0.57,0,0,0", "120,0,0,0,1.3,0.21,0,0,0,1"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    EXPECT_EQ(G::Gasgemisch_num, 17);
    EXPECT_EQ(G::Gasgemisch[17].Name, "Tmx10/57");
    EXPECT_EQ(W::Gas_Nr, 17);
    EXPECT_EQ(W::Gas_Nr_Start, 17);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 0.7f);
    EXPECT_FLOAT_EQ(Unit_CCR_SCR::CCR.Setpoint_Einstellung, 0.7f);
    EXPECT_FLOAT_EQ(W::bar_pO2, 0.7f);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 44);
    EXPECT_FLOAT_EQ(W::m_Wasser, 33);
    EXPECT_EQ(U::Datei_Tauchgang, "/tmp/log.csv");
    EXPECT_TRUE(U::Kommentar.empty());
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 0); // 0.21/0 is air
}

TEST_F(CSV, Apnoe_mit_einer_hundertstel_Minute) {
    Memo({"h", "0\t0\t0.21\t0\t16\t0\t1.0", "0.01\t2\t0.21\t0\t16\t0\t1.0", "0.02\t4\t0.21\t0\t16\t0\t1.0",
          "0.03\t0\t0.21\t0\t16\t0\t1.0"});
    Voreinstellung_waehlen(4);
    ASSERT_TRUE(Setzen());
    EXPECT_FLOAT_EQ(W::min_Schritt, 0.01f);
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 0.02f);
    EXPECT_FLOAT_EQ(W::WayPoint[2].m_Wasser, 4);
}

// ---- The cave profile: times from distance and velocity ----

TEST_F(CSV, Hoehlenprofil_20_m_mit_10_m_pro_min_sind_120_s) {
    // distance, velocity, depth, -, O2 %, -, He %, -, apparatus, pO2
    Memo({"kopf", "0,10,0,x,21,x,0,x,0,1.0", "20,10,15,x,21,x,0,x,0,1.0", "30,0,15,x,21,x,0,x,0,1.0",
          "10,5,5,x,21,x,0,x,0,1.0"});
    Voreinstellung_waehlen(Voreinstellung_Hoehlenprofil);
    ASSERT_TRUE(Setzen());
    // 0 s; 120 s; no velocity: the time before; 20 m back at 5 m/min: 240 s later. No closing copy.
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 2);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 15); // the 120 s row and the one without velocity
    EXPECT_FLOAT_EQ(W::WayPoint[1].cave_horizontal_distance_m, 30);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 6);
    EXPECT_FLOAT_EQ(W::WayPoint[2].m_Wasser, 5);
    EXPECT_FLOAT_EQ(W::WayPoint[2].cave_horizontal_velocity_m_pro_min, 5);
    EXPECT_EQ(Oberflaeche.Anzahl("1 Zeilen ohne Geschwindigkeit"), 1);
}

// ---- Data that give no dive: a message that says why, and nothing changes ----

struct Ohne_Tauchgang_Fall {
    const char* Fall;
    std::vector<std::string> Zeilen;
    int32_t Voreinstellung;
    const char* Meldung;
};
class Ohne_Tauchgang : public CSV, public ::testing::WithParamInterface<Ohne_Tauchgang_Fall> {};

TEST_P(Ohne_Tauchgang, meldet_warum_und_laesst_den_Tauchgang) {
    const Ohne_Tauchgang_Fall& f = GetParam();
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    Memo_CSV_Daten.Zeilen = f.Zeilen;
    Voreinstellung_waehlen(f.Voreinstellung);
    EXPECT_FALSE(Setzen());
    EXPECT_EQ(Oberflaeche.Anzahl(f.Meldung), 1)
        << (Oberflaeche.Meldungen.empty() ? "" : Oberflaeche.Meldungen[0].Text);
    EXPECT_EQ(Tauchgang_Text(), vorher);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Ohne_Tauchgang,
    ::testing::Values(
        Ohne_Tauchgang_Fall{"nur_Kopfzeilen", {"a;b", "c;d"}, 3, "nach 2 Kommentarzeilen folgt keine Zeile"},
        // a semicolon file with the comma preset: every mapped field lies beyond the line
        Ohne_Tauchgang_Fall{"Strichpunktdatei_mit_Komma",
                            {"h", "0;0;0;0;1;0.21;0", "60;10;0;0;1;0.21;0"},
                            0,
                            "Zeile 2: die Zeile hat 1 Spalten, zugeordnet ist Spalte 7 (Trennzeichen Komma)"},
        // one short line in the middle: the mapping does not fit the file, no part of it is taken
        Ohne_Tauchgang_Fall{"Spalte_jenseits_einer_Zeile",
                            {"h", "0,0,0,0,1,0.21,0,0,0,16", "60,10,0,0,1,0.21,0,0,0,16", "", "120,10,0,0,1",
                             "180,0,0,0,1,0.21,0,0,0,16"},
                            0,
                            "Zeile 5: die Zeile hat 5 Spalten, zugeordnet ist Spalte 7"},
        // centimetres read as metres
        Ohne_Tauchgang_Fall{"Tiefe_ueber_350_m",
                            {"h", "0,0,0,0,1,0.21,0,0,0,16", "60,1250,0,0,1,0.21,0,0,0,16"},
                            0,
                            "Zeile 3: Tiefe 1250.0 m liegt tiefer als 350.0 m"},
        // 1200 ft are 365.76 m
        Ohne_Tauchgang_Fall{"Fuss_ueber_350_m",
                            {"Dive Number,Imperial Units", "1,True", "Time (sec),Depth",
                             "0,0,0,0,1,0.21,0,0,0,16", "60,1200,0,0,1,0.21,0,0,0,16"},
                            0,
                            "Zeile 5: Tiefe 365.8 m liegt tiefer als 350.0 m"},
        // minutes and seconds "m:ss" in a minutes column: 1:30 reads as 0, after 1
        Ohne_Tauchgang_Fall{
            "Zeit_laeuft_rueckwaerts",
            {"h", "0,0,0,0,21,0,0,0,1,1.0", "1,10,0,0,21,0,0,0,1,1.0", "1:30,10,0,0,21,0,0,0,1,1.0"},
            6,
            "Zeile 4: die Zeit läuft rückwärts (0.0 s nach 60.0 s"},
        Ohne_Tauchgang_Fall{
            "ohne_Sauerstoff", {"h", "0,0,0,0,1.0,0,0"}, 0, "keine Zeile hat einen Sauerstoffanteil"},
        Ohne_Tauchgang_Fall{
            "ohne_pO2", {"h", "0,0,0,0,0,0.21,0"}, 0, "keine Zeile hat einen pO2 über 0 (Spalte 5)"},
        Ohne_Tauchgang_Fall{
            "Anteile_ueber_100_Prozent", {"h", "0,0,0,0,1,0.8,0.5"}, 0, "mögliche Gasanteile"},
        Ohne_Tauchgang_Fall{
            "halbes_Prozent_Sauerstoff", {"h", "0,0,0,0,1,0.004,0"}, 0, "mögliche Gasanteile"}),
    Fallname());

TEST_F(CSV, Nicht_zugeordneter_Sauerstoff_und_ungueltige_Zuordnung) {
    Memo({"h", "0,0,0,0,1,0.21,0"});
    Voreinstellung_waehlen(0);
    Zuordnung.SpinEdit_f_O2_s = 0;
    EXPECT_FALSE(Setzen());
    EXPECT_EQ(Oberflaeche.Anzahl("der Sauerstoffanteil ist keiner Spalte zugeordnet"), 1);
    Zuordnung.SpinEdit_f_O2_s = 15;
    EXPECT_FALSE(Setzen());
    EXPECT_EQ(Oberflaeche.Anzahl("Ungültige Zuordnung"), 1);
}

TEST_F(CSV, Volle_Gastabelle_ersetzt_kein_Gas_des_Benutzers) {
    for (int i = 0; i < 24; ++i)
        G::Gasgemisch_hinzufuegen("U", 10, static_cast<float>(50 - i), static_cast<float>(40 + i));
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    Memo({"h", "0,0,0,0,1.0,0.21,0", "60,10,0,0,1.0,0.27,0"});
    Voreinstellung_waehlen(0);
    EXPECT_FALSE(Setzen());
    EXPECT_EQ(Oberflaeche.Anzahl("Zu viele Gasmischungen"), 1);
    EXPECT_EQ(Tauchgang_Text(), vorher);
}

TEST_F(CSV, Unbekannte_Voreinstellung_beim_Import) {
    EXPECT_FALSE(CSV_importieren_Datei(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"), 9));
    EXPECT_EQ(Oberflaeche.Anzahl("Voreinstellung 9 gibt es nicht"), 1);
}

TEST_F(CSV, Abgebrochener_Dialog_liest_nichts) {
    Memo({"bleibt"});
    EXPECT_FALSE(CSV_importieren(0));
    EXPECT_EQ(Memo_CSV_Daten.Zeilen.size(), 1u);
}

// ---- The real files (values read off the files) ----

TEST_F(CSV, Shearwater_Cloud_CCR) {
    ASSERT_TRUE(CSV_importieren_Datei(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"), 0));
    EXPECT_EQ(Memo_CSV_Daten.Zeilen.size(), 4803u); // 3 header lines and 4800 rows
    EXPECT_EQ(Zuordnung.Kommentarzeilen, 3);
    // rows every 2 s from 0 s to 9598 s, all at the grid: 1601 waypoints, starting and ending at 0 m
    EXPECT_EQ(W::WayPoint_Anzahl, 1600);
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0);
    EXPECT_FLOAT_EQ(W::WayPoint[1600].min_Runtime, 160);
    EXPECT_EQ(W::WayPoint[1600].m_Wasser, 0);
    // deepest at 16.2 min: 970, 972 and 974 s at 74.0, 74.2 and 74.2 m
    EXPECT_NEAR(Tiefe_max(), (74.0 + 74.2 + 74.2) / 3, 1e-4);
    EXPECT_NEAR(W::WayPoint[162].m_Wasser, Tiefe_max(), 1e-6);
    EXPECT_FLOAT_EQ(W::WayPoint[162].min_Runtime, 16.2f);
    // the diluent 10/57 throughout, on CCR throughout
    ASSERT_EQ(G::Gasgemisch_NumMax, 17);
    EXPECT_EQ(G::Gasgemisch[17].Name, "Tmx10/57");
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        EXPECT_EQ(W::WayPoint[k].Gas_Nr, 17) << k;
        EXPECT_EQ(W::WayPoint[k].Tauchgeraet, 1) << k;
    }
    // setpoint 0.7 at the start, 1.3 from 86 s, 1.5 from 2468 s (the last row of 41.1 min)
    EXPECT_FLOAT_EQ(W::WayPoint[0].CCR_Setpoint, 0.7f);
    EXPECT_FLOAT_EQ(W::WayPoint[15].CCR_Setpoint, 1.3f);
    EXPECT_FLOAT_EQ(W::WayPoint[410].CCR_Setpoint, 1.3f);
    EXPECT_FLOAT_EQ(W::WayPoint[411].CCR_Setpoint, 1.5f);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 0.7f);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

struct Keine_Datei {
    const char* Fall;
    const char* Datei;
};
class Ohne_Sauerstoffanteil : public CSV, public ::testing::WithParamInterface<Keine_Datei> {};

// Neither the XP5 nor the APD log carries an oxygen fraction: no preset makes a dive of them.
TEST_P(Ohne_Sauerstoffanteil, gibt_mit_jeder_Voreinstellung_eine_Meldung) {
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    for (int32_t k = 0; k < Voreinstellung_Anzahl; ++k) {
        Oberflaeche.Zuruecksetzen();
        EXPECT_FALSE(CSV_importieren_Datei(Testdatei(GetParam().Datei), k)) << k;
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u) << k;
        const std::string& m = Oberflaeche.Meldungen[0].Text;
        EXPECT_TRUE(m.find("kein Tauchgang gebildet") != std::string::npos ||
                    m.find("Zu viele Gasmischungen: die Daten ergeben") != std::string::npos)
            << k << ": " << m;
        EXPECT_EQ(Tauchgang_Text(), vorher) << k;
    }
}
INSTANTIATE_TEST_SUITE_P(Dateien, Ohne_Sauerstoffanteil,
                         ::testing::Values(Keine_Datei{"Seemann_XP5", "seemann-xp5-de.txt"},
                                           Keine_Datei{"APD_Log_Viewer", "apd-logviewer-ccr.txt"}),
                         Fallname());

TEST_F(CSV, XP5_mit_dem_Textimport_sagt_was_fehlt) {
    EXPECT_FALSE(CSV_importieren_Datei(Testdatei("seemann-xp5-de.txt"), 2));
    // after the 3 lines the preset skips come more lines of the summary, not the columns
    EXPECT_EQ(Oberflaeche.Anzahl("Zeile 4: die Zeile hat 1 Spalten, zugeordnet ist Spalte 8 (Trennzeichen "
                                 "Tabulator)"),
              1)
        << Oberflaeche.Meldungen.front().Text;
}

TEST_F(CSV, Datei_ins_Memo_und_Memo_in_eine_Datei) {
    const auto Ordner = std::filesystem::temp_directory_path() / ("csv_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Ordner);
    const std::string Name = (Ordner / "log.csv").string();
    std::ofstream(Name, std::ios::binary) << "a,b\r\n1,2\n3,4";
    Oberflaeche.Antwort_Datei = Name;
    ASSERT_TRUE(CSV_Datei_lesen());
    EXPECT_EQ(Memo_CSV_Daten.Zeilen, (std::vector<std::string>{"a,b", "1,2", "3,4"}));
    EXPECT_EQ(U::Pfad_Tauchgang, Ordner.string() + "/");
    EXPECT_EQ(Dateiname_CSV, Name);

    const std::string Ziel = (Ordner / "memo.txt").string();
    Oberflaeche.Antwort_Datei = Ziel;
    ASSERT_TRUE(Memo_speichern());
    std::ifstream f(Ziel, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str(), "a,b\r\n1,2\r\n3,4\r\n");
    std::filesystem::remove_all(Ordner);
}

// ---- A mapping given over a preset (the command line's options) ----

TEST_F(CSV, Aenderung_ueber_der_Voreinstellung) {
    const auto Ordner = std::filesystem::temp_directory_path() / ("csv_a_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Ordner);
    const std::string Name = (Ordner / "log.txt").string();
    // depth in feet in column 3, time in seconds in column 2, tab separated, two header lines
    std::ofstream(Name, std::ios::binary)
        << "x\ny\n1\t0\t0\t1.0\t21\t0\t0\t0\t1\n"
           "2\t60\t100\t1.0\t21\t0\t0\t0\t1\n3\t120\t0\t1.0\t21\t0\t0\t0\t1\n";
    Zuordnung_Aenderung a;
    a.Kommentarzeilen = 2;
    a.Zeit = 2;
    a.Zeit_Einheit = Zeiteinheit::sec;
    a.Tiefe = 3;
    a.Tiefe_Einheit = Tiefeneinheit::ft;
    a.pO2 = 4;
    a.Trennzeichen = '\t';
    ASSERT_TRUE(CSV_importieren_Datei(Name, 6, a));
    // what was given, over what the preset "Brelune CSV" brings
    EXPECT_EQ(Zuordnung.SpinEdit_m_s, 3);
    EXPECT_EQ(Zuordnung.Einheit_m_s, Tiefeneinheit::ft);
    EXPECT_EQ(Zuordnung.Trennzeichen, '\t');
    EXPECT_EQ(Zuordnung.SpinEdit_f_O2_s, 5);
    EXPECT_EQ(Zuordnung.Einheit_f_O2_s, Anteilseinheit::Prozent);
    EXPECT_EQ(Voreinstellung, 6);
    const int32_t k = WayPoint_bei(1);
    ASSERT_GE(k, 0);
    EXPECT_NEAR(W::WayPoint[k].m_Wasser, 30.48f, 1e-4);
    EXPECT_EQ(G::Gasgemisch[W::WayPoint[k].Gas_Nr].Name, "Luft");
    std::filesystem::remove_all(Ordner);
}

// Regression: the sample count of a CSV import cut the next UDDF file of another program short.
TEST_F(CSV, UDDF_nach_CSV_liest_jeden_Sample) {
    Memo({"h", "0,0,0,0,1.0,0.21,0", "60,10,0,0,1.0,0.21,0", "120,0,0,0,1.0,0.21,0"});
    Voreinstellung_waehlen(0);
    ASSERT_TRUE(Setzen());
    ASSERT_TRUE(U::UDDF_importieren_Datei(Testdatei("subsurface-test42.uddf")));
    EXPECT_EQ(W::WayPoint_Anzahl, 829); // 2485 samples every 2 s: 829 grid times and the start
}
