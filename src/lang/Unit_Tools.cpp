#include "lang/Unit_Tools.hpp"

#include "lang/Unit_UI.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>

namespace Unit_Tools {

int32_t Sprache = 0;

namespace {

char Trennzeichen = 0; // 0 = not yet taken from the locale

char Trennzeichen_des_Systems() {
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::exception&) {
        return '.'; // no usable locale in the environment
    }
}

std::string ohne_Rand(const std::string& Text) {
    const auto Anfang = Text.find_first_not_of(" \t\r\n");
    if (Anfang == std::string::npos) return {};
    const auto Ende = Text.find_last_not_of(" \t\r\n");
    return Text.substr(Anfang, Ende - Anfang + 1);
}

std::string ersetzt(std::string Text, char Alt, char Neu) {
    std::replace(Text.begin(), Text.end(), Alt, Neu);
    return Text;
}

} // namespace

std::string Text_waehlen(const std::string& Deutsch, const std::string& Englisch) {
    return Sprache == 1 ? Englisch : Deutsch;
}

void Meldung_Info(const std::string& Deutsch, const std::string& Englisch) {
    Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Info, Text_waehlen(Deutsch, Englisch));
}

void Meldung_Problem(const std::string& Deutsch, const std::string& Englisch) {
    Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Problem, Text_waehlen(Deutsch, Englisch));
}

void Meldung_Problem_schuetteln(const std::string& Deutsch, const std::string& Englisch) {
    Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Problem_schuetteln, Text_waehlen(Deutsch, Englisch));
}

bool Frage_Ja_Nein(const std::string& Deutsch, const std::string& Englisch) {
    return Unit_UI::UI().Frage(Text_waehlen(Deutsch, Englisch) + " ?", "Bitte bestätigen");
}

Bitte_warten::Bitte_warten(const std::string& Deutsch, const std::string& Englisch) {
    Unit_UI::UI().Bitte_warten(Text_waehlen(Deutsch, Englisch));
}

Bitte_warten::~Bitte_warten() {
    Unit_UI::UI().Bitte_warten_Ende();
}

char Dezimaltrennzeichen() {
    if (Trennzeichen == 0) Trennzeichen = Trennzeichen_des_Systems();
    return Trennzeichen;
}

void Dezimaltrennzeichen_setzen(char Zeichen) {
    Trennzeichen = Zeichen;
}

namespace {
// Fixed point from 18 significant digits, halves rounded away from zero, as tables are read.
std::string Festkomma(long double Wert, int Nachkommastellen) {
    if (!std::isfinite(Wert)) return std::isnan(Wert) ? "NaN" : (Wert > 0 ? "INF" : "-INF");
    char Puffer[64];
    std::snprintf(Puffer, sizeof Puffer, "%.17Le", std::fabs(Wert));
    std::string Ziffern;
    const char* p = Puffer;
    for (; *p && *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) Ziffern += *p;
    int Exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    // Ziffern d1 d2 ... stand for d1.d2... x 10^Exponent; keep those down to the last decimal.
    const int behalten = Exponent + 1 + Nachkommastellen;
    if (behalten < 0) {
        Ziffern = "0";
        Exponent = 0;
    } else if (behalten < static_cast<int>(Ziffern.size())) {
        const bool aufrunden = Ziffern[static_cast<std::size_t>(behalten)] >= '5';
        Ziffern.resize(static_cast<std::size_t>(behalten));
        if (aufrunden) {
            int k = behalten - 1;
            for (; k >= 0 && Ziffern[static_cast<std::size_t>(k)] == '9'; --k)
                Ziffern[static_cast<std::size_t>(k)] = '0';
            if (k >= 0)
                ++Ziffern[static_cast<std::size_t>(k)];
            else {
                Ziffern.insert(0, "1");
                ++Exponent;
            }
        }
        if (Ziffern.empty()) Ziffern = "0";
    }
    // Now the digits start at 10^Exponent; write the integer part and the decimals.
    std::string Ganz, Bruch;
    for (int Stelle = Exponent; Stelle >= -Nachkommastellen; --Stelle) {
        const int k = Exponent - Stelle;
        const char z = k < static_cast<int>(Ziffern.size()) ? Ziffern[static_cast<std::size_t>(k)] : '0';
        (Stelle >= 0 ? Ganz : Bruch) += z;
    }
    for (int Stelle = -1; Stelle > Exponent && Stelle >= -Nachkommastellen; --Stelle) Bruch.insert(0, "0");
    if (Ganz.empty()) Ganz = "0";
    std::string Text = Ganz;
    if (Nachkommastellen > 0) Text += "." + Bruch.substr(0, static_cast<std::size_t>(Nachkommastellen));
    // A value that rounds to zero is shown without a sign: "-0.0" means nothing to a diver.
    if (Wert < 0 && Text.find_first_not_of("0.") != std::string::npos) Text.insert(0, "-");
    return Text;
}
} // namespace

namespace {
// The common case in a few integer operations: a value well inside the range and not close to a
// half at the last decimal gives the same digits as the full conversion. Writes backwards and
// ends at the puffer's end; returns the first character, or nullptr for the full conversion.
char* Festkomma_schnell(long double Wert, int Nachkommastellen, char* Ende) {
    static constexpr long double Zehner[] = {1, 10, 100, 1e3L, 1e4L, 1e5L, 1e6L};
    if (Nachkommastellen > 6 || !std::isfinite(Wert)) return nullptr;
    // Below 1e12 the product is off by less than 1e-7 and the 18-digit conversion moves the
    // decimal after the last one kept by less than 1e-5: only near a half can they disagree.
    const long double r = std::fabs(Wert) * Zehner[Nachkommastellen];
    if (!(r < 1e12L)) return nullptr;
    const long double ganz = std::floor(r);
    const long double Rest = r - ganz;
    if (std::fabs(Rest - 0.5L) < 1e-4L) return nullptr;
    auto k = static_cast<unsigned long long>(ganz) + (Rest > 0.5L ? 1 : 0);
    // A value that rounds to zero is shown without a sign: "-0.0" means nothing to a diver.
    const bool null = k == 0;
    char* p = Ende;
    for (int s = 0; s < Nachkommastellen; ++s, k /= 10) *--p = static_cast<char>('0' + k % 10);
    if (Nachkommastellen > 0) *--p = '.';
    do *--p = static_cast<char>('0' + k % 10);
    while ((k /= 10) > 0);
    if (Wert < 0 && !null) *--p = '-';
    return p;
}
} // namespace

void Zahl_anhaengen_Punkt(std::string& Text, int Breite, int Nachkommastellen, long double Wert) {
    Nachkommastellen = std::clamp(Nachkommastellen, 0, 18);
    char Puffer[48];
    char* const Ende = Puffer + sizeof Puffer;
    const char* Anfang = Festkomma_schnell(Wert, Nachkommastellen, Ende);
    if (!Anfang) {
        const std::string Voll = Festkomma(Wert, Nachkommastellen);
        if (static_cast<int>(Voll.size()) < Breite)
            Text.append(static_cast<std::size_t>(Breite) - Voll.size(), ' ');
        Text += Voll;
        return;
    }
    const auto Laenge = static_cast<int>(Ende - Anfang);
    if (Laenge < Breite) Text.append(static_cast<std::size_t>(Breite - Laenge), ' ');
    Text.append(Anfang, static_cast<std::size_t>(Laenge));
}

std::string Zahl_formatieren_Punkt(int Breite, int Nachkommastellen, long double Wert) {
    std::string Text;
    Zahl_anhaengen_Punkt(Text, Breite, Nachkommastellen, Wert);
    return Text;
}

std::string Zahl_formatieren(int Breite, int Nachkommastellen, long double Wert) {
    return ersetzt(Zahl_formatieren_Punkt(Breite, Nachkommastellen, Wert), '.', Dezimaltrennzeichen());
}

bool Zahl_umwandeln(const std::string& Text, long double& Wert) {
    std::string t = ersetzt(ohne_Rand(Text), ',', '.');
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    if (t.empty() ||
        !(std::isdigit(static_cast<unsigned char>(t.front())) || t.front() == '-' || t.front() == '.'))
        return false;
    long double v = 0;
    const auto [Ende, Fehler] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (Fehler != std::errc() || Ende != t.data() + t.size() || !std::isfinite(v)) return false;
    Wert = v;
    return true;
}

long double Zahl_lesen_still(const std::string& Text) {
    long double Wert = 0;
    return Zahl_umwandeln(Text, Wert) ? Wert : 0.0L;
}

long double Zahl_lesen(const std::string& Text) {
    long double Wert = 0;
    if (Zahl_umwandeln(Text, Wert)) return Wert;
    if (!ohne_Rand(Text).empty())
        Meldung_Problem(">" + Text + "< ist keine Zahl", ">" + Text + "< is no number");
    return 0;
}

bool ist_Zahlzeichen(const std::string& Text) {
    return std::all_of(Text.begin(), Text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == ',' || c == '-' || c == '.';
    });
}

int32_t Ganzzahl_lesen(const std::string& Text) {
    std::string t = ohne_Rand(Text);
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    int32_t Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(t.data(), t.data() + t.size(), Wert);
    if (t.empty() || Fehler != std::errc() || Ende != t.data() + t.size()) return 0;
    return Wert;
}

bool Ganzzahl_ist_Eins(const std::string& Text) {
    return Ganzzahl_lesen(Text) == 1;
}

std::string Bool_Text(bool Wert) {
    return Wert ? "1" : "0";
}

std::pair<std::string, std::string> Pfad_teilen(const std::string& Dateiname) {
    if (Dateiname.find('*') != std::string::npos) return {"", Dateiname};
    const auto Trenner = Dateiname.find_last_of("/\\");
    if (Trenner == std::string::npos) return {"", Dateiname};
    return {Dateiname.substr(0, Trenner + 1), Dateiname.substr(Trenner + 1)};
}

std::string Uhrzeit::Text() const {
    char Puffer[16];
    std::snprintf(Puffer, sizeof Puffer, "%02d:%02d:%02d", Stunden, Minuten, Sekunden);
    return Puffer;
}

Uhrzeit Minuten_zu_Uhrzeit(long double Minuten) {
    if (!std::isfinite(Minuten) || std::fabs(Minuten) > 1.0e12L) return {};
    long long s = std::llround(Minuten * 60.0L) % 86400;
    if (s < 0) s += 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

void Warten_ms(int Millisekunden) {
    const auto Ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(Millisekunden);
    while (std::chrono::steady_clock::now() < Ende) {
    }
}

} // namespace Unit_Tools
