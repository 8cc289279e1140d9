#include "commands/Unit_Programmstart.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace Unit_Programmstart {

std::string Programmordner;

namespace {
namespace fs = std::filesystem;
namespace E = Unit_Einstellungsdatei;
namespace W = Unit_WayPoints;

// The settings file is written at the end only when this run used it and did not fail to read
// it: a file that could not be read is not replaced by the defaults this run went on with.
bool Einstellungsdatei_schreiben_erlaubt = false;

std::string als_Ordner(const fs::path& Pfad) {
    std::string Text = Pfad.lexically_normal().string();
    if (Text.empty() || Text.back() != '/') Text += '/';
    return Text;
}

void Einstellungen_lesen(const Startoptionen& Optionen, bool Ordner_da) {
    Einstellungsdatei_schreiben_erlaubt = false;
    if (Optionen.Einstellungszeilen) {
        E::Einstellungen_aus_Zeilen(*Optionen.Einstellungszeilen);
    } else if (Optionen.Einstellungsdatei_verwenden && !Ordner_da) {
        E::Einstellungen_aus_Zeilen({}); // its message was shown; every default, no second one
        Einstellungsdatei_schreiben_erlaubt = true;
    } else if (Optionen.Einstellungsdatei_verwenden) {
        Einstellungsdatei_schreiben_erlaubt = E::Einstellungsdatei_lesen();
    }
}
} // namespace

void Programm_starten(const Startoptionen& Optionen) {
    namespace S = Unit_Saettigungsmodelle;
    Unit_Main::Berichte_anmelden();
    Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
    W::WayPoints_loeschen();
    S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
    S::Modell_He_aus_Liste(S::Modell_He_Standard);
    Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);

    Programmordner = Optionen.Programmordner;
    const bool Ordner_da =
        Optionen.Einstellungsdatei_verwenden && E::Einstellungsordner_anlegen(Programmordner);
    Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
    Einstellungen_lesen(Optionen, Ordner_da);

    if (Optionen.Sprache) Unit_Tools::Sprache = *Optionen.Sprache == 0 ? 0 : 1;
    // A gas list saved in the other language still calls air by that language's name.
    Unit_Gasgemisch_BestMix::Gasnamen_Sprache_anpassen();
    W::min_Runtime_Start = std::clamp(W::min_Runtime_Start, 0.0f, Unit_Main::min_Runtime_Grenze);
    W::m_Wasser_Start = std::clamp(W::m_Wasser_Start, 0.0f, Unit_Main::m_Wasser_Grenze);
    // Always a new dive saturated with air: waypoints read with the settings are dropped.
    Unit_Main::Neuer_Tauchgang();
}

bool Programm_beenden() {
    if (!Unit_Warnhinweis::akzeptiert) return true;
    if (!W::Tauchgang_gespeichert &&
        Unit_Tools::Frage_Ja_Nein("Tauchgang noch nicht gespeichert\r\rJetzt speichern",
                                  "Dive not yet saved\r\rSave now") &&
        !Unit_Save_Read::Tauchgang_speichern(Unit_Save_Read::Kommentar_der_Sprache()))
        return false;
    if (Einstellungsdatei_schreiben_erlaubt) E::Einstellungsdatei_schreiben();
    return true;
}

std::string Programmordner_ermitteln() {
    std::error_code f;
    const fs::path Programm = fs::read_symlink("/proc/self/exe", f);
    return f ? std::string() : Programm.parent_path().string();
}

std::string Datenordner() {
    std::error_code f;
    if (!Programmordner.empty()) {
        const fs::path installiert = fs::path(Programmordner) / BRELUNE_DATEN_INSTALLIERT;
        if (fs::is_directory(installiert, f)) return als_Ordner(installiert);
    }
    const fs::path Quellbaum = BRELUNE_DATEN_QUELLE;
    if (fs::is_directory(Quellbaum, f)) return als_Ordner(Quellbaum);
    return {};
}

bool Tauchgang_Beispiel_laden() {
    const std::string Ordner = Datenordner();
    if (Ordner.empty()) {
        Unit_Tools::Meldung_Problem("Der Ordner der Beispieltauchgänge ist nicht zu finden",
                                    "The folder of the example dives cannot be found");
        return false;
    }
    return Unit_Save_Read::Tauchgang_Beispiel_laden(Ordner, Unit_Tauchgang_analysieren::Tauchgang_gelesen);
}

bool Datei_oeffnen(const std::string& Pfad) {
    namespace A = Unit_Tauchgang_analysieren;
    std::string Endung = std::filesystem::path(Pfad).extension().string();
    std::transform(Endung.begin(), Endung.end(), Endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (Endung == ".dec") {
        A::Analyse_Fenster_schliessen();
        return Unit_Save_Read::Tauchgang_laden_Datei(Pfad, A::Tauchgang_gelesen);
    }
    if (Endung == ".uddf") return A::UDDF_Tauchgang_importieren(Pfad);
    if (Endung == ".csv" || Endung == ".txt")
        return A::CSV_Tauchgang_importieren(Pfad, Endung == ".csv" ? 0 : 1);
    Unit_Tools::Meldung_Problem(Pfad + " ist kein Tauchgang (.dec, .uddf, .csv, .txt)",
                                Pfad + " is no dive (.dec, .uddf, .csv, .txt)");
    return false;
}

} // namespace Unit_Programmstart
