// The gas calculator: a breathing gas for an operating depth, computed from a wanted pO2 and END
// or checked as typed, the best mix for a pO2 target, and the gas put into the gas list. Every
// decision is the library's (Unit_Gasrechner); the window reads its controls and shows the state.
#pragma once

#include "gases/Unit_Gasrechner.hpp"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class Radiogruppe;

class T_Form_Gasgemisch : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Gasgemisch(QWidget* parent = nullptr);
    // The captions and hints of the language in force.
    void Beschriftungen_setzen();
    const Unit_Gasrechner::Gasrechner_Type& Zustand() const { return Z; }

    QSlider* TrackBar_Einsatztiefe = nullptr;
    QSlider* TrackBar_pO2 = nullptr;
    QSlider* TrackBar_END = nullptr;
    QLineEdit* Edit_Einsatztiefe = nullptr;
    QLineEdit* Edit_pO2 = nullptr;
    QLineEdit* Edit_END = nullptr;
    QLineEdit* Edit_MOD = nullptr;
    QLineEdit* Edit_MinOD = nullptr;
    QCheckBox* CheckBox_pO2 = nullptr;
    QCheckBox* CheckBox_END = nullptr;
    QCheckBox* CheckBox_Gas = nullptr;
    Radiogruppe* RadioGroup_TmxNitrox = nullptr;
    QSpinBox* SpinEdit_f_O2_prozent = nullptr;
    QSpinBox* SpinEdit_f_N2_prozent = nullptr;
    QSpinBox* SpinEdit_f_He_prozent = nullptr;
    QLineEdit* Edit_Gasname = nullptr;
    Radiogruppe* RadioGroup_BestMix = nullptr;
    QPushButton* Button_BestMix = nullptr;
    QPushButton* Button_GasCheck = nullptr;
    QPushButton* Button_OK_inDieGasliste = nullptr;
    QPushButton* ButtonClose = nullptr;
    QLabel* Label_Hinweis = nullptr;

  signals:
    // A gas was found in or added to the gas list and is now the current gas.
    void Gas_aufgenommen();

  protected:
    void showEvent(QShowEvent* Ereignis) override;
    void done(int Ergebnis) override;

  private:
    Unit_Gasrechner::Gasrechner_Type Z;
    QLabel* Label_Gasname = nullptr;

    void Verbinden();
    Unit_Gasrechner::Eingaben Felder() const;
    // Runs a library operation on the state, then shows the state.
    template <typename Operation> void Ausfuehren(Operation&& op);
    void Anzeigen();
    void Freigaben_setzen();
    void Button_OK_inDieGaslisteClick();
};
