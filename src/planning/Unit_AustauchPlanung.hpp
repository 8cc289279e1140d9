// The ascent planner: from the end of the entered dive up to the surface with its stops, safety
// measures, gas switches and setpoint changes, and the ascent plan's settings and tables.
#pragma once

#include "core/Unit_Textpuffer.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "planning/Unit_Tiefentabelle.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace Unit_AustauchPlanung {

extern bool Aufstieg_Geschwindigkeit_variabel; // "Mit Geschwindigkeitswechsel"
extern float v_Aufstieg_konstant;              // m/min, also the velocity table's constant
extern Tiefentabelle_Type Aufstieg_Geschwindigkeit;

extern bool Aufstieg_Gaswechsel_OK; // "Mit Gaswechsel"
extern Tiefentabelle_Type Aufstieg_Gaswechsel;

extern bool Aufstieg_Setpoint_variabel; // "Mit p(O2) Änderung"
extern Tiefentabelle_Type Aufstieg_Setpoint;

// Gas breaks: the break gas is a gas index like the table's gas changes.
extern bool AirBreak_OK;
extern int32_t AirBreak_GasNum;
extern int32_t AirBreak_minAbstand;
extern int32_t AirBreak_minDauer;

// Wait on depth after a gas switch ("Gaswechsel warten").
extern bool Gaswechsel_warten_OK;
extern int32_t min_Gaswechsel_warten;

// The stop grid: m_DekoZuletzt + k x m_DekoStep.
using Unit_Grenzwerte::m_DekoZuletzt;
extern float m_DekoStep;
extern bool Stops_volle_Minuten;         // "Stops auf volle min ausdehnen"
extern bool Stops_volle_RunTime_Minuten; // "Stops auf volle RunTime Minuten ausdehnen"
extern bool Aufstiegszeit_addieren;      // "Aufstiegszeit zum nächsten Stop addieren"
extern bool Bail_Out;                    // switch a CCR to open circuit at the start of the ascent

// State of the last ascent.
extern float v_Aufstieg;
extern float m_Stop;
using Unit_Grenzwerte::m_ErsterStop; // 0 when there is none
extern float min_Stopzeit;
extern float min_Grundzeit;
extern float min_Aufstiegszeit;
extern float min_ErsterStop;  // time of the stop at m_ErsterStop
extern float min_LetzterStop; // time of the stop at m_DekoZuletzt
extern bool DeepStop_erledigt;
extern bool Sicherheitsstop_erledigt;

// Back to the values a missing settings key reads as.
void Tabellen_zuruecksetzen();

float m_Stop_aus_Ceiling(float p);
float m_Stufe_unter(int n, float x);
using Unit_Grenzwerte::GF_aktuell;
// Ascent velocity at depth m; a row without velocity counts as the constant velocity.
float v_Aufstieg_bei(float m);

void Aufsteigen_bis_Stop(float& m_Stop_neu);
void Dekostop_halten(float& min_Stopzeit_neu);
// On the last stop: doubling, then at least the safety-stop time, each simulated at the stop.
void Letzten_Stop_verlaengern(float& Stopzeit);
void Austauchen_planen();

void Aufstieg_Wechsel_pruefen();
void Aufstieg_Gaswechsel_pruefen();
void Aufstieg_pO2_pruefen();

// The annotation of a stop row i: depth and time of the stop.
std::string Stop_Annotation(int32_t i);
// The four summary lines of the "STOP" row.
void Zusammenfassung_anfuegen(Unit_Textpuffer::Textpuffer& Puffer, float min_Runtime_STOP);

// The ascent plan window's buttons. A row is depth and value as typed.
struct Zeile_Eingabe {
    float m;
    float Wert;
};
// False (with a message, nothing changed) when a velocity is below 1 m/min.
bool Aufstiegsgeschwindigkeit_OK(float v_konstant, const std::array<Zeile_Eingabe, 3>& Zeilen);
void Dekotiefen_OK(int m_zuletzt, int m_Abstand);
void Gaswechsel_OK(const std::array<Zeile_Eingabe, 6>& Zeilen);
void AirBreak_uebernehmen(bool an, int32_t Gas, int32_t Abstand, int32_t Dauer);
void pO2_OK(const std::string& Setpoint_konstant, const std::array<Zeile_Eingabe, 3>& Zeilen);
// "Gradient Factors nach Baker : 40 /  80"
std::string Baker_Beschriftung();

struct Freigaben {
    bool Setpoint_Tabelle; // only for CCR without bail-out
    bool Bail_Out;         // only for CCR
};
Freigaben Freigaben_berechnen();

} // namespace Unit_AustauchPlanung
