// Coefficient sets of the saturation models and the safety margins applied to them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Unit_Saettigungsmodelle {

constexpr int Kompartiment_Anzahl = 16;
constexpr int32_t Modell_Anzahl = 8;

// Identifiers of the sets chosen until the settings say otherwise.
constexpr int32_t Modell_N2_Standard = 2; // "ZH-L16C N2"
constexpr int32_t Modell_He_Standard = 6; // "ZH-L16A He"
// The choice lists: nitrogen sets 0 to 5, helium sets 6 and 7.
constexpr int32_t Modell_N2_erster = 0, Modell_N2_letzter = 5;
constexpr int32_t Modell_He_erster = 6, Modell_He_letzter = 7;

struct Kompartiment_Typ {
    float t_halb = 0; // half-time, min
    float a = 0;      // bar
    float b = 0;      // dimensionless
};

struct Modell_Typ {
    int32_t Nummer = 0;
    std::string Bezeichnung;
    std::string Erlaeuterung;
    std::string Quelle;
    // Compartments 1 to 16 as in the tissue arrays; entry 0 is unused.
    std::array<Kompartiment_Typ, Kompartiment_Anzahl + 1> Kompartiment{};
};

// The eight built-in sets in table order, built once and never changed.
const std::array<Modell_Typ, Modell_Anzahl>& Modell_Tabelle();

// The sets in use; the tissue engine reads only these. Empty until a set is chosen.
extern Modell_Typ Modell_N2;
extern Modell_Typ Modell_He;

// Copies set Nummer into Ziel; a number outside 0 to 7 leaves Ziel unchanged.
void Modell_waehlen(int32_t Nummer, Modell_Typ& Ziel);

// The choice lists of the main window: copies every set of the list into the model in use, then
// the one whose identifier is Nummer. So an identifier outside the list leaves the last set of the
// list in use. Returns the list index selected, -1 when none.
int Modell_N2_aus_Liste(int32_t Nummer);
int Modell_He_aus_Liste(int32_t Nummer);

// Text of the model window for one set: the four header lines (identifier, name, long name,
// reference) and one line per compartment under the column title.
extern const std::string Modell_Spaltentitel;
std::vector<std::string> Modell_Kopfzeilen(const Modell_Typ& Modell);
std::vector<std::string> Modell_Koeffizientenzeilen(const Modell_Typ& Modell);

// Safety settings (section "Sicherheit").
extern bool Buehlmann_Tiefenzuschlag;
extern bool Buehlmann_letzten_Stop_verdoppeln;
extern float Buehlmann_Sicherheitsstop_min;
extern bool GF_verwenden;
extern float GF_Lo;
extern bool GF_Lo_last_deco_stop;
extern float GF_Hi;
extern bool GF_alle_Stops;
extern bool Deep_Stop_verwenden;
extern int Deep_Stop_min;
extern int Deep_Stop_Stufen_oberhalb_Dekozone;

// The three Bühlmann buttons and the gradient-factor "Standard" button of the settings dialog.
void Buehlmann_0();
void Buehlmann_Standard();
void Buehlmann_Risiko_Taucher();
void GF_Standard();

// Safety-stop choice "keinen", "1 min", "5 min" (items 0 to 2) in minutes; other items give 0.
float Sicherheitsstop_min_aus_Auswahl(int Eintrag);

// "OK" of the gradient-factor page: whole percent in, fractions kept. A value outside 0 to 100 %
// becomes 1 with its error box.
void GF_Eingabe_uebernehmen(long double GF_Lo_Prozent, long double GF_Hi_Prozent, bool letzter_Dekostop,
                            bool alle_Stops);

// True when none of the safety measures is on.
bool Keine_Sicherheitsreserve();

} // namespace Unit_Saettigungsmodelle

// ---- Choice of the saturation algorithm, stored in the settings and dive files ----
namespace Unit_Saettigungsmodelle {

// 0 Bühlmann rectangle profiles, 1 multilevel (default), 2 Schreiner, 3 closed form.
extern int32_t Algorithmus;

} // namespace Unit_Saettigungsmodelle
// ---- end of the algorithm choice ----
