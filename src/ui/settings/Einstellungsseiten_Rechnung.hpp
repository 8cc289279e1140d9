// Six pages of the settings dialog about the calculation: gas consumption and the loops, models,
// algorithm, safety margins, breathing gases and limits. Each control writes its setting through
// the library the moment it changes (or on its group's "OK"); Anzeigen() loads every control from
// the settings without writing anything back. A change the main window shows is announced by
// geaendert().
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class Radiogruppe;
class T_Form_ModelleZeigen;

class Seite_Gasverbrauch : public QWidget {
    Q_OBJECT
  public:
    enum Unterseite { Unterseite_OC = 0, Unterseite_CCR, Unterseite_SCR, Unterseite_pSCR };
    explicit Seite_Gasverbrauch(QWidget* parent = nullptr);
    void Anzeigen();
    void Unterseite_zeigen(int Seite);

    QTabWidget* PageControl_Gasverbrauch = nullptr;
    QSpinBox* SpinEdit_AMV = nullptr;
    QSpinBox* SpinEdit_AMV_Deko = nullptr;
    // The minimum gas: two divers' stressed breathing and the time they take at depth.
    QLabel* Label_Stress_Faktor = nullptr;
    QDoubleSpinBox* SpinEdit_Stress_Faktor = nullptr;
    QLabel* Label_Problemloesezeit = nullptr;
    QDoubleSpinBox* SpinEdit_Problemloesezeit = nullptr;
    QComboBox* ComboBox_CCR_O2_Verbrauch = nullptr;
    QSpinBox* SpinEdit_CCR_Volumen = nullptr;
    QLineEdit* Edit_CCR_Setpoint = nullptr;
    QLineEdit* Edit_CCR_Setpoint_Genauigkeit = nullptr;
    QSpinBox* SpinEdit_CCR_spuelen = nullptr;
    QSpinBox* SpinEdit_CCR_O2_Zufuhr = nullptr;
    QComboBox* ComboBox_SCR_O2_Verbrauch = nullptr;
    QSpinBox* SpinEdit_SCR_Volumen = nullptr;
    QSpinBox* SpinEdit_SCR_spuelen = nullptr;
    Radiogruppe* RadioGroup_SCR_Formel = nullptr; // 0 idealised formula, 1 loop
    QPushButton* BitBtn_SCR_OK = nullptr;
    QComboBox* ComboBox_pSCR_O2_Verbrauch = nullptr;
    QSpinBox* SpinEdit_pSCR_Volumen = nullptr;
    QSpinBox* SpinEdit_pSCR_spuelen_min = nullptr;
    QSpinBox* SpinEdit_pSCR_AMV = nullptr;
    QSpinBox* SpinEdit_pSCR_spuelen_m = nullptr;
    QSpinBox* SpinEdit_pSCR_DumpRatio = nullptr;
    QCheckBox* CheckBox_pSCR_spuelen_Aufstieg = nullptr;
    QCheckBox* CheckBox_p_H2O = nullptr;
    QLineEdit* Edit_p_H2O = nullptr;
    QCheckBox* CheckBox_Gaswechsel_warten = nullptr;
    QSpinBox* SpinEdit_Gaswechsel_warten = nullptr;
    QSpinBox* SpinEdit_Sicherheitszuschlag = nullptr;
    QPushButton* BitBtn_Gasverbrauch_Standard = nullptr;

  signals:
    void geaendert();

  private:
    QWidget* Seite_OC_anlegen();
    QWidget* Seite_CCR_anlegen();
    QWidget* Seite_SCR_anlegen();
    QWidget* Seite_pSCR_anlegen();
    QGroupBox* Gemeinsames_anlegen();
    void Verbinden();
    void fertig();
};

class Seite_Modelle : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Modelle(QWidget* parent = nullptr);
    void Anzeigen();

    Radiogruppe* RadioGroup_Modell_N2 = nullptr;
    Radiogruppe* RadioGroup_Modell_He = nullptr;
    QPushButton* BitBtn_Modelle_anschauen = nullptr;
    // The coefficient viewer "Anschauen" opens modally.
    T_Form_ModelleZeigen* Form_ModelleZeigen = nullptr;

  signals:
    void geaendert();
};

class Seite_Algorithmus : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Algorithmus(QWidget* parent = nullptr);
    void Anzeigen();

    Radiogruppe* RadioGroup_Algorithmus = nullptr;
    QLabel* Label_Zeitintervall = nullptr;
    QLineEdit* Edit_Zeitintervall = nullptr;

  signals:
    void geaendert();
};

class Seite_Sicherheit : public QWidget {
    Q_OBJECT
  public:
    enum Unterseite { Unterseite_Buehlmann = 0, Unterseite_GF, Unterseite_DeepStop };
    explicit Seite_Sicherheit(QWidget* parent = nullptr);
    void Anzeigen();
    void Unterseite_zeigen(int Seite);

    QTabWidget* PageControl_Sicherheit = nullptr;
    QGroupBox* GroupBox_Buehlmann = nullptr;
    QCheckBox* CheckBox_Tiefenzuschlag = nullptr;
    QCheckBox* CheckBox_letzten_Stop_verdoppeln = nullptr;
    Radiogruppe* RadioGroup_Sicherheitsstop = nullptr; // "keinen", "1 min", "5 min"
    QPushButton* BitBtn_Buehlmann_0 = nullptr;
    QPushButton* BitBtn_Buehlmann_Standard = nullptr;
    QPushButton* BitBtn_Buehlmann_Risiko = nullptr;
    QPushButton* BitBtn_Buehlmann_Hilfe = nullptr;
    QGroupBox* GroupBox_GF = nullptr;
    QCheckBox* CheckBox_GF = nullptr;
    QLineEdit* Edit_GF_Lo = nullptr; // percent
    QLineEdit* Edit_GF_Hi = nullptr;
    Radiogruppe* RadioGroup_GF_Stops = nullptr; // "nur die berechneten", "alle"
    Radiogruppe* RadioGroup_GF_Hi = nullptr;    // "letzten Dekostop", "Oberfläche"
    QPushButton* BitBtn_GF_OK = nullptr;
    QPushButton* BitBtn_GF_Standard = nullptr;
    QPushButton* BitBtn_GF_Hilfe = nullptr;
    QGroupBox* GroupBox_DeepStop = nullptr;
    QCheckBox* CheckBox_DeepStop = nullptr;
    QSpinBox* SpinEdit_DeepStop_min = nullptr;
    QSpinBox* SpinEdit_DeepStop_Stufen = nullptr;
    QPushButton* BitBtn_DeepStop_Standard = nullptr;
    QPushButton* BitBtn_DeepStop_Hilfe = nullptr;

  signals:
    void geaendert();

  private:
    QWidget* Seite_Buehlmann_anlegen();
    QWidget* Seite_GF_anlegen();
    QWidget* Seite_DeepStop_anlegen();
    void Verbinden();
    void fertig();
};

class Seite_Atemgase : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Atemgase(QWidget* parent = nullptr);
    void Anzeigen();

    QGroupBox* GroupBox_Atemgas = nullptr;
    QListWidget* ListBox_Gase = nullptr;
    QLineEdit* Edit_O2 = nullptr;
    QLineEdit* Edit_N2 = nullptr;
    QLineEdit* Edit_He = nullptr;
    QPushButton* BitBtn_neues_Gas = nullptr;
    QPushButton* BitBtn_Gas_loeschen = nullptr;
    QPushButton* BitBtn_Gase_unbenutzt_loeschen = nullptr;

  signals:
    void geaendert();

  private:
    void fertig();
};

class Seite_Grenzwerte : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Grenzwerte(QWidget* parent = nullptr);
    void Anzeigen();

    QLabel* Label_pO2_Max = nullptr;
    QLabel* Label_pO2_Min = nullptr;
    QLabel* Label_END_Max = nullptr;
    QLabel* Label_CNS_Max = nullptr;
    QLabel* Label_OTU_Max = nullptr;
    QLabel* Label_Gegendiff_max = nullptr;
    QLabel* Label_Gegendiff_min = nullptr;
    QLabel* Label_Gasdichte_Warnung = nullptr;
    QDoubleSpinBox* SpinEdit_Gasdichte_Warnung = nullptr; // g/l
    QLabel* Label_Gasdichte_Maximum = nullptr;
    QDoubleSpinBox* SpinEdit_Gasdichte_Maximum = nullptr;
    QLabel* Label_Erklaerung_Gasdichte = nullptr;
    QLabel* Label_Grundzeit_Max = nullptr;
    QLabel* Label_Tauchzeit_Max = nullptr;
    QLabel* Label_Tiefe_Max = nullptr;
    QLabel* Label_WayPoints_Max = nullptr;
    QLabel* Label_Gase_Max = nullptr;
    QLabel* Label_Kabinendruck = nullptr;
    QCheckBox* CheckBox_pO2_weiterrechnen = nullptr;
    QGroupBox* GroupBox_Sonderfunktionen = nullptr;
    QCheckBox* CheckBox_Warnungen_reduzieren = nullptr;

  signals:
    void geaendert();
};
