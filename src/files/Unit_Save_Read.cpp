#include "files/Unit_Save_Read.hpp"

#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_Gasnummern.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>

namespace Unit_Save_Read {

namespace {
namespace W = Unit_WayPoints;
namespace E = Unit_Einstellungsdatei;
void Textseiten_leeren() {
    namespace T = Unit_Textpuffer;
    for (auto* p : {&T::Memo_Gasverbrauch, &T::Memo_DekoInfo, &T::Memo_Warnung, &T::Memo_Tauchgangsberechnung,
                    &T::Memo_Zusammenfassung, &T::Memo_Report, &T::Memo_ReportCSV, &T::Memo_RunTimeTabelle})
        p->Leeren();
}

bool ist_Tauchgangsdatei(const Unit_IniDatei::IniDatei& Ini) {
    return Ini.Abschnitt_vorhanden("Tauchgang") || Ini.Abschnitt_vorhanden("Programm");
}
} // namespace

std::string& Kommentar_der_Sprache() {
    return Unit_Tools::Sprache == 1 ? Comment : Kommentar;
}

std::string Kommentar_Anzeigetext(const std::string& Text) {
    std::string t;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '*') {
            t += Text[i];
            continue;
        }
        t += '\r';
        if (i + 1 < Text.size() && Text[i + 1] == ' ') ++i;
    }
    return t;
}

std::vector<std::string> Tauchgangsdatei_Zeilen() {
    E::Zugriff Z(E::Modus::saveX);
    E::Einstellungen_durchlaufen(Z);
    E::WayPoints_durchlaufen(Z);
    return Z.Zeilen;
}

bool Tauchgangsdatei_schreiben(const std::string& Pfad) {
    const std::string Fehler = Unit_Textdatei::Datei_schreiben(Pfad, Tauchgangsdatei_Zeilen());
    if (Fehler.empty()) return true;
    E::Schreibfehler_melden(Pfad, Fehler);
    return false;
}

bool Tauchgangsdatei_lesen(const std::string& Pfad) {
    const auto Datei = Unit_Textdatei::Datei_lesen(Pfad);
    if (!Datei.gelesen) {
        E::Lesefehler_melden(Pfad, Datei.Fehler);
        return false;
    }
    E::Zugriff Z(E::Modus::read);
    Z.Ini = Unit_IniDatei::IniDatei::aus_Zeilen(Datei.Zeilen);
    if (!ist_Tauchgangsdatei(Z.Ini)) {
        Unit_Tools::Meldung_Problem("Datei " + Pfad + " ist keine Tauchgangsdatei",
                                    "File " + Pfad + " is no dive file");
        return false;
    }
    Z.Sprache_lesen = false;
    E::Einstellungen_durchlaufen(Z);
    E::WayPoints_durchlaufen(Z);
    E::Gasnummern_pruefen();
    std::tie(Pfad_Tauchgang, Datei_Tauchgang) = Unit_Tools::Pfad_teilen(Pfad);
    W::min_Runtime = Unit_WayPoints::min_Runtime_Start;
    W::m_Wasser = Unit_WayPoints::m_Wasser_Start;
    Textseiten_leeren();
    Unit_Gasgemisch_BestMix::Gasnamen_Sprache_anpassen();
    Unit_WayPoints::Tauchgang_gespeichert = true;
    return true;
}

bool Tauchgang_speichern(const std::string& Kommentar_Eingabe) {
    Kommentar_der_Sprache() = Kommentar_Eingabe;
    const auto Pfad = Unit_UI::UI().Datei_waehlen({true, Dateifilter, Pfad_Tauchgang, Datei_Tauchgang});
    if (!Pfad) {
        Pfad_Tauchgang.clear();
        Datei_Tauchgang = Nicht_gespeichert;
        Unit_Tools::Meldung_Problem("Abbruch", "Cancel");
        return false;
    }
    const auto [Ordner, Name] = Unit_Tools::Pfad_teilen(*Pfad);
    Pfad_Tauchgang = Ordner;
    Datei_Tauchgang = Name;
    const Unit_Tools::Bitte_warten Warten("Tauchgang wird gespeichert", "Saving dive data");
    if (!Tauchgangsdatei_schreiben(*Pfad)) {
        Pfad_Tauchgang.clear();
        Datei_Tauchgang = Nicht_gespeichert;
        return false;
    }
    Unit_WayPoints::Tauchgang_gespeichert = true;
    E::Einstellungsdatei_schreiben();
    return true;
}

bool Tauchgang_lesen() {
    const auto Pfad = Unit_UI::UI().Datei_waehlen({false, Dateifilter, Pfad_Tauchgang, "*.dec"});
    return Pfad && Tauchgangsdatei_lesen(*Pfad);
}

namespace {
// After the read (or its failure): the comment shown, the dive taken over, the gases merged.
bool Laden_abschliessen(bool gelesen, const std::function<void()>& Tauchgang_geladen) {
    if (gelesen) {
        const std::string& Text = Kommentar_der_Sprache();
        if (!Text.empty()) Unit_Tools::Meldung_Info(Kommentar_Anzeigetext(Text), Kommentar_Anzeigetext(Text));
        if (Tauchgang_geladen) Tauchgang_geladen();
    }
    Unit_Gasnummern::Gasliste_zusammenfuehren();
    return gelesen;
}
} // namespace

bool Tauchgang_laden(const std::function<void()>& Tauchgang_geladen) {
    Unit_Gasgemisch_BestMix::Gasliste_merken();
    return Laden_abschliessen(Tauchgang_lesen(), Tauchgang_geladen);
}

bool Tauchgang_laden_Datei(const std::string& Pfad, const std::function<void()>& Tauchgang_geladen) {
    Unit_Gasgemisch_BestMix::Gasliste_merken();
    return Laden_abschliessen(Tauchgangsdatei_lesen(Pfad), Tauchgang_geladen);
}

bool Tauchgang_Beispiel_laden(const std::string& Datenordner,
                              const std::function<void()>& Tauchgang_geladen) {
    const std::string vorher = Pfad_Tauchgang;
    std::string Ordner = Datenordner;
    if (!Ordner.empty() && Ordner.back() != '/') Ordner += '/';
    Pfad_Tauchgang = Ordner + Unit_Tools::Text_waehlen("Tauchgang_Beispiele/", "Example_dives/");
    const bool gelesen = Tauchgang_laden(Tauchgang_geladen);
    Pfad_Tauchgang = vorher;
    return gelesen;
}

Uebersicht_Type Uebersicht() {
    E::Zugriff Einstellungen(E::Modus::show);
    E::Einstellungen_durchlaufen(Einstellungen);
    E::Zugriff Tauchgang(E::Modus::show);
    E::WayPoints_durchlaufen(Tauchgang);
    return {std::move(Einstellungen.Anzeige), std::move(Tauchgang.Anzeige)};
}

} // namespace Unit_Save_Read
