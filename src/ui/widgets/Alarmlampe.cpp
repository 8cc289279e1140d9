#include "ui/widgets/Alarmlampe.hpp"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

Alarmlampe::Alarmlampe(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Alarmlampe::setAn(bool an) {
    if (an == An_) return;
    An_ = an;
    update();
}

void Alarmlampe::setFarbe(const QColor& Farbe) {
    if (Farbe == Farbe_) return;
    Farbe_ = Farbe;
    if (An_) update();
}

QColor Alarmlampe::angezeigteFarbe() const {
    return An_ ? Farbe_ : QColor(170, 170, 170);
}

QSize Alarmlampe::sizeHint() const {
    return {18, 18};
}

QSize Alarmlampe::minimumSizeHint() const {
    return {12, 12};
}

void Alarmlampe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(width(), height()) / 2.0 - 1;
    const QPointF M(width() / 2.0, height() / 2.0);
    const QColor f = angezeigteFarbe();
    // A highlight up left makes it read as a lamp, not a dot.
    QRadialGradient Glanz(M - QPointF(r * 0.35, r * 0.35), r * 1.3);
    Glanz.setColorAt(0, f.lighter(160));
    Glanz.setColorAt(1, f.darker(115));
    p.setBrush(Glanz);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.drawEllipse(M, r, r);
}
