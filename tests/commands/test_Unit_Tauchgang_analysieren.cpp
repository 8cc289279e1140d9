// The analysis of a read dive: where the bottom time ends, the three choices of OK, the GF
// estimates and the analysis report. Small profiles are set up by hand; whole dives are planned
// first and then treated as read.
#include "commands/Unit_Tauchgang_analysieren.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Report.hpp"
#include "support/Testumgebung.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace A = Unit_Tauchgang_analysieren;
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace S = Unit_Saettigungsmodelle;
namespace Memo = Unit_Textpuffer;

namespace {

struct Profilpunkt {
    float min;
    float m;
    bool austauchen = false;
    float pO2 = 0.21f;
};

bool enthaelt(const std::vector<std::string>& Zeilen, const std::string& Zeile) {
    return std::find(Zeilen.begin(), Zeilen.end(), Zeile) != Zeilen.end();
}

} // namespace

class Analyse : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
        S::Buehlmann_Tiefenzuschlag = false;
        S::Deep_Stop_verwenden = false;
        S::GF_verwenden = false;
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        Unit_Main::Berichte_anmelden();
        A::Modus = A::Keine_Aktion;
        A::min_EndeGrundzeit = 0;
        M::Neuer_Tauchgang();
        Oberflaeche.Zuruecksetzen();
    }

    // A recorded profile as an import leaves it: every point with its own ascent flag.
    static void Profil(const std::vector<Profilpunkt>& Punkte) {
        for (std::size_t i = 0; i < Punkte.size(); ++i) {
            auto& w = W::WayPoint[i];
            w = W::WayPoint_Type{};
            w.min_Runtime = Punkte[i].min;
            w.m_Wasser = Punkte[i].m;
            w.austauchen = Punkte[i].austauchen;
            w.bar_pO2 = Punkte[i].pO2;
        }
        W::WayPoint_Anzahl = static_cast<int32_t>(Punkte.size()) - 1;
    }

    static std::vector<bool> Aufstiegsmarken() {
        std::vector<bool> f;
        for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
            f.push_back(W::WayPoint[static_cast<std::size_t>(i)].austauchen);
        return f;
    }

    // A dive planned as the diver enters it, then taken as a dive read from a file.
    static void Geplant_und_gelesen(bool mit_GF) {
        S::GF_verwenden = mit_GF;
        S::GF_Lo = 0.30f;
        S::GF_Hi = 0.85f;
        M::Tauchen("2", "40");
        M::Tauchen("25", "40");
        M::Austauchen_Klick();
        ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
        A::Tauchgang_gelesen();
    }
};

TEST_F(Analyse, Ende_der_Grundzeit_automatisch_am_ersten_tiefsten_Punkt) {
    Profil({{0, 0}, {2, 30}, {10, 30}, {12, 20}, {14, 30}, {20, 30}, {30, 0}});
    A::Grundzeit_Ende_setzen(0);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 1);
    EXPECT_EQ(Aufstiegsmarken(), (std::vector<bool>{false, false, true, true, true, true, true}));
    // within one calculation step of 0 is still "automatic"
    A::Grundzeit_Ende_setzen(W::min_Schritt / 2);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 1);
}

TEST_F(Analyse, Ende_der_Grundzeit_bei_30_min) {
    Profil({{0, 0}, {2, 30}, {20, 30}, {30, 30}, {30.5f, 25}, {40, 0}});
    A::Grundzeit_Ende_setzen(30);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 3);
    EXPECT_EQ(Aufstiegsmarken(), (std::vector<bool>{false, false, false, false, true, true}));
    EXPECT_TRUE(A::Aufstiegsmarken_stimmig());
    // a runtime summed up in steps of 0.1 min lies a little above 30: still the bottom time
    float t = 0;
    for (int k = 0; k < 300; ++k) t += 0.1f;
    ASSERT_GT(t, 30.0f);
    Profil({{0, 0}, {2, 30}, {t, 30}, {t + 0.1f, 29}, {40, 0}});
    A::Grundzeit_Ende_setzen(30);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 2);
}

TEST_F(Analyse, Setzen_liest_das_Feld_und_meldet_was_keine_Zeit_ist) {
    Profil({{0, 0}, {2, 30}, {20, 30}, {30, 30}, {30.5f, 25}, {40, 0}});
    EXPECT_TRUE(A::Setzen_Klick("20,0"));
    EXPECT_FLOAT_EQ(A::min_EndeGrundzeit, 20);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 2);
    const auto vorher = Aufstiegsmarken();
    for (const char* Feld : {"abc", "-5", "nan"}) {
        Oberflaeche.Zuruecksetzen();
        EXPECT_FALSE(A::Setzen_Klick(Feld)) << Feld;
        EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u) << Feld;
        EXPECT_FLOAT_EQ(A::min_EndeGrundzeit, 20);
        EXPECT_EQ(Aufstiegsmarken(), vorher);
    }
}

TEST_F(Analyse, Stimmige_Aufstiegsmarken) {
    Profil({{0, 0}, {2, 30}, {20, 30, true}, {30, 0, true}});
    EXPECT_TRUE(A::Aufstiegsmarken_stimmig());
    Profil({{0, 0, true}, {2, 30, true}, {30, 0, true}});
    EXPECT_FALSE(A::Aufstiegsmarken_stimmig()); // start in the ascent
    Profil({{0, 0}, {2, 30, true}, {20, 30}, {30, 0, true}});
    EXPECT_FALSE(A::Aufstiegsmarken_stimmig()); // a gap in the ascent
    Profil({{0, 0}, {2, 30}, {30, 0}});
    EXPECT_FALSE(A::Aufstiegsmarken_stimmig()); // no ascent at all
}

TEST_F(Analyse, Fenster_repariert_unstimmige_Marken_und_zeigt_das_Ende_der_Grundzeit) {
    Profil({{0, 0}, {2, 30}, {25, 30}, {28, 30}, {40, 0}});
    A::Analyse_Fenster_zeigen();
    EXPECT_TRUE(A::Fenster_sichtbar);
    EXPECT_TRUE(M::Analyse_erlaubt);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 1);
    EXPECT_EQ(A::Feld_EndeGrundzeit, "  2.0");
    // consistent flags are kept, whatever the deepest point
    Profil({{0, 0}, {2, 30}, {25, 30}, {28, 30, true}, {40, 0, true}});
    M::WayPoint_letzter_Eingabe = 2;
    A::Analyse_Fenster_zeigen();
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, 2);
    EXPECT_EQ(A::Feld_EndeGrundzeit, " 25.0");
}

TEST_F(Analyse, GF_Schaetzung_aus_der_Spitzenreihe) {
    Profil({{0, 0}, {1, 10}, {2, 10}, {3, 10}, {4, 10}, {5, 0}});
    const std::vector<float> Reihe = {0, 10, 5, 20, 15, 0};
    std::copy(Reihe.begin(), Reihe.end(), A::GF_Spitze.begin());
    auto GF = A::GF_schaetzen();
    EXPECT_FLOAT_EQ(GF.Lo, 10);
    EXPECT_FLOAT_EQ(GF.Hi, 20);
    // a fall between two points of the same runtime is no peak
    Profil({{0, 0}, {1, 10}, {1, 10}, {3, 10}, {4, 10}, {5, 0}});
    GF = A::GF_schaetzen();
    EXPECT_FLOAT_EQ(GF.Lo, 20);
    // a rising series has no first peak; the last point is no peak either
    const std::vector<float> steigend = {0, 1, 2, 3, 4, 5};
    std::copy(steigend.begin(), steigend.end(), A::GF_Spitze.begin());
    GF = A::GF_schaetzen();
    EXPECT_FLOAT_EQ(GF.Lo, 0);
    EXPECT_FLOAT_EQ(GF.Hi, 5);
}

TEST_F(Analyse, Geschwindigkeiten_Zeiten_und_Mittelwert) {
    Profil({{0, 0, false, 0.20f},
            {2, 30, false, 0.80f},
            {2, 35, false, 0.90f}, // same runtime: no velocity
            {20, 35, false, 0.90f},
            {22, 15, true, 0.50f},
            {22, 10, true, 0.40f},
            {32, 0, true, 0.20f}});
    M::WayPoint_letzter_Eingabe = 3;
    const auto a = A::Analysewerte_berechnen();
    EXPECT_FLOAT_EQ(a.v_Abstieg_max, 15);  // 30 m in 2 min
    EXPECT_FLOAT_EQ(a.v_Aufstieg_max, 10); // 20 m in 2 min; 10 m in 10 min is slower
    EXPECT_FLOAT_EQ(a.m_max, 35);
    EXPECT_FLOAT_EQ(a.min_Grundzeit, 20);
    EXPECT_FLOAT_EQ(a.min_Aufstiegszeit, 12);
    EXPECT_FLOAT_EQ(a.min_Gesamt, 32);
    EXPECT_FLOAT_EQ(a.pO2_max, 0.90f);
    EXPECT_FLOAT_EQ(a.pO2_min, 0.20f);
    EXPECT_NEAR(a.pO2_Mittel, (0.2 + 0.8 + 0.9 + 0.9 + 0.5 + 0.4 + 0.2) / 7, 1e-6);
}

TEST_F(Analyse, Flacher_Tauchgang_ohne_Uebersaettigung_gibt_GF_0) {
    // 3 m on air: no compartment ever holds more inert gas than the surface pressure
    Profil({{0, 0}, {1, 3}, {40, 3}, {41, 0}});
    A::Tauchgang_gelesen();
    A::Modus_waehlen(A::Analysieren);
    A::OK_Klick();
    ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
    EXPECT_FLOAT_EQ(A::GF_Lo_Schaetzung, 0);
    EXPECT_FLOAT_EQ(A::GF_Hi_Schaetzung, 0);
    const auto& z = Memo::Memo_Zusammenfassung.Zeilen;
    EXPECT_TRUE(enthaelt(z, "     GF Lo =  0.00"));
    EXPECT_TRUE(enthaelt(z, "     GF Hi =  0.00"));
    EXPECT_TRUE(enthaelt(z, "   Maximale Tiefe   =   3.0 m"));
    EXPECT_TRUE(enthaelt(z, "   Gesamt-Tauchzeit =  41.0 min"));
    EXPECT_FALSE(A::Fenster_sichtbar);
}

TEST_F(Analyse, Analyse_eines_geplanten_Tauchgangs_findet_seine_Gradientenfaktoren) {
    Geplant_und_gelesen(true);
    const int32_t n = W::WayPoint_Anzahl;
    const float Ende = W::WayPoint[static_cast<std::size_t>(n)].min_Runtime;
    const auto Marken = Aufstiegsmarken();
    S::Deep_Stop_verwenden = S::Buehlmann_Tiefenzuschlag = true;
    Unit_AbtauchPlanung::Abstiegsplanung_verwenden = true;

    A::Modus_waehlen(A::Analysieren);
    A::OK_Klick();
    ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
    // the replay keeps the profile as read: same points, same end, nothing planned behind it
    EXPECT_EQ(W::WayPoint_Anzahl, n);
    EXPECT_FLOAT_EQ(W::WayPoint[static_cast<std::size_t>(n)].min_Runtime, Ende);
    // a plan with GF 30/85 surfaces just below 85 % and reaches its first stop just below 30 %
    EXPECT_GT(A::GF_Hi_Schaetzung, 75);
    EXPECT_LE(A::GF_Hi_Schaetzung, 85.5f);
    EXPECT_GT(A::GF_Lo_Schaetzung, 15);
    EXPECT_LE(A::GF_Lo_Schaetzung, 30.5f);
    // bottom time by the first deepest point: the end of the descent at 2 min
    const auto a = A::Analysewerte_berechnen();
    EXPECT_FLOAT_EQ(a.min_Grundzeit, 2);
    EXPECT_FLOAT_EQ(a.min_Aufstiegszeit, Ende - 2);

    const auto& z = Memo::Memo_Zusammenfassung.Zeilen;
    ASSERT_FALSE(z.empty());
    EXPECT_EQ(z[0], "Analyse des Tauchgangs");
    EXPECT_EQ(z[4], "   Grundzeit =   2.0 min");
    EXPECT_TRUE(enthaelt(z, "     GF Hi = " + Unit_Tools::Zahl_formatieren(5, 2, A::GF_Hi_Schaetzung)));
    EXPECT_TRUE(enthaelt(z, "   Bühlmann = nein"));
    EXPECT_TRUE(enthaelt(
        z, "Aus der Tauchgangsanalyse berechnete Gegendiffusion und Inertgas-Druckgradienten (ohne GF)"));
    EXPECT_EQ(Memo::Memo_DekoInfo.Zeilen,
              (std::vector<std::string>{
                  "Tauchgangsanalyse",
                  "Gesamte Aufstiegszeit = " + Unit_Tools::Zahl_formatieren(5, 1, Ende - 2) + " min"}));
    EXPECT_EQ(W::WayPoint[0].Warnung, "Tauchgangsanalyse");
    // the settings, the flags and the descent plan are as before
    EXPECT_TRUE(S::GF_verwenden);
    EXPECT_TRUE(S::Deep_Stop_verwenden);
    EXPECT_TRUE(S::Buehlmann_Tiefenzuschlag);
    EXPECT_TRUE(Unit_AbtauchPlanung::Abstiegsplanung_verwenden);
    EXPECT_FALSE(A::Tauchgang_ist_Analyse);
    EXPECT_EQ(Aufstiegsmarken(), Marken);
    EXPECT_EQ(A::Modus, A::Analysieren); // offered again for the next dive

    // a second analysis of the same dive finds the same: no row is added by it
    const float Lo = A::GF_Lo_Schaetzung, Hi = A::GF_Hi_Schaetzung;
    A::OK_Klick();
    EXPECT_EQ(W::WayPoint_Anzahl, n);
    EXPECT_FLOAT_EQ(A::GF_Lo_Schaetzung, Lo);
    EXPECT_FLOAT_EQ(A::GF_Hi_Schaetzung, Hi);
}

TEST_F(Analyse, Warnungen_ab_der_zweiten_Zeile_eingerueckt) {
    Profil({{0, 0}, {2, 30}, {20, 30}, {30, 0, true}});
    M::WayPoint_letzter_Eingabe = 2;
    Memo::Memo_Warnung.Zeilen = {"Flugverbotszeit =  1.0 Stunden"};
    A::Analyse_schreiben();
    EXPECT_FALSE(enthaelt(Memo::Memo_Zusammenfassung.Zeilen, "Warnungen"));

    Memo::Memo_Warnung.Zeilen = {"Flugverbotszeit =  1.0 Stunden", "pO2 < 0.16 bar. ", "zweite"};
    Unit_Tools::Sprache = 1;
    A::Analyse_schreiben();
    const auto& z = Memo::Memo_Zusammenfassung.Zeilen;
    ASSERT_GE(z.size(), 4u);
    EXPECT_EQ(z[0], "Dive analysis");
    EXPECT_EQ(std::vector<std::string>(z.end() - 4, z.end()),
              (std::vector<std::string>{"", "Warnings", "     pO2 < 0.16 bar. ", "     zweite"}));
    EXPECT_TRUE(enthaelt(z, "   ascend time =  10.0 min"));
    EXPECT_TRUE(enthaelt(z, "   max. descend velocity =  15.0 m/min"));
    EXPECT_TRUE(enthaelt(z, "   max. ascend velocity =   3.0 m/min"));
}

TEST_F(Analyse, Neuer_Aufstieg_ab_dem_Ende_der_Grundzeit) {
    Geplant_und_gelesen(false);
    const float Ende_ohne_GF = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
    // the same dive with gradient factors needs longer stops
    S::GF_verwenden = true;
    ASSERT_TRUE(A::Setzen_Klick("25"));
    A::Modus_waehlen(A::Neuer_Aufstieg);
    EXPECT_EQ(A::Feld_EndeGrundzeit, " 25.0");
    A::OK_Klick();
    ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
    const float Ende_mit_GF = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
    EXPECT_GT(Ende_mit_GF, Ende_ohne_GF);
    EXPECT_EQ(W::WayPoint[static_cast<std::size_t>(M::WayPoint_letzter_Eingabe)].min_Runtime, 25);
    EXPECT_FALSE(W::WayPoint[static_cast<std::size_t>(M::WayPoint_letzter_Eingabe)].austauchen);
    EXPECT_TRUE(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].austauchen);
    EXPECT_EQ(Memo::Memo_Zusammenfassung.Zeilen.at(0), "Zusammenfassung des Tauchgangs");
}

TEST_F(Analyse, Keine_weitere_Aktion_laesst_den_Tauchgang_und_sperrt_die_Eingabe) {
    Profil({{0, 0}, {2, 30}, {20, 30}, {30, 0, true}});
    A::Tauchgang_gelesen();
    EXPECT_FALSE(M::Eingabe_gesperrt);
    A::Modus_waehlen(A::Keine_Aktion);
    A::OK_Klick();
    EXPECT_TRUE(M::Eingabe_gesperrt);
    EXPECT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[3].min_Runtime, 30);
    EXPECT_FALSE(Memo::Memo_RunTimeTabelle.lesen().empty());
}
