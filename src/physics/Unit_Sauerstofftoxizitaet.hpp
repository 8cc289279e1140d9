// Oxygen exposure: the CNS clock from the NOAA table and the pulmonary dose OTU.
#pragma once

#include <array>

namespace Unit_Sauerstofftoxizitaet {

struct NOAA_Zeile {
    float pO2_atm;
    float CNS_Prozent_pro_min;
    float OTU_pro_min; // kept with the table; the OTU update uses its formula instead
};
constexpr int NOAA_Zeilen = 60;
// Rows ordered by rising pO2; index 0 is row 1.
extern const std::array<NOAA_Zeile, NOAA_Zeilen> NOAA_Tabelle;
// The highest pO2 the table covers, atm.
float NOAA_pO2_MAX();

constexpr long double atm_pro_bar = 0.9869232667160128L;

// Limits of the oxygen exposure: beyond them the state is warned of and the alarms light.
// Below 0.16 bar no gas keeps a diver conscious; above 1.601 bar (printed 1.60) the CNS risk
// rises steeply; 100 % CNS is the whole clock; 850 OTU is the daily dose.
constexpr float bar_pO2_Minimum = 0.16f;
constexpr float bar_pO2_Maximum = 1.601f;
constexpr long double CNS_Prozent_Maximum = 100;
constexpr long double OTU_Maximum = 850;

// Inspired pO2 of air breathed at the surface at the set air pressure, bar.
float bar_pO2_Luft_Oberflaeche();
// A pO2 no calculation goes on with: below bar_pO2_Minimum and below the surface air the diver
// breathes anyway. At altitude that air lies under the minimum itself and must not stop a dive.
bool pO2_hypoxisch(float bar_pO2);

extern bool pO2_ausserhalb;    // the pO2 of the last step lay above the table
extern bool pO2_Meldung;       // show the message the next time the pO2 leaves the table
extern bool pO2_weiterrechnen; // setting: go on computing after the pO2 left the table

// Colour of the CNS display of the status panel: red while the pO2 lies above the table.
enum class CNS_Farbe { normal, rot };
extern CNS_Farbe CNS_Anzeigefarbe;

// CNS clock after t minutes at pO2 (bar). Above the table the rate is extrapolated, the state
// flagged and, once per Ascend, the user told and asked whether to go on.
float CNS_Schritt(float CNS, float pO2, float t);
// Pulmonary dose after t minutes at pO2 (bar); a step of a day or more clears it.
float OTU_Schritt(float OTU, float pO2, float t);
// Factor by which the CNS clock shrinks over t minutes at pO2 f (atm) below the table.
long double CNS_Erholung(long double f, long double t);

// Clears the "pO2 outside the table" state at the dive reset.
void pO2_ausserhalb_loeschen();

// Oxygen over a day. A repetition dive starts its own CNS and OTU clocks; beside them the earlier
// dives of the series are carried: their CNS through each surface interval, halved every 90 min
// as the clock is on air at the surface, and their OTU as the dose of the day, from the dives that
// ended less than 24 h before the dive in memory began. The daily limit is OTU_Maximum, the dose
// the REPEX schedule allows for a single day of exposure.
constexpr long double min_CNS_Halbwertszeit = 90;
constexpr long double min_Tag = 1440;
// Carried to the start of the dive in memory.
extern long double CNS_Prozent_Vortauchgaenge;
extern long double OTU_Vortauchgaenge_Tag;

long double CNS_nach_Oberflaechenpause(long double CNS_Prozent, long double min_Pause);
// A dive that is no repetition dive carries nothing.
void Vortauchgaenge_vergessen();
// The dive in memory ended after min_Dauer with its own clocks at CNS and OTU; min_Pause at the
// surface follow before the next dive.
void Oberflaechenpause_buchen(long double CNS_Prozent, long double OTU, long double min_Dauer,
                              long double min_Pause);
// The dive's own clock with what the earlier dives left.
long double CNS_Prozent_mit_Vortauchgaengen(long double CNS_Prozent_Tauchgang);
long double OTU_des_Tages(long double OTU_Tauchgang);

} // namespace Unit_Sauerstofftoxizitaet
