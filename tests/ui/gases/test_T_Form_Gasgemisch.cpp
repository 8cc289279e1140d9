// The gas calculator driven through its controls: the gas it puts into the gas list is the gas the
// headless program computes for the same input; and the three ways of opening it.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "ui/gases/T_Form_Gasgemisch.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"
#include "ui/settings/Einstellungsseiten_Rechnung.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;

class test_T_Form_Gasgemisch : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    static QJsonObject CLI_Gas(const QStringList& Argumente) {
        QProcess p;
        p.start(BRELUNE_CLI, QStringList{"mix"} + Argumente + QStringList{"--output", "json"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("brelune-cli failed: %s", qPrintable(p.readAllStandardError()));
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object()["gas"].toObject();
    }

    // Types into a field and confirms with Enter, as a user does.
    static void tippen(QLineEdit* e, const QString& Text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, Text);
        QTest::keyClick(e, Qt::Key_Return);
    }

    // Runs f on the gas calculator as soon as it is open modally, then closes it.
    static void im_Gasrechner(std::function<void(T_Form_Gasgemisch&)> f, bool& geoeffnet) {
        geoeffnet = false;
        QTimer::singleShot(0, [f, &geoeffnet] {
            auto* g = qobject_cast<T_Form_Gasgemisch*>(QApplication::activeModalWidget());
            if (!g) return;
            geoeffnet = true;
            f(*g);
            g->ButtonClose->click();
        });
    }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Gas_in_die_Gasliste_wie_die_Kommandozeile_data() {
        QTest::addColumn<QString>("Modus");
        QTest::addColumn<QString>("Tiefe");
        QTest::addColumn<QString>("Wert1");
        QTest::addColumn<QString>("Wert2");
        QTest::addColumn<QStringList>("Kommandozeile");
        QTest::newRow("Nitrox") << "nitrox"
                                << "30"
                                << "1.4"
                                << "" << QStringList{"--depth", "30", "--po2", "1.4"};
        QTest::newRow("Trimix") << "trimix"
                                << "75"
                                << "1,2"
                                << "25" << QStringList{"--depth", "75", "--po2", "1.2", "--end", "25"};
        QTest::newRow("Werte") << "werte"
                               << "70"
                               << "18"
                               << "45" << QStringList{"--depth", "70", "--o2", "18", "--he", "45"};
        QTest::newRow("Best_Mix") << "bestmix"
                                  << "55"
                                  << "1"
                                  << "" << QStringList{"--depth", "55", "--best-mix", "1.3"};
    }

    void Gas_in_die_Gasliste_wie_die_Kommandozeile() {
        QFETCH(QString, Modus);
        QFETCH(QString, Tiefe);
        QFETCH(QString, Wert1);
        QFETCH(QString, Wert2);
        QFETCH(QStringList, Kommandozeile);
        T_Form_Gasgemisch f;
        f.show();
        tippen(f.Edit_Einsatztiefe, Tiefe);
        if (Modus == "nitrox" || Modus == "trimix") {
            if (Modus == "trimix") {
                f.RadioGroup_TmxNitrox->Knopf(0)->click();
                tippen(f.Edit_END, Wert2);
            }
            tippen(f.Edit_pO2, Wert1);
        } else if (Modus == "werte") {
            f.CheckBox_Gas->click();
            QVERIFY(f.CheckBox_pO2->isChecked());
            QVERIFY(!f.Edit_pO2->isEnabled());
            QVERIFY(f.SpinEdit_f_O2_prozent->isEnabled());
            f.SpinEdit_f_O2_prozent->setValue(Wert1.toInt());
            f.SpinEdit_f_He_prozent->setValue(Wert2.toInt());
        } else {
            f.RadioGroup_BestMix->Knopf(Wert1.toInt())->click();
            f.Button_BestMix->click();
        }
        QCOMPARE(f.SpinEdit_f_N2_prozent->value(),
                 100 - f.SpinEdit_f_O2_prozent->value() - f.SpinEdit_f_He_prozent->value());
        const int32_t Anzahl = G::Gasgemisch_NumMax;
        f.Button_OK_inDieGasliste->click();
        const auto& g = G::Gasgemisch[static_cast<std::size_t>(G::Gasgemisch_num)];
        QCOMPARE(W::Gas_Nr, G::Gasgemisch_num);
        const QJsonObject Soll = CLI_Gas(Kommandozeile);
        QCOMPARE(QString::fromStdString(g.Name), Soll["name"].toString());
        QCOMPARE(qRound(g.f_O2_prozent), Soll["o2"].toInt());
        QCOMPARE(qRound(g.f_N2_prozent), Soll["n2"].toInt());
        QCOMPARE(qRound(g.f_He_prozent), Soll["he"].toInt());
        // A gas the list has is chosen, not added twice.
        QCOMPARE(G::Gasgemisch_NumMax, Anzahl + (G::Gasgemisch_num > Anzahl ? 1 : 0));
        f.Button_OK_inDieGasliste->click();
        QCOMPARE(G::Gasgemisch_NumMax, Anzahl + (G::Gasgemisch_num > Anzahl ? 1 : 0));
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
    }

    void vier_Wege_in_den_Gasrechner() {
        T_Form_main m;
        bool geoeffnet = false;
        // The menu: the operating depth becomes the proposed depth of the next point.
        im_Gasrechner([](T_Form_Gasgemisch& g) { tippen(g.Edit_Einsatztiefe, "42"); }, geoeffnet);
        m.findChild<QAction*>("Aktion_Gasrechner")->trigger();
        QVERIFY(geoeffnet);
        QCOMPARE(W::m_Wasser, 42.0f);
        QCOMPARE(m.Edit_m_Wasser->text(), QString("42.0"));

        // "-> Neues Gasgemisch": closed without a new gas, the gas stays.
        QComboBox* Gase = m.ComboBox_Tauchgeraet_Atemgas;
        const int32_t Gas = W::Gas_Nr;
        im_Gasrechner([](T_Form_Gasgemisch&) {}, geoeffnet);
        emit Gase->activated(Gase->count() - 1);
        QVERIFY(geoeffnet);
        QCOMPARE(W::Gas_Nr, Gas);
        QCOMPARE(Gase->currentIndex(), Gas);

        // The settings' "neues Gas": the new gas is in the list and chosen.
        Seite_Atemgase s;
        const int Zeilen = s.ListBox_Gase->count();
        im_Gasrechner(
            [](T_Form_Gasgemisch& g) {
                g.Button_BestMix->click();
                g.Button_OK_inDieGasliste->click();
            },
            geoeffnet);
        s.BitBtn_neues_Gas->click();
        QVERIFY(geoeffnet);
        QCOMPARE(s.ListBox_Gase->count(), Zeilen + 1);
        QCOMPARE(s.ListBox_Gase->currentRow(), Zeilen);

        // The ascent plan's "neues Gas": the gas designed is offered in its gas-switch rows at once.
        Unit_AustauchPlanung::Aufstieg_Gaswechsel_OK = true;
        m.Austauchplanung_zeigen(2);
        QComboBox* Zeile = m.Austauchplanung->ComboBox_Gaswechsel[0];
        const int Angebot = Zeile->count();
        im_Gasrechner(
            [](T_Form_Gasgemisch& g) {
                tippen(g.Edit_Einsatztiefe, "80");
                g.Button_BestMix->click();
                g.Button_OK_inDieGasliste->click();
            },
            geoeffnet);
        m.Austauchplanung->Button_GasNeu->click();
        QVERIFY(geoeffnet);
        QCOMPARE(Zeile->count(), Angebot + 1);
        m.Austauchplanung->close();

        // After Ascend the depth belongs to the computed dive: the calculator leaves it.
        Unit_Main::Eingabe_sperren(true);
        const float Tiefe = W::m_Wasser;
        im_Gasrechner([](T_Form_Gasgemisch& g) { tippen(g.Edit_Einsatztiefe, "12"); }, geoeffnet);
        m.findChild<QAction*>("Aktion_Gasrechner")->trigger();
        QVERIFY(geoeffnet);
        QCOMPARE(W::m_Wasser, Tiefe);
    }
};

QTEST_MAIN(test_T_Form_Gasgemisch)
#include "test_T_Form_Gasgemisch.moc"
