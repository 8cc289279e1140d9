// brelune-cli mix: what the gas calculator window computes, without a window.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace Cli_Gasrechner {

// The options as typed (numbers with a point or a comma).
struct Mix_Optionen {
    std::optional<std::string> Tiefe, pO2, END, O2, He, BestMix;
    std::string Format = "text";
};

enum class Art { Mix, Werte, Best_Mix };

struct Auftrag {
    Art Modus = Art::Mix;
    float m_Tiefe = 0;
    float bar_pO2 = 0;
    std::optional<float> m_END; // a trimix with this END, else a nitrox
    int O2 = 0, He = 0;
    float bar_Ziel = 0;
    bool json = false;
};

// The task the options describe; the usage error otherwise.
std::optional<std::string> Mix_lesen(const Mix_Optionen& o, Auftrag& a);
// Computes with the settings in force and prints the gas and its values.
void Mix_ausgeben(const Auftrag& a, std::ostream& aus);

} // namespace Cli_Gasrechner
