#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_Graph_Utilities;
namespace W = Unit_WayPoints;

class Graph : public Testumgebung {
  protected:
    // Waypoint i with gas, apparatus and setpoint.
    static void setzen(int i, int Gas, uint8_t Geraet, float Setpoint, const char* Aktion = "") {
        W::WayPoint[i].Gas_Nr = Gas;
        W::WayPoint[i].Tauchgeraet = Geraet;
        W::WayPoint[i].CCR_Setpoint = Setpoint;
        W::WayPoint[i].Aktion = Aktion;
    }
};

TEST_F(Graph, Annotationen_folgen_den_Wechseln) {
    setzen(0, 0, 0, 1.3f);
    setzen(1, 0, 0, 1.3f); // nothing changes: no label
    setzen(2, 1, 0, 1.3f); // gas switch: the gas name
    setzen(3, 1, 1, 1.3f); // OC to CCR
    setzen(4, 1, 1, 1.2f); // setpoint change on CCR
    setzen(5, 1, 0, 1.2f); // CCR to OC
    setzen(6, 1, 0, 1.2f, "Bubble check");
    for (int i = 0; i <= 6; ++i) Annotation_zeichnen(true, i);
    EXPECT_EQ(Annotation[0], "Luft");
    EXPECT_EQ(Annotation[1], "");
    EXPECT_EQ(Annotation[2], "EAN32");
    EXPECT_EQ(Annotation[3], "Systemwechsel");
    EXPECT_EQ(Annotation[4], "CCR pO2 = 1.20");
    EXPECT_EQ(Annotation[5], "Bail Out");
    EXPECT_EQ(Annotation[6], "Bubble check");
    Setpoint_Annotation_erlaubt = false;
    Annotation[4].clear();
    Annotation_zeichnen(true, 4);
    EXPECT_EQ(Annotation[4], "");
    Annotation_zeichnen(false, 2);
    EXPECT_EQ(Annotation[2], "");
    Annotation_zeichnen(true, W::WayPointMax + 1); // outside the table: ignored
}

TEST_F(Graph, Warnung_als_zweite_Annotation) {
    W::WayPoint[1].Warnung = "pO2 > 1.60 bar. ";
    Annotation_zeichnen(true, 1);
    EXPECT_EQ(Warnung_Annotation[1], "pO2 > 1.60 bar. ");
}

TEST_F(Graph, Achsen_wachsen_mit_den_Punkten_und_Loeschen_setzt_zurueck) {
    Punkt_hinzufuegen(Plot_Eingabe, 30, 40);
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Achse_Y.Maximum, 60);
    Punkt_hinzufuegen(Plot_Eingabe, 75, 61);
    EXPECT_GE(Achse_X.Maximum, 75);
    EXPECT_GE(Achse_Y.Maximum, 61);
    EXPECT_EQ(Plots[Plot_Eingabe].size(), 2u);
    Punkt_hinzufuegen(7, 1, 1); // no such plot
    Annotation[3] = "alt";
    Graph_loeschen(true);
    EXPECT_TRUE(Plots[Plot_Eingabe].empty());
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Annotation[3], "");
    EXPECT_EQ(Annotation[0], "Luft"); // waypoint 0 is drawn again
}
