// The tissue window: per compartment its loading as gauges (against the tolerated pressure now,
// against the one at the surface after the start, as gradient factor) and its pressures as
// numbers. The radio group "Anzeige " chooses how much of it is shown.
#pragma once

#include "ui/displays/Gewebefenster.hpp"

#include <array>

class Balkenanzeige;
class QGroupBox;
class QLabel;
class Radiogruppe;

class T_Form_Gewebe : public Gewebefenster {
    Q_OBJECT
  public:
    explicit T_Form_Gewebe(QWidget* Hauptfenster);
    void aktualisieren() override;
    // 1: the "pMax " gauges, 2: also "pMax(0, Luft) ", 3: the whole saturation group, 4: also the
    // numbers. The window then goes to the main window's bottom right corner.
    void Umfang_setzen(int Umfang);
    // Where its frame goes: the main window's bottom right corner.
    QRect Platz() const;

    static constexpr int Anzahl = 16;
    Radiogruppe* RadioGroup_Anzeige = nullptr;
    QGroupBox* GroupBox_Saettigung = nullptr;
    QGroupBox* GroupBox_pMax = nullptr;
    QGroupBox* GroupBox_pMax0_Luft = nullptr;
    QGroupBox* GroupBox_pMax_p = nullptr;
    QGroupBox* GroupBox_Inertgasdruck = nullptr;
    QGroupBox* GroupBox_p_N2 = nullptr;
    QGroupBox* GroupBox_p_He = nullptr;
    QGroupBox* GroupBox_pMax_bar = nullptr;
    QGroupBox* GroupBox_pMax0 = nullptr;
    std::array<Balkenanzeige*, Anzahl> Balken_pMax{}, Balken_pMax0_Luft{}, Balken_pMax0_Ueberlauf{},
        Balken_pMax_p{};
    std::array<QLabel*, Anzahl> Label_p_N2{}, Label_p_He{}, Label_pMax{}, Label_pMax0{};

  protected:
    void platzieren() override;

  private:
    QGroupBox* Gruppe(QWidget* Eltern, const char* Name, int Tag, const char* Titel,
                      Unit_Gewebeanzeige::Gruppe Erklaerung);
    void Gauges_anlegen(QGroupBox* g, std::array<Balkenanzeige*, Anzahl>& Balken, const char* Name, int Skala,
                        bool mit_Nummer);
    void Zahlen_anlegen(QGroupBox* g, std::array<QLabel*, Anzahl>& Labels, const char* Name);
};
