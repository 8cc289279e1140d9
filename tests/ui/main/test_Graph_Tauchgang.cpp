// The profile graph offscreen: it shows the display model, its keys and mouse move the cursors
// through the library, and the axes window sets the ranges.
#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_Graph_Utilities.hpp"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>

#include <cmath>

namespace Graph = Unit_Graph_Utilities;
namespace M = Unit_Main;
namespace W = Unit_WayPoints;

class test_Graph_Tauchgang : public QObject {
    Q_OBJECT

    Unit_UI::Headless Oberflaeche;

    static void berechnen() {
        M::Tauchen("3", "40");
        M::Tauchen("25", "40");
        M::Berichte_anmelden();
        M::Austauchen_Klick();
    }

    static void zeigen(Graph_Tauchgang& g) {
        g.resize(900, 500);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.neu_zeichnen();
    }

    static float STOP_Runtime() {
        return W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
    }

    // A point of the graph where the chart view's viewport receives the mouse.
    static QPoint im_Viewport(const Graph_Tauchgang& g, float min, float m) {
        return g.Ansicht()->viewport()->mapFrom(&g, g.Position_im_Widget(min, m));
    }

  private slots:
    void init() {
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        namespace S = Unit_Saettigungsmodelle;
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        Graph::Taucher_zeigen = false;
        M::Neuer_Tauchgang();
    }

    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void zeigt_den_berechneten_Tauchgang_aus_dem_Modell() {
        berechnen();
        Graph_Tauchgang g;
        zeigen(g);
        for (int p = 1; p <= 4; ++p) {
            const auto& Daten = Graph::Plots[static_cast<std::size_t>(p)];
            const QList<QPointF> Punkte = g.Plot(p)->points();
            QCOMPARE(Punkte.size(), static_cast<qsizetype>(Daten.size()));
            for (qsizetype k = 0; k < Punkte.size(); k += std::max<qsizetype>(1, Punkte.size() / 50)) {
                QCOMPARE(Punkte[k].x(), double(Daten[static_cast<std::size_t>(k)].min_Runtime));
                QCOMPARE(Punkte[k].y(), double(Daten[static_cast<std::size_t>(k)].m_Wasser));
            }
        }
        QVERIFY(g.Plot(4)->count() > 400); // every sample of the calculation
        QVERIFY(!g.Plot(1)->isVisible());  // after Ascend the calculated plots
        QVERIFY(g.Plot(3)->isVisible());
        QVERIFY(g.Cursorlinie(2)->isVisible());
        QVERIFY(!g.Cursorlinie(1)->isVisible());
        QCOMPARE(g.Achse_X()->max(), double(Graph::Achse_X.Maximum));
        QCOMPARE(g.Achse_Y()->max(), double(Graph::Achse_Y.Maximum));
        QCOMPARE(g.Achse_Y()->titleText(), QString("Tiefe (m)"));

        // The start gas is annotated at waypoint 0, right of it.
        const QPointF Start = g.Position(0, 0);
        bool gefunden = false;
        for (QGraphicsItem* i : g.Chart()->childItems())
            if (auto* t = dynamic_cast<QGraphicsSimpleTextItem*>(i);
                t && t->text() == "Luft" && t->isVisible())
                gefunden = std::abs(t->pos().x() - Start.x() - 5) < 1;
        QVERIFY(gefunden);
    }

    void Ende_fuehrt_den_Zeitcursor_auf_STOP() {
        berechnen();
        Graph_Tauchgang g;
        zeigen(g);
        QSignalSpy Zustand(&g, &Graph_Tauchgang::Zustand_geaendert);
        g.setFocus();
        QTest::keyClick(&g, Qt::Key_Home);
        QCOMPARE(Graph::Cursor[2].min_Runtime, 0.0f);
        QTest::keyClick(&g, Qt::Key_End);
        QCOMPARE(Graph::Cursor[2].min_Runtime, STOP_Runtime());
        QCOMPARE(static_cast<float>(W::min_Runtime),
                 W::sData[static_cast<std::size_t>(W::sData_Anzahl)].min_Runtime);
        QCOMPARE(W::m_Wasser, 0.0f);
        QCOMPARE(W::p_N2_Gewebe[3], W::sData[static_cast<std::size_t>(W::sData_Anzahl)].p_N2_Gewebe[3]);
        QCOMPARE(Zustand.count(), 2);
        // the line follows within a frame
        QTRY_COMPARE(g.Cursorlinie(2)->line().x1(), g.Position(STOP_Runtime(), 0).x());
    }

    void Zeitcursor_mit_der_Maus_ziehen() {
        berechnen();
        Graph_Tauchgang g;
        zeigen(g);
        QWidget* v = g.Ansicht()->viewport();
        QTest::mousePress(v, Qt::LeftButton, {}, im_Viewport(g, STOP_Runtime(), 20));
        QTest::mouseMove(v, im_Viewport(g, 20, 20));
        QTest::mouseRelease(v, Qt::LeftButton, {}, im_Viewport(g, 20, 20));
        QVERIFY(std::abs(Graph::Cursor[2].min_Runtime - 20) < 0.2f);
        QCOMPARE(static_cast<float>(W::min_Runtime), Graph::Cursor[2].min_Runtime);
        QVERIFY(W::m_Wasser >= 40); // the sample on the bottom
        // a press away from the cursor's line grabs nothing
        QTest::mousePress(v, Qt::LeftButton, {}, im_Viewport(g, 40, 20));
        QTest::mouseMove(v, im_Viewport(g, 45, 20));
        QTest::mouseRelease(v, Qt::LeftButton, {}, im_Viewport(g, 45, 20));
        QVERIFY(std::abs(Graph::Cursor[2].min_Runtime - 20) < 0.2f);
    }

    void Eingabecursor_ziehen_zeigt_den_begrenzten_Punkt_und_Doppelklick_taucht() {
        M::Tauchen("3", "40");
        Graph_Tauchgang g;
        zeigen(g);
        QVERIFY(g.Cursorlinie(1)->isVisible());
        QSignalSpy Felder(&g, &Graph_Tauchgang::Eingabefelder_gesetzt);
        QSignalSpy Tauchen(&g, &Graph_Tauchgang::Tauchen_verlangt);
        QWidget* v = g.Ansicht()->viewport();
        QTest::mousePress(v, Qt::LeftButton, {}, im_Viewport(g, 3, 40));
        QTest::mouseMove(v, im_Viewport(g, 4, 0)); // faster up than 18 m/min
        QTest::mouseRelease(v, Qt::LeftButton, {}, im_Viewport(g, 4, 0));
        QCOMPARE(Felder.count(), 1);
        const float min = static_cast<float>(W::min_Runtime);
        QVERIFY(std::abs(min - 4) < 0.2f);
        QVERIFY(std::abs(W::m_Wasser - (40 - (min - 3) * 18)) < 0.01f); // snapped back
        QCOMPARE(Felder.first().at(1).toString(),
                 QString::fromStdString(Unit_Tools::Zahl_formatieren(6, 1, W::m_Wasser)));
        QCOMPARE(Graph::Cursor[1].m_Wasser, W::m_Wasser);
        QTRY_COMPARE(g.Plot(1)->points().last(), QPointF(min, W::m_Wasser)); // the previewed segment

        QTest::mouseDClick(v, Qt::LeftButton, {}, im_Viewport(g, 30, 30));
        QCOMPARE(Tauchen.count(), 1);
        M::Austauchen_Klick();
        QTest::mouseDClick(v, Qt::LeftButton, {}, im_Viewport(g, 30, 30));
        QCOMPARE(Tauchen.count(), 1); // no Dive on a computed dive
    }

    // The calculation sends a notice per sample; the graph takes them in one go at the next frame.
    void viele_Meldungen_ein_Neuzeichnen() {
        Graph_Tauchgang g;
        zeigen(g);
        W::Grafikmodus = 2;
        QSignalSpy ersetzt(g.Plot(4), &QXYSeries::pointsReplaced);
        for (int k = 0; k < 500; ++k) {
            Graph::Live_Kurve.push_back({k * 0.1f, 10});
            g.aktualisieren();
        }
        QCOMPARE(g.Plot(4)->count(), 0); // nothing before the frame
        QTRY_COMPARE(g.Plot(4)->count(), 500);
        QCOMPARE(ersetzt.count(), 1);
        Graph::Live_Kurve_kuerzen(200); // taken whole again when it shrank
        g.aktualisieren();
        QTRY_COMPARE(g.Plot(4)->count(), 200);
        Graph::Plot_loeschen(Graph::Plot_Samples);
        Graph::Live_Kurve.push_back({0, 0}); // cleared and refilled to the same length
        for (int k = 1; k < 200; ++k) Graph::Live_Kurve.push_back({k * 0.1f, 20});
        g.aktualisieren();
        QTRY_COMPARE(g.Plot(4)->points().last().y(), 20.0);
    }

    void Abbildung_der_Achsen_und_Taucher() {
        Graph_Tauchgang g;
        zeigen(g);
        QCOMPARE(g.Achse_X()->min(), 0.0);
        QCOMPARE(g.Achse_X()->max(), 60.0);
        const QRectF Flaeche = g.Chart()->plotArea();
        QVERIFY(std::abs(g.Position(30, 0).x() - Flaeche.center().x()) < 0.5);
        // depth grows downwards
        QVERIFY(g.Achse_Y()->isReverse());
        QVERIFY(std::abs(g.Position(0, 0).y() - Flaeche.top()) < 0.5);
        QVERIFY(std::abs(g.Position(0, 60).y() - Flaeche.bottom()) < 0.5);

        Graph::Taucher_zeigen = true;
        Graph::Positionsmarke = {30, 30};
        g.neu_zeichnen();
        QVERIFY(g.Taucher()->isVisible());
        QVERIFY(!g.Taucher()->pixmap().isNull());
        const QPointF p = g.Position(30, 30);
        QCOMPARE(g.Taucher()->pos(), QPointF(std::round(p.x()) - 30, std::round(p.y()) - 20));
        Graph::Taucher_zeigen = false;
        g.neu_zeichnen();
        QVERIFY(!g.Taucher()->isVisible());
    }

    void Achsenfenster_setzt_die_Achsen() {
        berechnen();
        Graph_Tauchgang g;
        zeigen(g);
        QString Titel;
        int Y_hoechstens = 0;
        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<T_Form_Graph_Utilities*>(QApplication::activeModalWidget());
            QVERIFY(f);
            Titel = f->windowTitle();
            QCOMPARE(f->SpinBox_X_max->value(), qRound(Graph::Achse_X.Maximum));
            f->SpinBox_X_min->setValue(10);
            f->SpinBox_X_max->setValue(120);
            f->SpinBox_Y_max->setValue(1000); // beyond the bound
            Y_hoechstens = f->SpinBox_Y_max->value();
            f->SpinBox_Y_max->setFocus();
            QTest::keyClick(f->SpinBox_Y_max, Qt::Key_Return); // Enter in the depth maximum sets
        });
        QTest::mouseClick(g.Ansicht()->viewport(), Qt::RightButton, {}, im_Viewport(g, 30, 30));
        QCOMPARE(Titel, QString("Achsen ändern"));
        QCOMPARE(Y_hoechstens, 360);
        QCOMPARE(g.Achse_X()->min(), 10.0);
        QCOMPARE(g.Achse_X()->max(), 120.0);
        QCOMPARE(g.Achse_Y()->max(), 360.0);

        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<T_Form_Graph_Utilities*>(QApplication::activeModalWidget());
            QVERIFY(f);
            QVERIFY(!f->CheckBox_Alles_loeschen->isChecked()); // the ticks start cleared every time
            f->CheckBox_Y_automatisch->setChecked(true);
            f->CheckBox_Alles_loeschen->setChecked(true);
            f->BitBtn_Setzen->click();
        });
        g.Achsen_aendern();
        QCOMPARE(g.Plot(4)->count(), 0);
        QCOMPARE(g.Achse_X()->max(), 60.0);
        QVERIFY(g.Achse_Y()->max() < 60); // fitted to the dive's data

        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<T_Form_Graph_Utilities*>(QApplication::activeModalWidget());
            QVERIFY(f);
            f->SpinBox_X_max->setValue(500);
            f->BitBtn_Abbrechen->click();
        });
        g.Achsen_aendern();
        QCOMPARE(g.Achse_X()->max(), 60.0);

        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<T_Form_Graph_Utilities*>(QApplication::activeModalWidget());
            QVERIFY(f);
            f->BitBtn_Standard->click();
        });
        g.Achsen_aendern();
        QCOMPARE(g.Achse_Y()->max(), 60.0);
    }
};

QTEST_MAIN(test_Graph_Tauchgang)
#include "test_Graph_Tauchgang.moc"
