#include "ui/widgets/Balkenanzeige.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The width of each segment in a bar whose inside is Innenbreite wide, cut at 100 % in total.
QList<double> Breiten(const QList<Balkenanzeige::Segment>& Segmente, double Innenbreite) {
    QList<double> b;
    double belegt = 0;
    for (const Balkenanzeige::Segment& s : Segmente) {
        const double Rest = std::max(0.0, 100 - belegt);
        const double p = std::min(std::max(0.0, s.Prozent), Rest);
        b.append(p / 100 * Innenbreite);
        belegt += p;
    }
    return b;
}
} // namespace

Balkenanzeige::Balkenanzeige(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted: what lies beneath need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Balkenanzeige::setSegmente(const QList<Segment>& Segmente) {
    QList<Segment> neu = Segmente;
    for (Segment& s : neu) s.Prozent = std::max(0.0, s.Prozent);
    if (neu == Segmente_ && Text_.isEmpty()) return;
    Segmente_ = neu;
    Text_.clear();
    update();
}

void Balkenanzeige::setSkala(double Minimum, double Maximum) {
    if (!(Maximum > Minimum)) return;
    Minimum_ = Minimum;
    Maximum_ = Maximum;
}

void Balkenanzeige::setWert(double Wert, const QColor& Farbe, const QString& Text) {
    const double Anteil =
        std::isnan(Wert) ? 0.0 : std::clamp((Wert - Minimum_) / (Maximum_ - Minimum_), 0.0, 1.0);
    const QList<Segment> neu{{Anteil * 100, Farbe}};
    if (neu == Segmente_ && Text == Text_) return;
    Segmente_ = neu;
    Text_ = Text;
    update();
}

void Balkenanzeige::setHintergrund(const QColor& Farbe) {
    if (Farbe == Hintergrund_) return;
    Hintergrund_ = Farbe;
    update();
}

QSize Balkenanzeige::sizeHint() const {
    return {100, 20};
}

QSize Balkenanzeige::minimumSizeHint() const {
    return {40, 12};
}

void Balkenanzeige::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF Innen = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.fillRect(Innen, Hintergrund_);
    const QList<double> b = Breiten(Segmente_, Innen.width());
    double x = Innen.left();
    for (int k = 0; k < b.size(); ++k) {
        p.fillRect(QRectF(x, Innen.top(), b[k], Innen.height()), Segmente_[k].Farbe);
        x += b[k];
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    if (!Text_.isEmpty()) p.drawText(Innen, Qt::AlignCenter, Text_);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
