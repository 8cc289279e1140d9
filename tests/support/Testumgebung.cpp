#include "support/Testumgebung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"

void Testumgebung::SetUp() {
    Unit_UI::UI_setzen(&Oberflaeche);
    Unit_Tools::Sprache = 0;
    Unit_Tools::Dezimaltrennzeichen_setzen('.');
    Unit_WayPoints::Tauchgang_zuruecksetzen(true, true);
    Oberflaeche.Zuruecksetzen();
}

void Testumgebung::TearDown() {
    Unit_UI::UI_setzen(nullptr);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
