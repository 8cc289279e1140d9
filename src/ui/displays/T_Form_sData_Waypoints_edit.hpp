// The waypoint overview: steps through the waypoints of the dive, shows each with its breathing
// set-up and cave fields, changes the set-up of one waypoint and of the following ones, and
// calibrates distances along a cave line. The operations are the library's
// (Unit_sData_Waypoints_Edit); the window keeps only which of its fields were changed.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class T_Form_sData_Waypoints_edit : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_sData_Waypoints_edit(QWidget* parent = nullptr);
    // The texts that are not in the caption table, in the language in force.
    void Beschriftungen_setzen();
    // The time cursor of the graph moved: the waypoint it reached is shown.
    void Zeitcursor_gefolgt();

    QSpinBox* SpinEdit_i = nullptr;
    QLineEdit* Edit_wRuntime = nullptr;
    QLineEdit* Edit_wTiefe = nullptr;
    QComboBox* ComboBox_wTauchgeraet = nullptr;
    QLineEdit* Edit_wCCR_pO2 = nullptr;
    QLineEdit* Edit_wL_pro_min_ConstantFlow = nullptr;
    QComboBox* ComboBox_wGasgemisch_Num = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QPushButton* Button_uebernehmen = nullptr;
    QGroupBox* GroupBox_Hoehle = nullptr;
    QLineEdit* Edit_cave_horizontal_distance_m = nullptr;
    QLineEdit* Edit_cave_horizontal_velocity_m_pro_min = nullptr;
    QPushButton* Button_cave_calibrate = nullptr;
    QPushButton* Button_cave_delete = nullptr;
    QPushButton* ButtonClose = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    enum Marke { Geraet, Setpoint, Flow, Gas };
    std::array<bool, 4> geaendert{};
    QLabel* Label_Runtime = nullptr;
    QLabel* Label_Setpoint = nullptr;
    QLabel* Label_Flow = nullptr;

    void Aufbauen();
    void Verbinden();
    void Wegpunkt_zeigen(int i);
    void Felder_fuellen(int i);
    void Felder_freigeben();
    void markieren(Marke m);
    void Marken_loeschen();
    void Uebernehmen_klick();
    void Kalibrieren_klick();
};
