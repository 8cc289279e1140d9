// The settings dialog driven through its controls: the library's settings behind them, the
// questions and messages the headless screen recorded, and the main window opening it on a page.
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/settings/Einstellungsseiten_Umgebung.hpp"
#include "ui/settings/T_Form_Einstellungen.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace F = Unit_Formeln;
namespace U = Unit_AustauchPlanung;
namespace D = Unit_Graph_Utilities;

class test_T_Form_Einstellungen : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;

    // Runs Oeffnen, which shows the dialog modally; notes its page and closes it.
    static int geoeffnete_Seite(const std::function<void()>& Oeffnen) {
        int Seite = -1;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<T_Form_Einstellungen*>(QApplication::activeModalWidget());
            if (!d) return;
            Seite = d->PageControl->currentIndex();
            d->BitBtn_Schliessen->click();
        });
        Oeffnen();
        return Seite;
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

    void Grundeinstellung_fragt_und_wird_angewendet() {
        T_Form_Einstellungen f;
        f.show();
        QSignalSpy Hauptfenster(&f, &T_Form_Einstellungen::Hauptfenster_aktualisieren_verlangt);
        auto* Seite = f.TabSheet_Grundeinstellungen;
        QCOMPARE(Seite->ListBox_Grundeinstellungen->count(), 6);
        QCOMPARE(Seite->ListBox_Grundeinstellungen->currentRow(), 1);

        Seite->ListBox_Grundeinstellungen->setCurrentRow(3);
        Oberflaeche.Antwort_Frage = false;
        Seite->BitBtn_Grundeinstellungen_OK->click();
        QCOMPARE(Oberflaeche.Fragen.size(), std::size_t{1});
        QVERIFY(Oberflaeche.Fragen[0].find("Alle individuellen Anpassungen") != std::string::npos);
        QCOMPARE(Unit_Grundeinstellungen::Grundeinstellung, 1);
        QCOMPARE(Seite->ListBox_Grundeinstellungen->currentRow(), 1); // shows what is in force
        QVERIFY(!Unit_Saettigungsmodelle::GF_verwenden);

        Seite->ListBox_Grundeinstellungen->setCurrentRow(3);
        Oberflaeche.Antwort_Frage = true;
        Seite->BitBtn_Grundeinstellungen_OK->click();
        QCOMPARE(Unit_Grundeinstellungen::Grundeinstellung, 3);
        QVERIFY(Unit_Saettigungsmodelle::GF_verwenden);
        // the other pages show the preset at once: stops to full runtime minutes
        QVERIFY(f.TabSheet_Zeit->CheckBox_volle_RunTime_Minuten->isChecked());
        QVERIFY(f.TabSheet_Anzeigen->CheckBox_OTU->isChecked());
        QVERIFY(Hauptfenster.count() > 0);
    }

    void Hoehe_700_m_gibt_den_Luftdruck_von_Grundeinstellung_0() {
        Unit_Grundeinstellungen::Grundeinstellung_anwenden(0);
        const float bar_Preset = F::bar_Luft;
        Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
        T_Form_Einstellungen f;
        f.show();
        auto* Seite = f.TabSheet_Luftdruck;
        QCOMPARE(Seite->SpinEdit_Hoehe->value(), 0);
        QCOMPARE(Seite->Edit_Luftdruck_mbar->text(), QString("1013.25"));
        Seite->SpinEdit_Hoehe->setValue(700);
        QCOMPARE(F::bar_Luft, bar_Preset);
        QCOMPARE(Seite->Edit_Luftdruck_mbar->text(), QString(" 928.89"));

        // a typed pressure gives the altitude; a typed word only the number message
        Seite->Edit_Luftdruck_mbar->setText("1013,25");
        Seite->BitBtn_Luftdruck_OK->click();
        QCOMPARE(F::m_NN, 0);
        QCOMPARE(Seite->SpinEdit_Hoehe->value(), 0);
        Seite->Edit_Luftdruck_mbar->setText("Meereshöhe");
        Seite->BitBtn_Luftdruck_OK->click();
        QCOMPARE(Oberflaeche.Anzahl(">Meereshöhe< ist keine Zahl"), 1);
        QCOMPARE(Seite->Edit_Luftdruck_mbar->text(), QString("1013.25"));

        Seite->SpinEdit_Hoehe->setValue(2000);
        Seite->BitBtn_Standardatmosphaere->click();
        QCOMPARE(F::bar_Luft, 1.01325f);
        QCOMPARE(Seite->SpinEdit_Hoehe->value(), 0);
    }

    void Wasser_kalibrieren_und_Standard() {
        T_Form_Einstellungen f;
        f.show();
        auto* Seite = f.TabSheet_Wasserdruck;
        QCOMPARE(Seite->Edit_m_pro_bar->text(), QString("10.000"));
        Seite->ComboBox_Temperatur->setCurrentIndex(3); // 20 °C
        Seite->ComboBox_Salzgehalt->setCurrentIndex(2); // Atlantic
        Seite->BitBtn_Kalibrieren->click();
        QCOMPARE(Seite->Edit_Dichte->text(), QString("1.032144"));
        QCOMPARE(Seite->Edit_m_pro_bar->text(), QString(" 9.880"));
        Seite->Edit_Dichte->setText("1,0");
        Seite->BitBtn_Wasser_OK->click();
        QCOMPARE(Seite->Edit_m_pro_bar->text(), QString("10.197"));
        Seite->BitBtn_Wasser_Standard->click();
        QCOMPARE(F::m_pro_bar, 10.0f);
    }

    void volle_Minuten_schliessen_sich_aus_und_Uhrzeit_ist_eine_Einstellung() {
        T_Form_Einstellungen f;
        f.show();
        auto* Zeit = f.TabSheet_Zeit;
        QVERIFY(Zeit->CheckBox_volle_Minuten->isChecked());
        Zeit->CheckBox_volle_RunTime_Minuten->click();
        QVERIFY(U::Stops_volle_RunTime_Minuten);
        QVERIFY(!U::Stops_volle_Minuten);
        QVERIFY(!Zeit->CheckBox_volle_Minuten->isChecked());
        Zeit->CheckBox_volle_Minuten->click();
        QVERIFY(U::Stops_volle_Minuten);
        QVERIFY(!Zeit->CheckBox_volle_RunTime_Minuten->isChecked());

        f.TabSheet_Anzeigen->CheckBox_Uhrzeit->click();
        QVERIFY(D::Uhrzeit_zeigen);
        QVERIFY(Zeit->CheckBox_Uhrzeit_anzeigen->isChecked());
        Zeit->CheckBox_Uhrzeit_anzeigen->click();
        QVERIFY(!D::Uhrzeit_zeigen);
        QVERIFY(!f.TabSheet_Anzeigen->CheckBox_Uhrzeit->isChecked());

        Zeit->TimeEdit_Startzeit->setTime(QTime(7, 45, 0));
        Zeit->BitBtn_Startzeit_OK->click();
        QVERIFY(!D::Startzeit_aktuell);
        QVERIFY(!Zeit->CheckBox_jetzt->isChecked());
        QCOMPARE(D::Startzeit.Text(), std::string("07:45:00"));
    }

    void Anzeigen_Standard_nach_der_Frage() {
        D::OTU_zeigen = true;
        D::CNS_zeigen = false;
        T_Form_Einstellungen f;
        f.show();
        auto* Seite = f.TabSheet_Anzeigen;
        QVERIFY(Seite->CheckBox_OTU->isChecked());
        Oberflaeche.Antwort_Frage = false;
        Seite->BitBtn_Anzeigen_Standard->click();
        QVERIFY(D::OTU_zeigen);
        Oberflaeche.Antwort_Frage = true;
        Seite->BitBtn_Anzeigen_Standard->click();
        QCOMPARE(Oberflaeche.Fragen.size(), std::size_t{2});
        QVERIFY(Oberflaeche.Fragen[1].find("Alle Anzeigen auf Standardwerte") != std::string::npos);
        QVERIFY(!D::OTU_zeigen);
        QVERIFY(D::CNS_zeigen);
        QVERIFY(!Seite->CheckBox_OTU->isChecked());
        QVERIFY(Seite->CheckBox_CNS->isChecked());
    }

    void Einstellung_ueberlebt_Programmende_und_Neustart() {
        QTemporaryDir Ordner;
        qputenv("XDG_CONFIG_HOME", Ordner.path().toUtf8());
        Unit_Programmstart::Programm_starten({});
        Unit_Warnhinweis::akzeptiert = true;
        {
            T_Form_Einstellungen f;
            f.show();
            f.TabSheet_Luftdruck->SpinEdit_Hoehe->setValue(1500);
            f.TabSheet_Zeit->CheckBox_volle_RunTime_Minuten->click();
            f.BitBtn_Schliessen->click();
        }
        QVERIFY(Unit_Programmstart::Programm_beenden());
        QVERIFY(QFile::exists(Ordner.filePath("Brelune/brelune.ini")));

        // the new run starts from preset 1 and reads the file over it
        Unit_Programmstart::Programm_starten({});
        T_Form_Einstellungen f;
        f.show();
        QCOMPARE(f.TabSheet_Luftdruck->SpinEdit_Hoehe->value(), 1500);
        QCOMPARE(F::bar_Luft, F::bar_Luft_aus_Hoehe(1500));
        QVERIFY(f.TabSheet_Zeit->CheckBox_volle_RunTime_Minuten->isChecked());
        QVERIFY(!f.TabSheet_Zeit->CheckBox_volle_Minuten->isChecked());
        Unit_Warnhinweis::akzeptiert = false;
        qunsetenv("XDG_CONFIG_HOME");
    }

    void Hauptfenster_oeffnet_die_richtige_Seite() {
        T_Form_main m;
        auto* Knopf = m.findChild<QPushButton*>("BitBtn_Einstellungen");
        QVERIFY(Knopf->isEnabled());
        QCOMPARE(geoeffnete_Seite([&] { Knopf->click(); }), int(T_Form_Einstellungen::Grundeinstellungen));

        auto* Eintrag = m.findChild<QAction*>("Aktion_Einstellungen_20");
        QVERIFY(Eintrag->isEnabled());
        QCOMPARE(geoeffnete_Seite([&] { Eintrag->trigger(); }), int(T_Form_Einstellungen::Zeit));
        // later the button opens on the page shown last
        QCOMPARE(geoeffnete_Seite([&] { Knopf->click(); }), int(T_Form_Einstellungen::Zeit));
        QCOMPARE(geoeffnete_Seite([&] { m.findChild<QAction*>("Aktion_Einstellungen_26")->trigger(); }),
                 int(T_Form_Einstellungen::Grenzwerte));

        auto* Anpassen = m.findChild<QPushButton*>("BitBtn_RunTimeTabelle_anpassen");
        QCOMPARE(geoeffnete_Seite([&] { Anpassen->click(); }), int(T_Form_Einstellungen::RuntimeTabelle));
        QCOMPARE(geoeffnete_Seite([&] { QTest::mouseClick(m.Edit_Luftdruck, Qt::LeftButton); }),
                 int(T_Form_Einstellungen::Luftdruck));
    }

    void Anzeigeschalter_erneuert_das_Hauptfenster_sofort() {
        T_Form_main m;
        m.show();
        D::Druck_zeigen = false;
        m.Einstellungsdialog->show();
        QVERIFY(!m.Einstellungsdialog->TabSheet_Anzeigen->CheckBox_Druck->isChecked());
        // the altitude reaches the main window's air pressure field while the dialog is open
        m.Einstellungsdialog->TabSheet_Luftdruck->SpinEdit_Hoehe->setValue(700);
        QCOMPARE(m.Edit_Luftdruck->text(), QString("928.89"));
        auto* Druckgruppe = m.findChild<QGroupBox*>("GroupBox_Druck");
        QVERIFY(Druckgruppe->isHidden());
        m.Einstellungsdialog->TabSheet_Anzeigen->CheckBox_Druck->click();
        QVERIFY(D::Druck_zeigen);
        QVERIFY(!Druckgruppe->isHidden());
        m.Einstellungsdialog->hide();
    }
};

QTEST_MAIN(test_T_Form_Einstellungen)
#include "test_T_Form_Einstellungen.moc"
