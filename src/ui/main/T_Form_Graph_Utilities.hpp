// The axes adjustment of the profile graph (right click on the graph): the runtime and depth
// ranges by hand or fitted to the data, and clearing the plots.
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

class T_Form_Graph_Utilities : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Graph_Utilities(QWidget* parent = nullptr);

    // Fills the fields from the graph's axes, clears the ticks and shows the window modally.
    // Returns QDialog::Accepted when the axes were set.
    int Achsen_aendern();
    // The captions in the language in force.
    void Beschriftungen_setzen();

    QGroupBox* GroupBox_Zeit = nullptr;
    QGroupBox* GroupBox_Tiefe = nullptr;
    QSpinBox* SpinBox_X_min = nullptr;
    QSpinBox* SpinBox_X_max = nullptr;
    QSpinBox* SpinBox_Y_min = nullptr;
    QSpinBox* SpinBox_Y_max = nullptr;
    QCheckBox* CheckBox_X_automatisch = nullptr;
    QCheckBox* CheckBox_Y_automatisch = nullptr;
    QCheckBox* CheckBox_Alles_loeschen = nullptr;
    QPushButton* BitBtn_Setzen = nullptr;
    QPushButton* BitBtn_Abbrechen = nullptr;
    QPushButton* BitBtn_Standard = nullptr;

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    void BitBtn_SetzenClick();
    void BitBtn_StandardClick();
    void Felder_fuellen();
};
