// The converter's test window: opens, closes and configures the serial port, reads an input in
// either range, single-ended or as a differential pair, averaged, and sets the two valve outputs.
// It lives for the whole run and owns the port and the converter the blender's windows share.
// Link errors go to the panel at its bottom, never into a dialog: the port is opened at start-up,
// and a converter that is not attached must not hold up the start.
#pragma once

#include "blender/Unit_DaqOntrakCom.hpp"
#include "ui/blender/Serielle_Strecke.hpp"

#include <QDialog>

#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Schnittstellendialog;

class T_Form_DaqOntrakCom : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_DaqOntrakCom(QWidget* parent = nullptr);
    ~T_Form_DaqOntrakCom() override;

    Unit_DaqOntrakCom::Wandler& Wandler() { return *Wandler_; }
    Serielle_Strecke& Strecke() { return *Strecke_; }

    // "Open def": the port with its setting, opened unless it is open already; quiet, the
    // failure goes to the error panel only. The start-up opens the port this way.
    void Open_def();
    // Texts in the language in force: when shown, and on a switch of the language.
    void Beschriftungen_setzen();

    QGroupBox* GroupBox_Schnittstelle = nullptr;
    QLabel* Label_Schnittstelle = nullptr;
    QPushButton* Button_Open = nullptr;
    QPushButton* Button_Close = nullptr;
    QPushButton* Button_OpenDef = nullptr;
    QPushButton* Button_Configure = nullptr;
    QPushButton* Button_Info = nullptr;

    QGroupBox* GroupBox_Eingang = nullptr;
    QComboBox* ComboBox_InputRange = nullptr;
    QComboBox* ComboBox_Messart = nullptr;
    QComboBox* ComboBox_Kanal = nullptr;
    QSpinBox* SpinEdit_Mittelung = nullptr;
    QPushButton* Button_Lesen = nullptr;
    QLineEdit* Edit_Spannung = nullptr;
    QLabel* Label_OK = nullptr;

    QGroupBox* GroupBox_Ausgang = nullptr;
    QDoubleSpinBox* SpinEdit_Ausgang1 = nullptr;
    QDoubleSpinBox* SpinEdit_Ausgang2 = nullptr;
    QPushButton* Button_Ausgang1 = nullptr;
    QPushButton* Button_Ausgang2 = nullptr;

    QFrame* Panel_Bottom_ErrorMessages = nullptr;
    QLabel* Label_ErrorMessages = nullptr;

    Schnittstellendialog* Konfiguration = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    QGroupBox* Schnittstelle_anlegen();
    QGroupBox* Eingang_anlegen();
    QGroupBox* Ausgang_anlegen();
    void Kanaele_fuellen();
    void Zustand_zeigen();

    void Open();
    void Close();
    void Configure();
    void Info();
    void Lesen();
    void Ausgang_setzen(int Kanal, double mV);

    void Fehler_zeigen(const QString& Meldung);
    void Fehler_verbergen();

    struct Beschriftung {
        QWidget* Element;
        const char* Deutsch;
        const char* Englisch;
    };
    std::vector<Beschriftung> Beschriftungen;
    template <typename Element> Element* beschriftet(Element* e, const char* Deutsch, const char* Englisch);
    QLabel* Beschriftung_neben(QWidget* Feld, const char* Deutsch, const char* Englisch);

    std::unique_ptr<Serielle_Strecke> Strecke_;
    std::unique_ptr<Unit_DaqOntrakCom::Wandler> Wandler_;
};
