// The fill monitor: the stream at the compressor intake against its targets, the valves steered by
// the fill controller (Unit_Gasmischer_Fuellung), the delivered gas, cost and fill time. Cycles
// run from the event loop, so "Stop" and the fill timer act while the sensors are read; every way
// out of a fill closes both valves before anything is shown.
#pragma once

#include "blender/Unit_Gasmischer_Fuellung.hpp"
#include "ui/blender/Messquelle.hpp"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

class T_Form_Gasmischer_MonitorDuese : public QWidget {
    Q_OBJECT
  public:
    T_Form_Gasmischer_MonitorDuese(Unit_DaqOntrakCom::Wandler& Wandler, Messquelle& Quelle,
                                   QWidget* parent = nullptr);

    // Targets as markers, the pressure at the before pressure, the fill reset; then shown.
    void Oeffnen(const Unit_Gasmischer::Fuellziel& Ziel);
    // The four values of the sensor slides, for a simulated stand.
    Unit_Gasmischer_Sensoren::Messwerte Simulationswerte() const;
    // Ends a fill or a measurement loop and sends 0 mV to both valves (at program end, too).
    void Ventile_schliessen();
    // The captions of the language in force.
    void Beschriftungen_setzen();
    const Unit_Gasmischer_Fuellung::Stand& Zustand() const { return Regler.Zustand(); }
    bool misst() const { return Messschleife; }

    QSlider* Slide_O2_a = nullptr;
    QSlider* Slide_O2_b = nullptr;
    QSlider* Slide_Druck = nullptr;
    QSlider* Slide_Temperatur = nullptr;
    QSlider* Slide_Ventil_O2 = nullptr;
    QSlider* Slide_Ventil_He = nullptr;
    QLabel* Label_Mix_gemessen = nullptr;
    QLabel* Label_Mix_abgefuellt = nullptr;
    QLabel* Label_Kosten = nullptr;
    QLabel* Label_Fuellzeit = nullptr;
    QPushButton* Button_Messen_Start = nullptr;
    QPushButton* Button_Messen_Stop = nullptr;
    QPushButton* Button_Kalibrieren = nullptr;
    QPushButton* Button_Fuellen_Start = nullptr;
    QPushButton* Button_Fuellen_Stop = nullptr;
    QPushButton* Button_Zuruecksetzen = nullptr;
    QCheckBox* CheckBox_Ventile_Automatik = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

  private:
    struct Zeile {
        QLabel* Titel = nullptr;
        QSlider* Schieber = nullptr;
        QLabel* Wert = nullptr;
        QLabel* Soll = nullptr;
    };
    Zeile Zeilen[6];

    Unit_Gasmischer_Fuellung::Fuellregler Regler;
    Messquelle& Quelle;
    QTimer Sekundentakt;
    bool Messschleife = false;
    bool im_Zyklus = false;
    bool Abbruch = false; // the running measurement ends early
    bool Kalibrierung_wartet = false;

    void Bauen();
    void Verbinden();
    void Zyklus_planen();
    void Zyklus();
    void Messen_starten();
    void Messen_anhalten();
    void Fuellen_starten();
    void Fuellen_anhalten();
    void Kalibrieren();
    // Stops whatever runs, closes both valves; the report when a fill was running.
    std::optional<std::string> Anhalten();
    // Shown once the running cycle has unwound, so no message box holds it.
    void Melden(const std::string& Text, bool Problem);
    void Titel_setzen();
    void Anzeigen();
};
