// Regression: the settings text holds gas fractions with two decimals, so air's measured
// 20.948 % O2 came back as 20.95 % and a saved dive planned differently from the one saved.
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "support/Testumgebung.hpp"

namespace G = Unit_Gasgemisch_BestMix;

class Vorgabegase : public Testumgebung {};

TEST_F(Vorgabegase, behalten_ihre_genauen_Anteile_ueber_die_Einstellungsdatei) {
    const auto Zeilen = Unit_Einstellungsdatei::Einstellungsdatei_Zeilen();
    Unit_Einstellungsdatei::Einstellungen_aus_Zeilen(Zeilen);
    EXPECT_EQ(G::Gasgemisch[0].f_O2_prozent, 20.948f);
    EXPECT_EQ(G::Gasgemisch[0].f_N2_prozent, 79.020f);
    EXPECT_EQ(G::Gasgemisch[11].f_He_prozent, 45.0f);
}

TEST_F(Vorgabegase, ein_wirklich_anderer_Wert_wird_gelesen) {
    auto Zeilen = Unit_Einstellungsdatei::Einstellungsdatei_Zeilen();
    for (auto& z : Zeilen)
        if (z.rfind("Gasgemisch(1) O2 (%)", 0) == 0) z = "Gasgemisch(1) O2 (%)=33.00";
    Unit_Einstellungsdatei::Einstellungen_aus_Zeilen(Zeilen);
    EXPECT_EQ(G::Gasgemisch[1].f_O2_prozent, 33.0f);
}
