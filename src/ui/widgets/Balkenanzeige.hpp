// A horizontal bar of coloured segments, left to right, that together fill 100 %, e.g. the
// oxygen, nitrogen and helium parts of a gas; drawn with an outline.
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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QList<Segment> Segmente_;
};
