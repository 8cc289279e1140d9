// The automatic gas switch window: the limits of the proposal, three preset sets, the proposal
// itself into the ascent gas table, and the clean-up of gases nothing uses.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class T_form_AustauchPlanung_autoGaswechsel : public QDialog {
    Q_OBJECT
  public:
    explicit T_form_AustauchPlanung_autoGaswechsel(QWidget* parent = nullptr);
    // Modal; returns when the window is closed.
    void Zeigen();
    // The fields from the library's current set.
    void Anzeigen();

    QLineEdit* Edit_pO2max = nullptr;
    QLineEdit* Edit_pO2min = nullptr;
    QLineEdit* Edit_pN2max = nullptr;
    QLineEdit* Edit_dpN2max = nullptr;
    QLineEdit* Edit_dpN2min = nullptr;
    QSpinBox* SpinEdit_ENDmax = nullptr;
    QCheckBox* CheckBox_BottomGasIstErstesGas = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Standard = nullptr;
    QPushButton* Button_maxEntsaettigung = nullptr;
    QPushButton* Button_wenigGaswechsel = nullptr;
    QPushButton* Button_NichtBenoetigteGaseLoeschen = nullptr;
    QPushButton* ButtonClose = nullptr;

  signals:
    // The ascent gas table or the gas list changed: the ascent plan window repaints.
    void Plan_geaendert();

  private:
    void Verbinden();
};
