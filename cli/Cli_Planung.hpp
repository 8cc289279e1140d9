// What brelune-cli does with a dive: start the library as the program does, enter points,
// compute as the Ascend command does.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Cli_Planung {

struct Punkt {
    float min_Runtime;
    float m_Wasser;
    std::optional<std::string> Gas; // index or name in the gas table
};

// "RT:DEPTH[:GAS],..."; empty with a message when a point is no point.
std::optional<std::vector<Punkt>> Punkte_lesen(const std::string& Text, std::string& Fehler);

// The start of the program without a window: loops, models, preset 1, a new dive.
void Programm_starten();

// Index of a gas given by number or by name; empty when the table has no such gas.
std::optional<int> Gas_finden(const std::string& Gas);

// "OC", "CCR", "SCR", "pSCR" (any case) to the apparatus code.
std::optional<int> Tauchgeraet_finden(const std::string& Text);

// Enters the points as the Dive command does; false with a message for an unknown gas.
bool Punkte_eingeben(const std::vector<Punkt>& Punkte, std::string& Fehler);

// The Ascend command; true when the calculation ran to the end.
bool Berechnen();

} // namespace Cli_Planung
