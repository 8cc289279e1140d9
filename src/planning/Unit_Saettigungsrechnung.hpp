// Advances the inert-gas loading of the 16 compartments through time and books what the diver
// breathes on every calculation step.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <cstdint>
#include <string>

namespace Unit_Saettigungsrechnung {

// Setting "Algorithmus": 0 one step at the end pressure, 1 multilevel (default), 2 and 3 the
// closed form for a linear pressure ramp in its two arrangements.
extern int32_t Algorithmus;

extern float p_N2_atmen;
extern float p_He_atmen;
extern float p_N2_atmen_vorher;
extern float p_He_atmen_vorher;
extern long double bar_Ueberdruck; // bar_Umgebung - bar_Luft

// The deepest ceiling of the dive (bar) and the runtime it was reached at.
extern float Ceiling_MAX;
extern float min_Ceiling_MAX;
void Ceiling_MAX_zuruecksetzen();

// Tolerated pressures right after the start saturation or a surface interval.
extern Unit_WayPoints::Grenz_Array p_N2He_Gewebe_MAX_0;

// Constant pressure: p moves toward p_atmen, half the gap per half-time.
void Haldane(long double& p, long double p_atmen, long double t, long double t_halb);
// Linear ramp of the inspired pressure from p_atmen_Anfang to p_atmen_Ende over t; Anordnung 2
// or 3 picks the arrangement of the closed form (the same value, other rounding).
void Schreiner(long double& p, long double p_atmen_Ende, long double p_atmen_Anfang, long double t,
               long double t_halb, int Anordnung = 2);

void Gewebe_Schritt();
void Atemgas_Schritt(float t);
// The status refresh at the end of each breathing step: counter-diffusion of the leading
// compartment, then the status panel.
void Status_auffrischen();
void Saettigung_Start(bool WayPoints_zuruecksetzen);
void Oberflaechenpause(float Stunden);
// Cabin pressure of an airliner (bar): the no-fly time waits for the ceiling to reach it.
constexpr float bar_Kabinendruck = 0.558f;
// Whole hours of surface breathing until the ceiling is at or below p_max, "xx.x" or "> 48.0".
std::string Flugverbotszeit(float p_max);

} // namespace Unit_Saettigungsrechnung
