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

TEST_F(Graph, Achsen_aus_den_Feldern_in_ihren_Grenzen) {
    Achse_X = {0, 87.4f};
    Achse_Y = {2.6f, 60};
    const Achsenwahl gelesen = Achsenwahl_lesen();
    EXPECT_EQ(gelesen.X_Maximum, 87);
    EXPECT_EQ(gelesen.Y_Minimum, 3);
    EXPECT_FALSE(gelesen.X_automatisch || gelesen.Y_automatisch || gelesen.Alles_loeschen);

    Achsen_setzen({10, 2000, 5, 500});
    EXPECT_EQ(Achse_X.Minimum, 10);
    EXPECT_EQ(Achse_X.Maximum, 1440); // 14400 samples of 0.1 min
    EXPECT_EQ(Achse_Y.Minimum, 5);
    EXPECT_EQ(Achse_Y.Maximum, 360); // the depth limit plus 10 m
    Achsen_setzen({0, 3, 0, 2});
    EXPECT_EQ(Achse_X.Maximum, 15);
    EXPECT_EQ(Achse_Y.Maximum, 10);
    Achsen_setzen({40, 30, 12, 12}); // a minimum not below its maximum
    EXPECT_EQ(Achse_X.Minimum, 0);
    EXPECT_EQ(Achse_X.Maximum, 30);
    EXPECT_EQ(Achse_Y.Minimum, 0);
    EXPECT_EQ(Achse_Y.Maximum, 12);
    Achsen_Standard();
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Achse_Y.Maximum, 60);
}

TEST_F(Graph, automatisch_passt_die_Achse_an_die_Daten_Alles_loeschen_leert_die_Plots) {
    Punkt_hinzufuegen(Plot_Eingabe, 0, 0);
    Punkt_hinzufuegen(Plot_Berechnet, 37.4f, 42.2f);
    Punkt_hinzufuegen(Plot_Samples, 12, 8);
    Annotation_setzen(1, "EAN50", "");
    Achsenwahl w{0, 200, 0, 100};
    w.X_automatisch = true;
    Achsen_setzen(w);
    EXPECT_EQ(Achse_X.Minimum, 0);
    EXPECT_EQ(Achse_X.Maximum, 38);
    EXPECT_EQ(Achse_Y.Maximum, 100); // from its fields
    w.Y_automatisch = true;
    Achsen_setzen(w);
    EXPECT_EQ(Achse_Y.Maximum, 43);

    const auto geleert = Plot_geleert[Plot_Samples];
    w = {0, 200, 0, 100};
    w.Alles_loeschen = true;
    Achsen_setzen(w);
    for (int p = 1; p <= 4; ++p) EXPECT_TRUE(Plots[static_cast<std::size_t>(p)].empty());
    EXPECT_EQ(Plot_geleert[Plot_Samples], geleert + 1); // a view takes the plot again
    EXPECT_EQ(Achse_X.Maximum, 60);
    EXPECT_EQ(Achse_Y.Maximum, 100);
    EXPECT_EQ(Annotation[1], "EAN50"); // drawn again at the new scale
    w.Alles_loeschen = false;
    w.X_automatisch = true;
    Achsen_setzen(w); // no data: the axis stays
    EXPECT_EQ(Achse_X.Maximum, 60);
}

TEST_F(Graph, Annotationen_ab_einem_Wegpunkt_entfernen) {
    for (int32_t i = 0; i <= 5; ++i) Annotation_setzen(i, "A" + std::to_string(i), "W");
    Annotationen_entfernen_ab(3);
    EXPECT_EQ(Annotation[2], "A2");
    EXPECT_EQ(Warnung_Annotation[2], "W");
    for (int32_t i = 3; i <= 5; ++i)
        EXPECT_TRUE(Annotation[static_cast<std::size_t>(i)].empty() &&
                    Warnung_Annotation[static_cast<std::size_t>(i)].empty());
    EXPECT_GE(Annotation_letzte(), 5);
}
