// What the tissue views show, computed from the tissue state without a window.
#include "planning/Unit_Gewebeanzeige.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <functional>
#include <set>

using namespace Unit_Gewebeanzeige;
namespace W = Unit_WayPoints;
namespace M = Unit_Saettigungsmodelle;
namespace R = Unit_Saettigungsrechnung;

class Gewebeanzeige : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        M::Modell_N2_aus_Liste(M::Modell_N2_Standard);
        M::Modell_He_aus_Liste(M::Modell_He_Standard);
        M::GF_verwenden = false;
        R::Saettigung_Start(true);
        Oberflaeche.Zuruecksetzen();
    }
};

TEST(Gewebeanzeige_Prozent, rundet_Haelften_zur_geraden_Zahl_und_markiert_fehlenden_Bezug) {
    struct Fall {
        long double Zaehler, Nenner;
        int erwartet;
    };
    const Fall Faelle[] = {{1, 8, 12},          {3, 8, 38},        {5, 8, 62},  {-1, 8, -12},
                           {-3, 8, -38},        {1, 3, 33},        {2, 3, 67},  {3, 1, 300},
                           {0, 4, 0},           {1, 0, kein_Wert}, {0, 0, -99}, {1, -2, kein_Wert},
                           {1, 1e-30L, 1000000}};
    for (const Fall& f : Faelle)
        EXPECT_EQ(Prozent(f.Zaehler, f.Nenner), f.erwartet)
            << static_cast<double>(f.Zaehler) << " / " << static_cast<double>(f.Nenner);
}

TEST_F(Gewebeanzeige, nach_der_Startsaettigung_zeigt_pMax_0_Luft_was_pMax_zeigt) {
    // At the surface with air, the tolerated pressure now is the one after the start: both gauges
    // show the air-saturated tissue against each compartment's own limit at the surface.
    std::set<int> Werte;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const Kompartiment_Typ k = Kompartiment(i);
        const long double Pt = W::p_N2_Gewebe[i] + W::p_He_Gewebe[i];
        const int erwartet = static_cast<int>(std::lround(Pt / W::p_N2He_Gewebe_MAX[i] * 100));
        EXPECT_EQ(k.pMax0_Luft.Wert, erwartet) << i;
        EXPECT_EQ(k.pMax.Wert, erwartet) << i;
        EXPECT_EQ(k.pMax0_Luft.Balkenfarbe, Farbe::Gelb);
        EXPECT_EQ(k.pMax0_Luft.Text, std::to_string(erwartet));
        EXPECT_EQ(k.pMax0_Ueberlauf.Balkenfarbe, Farbe::Weiss);
        EXPECT_TRUE(k.pMax0_Ueberlauf.Text.empty());
        EXPECT_EQ(k.p_Max, k.p_Max0) << i;
        EXPECT_EQ(k.p_He, "0.000");
        // Saturated at ambient pressure: no gradient yet.
        EXPECT_LT(k.Gradient.Wert, 0);
        Werte.insert(erwartet);
    }
    // The slow compartments tolerate less: the gauges are not all alike.
    EXPECT_GT(Werte.size(), 4u);
    EXPECT_LT(Kompartiment(1).pMax.Wert, Kompartiment(16).pMax.Wert);
}

TEST_F(Gewebeanzeige, Ueberladung_faerbt_rot_und_nimmt_den_Text_wo_verlangt) {
    // Compartment 5 beyond its M-value, compartment 9 at three times its start limit.
    W::p_N2_Gewebe[5] = 1.2L * W::p_N2He_Gewebe_MAX_ZH[5];
    W::p_He_Gewebe[5] = 0;
    W::p_N2_Gewebe[9] = 2.0L * R::p_N2He_Gewebe_MAX_0[9];
    W::p_He_Gewebe[9] = 1.0L * R::p_N2He_Gewebe_MAX_0[9];
    W::p_N2He_Gewebe_MAX_ZH[9] = 100; // keeps the other gauges of 9 in range
    const Kompartiment_Typ k5 = Kompartiment(5);
    EXPECT_EQ(k5.pMax.Wert, 120);
    EXPECT_EQ(k5.pMax.Balkenfarbe, Farbe::Rot);
    EXPECT_TRUE(k5.pMax.Text.empty());
    EXPECT_EQ(k5.Gradient.Balkenfarbe, Farbe::Rot);
    EXPECT_TRUE(k5.Gradient.Text.empty());

    const Kompartiment_Typ k9 = Kompartiment(9);
    EXPECT_EQ(k9.pMax0_Ueberlauf.Wert, 300);
    EXPECT_EQ(k9.pMax0_Ueberlauf.Balkenfarbe, Farbe::Rot);
    EXPECT_TRUE(k9.pMax0_Ueberlauf.Text.empty());
    // The first gauge is full and red but still tells the number.
    EXPECT_EQ(k9.pMax0_Luft.Balkenfarbe, Farbe::Rot);
    EXPECT_EQ(k9.pMax0_Luft.Text, "300");
    EXPECT_EQ(k9.pMax.Balkenfarbe, Farbe::Gelb);
}

TEST_F(Gewebeanzeige, ohne_Bezug_steht_minus_99) {
    // Limit 0, start limit 0, limit equal to the ambient pressure: each gauge without reference.
    W::p_N2He_Gewebe_MAX_ZH[2] = 0;
    R::p_N2He_Gewebe_MAX_0[3] = 0;
    W::bar_Umgebung = 2.5L;
    W::p_N2He_Gewebe_MAX_ZH[4] = 2.5f;
    EXPECT_EQ(Kompartiment(2).pMax, (Balken{kein_Wert, Farbe::Gelb, "-99"}));
    EXPECT_EQ(Kompartiment(3).pMax0_Luft.Wert, kein_Wert);
    EXPECT_EQ(Kompartiment(3).pMax0_Ueberlauf.Balkenfarbe, Farbe::Weiss);
    EXPECT_EQ(Kompartiment(4).Gradient.Wert, kein_Wert);
    W::p_N2He_Gewebe_MAX_ZH[5] = 3.5f; // a limit above the ambient pressure, as always at 2.5 bar
    EXPECT_EQ(Kompartiment(5).Gradient.Wert, Prozent(W::p_N2_Gewebe[5] - 2.5L, 1.0L));
}

TEST_F(Gewebeanzeige, ohne_gueltigen_Zustand_zeigt_kein_Balken_eine_Ladung) {
    // Regression: where the cursor finds no sample the pressures and limits are marks of -99.9,
    // and their quotient showed every compartment red at 200 %, as if beyond its M-value.
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(2, 30);
    Unit_Tauchgangszustand::sData_holen(12345.0f);
    ASSERT_LT(W::p_N2_Gewebe[1], 0);
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const Kompartiment_Typ k = Kompartiment(i);
        for (const Balken* b : {&k.pMax, &k.pMax0_Luft, &k.pMax0_Ueberlauf, &k.Gradient}) {
            EXPECT_EQ(b->Wert, kein_Wert) << i;
            EXPECT_NE(b->Balkenfarbe, Farbe::Rot) << i;
        }
    }
    EXPECT_EQ(Geloeste_Gase().Stickstoffanteil.Wert, kein_Wert);
}

TEST_F(Gewebeanzeige, Kompartiment_ausserhalb_1_bis_16_bricht_ab) {
    for (int i : {0, 17, -3}) {
        EXPECT_THROW(Kompartiment(i), Unit_UI::Befehl_abgebrochen) << i;
    }
    EXPECT_EQ(Oberflaeche.Anzahl(">ZeigeGewebe(i)< out of range"), 3);
}

TEST_F(Gewebeanzeige, Zahlen_mit_drei_Stellen_auf_fuenf_Zeichen) {
    W::p_N2_Gewebe[1] = 0.75L;
    W::p_He_Gewebe[1] = 12.3456L;
    const Kompartiment_Typ k = Kompartiment(1);
    EXPECT_EQ(k.p_N2, "0.750");
    EXPECT_EQ(k.p_He, "12.346");
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    EXPECT_EQ(Kompartiment(1).p_N2, "0,750");
}

TEST_F(Gewebeanzeige, Druckdiagramm_folgt_dem_Zustand_und_GF_verwenden) {
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(3, 40);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(25, 40);
    Gewebedruck_Typ d = Gewebedruck();
    EXPECT_FALSE(d.GF_zeigen);
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        EXPECT_DOUBLE_EQ(d.N2[k], static_cast<double>(W::p_N2_Gewebe[i]));
        EXPECT_GE(d.N2He[k], d.N2[k]);
        EXPECT_DOUBLE_EQ(d.Umgebung[k], static_cast<double>(W::bar_Umgebung));
        EXPECT_LE(d.MAX_ZH[k], d.Skala_automatisch);
    }
    EXPECT_GE(d.Skala_automatisch, Skala_mindestens);
    M::GF_verwenden = true;
    EXPECT_TRUE(Gewebedruck().GF_zeigen);

    // The largest limit sets the automatic scale.
    W::p_N2He_Gewebe_MAX_ZH[1] = 20.25f;
    EXPECT_DOUBLE_EQ(Gewebedruck().Skala_automatisch, 20.25);
    W::p_N2He_Gewebe_MAX_ZH.fill(1.0f);
    EXPECT_DOUBLE_EQ(Gewebedruck().Skala_automatisch, Skala_mindestens);
}

TEST_F(Gewebeanzeige, Ceiling_Zeile_mit_Tiefe_nur_unter_der_Oberflaeche) {
    const float unter_Wasser = Unit_Formeln::bar_Umgebung_aus(12.5f);
    EXPECT_EQ(Ceiling_Zeile(unter_Wasser),
              "Ceiling = " + Unit_Tools::Zahl_formatieren(6, 3, unter_Wasser) + " bar      12.50 m");
    EXPECT_EQ(Ceiling_Zeile(Unit_Formeln::bar_Luft), "Ceiling =  1.013 bar       0.00 m");
    EXPECT_EQ(Ceiling_Zeile(0.5f), "Ceiling =  0.500 bar       0.00 m");
    EXPECT_EQ(Gewebedruck().Ceiling_Zeile.find("Ceiling = "), 0u);
}

TEST_F(Gewebeanzeige, Groesse_des_Fensters_der_geloesten_Gase) {
    struct Fall {
        float Menge, Start;
        int Breite, Hoehe;
    };
    // Four times the start amount doubles the side: 248.
    const Fall Faelle[] = {{1.645f, 1.645f, 140, 163},
                           {6.58f, 1.645f, 264, 287},
                           {1.0f, 1.645f, 140, 163},
                           {3.0f, 0.0f, 140, 163},
                           {-99.9f, 1.645f, 140, 163}};
    for (const Fall& f : Faelle) {
        const Groesse_Typ g = Fenstergroesse(f.Menge, f.Start);
        EXPECT_EQ(g.Breite, f.Breite) << f.Menge;
        EXPECT_EQ(g.Hoehe, f.Hoehe) << f.Menge;
    }
    // The surface-saturated diver: the base size and no helium.
    const Geloeste_Gase_Typ g = Geloeste_Gase();
    EXPECT_EQ(g.Breite, 140);
    EXPECT_EQ(g.Hoehe, 163);
    EXPECT_EQ(g.N2, "N2 =   1.645 barL");
    EXPECT_EQ(g.He, "He =   0.000 barL");
    EXPECT_EQ(g.Stickstoffanteil.Wert, 100);
}

TEST_F(Gewebeanzeige, Erklaerungen_in_beiden_Sprachen) {
    const Erklaerung_Typ pMax = Erklaerung(Gruppe::pMax);
    EXPECT_EQ(pMax.Deutsch,
              "Inertgassättigung in % für jedes der 16 Gewebe:\r\rbezogen auf die maximal aktuell "
              "(beim Umgebungsdruck) erlaubte Übersättigung = 100%");
    EXPECT_EQ(pMax.Englisch, "Saturation with inert gas in % for each of the 16 tissues:\r\rrefering to the "
                             "maximum allowed over saturation (at ambient pressure) = 100%");
    std::set<std::string> Texte;
    for (Gruppe g : {Gruppe::pMax, Gruppe::pMax0_Luft, Gruppe::Gradient, Gruppe::p_N2, Gruppe::p_He,
                     Gruppe::p_Max, Gruppe::p_Max0}) {
        Texte.insert(Erklaerung(g).Deutsch);
        Texte.insert(Erklaerung(g).Englisch);
    }
    EXPECT_EQ(Texte.size(), 14u);
    EXPECT_NE(Legende().Deutsch.find("hellrot = Maximaler Inertgas-Überdruck (Gradientenfaktoren GF)"),
              std::string::npos);
    EXPECT_NE(Legende().Englisch.find("yellow = partial pressure fraction of inert gas nitrogen"),
              std::string::npos);
}

// Every operation that puts a tissue state in place tells the views: each compartment, the
// pressures and the dissolved gas.
namespace {
class Zaehler : public Unit_UI::Headless {
  public:
    std::set<int> Kompartimente;
    int Druck = 0, Gase = 0;
    void Kompartiment_geaendert(int i) override { Kompartimente.insert(i); }
    void Gewebedruck_geaendert() override { ++Druck; }
    void Geloeste_Gase_geaendert() override { ++Gase; }
};
} // namespace

TEST_F(Gewebeanzeige, jeder_neue_Gewebezustand_meldet_sich_bei_den_Ansichten) {
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(2, 30);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(10, 30);
    const std::pair<const char*, std::function<void()>> Faelle[] = {
        {"Cursor", [] { Unit_Tauchgangszustand::sData_holen(5.0f); }},
        {"Schritt", [] { Unit_Tauchgangsberechnung::Zeitschritt_rechnen(1, 30); }},
        {"Neuer Tauchgang", [] { R::Saettigung_Start(true); }},
        {"Oberflaechenpause", [] { R::Oberflaechenpause(1.0f); }},
    };
    for (const auto& [Name, Vorgang] : Faelle) {
        Zaehler z;
        Unit_UI::UI_setzen(&z);
        Vorgang();
        Unit_UI::UI_setzen(&Oberflaeche);
        EXPECT_EQ(z.Kompartimente.size(), 16u) << Name;
        EXPECT_GT(z.Druck, 0) << Name;
        EXPECT_GT(z.Gase, 0) << Name;
    }
}

TEST_F(Gewebeanzeige, das_hoechste_Ceiling_merkt_sich_die_Rechnung_selbst) {
    // No window is open here: the summary's ceiling comes from the steps alone.
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(3, 50);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(30, 50);
    const float tief = R::Ceiling_MAX;
    EXPECT_GT(tief, Unit_Formeln::bar_Luft);
    EXPECT_NEAR(R::min_Ceiling_MAX, 33.0f, 0.05f);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(5, 20);
    EXPECT_EQ(R::Ceiling_MAX, tief);
}

TEST_F(Gewebeanzeige, der_Stand_erkennt_jede_Aenderung_die_die_Ansichten_zeigen) {
    EXPECT_EQ(Stand(), Stand());
    const std::pair<const char*, std::function<void()>> Aenderungen[] = {
        {"N2", [] { W::p_N2_Gewebe[16] += 0.001L; }},
        {"He", [] { W::p_He_Gewebe[1] = 0.25L; }},
        {"Grenze ZH", [] { W::p_N2He_Gewebe_MAX_ZH[8] += 0.5f; }},
        {"Grenze GF", [] { W::p_N2He_Gewebe_MAX_GF[8] += 0.5f; }},
        {"Startgrenze", [] { R::p_N2He_Gewebe_MAX_0[3] += 0.5f; }},
        {"Umgebung", [] { W::bar_Umgebung = 3.0L; }},
        {"geloestes Gas", [] { Unit_Gewebe_barL::barL_He = 0.5f; }},
        {"GF verwenden", [] { M::GF_verwenden = !M::GF_verwenden; }},
        {"Sprache", [] { Unit_Tools::Sprache = 1 - Unit_Tools::Sprache; }},
        {"Dezimalzeichen", [] { Unit_Tools::Dezimaltrennzeichen_setzen(','); }},
    };
    for (const auto& [Name, aendern] : Aenderungen) {
        const Stand_Typ vorher = Stand();
        aendern();
        EXPECT_FALSE(Stand() == vorher) << Name;
    }
}

TEST_F(Gewebeanzeige, nach_der_Oberflaechenpause_gilt_ihre_Grenze_als_Start) {
    // With helium left in the tissues the limits at the surface are those of the mixture.
    Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(11);
    W::Gas_Nr = 11;
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(3, 50);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(20, 50);
    R::Oberflaechenpause(0.5f);
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        EXPECT_EQ(R::p_N2He_Gewebe_MAX_0[i], W::p_N2He_Gewebe_MAX[i]) << i;
        EXPECT_EQ(Kompartiment(i).p_Max0, Kompartiment(i).p_Max) << i;
    }
    EXPECT_GT(W::p_He_Gewebe[16], 0.0L);
}
