// The tab "Aktueller Status" of the main window: the values of one moment of the dive on dials,
// lamps and fields. It shows the current state of the library: while entering the state at the
// input point, after a calculation the sample at the time cursor.
#pragma once

#include <QWidget>

class Alarmlampe;
class Balkenanzeige;
class QGroupBox;
class QLabel;
class QLineEdit;
class Rundinstrument;

class Statusanzeige : public QWidget {
    Q_OBJECT
  public:
    explicit Statusanzeige(QWidget* parent = nullptr);

    // Sets every instrument, field and hint from the current state.
    void aktualisieren();
    // Shows the optional groups the display settings ask for.
    void Gruppen_einblenden();
    // Width the tab needs: the warnings group (as wide as the column of the groups always shown)
    // plus 8 pixels, and every visible optional group plus 8 pixels.
    int benoetigte_Breite() const;

    // Groups in display order; the first column holds those always shown.
    QGroupBox* GroupBox_Tiefe = nullptr;
    QGroupBox* GroupBox_pO2 = nullptr;
    QGroupBox* GroupBox_Tauchzeit = nullptr;
    QGroupBox* GroupBox_END = nullptr;
    QGroupBox* GroupBox_CNS = nullptr;
    QGroupBox* GroupBox_OTU = nullptr;
    QGroupBox* GroupBox_Uhrzeit = nullptr;
    QGroupBox* GroupBox_GF = nullptr;
    QGroupBox* GroupBox_Druck = nullptr;
    QGroupBox* GroupBox_Atemkreislauf = nullptr;
    QGroupBox* GroupBox_Differenzdruck = nullptr;
    QGroupBox* GroupBox_Dekozone = nullptr;
    QGroupBox* GroupBox_Warnungen = nullptr;
    QGroupBox* GroupBox_Atemgas = nullptr;

    Rundinstrument* Rundinstrument_Tiefe = nullptr;
    Rundinstrument* Rundinstrument_pO2 = nullptr;
    Alarmlampe* Alarmlampe_pO2 = nullptr;
    QLineEdit* Edit_Runtime_min = nullptr;
    QLineEdit* Edit_Runtime_hms = nullptr;
    Rundinstrument* Rundinstrument_END = nullptr;
    Alarmlampe* Alarmlampe_END = nullptr;
    // The density of the gas breathed, under the END dial.
    QLabel* Label_Gasdichte = nullptr;
    QLineEdit* Edit_Gasdichte = nullptr;
    Rundinstrument* Rundinstrument_CNS = nullptr;
    Alarmlampe* Alarmlampe_CNS = nullptr;
    Rundinstrument* Rundinstrument_OTU = nullptr;
    Alarmlampe* Alarmlampe_OTU = nullptr;
    QLineEdit* Edit_Uhrzeit_Runtime = nullptr;
    QLineEdit* Edit_Uhrzeit_Start = nullptr;
    Rundinstrument* Rundinstrument_GF = nullptr;
    QLineEdit* Edit_GF_Gewebe = nullptr;
    Rundinstrument* Rundinstrument_Druck = nullptr;
    QLineEdit* Edit_Druck_Gewebe = nullptr;
    Balkenanzeige* Balkenanzeige_Atemkreislauf = nullptr;
    QLabel* Label_O2 = nullptr;
    QLabel* Label_N2 = nullptr;
    QLabel* Label_He = nullptr;
    Rundinstrument* Rundinstrument_Differenz_N2 = nullptr;
    Rundinstrument* Rundinstrument_Differenz_He = nullptr;
    QLineEdit* Edit_Differenz_N2_Gewebe = nullptr;
    QLineEdit* Edit_Differenz_He_Gewebe = nullptr;
    Alarmlampe* Alarmlampe_Gegendiffusion = nullptr;
    Alarmlampe* Alarmlampe_Dekozone = nullptr;
    QLineEdit* Edit_Dekozone = nullptr;
    Alarmlampe* Alarmlampe_Warnungen = nullptr;
    QLineEdit* Edit_Warnungen = nullptr;
    QLabel* Label_Tauchgeraet = nullptr;
    QLabel* Label_Tauchgeraet_Erklaerung = nullptr;
    QLineEdit* Edit_Gasgemisch = nullptr;

  signals:
    // A double click on the start time: the main window opens the settings on their time page.
    void Startzeit_doppelgeklickt();

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    QWidget* Spalte_immer_ = nullptr;
    QList<QGroupBox*> optionale_Gruppen() const;
    void Gasdichte_zeigen();
};
