#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_Tauchgangsberechnung;
namespace W = Unit_WayPoints;
namespace A = Unit_AbtauchPlanung;

class Tauchgang : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
        Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
        Unit_Saettigungsrechnung::Saettigung_Start(true);
        Unit_Saettigungsrechnung::Saettigung_Start(true);
        Oberflaeche.Zuruecksetzen();
    }

    // The Dive command: from the last entered row to (min, m).
    static void Tauchen(float min, float m, bool mit_Plan = false) {
        const auto& letzter = W::WayPoint[static_cast<std::size_t>(Unit_WayPoints::Eingabemarke)];
        Segment_anhaengen(Unit_WayPoints::Eingabemarke, mit_Plan, true, letzter.m_Wasser, letzter.min_Runtime,
                          m, min);
        Unit_WayPoints::Eingabemarke = W::WayPoint_Anzahl;
    }

    static const W::WayPoint_Type& Zeile(int i) { return W::WayPoint[static_cast<std::size_t>(i)]; }
};

TEST_F(Tauchgang, Beschriftung_ohne_Abstiegsplanung) {
    Tauchen(2, 30);
    EXPECT_EQ(Zeile(1).Aktion, "Abstieg  15.0 m/min"); // 30 m in 2 min
    EXPECT_EQ(Zeile(1).m_Wasser, 30);
    EXPECT_EQ(Zeile(1).min_Runtime, 2);
    Tauchen(25, 30.005f);
    EXPECT_EQ(Zeile(2).Aktion, "Bottom");
    Unit_Tools::Sprache = 1;
    Tauchen(28, 0);
    EXPECT_EQ(Zeile(3).Aktion, "Ascent   10.0 m/min");
    Tauchen(29, 5);
    EXPECT_EQ(Zeile(4).Aktion, "Descent   5.0 m/min");
    Unit_Tools::Sprache = 0;
    Tauchen(30, 0);
    EXPECT_EQ(Zeile(5).Aktion, "Aufstieg  5.0 m/min");
    Tauchen(30, 10); // no time for it: no velocity instead of an infinite one
    EXPECT_EQ(Zeile(6).Aktion, "Abstieg   0.0 m/min");
}

TEST_F(Tauchgang, Protokollzeile_und_Listen) {
    Tauchen(2, 30);
    W::WayPoint_Type& w = W::WayPoint[1];
    w.bar_pO2 = 0.834f;
    w.CNS_Prozent = 1.25f;
    w.OTU = 3.04f;
    w.m_END = 29.94f;
    w.Warnung = "pO2 > 1.60 bar. ";
    EXPECT_EQ(Protokollzeile(1, "x"),
              "  2.00  30.00 Luft          0.83   1.3   3.0  29.9 Abstieg  15.0 m/min x pO2 > 1.60 bar. ");
    Unit_Textpuffer::Memo_Tauchgangsberechnung.Leeren();
    WayPoint_anzeigen("DEKOUNFALL. ", 1, 3, true);
    ASSERT_EQ(Unit_Textpuffer::Memo_DekoInfo.Zeilen.size(), 1u);
    EXPECT_EQ(Unit_Textpuffer::Memo_DekoInfo.Zeilen[0], "*** DEKOUNFALL ***");
    EXPECT_EQ(Unit_Textpuffer::Memo_Warnung.Zeilen.back(), "pO2 > 1.60 bar. ");
    EXPECT_EQ(Unit_Textpuffer::Memo_Tauchgangsberechnung.Zeilen.size(), 1u);
    WayPoint_anzeigen("x", 1, 3, false); // without the log flag no log line
    EXPECT_EQ(Unit_Textpuffer::Memo_Tauchgangsberechnung.Zeilen.size(), 1u);
    Berechnung_abgebrochen = true;
    WayPoint_anzeigen("x", 1, 3, false);
    EXPECT_EQ(Unit_Textpuffer::Memo_DekoInfo.Zeilen.back(), "! Tauchgangsberechnung abgebrochen !");
    EXPECT_FLOAT_EQ(m_Wasser_MAX, 30);
}

TEST_F(Tauchgang, Abstieg_mit_25_m_pro_min_endet_beim_ersten_Schritt_jenseits_des_Ziels) {
    Tauchen(5, 31, true);
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_EQ(Zeile(1).Aktion, "Abstieg 25.0 m/min");
    EXPECT_FLOAT_EQ(Zeile(1).m_Wasser, 32.5f); // 13 steps of 2.5 m
    EXPECT_NEAR(Zeile(1).min_Runtime, 1.3f, 1e-5f);
    EXPECT_EQ(Zeile(2).Aktion, "Bottom");
    EXPECT_FLOAT_EQ(Zeile(2).m_Wasser, 32.5f);
    EXPECT_EQ(Zeile(2).min_Runtime, 5);
}

TEST_F(Tauchgang, Sofortabstieg_in_einem_Schritt) {
    Sofortabstieg = true;
    Tauchen(20, 40, true);
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_EQ(Zeile(1).Aktion, "Abstieg  400.0 m/min"); // 40 m in 0.1 min
    EXPECT_NEAR(Zeile(1).min_Runtime, 0.1f, 1e-6f);
    EXPECT_EQ(Zeile(2).Aktion, "Bottom");
}

TEST_F(Tauchgang, Geschwindigkeitsbaender_beim_Abstieg) {
    A::Abstieg_Geschwindigkeit_variabel = true;
    A::Abstieg_Geschwindigkeit.Zeile = {{{0, 25}, {10, 20}, {40, 10}, {40, 10}, {40, 10}, {40, 10}}};
    Tauchen(10, 50, true);
    // 0 to 10 m at 2.5 m per step (0.4 min), 10 to 40 m at 2 m (1.5 min), 40 to 50 m at 1 m (1 min)
    const char* Aktion[] = {"",
                            "Abstieg 25.0 m/min",
                            "Abstieg Wechsel 20.0 m/min",
                            "Abstieg 20.0 m/min",
                            "Abstieg Wechsel 10.0 m/min",
                            "Abstieg 10.0 m/min",
                            "Bottom"};
    const float m[] = {0, 10, 10, 40, 40, 50, 50};
    const float min[] = {0, 0.4f, 0.4f, 1.9f, 1.9f, 2.9f, 10};
    ASSERT_EQ(W::WayPoint_Anzahl, 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Zeile(i).Aktion, Aktion[i]) << i;
        EXPECT_FLOAT_EQ(Zeile(i).m_Wasser, m[i]) << i;
        EXPECT_NEAR(Zeile(i).min_Runtime, min[i], 1e-4f) << i;
    }
}

TEST_F(Tauchgang, gleiche_Baender_geben_keine_Wechselzeilen) {
    A::Abstieg_Geschwindigkeit_variabel = true;
    A::Abstieg_Geschwindigkeit.Zeile = {{{0, 25}, {10, 25}, {350, 25}, {350, 25}, {350, 25}, {350, 25}}};
    Tauchen(1.2f, 30, true);
    ASSERT_EQ(W::WayPoint_Anzahl, 1);
    EXPECT_EQ(Zeile(1).Aktion, "Abstieg 25.0 m/min");
    EXPECT_FLOAT_EQ(Zeile(1).m_Wasser, 30);
}

TEST_F(Tauchgang, Bubble_Check_haelt_die_Tiefe) {
    A::Bubble_Check = true;
    A::m_Bubble_Check = 5;
    A::min_Bubble_Check = 1;
    Tauchen(5, 30, true);
    ASSERT_GE(W::WayPoint_Anzahl, 4);
    EXPECT_EQ(Zeile(1).Aktion, "Abstieg 25.0 m/min");
    EXPECT_FLOAT_EQ(Zeile(1).m_Wasser, 5); // the first step inside 5 .. 10 m
    EXPECT_NEAR(Zeile(1).min_Runtime, 0.2f, 1e-5f);
    EXPECT_EQ(Zeile(2).Aktion, "Bubble check");
    EXPECT_FLOAT_EQ(Zeile(2).m_Wasser, 5);
    EXPECT_NEAR(Zeile(2).min_Runtime, 1.2f, 1e-4f);
    EXPECT_EQ(Zeile(3).Aktion, "Abstieg 25.0 m/min");
    EXPECT_FLOAT_EQ(Zeile(3).m_Wasser, 30);
    EXPECT_TRUE(A::Bubble_Check_erledigt);
    // not on the way up, and not twice
    A::Bubble_Check_erledigt = false;
    Tauchen(10, 6, true);
    for (int i = 5; i <= W::WayPoint_Anzahl; ++i) EXPECT_NE(Zeile(i).Aktion, "Bubble check") << i;
}

TEST_F(Tauchgang, Gaswechselzeile_erst_ab_der_zweiten_Eingabe) {
    Tauchen(2, 30);
    W::Gas_Nr = 1;
    Tauchen(20, 30); // Eingabemarke was 1: no row
    for (int i = 1; i <= W::WayPoint_Anzahl; ++i) EXPECT_NE(Zeile(i).Aktion, "Gaswechsel");
    W::Gas_Nr = 3;
    const int32_t vorher = W::WayPoint_Anzahl;
    Tauchen(22, 21);
    ASSERT_EQ(W::WayPoint_Anzahl, vorher + 2);
    EXPECT_EQ(Zeile(vorher + 2).Aktion, "Gaswechsel");
    EXPECT_EQ(Zeile(vorher + 2).Gas_Nr, 3);
}

TEST_F(Tauchgang, Wartezeit_nach_Gaswechsel) {
    Unit_AustauchPlanung::Gaswechsel_warten_OK = true;
    Unit_AustauchPlanung::min_Gaswechsel_warten = 2;
    Tauchen(2, 30);
    Tauchen(20, 30);
    W::Gas_Nr = 2;
    Tauchen(23, 21);
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).Aktion, "Wartezeit nach Gaswechsel");
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).min_Runtime, 25);
}

// Cancels from inside "let pending events run" after a number of samples.
class Abbrechende_Oberflaeche : public Unit_UI::Headless {
  public:
    int nach = 0;
    void Nachrichten_verarbeiten() override {
        Headless::Nachrichten_verarbeiten();
        if (Nachrichten_Aufrufe == nach) Berechnung_abgebrochen = true;
    }
};

TEST_F(Tauchgang, Nachrichten_je_Sample_und_Abbruch_von_dort) {
    Tauchen(2, 30);
    Tauchen(20, 30);
    Tauchen(23, 0);
    W::WayPoint[3].bar_pO2 = 9.99f; // marks a value the replay must not rewrite
    W::WayPoint[2].OTU = 77;
    Abbrechende_Oberflaeche o;
    o.nach = 50; // inside the segment to row 2 (samples 21 to 200)
    Unit_UI::UI_setzen(&o);
    Berechnung_abgebrochen = false;
    Tauchgang_nachrechnen();
    Unit_UI::UI_setzen(&Oberflaeche);
    // the segment in progress finishes, then the replay stops: rows 2 and 3 keep their values
    EXPECT_EQ(W::sData_Anzahl, 200);
    EXPECT_EQ(o.Nachrichten_Aufrufe, 201); // once per stored sample, sample 0 included
    EXPECT_EQ(W::WayPoint[3].bar_pO2, 9.99f);
    EXPECT_EQ(W::WayPoint[2].OTU, 77);
    EXPECT_GT(W::WayPoint[1].bar_pO2, 0.5f);
    EXPECT_EQ(Unit_Textpuffer::Memo_DekoInfo.Zeilen.size(), 0u);
}

TEST_F(Tauchgang, ohne_Live_Grafik_keine_Nachrichten) {
    Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = false;
    Tauchen(2, 30);
    Tauchen(10, 30);
    Tauchgang_nachrechnen();
    EXPECT_EQ(W::sData_Anzahl, 100);
    EXPECT_EQ(Oberflaeche.Nachrichten_Aufrufe, 0);
}

TEST_F(Tauchgang, zu_wenig_Sauerstoff_bricht_die_Rechnung_ab) {
    Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag = false;
    Tauchen(1, 0.5f);
    Tauchen(5, 0.5f);
    W::WayPoint[2].Gas_Nr = 16; // Tmx5/80 from row 2 on: 0.999 x 0.05 = 0.05 bar at 0.5 m
    Tauchen(10, 0.5f);
    Tauchen(12, 0.5f);
    W::WayPoint[4].OTU = 77;
    Tauchgang_nachrechnen();
    EXPECT_TRUE(Berechnung_abgebrochen);
    EXPECT_EQ(W::sData_Anzahl, 100); // row 3's segment ran on the hypoxic gas, row 4's never started
    EXPECT_EQ(W::WayPoint[4].OTU, 77);
    EXPECT_NE(W::WayPoint[3].Warnung.find("pO2 < 0.16 bar. "), std::string::npos);
}

TEST_F(Tauchgang, hypoxisches_Startgas_rechnet_gar_nicht) {
    Tauchen(1, 0.5f);
    W::WayPoint[0].Gas_Nr = 16;
    Tauchgang_nachrechnen();
    EXPECT_TRUE(Berechnung_abgebrochen);
    EXPECT_EQ(W::sData_Anzahl, 0);
}

TEST_F(Tauchgang, Nachrechnen_mit_Tiefenzuschlag_und_Protokoll) {
    Tauchen(2, 30);
    Tauchen(20, 30);
    Tauchen(23, 0);
    Unit_Textpuffer::Memo_Tauchgangsberechnung.Leeren();
    Tauchgang_nachrechnen();
    EXPECT_FALSE(Berechnung_abgebrochen);
    EXPECT_FLOAT_EQ(Zeile(1).m_Wasser, 31.9f); // 30 x 1.03 + 1
    EXPECT_FLOAT_EQ(Zeile(3).m_Wasser, 0);     // the surface stays the surface
    EXPECT_EQ(W::sData_Anzahl, 230);
    EXPECT_FLOAT_EQ(W::sData[230].min_Runtime, 23);
    const auto& Log = Unit_Textpuffer::Memo_Tauchgangsberechnung.Zeilen;
    ASSERT_GE(Log.size(), 6u);
    EXPECT_EQ(Log[0], "*** Tauchgangsberechnung ***");
    EXPECT_NE(Log[1].find("START"), std::string::npos);
    EXPECT_NE(Log.back().find("Aufstieg 10.0 m/min"), std::string::npos); // the entered label stays
    // values of the replay are written into the rows: air at 31.9 m, 4.1 x 0.2095 = 0.87 bar
    EXPECT_NEAR(Zeile(2).bar_pO2, (31.9 / 10 + 1.01325 - 0.0627) * 0.20948, 1e-4);
    EXPECT_GT(Zeile(2).CNS_Prozent, Zeile(1).CNS_Prozent);
    EXPECT_GT(Zeile(2).m_END, 25.0f);
}

TEST_F(Tauchgang, CCR_Zeile_ohne_Setpoint_nimmt_den_pO2_der_Zeile_davor) {
    Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag = false;
    W::Tauchgeraet = 1;
    W::CCR_Setpoint = 1.3f;
    W::WayPoint[0].Tauchgeraet = 1;
    W::WayPoint[0].CCR_Setpoint = 1.3f;
    Tauchen(2, 30);
    Tauchen(20, 30);
    for (int i : {1, 2}) {
        W::WayPoint[i].CCR_Setpoint = 0; // recorded with a pO2, no setpoint
        W::WayPoint[i].bar_pO2 = 1.0f;
    }
    Tauchgang_nachrechnen();
    // the segment to row 2 is breathed at row 1's recorded 1.0 bar
    EXPECT_NEAR(W::sData[W::sData_Anzahl].bar_pO2, 1.0f, 0.01f);
    EXPECT_EQ(W::WayPoint[2].bar_pO2, 1.0f);            // the record stays for the next calculation
    EXPECT_FLOAT_EQ(W::WayPoint[2].CCR_Setpoint, 1.0f); // the last row takes it as its setpoint
}

TEST_F(Tauchgang, Dekounfall_wird_an_seiner_Stelle_eingeordnet) {
    Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag = false;
    Tauchen(2, 60);
    Tauchen(40, 60);
    Tauchen(40.5f, 0); // straight up from 60 m: an accident on the way
    Tauchen(60, 0);
    Tauchgang_nachrechnen();
    int Unfaelle = 0, Flaeche = 0;
    for (int i = 1; i <= W::WayPoint_Anzahl; ++i) {
        EXPECT_GE(Zeile(i).min_Runtime, Zeile(i - 1).min_Runtime) << i;
        if (Zeile(i).Aktion.rfind("DEKOUNFALL", 0) == 0) ++Unfaelle;
        if (Zeile(i).Aktion.rfind("Aufstieg", 0) == 0) Flaeche = i;
    }
    ASSERT_EQ(Unfaelle, 1);
    EXPECT_EQ(Zeile(Flaeche - 1).Aktion.rfind("DEKOUNFALL", 0), 0u); // just before the surfacing row
    EXPECT_EQ(Unit_WayPoints::Eingabemarke, W::WayPoint_Anzahl);
    EXPECT_EQ(Oberflaeche.Anzahl("DEKOMPRESSIONSUNFALL"), 1);
    const int32_t Anzahl = W::WayPoint_Anzahl;
    Unit_Saettigungsrechnung::Saettigung_Start(false);
    Tauchgang_nachrechnen(); // a second calculation finds the same accident once
    EXPECT_EQ(W::WayPoint_Anzahl, Anzahl);
}

// The graph's labels at the waypoints.
class Annotationen : public Testumgebung {
  protected:
    // Waypoint i with gas, apparatus and setpoint.
    static void setzen(int i, int Gas, uint8_t Geraet, float Setpoint, const char* Aktion = "") {
        W::WayPoint[i].Gas_Nr = Gas;
        W::WayPoint[i].Tauchgeraet = Geraet;
        W::WayPoint[i].CCR_Setpoint = Setpoint;
        W::WayPoint[i].Aktion = Aktion;
    }
};

TEST_F(Annotationen, Annotationen_folgen_den_Wechseln) {
    setzen(0, 0, 0, 1.3f);
    setzen(1, 0, 0, 1.3f); // nothing changes: no label
    setzen(2, 1, 0, 1.3f); // gas switch: the gas name
    setzen(3, 1, 1, 1.3f); // OC to CCR
    setzen(4, 1, 1, 1.2f); // setpoint change on CCR
    setzen(5, 1, 0, 1.2f); // CCR to OC
    setzen(6, 1, 0, 1.2f, "Bubble check");
    for (int i = 0; i <= 6; ++i) Unit_Tauchgangsberechnung::Annotation_zeichnen(true, i);
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[0], "Luft");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[1], "");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[2], "EAN32");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[3], "Systemwechsel");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[4], "CCR pO2 = 1.20");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[5], "Bail Out");
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[6], "Bubble check");
    Unit_Graph_Utilities::Setpoint_Annotation_erlaubt = false;
    Unit_Graph_Utilities::Annotation[4].clear();
    Unit_Tauchgangsberechnung::Annotation_zeichnen(true, 4);
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[4], "");
    Unit_Tauchgangsberechnung::Annotation_zeichnen(false, 2);
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[2], "");
    Unit_Tauchgangsberechnung::Annotation_zeichnen(true, W::WayPointMax + 1); // outside the table: ignored
}

TEST_F(Annotationen, Warnung_als_zweite_Annotation) {
    W::WayPoint[1].Warnung = "pO2 > 1.60 bar. ";
    Unit_Tauchgangsberechnung::Annotation_zeichnen(true, 1);
    EXPECT_EQ(Unit_Graph_Utilities::Warnung_Annotation[1], "pO2 > 1.60 bar. ");
}
