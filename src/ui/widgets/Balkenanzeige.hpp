// A horizontal bar of coloured segments, left to right, that together fill 100 %, e.g. the
// oxygen, nitrogen and helium parts of a gas; drawn with an outline. Or one value on a scale: a
// bar from the scale's start to the value in its colour, with an optional text centred on it.
#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class Balkenanzeige : public QWidget {
    Q_OBJECT
  public:
    struct Segment {
        double Prozent;
        QColor Farbe;
        bool operator==(const Segment&) const = default;
    };

    explicit Balkenanzeige(QWidget* parent = nullptr);

    // Negative parts count as 0; what lies beyond 100 % in total is not drawn.
    void setSegmente(const QList<Segment>& Segmente);
    QList<Segment> Segmente() const { return Segmente_; }

    // The scale of setWert; a scale without width is refused.
    void setSkala(double Minimum, double Maximum);
    // One bar up to the value (cut at the scale's ends), the text on it (empty: none).
    void setWert(double Wert, const QColor& Farbe, const QString& Text = {});
    QString Text() const { return Text_; }
    // What the bar lies on; light grey unless set.
    void setHintergrund(const QColor& Farbe);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QList<Segment> Segmente_;
    QString Text_;
    QColor Hintergrund_{235, 235, 235};
    double Minimum_ = 0, Maximum_ = 100;
};
