#include "Cli_Zuordnung.hpp"

#include "lang/Unit_Tools.hpp"

#include <CLI/CLI.hpp>
#include <map>

namespace Cli_Zuordnung {

namespace {
namespace C = Unit_Save_Read_CSV;

// The option's column and, after a colon, its unit; empty unit when none was given.
std::optional<std::string> Spalte_lesen(const std::string& Option, const std::string& Text, int32_t& Spalte,
                                        std::string& Einheit) {
    const auto p = Text.find(':');
    Einheit = p == std::string::npos ? std::string() : Text.substr(p + 1);
    long double n = 0;
    if (!Unit_Tools::Zahl_umwandeln(Text.substr(0, p), n) || n != static_cast<int32_t>(n) || n < 0 ||
        n > C::Spalten_Max)
        return Option + ": \"" + Text + "\" is no column (0 to " + std::to_string(C::Spalten_Max) +
               ", 0 = not in the file)";
    Spalte = static_cast<int32_t>(n);
    return std::nullopt;
}

// A mapped item with the units it may take (their names to the value); no units: none allowed.
template <typename Einheit_Type>
std::optional<std::string> Eintrag(const std::string& Option, const std::optional<std::string>& Text,
                                   std::optional<int32_t>& Spalte, std::optional<Einheit_Type>* Einheit,
                                   const std::map<std::string, Einheit_Type>& Einheiten) {
    if (!Text) return std::nullopt;
    int32_t n = 0;
    std::string e;
    if (auto Fehler = Spalte_lesen(Option, *Text, n, e)) return Fehler;
    Spalte = n;
    if (e.empty()) return std::nullopt;
    const auto i = Einheiten.find(e);
    if (!Einheit || i == Einheiten.end()) {
        std::string Liste;
        for (const auto& [Name, Wert] : Einheiten) Liste += (Liste.empty() ? "" : ", ") + Name;
        return Option + ": unit \"" + e + "\" is not known" + (Liste.empty() ? "" : "; give " + Liste);
    }
    *Einheit = i->second;
    return std::nullopt;
}

std::optional<std::string> Spalte_ohne_Einheit(const std::string& Option,
                                               const std::optional<std::string>& Text,
                                               std::optional<int32_t>& Spalte) {
    return Eintrag<int>(Option, Text, Spalte, nullptr, {});
}

const std::map<std::string, C::Anteilseinheit> Anteile = {{"fraction", C::Anteilseinheit::Fraktion},
                                                          {"%", C::Anteilseinheit::Prozent},
                                                          {"percent", C::Anteilseinheit::Prozent}};

std::optional<std::string> Rest_lesen(const Zuordnung_Optionen& o, C::Zuordnung_Aenderung& a) {
    static const std::map<std::string, char> Trenner = {
        {"comma", ','}, {"blank", ' '}, {"semicolon", ';'}, {"tab", '\t'}};
    if (o.Trennzeichen) {
        const auto i = Trenner.find(*o.Trennzeichen);
        if (i == Trenner.end()) return "--separator takes comma, blank, semicolon or tab";
        a.Trennzeichen = i->second;
    }
    if (o.Kommentarzeilen) {
        long double n = 0;
        if (!Unit_Tools::Zahl_umwandeln(*o.Kommentarzeilen, n) || n != static_cast<int32_t>(n) || n < 0 ||
            n > 1000)
            return "--skip-lines takes a whole number of lines, 0 to 1000";
        a.Kommentarzeilen = static_cast<int32_t>(n);
    }
    if (o.Aufloesung) {
        if (*o.Aufloesung != "0.1" && *o.Aufloesung != "0.01")
            return "--resolution takes 0.1 (minutes, the standard) or 0.01 (apnoea)";
        a.min_dT = *o.Aufloesung == "0.1" ? 0.1f : 0.01f;
    }
    if (o.CCR) a.Tauchgeraet_CCR = *o.CCR;
    if (o.OC) a.Tauchgeraet_OC = *o.OC;
    return std::nullopt;
}
} // namespace

bool Zuordnung_Optionen::gegeben() const {
    for (const auto* t : {&Zeit, &Tiefe, &pO2, &O2, &He, &Tauchgeraet, &CCR, &OC, &Distanz, &Geschwindigkeit,
                          &Trennzeichen, &Kommentarzeilen, &Aufloesung})
        if (*t) return true;
    return false;
}

void Optionen_anlegen(CLI::App* Befehl, Zuordnung_Optionen& o) {
    const auto Option = [Befehl](const char* Name, std::optional<std::string>& Ziel, const char* Typ,
                                 const char* Text) {
        Befehl->add_option(Name, Ziel, Text)
            ->type_name(Typ)
            ->group("CSV mapping (over --preset)")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    };
    Option("--time", o.Zeit, "COL[:sec|min]", "column of the time; sec or min");
    Option("--depth", o.Tiefe, "COL[:m|ft]", "column of the depth; m or ft");
    Option("--po2", o.pO2, "COL", "column of the oxygen partial pressure (bar)");
    Option("--o2", o.O2, "COL[:fraction|%]", "column of the oxygen fraction; fraction or % (percent)");
    Option("--he", o.He, "COL[:fraction|%]", "column of the helium fraction; fraction or % (percent)");
    Option("--apparatus-column", o.Tauchgeraet, "COL",
           "column of the apparatus (rebreather or open circuit)");
    Option("--ccr-values", o.CCR, "N[,N..]", "whole numbers in the apparatus column that mean CCR");
    Option("--oc-values", o.OC, "N[,N..]", "whole numbers in the apparatus column that mean OC");
    Option("--cave-distance", o.Distanz, "COL", "column of the horizontal distance in a cave (m)");
    Option("--cave-velocity", o.Geschwindigkeit, "COL",
           "column of the horizontal velocity in a cave (m/min)");
    Option("--separator", o.Trennzeichen, "comma|blank|semicolon|tab", "the field separator");
    Option("--skip-lines", o.Kommentarzeilen, "N", "leading lines skipped (comment and header lines)");
    Option("--resolution", o.Aufloesung, "0.1|0.01",
           "calculation step in minutes: 0.1 standard, 0.01 apnoea");
}

std::optional<std::string> Zuordnung_lesen(const Zuordnung_Optionen& o, C::Zuordnung_Aenderung& a) {
    using Z = C::Zeiteinheit;
    using T = C::Tiefeneinheit;
    if (auto f = Eintrag<Z>("--time", o.Zeit, a.Zeit, &a.Zeit_Einheit, {{"sec", Z::sec}, {"min", Z::min}}))
        return f;
    if (auto f = Eintrag<T>("--depth", o.Tiefe, a.Tiefe, &a.Tiefe_Einheit, {{"m", T::m}, {"ft", T::ft}}))
        return f;
    if (auto f = Spalte_ohne_Einheit("--po2", o.pO2, a.pO2)) return f;
    if (auto f = Eintrag("--o2", o.O2, a.f_O2, &a.f_O2_Einheit, Anteile)) return f;
    if (auto f = Eintrag("--he", o.He, a.f_He, &a.f_He_Einheit, Anteile)) return f;
    if (auto f = Spalte_ohne_Einheit("--apparatus-column", o.Tauchgeraet, a.Tauchgeraet)) return f;
    if (auto f = Spalte_ohne_Einheit("--cave-distance", o.Distanz, a.Distanz)) return f;
    if (auto f = Spalte_ohne_Einheit("--cave-velocity", o.Geschwindigkeit, a.Geschwindigkeit)) return f;
    return Rest_lesen(o, a);
}

} // namespace Cli_Zuordnung
