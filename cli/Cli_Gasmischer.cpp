#include "Cli_Gasmischer.hpp"

#include "lang/Unit_Tools.hpp"

#include <cmath>
#include <nlohmann/json.hpp>

namespace Cli_Gasmischer {

namespace {
namespace M = Unit_Gasmischer;
using Unit_Tools::Text_waehlen;

constexpr double bar_max = 500, l_max = 1000;

std::optional<std::string> Zahl(const std::string& Text, const std::string& Option, double min, double max,
                                const char* Einheit, double& Wert) {
    long double x = 0;
    if (!Unit_Tools::Zahl_umwandeln(Text, x)) return Option + ": \"" + Text + "\" is no number";
    if (!(x >= min && x <= max))
        return Option + " takes " + Einheit + " from " + Unit_Tools::Zahl_formatieren_Punkt(0, 0, min) +
               " to " + Unit_Tools::Zahl_formatieren_Punkt(0, 0, max);
    Wert = static_cast<double>(x);
    return std::nullopt;
}

// "O2/HE@BAR" (the pressure optional where the option allows it).
std::optional<std::string> Gas_lesen(const std::string& Text, const std::string& Option, bool mit_Druck,
                                     M::Anteile& Anteil, std::optional<double>& bar) {
    const auto Strich = Text.find('/'), At = Text.find('@');
    if (Strich == std::string::npos || (mit_Druck && At == std::string::npos) || At < Strich)
        return Option + " takes O2/HE" + (mit_Druck ? "@BAR" : "[@BAR]") + ", e.g. 21/35@200";
    double O2 = 0, He = 0, Druck = 0;
    auto Fehler = Zahl(Text.substr(0, Strich), Option + " O2", 0, 100, "percent", O2);
    if (!Fehler)
        Fehler = Zahl(Text.substr(Strich + 1, At - Strich - 1), Option + " HE", 0, 100, "percent", He);
    if (!Fehler && O2 + He > 100) Fehler = Option + ": O2 and HE together above 100 percent";
    if (!Fehler && At != std::string::npos)
        Fehler = Zahl(Text.substr(At + 1), Option + " BAR", 0, bar_max, "bar", Druck);
    if (Fehler) return Fehler;
    Anteil = M::auf_100_Prozent(O2, He);
    if (At != std::string::npos) bar = Druck;
    return std::nullopt;
}

std::optional<std::string> Gas_lesen(const std::string& Text, const std::string& Option, M::Gas& g) {
    std::optional<double> bar;
    auto Fehler = Gas_lesen(Text, Option, true, g.Anteil, bar);
    g.bar = bar.value_or(0);
    return Fehler;
}

double gerundet(double x) {
    return std::round(x * 1000) / 1000;
}

void Zeile(std::ostream& aus, const std::string& Name, const std::string& Wert) {
    aus << Name << std::string(Name.size() < 14 ? 14 - Name.size() : 0, ' ') << "= " << Wert << '\n';
}

void Anteile_ausgeben(std::ostream& aus, const M::Anteile& a) {
    Zeile(aus, "O2 (%)", M::Ergebnis_Text(a.O2));
    Zeile(aus, "N2 (%)", M::Ergebnis_Text(a.N2));
    Zeile(aus, "He (%)", M::Ergebnis_Text(a.He));
}

void Text_ausgeben(const Auftrag& a, const M::Fuellung& f, std::ostream& aus) {
    const bool Trimix = a.Art == Methode::O2_Trimix_Luft;
    Zeile(aus, "O2 (bar)", M::Ergebnis_Text(f.bar_O2));
    Zeile(aus, Text_waehlen("Luft (bar)", "Air (bar)"), M::Ergebnis_Text(f.bar_Luft));
    Zeile(aus, Trimix ? "Tmx (bar)" : "He (bar)", M::Ergebnis_Text(Trimix ? f.bar_Trimix : f.bar_He));
    Zeile(aus, Text_waehlen("Summe (bar)", "Sum (bar)"), M::Ergebnis_Text(f.bar_Summe));
    if (!f.Strom) return;
    Anteile_ausgeben(aus, f.Strom->Strom);
    Zeile(aus, "Sensor 1 (%)", f.Strom->Sensor1 ? M::Ergebnis_Text(*f.Strom->Sensor1) : "    -");
    Zeile(aus, "Sensor 2 (%)", M::Ergebnis_Text(f.Strom->Sensor2));
    Zeile(aus, Text_waehlen("Kosten (Euro)", "Cost (Euro)"), M::Ergebnis_Text(f.Strom->Euro, 2));
}

nlohmann::ordered_json Json_von(const Auftrag& a, const M::Fuellung& f) {
    nlohmann::ordered_json j;
    j["possible"] = true;
    j["o2_bar"] = gerundet(f.bar_O2);
    j["air_bar"] = gerundet(f.bar_Luft);
    if (a.Art == Methode::O2_Trimix_Luft)
        j["trimix_bar"] = gerundet(f.bar_Trimix);
    else
        j["he_bar"] = gerundet(f.bar_He);
    j["sum_bar"] = gerundet(f.bar_Summe);
    if (!f.Strom) return j;
    const M::Einduesen& e = *f.Strom;
    j["stream"] = {{"o2", gerundet(e.Strom.O2)}, {"n2", gerundet(e.Strom.N2)}, {"he", gerundet(e.Strom.He)}};
    j["sensor1"] = e.Sensor1 ? nlohmann::ordered_json(gerundet(*e.Sensor1)) : nlohmann::ordered_json();
    j["sensor2"] = gerundet(e.Sensor2);
    j["cost_euro"] = std::round(e.Euro * 100) / 100;
    return j;
}

const char* Name_der_Methode(Methode m) {
    static const char* const Namen[] = {"o2-he-air", "o2-trimix-air", "trimix"};
    return Namen[static_cast<int>(m)];
}
} // namespace

std::optional<std::string> Blend_lesen(const Blend_Optionen& o, Auftrag& a) {
    if (o.Methode == "o2-he-air")
        a.Art = Methode::O2_He_Luft;
    else if (o.Methode == "o2-trimix-air")
        a.Art = Methode::O2_Trimix_Luft;
    else if (o.Methode == "trimix")
        a.Art = Methode::Trimix;
    else
        return "blend: --method takes o2-he-air, o2-trimix-air or trimix";
    if (o.Vorher.has_value() == o.leer) return "blend: give exactly one of --before and --empty";
    if (a.Art == Methode::Trimix && o.Nachher)
        return "blend: --method trimix computes the gas after, drop --after";
    if (a.Art != Methode::Trimix && !o.Nachher) return "blend: --after is required";
    if (a.Art == Methode::O2_He_Luft && o.Trimix)
        return "blend: --trimix goes with --method o2-trimix-air or trimix";
    if (a.Art != Methode::O2_He_Luft && !o.Trimix) return "blend: --method " + o.Methode + " needs --trimix";
    if (o.Format != "text" && o.Format != "json") return "blend: --output takes text or json";
    a.json = o.Format == "json";
    double l = 6.8;
    std::optional<std::string> Fehler;
    if (o.Volumen) Fehler = Zahl(*o.Volumen, "--volume", 0.1, l_max, "litres", l);
    a.Vorher = {M::Luft, 0, l};
    a.Nachher = {M::Luft, 0, l};
    if (!Fehler && o.Vorher) Fehler = Gas_lesen(*o.Vorher, "--before", a.Vorher);
    if (!Fehler && o.Nachher) Fehler = Gas_lesen(*o.Nachher, "--after", a.Nachher);
    if (!Fehler && o.Trimix) {
        std::optional<double> bar;
        Fehler = Gas_lesen(*o.Trimix, "--trimix", a.Art == Methode::Trimix, a.Trimix, bar);
        a.bar_Trimix = bar.value_or(0);
    }
    return Fehler;
}

bool Blend_ausgeben(const Auftrag& a, std::ostream& aus) {
    if (a.Art == Methode::Trimix) {
        const M::Gas g = M::mit_Trimix(a.Vorher, a.Trimix, a.bar_Trimix);
        if (a.json) {
            nlohmann::ordered_json j{{"method", "trimix"}, {"possible", true}};
            j["after"] = {{"o2", gerundet(g.Anteil.O2)},
                          {"n2", gerundet(g.Anteil.N2)},
                          {"he", gerundet(g.Anteil.He)},
                          {"bar", gerundet(g.bar)}};
            aus << j.dump(2) << '\n';
        } else {
            Anteile_ausgeben(aus, g.Anteil);
            Zeile(aus, Text_waehlen("Druck (bar)", "Pressure (bar)"), M::Ergebnis_Text(g.bar));
        }
        return true;
    }
    const M::Fuellung f = a.Art == Methode::O2_He_Luft ? M::O2_He_Luft(a.Vorher, a.Nachher)
                                                       : M::O2_Trimix_Luft(a.Vorher, a.Nachher, a.Trimix);
    if (a.json) {
        nlohmann::ordered_json j{{"method", Name_der_Methode(a.Art)}};
        if (f.moeglich())
            j.update(Json_von(a, f));
        else
            j.update(nlohmann::ordered_json{{"possible", false}, {"message", f.Meldung}});
        aus << j.dump(2) << '\n';
    } else if (f.moeglich()) {
        Text_ausgeben(a, f, aus);
    } else {
        aus << f.Meldung << '\n';
    }
    return f.moeglich();
}

} // namespace Cli_Gasmischer
