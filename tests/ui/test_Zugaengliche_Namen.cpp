// What a screen reader hears: every window the main window brings, on every page of every tab
// and for every apparatus, asked through Qt's accessibility interface as an assistive tool asks
// it. A field a diver types into, chooses from or reads a value in must have a name, and a name
// no other field shown beside it has. New windows are walked without being listed here.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

bool ist_Feld(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        // The edit inside a spin box or an editable combo box is named by its owner.
        const QWidget* Eltern = e->parentWidget();
        return !qobject_cast<const QAbstractSpinBox*>(Eltern) && !qobject_cast<const QComboBox*>(Eltern);
    }
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) return !t->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(w)) return !t->isReadOnly();
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w);
}

QString Name(QWidget* Feld) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Feld);
    return a ? a->text(QAccessible::Name).simplified() : QString();
}

// The object names from the window down to the field: findable, and stable between two runs.
QString Pfad(QWidget* Feld) {
    QStringList Teile;
    for (QWidget* w = Feld; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            Teile.prepend(w->objectName());
        else if (w == Feld)
            Teile.prepend(QString(w->metaObject()->className()) + "#" +
                          QString::number(w->parentWidget()->children().indexOf(w)));
    }
    return Teile.join('/');
}

// The tabs shown now, as the diver sees them: "Sicherheit > Gradient Faktoren".
QString Seite(QWidget* Fenster) {
    QStringList Reiter;
    for (QTabWidget* t : Fenster->findChildren<QTabWidget*>())
        if (t->window() == Fenster && t->isVisible()) Reiter << t->tabText(t->currentIndex());
    return Reiter.join(" > ");
}

// Shows the page of every tab widget above w.
void Seiten_darueber_zeigen(QWidget* w) {
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        auto* Stapel = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* Reiter = Stapel ? qobject_cast<QTabWidget*>(Stapel->parentWidget()) : nullptr;
        if (Reiter) Reiter->setCurrentWidget(w);
    }
}

struct Durchgang {
    QStringList Fehler;
    QSet<QString> Felder, Felder_ohne_eigenen_Namen;
    QMap<QString, QString> Namen; // path -> name, as last heard

    void pruefen(QWidget* Fenster) {
        QMap<QString, QStringList> Pfade_je_Name;
        QList<QWidget*> Sichtbare;
        for (QWidget* w : Fenster->findChildren<QWidget*>())
            if (w->window() == Fenster && w->isVisible() && ist_Feld(w)) Sichtbare << w;
        for (QWidget* w : Sichtbare) Pfade_je_Name[Name(w)] << Pfad(w);
        for (QWidget* w : Sichtbare) {
            const QString n = Name(w), p = Pfad(w);
            Felder.insert(p);
            Namen[p] = n;
            QString Grund;
            if (n.isEmpty())
                Grund = "no name";
            else if (Pfade_je_Name[n].size() > 1) {
                QStringList andere = Pfade_je_Name[n];
                andere.removeAll(p);
                Grund = "\"" + n + "\" also names " + andere.join(", ");
            }
            if (Grund.isEmpty()) continue;
            Felder_ohne_eigenen_Namen.insert(p);
            const QString Zeile = Fenster->objectName() + " [" + Seite(Fenster) + "] " + p + ": " + Grund;
            if (!Fehler.contains(Zeile)) Fehler << Zeile;
        }
    }

    // The window as it opens, then every page of every tab widget in it, nested ones too.
    void Fenster_pruefen(QWidget* Fenster) {
        Fenster->show();
        QApplication::processEvents();
        pruefen(Fenster);
        for (QTabWidget* t : Fenster->findChildren<QTabWidget*>()) {
            if (t->window() != Fenster) continue;
            for (int i = 0; i < t->count(); ++i) {
                if (!t->isTabVisible(i)) continue;
                Seiten_darueber_zeigen(t);
                t->setCurrentIndex(i);
                QApplication::processEvents();
                pruefen(Fenster);
            }
        }
        Fenster->hide();
    }

    void alle_Fenster_pruefen() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip || qobject_cast<QMenu*>(w))
                continue;
            Fenster_pruefen(w);
        }
    }
};

} // namespace

class test_Zugaengliche_Namen : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    std::unique_ptr<T_Form_main> Hauptfenster;

    void starten(int Sprache) {
        Hauptfenster.reset();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false, .Sprache = Sprache});
        Hauptfenster = std::make_unique<T_Form_main>();
        // Every display the diver can switch on, so that every field of the status panel shows.
        if (auto* Anzeigen = Hauptfenster->findChild<QWidget*>("TabSheet_Anzeigen"))
            for (QCheckBox* c : Anzeigen->findChildren<QCheckBox*>()) c->setChecked(true);
        Hauptfenster->Hauptfenster_aktualisieren();
    }

    // Every window for every apparatus: some fields are there only for one of them.
    Durchgang alles_pruefen() {
        Durchgang d;
        for (int Geraet = 0; Geraet < 4; ++Geraet) {
            Unit_Main::Tauchgeraet_waehlen(Geraet);
            Hauptfenster->Hauptfenster_aktualisieren();
            d.alle_Fenster_pruefen();
        }
        return d;
    }

  private slots:
    void init() { Unit_UI::UI_setzen(&Oberflaeche); }
    void cleanup() {
        Hauptfenster.reset();
        Unit_UI::UI_setzen(nullptr);
        Unit_Tools::Sprache = 0;
    }

    void jedes_Feld_hat_einen_eigenen_Namen_data() {
        QTest::addColumn<int>("Sprache");
        QTest::newRow("deutsch") << 0;
        QTest::newRow("english") << 1;
    }
    void jedes_Feld_hat_einen_eigenen_Namen() {
        QFETCH(int, Sprache);
        starten(Sprache);
        const Durchgang d = alles_pruefen();
        qInfo("%lld of %lld fields without a name of their own",
              static_cast<long long>(d.Felder_ohne_eigenen_Namen.size()),
              static_cast<long long>(d.Felder.size()));
        for (const QString& f : d.Fehler) qInfo("%s", qPrintable(f));
        QVERIFY(d.Felder.size() > 100);
        QCOMPARE(d.Fehler.size(), 0);
    }

    // A gas box of a table row says its row and column as its name and keeps the chosen gas as
    // its value, with the list to choose from as its child.
    void eine_Gaszeile_sagt_Zeile_Spalte_und_Gas() {
        starten(1);
        auto* Plan = Hauptfenster->findChild<QWidget*>("T_Form_AustauchPlanung");
        auto* Tiefe = Plan->findChild<QWidget*>("SpinEdit_Gaswechsel_m3");
        auto* Gas = Plan->findChild<QComboBox*>("ComboBox_Gaswechsel3");
        QCOMPARE(Name(Tiefe), QString("Gas switch 3: From depth (m)"));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Gas);
        QCOMPARE(a->text(QAccessible::Name), QString("Gas switch 3: Breathing gas"));
        Gas->setCurrentIndex(1);
        QVERIFY(!Gas->currentText().isEmpty());
        QCOMPARE(a->text(QAccessible::Value), Gas->currentText());
        QCOMPARE(a->role(), QAccessible::ComboBox);
        QCOMPARE(a->child(0)->object(), static_cast<QObject*>(Gas->view()));
    }

    // After the switch of the language every field is named as a window built in that language
    // names it: no name stays behind in the other language.
    void der_Sprachwechsel_benennt_jedes_Feld_neu() {
        starten(1);
        const QMap<QString, QString> Englisch = alles_pruefen().Namen;
        starten(0);
        Hauptfenster->findChild<QAction*>("Aktion_english")->trigger();
        QCOMPARE(Unit_Tools::Sprache, 1);
        const QMap<QString, QString> umgeschaltet = alles_pruefen().Namen;
        QStringList anders;
        for (auto i = Englisch.begin(); i != Englisch.end(); ++i)
            if (umgeschaltet.value(i.key()) != i.value())
                anders << i.key() + ": \"" + umgeschaltet.value(i.key()) + "\" instead of \"" + i.value() +
                              "\"";
        for (const QString& a : anders) qInfo("%s", qPrintable(a));
        QCOMPARE(anders.size(), 0);
    }
};

QTEST_MAIN(test_Zugaengliche_Namen)
#include "test_Zugaengliche_Namen.moc"
