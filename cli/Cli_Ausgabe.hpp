// What brelune-cli prints: the text buffers by name and the JSON summary.
#pragma once

#include "files/Unit_Save_Read_UDDF.hpp"
#include "lang/Unit_UI.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace Cli_Ausgabe {

// The names --output takes, in the order they may be given.
const std::vector<std::string>& Ausgabenamen();
bool ist_Ausgabename(const std::string& Name);

// Prints one buffer ("runtime", "summary", ...) or the JSON object ("json"); mit_Analyse adds the
// figures of the dive analysis to the object.
void Ausgeben(std::ostream& aus, const std::string& Name, bool abgebrochen,
              const std::vector<Unit_UI::Headless::Eintrag>& Meldungen, bool mit_Analyse = false);

// Keeps the dive in memory as an earlier dive of a series, with its minimum gas, its messages and
// the surface interval after it; the JSON object of the last dive lists them as "previous_dives".
void Vortauchgang_merken(const std::vector<Unit_UI::Headless::Eintrag>& Meldungen, float Stunden_Pause);

// The JSON object of the dive in memory.
std::string Json(bool abgebrochen, const std::vector<Unit_UI::Headless::Eintrag>& Meldungen,
                 bool mit_Analyse = false);

// The dives of a UDDF file as import --list --output json prints them.
std::string Tauchgangsliste_Json(const std::vector<Unit_Save_Read_UDDF::Tauchgang_Eintrag>& Liste);

} // namespace Cli_Ausgabe
