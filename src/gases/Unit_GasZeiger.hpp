// What the gas indicator shows: is the current gas usable at the depth typed in the main window?
// Computed as open circuit whatever the apparatus.
#pragma once

#include <string>

namespace Unit_GasZeiger {

struct Gaszeiger_Type {
    std::string Titel; // the gas name
    std::string O2_prozent, N2_prozent, He_prozent;
    std::string pO2, pO2_max, pO2_min, MOD, END;
    std::string Hinweis; // "Gas ist OK" or the warnings joined by " / "
    bool pO2_gelb = false;
    bool MOD_gelb = false;
    bool END_gelb = false;
    bool Hinweis_gelb = false;
};

Gaszeiger_Type Gaszeiger_berechnen(float m_Tiefe);

} // namespace Unit_GasZeiger
