// Where the fill monitor gets its measurements from: the sensor window, which owns the
// calibration, or the monitor's own slides when the stand is simulated.
#pragma once

#include "blender/Unit_Gasmischer_Sensoren.hpp"

#include <chrono>
#include <functional>

class Messquelle {
  public:
    virtual ~Messquelle() = default;
    // Values come from the monitor's slides, not from the converter.
    virtual bool Simulation() const = 0;
    virtual std::chrono::milliseconds Messzeit() const = 0;
    // Measures for the measuring time; weiter() lets window events run and says false to stop early.
    virtual Unit_Gasmischer_Sensoren::Messwerte Messen(const std::function<bool()>& weiter) = 0;
    // Calibrates both oxygen cells on air; false (with the window's message shown) when it failed.
    virtual bool Kalibrieren() = 0;
};
