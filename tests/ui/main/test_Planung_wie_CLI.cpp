// A dive planned entirely through the windows gives the plan the headless program gives for the
// same settings: gradient factors in the settings dialog, a deco gas and the last stop in the
// ascent plan window, then Ascend; the runtime tables must agree line for line.
#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"
#include "ui/settings/T_Form_Einstellungen.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

class test_Planung_wie_CLI : public QObject {
    Q_OBJECT
    Testoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    // From the column header on: the title lines name the dive file and differ on purpose.
    static QStringList Tabelle(const QString& Text) {
        QStringList Zeilen = Text.split('\n');
        while (!Zeilen.isEmpty() && !Zeilen.front().trimmed().startsWith("Tiefe")) Zeilen.pop_front();
        while (!Zeilen.isEmpty() && Zeilen.back().trimmed().isEmpty()) Zeilen.pop_back();
        return Zeilen;
    }

    static QString CLI_Lauf(const QStringList& Argumente) {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(BRELUNE_CLI, Argumente);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("brelune-cli failed: %s", qPrintable(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput());
    }

  private slots:
    void init() { f = Hauptfenster_starten(Oberflaeche); }
    void cleanup() { Hauptfenster_beenden(Oberflaeche, f); }

    void Fensterplan_gleicht_dem_Plan_der_Kommandozeile() {
        const QString Tauchgang = QString(BRELUNE_DATEN) + "/Example_dives/Air_40m_25min.dec";
        Oberflaeche.Antwort_Datei = Tauchgang.toStdString();
        finden<QAction>(f.get(), "Aktion_Tauchgang_laden")->trigger();
        Oberflaeche.Meldungen.clear(); // the dive's comment

        // Gradient factors 30/85 on the settings dialog's safety page.
        QObject* Dialog = f->Einstellungsdialog;
        finden<QCheckBox>(Dialog, "CheckBox_GF")->setChecked(true);
        finden<QLineEdit>(Dialog, "Edit_GF_Lo")->setText("30");
        finden<QLineEdit>(Dialog, "Edit_GF_Hi")->setText("85");
        finden<QPushButton>(Dialog, "BitBtn_GF_OK")->click();

        // Last stop at 6 m and EAN50 from 21 m in the ascent plan window.
        QObject* Plan = f->Austauchplanung;
        finden<QSpinBox>(Plan, "SpinEdit_M_DekoZuletzt")->setValue(6);
        finden<QSpinBox>(Plan, "SpinEdit_M_DekoStep")->setValue(3);
        finden<QPushButton>(Plan, "BitBtn_DekotiefenOK")->click();
        finden<QRadioButton>(Plan, "CheckBox_Gaswechsel_beim_Aufstieg_YES")->click();
        const int Tiefe[6] = {21, 100, 100, 100, 100, 100};
        const int Gas[6] = {4, 0, 0, 0, 0, 0}; // EAN50, then the bottom gas air below 100 m
        for (int k = 0; k < 6; ++k) {
            const QByteArray n = QByteArray::number(k + 1);
            finden<QSpinBox>(Plan, "SpinEdit_Gaswechsel_m" + n)->setValue(Tiefe[k]);
            finden<QComboBox>(Plan, "ComboBox_Gaswechsel" + n)->setCurrentIndex(Gas[k]);
        }
        finden<QPushButton>(Plan, "BitBtn_GaswechselOK")->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});

        finden<QPushButton>(f.get(), "BitBtn_Austauchen")->click();
        const QStringList Fenster = Tabelle(Seitentext(f.get(), "Memo_RunTimeTabelle"));

        QStringList Argumente{"plan",     Tauchgang,
                              "--output", "runtime",
                              "--set",    "Sicherheit/GF verwenden=1",
                              "--set",    "Sicherheit/GF Lo=0.3",
                              "--set",    "Sicherheit/GF Hi=0.85",
                              "--set",    "Aufstieg/Letzter Dekostop (m)=6",
                              "--set",    "Aufstieg/Mit Gaswechsel=1"};
        for (int k = 0; k < 6; ++k) {
            const QString n = QString::number(k + 1);
            Argumente << "--set" << QString("Aufstieg/Gaswechsel %1 (m)=%2").arg(n).arg(Tiefe[k]);
            Argumente << "--set" << QString("Aufstieg/Gaswechsel %1 (Gas)=%2").arg(n).arg(Gas[k]);
        }
        const QStringList Kommandozeile = Tabelle(CLI_Lauf(Argumente));

        // The plan really changed: the switch to EAN50 and a last stop at 6 m, none at 3 m.
        QVERIFY(Fenster.filter("Gaswechsel").size() == 1);
        QVERIFY(Fenster.filter(QRegularExpression("^  3\\.00 .*Deko")).isEmpty());
        QVERIFY(!Fenster.filter(QRegularExpression("^  6\\.00 .*EAN50 .*Deko")).isEmpty());
        QCOMPARE(Fenster, Kommandozeile);

        // And it is not the plan without the windows' settings.
        const QStringList Vorgabe = Tabelle(CLI_Lauf({"plan", Tauchgang, "--output", "runtime"}));
        QVERIFY(Vorgabe != Fenster);
    }
};

QTEST_MAIN(test_Planung_wie_CLI)
#include "test_Planung_wie_CLI.moc"
