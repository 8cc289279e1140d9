#include "commands/Unit_Graph_Bedienung.hpp"
#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <string>
#include <vector>

using namespace Unit_Graph_Bedienung;
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace Graph = Unit_Graph_Utilities;
namespace S = Unit_Saettigungsmodelle;

class Graph_Bedienung : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        M::Neuer_Tauchgang();
    }

    static void berechnen() {
        M::Tauchen("3", "40");
        M::Tauchen("25", "40");
        M::Austauchen_Klick();
    }

    static int32_t Sample_bei(float min) {
        for (int32_t k = 0; k <= W::sData_Anzahl; ++k)
            if (std::fabs(W::sData[static_cast<std::size_t>(k)].min_Runtime - min) < 0.01f) return k;
        return -1;
    }

    // The recalled state is that sample's: depth, runtime and the tissues.
    static void ist_Sample(int32_t k) {
        ASSERT_GE(k, 0);
        const auto& s = W::sData[static_cast<std::size_t>(k)];
        EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), s.min_Runtime);
        EXPECT_FLOAT_EQ(W::m_Wasser, s.m_Wasser);
        EXPECT_EQ(W::p_N2_Gewebe[5], s.p_N2_Gewebe[5]);
        EXPECT_EQ(W::p_He_Gewebe[5], s.p_He_Gewebe[5]);
    }

    // The rows, labels and gases of the dive and the texts of Ascend.
    static std::vector<std::string> Ergebnis() {
        std::vector<std::string> e;
        for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
            const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
            e.push_back(Unit_Tools::Zahl_formatieren(0, 2, w.min_Runtime) + " " +
                        Unit_Tools::Zahl_formatieren(0, 2, w.m_Wasser) + " " + std::to_string(w.Gas_Nr) +
                        " " + w.Aktion.Text() + " " + Graph::Annotation[static_cast<std::size_t>(i)].Text());
        }
        for (const auto* p : {&Unit_Textpuffer::Memo_Tauchgangsberechnung,
                              &Unit_Textpuffer::Memo_Zusammenfassung, &Unit_Textpuffer::Memo_Warnung})
            e.insert(e.end(), p->Zeilen.begin(), p->Zeilen.end());
        return e;
    }
};

TEST_F(Graph_Bedienung, Tasten_fuehren_den_Zeitcursor_durch_den_berechneten_Tauchgang) {
    berechnen();
    ASSERT_EQ(M::Grafikmodus, 2);
    const float STOP = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
    ASSERT_EQ(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].Aktion, "STOP");

    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Pos1), 0);
    ist_Sample(0);
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Links), 0); // no runtime before the start
    ist_Sample(0);
    EXPECT_NEAR(Taste_druecken(Taste::Rechts), 0.1f, 1e-5f);
    ist_Sample(Sample_bei(0.1f));
    EXPECT_GT(W::m_Wasser, 0); // on the way down
    EXPECT_NEAR(Taste_druecken(Taste::Hoch), 1.1f, 1e-5f);
    EXPECT_NEAR(Taste_druecken(Taste::Runter), 0.1f, 1e-5f);
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Runter), 0);

    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Ende), STOP);
    ist_Sample(W::sData_Anzahl); // the STOP sample is the last one
    EXPECT_FLOAT_EQ(W::m_Wasser, 0);
    EXPECT_FLOAT_EQ(Graph::Cursor[2].min_Runtime, STOP);
    EXPECT_FLOAT_EQ(Graph::Cursor_min_Runtime, STOP);
    EXPECT_FLOAT_EQ(Graph::Positionsmarke.min_Runtime, STOP);
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Hoch), STOP); // no runtime after the end
}

// The no-fly time steps on at the surface for hours; those steps once drew a line along the
// surface far beyond "STOP".
TEST_F(Graph_Bedienung, Live_Kurve_endet_mit_dem_Tauchgang) {
    berechnen();
    const auto& Live = Graph::Plots[Graph::Plot_Samples];
    ASSERT_FALSE(Live.empty());
    const float STOP = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
    EXPECT_FLOAT_EQ(Live.back().min_Runtime, STOP);
    EXPECT_FLOAT_EQ(Graph::Positionsmarke.min_Runtime, STOP);
    EXPECT_EQ(Live.size(), static_cast<std::size_t>(W::sData_Anzahl) + 1);
}

TEST_F(Graph_Bedienung, Zeitcursor_holt_den_Zustand_seiner_Runtime) {
    berechnen();
    Zeitcursor_setzen(20.03f); // between samples: the nearest one
    ist_Sample(Sample_bei(20.0f));
    EXPECT_GE(W::m_Wasser, 40); // on the bottom (with the depth margin, if any)
    EXPECT_FLOAT_EQ(Graph::Cursor[2].min_Runtime, 20.0f);
    EXPECT_FLOAT_EQ(Graph::Cursor[2].m_Wasser, W::m_Wasser);
    EXPECT_FLOAT_EQ(Graph::Cursor[1].min_Runtime, 25); // the input cursor stays where it was
    Zeitcursor_setzen(-4);
    ist_Sample(0);
    Zeitcursor_setzen(1e6f);
    ist_Sample(W::sData_Anzahl);
    Zeitcursor_setzen(NAN);
    ist_Sample(0);
}

TEST_F(Graph_Bedienung, Tasten_beim_Eingeben_bewegen_den_Eingabecursor) {
    M::Tauchen("3", "40");
    ASSERT_EQ(M::Grafikmodus, 1);
    Graph::Cursor[1] = {3, 40};
    // Only the start has a sample: elsewhere the point being entered stays the current state.
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Links), 2.9f);
    EXPECT_FLOAT_EQ(W::m_Wasser, 40);
    EXPECT_FLOAT_EQ(Graph::Cursor[1].min_Runtime, 2.9f);
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Pos1), 0);
    EXPECT_FLOAT_EQ(W::m_Wasser, 0);
    EXPECT_FLOAT_EQ(Taste_druecken(Taste::Ende), 3);
}

TEST_F(Graph_Bedienung, Eingabecursor_schnappt_auf_den_begrenzten_Punkt) {
    M::Tauchen("3", "40");
    const int32_t Zeilen = W::WayPoint_Anzahl;

    auto f = Eingabecursor_ziehen(10, 400); // below the depth limit
    EXPECT_EQ(f.Runtime, "  10.0");
    EXPECT_EQ(f.Tiefe, " 350.0");
    EXPECT_FLOAT_EQ(Graph::Cursor[1].m_Wasser, 350);
    EXPECT_FLOAT_EQ(W::m_Wasser, 350);
    EXPECT_GE(Graph::Achse_Y.Maximum, 350); // the depth axis was widened
    ASSERT_FALSE(Graph::Plots[Graph::Plot_Eingabe].empty());
    EXPECT_FLOAT_EQ(Graph::Plots[Graph::Plot_Eingabe].back().m_Wasser, 350); // the preview segment
    EXPECT_FLOAT_EQ(Graph::Plots[Graph::Plot_Eingabe].back().min_Runtime, 10);

    f = Eingabecursor_ziehen(4, 0); // faster up than 18 m/min
    EXPECT_EQ(f.Runtime, "   4.0");
    EXPECT_EQ(f.Tiefe, "  22.0");
    EXPECT_FLOAT_EQ(Graph::Cursor[1].min_Runtime, 4);
    EXPECT_FLOAT_EQ(Graph::Positionsmarke.m_Wasser, 22);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 4);

    f = Eingabecursor_ziehen(1, 30); // before the last waypoint
    EXPECT_EQ(f.Runtime, "   3.0");
    EXPECT_EQ(W::WayPoint_Anzahl, Zeilen); // a preview enters nothing
    EXPECT_EQ(M::Eingabemarke, Zeilen);
}

// The preview lays its segment out as Dive does, descent gas switch included, but the dive
// computed afterwards is the same as without it.
TEST_F(Graph_Bedienung, Vorschau_hinterlaesst_im_Tauchgang_nichts) {
    namespace A = Unit_AbtauchPlanung;
    auto Tauchgang = [](bool mit_Vorschau) {
        M::Neuer_Tauchgang();
        A::Abstiegsplanung_verwenden = true;
        A::Abstieg_Gaswechsel_OK = true;
        A::Abstieg_Gaswechsel = Tiefentabelle_gleich(50, 1);
        A::Abstieg_Gaswechsel.Zeile[0] = {0, 0};
        M::Tauchen("3", "40");
        if (mit_Vorschau) {
            Eingabecursor_ziehen(8, 60);
            EXPECT_EQ(Graph::Annotation[static_cast<std::size_t>(W::WayPoint_Anzahl + 2)], "EAN32");
        }
        M::Tauchen("25", "40");
        M::Austauchen_Klick();
        return Ergebnis();
    };
    const auto ohne = Tauchgang(false);
    EXPECT_EQ(Tauchgang(true), ohne);

    M::Neuer_Tauchgang();
    M::Tauchen("3", "40");
    M::Tauchen("25", "40");
    Eingabecursor_ziehen(40, 60);
    M::Letzten_Wegpunkt_loeschen(); // takes the entered point, not a previewed one
    EXPECT_FLOAT_EQ(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime, 3);
    for (int32_t i = W::WayPoint_Anzahl + 1; i <= Graph::Annotation_letzte(); ++i)
        EXPECT_EQ(Graph::Annotation[static_cast<std::size_t>(i)], "") << i;
}

TEST_F(Graph_Bedienung, Eingabecursor_nach_der_Berechnung_gesperrt) {
    berechnen();
    const int32_t Zeilen = W::WayPoint_Anzahl;
    const auto f = Eingabecursor_ziehen(60, 10);
    EXPECT_EQ(W::WayPoint_Anzahl, Zeilen);
    EXPECT_EQ(f.Tiefe, Unit_Tools::Zahl_formatieren(6, 1, W::m_Wasser));
    EXPECT_EQ(Graph::Plots[Graph::Plot_Eingabe].size(),
              static_cast<std::size_t>(M::WayPoint_letzter_Eingabe + 1));
}
