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
// A row whose value is no gas of the list (a gas box without choice) keeps its gas, after a
// message.
void Gaswechsel_OK(const std::array<Zeile_Eingabe, 6>& Zeilen);
// Gas breaks: a gas that is not in the list (a gas box without choice) keeps the break gas,
// after a message; interval and duration are kept within 0 to 100 min.
void AirBreak_uebernehmen(bool an, int32_t Gas, int32_t Abstand, int32_t Dauer);
void pO2_OK(const std::string& Setpoint_konstant, const std::array<Zeile_Eingabe, 3>& Zeilen);
// The same with the texts of the setpoint fields, read with Zahl_lesen: a field that is no
// number keeps its setpoint after Zahl_lesen's message (a CCR set to 0 bar is no setting). False
// after the order message; the rows stay as entered.
bool pO2_OK(const std::string& Setpoint_konstant, const std::array<int32_t, 3>& m,
            const std::array<std::string, 3>& Setpoints);
// "Gradient Factors nach Baker : 40 /  80"
std::string Baker_Beschriftung();

// Which controls of the ascent plan window are enabled: a switched-off group is.
struct Freigaben {
    bool Setpoint_Tabelle = false;  // the constant / variable choice: only for CCR without bail-out
    bool Bail_Out = false;          // only for CCR
    bool vConst = false;            // SpinEdit_vConst: velocity table off
    bool v_Tabelle = false;         // SpinEdit_m1..3, SpinEdit_v1..3
    bool Gaswechsel_Zeilen = false; // the six gas rows and their OK
    bool AirBreak_Felder = false;   // gas, interval and duration of the gas breaks
    bool GF_Felder = false;         // the two gradient factors
    bool pO2_konstant = false;      // Edit_pO2_const
    bool pO2_Zeilen = false;        // SpinEdit_mp1..3, Edit_yp1..3
};
Freigaben Freigaben_berechnen();

// What the fields of the ascent plan window show: spin edits the settings rounded to whole
// numbers, setpoints (4, 2); a gas that is not in the list is -1 (no item rather than a wrong one).
struct Anzeige_Type {
    int32_t vConst = 0;
    std::array<int32_t, 3> m{};
    std::array<int32_t, 3> v{};
    int32_t DekoZuletzt = 0;
    int32_t DekoStep = 0;
    std::array<int32_t, 6> Gaswechsel_m{};
    std::array<int32_t, 6> Gaswechsel_Gas{};
    int32_t AirBreak_Gas = 0;
    int32_t AirBreak_Abstand = 0;
    int32_t AirBreak_Dauer = 0;
    std::string pO2_const;
    std::array<int32_t, 3> mp{};
    std::array<std::string, 3> yp;
    int32_t GF_Lo = 0; // percent
    int32_t GF_Hi = 0;
};
Anzeige_Type Anzeige();

// The gradient-factor spin edits: whole percent, the other gradient-factor settings kept.
void GF_uebernehmen(int32_t GF_Lo_Prozent, int32_t GF_Hi_Prozent);

// The tab of the settings dialog's safety page that "einstellen" opens: 0 Bühlmann when the depth
// addition is on, 1 gradient factors when they are on, 2 deep stop when it is on; the last that
// applies wins, gradient factors when none does.
int Sicherheit_Unterseite();

} // namespace Unit_AustauchPlanung
