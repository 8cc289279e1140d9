// The waypoint overview as the diver uses it on an imported dive: stepping with the arrow key
// moves both graph cursors, a new gas for one waypoint reaches the following ones that breathed
// the same gas, a calibration lays the distances on a line. Prints the time of one step.
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/displays/T_Form_Tauchgang_analysieren.hpp"
#include "ui/displays/T_Form_sData_Waypoints_edit.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace W = Unit_WayPoints;
namespace Graph = Unit_Graph_Utilities;

namespace {
const std::string Tauchgang = BRELUNE_TESTDATEN "/shearwater-cloud-oc-trimix-perdix2.uddf";

W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

double Median(std::vector<double> x) {
    std::sort(x.begin(), x.end());
    return x[x.size() / 2];
}
} // namespace

class test_T_Form_sData_Waypoints_edit : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    T_Form_sData_Waypoints_edit& Fenster() { return *f->Wegpunktfenster; }
    void waehlen(int i) {
        Fenster().SpinEdit_i->setValue(i);
        QCOMPARE(Fenster().SpinEdit_i->value(), i);
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        f = std::make_unique<T_Form_main>();
        f->show();
        QVERIFY(Unit_Tauchgang_analysieren::UDDF_Tauchgang_importieren(Tauchgang));
        f->Hauptfenster_aktualisieren();
        f->findChild<QAction*>("Aktion_Wegpunkte_Uebersicht")->trigger();
        QVERIFY(Fenster().isVisible());
    }
    void cleanup() {
        f.reset();
        Unit_UI::UI_setzen(nullptr);
    }

    void Pfeiltaste_fuehrt_beide_Cursor() {
        QCOMPARE(Fenster().SpinEdit_i->maximum(), W::WayPoint_Anzahl);
        QVERIFY(!Punkt(Fenster().SpinEdit_i->value()).austauchen);
        waehlen(0);
        std::vector<double> Schritt_ms, Anzeige_ms, Graph_ms;
        QElapsedTimer Uhr;
        for (int i = 1; i <= 200; ++i) {
            Uhr.start();
            QTest::keyClick(Fenster().SpinEdit_i, Qt::Key_Up);
            Schritt_ms.push_back(static_cast<double>(Uhr.nsecsElapsed()) / 1e6);
            Uhr.start();
            f->Hauptfenster_aktualisieren();
            Anzeige_ms.push_back(static_cast<double>(Uhr.nsecsElapsed()) / 1e6);
            QTest::qWait(17); // the graph takes the new cursor once a frame
            Uhr.start();
            f->CWGraph_Tauchgang->grab();
            Graph_ms.push_back(static_cast<double>(Uhr.nsecsElapsed()) / 1e6);
        }
        QCOMPARE(Fenster().SpinEdit_i->value(), 200);
        for (int c : {1, 2}) {
            QCOMPARE(Graph::Cursor[static_cast<std::size_t>(c)].min_Runtime, Punkt(200).min_Runtime);
            QCOMPARE(Graph::Cursor[static_cast<std::size_t>(c)].m_Wasser, Punkt(200).m_Wasser);
        }
        QCOMPARE(Fenster().Edit_wTiefe->text(),
                 QString::fromStdString(Unit_Tools::Zahl_formatieren(6, 2, Punkt(200).m_Wasser)).trimmed());
        qInfo("one step of the overview, medians: %.3f ms, refreshing the main window %.3f ms, "
              "painting the graph %.3f ms",
              Median(Schritt_ms), Median(Anzeige_ms), Median(Graph_ms));
    }

    void Gas_von_Wegpunkt_5_auch_fuer_folgende_mit_gleichem_Inhalt() {
        const int32_t alt = Punkt(5).Gas_Nr;
        int32_t anders = 6; // the first waypoint after 5 that breathes another gas
        while (anders <= W::WayPoint_Anzahl && Punkt(anders).Gas_Nr == alt) ++anders;
        QVERIFY(anders > 6 && anders <= W::WayPoint_Anzahl);
        const int32_t dort = Punkt(anders).Gas_Nr;
        waehlen(5);
        QVERIFY(!Fenster().Button_uebernehmen->isEnabled());
        const int neu = alt == 0 ? 1 : 0;
        Fenster().ComboBox_wGasgemisch_Num->setCurrentIndex(neu);
        emit Fenster().ComboBox_wGasgemisch_Num->activated(neu);
        QVERIFY(Fenster().Button_uebernehmen->isEnabled());
        QVERIFY(Fenster().CheckBox5->isChecked());
        QVERIFY(!Fenster().CheckBox6->isChecked());
        QTest::mouseClick(Fenster().Button_uebernehmen, Qt::LeftButton);
        for (int32_t i = 5; i < anders; ++i) QCOMPARE(Punkt(i).Gas_Nr, neu);
        QCOMPARE(Punkt(4).Gas_Nr, alt);
        QCOMPARE(Punkt(anders).Gas_Nr, dort);
        QVERIFY(!Fenster().Button_uebernehmen->isEnabled());

        // "auch alle folgenden" ticks the other choice too and reaches the last waypoint
        waehlen(5);
        Fenster().ComboBox_wTauchgeraet->setCurrentIndex(1);
        emit Fenster().ComboBox_wTauchgeraet->activated(1);
        QVERIFY(Fenster().Edit_wCCR_pO2->isEnabled());
        Fenster().Edit_wCCR_pO2->clear();
        QTest::keyClicks(Fenster().Edit_wCCR_pO2, "1.2");
        Fenster().CheckBox6->click();
        QVERIFY(Fenster().CheckBox5->isChecked());
        QTest::mouseClick(Fenster().Button_uebernehmen, Qt::LeftButton);
        for (int32_t i : {5, anders, W::WayPoint_Anzahl}) {
            QCOMPARE(Punkt(i).Tauchgeraet, uint8_t{1});
            QCOMPARE(Punkt(i).CCR_Setpoint, 1.2f);
            QCOMPARE(Punkt(i).Gas_Nr, neu);
        }
        QCOMPARE(Punkt(4).Tauchgeraet, uint8_t{0});

        // a setpoint that is no number is said and changes nothing
        waehlen(6);
        Fenster().ComboBox_wGasgemisch_Num->setCurrentIndex(alt);
        emit Fenster().ComboBox_wGasgemisch_Num->activated(alt);
        Fenster().Edit_wCCR_pO2->setText("1,2x");
        const std::size_t Meldungen = Oberflaeche.Meldungen.size();
        QTest::mouseClick(Fenster().Button_uebernehmen, Qt::LeftButton);
        QCOMPARE(Oberflaeche.Meldungen.size(), Meldungen + 1);
        QCOMPARE(Punkt(6).Gas_Nr, neu);
        QCOMPARE(Punkt(6).CCR_Setpoint, 1.2f);
    }

    void folgt_dem_Zeitcursor_des_Graphen() {
        Fenster().hide();
        f->Analysefenster->Button_OK->click(); // the dive kept as read: the time cursor steps
        f->Hauptfenster_aktualisieren();
        Fenster().show();
        QTest::keyClick(f->CWGraph_Tauchgang, Qt::Key_End);
        QCOMPARE(Fenster().SpinEdit_i->value(), W::WayPoint_Anzahl);
        QTest::keyClick(f->CWGraph_Tauchgang, Qt::Key_Home);
        QTest::keyClick(f->CWGraph_Tauchgang, Qt::Key_Up); // one minute on
        const int i = Fenster().SpinEdit_i->value();
        QVERIFY(Punkt(i).min_Runtime <= Graph::Cursor_min_Runtime + 1e-3f);
        QVERIFY(Punkt(i + 1).min_Runtime > Graph::Cursor_min_Runtime);
        QVERIFY(i > 0);
        QCOMPARE(Fenster().Edit_wRuntime->text(),
                 QString::fromStdString(Unit_Tools::Zahl_formatieren(7, 2, Punkt(i).min_Runtime)).trimmed());
    }

    void Kalibrieren_und_loeschen() {
        const float t10 = Punkt(10).min_Runtime, t20 = Punkt(20).min_Runtime;
        waehlen(10);
        Fenster().Edit_cave_horizontal_distance_m->setText("50");
        QTest::mouseClick(Fenster().Button_cave_calibrate, Qt::LeftButton);
        waehlen(20);
        Fenster().Edit_cave_horizontal_distance_m->setText("150");
        QTest::mouseClick(Fenster().Button_cave_calibrate, Qt::LeftButton);
        const float v = 100 / (t20 - t10);
        waehlen(15);
        QCOMPARE(Fenster().Edit_cave_horizontal_velocity_m_pro_min->text(),
                 QString::fromStdString(Unit_Tools::Zahl_formatieren(4, 1, v)).trimmed());
        QVERIFY(std::fabs(Punkt(15).cave_horizontal_distance_m - (50 + v * (Punkt(15).min_Runtime - t10))) <
                1e-3f);
        QTest::mouseClick(Fenster().Button_cave_delete, Qt::LeftButton);
        QCOMPARE(Fenster().Edit_cave_horizontal_distance_m->text(), QString("-1.00"));
        QCOMPARE(static_cast<float>(Punkt(20).cave_horizontal_distance_m), -1.0f);
    }
};

QTEST_MAIN(test_T_Form_sData_Waypoints_edit)
#include "test_T_Form_sData_Waypoints_edit.moc"
