// The fill monitor's source of measurements on the simulated stand in process: readings that
// follow the valves, every measurement a second of the stand's time, for as long as the measuring
// time lasts on the clock (letting window events run), and a sensor that can be made to fail.
#pragma once

#include "support/Mischstand.hpp"
#include "ui/blender/Messquelle.hpp"

#include <chrono>
#include <thread>

class Standquelle : public Messquelle {
  public:
    explicit Standquelle(Mischstand& Stand) : Stand(Stand) {}
    bool Simulation() const override { return false; }
    std::chrono::milliseconds Messzeit() const override { return Dauer; }
    Unit_Gasmischer_Sensoren::Messwerte Messen(const std::function<bool()>& weiter) override {
        const auto Ende = std::chrono::steady_clock::now() + Dauer;
        do {
            if (!weiter()) return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        } while (std::chrono::steady_clock::now() < Ende);
        Stand.Fortschreiben(1);
        Unit_Gasmischer_Sensoren::Messwerte m = Stand.Messen();
        if (Ausfall >= 0) m.ok[std::size_t(Ausfall)] = false;
        ++Messungen;
        return m;
    }
    bool Kalibrieren() override { return true; }

    Mischstand& Stand;
    std::chrono::milliseconds Dauer{10};
    int Ausfall = -1; // the sensor whose readings fail from now on
    int Messungen = 0;
};
