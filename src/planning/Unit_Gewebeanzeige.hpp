// What the three tissue views show of the current state: the gauges and numbers per compartment,
// the bars and the ceiling line of the pressure chart, the dissolved-gas labels and the size of
// their window, and the explanations behind each group. The windows only draw these values.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <array>
#include <string>

namespace Unit_Gewebeanzeige {

// The mark of a percentage that cannot be formed (its reference is 0).
constexpr int kein_Wert = -99;

// round(Zaehler / Nenner x 100), halves to even; kein_Wert when Nenner is not above 0.
int Prozent(long double Zaehler, long double Nenner);

enum class Farbe { Gelb, Rot, Weiss };

// One gauge: its value on its scale, the bar's colour and the text on it (empty: none).
struct Balken {
    int Wert = 0;
    Farbe Balkenfarbe = Farbe::Gelb;
    std::string Text;
    bool operator==(const Balken&) const = default;
};

// Scales of the gauges.
constexpr int Skala_Prozent = 100;
constexpr int Skala_Ueberlauf = 500;

// One compartment (1 to 16) of the tissue window.
struct Kompartiment_Typ {
    Balken pMax;            // loading of the pure tolerated pressure now
    Balken pMax0_Luft;      // loading of the tolerated pressure at the surface after the start
    Balken pMax0_Ueberlauf; // the same on a scale to five times that
    Balken Gradient;        // the gradient factor the compartment uses now
    std::string p_N2, p_He, p_Max, p_Max0;
};
// An i outside 1 to 16 shows its error and throws Unit_UI::Befehl_abgebrochen.
Kompartiment_Typ Kompartiment(int i);

// The explanation of a group, in both languages.
struct Erklaerung_Typ {
    std::string Deutsch;
    std::string Englisch;
};
enum class Gruppe { pMax, pMax0_Luft, Gradient, p_N2, p_He, p_Max, p_Max0 };
Erklaerung_Typ Erklaerung(Gruppe g);

// The pressure chart: per plot the value of each compartment (index 0 is compartment 1).
struct Gewebedruck_Typ {
    std::array<double, 16> N2{}, N2He{}, Umgebung{}, MAX_GF{}, MAX_ZH{};
    bool GF_zeigen = false;
    // The Y maximum of the automatic scaling.
    double Skala_automatisch = 0;
    // "Ceiling = ..." with the depth.
    std::string Ceiling_Zeile;
};
Gewebedruck_Typ Gewebedruck();
// The scale of the automatic scaling: the largest pure tolerated pressure, at least 5 bar.
constexpr double Skala_mindestens = 5.0;
// The ceiling line for a ceiling in bar.
std::string Ceiling_Zeile(float Ceiling);
Erklaerung_Typ Legende();

// The dissolved-gas window.
struct Geloeste_Gase_Typ {
    std::string N2, He, N2He;
    Balken Stickstoffanteil;
    int Breite = 0, Hoehe = 0; // pixels
};
Geloeste_Gase_Typ Geloeste_Gase();
constexpr int Seite_Basis = 124;
// Width and height for an amount and the amount at the start of the dive.
struct Groesse_Typ {
    int Breite, Hoehe;
};
Groesse_Typ Fenstergroesse(float barL_N2He, float barL_N2He_Start);

// Everything the views show is made from this: an equal state shows alike, so a view that saw it
// already need not build its texts and repaint again (the notices come per compartment per step).
struct Stand_Typ {
    Unit_WayPoints::Gewebe_Array p_N2{}, p_He{};
    Unit_WayPoints::Grenz_Array MAX_GF{}, MAX_ZH{}, MAX_0{};
    long double bar_Umgebung = 0;
    float Ceiling = 0, bar_Luft = 0;
    float barL_N2 = 0, barL_He = 0, barL_N2He_Start = 0;
    bool GF_verwenden = false;
    int Sprache = 0;
    char Trenner = 0;
    bool operator==(const Stand_Typ&) const = default;
};
Stand_Typ Stand();

} // namespace Unit_Gewebeanzeige
