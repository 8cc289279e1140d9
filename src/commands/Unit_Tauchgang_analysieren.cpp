#include "commands/Unit_Tauchgang_analysieren.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Report.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Tauchgang_analysieren {

int32_t Modus = Keine_Aktion;
float min_EndeGrundzeit = 0;
std::string Feld_EndeGrundzeit;
bool Fenster_sichtbar = false;
float GF_Lo_Schaetzung = 0;
float GF_Hi_Schaetzung = 0;

namespace {
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace Graph = Unit_Graph_Utilities;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

constexpr float Laufzeit_Toleranz = 0.001f; // min

const W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

void Zeile(Unit_Textpuffer::Textpuffer& p, const std::string& de, const std::string& en,
           const std::string& Wert = "") {
    p.Zeile_anfuegen(Text_waehlen(de, en) + Wert);
}

void Feld_zeigen() {
    Feld_EndeGrundzeit = Zahl_formatieren(5, 1, Punkt(M::WayPoint_letzter_Eingabe).min_Runtime);
}

void Cursor_auf(int32_t i) {
    const auto& w = Punkt(i);
    Graph::Cursor[2] = Graph::Positionsmarke = {w.min_Runtime, w.m_Wasser};
    Graph::Cursor_min_Runtime = w.min_Runtime;
}

void Hauptfenster_auffrischen() {
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
}

// The settings an analysis switches off, kept to be put back afterwards.
struct Sicherheitseinstellungen {
    bool Abstiegsplanung = Unit_AbtauchPlanung::Abstiegsplanung_verwenden;
    bool Tiefenzuschlag = Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag;
    bool Deep_Stop = Unit_Saettigungsmodelle::Deep_Stop_verwenden;
    bool GF = Unit_Saettigungsmodelle::GF_verwenden;

    void ausschalten() const {
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag = false;
        Unit_Saettigungsmodelle::Deep_Stop_verwenden = false;
        Unit_Saettigungsmodelle::GF_verwenden = false;
    }
    void zurueck() const {
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = Abstiegsplanung;
        Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag = Tiefenzuschlag;
        Unit_Saettigungsmodelle::Deep_Stop_verwenden = Deep_Stop;
        Unit_Saettigungsmodelle::GF_verwenden = GF;
    }
};

// The start of a recomputation of the read profile: input open, tissues saturated with air.
void Neu_rechnen_vorbereiten() {
    M::Eingabe_sperren(false);
    Unit_Saettigungsrechnung::Saettigung_Start(false);
    Unit_Saettigungsrechnung::Saettigung_Start(false);
}

void Analyse_Dekoinfo() {
    auto& p = Unit_Textpuffer::Memo_DekoInfo;
    p.Leeren();
    Zeile(p, "Tauchgangsanalyse", "Dive analysis");
    Zeile(p, "Gesamte Aufstiegszeit = ", "total ascent time = ",
          Zahl_formatieren(5, 1, Analysewerte_berechnen().min_Aufstiegszeit) + " min");
}

void Analyse_Tiefen(Unit_Textpuffer::Textpuffer& p, const Analysewerte& a) {
    M::Kopfzeilen_schreiben(p, "Analyse des Tauchgangs", "Dive analysis", a.m_max);
    Zeile(p, "   Grundzeit = ", "   bottom time = ", Zahl_formatieren(5, 1, a.min_Grundzeit) + " min");
    Zeile(p,
          "   Aufstiegszeit = ", "   ascend time = ", Zahl_formatieren(5, 1, a.min_Aufstiegszeit) + " min");
    Zeile(p,
          "   Gesamt-Tauchzeit = ", "   total dive time = ", Zahl_formatieren(5, 1, a.min_Gesamt) + " min");
    Zeile(p, "   max. Abstiegsgeschwindigkeit = ", "   max. descend velocity = ",
          Zahl_formatieren(5, 1, a.v_Abstieg_max) + " m/min");
    Zeile(p, "   max. Aufstiegsgeschwindigkeit = ", "   max. ascend velocity = ",
          Zahl_formatieren(5, 1, a.v_Aufstieg_max) + " m/min");
}

void Analyse_Gase(Unit_Textpuffer::Textpuffer& p, const Analysewerte& a) {
    p.Zeile_anfuegen("");
    Zeile(p, "Sauerstoff", "Oxygen");
    // The pO2 message is used up exactly when the pO2 left the table during the replay.
    const bool ausserhalb = !Unit_Sauerstofftoxizitaet::pO2_Meldung;
    p.Zeile_anfuegen("   max. CNS = " + Zahl_formatieren(5, 1, a.CNS_max) + " %" +
                     (ausserhalb ? " (out of table)" : ""));
    p.Zeile_anfuegen("   max. OTU = " + Zahl_formatieren(5, 1, a.OTU_max));
    p.Zeile_anfuegen("   max. p(O2) = " + Zahl_formatieren(5, 2, a.pO2_max) + " bar");
    p.Zeile_anfuegen("   min. p(O2) = " + Zahl_formatieren(5, 2, a.pO2_min) + " bar");
    Zeile(p, "   Mittelwert p(O2) = ", "   mean p(O2) = ", Zahl_formatieren(5, 2, a.pO2_Mittel) + " bar");
    p.Zeile_anfuegen("");
    Zeile(p, "Inertgas", "Inert gas");
    p.Zeile_anfuegen("   max. p(N2) = " + Zahl_formatieren(5, 2, Unit_Formeln::p_N2_atmen_MAX) + " bar");
    Zeile(p, "   Maximale END = ", "   max END = ", Zahl_formatieren(5, 1, a.m_END_max) + " m");
    p.Zeile_anfuegen("   max. p(He) = " + Zahl_formatieren(5, 2, Unit_Formeln::p_He_atmen_MAX) + " bar");
    M::Volumen_und_Dekozone_schreiben(p);
}

void Analyse_Sicherheit(Unit_Textpuffer::Textpuffer& p) {
    p.Zeile_anfuegen("");
    Zeile(p, "Aus der Tauchgangsanalyse berechnete Sicherheitsreserven",
          "From dive analysis calculated safety margins");
    Zeile(p, "   Bühlmann = nein", "   Bühlmann = no");
    Zeile(p, "   Deep Stop = nein", "   Deep Stop = no");
    Zeile(p, "   Gradientenfaktoren (%)", "   Gradient factors (%)");
    p.Zeile_anfuegen("     GF Lo = " + Zahl_formatieren(5, 2, GF_Lo_Schaetzung));
    p.Zeile_anfuegen("     GF Hi = " + Zahl_formatieren(5, 2, GF_Hi_Schaetzung));
}

void Analyse_Warnungen(Unit_Textpuffer::Textpuffer& p) {
    const auto& Warnungen = Unit_Textpuffer::Memo_Warnung.Zeilen;
    if (Warnungen.size() <= 1) return;
    p.Zeile_anfuegen("");
    Zeile(p, "Warnungen", "Warnings");
    for (std::size_t k = 1; k < Warnungen.size(); ++k) p.Zeile_anfuegen("     " + Warnungen[k]);
}

} // namespace

void Grundzeit_Ende_setzen(float x) {
    const int32_t n = W::WayPoint_Anzahl;
    if (std::fabs(x) < W::min_Schritt) {
        int32_t tiefster = 0;
        for (int32_t i = 1; i <= n; ++i)
            if (Punkt(i).m_Wasser > Punkt(tiefster).m_Wasser) tiefster = i;
        for (int32_t i = 0; i <= n; ++i) W::WayPoint[static_cast<std::size_t>(i)].austauchen = i > tiefster;
        M::WayPoint_letzter_Eingabe = tiefster;
        return;
    }
    M::WayPoint_letzter_Eingabe = 0;
    for (int32_t i = 0; i <= n; ++i) {
        auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        // Runtimes summed up in steps lie a few millionths off the grid; 30.0 is not after "30".
        w.austauchen = x + Laufzeit_Toleranz < w.min_Runtime;
        if (!w.austauchen) M::WayPoint_letzter_Eingabe = i;
    }
}

bool Aufstiegsmarken_stimmig() {
    const int32_t n = W::WayPoint_Anzahl;
    if (Punkt(0).austauchen || !Punkt(n).austauchen) return false;
    for (int32_t i = 1; i < n; ++i)
        if (Punkt(i).austauchen && !Punkt(i + 1).austauchen) return false;
    return true;
}

void Analyse_Fenster_zeigen() {
    M::Analyse_erlaubt = true;
    if (!Aufstiegsmarken_stimmig()) Grundzeit_Ende_setzen(0);
    Feld_zeigen();
    Fenster_sichtbar = true;
    Unit_UI::UI().Status_geaendert();
}

void Analyse_Fenster_schliessen() {
    Fenster_sichtbar = false;
    Unit_UI::UI().Status_geaendert();
}

void Tauchgang_gelesen() {
    M::Tauchgang_geladen();
    Analyse_Fenster_zeigen();
}

bool UDDF_Tauchgang_importieren(const std::string& Dateiname, std::optional<int32_t> Nummer) {
    Analyse_Fenster_schliessen();
    return Unit_Save_Read_UDDF::UDDF_Tauchgang_importieren(Dateiname, Tauchgang_gelesen, Nummer);
}

bool CSV_Tauchgang_importieren(const std::string& Dateiname, int32_t k,
                               const Unit_Save_Read_CSV::Zuordnung_Aenderung& Aenderung) {
    Analyse_Fenster_schliessen();
    return Unit_Save_Read_CSV::CSV_Tauchgang_importieren(Dateiname, k, Tauchgang_gelesen, Aenderung);
}

void Modus_waehlen(int32_t Modus_neu) {
    if (Modus_neu < Keine_Aktion || Modus_neu > Neuer_Aufstieg) return;
    Modus = Modus_neu;
    if (Modus == Analysieren) Cursor_auf(W::WayPoint_Anzahl);
    if (Modus == Neuer_Aufstieg) {
        Feld_zeigen();
        Cursor_auf(M::WayPoint_letzter_Eingabe);
    }
    Hauptfenster_auffrischen();
}

bool Setzen_Klick(const std::string& Feld) {
    long double x = 0;
    if (!Unit_Tools::Zahl_umwandeln(Feld, x) || !std::isfinite(x) || x < 0 || x > 1e6L) {
        Unit_Tools::Meldung_Problem("Ende Grundzeit: \"" + Feld + "\" ist keine Zeit in Minuten",
                                    "End of bottom time: \"" + Feld + "\" is no time in minutes");
        return false;
    }
    min_EndeGrundzeit = static_cast<float>(x);
    Grundzeit_Ende_setzen(min_EndeGrundzeit);
    Cursor_auf(M::WayPoint_letzter_Eingabe);
    Hauptfenster_auffrischen();
    return true;
}

void OK_Klick() {
    if (Modus == Analysieren)
        Tauchgang_auswerten();
    else if (Modus == Neuer_Aufstieg)
        Aufstieg_neu_berechnen();
    else
        Tauchgang_behalten();
    Analyse_Fenster_schliessen();
}

void Tauchgang_behalten() {
    Unit_Report::Runtime_Tabelle_schreiben();
    M::Eingabe_sperren(true);
}

void Tauchgang_auswerten() {
    const Sicherheitseinstellungen Einstellungen;
    Einstellungen.ausschalten();
    const int32_t n = W::WayPoint_Anzahl;
    std::vector<bool> Aufstieg_gesichert(static_cast<std::size_t>(n) + 1);
    for (int32_t i = 0; i <= n; ++i) {
        auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        Aufstieg_gesichert[static_cast<std::size_t>(i)] = w.austauchen;
        w.austauchen = false;
    }
    GF_Spitze.fill(0);
    M::m_Dekozone_Tauchgang = M::min_Dekozone_Tauchgang = 0;
    // The whole profile counts as entered; a closing "STOP" row of a computed dive would come
    // twice, since the calculation closes the dive with one of its own.
    M::WayPoint_letzter_Eingabe = n > 0 && Punkt(n).Aktion == "STOP" ? n - 1 : n;

    Neu_rechnen_vorbereiten();
    Tauchgang_ist_Analyse = true;
    M::Austauchen_Klick();
    Tauchgang_ist_Analyse = false;

    if (!Unit_Tauchgangsberechnung::Berechnung_abgebrochen) {
        const GF_Schaetzung GF = GF_schaetzen();
        GF_Lo_Schaetzung = GF.Lo;
        GF_Hi_Schaetzung = GF.Hi;
        Grundzeit_Ende_setzen(min_EndeGrundzeit);
        Analyse_schreiben();
        Analyse_Dekoinfo();
        Unit_Report::Runtime_Tabelle_schreiben();
    }
    Einstellungen.zurueck();
    // Rows an accident added or removed would shift the flags; the end of bottom time set them.
    if (W::WayPoint_Anzahl == n)
        for (int32_t i = 0; i <= n; ++i)
            W::WayPoint[static_cast<std::size_t>(i)].austauchen =
                Aufstieg_gesichert[static_cast<std::size_t>(i)];
    Hauptfenster_auffrischen();
}

void Aufstieg_neu_berechnen() {
    Neu_rechnen_vorbereiten();
    M::Austauchen_Klick();
}

GF_Schaetzung GF_schaetzen() {
    GF_Schaetzung s;
    const int32_t n = W::WayPoint_Anzahl;
    bool Lo_gefunden = false;
    for (int32_t i = 0; i <= n; ++i) {
        const float p = GF_Spitze[static_cast<std::size_t>(i)];
        s.Hi = std::max(s.Hi, p);
        if (Lo_gefunden || i == n) continue;
        const float p_danach = GF_Spitze[static_cast<std::size_t>(i + 1)];
        if (p > 0 && p > p_danach && Punkt(i).min_Runtime < Punkt(i + 1).min_Runtime) {
            s.Lo = p;
            Lo_gefunden = true;
        }
    }
    return s;
}

Analysewerte Analysewerte_berechnen() {
    Analysewerte a;
    const int32_t n = W::WayPoint_Anzahl;
    a.min_Grundzeit = Punkt(M::WayPoint_letzter_Eingabe).min_Runtime;
    a.min_Gesamt = Punkt(n).min_Runtime;
    a.min_Aufstiegszeit = a.min_Gesamt - a.min_Grundzeit;
    a.pO2_min = Punkt(0).bar_pO2;
    double pO2_Summe = 0;
    for (int32_t i = 0; i <= n; ++i) {
        const auto& w = Punkt(i);
        a.m_max = std::max(a.m_max, w.m_Wasser);
        a.CNS_max = std::max(a.CNS_max, w.CNS_Prozent);
        a.OTU_max = std::max(a.OTU_max, w.OTU);
        a.pO2_max = std::max(a.pO2_max, w.bar_pO2);
        a.pO2_min = std::min(a.pO2_min, w.bar_pO2);
        a.m_END_max = std::max(a.m_END_max, w.m_END);
        pO2_Summe += w.bar_pO2;
        if (i == 0) continue;
        const auto& v = Punkt(i - 1);
        const float dt = w.min_Runtime - v.min_Runtime, dm = w.m_Wasser - v.m_Wasser;
        if (dt <= 0) continue; // the same runtime twice: no velocity
        if (dm > 0) a.v_Abstieg_max = std::max(a.v_Abstieg_max, dm / dt);
        if (dm < 0) a.v_Aufstieg_max = std::max(a.v_Aufstieg_max, -dm / dt);
    }
    a.pO2_Mittel = static_cast<float>(pO2_Summe / (n + 1));
    return a;
}

void Analyse_schreiben() {
    auto& p = Unit_Textpuffer::Memo_Zusammenfassung;
    p.Leeren();
    const Analysewerte a = Analysewerte_berechnen();
    Analyse_Tiefen(p, a);
    Analyse_Gase(p, a);
    Analyse_Sicherheit(p);
    M::Gegendiffusion_Block(
        p, "Aus der Tauchgangsanalyse berechnete Gegendiffusion und Inertgas-Druckgradienten (ohne GF)",
        "From dive analysis calculated counter diffusion and inert gas gradients (without GF)");
    Analyse_Warnungen(p);
    Unit_UI::UI().Status_geaendert();
}

} // namespace Unit_Tauchgang_analysieren
