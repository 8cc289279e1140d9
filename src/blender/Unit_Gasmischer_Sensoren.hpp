// The four sensors of the blending stand: two oxygen cells, the cylinder pressure and the
// temperature, read through the converter and calibrated by tables.
#pragma once

#include "blender/Unit_DaqOntrakCom.hpp"

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace Unit_Gasmischer_Sensoren {

// In the converter's input order.
enum Sensor { O2_a = 0, O2_b = 1, Druck = 2, Temperatur = 3 };
inline constexpr int Anzahl_Sensoren = 4;

// One measurement of all four: calibrated values (%, %, bar, degrees C) and whether every reading
// of that sensor succeeded.
struct Messwerte {
    std::array<double, Anzahl_Sensoren> Wert{};
    std::array<bool, Anzahl_Sensoren> ok{};
    bool alle_ok() const { return ok[0] && ok[1] && ok[2] && ok[3]; }
};

// The readings of one sensor during one measurement, in millivolts.
struct Statistik {
    int n = 0;
    double Min = 2147483648.0;
    double Max = -2147483648.0;
    double Summe = 0;
    double Quadratsumme = 0;
    double Mittel = 0;
    double Standardabweichung = 0;
    double Fehler_Prozent = 0; // standard error of the mean against the mean
    bool ok = true;            // every reading succeeded, and there was one

    // A failed reading only clears ok: its -1 V is no voltage and would spoil the mean.
    void hinzufuegen(double mV, bool gelungen);
    // Mean, deviation and error from the sums; all 0 and not ok without a reading.
    void abschliessen();
};

struct Punkt {
    double mV = 0;
    double Wert = 0;
};

// Points in strictly ascending mV; their number is the sensor's n (max).
struct Tabelle {
    std::vector<Punkt> Punkte;
    int n_Luft = 1; // 1-based: the point that stands for air
};

struct Sensordaten {
    Tabelle Standard;
    Tabelle Aktuell;
    Statistik Messung;
    double Wert = 0; // calibrated mean of the last measurement
};

using Sensorsatz = std::array<Sensordaten, Anzahl_Sensoren>;

// Every sensor with its default table, also as its current one.
Sensorsatz Anfangszustand();
// "Sauerstoff 1" / "Oxygen 1" ... in the current language, and the unit of the value.
std::string Name(Sensor s);
std::string Einheit(Sensor s);

// Below the first point its value, above the last the last value, linear in between.
double Wert_aus_mV(const Tabelle& t, double mV);

// One point a line: mV in eight characters with three decimals, a blank, the value in six with two.
std::string Tabellentext(const Tabelle& t);
// Each non-blank line: mV and value, then anything (a unit, a remark). A text with another number
// of points than the table has, a broken number or mV not ascending leaves the table as it was and
// gives the message; empty when the text was taken.
std::string Tabelle_lesen(const std::string& Text, Tabelle& t);
// The same for a file; a file that cannot be read or is far too big for a table is a message too.
std::string Tabelle_laden(const std::string& Pfad, Tabelle& t);
// Writes the table text; the message, or empty. A failed write leaves an older file whole.
std::string Tabelle_speichern(const std::string& Pfad, const Tabelle& t);

struct Messergebnis {
    std::array<Statistik, Anzahl_Sensoren> Statistiken;
    Messwerte Werte;
    std::chrono::milliseconds Dauer{0}; // the real measuring time
};

// Called between rounds of readings: lets window events run; false stops early.
using Weiter = std::function<bool()>;
// Elapsed time in percent of the measuring time.
using Fortschritt = std::function<void(double Prozent)>;

// Reads inputs 0..3 single-ended again and again for the measuring time (at least one round unless
// stopped first), keeps the statistics and calibrated values in the set and returns them.
Messergebnis Messen(Sensorsatz& s, Unit_DaqOntrakCom::Wandler& w, std::chrono::milliseconds Messzeit,
                    const Weiter& weiter, const Fortschritt& Fortschritt_melden = {});
// The stand simulated: only the wait, with events and progress; the real time it took.
std::chrono::milliseconds Warten(std::chrono::milliseconds Messzeit, const Weiter& weiter,
                                 const Fortschritt& Fortschritt_melden = {});

struct Kalibrierung {
    bool ok = false;
    std::string Meldung; // success or why the tables were left alone
};

// Both oxygen cells' current tables from their defaults, scaled by the measured air against the
// default's air point; the last measurement in the set is the one on air.
Kalibrierung Auf_Luft_kalibrieren(Sensorsatz& s);
// Measures with the calibration time, then calibrates as above.
Kalibrierung Auf_Luft_kalibrieren(Sensorsatz& s, Unit_DaqOntrakCom::Wandler& w,
                                  std::chrono::milliseconds Messzeit_cal, const Weiter& weiter,
                                  const Fortschritt& Fortschritt_melden = {});

} // namespace Unit_Gasmischer_Sensoren
