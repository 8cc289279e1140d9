#include "support/Testumgebung.hpp"

#include "lang/Unit_Tools.hpp"

// The fixture is built into every test folder's executable, which links only its own layer and
// those below: the calculation's reset is there from the calculation layer up.
#if BRELUNE_TESTSCHICHT >= BRELUNE_SCHICHT_BERECHNUNG
#include "planning/Unit_Tauchgangszustand.hpp"
#endif

void Testumgebung::SetUp() {
    Unit_UI::UI_setzen(&Oberflaeche);
    Unit_Tools::Sprache = 0;
    Unit_Tools::Dezimaltrennzeichen_setzen('.');
#if BRELUNE_TESTSCHICHT >= BRELUNE_SCHICHT_BERECHNUNG
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
#endif
    Oberflaeche.Zuruecksetzen();
}

void Testumgebung::TearDown() {
    Unit_UI::UI_setzen(nullptr);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
