// The six basic-settings presets: complete value lists that the settings dialog applies on
// request and the program applies (preset 1) as its built-in defaults at start.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_Grundeinstellungen {

constexpr int32_t Grundeinstellung_Anzahl = 6;

// The preset chosen last (setting "Grundeinstellung").
extern int32_t Grundeinstellung;

// "Sporttaucher * Vergleich mit Bühlmann-Tabelle (0-700 m)" and so on; empty outside 0 to 5.
std::string Grundeinstellung_Name(int32_t Nummer);

// Sets every setting the preset covers and makes it the chosen one; false for a number outside
// 0 to 5 (then nothing changes).
bool Grundeinstellung_anwenden(int32_t Nummer);

} // namespace Unit_Grundeinstellungen
