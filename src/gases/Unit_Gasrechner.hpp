// The gas calculator: a breathing gas designed for an operating depth, computed from a wanted
// oxygen partial pressure (and, for trimix, an END), or checked as typed; and the best mix for a
// pO2 target. Every decision of the calculator window lives here, so the headless program
// computes exactly what the window shows.
#pragma once

#include "gases/Unit_Gasgemisch_BestMix.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Unit_Gasrechner {

constexpr float bar_pO2_min = 0.16f;
constexpr float bar_pO2_max = 1.601f;
constexpr float m_END_Warnung = 50;
constexpr float m_END_BestMix = 30;
constexpr float m_Tiefe_max = 350;
// The best-mix targets: rebreather, middle, open circuit.
constexpr std::array<float, 3> BestMix_Ziele = {1.1f, 1.3f, 1.4f};

struct Gasrechner_Type {
    float m_Einsatztiefe = 0;
    float bar_pO2 = 1.4f; // wanted, or taken from the last check
    float m_END = 30;     // wanted, or taken from the last check
    bool Mix_berechnen = true;
    bool Trimix = false;
    // Whole percent; N2 is always 100 - O2 - He.
    int32_t O2 = 21;
    int32_t N2 = 79;
    int32_t He = 0;
    std::string Name;
    Unit_Gasgemisch_BestMix::Gaspruefung_Type Werte; // the gas at the operating depth
};

// The texts of the three fields as typed.
struct Eingaben {
    std::string pO2;
    std::string Tiefe;
    std::string END;
};

struct Anteile {
    int32_t O2, N2, He;
};

// Values as the fields hold them: depth 0 .. 350 m, pO2 0.16 .. 1.601 bar, END 0 .. 350 m.
float Tiefe_begrenzt(long double m);
float pO2_begrenzt(long double bar);
float END_begrenzt(long double m);

// The mix for a wanted pO2 at a depth: nitrox, or trimix with the wanted END. Whole percent,
// never below 1 % oxygen, and the rounding never carries pO2 across 0.16 or 1.601 bar. False
// (after an error box) when the water settings make the pressure undefined.
bool Mix_aus_pO2(float m_Tiefe, float bar_pO2, float m_END, bool Trimix, Anteile& Mix);

// The fields read (a text that is no number gives an error box and 0) and held in their ranges.
void Eingaben_lesen(Gasrechner_Type& Z, const Eingaben& Texte);

// Opening the window: the current gas at the current depth, checked with the warning box.
void Oeffnen(Gasrechner_Type& Z, float m_Wasser);
// The depth, pO2 or END field changed (pO2 and END only count while the mix is computed).
void Tiefe_geaendert(Gasrechner_Type& Z, const Eingaben& Texte);
void pO2_geaendert(Gasrechner_Type& Z, const Eingaben& Texte);
void END_geaendert(Gasrechner_Type& Z, const Eingaben& Texte);
// Trimix or nitrox chosen (only while the mix is computed).
void Gasart_setzen(Gasrechner_Type& Z, bool Trimix, const Eingaben& Texte);
// Typed percentages (only while the values are computed): O2 1 .. 100, He 0 .. 100 - O2.
void Anteile_setzen(Gasrechner_Type& Z, int32_t O2, int32_t He);
void Modus_setzen(Gasrechner_Type& Z, bool Mix_berechnen);
// "Gas- Check": warning box and result box, the values taken over.
void Gas_Check(Gasrechner_Type& Z, const Eingaben& Texte);
// The leanest oxygen reaching the target (without passing 1.601 bar), then the least helium
// for an END of 30 m. False, after an information box, when the target cannot be reached.
bool Best_Mix(Gasrechner_Type& Z, float bar_Ziel, const Eingaben& Texte);

// "in die Gasliste": the gas with these fractions becomes the current gas, found in the table or
// added under the name (the rule's name when it is empty). -1 after an error box when the
// percentages do not make 100 %.
int32_t In_die_Gasliste(const std::string& Name, float O2, float N2, float He);

// One line per limit the checked gas breaks, in the current language.
std::vector<std::string> Grenzwarnungen(const Unit_Gasgemisch_BestMix::Gaspruefung_Type& r);
// The warnings of a checked gas in the current language, one per broken limit, and a note when
// the gas cannot be breathed at the surface.
std::vector<std::string> Hinweise(const Gasrechner_Type& Z);

} // namespace Unit_Gasrechner
