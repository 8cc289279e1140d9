// What brelune-cli does with a dive: enter points, compute as the Ascend command does, read and
// write files as the menus do.
#pragma once

#include "files/Unit_Save_Read_CSV.hpp"

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

// Index of a gas given by number or by name; empty when the table has no such gas.
std::optional<int> Gas_finden(const std::string& Gas);

// "OC", "CCR", "SCR", "pSCR" (any case) to the apparatus code.
std::optional<int> Tauchgeraet_finden(const std::string& Text);

// Enters the points as the Dive command does; false with a message for an unknown gas.
bool Punkte_eingeben(const std::vector<Punkt>& Punkte, std::string& Fehler);

// The Ascend command; true when the calculation ran to the end.
bool Berechnen();
// The Repetition dive command after a surface interval of the given hours; with a dive file its
// entered waypoints become the new dive. False with a message when the file cannot be read.
bool Wiederholungstauchgang_beginnen(float Stunden, const std::string& Datei, std::string& Fehler);

// The lines of a settings file for the start; empty with a message when it cannot be read.
std::optional<std::vector<std::string>> Einstellungszeilen_lesen(const std::string& Pfad,
                                                                 std::string& Fehler);
// "SECTION/KEY=VALUE" with the settings file's German names; false for an unknown section or key.
bool Einstellung_setzen(const std::string& Zuweisung, std::string& Fehler);
// Loads a dive file as the menu does; false when it cannot be read.
bool Tauchgang_laden(const std::string& Pfad, std::string& Fehler);
bool Tauchgang_speichern(const std::string& Pfad, std::string& Fehler);

// "uddf" or "csv" from the file's extension (.uddf; .csv, .txt); empty for another one.
std::string Format_aus_Endung(const std::string& Pfad);
// Imports a UDDF or CSV file as the menu does (CSV with preset k and the mapping over it, UDDF its
// dive with this number); false when no dive came of it.
bool Tauchgang_importieren(const std::string& Pfad, const std::string& Format, int Voreinstellung, int Nummer,
                           std::string& Fehler,
                           const Unit_Save_Read_CSV::Zuordnung_Aenderung& Zuordnung = {});
// "keep", "analyse", "ascent" to the analysis mode.
std::optional<int> Analysemodus_finden(const std::string& Text);
// The analysis window's OK with the mode and, when given, the end of bottom time; true when the
// calculation ran to the end.
bool Analysieren(int Modus, std::optional<float> min_EndeGrundzeit);
bool UDDF_exportieren(const std::string& Pfad, std::string& Fehler);
bool CSV_exportieren(const std::string& Pfad, std::string& Fehler);

} // namespace Cli_Planung
