// Handing texts to the desktop's office programs: the runtime table as a spreadsheet (.csv), the
// report as a text document (.odt), written into a folder that lives as long as the program and
// opened with the application the desktop has for them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Dokumente_oeffnen {

// The folder of the handed-over files; removed when the program ends.
QString Uebergabeordner();
// A new file name in that folder ("Runtime_Tabelle_1.csv", "..._2.csv", ...), so an earlier
// document still open in its program is never overwritten.
QString neuer_Dateiname(const QString& Stamm, const QString& Endung);

// The report lines as an OpenDocument text: a fixed-pitch font, the first line bold.
QByteArray ODT(const std::vector<std::string>& Zeilen);

// Writes the file completely (beside it first, then renamed) and opens it. A file that cannot be
// written or a desktop without a program for it: a message, false.
bool schreiben_und_oeffnen(const QString& Pfad, const QByteArray& Inhalt);

// The runtime table to the spreadsheet program (the "Excel" button).
void Runtime_Tabelle_uebergeben();
// The report to the word processor (the "Word" button).
void Report_uebergeben();

// Opens a URL with the desktop; tests replace it.
extern std::function<bool(const QUrl&)> Oeffnen;

} // namespace Dokumente_oeffnen
