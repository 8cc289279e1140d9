#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "reports/Unit_Report.hpp"
#include "support/Testumgebung.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Unit_Main;
namespace W = Unit_WayPoints;
namespace S = Unit_Saettigungsmodelle;

class Hauptfenster : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        Neuer_Tauchgang();
        Oberflaeche.Zuruecksetzen();
    }
    static const W::WayPoint_Type& Zeile(int i) { return W::WayPoint[static_cast<std::size_t>(i)]; }

    // Everything the calculation wrote, for comparing two runs.
    static std::vector<std::string> Ergebnis() {
        std::vector<std::string> e;
        for (int i = 0; i <= W::WayPoint_Anzahl; ++i)
            e.push_back(Unit_Tools::Zahl_formatieren(0, 3, Zeile(i).min_Runtime) + " " +
                        Unit_Tools::Zahl_formatieren(0, 3, Zeile(i).m_Wasser) + " " + Zeile(i).Aktion.Text() +
                        " " + Unit_Tools::Zahl_formatieren(0, 3, Zeile(i).CNS_Prozent));
        for (const auto& z : Unit_Textpuffer::Memo_Zusammenfassung.Zeilen) e.push_back(z);
        return e;
    }
};

TEST_F(Hauptfenster, Neuer_Tauchgang_beginnt_mit_START_und_den_Startwerten) {
    EXPECT_EQ(Zeile(0).Aktion, "START");
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_EQ(Eingabemarke, 0);
    EXPECT_FALSE(Eingabe_gesperrt);
    EXPECT_EQ(Grafikmodus, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), min_Runtime_Start); // the input point starts there
    EXPECT_FLOAT_EQ(W::m_Wasser, m_Wasser_Start);
    EXPECT_EQ(Unit_Textpuffer::Memo_Tauchgangsberechnung.Zeilen.back(), "*** Eingabe Tauchgang ***");
    EXPECT_TRUE(Tauchgang_gespeichert);
    EXPECT_EQ(Unit_Graph_Utilities::Annotation[0], "Luft"); // the graph starts with the start gas
}

struct Begrenzungsfall {
    bool Abstiegsplanung;
    float min_vorher, m_vorher, min, m, min_erwartet, m_erwartet;
};

class Wegpunkt_Grenzen : public Hauptfenster, public ::testing::WithParamInterface<Begrenzungsfall> {};

TEST_P(Wegpunkt_Grenzen, werden_eingehalten) {
    const auto& f = GetParam();
    W::WayPoint[0].min_Runtime = f.min_vorher;
    W::WayPoint[0].m_Wasser = f.m_vorher;
    Unit_AbtauchPlanung::Abstiegsplanung_verwenden = f.Abstiegsplanung;
    float min = f.min, m = f.m;
    Wegpunkt_begrenzen(min, m);
    EXPECT_FLOAT_EQ(min, f.min_erwartet);
    EXPECT_FLOAT_EQ(m, f.m_erwartet);
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, Wegpunkt_Grenzen,
                         ::testing::Values(Begrenzungsfall{false, 10, 20, 5, 20, 10,
                                                           20}, // no going back in time
                                           Begrenzungsfall{false, 0, 0, 1000, 30, 900, 30}, // 900 min at most
                                           Begrenzungsfall{false, 0, 0, 100, 400, 100, 350}, // 350 m at most
                                           Begrenzungsfall{false, 0, 0, 10, -5, 10, 0},   // no negative depth
                                           Begrenzungsfall{true, 0, 0, 1, 60, 1, 50},     // 50 m/min descent
                                           Begrenzungsfall{false, 0, 0, 1, 60, 1, 60},    // without the plan
                                           Begrenzungsfall{false, 20, 40, 21, 0, 21, 22}, // 18 m/min ascent
                                           Begrenzungsfall{true, 20, 40, 23, 0, 23, 0}));

TEST_F(Hauptfenster, nur_der_erste_Tauchgang_setzt_die_Startwerte) {
    W::Gas_Nr = 1;
    const auto Felder = Tauchen("2", "30");
    EXPECT_EQ(Felder.Runtime, "    2.0");
    EXPECT_EQ(Felder.Tiefe, "  30.0");
    EXPECT_EQ(W::Gas_Nr_Start, 1);
    EXPECT_FLOAT_EQ(min_Runtime_Start, 2);
    EXPECT_FLOAT_EQ(m_Wasser_Start, 30);
    EXPECT_EQ(Zeile(0).Gas_Nr, 1);
    W::Gas_Nr = 3;
    Tauchen("25", "40");
    EXPECT_EQ(W::Gas_Nr_Start, 1);
    EXPECT_FLOAT_EQ(m_Wasser_Start, 30);
    EXPECT_EQ(Eingabemarke, W::WayPoint_Anzahl);
    EXPECT_FALSE(Tauchgang_gespeichert);
}

TEST_F(Hauptfenster, SCR_Gasregel_und_Dump_Ratio) {
    Gas_waehlen(0);
    Tauchgeraet_waehlen(2); // SCR on air is not offered: EAN36 at 15.6 l/min
    EXPECT_EQ(W::Gas_Nr, 2);
    EXPECT_FLOAT_EQ(W::SCR_Flow, 15.6f);
    Gas_waehlen(6);
    EXPECT_FLOAT_EQ(W::SCR_Flow, 7.3f);
    Gas_waehlen(5);
    EXPECT_FLOAT_EQ(W::SCR_Flow, 10.4f);
    Gas_waehlen(7);
    EXPECT_FLOAT_EQ(W::SCR_Flow, 5.8f);
    Gas_waehlen(11);
    EXPECT_EQ(W::Gas_Nr, 2);
    EXPECT_FALSE(Gas_waehlen(Unit_Gasgemisch_BestMix::Gasgemisch_NumMax + 1)); // "-> Neues Gasgemisch"
    Tauchgeraet_waehlen(3);
    Tauchgeraet_Wert_setzen("3");
    Tauchen("2", "20");
    EXPECT_EQ(W::pSCR_DumpRatio, 5);
    Tauchgeraet_Wert_setzen("150");
    Tauchen("5", "20");
    EXPECT_EQ(W::pSCR_DumpRatio, 100);
}

TEST_F(Hauptfenster, Loeschen_nie_unter_START) {
    Tauchen("2", "30");
    Letzten_Wegpunkt_loeschen();
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    Letzten_Wegpunkt_loeschen();
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    EXPECT_EQ(Eingabemarke, 0);
}

TEST_F(Hauptfenster, zweimal_Austauchen_gibt_dasselbe) {
    Tauchen("3", "40");
    Tauchen("30", "40");
    Austauchen_Klick();
    EXPECT_TRUE(Eingabe_gesperrt);
    EXPECT_FALSE(Berechnung_laeuft);
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).Aktion, "STOP");
    const auto erste = Ergebnis();
    Austauchen_Klick();
    EXPECT_EQ(Ergebnis(), erste);
    // the entered rows show their own depths again; the ascent is marked
    EXPECT_FLOAT_EQ(Zeile(2).m_Wasser, 40);
    EXPECT_FALSE(Zeile(2).austauchen);
    EXPECT_TRUE(Zeile(3).austauchen);
}

TEST_F(Hauptfenster, Austauchen_schreibt_die_Berichte_nur_angemeldet_und_erst_wenn_sie_gelesen_werden) {
    namespace Memo = Unit_Textpuffer;
    Tauchen("3", "40");
    Tauchen("30", "40");
    Berichte_schreiben = nullptr;
    Austauchen_Klick();
    EXPECT_TRUE(Memo::Memo_RunTimeTabelle.lesen().empty());
    EXPECT_TRUE(Memo::Memo_Report.lesen().empty());
    Berichte_anmelden();
    Austauchen_Klick();
    // Nothing is built before it is read; the report takes the table along, not the CSV report.
    for (const auto* p :
         {&Memo::Memo_RunTimeTabelle, &Memo::Memo_Report, &Memo::Memo_ReportCSV, &Memo::Memo_Kontingenz})
        EXPECT_TRUE(p->aufgeschoben()) << p->Name;
    const auto Report = Memo::Memo_Report.lesen();
    EXPECT_FALSE(Memo::Memo_RunTimeTabelle.aufgeschoben());
    EXPECT_TRUE(Memo::Memo_ReportCSV.aufgeschoben());
    EXPECT_FALSE(Memo::Memo_ReportCSV.lesen().empty());
    // Built when read or at once, the texts are the same.
    const auto Tabelle = Memo::Memo_RunTimeTabelle.lesen();
    EXPECT_GT(Tabelle.size(), 6u);
    Unit_Report::Runtime_Tabelle_mit_Excel_schreiben();
    EXPECT_FALSE(Memo::Memo_RunTimeTabelle.aufgeschoben());
    EXPECT_EQ(Memo::Memo_RunTimeTabelle.Zeilen, Tabelle);
    EXPECT_EQ(Memo::Memo_Report.lesen(), Report);
    Neuer_Tauchgang(); // a new dive drops what was never read
    EXPECT_FALSE(Memo::Memo_Report.aufgeschoben());
    EXPECT_TRUE(Memo::Memo_Report.lesen().empty());
}

TEST_F(Hauptfenster, Zusammenfassung_und_Hinweise) {
    Tauchen("3", "40");
    Tauchen("30", "40");
    Austauchen_Klick();
    const auto& z = Unit_Textpuffer::Memo_Zusammenfassung.Zeilen;
    ASSERT_GT(z.size(), 20u);
    EXPECT_EQ(z[0], "Zusammenfassung des Tauchgangs");
    EXPECT_EQ(z[1], "   Luftdruck        = 1.013 bar");
    EXPECT_EQ(z[2], "   Wassersäule      = 10.000 m/bar");
    EXPECT_EQ(z[3], "   Maximale Tiefe   =  40.0 m");
    auto hat = [&](const std::string& t) { return std::find(z.begin(), z.end(), t) != z.end(); };
    EXPECT_TRUE(hat("Sicherheitseinstellungen"));
    EXPECT_TRUE(hat("   Bühlmann: Tiefenzuschlag = ja"));
    EXPECT_TRUE(hat("Gegendiffusion und Inertgas-Druckgradienten"));
    EXPECT_TRUE(hat("   keine Gegendiffusion"));
    const auto& w = Unit_Textpuffer::Memo_Warnung.Zeilen;
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.back().rfind("Flugverbotszeit = ", 0), 0u);
}

TEST_F(Hauptfenster, Austauchen_ohne_Wegpunkt_sperrt_nur) {
    Austauchen_Klick();
    EXPECT_TRUE(Eingabe_gesperrt);
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
}

TEST_F(Hauptfenster, Abbrechen_waehrend_der_Rechnung) {
    Berechnung_laeuft = true; // the click arrives while the calculation lets events run
    Austauchen_Klick();
    EXPECT_TRUE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
    EXPECT_EQ(Oberflaeche.Anzahl("Berechnung wird abgebrochen !"), 1);
}

TEST_F(Hauptfenster, Oberflaechenpause_abc_aendert_nichts_1_5_gibt_anderthalb_Stunden) {
    Tauchen("3", "40");
    Tauchen("30", "40");
    Austauchen_Klick();
    Tauchgang_gespeichert = true;
    Oberflaeche.Antwort_Eingabe = "abc";
    EXPECT_FALSE(Wiederholungstauchgang_starten());
    EXPECT_FALSE(Wiederholungstauchgang);
    EXPECT_GT(W::WayPoint_Anzahl, 2); // the dive is still there
    Oberflaeche.Antwort_Eingabe = "-1";
    EXPECT_FALSE(Wiederholungstauchgang_starten());
    EXPECT_EQ(Oberflaeche.Anzahl("Oberflächenpause < 0 Stunden"), 1);
    EXPECT_FALSE(Wiederholungstauchgang);
    EXPECT_GT(W::WayPoint_Anzahl, 2);
    Oberflaeche.Antwort_Eingabe = "";
    EXPECT_FALSE(Wiederholungstauchgang_starten());
    const long double N2_vorher = W::p_N2_Gewebe[8];
    Oberflaeche.Antwort_Eingabe = "1,5";
    EXPECT_TRUE(Wiederholungstauchgang_starten());
    EXPECT_TRUE(Wiederholungstauchgang);
    EXPECT_FLOAT_EQ(Oberflaechenpause_h, 1.5f);
    EXPECT_EQ(W::WayPoint_Anzahl, 0);
    // the oxygen clocks of the new dive start again
    EXPECT_EQ(W::CNS_Prozent, 0);
    EXPECT_EQ(W::OTU, 0);
    // the tissues keep what 90 minutes at the surface left: still above air saturation
    EXPECT_LT(W::p_N2_Gewebe[8], N2_vorher);
    EXPECT_GT(W::p_N2_Gewebe[8], 0.76L);
    EXPECT_EQ(Oberflaeche.Fragen.size(), 4u); // the saved dive was not offered for saving
}

TEST_F(Hauptfenster, geladener_Tauchgang_laesst_sich_verlaengern) {
    Tauchen("3", "30");
    Tauchen("20", "30");
    Austauchen_Klick();
    const int32_t Zeilen = W::WayPoint_Anzahl;
    Tauchgang_geladen(); // as after reading the file back
    EXPECT_EQ(WayPoint_letzter_Eingabe, 2);
    EXPECT_EQ(Eingabemarke, Zeilen);
    EXPECT_FALSE(Eingabe_gesperrt);
    EXPECT_FALSE(Unit_AbtauchPlanung::Abstiegsplanung_verwenden);
    Tauchen(Unit_Tools::Zahl_formatieren(0, 1, Zeile(Zeilen).min_Runtime + 5), "10");
    EXPECT_EQ(W::WayPoint_Anzahl, Zeilen + 1);
    EXPECT_FLOAT_EQ(Zeile(Zeilen + 1).m_Wasser, 10);
}

TEST_F(Hauptfenster, Tauchgeraet_Anzeige_nennt_Geraet_und_Einstellung) {
    W::CCR_Setpoint = 1.3f;
    W::SCR_Flow = 15.6f;
    W::Tauchgeraet = 1;
    Tauchgeraet_Anzeige_Typ a = Tauchgeraet_Anzeige();
    EXPECT_EQ(a.Statuszeile, "CCR pO2 = 1.30 bar");
    EXPECT_EQ(a.Erklaerung, "geschlossener Rebreather");
    W::Tauchgeraet = 2;
    Unit_Tools::Sprache = 1;
    a = Tauchgeraet_Anzeige();
    EXPECT_EQ(a.Statuszeile, "SCR flow = 15.60 l/min");
    EXPECT_EQ(a.Erklaerung, "semi closed circ. rebr.(cf)");
    W::Tauchgeraet = 0;
    EXPECT_EQ(Tauchgeraet_Anzeige().Erklaerung, "SCUBA open system");
    W::Tauchgeraet = 3;
    EXPECT_EQ(Tauchgeraet_Anzeige().Statuszeile, "pSCR");
    W::Tauchgeraet = 7; // no such apparatus
    EXPECT_EQ(Tauchgeraet_Anzeige().Statuszeile, "-");
    W::Tauchgeraet = 0;
}

namespace {
// The number behind the summary line that begins with Anfang; NaN when there is none.
double Zusammenfassungswert(const std::string& Anfang) {
    for (const auto& z : Unit_Textpuffer::Memo_Zusammenfassung.Zeilen)
        if (z.rfind(Anfang, 0) == 0) return std::strtod(z.c_str() + Anfang.size(), nullptr); // up to the unit
    return std::nan("");
}

bool enthaelt(const std::vector<std::string>& Zeilen, const std::string& Text) {
    return std::any_of(Zeilen.begin(), Zeilen.end(),
                       [&Text](const std::string& z) { return z.find(Text) != std::string::npos; });
}

// Trimix 18/45 at 60 m for 25 min, EAN50 from 21 m, oxygen from 6 m.
void Trimix_60_m_planen() {
    namespace U = Unit_AustauchPlanung;
    U::Aufstieg_Gaswechsel_OK = true;
    U::Aufstieg_Gaswechsel.Zeile = {{{6, 6}, {21, 4}, {21, 4}, {21, 4}, {21, 4}, {21, 4}}};
    Gas_waehlen(11);
    Tauchen("3", "60");
    Tauchen("25", "60");
    Austauchen_Klick();
}
} // namespace

// A second, plain calculation over the planned rows: 2 divers x 2.0 x 20 l/min, 1 min at 60 m,
// then each leg on Tmx18/45 at its mean pressure up to the switch to EAN50. The plan provides the
// bottom gas's consumption with the safety margin: below the margin that leaves exactly the minimum
// gas at the end of the bottom phase, both lists warn.
TEST_F(Hauptfenster, Mindestgas_des_Trimixplans_von_Hand_nachgerechnet_und_seine_Warnung) {
    Trimix_60_m_planen();
    const auto P = [](float m) { return 1.01325 + m / 10.0; };
    double barmin = 1 * P(60);
    int32_t i = W::WayPoint_letzter_Eingabe;
    ASSERT_FLOAT_EQ(Zeile(i).m_Wasser, 60);
    for (; Zeile(i).Gas_Nr == 11; ++i)
        barmin += (Zeile(i + 1).min_Runtime - Zeile(i).min_Runtime) *
                  (P(Zeile(i).m_Wasser) + P(Zeile(i + 1).m_Wasser)) / 2;
    EXPECT_NEAR(Zeile(i).m_Wasser, 21, 0.5); // the switch to EAN50 ends it
    const auto& m = Unit_Gasverbrauch::Mindestgas;
    EXPECT_NEAR(m.barL, 4 * 20 * barmin, 0.01);
    EXPECT_TRUE(enthaelt(Unit_Textpuffer::Memo_Gasverbrauch.Zeilen, "Mindestgas (Rock Bottom) Tmx18/45:"));
    EXPECT_TRUE(enthaelt(Unit_Textpuffer::Memo_Gasverbrauch.Zeilen,
                         "   2 Taucher x 2.0 x AMV 20 l/min, 1.0 min auf 60.0 m"));

    const auto& g = Unit_Gasgemisch_BestMix::Gasgemisch[11];
    const long double Schwelle = 100 * ((m.barL + g.barL_bis_Aufstieg) / g.barL_gesamt - 1);
    for (const long double Zuschlag : {std::floor(Schwelle), std::ceil(Schwelle)}) {
        SCOPED_TRACE(static_cast<double>(Zuschlag));
        Unit_Gasverbrauch::Verbrauch_SicherheitsZuschlagProzent = static_cast<int32_t>(Zuschlag);
        Austauchen_Klick();
        const std::string Warnung = "weniger Grundgas als das Mindestgas";
        EXPECT_EQ(enthaelt(Unit_Textpuffer::Memo_Warnung.Zeilen, Warnung), Zuschlag < Schwelle);
        EXPECT_EQ(enthaelt(Unit_Textpuffer::Memo_Gasverbrauch.Zeilen, Warnung), Zuschlag < Schwelle);
    }
}

// The density on a row by hand, p x M / (R x 273.15 K): the start breathes the bottom gas at the
// surface; the switch to EAN50 shares its runtime with the row before it, which still breathes
// Tmx18/45, and breathes EAN50 itself. Without the depth margin the rows' depths are those computed.
TEST_F(Hauptfenster, Gasdichte_der_Zeilen_von_Hand_nachgerechnet) {
    S::Buehlmann_Tiefenzuschlag = false;
    Trimix_60_m_planen();
    const auto Dichte = [](double f_O2, double f_He, double m) {
        const double g_pro_mol = f_O2 * 31.9988 + (1 - f_O2 - f_He) * 28.0134 + f_He * 4.002602;
        return (1.01325 + m / 10) * 1e5 * g_pro_mol / (8.314462618 * 273.15) / 1000;
    };
    int32_t Wechsel = 1;
    while (Zeile(Wechsel).Gas_Nr != 4) ++Wechsel;
    const double m_Wechsel = Zeile(Wechsel).m_Wasser;
    const struct {
        int32_t i;
        double erwartet;
    } Faelle[] = {{0, Dichte(0.18, 0.45, 0)},
                  {W::WayPoint_letzter_Eingabe, Dichte(0.18, 0.45, 60)},
                  {Wechsel - 1, Dichte(0.18, 0.45, m_Wechsel)},
                  {Wechsel, Dichte(0.5, 0, m_Wechsel)}};
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.i);
        const auto d = Unit_Tauchgangszustand::g_pro_L_Gasdichte_am_WayPoint(Zeile(f.i));
        ASSERT_TRUE(d.has_value());
        EXPECT_NEAR(*d, f.erwartet, 0.002);
    }
    W::WayPoint_Type ohne_Sample = Zeile(1);
    ohne_Sample.min_Runtime = 10000;
    EXPECT_FALSE(Unit_Tauchgangszustand::g_pro_L_Gasdichte_am_WayPoint(ohne_Sample).has_value());
}

// Air 40 m, 1.5 h at the surface, air 30 m: the second dive's clocks start at 0; beside them the
// first dive's CNS at its end, halved in the 90 min, and its OTU.
TEST_F(Hauptfenster, Wiederholungstauchgang_traegt_CNS_und_OTU_des_Tages) {
    Tauchen("3", "40");
    Tauchen("25", "40");
    Austauchen_Klick();
    EXPECT_TRUE(
        std::isnan(Zusammenfassungswert("   OTU des Tages = "))); // a first dive has no day of its own
    const float CNS_Ende = Zeile(W::WayPoint_Anzahl).CNS_Prozent, OTU_Ende = Zeile(W::WayPoint_Anzahl).OTU;
    Wiederholungstauchgang_beginnen(1.5f);
    Tauchen("2", "30");
    Tauchen("30", "30");
    Austauchen_Klick();
    float CNS = 0, OTU = 0;
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k) {
        CNS = std::max(CNS, W::sData[static_cast<std::size_t>(k)].CNS_Prozent);
        OTU = std::max(OTU, W::sData[static_cast<std::size_t>(k)].OTU);
    }
    EXPECT_EQ(Zeile(0).CNS_Prozent, 0);
    EXPECT_NEAR(Zusammenfassungswert("   max. CNS   = "), CNS, 0.006);
    EXPECT_NEAR(Zusammenfassungswert("   CNS mit Vortauchgängen = "), CNS_Ende / 2 + CNS, 0.006);
    EXPECT_NEAR(Zusammenfassungswert("   OTU des Tages          = "), OTU_Ende + OTU, 0.006);
    Neuer_Tauchgang(); // a new day
    EXPECT_EQ(Unit_Sauerstofftoxizitaet::OTU_des_Tages(0), 0);
}
