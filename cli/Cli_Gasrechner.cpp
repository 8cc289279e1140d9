#include "Cli_Gasrechner.hpp"

#include "gases/Unit_Gasrechner.hpp"
#include "lang/Unit_Tools.hpp"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace Cli_Gasrechner {

namespace {
namespace R = Unit_Gasrechner;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

// 0.16, 1.601, 350: as short as the value allows.
std::string kurz(float x) {
    char Puffer[32];
    const auto r = std::to_chars(Puffer, Puffer + sizeof Puffer, x);
    return std::string(Puffer, r.ptr);
}

// The number of an option within its range, or the message why not.
std::optional<std::string> Zahl(const std::optional<std::string>& Text, const char* Option, float min,
                                float max, const char* Einheit, float& Wert) {
    long double x = 0;
    if (!Text) return std::nullopt;
    if (!Unit_Tools::Zahl_umwandeln(*Text, x))
        return std::string(Option) + ": \"" + *Text + "\" is no number";
    if (!(x >= min && x <= max))
        return std::string(Option) + " takes " + Einheit + " from " + kurz(min) + " to " + kurz(max);
    Wert = static_cast<float>(x);
    return std::nullopt;
}

std::optional<std::string> Prozent(const std::optional<std::string>& Text, const char* Option, int max,
                                   int& Wert) {
    float x = 0;
    if (auto Fehler = Zahl(Text, Option, 0, static_cast<float>(max), "whole percent", x)) return Fehler;
    if (x != std::floor(x)) return std::string(Option) + " takes whole percent";
    Wert = static_cast<int>(x);
    return std::nullopt;
}

std::string Feld(float x) {
    return Unit_Tools::Zahl_formatieren_Punkt(0, 4, x);
}

double gerundet(float x, int Stellen) {
    const double f = std::pow(10.0, Stellen);
    return std::round(static_cast<double>(x) * f) / f;
}

void Text_ausgeben(const Auftrag& a, const R::Gasrechner_Type& Z, bool erreicht, std::ostream& aus) {
    const auto Zeile = [&aus](const std::string& Name, const std::string& Wert) {
        aus << Name << std::string(Name.size() < 13 ? 13 - Name.size() : 0, ' ') << "= " << Wert << '\n';
    };
    Zeile("Gas", Z.Name);
    Zeile("O2", Zahl_formatieren(3, 0, Z.O2) + " %");
    Zeile("N2", Zahl_formatieren(3, 0, Z.N2) + " %");
    Zeile("He", Zahl_formatieren(3, 0, Z.He) + " %");
    Zeile(Text_waehlen("Einsatztiefe", "Depth"), Zahl_formatieren(5, 1, Z.m_Einsatztiefe) + " m");
    Zeile("pO2", Zahl_formatieren(5, 2, Z.Werte.pO2) + " bar");
    Zeile("MOD", Zahl_formatieren(5, 1, Z.Werte.MOD) + " m");
    Zeile("MinOD", Zahl_formatieren(5, 1, Z.Werte.MinOD) + " m");
    Zeile("END", Zahl_formatieren(5, 1, Z.Werte.END) + " m");
    if (a.Modus == Art::Best_Mix)
        Zeile("Best Mix", Zahl_formatieren(5, 2, a.bar_Ziel) + " bar " +
                              (erreicht ? Text_waehlen("erreicht", "reached")
                                        : Text_waehlen("nicht erreicht", "not reached")));
    for (const auto& Hinweis : R::Hinweise(Z)) aus << "! " << Hinweis << '\n';
}

void Json_ausgeben(const Auftrag& a, const R::Gasrechner_Type& Z, bool erreicht, std::ostream& aus) {
    static const char* const Modi[] = {"mix", "values", "best_mix"};
    nlohmann::ordered_json j;
    j["mode"] = Modi[static_cast<int>(a.Modus)];
    j["depth"] = gerundet(Z.m_Einsatztiefe, 2);
    j["gas"] = {{"name", Z.Name}, {"o2", Z.O2}, {"n2", Z.N2}, {"he", Z.He}};
    j["po2"] = gerundet(Z.Werte.pO2, 3);
    j["mod"] = gerundet(Z.Werte.MOD, 1);
    j["min_od"] = gerundet(Z.Werte.MinOD, 1);
    j["end"] = gerundet(Z.Werte.END, 1);
    j["hypoxic_at_surface"] = Z.Werte.MinOD > 0;
    if (a.Modus == Art::Best_Mix) {
        j["target"] = gerundet(a.bar_Ziel, 3);
        j["target_reached"] = erreicht;
    }
    j["warnings"] = R::Hinweise(Z);
    aus << j.dump(2) << '\n';
}
} // namespace

std::optional<std::string> Mix_lesen(const Mix_Optionen& o, Auftrag& a) {
    const int Modi = (o.pO2 ? 1 : 0) + (o.O2 ? 1 : 0) + (o.BestMix ? 1 : 0);
    if (!o.Tiefe) return "mix: --depth is required";
    if (Modi != 1) return "mix: give exactly one of --po2, --o2 and --best-mix";
    if (o.END && !o.pO2) return "mix: --end goes with --po2";
    if (o.He && !o.O2) return "mix: --he goes with --o2";
    if (o.Format != "text" && o.Format != "json") return "mix: --output takes text or json";
    a.json = o.Format == "json";
    a.Modus = o.pO2 ? Art::Mix : o.O2 ? Art::Werte : Art::Best_Mix;
    float END = 0;
    std::optional<std::string> Fehler = Zahl(o.Tiefe, "--depth", 0, R::m_Tiefe_max, "metres", a.m_Tiefe);
    if (!Fehler) Fehler = Zahl(o.pO2, "--po2", R::bar_pO2_min, R::bar_pO2_max, "bar", a.bar_pO2);
    if (!Fehler) Fehler = Zahl(o.END, "--end", 0, R::m_END_Warnung, "metres", END);
    if (!Fehler) Fehler = Zahl(o.BestMix, "--best-mix", R::bar_pO2_min, R::bar_pO2_max, "bar", a.bar_Ziel);
    if (!Fehler) Fehler = Prozent(o.O2, "--o2", 100, a.O2);
    if (!Fehler && o.O2 && a.O2 < 1) Fehler = "--o2 takes whole percent from 1 to 100";
    if (!Fehler) Fehler = Prozent(o.He, "--he", 100 - a.O2, a.He);
    if (o.END) a.m_END = END;
    return Fehler;
}

void Mix_ausgeben(const Auftrag& a, std::ostream& aus) {
    R::Gasrechner_Type Z;
    const R::Eingaben Felder{Feld(a.bar_pO2 > 0 ? a.bar_pO2 : R::bar_pO2_min), Feld(a.m_Tiefe),
                             Feld(a.m_END.value_or(0))};
    bool erreicht = true;
    switch (a.Modus) {
    case Art::Mix:
        Z.Trimix = a.m_END.has_value();
        R::Tiefe_geaendert(Z, Felder);
        break;
    case Art::Werte:
        R::Modus_setzen(Z, false);
        R::Tiefe_geaendert(Z, Felder);
        R::Anteile_setzen(Z, a.O2, a.He);
        break;
    case Art::Best_Mix:
        erreicht = R::Best_Mix(Z, a.bar_Ziel, Felder);
        break;
    }
    if (a.json)
        Json_ausgeben(a, Z, erreicht, aus);
    else
        Text_ausgeben(a, Z, erreicht, aus);
}

} // namespace Cli_Gasrechner
