// The manual: every entry of the main window's menus is named in the manual of its language, every
// link and picture of the built pages leads somewhere, and Help -> "Handbuch lesen" opens the page
// of the language in force, or says where it looked.
#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Dokumente_oeffnen.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/support/Hauptfenster_im_Test.hpp"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList Sprachen = {"de", "en"};

QString lesen(const QString& Pfad) {
    QFile f(Pfad);
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(Pfad));
    return QString::fromUtf8(f.readAll());
}

QString gebaute_Seite(const QString& Sprache) {
    return QStringLiteral(BRELUNE_BAUORDNER "/manual/") + Sprache + "/index.html";
}

// The entries of every menu of the menu bar as the user reads them.
QStringList Menueeintraege(T_Form_main& f) {
    QStringList Texte;
    for (QAction* m : f.menuBar()->actions())
        for (QAction* a : m->menu()->actions())
            if (!a->isSeparator()) Texte << a->text().remove('&');
    return Texte;
}

} // namespace

class test_Handbuch : public QObject {
    Q_OBJECT
    Testoberflaeche Oberflaeche;
    std::unique_ptr<T_Form_main> Fenster;
    QList<QUrl> geoeffnet;

  private slots:
    void init() {
        Fenster = Hauptfenster_starten(Oberflaeche);
        geoeffnet.clear();
        Dokumente_oeffnen::Oeffnen = [this](const QUrl& u) {
            geoeffnet << u;
            return true;
        };
    }
    void cleanup() { Hauptfenster_beenden(Oberflaeche, Fenster); }

    // German first, then after the menu's switch to English: each language's manual names every
    // entry of the menus in that language, as the menu shows it (in backticks).
    void jeder_Menueeintrag_steht_im_Handbuch() {
        for (const QString& Sprache : Sprachen) {
            if (Sprache == "en") Fenster->findChild<QAction*>("Aktion_english")->trigger();
            QCOMPARE(Unit_Tools::Sprache, Sprachen.indexOf(Sprache));
            const QString Handbuch =
                lesen(QStringLiteral(BRELUNE_QUELLORDNER "/docs/manual/") + Sprache + "/index.md");
            const QStringList Eintraege = Menueeintraege(*Fenster);
            QVERIFY(Eintraege.size() > 50);
            QStringList fehlen;
            for (const QString& Eintrag : Eintraege)
                if (Eintrag.isEmpty() || !Handbuch.contains('`' + Eintrag + '`')) fehlen << Eintrag;
            QVERIFY2(fehlen.isEmpty(), qPrintable(Sprache + ": " + fehlen.join(" | ")));
        }
    }

    // Every href and src of the built pages: a file beside it that exists, and an anchor that a
    // heading of the page it points to carries. No link leaves the manual.
    void jeder_Verweis_fuehrt_zum_Ziel() {
        const QRegularExpression Verweis("(href|src)=\"([^\"]*)\"");
        for (const QString& Sprache : Sprachen) {
            const QString Seite = gebaute_Seite(Sprache);
            int Bilder = 0, Anker = 0;
            for (const auto& m : Verweis.globalMatch(lesen(Seite))) {
                const QString Ziel = m.captured(2);
                QVERIFY2(!Ziel.contains("://"), qPrintable(Ziel));
                const QString Datei = Ziel.section('#', 0, 0), Marke = Ziel.section('#', 1);
                const QString Pfad = Datei.isEmpty() ? Seite : QFileInfo(Seite).dir().filePath(Datei);
                QVERIFY2(QFileInfo(Pfad).isFile(), qPrintable(Sprache + ": " + Ziel));
                if (!Marke.isEmpty()) {
                    QVERIFY2(lesen(Pfad).contains("id=\"" + Marke + "\""), qPrintable(Sprache + ": " + Ziel));
                    ++Anker;
                }
                if (m.captured(1) == "src") ++Bilder;
            }
            QVERIFY2(Bilder >= 6 && Anker >= 20, qPrintable(Sprache));
        }
    }

    // From the build tree's program folder, in the language in force; without a manual anywhere, a
    // message that names the places looked at and nothing opened.
    void Hilfe_oeffnet_das_Handbuch_der_Sprache() {
        QTemporaryDir leer;
        const struct {
            QString Programmordner;
            bool englisch;
            QString erwartet;
        } Faelle[] = {
            {BRELUNE_BAUORDNER "/app", false, gebaute_Seite("de")},
            {BRELUNE_BAUORDNER "/app", true, gebaute_Seite("en")},
            {leer.filePath("bin"), false, {}},
        };
        for (const auto& Fall : Faelle) {
            Unit_Programmstart::Programmordner = Fall.Programmordner.toStdString();
            Unit_Tools::Sprache = Fall.englisch ? 1 : 0;
            Oberflaeche.Zuruecksetzen();
            geoeffnet.clear();
            Fenster->findChild<QAction*>("Aktion_Handbuch")->trigger();
            if (Fall.erwartet.isEmpty()) {
                QVERIFY(geoeffnet.isEmpty());
                QCOMPARE(Oberflaeche.Anzahl("Das Handbuch ist nicht zu finden"), 1);
                QCOMPARE(
                    Oberflaeche.Anzahl(leer.filePath("share/doc/brelune/manual/de/index.html").toStdString()),
                    1);
            } else {
                QCOMPARE(geoeffnet, QList<QUrl>{QUrl::fromLocalFile(Fall.erwartet)});
                QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t(0));
            }
        }
    }
};

QTEST_MAIN(test_Handbuch)
#include "test_Handbuch.moc"
