// The overview shows what the settings walk shows, in the language in force, and its buttons
// read and save a dive through the library.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/settings/T_Form_Save_Read.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class test_T_Form_Save_Read : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    static bool enthaelt(const QTableWidget* t, const QString& Schluessel, const QString& Wert) {
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->item(r, 1)->text() == Schluessel && t->item(r, 2)->text().trimmed() == Wert) return true;
        return false;
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void zeigt_Einstellungen_und_Wegpunkte_und_speichert_mit_Kommentar() {
        Unit_Main::Tauchen("3", "30");
        T_Form_Save_Read f;
        f.show();
        QVERIFY(f.StringGrid_Einstellungen->rowCount() > 50);
        QVERIFY(enthaelt(f.StringGrid_Tauchgang, "Tiefe (m)", "30.00"));
        QCOMPARE(f.StringGrid_Einstellungen->horizontalHeaderItem(2)->text(), QString("Wert"));

        QTemporaryDir Ordner;
        const std::string Datei = Ordner.filePath("ueberblick.dec").toStdString();
        Oberflaeche.Antwort_Datei = Datei;
        f.Edit_Kommentar->setText("Riff am Morgen");
        f.Button_speichern->click();
        QVERIFY(QFile::exists(QString::fromStdString(Datei)));
        QCOMPARE(Unit_WayPoints::Datei_Tauchgang, std::string("ueberblick.dec"));
        QCOMPARE(f.Edit_Kommentar->text(), QString("Riff am Morgen"));

        // read back after a change: the file's dive is in the grids again
        Unit_Main::Neuer_Tauchgang();
        f.Button_lesen->click();
        QVERIFY(enthaelt(f.StringGrid_Tauchgang, "Tiefe (m)", "30.00"));
    }

    void englische_Namen_in_Englisch() {
        Unit_Tools::Sprache = 1;
        T_Form_Save_Read f;
        f.show();
        QCOMPARE(f.windowTitle(), QString("Settings and dive data"));
        QCOMPARE(f.StringGrid_Einstellungen->horizontalHeaderItem(2)->text(), QString("Value"));
        QCOMPARE(f.BitBtn_Schliessen->text(), QString("Close"));
        Unit_Tools::Sprache = 0;
    }
};

QTEST_MAIN(test_T_Form_Save_Read)
#include "test_T_Form_Save_Read.moc"
