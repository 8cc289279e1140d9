// The dive in progress as the main window's commands see it: New dive, Repetition dive, Dive,
// Delete, Ascend, the apparatus, gas and setpoint choices, and the texts Ascend writes. The
// window reads its fields, calls these and mirrors the state.
#pragma once

#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace Unit_Main {

// The dive state the commands share with the layers below, kept with the dive in memory.
using Unit_WayPoints::Eingabemarke;
using Unit_WayPoints::Grafikmodus;
using Unit_WayPoints::m_Wasser_Start;
using Unit_WayPoints::min_Runtime_Start;
using Unit_WayPoints::Oberflaechenpause_h;
using Unit_WayPoints::Tauchgang_gespeichert;
using Unit_WayPoints::Vortauchgang;
using Unit_WayPoints::WayPoint_letzter_Eingabe;
using Unit_WayPoints::Wiederholungstauchgang;

// Limits of every entered point.
using Unit_WayPoints::m_Wasser_Grenze;
using Unit_WayPoints::min_Runtime_Grenze;
constexpr float v_Abstieg_Grenze = 50;
constexpr float v_Aufstieg_Grenze = 18;

// Input locked (computed state) and calculation running.
extern bool Eingabe_gesperrt;
extern bool Berechnung_laeuft;
// The menu entry "Tauchgang analysieren" may be used.
extern bool Analyse_erlaubt;
// The descent planning box may be changed: not for a loaded dive, whose points are extended
// without descent planning.
extern bool Abstiegsplanung_waehlbar;

// Waypoint 0 as the first Dive left it.
extern Unit_WayPoints::WayPoint_Type WayPoint_Start;

// Time of day of the dive start and of the end of the previous dive, minutes after midnight.
extern long double Uhrzeit_Start_min;
extern long double Uhrzeit_Ende_min;

// Depth where the decompression zone began, kept by Ascend before the ascent is planned.
extern float m_Dekozone_Tauchgang;
extern float min_Dekozone_Tauchgang;

void Neuer_Tauchgang();
// Asks to save a changed dive and for the surface interval; false when nothing was started.
bool Wiederholungstauchgang_starten();
// The repetition dive after the surface interval of the given hours: the previous dive named,
// the interval breathed, the start time of day moved on.
void Wiederholungstauchgang_beginnen(float Stunden);
// The same with the entered waypoints of a dive file as the new dive; false when the file cannot
// be read (the interval has been breathed then).
bool Wiederholungstauchgang_laden(const std::string& Pfad, float Stunden);
// Surface interval on air, then an empty dive whose tissues, CNS and OTU are those it left.
void Folgetauchgang_starten(float Stunden);

struct Eingabefelder {
    std::string Runtime; // width 7, one decimal
    std::string Tiefe;   // width 6, one decimal
};
// The Dive command with the texts of the runtime and depth fields; returns the clamped values
// as the fields show them.
Eingabefelder Tauchen(const std::string& Runtime_Feld, const std::string& Tiefe_Feld);
void Wegpunkt_begrenzen(float& min_Runtime, float& m_Wasser);
// With SCR neither the descent nor the ascent plan switches gas.
void SCR_ohne_Gaswechsel();
// Lays out the segment from waypoint Eingabemarke to the point, with the descent plan when it is
// in use, and draws waypoints 0 .. WayPoint_Anzahl on the input plot (Dive, and the preview of
// the input cursor without log lines).
void Segment_zeichnen(float min_Runtime, float m_Wasser, bool Protokoll);
void Letzten_Wegpunkt_loeschen();

// The Ascend button: computes, or cancels the calculation running. The contingency plans come
// first, so the dive they leave in memory is the plan itself.
void Austauchen_Klick();
// The Ascend button was clicked to cancel the calculation running.
extern bool Abbruch_verlangt;
// Ascend's calculation of the entered points from the start state; with Texte also the pages,
// the summary and the reports, without them only the waypoints, samples and tissues.
void Plan_rechnen(bool Texte);
// After a calculation: the pO2 left the oxygen table; the highest CNS of the samples.
bool pO2_ausserhalb_der_Tabelle();
float CNS_Prozent_max();
void Hinweiszeilen_schreiben();
// The no-fly time of the last calculation in hours (48 for "> 48.0"), -1 when none was computed.
extern float Flugverbot_Stunden;
void Zusammenfassung_schreiben();
// After a dive was read from a file.
void Tauchgang_geladen();
// The waypoints read become the dive being entered, without touching the tissues.
void WayPoints_uebernehmen();

void Eingabe_sperren(bool gesperrt);
void Berechnung_aktiv(bool aktiv);

// Apparatus box index 0 .. 3.
void Tauchgeraet_waehlen(int Index);
// The apparatus in force as the status panel names it: a status line with its setting
// ("CCR pO2 = 1.30 bar") and a short explanation in the current language.
struct Tauchgeraet_Anzeige_Typ {
    std::string Statuszeile;
    std::string Erklaerung;
};
Tauchgeraet_Anzeige_Typ Tauchgeraet_Anzeige();
// Gas box index; the entry after the last gas is "-> Neues Gasgemisch" and changes nothing
// (false: the window opens the gas calculator).
bool Gas_waehlen(int32_t Index);
// The setpoint, flow or dump-ratio field of the apparatus in force.
void Tauchgeraet_Wert_setzen(const std::string& Feld);
// Depth field while typing: a valid text becomes the current depth.
void Tiefe_eingeben(const std::string& Feld);
// The gas calculator's operating depth as the depth of the point being entered, as if typed;
// after Ascend and while computing the state belongs to the computed dive and stays.
void Einsatztiefe_vorschlagen(float m);
// The gas calculator's "in die Gasliste": the gas found or added becomes the current gas as the
// gas box makes it; -1 when the percentages are refused.
int32_t Gas_in_die_Gasliste(const std::string& Name, float O2, float N2, float He);
// Ambient pressure, inspired pO2 and END at the current depth with the current gas.
void Werte_in_der_Tiefe();
void Runtime_eingeben(const std::string& Feld);

// The SCR gases and their constant flows; any other gas gives gas 2 at 15.6 l/min.
void SCR_Gasregel();

// The first lines of the summary and of the dive analysis: the title, air pressure, water column
// and maximum depth.
void Kopfzeilen_schreiben(Unit_Textpuffer::Textpuffer& Puffer, const std::string& Titel_de,
                          const std::string& Titel_en, float m_max);
// The dissolved-gas maximum with its depth and runtime, then where the deco zone began.
void Volumen_und_Dekozone_schreiben(Unit_Textpuffer::Textpuffer& Puffer);
// The counter-diffusion block of the summary and of the dive analysis.
void Gegendiffusion_Block(Unit_Textpuffer::Textpuffer& Puffer, const std::string& Ueberschrift_de,
                          const std::string& Ueberschrift_en);

// The runtime table, report and CSV report after a calculation; empty, Ascend writes none.
extern std::function<void()> Berichte_schreiben;
// Lets Ascend write them (Unit_Report::Runtime_Tabelle_schreiben).
void Berichte_anmelden();

} // namespace Unit_Main
