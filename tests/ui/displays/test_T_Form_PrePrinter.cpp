// Printing as a user does it: the print buttons and the menu entry of the main window open the
// preview, the preview pages through the text, writes a PDF whose text pdftotext finds, says so
// when there is no printer or the file cannot be written; the office buttons hand the runtime
// table and the report to the desktop's programs.
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "files/Unit_Save_Read.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Dokumente_oeffnen.hpp"
#include "ui/adapters/Drucken.hpp"
#include "ui/displays/T_Form_PrePrinter.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace Memo = Unit_Textpuffer;

namespace {

const std::string Beispiel = BRELUNE_DATEN "/Example_dives/Trimix_60m_25min.dec";

// Runs of blanks as one: pdftotext sets the columns with its own spacing.
QString einfach(const QString& Text) {
    return Text.simplified();
}

QString PDF_Text(const QString& Pfad) {
    QProcess p;
    p.start("pdftotext", {"-layout", Pfad, "-"});
    if (!p.waitForFinished(20000)) qFatal("pdftotext did not finish");
    return QString::fromUtf8(p.readAllStandardOutput());
}

QPageLayout A4_ohne_Rand() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

} // namespace

class test_T_Form_PrePrinter : public QObject {
    Q_OBJECT
    Unit_UI::Headless Oberflaeche;
    std::unique_ptr<T_Form_main> f;
    QTemporaryDir Ordner;

    template <typename T> T* finden(QObject* In, const char* Name) {
        T* w = In->findChild<T*>(Name);
        if (!w) qFatal("no control %s", Name);
        return w;
    }
    T_Form_PrePrinter* Vorschau() {
        if (!f->Druckvorschau) qFatal("no print preview");
        f->Druckvorschau->Drucker().setPageLayout(A4_ohne_Rand());
        f->Druckvorschau->Seiten_neu_planen();
        return f->Druckvorschau;
    }
    QString Pfad(const char* Name) { return Ordner.filePath(Name); }

  private slots:
    void init() {
        Unit_Tools::Sprache = 0;
        Unit_Tools::Dezimaltrennzeichen_setzen(',');
        Unit_UI::UI_setzen(&Oberflaeche);
        Oberflaeche.Zuruecksetzen();
        Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
        QVERIFY(Unit_Save_Read::Tauchgang_laden_Datei(Beispiel, Unit_Main::Tauchgang_geladen));
        Unit_Main::Austauchen_Klick();
        f = std::make_unique<T_Form_main>();
        f->resize(1400, 900);
        f->show();
        Drucken::Drucker_vorhanden = [] { return true; };
        Oberflaeche.Meldungen.clear();
    }
    void cleanup() {
        f.reset();
        Unit_UI::UI_setzen(nullptr);
    }

    void Blaettern_mit_einer_und_mit_mehreren_Seiten_data() {
        QTest::addColumn<int>("Zeilen");
        QTest::addColumn<int>("Seiten");
        QTest::newRow("eine Seite") << 20 << 1;
        QTest::newRow("zwei Seiten") << 78 << 2; // 77 lines fill an A4 page
        QTest::newRow("drei Seiten") << 160 << 3;
    }
    void Blaettern_mit_einer_und_mit_mehreren_Seiten() {
        QFETCH(int, Zeilen);
        QFETCH(int, Seiten);
        f->Druckvorschau_zeigen(std::vector<std::string>(static_cast<std::size_t>(Zeilen), "Zeile"), false);
        auto* v = Vorschau();
        QVERIFY(v->isVisible());
        auto* minus = finden<QPushButton>(v, "Button_minus");
        auto* plus = finden<QPushButton>(v, "Button_plus");
        auto* Label = finden<QLabel>(v, "Label_Seite");
        auto* Seite = finden<QRadioButton>(v, "RadioButton_Seite");
        auto* Alles = finden<QRadioButton>(v, "RadioButton_Alles");
        QCOMPARE(static_cast<int>(v->Seitenzahl()), Seiten);
        const bool mehrere = Seiten > 1;
        QCOMPARE(Seite->isEnabled(), mehrere);
        QCOMPARE(Alles->isEnabled(), mehrere);
        QVERIFY(Alles->isChecked());
        for (int s = 1; s <= Seiten; ++s) {
            QCOMPARE(Label->text(), mehrere ? QString("%1 von %2").arg(s).arg(Seiten) : QString());
            QCOMPARE(minus->isEnabled(), s > 1);
            QCOMPARE(plus->isEnabled(), s < Seiten);
            if (s < Seiten) plus->click();
        }
        if (mehrere) {
            minus->click();
            QCOMPARE(static_cast<int>(v->Seite()), Seiten - 2);
        }
        Unit_Tools::Sprache = 1;
        v->hide();
        v->show();
        if (mehrere) QCOMPARE(Label->text(), QString("%1 of %2").arg(Seiten - 1).arg(Seiten));
    }

    // The runtime table tab's button; the PDF holds every line of the table as text.
    void Runtime_Tabelle_als_PDF_mit_echtem_Text() {
        finden<QPushButton>(f.get(), "BitBtn_RunTimeTabelle_Drucken")->click();
        auto* v = Vorschau();
        QCOMPARE(v->Vorlage().Zeilen, Memo::Memo_RunTimeTabelle.lesen());
        QVERIFY(!v->Plan().Graph);
        Oberflaeche.Antwort_Datei = Pfad("Tabelle").toStdString(); // the ending is added
        finden<QPushButton>(v, "Button_PDF")->click();
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});
        const QString Text = einfach(PDF_Text(Pfad("Tabelle.pdf")));
        for (const auto& Zeile : Memo::Memo_RunTimeTabelle.lesen())
            QVERIFY2(Text.contains(einfach(QString::fromStdString(Zeile))), Zeile.c_str());
    }

    // A line wider than the sheet (all columns and a long warning) goes on in the next line:
    // every word reaches the paper.
    void breite_Zeile_geht_nicht_verloren() {
        std::string Zeile = "Warnung:";
        for (int k = 1; k <= 40; ++k) Zeile += " Wort" + std::to_string(k);
        f->Druckvorschau_zeigen({Zeile}, false);
        auto* v = Vorschau();
        QVERIFY(v->Plan().Zeilen.size() > 1);
        Oberflaeche.Antwort_Datei = Pfad("breit").toStdString();
        finden<QPushButton>(v, "Button_PDF")->click();
        const QStringList Woerter = PDF_Text(Pfad("breit.pdf")).split(QRegularExpression("\\s+"));
        for (int k = 1; k <= 40; ++k)
            QVERIFY2(Woerter.contains(QString("Wort%1").arg(k)), qPrintable(QString::number(k)));
    }

    // The menu entry prints the report with the graph after it, on the last page.
    void Report_mit_Graph_aus_dem_Menue() {
        QChart* Chart = f->CWGraph_Tauchgang->Chart();
        const QRectF Flaeche = Chart->plotArea();
        finden<QAction>(f.get(), "Aktion_Report_drucken")->trigger();
        auto* v = Vorschau();
        while (v->Button_plus->isEnabled()) v->Button_plus->click();
        v->grab();                            // the page with the graph drawn
        QCOMPARE(Chart->plotArea(), Flaeche); // the graph on screen is as it was
        QCOMPARE(v->Vorlage().Zeilen.size(), Memo::Memo_Report.lesen().size() + 3);
        QVERIFY(v->Plan().Graph);
        QCOMPARE(v->Plan().Graph->Seite, v->Seitenzahl() - 1);
        QVERIFY(v->Seitenzahl() >= 2);
        Oberflaeche.Antwort_Datei = Pfad("Report.pdf").toStdString();
        finden<QPushButton>(v, "Button_PDF")->click();
        const QString Text = PDF_Text(Pfad("Report.pdf"));
        QVERIFY(Text.contains("Tauchgang Zusammenfassung"));
        QVERIFY(Text.contains(QRegularExpression("Tauchgang \\.{20}")));
        QCOMPARE(Text.count('\f'), static_cast<qsizetype>(v->Seitenzahl()));
        // the others print without the graph
        for (const char* Knopf : {"BitBtn_Report_Drucken", "BitBtn_ReportCSV_Drucken"}) {
            finden<QPushButton>(f.get(), Knopf)->click();
            QCOMPARE(Vorschau()->Plan().Graph.has_value(), QString(Knopf) == "BitBtn_Report_Drucken");
        }
    }

    void ohne_Drucker_wird_das_PDF_angeboten() {
        Drucken::Drucker_vorhanden = [] { return false; };
        finden<QPushButton>(f.get(), "BitBtn_Report_Drucken")->click();
        auto* v = Vorschau();
        v->findChild<QPushButton*>("Button_plus")->click();
        Oberflaeche.Antwort_Frage = false;
        finden<QPushButton>(v, "Button_Drucken")->click();
        QCOMPARE(Oberflaeche.Fragen.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(Oberflaeche.Fragen[0]).contains("kein Drucker"));
        QCOMPARE(v->Seite(), std::size_t{1}); // nothing else changed
        QVERIFY(v->isVisible());

        Oberflaeche.Antwort_Frage = true;
        Oberflaeche.Antwort_Datei = Pfad("ohne_Drucker.pdf").toStdString();
        finden<QPushButton>(v, "Button_Drucken")->click();
        QVERIFY(PDF_Text(Pfad("ohne_Drucker.pdf")).contains("Runtime Tabelle"));
    }

    // A target that cannot be written: a message, the file there unchanged.
    void nicht_schreibbares_Ziel() {
        finden<QPushButton>(f.get(), "BitBtn_RunTimeTabelle_Drucken")->click();
        Oberflaeche.Antwort_Datei = "/proc/Brelune.pdf"; // not even root writes here
        finden<QPushButton>(Vorschau(), "Button_PDF")->click();
        QCOMPARE(Oberflaeche.Anzahl("PDF-Datei kann nicht geschrieben werden"), 1);
        QVERIFY(!QFile::exists("/proc/Brelune.pdf"));

        QFile Vorhanden("/proc/version");
        QVERIFY(Vorhanden.open(QIODevice::ReadOnly));
        const QByteArray vorher = Vorhanden.readAll();
        Vorhanden.close();
        QVERIFY(!Dokumente_oeffnen::schreiben_und_oeffnen("/proc/version", "halb"));
        QCOMPARE(Oberflaeche.Anzahl("Datei kann nicht geschrieben werden"), 2);
        QVERIFY(Vorhanden.open(QIODevice::ReadOnly));
        QCOMPARE(Vorhanden.readAll(), vorher);
    }

    void Excel_und_Word_uebergeben_an_die_Programme_des_Desktops() {
        QList<QUrl> Geoeffnet;
        bool Programm_da = true;
        Dokumente_oeffnen::Oeffnen = [&](const QUrl& u) {
            Geoeffnet << u;
            return Programm_da;
        };
        finden<QPushButton>(f.get(), "BitBtn_RunTimeTabelle_Excel")->click();
        finden<QPushButton>(f.get(), "BitBtn_Report_Word")->click();
        QCOMPARE(Geoeffnet.size(), 2);
        QCOMPARE(Oberflaeche.Meldungen.size(), std::size_t{0});

        QFile Tabelle(Geoeffnet[0].toLocalFile());
        QVERIFY(Tabelle.fileName().endsWith(".csv"));
        QVERIFY(Tabelle.open(QIODevice::ReadOnly));
        const QStringList Reihen = QString::fromUtf8(Tabelle.readAll()).split("\r\n");
        QCOMPARE(Reihen[0], QString::fromStdString(Memo::Memo_RunTimeTabelle.lesen()[0]));
        QVERIFY(Reihen[3].startsWith("Tiefe;Runtime;Atemgas;Aktion"));
        QVERIFY(Reihen[6].startsWith("0,00;0,00;Tmx18/45;START"));

        QFile Report(Geoeffnet[1].toLocalFile());
        QVERIFY(Report.fileName().endsWith(".odt"));
        QVERIFY(Report.open(QIODevice::ReadOnly));
        const QByteArray Inhalt = Report.readAll();
        QVERIFY(Inhalt.startsWith("PK"));
        QVERIFY(Inhalt.contains("application/vnd.oasis.opendocument.text"));

        // no program for the file: a message naming where it is; a second hand-over is a new file
        Programm_da = false;
        finden<QPushButton>(f.get(), "BitBtn_RunTimeTabelle_Excel")->click();
        QCOMPARE(Oberflaeche.Anzahl("kein Programm"), 1);
        QVERIFY(Geoeffnet[2] != Geoeffnet[0]);
        QVERIFY(QFile::exists(Geoeffnet[2].toLocalFile()));
        QVERIFY(QFile::exists(Geoeffnet[0].toLocalFile()));
    }
};

QTEST_MAIN(test_T_Form_PrePrinter)
#include "test_T_Form_PrePrinter.moc"
