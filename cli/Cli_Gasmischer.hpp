// brelune-cli blend: what the gas blender computes, without a window.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "blender/Unit_Gasmischer.hpp"

namespace Cli_Gasmischer {

// The options as typed (numbers with a point or a comma).
struct Blend_Optionen {
    std::optional<std::string> Vorher, Nachher, Trimix, Volumen;
    bool leer = false;
    std::string Methode = "o2-he-air";
    std::string Format = "text";
};

enum class Methode { O2_He_Luft, O2_Trimix_Luft, Trimix };

struct Auftrag {
    Methode Art = Methode::O2_He_Luft;
    Unit_Gasmischer::Gas Vorher, Nachher;
    Unit_Gasmischer::Anteile Trimix;
    double bar_Trimix = 0;
    bool json = false;
};

// The task the options describe; the usage error otherwise.
std::optional<std::string> Blend_lesen(const Blend_Optionen& o, Auftrag& a);
// Computes and prints the fill; false when the gas cannot be made (its message is printed).
bool Blend_ausgeben(const Auftrag& a, std::ostream& aus);

} // namespace Cli_Gasmischer
