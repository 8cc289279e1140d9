// A round lamp: grey while off, its colour (red unless set otherwise) while on.
#pragma once

#include <QColor>
#include <QWidget>

class Alarmlampe : public QWidget {
    Q_OBJECT
  public:
    explicit Alarmlampe(QWidget* parent = nullptr);

    void setAn(bool an);
    bool istAn() const { return An_; }
    void setFarbe(const QColor& Farbe);
    QColor Farbe() const { return Farbe_; }
    // The colour the lamp shows now.
    QColor angezeigteFarbe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    bool An_ = false;
    QColor Farbe_ = Qt::red;
};
