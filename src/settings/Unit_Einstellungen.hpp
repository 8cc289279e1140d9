// What the settings dialog does beyond setting one key: the preset and display defaults with
// their questions, the air pressure and the altitude, the depth calibration from the water, the
// stop rules that exclude each other, the start time, the dive folder and the runtime table
// columns; and the texts its fields show.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Unit_Einstellungen {

// ---- basic settings, displays ----

// After the overwrite question: the preset becomes the chosen one and is applied. False when the
// user declines or the number is no preset (then nothing changes).
bool Grundeinstellung_OK(int32_t Nummer);
// After the question: every display switch to its default. False when declined.
bool Anzeigen_Standard();
// "Runtime auch als Uhrzeit" on the displays page and "Uhrzeit anzeigen" on the time page are
// this one setting.
void Uhrzeit_anzeigen(bool an);

// ---- air pressure ----

constexpr int32_t m_NN_Minimum = -500;
constexpr int32_t m_NN_Maximum = 8848;
// The altitude (brought into -500 .. 8848 m) and the air pressure there.
void Hoehe_setzen(int32_t m);
// The typed air pressure in mbar: the air pressure, and the altitude derived from it. Text that
// is no number keeps the air pressure after the number message (false); a pressure outside the
// altitudes -500 .. 8848 m becomes the nearer end after a message.
bool Luftdruck_OK(const std::string& mbar_Text);
// 1.01325 bar at 0 m.
void Standardatmosphaere();
// The air pressure in mbar, width 7 with two decimals.
std::string Luftdruck_mbar_Text();

// ---- water ----

// The temperatures and salt contents the calibration offers, in the order of its lists.
constexpr std::array<int32_t, 5> Temperaturen_C = {4, 10, 15, 20, 25};
constexpr std::array<float, 5> Salzgehalte_Prozent = {0.0f, 0.7f, 3.4f, 3.7f, 4.1f};
// "0.0 - Süßwasser" and so on, in the current language.
std::string Salzgehalt_Text(std::size_t Index);
// The typed density in g/cm³ becomes the metres of water per bar. Text that is no number keeps
// the calibration after the number message (false); a density giving less than 9 or more than
// 11 m/bar becomes the nearer end after a message.
bool Wasser_OK(const std::string& g_pro_cm3_Text);
// 10 m/bar.
void Wasser_Standard();
// The density of the chosen temperature and salt content (indices into the lists above; outside
// them the first entry) and the metres per bar from it. Returns the density.
float Kalibrieren(std::size_t Temperatur_Index, std::size_t Salz_Index);
// Metres per bar, width 6 with three decimals.
std::string m_pro_bar_Text();
// The density that belongs to the present calibration, g/cm³ with six decimals.
std::string Dichte_Text();
std::string Dichte_Text(float g_pro_cm3);

// ---- time ----

// Stops to full minutes and to full runtime minutes exclude each other: setting one sets the
// other to the opposite.
void volle_Minuten_setzen(bool an);
void volle_RunTime_Minuten_setzen(bool an);
// The typed start time; the start time no longer follows the clock. Values outside a day are
// brought into it.
void Startzeit_OK(int Stunden, int Minuten, int Sekunden);
// On: the start time follows the clock, from now on.
void Startzeit_jetzt(bool an);

// ---- paths, runtime table ----

// The dive folder, ending in "/" unless empty.
void Pfad_OK(const std::string& Ordner);

// The runtime table's columns in the order of the page; every change writes the table anew.
enum class Tabellenspalte { Aufstieg_zwischen_Deko, Zeit_auf_Tiefe, Uhrzeit, pO2, CNS, System, Gasdichte };
bool Tabellenspalte_an(Tabellenspalte Spalte);
void Tabellenspalte_setzen(Tabellenspalte Spalte, bool an);
// 0 .. 2 (brought into that range).
void Nachkommastellen_setzen(int32_t n);

} // namespace Unit_Einstellungen
