// The converter's test window through the real serial port against the simulated converter:
// readings in both ranges and modes, the valve output reaching the stand, the link's faults in the
// error panel (never in a dialog), the port's setting, and a start without a converter.
#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Textdatei.hpp"
#include "settings/Unit_Wandleranschluss.hpp"
#include "support/ADR_Simulator.hpp"
#include "ui/blender/Schnittstellendialog.hpp"
#include "ui/blender/T_Form_DaqOntrakCom.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace A = Unit_Wandleranschluss;

namespace {
A::Anschluss am_Simulator(const ADR_Simulator& sim) {
    A::Anschluss a;
    a.Port = sim.Geraet;
    return a;
}

// One reading as the user takes it: range, mode, channel and count chosen, "Lesen" clicked.
struct Ablesung {
    double mV;
    bool ok;
};
Ablesung ablesen(T_Form_DaqOntrakCom& f, int Bereich, int Messart, int Kanal, int Anzahl = 1) {
    f.ComboBox_InputRange->setCurrentIndex(Bereich);
    f.ComboBox_Messart->setCurrentIndex(Messart);
    f.ComboBox_Kanal->setCurrentIndex(Kanal);
    f.SpinEdit_Mittelung->setValue(Anzahl);
    f.Button_Lesen->click();
    return {f.Edit_Spannung->text().toDouble(), f.Label_OK->text() == "OK"};
}

bool Panel_sichtbar(T_Form_DaqOntrakCom& f) {
    return f.Panel_Bottom_ErrorMessages->isVisibleTo(&f) && !f.Label_ErrorMessages->text().isEmpty();
}

// One step of the converter's code in the range -5 .. +5 V, in mV.
constexpr double Stufe_mV = 10000.0 / 4095;
} // namespace

class test_T_Form_DaqOntrakCom : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    QTemporaryDir Einstellungsordner;

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", Einstellungsordner.path().toLocal8Bit()); }
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    // Both ranges scale the same voltage alike; a differential pair reads the difference of its
    // inputs, reversed when its second input is the positive one; the mean of quiet readings is
    // the reading; and an output set moves the oxygen cell behind the valve it opens.
    void Eingaenge_lesen_und_Ventil_stellen() {
        ADR_Simulator sim({"--noise-mv", "0"});
        T_Form_DaqOntrakCom f;
        f.Strecke().Einstellen(am_Simulator(sim));
        f.Button_Open->click();
        QVERIFY2(f.Strecke().verbunden(), qPrintable(f.Label_ErrorMessages->text()));
        struct Fall {
            int Bereich, Messart, Kanal;
        };
        const Fall Faelle[] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
        std::vector<double> mV;
        for (const Fall& k : Faelle) {
            const Ablesung a = ablesen(f, k.Bereich, k.Messart, k.Kanal);
            QVERIFY2(a.ok, qPrintable(f.Label_ErrorMessages->text()));
            QVERIFY(!Panel_sichtbar(f));
            mV.push_back(a.mV);
        }
        QVERIFY(mV[0] > 100 && mV[2] > mV[0] + 10); // two cells, two different voltages
        QVERIFY(std::abs(mV[0] - mV[1]) <= Stufe_mV);
        QVERIFY(std::abs(mV[2] - mV[3]) <= Stufe_mV);
        QVERIFY(std::abs(mV[4] - (mV[1] - mV[3])) <= 2 * Stufe_mV);
        QVERIFY(std::abs(mV[5] + mV[4]) <= 2 * Stufe_mV);
        QVERIFY(std::abs(mV[6] - mV[5]) <= Stufe_mV);
        QVERIFY(std::abs(ablesen(f, 0, 0, 0, 10).mV - mV[0]) <= Stufe_mV);

        f.SpinEdit_Ausgang1->setValue(5000);
        f.Button_Ausgang1->click();
        QVERIFY(!Panel_sichtbar(f));
        QTest::qWait(500);
        QVERIFY(ablesen(f, 0, 0, 0).mV > mV[0] + 50);
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
    }

    // Each new reading hides the panel again; a fault never opens a dialog.
    void Fehler_der_Strecke_im_Panel_data() {
        QTest::addColumn<QStringList>("Optionen");
        QTest::addColumn<QList<bool>>("gelungen");
        QTest::newRow("jede zweite Antwort fehlt")
            << QStringList{"--drop-every", "2"} << QList<bool>{true, false, true};
        QTest::newRow("jede zweite Antwort verstümmelt")
            << QStringList{"--garble-every", "2"} << QList<bool>{true, false, true};
        QTest::newRow("jede Antwort zu spät")
            << QStringList{"--delay-ms", "250"} << QList<bool>{false, false};
    }
    void Fehler_der_Strecke_im_Panel() {
        QFETCH(QStringList, Optionen);
        QFETCH(QList<bool>, gelungen);
        std::vector<std::string> o;
        for (const QString& s : Optionen) o.push_back(s.toStdString());
        ADR_Simulator sim(o);
        T_Form_DaqOntrakCom f;
        A::Einstellung = am_Simulator(sim);
        f.Open_def();
        QVERIFY2(f.Strecke().verbunden(), qPrintable(f.Label_ErrorMessages->text()));
        for (const bool ok : gelungen) {
            const Ablesung a = ablesen(f, 0, 0, 0);
            QCOMPARE(a.ok, ok);
            QCOMPARE(Panel_sichtbar(f), !ok);
            if (!ok) QCOMPARE(a.mV, -1000.0);
        }
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
    }

    // The converter unplugged: the link closes, says so, and a reading afterwards fails at once.
    void Strecke_geht_verloren() {
        Unit_Tools::Sprache = 1;
        ADR_Simulator sim({"--close-after-s", "0.3"});
        T_Form_DaqOntrakCom f;
        A::Einstellung = am_Simulator(sim);
        f.Open_def();
        QVERIFY2(f.Strecke().verbunden(), qPrintable(f.Label_ErrorMessages->text()));
        // Read on as a fill does: the loss is noticed in the middle of a reading.
        const auto Ende = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        for (int i = 0; f.Strecke().verbunden() && std::chrono::steady_clock::now() < Ende; ++i)
            ablesen(f, 0, 0, i % 4);
        QVERIFY(!f.Strecke().verbunden());
        QVERIFY(Panel_sichtbar(f));
        QVERIFY(f.Label_ErrorMessages->text().contains(QString::fromStdString(sim.Geraet)));
        QVERIFY(f.Label_ErrorMessages->text().contains("link closed"));
        QVERIFY(f.Label_Schnittstelle->text().contains("not connected"));
        const auto Beginn = std::chrono::steady_clock::now();
        QVERIFY(!ablesen(f, 0, 0, 0).ok);
        QVERIFY(std::chrono::steady_clock::now() - Beginn < std::chrono::milliseconds(50));
        QVERIFY(f.Label_ErrorMessages->text().contains(
            "Serial interface " + QString::fromStdString(sim.Geraet) + " not ready during \"write string\""));
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
    }

    // Open, Close, "?" and Configure as the user clicks them, in both languages; the port chosen
    // in the dialog is opened and kept in the settings file.
    void Schnittstelle_bedienen_data() {
        QTest::addColumn<int>("Sprache");
        QTest::addColumn<QString>("offen");
        QTest::addColumn<QString>("zu");
        QTest::addColumn<QString>("verbunden");
        QTest::newRow("deutsch") << 0 << "Gerät ist bereits geöffnet"
                                 << "Gerät ist bereits geschlossen"
                                 << "Serielle Schnittstelle verbunden = ";
        QTest::newRow("english") << 1 << "Device is already opened"
                                 << "Device is already closed"
                                 << "Serial interface connected = ";
    }
    void Schnittstelle_bedienen() {
        QFETCH(int, Sprache);
        QFETCH(QString, offen);
        QFETCH(QString, zu);
        QFETCH(QString, verbunden);
        Unit_Tools::Sprache = Sprache;
        ADR_Simulator sim({});
        T_Form_DaqOntrakCom f;
        f.show();
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<Schnittstellendialog*>(QApplication::activeModalWidget());
            if (!d) return;
            d->ComboBox_Port->setCurrentText(QString::fromStdString(sim.Geraet));
            d->ComboBox_Baudrate->setCurrentText("57600");
            d->ComboBox_Stoppbits->setCurrentIndex(2);
            d->Knoepfe->button(QDialogButtonBox::Ok)->click();
        });
        f.Button_Configure->click();
        QCOMPARE(f.Strecke().Einstellung().Port, sim.Geraet);
        f.Button_Open->click();
        QVERIFY2(f.Strecke().verbunden(), qPrintable(f.Label_ErrorMessages->text()));
        f.Button_Open->click();
        f.Button_Info->click();
        f.Button_Close->click();
        f.Button_Close->click();
        QVERIFY(!f.Strecke().verbunden());
        const auto& m = Oberflaeche.Meldungen;
        QCOMPARE(m.size(), std::size_t{2 + 1});
        QCOMPARE(QString::fromStdString(m[0].Text), offen);
        QVERIFY(QString::fromStdString(m[1].Text).startsWith(
            verbunden + "true\rPort = " + QString::fromStdString(sim.Geraet) + "\rBaudrate = 57600"));
        QCOMPARE(QString::fromStdString(m[2].Text), zu);

        // What the dialog chose comes back from the settings file.
        const auto Datei = Unit_Textdatei::Datei_lesen(Unit_Einstellungsdatei::Einstellungsdatei());
        QVERIFY(Datei.gelesen);
        A::Einstellung = {};
        Unit_Einstellungsdatei::Einstellungen_aus_Zeilen(Datei.Zeilen);
        QCOMPARE(A::Einstellung, f.Strecke().Einstellung());
        QCOMPARE(A::Einstellung.Stoppbits, 2);
    }

    // The main window opens the converter's port from the setting when it is first shown; without
    // a converter the start goes on without a dialog, the test window's panel tells why.
    void Start_mit_und_ohne_Wandler() {
        ADR_Simulator sim({});
        for (const std::string& Port : {sim.Geraet, std::string("/dev/brelune-kein-wandler")}) {
            A::Einstellung = {};
            A::Einstellung.Port = Port;
            T_Form_main m;
            m.show();
            const bool da = Port == sim.Geraet;
            QVERIFY2(m.Wandlertest->Strecke().verbunden() == da,
                     qPrintable(m.Wandlertest->Label_ErrorMessages->text()));
            QVERIFY2(Panel_sichtbar(*m.Wandlertest) == !da,
                     qPrintable(m.Wandlertest->Label_ErrorMessages->text()));
            QCOMPARE(m.Wandlertest->Label_ErrorMessages->text().contains(QString::fromStdString(Port)), !da);
            QCOMPARE(m.Wandlertest->Wandler().Spannung_lesen(Unit_DaqOntrakCom::Messart::Einzeln, 2).ok, da);
            QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
            // A switch of the language reaches the test window, shown or not.
            m.findChild<QAction*>(da ? "Aktion_english" : "Aktion_deutsch")->trigger();
            QCOMPARE(m.Wandlertest->Button_OpenDef->text(), QString(da ? "Open def" : "Öffnen (Standard)"));
        }
    }
};

QTEST_MAIN(test_T_Form_DaqOntrakCom)
#include "test_T_Form_DaqOntrakCom.moc"
