// Cave diving: a recorded cave dive as a profile over the horizontal distance along the line. The
// profile is cut to a stretch, inverted (the way out as the way in) and shifted, kept as CSV text
// (Memo_CSV), and the text turned back into timed waypoints that are computed as a new dive. The
// window mirrors the texts and calls these.
#pragma once

#include <string>

namespace Unit_CaveDiving {

// The texts of the range fields "von" and "bis" (m) and of the offset field.
extern std::string Feld_von_m;
extern std::string Feld_bis_m;
extern std::string Feld_add;

// Distances below 0 mean "not calibrated"; such a waypoint keeps its -1 through every operation.
constexpr float Distanz_Grenze = 100000; // m: no cave line comes near it

// The range from the distance of waypoint 0 to that of the last waypoint.
void Bereich_vom_Profil();
// The window is shown: that range, the profile text cleared.
void Fenster_zeigen();
// After a calibration: the range from the smallest distance above 0 to the largest.
void Bereich_nach_Kalibrierung();

// The waypoints whose distance lies in [von, bis] become the dive, in their order; the profile
// text is rewritten. A field that is no number, or a range that holds no waypoint, is refused with
// a message and the dive stays as it was (false).
bool Profil_ausschneiden(const std::string& von, const std::string& bis);
// The farthest point (the first of the greatest distance) becomes the start and the list runs
// back to waypoint 0: distances measured from the farthest point, runtimes from it, so both grow
// again. Refused (false) when no waypoint has a distance above 0.
bool Profil_invertieren();
// Every calibrated distance += the offset; refused when the field is no number or a distance would
// leave 0 .. Distanz_Grenze.
bool Profil_addieren(const std::string& Offset);

// The profile text: a CSV file replaces it, or its lines after the header are appended (into an
// empty text the header is kept). A file that cannot be read or is no cave profile (not text, no
// line starting with a number) gives a message and leaves the text as it was.
bool CSV_lesen(const std::string& Dateiname, bool addieren);
// The same with the open dialog; false when cancelled.
bool CSV_lesen_Dialog(bool addieren);
// The text into the file through a temporary file, so the old file survives a failure.
bool CSV_speichern(const std::string& Dateiname);
bool CSV_speichern_Dialog();
void CSV_loeschen();

// "-> Waypoints (Zeit)": the text read with the cave preset of the CSV import, which times each
// row by its distance and velocity from runtime 0; the dive is shown as read. A text that gives no dive
// leaves the dive as it was (false).
bool In_WayPoints_umwandeln();
// "Tauchgang berechnen": the whole profile is the bottom part, the dive is computed and an ascent
// planned from its end (the analysis mode "new ascent", which stays chosen, its window shown).
bool Tauchgang_berechnen();

} // namespace Unit_CaveDiving
