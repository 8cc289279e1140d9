// The dissolved-gas window: the nitrogen and helium the body holds now, in barL, and the
// nitrogen share. Its area grows with the amount: the base size is the surface-saturated diver.
#pragma once

#include "ui/displays/Gewebefenster.hpp"

class Balkenanzeige;
class QLabel;

class T_Form_Gewebe_barL : public Gewebefenster {
    Q_OBJECT
  public:
    // Placed below the pressure chart when that is shown, else beside the Ascend button.
    T_Form_Gewebe_barL(QWidget* Hauptfenster, const QWidget* Druckfenster, const QWidget* Austauchen);
    void aktualisieren() override;

    QLabel* Label_N2 = nullptr;
    QLabel* Label_He = nullptr;
    QLabel* Label_N2He = nullptr;
    Balkenanzeige* Balken_N2 = nullptr;

  protected:
    void platzieren() override;

  private:
    const QWidget* Druckfenster_;
    const QWidget* Austauchen_;
};
