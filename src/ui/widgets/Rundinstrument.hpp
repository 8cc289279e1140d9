// A round dial: a scale from minimum to maximum over three quarters of a circle with numbered
// ticks, coloured ranges along the rim, grey marks, one to three pointers and a value text.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class Rundinstrument : public QWidget {
    Q_OBJECT
  public:
    struct Farbbereich {
        double von;
        double bis;
        QColor Farbe;
        bool operator==(const Farbbereich&) const = default;
    };

    // Pointers 1 to 3 (fewer or more are brought into that range), all black at the minimum.
    explicit Rundinstrument(int Zeigeranzahl = 1, QWidget* parent = nullptr);

    // A maximum not above the minimum is ignored. The pointers are clamped to the new scale.
    void setSkala(double Minimum, double Maximum);
    double Minimum() const { return Minimum_; }
    double Maximum() const { return Maximum_; }
    // The distance of two numbered ticks, chosen from the scale.
    double Skalenschritt() const;

    int Zeigeranzahl() const { return static_cast<int>(Zeiger_.size()); }
    // Pointer Nr (from 0) to the value, clamped to the scale; an unknown pointer is ignored.
    void setZeiger(int Nr, double Wert);
    double Zeiger(int Nr) const;
    void setZeigerfarbe(int Nr, const QColor& Farbe);
    QColor Zeigerfarbe(int Nr) const;
    // Direction of the pointer in degrees, counter-clockwise from three o'clock: 225 at the
    // minimum, -45 at the maximum.
    double Zeigerwinkel(int Nr) const;
    double Winkel(double Wert) const;

    void setFarbbereiche(const QList<Farbbereich>& Bereiche);
    QList<Farbbereich> Farbbereiche() const { return Bereiche_; }
    // Grey marks on the rim at these values (those outside the scale are not drawn).
    void setMarken(const QList<double>& Marken);
    QList<double> Marken() const { return Marken_; }
    // Shown below the centre, e.g. the value with its unit; empty shows nothing.
    void setWerttext(const QString& Text);
    QString Werttext() const { return Werttext_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    struct Zeiger_Typ {
        double Wert;
        QColor Farbe;
    };
    double begrenzt(double Wert) const;

    double Minimum_ = 0;
    double Maximum_ = 100;
    QList<Zeiger_Typ> Zeiger_;
    QList<Farbbereich> Bereiche_;
    QList<double> Marken_;
    QString Werttext_;
};
