#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_Graph_Utilities;
namespace W = Unit_WayPoints;

class Graph : public Testumgebung {};

TEST_F(Graph, Achsen_wachsen_mit_den_Punkten_und_Loeschen_setzt_zurueck) {
    Punkt_hinzufuegen(Plot_Eingabe, 30, 40);
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Achse_Y.Maximum, 60);
    Punkt_hinzufuegen(Plot_Eingabe, 75, 61);
    EXPECT_GE(Achse_X.Maximum, 75);
    EXPECT_GE(Achse_Y.Maximum, 61);
    EXPECT_EQ(Plots[Plot_Eingabe].size(), 2u);
    Punkt_hinzufuegen(7, 1, 1); // no such plot
    Annotation_setzen(3, "alt", "Warnung");
    Annotation_setzen(W::WayPointMax + 1, "x", "y"); // outside the table: ignored
    Graph_loeschen(true);
    EXPECT_TRUE(Plots[Plot_Eingabe].empty());
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Annotation[3], "");
    EXPECT_EQ(Warnung_Annotation[3], "");
}

TEST_F(Graph, Runtime_als_Uhrzeit_ab_der_Startzeit) {
    Startzeit = {9, 58, 30};
    EXPECT_EQ(Uhrzeit_der_Runtime(0).Text(), "09:58:30");
    EXPECT_EQ(Uhrzeit_der_Runtime(42.25L).Text(), "10:40:45");
    Startzeit = {23, 50, 0};
    EXPECT_EQ(Uhrzeit_der_Runtime(25).Text(), "00:15:00"); // past midnight
    Startzeit = {};
}
