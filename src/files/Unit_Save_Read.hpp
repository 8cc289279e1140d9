// The dive file (.dec): every setting that shapes the dive, the gas table and the waypoints, in
// the settings file's sectioned form; saving, loading, the example dives and the overview rows.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"

#include <functional>
#include <string>
#include <vector>

namespace Unit_Save_Read {

// Folder and name of the last dive file, kept with the dive in memory.
using Unit_WayPoints::Comment;
using Unit_WayPoints::Datei_Tauchgang;
using Unit_WayPoints::Kommentar;
using Unit_WayPoints::Nicht_gespeichert;
using Unit_WayPoints::Pfad_Tauchgang;

inline const std::string Dateifilter = "Tauchgangsprofil|*.dec|Alle Dateien|*.*";

// The comment of the current language.
std::string& Kommentar_der_Sprache();
// As the information box shows it: "*" becomes a line break, a blank right after it is dropped.
std::string Kommentar_Anzeigetext(const std::string& Text);

// The text of a dive file for the current dive and settings.
std::vector<std::string> Tauchgangsdatei_Zeilen();
// Writes the dive file; on an error the previous file stays and the user is told (false).
bool Tauchgangsdatei_schreiben(const std::string& Pfad);
// Reads a dive file into the settings, the gas table and the waypoints: the user's language
// stays, "Pfad Tauchgang" and "Datei Tauchgang" take the path, the current runtime and depth the
// start values, the text pages are cleared. A file that cannot be read or is no dive file
// changes nothing after a message (false).
bool Tauchgangsdatei_lesen(const std::string& Pfad);

// Button "speichern" and menu "Tauchgang speichern": the comment typed becomes that of the
// current language, the save dialog asks for the file, then the dive file and the settings file
// are written. False when cancelled (name "Not_Saved", message "Abbruch") or failed.
bool Tauchgang_speichern(const std::string& Kommentar_Eingabe);
// Button "lesen": the open dialog, then the read; the file's gas list replaces the user's.
bool Tauchgang_lesen();
// Menu "Tauchgang laden": the user's gas list is kept aside; after a successful read the comment
// is shown and Tauchgang_geladen runs (the main window recomputes the dive); in every case the
// loaded gases are merged into the user's list and the waypoints' gases renumbered.
bool Tauchgang_laden(const std::function<void()>& Tauchgang_geladen);
// The same for a file named without the dialog (a file given on the command line).
bool Tauchgang_laden_Datei(const std::string& Pfad, const std::function<void()>& Tauchgang_geladen);
// Menu "Tauchgang (Beispiel) laden": the same from the data folder's "Example_dives/" (English) or
// "Tauchgang_Beispiele/" (German); the dive folder is restored afterwards.
bool Tauchgang_Beispiel_laden(const std::string& Datenordner, const std::function<void()>& Tauchgang_geladen);

// The two grids of the overview window, names in the program language.
struct Uebersicht_Type {
    std::vector<Unit_Einstellungsdatei::Anzeigezeile> Einstellungen;
    std::vector<Unit_Einstellungsdatei::Anzeigezeile> Tauchgang;
};
Uebersicht_Type Uebersicht();

} // namespace Unit_Save_Read
