// Replay of a recorded dive: what the diver actually did. A dive read from a file or imported is a
// complete profile with its own ascent; the diver keeps it, analyses it (depths, times,
// velocities, oxygen, inert gas and the gradient factors the profile used) or cuts it at the end
// of the bottom time and plans a new ascent. The window mirrors this state and calls these.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace Unit_Tauchgang_analysieren {

// Kept with the dive in memory.
using Unit_WayPoints::Tauchgang_ist_Analyse;

// Computed by the replay of the dive.
using Unit_Tauchgangsberechnung::GF_Spitze;

enum Analysemodus : int32_t { Keine_Aktion = 0, Analysieren = 1, Neuer_Aufstieg = 2 };
// The radio button checked; it stays for the next dive read.
extern int32_t Modus;
// End of bottom time as entered, min (0: at the first deepest waypoint).
extern float min_EndeGrundzeit;
// The text of the field "Ende Grundzeit (min) = ".
extern std::string Feld_EndeGrundzeit;
// The window is shown.
extern bool Fenster_sichtbar;

// Results of the last analysis, %.
extern float GF_Lo_Schaetzung;
extern float GF_Hi_Schaetzung;

// Marks the waypoints after the end of bottom time x as the ascent and makes the last one before
// it the last entered waypoint; x within one calculation step of 0 ends the bottom time at the
// first waypoint of the greatest depth.
void Grundzeit_Ende_setzen(float x);
// Waypoint 0 not in the ascent, every ascent waypoint followed by another, the last one in it.
bool Aufstiegsmarken_stimmig();

// After a dive was read: allows the menu entry, repairs inconsistent ascent flags and shows the
// end of bottom time in the field.
void Analyse_Fenster_zeigen();
void Analyse_Fenster_schliessen();
// The hook of the menu commands that read a dive: the dive is loaded, then the window offered.
void Tauchgang_gelesen();
// The menu commands that import a logged dive (UDDF, or CSV/TXT with column preset k): the
// analysis window of the dive before closes, the file is read, and a dive read is offered for
// analysis. False when nothing was read. A UDDF logbook of several dives: the dive with this
// number (1 = the first); without one the diver is asked.
bool UDDF_Tauchgang_importieren(const std::string& Dateiname, std::optional<int32_t> Nummer = std::nullopt);
bool CSV_Tauchgang_importieren(const std::string& Dateiname, int32_t k,
                               const Unit_Save_Read_CSV::Zuordnung_Aenderung& Aenderung = {});
// The radio buttons 0 .. 2.
void Modus_waehlen(int32_t Modus_neu);
// "setzen": the field's number as the end of bottom time; false (with a message) when it is no
// number.
bool Setzen_Klick(const std::string& Feld);
// OK: runs the mode checked and closes the window.
void OK_Klick();

// The three modes as the OK button runs them.
void Tauchgang_behalten();
void Tauchgang_auswerten();
void Aufstieg_neu_berechnen();

// Peak GF values 0 .. n: GF Hi the largest, GF Lo the first peak of the series (0 when none).
struct GF_Schaetzung {
    float Lo = 0;
    float Hi = 0;
};
GF_Schaetzung GF_schaetzen();

// The figures of the analysis report of the dive in memory.
struct Analysewerte {
    float m_max = 0;
    float min_Grundzeit = 0;
    float min_Aufstiegszeit = 0;
    float min_Gesamt = 0;
    float v_Abstieg_max = 0; // m/min
    float v_Aufstieg_max = 0;
    float CNS_max = 0;
    float OTU_max = 0;
    float pO2_max = 0;
    float pO2_min = 0;
    float pO2_Mittel = 0;
    float m_END_max = 0;
};
Analysewerte Analysewerte_berechnen();
// The analysis report into Memo_Zusammenfassung.
void Analyse_schreiben();

} // namespace Unit_Tauchgang_analysieren
