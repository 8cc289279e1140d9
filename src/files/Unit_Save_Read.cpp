#include "files/Unit_Save_Read.hpp"

#include "core/Unit_Main.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_UI.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>

namespace Unit_Save_Read {

std::string Pfad_Tauchgang;
std::string Datei_Tauchgang;
std::string Kommentar;
std::string Comment;

namespace {
namespace W = Unit_WayPoints;
namespace E = Unit_Einstellungsdatei;
using E::Grenzen;

void Wegpunkt_durchlaufen(E::Zugriff& Z, int32_t k) {
    auto& w = W::WayPoint[static_cast<std::size_t>(k)];
    const std::string Name = "Tauchgang#" + std::to_string(k);
    Z.Abschnitt(Name, Name);
    Z.Gleitzahl("Runtime (min) ***************", "Runtime (min) ***************", w.min_Runtime, 0, 2, 7,
                Grenzen{0, 1.0e6L});
    Z.Gleitzahl("Tiefe (m)", "Tiefe (m)", w.m_Wasser, 0, 2, 6, Grenzen{0, 1000});
    std::string Geraet = E::Tauchgeraet_Dateitext(w.Tauchgeraet);
    Z.Text("Tauchgeraet", "Tauchgeraet", Geraet, "");
    if (Z.lesen()) {
        const auto Code = E::Tauchgeraet_aus_Dateitext(Geraet);
        bool Kreislauf = false;
        // Files written before the apparatus key knew only closed circuit or not.
        if (!Code) Z.Wahrheitswert("Kreislaufsystem", "Kreislaufsystem", Kreislauf, false);
        w.Tauchgeraet = Code ? *Code : (Kreislauf ? 1 : 0);
    }
    Z.Ganzzahl("Atemgas", "Atemgas", w.Gas_Nr, 0);
    Z.Gleitzahl("CCR p(O2) (bar)", "CCR p(O2) (bar)", w.CCR_Setpoint, 1.3f, 2, 5);
    // the record keeps these in forms of its own: walked as plain values
    float SCR_Flow = w.SCR_Flow;
    int32_t pSCR_DumpRatio = w.pSCR_DumpRatio;
    std::string Aktion = w.Aktion, Warnung = w.Warnung;
    Z.Gleitzahl("SCR flow (l/min)", "SCR flow (l/min)", SCR_Flow, 15.6f, 1, 4);
    Z.Ganzzahl("pSCR dump ratio (%)", "pSCR dump ratio (%)", pSCR_DumpRatio, 10, Grenzen{5, 100});
    Z.Gleitzahl("p(O2) (bar)", "p(O2) (bar)", w.bar_pO2, 1.3f, 2, 5);
    Z.Gleitzahl("CNS (%)", "CNS (%)", w.CNS_Prozent, 0, 2, 6);
    Z.Gleitzahl("OTU", "OTU", w.OTU, 0, 1, 5);
    Z.Gleitzahl("END (m)", "END (m)", w.m_END, 0, 2, 6);
    Z.Text("Aktion", "Aktion", Aktion, "");
    Z.Text("Warnung", "Warnung", Warnung, "");
    Z.Wahrheitswert("austauchen", "austauchen", w.austauchen, false);
    w.SCR_Flow = SCR_Flow;
    w.pSCR_DumpRatio = pSCR_DumpRatio;
    w.Aktion = Aktion;
    w.Warnung = Warnung;
}

// Time runs forward: a waypoint earlier than the one before it would make the replay run backwards.
void Runtimes_ordnen(E::Zugriff& Z) {
    for (int32_t k = 1; k <= W::WayPoint_Anzahl; ++k) {
        auto& w = W::WayPoint[static_cast<std::size_t>(k)];
        const float vorher = W::WayPoint[static_cast<std::size_t>(k - 1)].min_Runtime;
        if (w.min_Runtime >= vorher) continue;
        w.min_Runtime = vorher;
        const std::string Wert = Unit_Tools::Zahl_formatieren(0, 2, vorher);
        Z.Problem_melden("Runtime-Reihenfolge",
                         "Wegpunkt " + std::to_string(k) +
                             ": Runtime kleiner als beim vorigen Wegpunkt.\r-> wird gesetzt auf " + Wert,
                         "Waypoint " + std::to_string(k) +
                             ": runtime below that of the previous waypoint.\r-> will be set to " + Wert);
    }
}

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

void WayPoints_durchlaufen(E::Zugriff& Z) {
    Z.Abschnitt("Tauchgang", "Tauchgang");
    int32_t n = std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
    Z.Ganzzahl("Wegpunkte max", "Wegpunkte max", n, 0, Grenzen{0, W::WayPointMax * 1.0L});
    if (Z.lesen()) {
        W::WayPoints_loeschen();
        W::WayPoint_Anzahl = n;
    }
    for (int32_t k = 0; k <= n; ++k) Wegpunkt_durchlaufen(Z, k);
    if (Z.lesen()) Runtimes_ordnen(Z);
}

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
    WayPoints_durchlaufen(Z);
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
    WayPoints_durchlaufen(Z);
    E::Gasnummern_pruefen();
    std::tie(Pfad_Tauchgang, Datei_Tauchgang) = Unit_Tools::Pfad_teilen(Pfad);
    W::min_Runtime = Unit_Main::min_Runtime_Start;
    W::m_Wasser = Unit_Main::m_Wasser_Start;
    Textseiten_leeren();
    Unit_Gasgemisch_BestMix::Gasnamen_Sprache_anpassen();
    Unit_Main::Tauchgang_gespeichert = true;
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
    if (!Tauchgangsdatei_schreiben(*Pfad)) {
        Pfad_Tauchgang.clear();
        Datei_Tauchgang = Nicht_gespeichert;
        return false;
    }
    Unit_Main::Tauchgang_gespeichert = true;
    E::Einstellungsdatei_schreiben();
    return true;
}

bool Tauchgang_lesen() {
    const auto Pfad = Unit_UI::UI().Datei_waehlen({false, Dateifilter, Pfad_Tauchgang, "*.dec"});
    return Pfad && Tauchgangsdatei_lesen(*Pfad);
}

bool Tauchgang_laden(const std::function<void()>& Tauchgang_geladen) {
    namespace G = Unit_Gasgemisch_BestMix;
    G::Gasliste_merken();
    const bool gelesen = Tauchgang_lesen();
    if (gelesen) {
        const std::string& Text = Kommentar_der_Sprache();
        if (!Text.empty()) Unit_Tools::Meldung_Info(Kommentar_Anzeigetext(Text), Kommentar_Anzeigetext(Text));
        if (Tauchgang_geladen) Tauchgang_geladen();
    }
    G::Gasliste_zusammenfuehren();
    return gelesen;
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
    WayPoints_durchlaufen(Tauchgang);
    return {std::move(Einstellungen.Anzeige), std::move(Tauchgang.Anzeige)};
}

} // namespace Unit_Save_Read
