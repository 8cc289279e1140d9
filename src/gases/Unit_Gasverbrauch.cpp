#include "gases/Unit_Gasverbrauch.hpp"

#include "core/Unit_Textpuffer.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"

namespace Unit_Gasverbrauch {

void Gasverbrauch_zuruecksetzen() {
    for (auto& g : Unit_Gasgemisch_BestMix::Gasgemisch)
        g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
    Unit_Textpuffer::Memo_Gasverbrauch.Leeren();
}

} // namespace Unit_Gasverbrauch
