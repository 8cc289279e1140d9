#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"
#include "support/Testumgebung.hpp"

#include <charconv>
#include <functional>
#include <string>
#include <vector>

namespace M = Unit_Main;
namespace W = Unit_WayPoints;
namespace U = Unit_AustauchPlanung;
namespace K = Unit_Kontingenzplaene;
namespace Memo = Unit_Textpuffer;

namespace {

std::string genau(float x) {
    char p[32];
    return std::string(p, std::to_chars(p, p + sizeof p, x).ptr);
}

void Aufstiegsgase(float m_EAN50, float m_O2) {
    U::Aufstieg_Gaswechsel_OK = true;
    U::Aufstieg_Gaswechsel.Zeile = {
        {{m_O2, 6}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}}};
}

struct Tauchgang {
    const char* Name;
    std::function<void()> eingeben;
};

const Tauchgang Luft{"Luft_40m", [] {
                         M::Tauchen("3", "40");
                         M::Tauchen("25", "40");
                     }};
const Tauchgang Trimix{"Trimix_60m", [] {
                           Aufstiegsgase(21, 6);
                           M::Gas_waehlen(11);
                           M::Tauchen("3", "60");
                           M::Tauchen("25", "60");
                       }};
const Tauchgang CCR{"CCR_45m", [] {
                        Aufstiegsgase(21, 6);
                        M::Tauchgeraet_waehlen(1);
                        M::Tauchgeraet_Wert_setzen("1.3");
                        M::Gas_waehlen(12);
                        M::Tauchen("3", "45");
                        M::Tauchen("40", "45");
                    }};
const Tauchgang SCR{"SCR_25m", [] {
                        M::Tauchgeraet_waehlen(2);
                        M::Gas_waehlen(2);
                        M::Tauchen("2", "25");
                        M::Tauchen("40", "25");
                    }};
const Tauchgang Mehrstufig{"Mehrstufig", [] {
                               Aufstiegsgase(21, 6);
                               M::Gas_waehlen(1);
                               M::Tauchen("2", "30");
                               M::Tauchen("20", "30");
                               M::Tauchen("22", "20");
                               M::Tauchen("40", "20");
                           }};

// Everything the main plan leaves in memory: waypoints, samples with their tissues, every page.
// The report stops at the contingency plans and the summary leaves out the variations' line:
// those are what the setting adds.
std::vector<std::string> Abbild() {
    std::vector<std::string> a;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        a.push_back(genau(w.min_Runtime) + " " + genau(w.m_Wasser) + " " + std::to_string(w.Gas_Nr) + " " +
                    std::to_string(w.Tauchgeraet) + " " + genau(w.bar_pO2) + " " + genau(w.CNS_Prozent) +
                    " " + genau(w.OTU) + " " + genau(w.m_END) + " " + w.Aktion.Text() + " " +
                    w.Warnung.Text() + (w.austauchen ? " a" : ""));
    }
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k) {
        const auto& s = W::sData[static_cast<std::size_t>(k)];
        std::string z = genau(s.min_Runtime) + " " + genau(s.m_Wasser) + " " + genau(s.CNS_Prozent);
        for (int i = 1; i <= W::Gewebe_Anzahl; ++i)
            z += " " + genau(s.p_N2_Gewebe[i]) + " " + genau(s.p_He_Gewebe[i]);
        a.push_back(z);
    }
    for (const Memo::Textpuffer* p :
         {&Memo::Memo_Tauchgangsberechnung, &Memo::Memo_DekoInfo, &Memo::Memo_Warnung,
          &Memo::Memo_Gasverbrauch, &Memo::Memo_RunTimeTabelle, &Memo::Memo_ReportCSV,
          &Memo::Memo_Zusammenfassung, &Memo::Memo_Report})
        for (const auto& z : p->Zeilen) {
            if (z.rfind("Kontingenzpläne ...", 0) == 0) {
                a.pop_back(); // the empty line before it
                break;
            }
            if (z.find("je min Grundzeit") == std::string::npos) a.push_back(p->Name + ": " + z);
        }
    return a;
}

// The first line where two images part, for a readable failure.
std::string erster_Unterschied(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) return "line " + std::to_string(i) + ":\n" + a[i] + "\n" + b[i];
    return a.size() == b.size() ? "" : "lengths " + std::to_string(a.size()) + " " + std::to_string(b.size());
}

const K::Plan* Plan_finden(K::Planart Art, const std::string& Gas = "") {
    for (const auto& p : K::Plaene)
        if (p.Art == Art && p.Gas == Gas) return &p;
    return nullptr;
}

float Laufzeit() {
    return W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
}

class Kontingenz : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        namespace S = Unit_Saettigungsmodelle;
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        M::Neuer_Tauchgang();
        M::Berichte_anmelden();
    }
    // The dive entered afresh and planned with the setting as given.
    static void planen(const Tauchgang& t, bool Kontingenzplaene) {
        M::Neuer_Tauchgang();
        M::Tauchgeraet_waehlen(0);
        M::Gas_waehlen(0);
        U::Aufstieg_Gaswechsel_OK = false;
        t.eingeben();
        K::Kontingenzplaene_an = Kontingenzplaene;
        M::Austauchen_Klick();
    }
};

} // namespace

TEST_F(Kontingenz, Hauptplan_bleibt_mit_und_ohne_Kontingenzplaene_derselbe) {
    // The rebreathers first: their loops start from the program's start then.
    for (const Tauchgang& t : {CCR, SCR, Luft, Trimix, Mehrstufig}) {
        SCOPED_TRACE(t.Name);
        planen(t, false);
        const auto ohne = Abbild();
        EXPECT_FALSE(K::berechnet);
        planen(t, true);
        EXPECT_GE(K::Plaene.size(), 2u);
        EXPECT_EQ(erster_Unterschied(Abbild(), ohne), "");
        M::Austauchen_Klick(); // Ascend again on the computed dive
        EXPECT_EQ(erster_Unterschied(Abbild(), ohne), "");
    }
}

// Each contingency plan is the dive planned by hand with the change made in the entries.
TEST_F(Kontingenz, Kontingenzplaene_gleichen_dem_von_Hand_geaenderten_Tauchgang) {
    // The trimix dive entered by hand: the gas-switch rows, the bottom depth and end, the apparatus.
    struct Fall {
        const char* Name;
        K::Planart Art;
        const char* Gas;
        Tiefentabelle_Type Gaswechsel;
        const char *m, *min;
        const Tauchgang& Vorlage;
        bool Bail_Out;
    };
    const Tiefentabelle_Type beide = Tiefentabelle_gleich(21, 4);
    const Tiefentabelle_Type nur_O2 = Tiefentabelle_gleich(6, 6);
    Tiefentabelle_Type mit_O2 = beide;
    mit_O2.Zeile[0] = {6, 6};
    const std::vector<Fall> Faelle = {
        {"ohne EAN50", K::Planart::Gasverlust, "EAN50", nur_O2, "60", "25", Trimix, false},
        {"ohne O2", K::Planart::Gasverlust, "O2", beide, "60", "25", Trimix, false},
        {"laenger", K::Planart::laenger, "", mit_O2, "60", "30", Trimix, false},
        {"tiefer", K::Planart::tiefer, "", mit_O2, "64", "25", Trimix, false},
        {"Bail-out", K::Planart::Bail_Out, "", mit_O2, "45", "40", CCR, true},
    };
    K::min_Kontingenz_Zeit = 5;
    K::m_Kontingenz_Tiefe = 4;
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.Name);
        planen(f.Vorlage, true);
        const K::Plan* p = Plan_finden(f.Art, f.Gas);
        ASSERT_NE(p, nullptr);
        const K::Plan Kontingenzplan = *p;
        EXPECT_EQ(Kontingenzplan.Grund, "");
        planen({"von Hand",
                [&f] {
                    f.Vorlage.eingeben();
                    M::Letzten_Wegpunkt_loeschen();
                    M::Letzten_Wegpunkt_loeschen();
                    M::Tauchen("3", f.m);
                    M::Tauchen(f.min, f.m);
                    U::Aufstieg_Gaswechsel = f.Gaswechsel;
                    U::Bail_Out = f.Bail_Out;
                }},
               false);
        EXPECT_EQ(Kontingenzplan.Tabelle, Unit_Report::Runtime_Tabelle_Zeilen());
        EXPECT_EQ(Kontingenzplan.min_Runtime, Laufzeit());
        EXPECT_EQ(Kontingenzplan.min_Aufstieg, U::min_Aufstiegszeit);
        U::Bail_Out = false;
    }
}

// The variations against the dive planned 1 min and 1 m either side through the commands.
TEST_F(Kontingenz, Variationen_aus_den_Plaenen_eine_Minute_und_einen_Meter_daneben) {
    const auto Laufzeit_von = [this](const char* min, const char* m) {
        planen({"",
                [&] {
                    Aufstiegsgase(21, 6);
                    M::Gas_waehlen(11);
                    M::Tauchen("3", m);
                    M::Tauchen(min, m);
                }},
               false);
        return Laufzeit();
    };
    const float pro_min = (Laufzeit_von("26", "60") - Laufzeit_von("24", "60")) / 2;
    const float pro_m = (Laufzeit_von("25", "61") - Laufzeit_von("25", "59")) / 2;
    planen(Trimix, true);
    ASSERT_TRUE(K::Variationen.min_pro_min && K::Variationen.min_pro_m);
    EXPECT_FLOAT_EQ(*K::Variationen.min_pro_min, pro_min);
    EXPECT_FLOAT_EQ(*K::Variationen.min_pro_m, pro_m);
    EXPECT_GT(pro_min, 1); // the minute itself and its deco
    EXPECT_NE(K::Variationen_Zeile().find(Unit_Tools::Zahl_formatieren(0, 2, pro_m) + " min/m"),
              std::string::npos);
}

// A plan that cannot be made says why, its neighbours are planned, no message reaches the screen.
TEST_F(Kontingenz, Plan_der_nicht_geht_nennt_seinen_Grund) {
    struct Fall {
        const char* Name;
        Tauchgang t;
        K::Planart Art;
        const char* Grund;
    };
    const std::vector<Fall> Faelle = {
        {"EAN32 tiefer als seine MOD",
         {"",
          [] {
              M::Gas_waehlen(1);
              M::Tauchen("2", "38");
              M::Tauchen("20", "38");
          }},
         K::Planart::tiefer,
         "MOD"},
        {"Grundzeit kürzer als die Kontingenz",
         {"",
          [] {
              M::Tauchen("3", "30");
              M::Tauchen("5", "10");
          }},
         K::Planart::tiefer,
         "Geschwindigkeit"},
    };
    K::m_Kontingenz_Tiefe = 20;
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.Name);
        Oberflaeche.Zuruecksetzen();
        planen(f.t, false);
        const auto Meldungen = Oberflaeche.Meldungen.size();
        planen(f.t, true);
        EXPECT_EQ(Oberflaeche.Meldungen.size(), 2 * Meldungen);
        const K::Plan* p = Plan_finden(f.Art);
        ASSERT_NE(p, nullptr);
        EXPECT_NE(p->Grund.find(f.Grund), std::string::npos) << p->Grund;
        EXPECT_TRUE(p->Tabelle.empty());
        EXPECT_EQ(K::Zusammenfassungszeile(*p), "nicht planbar: " + p->Grund);
        EXPECT_EQ(Plan_finden(K::Planart::laenger)->Grund, "");
    }
}

// A cancel click while the contingency plans are computed ends them, with its message, and
// cancels the plan itself; the entered dive stays.
TEST_F(Kontingenz, Abbruch_beendet_die_Kontingenzplaene_und_den_Plan) {
    struct Klick : Unit_UI::Headless {
        bool geklickt = false;
        void Nachrichten_verarbeiten() override {
            if (!M::Berechnung_laeuft || geklickt) return;
            geklickt = true;
            M::Austauchen_Klick();
        }
    } Fenster;
    Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = true; // events run at every sample
    Unit_UI::UI_setzen(&Fenster);
    planen(CCR, true);
    Unit_UI::UI_setzen(&Oberflaeche);
    EXPECT_TRUE(Fenster.geklickt);
    EXPECT_FALSE(K::berechnet);
    EXPECT_EQ(Fenster.Anzahl("Berechnung wird abgebrochen"), 1);
    EXPECT_TRUE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
    EXPECT_EQ(Memo::Memo_Zusammenfassung.Zeilen.front(), "! Tauchgangsberechnung abgebrochen !");
    ASSERT_EQ(W::WayPoint_letzter_Eingabe, 2);
    EXPECT_EQ(W::WayPoint[2].min_Runtime, 40);
    EXPECT_EQ(W::WayPoint[2].m_Wasser, 45);
}
