// The four sensors of the blending stand: two oxygen cells, the cylinder pressure and the
// temperature, read through the converter and calibrated by tables.
#pragma once

#include <array>

namespace Unit_Gasmischer_Sensoren {

// In the converter's input order.
enum Sensor { O2_a = 0, O2_b = 1, Druck = 2, Temperatur = 3 };
inline constexpr int Anzahl_Sensoren = 4;

// One measurement of all four: calibrated values (%, %, bar, degrees C) and whether every reading
// of that sensor succeeded.
struct Messwerte {
    std::array<double, Anzahl_Sensoren> Wert{};
    std::array<bool, Anzahl_Sensoren> ok{};
    bool alle_ok() const { return ok[0] && ok[1] && ok[2] && ok[3]; }
};

} // namespace Unit_Gasmischer_Sensoren
