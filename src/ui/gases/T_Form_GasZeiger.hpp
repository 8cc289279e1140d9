// The gas indicator: a small window, always on top, that tells whether the current gas may be
// breathed at the depth typed in the main window (computed by the library as open circuit).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class T_Form_GasZeiger : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_GasZeiger(QWidget* parent = nullptr);
    // Reads the library's verdict for the depth and shows it.
    void aktualisieren(float m_Tiefe);
    // The first showing puts the window right below the gas box, right edges aligned.
    void zeigen_unter(const QWidget* Gasauswahl, float m_Tiefe);

    QLineEdit* Edit_O2 = nullptr;
    QLineEdit* Edit_N2 = nullptr;
    QLineEdit* Edit_He = nullptr;
    QLineEdit* Edit_pO2 = nullptr;
    QLineEdit* Edit_pO2_max = nullptr;
    QLineEdit* Edit_pO2_min = nullptr;
    QLineEdit* Edit_MOD = nullptr;
    QLineEdit* Edit_END = nullptr;
    QLabel* Label_Hinweis = nullptr;

  private:
    bool platziert = false;
};
