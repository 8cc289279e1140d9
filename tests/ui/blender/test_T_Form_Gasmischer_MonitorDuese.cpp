// The fill monitor as a blender uses it, against the simulated stand in process: a fill with
// automatic valves reaches its targets; a failed reading, a lost link and closing the window each
// leave both valves closed; "Stop" acts while a measurement is running.
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "support/Standquelle.hpp"
#include "ui/blender/T_Form_Gasmischer_MonitorDuese.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace S = Unit_Gasmischer_Sensoren;
using Uhr = std::chrono::steady_clock;

namespace {

// The stand, with the moment the oxygen valve was last closed.
class Zeitstand : public Mischstand {
  public:
    bool Schreiben(std::string_view Bytes) override {
        const std::size_t vorher = Zeilen.size();
        const bool ok = Mischstand::Schreiben(Bytes);
        if (Zeilen.size() > vorher && Zeilen.back() == "VA0") O2_zu = Uhr::now();
        return ok;
    }
    Uhr::time_point O2_zu;
};

Unit_Gasmischer::Fuellziel Trimix_21_35() {
    const Unit_Gasmischer::Gas leer{Unit_Gasmischer::Luft, 0, 6.8};
    return *Unit_Gasmischer::Ziel_fuer_Einduesen(leer, {Unit_Gasmischer::auf_100_Prozent(21, 35), 200, 6.8});
}

std::vector<std::string> letzte_Zeilen(const Mischstand& s, std::size_t n) {
    const auto v = s.Ventilzeilen();
    return {v.end() - long(std::min(n, v.size())), v.end()};
}

} // namespace

class test_T_Form_Gasmischer_MonitorDuese : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    struct Aufbau {
        Zeitstand Stand;
        Unit_DaqOntrakCom::Wandler Wandler{Stand};
        Standquelle Quelle{Stand};
        T_Form_Gasmischer_MonitorDuese Fenster{Wandler, Quelle};
        Aufbau() {
            Fenster.Oeffnen(Trimix_21_35());
            QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
        }
        // Started, and past its first openings.
        void fuellen(int Messungen) {
            Fenster.Button_Fuellen_Start->click();
            QTRY_VERIFY(Quelle.Messungen >= Messungen);
            QVERIFY(Fenster.Zustand().fuellt);
            QVERIFY(Fenster.Zustand().Oeffnung[0] > 0);
        }
    };

    QString Meldungen() const {
        QString Text;
        for (const auto& m : Oberflaeche.Meldungen) Text += QString::fromStdString(m.Text) + "\n";
        return Text;
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Fuellung_mit_Automatik_erreicht_die_Ziele() {
        Aufbau a;
        const auto Ziel = Trimix_21_35();
        QCOMPARE(a.Fenster.findChild<QLabel*>("Label_Soll_O2_a")->text(),
                 "Soll = " + QString::fromStdString(Unit_Tools::Zahl_formatieren(0, 1, Ziel.Sensor1)) + " %");
        QVERIFY(a.Fenster.CheckBox_Ventile_Automatik->isChecked());
        a.fuellen(1);
        const auto nah = [&] {
            return std::abs(a.Fenster.Slide_O2_a->value() / 10.0 - Ziel.Sensor1) <= 0.2 &&
                   std::abs(a.Fenster.Slide_O2_b->value() / 10.0 - Ziel.Sensor2) <= 0.2;
        };
        QTRY_VERIFY_WITH_TIMEOUT(nah(), 30000);
        QVERIFY(a.Fenster.Label_Fuellzeit->text().startsWith("Füllzeit = 00:00:"));
        QVERIFY(a.Fenster.Label_Kosten->text().endsWith(" EUR"));
        QVERIFY(a.Stand.groesster_Code() <= 4095);
        a.Fenster.Button_Fuellen_Stop->click();
        QCOMPARE(letzte_Zeilen(a.Stand, 2), (std::vector<std::string>{"VA0", "VB0"}));
        QTRY_VERIFY(Meldungen().startsWith("Füllung beendet\nZeit = "));
        QCOMPARE(a.Fenster.Slide_Ventil_O2->value(), 0);
        QVERIFY(a.Fenster.Button_Fuellen_Start->isEnabled());
    }

    void Simulierte_Fuellung_ohne_Wandler() {
        // The blender tries the monitor without a stand: the readings are the slides he moves.
        struct Schieberquelle : Standquelle {
            using Standquelle::Standquelle;
            bool Simulation() const override { return true; }
            S::Messwerte Messen(const std::function<bool()>& weiter) override {
                Standquelle::Messen(weiter);
                return Fenster->Simulationswerte();
            }
            T_Form_Gasmischer_MonitorDuese* Fenster = nullptr;
        };
        Zeitstand Stand;
        Stand.Verbindung = false;
        Unit_DaqOntrakCom::Wandler Wandler(Stand);
        Schieberquelle Quelle(Stand);
        T_Form_Gasmischer_MonitorDuese Fenster(Wandler, Quelle);
        Quelle.Fenster = &Fenster;
        Fenster.Oeffnen(Trimix_21_35());
        Fenster.Slide_O2_a->setValue(323);
        Fenster.Slide_O2_b->setValue(208);
        Fenster.Button_Fuellen_Start->click();
        QVERIFY(Fenster.windowTitle().contains("simuliert"));
        QVERIFY(!Fenster.Button_Kalibrieren->isEnabled());
        QTRY_VERIFY(Quelle.Messungen >= 3);
        Fenster.Slide_Druck->setValue(1000); // 100 bar
        QTRY_VERIFY(Quelle.Messungen >= 5);
        QVERIFY(Fenster.Zustand().fuellt);
        QCOMPARE(Fenster.Zustand().bar_aktuell, 100.0);
        // 100 - 20.8 * 67.7 / 32.3 - 20.8 = 35.6 % helium streamed into the empty cylinder.
        QVERIFY(Fenster.Label_Mix_abgefuellt->text().contains("He = 35.6 %"));
        Fenster.Button_Fuellen_Stop->click();
        QTRY_VERIFY(Meldungen().startsWith("Füllung beendet"));
        QVERIFY(!Meldungen().contains("von Hand"));
    }

    // A sensor that fails, the link lost (-1) or the window closed (-2) during a fill.
    void Stoerung_schliesst_die_Ventile_data() {
        QTest::addColumn<int>("Ausfall");
        QTest::addColumn<QString>("Grund");
        QTest::addColumn<bool>("zu");
        QTest::newRow("Zelle a") << int(S::O2_a) << "Sauerstoff 1" << true;
        QTest::newRow("Druck") << int(S::Druck) << "Druck" << true;
        QTest::newRow("Verbindung") << -1 << "von Hand schließen" << false;
        QTest::newRow("Fenster geschlossen") << -2 << "" << true;
    }
    void Stoerung_schliesst_die_Ventile() {
        QFETCH(int, Ausfall);
        QFETCH(QString, Grund);
        QFETCH(bool, zu);
        Aufbau a;
        a.fuellen(3);
        const std::size_t vorher = a.Stand.Ventilzeilen().size();
        if (Ausfall >= 0) a.Quelle.Ausfall = Ausfall;
        if (Ausfall == -1) a.Stand.Verbindung = false;
        if (Ausfall == -2) a.Fenster.close();
        QTRY_VERIFY(!a.Fenster.Zustand().fuellt);
        QTRY_VERIFY(Meldungen().contains("Füllung beendet"));
        QVERIFY(Meldungen().contains(Grund));
        QCOMPARE(Oberflaeche.Meldungen.back().Art,
                 Grund.isEmpty() ? Unit_UI::Meldungsart::Info : Unit_UI::Meldungsart::Problem);
        const auto Ventile = a.Stand.Ventilzeilen();
        const std::vector<std::string> erwartet =
            zu ? std::vector<std::string>{"VA0", "VB0"} : std::vector<std::string>{};
        QCOMPARE(std::vector<std::string>(Ventile.begin() + long(vorher), Ventile.end()), erwartet);
        // Nothing is measured or steered after.
        const int Messungen = a.Quelle.Messungen;
        QTest::qWait(50);
        QCOMPARE(a.Quelle.Messungen, Messungen);
    }

    void Stop_wirkt_waehrend_einer_Messung() {
        std::vector<double> ms;
        for (int Lauf = 0; Lauf < 5; ++Lauf) {
            Aufbau a;
            a.Quelle.Dauer = std::chrono::milliseconds(1000);
            a.Fenster.Button_Fuellen_Start->click();
            Uhr::time_point geklickt;
            // The click arrives as a user's does, through the event queue, in the middle of a measurement.
            QTimer::singleShot(300, [&] {
                QPushButton* b = a.Fenster.Button_Fuellen_Stop;
                const QPointF Mitte = b->rect().center();
                geklickt = Uhr::now();
                for (auto Art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(b, new QMouseEvent(Art, Mitte, b->mapToGlobal(Mitte),
                                                                   Qt::LeftButton, Qt::LeftButton,
                                                                   Qt::NoModifier));
            });
            QTRY_VERIFY(!a.Fenster.Zustand().fuellt);
            QCOMPARE(a.Quelle.Messungen, 0);
            ms.push_back(std::chrono::duration<double, std::milli>(a.Stand.O2_zu - geklickt).count());
        }
        std::sort(ms.begin(), ms.end());
        qInfo("Stop bis Ventil zu: Median %.1f ms, größter %.1f ms", ms[ms.size() / 2], ms.back());
        QVERIFY(ms.back() < 100);
    }
};

QTEST_MAIN(test_T_Form_Gasmischer_MonitorDuese)
#include "test_T_Form_Gasmischer_MonitorDuese.moc"
