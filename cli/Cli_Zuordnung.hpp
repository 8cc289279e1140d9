// brelune-cli import: the CSV column mapping given as options over the chosen preset, as the
// diver maps the columns in the import window.
#pragma once

#include "files/Unit_Save_Read_CSV.hpp"

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace Cli_Zuordnung {

// The options as typed: "COL" or "COL:UNIT", columns from 1, 0 = not in the file.
struct Zuordnung_Optionen {
    std::optional<std::string> Zeit, Tiefe, pO2, O2, He, Tauchgeraet, CCR, OC, Distanz, Geschwindigkeit,
        Trennzeichen, Kommentarzeilen, Aufloesung;
    bool gegeben() const;
};

void Optionen_anlegen(CLI::App* Befehl, Zuordnung_Optionen& o);
// The changes over the preset; the usage error otherwise.
std::optional<std::string> Zuordnung_lesen(const Zuordnung_Optionen& o,
                                           Unit_Save_Read_CSV::Zuordnung_Aenderung& a);

} // namespace Cli_Zuordnung
