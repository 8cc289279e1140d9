// A fill as a blender runs it on the stand: the real serial port on the simulated converter's
// pseudo-terminal, the sensor window measuring, the fill monitor steering. The stream reaches a 21/35
// trimix, and every fault of the converter or of a cell ends the fill with both valves closed.
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "support/ADR_Simulator.hpp"
#include "ui/blender/Serielle_Strecke.hpp"
#include "ui/blender/T_Form_Gasmischer_MonitorDuese.hpp"
#include "ui/blender/T_Form_Gasmischer_Sensoren.hpp"

#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <chrono>
#include <cmath>

namespace {

// The port, with every valve line written to it kept in order.
class Ventilprotokoll : public Unit_DaqOntrakCom::Bytestrecke {
  public:
    explicit Ventilprotokoll(Serielle_Strecke& Port) : Port(Port) {}
    bool verbunden() const override { return Port.verbunden(); }
    bool Schreiben(std::string_view Bytes) override {
        for (const char c : Bytes) {
            if (c != '\r') {
                Zeile += c;
                continue;
            }
            if (Zeile.starts_with('V')) Ventile.push_back(Zeile);
            Zeile.clear();
        }
        return Port.Schreiben(Bytes);
    }
    std::string Lesen(std::chrono::milliseconds Frist) override { return Port.Lesen(Frist); }
    std::string Name() const override { return Port.Name(); }

    std::vector<std::string> Ventile;

  private:
    Serielle_Strecke& Port;
    std::string Zeile;
};

Unit_Gasmischer::Fuellziel Trimix_21_35() {
    const Unit_Gasmischer::Gas leer{Unit_Gasmischer::Luft, 0, 6.8};
    return *Unit_Gasmischer::Ziel_fuer_Einduesen(leer, {Unit_Gasmischer::auf_100_Prozent(21, 35), 200, 6.8});
}

// A quarter of a second per measurement keeps the run short; the stand itself runs in real time.
constexpr int Messzeit_ms = 250;

struct Mischstand {
    ADR_Simulator Simulator;
    Serielle_Strecke Port;
    Ventilprotokoll Leitung{Port};
    Unit_DaqOntrakCom::Wandler Wandler{Leitung};
    T_Form_Gasmischer_Sensoren Sensoren{Wandler};
    T_Form_Gasmischer_MonitorDuese Monitor{Wandler, Sensoren};

    explicit Mischstand(std::vector<std::string> Optionen) : Simulator(std::move(Optionen)) {
        Unit_Wandleranschluss::Anschluss a;
        a.Port = Simulator.Geraet;
        Port.Einstellen(a);
        Port.Oeffnen();
        Sensoren.SpinEdit_Messzeit_ms->setValue(Messzeit_ms);
        Monitor.Oeffnen(Trimix_21_35());
    }
    bool am_Ziel(double Toleranz) const {
        const auto& s = Monitor.Zustand();
        return std::abs(s.O2_a - s.Ziel.Sensor1) <= Toleranz && std::abs(s.O2_b - s.Ziel.Sensor2) <= Toleranz;
    }
};

} // namespace

class test_Fuellung_am_Simulator : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    QString Meldungen() const {
        QString Text;
        for (const auto& m : Oberflaeche.Meldungen) Text += QString::fromStdString(m.Text) + "\n";
        return Text;
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Meldungen.clear();
    }

    // The automatic valves bring both cells within 0.3 % of their targets and hold them there for
    // two seconds; the pairs of valve settings it took are the steering's cycles.
    void Automatik_bringt_den_Strom_auf_21_35() {
        Mischstand Stand({});
        QVERIFY2(Stand.Port.verbunden(), Stand.Simulator.Geraet.c_str());
        Stand.Monitor.Button_Fuellen_Start->click();
        using Uhr = std::chrono::steady_clock;
        const auto Ende = Uhr::now() + std::chrono::seconds(60);
        auto im_Ziel_seit = Uhr::time_point::max();
        while (Uhr::now() < Ende &&
               Uhr::now() - std::min(im_Ziel_seit, Uhr::now()) < std::chrono::seconds(2)) {
            QTest::qWait(20);
            QVERIFY2(Stand.Monitor.Zustand().fuellt, qPrintable(Meldungen()));
            if (!Stand.am_Ziel(0.3))
                im_Ziel_seit = Uhr::time_point::max();
            else if (im_Ziel_seit == Uhr::time_point::max())
                im_Ziel_seit = Uhr::now();
        }
        QVERIFY2(Stand.am_Ziel(0.3), qPrintable(QString("O2 (a) %1, O2 (b) %2")
                                                    .arg(Stand.Monitor.Zustand().O2_a)
                                                    .arg(Stand.Monitor.Zustand().O2_b)));
        const auto Zyklen = Stand.Leitung.Ventile.size() / 2;
        qInfo("steering cycles to the target: %zu", Zyklen);
        QVERIFY(Zyklen <= 60);
        Stand.Monitor.Button_Fuellen_Stop->click();
        QCOMPARE(Stand.Leitung.Ventile.back(), std::string("VB0"));
        QCOMPARE(Stand.Leitung.Ventile.end()[-2], std::string("VA0"));
        QVERIFY(Stand.Monitor.Zustand().bar_aktuell > 0);
    }

    void jede_Stoerung_schliesst_die_Ventile_data() {
        QTest::addColumn<QStringList>("Optionen");
        QTest::addColumn<QString>("Meldung");
        QTest::addColumn<bool>("Ventile_zu");
        // Counts not divisible by four, so the fault falls on a cell or the pressure, not only
        // ever on the temperature.
        QTest::newRow("Antwort fehlt") << QStringList{"--drop-every", "3001"} << "abgebrochen" << true;
        QTest::newRow("Antwort verstümmelt")
            << QStringList{"--garble-every", "3001"} << "abgebrochen" << true;
        QTest::newRow("Antwort zu spät") << QStringList{"--delay-ms", "150"} << "abgebrochen" << true;
        QTest::newRow("Zelle hängt") << QStringList{"--freeze-cell", "1"} << "folgt seinem Ventil nicht"
                                     << true;
        QTest::newRow("Wandler abgezogen") << QStringList{"--close-after-s", "1.5"} << "von Hand" << false;
    }
    void jede_Stoerung_schliesst_die_Ventile() {
        QFETCH(QStringList, Optionen);
        QFETCH(QString, Meldung);
        QFETCH(bool, Ventile_zu);
        std::vector<std::string> o;
        for (const auto& t : Optionen) o.push_back(t.toStdString());
        Mischstand Stand(o);
        QVERIFY2(Stand.Port.verbunden(), Stand.Simulator.Geraet.c_str());
        Stand.Monitor.Button_Fuellen_Start->click();
        // Each wait runs a whole measurement, so the deadline is kept by the clock, not by counting.
        const auto Ende = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while ((Stand.Monitor.Zustand().fuellt || Oberflaeche.Meldungen.empty()) &&
               std::chrono::steady_clock::now() < Ende)
            QTest::qWait(20);
        QVERIFY(!Stand.Monitor.Zustand().fuellt);
        QVERIFY2(Meldungen().contains("Füllung abgebrochen") && Meldungen().contains(Meldung),
                 qPrintable(Meldungen()));
        const auto& v = Stand.Leitung.Ventile;
        if (Ventile_zu) {
            QVERIFY(v.size() >= 2);
            QCOMPARE(v.end()[-2], std::string("VA0"));
            QCOMPARE(v.back(), std::string("VB0"));
        }
        // Nothing is steered after the stop, whatever the stand still answers.
        const auto gesendet = v.size();
        QTest::qWait(3 * Messzeit_ms);
        QCOMPARE(Stand.Leitung.Ventile.size(), gesendet);
    }
};

QTEST_MAIN(test_Fuellung_am_Simulator)
#include "test_Fuellung_am_Simulator.moc"
