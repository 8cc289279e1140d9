#include "reports/Unit_Report.hpp"

namespace Unit_Report {

bool RunTimeTable_mitAufstiegbeiDeko = false;
bool RunTimeTable_mitDeltaT = false;
bool RunTimeTable_mitUhrzeitRuntime = false;
bool RunTimeTable_mitpO2 = false;
bool RunTimeTable_mitCNS_prozent = false;
bool RunTimeTable_mitSystem = true;
int32_t RunTimeTable_NachKomma = 2;

} // namespace Unit_Report
