#include "settings/Unit_Einstellungen.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Einstellungsumgebung.hpp"

using namespace Unit_Einstellungen;
namespace F = Unit_Formeln;
namespace U = Unit_AustauchPlanung;
namespace D = Unit_Graph_Utilities;

class Dialogeinstellungen : public Einstellungsumgebung {};

TEST_F(Dialogeinstellungen, Grundeinstellung_nur_nach_Ja) {
    Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
    Oberflaeche.Antwort_Frage = false;
    EXPECT_FALSE(Grundeinstellung_OK(3));
    EXPECT_EQ(Oberflaeche.Fragen.size(), 1u);
    EXPECT_EQ(Unit_Grundeinstellungen::Grundeinstellung, 1);
    EXPECT_FALSE(Unit_Saettigungsmodelle::GF_verwenden);

    Oberflaeche.Antwort_Frage = true;
    EXPECT_TRUE(Grundeinstellung_OK(3));
    EXPECT_EQ(Unit_Grundeinstellungen::Grundeinstellung, 3);
    EXPECT_TRUE(Unit_Saettigungsmodelle::GF_verwenden);
    // no preset, no question
    EXPECT_FALSE(Grundeinstellung_OK(6));
    EXPECT_EQ(Oberflaeche.Fragen.size(), 2u);
}

TEST_F(Dialogeinstellungen, Anzeigen_Standard_nach_Ja) {
    D::OTU_zeigen = true;
    D::CNS_zeigen = false;
    Unit_Programm::Hinweise_zeigen = false;
    Unit_Gewebe_barL::Inertgasvolumina_zeigen = true;
    Oberflaeche.Antwort_Frage = false;
    EXPECT_FALSE(Anzeigen_Standard());
    EXPECT_TRUE(D::OTU_zeigen);
    Oberflaeche.Antwort_Frage = true;
    EXPECT_TRUE(Anzeigen_Standard());
    EXPECT_FALSE(D::OTU_zeigen);
    EXPECT_TRUE(D::CNS_zeigen);
    EXPECT_TRUE(Unit_Programm::Hinweise_zeigen);
    EXPECT_FALSE(Unit_Gewebe_barL::Inertgasvolumina_zeigen);
    EXPECT_TRUE(Unit_Gewebe_barL::Gewebesaettigung_absolut_zeigen);
}

TEST_F(Dialogeinstellungen, Hoehe_700_m_ist_der_Luftdruck_von_Grundeinstellung_0) {
    Unit_Grundeinstellungen::Grundeinstellung_anwenden(0);
    const float bar_Preset = F::bar_Luft;
    const int32_t m_Preset = F::m_NN;
    Standardatmosphaere();
    EXPECT_EQ(F::bar_Luft, 1.01325f);
    EXPECT_EQ(F::m_NN, 0);
    Hoehe_setzen(700);
    EXPECT_EQ(F::bar_Luft, bar_Preset);
    EXPECT_EQ(F::m_NN, m_Preset);
    EXPECT_NEAR(F::bar_Luft, 0.92889, 5e-6);
    EXPECT_EQ(Luftdruck_mbar_Text(), " 928.89");
    // beyond the highest mountain: the mountain
    Hoehe_setzen(20000);
    EXPECT_EQ(F::m_NN, m_NN_Maximum);
}

TEST_F(Dialogeinstellungen, Luftdruck_OK_leitet_die_Hoehe_ab) {
    EXPECT_TRUE(Luftdruck_OK("928,89"));
    EXPECT_NEAR(F::bar_Luft, 0.92889, 1e-6);
    EXPECT_EQ(F::m_NN, 700);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());

    // no number: the message of the number reader, the air pressure stays
    EXPECT_FALSE(Luftdruck_OK("hoch"));
    EXPECT_EQ(Oberflaeche.Anzahl(">hoch< ist keine Zahl"), 1);
    EXPECT_NEAR(F::bar_Luft, 0.92889, 1e-6);
    EXPECT_FALSE(Luftdruck_OK(" "));
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
    EXPECT_NEAR(F::bar_Luft, 0.92889, 1e-6);

    // 5 bar of air: the lowest place there is
    EXPECT_TRUE(Luftdruck_OK("5000"));
    EXPECT_EQ(Oberflaeche.Anzahl("außerhalb"), 1);
    EXPECT_EQ(F::m_NN, m_NN_Minimum);
    EXPECT_NEAR(F::bar_Luft, F::bar_Luft_aus_Hoehe(m_NN_Minimum), 1e-6);
}

TEST_F(Dialogeinstellungen, Wasser_OK_Standard_und_Kalibrieren) {
    EXPECT_TRUE(Wasser_OK("1.032144"));
    EXPECT_NEAR(F::m_pro_bar, 9.8796, 1e-4);
    EXPECT_EQ(m_pro_bar_Text(), " 9.880");
    EXPECT_EQ(Dichte_Text(), "1.032144");
    Wasser_Standard();
    EXPECT_EQ(F::m_pro_bar, 10.0f);

    // fresh water at 4 °C and the Atlantic at 20 °C
    EXPECT_NEAR(Kalibrieren(0, 0), 0.999973, 1e-6);
    EXPECT_NEAR(F::m_pro_bar, 10.1974, 1e-4);
    EXPECT_NEAR(Kalibrieren(3, 2), 1.032144, 1e-6);
    EXPECT_NEAR(F::m_pro_bar, 9.8796, 1e-4);
    EXPECT_EQ(Salzgehalt_Text(2), "3.4 - Atlantik");

    EXPECT_FALSE(Wasser_OK("Meer"));
    EXPECT_EQ(Oberflaeche.Anzahl(">Meer< ist keine Zahl"), 1);
    EXPECT_NEAR(F::m_pro_bar, 9.8796, 1e-4);
    // a density of 0 would make the metres per bar infinite
    EXPECT_TRUE(Wasser_OK("0"));
    EXPECT_EQ(F::m_pro_bar, 11.0f);
    EXPECT_EQ(Oberflaeche.Anzahl("außerhalb"), 1);
}

TEST_F(Dialogeinstellungen, volle_Minuten_schliessen_sich_aus) {
    volle_RunTime_Minuten_setzen(true);
    EXPECT_TRUE(U::Stops_volle_RunTime_Minuten);
    EXPECT_FALSE(U::Stops_volle_Minuten);
    volle_Minuten_setzen(true);
    EXPECT_TRUE(U::Stops_volle_Minuten);
    EXPECT_FALSE(U::Stops_volle_RunTime_Minuten);
    volle_Minuten_setzen(false);
    EXPECT_TRUE(U::Stops_volle_RunTime_Minuten);
    volle_RunTime_Minuten_setzen(false);
    EXPECT_TRUE(U::Stops_volle_Minuten);
}

TEST_F(Dialogeinstellungen, Startzeit_Pfad_und_Runtime_Tabelle) {
    D::Startzeit_aktuell = true;
    Startzeit_OK(9, 30, 15);
    EXPECT_FALSE(D::Startzeit_aktuell);
    EXPECT_EQ(D::Startzeit.Text(), "09:30:15");
    Startzeit_jetzt(true);
    EXPECT_TRUE(D::Startzeit_aktuell);

    Pfad_OK("/home/taucher/dives");
    EXPECT_EQ(Unit_WayPoints::Pfad_Tauchgang, "/home/taucher/dives/");
    Pfad_OK("");
    EXPECT_EQ(Unit_WayPoints::Pfad_Tauchgang, "");

    Tabellenspalte_setzen(Tabellenspalte::CNS, true);
    EXPECT_TRUE(Unit_Report::RunTimeTable_mitCNS_prozent);
    EXPECT_TRUE(Tabellenspalte_an(Tabellenspalte::CNS));
    EXPECT_NE(Unit_Textpuffer::Memo_RunTimeTabelle.Text().find("CNS"), std::string::npos);
    Nachkommastellen_setzen(5);
    EXPECT_EQ(Unit_Report::RunTimeTable_NachKomma, 2);
    Nachkommastellen_setzen(0);
    EXPECT_EQ(Unit_Report::RunTimeTable_NachKomma, 0);
}
