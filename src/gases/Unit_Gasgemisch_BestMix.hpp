// The one list of breathing gases; everything refers to a gas by its index here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

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

using Gastabelle = std::array<Gasgemisch_Type, GasGemisch_NumMaxUeberhaupt + 1>;

extern Gastabelle Gasgemisch;
extern int32_t Gasgemisch_NumMax; // highest index in use
extern int32_t Gasgemisch_num;    // the current gas

// Fractions (0 to 1) of the gas breathed at present.
extern float f_O2;
extern float f_N2;
extern float f_He;

// The text line of default gas i (0 to 16) in the current language.
std::string Gasgemisch_Defaultzeile(int32_t i);

struct Zahlwort {
    float Wert;
    std::size_t Ende; // position after the token
};
// The n-th blank-separated token (n from 1) read as a number; a missing token reads as 99.9.
Zahlwort Zahl_aus_Zeile(const std::string& Zeile, int n);

// Parses default line i into entry i; optionally zeroes its consumption.
void Gasgemisch_Default_laden(int32_t i, bool Verbrauch_loeschen);
// Makes entry i the current gas (its percentages times 0.01 into f_O2, f_N2, f_He). An index
// outside the table in use selects gas 0.
void Gasgemisch_waehlen(int32_t i);

} // namespace Unit_Gasgemisch_BestMix
