// The start of the program and its end without the windows: what the main window's first show
// does after the warning notice was accepted, and what its close does, each in one operation. The
// desktop program, brelune-cli and the tests start the library through the same steps.
//
// The main window, on its first show: the notice (T_Form_Warnhinweis); refused, it closes;
// accepted, Programm_starten({.Programmordner = the executable's folder}) and the window shows
// the state. On close: it records its geometry in Unit_Programm, then Programm_beenden(); false
// keeps it open.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Unit_Programmstart {

struct Startoptionen {
    // Where the program lives (the executable's folder, not the current one): an old brelune.ini
    // left there by an older installation is moved into the settings folder, and the data folder
    // is found from here. Empty: no old settings file is looked for.
    std::string Programmordner = {};
    // The user's settings folder and file: created, an old file moved in, read, and written at
    // the end. Off for brelune-cli, which leaves the user's settings alone.
    bool Einstellungsdatei_verwenden = true;
    // The lines of another settings file, read instead of the user's (brelune-cli --settings).
    std::optional<std::vector<std::string>> Einstellungszeilen = std::nullopt;
    // The language of the run over the stored one (0 German, 1 English; brelune-cli --lang).
    std::optional<int32_t> Sprache = std::nullopt;
};

// The program folder of the last start.
extern std::string Programmordner;

// In this order: the report hook, the loop models, the emptied stores and the coefficient sets,
// preset 1, the settings folder with the move of an old settings file, the gas table, the
// settings, the language, the air gas named in it, the depth and runtime limits on the start
// values, a new dive. A settings folder that cannot be created is reported and the start goes on
// with every default in memory; a settings file that cannot be read is reported, and the end of
// this run does not write over it.
void Programm_starten(const Startoptionen& Optionen);

// Closing the program. Only after the notice was accepted: a changed dive is offered for saving,
// then the settings file is written (when the start used it). False when the user asked to save
// and the dive was not saved (cancelled or failed): the window stays open, nothing is lost.
bool Programm_beenden();

// The folder of the running executable; empty when the system does not tell.
std::string Programmordner_ermitteln();

// The program's data (example dives), ending in "/": "<program folder>/../share/brelune/" when
// installed, otherwise the data folder of the source tree it was built from; empty when neither
// exists.
std::string Datenordner();

// Menu "Tauchgang (Beispiel) laden": an example dive of the language from the data folder,
// computed as a loaded dive is. False when none was loaded.
bool Tauchgang_Beispiel_laden();

// A file given to the program (a file manager's "open with"): a .dec file is loaded, a .uddf file
// imported, a .csv file imported with the Shearwater columns and a .txt file with the text
// columns; anything else gives a message. False when no dive was read.
bool Datei_oeffnen(const std::string& Pfad);

} // namespace Unit_Programmstart
