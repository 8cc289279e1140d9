#include "core/Unit_WayPoints.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_WayPoints;

class WayPoints : public Testumgebung {};

TEST_F(WayPoints, Zuruecksetzen_hinterlaesst_nur_den_Start) {
    EXPECT_EQ(WayPoint_Anzahl, 0);
    EXPECT_EQ(sData_Anzahl, 0);
}
