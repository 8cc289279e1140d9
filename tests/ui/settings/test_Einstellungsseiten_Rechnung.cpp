// The calculation pages of the settings dialog write their settings through the library as their
// controls change, show the library's messages, and load every control without writing back.
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "settings/Unit_Einstellungen_Rechnung.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/settings/Einstellungsseiten_Rechnung.hpp"
#include "ui/settings/T_Form_ModelleZeigen.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace S = Unit_Saettigungsmodelle;
namespace G = Unit_Gasgemisch_BestMix;
namespace K = Unit_CCR_SCR;
namespace W = Unit_WayPoints;

class test_Einstellungsseiten_Rechnung : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    int Meldungen() const { return static_cast<int>(Oberflaeche.Meldungen.size()); }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        Oberflaeche.Zuruecksetzen();
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void GF_120_Prozent_wird_1_mit_Meldung() {
        Seite_Sicherheit s;
        s.Unterseite_zeigen(Seite_Sicherheit::Unterseite_GF);
        QCOMPARE(s.PageControl_Sicherheit->currentWidget()->objectName(), QString("TabSheet_GF"));
        s.Edit_GF_Lo->setText("120");
        s.Edit_GF_Hi->setText("85");
        s.RadioGroup_GF_Stops->Knopf(1)->click(); // "alle"
        QVERIFY(!S::GF_alle_Stops);               // only "OK" takes the group
        s.BitBtn_GF_OK->click();
        QCOMPARE(S::GF_Lo, 1.0f);
        QCOMPARE(S::GF_Hi, 0.85f);
        QVERIFY(S::GF_alle_Stops);
        QCOMPARE(Oberflaeche.Anzahl("Gradient factor Lo > 1"), 1);
        QCOMPARE(Meldungen(), 1);
        QCOMPARE(s.Edit_GF_Lo->text(), QString("100")); // the field shows what was kept

        s.Edit_GF_Hi->setText("-5");
        s.BitBtn_GF_OK->click();
        QCOMPARE(S::GF_Hi, 1.0f);
        QCOMPARE(Oberflaeche.Anzahl("Gradient factor Hi < 0"), 1);

        s.CheckBox_GF->setChecked(true);
        QVERIFY(S::GF_verwenden);
        s.BitBtn_GF_Standard->click();
        QVERIFY(!S::GF_verwenden);
        QCOMPARE(s.Edit_GF_Lo->text(), QString("40"));
        QCOMPARE(s.Edit_GF_Hi->text(), QString("80"));
        QCOMPARE(s.RadioGroup_GF_Stops->Eintrag(), 0);
        QCOMPARE(s.RadioGroup_GF_Hi->Eintrag(), 0);
    }

    void Buehlmann_Knoepfe_und_Erklaerungen() {
        Seite_Sicherheit s;
        QSignalSpy geaendert(&s, &Seite_Sicherheit::geaendert);
        s.BitBtn_Buehlmann_Risiko->click();
        QVERIFY(S::Buehlmann_Tiefenzuschlag && S::Buehlmann_letzten_Stop_verdoppeln);
        QCOMPARE(S::Buehlmann_Sicherheitsstop_min, 5.0f);
        QVERIFY(s.CheckBox_letzten_Stop_verdoppeln->isChecked());
        QCOMPARE(s.RadioGroup_Sicherheitsstop->Eintrag(), 2);
        s.BitBtn_Buehlmann_0->click();
        QVERIFY(!S::Buehlmann_Tiefenzuschlag && !S::Buehlmann_letzten_Stop_verdoppeln);
        QCOMPARE(S::Buehlmann_Sicherheitsstop_min, 0.0f);
        QVERIFY(!s.CheckBox_Tiefenzuschlag->isChecked());
        QCOMPARE(s.RadioGroup_Sicherheitsstop->Eintrag(), 0);
        s.BitBtn_Buehlmann_Standard->click();
        QVERIFY(S::Buehlmann_Tiefenzuschlag && !S::Buehlmann_letzten_Stop_verdoppeln);
        QCOMPARE(S::Buehlmann_Sicherheitsstop_min, 1.0f);
        QCOMPARE(s.RadioGroup_Sicherheitsstop->Eintrag(), 1);
        // A choice by hand writes at once.
        s.RadioGroup_Sicherheitsstop->Knopf(2)->click();
        QCOMPARE(S::Buehlmann_Sicherheitsstop_min, 5.0f);
        QCOMPARE(geaendert.count(), 4);
        QCOMPARE(Meldungen(), 0);

        s.BitBtn_Buehlmann_Hilfe->click();
        emit s.GroupBox_GF->customContextMenuRequested({5, 5});
        emit s.GroupBox_DeepStop->customContextMenuRequested({5, 5});
        QCOMPARE(Meldungen(), 3);
        QCOMPARE(Oberflaeche.Anzahl("Original-Sicherheitszuschläge nach Bühlmann"), 1);
        QCOMPARE(Oberflaeche.Anzahl("Gradienten Faktoren (GF) nach E. Baker"), 1);
        QCOMPARE(Oberflaeche.Anzahl("Ein 'Deep Stop' ist ein tiefer Dekostop"), 1);

        s.SpinEdit_DeepStop_Stufen->setValue(7);
        QCOMPARE(S::Deep_Stop_Stufen_oberhalb_Dekozone, 7);
        s.BitBtn_DeepStop_Standard->click();
        QCOMPARE(s.SpinEdit_DeepStop_Stufen->value(), 2);
    }

    void Anzeigen_schreibt_nichts_zurueck() {
        Seite_Gasverbrauch s;
        QSignalSpy geaendert(&s, &Seite_Gasverbrauch::geaendert);
        K::CCR.barL_pro_min_Atmung_O2 = 2.5f;
        K::CCR.L_pro_min_O2_Zufuhr = 1; // would be reported if it were written
        Unit_Gasverbrauch::AMV = 33;
        s.Anzeigen();
        QCOMPARE(s.ComboBox_CCR_O2_Verbrauch->currentText(), QString("2.50"));
        QCOMPARE(s.SpinEdit_CCR_O2_Zufuhr->value(), 1);
        QCOMPARE(s.SpinEdit_pSCR_AMV->value(), 33);
        QCOMPARE(geaendert.count(), 0);
        QCOMPARE(Meldungen(), 0);
    }

    void CCR_Zufuhr_unter_Verbrauch_gemeldet_und_behalten() {
        Seite_Gasverbrauch s;
        s.Unterseite_zeigen(Seite_Gasverbrauch::Unterseite_CCR);
        QCOMPARE(s.PageControl_Gasverbrauch->currentWidget()->objectName(), QString("TabSheet_CCR"));
        s.SpinEdit_CCR_O2_Zufuhr->setValue(2);
        QCOMPARE(Meldungen(), 0); // 2 against 1.5 l/min
        s.ComboBox_CCR_O2_Verbrauch->setCurrentText("2.50");
        QCOMPARE(K::CCR.barL_pro_min_Atmung_O2, 2.5f);
        QCOMPARE(Oberflaeche.Anzahl("Sauerstoffzufuhr ist kleiner als der Sauerstoffverbrauch"), 1);
        s.SpinEdit_CCR_O2_Zufuhr->setValue(1);
        QCOMPARE(K::CCR.L_pro_min_O2_Zufuhr, 1);
        QCOMPARE(s.SpinEdit_CCR_O2_Zufuhr->value(), 1);
        QCOMPARE(Meldungen(), 2);
    }

    void Gasverbrauch_Felder_und_Standard() {
        Seite_Gasverbrauch s;
        s.SpinEdit_pSCR_DumpRatio->setValue(25);
        QCOMPARE(W::pSCR_DumpRatio, 25);
        s.SpinEdit_pSCR_AMV->setValue(30);
        QCOMPARE(Unit_Gasverbrauch::AMV, 30);
        QCOMPARE(s.SpinEdit_AMV->value(), 30); // the same setting on the OC page
        s.CheckBox_p_H2O->setChecked(false);
        QCOMPARE(Unit_Formeln::p_H2O, 0.0f);
        QCOMPARE(s.Edit_p_H2O->text(), QString("0.00000"));
        s.RadioGroup_SCR_Formel->Knopf(0)->click();
        QCOMPARE(K::SCR.Formel, uint8_t{0}); // only "OK" takes it
        s.BitBtn_SCR_OK->click();
        QCOMPARE(K::SCR.Formel, uint8_t{1});
        QVERIFY(!s.SpinEdit_Gaswechsel_warten->isEnabled());
        s.CheckBox_Gaswechsel_warten->setChecked(true);
        QVERIFY(Unit_AustauchPlanung::Gaswechsel_warten_OK);
        QVERIFY(s.SpinEdit_Gaswechsel_warten->isEnabled());
        s.SpinEdit_Stress_Faktor->setValue(3.5);
        QCOMPARE(Unit_Gasverbrauch::Stress_Faktor, 3.5f);

        Oberflaeche.Antwort_Frage = false;
        s.BitBtn_Gasverbrauch_Standard->click();
        QCOMPARE(W::pSCR_DumpRatio, 25);
        Oberflaeche.Antwort_Frage = true;
        s.BitBtn_Gasverbrauch_Standard->click();
        QCOMPARE(Oberflaeche.Fragen.size(), std::size_t{2});
        QCOMPARE(s.SpinEdit_pSCR_DumpRatio->value(), 10);
        QCOMPARE(s.SpinEdit_AMV->value(), 20);
        QVERIFY(s.CheckBox_p_H2O->isChecked());
        QCOMPARE(s.Edit_p_H2O->text(), QString("0.06270"));
        QVERIFY(!Unit_AustauchPlanung::Gaswechsel_warten_OK);
        QCOMPARE(s.RadioGroup_SCR_Formel->Eintrag(), 1);
        QCOMPARE(s.SpinEdit_Stress_Faktor->value(), 2.0);
    }

    void Modellwahl_laedt_das_Modell_und_Anschauen_zeigt_es() {
        Seite_Modelle s;
        QCOMPARE(s.RadioGroup_Modell_N2->Anzahl(), 6);
        QCOMPARE(s.RadioGroup_Modell_N2->Eintrag(), int{S::Modell_N2_Standard});
        QSignalSpy geaendert(&s, &Seite_Modelle::geaendert);
        s.RadioGroup_Modell_N2->Knopf(4)->click();
        QCOMPARE(QString::fromStdString(S::Modell_N2.Bezeichnung), QString("ZH-L16B 1b N2"));
        QCOMPARE(S::Modell_N2.Kompartiment[1].t_halb, 5.0f);
        s.RadioGroup_Modell_He->Knopf(1)->click();
        QCOMPARE(S::Modell_He.Nummer, 7);
        QCOMPARE(geaendert.count(), 2);

        bool gezeigt = false;
        QString Kopf;
        QTimer::singleShot(0, &s, [&] {
            gezeigt = s.Form_ModelleZeigen->isVisible() && s.Form_ModelleZeigen->isModal();
            Kopf = s.Form_ModelleZeigen->Memo_N2_Kopf->toPlainText();
            s.Form_ModelleZeigen->accept();
        });
        s.BitBtn_Modelle_anschauen->click();
        QVERIFY(gezeigt);
        QVERIFY(Kopf.contains("ZH-L16B 1b N2"));
    }

    void Algorithmus_2_warnt_und_bleibt() {
        Seite_Algorithmus s;
        QCOMPARE(s.RadioGroup_Algorithmus->Eintrag(), 1);
        QCOMPARE(s.Edit_Zeitintervall->text(), QString("0.1"));
        s.RadioGroup_Algorithmus->Knopf(2)->click();
        QCOMPARE(Unit_Saettigungsrechnung::Algorithmus, 2);
        QCOMPARE(Oberflaeche.Anzahl("Algorithmus noch nicht getestet"), 1);
        QCOMPARE(s.RadioGroup_Algorithmus->Eintrag(), 2);
        s.RadioGroup_Algorithmus->Knopf(0)->click();
        QCOMPARE(Unit_Saettigungsrechnung::Algorithmus, 0);
        QCOMPARE(Meldungen(), 1);
    }

    void Gasliste_Loeschknoepfe_und_unbenutzte_Gase() {
        Seite_Atemgase s;
        QVERIFY(s.BitBtn_neues_Gas->isEnabled());
        QVERIFY(!s.BitBtn_Gas_loeschen->isEnabled());
        QVERIFY(!s.BitBtn_Gase_unbenutzt_loeschen->isEnabled());
        G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25); // 17, unused
        G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0);     // 18, named by the ascent plan
        Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[2] = {21, 18};
        s.Anzeigen();
        QCOMPARE(s.ListBox_Gase->count(), 19);
        QVERIFY(s.BitBtn_Gase_unbenutzt_loeschen->isEnabled());

        s.ListBox_Gase->setCurrentRow(4); // EAN50: a default gas cannot be deleted
        QCOMPARE(G::Gasgemisch_num, 4);
        QCOMPARE(W::Gas_Nr, 4);
        QCOMPARE(s.Edit_O2->text(), QString("50.00"));
        QVERIFY(!s.BitBtn_Gas_loeschen->isEnabled());
        s.ListBox_Gase->setCurrentRow(17);
        QCOMPARE(s.Edit_He->text(), QString("25.00"));
        QVERIFY(s.BitBtn_Gas_loeschen->isEnabled());

        s.BitBtn_Gase_unbenutzt_loeschen->click();
        QCOMPARE(s.ListBox_Gase->count(), 18);
        QCOMPARE(s.ListBox_Gase->item(17)->text(), QString("EAN28"));
        QCOMPARE(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[2].Wert, 17.0f);
        QCOMPARE(G::Gasgemisch_num, 0); // the deleted current gas gave way to air

        s.ListBox_Gase->setCurrentRow(17);
        Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[2] = {21, 0};
        s.BitBtn_Gas_loeschen->click();
        QCOMPARE(s.ListBox_Gase->count(), 17);
        QVERIFY(!s.BitBtn_Gase_unbenutzt_loeschen->isEnabled());
        QVERIFY(!s.BitBtn_Gas_loeschen->isEnabled());
    }

    void Grenzwerte_zeigen_die_des_Programms() {
        Seite_Grenzwerte s;
        const auto t = Unit_Einstellungen_Rechnung::Grenzwerte_Texte();
        QCOMPARE(s.Label_pO2_Max->text(), QString("1.60"));
        QCOMPARE(s.Label_Gegendiff_min->text(), QString("-0.085"));
        QCOMPARE(s.Label_Tauchzeit_Max->text(), QString("1440"));
        QCOMPARE(s.Label_Kabinendruck->text(), QString::fromStdString(t.mbar_Kabinendruck));
        QCOMPARE(s.Label_WayPoints_Max->text(), QString::fromStdString(t.WayPoints_Max));
        QCOMPARE(s.Label_Tiefe_Max->text(), QString::fromStdString(t.m_Tiefe_Max));
        s.CheckBox_pO2_weiterrechnen->setChecked(true);
        QVERIFY(Unit_Sauerstofftoxizitaet::pO2_weiterrechnen);
        s.CheckBox_Warnungen_reduzieren->setChecked(true);
        QVERIFY(W::Warnungen_reduzieren);
    }

    void Beschriftungen_und_Reiter_auf_Englisch() {
        Unit_Tools::Sprache = 1;
        QTabWidget Dialog;
        auto* Sicherheit = new Seite_Sicherheit;
        auto* Algorithmus = new Seite_Algorithmus;
        Dialog.addTab(Sicherheit, {});
        Dialog.addTab(Algorithmus, {});
        Beschriftungen_anwenden(&Dialog);
        Sicherheit->Anzeigen();
        Algorithmus->Anzeigen();
        QCOMPARE(Dialog.tabText(0), QString("Safety margins"));
        QCOMPARE(Dialog.tabText(1), QString("Algorithm"));
        QCOMPARE(Sicherheit->PageControl_Sicherheit->tabText(1), QString("Baker GF"));
        QCOMPARE(Sicherheit->BitBtn_Buehlmann_Risiko->text(), QString("Risk diver"));
        QCOMPARE(Sicherheit->RadioGroup_GF_Hi->Knopf(1)->text(), QString("surface"));
        QCOMPARE(Sicherheit->RadioGroup_Sicherheitsstop->Knopf(0)->text(), QString("none"));
        QCOMPARE(Algorithmus->RadioGroup_Algorithmus->Knopf(0)->text(),
                 QString("Bühlmann - original formula for square profiles"));
    }
};

QTEST_MAIN(test_Einstellungsseiten_Rechnung)
#include "test_Einstellungsseiten_Rechnung.moc"
