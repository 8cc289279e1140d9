#include "core/Unit_Main.hpp"

namespace Unit_Main {

int32_t Eingabemarke = 0;
int32_t Grafikmodus = 1;

} // namespace Unit_Main

// ---- Start values, saved flag and repetition data of the dive in progress ----
namespace Unit_Main {

float min_Runtime_Start = 30;
float m_Wasser_Start = 25;
bool Tauchgang_gespeichert = true;
bool Wiederholungstauchgang_OK = false;
std::string Vortauchgang;
float Oberflaechenpause_h = 0;

} // namespace Unit_Main
// ---- end of start values and repetition data ----
