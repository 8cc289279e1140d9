#include "Cli_Planung.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_IniDatei.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace Cli_Planung {

namespace {
std::string klein(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::vector<std::string> teilen(const std::string& Text, char Trenner) {
    std::vector<std::string> Teile;
    std::string Teil;
    std::istringstream ein(Text);
    while (std::getline(ein, Teil, Trenner)) Teile.push_back(Teil);
    if (!Text.empty() && Text.back() == Trenner) Teile.emplace_back();
    return Teile;
}
} // namespace

std::optional<std::vector<Punkt>> Punkte_lesen(const std::string& Text, std::string& Fehler) {
    std::vector<Punkt> Punkte;
    for (const auto& Eintrag : teilen(Text, ',')) {
        const auto Teile = teilen(Eintrag, ':');
        long double min = 0, m = 0;
        if (Teile.size() < 2 || Teile.size() > 3 || !Unit_Tools::Zahl_umwandeln(Teile[0], min) ||
            !Unit_Tools::Zahl_umwandeln(Teile[1], m)) {
            Fehler = "--points: \"" + Eintrag + "\" is not RUNTIME:DEPTH[:GAS]";
            return std::nullopt;
        }
        Punkt p{static_cast<float>(min), static_cast<float>(m), std::nullopt};
        if (Teile.size() == 3) p.Gas = Teile[2];
        Punkte.push_back(p);
    }
    if (Punkte.empty()) {
        Fehler = "--points: no point given";
        return std::nullopt;
    }
    return Punkte;
}

std::optional<std::vector<std::string>> Einstellungszeilen_lesen(const std::string& Pfad,
                                                                 std::string& Fehler) {
    auto Datei = Unit_Textdatei::Datei_lesen(Pfad);
    if (!Datei.gelesen) {
        Fehler = "--settings: " + Pfad + ": " + (Datei.fehlt ? std::string("no such file") : Datei.Fehler);
        return std::nullopt;
    }
    return std::move(Datei.Zeilen);
}

bool Einstellung_setzen(const std::string& Zuweisung, std::string& Fehler) {
    const auto Strich = Zuweisung.find('/');
    const auto Gleich = Zuweisung.find('=', Strich == std::string::npos ? 0 : Strich);
    if (Strich == std::string::npos || Gleich == std::string::npos) {
        Fehler = "--set: \"" + Zuweisung + "\" is not SECTION/KEY=VALUE";
        return false;
    }
    const std::string Abschnitt = Zuweisung.substr(0, Strich);
    const std::string Schluessel = Zuweisung.substr(Strich + 1, Gleich - Strich - 1);
    auto Ini = Unit_IniDatei::IniDatei::aus_Zeilen(Unit_Einstellungsdatei::Einstellungsdatei_Zeilen());
    if (!Ini.Abschnitt_vorhanden(Abschnitt)) {
        Fehler = "--set: unknown section \"" + Abschnitt + "\"";
        return false;
    }
    if (!Ini.Wert(Abschnitt, Schluessel)) {
        Fehler = "--set: unknown key \"" + Schluessel + "\" in section \"" + Abschnitt + "\"";
        return false;
    }
    Ini.Wert_setzen(Abschnitt, Schluessel, Zuweisung.substr(Gleich + 1));
    Unit_Einstellungsdatei::Einstellungen_aus_Zeilen(Ini.Zeilen());
    return true;
}

bool Tauchgang_laden(const std::string& Pfad, std::string& Fehler) {
    const bool gelesen = Unit_Save_Read::Tauchgang_laden_Datei(Pfad, Unit_Main::Tauchgang_geladen);
    if (!gelesen) Fehler = Pfad + ": the dive file cannot be read";
    return gelesen;
}

bool Tauchgang_speichern(const std::string& Pfad, std::string& Fehler) {
    if (Unit_Save_Read::Tauchgangsdatei_schreiben(Pfad)) return true;
    Fehler = "--save: " + Pfad + " cannot be written";
    return false;
}

std::string Format_aus_Endung(const std::string& Pfad) {
    const auto Punkt = Pfad.rfind('.');
    const std::string Endung = Punkt == std::string::npos ? "" : klein(Pfad.substr(Punkt + 1));
    if (Endung == "uddf") return "uddf";
    if (Endung == "csv" || Endung == "txt") return "csv";
    return "";
}

bool Tauchgang_importieren(const std::string& Pfad, const std::string& Format, int Voreinstellung, int Nummer,
                           std::string& Fehler, const Unit_Save_Read_CSV::Zuordnung_Aenderung& Zuordnung) {
    namespace A = Unit_Tauchgang_analysieren;
    const bool gelesen = Format == "uddf" ? A::UDDF_Tauchgang_importieren(Pfad, Nummer)
                                          : A::CSV_Tauchgang_importieren(Pfad, Voreinstellung, Zuordnung);
    if (!gelesen) Fehler = Pfad + ": no dive could be imported from the file";
    return gelesen;
}

std::optional<int> Analysemodus_finden(const std::string& Text) {
    namespace A = Unit_Tauchgang_analysieren;
    const std::string t = klein(Text);
    if (t == "keep") return A::Keine_Aktion;
    if (t == "analyse" || t == "analyze") return A::Analysieren;
    if (t == "ascent") return A::Neuer_Aufstieg;
    return std::nullopt;
}

bool Analysieren(int Modus, std::optional<float> min_EndeGrundzeit) {
    namespace A = Unit_Tauchgang_analysieren;
    A::Modus_waehlen(Modus);
    if (min_EndeGrundzeit && !A::Setzen_Klick(Unit_Tools::Zahl_formatieren_Punkt(0, 4, *min_EndeGrundzeit)))
        return false;
    A::OK_Klick();
    return !Unit_Tauchgangsberechnung::Berechnung_abgebrochen;
}

bool UDDF_exportieren(const std::string& Pfad, std::string& Fehler) {
    if (Unit_Save_Read_UDDF::UDDF_exportieren_Datei(Pfad)) return true;
    Fehler = "--export-uddf: " + Pfad + " cannot be written";
    return false;
}

bool CSV_exportieren(const std::string& Pfad, std::string& Fehler) {
    if (Unit_Save_Read_CSV::CSV_exportieren_Datei(Pfad)) return true;
    Fehler = "--export-csv: " + Pfad + " cannot be written";
    return false;
}

std::optional<int> Gas_finden(const std::string& Gas) {
    namespace G = Unit_Gasgemisch_BestMix;
    long double Nr = 0;
    if (Unit_Tools::Zahl_umwandeln(Gas, Nr)) {
        if (Nr >= 0 && Nr <= G::Gasgemisch_NumMax && Nr == static_cast<int>(Nr)) return static_cast<int>(Nr);
        return std::nullopt;
    }
    for (int i = 0; i <= G::Gasgemisch_NumMax; ++i)
        if (klein(G::Gasgemisch[static_cast<std::size_t>(i)].Name) == klein(Gas)) return i;
    return std::nullopt;
}

std::optional<int> Tauchgeraet_finden(const std::string& Text) {
    const std::string t = klein(Text);
    for (int k = 0; k <= 3; ++k)
        if (t == klein(Unit_Formeln::Tauchgeraet_Text(k))) return k;
    return std::nullopt;
}

namespace {
std::string Zahl(float x) {
    return Unit_Tools::Zahl_formatieren_Punkt(0, 1, x);
}

// The Dive command keeps a point inside the limits (runtime, depth, descent and ascent velocity)
// without a word, as the window shows the kept value in its field; here it is said.
void Begrenzungen_melden(long double min_eingegeben, long double m_eingegeben) {
    namespace W = Unit_WayPoints;
    using Unit_Tools::Text_waehlen;
    const auto melden = [](const std::string& Text) {
        Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Info, Text);
    };
    const float min = static_cast<float>(min_eingegeben), m = static_cast<float>(m_eingegeben);
    const float min_neu = static_cast<float>(W::min_Runtime);
    if (min_neu != min)
        melden(Text_waehlen("Laufzeit " + Zahl(min) + " min begrenzt auf " + Zahl(min_neu) + " min",
                            "runtime " + Zahl(min) + " min limited to " + Zahl(min_neu) + " min"));
    const float m_im_Bereich = std::clamp(m, 0.0f, Unit_Main::m_Wasser_Grenze);
    if (m_im_Bereich != m)
        melden(Text_waehlen("Tiefe " + Zahl(m) + " m begrenzt auf " + Zahl(m_im_Bereich) + " m",
                            "depth " + Zahl(m) + " m limited to " + Zahl(m_im_Bereich) + " m"));
    if (W::m_Wasser != m_im_Bereich)
        melden(Text_waehlen(
            "Tiefe " + Zahl(m_im_Bereich) + " m bei " + Zahl(min_neu) + " min begrenzt auf " +
                Zahl(W::m_Wasser) + " m (Abstieg höchstens " + Zahl(Unit_Main::v_Abstieg_Grenze) +
                " m/min, Aufstieg höchstens " + Zahl(Unit_Main::v_Aufstieg_Grenze) + " m/min)",
            "depth " + Zahl(m_im_Bereich) + " m at " + Zahl(min_neu) + " min limited to " +
                Zahl(W::m_Wasser) + " m (descent at most " + Zahl(Unit_Main::v_Abstieg_Grenze) +
                " m/min, ascent at most " + Zahl(Unit_Main::v_Aufstieg_Grenze) + " m/min)"));
}
} // namespace

bool Punkte_eingeben(const std::vector<Punkt>& Punkte, std::string& Fehler) {
    for (const auto& p : Punkte) {
        if (p.Gas) {
            const auto Gas = Gas_finden(*p.Gas);
            if (!Gas) {
                Fehler = "--points: no gas \"" + *p.Gas + "\" in the gas table";
                return false;
            }
            Unit_Main::Gas_waehlen(*Gas);
        }
        const std::string Runtime = Unit_Tools::Zahl_formatieren_Punkt(0, 4, p.min_Runtime);
        const std::string Tiefe = Unit_Tools::Zahl_formatieren_Punkt(0, 4, p.m_Wasser);
        Unit_Main::Tauchen(Runtime, Tiefe);
        Begrenzungen_melden(Unit_Tools::Zahl_lesen(Runtime), Unit_Tools::Zahl_lesen(Tiefe));
    }
    return true;
}

bool Berechnen() {
    Unit_Main::Austauchen_Klick();
    return !Unit_Tauchgangsberechnung::Berechnung_abgebrochen;
}

bool Wiederholungstauchgang_beginnen(float Stunden, const std::string& Datei, std::string& Fehler) {
    if (Datei.empty()) {
        Unit_Main::Wiederholungstauchgang_beginnen(Stunden);
        return true;
    }
    if (Unit_Main::Wiederholungstauchgang_laden(Datei, Stunden)) return true;
    Fehler = Datei + ": the dive file cannot be read";
    return false;
}

} // namespace Cli_Planung
