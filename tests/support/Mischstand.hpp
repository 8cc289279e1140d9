// The simulated blending stand in process, behind an in-memory converter link: the valve lines the
// converter is sent reach the stand's model and are recorded; the four sensors are read from the
// model as calibrated values, so a fill can be driven without a terminal or a sensor window.
#pragma once

#include "Unit_ADR_Simulation.hpp"
#include "blender/Unit_DaqOntrakCom.hpp"
#include "blender/Unit_Gasmischer_Sensoren.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

class Mischstand : public Unit_DaqOntrakCom::Bytestrecke {
  public:
    explicit Mischstand(const Unit_ADR_Simulation::Einstellungen& e = {})
        : Modell(Unit_ADR_Simulation::Anfangszustand(e)) {}

    bool verbunden() const override { return Verbindung; }
    bool Schreiben(std::string_view Bytes) override {
        if (!Verbindung) return false;
        for (const char c : Bytes) {
            if (c != '\r') {
                Zeile += c;
                continue;
            }
            Zeilen.push_back(Zeile);
            if (auto Antwort = Unit_ADR_Simulation::Befehl_ausfuehren(Modell, Zeile))
                Eingang += *Antwort + '\r';
            Zeile.clear();
        }
        return true;
    }
    std::string Lesen(std::chrono::milliseconds) override { return std::exchange(Eingang, {}); }

    void Fortschreiben(double Sekunden) { Unit_ADR_Simulation::Fortschreiben(Modell, Sekunden); }

    // The cells (with their noise) through the inverse of their default calibration, pressure and
    // temperature as they are.
    Unit_Gasmischer_Sensoren::Messwerte Messen() {
        static constexpr std::array<std::array<double, 3>, 2> mV{
            {{0.0, 411.3, 2004.77}, {4.9, 489.2, 2330.41}}};
        static constexpr std::array<double, 3> Prozent{0.0, 20.9, 100.0};
        Unit_Gasmischer_Sensoren::Messwerte m;
        for (int z = 0; z < 2; ++z) {
            const double u = std::clamp(Unit_ADR_Simulation::Eingang_mV(Modell, z), mV[z][0], mV[z][2]);
            const int i = u <= mV[z][1] ? 0 : 1;
            m.Wert[z] =
                Prozent[i] + (u - mV[z][i]) / (mV[z][i + 1] - mV[z][i]) * (Prozent[i + 1] - Prozent[i]);
        }
        m.Wert[Unit_Gasmischer_Sensoren::Druck] = Modell.Druck_bar;
        m.Wert[Unit_Gasmischer_Sensoren::Temperatur] = Unit_ADR_Simulation::Temperatur_C(Modell);
        m.ok.fill(true);
        return m;
    }

    // The valve lines ("VA..", "VB..") in the order sent.
    std::vector<std::string> Ventilzeilen() const {
        std::vector<std::string> v;
        for (const auto& z : Zeilen)
            if (z.rfind("VA", 0) == 0 || z.rfind("VB", 0) == 0) v.push_back(z);
        return v;
    }
    // The largest code any valve line carried; a line that is no number counts as far too large.
    int groesster_Code() const {
        int Groesster = 0;
        for (const auto& z : Ventilzeilen()) {
            const auto Ziffern = z.substr(2);
            const bool Zahl = !Ziffern.empty() && std::all_of(Ziffern.begin(), Ziffern.end(), ::isdigit);
            Groesster = Zahl ? std::max(Groesster, std::stoi(Ziffern)) : std::max(Groesster, 1 << 30);
        }
        return Groesster;
    }

    bool Verbindung = true;
    std::vector<std::string> Zeilen;
    Unit_ADR_Simulation::Zustand Modell;

  private:
    std::string Zeile, Eingang;
};
