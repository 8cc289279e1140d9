#include "planning/Unit_Tiefentabelle.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_Tiefentabelle;

class Tiefentabelle : public Testumgebung {
  protected:
    // Rows (0, 25), (10, 20), (40, 10), then copies of the last.
    Tiefentabelle_Type t = [] {
        Tiefentabelle_Type x;
        x.Zeile = {{{0, 25}, {10, 20}, {40, 10}, {40, 10}, {40, 10}, {40, 10}}};
        return x;
    }();
};

TEST_F(Tiefentabelle, abwaerts_gilt_die_letzte_Zeile_nicht_tiefer_als_die_Tiefe) {
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, 0), 25);
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, 9.99f), 25);
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, 10), 20);
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, 39), 20);
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, 300), 10);
    EXPECT_EQ(Tiefentabelle_lesen(t, true, Richtung::abwaerts, 99, -1), 99); // above every row
    EXPECT_EQ(Tiefentabelle_lesen(t, false, Richtung::abwaerts, 99, 20), 99);
}

TEST_F(Tiefentabelle, aufwaerts_gilt_die_erste_Zeile_mindestens_so_tief) {
    Tiefentabelle_Type a;
    a.Zeile = {{{6, 3}, {10, 10}, {60, 10}, {60, 10}, {60, 10}, {60, 10}}};
    EXPECT_EQ(Tiefentabelle_lesen(a, true, Richtung::aufwaerts, 9, 3), 3);
    EXPECT_EQ(Tiefentabelle_lesen(a, true, Richtung::aufwaerts, 9, 6), 3);
    EXPECT_EQ(Tiefentabelle_lesen(a, true, Richtung::aufwaerts, 9, 6.01f), 10);
    EXPECT_EQ(Tiefentabelle_lesen(a, true, Richtung::aufwaerts, 9, 61), 9); // deeper than every row
}

TEST_F(Tiefentabelle, Reihenfolge_Auffuellen_und_Normalisieren) {
    EXPECT_TRUE(Reihenfolge_pruefen(t));
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    t.Zeile[1].m_ab = 50; // 0, 50, 40: out of order, left as entered
    EXPECT_FALSE(Reihenfolge_pruefen(t));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text,
              "Falsche Reihenfolge der Tiefenangaben.\rDie Tiefe muss von oben nach unten zunehmen !");
    EXPECT_EQ(t.Zeile[1].m_ab, 50);
    Tabelle_normalisieren(t); // rows 3 to 6 become copies of row 2
    for (int k = 2; k < 6; ++k) {
        EXPECT_EQ(t.Zeile[k].m_ab, 50) << k;
        EXPECT_EQ(t.Zeile[k].Wert, 20) << k;
    }
    Tiefentabelle_Type f;
    f.Zeile[2] = {30, 7};
    Zeilen_auffuellen(f, 3);
    EXPECT_EQ(f.Zeile[5].m_ab, 30);
    EXPECT_EQ(f.Zeile[3].Wert, 7);
}
