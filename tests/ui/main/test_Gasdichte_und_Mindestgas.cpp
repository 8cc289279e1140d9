// A diver works with the gas density and the minimum gas through the windows: the limits and the
// stress figures set on the settings pages change the warnings and the consumption page after
// Ascend, the status panel shows the density of the gas at the time cursor, and the runtime table
// shows a density column when its setting is on and is unchanged when it is off. The contingency
// plans of Ascend have a tab of their own.
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/Statusanzeige.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/settings/T_Form_Einstellungen.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace W = Unit_WayPoints;

class test_Gasdichte_und_Mindestgas : public QObject {
    Q_OBJECT
    Testoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> f;

    QString Text(const char* Memo) { return Seitentext(f.get(), Memo); }

    void planen(const char* Beispiel) {
        Oberflaeche.Antwort_Datei =
            QString("%1/Example_dives/%2.dec").arg(BRELUNE_DATEN, Beispiel).toStdString();
        finden<QAction>(f.get(), "Aktion_Tauchgang_laden")->trigger();
        Oberflaeche.Meldungen.clear(); // the dive's comment
        Austauchen();
    }

    void Austauchen() { finden<QPushButton>(f.get(), "BitBtn_Austauchen")->click(); }

    void Dialogfeld(const char* Name, double Wert) {
        finden<QDoubleSpinBox>(f->Einstellungsdialog, Name)->setValue(Wert);
    }

    // "Minimum gas  =  2259.0 barL = ..." of the consumption page.
    double Mindestgas_barL() {
        const auto m = QRegularExpression("Mindestgas +=\\s*([0-9.]+) barL").match(Text("Memo_Gasverbrauch"));
        if (!m.hasMatch()) qFatal("no minimum gas on the consumption page");
        return m.captured(1).toDouble();
    }

    static QStringList Tabelle(const QString& Text) {
        QStringList Zeilen = Text.split('\n');
        while (!Zeilen.isEmpty() && !Zeilen.front().trimmed().startsWith("Tiefe")) Zeilen.pop_front();
        return Zeilen;
    }

  private slots:
    void init() { f = Hauptfenster_starten(Oberflaeche, '.'); }
    void cleanup() { Hauptfenster_beenden(Oberflaeche, f); }

    // Air at 40 m is about 6.4 g/l: beyond the default maximum; with the limits raised on the
    // limits page only the plain warning is left. A stress factor of 3 instead of 2 makes the
    // minimum gas half as large again, and each minute more to solve the problem costs the two
    // divers' stressed breathing at the deepest point.
    void Kontingenzplaene_im_eigenen_Reiter() {
        auto* Reiter = finden<QTabWidget>(f.get(), "PageControl_links");
        const int Seite = Reiter->indexOf(finden<QWidget>(f.get(), "TabSheet_Kontingenz"));
        QCOMPARE(Reiter->tabText(Seite), QString("Kontingenz"));
        planen("Trimix_60m_25min");
        for (const char* Titel : {"Länger: Grundzeit + 3 min", "Tiefer: tiefster Punkt + 3 m",
                                  "Gasverlust: ohne EAN50", "Gasverlust: ohne O2"})
            QVERIFY2(Text("Memo_Kontingenz").contains(Titel), Titel);
        // The page is the report's section, line for line.
        QVERIFY(Text("Memo_Report").contains(Text("Memo_Kontingenz")));
        Unit_Kontingenzplaene::Kontingenzplaene_an = false;
        Austauchen();
        QVERIFY(Text("Memo_Kontingenz").contains("ausgeschaltet"));
        QVERIFY(!Text("Memo_Report").contains("Gasverlust"));
        Unit_Kontingenzplaene::Kontingenzplaene_an = true;
        finden<QAction>(f.get(), "Aktion_english")->trigger();
        QCOMPARE(Reiter->tabText(Seite), QString("Contingency"));
    }

    void Grenzwerte_und_Stress_auf_den_Einstellungsseiten() {
        planen("Air_40m_25min");
        QVERIFY(Text("Memo_Warnung").contains("GASDICHTE > 6.2 g/l"));
        const double Mindestgas = Mindestgas_barL();

        Dialogfeld("SpinEdit_Gasdichte_Maximum", 7.0);
        Dialogfeld("SpinEdit_Gasdichte_Warnung", 6.0);
        Dialogfeld("SpinEdit_Stress_Faktor", 3.0);
        Austauchen();
        QCOMPARE(Unit_Formeln::g_pro_L_Gasdichte_Maximum, 7.0f);
        QVERIFY(!Text("Memo_Warnung").contains("GASDICHTE"));
        QVERIFY(Text("Memo_Warnung").contains("Gasdichte > 6.0 g/l"));
        QVERIFY(qAbs(Mindestgas_barL() - 1.5 * Mindestgas) < 0.2);

        Dialogfeld("SpinEdit_Problemloesezeit", 2.0);
        Austauchen();
        const double eine_Minute = 2 * 3.0 * 20 * Unit_Formeln::bar_Umgebung_aus(40); // 2 divers, RMV 20
        QVERIFY(qAbs(Mindestgas_barL() - 1.5 * Mindestgas - eine_Minute) < 0.2);
    }

    // Tx18/45 at 60 m is denser than the warning (5.2 g/l) and lighter than the maximum.
    void Statusfeld_zeigt_die_Dichte_am_Zeitcursor() {
        planen("Trimix_60m_25min");
        auto* Graph = finden<Graph_Tauchgang>(f.get(), "CWGraph_Tauchgang");
        QTest::keyClick(Graph, Qt::Key_Home);
        for (int k = 0; k < 10; ++k) QTest::keyClick(Graph, Qt::Key_Up);
        QCOMPARE(W::min_Runtime, 10.0L);
        const float Dichte =
            Unit_Formeln::g_pro_L_Gasdichte(W::sData[Unit_Tauchgangszustand::sData_Index(10)]);
        QVERIFY(Dichte > 5.2f && Dichte < 6.2f);
        const QLineEdit* Feld = f->Statusfeld->Edit_Gasdichte;
        QCOMPARE(Feld->text(), QString::number(Dichte, 'f', 2) + " g/l");
        QVERIFY(Feld->palette().color(QPalette::Base) != f->Statusfeld->palette().color(QPalette::Base));

        QTest::keyClick(Graph, Qt::Key_Home); // at the surface the gas is light
        QCOMPARE(Feld->text(),
                 QString::number(Unit_Formeln::g_pro_L_Gasdichte(W::sData[0]), 'f', 2) + " g/l");
        QCOMPARE(Feld->palette().color(QPalette::Base), f->Statusfeld->palette().color(QPalette::Base));
    }

    // The column is off by default: the table is the one without it. Switched on, each row
    // carries the density of its gas at its depth; switched off again, the table is as before.
    void Dichtespalte_der_Runtime_Tabelle() {
        planen("Trimix_60m_25min");
        const QString ohne = Text("Memo_RunTimeTabelle");
        auto* Schalter = finden<QCheckBox>(f->Einstellungsdialog, "CheckBox_Gasdichte");
        QVERIFY(!Schalter->isChecked());
        QVERIFY(!ohne.contains("Dichte"));

        Schalter->setChecked(true); // the memo follows with the next repaint
        QTRY_VERIFY(Text("Memo_RunTimeTabelle").contains("Dichte"));
        const QStringList mit = Tabelle(Text("Memo_RunTimeTabelle"));
        const int Spalte = static_cast<int>(mit.front().indexOf("Dichte"));
        // Each row shows the density the library gives its waypoint (found by runtime and gas, in
        // order), as the warnings and the JSON have it.
        int Zeilen = 0, Wechsel = 0, i = 0;
        for (const QString& z : mit.mid(3)) {
            if (z.trimmed().isEmpty()) break;
            const auto passt = [&z](const W::WayPoint_Type& w) {
                return z.mid(7, 8).toFloat() == QString::number(w.min_Runtime, 'f', 2).toFloat() &&
                       z.mid(15, 13).trimmed() ==
                           QString::fromStdString(Unit_Gasgemisch_BestMix::Gasgemisch[w.Gas_Nr].Name);
            };
            while (i <= W::WayPoint_Anzahl && !passt(W::WayPoint[i])) ++i;
            QVERIFY(i <= W::WayPoint_Anzahl);
            const auto Dichte = Unit_Tauchgangszustand::g_pro_L_Gasdichte_am_WayPoint(W::WayPoint[i++]);
            QVERIFY(Dichte.has_value());
            QCOMPARE(z.mid(Spalte, 8).trimmed(), QString::number(*Dichte, 'f', 2));
            Zeilen += z.startsWith(" 60.00 ") && *Dichte > 5.2f;
            Wechsel += z.contains("Gaswechsel");
        }
        QCOMPARE(Zeilen, 2); // the end of the descent and of the bottom phase
        QCOMPARE(Wechsel, 2);

        Schalter->setChecked(false);
        QTRY_COMPARE(Text("Memo_RunTimeTabelle"), ohne);
    }
};

QTEST_MAIN(test_Gasdichte_und_Mindestgas)
#include "test_Gasdichte_und_Mindestgas.moc"
