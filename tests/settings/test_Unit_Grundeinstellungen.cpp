#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"

using namespace Unit_Grundeinstellungen;
namespace W = Unit_WayPoints;
namespace F = Unit_Formeln;
namespace S = Unit_Saettigungsmodelle;
namespace A = Unit_AbtauchPlanung;
namespace U = Unit_AustauchPlanung;
namespace D = Unit_Graph_Utilities;

class Grundeinstellungen : public Einstellungsumgebung {
  protected:
    static std::vector<Unit_Einstellungsdatei::Anzeigezeile> Anzeige() {
        Unit_Einstellungsdatei::Zugriff Z(Unit_Einstellungsdatei::Modus::show);
        Unit_Einstellungsdatei::Einstellungen_durchlaufen(Z);
        return Z.Anzeige;
    }
};

TEST_F(Grundeinstellungen, Namen) {
    EXPECT_EQ(Grundeinstellung_Name(0), "Sporttaucher * Vergleich mit Bühlmann-Tabelle (0-700 m)");
    EXPECT_EQ(Grundeinstellung_Name(1), "Sporttaucher");
    EXPECT_EQ(Grundeinstellung_Name(2), "Tec-Tauchgang * Bühlmann * offenes System (OC)");
    EXPECT_EQ(Grundeinstellung_Name(3), "Tec-Tauchgang * Gradienten Faktoren * offenes System (OC)");
    EXPECT_EQ(Grundeinstellung_Name(4), "Tec-Tauchgang * Gradienten Faktoren * Kreislauftauchgerät (CCR)");
    EXPECT_EQ(Grundeinstellung_Name(5), "Dolphin-Tauchgang * Bühlmann (SCR)");
    EXPECT_EQ(Grundeinstellung_Name(6), "");
    EXPECT_EQ(Grundeinstellung_Name(-1), "");
}

TEST_F(Grundeinstellungen, Sporttaucher_wie_beschrieben) {
    S::GF_Lo = S::GF_Hi = 0.9f;
    W::CCR_Setpoint = 0.7f;
    ASSERT_TRUE(Grundeinstellung_anwenden(1));
    EXPECT_FALSE(Unit_Programm::Modelle_zeigen);
    EXPECT_FALSE(D::OTU_zeigen);
    EXPECT_FALSE(D::GF_zeigen);
    EXPECT_FALSE(D::Druck_zeigen);
    EXPECT_FALSE(D::Atemkreislauf_zeigen);
    EXPECT_EQ(U::m_DekoZuletzt, 3.0f);
    EXPECT_EQ(F::bar_Luft, 1.01325f);
    EXPECT_EQ(F::m_NN, 0);
    EXPECT_TRUE(S::Buehlmann_Tiefenzuschlag);
    EXPECT_FALSE(S::GF_verwenden);
    EXPECT_EQ(S::GF_Lo, 0.2f);
    EXPECT_EQ(S::GF_Hi, 0.7f);
    EXPECT_FALSE(S::Deep_Stop_verwenden);
    EXPECT_EQ(W::Tauchgeraet, 0);
    EXPECT_EQ(W::CCR_Setpoint, 1.3f);
    EXPECT_FALSE(A::Bubble_Check);
    EXPECT_FALSE(A::Abstieg_Gaswechsel_OK);
    EXPECT_EQ(A::Abstieg_Gaswechsel.Zeile[0].m_ab, 0.0f);
    EXPECT_EQ(A::Abstieg_Gaswechsel.Zeile[0].Wert, 0.0f);
    EXPECT_EQ(A::Abstieg_Gaswechsel.Zeile[5].m_ab, 30.0f);
    EXPECT_FALSE(A::Abstieg_Setpoint_variabel);
    EXPECT_EQ(A::Abstieg_Setpoint.Zeile[0].m_ab, 0.0f);
    EXPECT_EQ(A::Abstieg_Setpoint.Zeile[0].Wert, 1.3f);
    EXPECT_FALSE(U::Aufstieg_Geschwindigkeit_variabel);
    const auto& v = U::Aufstieg_Geschwindigkeit.Zeile;
    EXPECT_EQ(v[0].m_ab, 6.0f);
    EXPECT_EQ(v[0].Wert, 3.0f);
    EXPECT_EQ(v[1].m_ab, 10.0f);
    EXPECT_EQ(v[1].Wert, 10.0f);
    EXPECT_EQ(v[2].m_ab, 350.0f);
    EXPECT_EQ(v[5].Wert, 10.0f);
    EXPECT_FALSE(A::Abstieg_Geschwindigkeit_variabel);
    EXPECT_EQ(S::Modell_N2.Bezeichnung, "ZH-L16C N2");
    EXPECT_EQ(S::Modell_He.Bezeichnung, "ZH-L16A He");
    EXPECT_FALSE(Unit_Tauchgangsberechnung::Sofortabstieg);
}

// 1.01325 bar x exp(-700 m x 1.241894e-4 / m) = 0.928886 bar, which gives back 700 m.
TEST_F(Grundeinstellungen, Vergleich_mit_Buehlmann_Tabelle_auf_700_m) {
    ASSERT_TRUE(Grundeinstellung_anwenden(0));
    EXPECT_NEAR(F::bar_Luft, 0.9288857f, 1e-6f);
    EXPECT_EQ(F::m_NN, 700);
    EXPECT_EQ(U::v_Aufstieg_konstant, 10.0f);
    EXPECT_FALSE(U::Aufstieg_Geschwindigkeit_variabel);
    EXPECT_EQ(S::Modell_N2.Bezeichnung, "ZH-L16B N2");
    EXPECT_TRUE(Unit_Tauchgangsberechnung::Sofortabstieg);
    EXPECT_FALSE(U::Stops_volle_RunTime_Minuten);
}

struct Vorgabefall {
    const char* Fall;
    int32_t Nummer;
    uint8_t Geraet;
    bool volle_RunTime_Minuten;
    bool GF;
};
class Jede_Grundeinstellung : public Grundeinstellungen, public ::testing::WithParamInterface<Vorgabefall> {};

TEST_P(Jede_Grundeinstellung, setzt_die_gemeinsamen_und_ihre_Werte) {
    const Vorgabefall f = GetParam();
    // Everything away from the common values first.
    A::v_Abstieg_konstant = 12;
    F::m_pro_bar = 9.5f;
    U::m_DekoStep = 2;
    U::Aufstiegszeit_addieren = true;
    W::Gas_Nr = 3;
    Unit_Gasverbrauch::AMV = Unit_Gasverbrauch::AMV_Deko = 30;
    F::p_H2O_setzen(false);
    Unit_Saettigungsrechnung::Algorithmus = 3;
    Unit_WayPoints::min_Runtime_Start = 5;
    Unit_WayPoints::m_Wasser_Start = 5;
    W::Gas_Nr_Start = 2;
    W::CCR_Setpoint_Start = 0.9f;
    U::Aufstieg_Gaswechsel_OK = U::AirBreak_OK = U::Bail_Out = true;

    ASSERT_TRUE(Grundeinstellung_anwenden(f.Nummer));
    EXPECT_EQ(Grundeinstellung, f.Nummer);
    EXPECT_EQ(A::v_Abstieg_konstant, 25.0f);
    EXPECT_EQ(F::m_pro_bar, 10.0f);
    EXPECT_EQ(U::m_DekoStep, 3.0f);
    EXPECT_FALSE(U::Aufstiegszeit_addieren);
    EXPECT_EQ(W::Gas_Nr, 0);
    EXPECT_EQ(Unit_Gasverbrauch::AMV, 20);
    EXPECT_EQ(Unit_Gasverbrauch::AMV_Deko, 20);
    EXPECT_EQ(F::p_H2O, 0.0627f);
    EXPECT_EQ(Unit_Saettigungsrechnung::Algorithmus, 1);
    EXPECT_EQ(Unit_WayPoints::min_Runtime_Start, 30.0f);
    EXPECT_EQ(Unit_WayPoints::m_Wasser_Start, 25.0f);
    EXPECT_EQ(W::Gas_Nr_Start, 0);
    EXPECT_EQ(W::CCR_Setpoint_Start, 1.3f);
    // Switches that need gases the diver carries stay off.
    EXPECT_FALSE(U::Aufstieg_Gaswechsel_OK);
    EXPECT_FALSE(U::AirBreak_OK);
    EXPECT_FALSE(U::Bail_Out);
    // The two full-minute rules exclude each other.
    EXPECT_EQ(U::Stops_volle_RunTime_Minuten, f.volle_RunTime_Minuten);
    EXPECT_EQ(U::Stops_volle_Minuten, !f.volle_RunTime_Minuten);
    EXPECT_EQ(W::Tauchgeraet, f.Geraet);
    EXPECT_EQ(W::Tauchgeraet_Start, f.Geraet);
    EXPECT_EQ(S::GF_verwenden, f.GF);
    EXPECT_FALSE(S::Keine_Sicherheitsreserve());
}
INSTANTIATE_TEST_SUITE_P(Faelle, Jede_Grundeinstellung,
                         ::testing::Values(Vorgabefall{"Buehlmann_Tabelle", 0, 0, false, false},
                                           Vorgabefall{"Sporttaucher", 1, 0, false, false},
                                           Vorgabefall{"Tec_Buehlmann_OC", 2, 0, true, false},
                                           Vorgabefall{"Tec_GF_OC", 3, 0, true, true},
                                           Vorgabefall{"Tec_GF_CCR", 4, 1, true, true},
                                           Vorgabefall{"Dolphin_SCR", 5, 2, true, false}),
                         Fallname());

// Each preset sets the same settings, so none leaves a trace of the one chosen before.
TEST_F(Grundeinstellungen, vollstaendige_Wertelisten) {
    for (int32_t vorher = 0; vorher < Grundeinstellung_Anzahl; ++vorher)
        for (int32_t n = 0; n < Grundeinstellung_Anzahl; ++n) {
            ASSERT_TRUE(Grundeinstellung_anwenden(n));
            const auto allein = Anzeige();
            ASSERT_TRUE(Grundeinstellung_anwenden(vorher));
            ASSERT_TRUE(Grundeinstellung_anwenden(n));
            const auto nach_anderer = Anzeige();
            ASSERT_EQ(allein.size(), nach_anderer.size());
            for (std::size_t i = 0; i < allein.size(); ++i)
                EXPECT_EQ(allein[i].Wert, nach_anderer[i].Wert)
                    << n << " after " << vorher << ": " << allein[i].Schluessel;
        }
}

TEST_F(Grundeinstellungen, unbekannte_Nummer_aendert_nichts) {
    Grundeinstellung_anwenden(3);
    F::bar_Luft = 0.97f;
    EXPECT_FALSE(Grundeinstellung_anwenden(6));
    EXPECT_FALSE(Grundeinstellung_anwenden(-1));
    EXPECT_EQ(Grundeinstellung, 3);
    EXPECT_EQ(F::bar_Luft, 0.97f);
}
