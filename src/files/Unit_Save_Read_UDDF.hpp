// Exchange of the dive with other programs in UDDF (XML, version "3.1.0"): the gases used, the
// waypoints as profile samples and a block of the settings the saturation calculation needs. One
// schema procedure writes and reads through the symmetric accessors of Unit_aXML.
#pragma once

#include "files/Unit_Save_Read.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Unit_Save_Read_UDDF {

// The state the exchange carries, under the names the schema uses; the variables belong to their
// modules.
inline float& min_Runtime_Start = Unit_WayPoints::min_Runtime_Start;             // "Aktuell" runtime, min
inline float& m_Wasser_Start = Unit_WayPoints::m_Wasser_Start;                   // "Aktuell" depth, m
inline bool& Wiederholungstauchgang_OK = Unit_WayPoints::Wiederholungstauchgang; // a repetition dive
inline float& h_Oberflaechenpause = Unit_WayPoints::Oberflaechenpause_h;         // surface interval, hours
inline int32_t& Algorithmus = Unit_Saettigungsrechnung::Algorithmus;             // calculation method 0 .. 3
inline std::string& Pfad_Tauchgang = Unit_Save_Read::Pfad_Tauchgang;             // folder of the dive files
inline std::string& Datei_Tauchgang = Unit_Save_Read::Datei_Tauchgang;           // name of the dive file
inline std::string& Kommentar = Unit_Save_Read::Kommentar;                       // German dive comment
inline std::string& Comment = Unit_Save_Read::Comment;                           // English dive comment

extern const std::string Programmname;    // "Brelune"
extern const std::string Programmversion; // "4.10 ~ 30.1.2024"
extern const std::string UDDF_Version;    // "3.1.0"
extern const std::string UDDF_Namensraum; // the namespace of that version

// "opencircuit", "closedcircuit", "semiclosedcircuit", "p_semiclosedcircuit" for 0 .. 3; a type
// that is empty or unknown reads as open circuit.
std::string Tauchgeraet_Typ(uint8_t Tauchgeraet);
uint8_t Tauchgeraet_aus_Typ(const std::string& Typ);

// The document from the dive in memory (the waypoints as samples).
void UDDF_schreiben();
// Writes the document to a file; false when it could not be written (the old file stays).
bool UDDF_exportieren_Datei(const std::string& Dateiname);
// With the save dialog; a cancelled dialog writes nothing.
bool UDDF_exportieren();

// The document into the dive: samples, gases (found in the gas table or appended behind it) and
// the settings of the program block; the samples become waypoints on the calculation grid, the
// current runtime and depth those of the block. A document that is no usable UDDF dive gives a
// message and changes nothing (false). The caller keeps the user's gas list before
// (Unit_Gasgemisch_BestMix::Gasliste_merken) and merges after a successful import
// (Gasliste_zusammenfuehren), then recomputes the dive.
// A logbook holds many dives: the one with this number (1 = the first in the file) is read, the
// others are hidden meanwhile. A number the file does not have gives a message (false).
bool UDDF_lesen(int32_t Nummer = 1);

// One dive of the loaded document as listed for the choice.
struct Tauchgang_Eintrag {
    int32_t Nummer = 0;           // 1, 2, ... in the file's order: what an import takes
    std::string Tauchgangsnummer; // the number the file gives the dive, empty when none
    std::string Zeitpunkt;        // "2024-06-27 15:45:44" as far as the file has it, else empty
    float m_Tiefe_max = 0;        // deepest sample (greatest depth of the file without samples)
    float min_Dauer = 0;          // last sample time (duration of the file without samples)
};
std::vector<Tauchgang_Eintrag> Tauchgaenge();
// "2  #46  2011-05-17 11:01  24.7 m  32.0 min": one line of the list.
std::string Eintrag_Text(const Tauchgang_Eintrag& Eintrag);
// The file loaded and its dives listed; empty when it cannot be read (a message was shown).
std::optional<std::vector<Tauchgang_Eintrag>> Tauchgaenge_der_Datei(const std::string& Dateiname);

// Without a number: a file of several dives asks which one (the first is offered).
bool UDDF_importieren_Datei(const std::string& Dateiname, std::optional<int32_t> Nummer = std::nullopt);
// The import of a file: the user's gas list kept aside, the file read, then the hook (the dive
// is loaded) and the gases merged into the user's list.
bool UDDF_Tauchgang_importieren(const std::string& Dateiname, const std::function<void()>& Tauchgang_geladen,
                                std::optional<int32_t> Nummer = std::nullopt);
// With the open dialog; a cancelled dialog returns false.
bool UDDF_importieren();

// The main window's text pages emptied and the window told.
void Textseiten_leeren();

// Everything an import may change, kept so that a failed import leaves the dive, the gas table
// and the settings as they were: restored when the guard ends without bestaetigen().
class Importsicherung {
  public:
    Importsicherung();
    ~Importsicherung();
    Importsicherung(const Importsicherung&) = delete;
    Importsicherung& operator=(const Importsicherung&) = delete;
    void bestaetigen() { bestaetigt_ = true; }

    struct Zustand_Type;

  private:
    std::unique_ptr<Zustand_Type> Zustand_;
    bool bestaetigt_ = false;
};

} // namespace Unit_Save_Read_UDDF
