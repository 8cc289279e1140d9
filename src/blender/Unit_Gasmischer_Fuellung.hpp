// A continuous fill at the compressor intake: what the two oxygen cells say about the stream, what
// the cylinder received, and the controller that steers the oxygen and helium valves. The
// controller fails safe: a reading it cannot trust closes both valves and ends the fill.
#pragma once

#include <array>

#include "blender/Unit_DaqOntrakCom.hpp"
#include "blender/Unit_Gasmischer.hpp"
#include "blender/Unit_Gasmischer_Sensoren.hpp"

#include <optional>
#include <string>

namespace Unit_Gasmischer_Fuellung {

namespace G = Unit_Gasmischer;

enum Ventil { Sauerstoff = 0, Helium = 1 }; // also the converter's output channel

// Helium share of the stream in %: cell (a) sees oxygen and air before helium joins, so adding
// helium leaves its O2 : N2 ratio; cell (b) sees the whole stream. None when cell (a) reads no
// oxygen (or a value that is no number): the share cannot be known then.
std::optional<double> He_Anteil(double O2_a, double O2_b);

// The stream split into pure oxygen, air and helium (%, never below 0, together 100).
struct Stromanteile {
    double O2 = 0, Luft = 0, He = 0;
};
Stromanteile Strom_zerlegen(double O2_b, double He);

// The first openings (%) for a target, before the cells have said anything.
double Anfangsoeffnung(Ventil v, const G::Fuellziel& Ziel);
// The change of an opening: 0 within 0.1 of the target, then 0.01, 0.1 and 2 above 1 and 10; its
// sign opens the oxygen valve while cell (a) is below its target and closes the helium valve while
// cell (b) is (helium dilutes the oxygen).
double Ventilschritt(Ventil v, double Soll, double gemessen);
// Clamped to 0..100 %; a value that is no number closes the valve.
double Oeffnung_begrenzen(double Prozent);
double Oeffnung_mV(double Prozent);

// The end pressure to fill to at the temperature now, for the one wanted at the start temperature.
double Enddruck_kompensiert(double Enddruck, double C_jetzt, double C_Start);
// "HH:MM:SS".
std::string Fuellzeit_Text(long Sekunden);
// Litres (at 1 bar) per minute; none before a second has passed.
std::optional<double> Lieferleistung(double bar_Start, double bar_Ende, double l_Flasche, long Sekunden);

// Everything the fill monitor shows.
// A cell that sticks still answers, so only its not following its valve gives it away: once a valve
// has moved this far (percentage points of opening) since the last check, its cell must have moved
// at least this much (percentage points of oxygen).
inline constexpr double Ventilweg_Pruefung = 3;
inline constexpr double Zellweg_min = 0.1;

struct Stand {
    G::Fuellziel Ziel;
    double bar_aktuell = 0, bar_vorher = 0;
    // The last trusted readings; air until the first measurement.
    double O2_a = G::Luft.O2, O2_b = G::Luft.O2, He = 0, Temperatur = 20;
    double bar_Start = 0, Temperatur_Start = 20, bar_Ende_kompensiert = 0;
    double barL_O2 = 0, barL_He = 0, barL_Luft = 0; // delivered
    double Euro = 0;
    long Fuellzeit_s = 0;
    // Opening and cell reading per valve when its cell was last seen to follow it.
    std::array<double, 2> Bezug_Oeffnung{}, Bezug_Zelle{};
    bool Bezug_gesetzt = false;
    double Oeffnung[2] = {0, 0}; // %, by Ventil
    bool Ziel_gesetzt = false;   // without a target the steering would open the helium valve fully
    bool fuellt = false;
    bool erster_Durchgang = false;
    bool Automatik = true;
    bool Simulation = false;
};

// The gas measured in the stream (with the cylinder pressure).
G::Gas Mix_gemessen(const Stand& s);
// The gas in the cylinder: the before gas with what was delivered; none while it holds next to
// nothing (0.1 barL or less).
std::optional<G::Anteile> Mix_abgefuellt(const Stand& s);
// The report when a fill ends: time, start and end pressure, delivery rate, on three lines after
// its title.
std::string Fuellbericht(const Stand& s);

class Fuellregler {
  public:
    explicit Fuellregler(Unit_DaqOntrakCom::Wandler& Wandler) : Wandler(Wandler) {}

    const Stand& Zustand() const { return S; }

    // New targets: the pressure starts at the before pressure, the fill is reset.
    void Ziel_setzen(const G::Fuellziel& Ziel);
    // Fill time and delivered amounts 0; current and previous pressure the before pressure.
    void Zuruecksetzen();
    void Automatik_setzen(bool an) { S.Automatik = an; }

    // A measurement outside a fill: the stream is shown, nothing is steered. False when a cell or
    // the pressure failed (their last trusted values stay).
    bool Messung_uebernehmen(const Unit_Gasmischer_Sensoren::Messwerte& m);
    // The pressure moved (a measurement or the user): what streamed in since is booked.
    void Druck_setzen(double bar);

    // Opens a valve by hand (or for the simulation); false when it could not be sent.
    bool Ventil_setzen(Ventil v, double Prozent);
    // Both outputs 0 mV; false when the converter could not be told.
    bool Ventile_schliessen();

    // Simulation: the readings come from the monitor itself, so a missing converter is no reason to
    // stop. False (nothing started) before a target was set.
    bool Fuellung_starten(bool Simulation);
    // One pass of the fill. The message when the fill had to stop (valves closed first where the
    // link allows), with the report so far; none while it goes on.
    std::optional<std::string> Fuellzyklus(const Unit_Gasmischer_Sensoren::Messwerte& m);
    // The one-second tick of the fill time.
    void Sekunde();
    // Stop: valves closed first, then the report (and a warning when closing was not confirmed).
    std::string Fuellung_beenden();

  private:
    std::optional<std::string> Fehlerhafte_Messung(const Unit_Gasmischer_Sensoren::Messwerte& m) const;
    std::optional<std::string> Zellen_folgen_nicht();
    bool Ventile_zu_bestaetigt();
    std::string Abbrechen(const std::string& Grund);
    // False when a valve setting did not reach the converter.
    bool Steuern();

    Unit_DaqOntrakCom::Wandler& Wandler;
    Stand S;
};

} // namespace Unit_Gasmischer_Fuellung
