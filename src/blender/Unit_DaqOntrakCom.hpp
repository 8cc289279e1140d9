// The command language of the blending stand's analog-to-digital converter: inputs read in two
// ranges, single-ended or differential, and the two valve outputs, over any byte link.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace Unit_DaqOntrakCom {

// The serial line as the converter needs it; the window side puts a real port behind it.
class Bytestrecke {
  public:
    virtual ~Bytestrecke() = default;
    virtual bool verbunden() const = 0;
    virtual bool Schreiben(std::string_view Bytes) = 0;
    // What has arrived; waits at most the given time for the first byte, empty when nothing came.
    virtual std::string Lesen(std::chrono::milliseconds Frist) = 0;
    // The port's name for messages ("/dev/ttyUSB0"); empty: the converter's port number is used.
    virtual std::string Name() const { return {}; }
};

enum class Eingangsbereich { Null_bis_5V = 0, Minus5_bis_5V = 1 };
enum class Messart { Einzeln, Differenz };

struct Messung {
    double Wert = -1; // volts, or millivolts for a mean
    bool ok = false;
};

// Silence after the last character that ends a reply.
inline constexpr std::chrono::milliseconds Antwortfrist{100};
// A line that keeps sending without a carriage return must not hold the blender.
inline constexpr std::chrono::milliseconds Hoechstdauer_Antwort{1000};
inline constexpr double Ausgang_max_mV = 5000;

// A four-digit code scaled to volts; the range by its number as stored (0 or 1), -1 for any other.
double Volt_aus_Code(int Code, int Bereich);
// The code the outputs take for millivolts already within 0..5000.
int Ausgangscode(double mV);
// The number of a reply of exactly four digits and a carriage return, or -1.
int Code_aus_Antwort(std::string_view Zeile);

class Wandler {
  public:
    explicit Wandler(Bytestrecke& Strecke, int Port = 4) : Strecke(Strecke), Port(Port) {}

    int Bereich = int(Eingangsbereich::Null_bis_5V);

    // Differential channels: pair index * 2, + 1 when the second input of the pair is positive.
    Messung Spannung_lesen(Messart Art, int Kanal);
    // The mean in millivolts; ok only when every reading was.
    Messung Mittel_lesen(Messart Art, int Kanal, int Anzahl);
    // Channel 0 is VA, 1 is VB; millivolts outside 0..5000 are clamped and reported.
    bool Ausgang_setzen(int Kanal, double mV);

    // Whether the line to the converter is there at all: a fill cannot confirm closed valves without.
    bool verbunden() const { return Strecke.verbunden(); }

    // The last problem in the current language; empty after a clean reading.
    const std::string& Meldung() const { return Letzte_Meldung; }

  private:
    bool Zeile_senden(const std::string& Befehl);
    Messung Zeile_empfangen(std::string& Zeile);
    std::string Nicht_bereit(const char* Wobei) const;

    Bytestrecke& Strecke;
    int Port;
    std::string Letzte_Meldung;
};

// Waits the given time on the steady clock (the thread sleeps).
void Warten(std::chrono::milliseconds Dauer);

} // namespace Unit_DaqOntrakCom
