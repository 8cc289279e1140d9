#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "support/Testumgebung.hpp"

#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

using namespace Unit_WayPoints;
using namespace Unit_Tauchgangszustand;

namespace {
// Surface with the default air pressure and water vapour: 1.01325 - 0.0627.
constexpr double P_Oberflaeche = 0.95055;

// One calculation step as the tissue step stores it.
void Sample_schreiben(float min, float m) {
    min_Runtime = min;
    m_Wasser = m;
    sData_weiter();
    for (int i = 1; i <= Gewebe_Anzahl; ++i) sData_speichern(i);
}

// The defaults a record's fields had before it was kept as zero bytes.
void Eintrag_ist_leer(const WayPoint_Type& w) {
    EXPECT_EQ(w.min_Runtime, 0);
    EXPECT_EQ(w.m_Wasser, 0);
    EXPECT_EQ(w.Gas_Nr, 0);
    EXPECT_FALSE(w.austauchen);
    EXPECT_EQ(w.Tauchgeraet, 0);
    EXPECT_EQ(w.SCR_Flow, 15.6f);
    EXPECT_EQ(w.pSCR_DumpRatio, 10);
    EXPECT_EQ(w.CCR_Setpoint, 0);
    EXPECT_EQ(w.bar_pO2, 0);
    EXPECT_EQ(w.CNS_Prozent, 0);
    EXPECT_EQ(w.OTU, 0);
    EXPECT_EQ(w.m_END, 0);
    EXPECT_TRUE(w.Aktion.empty());
    EXPECT_TRUE(w.Warnung.empty());
    EXPECT_EQ(w.cave_horizontal_distance_m, -1.0f);
    EXPECT_EQ(w.cave_horizontal_velocity_m_pro_min, -1.0f);
}

// As the former reset left every sample: the empty waypoint and nothing else.
void Sample_ist_leer(const sData_Type& s, int k) {
    SCOPED_TRACE("Sample " + std::to_string(k));
    Eintrag_ist_leer(s);
    for (int i = 0; i <= Gewebe_Anzahl; ++i) {
        EXPECT_EQ(s.p_N2_Gewebe[i], 0);
        EXPECT_EQ(s.p_He_Gewebe[i], 0);
        EXPECT_EQ(s.p_N2He_Gewebe_MAX[i], 0);
        EXPECT_EQ(s.p_N2He_Gewebe_MAX_GF[i], 0);
        EXPECT_EQ(s.p_N2He_Gewebe_MAX_ZH[i], 0);
    }
    EXPECT_FALSE(s.Uebersaettigt);
    EXPECT_EQ(s.f_O2_atmen, 0);
    EXPECT_EQ(s.f_N2_atmen, 0);
    EXPECT_EQ(s.f_He_atmen, 0);
}
} // namespace

class WayPoints : public Testumgebung {};

TEST_F(WayPoints, Zuruecksetzen_hinterlaesst_nur_den_Start_mit_Startgas_und_Geraet) {
    Gas_Nr_Start = 1; // EAN32
    Tauchgeraet_Start = 1;
    CCR_Setpoint_Start = 1.3f;
    WayPoint[7].Aktion = "alt";
    for (int k = 1; k <= 9; ++k) Sample_schreiben(k * 0.1f, 33);
    Unit_Formeln::p_He_atmen_MAX = 2;
    Tauchgang_zuruecksetzen(true, true);
    EXPECT_LT(Unit_Formeln::p_He_atmen_MAX, 1e-9L); // the dive's maxima start again
    EXPECT_EQ(WayPoint_Anzahl, 0);
    EXPECT_EQ(sData_Anzahl, 0);
    const WayPoint_Type& w0 = WayPoint[0];
    EXPECT_EQ(w0.min_Runtime, 0);
    EXPECT_EQ(w0.m_Wasser, 0);
    EXPECT_EQ(w0.Gas_Nr, 1);
    EXPECT_EQ(Gas_Nr, 1);
    EXPECT_EQ(Unit_Gasgemisch_BestMix::Gasgemisch_num, 1);
    EXPECT_EQ(w0.Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(w0.CCR_Setpoint, 1.3f);
    // CCR at the surface: 0.32 x 0.95055 raised to the setpoint 1.3, capped at the loop pressure
    EXPECT_NEAR(w0.bar_pO2, P_Oberflaeche, 1e-5);
    EXPECT_EQ(sData[0].Gas_Nr, 1);
    for (int k : {1, 7, 2400, WayPointMax}) {
        EXPECT_FLOAT_EQ(WayPoint[k].SCR_Flow, 15.6f);
        EXPECT_EQ(WayPoint[k].pSCR_DumpRatio, 10);
        EXPECT_EQ(WayPoint[k].Aktion, "");
        EXPECT_FLOAT_EQ(WayPoint[k].cave_horizontal_distance_m, -1.0f);
    }
    EXPECT_EQ(sData[9].m_Wasser, 0);
}

// Regression: with a CCR as start apparatus the dive reset showed the setpoint pO2 first, which
// replaced the gas fractions by loop values, and then filled every loop with pure oxygen.
TEST_F(WayPoints, Start_mit_CCR_fuellt_die_Kreislaeufe_mit_Diluent) {
    namespace K = Unit_CCR_SCR;
    Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
    K::Kreislaeufe_initialisieren(true);
    Tauchgeraet_Start = 1;
    Tauchgang_zuruecksetzen(true, true);
    EXPECT_NEAR(K::CCR.barL_O2 / K::CCR.barL_Summe, 0.20948, 1e-6);
    EXPECT_NEAR(K::SCR.barL_N2 / K::SCR.barL_Summe, 0.7902, 1e-6);
    EXPECT_NEAR(K::pSCR.barL_O2 / K::pSCR.barL_Summe, 0.20948, 1e-6);
}

// The reset walks only as far as samples were written since the last one, even when the count
// was lowered in between (as the surface steps of a new dive do); the rest is still zero bytes.
TEST_F(WayPoints, Zuruecksetzen_leert_jeden_geschriebenen_Sample_wie_zuvor) {
    p_N2_Gewebe.fill(2.5L);
    p_He_Gewebe.fill(0.5L);
    p_N2He_Gewebe_MAX_ZH.fill(10.0f);
    bar_pO2 = 1.7f;
    Warnungen_pruefen();
    Tauchgeraet = 3;
    for (int k = 1; k <= 400; ++k) Sample_schreiben(k * 0.1f, 40);
    ASSERT_EQ(sData[400].Warnung, "pO2 > 1.60 bar. ");
    ASSERT_TRUE(sData[400].Uebersaettigt);
    sData_Anzahl = 0;
    Sample_schreiben(0.1f, 0);
    Tauchgang_zuruecksetzen(true, true);
    for (int k = 1; k <= 401; ++k) Sample_ist_leer(sData[k], k);
    Sample_ist_leer(sData[sDataMax], sDataMax);
}

TEST_F(WayPoints, Luft_im_offenen_System_an_der_Oberflaeche) {
    EXPECT_NEAR(WayPoint[0].bar_pO2, P_Oberflaeche * 0.20948, 1e-6);
    EXPECT_NEAR(f_N2_atmen, 0.7902, 1e-6);
    EXPECT_DOUBLE_EQ(static_cast<double>(bar_Umgebung), static_cast<double>(Unit_Formeln::bar_Luft));
}

TEST_F(WayPoints, Anhaengen_uebernimmt_den_Zustand_und_bringt_Eintrag_0_nach) {
    Tauchgeraet = 1;
    CCR_Setpoint = 1.3f;
    min_Runtime = 2;
    m_Wasser = 40;
    CNS_Prozent = 3.5L;
    WayPoint_anhaengen("");
    ASSERT_EQ(WayPoint_Anzahl, 1);
    const WayPoint_Type& w = WayPoint[1];
    EXPECT_EQ(w.min_Runtime, 2);
    EXPECT_EQ(w.m_Wasser, 40);
    EXPECT_EQ(w.Tauchgeraet, 1);
    EXPECT_EQ(w.Aktion, "");
    EXPECT_FLOAT_EQ(w.CNS_Prozent, 3.5f);
    EXPECT_NEAR(static_cast<double>(bar_Umgebung), 5.01325, 1e-6);
    // air diluent at 40 m gives 4.95055 x 0.20948 = 1.037 bar: raised to the setpoint
    EXPECT_NEAR(w.bar_pO2, 1.3, 1e-6);
    // the first waypoint brings entry 0 to the apparatus chosen before it, pO2 at the surface
    EXPECT_EQ(WayPoint[0].Tauchgeraet, 1);
    EXPECT_NEAR(WayPoint[0].bar_pO2, P_Oberflaeche, 1e-5);
    // the breathed fractions stay those of the present depth: 1.3 / 4.95055 oxygen
    EXPECT_NEAR(f_O2_atmen, 1.3 / 4.95055, 1e-5);

    Tauchgeraet = 0;
    m_Wasser = 10;
    WayPoint_anhaengen("Deko");
    EXPECT_EQ(WayPoint[2].Aktion, "Deko");
    EXPECT_EQ(WayPoint[0].Tauchgeraet, 1); // only the first waypoint updates entry 0
}

TEST_F(WayPoints, volle_WayPoint_Tabelle_bricht_den_Befehl_ab_und_behaelt_alles) {
    for (int k = 1; k <= WayPointMax; ++k) {
        m_Wasser = static_cast<float>(k % 50);
        WayPoint_anhaengen("P");
    }
    EXPECT_EQ(WayPoint_Anzahl, WayPointMax); // the 4800th is accepted
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    Unit_Tools::Sprache = 1;
    EXPECT_THROW(WayPoint_anhaengen("zuviel"), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(WayPoint_Anzahl, WayPointMax);
    EXPECT_EQ(WayPoint[WayPointMax].Aktion, "P");
    EXPECT_EQ(WayPoint[WayPointMax].m_Wasser, static_cast<float>(WayPointMax % 50));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Too much data:  WayPointMax = 4800 exceeded.");
    Unit_Tools::Sprache = 0;
    EXPECT_THROW(WayPoint_anhaengen(""), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Zu viele Daten: WayPointMax = 4800 überschritten.");
}

TEST_F(WayPoints, volle_Sample_Tabelle_bricht_den_Befehl_ab_und_behaelt_alles) {
    Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = false;
    for (int k = 1; k <= sDataMax; ++k) Sample_schreiben(k * 0.1f, 10);
    EXPECT_EQ(sData_Anzahl, sDataMax);
    EXPECT_THROW(sData_weiter(), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(sData_Anzahl, sDataMax);
    EXPECT_FLOAT_EQ(sData[sDataMax].min_Runtime, sDataMax * 0.1f);
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Meldungen[0].Text, "Zu viele Daten: sDataMax = 14400 überschritten.");
    Unit_Tools::Sprache = 1;
    EXPECT_THROW(sData_weiter(), Unit_UI::Befehl_abgebrochen);
    EXPECT_EQ(Oberflaeche.Meldungen[1].Text, "Too much data: sDataMax = 14400 exceeded.");
}

TEST_F(WayPoints, Sample_speichern_nimmt_je_Kompartiment_die_Gewebewerte) {
    p_N2_Gewebe[3] = 2.5L;
    p_He_Gewebe[16] = 0.75L;
    sData_weiter();
    sData_speichern(3);
    EXPECT_EQ(sData[1].p_N2_Gewebe[3], 2.5L);
    EXPECT_EQ(sData[1].p_He_Gewebe[16], 0.0L); // compartment 16 not yet stored
    sData_speichern(16);
    EXPECT_EQ(sData[1].p_He_Gewebe[16], 0.75L);
    EXPECT_THROW(sData_speichern(17), Unit_UI::Befehl_abgebrochen);
    EXPECT_THROW(sData_speichern(0), Unit_UI::Befehl_abgebrochen);
}

TEST_F(WayPoints, Uebersaettigung_und_Beginn_der_Dekozone) {
    for (int i = 1; i <= Gewebe_Anzahl; ++i) p_N2_Gewebe[i] = 0.75L;
    bar_Umgebung = 1.01325L;
    Sample_schreiben(0.1f, 0);
    EXPECT_FALSE(sData[1].Uebersaettigt);
    p_N2_Gewebe[9] = 3.0L; // one compartment above the ambient pressure of 2.5 bar
    bar_Umgebung = 2.5L;
    Sample_schreiben(20.0f, 14.87f);
    EXPECT_TRUE(sData[2].Uebersaettigt);
    EXPECT_TRUE(Uebersaettigt);
    EXPECT_FLOAT_EQ(m_Dekozone, 14.87f);
    EXPECT_FLOAT_EQ(min_Dekozone, 20.0f);
    Sample_schreiben(25.0f, 12.0f);
    EXPECT_FLOAT_EQ(m_Dekozone, 14.87f); // only the first point is kept
    p_N2_Gewebe[9] = 0.75L;
    Sample_schreiben(30.0f, 12.0f);
    EXPECT_FALSE(sData[4].Uebersaettigt);
}

TEST_F(WayPoints, Live_Kurve_waechst_je_Sample_und_laesst_Nachrichten_laufen) {
    Unit_Graph_Utilities::Live_Kurve_loeschen();
    Sample_schreiben(0.1f, 1);
    Sample_schreiben(0.2f, 2);
    ASSERT_EQ(Unit_Graph_Utilities::Live_Kurve.size(), 2u);
    EXPECT_FLOAT_EQ(Unit_Graph_Utilities::Live_Kurve[1].m_Wasser, 2);
    EXPECT_EQ(Oberflaeche.Nachrichten_Aufrufe, 2);
    Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = false;
    Sample_schreiben(0.3f, 3);
    EXPECT_EQ(Unit_Graph_Utilities::Live_Kurve.size(), 2u);
    EXPECT_EQ(Oberflaeche.Nachrichten_Aufrufe, 2);
}

class Sample_holen : public WayPoints {
  protected:
    void SetUp() override {
        WayPoints::SetUp();
        for (int k = 1; k <= 200; ++k) {
            p_N2_Gewebe[1] = 1 + k * 0.01L;
            Sample_schreiben(k * 0.1f, k * 0.2f);
        }
    }
};

TEST_F(Sample_holen, findet_innerhalb_eines_halben_Schritts) {
    sData_holen(12.04f);
    EXPECT_FLOAT_EQ(static_cast<float>(min_Runtime), 12.0f);
    EXPECT_FLOAT_EQ(m_Wasser, 24.0f);
    EXPECT_EQ(p_N2_Gewebe[1], 1 + 120 * 0.01L);
    EXPECT_NEAR(static_cast<double>(bar_Umgebung), 24.0 / 10 + 1.01325, 1e-6);
    sData_holen(12.06f);
    EXPECT_FLOAT_EQ(static_cast<float>(min_Runtime), 12.1f);
}

TEST_F(Sample_holen, an_den_Enden_der_Tabelle) {
    sData_holen(0);
    EXPECT_EQ(m_Wasser, 0);
    EXPECT_EQ(min_Runtime, 0);
    sData_holen(20.0f);
    EXPECT_FLOAT_EQ(m_Wasser, 40.0f);
    WayPoint_anhaengen("");
    WayPoint[1].min_Runtime = 15.0f;
    WayPoint_letzter_holen();
    EXPECT_FLOAT_EQ(Unit_Graph_Utilities::Cursor_min_Runtime, 15.0f);
    EXPECT_FLOAT_EQ(m_Wasser, 30.0f);
}

TEST_F(Sample_holen, ohne_Treffer_ist_der_Zustand_ungueltig) {
    sData_holen(20.06f); // past the last sample by more than half a step
    EXPECT_FLOAT_EQ(m_Wasser, -99.9f);
    EXPECT_FLOAT_EQ(Unit_Gewebe_barL::barL_N2He, -99.9f);
    for (int i = 1; i <= Gewebe_Anzahl; ++i) {
        EXPECT_FLOAT_EQ(static_cast<float>(p_N2_Gewebe[i]), -99.9f);
        EXPECT_FLOAT_EQ(static_cast<float>(p_N2He_Gewebe_MAX_ZH[i]), -99.9f);
    }
    EXPECT_FALSE(Uebersaettigt);
    sData_holen(-0.06f);
    EXPECT_FLOAT_EQ(m_Wasser, -99.9f);
}

TEST_F(WayPoints, Warnungen_gelten_je_Schritt_wenn_nicht_reduziert) {
    bar_pO2 = 1.7f;
    Warnungen_pruefen();
    Sample_schreiben(0.1f, 70);
    Warnungen_pruefen();
    Sample_schreiben(0.2f, 70);
    bar_pO2 = 1.4f;
    Warnungen_pruefen();
    Sample_schreiben(0.3f, 55);
    EXPECT_EQ(sData[1].Warnung, "pO2 > 1.60 bar. ");
    EXPECT_EQ(sData[2].Warnung, "pO2 > 1.60 bar. ");
    EXPECT_EQ(sData[3].Warnung, "");
}

TEST_F(WayPoints, reduzierte_Warnungen_kommen_einmal_und_bleiben) {
    Warnungen_reduzieren = true;
    Tauchgang_zuruecksetzen(true, true);
    bar_pO2 = 1.7f;
    Warnungen_pruefen();
    Sample_schreiben(0.1f, 70);
    Warnungen_pruefen();
    Sample_schreiben(0.2f, 70);
    bar_pO2 = 1.4f;
    Warnungen_pruefen();
    Sample_schreiben(0.3f, 55);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(sData[k].Warnung, "pO2 > 1.60 bar. ") << k;
    Tauchgang_zuruecksetzen(true, true); // the reset clears text and flags
    bar_pO2 = 1.7f;
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, "pO2 > 1.60 bar. ");
}

TEST_F(WayPoints, alle_Warnungen_in_ihrer_Reihenfolge) {
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    bar_pO2 = 0.1f;
    CNS_Prozent = 100.5L;
    OTU = 851;
    m_END = 50.5f;
    Unit_Sauerstofftoxizitaet::pO2_ausserhalb = true;
    Unit_Grenzwerte::Gegendiffusion = true;
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, "pO2 < 0,16 bar. CNS > 100,0 %. CNS% und OTU außerhalb der NOAA Tabelle. OTU > 850. "
                        "END > 50 m. Gegendiffusion. ");
    Unit_Tools::Sprache = 1;
    bar_pO2 = 0.16f; // the limits themselves are no warning
    CNS_Prozent = 100;
    OTU = 850;
    m_END = 50;
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, "CNS% and OTU outside the NOAA table. counter diffusion. ");
}

struct Warnschwellenfall {
    const char* Fall;
    float Dichte_Warnung, Dichte_Maximum;
    long double OTU_Vortauchgang, OTU;
    int32_t Sprache;
    const char* Warntext;
};
class Warnschwellen : public WayPoints, public ::testing::WithParamInterface<Warnschwellenfall> {};

// Oxygen at 4 bar: 4e5 Pa x 31.9988 g/mol / (8.314462618 J/(mol K) x 273.15 K) = 5.636 g/l. The
// day's dose counts only with an earlier dive.
TEST_P(Warnschwellen, Gasdichte_und_OTU_des_Tages) {
    const auto& f = GetParam();
    namespace F = Unit_Formeln;
    namespace O2 = Unit_Sauerstofftoxizitaet;
    Unit_Tools::Sprache = f.Sprache;
    F::g_pro_L_Gasdichte_Warnung = f.Dichte_Warnung;
    F::g_pro_L_Gasdichte_Maximum = f.Dichte_Maximum;
    O2::Vortauchgaenge_vergessen();
    if (f.OTU_Vortauchgang > 0) O2::Oberflaechenpause_buchen(0, f.OTU_Vortauchgang, 60, 60);
    f_O2_atmen = 1;
    f_N2_atmen = f_He_atmen = 0;
    bar_Umgebung = 4;
    bar_pO2 = 1.4f;
    OTU = f.OTU;
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, f.Warntext);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Warnschwellen,
    ::testing::Values(
        Warnschwellenfall{"Dichte_unter_der_Warnung", 5.7f, 6.2f, 0, 0, 0, ""},
        Warnschwellenfall{"Dichte_ueber_der_Warnung", 5.6f, 6.2f, 0, 0, 0, "Gasdichte > 5.6 g/l. "},
        Warnschwellenfall{"Dichte_ueber_dem_Maximum_nur_die_starke", 5.2f, 5.6f, 0, 0, 0,
                          "GASDICHTE > 5.6 g/l. "},
        Warnschwellenfall{"Maximum_englisch", 5.2f, 5.6f, 0, 0, 1, "GAS DENSITY > 5.6 g/l. "},
        Warnschwellenfall{"Tag_genau_850", 20, 20, 600, 250, 0, ""},
        Warnschwellenfall{"Tag_englisch", 20, 20, 600, 251, 1, "OTU of the day > 850. "},
        Warnschwellenfall{"ohne_Vortauchgang_nur_die_eigene", 20, 20, 0, 851, 0, "OTU > 850. "}),
    [](const auto& i) { return std::string(i.param.Fall); });

TEST_F(WayPoints, Dekounfall_kommt_nach_vorn) {
    bar_pO2 = 1.7f;
    p_N2_Gewebe[4] = 3.0L;
    p_N2He_Gewebe_MAX_ZH[4] = 2.9L;
    for (int i = 1; i <= Gewebe_Anzahl; ++i)
        if (i != 4) p_N2He_Gewebe_MAX_ZH[i] = 10;
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, "DEKOUNFALL. pO2 > 1.60 bar. ");
    p_N2He_Gewebe_MAX_ZH[4] = 3.0L; // exactly at the tolerated pressure: no accident
    Warnungen_pruefen();
    EXPECT_EQ(Warntext, "pO2 > 1.60 bar. ");
}

TEST_F(WayPoints, Sicherheitsreserve_und_Analyse_auf_Wegpunkt_0) {
    namespace S = Unit_Saettigungsmodelle;
    WayPoint_Warnung_setzen(0);
    EXPECT_EQ(WayPoint[0].Warnung, ""); // depth addition on by default
    S::Buehlmann_Tiefenzuschlag = false;
    WayPoint_Warnung_setzen(0);
    EXPECT_EQ(WayPoint[0].Warnung, "Keine Sicherheitsreserve !");
    S::Buehlmann_Sicherheitsstop_min = 1; // a 1-min safety stop is protection enough
    WayPoint_Warnung_setzen(0);
    EXPECT_EQ(WayPoint[0].Warnung, "");
    S::Buehlmann_Sicherheitsstop_min = 0;
    Unit_Tools::Sprache = 1;
    WayPoint_Warnung_setzen(0);
    EXPECT_EQ(WayPoint[0].Warnung, "No safety margin !");
    Unit_WayPoints::Tauchgang_ist_Analyse = true;
    WayPoint_Warnung_setzen(0);
    EXPECT_EQ(WayPoint[0].Warnung, "Dive analysis");
    WayPoint_Warnung_setzen(WayPointMax + 1); // out of the table: ignored
}

TEST_F(WayPoints, Warnungen_loeschen_leert_alles) {
    bar_pO2 = 1.7f;
    WayPoint_anhaengen("A");
    Sample_schreiben(0.1f, 60);
    sData[sDataMax].Warnung = "x";
    Warnungen_loeschen();
    EXPECT_EQ(Warntext, "");
    EXPECT_EQ(WayPoint[1].Warnung, "");
    EXPECT_EQ(sData[1].Warnung, "");
    EXPECT_EQ(sData[sDataMax].Warnung, "");
}

TEST_F(WayPoints, Startzustand_hin_und_zurueck) {
    p_N2_Gewebe[2] = 1.5L;
    p_He_Gewebe[15] = 0.3L;
    p_N2He_Gewebe_MAX_GF[8] = 2.2f;
    CNS_Prozent = 12;
    OTU = 40;
    Startzustand_sichern();
    p_N2_Gewebe.fill(9);
    p_He_Gewebe.fill(9);
    p_N2He_Gewebe_MAX_GF.fill(9);
    CNS_Prozent = OTU = 99;
    Startzustand_holen();
    EXPECT_EQ(p_N2_Gewebe[2], 1.5L);
    EXPECT_EQ(p_He_Gewebe[15], 0.3L);
    EXPECT_EQ(p_N2He_Gewebe_MAX_GF[8], 2.2f);
    EXPECT_EQ(p_N2_Gewebe[3], 0.0L);
    EXPECT_EQ(CNS_Prozent, 12);
    EXPECT_EQ(OTU, 40);
}

TEST_F(WayPoints, Folgetauchgang_beginnt_mit_dem_Gewebe_nach_der_Pause_und_neuen_Sauerstoffuhren) {
    for (int i = 1; i <= Gewebe_Anzahl; ++i) {
        p_N2_Gewebe[i] = 0.8L + i * 0.05L;
        p_He_Gewebe[i] = i * 0.01L;
    }
    CNS_Prozent = 35;
    OTU = 120;
    Tauchgang_zuruecksetzen(false, false);
    EXPECT_EQ(CNS_Prozent, 35); // without the O2 flag the clocks stay
    Tauchgang_zuruecksetzen(true, true);
    EXPECT_EQ(CNS_Prozent, 0);
    EXPECT_EQ(OTU, 0);
    for (int i = 1; i <= Gewebe_Anzahl; ++i) {
        EXPECT_EQ(sData[0].p_N2_Gewebe[i], 0.8L + i * 0.05L);
        EXPECT_EQ(sData[0].p_He_Gewebe[i], i * 0.01L);
    }
    // the dissolved-gas reference is the amount held now, not zero
    EXPECT_GT(Unit_Gewebe_barL::barL_N2He_Start, 0.0f);
    EXPECT_FLOAT_EQ(Unit_Gewebe_barL::barL_N2He_Start, Unit_Gewebe_barL::barL_N2 + Unit_Gewebe_barL::barL_He);
}

TEST_F(WayPoints, Import_unter_Wasser_bekommt_einen_Startpunkt_an_der_Oberflaeche) {
    WayPoint[0].m_Wasser = 3;
    WayPoint[0].min_Runtime = 0;
    WayPoint[0].Aktion = "erster";
    WayPoint[0].cave_horizontal_distance_m = 12;
    WayPoint[1].m_Wasser = 10;
    WayPoint[1].min_Runtime = 5;
    WayPoint_Anzahl = 1;
    WayPoints_normalisieren();
    ASSERT_EQ(WayPoint_Anzahl, 2);
    EXPECT_EQ(WayPoint[0].m_Wasser, 0);
    EXPECT_EQ(WayPoint[0].min_Runtime, 0);
    EXPECT_EQ(WayPoint[0].cave_horizontal_distance_m, -1.0f);
    EXPECT_EQ(WayPoint[0].Aktion, "erster"); // other fields stay as they were
    EXPECT_EQ(WayPoint[1].m_Wasser, 3);
    EXPECT_FLOAT_EQ(WayPoint[1].min_Runtime, 0.1f); // no descent in no time: one step later
    EXPECT_FLOAT_EQ(WayPoint[2].min_Runtime, 5.1f);
    EXPECT_EQ(WayPoint[1].cave_horizontal_distance_m, 12);
}

TEST_F(WayPoints, Normalisieren_verschiebt_nur_was_noetig_ist) {
    WayPoint[0].m_Wasser = 3;
    WayPoint[0].min_Runtime = 2;
    WayPoint_Anzahl = 0;
    WayPoints_normalisieren();
    ASSERT_EQ(WayPoint_Anzahl, 1);
    EXPECT_FLOAT_EQ(WayPoint[1].min_Runtime, 2); // two minutes of descent are there already
    WayPoints_normalisieren();                   // now it starts at the surface: unchanged
    EXPECT_EQ(WayPoint_Anzahl, 1);
}

TEST(Tabellentext, haelt_jeden_Text_ganz_und_gleiche_Texte_teilen_einen_Eintrag) {
    WayPoint_Type w;
    EXPECT_TRUE(w.Aktion.empty());
    const std::string lang = "DEKOUNFALL. " + std::string(5000, 'x') + "ä€";
    w.Aktion = lang;
    w.Warnung = "pO2 > 1.60 bar. ";
    EXPECT_EQ(w.Aktion, lang); // no length limit
    EXPECT_EQ(w.Aktion.size(), lang.size());
    EXPECT_EQ(w.Aktion.rfind("DEKOUNFALL", 0), 0u);
    EXPECT_EQ(w.Warnung.find("1.60"), 6u);
    EXPECT_EQ(w.Warnung.find("x"), std::string::npos);

    // a text made anew is the same entry; a reference to a text outlives many new ones
    const std::string& gemerkt = w.Warnung;
    WayPoint_Type v = w;
    v.Warnung = std::string("pO2 > 1.60") + " bar. ";
    EXPECT_TRUE(v.Warnung == w.Warnung);
    EXPECT_FALSE(v.Warnung == v.Aktion);
    for (int k = 0; k < 20000; ++k) v.Aktion = "Text " + std::to_string(k);
    EXPECT_EQ(gemerkt, "pO2 > 1.60 bar. ");
    EXPECT_EQ(v.Aktion, "Text 19999");
    EXPECT_EQ(w.Aktion, lang);
    v.Aktion = "";
    EXPECT_TRUE(v.Aktion.empty());
    EXPECT_TRUE(v.Aktion == WayPoint_Type{}.Aktion);
    w.Warnung.clear();
    EXPECT_EQ(w.Warnung, "");
}

TEST(WayPoint_Type, Null_Bytes_sind_der_leere_Eintrag_mit_den_Vorgaben_von_frueher) {
    Eintrag_ist_leer(std::bit_cast<WayPoint_Type>(std::array<unsigned char, sizeof(WayPoint_Type)>{}));
    Eintrag_ist_leer(WayPoint_Type{});
    const WayPoint_Type w;
    Eintrag_ist_leer(w);
    Sample_ist_leer(std::bit_cast<sData_Type>(std::array<unsigned char, sizeof(sData_Type)>{}), 0);
    Sample_ist_leer(sData_Type{}, 0);

    // the numbers with a default of their own keep every value exactly
    WayPoint_Type v;
    for (float x : {0.0f, -0.0f, 15.6f, -1.0f, 1e-45f, 3.4e38f, std::numeric_limits<float>::infinity()}) {
        v.SCR_Flow = x;
        v.cave_horizontal_distance_m = x;
        EXPECT_EQ(std::bit_cast<uint32_t>(static_cast<float>(v.SCR_Flow)), std::bit_cast<uint32_t>(x));
        EXPECT_EQ(std::bit_cast<uint32_t>(static_cast<float>(v.cave_horizontal_distance_m)),
                  std::bit_cast<uint32_t>(x));
    }
    v.SCR_Flow = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(std::isnan(v.SCR_Flow));
    for (int32_t n : {0, 10, -1, INT32_MIN, INT32_MAX}) {
        v.pSCR_DumpRatio = n;
        EXPECT_EQ(v.pSCR_DumpRatio, n);
    }
}
