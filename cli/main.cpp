// brelune-cli: every calculation of the library without a window.
#include "Cli_Ausgabe.hpp"
#include "Cli_Gasmischer.hpp"
#include "Cli_Gasrechner.hpp"
#include "Cli_Planung.hpp"
#include "Cli_Serie.hpp"
#include "Cli_Zuordnung.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Brelune_ProgrammVersion.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "files/Unit_aXML.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string_view>

namespace {

constexpr int Erfolg = 0, Aufruffehler = 1, Dateifehler = 2, Abgebrochen = 3;

struct Optionen {
    // plan: the dive files, points and surface intervals, in the order given
    std::vector<std::string> Dateien;
    std::vector<std::string> Punkte;
    std::vector<std::string> Pausen;
    std::vector<Cli_Serie::Angabe> Serie;
    std::string Tauchgeraet;
    std::optional<float> Setpoint;
    std::string Export_UDDF;
    std::string Export_CSV;
    // import
    std::string Importdatei;
    std::string Format;
    int Voreinstellung = 0;
    std::string Modus = "analyse";
    std::optional<float> min_EndeGrundzeit;
    Cli_Zuordnung::Zuordnung_Optionen Spalten;
    bool Liste = false;
    std::optional<int> Tauchgang;
    // both
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

// What plan and import share before their dive is read: the program started as the desktop
// program starts, but with the settings file given by --settings (or none) instead of the user's.
int Programm_vorbereiten(const Optionen& o, Unit_UI::Headless& Oberflaeche,
                         std::vector<std::string>& Ausgaben) {
    std::string Text;
    Ausgaben = Ausgabeliste(o.Ausgabe, Text);
    if (!Text.empty()) return Fehler(Text, Aufruffehler);
    // Only these outputs show contingency plans or the runtime variations.
    Unit_Kontingenzplaene::Plaene_verlangt = std::any_of(Ausgaben.begin(), Ausgaben.end(), [](const auto& a) {
        return a == "contingency" || a == "json" || a == "report" || a == "summary";
    });
    if (o.Sprache != "de" && o.Sprache != "en") return Fehler("--lang takes de or en", Aufruffehler);
    Oberflaeche.Antwort_Frage = o.ja && !o.nein;
    Unit_Programmstart::Startoptionen Start;
    Start.Programmordner = Unit_Programmstart::Programmordner_ermitteln();
    Start.Einstellungsdatei_verwenden = false;
    Start.Sprache = o.Sprache == "en" ? 1 : 0;
    Unit_Tools::Sprache = *Start.Sprache;
    if (!o.Einstellungen.empty() &&
        !(Start.Einstellungszeilen = Cli_Planung::Einstellungszeilen_lesen(o.Einstellungen, Text)))
        return Fehler(Text, Dateifehler);
    Unit_Programmstart::Programm_starten(Start);
    return Erfolg;
}

// The --set assignments over whatever the dive brought; the language of the run stays.
int Einstellungen_setzen(const Optionen& o) {
    std::string Text;
    for (const auto& Zuweisung : o.Setzen)
        if (!Cli_Planung::Einstellung_setzen(Zuweisung, Text)) return Fehler(Text, Aufruffehler);
    Unit_Tools::Sprache = o.Sprache == "en" ? 1 : 0;
    return Erfolg;
}

// The buffers, then the files asked for.
int Ergebnis_ausgeben(const Optionen& o, const std::vector<std::string>& Ausgaben, bool fertig,
                      const Unit_UI::Headless& Oberflaeche, bool mit_Analyse) {
    for (const auto& Name : Ausgaben)
        Cli_Ausgabe::Ausgeben(std::cout, Name, !fertig, Oberflaeche.Meldungen, mit_Analyse);
    std::string Text;
    if (!o.Speichern.empty() && !Cli_Planung::Tauchgang_speichern(o.Speichern, Text))
        return Fehler(Text, Dateifehler);
    if (!o.Export_UDDF.empty() && !Cli_Planung::UDDF_exportieren(o.Export_UDDF, Text))
        return Fehler(Text, Dateifehler);
    if (!o.Export_CSV.empty() && !Cli_Planung::CSV_exportieren(o.Export_CSV, Text))
        return Fehler(Text, Dateifehler);
    return fertig ? Erfolg : Abgebrochen;
}

// One dive of a series, its apparatus and points over what the file or the previous dive
// brought, computed.
int Tauchgang_planen(const Optionen& o, const Cli_Serie::Tauchgang& t, bool& fertig) {
    std::string Text;
    if (!o.Tauchgeraet.empty()) {
        const auto Geraet = Cli_Planung::Tauchgeraet_finden(o.Tauchgeraet);
        if (!Geraet) return Fehler("--apparatus takes OC, CCR, SCR or pSCR", Aufruffehler);
        Unit_Main::Tauchgeraet_waehlen(*Geraet);
    }
    if (o.Setpoint) Unit_WayPoints::CCR_Setpoint = *o.Setpoint;
    if (t.Punkte && !Cli_Planung::Punkte_eingeben(*t.Punkte, Text)) return Fehler(Text, Aufruffehler);
    fertig = Cli_Planung::Berechnen();
    return Erfolg;
}

// The first dive as a single plan; every further one after its surface interval as a repetition
// dive. A dive that does not end stops the series, and the outputs describe it.
int Planen(const Optionen& o, Unit_UI::Headless& Oberflaeche) {
    std::string Text;
    const auto Serie = Cli_Serie::Tauchgaenge(o.Serie, Text);
    if (!Serie) return Fehler(Text, Aufruffehler);
    std::vector<std::string> Ausgaben;
    if (const int Code = Programm_vorbereiten(o, Oberflaeche, Ausgaben); Code != Erfolg) return Code;
    const auto& erster = Serie->front();
    if (!erster.Datei.empty() && !Cli_Planung::Tauchgang_laden(erster.Datei, Text))
        return Fehler(Text, Dateifehler);
    if (const int Code = Einstellungen_setzen(o); Code != Erfolg) return Code;
    if (erster.Datei.empty()) Unit_Main::Neuer_Tauchgang(); // a new dive with the start values just read
    bool fertig = false;
    for (std::size_t k = 0; k < Serie->size(); ++k) {
        const auto& t = (*Serie)[k];
        if (k > 0) {
            Cli_Ausgabe::Vortauchgang_merken(Oberflaeche.Meldungen, t.Stunden_davor);
            Oberflaeche.Meldungen.clear();
            if (!Cli_Planung::Wiederholungstauchgang_beginnen(t.Stunden_davor, t.Datei, Text))
                return Fehler(Text, Dateifehler);
            // a dive file brings its settings; the ones given go over them again
            if (!t.Datei.empty() && Einstellungen_setzen(o) != Erfolg) return Aufruffehler;
        }
        if (const int Code = Tauchgang_planen(o, t, fertig); Code != Erfolg) return Code;
        if (!fertig && k + 1 < Serie->size()) {
            std::cerr << "brelune-cli: dive " << k + 1 << " of " << Serie->size()
                      << " was not computed to the end; the dives after it are not planned\n";
            break;
        }
    }
    return Ergebnis_ausgeben(o, Ausgaben, fertig, Oberflaeche, false);
}

// --list: the dives of a UDDF file, one line each or as JSON; nothing is computed.
int Tauchgaenge_auflisten(const Optionen& o) {
    Unit_Tools::Sprache = o.Sprache == "en" ? 1 : 0;
    const auto Liste = Unit_Save_Read_UDDF::Tauchgaenge_der_Datei(o.Importdatei);
    if (!Liste) return Fehler(o.Importdatei + ": the file cannot be read as UDDF", Dateifehler);
    if (o.Ausgabe.find("json") != std::string::npos)
        std::cout << Cli_Ausgabe::Tauchgangsliste_Json(*Liste) << '\n';
    else
        for (const auto& e : *Liste) std::cout << Unit_Save_Read_UDDF::Eintrag_Text(e) << '\n';
    return Erfolg;
}

// After a failed UDDF import: a file without dives, or a --dive it does not have (1 when not
// given), is a wrong call rather than a broken file.
int Tauchgang_pruefen(const Optionen& o) {
    if (Unit_aXML::Dateiname != o.Importdatei) return Dateifehler; // not even loaded
    const int n = static_cast<int>(Unit_Save_Read_UDDF::Tauchgaenge().size());
    const int Nummer = o.Tauchgang.value_or(1);
    if (n == 0) return Fehler(o.Importdatei + ": the file holds no dive", Aufruffehler);
    if (Nummer > n)
        return Fehler("--dive " + std::to_string(Nummer) + ": the file holds dive" +
                          (n == 1 ? " 1" : "s 1 to " + std::to_string(n)) + " (see --list)",
                      Aufruffehler);
    return Dateifehler;
}

int Importieren(const Optionen& o, Unit_UI::Headless& Oberflaeche) {
    const std::string Format = o.Format.empty() ? Cli_Planung::Format_aus_Endung(o.Importdatei) : o.Format;
    if (Format != "uddf" && Format != "csv")
        return Fehler("import: the format of \"" + o.Importdatei +
                          "\" is not known; give --format uddf or csv",
                      Aufruffehler);
    if (Format != "uddf" && (o.Liste || o.Tauchgang))
        return Fehler("--list and --dive take a UDDF file", Aufruffehler);
    if (o.Liste) return Tauchgaenge_auflisten(o);
    const auto Modus = Cli_Planung::Analysemodus_finden(o.Modus);
    if (!Modus) return Fehler("--mode takes keep, analyse or ascent", Aufruffehler);
    if (o.min_EndeGrundzeit && !(*o.min_EndeGrundzeit >= 0))
        return Fehler("--end-of-bottom takes a runtime in minutes, 0 or more", Aufruffehler);
    Unit_Save_Read_CSV::Zuordnung_Aenderung Spalten;
    if (const auto Text = Cli_Zuordnung::Zuordnung_lesen(o.Spalten, Spalten))
        return Fehler(*Text, Aufruffehler);
    if (Format != "csv" && o.Spalten.gegeben())
        return Fehler("the CSV mapping options take a CSV or TXT file", Aufruffehler);
    std::vector<std::string> Ausgaben;
    if (const int Code = Programm_vorbereiten(o, Oberflaeche, Ausgaben); Code != Erfolg) return Code;
    std::string Text;
    if (!Cli_Planung::Tauchgang_importieren(o.Importdatei, Format, o.Voreinstellung, o.Tauchgang.value_or(1),
                                            Text, Spalten)) {
        const int Code = Format == "uddf" ? Tauchgang_pruefen(o) : Dateifehler;
        return Code == Dateifehler ? Fehler(Text, Dateifehler) : Code;
    }
    if (const int Code = Einstellungen_setzen(o); Code != Erfolg) return Code;
    const bool fertig = Cli_Planung::Analysieren(*Modus, o.min_EndeGrundzeit);
    return Ergebnis_ausgeben(o, Ausgaben, fertig, Oberflaeche, true);
}

// The gas calculator with the settings given: the water column and the air pressure count.
int Mix(const Optionen& o, const Cli_Gasrechner::Mix_Optionen& m, Unit_UI::Headless& Oberflaeche) {
    Cli_Gasrechner::Auftrag Auftrag;
    if (const auto Text = Cli_Gasrechner::Mix_lesen(m, Auftrag)) return Fehler(*Text, Aufruffehler);
    std::vector<std::string> Ausgaben;
    if (const int Code = Programm_vorbereiten(o, Oberflaeche, Ausgaben); Code != Erfolg) return Code;
    if (const int Code = Einstellungen_setzen(o); Code != Erfolg) return Code;
    Cli_Gasrechner::Mix_ausgeben(Auftrag, std::cout);
    return Erfolg;
}

// The gas blender needs no settings: its gases and prices are fixed.
int Blend(const Optionen& o, const Cli_Gasmischer::Blend_Optionen& b) {
    if (o.Sprache != "de" && o.Sprache != "en") return Fehler("--lang takes de or en", Aufruffehler);
    Unit_Tools::Sprache = o.Sprache == "en" ? 1 : 0;
    Cli_Gasmischer::Auftrag Auftrag;
    if (const auto Text = Cli_Gasmischer::Blend_lesen(b, Auftrag)) return Fehler(*Text, Aufruffehler);
    return Cli_Gasmischer::Blend_ausgeben(Auftrag, std::cout) ? Erfolg : Abgebrochen;
}

// The settings and the language, which every command takes.
void Einstellungsoptionen(CLI::App* Befehl, Optionen& o) {
    Befehl->add_option("--settings", o.Einstellungen, "settings file (.ini) read over the built-in defaults");
    Befehl->add_option("--set", o.Setzen,
                       "\"SECTION/KEY=VALUE\" with the settings file's German names; repeatable");
    Befehl->add_option("--lang", o.Sprache, "de or en")->default_str("de");
}

// The options both commands take.
void Gemeinsame_Optionen(CLI::App* Befehl, Optionen& o) {
    Einstellungsoptionen(Befehl, o);
    Befehl
        ->add_option(
            "--output", o.Ausgabe,
            "comma-separated: runtime, summary, report, csv, log, deco, warnings, gas, contingency, json")
        ->default_str("runtime");
    Befehl->add_option("--save", o.Speichern, "save the computed dive as a .dec file");
    auto* ja = Befehl->add_flag("--yes", o.ja, "answer yes to every question");
    Befehl->add_flag("--no", o.nein, "answer no to every question (the default)")->excludes(ja);
}

} // namespace

int main(int argc, char** argv) {
    const std::string Version = std::string("brelune-cli ") + Brelune_ProgrammVersion::Version_Text;
    // Scripts and packagers ask this often: answered before the options are built.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << Version << '\n';
        return 0;
    }
    Unit_UI::Headless Oberflaeche;
    Oberflaeche.Meldungen_ausgeben = true;
    Unit_UI::UI_setzen(&Oberflaeche);
    Unit_Tools::Dezimaltrennzeichen_setzen('.');

    CLI::App App{"brelune-cli - the Brelune dive planner without a window"};
    App.set_version_flag("--version", Version);
    App.require_subcommand(0, 1);

    Optionen o;
    auto* plan = App.add_subcommand(
        "plan", "plan a dive, or a series of repetition dives, given as .dec files or as points and print "
                "the results");
    auto* Dateien = plan->add_option(
        "DIVE", o.Dateien, "dive file (.dec); its entered waypoints are used, its ascent is recomputed");
    auto* Punkte = plan->add_option("--points", o.Punkte,
                                    "\"RT:DEPTH[:GAS],...\" runtime (min), depth (m), gas index or name")
                       ->allow_extra_args(false);
    auto* Pausen =
        plan->add_option("--surface-interval", o.Pausen,
                         "hours (0 to 10000) at the surface on air at the set air pressure, then the next "
                         "dive (its DIVE file and/or --points) as a repetition dive carrying the tissues, "
                         "CNS and OTU; repeatable; the outputs describe the last dive, the json lists the "
                         "earlier ones in \"previous_dives\"")
            ->allow_extra_args(false)
            ->type_name("HOURS");
    plan->add_option("--apparatus", o.Tauchgeraet, "OC, CCR, SCR or pSCR");
    plan->add_option("--setpoint", o.Setpoint, "CCR setpoint (bar)");
    Gemeinsame_Optionen(plan, o);
    plan->add_option("--export-uddf", o.Export_UDDF, "export the computed dive as a UDDF file");
    plan->add_option("--export-csv", o.Export_CSV, "export the CSV report of the computed dive");

    auto* import = App.add_subcommand(
        "import", "import a dive from a UDDF or CSV/TXT file, analyse it or plan a new ascent");
    import->add_option("FILE", o.Importdatei, "the UDDF (.uddf) or CSV/TXT (.csv, .txt) file")->required();
    import->add_option("--format", o.Format, "uddf or csv (default: from the file's extension)")
        ->check(CLI::IsMember({"uddf", "csv"}));
    import
        ->add_option("--preset", o.Voreinstellung,
                     "CSV column preset: 0 Shearwater Predator, 1 Test Brask, 2 Test Varnow, 3 Telmark, "
                     "4 apnoea data, 5 Brelune cave profile, 6 Brelune CSV")
        ->default_str("0")
        ->check(CLI::Range(0, 6));
    import
        ->add_option("--mode", o.Modus,
                     "keep (as read), analyse (replay and report the profile) or ascent (cut at the end "
                     "of the bottom time, plan a new ascent)")
        ->default_str("analyse");
    import->add_option("--end-of-bottom", o.min_EndeGrundzeit,
                       "end of the bottom time, runtime in min (default: the first deepest waypoint)");
    Cli_Zuordnung::Optionen_anlegen(import, o.Spalten);
    auto* Liste = import->add_flag(
        "--list", o.Liste,
        "UDDF: list the dives of the file (number, the file's dive number, date and time, deepest "
        "point, duration), one line each or as JSON with --output json, and import nothing");
    import
        ->add_option("--dive", o.Tauchgang,
                     "UDDF: import dive N of a logbook (as --list numbers them; default 1)")
        ->type_name("N")
        ->check(CLI::PositiveNumber)
        ->excludes(Liste);
    Gemeinsame_Optionen(import, o);

    Cli_Gasrechner::Mix_Optionen m;
    auto* mix = App.add_subcommand(
        "mix", "the gas calculator: the mix for a pO2 (nitrox, or trimix with --end), the values of a mix, "
               "or the best mix; numbers with a point or a comma");
    mix->add_option("--depth", m.Tiefe, "operating depth (m, 0 to 350); required")->type_name("M");
    mix->add_option("--po2", m.pO2,
                    "wanted oxygen partial pressure (bar, 0.16 to 1.601): the mix for it, a nitrox, or a "
                    "trimix when --end is given")
        ->type_name("BAR");
    mix->add_option("--end", m.END,
                    "with --po2: wanted equivalent narcotic depth (m, 0 to 50), makes a trimix")
        ->type_name("M");
    mix->add_option("--o2", m.O2, "oxygen of a mix (whole percent, 1 to 100): its pO2, MOD, MinOD and END")
        ->type_name("%");
    mix->add_option("--he", m.He, "with --o2: helium (whole percent, default 0); nitrogen is the rest")
        ->type_name("%");
    mix->add_option(
           "--best-mix", m.BestMix,
           "target pO2 (bar, e.g. 1.1 CCR, 1.3, 1.4 OC): the leanest oxygen reaching it, then the least "
           "helium for an END of 30 m")
        ->type_name("BAR");
    mix->add_option("--output", m.Format, "text or json")->default_str("text");
    Einstellungsoptionen(mix, o);

    Cli_Gasmischer::Blend_Optionen b;
    auto* blend = App.add_subcommand(
        "blend", "the gas blender: what to top a cylinder with, by partial pressures, to reach a wanted gas; "
                 "numbers with a point or a comma; exit 3 when the gas cannot be made");
    blend->add_option("--before", b.Vorher, "the cylinder's gas now: oxygen and helium (%) at its pressure")
        ->type_name("O2/HE@BAR");
    blend->add_flag("--empty", b.leer, "the cylinder is empty (instead of --before)");
    blend->add_option("--after", b.Nachher, "the wanted gas: oxygen and helium (%) at its pressure")
        ->type_name("O2/HE@BAR");
    blend->add_option("--volume", b.Volumen, "the cylinder's volume (l, 0.1 to 1000)")
        ->type_name("L")
        ->default_str("6.8");
    blend
        ->add_option("--method", b.Methode,
                     "o2-he-air (oxygen, helium and air, with the injection shares, sensor targets and "
                     "cost), o2-trimix-air (trimix from the bank, air, oxygen) or trimix (the gas after "
                     "topping with the trimix by its pressure)")
        ->default_str("o2-he-air");
    blend
        ->add_option("--trimix", b.Trimix,
                     "the trimix: oxygen and helium (%), its pressure (bar) for --method trimix")
        ->type_name("O2/HE[@BAR]");
    blend->add_option("--output", b.Format, "text or json")->default_str("text");
    blend->add_option("--lang", o.Sprache, "de or en")->default_str("de");

    try {
        App.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return App.exit(e) == 0 ? Erfolg : Aufruffehler;
    }
    if (*mix) return Mix(o, m, Oberflaeche);
    if (*blend) return Blend(o, b);
    if (!*plan && !*import) {
        std::cout << App.help();
        return Erfolg;
    }
    std::map<const CLI::Option*, std::size_t> gelesen;
    for (const CLI::Option* Option : plan->parse_order()) {
        const auto Art = Option == Dateien  ? Cli_Serie::Art::Datei
                         : Option == Punkte ? Cli_Serie::Art::Punkte
                         : Option == Pausen ? Cli_Serie::Art::Pause
                                            : std::optional<Cli_Serie::Art>();
        if (Art) o.Serie.push_back({*Art, Option->results()[gelesen[Option]++]});
    }
    try {
        return *plan ? Planen(o, Oberflaeche) : Importieren(o, Oberflaeche);
    } catch (const Unit_UI::Befehl_abgebrochen& e) {
        return Fehler(std::string("calculation stopped: ") + e.what(), Abgebrochen);
    }
}
