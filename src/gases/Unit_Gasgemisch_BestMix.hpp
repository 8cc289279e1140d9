// The one list of breathing gases; everything refers to a gas by its index here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Unit_Gasgemisch_BestMix {

struct Gasgemisch_Type {
    std::string Name;
    float f_O2_prozent = 0;
    float f_N2_prozent = 0;
    float f_He_prozent = 0;
    long double barL_gesamt = 0;
    long double barL_bis_Aufstieg = 0;
    long double barL_Aufstieg = 0;
};

constexpr int32_t GasGemisch_NumMaxUeberhaupt = 40;
constexpr int32_t Gasgemisch_NumMaxDefault = 16;
constexpr int32_t Gas_O2 = 6; // default gas "O2": a CCR's oxygen is booked here

using Gastabelle = std::array<Gasgemisch_Type, GasGemisch_NumMaxUeberhaupt + 1>;

extern Gastabelle Gasgemisch;
extern int32_t Gasgemisch_NumMax; // highest index in use
extern int32_t Gasgemisch_num;    // the current gas

// The user's list put aside while a dive is loaded, and the list that came with the dive with
// the translation of its indexes to the merged list (-1 = unused).
extern Gastabelle Gasgemisch_ini;
extern int32_t GasGemisch_NumMax_ini;
extern Gastabelle Gasgemisch_tx0;
extern int32_t GasGemisch_NumMax_tx0;
extern std::array<int32_t, GasGemisch_NumMaxUeberhaupt + 1> GasGemisch_Num_tx0;

// Fractions (0 to 1) of the gas breathed at present.
extern float f_O2;
extern float f_N2;
extern float f_He;

// The text line of default gas i (0 to 16) in the current language; empty for other indexes.
std::string Gasgemisch_Defaultzeile(int32_t i);

struct Zahlwort {
    float Wert;
    std::size_t Ende; // position after the token
};
// The n-th blank-separated token (n from 1) read as a number; a missing token reads as 99.9.
Zahlwort Zahl_aus_Zeile(const std::string& Zeile, int n);

// Parses default line i into entry i; optionally zeroes its consumption.
void Gasgemisch_Default_laden(int32_t i, bool Verbrauch_loeschen);
// The state at program start: the defaults with no consumption, no user gases, gas 0 current.
void Gasgemische_initialisieren();
// Makes entry i the current gas (its percentages times 0.01 into f_O2, f_N2, f_He). An index
// outside the table in use selects gas 0.
void Gasgemisch_waehlen(int32_t i);

// Lowest index whose three fractions each lie within 0.005 of the given ones; -1 if none.
int32_t Gasgemisch_finden(float O2, float N2, float He);
// "Tmx21/35", "HeliOx21", "EAN32", "O2", "Luft"/"Air" from fractions (whole percent, half to even).
std::string Gasname_aus_Anteilen(float O2, float N2, float He);
// Appends a gas (percentages are rounded to whole percent) and makes it current; with the
// table full, entry 40 is replaced after an error box.
void Gasgemisch_hinzufuegen(const std::string& Name, float O2_prozent, float N2_prozent, float He_prozent);

// Before a dive file is loaded: the user's list is put aside.
void Gasliste_merken();
// "Luft" becomes "Air" in English and back in German.
void Gasnamen_Sprache_anpassen();

// What the settings window's gas list shows: the defaults are parsed again, then the names of
// gases 0 to Gasgemisch_NumMax.
std::vector<std::string> Gasliste_Texte();
// O2, N2 and He percent of gas i with two decimals (gas 0 for an index outside the list).
std::array<std::string, 3> Gasanteile_Texte(int32_t i);

struct Gaspruefung_Type {
    float pO2 = 0;   // bar, without water vapour
    float MOD = 0;   // m, at 1.601 bar
    float MinOD = 0; // m, at 0.16 bar, not below 0
    float END = 0;   // m
    bool pO2_ausserhalb = false;
    bool END_ueberschritten = false;
};
// The check of a gas being designed (O2 and N2 in percent) at an operating depth: optional
// warning box for broken limits and optional result box. The caller decides which of the
// values it takes over.
Gaspruefung_Type Gas_pruefen(float m_Einsatztiefe, float O2_prozent, float N2_prozent,
                             const std::string& Name, bool Warnungen_zeigen, bool Ergebnis_zeigen);

} // namespace Unit_Gasgemisch_BestMix
