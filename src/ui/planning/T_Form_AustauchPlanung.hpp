// The ascent plan window: ascent velocity, deco depths, gas switches and gas breaks, CCR setpoints
// and bail-out, and the safety margins, on five pages. Its OK buttons hand the fields to the
// library's ascent plan; every repaint shows the library's values and enables what its rules allow.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QLabel;
class QSpinBox;
class QTabWidget;
class T_form_AustauchPlanung_autoGaswechsel;

class T_Form_AustauchPlanung : public QDialog {
    Q_OBJECT
  public:
    enum Seite { Seite_Geschwindigkeit = 0, Seite_Dekotiefen, Seite_Gaswechsel, Seite_pO2, Seite_Sicherheit };
    explicit T_Form_AustauchPlanung(QWidget* parent = nullptr);
    // Modal on the given page; returns at once, the window's finished() tells when it closed.
    void Seite_zeigen(int Auf);

    QTabWidget* PageControl = nullptr;
    QRadioButton* CheckBox_AufstiegConst = nullptr;
    QRadioButton* CheckBox_AufstiegVariabel_OK = nullptr;
    QSpinBox* SpinEdit_vConst = nullptr;
    std::array<QSpinBox*, 3> SpinEdit_m{};
    std::array<QSpinBox*, 3> SpinEdit_v{};
    QPushButton* Button_AufstiegsgeschwindigkeitOK = nullptr;
    QSpinBox* SpinEdit_M_DekoZuletzt = nullptr;
    QSpinBox* SpinEdit_M_DekoStep = nullptr;
    QPushButton* BitBtn_DekotiefenOK = nullptr;
    QRadioButton* CheckBox_Gaswechsel_beim_Aufstieg_NO = nullptr;
    QRadioButton* CheckBox_Gaswechsel_beim_Aufstieg_YES = nullptr;
    std::array<QSpinBox*, 6> SpinEdit_Gaswechsel_m{};
    std::array<QComboBox*, 6> ComboBox_Gaswechsel{};
    QPushButton* BitBtn_GaswechselOK = nullptr;
    QPushButton* Button_GasNeu = nullptr;
    QPushButton* Button_Vorschlag = nullptr;
    QCheckBox* CheckBox_AirBreak_OK = nullptr;
    QComboBox* ComboBox_AirBreak_GasNum = nullptr;
    QSpinBox* SpinEdit_AirBreak_minAbstand = nullptr;
    QSpinBox* SpinEdit_AirBreak_minDauer = nullptr;
    QPushButton* Button_AirBreakOK = nullptr;
    QRadioButton* CheckBox_pO2_const = nullptr;
    QRadioButton* CheckBox_not_pO2_const = nullptr;
    QLineEdit* Edit_pO2_const = nullptr;
    std::array<QSpinBox*, 3> SpinEdit_mp{};
    std::array<QLineEdit*, 3> Edit_yp{};
    QPushButton* Button_pO2OK = nullptr;
    QCheckBox* CheckBox_BailOut_do = nullptr;
    QCheckBox* CheckBox_Sicherheit_BuehlmannOK = nullptr;
    QCheckBox* CheckBox_Sicherheit_BakerOK = nullptr;
    QSpinBox* SpinEdit_Sicherheit_Baker_GFLo = nullptr;
    QSpinBox* SpinEdit_Sicherheit_Baker_GFHi = nullptr;
    QCheckBox* CheckBox_Sicherheit_DeepStopOK = nullptr;
    QPushButton* Button_einstellen = nullptr;
    QCheckBox* CheckBox_Kontingenzplaene = nullptr;
    QLabel* Label_Kontingenz_Zeit = nullptr;
    QSpinBox* SpinEdit_Kontingenz_Zeit = nullptr;
    QLabel* Label_Kontingenz_Tiefe = nullptr;
    QSpinBox* SpinEdit_Kontingenz_Tiefe = nullptr;
    QPushButton* ButtonClose = nullptr;
    T_form_AustauchPlanung_autoGaswechsel* autoGaswechsel = nullptr;

  public slots:
    // Everything the window shows, read again from the library.
    void Anzeigen();

  signals:
    // "einstellen": the settings dialog on its safety page, on this tab (0 Bühlmann, 1 gradient
    // factors, 2 deep stop). The window repaints when the connected slot returns.
    void Einstellungen_gewuenscht(int Unterseite);
    // "neues Gas": the gas calculator; the window repaints when the connected slot returns.
    void Gasrechner_gewuenscht();

  private:
    QWidget* Seite_Geschwindigkeit_anlegen();
    QWidget* Seite_Dekotiefen_anlegen();
    QWidget* Seite_Gaswechsel_anlegen();
    QWidget* Gas_Breaks_anlegen(QWidget* Seite);
    QWidget* Seite_pO2_anlegen();
    QWidget* Seite_Sicherheit_anlegen();
    void Verbinden();
    void Kontingenz_anzeigen();
    bool Fuellen_laeuft = false;
};
