#include "ui/adapters/Drucken.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace Drucken {

namespace P = Unit_Tools_PrePrinter;

namespace {

constexpr double Zehntelmillimeter_je_Zoll = 254.0;
// The em of the font: a line of it fills the line height of 3.5 mm.
constexpr int Schriftgroesse = 30;

int Zehntelmillimeter(double mm) {
    return static_cast<int>(mm * 10.0 + 0.5);
}

} // namespace

std::function<bool()> Drucker_vorhanden = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };

QFont Druckschrift() {
    QFont f("Courier New");
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(Schriftgroesse);
    return f;
}

P::Seitenmasse Seitenmasse(const QPageLayout& Layout) {
    const QRectF Bereich = Layout.paintRect(QPageLayout::Millimeter);
    P::Seitenmasse m;
    m.Breite = Zehntelmillimeter(Bereich.width());
    m.Hoehe = Zehntelmillimeter(Bereich.height());
    return m;
}

P::Seitenplan Seiten_planen(const Druckvorlage& Vorlage, const QPageLayout& Layout) {
    std::optional<double> Verhaeltnis;
    if (Vorlage.Graph_zeichnen) Verhaeltnis = Vorlage.Graph_Seitenverhaeltnis;
    const P::Seitenmasse m = Seitenmasse(Layout);
    // The font is sized in the page's units (0.1 mm), so its advance is too.
    const double Zeichenbreite = QFontMetricsF(Druckschrift()).horizontalAdvance(QLatin1Char('M'));
    const int Breite = m.Breite - m.Rand.links - m.Rand.rechts;
    const std::size_t Zeichen =
        Zeichenbreite > 0 ? static_cast<std::size_t>(std::max(1.0, Breite / Zeichenbreite)) : 0;
    std::vector<std::string> Zeilen = P::Zeilen_umbrechen(Vorlage.Zeilen, Zeichen);
    P::Seitenplan Plan = P::Seiten_planen(Zeilen.size(), m, Verhaeltnis);
    Plan.Zeilen = std::move(Zeilen);
    return Plan;
}

void Seite_zeichnen(QPainter& Maler, const Druckvorlage& Vorlage, const P::Seitenplan& Plan, std::size_t s) {
    if (s >= Plan.Seiten.size()) return;
    const auto& m = Plan.Masse;
    Maler.save();
    Maler.setClipRect(QRectF(0, 0, m.Breite, m.Hoehe));
    Maler.setFont(Druckschrift());
    Maler.setPen(Qt::black);
    const auto& Seite = Plan.Seiten[s];
    const int Grundlinie = Maler.fontMetrics().ascent();
    for (std::size_t k = 0; k < Seite.Zeilenzahl; ++k) {
        const auto& Zeile = Plan.Zeilen[Seite.erste_Zeile + k];
        if (!Zeile.empty())
            Maler.drawText(QPointF(m.Rand.links, Plan.y_der_Zeile(k) + Grundlinie),
                           QString::fromStdString(Zeile));
    }
    if (Plan.Graph && Plan.Graph->Seite == s && Vorlage.Graph_zeichnen) {
        const auto& g = *Plan.Graph;
        Maler.setRenderHint(QPainter::Antialiasing);
        Vorlage.Graph_zeichnen(Maler, QRectF(g.x, g.y, g.Breite, g.Hoehe));
    }
    Maler.restore();
}

bool Seiten_ausgeben(QPagedPaintDevice& Geraet, const Druckvorlage& Vorlage, const P::Seitenplan& Plan,
                     std::size_t von, std::size_t bis) {
    QPainter Maler;
    if (!Maler.begin(&Geraet)) return false;
    const double Massstab = Geraet.logicalDpiX() / Zehntelmillimeter_je_Zoll;
    for (std::size_t s = von; s <= bis && s < Plan.Seiten.size(); ++s) {
        if (s > von) Geraet.newPage();
        Maler.resetTransform();
        Maler.scale(Massstab, Geraet.logicalDpiY() / Zehntelmillimeter_je_Zoll);
        Seite_zeichnen(Maler, Vorlage, Plan, s);
    }
    return Maler.end();
}

std::optional<QString> PDF_schreiben(const QString& Pfad, const Druckvorlage& Vorlage,
                                     const QPageLayout& Layout) {
    QSaveFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly)) return Datei.errorString();
    {
        QPdfWriter Schreiber(&Datei);
        Schreiber.setCreator("Brelune");
        Schreiber.setPageLayout(Layout);
        const auto Plan = Seiten_planen(Vorlage, Layout);
        if (!Seiten_ausgeben(Schreiber, Vorlage, Plan, 0, Plan.Seiten.size() - 1)) {
            Datei.cancelWriting();
            return Datei.errorString();
        }
    }
    if (!Datei.commit()) return Datei.errorString();
    return std::nullopt;
}

} // namespace Drucken
