#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <vector>

using namespace Unit_AustauchPlanung;
namespace W = Unit_WayPoints;
namespace S = Unit_Saettigungsmodelle;
namespace T = Unit_Tauchgangsberechnung;

class Aufstieg : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        S::Buehlmann_Tiefenzuschlag = false;
        Unit_Saettigungsrechnung::Saettigung_Start(true);
        Unit_Saettigungsrechnung::Saettigung_Start(true);
        Oberflaeche.Zuruecksetzen();
    }

    // Enters the points and runs the Ascend command's calculation up to "STOP".
    static void Tauchgang(const std::vector<std::pair<float, float>>& Punkte) {
        for (const auto& [min, m] : Punkte) {
            const auto& letzter = W::WayPoint[static_cast<std::size_t>(Unit_WayPoints::Eingabemarke)];
            T::Segment_anhaengen(Unit_WayPoints::Eingabemarke, false, false, letzter.m_Wasser,
                                 letzter.min_Runtime, m, min);
            Unit_WayPoints::Eingabemarke = W::WayPoint_Anzahl;
        }
        T::Tauchgang_nachrechnen();
        Austauchen_planen();
        Unit_Tauchgangszustand::WayPoint_anhaengen("STOP");
        T::WayPoint_anzeigen("STOP", W::WayPoint_Anzahl, 3, true);
    }

    static const W::WayPoint_Type& Zeile(int i) { return W::WayPoint[static_cast<std::size_t>(i)]; }

    static std::vector<int> Zeilen_mit(const char* Anfang) {
        std::vector<int> z;
        for (int i = Unit_WayPoints::Eingabemarke + 1; i <= W::WayPoint_Anzahl; ++i)
            if (Zeile(i).Aktion.rfind(Anfang, 0) == 0) z.push_back(i);
        return z;
    }
};

TEST_F(Aufstieg, Stop_aus_Ceiling_auf_dem_Raster) {
    // 3 m are 1.31325 bar, 6 m 1.61325 bar
    EXPECT_EQ(m_Stop_aus_Ceiling(1.2f), 3);
    EXPECT_EQ(m_Stop_aus_Ceiling(1.35f), 6);
    EXPECT_EQ(m_Stop_aus_Ceiling(1.31325f), 3);
    EXPECT_EQ(m_Stop_aus_Ceiling(1.01325f), 0);
    EXPECT_EQ(m_Stop_aus_Ceiling(0.5f), 0);
    S::Buehlmann_Sicherheitsstop_min = 5; // until the safety stop is made, the surface means 3 m
    EXPECT_EQ(m_Stop_aus_Ceiling(0.5f), 3);
    Sicherheitsstop_erledigt = true;
    EXPECT_EQ(m_Stop_aus_Ceiling(0.5f), 0);
    EXPECT_LE(m_Stop_aus_Ceiling(INFINITY), 2003); // no endless search
}

TEST_F(Aufstieg, Stufe_unter) {
    EXPECT_EQ(m_Stufe_unter(1, 11.1f), 9);
    EXPECT_EQ(m_Stufe_unter(1, 5), 0); // 3 m is the last stop itself
    EXPECT_EQ(m_Stufe_unter(3, 16), 9);
    EXPECT_EQ(m_Stufe_unter(2, 20.5f), 15); // the deep stop 2 steps above a deco zone from 20.5 m
    EXPECT_EQ(m_Stufe_unter(1, 12), 12);
    EXPECT_EQ(m_Stufe_unter(1, 3), 0);
    m_DekoStep = 0; // a grid without distance still ends
    EXPECT_EQ(m_Stufe_unter(1, 11.1f), 9);
}

TEST_F(Aufstieg, GF_aktuell_waechst_vom_ersten_Stop_bis_zum_Anker) {
    S::GF_Lo = 0.30f;
    S::GF_Hi = 0.85f;
    S::GF_Lo_last_deco_stop = false;      // anchor at the surface
    EXPECT_FLOAT_EQ(GF_aktuell(), 0.30f); // no first stop yet
    m_ErsterStop = 12;
    W::m_Wasser = 12;
    EXPECT_FLOAT_EQ(GF_aktuell(), 0.30f);
    W::m_Wasser = 6; // 0.85 + 0.55 / (0 - 12) x 6
    EXPECT_NEAR(GF_aktuell(), 0.575f, 1e-6f);
    W::m_Wasser = 0;
    EXPECT_FLOAT_EQ(GF_aktuell(), 0.85f);
    S::GF_Lo_last_deco_stop = true; // anchor at 3 m: 0.85 at 3 m and above
    W::m_Wasser = 7.5f;             // 0.85 + 0.55 / (3 - 12) x 4.5
    EXPECT_NEAR(GF_aktuell(), 0.575f, 1e-6f);
    W::m_Wasser = 2;
    EXPECT_FLOAT_EQ(GF_aktuell(), 0.85f);
    m_ErsterStop = 3; // the first stop is the last stop
    W::m_Wasser = 3;
    EXPECT_FLOAT_EQ(GF_aktuell(), 0.85f);
    EXPECT_FLOAT_EQ(Unit_Grenzwerte::GF_aktuell(), 0.85f); // the limits use it
}

TEST_F(Aufstieg, ohne_Deko_ein_Aufstieg_ohne_Dekozeile) {
    Tauchgang({{2, 12}, {30, 12}});
    const auto Aufstiege = Zeilen_mit("Aufstieg");
    ASSERT_EQ(Aufstiege.size(), 1u);
    EXPECT_EQ(Zeile(Aufstiege[0]).Aktion, "Aufstieg 10.0 m/min");
    EXPECT_EQ(Zeile(Aufstiege[0]).m_Wasser, 0);
    // 12 m at 10 m/min: eleven steps to 1 m, one step to the surface
    EXPECT_NEAR(Zeile(Aufstiege[0]).min_Runtime, 31.2f, 1e-4f);
    EXPECT_TRUE(Zeilen_mit("Deko").empty());
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).Aktion, "STOP");
    EXPECT_EQ(m_ErsterStop, 0);
    EXPECT_NEAR(min_Aufstiegszeit, 1.2f, 1e-4f);
}

TEST_F(Aufstieg, Sicherheitsstop_nach_einem_Tauchgang_ohne_Deko) {
    S::Buehlmann_Sicherheitsstop_min = 5;
    Tauchgang({{2, 12}, {30, 12}});
    const auto Deko = Zeilen_mit("Deko");
    ASSERT_EQ(Deko.size(), 1u);
    EXPECT_EQ(Zeile(Deko[0]).m_Wasser, 3);
    EXPECT_FLOAT_EQ(min_LetzterStop, 5);
    EXPECT_NEAR(Zeile(Deko[0]).min_Runtime - Zeile(Deko[0] - 1).min_Runtime, 5.0f, 1e-3f);
    EXPECT_EQ(Zeile(Deko[0] - 1).Aktion, "Aufstieg 10.0 m/min");
    EXPECT_EQ(Zeile(Deko[0] - 1).m_Wasser, 3);
    EXPECT_EQ(Zeile(Deko[0] + 1).m_Wasser, 0);
}

TEST_F(Aufstieg, Dekotauchgang_haelt_die_Stops_bis_das_Ceiling_frei_ist) {
    Tauchgang({{3, 40}, {30, 40}});
    const auto Deko = Zeilen_mit("Deko");
    ASSERT_GE(Deko.size(), 2u);
    EXPECT_GT(m_ErsterStop, 3);
    EXPECT_EQ(Zeile(Deko.back()).m_Wasser, 3);
    float vorher = 1000;
    for (int i : Deko) {
        const float m = Zeile(i).m_Wasser;
        EXPECT_LT(m, vorher);
        EXPECT_NEAR(std::fmod(m, 3.0f), 0.0f, 1e-4f) << m; // on the 3 m grid
        // full minutes: each stop lasts a whole number of minutes
        const float Dauer = Zeile(i).min_Runtime - Zeile(i - 1).min_Runtime;
        EXPECT_NEAR(Dauer, std::round(Dauer), 1e-3f) << m;
        vorher = m;
    }
    // the diver never stays above the ceiling: no accident, and the tissues tolerate the surface
    EXPECT_EQ(Oberflaeche.Anzahl("DEKOMPRESSIONSUNFALL"), 0);
    EXPECT_LE(Unit_Grenzwerte::p_amb_MAX(), 1.01325f);
    // annotation of the first stop: depth and time
    const auto& Deko_Info = Unit_Textpuffer::Memo_DekoInfo.Zeilen;
    ASSERT_FALSE(Deko_Info.empty());
    EXPECT_EQ(Deko_Info[0], Unit_Tools::Zahl_formatieren(6, 2, m_ErsterStop) + " m " +
                                Unit_Tools::Zahl_formatieren(6, 2, min_ErsterStop) + " min");
}

TEST_F(Aufstieg, STOP_Zeile_schreibt_die_Zusammenfassung) {
    Tauchgang({{3, 40}, {30, 40}});
    const auto& Log = Unit_Textpuffer::Memo_Tauchgangsberechnung.Zeilen;
    ASSERT_GE(Log.size(), 4u);
    const float Gesamt = Zeile(W::WayPoint_Anzahl).min_Runtime;
    EXPECT_EQ(Log[Log.size() - 4], "Maximale Tiefe   =  40.0 m");
    EXPECT_EQ(Log[Log.size() - 3], "Grundzeit        =  30.0 min");
    EXPECT_EQ(Log[Log.size() - 2],
              "Aufstiegszeit    = " + Unit_Tools::Zahl_formatieren(5, 1, Gesamt - 30) + " min");
    EXPECT_EQ(Log[Log.size() - 1],
              "Gesamt-Tauchzeit = " + Unit_Tools::Zahl_formatieren(5, 1, Gesamt) + " min");
}

TEST_F(Aufstieg, alle_Stops_mit_Gradientenfaktoren) {
    S::GF_verwenden = true;
    S::GF_Lo = 0.3f;
    S::GF_Hi = 0.85f;
    S::GF_alle_Stops = true;
    Tauchgang({{3, 45}, {25, 45}});
    const auto Deko = Zeilen_mit("Deko");
    ASSERT_FALSE(Deko.empty());
    // every grid depth from the first stop up to 3 m gets its stop of at least 0.1 min
    EXPECT_EQ(static_cast<int>(Deko.size()), static_cast<int>(std::lround(m_ErsterStop / 3)));
    for (std::size_t k = 0; k < Deko.size(); ++k) {
        EXPECT_FLOAT_EQ(Zeile(Deko[k]).m_Wasser, m_ErsterStop - 3.0f * static_cast<float>(k));
        EXPECT_GE(Zeile(Deko[k]).min_Runtime - Zeile(Deko[k] - 1).min_Runtime, 0.1f - 1e-4f);
    }
}

TEST_F(Aufstieg, volle_Minuten_und_volle_Runtime_Minuten) {
    // At the last stop with a 1 min safety stop from runtime 20.2: the stop lasts 1.0 min, the
    // ascent to the surface adds 0.3 min (3 m at 10 m/min), full minutes make 2.0 (0.7 min at the
    // stop) and the runtime 21.9 is then extended to 22.0 (stop 2.1).
    S::Buehlmann_Sicherheitsstop_min = 1;
    Aufstiegszeit_addieren = true;
    Stops_volle_Minuten = true;
    Stops_volle_RunTime_Minuten = true;
    W::m_Wasser = 3;
    W::bar_Umgebung = 1.31325L;
    W::min_Runtime = 20.2L;
    float Stopzeit = 0;
    Dekostop_halten(Stopzeit);
    EXPECT_NEAR(Stopzeit, 2.1f, 1e-3f);
    EXPECT_NEAR(static_cast<double>(W::min_Runtime), 22.0, 1e-3);
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).Aktion, "Deko");
}

TEST_F(Aufstieg, volle_Minuten_allein_und_eine_schon_ganze_Minute) {
    S::Buehlmann_Sicherheitsstop_min = 1;
    Aufstiegszeit_addieren = true; // 1.0 + 0.3 -> 2.0, 0.7 min simulated
    W::m_Wasser = 3;
    W::min_Runtime = 20.2L;
    float Stopzeit = 0;
    Dekostop_halten(Stopzeit);
    EXPECT_NEAR(Stopzeit, 2.0f, 1e-3f);
    EXPECT_NEAR(static_cast<double>(W::min_Runtime), 21.9, 1e-3);
    Aufstiegszeit_addieren = false; // a stop of exactly 1.0 stays 1.0
    Sicherheitsstop_erledigt = false;
    Dekostop_halten(Stopzeit);
    EXPECT_NEAR(Stopzeit, 1.0f, 1e-3f);
    EXPECT_NEAR(static_cast<double>(W::min_Runtime), 22.9, 1e-3);
}

TEST_F(Aufstieg, letzten_Stop_verdoppeln_und_Sicherheitsstop) {
    S::Buehlmann_letzten_Stop_verdoppeln = true;
    S::Buehlmann_Sicherheitsstop_min = 5;
    W::m_Wasser = 3;
    W::min_Runtime = 40;
    float Stopzeit = 2;
    Letzten_Stop_verlaengern(Stopzeit); // 2 -> 4 -> 5, the 3 added minutes simulated
    EXPECT_FLOAT_EQ(Stopzeit, 5);
    EXPECT_NEAR(static_cast<double>(W::min_Runtime), 43, 1e-4);
    W::m_Wasser = 6; // not the last stop: unchanged
    Stopzeit = 2;
    Letzten_Stop_verlaengern(Stopzeit);
    EXPECT_FLOAT_EQ(Stopzeit, 2);
}

TEST_F(Aufstieg, Gaswechsel_unterwegs_schliesst_den_Aufstieg_nur_einmal) {
    Aufstieg_Gaswechsel_OK = true;
    Aufstieg_Gaswechsel.Zeile = {
        {{6, 6}, {21, 4}, {21, 4}, {21, 4}, {21, 4}, {21, 4}}}; // EAN50 from 21 m, O2 from 6 m
    Tauchgang({{3, 40}, {30, 40}});
    const auto Wechsel = Zeilen_mit("Gaswechsel");
    ASSERT_EQ(Wechsel.size(), 2u);
    EXPECT_EQ(Zeile(Wechsel[0]).Gas_Nr, 4);
    EXPECT_LE(Zeile(Wechsel[0]).m_Wasser, 21);
    EXPECT_EQ(Zeile(Wechsel[1]).Gas_Nr, 6);
    EXPECT_LE(Zeile(Wechsel[1]).m_Wasser, 6);
    for (int i : Wechsel) {
        EXPECT_EQ(Zeile(i - 1).Aktion.rfind("Aufstieg", 0), 0u) << i;      // the leg is closed
        EXPECT_EQ(Zeile(i - 1).Gas_Nr, Zeile(i).Gas_Nr == 4 ? 0 : 4) << i; // with the old gas
        if (Zeile(i - 2).Aktion.rfind("Aufstieg", 0) == 0) { // never two ascent rows at one depth
            EXPECT_NE(Zeile(i - 2).m_Wasser, Zeile(i - 1).m_Wasser) << i;
        }
    }
    // after the switch the diver breathes the new gas: oxygen at 6 m is 1.54 bar
    EXPECT_NEAR(Zeile(Zeilen_mit("Deko").back()).bar_pO2, (0.3 + 1.01325 - 0.0627), 0.01);
}

TEST_F(Aufstieg, Gas_Breaks_nur_auf_dem_letzten_Stop) {
    Aufstieg_Gaswechsel_OK = true;
    Aufstieg_Gaswechsel.Zeile = {{{6, 6}, {6, 6}, {6, 6}, {6, 6}, {6, 6}, {6, 6}}}; // O2 from 6 m
    AirBreak_uebernehmen(true, 0, 4, 1);
    Tauchgang({{3, 48}, {35, 48}});
    const auto Wechsel = Zeilen_mit("Gaswechsel");
    ASSERT_GE(Wechsel.size(), 3u); // the O2 switch and at least one break there and back
    int Pausen = 0;
    for (std::size_t k = 1; k < Wechsel.size(); ++k) {
        EXPECT_FLOAT_EQ(Zeile(Wechsel[k]).m_Wasser, 3) << k;
        if (Zeile(Wechsel[k]).Gas_Nr == 0) ++Pausen;
    }
    EXPECT_GE(Pausen, 1);
    // a break counts as stop time: 4 min of O2, 1 min of air, ...
    EXPECT_GE(min_LetzterStop, 5.0f);
}

TEST_F(Aufstieg, Geschwindigkeitsband_beim_Aufstieg) {
    Aufstieg_Geschwindigkeit_variabel = true;
    Aufstieg_Geschwindigkeit.Zeile = {{{6, 3}, {350, 10}, {350, 10}, {350, 10}, {350, 10}, {350, 10}}};
    Tauchgang({{2, 12}, {20, 12}});
    const auto Wechsel = Zeilen_mit("Aufstieg Wechsel");
    ASSERT_EQ(Wechsel.size(), 1u);
    EXPECT_EQ(Zeile(Wechsel[0]).Aktion, "Aufstieg Wechsel  3.0 m/min");
    EXPECT_FLOAT_EQ(Zeile(Wechsel[0]).m_Wasser, 6);
    // 12 to 6 m at 1 m per step, 6 to 0 m at 0.3 m per step
    EXPECT_NEAR(min_Aufstiegszeit, 0.6f + 2.0f, 0.11f);
}

TEST_F(Aufstieg, Geschwindigkeit_null_wird_abgelehnt) {
    const auto vorher = Aufstieg_Geschwindigkeit;
    EXPECT_FALSE(Aufstiegsgeschwindigkeit_OK(10, {{{6, 0}, {10, 10}, {60, 10}}}));
    ASSERT_EQ(Oberflaeche.Meldungen.size(), 1u);
    EXPECT_EQ(Aufstieg_Geschwindigkeit.Zeile[0].Wert, vorher.Zeile[0].Wert);
    EXPECT_TRUE(Aufstiegsgeschwindigkeit_OK(9, {{{6, 3}, {10, 10}, {60, 10}}}));
    EXPECT_EQ(v_Aufstieg_konstant, 9);
    EXPECT_EQ(Aufstieg_Geschwindigkeit.Zeile[5].m_ab, 60); // rows 4 to 6 copy row 3
    // a zero row that came from a file counts as the constant velocity
    Aufstieg_Geschwindigkeit_variabel = true;
    Aufstieg_Geschwindigkeit.Zeile[0].Wert = 0;
    EXPECT_EQ(v_Aufstieg_bei(3), 9);
}

TEST_F(Aufstieg, Bail_Out_zu_Beginn) {
    W::Tauchgeraet = 1;
    W::WayPoint[0].Tauchgeraet = 1;
    Bail_Out = true;
    Tauchgang({{2, 30}, {20, 30}});
    ASSERT_EQ(Zeile(Unit_WayPoints::Eingabemarke + 1).Aktion, "Bail Out");
    EXPECT_EQ(Zeile(Unit_WayPoints::Eingabemarke + 1).Tauchgeraet, 0);
    EXPECT_EQ(Zeile(W::WayPoint_Anzahl).Tauchgeraet, 0);
    EXPECT_FALSE(Freigaben_berechnen().Setpoint_Tabelle);
}

TEST_F(Aufstieg, Fenster_Eingaben) {
    Dekotiefen_OK(6, 0); // whole metres within the fields' bounds
    EXPECT_EQ(m_DekoZuletzt, 6);
    EXPECT_EQ(m_DekoStep, 1);
    Gaswechsel_OK({{{21, 4}, {6, 6}, {6, 6}, {6, 6}, {6, 6}, {6, 6}}}); // 21 then 6: out of order
    EXPECT_EQ(Oberflaeche.Anzahl("Falsche Reihenfolge"), 1);
    EXPECT_EQ(Aufstieg_Gaswechsel.Zeile[0].m_ab, 21); // kept as entered
    pO2_OK("1,4", {{{6, 1.6f}, {20, 1.3f}, {60, 1.2f}}});
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 1.4f);
    EXPECT_FLOAT_EQ(Aufstieg_Setpoint.Zeile[4].Wert, 1.2f);
    S::GF_Lo = 0.3f;
    S::GF_Hi = 0.85f;
    EXPECT_EQ(Baker_Beschriftung(), "Gradient Factors nach Baker :  30 /  85");
}

TEST_F(Aufstieg, Deep_Stop_zwei_Stufen_ueber_dem_Beginn_der_Dekozone) {
    S::Deep_Stop_verwenden = true;
    S::Deep_Stop_min = 1;
    S::Deep_Stop_Stufen_oberhalb_Dekozone = 2;
    Tauchgang({{3, 40}, {30, 40}});
    const auto Deep = Zeilen_mit("Deep Stop");
    ASSERT_EQ(Deep.size(), 1u); // at most once per ascent
    EXPECT_GT(W::m_Dekozone, 0.0f);
    EXPECT_FLOAT_EQ(Zeile(Deep[0]).m_Wasser, m_Stufe_unter(2, W::m_Dekozone));
    EXPECT_NEAR(Zeile(Deep[0]).min_Runtime - Zeile(Deep[0] - 1).min_Runtime, 1.0f, 1e-3f);
    EXPECT_TRUE(DeepStop_erledigt);
    // the deep stop lies deeper than every decompression stop
    for (int i : Zeilen_mit("Deko")) EXPECT_LT(Zeile(i).m_Wasser, Zeile(Deep[0]).m_Wasser);
}

TEST_F(Aufstieg, pSCR_spuelt_zu_Beginn_des_Aufstiegs) {
    W::Tauchgeraet = 3;
    W::WayPoint[0].Tauchgeraet = 3;
    Tauchgang({{2, 20}, {20, 20}});
    EXPECT_EQ(Zeile(Unit_WayPoints::Eingabemarke + 1).Aktion, "pSCR spülen");
    EXPECT_FLOAT_EQ(Zeile(Unit_WayPoints::Eingabemarke + 1).m_Wasser, 20);
}

TEST_F(Aufstieg, Setpointfelder_die_keine_Zahl_sind_behalten_ihren_Setpoint) {
    W::Tauchgeraet = 1;
    ASSERT_TRUE(pO2_OK("1,2", {6, 20, 40}, {"1.6", "1,4", "1.3"}));
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 1.2f);
    EXPECT_FLOAT_EQ(Aufstieg_Setpoint.Zeile[1].Wert, 1.4f);
    EXPECT_TRUE(pO2_OK("abc", {6, 20, 40}, {"1.5", "x", "1.3"}));
    EXPECT_EQ(Oberflaeche.Anzahl("ist keine Zahl"), 2);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 1.2f);                 // kept
    EXPECT_FLOAT_EQ(Aufstieg_Setpoint.Zeile[1].Wert, 1.4f); // kept
    EXPECT_FLOAT_EQ(Aufstieg_Setpoint.Zeile[0].Wert, 1.5f);
    EXPECT_EQ(Anzeige().yp[1], "1.40");
    // 40 m before 20 m: the order message, the rows as entered
    EXPECT_FALSE(pO2_OK("1.2", {6, 40, 20}, {"1.6", "1.4", "1.3"}));
    EXPECT_EQ(Oberflaeche.Anzahl("Falsche Reihenfolge"), 1);
    EXPECT_FLOAT_EQ(Aufstieg_Setpoint.Zeile[2].m_ab, 20);
}

TEST_F(Aufstieg, Gaszeile_ohne_Gas_der_Liste_behaelt_ihr_Gas) {
    Gaswechsel_OK({{{6, 6}, {21, 4}, {30, 2}, {30, 2}, {30, 2}, {30, 2}}});
    Gaswechsel_OK({{{6, -1}, {21, 3}, {30, 2}, {30, 2}, {30, 2}, {30, 99}}});
    EXPECT_EQ(Oberflaeche.Anzahl("kein Gas der Gasliste"), 2);
    EXPECT_EQ(Aufstieg_Gaswechsel.Zeile[0].Wert, 6);
    EXPECT_EQ(Aufstieg_Gaswechsel.Zeile[1].Wert, 3);
    EXPECT_EQ(Aufstieg_Gaswechsel.Zeile[5].Wert, 2);
    AirBreak_uebernehmen(true, 6, 20, 5);
    AirBreak_uebernehmen(true, -1, 25, 4);
    EXPECT_EQ(Oberflaeche.Anzahl("Gas Break: kein Gas der Gasliste"), 1);
    EXPECT_EQ(AirBreak_GasNum, 6);
    EXPECT_EQ(AirBreak_minAbstand, 25);
    Aufstieg_Gaswechsel.Zeile[2].Wert = 40; // from a file with a longer gas list
    const Anzeige_Type a = Anzeige();
    EXPECT_EQ(a.Gaswechsel_Gas[1], 3);
    EXPECT_EQ(a.Gaswechsel_Gas[2], -1);
    EXPECT_EQ(a.Gaswechsel_m[1], 21);
}

TEST_F(Aufstieg, Freigaben_der_Gruppen) {
    W::Tauchgeraet = 0;
    Aufstieg_Setpoint_variabel = true;
    Freigaben f = Freigaben_berechnen();
    EXPECT_FALSE(f.Bail_Out || f.Setpoint_Tabelle || f.pO2_Zeilen || f.pO2_konstant);
    EXPECT_TRUE(f.vConst && !f.v_Tabelle && !f.Gaswechsel_Zeilen && !f.AirBreak_Felder);
    W::Tauchgeraet = 1;
    f = Freigaben_berechnen();
    EXPECT_TRUE(f.Bail_Out && f.Setpoint_Tabelle && f.pO2_Zeilen && !f.pO2_konstant);
    Bail_Out = true;
    f = Freigaben_berechnen();
    EXPECT_TRUE(f.Bail_Out && !f.Setpoint_Tabelle && !f.pO2_Zeilen);
    S::GF_verwenden = false;
    EXPECT_FALSE(Freigaben_berechnen().GF_Felder);
    Aufstieg_Geschwindigkeit_variabel = Aufstieg_Gaswechsel_OK = AirBreak_OK = S::GF_verwenden = true;
    f = Freigaben_berechnen();
    EXPECT_TRUE(!f.vConst && f.v_Tabelle && f.Gaswechsel_Zeilen && f.AirBreak_Felder && f.GF_Felder);
}

TEST_F(Aufstieg, Unterseite_der_Sicherheitseinstellungen_die_letzte_die_zutrifft) {
    S::Buehlmann_Tiefenzuschlag = S::GF_verwenden = S::Deep_Stop_verwenden = false;
    EXPECT_EQ(Sicherheit_Unterseite(), 1);
    S::Buehlmann_Tiefenzuschlag = true;
    EXPECT_EQ(Sicherheit_Unterseite(), 0);
    S::GF_verwenden = true;
    EXPECT_EQ(Sicherheit_Unterseite(), 1);
    S::Deep_Stop_verwenden = true;
    EXPECT_EQ(Sicherheit_Unterseite(), 2);
    S::GF_verwenden = false;
    EXPECT_EQ(Sicherheit_Unterseite(), 2);
}
