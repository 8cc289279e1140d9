// The converter's language against the simulated stand, over a pseudo-terminal reached with POSIX.
#include "blender/Unit_DaqOntrakCom.hpp"
#include "support/ADR_Simulator.hpp"
#include "support/Terminal_Strecke.hpp"

#include <gtest/gtest.h>

using namespace Unit_DaqOntrakCom;

namespace {

TEST(Wandler_am_Simulator, liest_eine_Zelle_setzt_ein_Ventil_und_nimmt_eine_fehlende_Antwort_als_minus_1) {
    ADR_Simulator sim({"--drop-every", "2"});
    Terminal_Strecke Strecke(sim);
    ASSERT_TRUE(Strecke.verbunden()) << sim.Geraet;
    Wandler w(Strecke);
    const Messung Zelle = w.Spannung_lesen(Messart::Einzeln, 0);
    EXPECT_TRUE(Zelle.ok) << w.Meldung();
    EXPECT_GE(Zelle.Wert, 0.0);
    EXPECT_LE(Zelle.Wert, 5.0);
    EXPECT_TRUE(w.Ausgang_setzen(0, 1000));
    EXPECT_TRUE(w.Meldung().empty());
    const Messung fehlt = w.Spannung_lesen(Messart::Einzeln, 0);
    EXPECT_FALSE(fehlt.ok);
    EXPECT_EQ(fehlt.Wert, -1);
    EXPECT_FALSE(w.Meldung().empty());
    EXPECT_TRUE(w.Spannung_lesen(Messart::Einzeln, 1).ok) << w.Meldung();
}

} // namespace
