// The pages of the settings dialog about the program's surroundings: basic settings, displays,
// paths, air pressure, water pressure, time and the runtime table. Each page loads all its
// controls from the settings in Anzeigen(); a change is handed to the library at once or by the
// page's OK button, and "geaendert" asks the dialog and the main window to show the settings anew.
#pragma once

#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimeEdit;

class Seite_Grundeinstellungen : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Grundeinstellungen(QWidget* parent = nullptr);
    void Anzeigen();

    QListWidget* ListBox_Grundeinstellungen = nullptr;
    QPushButton* BitBtn_Grundeinstellungen_OK = nullptr;

  signals:
    void geaendert();
};

class Seite_Anzeigen : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Anzeigen(QWidget* parent = nullptr);
    void Anzeigen();

    QCheckBox* CheckBox_Tauchgangsgraphik = nullptr;
    QCheckBox* CheckBox_Taucher = nullptr;
    QCheckBox* CheckBox_Modelle = nullptr;
    QCheckBox* CheckBox_Hinweise = nullptr;
    QCheckBox* CheckBox_Gewebesaettigung = nullptr;
    QCheckBox* CheckBox_Gewebesaettigung_absolut = nullptr;
    QCheckBox* CheckBox_Inertgasvolumina = nullptr;
    QCheckBox* CheckBox_Tiefe = nullptr;
    QCheckBox* CheckBox_Tauchzeit = nullptr;
    QCheckBox* CheckBox_Uhrzeit = nullptr;
    QCheckBox* CheckBox_OTU = nullptr;
    QCheckBox* CheckBox_GF = nullptr;
    QCheckBox* CheckBox_Druck = nullptr;
    QCheckBox* CheckBox_Atemkreislauf = nullptr;
    QCheckBox* CheckBox_END = nullptr;
    QCheckBox* CheckBox_pO2 = nullptr;
    QCheckBox* CheckBox_CNS = nullptr;
    QCheckBox* CheckBox_Gegendiffusion = nullptr;
    QCheckBox* CheckBox_Gasverbrauch_Gesamt = nullptr;
    QCheckBox* CheckBox_Gasverbrauch_Abstieg = nullptr;
    QCheckBox* CheckBox_Gasverbrauch_Aufstieg = nullptr;
    QPushButton* BitBtn_Anzeigen_Standard = nullptr;

  signals:
    void geaendert();

  private:
    QWidget* Allgemein_anlegen();
    QWidget* Saettigung_anlegen();
    QWidget* Statusanzeigen_anlegen();
    QWidget* Gasverbrauch_anlegen();
    // A switch that is its setting: ticked, the setting is on.
    QCheckBox* Schalter(QWidget* Eltern, const char* Name, int Tag, bool& Einstellung);
    std::vector<std::pair<QCheckBox*, bool*>> Schalter_;
};

class Seite_Pfade : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Pfade(QWidget* parent = nullptr);
    void Anzeigen();

    QLineEdit* Edit_Pfad_Ini = nullptr;
    QLineEdit* Edit_Pfad_Tauchgang = nullptr;
    QPushButton* BitBtn_Pfad_OK = nullptr;
};

class Seite_Luftdruck : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Luftdruck(QWidget* parent = nullptr);
    void Anzeigen();

    QLineEdit* Edit_Luftdruck_mbar = nullptr;
    QPushButton* BitBtn_Luftdruck_OK = nullptr;
    QSpinBox* SpinEdit_Hoehe = nullptr;
    QPushButton* BitBtn_Standardatmosphaere = nullptr;

  signals:
    void geaendert();
};

class Seite_Wasserdruck : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Wasserdruck(QWidget* parent = nullptr);
    void Anzeigen();

    QLineEdit* Edit_m_pro_bar = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QPushButton* BitBtn_Wasser_OK = nullptr;
    QPushButton* BitBtn_Wasser_Standard = nullptr;
    QComboBox* ComboBox_Temperatur = nullptr;
    QComboBox* ComboBox_Salzgehalt = nullptr;
    QPushButton* BitBtn_Kalibrieren = nullptr;

  private:
    void Salzgehalte_fuellen();
};

class Seite_Zeit : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_Zeit(QWidget* parent = nullptr);
    void Anzeigen();

    QCheckBox* CheckBox_volle_Minuten = nullptr;
    QCheckBox* CheckBox_volle_RunTime_Minuten = nullptr;
    QCheckBox* CheckBox_Aufstiegszeit = nullptr;
    QTimeEdit* TimeEdit_Startzeit = nullptr;
    QCheckBox* CheckBox_jetzt = nullptr;
    QPushButton* BitBtn_Startzeit_OK = nullptr;
    QCheckBox* CheckBox_Uhrzeit_anzeigen = nullptr;

  signals:
    void geaendert();
};

class Seite_RuntimeTabelle : public QWidget {
    Q_OBJECT
  public:
    explicit Seite_RuntimeTabelle(QWidget* parent = nullptr);
    void Anzeigen();

    QCheckBox* CheckBox_Aufstieg_zwischen_Deko = nullptr;
    QCheckBox* CheckBox_Zeit_auf_Tiefe = nullptr;
    QCheckBox* CheckBox_Uhrzeit = nullptr;
    QCheckBox* CheckBox_pO2 = nullptr;
    QCheckBox* CheckBox_CNS = nullptr;
    QCheckBox* CheckBox_System = nullptr;
    QCheckBox* CheckBox_Gasdichte = nullptr;
    QSpinBox* SpinEdit_Nachkommastellen = nullptr;

  private:
    std::vector<QCheckBox*> Spalten;
};
