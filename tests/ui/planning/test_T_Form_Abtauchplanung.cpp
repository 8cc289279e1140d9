// The descent plan window drives the library's descent plan: its OK buttons set the tables, its
// repaint enables what the rules allow, and its use box is the main window's.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/planning/T_Form_Abtauchplanung.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace A = Unit_AbtauchPlanung;

class test_T_Form_Abtauchplanung : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        A::Tabellen_zuruecksetzen();
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Geschwindigkeitstabelle_aus_den_Feldern_und_Reihenfolge_geprueft() {
        A::Abstiegsplanung_verwenden = true;
        T_Form_Abtauchplanung f;
        f.CheckBox_AbstiegVariabel_OK->setChecked(true);
        QVERIFY(A::Abstieg_Geschwindigkeit_variabel);
        QVERIFY(f.SpinEdit_m[1]->isEnabled());
        QVERIFY(!f.SpinEdit_vConst->isEnabled());
        const int m[3] = {0, 10, 40}, v[3] = {25, 20, 10};
        for (int k = 0; k < 3; ++k) {
            f.SpinEdit_m[k]->setValue(m[k]);
            f.SpinEdit_v[k]->setValue(v[k]);
        }
        f.BitBtn_Abstieg->click();
        QCOMPARE(A::Abstieg_Geschwindigkeit.Zeile[1].m_ab, 10.0f);
        QCOMPARE(A::Abstieg_Geschwindigkeit.Zeile[2].Wert, 10.0f);
        QCOMPARE(A::Abstieg_Geschwindigkeit.Zeile[5].Wert, 10.0f); // rows 4 to 6 copy row 3
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});

        f.CheckBox_Gaswechsel_beim_Abstieg_YES->setChecked(true);
        const int Gas_m[5] = {30, 20, 40, 50, 60};
        for (int k = 0; k < 5; ++k) f.SpinEdit_Gaswechsel_m[k]->setValue(Gas_m[k]);
        f.ComboBox_Gaswechsel[1]->setCurrentIndex(3);
        f.BitBtn_Gaswechsel_Abstieg_OK->click();
        QCOMPARE(Oberflaeche.Anzahl("Falsche Reihenfolge"), 1);
        QCOMPARE(A::Abstieg_Gaswechsel.Zeile[1].m_ab, 20.0f); // kept as entered
        QCOMPARE(A::Abstieg_Gaswechsel.Zeile[1].Wert, 3.0f);
    }

    void Seiten_nur_mit_Abstiegsplanung_und_pO2_nur_mit_CCR() {
        A::Abstiegsplanung_verwenden = false;
        T_Form_Abtauchplanung f;
        for (int s = 0; s < 4; ++s) QVERIFY(!f.PageControl->isTabEnabled(s));
        f.CheckBox_Abstieg->setChecked(true);
        QVERIFY(A::Abstiegsplanung_verwenden);
        QVERIFY(f.PageControl->isTabEnabled(T_Form_Abtauchplanung::Seite_Gaswechsel));
        QVERIFY(!f.PageControl->isTabEnabled(T_Form_Abtauchplanung::Seite_pO2));
        Unit_WayPoints::Tauchgeraet = 1;
        f.aktualisieren();
        QVERIFY(f.PageControl->isTabEnabled(T_Form_Abtauchplanung::Seite_pO2));
        Unit_WayPoints::Tauchgeraet = 0;
    }

    void Verwendung_ist_die_Box_des_Hauptfensters() {
        T_Form_main Haupt;
        auto* Box = Haupt.findChild<QCheckBox*>("CheckBox_Abstieg");
        Box->setChecked(true);
        QVERIFY(A::Abstiegsplanung_verwenden);
        Haupt.Abtauchplanung->aktualisieren();
        QVERIFY(Haupt.Abtauchplanung->CheckBox_Abstieg->isChecked());
        Haupt.Abtauchplanung->CheckBox_Abstieg->setChecked(false);
        Haupt.Hauptfenster_aktualisieren();
        QVERIFY(!Box->isChecked());
    }
};

QTEST_MAIN(test_T_Form_Abtauchplanung)
#include "test_T_Form_Abtauchplanung.moc"
