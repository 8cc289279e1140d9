// The expected proposals are worked out by hand with 10 m per bar, air pressure 1.01325 bar and
// water vapour 0.0627 bar: ambient P = depth / 10 + 1.01325, inspired = (P - 0.0627) x fraction.
#include "planning/Unit_AustauchPlanung_autoGaswechsel.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "physics/Unit_Formeln.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "support/Testumgebung.hpp"

#include <utility>
#include <vector>

using namespace Unit_AustauchPlanung_autoGaswechsel;
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;

namespace {
constexpr float pN2max_30 = 3.17127f; // (3 + 1.01325) x 0.7902
} // namespace

class Vorschlag : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        G::Gasgemische_initialisieren();
        Unit_Formeln::p_H2O_setzen(true);
        Tabelle = Tiefentabelle_gleich(99, 99);
    }

    // Standard limits: pO2 1.40 / 0.80, dpN2 0.80 / 0.40, END 30; from Gas at 40 m up to m_Ende.
    void vorschlagen(int32_t Gas, bool ideal, float pO2min = 0.8f, float m_Ende = 3, float m_Start = 40) {
        Gaswechsel_vorschlagen(Gas, ideal, Tabelle, 0.4f, 0.8f, pN2max_30, pO2min, 1.4f, m_Start, m_Ende);
    }

    void erwarte_Zeilen(const std::vector<std::pair<float, float>>& Zeilen) const {
        ASSERT_EQ(Zeilen.size(), 6u);
        for (std::size_t k = 0; k < 6; ++k) {
            EXPECT_EQ(Tabelle.Zeile[k].m_ab, Zeilen[k].first) << "row " << k + 1;
            EXPECT_EQ(Tabelle.Zeile[k].Wert, Zeilen[k].second) << "row " << k + 1;
        }
    }

    static void erwarte_Gas(int32_t k, const std::string& Name, float O2, float N2, float He) {
        const auto& g = G::Gasgemisch[static_cast<std::size_t>(k)];
        EXPECT_EQ(g.Name, Name) << k;
        EXPECT_EQ(g.f_O2_prozent, O2) << k;
        EXPECT_EQ(g.f_N2_prozent, N2) << k;
        EXPECT_EQ(g.f_He_prozent, He) << k;
    }

    Tiefentabelle_Type Tabelle;
};

TEST_F(Vorschlag, pN2max_aus_ENDmax) {
    EXPECT_NEAR(pN2max_aus_ENDmax(30), 3.17127f, 1e-5f);
    EXPECT_EQ(pN2max_Text(30), "3.17");
    EXPECT_NEAR(pN2max_aus_ENDmax(20), 2.38107f, 1e-5f); // (2 + 1.01325) x 0.7902
    EXPECT_NEAR(pN2max_aus_ENDmax(60), 5.54187f, 1e-5f); // (6 + 1.01325) x 0.7902
    EXPECT_NEAR(pN2max_aus_ENDmax(5), 2.38107f, 1e-5f);  // the spin edit's least END is 20 m
    Unit_Formeln::m_pro_bar = 10.3f;                     // sea water
    EXPECT_NEAR(pN2max_aus_ENDmax(30), 3.10222f, 1e-5f); // (30 / 10.3 + 1.01325) x 0.7902
}

TEST_F(Vorschlag, drei_Voreinstellungen_und_Standard_beim_Start) {
    struct Erwartet {
        Voreinstellung v;
        float pO2max, pO2min, dpN2max, dpN2min;
        bool Bottomgas;
    };
    EXPECT_EQ(Parameter.pO2max, 1.40f); // the window starts with "Standard"
    EXPECT_NEAR(Parameter.pN2max, pN2max_30, 1e-5f);
    for (const auto& e : {Erwartet{Voreinstellung::maxEntsaettigung, 1.60f, 1.30f, 1.00f, 0.40f, false},
                          Erwartet{Voreinstellung::wenigGaswechsel, 1.40f, 0.70f, 1.20f, 0.40f, true},
                          Erwartet{Voreinstellung::Standard, 1.40f, 0.80f, 0.80f, 0.40f, true}}) {
        Voreinstellung_waehlen(e.v);
        EXPECT_EQ(Parameter.pO2max, e.pO2max);
        EXPECT_EQ(Parameter.pO2min, e.pO2min);
        EXPECT_EQ(Parameter.dpN2max, e.dpN2max);
        EXPECT_EQ(Parameter.dpN2min, e.dpN2min);
        EXPECT_EQ(Parameter.ENDmax, 30);
        EXPECT_NEAR(Parameter.pN2max, pN2max_30, 1e-5f);
        EXPECT_EQ(Parameter.BottomGasIstErstesGas, e.Bottomgas);
    }
    const auto t = Felder_Texte(Voreinstellung_Satz(Voreinstellung::wenigGaswechsel));
    EXPECT_EQ(t[0], "1.40");
    EXPECT_EQ(t[1], "0.70");
    EXPECT_EQ(t[2], "3.17");
    EXPECT_EQ(t[3], "1.20");
    EXPECT_EQ(t[4], "0.40");
}

// Air at 40 m: its pO2 falls below 0.80 at 28 m (0.786 bar). There the ideal gas has pO2 1.40
// and pN2 0.786 x 0.7902 / 0.20948 + 0.68 (rise at 28 m), above the END limit and above what is
// left of 3.75055 bar, so N2 = 2.35055: O2 37.33 %, a new "EAN37" (37/63). EAN37 falls below 0.80
// at 12 m (0.796): O2 1.4 / 2.15055 = 65.10 %, a new "EAN65". At 3 m EAN65 still gives 0.813.
TEST_F(Vorschlag, Luft_ab_40_m_mit_Bottomgas_als_erstem_Gas) {
    vorschlagen(0, false);
    erwarte_Zeilen({{12, 18}, {12, 18}, {12, 18}, {12, 18}, {28, 17}, {40, 0}});
    EXPECT_EQ(G::Gasgemisch_NumMax, 18);
    erwarte_Gas(17, "EAN37", 37, 63, 0);
    erwarte_Gas(18, "EAN65", 65, 35, 0);
}

TEST_F(Vorschlag, kein_Wechsel_hinter_dem_letzten_Stop) {
    vorschlagen(0, false, 0.8f, 13); // the EAN65 switch at 12 m lies beyond the walk
    erwarte_Zeilen({{28, 17}, {28, 17}, {28, 17}, {28, 17}, {28, 17}, {40, 0}});
    EXPECT_EQ(G::Gasgemisch_NumMax, 17);
}

TEST_F(Vorschlag, nie_unterschrittenes_pO2min_laesst_das_Bottomgas) {
    vorschlagen(0, false, 0.2f); // air at 3 m still gives 0.262 bar
    erwarte_Zeilen({{40, 0}, {40, 0}, {40, 0}, {40, 0}, {40, 0}, {40, 0}});
    EXPECT_EQ(G::Gasgemisch_NumMax, G::Gasgemisch_NumMaxDefault);
}

// Ideal bottom gas at 40 m from air: O2 1.4, N2 capped at 3.17127, He the rest of 4.95055 bar.
TEST_F(Vorschlag, ideales_Bottomgas_in_Zeile_6) {
    vorschlagen(0, true);
    EXPECT_EQ(Tabelle.Zeile[5].m_ab, 40);
    EXPECT_EQ(Tabelle.Zeile[5].Wert, 17);
    erwarte_Gas(17, "Tmx28/8", 28, 64, 8);
}

// Tmx10/70 leaves room for the nitrogen rise. At 60 m: N2 6.95055 x 0.20 + 0.80 = 2.19011, He the
// rest after O2 1.4: 20.14 / 31.51 / 48.35 %. Tmx20/48 undercuts 0.80 at 30 m (0.790); the rise
// there is 0.80 - 30 / 60 x 0.40 = 0.60, so N2 3.95055 x 0.32 + 0.60 = 1.86418: 35.44 / 47.19 /
// 17.37 %, whole percent 35 / 47 / 17, which the table's add makes 36 / 47 / 17.
TEST_F(Vorschlag, Stickstoffanstieg_faellt_zur_Oberflaeche_hin) {
    Gaswechsel_vorschlagen(14, true, Tabelle, 0.4f, 0.8f, pN2max_30, 0.8f, 1.4f, 60, 21);
    erwarte_Zeilen({{30, 18}, {30, 18}, {30, 18}, {30, 18}, {30, 18}, {60, 17}});
    erwarte_Gas(17, "Tmx20/48", 20, 32, 48);
    erwarte_Gas(18, "Tmx35/17", 36, 47, 17);
}

// pO2 min 1.39 needs a switch at every metre. Row 1 goes to 35 m, where the ideal gas (O2 1.4 /
// 4.45055 = 31.46 %, N2 68.54 %) lies within 0.005 of EAN31 from 36 m and reuses it; the switch
// at 34 m finds no row left and adds no gas.
TEST_F(Vorschlag, hoechstens_sechs_Zeilen_und_Gas_der_Tabelle_wiederverwendet) {
    vorschlagen(0, true, 1.39f);
    erwarte_Zeilen({{35, 21}, {36, 21}, {37, 20}, {38, 19}, {39, 18}, {40, 17}});
    EXPECT_EQ(G::Gasgemisch_NumMax, 21);
    erwarte_Gas(18, "Tmx29/6", 29, 65, 6);
    erwarte_Gas(19, "Tmx29/4", 29, 67, 4);
    erwarte_Gas(20, "Tmx30/2", 30, 68, 2);
    erwarte_Gas(21, "EAN31", 31, 69, 0);
}

// The ideal gas at 28 m is 37.33 % O2 / 62.67 % N2.
TEST_F(Vorschlag, Gas_der_Tabelle_nur_innerhalb_0_005) {
    G::Gasgemisch_hinzufuegen("EAN37", 37, 63, 0);
    G::Gasgemisch[17].f_O2_prozent = 36.8f; // 0.0053 away: a new gas
    G::Gasgemisch[17].f_N2_prozent = 63.2f;
    vorschlagen(0, false, 0.8f, 20);
    EXPECT_EQ(Tabelle.Zeile[4].Wert, 18);
    EXPECT_EQ(G::Gasgemisch_NumMax, 18);

    G::Gasgemisch[17].f_O2_prozent = 36.9f; // 0.0043 away: reused
    G::Gasgemisch[17].f_N2_prozent = 63.1f;
    G::Gasgemisch_NumMax = 17;
    vorschlagen(0, false, 0.8f, 20);
    erwarte_Zeilen({{28, 17}, {28, 17}, {28, 17}, {28, 17}, {28, 17}, {40, 0}});
    EXPECT_EQ(G::Gasgemisch_NumMax, 17);
}

TEST_F(Vorschlag, Tauchzustand_und_gewaehltes_Gas_bleiben) {
    W::Tauchgeraet = 1;
    W::Gas_Nr = 11;
    W::m_Wasser = 40;
    G::Gasgemisch_waehlen(11);
    Unit_AustauchPlanung::Aufstieg_Gaswechsel_OK = false;
    vorschlagen(0, true);
    EXPECT_GT(G::Gasgemisch_NumMax, 16); // gases were added, each selected when added
    EXPECT_EQ(G::Gasgemisch_num, 11);
    EXPECT_FLOAT_EQ(G::f_He, 0.45f);
    EXPECT_EQ(W::Tauchgeraet, 1);
    EXPECT_EQ(W::Gas_Nr, 11);
    EXPECT_EQ(W::m_Wasser, 40);
    EXPECT_FALSE(Unit_AustauchPlanung::Aufstieg_Gaswechsel_OK);
}

TEST_F(Vorschlag, nichts_an_der_Oberflaeche_oder_mit_unbekanntem_Gas) {
    vorschlagen(0, true, 0.8f, 3, 0);
    vorschlagen(0, true, 0.8f, 3, -5);
    vorschlagen(G::Gasgemisch_NumMax + 1, false);
    vorschlagen(-1, false);
    erwarte_Zeilen({{99, 99}, {99, 99}, {99, 99}, {99, 99}, {99, 99}, {99, 99}});
    EXPECT_EQ(G::Gasgemisch_NumMax, G::Gasgemisch_NumMaxDefault);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

// A pO2 max field that is no number reads as 0: the composed gases would hold no oxygen.
TEST_F(Vorschlag, unbrauchbare_Grenzen_geben_keinen_Vorschlag) {
    struct Satz {
        float dpN2min, dpN2max, pO2min, pO2max;
    };
    for (const auto& s :
         {Satz{0.4f, 0.8f, 0.8f, 0}, Satz{0.4f, 0.8f, 0.8f, 0.15f}, Satz{0.4f, 0.8f, -0.1f, 1.4f},
          Satz{-0.4f, 0.8f, 0.8f, 1.4f}, Satz{0.4f, -0.8f, 0.8f, 1.4f}}) {
        Oberflaeche.Zuruecksetzen();
        Gaswechsel_vorschlagen(0, true, Tabelle, s.dpN2min, s.dpN2max, pN2max_30, s.pO2min, s.pO2max, 40, 3);
        EXPECT_EQ(Oberflaeche.Anzahl("Kein Vorschlag: pO2 max muss mindestens 0.16 bar sein"), 1) << s.pO2max;
    }
    EXPECT_EQ(Tabelle.Zeile[5].Wert, 99);
    EXPECT_EQ(G::Gasgemisch_NumMax, G::Gasgemisch_NumMaxDefault);
}

// Adding to a full table would overwrite gas 40, which row 6 names already.
TEST_F(Vorschlag, volle_Gastabelle_beendet_den_Vorschlag) {
    while (G::Gasgemisch_NumMax < G::GasGemisch_NumMaxUeberhaupt - 1)
        G::Gasgemisch_hinzufuegen("HeliOx50", 50, 0, 50);
    vorschlagen(0, true); // Tmx28/8 becomes gas 40; EAN49 at 19 m finds no room
    EXPECT_EQ(Oberflaeche.Anzahl("Zu viele Gasmischungen: der Vorschlag endet bei 19 m"), 1);
    erwarte_Zeilen({{40, 40}, {40, 40}, {40, 40}, {40, 40}, {40, 40}, {40, 40}});
    erwarte_Gas(40, "Tmx28/8", 28, 64, 8);
}

class Vorschlag_OK_Knopf : public Vorschlag {
  protected:
    void SetUp() override {
        Vorschlag::SetUp();
        Unit_AustauchPlanung::Aufstieg_Gaswechsel = Tiefentabelle_gleich(99, 99);
        W::Gas_Nr = 0;
        W::m_Wasser = 40;
        W::min_Runtime = 20;
        W::WayPoint_Anzahl = 2;
    }
};

TEST_F(Vorschlag_OK_Knopf, ohne_Tauchgang_nur_die_Information) {
    W::min_Runtime = 0.1L;
    EXPECT_FALSE(Vorschlag_OK({"1.4", "0.8", "0.8", "0.4", 30, true}, 3));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Info);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Noch keine Daten eingegeben");
    EXPECT_EQ(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[5].Wert, 99);
    EXPECT_EQ(Parameter.pO2min, 0.80f); // the fields are not read either
}

// A new dive stands at the start point of the input fields (30 min, 25 m) before anything is
// entered; proposing for it would fill the table from a dive nobody entered.
TEST_F(Vorschlag_OK_Knopf, neuer_Tauchgang_am_Startpunkt_ist_noch_kein_Tauchgang) {
    W::WayPoint_Anzahl = 0;
    W::min_Runtime = 30;
    W::m_Wasser = 25;
    EXPECT_FALSE(Vorschlag_OK({"1.4", "0.8", "0.8", "0.4", 30, true}, 3));
    EXPECT_EQ(Oberflaeche.Anzahl("Noch keine Daten eingegeben"), 1);
    EXPECT_EQ(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[5].Wert, 99);
}

TEST_F(Vorschlag_OK_Knopf, liest_die_Felder_und_schlaegt_fuer_Gas_und_Tiefe_vor) {
    EXPECT_TRUE(Vorschlag_OK({"1,4", " 0.80", "0.8", "0.4", 20, true}, 3));
    EXPECT_EQ(Parameter.pO2max, 1.4f);
    EXPECT_EQ(Parameter.ENDmax, 20);
    EXPECT_NEAR(Parameter.pN2max, 2.38107f, 1e-5f);
    const auto& t = Unit_AustauchPlanung::Aufstieg_Gaswechsel;
    EXPECT_EQ(t.Zeile[5].m_ab, 40);
    EXPECT_EQ(t.Zeile[5].Wert, 0);  // the bottom gas stays first
    EXPECT_EQ(t.Zeile[4].m_ab, 28); // air undercuts 0.80 there whatever the END
    EXPECT_FALSE(Unit_AustauchPlanung::Aufstieg_Gaswechsel_OK);
}

TEST_F(Vorschlag_OK_Knopf, Feld_ohne_Zahl_meldet_und_schlaegt_nichts_vor) {
    Vorschlag_OK({"x", "0.8", "0.8", "0.4", 30, false}, 3);
    EXPECT_EQ(Oberflaeche.Anzahl(">x< ist keine Zahl"), 1);
    EXPECT_EQ(Oberflaeche.Anzahl("Kein Vorschlag"), 1);
    EXPECT_EQ(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[5].Wert, 99);
}
