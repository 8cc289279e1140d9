// The three tissue views driven as a diver uses them: a trimix dive computed in the main window,
// the time cursor moved on the graph, the windows closed and opened again from the menu, the
// extent of the tissue window chosen, the explanations asked for by right click.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Gewebeanzeige.hpp"
#include "ui/displays/T_Form_Gewebe.hpp"
#include "ui/displays/T_Form_Gewebe_barL.hpp"
#include "ui/displays/T_Form_Gewebedruck.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"
#include "ui/widgets/Balkenanzeige.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QAction>
#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QtTest>

#include <memory>

namespace W = Unit_WayPoints;
namespace A = Unit_Gewebeanzeige;
namespace B = Unit_Gewebe_barL;

// Records messages like the headless screen; every redraw notice asks the main window for a
// repaint, as the window's own screen does.
class Gewebeoberflaeche : public Testoberflaeche {
  public:
    int Gewebemeldungen = 0;
    void verlangen() {
        if (Fenster) Fenster->Anzeige_verlangen();
    }
    void Status_geaendert() override { verlangen(); }
    void Graph_geaendert() override { verlangen(); }
    void Sample_gespeichert(float, float) override { verlangen(); }
    void Kompartiment_geaendert(int) override {
        ++Gewebemeldungen;
        verlangen();
    }
    void Gewebedruck_geaendert() override { verlangen(); }
    void Geloeste_Gase_geaendert() override { verlangen(); }
    void Nachrichten_verarbeiten() override { QApplication::processEvents(); }
};

// Lets the coalesced repaints happen.
void abwarten() {
    QElapsedTimer Uhr;
    Uhr.start();
    while (Uhr.elapsed() < 60) QApplication::processEvents();
}

class test_Gewebeansichten : public QObject {
    Q_OBJECT
    Gewebeoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    void Tauchgang(const char* Runtime, const char* Tiefe) {
        f->Edit_min_runtime->setText(Runtime);
        f->Edit_m_Wasser->setText(Tiefe);
        f->BitBtn_Tauchen->click();
    }
    // What the views show of compartment i against what the library says of the state now.
    void zeigt_den_Zustand(int i) {
        const A::Kompartiment_Typ k = A::Kompartiment(i);
        const auto j = static_cast<std::size_t>(i - 1);
        QCOMPARE(f->Gewebe->Balken_pMax[j]->Text().toStdString(), k.pMax.Text);
        QCOMPARE(f->Gewebe->Balken_pMax_p[j]->Text().toStdString(), k.Gradient.Text);
        QCOMPARE(f->Gewebe->Label_p_He[j]->text().toStdString(), k.p_He);
        const QList<QPointF> N2 = f->Gewebedruck->Oberkante(T_Form_Gewebedruck::N2)->points();
        QCOMPARE(N2.size(), 32);
        QCOMPARE(N2[2 * i - 2], QPointF(i - 0.5, static_cast<double>(W::p_N2_Gewebe[i])));
        QCOMPARE(N2[2 * i - 1], QPointF(i + 0.5, static_cast<double>(W::p_N2_Gewebe[i])));
        QCOMPARE(f->Gewebe_barL->Label_N2He->text().toStdString(), A::Geloeste_Gase().N2He);
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        B::Gewebesaettigung_zeigen = B::Gewebesaettigung_absolut_zeigen = B::Inertgasvolumina_zeigen = true;
        f = std::make_unique<T_Form_main>();
        Oberflaeche.Fenster = f.get();
        f->resize(1280, 800);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->Hauptfenster_aktualisieren();
    }
    void cleanup() {
        Oberflaeche.Fenster = nullptr;
        f.reset();
        Unit_UI::UI_setzen(nullptr);
    }

    void die_Ansichten_folgen_der_Rechnung_und_dem_Zeitcursor() {
        QVERIFY(f->Gewebe->isVisible() && f->Gewebedruck->isVisible() && f->Gewebe_barL->isVisible());
        // Surface-saturated: the dissolved-gas window at its base size, no helium anywhere.
        QCOMPARE(f->Gewebe_barL->size(), QSize(140, 163));
        zeigt_den_Zustand(1);

        f->ComboBox_Tauchgeraet_Atemgas->setCurrentIndex(11); // Tmx18/45
        emit f->ComboBox_Tauchgeraet_Atemgas->activated(11);
        Tauchgang("3", "50");
        Tauchgang("25", "50");
        f->BitBtn_Austauchen->click();
        abwarten();
        QVERIFY(W::WayPoint_Anzahl > 3);

        // The cursor to the end of the bottom time, by keys on the graph as the diver does it.
        Graph_Tauchgang* Graph = f->CWGraph_Tauchgang;
        QTest::keyClick(Graph, Qt::Key_Home);
        for (int Minute = 0; Minute < 20; ++Minute) QTest::keyClick(Graph, Qt::Key_Up);
        abwarten();
        QVERIFY(W::m_Wasser > 40);
        zeigt_den_Zustand(1);
        zeigt_den_Zustand(16);
        QVERIFY(f->Gewebe->Label_p_He[0]->text().toDouble() > 1); // the fast one took up helium
        QVERIFY(f->Gewebe_barL->width() > 140);
        QVERIFY(f->Gewebedruck->Label_Ceiling->text().startsWith("Ceiling = "));

        // One step back through the library alone: the notices bring the views along.
        const int vorher = Oberflaeche.Gewebemeldungen;
        QTest::keyClick(Graph, Qt::Key_Left);
        abwarten();
        QVERIFY(Oberflaeche.Gewebemeldungen > vorher);
        zeigt_den_Zustand(3);

        // Back at the start the helium is gone again.
        QTest::keyClick(Graph, Qt::Key_Home);
        abwarten();
        zeigt_den_Zustand(1);
        QCOMPARE(f->Gewebe->Label_p_He[0]->text(), QString("0.000"));
    }

    void schliessen_schaltet_ab_und_das_Menue_wieder_an() {
        const std::pair<Gewebefenster*, const char*> Ansichten[] = {{f->Gewebe, "Aktion_Gewebe"},
                                                                    {f->Gewebedruck, "Aktion_Gewebedruck"},
                                                                    {f->Gewebe_barL, "Aktion_Gewebe_barL"}};
        for (const auto& [Fenster, Eintragname] : Ansichten) {
            auto* Eintrag = f->findChild<QAction*>(Eintragname);
            QVERIFY2(Eintrag && Eintrag->isChecked(), Eintragname);
            Fenster->close();
            QVERIFY(!Fenster->Einstellung());
            QVERIFY(!Eintrag->isChecked());
            f->Hauptfenster_aktualisieren();
            QVERIFY(!Fenster->isVisible());

            Eintrag->trigger();
            QVERIFY(Fenster->Einstellung());
            QVERIFY(Fenster->isVisible());
        }
        // The settings alone decide at the next refresh, as after the settings dialog.
        B::Gewebesaettigung_absolut_zeigen = false;
        f->Hauptfenster_aktualisieren();
        QVERIFY(!f->Gewebedruck->isVisible());
        QVERIFY(!f->findChild<QAction*>("Aktion_Gewebedruck")->isChecked());
        // The menu speaks the language in force.
        Unit_Tools::Sprache = 1;
        f->Hauptfenster_aktualisieren();
        QCOMPARE(f->findChild<QAction*>("Aktion_Gewebe_barL")->text(), QString("Inert gas volume (barL)"));
        QCOMPARE(f->Gewebe_barL->windowTitle(), QString("Inert gas volume"));
    }

    void Anzeige_waehlt_vier_Umfaenge_unten_rechts_am_Hauptfenster() {
        T_Form_Gewebe& g = *f->Gewebe;
        // First shown with the smallest extent, the pressure chart right above it.
        QCOMPARE(g.RadioGroup_Anzeige->Eintrag(), 0);
        QCOMPARE(f->Gewebedruck->frameGeometry().bottom() + 1, g.frameGeometry().top());
        QCOMPARE(f->Gewebedruck->frameGeometry().right(), f->frameGeometry().right());
        QCOMPARE(f->Gewebe_barL->frameGeometry().topLeft(),
                 f->Gewebedruck->frameGeometry().bottomLeft() + QPoint(0, 1));
        int Breite = 0;
        for (int Umfang = 0; Umfang < 4; ++Umfang) {
            g.RadioGroup_Anzeige->Knopf(Umfang)->click();
            const bool sichtbar[] = {g.GroupBox_pMax->isVisible(), g.GroupBox_pMax0_Luft->isVisible(),
                                     g.GroupBox_pMax_p->isVisible(), g.GroupBox_Inertgasdruck->isVisible()};
            for (int k = 0; k < 4; ++k) QCOMPARE(sichtbar[k], k <= Umfang);
            QVERIFY(g.width() > Breite);
            Breite = g.width();
            QCOMPARE(g.frameGeometry().bottomRight(), f->frameGeometry().bottomRight());
        }
    }

    void Rechtsklick_erklaert_jede_Gruppe_in_der_Sprache() {
        T_Form_Gewebe& g = *f->Gewebe;
        const std::pair<QGroupBox*, A::Gruppe> Gruppen[] = {
            {g.GroupBox_pMax, A::Gruppe::pMax},       {g.GroupBox_pMax0_Luft, A::Gruppe::pMax0_Luft},
            {g.GroupBox_pMax_p, A::Gruppe::Gradient}, {g.GroupBox_p_N2, A::Gruppe::p_N2},
            {g.GroupBox_p_He, A::Gruppe::p_He},       {g.GroupBox_pMax_bar, A::Gruppe::p_Max},
            {g.GroupBox_pMax0, A::Gruppe::p_Max0}};
        for (int Sprache : {0, 1}) {
            Unit_Tools::Sprache = Sprache;
            for (const auto& [Gruppe, Welche] : Gruppen) {
                Oberflaeche.Zuruecksetzen();
                emit Gruppe->customContextMenuRequested({5, 5});
                QCOMPARE(Oberflaeche.Meldungen.size(), 1u);
                const A::Erklaerung_Typ t = A::Erklaerung(Welche);
                QCOMPARE(Oberflaeche.Meldungen[0].Text, Sprache == 0 ? t.Deutsch : t.Englisch);
            }
            // The chart's legend on "?" and on a right click alike.
            Oberflaeche.Zuruecksetzen();
            f->Gewebedruck->BitBtn_Legende->click();
            emit f->Gewebedruck->CWGraph_Gewebedruck->customContextMenuRequested({5, 5});
            QCOMPARE(Oberflaeche.Meldungen.size(), 2u);
            QCOMPARE(Oberflaeche.Meldungen[0].Text, Oberflaeche.Meldungen[1].Text);
            QVERIFY(QString::fromStdString(Oberflaeche.Meldungen[0].Text)
                        .startsWith(Sprache == 0 ? "Absolute Drücke in bar" : "Absolute pressures in bar"));
        }
    }

    void Druckdiagramm_mit_GF_und_fester_Skala() {
        T_Form_Gewebedruck& d = *f->Gewebedruck;
        Unit_Saettigungsmodelle::GF_verwenden = false;
        d.aktualisieren();
        QVERIFY(!d.Flaeche(T_Form_Gewebedruck::MAX_GF)->isVisible());
        Unit_Saettigungsmodelle::GF_verwenden = true;
        d.aktualisieren();
        QVERIFY(d.Flaeche(T_Form_Gewebedruck::MAX_GF)->isVisible());
        QCOMPARE(d.Achse_Y->max(), A::Gewebedruck().Skala_automatisch);

        // Without automatic scaling the axis keeps its maximum whatever the limits do.
        d.CheckBox_Skalierung->setChecked(false);
        const double fest = d.Achse_Y->max();
        W::p_N2He_Gewebe_MAX_ZH[1] = 40;
        d.aktualisieren();
        QCOMPARE(d.Achse_Y->max(), fest);
        d.CheckBox_Skalierung->setChecked(true);
        QCOMPARE(d.Achse_Y->max(), 40.0);
    }
};

QTEST_MAIN(test_Gewebeansichten)
#include "test_Gewebeansichten.moc"
