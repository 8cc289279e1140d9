#include "ui/widgets/Rundinstrument.hpp"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double Winkel_Anfang = 225; // the minimum, lower left
constexpr double Winkel_Bogen = 270;  // clockwise to the maximum, lower right

QPointF auf_Kreis(QPointF Mitte, double Radius, double Winkel_Grad) {
    const double w = Winkel_Grad * std::numbers::pi / 180;
    return Mitte + QPointF(Radius * std::cos(w), -Radius * std::sin(w));
}

// 1, 2, 2.5 or 5 times a power of ten, so that the scale carries four to six numbers.
struct Teilung {
    double Schritt;
    int Unterteilung;
};
Teilung Teilung_fuer(double Spanne) {
    const double roh = Spanne / 5;
    const double Zehner = std::pow(10.0, std::floor(std::log10(roh)));
    const double f = roh / Zehner;
    if (f <= 1) return {Zehner, 5};
    if (f <= 2) return {2 * Zehner, 4};
    if (f <= 2.5) return {2.5 * Zehner, 5};
    if (f <= 5) return {5 * Zehner, 5};
    return {10 * Zehner, 5};
}
} // namespace

Rundinstrument::Rundinstrument(int Zeigeranzahl, QWidget* parent) : QWidget(parent) {
    const int n = std::clamp(Zeigeranzahl, 1, 3);
    for (int k = 0; k < n; ++k) Zeiger_.append({Minimum_, Qt::black});
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

double Rundinstrument::begrenzt(double Wert) const {
    if (std::isnan(Wert)) return Minimum_;
    return std::clamp(Wert, Minimum_, Maximum_);
}

void Rundinstrument::setSkala(double Minimum, double Maximum) {
    if (!(Maximum > Minimum) || (Minimum == Minimum_ && Maximum == Maximum_)) return;
    Minimum_ = Minimum;
    Maximum_ = Maximum;
    for (Zeiger_Typ& z : Zeiger_) z.Wert = begrenzt(z.Wert);
    update();
}

double Rundinstrument::Skalenschritt() const {
    return Teilung_fuer(Maximum_ - Minimum_).Schritt;
}

void Rundinstrument::setZeiger(int Nr, double Wert) {
    if (Nr < 0 || Nr >= Zeiger_.size()) return;
    const double w = begrenzt(Wert);
    if (Zeiger_[Nr].Wert == w) return;
    Zeiger_[Nr].Wert = w;
    update();
}

double Rundinstrument::Zeiger(int Nr) const {
    return Nr >= 0 && Nr < Zeiger_.size() ? Zeiger_[Nr].Wert : Minimum_;
}

void Rundinstrument::setZeigerfarbe(int Nr, const QColor& Farbe) {
    if (Nr < 0 || Nr >= Zeiger_.size() || Zeiger_[Nr].Farbe == Farbe) return;
    Zeiger_[Nr].Farbe = Farbe;
    update();
}

QColor Rundinstrument::Zeigerfarbe(int Nr) const {
    return Nr >= 0 && Nr < Zeiger_.size() ? Zeiger_[Nr].Farbe : QColor();
}

double Rundinstrument::Winkel(double Wert) const {
    return Winkel_Anfang - Winkel_Bogen * (begrenzt(Wert) - Minimum_) / (Maximum_ - Minimum_);
}

double Rundinstrument::Zeigerwinkel(int Nr) const {
    return Winkel(Zeiger(Nr));
}

void Rundinstrument::setFarbbereiche(const QList<Farbbereich>& Bereiche) {
    if (Bereiche == Bereiche_) return;
    Bereiche_ = Bereiche;
    update();
}

void Rundinstrument::setMarken(const QList<double>& Marken) {
    if (Marken == Marken_) return;
    Marken_ = Marken;
    update();
}

void Rundinstrument::setWerttext(const QString& Text) {
    if (Text == Werttext_) return;
    Werttext_ = Text;
    update();
}

QSize Rundinstrument::sizeHint() const {
    return {100, 100};
}

QSize Rundinstrument::minimumSizeHint() const {
    return {64, 64};
}

void Rundinstrument::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double Seite = std::min(width(), height());
    const double R = Seite / 2 - 1;
    if (R < 8) return;
    const QPointF M(width() / 2.0, height() / 2.0);

    // Face.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(252, 252, 248));
    p.drawEllipse(M, R, R);

    // Coloured ranges as a band along the rim.
    const double Band = R * 0.11;
    const double r_Band = R - 1.5 - Band / 2;
    const QRectF Band_Rechteck(M.x() - r_Band, M.y() - r_Band, 2 * r_Band, 2 * r_Band);
    for (const Farbbereich& b : Bereiche_) {
        const double a = Winkel(b.von), e = Winkel(b.bis);
        if (a == e) continue;
        p.setPen(QPen(b.Farbe, Band, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(Band_Rechteck, static_cast<int>(std::lround(a * 16)),
                  static_cast<int>(std::lround((e - a) * 16)));
    }

    // Ticks: long and numbered at each step, short between.
    const Teilung t = Teilung_fuer(Maximum_ - Minimum_);
    const double Fein = t.Schritt / t.Unterteilung;
    const double r_aussen = R - 1.5;
    const double lang = R * 0.17, kurz = R * 0.08;
    QFont Schrift = font();
    Schrift.setPixelSize(std::max(7, static_cast<int>(std::lround(R * 0.2))));
    p.setFont(Schrift);
    const QFontMetricsF fm(Schrift);
    const double r_Zahl = r_aussen - lang - 2;
    QLocale Zahlformat;
    Zahlformat.setNumberOptions(QLocale::OmitGroupSeparator);
    const long long k0 = static_cast<long long>(std::ceil(Minimum_ / Fein - 1e-9));
    const long long k1 = static_cast<long long>(std::floor(Maximum_ / Fein + 1e-9));
    for (long long k = k0; k <= k1; ++k) {
        const double v = k * Fein;
        const bool Haupt = k % t.Unterteilung == 0;
        const double w = Winkel(v);
        p.setPen(QPen(QColor(40, 40, 40), Haupt ? std::max(1.0, R * 0.03) : 1.0));
        p.drawLine(auf_Kreis(M, r_aussen - (Haupt ? lang : kurz), w), auf_Kreis(M, r_aussen, w));
        if (!Haupt) continue;
        const QString Zahl = Zahlformat.toString(std::fabs(v) < Fein * 1e-6 ? 0.0 : v, 'g', 6);
        // Centred so that the digits' box just touches the end of the long tick.
        const double Breite_Zahl = fm.horizontalAdvance(Zahl), Hoehe_Ziffern = fm.capHeight();
        const double wr = w * std::numbers::pi / 180;
        const double Einzug =
            std::fabs(std::cos(wr)) * Breite_Zahl / 2 + std::fabs(std::sin(wr)) * Hoehe_Ziffern / 2;
        const QPointF Ort = auf_Kreis(M, r_Zahl - Einzug, w);
        p.drawText(QPointF(Ort.x() - Breite_Zahl / 2, Ort.y() + Hoehe_Ziffern / 2), Zahl);
    }

    // Grey marks: a wedge pointing from the rim to the centre.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(150, 150, 150));
    for (double m : Marken_) {
        if (m < Minimum_ || m > Maximum_) continue;
        const double w = Winkel(m);
        const double halb = 5.5;
        QPolygonF Keil;
        Keil << auf_Kreis(M, r_aussen - lang * 1.1, w) << auf_Kreis(M, R + 0.5, w + halb)
             << auf_Kreis(M, R + 0.5, w - halb);
        p.drawPolygon(Keil);
    }

    // Value text in the gap below the centre.
    if (!Werttext_.isEmpty()) {
        QFont Wertschrift = font();
        Wertschrift.setBold(true);
        Wertschrift.setPixelSize(std::max(8, static_cast<int>(std::lround(R * 0.22))));
        p.setFont(Wertschrift);
        p.setPen(QColor(20, 20, 20));
        const QRectF Feld(M.x() - R * 0.62, M.y() + R * 0.48, R * 1.24, R * 0.34);
        p.drawText(Feld, Qt::AlignCenter, Werttext_);
    }

    // Pointers, the first on top.
    const double Laenge = R * 0.8, Schwanz = R * 0.14, Breite = std::max(2.0, R * 0.055);
    for (int n = static_cast<int>(Zeiger_.size()) - 1; n >= 0; --n) {
        const Zeiger_Typ& z = Zeiger_[n];
        const double w = Winkel(z.Wert);
        QPolygonF Nadel;
        Nadel << auf_Kreis(M, Laenge, w) << auf_Kreis(M, Breite, w + 90) << auf_Kreis(M, Schwanz, w + 180)
              << auf_Kreis(M, Breite, w - 90);
        // A dark outline keeps a yellow or white pointer visible on the light face.
        p.setPen(QPen(z.Farbe.lightness() > 120 ? QColor(60, 60, 60) : z.Farbe.darker(150), 1));
        p.setBrush(z.Farbe);
        p.drawPolygon(Nadel);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(M, Breite * 1.2, Breite * 1.2);
}
