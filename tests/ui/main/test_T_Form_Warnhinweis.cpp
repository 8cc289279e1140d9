// The warning notice offscreen: its answer, its languages and where its focus starts. The settings
// folder lies in a temporary XDG_CONFIG_HOME, so the user's real file is never read.
#include "commands/Unit_Warnhinweis.hpp"
#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "ui/main/T_Form_Warnhinweis.hpp"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <cstdlib>

class test_T_Form_Warnhinweis : public QObject {
    Q_OBJECT
    QTemporaryDir Ordner;

    static void zeigen(T_Form_Warnhinweis& f) {
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
    }
    static void Einstellungsdatei(const QByteArray& Inhalt) {
        QDir().mkpath(QString::fromStdString(Unit_Einstellungsdatei::Einstellungsordner()));
        QFile Datei(QString::fromStdString(Unit_Einstellungsdatei::Einstellungsdatei()));
        QVERIFY(Datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Datei.write(Inhalt);
    }

  private slots:
    void initTestCase() {
        QVERIFY(Ordner.isValid());
        ::setenv("XDG_CONFIG_HOME", Ordner.path().toLocal8Bit().constData(), 1);
    }
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Warnhinweis::akzeptiert = false;
        QFile::remove(QString::fromStdString(Unit_Einstellungsdatei::Einstellungsdatei()));
    }

    void akzeptieren_setzt_die_Marke() {
        T_Form_Warnhinweis f;
        zeigen(f);
        f.BitBtn_akzeptieren->click();
        QVERIFY(Unit_Warnhinweis::akzeptiert);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(!f.isVisible());
    }

    void ablehnen_oder_schliessen_laesst_sie_falsch() {
        T_Form_Warnhinweis f;
        zeigen(f);
        f.BitBtn_nicht_akzeptieren->click();
        QVERIFY(!Unit_Warnhinweis::akzeptiert);
        QCOMPARE(f.result(), int(QDialog::Rejected));
        zeigen(f);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(!Unit_Warnhinweis::akzeptiert);
        zeigen(f);
        f.close();
        QVERIFY(!Unit_Warnhinweis::akzeptiert);
    }

    // Opened again from the help menu: it blocks no other window; closing keeps the earlier yes,
    // refusing takes it back.
    void spaeter_nimmt_nur_das_Ablehnen_die_Zustimmung_zurueck() {
        Unit_Warnhinweis::akzeptiert = true;
        T_Form_Warnhinweis f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(!QApplication::activeModalWidget());
        f.close();
        QVERIFY(Unit_Warnhinweis::akzeptiert);
        zeigen(f);
        f.BitBtn_nicht_akzeptieren->click();
        QVERIFY(!Unit_Warnhinweis::akzeptiert);
    }

    // The focus and the Enter key are on the refusing button: nobody accepts by a stray key.
    void Fokus_und_Eingabetaste_auf_dem_ablehnenden_Knopf() {
        T_Form_Warnhinweis f;
        zeigen(f);
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.BitBtn_nicht_akzeptieren));
        QTest::keyClick(&f, Qt::Key_Return);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(!Unit_Warnhinweis::akzeptiert);
    }

    void Sprachknoepfe_wechseln_Sprache_und_Texte() {
        T_Form_Warnhinweis f;
        zeigen(f);
        QVERIFY(f.RadioButton_deutsch->isChecked());
        QCOMPARE(f.windowTitle(), QString("Sicherheits- und Warnhinweis / Anwendungsvorschrift"));
        QVERIFY(f.Memo_Warnhinweis->toPlainText().contains("ANWENDUNGSVORSCHRIFT"));
        QCOMPARE(f.BitBtn_nicht_akzeptieren->text(), QString("Ich akzeptiere nicht"));

        f.RadioButton_english->click();
        QCOMPARE(Unit_Tools::Sprache, 1);
        QCOMPARE(f.windowTitle(), QString("Safety and warning note / application instruction"));
        const QString Text = f.Memo_Warnhinweis->toPlainText();
        QVERIFY(Text.contains("WARNING ADVICE"));
        QVERIFY(Text.contains("APPLICATION INSTRUCTION"));
        QVERIFY(Text.endsWith("Only you are responsible for your dive !"));
        QVERIFY(!Text.contains("WARNHINWEIS"));
        QCOMPARE(f.BitBtn_akzeptieren->text(), QString("I accept"));
        QCOMPARE(f.BitBtn_nicht_akzeptieren->text(), QString("I do not accept"));

        f.RadioButton_deutsch->click();
        QCOMPARE(Unit_Tools::Sprache, 0);
        QVERIFY(
            f.Memo_Warnhinweis->toPlainText().endsWith("Nur Du bist für Deinen Tauchgang verantwortlich!"));
    }

    // Before each show the notice takes the language stored in the settings file, nothing else.
    void zeigt_sich_in_der_gespeicherten_Sprache() {
        Einstellungsdatei("[Programm]\r\nSprache=1\r\n");
        T_Form_Warnhinweis f;
        zeigen(f);
        QVERIFY(f.RadioButton_english->isChecked());
        QCOMPARE(f.BitBtn_akzeptieren->text(), QString("I accept"));
        QVERIFY(f.Memo_Warnhinweis->isReadOnly());
    }

    // Fixed size, on the screen, with every line of the longer language in the text's width.
    void feste_Groesse_ganz_auf_dem_Bildschirm() {
        T_Form_Warnhinweis f;
        zeigen(f);
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(f.screen()->availableGeometry().contains(f.frameGeometry()));
        f.RadioButton_english->click();
        const QSize vorher = f.size();
        QCoreApplication::processEvents();
        QCOMPARE(f.size(), vorher);
    }
};

QTEST_MAIN(test_T_Form_Warnhinweis)
#include "test_T_Form_Warnhinweis.moc"
