// The Qt side of printing: the page layout of the library drawn with QPainter onto a printer, a
// PDF file or the preview's sheet. The painter works in 0.1 mm from the top left corner of the
// printable area, so paper, PDF and screen show the same page.
#pragma once

#include "reports/Unit_Tools_PrePrinter.hpp"

#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

struct Druckvorlage {
    std::vector<std::string> Zeilen;
    // The dive graph drawn into a rectangle (by the chart's own renderer); empty: no graph.
    std::function<void(QPainter&, const QRectF&)> Graph_zeichnen;
    double Graph_Seitenverhaeltnis = 0; // height / width
};

namespace Drucken {

// The fixed-pitch font of the printed text, its size in 0.1 mm.
QFont Druckschrift();
// Printable size and margins of a page layout, in 0.1 mm.
Unit_Tools_PrePrinter::Seitenmasse Seitenmasse(const QPageLayout& Layout);
Unit_Tools_PrePrinter::Seitenplan Seiten_planen(const Druckvorlage& Vorlage, const QPageLayout& Layout);
// Page s (0-based) onto a painter that is set to 0.1 mm at the top left of the printable area.
void Seite_zeichnen(QPainter& Maler, const Druckvorlage& Vorlage,
                    const Unit_Tools_PrePrinter::Seitenplan& Plan, std::size_t s);
// Pages von .. bis onto a printer or PDF writer, a new sheet between them. False when the device
// could not be painted on.
bool Seiten_ausgeben(QPagedPaintDevice& Geraet, const Druckvorlage& Vorlage,
                     const Unit_Tools_PrePrinter::Seitenplan& Plan, std::size_t von, std::size_t bis);
// Every page as a PDF file. The file is written beside the target and renamed when complete, so
// an existing file is never left half-written. The error text when it failed.
std::optional<QString> PDF_schreiben(const QString& Pfad, const Druckvorlage& Vorlage,
                                     const QPageLayout& Layout);

// Whether a printer is installed; tests replace it.
extern std::function<bool()> Drucker_vorhanden;

} // namespace Drucken
