// The blending window driven as a blender drives it: the recipe of each page is the one the headless
// program gives for the same fill, a gas that cannot be made stops with the reason and no results,
// the fields keep their compositions at 100 %, and "Überwachung" hands the fill monitor its targets.
#include "blender/Unit_Gasmischer.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/blender/T_Form_Gasmischer.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <vector>

namespace M = Unit_Gasmischer;

class test_T_Form_Gasmischer : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    // "name = value" lines of `brelune-cli blend` for the same fill.
    static QMap<QString, QString> CLI(int Seite, const QString& Vorher, const QString& Nachher,
                                      const QString& Trimix) {
        const char* const Methoden[] = {"o2-he-air", "o2-trimix-air", "trimix", "o2-he-air"};
        QStringList Argumente{"blend", "--method", Methoden[Seite]};
        Argumente << (Vorher.isEmpty() ? QStringList{"--empty"} : QStringList{"--before", Vorher});
        if (Seite != 2) Argumente << "--after" << Nachher;
        if (!Trimix.isEmpty()) Argumente << "--trimix" << Trimix;
        QProcess p;
        p.start(BRELUNE_CLI, Argumente);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("brelune-cli failed: %s", qPrintable(p.readAllStandardError()));
        QMap<QString, QString> Werte;
        for (const QString& Zeile :
             QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            const auto Teile = Zeile.split("= ");
            if (Teile.size() == 2) Werte[Teile[0].trimmed()] = Teile[1];
        }
        return Werte;
    }

    static void tippen(QLineEdit* e, const QString& Text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, Text);
    }

    // "O2/HE@BAR" into the O2, He and pressure fields of a box; an empty text ticks "leer".
    static void Gas_tippen(T_Form_Gasmischer& f, QLineEdit* O2, QLineEdit* He, QLineEdit* bar,
                           const QString& Gas) {
        if (Gas.isEmpty()) {
            if (!f.CheckBox_Vorher_leer->isChecked()) f.CheckBox_Vorher_leer->click();
            return;
        }
        const auto Teile = Gas.split(QRegularExpression("[/@]"));
        tippen(O2, Teile[0]);
        tippen(He, Teile[1]);
        if (bar && Teile.size() > 2) tippen(bar, Teile[2]);
    }

    // The texts of the controls whose object names match.
    static QStringList Texte(const T_Form_Gasmischer& f, const char* Namen) {
        QStringList t;
        for (QObject* o : f.findChildren<QObject*>(QRegularExpression(Namen)))
            t << o->property("text").toString();
        return t;
    }
    static constexpr const char* Eingabefelder = "^Edit([1-9]|10)$|^Edit_Mix";
    static constexpr const char* Ergebnisfelder = "^Label_(.*_bar|Strom_.*|Sensor.)$|^Edit11$";

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen('.');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
    }
    void cleanup() { Unit_UI::UI_setzen(nullptr); }

    void Rezept_jeder_Seite_wie_die_Kommandozeile() {
        // Per page: result (label or field) = the line of the headless program that holds it.
        const QStringList Felder[] = {
            {"Label_O2_bar=O2 (bar)", "Label_Luft_bar=Luft (bar)", "Label_He_bar=He (bar)",
             "Label_Summe_bar=Summe (bar)", "Edit11=Kosten (Euro)"},
            {"Label_Tmx_O2_bar=O2 (bar)", "Label_Tmx_Luft_bar=Luft (bar)", "Label_Tmx_bar=Tmx (bar)",
             "Label_Tmx_Summe_bar=Summe (bar)"},
            {"Edit6=O2 (%)", "Edit7=N2 (%)", "Edit8=He (%)", "Edit9=Druck (bar)"},
            {"Label_Strom_O2=O2 (%)", "Label_Strom_N2=N2 (%)", "Label_Strom_He=He (%)",
             "Label_Sensor1=Sensor 1 (%)", "Label_Sensor2=Sensor 2 (%)", "Edit11=Kosten (Euro)"}};
        const struct {
            int Seite;
            QString Vorher, Nachher, Trimix; // an empty cylinder: no gas before
        } Faelle[] = {{0, "", "32/0@200", ""},
                      {0, "21/0@50", "21/35@200", ""},
                      {1, "21/0@50", "18/40@200", "10/70"},
                      {2, "21/0@100", "", "16/50@100"},
                      {3, "", "16/50@220", ""}};
        for (const auto& Fall : Faelle) {
            T_Form_Gasmischer f;
            f.show();
            Gas_tippen(f, f.Edit1, f.Edit3, f.Edit4, Fall.Vorher);
            if (!Fall.Nachher.isEmpty()) Gas_tippen(f, f.Edit6, f.Edit8, f.Edit9, Fall.Nachher);
            f.PageControl_Methoden->setCurrentIndex(Fall.Seite);
            if (Fall.Seite == 1) Gas_tippen(f, f.Edit12, f.Edit14, nullptr, Fall.Trimix);
            if (Fall.Seite == 2) Gas_tippen(f, f.Edit16, f.Edit18, f.Edit19, Fall.Trimix);
            f.Button_berechnen->click();
            QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
            const auto Soll = CLI(Fall.Seite, Fall.Vorher, Fall.Nachher, Fall.Trimix);
            for (const QString& Paar : Felder[Fall.Seite]) {
                const QString Name = Paar.section('=', 0, 0), Zeile = Paar.section('=', 1);
                const QString Ist = f.findChild<QObject*>(Name)->property("text").toString();
                QVERIFY2(Soll.contains(Zeile), qPrintable(Zeile));
                // Labels are padded as the headless program pads; fields hold the number alone.
                QCOMPARE(Name.startsWith("Label") ? Ist : Ist.trimmed(),
                         Name.startsWith("Label") ? Soll[Zeile] : Soll[Zeile].trimmed());
            }
        }
    }

    void was_nicht_geht_meldet_und_laesst_die_Eingaben() {
        const struct {
            int Seite;
            QString Vorher, Nachher, Meldung;
        } Faelle[] = {
            {0, "21/0@100", "16/50@220", "Zu kleiner Anteil im Gas(nachher) gewünscht: N2 "},
            {0, "", "16/50@2OO", ">2OO< ist keine Zahl: Gas (nachher): Druck (bar)"},
            {1, "21/0@20", "16/50@220", "Gas(nachher) Enddruck ist zu niedrig"},
            {3, "21/0@100", "18/0@220", "Gas(nachher) enthält zu wenig O2"},
        };
        for (const auto& Fall : Faelle) {
            T_Form_Gasmischer f;
            f.show();
            Gas_tippen(f, f.Edit1, f.Edit3, f.Edit4, Fall.Vorher);
            Gas_tippen(f, f.Edit6, f.Edit8, f.Edit9, Fall.Nachher);
            f.PageControl_Methoden->setCurrentIndex(Fall.Seite);
            f.Edit11->setText("1.00"); // as a fill before left it
            const QStringList vorher = Texte(f, Eingabefelder);
            Oberflaeche.Zuruecksetzen();
            f.Aktion_Rechne->trigger();
            QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{1});
            QCOMPARE(Oberflaeche.Meldungen[0].Art, Unit_UI::Meldungsart::Problem);
            QVERIFY2(QString::fromStdString(Oberflaeche.Meldungen[0].Text).contains(Fall.Meldung),
                     Oberflaeche.Meldungen[0].Text.c_str());
            QCOMPARE(Texte(f, Eingabefelder), vorher);
            QCOMPARE(Texte(f, Ergebnisfelder).join(""), QString());
        }
    }

    void Felder_bleiben_bei_100_Prozent() {
        const struct {
            QString Vorher, Feld, Text; // Vorher: "field=text" typed first
            QStringList danach;         // "object name=text" (check boxes: checked)
            bool Meldung;
        } Faelle[] = {
            {"", "Edit6", "60", {"Edit8=40.0", "Edit7=0.0"}, false},
            {"Edit6=60", "Edit8", "30", {"Edit8=30", "Edit7=10.0"}, false},
            {"", "Edit1", "120", {"Edit3=-20.0", "Edit2=0.0"}, true},
            {"Edit4=100", "Edit4", "50", {"CheckBox_Vorher_leer=false", "Edit4=50"}, false},
            {"Edit4=100", "Edit4", "0", {"CheckBox_Vorher_leer=true"}, false},
            {"", "Edit5", "12,5", {"Edit10=12,5"}, false},
            {"", "Edit12", "10", {"Edit16=10", "Edit13=40.0", "Edit17=40.0"}, false},
            {"", "Edit18", "70", {"Edit14=70", "Edit13=14.0", "Edit17=14.0"}, false},
        };
        for (const auto& Fall : Faelle) {
            Oberflaeche.Zuruecksetzen();
            T_Form_Gasmischer f;
            f.show();
            if (!Fall.Vorher.isEmpty())
                tippen(f.findChild<QLineEdit*>(Fall.Vorher.section('=', 0, 0)), Fall.Vorher.section('=', 1));
            tippen(f.findChild<QLineEdit*>(Fall.Feld), Fall.Text);
            for (const QString& Paar : Fall.danach) {
                QObject* o = f.findChild<QObject*>(Paar.section('=', 0, 0));
                const QVariant Wert = o->property(qobject_cast<QCheckBox*>(o) ? "checked" : "text");
                QCOMPARE(Wert.toString(), Paar.section('=', 1));
            }
            QCOMPARE(Oberflaeche.Anzahl("Diese Gaszusammensetzung ist nicht möglich"), Fall.Meldung ? 1 : 0);
            // "leer" puts air at 0 bar into the cylinder.
            f.CheckBox_Vorher_leer->setChecked(false);
            f.CheckBox_Vorher_leer->click();
            QCOMPARE((QStringList{f.Edit1->text(), f.Edit2->text(), f.Edit3->text(), f.Edit4->text()}),
                     (QStringList{"20.9", "79.1", "0.0", "0.0"}));
        }
    }

    void Ueberwachung_bekommt_die_Ziele_des_Einduesens() {
        T_Form_Gasmischer f;
        std::vector<M::Fuellziel> Ziele;
        connect(&f, &T_Form_Gasmischer::Ueberwachung_gewuenscht, this,
                [&Ziele](const M::Fuellziel& z) { Ziele.push_back(z); });
        f.show();
        tippen(f.Edit_Mix_Zugabe_HeVerlustFaktor, "0,95");
        f.Button_Ueberwachung->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        QCOMPARE(f.PageControl_Methoden->currentIndex(), int(T_Form_Gasmischer::Seite_Einduesen));
        QCOMPARE(Ziele.size(), std::size_t{1});
        // The targets are what the page shows, for the gas and the factor typed.
        QCOMPARE(QString::fromStdString(M::Ergebnis_Text(Ziele[0].Sensor1)), f.Label_Sensor1->text());
        QCOMPARE(QString::fromStdString(M::Ergebnis_Text(Ziele[0].Sensor2)), f.Label_Sensor2->text());
        QCOMPARE(Ziele[0].Enddruck, 220.0);
        QCOMPARE(Ziele[0].He_Faktor, 0.95);
        // The factor is kept when the window opens again; a gas that cannot be made sends nothing.
        f.hide();
        f.show();
        QCOMPARE(f.Edit_Mix_Zugabe_HeVerlustFaktor->text(), QString("0.950"));
        tippen(f.Edit8, "0");
        tippen(f.Edit6, "18");
        f.Button_Ueberwachung->click();
        QCOMPARE(Ziele.size(), std::size_t{1});
        QCOMPARE(Oberflaeche.Anzahl("enthält zu wenig O2"), 1);
        QCOMPARE(f.Label_Sensor1->text(), QString());
    }

    void aus_dem_Hauptfenster_auf_Englisch_mit_Menues() {
        T_Form_main m;
        QAction* Eintrag = m.findChild<QAction*>("Aktion_Gasmischer");
        QVERIFY(Eintrag->isEnabled());
        Eintrag->trigger();
        T_Form_Gasmischer& f = *m.Gasmischer;
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QString("Gasmischer (nach dem idealen Gasgesetz)"));
        Oberflaeche.Antwort_Frage = false; // no restart
        m.findChild<QAction*>("Aktion_english")->trigger();
        QCOMPARE(f.windowTitle(), QString("Gas blender (by the ideal gas law)"));
        QCOMPARE(f.PageControl_Methoden->tabText(0), QString("+O2 +He +Air"));
        QCOMPARE(f.Edit4->accessibleName(), QString("Gas (before): Pressure (bar)"));
        QCOMPARE(f.Edit9->accessibleName(), QString("Gas (after): Pressure (bar)"));
        int Sensoren = 0, ADC = 0;
        connect(&f, &T_Form_Gasmischer::Sensoren_gewuenscht, this, [&] { ++Sensoren; });
        connect(&f, &T_Form_Gasmischer::ADC_gewuenscht, this, [&] { ++ADC; });
        const std::pair<QAction*, const char*> Eintraege[] = {{f.Aktion_Luft, "Composition of air"},
                                                              {f.Aktion_Kosten, "Cost of the fill"},
                                                              {f.Aktion_Lieferleistungen, "180 l/min"},
                                                              {f.Aktion_Version, "21.5.2014"}};
        for (const auto& [a, Text] : Eintraege) {
            a->trigger();
            QVERIFY2(Oberflaeche.Anzahl(Text) == 1, Text);
        }
        f.Aktion_Sensoren->trigger();
        f.Aktion_ADC->trigger();
        QCOMPARE(std::pair(Sensoren, ADC), std::pair(1, 1));
        f.Aktion_zuruecksetzen->trigger();
        QCOMPARE(f.PageControl_Methoden->currentIndex(), 0);
        QVERIFY(f.CheckBox_Vorher_leer->isChecked());
        f.Aktion_Schliessen->trigger();
        QVERIFY(!f.isVisible());
        Unit_Tools::Sprache = 0;
    }
};

QTEST_MAIN(test_T_Form_Gasmischer)
#include "test_T_Form_Gasmischer.moc"
