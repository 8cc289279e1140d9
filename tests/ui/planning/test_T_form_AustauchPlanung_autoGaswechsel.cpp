// The automatic gas switch window: its presets and limits, the proposal into the ascent gas
// table that the ascent plan window then shows, and the clean-up of unused gases.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung_autoGaswechsel.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"
#include "ui/planning/T_form_AustauchPlanung_autoGaswechsel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace A = Unit_AustauchPlanung;
namespace G = Unit_Gasgemisch_BestMix;
namespace P = Unit_AustauchPlanung_autoGaswechsel;
namespace W = Unit_WayPoints;

class test_T_form_AustauchPlanung_autoGaswechsel : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    static QString Name(float Gas) {
        return QString::fromStdString(G::Gasgemisch[static_cast<std::size_t>(Gas)].Name);
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        A::Tabellen_zuruecksetzen();
        P::Voreinstellung_waehlen(P::Voreinstellung::Standard);
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void OK_ohne_Tauchgang_nur_die_Information() {
        T_form_AustauchPlanung_autoGaswechsel f;
        QCOMPARE(f.windowTitle(), QString("Austauchplanung - automatische Gaswechsel"));
        QVERIFY(!f.Edit_pN2max->isEnabled());
        f.Edit_pO2min->setText("0.9");
        const auto vorher = A::Aufstieg_Gaswechsel;
        f.Button_OK->click();
        QCOMPARE(Oberflaeche.Anzahl("Noch keine Daten eingegeben"), 1);
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[5].m_ab, vorher.Zeile[5].m_ab);
        QCOMPARE(f.Edit_pO2min->text(), QString("0.9")); // what was typed stays
    }

    void Vorschlag_fuellt_die_Gaszeilen_des_Austauchplans() {
        Unit_Main::Tauchen("3", "40");
        Unit_Main::Tauchen("25", "40");
        QCOMPARE(W::m_Wasser, 40.0f);
        T_Form_AustauchPlanung Plan;
        Plan.autoGaswechsel->Button_OK->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        const auto& t = A::Aufstieg_Gaswechsel;
        QCOMPARE(t.Zeile[5].m_ab, 40.0f);
        QCOMPARE(t.Zeile[5].Wert, static_cast<float>(W::Gas_Nr)); // bottom gas = first gas
        QVERIFY(t.Zeile[4].m_ab < 40.0f);                         // air runs short of oxygen on the way up
        QVERIFY(t.Zeile[4].Wert != t.Zeile[5].Wert);
        QVERIFY(!A::Aufstieg_Gaswechsel_OK); // the user switches the table on
        for (std::size_t k = 0; k < 6; ++k) {
            QCOMPARE(Plan.SpinEdit_Gaswechsel_m[k]->value(), static_cast<int>(t.Zeile[k].m_ab));
            QCOMPARE(Plan.ComboBox_Gaswechsel[k]->currentText(), Name(t.Zeile[k].Wert));
        }
    }

    void Vorschlag_oeffnet_das_Fenster_modal() {
        T_Form_AustauchPlanung Plan;
        bool gezeigt = false;
        QTimer::singleShot(0, [&] {
            gezeigt = Plan.autoGaswechsel->isVisible() && Plan.autoGaswechsel->isModal();
            Plan.autoGaswechsel->ButtonClose->click();
        });
        Plan.Button_Vorschlag->click();
        QVERIFY(gezeigt);
    }

    void Voreinstellungen_und_pN2max_aus_END() {
        T_form_AustauchPlanung_autoGaswechsel f;
        f.Button_maxEntsaettigung->click();
        QCOMPARE(f.Edit_pO2max->text(), QString("1.60"));
        QCOMPARE(f.Edit_pO2min->text(), QString("1.30"));
        QCOMPARE(f.Edit_dpN2max->text(), QString("1.00"));
        QCOMPARE(f.Edit_dpN2min->text(), QString("0.40"));
        QVERIFY(!f.CheckBox_BottomGasIstErstesGas->isChecked());
        f.Button_wenigGaswechsel->click();
        QCOMPARE(f.Edit_pO2min->text(), QString("0.70"));
        QCOMPARE(f.Edit_dpN2max->text(), QString("1.20"));
        QVERIFY(f.CheckBox_BottomGasIstErstesGas->isChecked());
        f.Button_Standard->click();
        QCOMPARE(f.Edit_pO2max->text(), QString("1.40"));
        QCOMPARE(f.Edit_pO2min->text(), QString("0.80"));
        QCOMPARE(f.SpinEdit_ENDmax->value(), 30);

        f.SpinEdit_ENDmax->setValue(40);
        const QString bei_40 = f.Edit_pN2max->text();
        f.SpinEdit_ENDmax->setValue(30);
        QCOMPARE(f.Edit_pN2max->text(), QString("3.17"));
        QVERIFY(bei_40 != f.Edit_pN2max->text());
    }

    void nicht_benoetigte_Gase_loeschen_behaelt_das_Gas_einer_Gaszeile() {
        G::Gasgemisch_hinzufuegen("Tmx25/25", 25, 50, 25);
        G::Gasgemisch_hinzufuegen("Tmx19/40", 19, 41, 40);
        const int genannt = G::Gasgemisch_NumMax;
        A::Aufstieg_Gaswechsel.Zeile[5] = {30, static_cast<float>(genannt)};
        T_Form_AustauchPlanung Plan;
        Plan.autoGaswechsel->Button_NichtBenoetigteGaseLoeschen->click();
        QCOMPARE(G::Gasgemisch_NumMax, genannt - 1); // the unused one is gone
        QCOMPARE(A::Aufstieg_Gaswechsel.Zeile[5].Wert, static_cast<float>(genannt - 1));
        QCOMPARE(Name(A::Aufstieg_Gaswechsel.Zeile[5].Wert), QString("Tmx19/40"));
        QCOMPARE(Plan.ComboBox_Gaswechsel[5]->currentText(), QString("Tmx19/40"));
        QCOMPARE(Plan.ComboBox_Gaswechsel[5]->count(), G::Gasgemisch_NumMax + 1);
    }
};

QTEST_MAIN(test_T_form_AustauchPlanung_autoGaswechsel)
#include "test_T_form_AustauchPlanung_autoGaswechsel.moc"
