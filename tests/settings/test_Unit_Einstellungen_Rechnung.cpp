// The calculation pages' operations: gradient-factor entry, the CCR oxygen feed check, the
// consumption defaults, model and algorithm choice, the gas list's delete rules, the limits shown
// and the explanation boxes.
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Gasnummern.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Einstellungen_Rechnung.hpp"

using namespace Unit_Einstellungen_Rechnung;
namespace S = Unit_Saettigungsmodelle;
namespace G = Unit_Gasgemisch_BestMix;
namespace K = Unit_CCR_SCR;
namespace V = Unit_Gasverbrauch;
namespace F = Unit_Formeln;
namespace U = Unit_AustauchPlanung;

class Einstellungen_Rechnung : public Einstellungsumgebung {};

struct GF_Fall {
    std::string Fall;
    std::string Lo, Hi;
    float GF_Lo, GF_Hi;
    std::string Meldung; // empty: none
};

class GF_Eingabe : public Einstellungen_Rechnung, public ::testing::WithParamInterface<GF_Fall> {};

TEST_P(GF_Eingabe, Prozent_werden_Anteile_und_falsche_werden_1) {
    const GF_Fall& f = GetParam();
    GF_OK(f.Lo, f.Hi, false, true);
    EXPECT_FLOAT_EQ(S::GF_Lo, f.GF_Lo);
    EXPECT_FLOAT_EQ(S::GF_Hi, f.GF_Hi);
    // The two choices are taken whatever the numbers were.
    EXPECT_FALSE(S::GF_Lo_last_deco_stop);
    EXPECT_TRUE(S::GF_alle_Stops);
    if (f.Meldung.empty()) {
        EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    } else {
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Text, f.Meldung);
        EXPECT_EQ(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GF_Eingabe,
    ::testing::Values(GF_Fall{"gueltig", "30", "85", 0.3f, 0.85f, ""},
                      GF_Fall{"Komma", "32,5", "100", 0.325f, 1.0f, ""},
                      GF_Fall{"Lo_120", "120", "80", 1.0f, 0.8f, "Gradient factor Lo > 1"},
                      GF_Fall{"Lo_negativ", "-10", "80", 1.0f, 0.8f, "Gradient factor Lo < 0"},
                      GF_Fall{"Hi_negativ", "40", "-1", 0.4f, 1.0f, "Gradient factor Hi < 0"},
                      GF_Fall{"Hi_101", "40", "101", 0.4f, 1.0f, "Gradient factor Hi > 1"},
                      // A cleared field keeps the factor in force (preset 1: 20 / 70).
                      GF_Fall{"leer_bleibt", "", "  ", 0.2f, 0.7f, ""},
                      GF_Fall{"keine_Zahl", "x", "80", 0.0f, 0.8f, ">x< ist keine Zahl"}),
    Fallname{});

TEST_F(Einstellungen_Rechnung, GF_Meldung_in_beiden_Sprachen_gleich_und_Feldtext) {
    Unit_Tools::Sprache = 1;
    GF_OK("120", "80", true, false);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Gradient factor Lo > 1");
    EXPECT_EQ(GF_Prozent_Text(0.4f), "40");
    EXPECT_EQ(GF_Prozent_Text(1.0f), "100");
}

TEST_F(Einstellungen_Rechnung, CCR_Sauerstoffzufuhr_unter_Verbrauch_gemeldet_und_behalten) {
    CCR_O2_Zufuhr_setzen(2);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty()); // 2 l/min against the default 1.5
    const auto& Liste = O2_Verbrauch_Auswahl();
    O2_Verbrauch_waehlen(Kreislauf::CCR, 7); // 2.5
    EXPECT_EQ(K::CCR.barL_pro_min_Atmung_O2, Liste[7]);
    EXPECT_EQ(K::CCR.L_pro_min_O2_Zufuhr, 2);
    EXPECT_EQ(Oberflaeche.Anzahl("Sauerstoffzufuhr ist kleiner als der Sauerstoffverbrauch"), 1);
    // Lowering the feed further reports again; raising it above the consumption does not.
    CCR_O2_Zufuhr_setzen(1);
    EXPECT_EQ(K::CCR.L_pro_min_O2_Zufuhr, 1);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
    CCR_O2_Zufuhr_setzen(3);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(O2_Verbrauch_Eintrag(Kreislauf::CCR), 7);

    // The other loops take their choice without a check; a choice outside the list is ignored.
    O2_Verbrauch_waehlen(Kreislauf::SCR, 0);
    O2_Verbrauch_waehlen(Kreislauf::pSCR, 8);
    EXPECT_EQ(K::SCR.barL_pro_min_Atmung_O2, 0.5f);
    EXPECT_EQ(K::pSCR.barL_pro_min_Atmung_O2, 1.5f);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_EQ(O2_Verbrauch_Texte().front(), "0.50");
    EXPECT_EQ(O2_Verbrauch_Texte().back(), "2.50");
}

TEST_F(Einstellungen_Rechnung, Gasverbrauch_Standard_nur_nach_Ja) {
    V::AMV = 35;
    V::Verbrauch_SicherheitsZuschlagProzent = 0;
    K::CCR.L = 9;
    Unit_WayPoints::pSCR_DumpRatio = 40;
    F::p_H2O_setzen(false);
    U::Gaswechsel_warten_OK = true;
    U::min_Gaswechsel_warten = 4;

    Oberflaeche.Antwort_Frage = false;
    EXPECT_FALSE(Gasverbrauch_Standard());
    EXPECT_EQ(V::AMV, 35);
    ASSERT_EQ(Oberflaeche.Fragen.size(), 1u);
    EXPECT_NE(Oberflaeche.Fragen[0].find("Alle individuellen Anpassungen mit Standardwerten überschreiben"),
              std::string::npos);

    Oberflaeche.Antwort_Frage = true;
    EXPECT_TRUE(Gasverbrauch_Standard());
    EXPECT_EQ(V::AMV, 20);
    EXPECT_EQ(V::AMV_Deko, 20);
    EXPECT_EQ(V::Verbrauch_SicherheitsZuschlagProzent, 50);
    EXPECT_EQ(K::CCR.L, 4);
    EXPECT_EQ(Unit_WayPoints::pSCR_DumpRatio, 10);
    EXPECT_TRUE(F::p_H2O_verwenden);
    EXPECT_EQ(p_H2O_Text(), "0.06270");
    EXPECT_FALSE(U::Gaswechsel_warten_OK);
    EXPECT_EQ(U::min_Gaswechsel_warten, 1);
}

TEST_F(Einstellungen_Rechnung, Modellwahl_laedt_den_Satz) {
    Modell_N2_waehlen(4); // "ZH-L16B 1b N2"
    EXPECT_EQ(S::Modell_N2.Bezeichnung, "ZH-L16B 1b N2");
    EXPECT_FLOAT_EQ(S::Modell_N2.Kompartiment[1].t_halb, 5.0f);
    EXPECT_FLOAT_EQ(S::Modell_N2.Kompartiment[6].a, 0.56f);
    EXPECT_EQ(Modell_N2_Eintrag(), 4);
    Modell_He_waehlen(1);
    EXPECT_EQ(S::Modell_He.Nummer, 7);
    EXPECT_EQ(Modell_He_Eintrag(), 1);
    Modell_N2_waehlen(6); // a helium set is no nitrogen choice
    Modell_He_waehlen(-1);
    EXPECT_EQ(S::Modell_N2.Nummer, 4);
    EXPECT_EQ(S::Modell_He.Nummer, 7);
    EXPECT_EQ(Modell_N2_Texte().size(), 6u);
    EXPECT_EQ(Modell_He_Texte().back(), "Bühlmann ZH-L16A 1b He");
}

TEST_F(Einstellungen_Rechnung, Algorithmus_2_und_3_gewarnt_und_behalten) {
    Algorithmus_waehlen(0);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    Algorithmus_waehlen(3);
    EXPECT_EQ(Unit_Saettigungsrechnung::Algorithmus, 3);
    EXPECT_EQ(Oberflaeche.Anzahl("Algorithmus noch nicht getestet"), 1);
    Unit_Tools::Sprache = 1;
    Algorithmus_waehlen(2);
    EXPECT_EQ(Unit_Saettigungsrechnung::Algorithmus, 2);
    EXPECT_EQ(Oberflaeche.Anzahl("Algorithm not yet tested"), 1);
    Algorithmus_waehlen(4);
    EXPECT_EQ(Unit_Saettigungsrechnung::Algorithmus, 2);
    EXPECT_EQ(Algorithmus_Texte()[1], "Bühlmann - multilevel");
}

TEST_F(Einstellungen_Rechnung, Sicherheitsstop_Eintrag_und_Deep_Stop_Standard) {
    S::Buehlmann_Risiko_Taucher();
    EXPECT_EQ(Sicherheitsstop_Eintrag(), 2);
    S::Buehlmann_0();
    EXPECT_EQ(Sicherheitsstop_Eintrag(), 0);
    S::Buehlmann_Sicherheitsstop_min = 3; // from an edited file: no choice of the list
    EXPECT_EQ(Sicherheitsstop_Eintrag(), -1);
    S::Deep_Stop_verwenden = true;
    S::Deep_Stop_min = 7;
    S::Deep_Stop_Stufen_oberhalb_Dekozone = 9;
    Deep_Stop_Standard();
    EXPECT_FALSE(S::Deep_Stop_verwenden);
    EXPECT_EQ(S::Deep_Stop_min, 1);
    EXPECT_EQ(S::Deep_Stop_Stufen_oberhalb_Dekozone, 2);
}

TEST_F(Einstellungen_Rechnung, unbenutzte_Gase_loeschen_behaelt_Gas_des_Aufstiegsplans) {
    EXPECT_FALSE(Gase_unbenutzt_loeschen_erlaubt());
    G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25); // 17, unused
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);     // 18, named by the ascent plan
    EXPECT_TRUE(Gase_unbenutzt_loeschen_erlaubt());
    EXPECT_TRUE(Gas_loeschen_erlaubt()); // gas 18 is current
    U::Aufstieg_Gaswechsel.Zeile[2] = {21, 18};
    G::Gasgemisch_waehlen(3);
    EXPECT_FALSE(Gas_loeschen_erlaubt());

    Unit_Gasnummern::Gasgemische_unbenutzt_loeschen();
    EXPECT_EQ(G::Gasgemisch_NumMax, 17);
    EXPECT_EQ(G::Gasgemisch[17].Name, "EAN28");
    EXPECT_EQ(U::Aufstieg_Gaswechsel.Zeile[2].Wert, 17.0f); // still the same gas
    EXPECT_TRUE(G::Gasgemisch[18].Name.empty());
    EXPECT_TRUE(Gase_unbenutzt_loeschen_erlaubt());

    // Once the plan no longer names it, it goes too.
    U::Aufstieg_Gaswechsel.Zeile[2] = {21, 0};
    Unit_Gasnummern::Gasgemische_unbenutzt_loeschen();
    EXPECT_EQ(G::Gasgemisch_NumMax, 16);
    EXPECT_FALSE(Gase_unbenutzt_loeschen_erlaubt());
}

TEST_F(Einstellungen_Rechnung, Grenzwerte_sind_die_des_Programms) {
    const Grenzwerte_Texte_Type t = Grenzwerte_Texte();
    EXPECT_EQ(t.pO2_Max, "1.60");
    EXPECT_EQ(t.pO2_Min, "0.16");
    EXPECT_EQ(t.END_Max, "50.0");
    EXPECT_EQ(t.CNS_Max, "100.0");
    EXPECT_EQ(t.OTU_Max, "850");
    EXPECT_EQ(t.Gegendiffusion_max, "0.900");
    EXPECT_EQ(t.Gegendiffusion_min, "-0.085");
    EXPECT_EQ(t.m_Tiefe_Max, "350");
    EXPECT_EQ(t.min_Grundzeit_Max, "900");
    EXPECT_EQ(t.min_Tauchzeit_Max, "1440");
    EXPECT_EQ(t.WayPoints_Max, "4800");
    EXPECT_EQ(t.Gase_Max, "40");
    EXPECT_EQ(t.mbar_Kabinendruck, "558");
    // The dive time follows the calculation step: one sample per step fills the table.
    Unit_WayPoints::min_Schritt = 0.2f;
    EXPECT_EQ(Grenzwerte_Texte().min_Tauchzeit_Max, "2880");
    EXPECT_EQ(Zeitintervall_Text(), "0.2");
}

TEST_F(Einstellungen_Rechnung, Erklaerungen_in_der_Sprache_mit_den_Einstellungen) {
    Unit_Tools::Sprache = 1;
    S::GF_Hi = 0.75f;
    Erklaerung_GF();
    Erklaerung_Deep_Stop();
    Erklaerung_Buehlmann();
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 3u);
    const std::string& GF = Oberflaeche.Meldungen[0].Text;
    EXPECT_EQ(GF.rfind("Gradient factors (GF) after E. Baker\r\rThe GF quantify the distance", 0), 0u);
    EXPECT_NE(GF.find("controls the last (shallowest) deco stop, set: 75"), std::string::npos);
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text.rfind(
                  "Deep Stop\r\rA 'Deep Stop' is a deep deco stop, which will be used in addition\r", 0),
              0u);
    EXPECT_EQ(Oberflaeche.Meldungen[2].Text.rfind("Original safety margins from Bühlmann", 0), 0u);
    for (const auto& m : Oberflaeche.Meldungen) EXPECT_EQ(m.Art, Unit_UI::Meldungsart::Info);
    Unit_Tools::Sprache = 0;
    Erklaerung_Deep_Stop();
    EXPECT_NE(Oberflaeche.Meldungen.back().Text.find("tiefer Dekostop"), std::string::npos);
}
