#include "core/Unit_Programm.hpp"

namespace Unit_Programm {

bool Hauptform_max = true;
int32_t Hauptform_top = 0;
int32_t Hauptform_links = 0;
int32_t Hauptform_Breite = 1200;
int32_t Hauptform_Hoehe = 700;
bool Hinweise_zeigen = true;
bool Modelle_zeigen = false;

} // namespace Unit_Programm
