// Small helpers every other module uses: the text of the current language, message boxes and
// questions, and writing and reading numbers.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace Unit_Tools {

// The bytes of an 80-bit extended number: equal bytes are the same value, so kept results are
// found with integer tests, without loading the number into the FPU.
struct Bytes80 {
    uint64_t Mantisse = 0;
    uint16_t Exponent = 0;
    bool operator==(const Bytes80&) const = default;
};
static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended: 8 + 2 bytes");
inline Bytes80 Bytes_von(const long double& x) {
    Bytes80 b;
    std::memcpy(&b.Mantisse, &x, sizeof b.Mantisse);
    std::memcpy(&b.Exponent, reinterpret_cast<const unsigned char*>(&x) + sizeof b.Mantisse,
                sizeof b.Exponent);
    return b;
}

// 0 = German (default), 1 = English.
extern int32_t Sprache;

std::string Text_waehlen(const std::string& Deutsch, const std::string& Englisch);

void Meldung_Info(const std::string& Deutsch, const std::string& Englisch);
void Meldung_Problem(const std::string& Deutsch, const std::string& Englisch);
// The same, after shaking the main window.
void Meldung_Problem_schuetteln(const std::string& Deutsch, const std::string& Englisch);
// Text + " ?", caption "Bitte bestätigen"; true exactly when Yes is chosen.
bool Frage_Ja_Nein(const std::string& Deutsch, const std::string& Englisch);
// The please-wait box in the current language while the object lives.
class Bitte_warten {
  public:
    Bitte_warten(const std::string& Deutsch, const std::string& Englisch);
    ~Bitte_warten();
    Bitte_warten(const Bitte_warten&) = delete;
    Bitte_warten& operator=(const Bitte_warten&) = delete;
};

// The decimal separator of Zahl_formatieren: the locale's until set explicitly.
char Dezimaltrennzeichen();
void Dezimaltrennzeichen_setzen(char Zeichen);

// Fixed point with the given decimals, left-padded with blanks to the width, never cut.
std::string Zahl_formatieren(int Breite, int Nachkommastellen, long double Wert);
// The same with a point as separator (exchange files).
std::string Zahl_formatieren_Punkt(int Breite, int Nachkommastellen, long double Wert);
// The same appended to a text: a report of thousands of rows builds no text per number.
void Zahl_anhaengen_Punkt(std::string& Text, int Breite, int Nachkommastellen, long double Wert);

// Reads a point or a comma; text that is no number gives 0 and an error box, empty text 0.
long double Zahl_lesen(const std::string& Text);
// The same without a message.
long double Zahl_lesen_still(const std::string& Text);
// The conversion alone: false when the text is no number (either separator accepted).
bool Zahl_umwandeln(const std::string& Text, long double& Wert);

// True when every character is a digit or one of "+,-." (also for the empty text).
bool ist_Zahlzeichen(const std::string& Text);

// Whole number; text that is no number gives 0.
int32_t Ganzzahl_lesen(const std::string& Text);
// Whether the text is the number 1 (no for text that is no number).
bool Ganzzahl_ist_Eins(const std::string& Text);

// "1" for true, "0" for false.
std::string Bool_Text(bool Wert);

// Splits at the last "/" or "\" into folder (with the separator) and name; a name without a
// separator gives an empty folder; a name containing "*" is left unsplit (all in the name).
std::pair<std::string, std::string> Pfad_teilen(const std::string& Dateiname);

struct Uhrzeit {
    int Stunden = 0;
    int Minuten = 0;
    int Sekunden = 0;
    std::string Text() const; // "hh:mm:ss"
};
// Minutes times 60, rounded to whole seconds; valid below 24 hours (later times wrap around).
Uhrzeit Minuten_zu_Uhrzeit(long double Minuten);

// Waits the given number of milliseconds by polling the steady clock.
void Warten_ms(int Millisekunden);

} // namespace Unit_Tools
