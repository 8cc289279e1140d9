#include "physics/Unit_Saettigungsmodelle.hpp"

namespace Unit_Saettigungsmodelle {

bool Buehlmann_Tiefenzuschlag = true;
bool Buehlmann_letzten_Stop_verdoppeln = false;
float Buehlmann_Sicherheitsstop_min = 0;
bool GF_verwenden = false;
float GF_Lo = 0.4f;
bool GF_Lo_last_deco_stop = true;
float GF_Hi = 0.8f;
bool GF_alle_Stops = false;
bool Deep_Stop_verwenden = false;
int Deep_Stop_min = 1;
int Deep_Stop_Stufen_oberhalb_Dekozone = 2;

bool Keine_Sicherheitsreserve() {
    return !Buehlmann_Tiefenzuschlag && Buehlmann_Sicherheitsstop_min == 0 &&
           !Buehlmann_letzten_Stop_verdoppeln && !GF_verwenden && !Deep_Stop_verwenden;
}

} // namespace Unit_Saettigungsmodelle
