// A series of dives on one command line: each dive is a dive file, points or both, and a surface
// interval begins the next one, which is planned as a repetition dive.
#pragma once

#include "Cli_Planung.hpp"

#include <optional>
#include <string>
#include <vector>

namespace Cli_Serie {

// What the command line said, in the order it said it.
enum class Art { Datei, Punkte, Pause };
struct Angabe {
    Art Was;
    std::string Text;
};

struct Tauchgang {
    std::string Datei;                                     // empty: none
    std::optional<std::vector<Cli_Planung::Punkt>> Punkte; // empty: none
    float Stunden_davor = 0; // surface interval before the dive; 0 for the first
};

// The upper bound the dive file keeps for an interval, hours.
constexpr float Stunden_Grenze = 10000;

// The dives in the order given; empty with a message for a series that is no series.
std::optional<std::vector<Tauchgang>> Tauchgaenge(const std::vector<Angabe>& Angaben, std::string& Fehler);

} // namespace Cli_Serie
