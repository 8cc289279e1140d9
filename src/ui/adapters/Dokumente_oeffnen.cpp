#include "ui/adapters/Dokumente_oeffnen.hpp"

#include "core/Unit_Textpuffer.hpp"
#include "lang/Unit_Tools.hpp"
#include "reports/Unit_Report.hpp"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <memory>

namespace Dokumente_oeffnen {

namespace {

std::string S(const QString& s) {
    return s.toStdString();
}

QString Fehler_beim_Schreiben(const QString& Pfad, const QString& Grund) {
    return QString::fromStdString(Unit_Tools::Text_waehlen("Die Datei kann nicht geschrieben werden:\n",
                                                           "The file cannot be written:\n")) +
           Pfad + "\n(" + Grund + ")";
}

} // namespace

std::function<bool(const QUrl&)> Oeffnen = [](const QUrl& u) { return QDesktopServices::openUrl(u); };

QString Uebergabeordner() {
    static const std::unique_ptr<QTemporaryDir> Ordner = std::make_unique<QTemporaryDir>();
    return Ordner->isValid() ? Ordner->path() : QDir::tempPath();
}

QString neuer_Dateiname(const QString& Stamm, const QString& Endung) {
    const QDir Ordner(Uebergabeordner());
    for (int n = 1;; ++n) {
        const QString Name = QString("%1_%2.%3").arg(Stamm).arg(n).arg(Endung);
        if (!Ordner.exists(Name)) return Ordner.filePath(Name);
    }
}

QByteArray ODT(const std::vector<std::string>& Zeilen) {
    QTextDocument Dokument;
    QTextCursor Cursor(&Dokument);
    QTextCharFormat Format;
    // The word processor picks its own fixed-pitch face where it has no "Courier New". The ODF
    // writer still reads the family from the single-name property.
    Format.setFontFamilies(QStringList{"Courier New"});
    Format.setProperty(QTextFormat::FontFamily, QString("Courier New"));
    Format.setFontFixedPitch(true);
    Format.setFontPointSize(8);
    for (std::size_t k = 0; k < Zeilen.size(); ++k) {
        if (k > 0) Cursor.insertBlock();
        Format.setFontWeight(k == 0 ? QFont::Bold : QFont::Normal);
        Cursor.insertText(QString::fromStdString(Zeilen[k]), Format);
    }
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter Schreiber(&Puffer, "odf");
    Schreiber.write(&Dokument);
    return Puffer.data();
}

bool schreiben_und_oeffnen(const QString& Pfad, const QByteArray& Inhalt) {
    QSaveFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(Inhalt) != Inhalt.size() || !Datei.commit()) {
        const QString Meldung = Fehler_beim_Schreiben(Pfad, Datei.errorString());
        Unit_Tools::Meldung_Problem(S(Meldung), S(Meldung));
        return false;
    }
    if (Oeffnen(QUrl::fromLocalFile(Pfad))) return true;
    Unit_Tools::Meldung_Problem(
        "Es ist kein Programm eingerichtet, das diese Datei öffnet. Die Datei liegt bis zum Ende des "
        "Programms "
        "hier:\n" +
            S(Pfad),
        "No application is set up to open this file. The file stays here until the program ends:\n" +
            S(Pfad));
    return false;
}

void Runtime_Tabelle_uebergeben() {
    const auto Zellen = Unit_Report::Runtime_Tabelle_mit_Excel_schreiben();
    if (Zellen.empty()) {
        Unit_Tools::Meldung_Problem(
            "Die Tauchgangsberechnung wurde abgebrochen: es gibt keine Tabelle zu übergeben.",
            "The dive calculation was cancelled: there is no table to hand over.");
        return;
    }
    // A spreadsheet reads "1,5" as a number where the comma is the decimal separator; then the
    // cells are separated by semicolons.
    const char Trenner = Unit_Tools::Dezimaltrennzeichen() == ',' ? ';' : ',';
    const std::string Text = Unit_Report::als_CSV(Zellen, Trenner);
    schreiben_und_oeffnen(neuer_Dateiname("Runtime_Tabelle", "csv"), QByteArray::fromStdString(Text));
}

void Report_uebergeben() {
    schreiben_und_oeffnen(neuer_Dateiname("Report", "odt"), ODT(Unit_Textpuffer::Memo_Report.lesen()));
}

} // namespace Dokumente_oeffnen
