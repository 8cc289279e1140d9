// The converter's port settings: the port by name (the ports the system lists are offered, any
// name may be typed), baud rate, data bits, parity, stop bits and flow control.
#pragma once

#include "settings/Unit_Wandleranschluss.hpp"

#include <QDialog>

#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;

class Schnittstellendialog : public QDialog {
    Q_OBJECT
  public:
    explicit Schnittstellendialog(QWidget* parent = nullptr);

    // Shows a's values, the system's ports offered beside a's port.
    void Zeigen(const Unit_Wandleranschluss::Anschluss& a);
    // What the fields say now.
    Unit_Wandleranschluss::Anschluss Anschluss() const;

    QComboBox* ComboBox_Port = nullptr;
    QComboBox* ComboBox_Baudrate = nullptr;
    QComboBox* ComboBox_Datenbits = nullptr;
    QComboBox* ComboBox_Paritaet = nullptr;
    QComboBox* ComboBox_Stoppbits = nullptr;
    QComboBox* ComboBox_Flusssteuerung = nullptr;
    QDialogButtonBox* Knoepfe = nullptr;

  private:
    void Texte_setzen();

    struct Zeile {
        QLabel* Beschriftung;
        const char* Deutsch;
        const char* Englisch;
    };
    std::vector<Zeile> Zeilen;
    Unit_Wandleranschluss::Anschluss Gezeigt;
};
