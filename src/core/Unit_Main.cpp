#include "core/Unit_Main.hpp"

namespace Unit_Main {

int32_t Eingabemarke = 0;
int32_t Grafikmodus = 1;

} // namespace Unit_Main
