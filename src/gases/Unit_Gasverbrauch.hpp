// Gas used per gas during the dive, booked per calculation step.
#pragma once

namespace Unit_Gasverbrauch {

// Zeroes the consumption of all 41 gases and clears the consumption page.
void Gasverbrauch_zuruecksetzen();

} // namespace Unit_Gasverbrauch
