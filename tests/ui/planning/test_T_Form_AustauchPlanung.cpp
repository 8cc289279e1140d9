// The ascent plan window drives the library's ascent plan: its OK buttons set the tables and
// settings, every repaint enables what the rules allow, and the main window opens it on a page.
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace A = Unit_AustauchPlanung;
namespace S = Unit_Saettigungsmodelle;
namespace W = Unit_WayPoints;

class test_T_Form_AustauchPlanung : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    template <std::size_t N>
    static void setzen(const std::array<QSpinBox*, N>& Felder, const std::array<int, N>& w) {
        for (std::size_t k = 0; k < N; ++k) Felder[k]->setValue(w[k]);
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        A::Tabellen_zuruecksetzen();
        A::Bail_Out = false;
        W::Tauchgeraet = 0;
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Geschwindigkeit_mit_Reihenfolge_und_Zeilen_4_bis_6() {
        T_Form_AustauchPlanung f;
        QCOMPARE(f.windowTitle(), QString("Austauch - Planung"));
        QVERIFY(!f.SpinEdit_m[0]->isEnabled());
        f.CheckBox_AufstiegVariabel_OK->setChecked(true);
        QVERIFY(A::Aufstieg_Geschwindigkeit_variabel);
        QVERIFY(f.SpinEdit_m[0]->isEnabled());
        QVERIFY(!f.SpinEdit_vConst->isEnabled());
        QCOMPARE(f.SpinEdit_m[2]->maximum(), 350);
        f.SpinEdit_vConst->setValue(9);
        setzen<3>(f.SpinEdit_m, {6, 20, 40});
        setzen<3>(f.SpinEdit_v, {3, 9, 10});
        f.Button_AufstiegsgeschwindigkeitOK->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        QCOMPARE(A::Aufstieg_Geschwindigkeit.Zeile[0].Wert, 3.0f);
        QCOMPARE(A::Aufstieg_Geschwindigkeit.Zeile[1].m_ab, 20.0f);
        for (std::size_t k = 3; k < 6; ++k) { // rows 4 to 6 copy row 3
            QCOMPARE(A::Aufstieg_Geschwindigkeit.Zeile[k].m_ab, 40.0f);
            QCOMPARE(A::Aufstieg_Geschwindigkeit.Zeile[k].Wert, 10.0f);
        }
        setzen<3>(f.SpinEdit_m, {20, 6, 40});
        f.Button_AufstiegsgeschwindigkeitOK->click();
        QCOMPARE(Oberflaeche.Anzahl("Falsche Reihenfolge"), 1);
        QCOMPARE(A::Aufstieg_Geschwindigkeit.Zeile[0].m_ab, 20.0f); // kept as entered
        QCOMPARE(f.SpinEdit_m[1]->value(), 6);
    }

    void Dekotiefen_und_Gaswechsel_mit_falscher_Reihenfolge() {
        T_Form_AustauchPlanung f;
        f.SpinEdit_M_DekoZuletzt->setValue(6);
        f.SpinEdit_M_DekoStep->setValue(2);
        f.BitBtn_DekotiefenOK->click();
        QCOMPARE(A::m_DekoZuletzt, 6.0f);
        QCOMPARE(A::m_DekoStep, 2.0f);

        QVERIFY(!f.ComboBox_Gaswechsel[0]->isEnabled());
        QVERIFY(!f.BitBtn_GaswechselOK->isEnabled());
        QVERIFY(!f.Button_GasNeu->isEnabled());
        f.CheckBox_Gaswechsel_beim_Aufstieg_YES->setChecked(true);
        QVERIFY(A::Aufstieg_Gaswechsel_OK);
        QVERIFY(f.ComboBox_Gaswechsel[5]->isEnabled());
        QCOMPARE(f.ComboBox_Gaswechsel[0]->itemText(6),
                 QString::fromStdString(Unit_Gasgemisch_BestMix::Gasgemisch[6].Name));
        setzen<6>(f.SpinEdit_Gaswechsel_m, {6, 21, 40, 40, 40, 40});
        const int Gas[6] = {6, 4, 0, 0, 0, 0};
        for (int k = 0; k < 6; ++k) f.ComboBox_Gaswechsel[k]->setCurrentIndex(Gas[k]);
        f.BitBtn_GaswechselOK->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[0].Wert, 6.0f);
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[1].m_ab, 21.0f);
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[1].Wert, 4.0f);

        f.SpinEdit_Gaswechsel_m[1]->setValue(3); // 6 m, then 3 m: out of order
        f.BitBtn_GaswechselOK->click();
        QCOMPARE(Oberflaeche.Anzahl("Falsche Reihenfolge"), 1);
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[1].m_ab, 3.0f); // kept as entered
        QCOMPARE(f.SpinEdit_Gaswechsel_m[1]->value(), 3);
        QCOMPARE(f.ComboBox_Gaswechsel[0]->currentIndex(), 6);
    }

    void Gas_Breaks() {
        T_Form_AustauchPlanung f;
        QVERIFY(!f.SpinEdit_AirBreak_minAbstand->isEnabled());
        f.CheckBox_AirBreak_OK->setChecked(true);
        QVERIFY(A::AirBreak_OK);
        QVERIFY(f.SpinEdit_AirBreak_minAbstand->isEnabled());
        f.ComboBox_AirBreak_GasNum->setCurrentIndex(0);
        f.SpinEdit_AirBreak_minAbstand->setValue(20);
        f.SpinEdit_AirBreak_minDauer->setValue(4);
        f.Button_AirBreakOK->click();
        QCOMPARE(A::AirBreak_GasNum, 0);
        QCOMPARE(A::AirBreak_minAbstand, 20);
        QCOMPARE(A::AirBreak_minDauer, 4);
        f.CheckBox_AirBreak_OK->setChecked(false);
        QVERIFY(!A::AirBreak_OK);
        QVERIFY(!f.ComboBox_AirBreak_GasNum->isEnabled());
    }

    void CCR_Setpoints_und_Feld_ohne_Zahl() {
        W::Tauchgeraet = 1;
        T_Form_AustauchPlanung f;
        f.CheckBox_not_pO2_const->setChecked(true);
        QVERIFY(A::Aufstieg_Setpoint_variabel);
        QVERIFY(f.Edit_yp[1]->isEnabled());
        QVERIFY(!f.Edit_pO2_const->isEnabled());
        setzen<3>(f.SpinEdit_mp, {6, 20, 40});
        f.Edit_yp[0]->setText("1.6");
        f.Edit_yp[1]->setText("1,4");
        f.Edit_yp[2]->setText("1.2");
        f.Button_pO2OK->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        QCOMPARE(A::Aufstieg_Setpoint.Zeile[1].Wert, 1.4f);
        QCOMPARE(A::Aufstieg_Setpoint.Zeile[5].m_ab, 40.0f);

        f.Edit_yp[1]->setText("viel");
        f.Button_pO2OK->click();
        QCOMPARE(Oberflaeche.Anzahl(">viel< ist keine Zahl"), 1);
        QCOMPARE(A::Aufstieg_Setpoint.Zeile[1].Wert, 1.4f); // the setpoint it had
        QCOMPARE(f.Edit_yp[1]->text(), QString("1.40"));
    }

    void Setpoints_nur_fuer_CCR_ohne_Bail_Out_und_Bail_Out_nur_fuer_CCR() {
        T_Form_AustauchPlanung f;
        QVERIFY(!f.CheckBox_pO2_const->isEnabled());
        QVERIFY(!f.CheckBox_not_pO2_const->isEnabled());
        QVERIFY(!f.CheckBox_BailOut_do->isEnabled());
        W::Tauchgeraet = 1;
        f.Anzeigen();
        QVERIFY(f.CheckBox_not_pO2_const->isEnabled());
        QVERIFY(f.Edit_pO2_const->isEnabled());
        QVERIFY(f.CheckBox_BailOut_do->isEnabled());
        f.CheckBox_BailOut_do->setChecked(true);
        QVERIFY(A::Bail_Out);
        QVERIFY(!f.CheckBox_not_pO2_const->isEnabled());
        QVERIFY(!f.Edit_pO2_const->isEnabled());
        QVERIFY(!f.Button_pO2OK->isEnabled());
        QVERIFY(f.CheckBox_BailOut_do->isEnabled());
    }

    // The what-if plans are switched and sized on the safety tab; the figures follow the settings
    // and the titles of the plans follow the figures.
    void Kontingenzplaene_auf_der_Sicherheitsseite() {
        namespace K = Unit_Kontingenzplaene;
        T_Form_AustauchPlanung f;
        QVERIFY(f.CheckBox_Kontingenzplaene->isChecked());
        f.SpinEdit_Kontingenz_Zeit->setValue(5);
        f.SpinEdit_Kontingenz_Tiefe->setValue(6);
        QCOMPARE(K::min_Kontingenz_Zeit, 5);
        QCOMPARE(K::m_Kontingenz_Tiefe, 6);
        K::Plan Laenger;
        Laenger.Art = K::Planart::laenger;
        QCOMPARE(K::Titel(Laenger), std::string("Länger: Grundzeit + 5 min"));
        f.SpinEdit_Kontingenz_Tiefe->setValue(99);
        QCOMPARE(K::m_Kontingenz_Tiefe, K::Kontingenz_Grenze);
        f.CheckBox_Kontingenzplaene->setChecked(false);
        QVERIFY(!K::Kontingenzplaene_an);
        QVERIFY(!f.SpinEdit_Kontingenz_Zeit->isEnabled());
        f.CheckBox_Kontingenzplaene->setChecked(true);
        K::min_Kontingenz_Zeit = K::m_Kontingenz_Tiefe = 3;
    }

    void Baker_Beschriftung_folgt_den_Gradientenfaktoren() {
        T_Form_AustauchPlanung f;
        f.CheckBox_Sicherheit_BakerOK->setChecked(false);
        QVERIFY(!S::GF_verwenden);
        QVERIFY(!f.SpinEdit_Sicherheit_Baker_GFLo->isEnabled());
        f.CheckBox_Sicherheit_BakerOK->setChecked(true);
        QVERIFY(S::GF_verwenden);
        f.SpinEdit_Sicherheit_Baker_GFLo->setValue(30);
        f.SpinEdit_Sicherheit_Baker_GFHi->setValue(85);
        QCOMPARE(S::GF_Lo, 0.3f);
        QCOMPARE(S::GF_Hi, 0.85f);
        QCOMPARE(f.CheckBox_Sicherheit_BakerOK->text(), QString("Gradient Factors nach Baker :  30 /  85"));
        f.SpinEdit_Sicherheit_Baker_GFHi->setValue(70);
        QVERIFY(f.CheckBox_Sicherheit_BakerOK->text().endsWith(" 30 /  70"));
    }

    void einstellen_verlangt_die_Unterseite_der_Sicherheit() {
        T_Form_AustauchPlanung f;
        QSignalSpy Verlangt(&f, &T_Form_AustauchPlanung::Einstellungen_gewuenscht);
        f.CheckBox_Sicherheit_BakerOK->setChecked(false);
        f.CheckBox_Sicherheit_DeepStopOK->setChecked(false);
        f.CheckBox_Sicherheit_BuehlmannOK->setChecked(true);
        QVERIFY(S::Buehlmann_Tiefenzuschlag);
        f.Button_einstellen->click();
        f.CheckBox_Sicherheit_DeepStopOK->setChecked(true);
        QVERIFY(S::Deep_Stop_verwenden);
        f.Button_einstellen->click();
        f.CheckBox_Sicherheit_DeepStopOK->setChecked(false);
        f.CheckBox_Sicherheit_BuehlmannOK->setChecked(false);
        f.Button_einstellen->click();
        QCOMPARE(Verlangt.size(), 3);
        QCOMPARE(Verlangt[0][0].toInt(), 0);
        QCOMPARE(Verlangt[1][0].toInt(), 2);
        QCOMPARE(Verlangt[2][0].toInt(), 1); // none on: the gradient factors
        // what the settings changed meanwhile is shown when it returns
        connect(&f, &T_Form_AustauchPlanung::Einstellungen_gewuenscht, [] { S::Deep_Stop_verwenden = true; });
        f.Button_einstellen->click();
        QVERIFY(f.CheckBox_Sicherheit_DeepStopOK->isChecked());
    }

    void Hauptfenster_oeffnet_die_Seite() {
        T_Form_main Haupt;
        QVERIFY(Haupt.BitBtn_Austauchplanung->isEnabled());
        Haupt.BitBtn_Austauchplanung->click();
        QVERIFY(Haupt.Austauchplanung->isVisible());
        QVERIFY(Haupt.Austauchplanung->isModal());
        QCOMPARE(Haupt.Austauchplanung->PageControl->currentIndex(), 0);
        Haupt.Austauchplanung->ButtonClose->click();
        QVERIFY(!Haupt.Austauchplanung->isVisible());
        const char* Eintraege[] = {"Aktion_Austauchplanung_34", "Aktion_Austauchplanung_35",
                                   "Aktion_Austauchplanung_36", "Aktion_Austauchplanung_37",
                                   "Aktion_Austauchplanung_38"};
        for (int Seite = 4; Seite >= 0; --Seite) {
            auto* Eintrag = Haupt.findChild<QAction*>(Eintraege[Seite]);
            QVERIFY(Eintrag && Eintrag->isEnabled());
            Eintrag->trigger();
            QVERIFY(Haupt.Austauchplanung->isVisible());
            QCOMPARE(Haupt.Austauchplanung->PageControl->currentIndex(), Seite);
            Haupt.Austauchplanung->ButtonClose->click();
        }
    }
};

QTEST_MAIN(test_T_Form_AustauchPlanung)
#include "test_T_Form_AustauchPlanung.moc"
