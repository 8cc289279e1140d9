// The settings store: one walk over every setting in file order that shows, writes or reads it,
// and the settings file brelune.ini in the settings folder built on that walk.
#pragma once

#include "settings/Unit_IniDatei.hpp"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace Unit_Einstellungsdatei {

// "show": rows for the overview; "save": into an ini file by key; "saveX": text lines;
// "read": from an ini file, a missing key giving the step's default.
enum class Modus { show, save, saveX, read };

struct Anzeigezeile {
    std::string Abschnitt;
    std::string Schluessel;
    std::string Wert;
};

// Values outside these bounds are replaced after reading, with a message; without a replacement
// the value is brought to the nearer bound.
struct Grenzen {
    long double Minimum;
    long double Maximum;
    std::optional<long double> Ersatz = std::nullopt;
};

// One walk: the mode, where it reads from or writes to, and the section it is in. Names are
// German in every mode but "show", which follows the program language.
class Zugriff {
  public:
    explicit Zugriff(Modus m) : Modus_(m) {}

    Modus Modus_;
    Unit_IniDatei::IniDatei Ini;     // "read" source, "save" target
    std::vector<std::string> Zeilen; // "saveX" result
    std::vector<Anzeigezeile> Anzeige;
    bool Sprache_lesen = true; // a dive file leaves the user's language alone

    bool lesen() const { return Modus_ == Modus::read; }
    bool schreiben() const { return Modus_ == Modus::save || Modus_ == Modus::saveX; }

    void Abschnitt(const std::string& Deutsch, const std::string& Englisch);
    void Ganzzahl(const std::string& Deutsch, const std::string& Englisch, int32_t& Wert, int32_t Vorgabe,
                  std::optional<Grenzen> Bereich = std::nullopt);
    void Gleitzahl(const std::string& Deutsch, const std::string& Englisch, long double& Wert,
                   long double Vorgabe, int Nachkommastellen, int Breite,
                   std::optional<Grenzen> Bereich = std::nullopt);
    void Gleitzahl(const std::string& Deutsch, const std::string& Englisch, float& Wert, float Vorgabe,
                   int Nachkommastellen, int Breite, std::optional<Grenzen> Bereich = std::nullopt);
    void Wahrheitswert(const std::string& Deutsch, const std::string& Englisch, bool& Wert, bool Vorgabe);
    void Byte_Wahrheitswert(const std::string& Deutsch, const std::string& Englisch, uint8_t& Wert,
                            bool Vorgabe);
    void Text(const std::string& Deutsch, const std::string& Englisch, std::string& Wert,
              const std::string& Vorgabe);
    // A line that is written but never read.
    void Info_Zeile(const std::string& Schluessel, const std::string& Wert);
    // The raw value of a key of the present section ("read" only).
    std::optional<std::string> Rohwert(const std::string& Schluessel) const;
    // One message per key and walk, however many rows of a file share the fault.
    void Problem_melden(const std::string& Schluessel, const std::string& Deutsch,
                        const std::string& Englisch);

  private:
    std::string Abschnitt_de;
    std::string Abschnitt_Anzeige;
    std::set<std::string> Gemeldet;

    std::string Name(const std::string& Deutsch, const std::string& Englisch) const;
    void Ausgeben(const std::string& Deutsch, const std::string& Englisch, const std::string& Textform,
                  const std::string& Iniform);
    // The message shows the new value with width 5 (whole numbers without padding).
    void Bereich_pruefen(const std::string& Deutsch, const std::string& Englisch, long double& Wert,
                         const Grenzen& Bereich, int Nachkommastellen);
};

// "4.10 ~ 30.1.2024" and the running system, written before the language in the first section.
extern const char* const Betriebssystem;

// Apparatus as the files name it: "OC", "CCR", "SCR constant flow", "pSCR" (an unknown code as OC).
std::string Tauchgeraet_Dateitext(uint8_t Code);
// The code of such a text (without regard to case); empty for any other text.
std::optional<uint8_t> Tauchgeraet_aus_Dateitext(const std::string& Text);

// Messages about a file that cannot be read or written (the previous file is kept).
void Lesefehler_melden(const std::string& Pfad, const std::string& Grund);
void Schreibfehler_melden(const std::string& Pfad, const std::string& Grund);

// The whole walk over the settings sections, "Programm" to "Grenzwertueberschreitung".
void Einstellungen_durchlaufen(Zugriff& Z);
// Sections "Tauchgang" (the count) and "Tauchgang#0" .. "Tauchgang#n" (one per waypoint): the
// dive file and the settings file both carry the waypoints.
void WayPoints_durchlaufen(Zugriff& Z);
// The language step alone: reading takes "Sprache" of "Programm" and "Language" of "Program".
void Sprache_durchlaufen(Zugriff& Z);
// After reading: every gas index (start and current gas, plan tables, gas break, waypoints) that
// lies outside the gas list becomes gas 0, with one message; the current gas is selected again.
void Gasnummern_pruefen();

// Settings folder $XDG_CONFIG_HOME/Brelune/ (default ~/.config/Brelune/), ending in "/".
std::string Einstellungsordner();
std::string Einstellungsdatei(); // folder + "brelune.ini"
std::string Sicherungsdatei();   // folder + "brelune.in_"

// Creates the settings folder and moves an old settings file from the program folder into it
// (unless one is there already; the old one is deleted either way). False after a message when
// the folder cannot be created.
bool Einstellungsordner_anlegen(const std::string& Programmordner);

// The text of the settings file: the settings walk and the waypoints of the current dive.
std::vector<std::string> Einstellungsdatei_Zeilen();
// Writes the settings file, the previous one becoming the backup. The window records its
// geometry (Unit_Programm) before it calls this. On an error the previous file
// stays and the user is told; false then.
bool Einstellungsdatei_schreiben();
// Reads every setting and the stored waypoints; a missing file gives every default. A file that
// cannot be read changes nothing after a message (false).
bool Einstellungsdatei_lesen();
// Reads settings from the lines of a file (every key missing from them takes its default).
void Einstellungen_aus_Zeilen(const std::vector<std::string>& Zeilen);
// Only the language (the warning notice before start).
void Sprache_lesen();
// After the confirmation: deletes the settings file and reads every default; false when the user
// declines or the file cannot be deleted (then nothing changes).
bool Einstellungen_zuruecksetzen();

} // namespace Unit_Einstellungsdatei
