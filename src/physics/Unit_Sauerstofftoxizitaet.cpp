#include "physics/Unit_Sauerstofftoxizitaet.hpp"

namespace Unit_Sauerstofftoxizitaet {

bool pO2_ausserhalb = false;
bool pO2_Meldung = false;
bool pO2_weiterrechnen = false;

void pO2_ausserhalb_loeschen() {
    pO2_ausserhalb = false;
}

} // namespace Unit_Sauerstofftoxizitaet
