// The model window shows the coefficient sets in use, as the library writes them, in both languages.
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/settings/T_Form_ModelleZeigen.hpp"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace S = Unit_Saettigungsmodelle;

class test_T_Form_ModelleZeigen : public QObject {
    Q_OBJECT
  private slots:
    void zeigt_die_Saetze_in_Gebrauch_und_folgt_der_Wahl() {
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        T_Form_ModelleZeigen f;
        f.show();
        const QStringList He = f.Memo_He->toPlainText().split('\n');
        QCOMPARE(He.size(), 16);
        QCOMPARE(He[0], QString(" 1    1.51  1.74240  0.42450")); // ZH-L16A He, compartment 1
        QCOMPARE(f.Memo_N2_Kopf->toPlainText().split('\n').value(1),
                 QString::fromStdString(S::Modell_N2.Bezeichnung));
        // another nitrogen set chosen: the next show has it
        const QString vorher = f.Memo_N2->toPlainText();
        f.hide();
        S::Modell_N2_aus_Liste(S::Modell_N2_erster);
        f.show();
        QVERIFY(f.Memo_N2->toPlainText() != vorher);
        QCOMPARE(f.Memo_N2_Kopf->toPlainText().split('\n').value(1),
                 QString::fromStdString(S::Modell_Tabelle()[S::Modell_N2_erster].Bezeichnung));
    }

    void Beschriftungen_in_beiden_Sprachen() {
        Unit_Tools::Sprache = 1;
        T_Form_ModelleZeigen f;
        QCOMPARE(f.BitBtn_Schliessen->text(), QString("Close"));
        QCOMPARE(f.windowTitle(), QString("Saturation models"));
        Unit_Tools::Sprache = 0;
        Beschriftungen_anwenden(&f);
        f.aktualisieren();
        QCOMPARE(f.BitBtn_Schliessen->text(), QString("Schließen"));
        QCOMPARE(f.windowTitle(), QString("Modelle"));
    }
};

QTEST_MAIN(test_T_Form_ModelleZeigen)
#include "test_T_Form_ModelleZeigen.moc"
