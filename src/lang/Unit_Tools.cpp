#include "lang/Unit_Tools.hpp"

#include "core/Unit_UI.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
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

char Dezimaltrennzeichen() {
    if (Trennzeichen == 0) Trennzeichen = Trennzeichen_des_Systems();
    return Trennzeichen;
}

void Dezimaltrennzeichen_setzen(char Zeichen) {
    Trennzeichen = Zeichen;
}

std::string Zahl_formatieren_Punkt(int Breite, int Nachkommastellen, long double Wert) {
    Nachkommastellen = std::clamp(Nachkommastellen, 0, 18);
    char Puffer[128];
    int n = std::snprintf(Puffer, sizeof Puffer, "%.*Lf", Nachkommastellen, Wert);
    std::string Text = (n > 0 && n < static_cast<int>(sizeof Puffer)) ? std::string(Puffer, n) : "-99.9";
    // A value that rounds to zero is shown without a sign: "-0.0" means nothing to a diver.
    if (Text.front() == '-' && Text.find_first_not_of("-0.") == std::string::npos) Text.erase(0, 1);
    if (static_cast<int>(Text.size()) < Breite) Text.insert(0, Breite - Text.size(), ' ');
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
