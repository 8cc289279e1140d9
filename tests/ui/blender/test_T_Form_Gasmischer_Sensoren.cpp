// The sensor window driven as a blender uses it, against the simulated converter on a
// pseudo-terminal: measure, calibrate on air, set a table, save and load the tables.
#include "blender/Unit_Gasmischer_Sensoren.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "support/ADR_Simulator.hpp"
#include "support/Terminal_Strecke.hpp"
#include "ui/blender/T_Form_Gasmischer_Sensoren.hpp"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>

namespace S_ = Unit_Gasmischer_Sensoren;
using Fenster = T_Form_Gasmischer_Sensoren;

namespace {

// Answers the file dialogs one after another from a list; an empty answer is a cancel.
class Oberflaeche_mit_Dateien : public Unit_UI::Headless {
  public:
    std::deque<std::optional<std::string>> Dateien;
    std::optional<std::string> Datei_waehlen(const Unit_UI::Dateiwahl&) override {
        if (Dateien.empty()) return std::nullopt;
        auto d = Dateien.front();
        Dateien.pop_front();
        return d;
    }
};

// A converter that is not attached: for the tasks that need no reading.
class Keine_Strecke : public Unit_DaqOntrakCom::Bytestrecke {
  public:
    bool verbunden() const override { return false; }
    bool Schreiben(std::string_view) override { return false; }
    std::string Lesen(std::chrono::milliseconds) override { return {}; }
};

// The window on the simulated stand.
struct Am_Simulator {
    explicit Am_Simulator(std::vector<std::string> Optionen)
        : sim(std::move(Optionen)), Strecke(sim), w(Strecke) {}
    ADR_Simulator sim;
    Terminal_Strecke Strecke;
    Unit_DaqOntrakCom::Wandler w;
    Fenster f{w};
};

double Zahl_in(const QLabel* l) {
    return l->text().remove(QRegularExpression("<[^>]*>")).section(' ', 0, 0).toDouble();
}

QString Memo(Fenster& f, int k) {
    return f.Zeilen[std::size_t(k)].Memo_Tabelle->toPlainText();
}

void Memo_setzen(Fenster& f, int k, const QString& Text) {
    f.Zeilen[std::size_t(k)].Memo_Tabelle->setPlainText(Text);
    QTest::mouseClick(f.Zeilen[std::size_t(k)].Button_setzen, Qt::LeftButton);
}

} // namespace

class test_T_Form_Gasmischer_Sensoren : public QObject {
    Q_OBJECT
    Oberflaeche_mit_Dateien Oberflaeche;

  private slots:
    void initTestCase() { Unit_Tools::Dezimaltrennzeichen_setzen('.'); }
    void init() {
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
    }

    void messen_zeigt_die_Statistik_und_Stop_beendet_sofort() {
        Am_Simulator a({});
        QVERIFY2(a.Strecke.verbunden(), a.sim.Geraet.c_str());
        a.f.show();
        a.f.SpinEdit_Messzeit_ms->setValue(300);
        QTest::mouseClick(a.f.Button_Messen, Qt::LeftButton);
        for (int k = 0; k < Fenster::N; ++k) {
            const auto& z = a.f.Zeilen[std::size_t(k)];
            QVERIFY2(Zahl_in(z.n) >= 10, qPrintable(z.n->text()));
            QVERIFY(Zahl_in(z.Min) <= Zahl_in(z.Mittel) && Zahl_in(z.Mittel) <= Zahl_in(z.Max));
            QCOMPARE(z.OK->text(), QString("ja"));
        }
        QVERIFY(qAbs(Zahl_in(a.f.Zeilen[S_::O2_a].Mittel) - a.f.Sensoren()[S_::O2_a].Messung.Mittel) <
                0.0006);
        QVERIFY(qAbs(Zahl_in(a.f.Zeilen[S_::O2_a].Wert) - 20.9) < 0.3);
        QVERIFY(qAbs(Zahl_in(a.f.Zeilen[S_::O2_b].Wert) - 20.9) < 0.3);
        QVERIFY(a.f.Label_Echte_Messzeit->text().startsWith("Echte Messzeit (ms) = "));
        QVERIFY(a.f.Label_Echte_Messzeit->text().section("= ", 1).toInt() >= 300);

        // A long measurement for the fill monitor, stopped from the window after a moment.
        a.f.SpinEdit_Messzeit_ms->setValue(60000);
        QTimer::singleShot(300, a.f.Button_Stop, [&] { QTest::mouseClick(a.f.Button_Stop, Qt::LeftButton); });
        QElapsedTimer Uhr;
        Uhr.start();
        const auto Werte = a.f.Messen([] { return true; });
        QVERIFY2(Uhr.elapsed() < 1000, qPrintable(QString::number(Uhr.elapsed())));
        QVERIFY(Werte.alle_ok());
        QVERIFY(a.f.Button_Messen->isEnabled());
    }

    void auf_Luft_kalibrieren_und_verweigern_bei_verlorenen_Antworten() {
        for (const bool Antworten_fehlen : {true, false}) {
            Oberflaeche.Zuruecksetzen();
            Am_Simulator a(Antworten_fehlen ? std::vector<std::string>{"--drop-every", "2"}
                                            : std::vector<std::string>{});
            a.f.show();
            a.f.SpinEdit_Messzeit_cal_ms->setValue(300);
            const QString vorher = Memo(a.f, S_::O2_a) + Memo(a.f, S_::O2_b);
            QTest::mouseClick(a.f.Button_Kalibrieren, Qt::LeftButton);
            QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t(1));
            const auto& s = a.f.Sensoren();
            if (Antworten_fehlen) {
                QCOMPARE(Oberflaeche.Meldungen[0].Text,
                         std::string("Kalibrierung der Sauerstoffsensoren hat nicht funktioniert"));
                QCOMPARE(Memo(a.f, S_::O2_a) + Memo(a.f, S_::O2_b), vorher);
                QCOMPARE(a.f.Zeilen[S_::O2_b].OK->text(), QString("nein"));
            } else {
                QVERIFY2(Oberflaeche.Anzahl("kalibriert") == 1, Oberflaeche.Meldungen[0].Text.c_str());
                for (int k : {S_::O2_a, S_::O2_b}) {
                    // The air point of the current table is where the cell read air.
                    QCOMPARE(Memo(a.f, k),
                             QString::fromStdString(S_::Tabellentext(s[std::size_t(k)].Aktuell)));
                    QVERIFY(qAbs(s[std::size_t(k)].Aktuell.Punkte[1].mV - s[std::size_t(k)].Messung.Mittel) <
                            1e-9);
                }
                QCOMPARE(Zahl_in(a.f.Zeilen[S_::O2_a].Wert), 20.9);
            }
        }
    }

    void eine_Tabelle_setzen_zeigen_und_testen() {
        Keine_Strecke Strecke;
        Unit_DaqOntrakCom::Wandler w(Strecke);
        Fenster f(w);
        f.show();
        Memo_setzen(f, S_::Druck, "1000 0\n5000 400 bar\n");
        QCOMPARE(Memo(f, S_::Druck), QString("1000.000   0.00\n5000.000 400.00\n"));
        f.ComboBox_Test_Sensor->setCurrentIndex(S_::Druck);
        f.Edit_Test_mV->setText("3000");
        QTest::mouseClick(f.Button_Test_cal, Qt::LeftButton);
        QCOMPARE(f.Label_Test_Ergebnis->text(), QString("= 200.000 bar"));

        const QString gesetzt = Memo(f, S_::Druck);
        Memo_setzen(f, S_::Druck, "1000 0\n5OOO 400\n");
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t(1));
        QTest::mouseClick(f.Button_Test_cal, Qt::LeftButton);
        QCOMPARE(f.Label_Test_Ergebnis->text(), QString("= 200.000 bar"));

        f.findChild<QAction*>("Aktion_zeige_default_2")->trigger();
        QCOMPARE(Memo(f, S_::Druck),
                 QString::fromStdString(S_::Tabellentext(f.Sensoren()[S_::Druck].Standard)));
        f.findChild<QAction*>("Aktion_zeige_aktuell_2")->trigger();
        QCOMPARE(Memo(f, S_::Druck), gesetzt);
    }

    void Tabellen_speichern_und_lesen() {
        Keine_Strecke Strecke;
        Unit_DaqOntrakCom::Wandler w(Strecke);
        Fenster f(w);
        f.show();
        QTemporaryDir Ordner;
        const auto Pfad = [&](int k) { return Ordner.filePath(QString("t%1.txt").arg(k)).toStdString(); };
        Memo_setzen(f, S_::O2_a, "0 0\n400 20.9\n2000 100\n");
        Memo_setzen(f, S_::Temperatur, "2600 -10\n2900 15\n3700 100\n");
        std::array<QString, 4> gespeichert;
        for (int k = 0; k < 4; ++k) gespeichert[std::size_t(k)] = Memo(f, k);
        Oberflaeche.Dateien = {Pfad(0), std::nullopt, Pfad(2), Pfad(3)};
        QTest::mouseClick(f.Button_Speichern, Qt::LeftButton);
        QVERIFY(!QFile::exists(QString::fromStdString(Pfad(1))));

        for (int k = 0; k < 4; ++k) Memo_setzen(f, k, Memo(f, k).replace("0.00\n", "1.00\n"));
        std::array<QString, 4> geaendert;
        for (int k = 0; k < 4; ++k) geaendert[std::size_t(k)] = Memo(f, k);
        QFile Kaputt(Ordner.filePath("kaputt.txt"));
        QVERIFY(Kaputt.open(QIODevice::WriteOnly));
        Kaputt.write("Temperatur\n\x01\x02\n");
        Kaputt.close();
        Oberflaeche.Dateien = {Pfad(0), std::nullopt, Pfad(2), Kaputt.fileName().toStdString()};
        QTest::mouseClick(f.Button_Lesen, Qt::LeftButton);
        QCOMPARE(Memo(f, 0), gespeichert[0]);
        QCOMPARE(Memo(f, 1), geaendert[1]);
        QCOMPARE(Memo(f, 2), gespeichert[2]);
        QCOMPARE(Memo(f, 3), geaendert[3]);
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t(1));
        QVERIFY(Oberflaeche.Meldungen[0].Text.find("kaputt.txt") != std::string::npos);
    }
};

QTEST_MAIN(test_T_Form_Gasmischer_Sensoren)
#include "test_T_Form_Gasmischer_Sensoren.moc"
