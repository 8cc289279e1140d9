// The status panel shows the library's current state: values, alarms, the groups the settings
// ask for, its help on a right click, both languages.
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "ui/main/Statusanzeige.hpp"
#include "ui/widgets/Alarmlampe.hpp"
#include "ui/widgets/Balkenanzeige.hpp"
#include "ui/widgets/Rundinstrument.hpp"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace W = Unit_WayPoints;
namespace Graph = Unit_Graph_Utilities;
namespace S = Unit_Saettigungsmodelle;

namespace {
void alle_Gruppen_zeigen(bool zeigen) {
    Graph::pO2_zeigen = Graph::END_zeigen = Graph::CNS_zeigen = Graph::OTU_zeigen = Graph::GF_zeigen = zeigen;
    Graph::Druck_zeigen = Graph::Uhrzeit_zeigen = Graph::Atemkreislauf_zeigen = Graph::Gegendiffusion_zeigen =
        zeigen;
}

void Rechtsklick(QWidget* w) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &e);
}
} // namespace

class test_Statusanzeige : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

  private slots:
    void initTestCase() { Unit_Gasgemisch_BestMix::Gasgemische_initialisieren(); }

    void init() {
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
        Unit_Grenzwerte::Gegendiffusion = false;
        alle_Gruppen_zeigen(true);
    }

    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void zeigt_den_Zustand_und_warnt_ueber_1_6_bar() {
        Statusanzeige s;
        W::m_Wasser = 40;
        W::min_Runtime = 28.5L;
        W::bar_pO2 = 1.05f;
        W::CNS_Prozent = 20;
        W::m_END = 31.6f;
        W::Gas_Nr = 1;
        W::f_O2_atmen = 0.21f;
        W::f_N2_atmen = 0.79f;
        W::f_He_atmen = 0;
        W::Tauchgeraet = 1;
        W::CCR_Setpoint = 1.3f;
        Graph::Startzeit = {9, 30, 0};
        s.aktualisieren();

        QCOMPARE(s.Rundinstrument_Tiefe->Zeiger(0), 40.0);
        QCOMPARE(s.Rundinstrument_Tiefe->Werttext(), QString("40.0"));
        QCOMPARE(s.Rundinstrument_Tiefe->toolTip(), QString("Tiefe = 40.0 m"));
        QCOMPARE(s.Rundinstrument_Tiefe->Maximum(), 350.0);
        QCOMPARE(s.Edit_Runtime_min->text(), QString("28.5"));
        QCOMPARE(s.Edit_Runtime_hms->text(), QString("00:28:30"));
        QCOMPARE(s.Edit_Uhrzeit_Runtime->text(), QString("09:58:30"));
        QCOMPARE(s.Edit_Uhrzeit_Start->text(), QString("09:30:00"));
        QCOMPARE(s.Rundinstrument_pO2->toolTip(), QString("pO2 = 1.05 bar"));
        QVERIFY(!s.Alarmlampe_pO2->istAn());
        QCOMPARE(s.Rundinstrument_CNS->Zeiger(0), 20.0);
        QVERIFY(!s.Alarmlampe_CNS->istAn());
        QCOMPARE(s.Rundinstrument_END->toolTip(), QString("END = 31.6 m"));
        QCOMPARE(s.Label_O2->text(), QString("O2 = 21.0 %"));
        QCOMPARE(s.Balkenanzeige_Atemkreislauf->Segmente().size(), 3);
        QCOMPARE(s.Label_Tauchgeraet->text(), QString("CCR pO2 = 1.30 bar"));
        QCOMPARE(s.Edit_Gasgemisch->text(),
                 QString::fromStdString(Unit_Gasgemisch_BestMix::Gasgemisch[1].Name));
        QVERIFY(!s.Alarmlampe_Warnungen->istAn());

        // Deeper on the same gas: the pO2 passes 1.6 bar, the library warns, the lamps light.
        W::bar_pO2 = 1.65f;
        W::CNS_Prozent = 101;
        Unit_Tauchgangszustand::Warnungen_pruefen();
        s.aktualisieren();
        QVERIFY(s.Alarmlampe_pO2->istAn());
        QVERIFY(s.Alarmlampe_CNS->istAn());
        QVERIFY(s.Alarmlampe_Warnungen->istAn());
        QCOMPARE(s.Edit_Warnungen->text(), QString("pO2 > 1.60 bar. CNS > 100.0 %. "));
        // Hypoxic at the surface lights it as well.
        W::bar_pO2 = 0.12f;
        s.aktualisieren();
        QVERIFY(s.Alarmlampe_pO2->istAn());
        W::bar_pO2 = 1.6f;
        s.aktualisieren();
        QVERIFY(!s.Alarmlampe_pO2->istAn());
    }

    // Compartment 6 over-saturated at 10 m: (2.5 - 2.01325) / (3 - 2.01325) = 49 % of its margin.
    void zeigt_das_Leitkompartiment_mit_GF_Marken_und_Druecken() {
        Statusanzeige s;
        W::m_Wasser = 10;
        W::bar_Umgebung = 2.01325L;
        W::f_N2_atmen = 0.79f;
        for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
            W::p_N2_Gewebe[i] = 1.5L;
            W::p_He_Gewebe[i] = 0;
            W::p_N2He_Gewebe_MAX_ZH[i] = W::p_N2He_Gewebe_MAX_GF[i] = 3.0f;
        }
        W::p_N2_Gewebe[6] = 2.5L;
        W::p_N2He_Gewebe_MAX_GF[6] = 2.8f;
        W::Uebersaettigt = true;
        W::m_Dekozone = 21;
        S::GF_verwenden = true;
        S::GF_Lo = 0.3f;
        S::GF_Hi = 0.85f;
        s.aktualisieren();
        S::GF_verwenden = false;

        QCOMPARE(s.Edit_GF_Gewebe->text(), QString("6"));
        QCOMPARE(s.Edit_Druck_Gewebe->text(), QString("6"));
        QCOMPARE(qRound(s.Rundinstrument_GF->Zeiger(0)), 49);
        QCOMPARE(s.Rundinstrument_GF->toolTip(), QString("Aktueller GF = 49 %"));
        QCOMPARE(s.Rundinstrument_GF->Marken().size(), 2);
        QCOMPARE(qRound(s.Rundinstrument_GF->Marken()[1]), 85);
        QCOMPARE(s.Rundinstrument_Druck->Zeiger(0), 2.01325);
        QCOMPARE(s.Rundinstrument_Druck->Zeiger(1), 2.5);
        QCOMPARE(qRound(s.Rundinstrument_Druck->Zeiger(2) * 10), 28); // tolerated with the GF in force
        QCOMPARE(s.Rundinstrument_Druck->Zeigerfarbe(1), QColor(240, 200, 0));
        QVERIFY(s.Rundinstrument_Differenz_N2->Zeiger(0) > 0);
        QVERIFY(s.Alarmlampe_Dekozone->istAn());
        QCOMPARE(s.Edit_Dekozone->text(), QString("21.0 m"));

        // Without gradient factors there are no marks to promise a limit.
        s.aktualisieren();
        QVERIFY(s.Rundinstrument_GF->Marken().isEmpty());
        Unit_Grenzwerte::Gegendiffusion = true;
        s.aktualisieren();
        QVERIFY(s.Alarmlampe_Gegendiffusion->istAn());
    }

    void Gruppen_nach_Einstellung_und_Breite_des_Reiters() {
        Statusanzeige s;
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const int Breite_alle = s.benoetigte_Breite();

        Graph::OTU_zeigen = false;
        s.Gruppen_einblenden();
        QVERIFY(s.GroupBox_OTU->isHidden());
        QCOMPARE(s.benoetigte_Breite(), Breite_alle - s.GroupBox_OTU->sizeHint().width() - 8);

        alle_Gruppen_zeigen(false);
        s.Gruppen_einblenden();
        for (QGroupBox* g :
             {s.GroupBox_pO2, s.GroupBox_END, s.GroupBox_CNS, s.GroupBox_OTU, s.GroupBox_Uhrzeit,
              s.GroupBox_GF, s.GroupBox_Druck, s.GroupBox_Atemkreislauf, s.GroupBox_Differenzdruck})
            QVERIFY2(g->isHidden(), qPrintable(g->objectName()));
        for (QGroupBox* g : {s.GroupBox_Tiefe, s.GroupBox_Tauchzeit, s.GroupBox_Dekozone,
                             s.GroupBox_Warnungen, s.GroupBox_Atemgas})
            QVERIFY2(g->isVisible(), qPrintable(g->objectName()));
        // At that width the warnings group spans the panel, 4 pixels on either side.
        s.resize(s.benoetigte_Breite(), s.height());
        QCoreApplication::processEvents();
        QCOMPARE(s.benoetigte_Breite(), s.GroupBox_Warnungen->width() + 8);
        QCOMPARE(s.GroupBox_Warnungen->mapTo(&s, QPoint(0, 0)).x(), 4);

        Graph::GF_zeigen = true;
        s.Gruppen_einblenden();
        s.resize(s.benoetigte_Breite(), s.height());
        QCoreApplication::processEvents();
        QCOMPARE(s.GroupBox_GF->geometry().right() + 1 + 4, s.benoetigte_Breite());
    }

    void Rechtsklick_zeigt_die_Hilfe() {
        Statusanzeige s;
        Rechtsklick(s.Rundinstrument_GF); // on the dial inside the group
        Rechtsklick(s.Edit_GF_Gewebe);    // and on its compartment field
        QCOMPARE(Oberflaeche.Meldungen.size(), size_t(2));
        QVERIFY(Oberflaeche.Meldungen[0].Art == Unit_UI::Meldungsart::Info);
        QCOMPARE(
            QString::fromStdString(Oberflaeche.Meldungen[0].Text),
            QString(
                "Aktueller Gradienten-Faktor GF für das momentan kritische Gewebe\r\rDer GF ist definiert "
                "als =\r    (Gewebesättigung - Umgebungsdruck) / (Max. erlaubte Gewebesättigung - "
                "Umgebungsdruck)\r\rGraue Felder = eingestellte GF Hi und GF Lo\rRechts unten = Nummer des "
                "momentan kritischen Gewebes = Gewebe mit höchstem GF"));
        QCOMPARE(Oberflaeche.Meldungen[1].Text, Oberflaeche.Meldungen[0].Text);

        Unit_Tools::Sprache = 1;
        Rechtsklick(s.Edit_Gasgemisch);
        Rechtsklick(s.Rundinstrument_Druck);
        QCOMPARE(
            Oberflaeche.Meldungen[2].Text,
            std::string("Breathing gas in open system (OC)\ror diluent in closed circuit rebreather (CCR)"));
        QVERIFY(Oberflaeche.Anzahl("Actual pressures\r\rblack pointer = ambient pressure") == 1);
        // The depth group has no help.
        Rechtsklick(s.Rundinstrument_Tiefe);
        QCOMPARE(Oberflaeche.Meldungen.size(), size_t(4));
    }

    void englische_Beschriftungen_mit_ihren_Tags() {
        Unit_Tools::Sprache = 1;
        W::Tauchgeraet = 0;
        Statusanzeige s;
        QCOMPARE(s.GroupBox_Tiefe->title(), QString("Depth (m)"));
        QCOMPARE(s.GroupBox_Tiefe->property("tag").toInt(), 89);
        QCOMPARE(s.GroupBox_Uhrzeit->title(), QString("time of day"));
        QCOMPARE(s.GroupBox_Differenzdruck->title(), QString("Differential pressure N2, He (%)"));
        QCOMPARE(s.GroupBox_Differenzdruck->property("tag").toInt(), 329);
        QCOMPARE(s.GroupBox_Warnungen->title(), QString("Warnings"));
        QCOMPARE(s.Label_Tauchgeraet_Erklaerung->text(), QString("SCUBA open system"));
        QCOMPARE(s.Rundinstrument_Tiefe->accessibleName(), QString("Depth (m)"));
        W::m_Wasser = 12;
        s.aktualisieren();
        QCOMPARE(s.Rundinstrument_Tiefe->toolTip(), QString("Depth = 12.0 m"));
        // At the width it asks for, every caption fits its group.
        s.resize(s.benoetigte_Breite(), s.sizeHint().height());
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        for (QGroupBox* g : s.findChildren<QGroupBox*>())
            QVERIFY2(g->width() > g->fontMetrics().horizontalAdvance(g->title()),
                     qPrintable(g->objectName()));
        Unit_Tools::Sprache = 0;
    }

    void Doppelklick_auf_die_Startzeit() {
        Statusanzeige s;
        QSignalSpy Spion(&s, &Statusanzeige::Startzeit_doppelgeklickt);
        QTest::mouseDClick(s.Edit_Uhrzeit_Start, Qt::LeftButton);
        QCOMPARE(Spion.count(), 1);
    }
};

QTEST_MAIN(test_Statusanzeige)
#include "test_Statusanzeige.moc"
