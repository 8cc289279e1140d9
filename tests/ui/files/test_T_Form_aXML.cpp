// The UDDF window: a file into the memo, checked, edited and checked again, saved as edited, and
// both memos cleared.
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/files/T_Form_aXML.hpp"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class test_T_Form_aXML : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Datei_pruefen_bearbeiten_speichern_und_loeschen() {
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath("t.uddf");
        const QByteArray Inhalt =
            "<uddf version=\"3.1.0\">\r\n<profiledata>\r\n<dive id=\"1\">\r\n<samples>\r\n"
            "<waypoint>\r\n<depth>12.0</depth>\r\n</waypoint>\r\n</samples>\r\n</dive>\r\n"
            "</profiledata>\r\n</uddf>\r\n";
        QFile q(Datei);
        QVERIFY(q.open(QIODevice::WriteOnly));
        q.write(Inhalt);
        q.close();
        T_Form_aXML w;
        w.show();

        Oberflaeche.Antwort_Datei = Datei.toStdString();
        w.Button_Datei_Memo->click();
        QCOMPARE(w.Memo_aXML->toPlainText(), QString::fromUtf8(Inhalt).remove('\r').chopped(1));
        QVERIFY(w.Memo_Diagnose->toPlainText().contains("11 Zeilen gelesen"));

        w.Button_Test->click();
        QVERIFY(w.Memo_Diagnose->toPlainText().contains("Elemente richtig verschachtelt"));
        QVERIFY(w.Memo_Diagnose->toPlainText().contains("Wegpunkte (waypoint): 1"));

        // "</samples>" deleted by hand: the check names the line
        w.Memo_aXML->setPlainText(w.Memo_aXML->toPlainText().remove("</samples>\n"));
        w.Button_Test->click();
        QVERIFY(w.Memo_Diagnose->toPlainText().contains("Zeile 8: </dive> schließt <samples> aus Zeile 4"));

        const QString Ziel = Ordner.filePath("bearbeitet.uddf");
        Oberflaeche.Antwort_Datei = Ziel.toStdString();
        w.Button_Memo_Datei->click();
        QFile z(Ziel);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QCOMPARE(z.readAll(), QByteArray(Inhalt).replace("</samples>\r\n", ""));

        w.Button_Memos_loeschen->click();
        QVERIFY(w.Memo_aXML->toPlainText().isEmpty());
        QVERIFY(w.Memo_Diagnose->toPlainText().isEmpty());
        QVERIFY(Oberflaeche.Meldungen.empty());
    }
};

QTEST_MAIN(test_T_Form_aXML)
#include "test_T_Form_aXML.moc"
