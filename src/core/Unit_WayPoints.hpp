// The one dive in memory: the waypoint table (the plan), the sample table (the computed dive)
// and the current dive state every calculation step reads and writes.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>

namespace Unit_WayPoints {

constexpr int32_t WayPointMax = 4800;
constexpr int32_t sDataMax = 14400;
constexpr int Gewebe_Anzahl = 16;
// Limits of every entered point: depth (m) and runtime (min).
constexpr float m_Wasser_Grenze = 350;
constexpr float min_Runtime_Grenze = 900;

// Compartments are numbered 1 to 16 as everywhere in decompression tables; entry 0 is unused.
using Gewebe_Array = std::array<long double, Gewebe_Anzahl + 1>;
// The tolerated pressures are computed as floats and kept as such.
using Grenz_Array = std::array<float, Gewebe_Anzahl + 1>;

// The tables below are initialised at compile time to zero bytes: no code runs over them when the
// program starts, and a page of them is touched only when a record on it is written. A record of
// zero bytes is therefore the empty record; its texts and the numbers whose default is not 0 use
// the two types that follow.

// A text of any length, kept in the record as the number of its entry in one table of all texts
// the records have held; 0 is the empty text. Equal texts share their entry and no entry is ever
// removed: the table grows only with new wordings, a reference to a text stays valid, and a
// record keeps 4 bytes instead of the text.
class Tabellentext {
  public:
    constexpr Tabellentext() = default;
    Tabellentext& operator=(std::string_view Text) {
        Nr_ = Text.empty() ? 0 : Nummer(Text);
        return *this;
    }
    void clear() { Nr_ = 0; }
    bool empty() const { return Nr_ == 0; }
    const std::string& Text() const;
    operator const std::string&() const { return Text(); }
    std::size_t size() const { return Text().size(); }
    std::size_t find(std::string_view t, std::size_t ab = 0) const { return Text().find(t, ab); }
    std::size_t rfind(std::string_view t, std::size_t bis = std::string::npos) const {
        return Text().rfind(t, bis);
    }
    friend bool operator==(const Tabellentext& a, std::string_view b) { return a.Text() == b; }
    friend bool operator==(const Tabellentext& a, const Tabellentext& b) { return a.Nr_ == b.Nr_; }
    friend std::ostream& operator<<(std::ostream& aus, const Tabellentext& t);

  private:
    uint32_t Nr_ = 0;
    static uint32_t Nummer(std::string_view Text);
};

// A number whose zero bytes stand for Vorgabe: it keeps its bytes XOR those of Vorgabe, which is
// exact for every value, NaN and -0 included.
template <typename T, T Vorgabe> class Mit_Vorgabe {
    using Bits = std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>;
    static_assert(sizeof(T) == sizeof(Bits));

  public:
    constexpr Mit_Vorgabe() = default;
    constexpr Mit_Vorgabe(T Wert) : Bits_(std::bit_cast<Bits>(Wert) ^ std::bit_cast<Bits>(Vorgabe)) {}
    constexpr operator T() const {
        return std::bit_cast<T>(static_cast<Bits>(Bits_ ^ std::bit_cast<Bits>(Vorgabe)));
    }

  private:
    Bits Bits_ = 0;
};

struct WayPoint_Type {
    float min_Runtime = 0;
    float m_Wasser = 0;
    int32_t Gas_Nr = 0;
    bool austauchen = false;
    uint8_t Tauchgeraet = 0;
    Mit_Vorgabe<float, 15.6f> SCR_Flow;
    Mit_Vorgabe<int32_t, 10> pSCR_DumpRatio;
    float CCR_Setpoint = 0;
    float bar_pO2 = 0;
    float CNS_Prozent = 0;
    float OTU = 0;
    float m_END = 0;
    Tabellentext Aktion;
    Tabellentext Warnung;
    Mit_Vorgabe<float, -1.0f> cave_horizontal_distance_m;
    Mit_Vorgabe<float, -1.0f> cave_horizontal_velocity_m_pro_min;
};

struct sData_Type : WayPoint_Type {
    Gewebe_Array p_N2_Gewebe{};
    Gewebe_Array p_He_Gewebe{};
    Grenz_Array p_N2He_Gewebe_MAX{};
    Grenz_Array p_N2He_Gewebe_MAX_GF{};
    Grenz_Array p_N2He_Gewebe_MAX_ZH{};
    bool Uebersaettigt = false;
    float f_O2_atmen = 0;
    float f_N2_atmen = 0;
    float f_He_atmen = 0;
};
// Nor does any code run over the tables when the program ends.
static_assert(std::is_trivially_destructible_v<sData_Type> && std::is_trivially_copyable_v<sData_Type>);

// Both tables live for the whole run and are never resized.
extern std::array<WayPoint_Type, WayPointMax + 1> WayPoint;
extern std::array<sData_Type, sDataMax + 1> sData;
extern int32_t WayPoint_Anzahl; // index of the last valid waypoint
extern int32_t sData_Anzahl;    // index of the last computed sample

// Current dive state.
extern long double min_Runtime;
extern float m_Wasser;
extern long double bar_Umgebung;
extern long double bar_Umgebung_vorher;
extern float min_dt;
extern float min_Schritt;
extern int32_t Gas_Nr;
extern uint8_t Tauchgeraet;
extern float CCR_Setpoint;
extern float SCR_Flow;
extern int32_t pSCR_DumpRatio;
extern float bar_pO2;
extern float m_END;
extern long double CNS_Prozent;
extern long double OTU;
extern std::string Warntext;
extern Gewebe_Array p_N2_Gewebe;
extern Gewebe_Array p_He_Gewebe;
extern Grenz_Array p_N2He_Gewebe_MAX;
extern Grenz_Array p_N2He_Gewebe_MAX_GF;
extern Grenz_Array p_N2He_Gewebe_MAX_ZH;
extern bool Uebersaettigt;
extern float m_Dekozone;
extern float min_Dekozone;
extern float f_O2_atmen;
extern float f_N2_atmen;
extern float f_He_atmen;

// Index of the last waypoint the user entered; rows behind it are the computed ascent.
extern int32_t Eingabemarke;
// Index of the last entered waypoint as the overview and the analysis know it.
extern int32_t WayPoint_letzter_Eingabe;
// 1 while entering (input cursor), 2 after a calculation (time cursor).
extern int32_t Grafikmodus;
// The dive needs no saving.
extern bool Tauchgang_gespeichert;
// The dive in memory is a dive analysis (the waypoints carry "Dive analysis" instead of the
// safety remark).
extern bool Tauchgang_ist_Analyse;

// Folder (ending in a separator) and name of the dive's file; a failed or cancelled save leaves
// the name "Not_Saved".
extern std::string Pfad_Tauchgang;
extern std::string Datei_Tauchgang;
inline const std::string Nicht_gespeichert = "Not_Saved";
// The dive comment per language; "*" stands for a line break.
extern std::string Kommentar;
extern std::string Comment;

// Repetition dive (section "Wiederholungstauchgang").
extern bool Wiederholungstauchgang;
extern std::string Vortauchgang;
extern float Oberflaechenpause_h;

// Start runtime and depth of every new dive.
extern float min_Runtime_Start;
extern float m_Wasser_Start;

// Start values of a new dive (settings).
extern int32_t Gas_Nr_Start;
extern uint8_t Tauchgeraet_Start;
extern float CCR_Setpoint_Start;
extern float SCR_Flow_Start;
extern int32_t pSCR_DumpRatio_Start;

// Setting "Warnungen reduzieren": each warning only once, kept until the dive reset.
extern bool Warnungen_reduzieren;
// A warning was held back because it had been given already (since the dive reset).
extern bool Warnungen_reduziert;

// The start snapshot: tissue arrays and oxygen clocks as the dive began.
struct Startzustand_Type {
    Gewebe_Array p_N2_Gewebe{};
    Gewebe_Array p_He_Gewebe{};
    Grenz_Array p_N2He_Gewebe_MAX{};
    Grenz_Array p_N2He_Gewebe_MAX_GF{};
    Grenz_Array p_N2He_Gewebe_MAX_ZH{};
    long double CNS_Prozent = 0;
    long double OTU = 0;
};
extern Startzustand_Type Startzustand;

void WayPoints_loeschen();
// The message of a full table (its name and size), then Unit_UI::Befehl_abgebrochen.
[[noreturn]] void Tabelle_voll(const std::string& Name, int32_t Max);
// Throws Unit_UI::Befehl_abgebrochen (after its message) when the table is full.
void sData_weiter();
void sData_speichern(int i);
// All compartments at once, as sData_speichern(1) to sData_speichern(16) in a row.
void Sample_speichern();
void Startzustand_sichern();
void Startzustand_holen();
void Warnungen_loeschen();
void WayPoints_normalisieren();

} // namespace Unit_WayPoints
