// brelune-cli: every calculation of the library without a window.
#include "Cli_Ausgabe.hpp"
#include "Cli_Planung.hpp"

#include "core/Brelune_ProgrammVersion.hpp"
#include "core/Unit_Main.hpp"
#include "core/Unit_UI.hpp"
#include "lang/Unit_Tools.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <CLI/CLI.hpp>
#include <iostream>
#include <sstream>

namespace {

constexpr int Erfolg = 0, Aufruffehler = 1, Dateifehler = 2, Abgebrochen = 3;

struct Planoptionen {
    std::string Datei;
    std::string Punkte;
    std::string Tauchgeraet;
    std::optional<float> Setpoint;
    std::string Einstellungen;
    std::vector<std::string> Setzen;
    std::string Sprache = "de";
    std::string Ausgabe = "runtime";
    std::string Speichern;
    bool ja = false;
    bool nein = false;
};

std::vector<std::string> Ausgabeliste(const std::string& Text, std::string& Fehler) {
    std::vector<std::string> Liste;
    std::istringstream ein(Text);
    std::string Name;
    while (std::getline(ein, Name, ','))
        if (!Cli_Ausgabe::ist_Ausgabename(Name))
            Fehler = "--output: unknown buffer \"" + Name + "\"";
        else
            Liste.push_back(Name);
    return Liste;
}

int Fehler(const std::string& Text, int Code) {
    std::cerr << "brelune-cli: " << Text << '\n';
    return Code;
}

int Planen(const Planoptionen& o, Unit_UI::Headless& Oberflaeche) {
    std::string Text;
    const auto Ausgaben = Ausgabeliste(o.Ausgabe, Text);
    if (!Text.empty()) return Fehler(Text, Aufruffehler);
    if (o.Sprache != "de" && o.Sprache != "en") return Fehler("--lang takes de or en", Aufruffehler);
    if (o.Datei.empty() && o.Punkte.empty())
        return Fehler("plan needs a dive file or --points", Aufruffehler);
    std::optional<std::vector<Cli_Planung::Punkt>> Punkte;
    if (!o.Punkte.empty() && !(Punkte = Cli_Planung::Punkte_lesen(o.Punkte, Text)))
        return Fehler(Text, Aufruffehler);

    Oberflaeche.Antwort_Frage = o.ja && !o.nein;
    const int32_t Sprache = o.Sprache == "en" ? 1 : 0;
    Unit_Tools::Sprache = Sprache;
    Cli_Planung::Programm_starten();
    if (!o.Einstellungen.empty() && !Cli_Planung::Einstellungen_lesen(o.Einstellungen, Text))
        return Fehler(Text, Dateifehler);
    Unit_Tools::Sprache = Sprache;
    if (!o.Datei.empty() && !Cli_Planung::Tauchgang_laden(o.Datei, Text)) return Fehler(Text, Dateifehler);
    for (const auto& Zuweisung : o.Setzen)
        if (!Cli_Planung::Einstellung_setzen(Zuweisung, Text)) return Fehler(Text, Aufruffehler);
    // The language of the run, whatever the settings say.
    Unit_Tools::Sprache = Sprache;
    if (o.Datei.empty()) Unit_Main::Neuer_Tauchgang(); // a new dive with the start values just read
    if (!o.Tauchgeraet.empty()) {
        const auto Geraet = Cli_Planung::Tauchgeraet_finden(o.Tauchgeraet);
        if (!Geraet) return Fehler("--apparatus takes OC, CCR, SCR or pSCR", Aufruffehler);
        Unit_Main::Tauchgeraet_waehlen(*Geraet);
    }
    if (o.Setpoint) Unit_WayPoints::CCR_Setpoint = *o.Setpoint;
    if (Punkte && !Cli_Planung::Punkte_eingeben(*Punkte, Text)) return Fehler(Text, Aufruffehler);

    const bool fertig = Cli_Planung::Berechnen();
    for (const auto& Name : Ausgaben) Cli_Ausgabe::Ausgeben(std::cout, Name, !fertig, Oberflaeche.Meldungen);
    if (!o.Speichern.empty() && !Cli_Planung::Tauchgang_speichern(o.Speichern, Text))
        return Fehler(Text, Dateifehler);
    return fertig ? Erfolg : Abgebrochen;
}

} // namespace

int main(int argc, char** argv) {
    Unit_UI::Headless Oberflaeche;
    Oberflaeche.Meldungen_ausgeben = true;
    Unit_UI::UI_setzen(&Oberflaeche);
    Unit_Tools::Dezimaltrennzeichen_setzen('.');

    CLI::App App{"brelune-cli - the Brelune dive planner without a window"};
    App.set_version_flag("--version", std::string("brelune-cli ") + Brelune_ProgrammVersion::Version_Text);
    App.require_subcommand(0, 1);

    Planoptionen o;
    auto* plan =
        App.add_subcommand("plan", "plan a dive given as a .dec file or as points and print the results");
    plan->add_option("DIVE", o.Datei,
                     "dive file (.dec); its entered waypoints are used, its ascent is recomputed");
    plan->add_option("--points", o.Punkte,
                     "\"RT:DEPTH[:GAS],...\" runtime (min), depth (m), gas index or name");
    plan->add_option("--apparatus", o.Tauchgeraet, "OC, CCR, SCR or pSCR");
    plan->add_option("--setpoint", o.Setpoint, "CCR setpoint (bar)");
    plan->add_option("--settings", o.Einstellungen, "settings file (.ini) read over the built-in defaults");
    plan->add_option("--set", o.Setzen,
                     "\"SECTION/KEY=VALUE\" with the settings file's German names; repeatable");
    plan->add_option("--lang", o.Sprache, "de or en")->default_str("de");
    plan->add_option("--output", o.Ausgabe,
                     "comma-separated: runtime, summary, report, csv, log, deco, warnings, gas, json")
        ->default_str("runtime");
    plan->add_option("--save", o.Speichern, "save the computed dive as a .dec file");
    auto* ja = plan->add_flag("--yes", o.ja, "answer yes to every question");
    plan->add_flag("--no", o.nein, "answer no to every question (the default)")->excludes(ja);

    try {
        App.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return App.exit(e) == 0 ? Erfolg : Aufruffehler;
    }
    if (!*plan) {
        std::cout << App.help();
        return Erfolg;
    }
    try {
        return Planen(o, Oberflaeche);
    } catch (const Unit_UI::Befehl_abgebrochen& e) {
        return Fehler(std::string("calculation stopped: ") + e.what(), Abgebrochen);
    }
}
