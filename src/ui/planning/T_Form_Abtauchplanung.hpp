// The descent plan window: velocity, bubble check, gas switches and CCR setpoints on the way
// down, on four pages. Its OK buttons hand the fields to the library's descent plan; every
// repaint shows the library's values and enables what the library's rules allow.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class T_Form_Abtauchplanung : public QDialog {
    Q_OBJECT
  public:
    enum Seite { Seite_Geschwindigkeit = 0, Seite_BubbleCheck, Seite_Gaswechsel, Seite_pO2 };
    explicit T_Form_Abtauchplanung(QWidget* parent = nullptr);
    // Modal, on the given page; returns when the window is closed.
    void Zeigen(Seite Auf);
    void aktualisieren();

    QTabWidget* PageControl = nullptr;
    QCheckBox* CheckBox_Abstieg = nullptr;
    QRadioButton* CheckBox_AbstiegConst_OK = nullptr;
    QRadioButton* CheckBox_AbstiegVariabel_OK = nullptr;
    QSpinBox* SpinEdit_vConst = nullptr;
    std::array<QSpinBox*, 3> SpinEdit_m{};
    std::array<QSpinBox*, 3> SpinEdit_v{};
    QPushButton* BitBtn_Abstieg = nullptr;
    QCheckBox* CheckBox_BubbleCheck = nullptr;
    QSpinBox* SpinEdit_BubbleCheck_m = nullptr;
    QSpinBox* SpinEdit_BubbleCheck_min = nullptr;
    QPushButton* BitBtn_BubbleCheck = nullptr;
    QRadioButton* CheckBox_Gaswechsel_beim_Abstieg_NO = nullptr;
    QRadioButton* CheckBox_Gaswechsel_beim_Abstieg_YES = nullptr;
    std::array<QSpinBox*, 5> SpinEdit_Gaswechsel_m{};
    std::array<QComboBox*, 5> ComboBox_Gaswechsel{};
    QPushButton* BitBtn_Gaswechsel_Abstieg_OK = nullptr;
    QRadioButton* CheckBox_pO2_const = nullptr;
    QRadioButton* CheckBox_not_pO2_const = nullptr;
    QLineEdit* Edit_pO2_const = nullptr;
    std::array<QSpinBox*, 3> SpinEdit_mp{};
    std::array<QLineEdit*, 3> Edit_yp{};
    QPushButton* Button_pO2OK = nullptr;
    QPushButton* ButtonClose = nullptr;

  private:
    QWidget* Seite_Geschwindigkeit_anlegen();
    QWidget* Seite_BubbleCheck_anlegen();
    QWidget* Seite_Gaswechsel_anlegen();
    QWidget* Seite_pO2_anlegen();
    bool Fuellen_laeuft = false;
};
