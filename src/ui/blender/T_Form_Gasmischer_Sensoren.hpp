// The blending stand's four sensors: a measurement with its statistics, the calibration tables as
// text, the calibration of the oxygen cells on air, and the tables in files. The fill monitor
// measures through this window (Messquelle), so the calibration lives in one place.
#pragma once

#include "blender/Unit_DaqOntrakCom.hpp"
#include "blender/Unit_Gasmischer_Sensoren.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/blender/Messquelle.hpp"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

class T_Form_Gasmischer_Sensoren : public QDialog, public Messquelle {
    Q_OBJECT
  public:
    explicit T_Form_Gasmischer_Sensoren(Unit_DaqOntrakCom::Wandler& Wandler, QWidget* parent = nullptr);

    // The texts of the language in force; also on every show.
    void Beschriftungen_setzen();
    // In simulation mode the values come from here (the fill monitor's slides).
    void Simulationswerte_von(std::function<Unit_Gasmischer_Sensoren::Messwerte()> Quelle);
    const Unit_Gasmischer_Sensoren::Sensorsatz& Sensoren() const { return S; }

    bool Simulation() const override;
    std::chrono::milliseconds Messzeit() const override;
    Unit_Gasmischer_Sensoren::Messwerte Messen(const std::function<bool()>& weiter) override;
    bool Kalibrieren() override;

    static constexpr int N = Unit_Gasmischer_Sensoren::Anzahl_Sensoren;
    struct Zeile {
        QLabel* Name = nullptr;
        QLabel* Mittel = nullptr;
        QLabel* n = nullptr;
        QLabel* Min = nullptr;
        QLabel* Max = nullptr;
        QLabel* Stdabw = nullptr;
        QLabel* Fehler = nullptr;
        QLabel* OK = nullptr;
        QLabel* Wert = nullptr;
        QPlainTextEdit* Memo_Tabelle = nullptr;
        QPushButton* Button_setzen = nullptr;
        QPushButton* Button_zeige = nullptr;
    };
    std::array<Zeile, N> Zeilen;
    QPushButton* Button_Messen = nullptr;
    QSpinBox* SpinEdit_Messzeit_ms = nullptr;
    QPushButton* Button_Stop = nullptr;
    QProgressBar* ProgressBar_Messung = nullptr;
    QLabel* Label_Echte_Messzeit = nullptr;
    QPushButton* Button_Kalibrieren = nullptr;
    QSpinBox* SpinEdit_Messzeit_cal_ms = nullptr;
    QPushButton* Button_Test_cal = nullptr;
    QComboBox* ComboBox_Test_Sensor = nullptr;
    QLineEdit* Edit_Test_mV = nullptr;
    QLabel* Label_Test_Ergebnis = nullptr;
    QPushButton* Button_Speichern = nullptr;
    QPushButton* Button_Lesen = nullptr;
    QCheckBox* CheckBox_Simulation = nullptr;
    QPushButton* ButtonClose = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

  private:
    Unit_DaqOntrakCom::Wandler& W;
    Unit_Gasmischer_Sensoren::Sensorsatz S = Unit_Gasmischer_Sensoren::Anfangszustand();
    std::function<Unit_Gasmischer_Sensoren::Messwerte()> Simulationsquelle;
    bool misst = false;
    bool gestoppt = false;
    Unit_Gasmischer_Sensoren::Messwerte Letzte;
    std::optional<std::chrono::milliseconds> Echte_Messzeit; // none before the first measurement

    QWidget* Messtabelle();
    QWidget* Tabellenfelder();
    void Verbinden();
    // One measurement with the given time; the caller's weiter() may stop it too.
    Unit_Gasmischer_Sensoren::Messwerte Messen_mit(std::chrono::milliseconds Dauer,
                                                   const std::function<bool()>& weiter);
    void Tabelle_setzen(int k);
    void Tabelle_zeigen(int k, bool Standard);
    void Test_cal();
    void Speichern();
    void Lesen();
    void Dateien_durchgehen(bool speichern,
                            const std::function<std::string(int, const std::string&)>& Aktion);
    Unit_UI::Dateiwahl Dateiwahl(int k, bool speichern) const;
    void Ergebnisse_zeigen();
    void Tabellentexte_zeigen();
    void Freigaben_setzen();
};
