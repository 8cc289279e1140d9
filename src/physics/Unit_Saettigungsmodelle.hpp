// Coefficient sets of the saturation models and the safety margins applied to them.
#pragma once

namespace Unit_Saettigungsmodelle {

// Safety settings (section "Sicherheit").
extern bool Buehlmann_Tiefenzuschlag;
extern bool Buehlmann_letzten_Stop_verdoppeln;
extern float Buehlmann_Sicherheitsstop_min;
extern bool GF_verwenden;
extern float GF_Lo;
extern bool GF_Lo_last_deco_stop;
extern float GF_Hi;
extern bool GF_alle_Stops;
extern bool Deep_Stop_verwenden;
extern int Deep_Stop_min;
extern int Deep_Stop_Stufen_oberhalb_Dekozone;

// True when none of the safety measures is on.
bool Keine_Sicherheitsreserve();

} // namespace Unit_Saettigungsmodelle
