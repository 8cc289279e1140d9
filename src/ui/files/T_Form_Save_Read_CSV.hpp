// The CSV and text import: a file's lines, the column mapping (a preset, then changed by hand),
// and the buttons that read the file, make the dive of it and show it. The mapping is the
// library's (Unit_Save_Read_CSV); the window reads its controls into it and shows it.
#pragma once

#include "files/Unit_Save_Read_CSV.hpp"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class Radiogruppe;

class T_Form_Save_Read_CSV : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Save_Read_CSV(QWidget* parent = nullptr);
    void Beschriftungen_setzen();
    // The memo and the mapping as the library holds them.
    void Anzeigen();
    // The controls as the mapping, the memo as the file's lines.
    Unit_Save_Read_CSV::Zuordnung_Type Zuordnung_der_Felder() const;

    QPlainTextEdit* Memo_CSV_Daten = nullptr;
    QComboBox* ComboBox_Voreinstellung = nullptr;
    QSpinBox* SpinEdit_Kommentarzeilen = nullptr;
    QSpinBox* SpinEdit_min_s = nullptr;
    QSpinBox* SpinEdit_m_s = nullptr;
    QSpinBox* SpinEdit_p_O2_s = nullptr;
    QSpinBox* SpinEdit_f_O2_s = nullptr;
    QSpinBox* SpinEdit_f_He_s = nullptr;
    QSpinBox* SpinEdit_cave_horizontal_distance_m_s = nullptr;
    QSpinBox* SpinEdit_cave_horizontal_velocity_m_pro_min_s = nullptr;
    QComboBox* ComboBox_Einheit_min_s = nullptr;
    QComboBox* ComboBox_Einheit_m_s = nullptr;
    QComboBox* ComboBox_Einheit_f_O2_s = nullptr;
    QComboBox* ComboBox_Einheit_f_He_s = nullptr;
    QSpinBox* SpinEdit_Tauchgeraet_s = nullptr;
    QLineEdit* Edit_Tauchgeraet_CCR = nullptr;
    QLineEdit* Edit_Tauchgeraet_OC = nullptr;
    Radiogruppe* RadioGroup_Trennzeichen = nullptr;
    Radiogruppe* RadioGroup_min_dT = nullptr;
    QPushButton* Button_lesen = nullptr;
    QPushButton* Button_setzen = nullptr;
    QPushButton* Button_zeigen = nullptr;
    QPushButton* Button_Memo_speichern = nullptr;
    QPushButton* Button_CSV_Report = nullptr;
    QPushButton* Button_loeschen = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    struct Zeile_Type {
        QString Name_de, Name_en;
        QSpinBox* Spalte;
        QWidget* Einheit;
    };
    std::vector<Zeile_Type> Zeilen_der_Tabelle;

    QWidget* Datenzeilen_anlegen();
    QWidget* Geraet_anlegen();
    void Verbinden();
    // The controls into the library's mapping and memo, the operation, the library's state shown.
    template <typename Operation> void Ausfuehren(Operation&& op);
};
