// Starts the main window offscreen: proves Qt builds and runs, and that the window is the one
// the diver expects.
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Qt_Oberflaeche.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class test_T_Form_main : public QObject {
    Q_OBJECT
  private slots:
    void Fenster_hat_Titel_Menue_und_drei_Bereiche() {
        T_Form_main f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.windowTitle(), QString(" * Brelune * "));
        const auto Menues = f.menuBar()->actions();
        QCOMPARE(Menues.size(), 8);
        QCOMPARE(Menues.first()->text(), QString("Tauchgang"));
        QVERIFY(f.GroupBox_oben->isVisible());
        QVERIFY(f.GroupBox_Tauchgang->isVisible());
        QVERIFY(f.GroupBox_Berechnungen->isVisible());
    }

    void Menue_auf_Englisch() {
        Unit_Tools::Sprache = 1;
        T_Form_main f;
        Unit_Tools::Sprache = 0;
        QCOMPARE(f.menuBar()->actions().first()->text(), QString("Dive"));
        QCOMPARE(f.menuBar()->actions().last()->text(), QString("Help"));
    }

    // The question box answers "Yes" only when Yes is clicked, and carries the " ?" and caption.
    void Frage_geht_durch_ein_echtes_Fenster() {
        T_Form_main f;
        Qt_Oberflaeche o(&f);
        Unit_UI::UI_setzen(&o);
        QString Titel, Text;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            Titel = box->windowTitle();
            Text = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        const bool ja = Unit_Tools::Frage_Ja_Nein("Tauchgang speichern", "Save dive");
        Unit_UI::UI_setzen(nullptr);
        QVERIFY(ja);
        QCOMPARE(Titel, QString("Bitte bestätigen"));
        QCOMPARE(Text, QString("Tauchgang speichern ?"));
    }

    void Problem_Meldung_zeigt_Fehlerfenster() {
        T_Form_main f;
        Qt_Oberflaeche o(&f);
        Unit_UI::UI_setzen(&o);
        QString Titel, Text;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            Titel = box->windowTitle();
            Text = box->text();
            box->accept();
        });
        Unit_Tools::Sprache = 1;
        Unit_Tools::Meldung_Problem("Fehler", "Error");
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(nullptr);
        QCOMPARE(Titel, QString("Problem"));
        QCOMPARE(Text, QString("Error"));
    }
};

QTEST_MAIN(test_T_Form_main)
#include "test_T_Form_main.moc"
