// The main window driven as a diver drives it: fields, buttons and menu entries found by their
// object names, the library's state and texts checked behind them.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "ui/gases/T_Form_GasZeiger.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_ProgrammInfo.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>

namespace W = Unit_WayPoints;

// Records messages and answers questions like the headless screen, and passes the text notices
// to the window as the real screen does.
class Befehlsoberflaeche : public Testoberflaeche {
  public:
    void Status_geaendert() override {
        if (Fenster) Fenster->Anzeige_verlangen();
    }
    void Graph_geaendert() override { Status_geaendert(); }
    // As in the window: pending clicks arrive while the calculation runs.
    void Nachrichten_verarbeiten() override { QApplication::processEvents(); }
};

class test_Hauptfenster_Befehle : public QObject {
    Q_OBJECT
    Befehlsoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    template <typename T> T* finden(const char* Name) {
        T* w = f->findChild<T*>(Name);
        if (!w) qFatal("no control %s", Name);
        return w;
    }
    void eingeben(const char* Runtime, const char* Tiefe) {
        finden<QLineEdit>("Edit_min_runtime")->setText(Runtime);
        finden<QLineEdit>("Edit_m_Wasser")->setText(Tiefe);
        finden<QPushButton>("BitBtn_Tauchen")->click();
    }
    bool frei(const char* Name) { return finden<QWidget>(Name)->isEnabled(); }

  private slots:
    void init() { f = Hauptfenster_starten(Oberflaeche, '.'); }
    void cleanup() { Hauptfenster_beenden(Oberflaeche, f); }

    void Eingabe_Loeschen_und_Austauchen_folgen_der_Zustandstabelle() {
        QVERIFY(frei("Edit_m_Wasser"));
        QVERIFY(!frei("BitBtn_Loeschen")); // nothing behind START yet
        QVERIFY(!frei("BitBtn_Wiederholungstauchgang"));
        eingeben("3", "40");
        eingeben("25", "40");
        QCOMPARE(W::WayPoint_Anzahl, 2);
        QVERIFY(frei("BitBtn_Loeschen"));
        finden<QPushButton>("BitBtn_Loeschen")->click();
        QCOMPARE(W::WayPoint_Anzahl, 1);
        eingeben("25", "40");
        finden<QPushButton>("BitBtn_Austauchen")->click();
        QVERIFY(Unit_Main::Eingabe_gesperrt);
        for (const char* Name : {"Edit_m_Wasser", "BitBtn_Tauchen", "BitBtn_Loeschen", "CheckBox_Abstieg"})
            QVERIFY2(!frei(Name), Name);
        QVERIFY(frei("BitBtn_Austauchen"));
        QVERIFY(frei("BitBtn_Wiederholungstauchgang"));
        f->Hauptfenster_aktualisieren();
        const QString Tabelle = Seitentext(f.get(), "Memo_RunTimeTabelle");
        QVERIFY(Tabelle.size() > 100);
        QCOMPARE(Tabelle.split('\n').size(),
                 static_cast<qsizetype>(Unit_Textpuffer::Memo_RunTimeTabelle.lesen().size()));
        QVERIFY(Tabelle.contains("STOP"));
    }

    void Gasanzeige_kommt_mit_der_Gaswahl_warnt_in_der_Tiefe_und_geht_beim_Tauchen() {
        auto* Gasbox = finden<QComboBox>("ComboBox_Tauchgeraet_Atemgas");
        Gasbox->activated(4); // EAN50
        QVERIFY(f->GasZeiger->isVisible());
        auto* Tiefe = finden<QLineEdit>("Edit_m_Wasser");
        Tiefe->setText("40");
        Tiefe->textEdited("40");
        const auto* Hinweis = f->GasZeiger->findChild<QLabel*>("Label_Hinweis");
        QCOMPARE(Hinweis->text(), QString("MOD überschritten"));
        Tiefe->setText("15");
        Tiefe->textEdited("15");
        QCOMPARE(Hinweis->text(), QString("Gas ist OK"));
        finden<QPushButton>("BitBtn_Tauchen")->click();
        QVERIFY(!f->GasZeiger->isVisible());
    }

    void Fenstergeometrie_geht_mit_den_Einstellungen_und_kommt_beim_naechsten_Start_wieder() {
        namespace P = Unit_Programm;
        QTemporaryDir Ordner;
        qputenv("XDG_CONFIG_HOME", Ordner.path().toUtf8());
        Unit_Programmstart::Programm_starten({});
        Unit_Warnhinweis::akzeptiert = true;
        P::Hauptform_max = false;
        f->setGeometry(40, 60, 1000, 700);
        f->close(); // the dive is unchanged: nothing to ask, the settings are written
        QVERIFY(QFile::exists(Ordner.filePath("Brelune/brelune.ini")));
        P::Hauptform_Breite = P::Hauptform_Hoehe = 0;
        Unit_Einstellungsdatei::Einstellungsdatei_lesen();
        QCOMPARE(P::Hauptform_Breite, 1000);
        QCOMPARE(P::Hauptform_Hoehe, 700);
        QVERIFY(!P::Hauptform_max);
        T_Form_main neu;
        neu.Geometrie_anwenden();
        QCOMPARE(neu.size(), QSize(1000, 700));
        Unit_Warnhinweis::akzeptiert = false;
        qunsetenv("XDG_CONFIG_HOME");
    }

    void Abbrechen_waehrend_der_Rechnung_mit_Live_Zeichnung() {
        Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = true;
        eingeben("2", "12");
        eingeben("1030", "12");
        auto* Austauchen = finden<QPushButton>("BitBtn_Austauchen");
        bool gerechnet_beim_Klick = false;
        QTimer::singleShot(0, this, [&] {
            gerechnet_beim_Klick = Unit_Main::Berechnung_laeuft;
            QCOMPARE(Austauchen->text(), QString("Berechnung abbrechen"));
            Austauchen->click();
        });
        Austauchen->click();
        QVERIFY(gerechnet_beim_Klick);
        QVERIFY(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
        QCOMPARE(Oberflaeche.Anzahl("Berechnung wird abgebrochen"), 1);
        QCOMPARE(Unit_Textpuffer::Memo_Zusammenfassung.Zeilen.front(),
                 std::string("! Tauchgangsberechnung abgebrochen !"));
        QVERIFY(Unit_Main::Eingabe_gesperrt); // computed state, the dive kept
        QVERIFY(!Unit_Main::Berechnung_laeuft);
        QCOMPARE(Austauchen->text(), QString("Austauchen"));
    }

    void Ende_auf_dem_Graphen_zeigt_den_STOP_Sample_im_Status() {
        eingeben("3", "40");
        eingeben("25", "40");
        finden<QPushButton>("BitBtn_Austauchen")->click();
        const float Ende = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime;
        QCOMPARE(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].Aktion, std::string("STOP"));
        QTest::keyClick(f->CWGraph_Tauchgang, Qt::Key_Home);
        QTest::keyClick(f->CWGraph_Tauchgang, Qt::Key_End);
        f->Hauptfenster_aktualisieren();
        const QString Runtime = finden<QLineEdit>("Edit_Runtime_min")->text().trimmed();
        QCOMPARE(Runtime, QString::fromStdString(Unit_Tools::Zahl_formatieren(0, 1, Ende)));
        QCOMPARE(W::m_Wasser, 0.0f); // the STOP sample at the surface
    }

    // A screen reader names every input of the window: by its caption or by the label beside it.
    void jede_Eingabe_hat_einen_Namen_fuer_Bildschirmleser() {
        for (const char* Name : {"Edit_min_runtime", "Edit_m_Wasser", "Edit_Tauchgeraet", "Edit_Luftdruck",
                                 "ComboBox_Tauchgeraet", "ComboBox_Tauchgeraet_Atemgas", "ComboBox_Modell_N2",
                                 "BitBtn_Tauchen", "BitBtn_Austauchen", "CheckBox_Abstieg"}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(finden<QWidget>(Name));
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(), Name);
        }
    }

    void keine_Zahl_im_Tiefenfeld_gibt_die_Fehlerbox() {
        eingeben("3", "abc");
        QCOMPARE(Oberflaeche.Anzahl(">abc< ist keine Zahl"), 1);
        QCOMPARE(W::WayPoint[1].m_Wasser, 0.0f);
        QCOMPARE(finden<QLineEdit>("Edit_m_Wasser")->text().trimmed(), QString("0.0"));
    }

    void kaputte_Tauchgangsdatei_laesst_den_Tauchgang_wie_er_war() {
        eingeben("3", "30");
        QTemporaryDir Ordner;
        const std::string Datei = Ordner.filePath("kaputt.dec").toStdString();
        std::ofstream(Datei) << "\x01\x02 kein Tauchgang\n[Tauchgang#0\n";
        Oberflaeche.Antwort_Datei = Datei;
        finden<QAction>("Aktion_Tauchgang_laden")->trigger();
        QVERIFY(!Oberflaeche.Meldungen.empty());
        QCOMPARE(W::WayPoint_Anzahl, 1);
        QCOMPARE(W::WayPoint[1].m_Wasser, 30.0f);
    }

    void Sprachwechsel_beschriftet_Menue_und_Knoepfe_neu() {
        Oberflaeche.Antwort_Frage = false; // stay open
        finden<QAction>("Aktion_english")->trigger();
        QCOMPARE(Unit_Tools::Sprache, 1);
        QCOMPARE(f->menuBar()->actions().at(1)->text(), QString("Settings"));
        QCOMPARE(finden<QPushButton>("BitBtn_NeuerTauchgang")->text(), QString("New dive"));
        QVERIFY(finden<QAction>("Aktion_english")->isChecked());
        // the other windows follow: the gas indicator's header and the about window's close button
        QCOMPARE(f->GasZeiger->findChild<QLabel*>("Label_Kopf")->text().simplified(),
                 QString("actual limits"));
        QCOMPARE(f->ProgrammInfo->findChild<QPushButton*>("BitBtn_Schliessen")->text(), QString("Close"));
        // asked in the new language, answered no: the window stays
        QCOMPARE(Oberflaeche.Fragen.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Oberflaeche.Fragen[0]).startsWith("You have to re-start the program"));
    }
};

QTEST_MAIN(test_Hauptfenster_Befehle)
#include "test_Hauptfenster_Befehle.moc"
