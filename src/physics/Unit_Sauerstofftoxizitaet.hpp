// Oxygen exposure: the CNS clock from the NOAA table and the pulmonary dose OTU.
#pragma once

namespace Unit_Sauerstofftoxizitaet {

extern bool pO2_ausserhalb;    // the pO2 of the last step lay above the table
extern bool pO2_Meldung;       // show the message the next time the pO2 leaves the table
extern bool pO2_weiterrechnen; // setting: go on computing after the pO2 left the table

// Clears the "pO2 outside the table" state at the dive reset.
void pO2_ausserhalb_loeschen();

} // namespace Unit_Sauerstofftoxizitaet
