// The blending stand behind the simulated converter: a pure model (state plus time step) and the
// converter's command language on top of it, kept apart from the terminal so both can be tested.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>

namespace Unit_ADR_Simulation {

// Full scale of the converter: 12 bits over 5 V.
constexpr int Code_max = 4095;
constexpr double Vollausschlag_mV = 5000.0;

constexpr double Luft_l_min = 100.0;
constexpr double Sauerstoff_max_l_min = 100.0;
constexpr double Helium_max_l_min = 180.0;
constexpr double Luft_O2_Anteil = 20.9;

struct Einstellungen {
    double Flaschenvolumen_l = 6.8;
    double Anfangsdruck_bar = 0.0;
    double Umgebung_C = 20.0;
    double Zeitkonstante_Zelle_s = 2.0;
    double Rauschen_mV = 0.5;
    unsigned Startwert_Zufall = 1;
    // A frozen cell (1 or 2) keeps its voltage from this time on; 0 freezes none.
    int Zelle_eingefroren = 0;
    double Einfrieren_ab_s = 0.0;
};

struct Zustand {
    Einstellungen Einstellung;
    double Zeit_s = 0.0;
    std::array<int, 2> Ausgang_Code{0, 0};
    std::array<double, 2> Zelle_mV{};
    double Druck_bar = 0.0;
    std::mt19937 Zufall;
};

struct Fluesse {
    double Luft_l_min, Sauerstoff_l_min, Helium_l_min;
};

Zustand Anfangszustand(const Einstellungen& Einstellung);
Fluesse Ventilfluesse(const Zustand& Zustand);
// Oxygen share in % after the oxygen injection (cell 1) and after the helium injection (cell 2).
std::array<double, 2> Sauerstoff_Anteile(const Fluesse& Fluss);
// What a cell in its default calibration shows for an oxygen share, in mV.
double Zellspannung_mV(int Zelle, double Sauerstoff_Prozent);
double Druck_mV(double Druck_bar);
double Temperatur_C(const Zustand& Zustand);
double Temperatur_mV(double Temperatur_C);
// The voltage at a single-ended input 0..7, noise included; inputs 4 to 7 are unused (0 V).
double Eingang_mV(Zustand& Zustand, int Eingang);

void Fortschreiben(Zustand& Zustand, double Schritt_s);

// One command line without its carriage return; the reply without its carriage return, or none.
std::optional<std::string> Befehl_ausfuehren(Zustand& Zustand, const std::string& Befehl);

} // namespace Unit_ADR_Simulation
