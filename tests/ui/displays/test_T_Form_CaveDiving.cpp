// The cave-diving window driven as a diver drives it, from the menu entry: a calibrated cave dive
// cut to a stretch, inverted, shifted, its profile saved and read back, turned into waypoints and
// computed; the dive in memory is the one the library makes of the same steps.
#include "commands/Unit_CaveDiving.hpp"
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/displays/T_Form_CaveDiving.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>
#include <vector>

namespace W = Unit_WayPoints;
namespace C = Unit_CaveDiving;

class test_T_Form_CaveDiving : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    // A recorded cave dive as the waypoint overview leaves it calibrated: 160 m in 16 min.
    static void Kalibrierter_Tauchgang() {
        Unit_Main::Neuer_Tauchgang();
        const W::WayPoint_Type Start = W::WayPoint[0];
        const std::vector<std::tuple<float, float, float>> Punkte = {
            {0, 0, 0}, {2, 10, 20}, {6, 15, 60}, {10, 20, 100}, {14, 18, 140}, {16, 12, 160}};
        for (std::size_t i = 0; i < Punkte.size(); ++i) {
            W::WayPoint_Type& w = W::WayPoint[i];
            w = Start;
            std::tie(w.min_Runtime, w.m_Wasser, w.cave_horizontal_distance_m) = Punkte[i];
            w.cave_horizontal_velocity_m_pro_min = 10;
            w.bar_pO2 = 0.21f * (1 + w.m_Wasser / 10);
        }
        W::WayPoint_Anzahl = static_cast<int32_t>(Punkte.size()) - 1;
    }

    using Wegpunkte = std::vector<std::tuple<float, float, float, bool>>;
    static Wegpunkte Tauchgang() {
        Wegpunkte v;
        for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
            const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
            v.emplace_back(w.min_Runtime, w.m_Wasser, w.cave_horizontal_distance_m, w.austauchen);
        }
        return v;
    }

    static void tippen(QLineEdit* e, const QString& Text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, Text);
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        f = std::make_unique<T_Form_main>();
    }
    void cleanup() {
        f.reset();
        Unit_UI::UI_setzen(nullptr);
    }

    void Schneiden_invertieren_verschieben_speichern_lesen_und_berechnen() {
        QTemporaryDir Ordner;
        const std::string Datei = Ordner.filePath("hoehle.csv").toStdString();

        // the library's steps
        Kalibrierter_Tauchgang();
        QVERIFY(C::Profil_ausschneiden("20", "140"));
        QVERIFY(C::Profil_invertieren());
        QVERIFY(C::Profil_addieren("5"));
        const auto Profiltext = Unit_Textpuffer::Memo_CSV.Zeilen;
        QVERIFY(C::In_WayPoints_umwandeln());
        QVERIFY(C::Tauchgang_berechnen());
        const Wegpunkte erwartet = Tauchgang();

        // the same by the window
        Kalibrierter_Tauchgang();
        f->findChild<QAction*>("Aktion_Hoehlentauchen")->trigger();
        T_Form_CaveDiving& h = *f->Hoehlentauchen;
        QVERIFY(h.isVisible());
        QCOMPARE(h.Edit_von_m->text(), QString("0.00"));
        QCOMPARE(h.Edit_bis_m->text(), QString("160.00"));
        QVERIFY(h.Memo_CSV->toPlainText().isEmpty());

        tippen(h.Edit_von_m, "20");
        tippen(h.Edit_bis_m, "140");
        h.Button_ausschneiden->click();
        QCOMPARE(W::WayPoint_Anzahl, 3); // 20, 60, 100 and 140 m
        h.Button_spiegeln->click();
        tippen(h.Edit_add, "5");
        h.Button_add->click();
        QCOMPARE(h.Memo_CSV->toPlainText().split('\n', Qt::SkipEmptyParts).size(),
                 static_cast<qsizetype>(Profiltext.size()));

        // saved, cleared, read back: the text is the profile's
        Oberflaeche.Antwort_Datei = Datei;
        h.Button_speichern->click();
        h.Button_loeschen->click();
        QVERIFY(h.Memo_CSV->toPlainText().isEmpty());
        h.Button_lesen->click();
        QCOMPARE(Unit_Textpuffer::Memo_CSV.Zeilen, Profiltext);

        h.Button_WayPoints->click();
        h.Button_berechnen->click();
        QCOMPARE(Tauchgang(), erwartet);
        QVERIFY(Unit_Main::Eingabe_gesperrt);
        QVERIFY(Oberflaeche.Meldungen.empty());
    }

    void Getippter_Text_wird_der_Tauchgang() {
        Kalibrierter_Tauchgang();
        f->findChild<QAction*>("Aktion_Hoehlentauchen")->trigger();
        T_Form_CaveDiving& h = *f->Hoehlentauchen;
        // the diver writes a profile of his own: 30 m at 10 m/min, 30 m back at 15 m/min
        h.Memo_CSV->setFocus();
        for (const char* Zeile :
             {"\" Profil", "0.0,10.0,0.00,Luft,21,79,0,OC,1,0.21", "30.0,10.0,12.00,Luft,21,79,0,OC,1,0.46",
              "0.0,15.0,6.00,Luft,21,79,0,OC,1,0.34"}) {
            QTest::keyClicks(h.Memo_CSV, Zeile);
            QTest::keyClick(h.Memo_CSV, Qt::Key_Return);
        }
        h.Button_WayPoints->click();
        QCOMPARE(W::WayPoint_Anzahl, 2);
        QCOMPARE(W::WayPoint[1].m_Wasser, 12.0f);
        QVERIFY(qAbs(W::WayPoint[1].min_Runtime - 3.0f) < 0.001f);
        QVERIFY(qAbs(W::WayPoint[2].min_Runtime - 5.0f) < 0.001f);

        // a cut whose range holds no point: a message, the dive stays
        tippen(h.Edit_von_m, "40");
        tippen(h.Edit_bis_m, "50");
        h.Button_ausschneiden->click();
        QCOMPARE(W::WayPoint_Anzahl, 2);
        QCOMPARE(Oberflaeche.Meldungen.size(), static_cast<std::size_t>(1));
    }
};

QTEST_MAIN(test_T_Form_CaveDiving)
#include "test_T_Form_CaveDiving.moc"
