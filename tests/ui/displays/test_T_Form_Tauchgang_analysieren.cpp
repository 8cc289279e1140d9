// The choice after a dive was imported, as the diver makes it: the window comes up on its own,
// "setzen" ends the bottom time where the diver says and the graph cursor goes there, OK plans a
// new ascent from there; the next import offers the same choice again; the menu analyses.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/displays/T_Form_Tauchgang_analysieren.hpp"
#include "ui/displays/T_Form_sData_Waypoints_edit.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace Memo = Unit_Textpuffer;

namespace {
const std::string Tauchgang = BRELUNE_TESTDATEN "/shearwater-cloud-oc-trimix-perdix2.uddf";

const W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}
} // namespace

class test_T_Form_Tauchgang_analysieren : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    T_Form_Tauchgang_analysieren& Fenster() { return *f->Analysefenster; }
    void importieren() {
        Oberflaeche.Antwort_Datei = Tauchgang;
        f->findChild<QAction*>("Aktion_Import_UDDF")->trigger();
        f->Hauptfenster_aktualisieren();
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
    }
    void cleanup() {
        f.reset();
        Unit_UI::UI_setzen(nullptr);
    }

    void Neuer_Aufstieg_nach_dem_Ende_der_Grundzeit() {
        QVERIFY(!Fenster().isVisible());
        importieren();
        QVERIFY(Fenster().isVisible());
        QVERIFY(Fenster().windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(Fenster().RadioButton0->isChecked());
        QVERIFY(f->findChild<QAction*>("Aktion_Tauchgang_analysieren")->isEnabled());
        const int32_t n = W::WayPoint_Anzahl;
        QVERIFY(n > 100);

        Fenster().RadioButton2->click();
        const std::size_t Meldungen = Oberflaeche.Meldungen.size();
        QTest::keyClicks(Fenster().Edit_Tauchgang_analysieren_min_EndeGrundzeit, "x");
        Fenster().Button_set_min_EndeGrundzeit->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), Meldungen + 1); // no number: said, nothing set
        Fenster().Edit_Tauchgang_analysieren_min_EndeGrundzeit->setText("");
        QTest::keyClicks(Fenster().Edit_Tauchgang_analysieren_min_EndeGrundzeit, "20");
        Fenster().Button_set_min_EndeGrundzeit->click();
        const int32_t b = M::WayPoint_letzter_Eingabe;
        QVERIFY(Punkt(b).min_Runtime <= 20.001f && Punkt(b + 1).min_Runtime > 20);
        QCOMPARE(Unit_Graph_Utilities::Cursor[2].min_Runtime, Punkt(b).min_Runtime);

        const W::WayPoint_Type Grund = Punkt(b);
        Fenster().Button_OK->click();
        f->Hauptfenster_aktualisieren();
        QVERIFY(!Fenster().isVisible());
        // the recorded bottom stays, the ascent after it is the planner's
        QCOMPARE(Punkt(b).min_Runtime, Grund.min_Runtime);
        QCOMPARE(Punkt(b).m_Wasser, Grund.m_Wasser);
        QVERIFY(Punkt(W::WayPoint_Anzahl).austauchen);
        QCOMPARE(Punkt(W::WayPoint_Anzahl).m_Wasser, 0.0f);
        QCOMPARE(Memo::Memo_Zusammenfassung.Zeilen.at(0), std::string("Zusammenfassung des Tauchgangs"));
        QVERIFY(M::Eingabe_gesperrt);

        // the next dive read offers the same choice
        importieren();
        QVERIFY(Fenster().isVisible());
        QVERIFY(Fenster().RadioButton2->isChecked());
    }

    void Menue_analysiert_den_gelesenen_Tauchgang() {
        importieren();
        const int32_t n = W::WayPoint_Anzahl;
        const float Ende = Punkt(n).min_Runtime;
        f->findChild<QAction*>("Aktion_Tauchgang_analysieren")->trigger();
        f->Hauptfenster_aktualisieren();
        QVERIFY(!Fenster().isVisible());
        QCOMPARE(Memo::Memo_Zusammenfassung.Zeilen.at(0), std::string("Analyse des Tauchgangs"));
        QCOMPARE(f->PageControl_links->currentWidget()->objectName(), QString("TabSheet_Zusammenfassung"));
        // the recorded profile is kept as it was, ascent included; the replay closes it at the surface
        QVERIFY(W::WayPoint_Anzahl >= n);
        QCOMPARE(Punkt(n).min_Runtime, Ende);
        QCOMPARE(Punkt(W::WayPoint_Anzahl).m_Wasser, 0.0f);
    }

    void Waypoints_zeigt_die_Uebersicht() {
        importieren();
        Fenster().Button_Waypoints->click();
        QVERIFY(f->Wegpunktfenster->isVisible());
    }
};

QTEST_MAIN(test_T_Form_Tauchgang_analysieren)
#include "test_T_Form_Tauchgang_analysieren.moc"
