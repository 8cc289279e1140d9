#include "Cli_Serie.hpp"

#include "lang/Unit_Tools.hpp"

#include <cmath>

namespace Cli_Serie {

namespace {

std::optional<float> Stunden_lesen(const std::string& Text, std::string& Fehler) {
    long double h = 0;
    if (!Unit_Tools::Zahl_umwandeln(Text, h) || !std::isfinite(h) || h < 0 || h > Stunden_Grenze) {
        Fehler = "--surface-interval: \"" + Text + "\" is not a number of hours from 0 to " +
                 std::to_string(static_cast<int>(Stunden_Grenze));
        return std::nullopt;
    }
    return static_cast<float>(h);
}

bool beschrieben(const Tauchgang& t) {
    return !t.Datei.empty() || t.Punkte;
}

// A dive file or points for the dive being gathered; false when it has them already.
bool aufnehmen(Tauchgang& t, const Angabe& a, std::size_t Nummer, std::string& Fehler) {
    const std::string Wer = "dive " + std::to_string(Nummer);
    if (a.Was == Art::Datei) {
        if (!t.Datei.empty()) {
            Fehler = Wer + " has two dive files (" + t.Datei + ", " + a.Text +
                     "); separate the dives with --surface-interval HOURS";
            return false;
        }
        t.Datei = a.Text;
        return true;
    }
    if (t.Punkte) {
        Fehler = Wer + " has --points twice; separate the dives with --surface-interval HOURS";
        return false;
    }
    t.Punkte = Cli_Planung::Punkte_lesen(a.Text, Fehler);
    return t.Punkte.has_value();
}

} // namespace

std::optional<std::vector<Tauchgang>> Tauchgaenge(const std::vector<Angabe>& Angaben, std::string& Fehler) {
    std::vector<Tauchgang> Serie(1);
    for (const auto& a : Angaben) {
        if (a.Was != Art::Pause) {
            if (!aufnehmen(Serie.back(), a, Serie.size(), Fehler)) return std::nullopt;
            continue;
        }
        if (!beschrieben(Serie.back())) {
            Fehler =
                "--surface-interval " + a.Text + " follows no dive; give a dive file or --points before it";
            return std::nullopt;
        }
        const auto h = Stunden_lesen(a.Text, Fehler);
        if (!h) return std::nullopt;
        Serie.push_back({{}, std::nullopt, *h});
    }
    if (!beschrieben(Serie.back())) {
        Fehler = Serie.size() == 1 ? "plan needs a dive file or --points"
                                   : "--surface-interval is not followed by a dive; give the next dive's "
                                     "file or --points after it";
        return std::nullopt;
    }
    return Serie;
}

} // namespace Cli_Serie
