// A log no preset fits, imported from the menu: the import window opens with the file, the diver
// picks the closest preset, maps the columns by hand, sets and shows the dive. The dive is the one
// the headless program makes of the same file with the same mapping as options.
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/files/T_Form_Save_Read_CSV.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

class test_T_Form_Save_Read_CSV : public QObject {
    Q_OBJECT
    Testoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    // From the column header on: the title lines carry the date.
    static QStringList Tabelle(const QString& Text) {
        QStringList Zeilen = Text.split('\n');
        while (!Zeilen.isEmpty() && !Zeilen.front().trimmed().startsWith("Tiefe")) Zeilen.pop_front();
        while (!Zeilen.isEmpty() && Zeilen.back().trimmed().isEmpty()) Zeilen.pop_back();
        return Zeilen;
    }

    static QString CLI_Lauf(const QStringList& Argumente) {
        QProcess p;
        p.start(BRELUNE_CLI, Argumente);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("brelune-cli failed: %s", qPrintable(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput());
    }

  private slots:
    void init() { f = Hauptfenster_starten(Oberflaeche); }
    void cleanup() { Hauptfenster_beenden(Oberflaeche, f); }

    void eigene_Zuordnung_gleicht_der_Kommandozeile() {
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath("log.txt");
        // two header lines, tab separated: number, time (s), depth (ft), pO2, then O2 %, -, He %, -,
        // apparatus
        std::ofstream(Datei.toStdString()) << "Logger 7\nNr\tt\tft\tpO2\tO2\tx\tHe\tx\tOC\n"
                                              "1\t0\t0\t0.21\t21\t0\t0\t0\t1\n"
                                              "2\t60\t66\t0.63\t21\t0\t0\t0\t1\n"
                                              "3\t900\t66\t0.63\t21\t0\t0\t0\t1\n"
                                              "4\t1020\t20\t0.34\t21\t0\t0\t0\t1\n"
                                              "5\t1200\t10\t0.27\t21\t0\t0\t0\t1\n"
                                              "6\t1260\t0\t0.21\t21\t0\t0\t0\t1\n";
        Oberflaeche.Antwort_Datei = Datei.toStdString();
        finden<QAction>(f.get(), "Aktion_Import_TXT")->trigger();

        // the text preset does not fit: the window opens with the file
        auto* w = finden<T_Form_Save_Read_CSV>(f.get(), "T_Form_Save_Read_CSV");
        QVERIFY(w->isVisible());
        QCOMPARE(w->Memo_CSV_Daten->toPlainText().split('\n').size(), 8);
        QCOMPARE(w->ComboBox_Voreinstellung->currentIndex(), 1);
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{1});

        // the closest preset, then the mapping by hand; the preset's other columns stay
        emit w->ComboBox_Voreinstellung->activated(6);
        QCOMPARE(w->SpinEdit_f_O2_s->value(), 5);
        QCOMPARE(w->ComboBox_Einheit_f_O2_s->currentIndex(), 1); // %
        w->SpinEdit_Kommentarzeilen->setValue(2);
        w->SpinEdit_min_s->setValue(2);
        w->ComboBox_Einheit_min_s->setCurrentIndex(0); // sec
        w->SpinEdit_m_s->setValue(3);
        w->ComboBox_Einheit_m_s->setCurrentIndex(1); // ft
        w->SpinEdit_p_O2_s->setValue(4);
        w->RadioGroup_Trennzeichen->Knopf(3)->click(); // tab
        Oberflaeche.Meldungen.clear();
        w->Button_setzen->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        QCOMPARE(w->SpinEdit_m_s->value(), 3); // the change stays after the dive was set
        w->Button_zeigen->click();
        QVERIFY(Unit_Tauchgang_analysieren::Fenster_sichtbar);
        // the analysis window's OK with its first choice, as --mode keep
        Unit_Tauchgang_analysieren::Modus_waehlen(Unit_Tauchgang_analysieren::Keine_Aktion);
        Unit_Tauchgang_analysieren::OK_Klick();
        QCoreApplication::processEvents();
        f->Hauptfenster_aktualisieren();
        const QStringList Fenster = Tabelle(Seitentext(f.get(), "Memo_RunTimeTabelle"));

        const QStringList Kommandozeile = Tabelle(
            CLI_Lauf({"import", Datei, "--preset", "6", "--skip-lines", "2", "--time", "2:sec", "--depth",
                      "3:ft", "--po2", "4", "--separator", "tab", "--mode", "keep", "--output", "runtime"}));
        QVERIFY(Fenster.filter(QRegularExpression("^ 20\\.12 +1\\.00 ")).size() == 1); // 66 ft after 60 s
        QCOMPARE(Fenster, Kommandozeile);
    }
};

QTEST_MAIN(test_T_Form_Save_Read_CSV)
#include "test_T_Form_Save_Read_CSV.moc"
