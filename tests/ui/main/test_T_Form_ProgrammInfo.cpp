// The about window offscreen: the page it opens on, its version and its sources in both languages.
#include "core/Brelune_ProgrammVersion.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/main/T_Form_ProgrammInfo.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

class test_T_Form_ProgrammInfo : public QObject {
    Q_OBJECT
  private slots:
    void init() { Unit_Tools::Sprache = 0; }

    void oeffnet_auf_der_verlangten_Seite_und_schliesst() {
        T_Form_ProgrammInfo f;
        for (auto Seite : {T_Form_ProgrammInfo::Seite_Quellen, T_Form_ProgrammInfo::Seite_Version}) {
            QWidget* gezeigt = nullptr;
            QTimer::singleShot(0, &f, [&] {
                gezeigt = f.PageControl->currentWidget();
                f.BitBtn_Schliessen->click();
            });
            QCOMPARE(f.Zeigen(Seite), int(QDialog::Accepted));
            QCOMPARE(gezeigt,
                     Seite == T_Form_ProgrammInfo::Seite_Quellen ? f.TabSheet_Quellen : f.TabSheet_Version);
            QVERIFY(!f.isVisible());
        }
    }

    void Version_und_Quellen() {
        T_Form_ProgrammInfo f;
        f.show();
        QCOMPARE(f.Label_Version->text(), QString(Brelune_ProgrammVersion::Version_Text));
        const QString Quellen = f.Memo_Quellen->toPlainText();
        for (const char* Teil : {"Bühlmann", "ZH-L16", "Baker", "NOAA", "Schreiner", "OTU"})
            QVERIFY2(Quellen.contains(Teil), Teil);
        QCOMPARE(f.PageControl->tabText(1), QString("Quellen"));
        QCOMPARE(f.BitBtn_Schliessen->text(), QString("Schließen"));
        QCOMPARE(f.BitBtn_Schliessen->property("tag").toInt(), 125);
    }

    // Built in German, shown after the switch to English: the texts follow the language.
    void folgt_der_Sprache_beim_Zeigen() {
        T_Form_ProgrammInfo f;
        Unit_Tools::Sprache = 1;
        f.show();
        QCOMPARE(f.PageControl->tabText(1), QString("Sources"));
        QCOMPARE(f.BitBtn_Schliessen->text(), QString("Close"));
        QVERIFY(f.Memo_Quellen->toPlainText().contains("Gradient factors"));
        QVERIFY(!f.Memo_Quellen->toPlainText().contains("Gradientenfaktoren"));
    }
};

QTEST_MAIN(test_T_Form_ProgrammInfo)
#include "test_T_Form_ProgrammInfo.moc"
