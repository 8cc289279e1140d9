// Pressure, depth and gas formulas used by every calculation. Arithmetic in extended precision,
// results rounded to single on return.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_WayPoints {
struct sData_Type;
}

namespace Unit_Formeln {

// Settings read by the formulas.
extern float bar_Luft;  // air pressure at the water surface, bar
extern float m_pro_bar; // metres of water per bar of water pressure
extern float p_H2O;     // water-vapour pressure in the lungs, bar (0 when not used)
extern bool p_H2O_verwenden;
extern int32_t m_NN; // altitude of the dive site, whole metres

constexpr long double bar_Standardatmosphaere = 1.01325L;
constexpr long double f_O2_Luft = 0.20948L;
constexpr long double f_N2_Luft = 0.7902L;
constexpr long double f_N2_Luft_Kehrwert = 1.2655024044545684L;
constexpr long double Erdbeschleunigung = 9.80665L;
constexpr long double m_Hoehenskala = 8052.217L;
constexpr long double Hoehenfaktor_pro_m = 1.241894002608226e-4L;
constexpr float p_H2O_Standard = 0.0627f;
constexpr float Fehlerwert = -99.9f;
// A deeper equivalent narcotic depth is warned of.
constexpr float m_END_Maximum = 50;

// Gas density (settings, g/L): above the first the breathed gas is warned of, above the second
// strongly. Dense gas is hard to breathe: the work of breathing and the retained CO2 rise with it.
extern float g_pro_L_Gasdichte_Warnung;
extern float g_pro_L_Gasdichte_Maximum;
constexpr float g_pro_L_Gasdichte_Warnung_Standard = 5.2f;
constexpr float g_pro_L_Gasdichte_Maximum_Standard = 6.2f;

// Running maxima of the inspired inert-gas pressures of the dive.
extern long double p_N2_atmen_MAX;
extern long double p_He_atmen_MAX;

float bar_Umgebung_aus(float m);
float m_Wasser_aus(float bar);
float m_MOD_aus(float bar_pO2_Grenze, float f_O2);
float m_END_aus(float f_N2, float m);
float m_END_aus_pN2(float bar_pN2);
float bar_pN2_aus_END(float m_END);

struct Inertgasdruecke {
    float p_N2_atmen;
    float p_He_atmen;
};
// From the current ambient pressure and the breathed fractions; keeps the running maxima.
Inertgasdruecke p_inert_atmen();

// Density of a dry gas of these fractions (0 to 1) at this pressure (bar), g/L, from the molar
// masses of O2, N2 and He as an ideal gas at 0 °C (273.15 K). That is the temperature of the normal
// densities gas tables give, and colder than almost any water dived in, which keeps the figure on
// the safe, higher side.
float g_pro_L_Gasdichte(float f_O2, float f_N2, float f_He, float bar);
// The same for the gas breathed in a stored sample (for a rebreather, its loop gas) at its depth,
// and for the gas breathed now at the present ambient pressure.
float g_pro_L_Gasdichte(const Unit_WayPoints::sData_Type& s);
float g_pro_L_Gasdichte_atmen();
// The densest gas breathed in the computed samples of the dive in memory.
float g_pro_L_Gasdichte_MAX();

// Water density at 4, 10, 15, 20 or 25 °C with a salt content in percent. Any other temperature
// shows a message and throws Unit_UI::Befehl_abgebrochen.
float g_pro_cm3_WasserDichte(int32_t Temperatur_C, float Salzgehalt_Prozent);
float m_pro_bar_aus_g_pro_cm3(float g_pro_cm3);
// Its own inverse: kg/m³ to m/bar and m/bar to kg/m³.
float m_pro_bar_aus_kg_pro_m3(float x);

float bar_Luft_aus_Hoehe(float m);
int32_t m_NN_aus_bar_Luft(float bar);

float m_Tiefenzuschlag(float m);
float m_ohne_Tiefenzuschlag(float m);

std::string Tauchgeraet_Text(int Tauchgeraet);

// Sets p_H2O from the "use water vapour" switch.
void p_H2O_setzen(bool verwenden);

} // namespace Unit_Formeln
