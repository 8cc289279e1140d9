// Limits derived from the tissue state: combined coefficients, tolerated pressures, ceiling,
// accident test, over-saturation, differential pressures and critical counter-diffusion.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "physics/Unit_Formeln.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace Unit_Grenzwerte {

// Critical counter-diffusion found at the last evaluation.
extern bool Gegendiffusion;
// It is critical when a compartment holds at least Gegendiffusion_max of its tolerated pressure
// while the gas going the other way pulls at Gegendiffusion_min of it or harder.
constexpr long double Gegendiffusion_max = 0.9L;
constexpr long double Gegendiffusion_min = -0.085L;

// The anchors of the gradient factor's slope, set by the ascent planner: the first stop (0 when
// there is none) and the last stop depth of its grid.
extern float m_ErsterStop;
extern float m_DekoZuletzt;
// The gradient factor in force at the current depth, unless a value is set (for a what-if).
float GF_aktuell();
void GF_aktuell_setzen(float GF);
void GF_aktuell_loeschen();

// Coefficients of a compartment's nitrogen-helium mixture.
struct AB_Typ {
    float A; // bar
    float B;
};
AB_Typ AB_Koeffizienten(int i);

// A tolerated pressure: the one in force and both variants.
struct Grenzdruck_Typ {
    float in_Kraft;
    float GF; // with the gradient factor in force
    float ZH; // from the pure coefficients
};
// Tolerated inert-gas pressure at the present ambient pressure. A coefficient set that gives B = 0
// shows its messages and throws Unit_UI::Befehl_abgebrochen.
Grenzdruck_Typ p_ig(int i);
// Lowest tolerated ambient pressure.
Grenzdruck_Typ p_amb(int i);
// The ceiling: the largest tolerated ambient pressure of the 16 compartments, bar.
float p_amb_MAX();

// Tissue pressure of compartment i above the tolerated pressure in force (strict).
bool Dekounfall(int i);
bool Dekounfall_irgendwo();

// After compartment i was advanced: stores its tolerated pressures, asks for its bar to be redrawn
// and handles a new decompression accident (warning text, waypoint, error box).
void Gewebe_Grenzwerte(int i);
// Gewebe_Grenzwerte(i) for i = 1 to 16 with the gradient factor GF, after a step advanced them all.
void Grenzwerte_aller_Kompartimente(float GF);
// One step at constant pressure: each compartment's gases advance by p += f x (p_atmen - p), with
// the constant-pressure factors f of the step, and its limits follow as in the loop above.
struct Haldane_Schritt {
    std::array<const long double*, Unit_WayPoints::Gewebe_Anzahl + 1> Faktor_N2{}, Faktor_He{};
    float p_N2_atmen = 0, p_He_atmen = 0;
};
void Haldane_mit_Grenzwerten(const Haldane_Schritt& h, float GF);
// Counts the runs of Grenzwerte_aller_Kompartimente.
uint64_t Grenzwerte_Laeufe();
// p_amb_MAX() right after a step, when Grenzwerte_aller_Kompartimente ran since run Lauf_vorher and
// nothing has changed the tissues since: folded from the parts its last run entered while the
// gradient factor in force is the one it used.
float p_amb_MAX_nach_Schritt(uint64_t Lauf_vorher);
// Installed by the dive calculation: appends the accident as a waypoint with the given action.
extern std::function<void(const std::string&)> Dekounfall_eintragen;
// Installed by the dive calculation: shows the accident waypoint (its number) in log and graph.
extern std::function<void(int32_t)> Dekounfall_anzeigen;

// Over-saturation in percent of the pure M-value margin; 0 when not over-saturated.
float Uebersaettigung_Prozent(int i);
// The first compartment with the largest over-saturation, and that value.
struct Leitkompartiment_Typ {
    int i;
    float Prozent;
};
Leitkompartiment_Typ Leitkompartiment();

enum class Inertgas { N2, He };
struct Differenzdruck_Typ {
    long double D; // tissue minus inspired pressure, bar; positive: the gas leaves the tissue
    long double M; // the compartment's tolerated pressure in force, bar
};
Differenzdruck_Typ Differenzdruck(Inertgas Gas, int i);

// What the status panel shows of the leading compartment: its number, its present gradient
// factor (the over-saturation), the ambient pressure, its inert-gas pressure and the tolerated
// pressure in force, and the differential pressures in percent of that tolerated pressure (0
// where no tolerated pressure has been computed).
struct Leitkompartiment_Status_Typ {
    int i;
    float GF_Prozent;
    long double bar_Umgebung;
    long double p_Inertgas;
    long double p_toleriert;
    long double Differenz_N2_Prozent;
    long double Differenz_He_Prozent;
};
Leitkompartiment_Status_Typ Leitkompartiment_Status();

// Counter-diffusion figures of the dive for its summary.
struct Gegendiffusion_Extreme_Type {
    // Largest jumps of the inspired pressures between two steps while over-saturated, and where
    // the latest new maximum of either was reached.
    long double dp_N2_atmen_MAX = 0;
    long double dp_He_atmen_MAX = 0;
    float m_dp_MAX = 0;
    long double min_dp_MAX = 0;

    bool kritisch_aufgetreten = false;
    // The strongest critical counter gradient (most negative percentage of M).
    long double kritisch_Prozent = 0;
    long double kritisch_bar = 0;
    long double kritisch_Pt = 0;
    long double kritisch_Saettigung_Prozent = 0;      // Pt / M x 100
    long double kritisch_Uebersaettigung_bar = 0;     // Pt - ambient
    long double kritisch_Uebersaettigung_Prozent = 0; // of the ambient pressure
    float kritisch_m = 0;
    long double kritisch_min = 0;
    int kritisch_i = 0;

    // The strongest counter gradient over-saturated below the surface, critical or not.
    long double Gegengradient_Prozent = 0;
    long double Gegengradient_bar = 0;
    float Gegengradient_m = 0;
    long double Gegengradient_min = 0;
};
extern Gegendiffusion_Extreme_Type Gegendiffusion_Extreme;
void Gegendiffusion_Extreme_zuruecksetzen();

// For the leading compartment i with the differences of Differenzdruck: sets the flag and records
// the extremes; jetzt and vorher are the inspired pressures of this and the previous step.
void Gegendiffusion_pruefen(int i, long double dHe, long double dN2,
                            const Unit_Formeln::Inertgasdruecke& jetzt,
                            const Unit_Formeln::Inertgasdruecke& vorher);

} // namespace Unit_Grenzwerte
