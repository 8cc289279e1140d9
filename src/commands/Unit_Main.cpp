#include "commands/Unit_Main.hpp"

#include "commands/Unit_Kontingenz.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "files/Unit_Save_Read.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasrechner.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Unit_Main {

bool Eingabe_gesperrt = false;
bool Berechnung_laeuft = false;
bool Analyse_erlaubt = false;
bool Abstiegsplanung_waehlbar = true;
Unit_WayPoints::WayPoint_Type WayPoint_Start;
long double Uhrzeit_Start_min = 0;
long double Uhrzeit_Ende_min = 0;
float m_Dekozone_Tauchgang = 0;
float min_Dekozone_Tauchgang = 0;
std::function<void()> Berichte_schreiben;
float Flugverbot_Stunden = -1;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace S = Unit_Saettigungsmodelle;
namespace T = Unit_Tauchgangsberechnung;
namespace U = Unit_AustauchPlanung;
namespace Graph = Unit_Graph_Utilities;
namespace Memo = Unit_Textpuffer;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

const std::string Abgebrochen_de = "! Tauchgangsberechnung abgebrochen !";
const std::string Abgebrochen_en = "! Dive calculation cancelled !";
const std::string Vortauchgang_ungespeichert = "Nicht gespeichert";

void Anzeigen_leeren() {
    for (Memo::Textpuffer* m :
         {&Memo::Memo_Tauchgangsberechnung, &Memo::Memo_DekoInfo, &Memo::Memo_Warnung,
          &Memo::Memo_Zusammenfassung, &Memo::Memo_Gasverbrauch, &Memo::Memo_RunTimeTabelle,
          &Memo::Memo_Report, &Memo::Memo_ReportCSV, &Memo::Memo_Kontingenz})
        m->Leeren();
    Memo::Memo_Tauchgangsberechnung.Zeile_anfuegen("*** Eingabe Tauchgang ***");
    Graph::Graph_loeschen(true);
    T::Annotation_zeichnen(true, 0);
    Graph::Positionsmarke = {0, 0};
    Unit_UI::UI().Status_geaendert();
}

void WayPoints_zeichnen(int32_t bis) {
    Graph::Plot_loeschen(Graph::Plot_Eingabe);
    for (int32_t i = 0; i <= bis; ++i) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        Graph::Punkt_hinzufuegen(Graph::Plot_Eingabe, w.min_Runtime, w.m_Wasser);
        T::Annotation_zeichnen(true, i);
    }
}

void Start_beschriften() {
    W::WayPoint[0].Aktion = "START";
    WayPoints_zeichnen(0);
}

void Startwerte_uebernehmen() {
    W::min_Runtime = min_Runtime_Start;
    W::m_Wasser = m_Wasser_Start;
    W::Gas_Nr = W::Gas_Nr_Start;
    G::Gasgemisch_waehlen(W::Gas_Nr);
    W::Tauchgeraet = W::Tauchgeraet_Start;
    W::CCR_Setpoint = W::CCR_Setpoint_Start;
    W::SCR_Flow = W::SCR_Flow_Start;
    W::pSCR_DumpRatio = W::pSCR_DumpRatio_Start;
    Unit_CCR_SCR::Sollwerte_uebernehmen();
}

// The displays of a dive being entered: empty texts, START alone, the input cursor at the start.
void Eingabe_beginnen() {
    Anzeigen_leeren();
    Eingabemarke = WayPoint_letzter_Eingabe = 0;
    Grafikmodus = 1;
    Start_beschriften();
    Abstiegsplanung_waehlbar = true;
    Eingabe_sperren(false);
    Graph::Cursor[1] = {min_Runtime_Start, m_Wasser_Start};
}

void Kommentare_leeren() {
    Unit_Save_Read::Kommentar.clear();
    Unit_Save_Read::Comment.clear();
}

// The first row of a descent table at 0 m sets the start of a new dive.
void Startwerte_aus_Abstiegsplan() {
    namespace A = Unit_AbtauchPlanung;
    if (!A::Abstiegsplanung_verwenden) return;
    const auto& sp = A::Abstieg_Setpoint.Zeile[0];
    if (A::Abstieg_Setpoint_variabel && sp.m_ab == 0 && std::fabs(W::CCR_Setpoint - sp.Wert) > 0.01f)
        W::CCR_Setpoint = W::CCR_Setpoint_Start = sp.Wert;
    const auto& gas = A::Abstieg_Gaswechsel.Zeile[0];
    if (A::Abstieg_Gaswechsel_OK && gas.m_ab == 0) {
        const auto Nr = static_cast<int32_t>(std::lround(gas.Wert));
        if (Nr >= 0 && Nr <= G::Gasgemisch_NumMax) {
            W::Gas_Nr = W::Gas_Nr_Start = Nr;
            G::Gasgemisch_waehlen(Nr);
        }
    }
}

void Startwerte_merken(float min, float m) {
    min_Runtime_Start = std::min(min, min_Runtime_Grenze);
    m_Wasser_Start = std::min(m, m_Wasser_Grenze);
    W::Gas_Nr_Start = W::Gas_Nr;
    W::Tauchgeraet_Start = W::Tauchgeraet;
    W::CCR_Setpoint_Start = W::CCR_Setpoint;
    W::SCR_Flow_Start = W::SCR_Flow;
    W::pSCR_DumpRatio_Start = W::pSCR_DumpRatio;
    Startwerte_aus_Abstiegsplan();
    W::WayPoint_Type& w0 = W::WayPoint[0];
    w0.Gas_Nr = W::Gas_Nr;
    w0.Tauchgeraet = W::Tauchgeraet;
    w0.SCR_Flow = W::SCR_Flow;
    w0.CCR_Setpoint = W::CCR_Setpoint;
    w0.bar_pO2 = W::bar_pO2;
    WayPoint_Start = w0;
}

struct Atemgeraet {
    int32_t Gas_Nr;
    float CCR_Setpoint;
    uint8_t Tauchgeraet;
    float SCR_Flow;
};

Atemgeraet Atemgeraet_merken() {
    return {W::Gas_Nr, W::CCR_Setpoint, W::Tauchgeraet, W::SCR_Flow};
}

void Atemgeraet_zurueck(const Atemgeraet& a) {
    W::Gas_Nr = a.Gas_Nr;
    G::Gasgemisch_waehlen(a.Gas_Nr);
    W::CCR_Setpoint = a.CCR_Setpoint;
    W::Tauchgeraet = a.Tauchgeraet;
    W::SCR_Flow = a.SCR_Flow;
    Unit_CCR_SCR::Sollwerte_uebernehmen();
}

// The calculation of Ascend: replay, ascent and "STOP". A full table ends it as cancelled.
void Tauchgang_berechnen() {
    try {
        T::Tauchgang_nachrechnen();
        WayPoint_letzter_Eingabe = Eingabemarke; // an accident may have added rows among them
        Unit_Gasverbrauch::Gasverbrauch_Aufstieg_Beginn();
        m_Dekozone_Tauchgang = W::m_Dekozone;
        min_Dekozone_Tauchgang = W::min_Dekozone;
        U::Austauchen_planen();
        if (m_Dekozone_Tauchgang <= 0) {
            m_Dekozone_Tauchgang = W::m_Dekozone;
            min_Dekozone_Tauchgang = W::min_Dekozone;
        }
        Unit_Gasverbrauch::Gasverbrauch_Aufstieg_Ende();
        Unit_Tauchgangszustand::WayPoint_anhaengen("STOP");
        T::WayPoint_anzeigen("STOP", W::WayPoint_Anzahl, Graph::Plot_Berechnet, true);
    } catch (const Unit_UI::Befehl_abgebrochen&) {
        T::Berechnung_abgebrochen = true;
    }
}

// Entered rows lose the depth margin again; everything behind them is the ascent.
void Eingegebene_Zeilen_zurueck(bool Tiefenzuschlag) {
    for (int32_t i = 1; i <= W::WayPoint_Anzahl; ++i) {
        auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        const bool eingegeben = i <= WayPoint_letzter_Eingabe;
        w.austauchen = !eingegeben;
        if (eingegeben && Tiefenzuschlag && w.m_Wasser > 0)
            w.m_Wasser = Unit_Formeln::m_ohne_Tiefenzuschlag(w.m_Wasser);
    }
}

void Zeile(Memo::Textpuffer& p, const std::string& de, const std::string& en, const std::string& Wert = "") {
    p.Zeile_anfuegen(Text_waehlen(de, en) + Wert);
}

struct Extremwerte {
    float CNS = 0, OTU = 0, pO2_max = 0, pO2_min = 1e9f, m_max = 0;
};

Extremwerte Extremwerte_berechnen() {
    Extremwerte e;
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k) {
        const auto& s = W::sData[static_cast<std::size_t>(k)];
        e.CNS = std::max(e.CNS, s.CNS_Prozent);
        e.OTU = std::max(e.OTU, s.OTU);
        e.pO2_max = std::max(e.pO2_max, s.bar_pO2);
        e.pO2_min = std::min(e.pO2_min, s.bar_pO2);
    }
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        e.m_max = std::max(e.m_max, W::WayPoint[static_cast<std::size_t>(i)].m_Wasser);
    return e;
}

bool pO2_war_ausserhalb() {
    return !Unit_Sauerstofftoxizitaet::pO2_Meldung;
}

void Zusammenfassung_Tiefen(Memo::Textpuffer& p, const Extremwerte& e) {
    Kopfzeilen_schreiben(p, "Zusammenfassung des Tauchgangs", "Summary of dive", e.m_max);
    const std::string bei = Text_waehlen(" m bei runtime = ", " m at runtime  = ");
    namespace R = Unit_Saettigungsrechnung;
    if (R::Ceiling_MAX > Unit_Formeln::bar_Luft)
        Zeile(p, "   Tiefstes Ceiling = ", "   deepest ceiling  = ",
              Zahl_formatieren(5, 1, Unit_Formeln::m_Wasser_aus(R::Ceiling_MAX)) + bei +
                  Zahl_formatieren(4, 1, R::min_Ceiling_MAX) + " min");
    if (m_Dekozone_Tauchgang > 0)
        Zeile(p, "   Dekozone beginnt = ", "   deco zone begins = ",
              Zahl_formatieren(5, 1, m_Dekozone_Tauchgang) + bei +
                  Zahl_formatieren(4, 1, min_Dekozone_Tauchgang) + " min");
    if (U::m_ErsterStop > 0 && U::min_ErsterStop > 0)
        Zeile(p, "   Erster Dekostop  = ", "   first deco stop  = ",
              Zahl_formatieren(5, 1, U::m_ErsterStop) + " m * " + Zahl_formatieren(5, 1, U::min_ErsterStop) +
                  " min");
    if (U::m_DekoZuletzt > 0 && U::min_LetzterStop > 0)
        Zeile(p, "   Letzter Dekostop = ", "   last deco stop   = ",
              Zahl_formatieren(5, 1, U::m_DekoZuletzt) + " m * " +
                  Zahl_formatieren(5, 1, U::min_LetzterStop) + " min");
    Zeile(p, "   Grundzeit        = ", "   bottom time      = ",
          Zahl_formatieren(5, 1, U::min_Grundzeit) + " min");
    Zeile(p, "   Aufstiegszeit    = ", "   ascent time      = ",
          Zahl_formatieren(5, 1, U::min_Aufstiegszeit) + " min");
    Zeile(p, "   Gesamt-Tauchzeit = ", "   total dive time  = ",
          Zahl_formatieren(5, 1, W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime) +
              " min");
    if (const std::string v = Unit_Kontingenzplaene::Variationen_Zeile(); !v.empty()) p.Zeile_anfuegen(v);
}

void Zusammenfassung_Gase(Memo::Textpuffer& p, const Extremwerte& e) {
    p.Zeile_anfuegen("");
    Zeile(p, "Sauerstoff O2", "Oxygen O2");
    p.Zeile_anfuegen("   max. CNS   = " + Zahl_formatieren(5, 2, e.CNS) + " %" +
                     (pO2_war_ausserhalb() ? " (out of table)" : ""));
    p.Zeile_anfuegen("   max. OTU   = " + Zahl_formatieren(5, 2, e.OTU));
    if (Wiederholungstauchgang) {
        namespace O2 = Unit_Sauerstofftoxizitaet;
        Zeile(p, "   CNS mit Vortauchgängen = ", "   CNS including earlier dives = ",
              Zahl_formatieren(5, 2, O2::CNS_Prozent_mit_Vortauchgaengen(e.CNS)) + " %");
        Zeile(p, "   OTU des Tages          = ", "   OTU of the day              = ",
              Zahl_formatieren(5, 2, O2::OTU_des_Tages(e.OTU)));
    }
    p.Zeile_anfuegen("   max. p(O2) = " + Zahl_formatieren(5, 2, e.pO2_max) + " bar");
    p.Zeile_anfuegen("   min. p(O2) = " + Zahl_formatieren(5, 2, e.pO2_min) + " bar");
    p.Zeile_anfuegen("");
    Zeile(p, "Inertgas", "Inert gas");
    const auto pN2 = static_cast<float>(Unit_Formeln::p_N2_atmen_MAX);
    p.Zeile_anfuegen("   max. p(N2) = " + Zahl_formatieren(5, 2, pN2) + " bar");
    p.Zeile_anfuegen("   max. END   = " + Zahl_formatieren(5, 1, Unit_Formeln::m_END_aus_pN2(pN2)) + " m");
    p.Zeile_anfuegen("   max. p(He) = " + Zahl_formatieren(5, 2, Unit_Formeln::p_He_atmen_MAX) + " bar");
    Zeile(p, "   max. Gasdichte = ", "   max. gas density = ",
          Zahl_formatieren(5, 2, Unit_Formeln::g_pro_L_Gasdichte_MAX()) + " g/l");
    Volumen_und_Dekozone_schreiben(p);
}

void Zusammenfassung_Sicherheit(Memo::Textpuffer& p) {
    p.Zeile_anfuegen("");
    Zeile(p, "Sicherheitseinstellungen", "Safety margins");
    const bool Stop = std::fabs(S::Buehlmann_Sicherheitsstop_min) > 0.001f;
    if (!S::Buehlmann_Tiefenzuschlag && !Stop && !S::Buehlmann_letzten_Stop_verdoppeln && !S::GF_verwenden &&
        !S::Deep_Stop_verwenden)
        Zeile(p, "   - keine -", "   - none -");
    if (S::Buehlmann_Tiefenzuschlag)
        Zeile(p, "   Bühlmann: Tiefenzuschlag = ja", "   Bühlmann: depth surcharge = yes");
    if (Stop)
        Zeile(p, "   Bühlmann: fixer 3-m-Stop = ", "   Bühlmann: fixed 3 m stop = ",
              Zahl_formatieren(5, 2, S::Buehlmann_Sicherheitsstop_min) + " min");
    if (S::Buehlmann_letzten_Stop_verdoppeln)
        Zeile(p, "   Bühlmann: 3-m-Stop verdoppeln = ja", "   Bühlmann: double 3 m stop = yes");
    if (S::GF_verwenden) {
        p.Zeile_anfuegen("   GF Lo            = " + Zahl_formatieren(5, 2, S::GF_Lo));
        p.Zeile_anfuegen("   GF Hi            = " + Zahl_formatieren(5, 2, S::GF_Hi));
    }
    if (S::Deep_Stop_verwenden) {
        Zeile(p, "   Deep Stop        = ja", "   Deep stop        = yes");
        Zeile(p,
              "   Deep Stop Dauer  = ", "   Deep stop time   = ", std::to_string(S::Deep_Stop_min) + " min");
        Zeile(p, "   Deep Stop Stufen = ", "   Deep stop steps  = ",
              std::to_string(S::Deep_Stop_Stufen_oberhalb_Dekozone));
    }
    if (Wiederholungstauchgang) {
        p.Zeile_anfuegen("");
        Zeile(p, "Wiederholungstauchgang", "Repetition dive");
        // The file keeps the German mark of an unsaved dive; the page speaks the language in force.
        const bool ungespeichert = Vortauchgang == Vortauchgang_ungespeichert;
        Zeile(p, "   Vortauchgang = >", "   pre dive = >",
              (ungespeichert ? Text_waehlen(Vortauchgang, "not saved") : Vortauchgang) + "<");
        Zeile(p, "   Oberflächenpause = ", "   Surface time = ",
              Zahl_formatieren(5, 2, Oberflaechenpause_h) + Text_waehlen(" Stunden", " hours"));
    }
}

void Gegengradient_Zeilen(Memo::Textpuffer& p, long double bar, long double Prozent) {
    Zeile(p, "   maximaler Gegengradient (bar) = ", "   maximum counter gradient (bar) = ",
          Zahl_formatieren(5, 2, bar));
    Zeile(p, "   maximaler Gegengradient (%) = ", "   maximum counter gradient (%) = ",
          Zahl_formatieren(5, 1, Prozent));
}

void Ort_Zeilen(Memo::Textpuffer& p, float m, long double min) {
    Zeile(p, "     bei Tiefe (m) = ", "     at depth (m) = ", Zahl_formatieren(5, 1, m));
    Zeile(p, "     bei Runtime (min) = ", "     at runtime (min) = ", Zahl_formatieren(5, 1, min));
}

void Zusammenfassung_Verbrauch(Memo::Textpuffer& p) {
    p.Zeile_anfuegen("");
    Zeile(p, "Gasverbrauch", "Gas consumption");
    const std::string AMV = Unit_Gasverbrauch::AMV_Zeilen(true);
    std::size_t Anfang = 0;
    while (Anfang < AMV.size()) {
        auto Ende = AMV.find("\r\n", Anfang);
        if (Ende == std::string::npos) Ende = AMV.size();
        p.Zeile_anfuegen(AMV.substr(Anfang, Ende - Anfang));
        Anfang = Ende + 2;
    }
    for (int32_t g = 0; g <= G::Gasgemisch_NumMax; ++g) {
        const auto& gas = G::Gasgemisch[static_cast<std::size_t>(g)];
        if (gas.barL_gesamt != 0)
            p.Zeile_anfuegen("   " + gas.Name + " = " + Zahl_formatieren(7, 1, gas.barL_gesamt) + " barL ");
    }
    if (!Memo::Memo_Warnung.Zeilen.empty()) {
        p.Zeile_anfuegen("");
        Zeile(p, "Warnungen", "Warnings");
        for (const auto& z : Memo::Memo_Warnung.Zeilen) p.Zeile_anfuegen("   " + z);
    }
}

} // namespace

void Kopfzeilen_schreiben(Memo::Textpuffer& p, const std::string& Titel_de, const std::string& Titel_en,
                          float m_max) {
    Zeile(p, Titel_de, Titel_en);
    Zeile(p, "   Luftdruck        = ", "   air pressure     = ",
          Zahl_formatieren(5, 3, Unit_Formeln::bar_Luft) + " bar");
    Zeile(p, "   Wassersäule      = ", "   water column     = ",
          Zahl_formatieren(5, 3, Unit_Formeln::m_pro_bar) + " m/bar");
    Zeile(p, "   Maximale Tiefe   = ", "   maximum depth    = ", Zahl_formatieren(5, 1, m_max) + " m");
}

void Volumen_und_Dekozone_schreiben(Memo::Textpuffer& p) {
    namespace B = Unit_Gewebe_barL;
    Zeile(p, "   max. Volumen = ", "   max. volume = ", Zahl_formatieren(5, 3, B::barL_N2He_MAX) + " barL");
    Zeile(p, "     bei Tiefe (m) = ", "     at depth (m) = ", Zahl_formatieren(5, 1, B::m_barL_N2He_MAX));
    Zeile(p, "     bei Runtime (min) = ", "     at runtime (mn) = ",
          Zahl_formatieren(5, 1, B::min_barL_N2He_MAX));
    if (m_Dekozone_Tauchgang > 0)
        Zeile(p, "   Dekozone beginnt = ", "   deco zone begins = ",
              Zahl_formatieren(5, 1, m_Dekozone_Tauchgang) + " m");
}

void Gegendiffusion_Block(Memo::Textpuffer& p, const std::string& Ueberschrift_de,
                          const std::string& Ueberschrift_en) {
    const auto& E = Unit_Grenzwerte::Gegendiffusion_Extreme;
    p.Zeile_anfuegen("");
    Zeile(p, Ueberschrift_de, Ueberschrift_en);
    const std::string Tiefe_de = "     bei Tiefe (m) = ", Tiefe_en = "     at depth (m) = ";
    if (!(E.Gegengradient_Prozent < 0) && !E.kritisch_aufgetreten) {
        Zeile(p, "   keine Gegendiffusion", "   no counter diffusion");
    } else if (E.kritisch_aufgetreten) {
        Zeile(p, "   kritische Gegendiffusion", "   critical counter diffusion");
        Gegengradient_Zeilen(p, E.kritisch_bar, E.kritisch_Prozent);
        Zeile(p, "     bei Gewebesättigung (%) = ", "     at tissue saturation (%) = ",
              Zahl_formatieren(5, 1, E.kritisch_Saettigung_Prozent));
        Zeile(p, "     bei max. gesättigtem Gewebe = ", "     at maximum saturated tissue = ",
              std::to_string(E.kritisch_i));
        Zeile(p, "     bei Übersättigung (bar) = ", "     at over saturation (bar) = ",
              Zahl_formatieren(5, 2, E.kritisch_Uebersaettigung_bar));
        Zeile(p, "     bei Übersättigung (%) = ", "     at over saturation (%) = ",
              Zahl_formatieren(5, 1, E.kritisch_Uebersaettigung_Prozent));
        Ort_Zeilen(p, E.kritisch_m, E.kritisch_min);
    } else {
        Zeile(p, "   nicht kritische Gegendiffusion", "   not critical counter diffusion");
        Gegengradient_Zeilen(p, E.Gegengradient_bar, E.Gegengradient_Prozent);
        Ort_Zeilen(p, E.Gegengradient_m, E.Gegengradient_min);
    }
    if (E.dp_N2_atmen_MAX < 0.1L && E.dp_He_atmen_MAX < 0.1L) {
        Zeile(p, "   maximale Inertgas-Partialdruckänderung in der Überdruckphase ist < 0.1 bar",
              "   maximum partial pressure change of inert gas during over pressure phase is < 0.1 bar");
        return;
    }
    Zeile(p, "   maximale Inertgas-Partialdruckänderung in der Überdruckphase",
          "   maximum partial pressure change of inert gas during over pressure phase");
    if (E.dp_N2_atmen_MAX > 0)
        p.Zeile_anfuegen("   dp N2 (bar) = " + Zahl_formatieren(5, 2, E.dp_N2_atmen_MAX));
    if (E.dp_He_atmen_MAX > 0)
        p.Zeile_anfuegen("   dp He (bar) = " + Zahl_formatieren(5, 2, E.dp_He_atmen_MAX));
    Zeile(p, Tiefe_de, Tiefe_en, Zahl_formatieren(5, 1, E.m_dp_MAX));
    Zeile(p, "     bei Runtime (min) = ", "     at runtime (mn) = ", Zahl_formatieren(5, 1, E.min_dp_MAX));
}

void Neuer_Tauchgang() {
    Analyse_erlaubt = false;
    Tauchgang_gespeichert = true;
    Kommentare_leeren();
    Wiederholungstauchgang = false;
    Oberflaechenpause_h = 0;
    Vortauchgang.clear();
    Unit_Sauerstofftoxizitaet::Vortauchgaenge_vergessen();
    Unit_Kontingenzplaene::Vergessen();
    Unit_Saettigungsrechnung::Saettigung_Start(true);
    Unit_Saettigungsrechnung::Saettigung_Start(true);
    Eingabe_beginnen();
    W::Startzustand_sichern();
    Startwerte_uebernehmen();
    Unit_UI::UI().Status_geaendert();
}

bool Wiederholungstauchgang_starten() {
    if (!Tauchgang_gespeichert &&
        Unit_Tools::Frage_Ja_Nein("Den vorhergehenden Tauchgang abspeichern", "Save the previous dive"))
        Unit_Save_Read::Tauchgang_speichern(Unit_Save_Read::Kommentar_der_Sprache());
    const auto Antwort = Unit_UI::UI().Eingabe("Oberflächenpause angeben", "Stunden", "");
    if (!Antwort || Antwort->empty() || !Unit_Tools::ist_Zahlzeichen(*Antwort)) return false;
    const auto Stunden = static_cast<float>(Unit_Tools::Zahl_lesen(*Antwort));
    // A minus sign passes the digit check; no time runs backwards at the surface.
    if (Stunden < 0) {
        Unit_Tools::Meldung_Problem("Oberflächenpause < 0 Stunden", "Surface interval < 0 hours");
        return false;
    }
    Wiederholungstauchgang_beginnen(Stunden);
    return true;
}

void Wiederholungstauchgang_beginnen(float Stunden) {
    Wiederholungstauchgang = true;
    Oberflaechenpause_h = Stunden;
    Vortauchgang = Tauchgang_gespeichert ? Unit_Save_Read::Pfad_Tauchgang + Unit_Save_Read::Datei_Tauchgang
                                         : Vortauchgang_ungespeichert;
    const long double Ende = Uhrzeit_Ende_min;
    Folgetauchgang_starten(Stunden);
    Uhrzeit_Start_min = std::fmod(Ende + Oberflaechenpause_h * 60.0L, 1440.0L);
}

bool Wiederholungstauchgang_laden(const std::string& Pfad, float Stunden) {
    Wiederholungstauchgang_beginnen(Stunden);
    // The file brings a repetition section of its own; this dive's interval is the one breathed.
    const auto Wiederholung = std::tuple(Wiederholungstauchgang, Oberflaechenpause_h, Vortauchgang);
    return Unit_Save_Read::Tauchgang_laden_Datei(Pfad, [&Wiederholung] {
        std::tie(Wiederholungstauchgang, Oberflaechenpause_h, Vortauchgang) = Wiederholung;
        WayPoints_uebernehmen();
    });
}

void Folgetauchgang_starten(float Stunden) {
    Analyse_erlaubt = false;
    Tauchgang_gespeichert = true;
    Kommentare_leeren();
    Unit_Kontingenzplaene::Vergessen();
    const auto& letzter = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    Graph::Cursor[2] = Graph::Positionsmarke = {letzter.min_Runtime, letzter.m_Wasser};
    // The clocks as the dive ended, its last row; the cursor may have moved the state elsewhere.
    Unit_Sauerstofftoxizitaet::Oberflaechenpause_buchen(letzter.CNS_Prozent, letzter.OTU, letzter.min_Runtime,
                                                        Stunden * 60.0L);
    Unit_Saettigungsrechnung::Oberflaechenpause(Stunden);
    Eingabe_beginnen();
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
    W::WayPoint[0].Aktion = "START";
    Startwerte_uebernehmen();
    W::Startzustand_sichern();
    Unit_UI::UI().Status_geaendert();
}

void Wegpunkt_begrenzen(float& min, float& m) {
    const auto& marke = W::WayPoint[static_cast<std::size_t>(std::clamp(Eingabemarke, 0, W::WayPointMax))];
    if (!std::isfinite(min) || min < marke.min_Runtime) min = marke.min_Runtime;
    min = std::min(min, min_Runtime_Grenze);
    if (!std::isfinite(m)) m = marke.m_Wasser;
    m = std::clamp(m, 0.0f, m_Wasser_Grenze);
    const float tiefste = Unit_AbtauchPlanung::Abstiegsplanung_verwenden
                              ? marke.m_Wasser + (min - marke.min_Runtime) * v_Abstieg_Grenze
                              : m;
    if (m > marke.m_Wasser && m > tiefste) m = tiefste;
    if (m < marke.m_Wasser) m = std::max(m, marke.m_Wasser - (min - marke.min_Runtime) * v_Aufstieg_Grenze);
}

void SCR_ohne_Gaswechsel() {
    if (W::Tauchgeraet != 2) return;
    Unit_AbtauchPlanung::Abstieg_Gaswechsel_OK = false;
    U::Aufstieg_Gaswechsel_OK = false;
}

void Segment_zeichnen(float min, float m, bool Protokoll) {
    // Rows an earlier preview laid out behind the mark keep no label.
    Graph::Annotationen_entfernen_ab(Eingabemarke + 1);
    WayPoints_zeichnen(Eingabemarke);
    Unit_AbtauchPlanung::Bubble_Check_erledigt = false;
    const auto& marke = W::WayPoint[static_cast<std::size_t>(Eingabemarke)];
    T::Segment_anhaengen(Eingabemarke, Unit_AbtauchPlanung::Abstiegsplanung_verwenden, Protokoll,
                         marke.m_Wasser, marke.min_Runtime, m, min);
    WayPoints_zeichnen(W::WayPoint_Anzahl);
}

Eingabefelder Tauchen(const std::string& Runtime_Feld, const std::string& Tiefe_Feld) {
    Tauchgang_gespeichert = false;
    Analyse_erlaubt = false;
    SCR_ohne_Gaswechsel();
    W::pSCR_DumpRatio = std::clamp(W::pSCR_DumpRatio, 5, 100);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    float min = static_cast<float>(Unit_Tools::Zahl_lesen(Runtime_Feld));
    float m = static_cast<float>(Unit_Tools::Zahl_lesen(Tiefe_Feld));
    if (Eingabemarke == 0) Startwerte_merken(min, m);
    Wegpunkt_begrenzen(min, m);
    W::min_Runtime = min;
    W::m_Wasser = m;
    Segment_zeichnen(min, m, true);
    for (int32_t i = 1; i <= W::WayPoint_Anzahl; ++i)
        W::WayPoint[static_cast<std::size_t>(i)].austauchen = false;
    Eingabemarke = WayPoint_letzter_Eingabe = W::WayPoint_Anzahl;
    Graph::Positionsmarke = {min, m};
    W::Warntext.clear();
    return {Zahl_formatieren(7, 1, min), Zahl_formatieren(6, 1, m)};
}

void Letzten_Wegpunkt_loeschen() {
    Tauchgang_gespeichert = false;
    W::WayPoint_Anzahl = std::max(W::WayPoint_Anzahl - 1, 0);
    Eingabemarke = WayPoint_letzter_Eingabe = W::WayPoint_Anzahl;
    Graph::Annotationen_entfernen_ab(W::WayPoint_Anzahl + 1);
    WayPoints_zeichnen(W::WayPoint_Anzahl);
    const auto& letzter = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    Graph::Positionsmarke = {letzter.min_Runtime, letzter.m_Wasser};
    Unit_UI::UI().Status_geaendert();
}

bool Abbruch_verlangt = false;

void Plan_rechnen(bool Texte) {
    const Atemgeraet gemerkt = Atemgeraet_merken();
    W::Startzustand_holen();
    Unit_Sauerstofftoxizitaet::pO2_ausserhalb_loeschen();
    Unit_Sauerstofftoxizitaet::pO2_Meldung = true;
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(false, false);
    Unit_Gasverbrauch::Gasverbrauch_zuruecksetzen();
    T::Berechnung_abgebrochen = Abbruch_verlangt; // a cancel during the contingency plans holds here too
    Anzeigen_leeren();
    W::WayPoint_Anzahl = WayPoint_letzter_Eingabe;
    Eingabemarke = WayPoint_letzter_Eingabe;
    WayPoints_zeichnen(W::WayPoint_Anzahl);

    const bool Tiefenzuschlag = S::Buehlmann_Tiefenzuschlag;
    Tauchgang_berechnen();
    Atemgeraet_zurueck(gemerkt);
    if (Texte) Unit_Gasverbrauch::Gasverbrauch_Bericht(T::Berechnung_abgebrochen);
    Eingegebene_Zeilen_zurueck(Tiefenzuschlag);
    Eingabemarke = WayPoint_letzter_Eingabe;
    if (!Texte) return;
    Unit_Gasverbrauch::Mindestgas_Bericht(T::Berechnung_abgebrochen); // at the depths as entered
    Hinweiszeilen_schreiben();
    Zusammenfassung_schreiben();
    if (Berichte_schreiben) Berichte_schreiben();
}

bool pO2_ausserhalb_der_Tabelle() {
    return pO2_war_ausserhalb();
}

float CNS_Prozent_max() {
    return Extremwerte_berechnen().CNS;
}

void Austauchen_Klick() {
    if (Berechnung_laeuft) {
        Abbruch_verlangt = true;
        T::Berechnung_abgebrochen = true;
        Unit_Tools::Meldung_Problem("Berechnung wird abgebrochen !", "Calculation cancelled !");
        return;
    }
    if (W::WayPoint_Anzahl == 0 && WayPoint_letzter_Eingabe == 0) {
        Eingabe_sperren(true);
        return;
    }
    Berechnung_aktiv(true);
    Abbruch_verlangt = false;
    Unit_Kontingenz::Kontingenzplaene_berechnen();
    Tauchgang_gespeichert = false;
    Plan_rechnen(true);

    if (pO2_war_ausserhalb() && !Unit_Sauerstofftoxizitaet::pO2_weiterrechnen) Neuer_Tauchgang();
    Eingabe_sperren(true);
    Berechnung_aktiv(false);
    const auto& letzter = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    Graph::Cursor[2] = Graph::Positionsmarke = {letzter.min_Runtime, letzter.m_Wasser};
    Uhrzeit_Ende_min = std::fmod(Uhrzeit_Start_min + letzter.min_Runtime, 1440.0L);
}

void Hinweiszeilen_schreiben() {
    auto& p = Memo::Memo_Warnung;
    if (pO2_war_ausserhalb())
        Zeile(p, "ACHTUNG: pO2 außerhalb der NOAA Tabelle ! CNS % Werte sind nicht realistisch !",
              "ATTENTION: pO2 outside the NOAA table ! CNS % values are not realsitic !");
    if (Unit_Gasverbrauch::Mindestgas.unterschritten)
        p.Zeile_anfuegen(Unit_Gasverbrauch::Mindestgas_Warnung());
    Flugverbot_Stunden = -1;
    if (!T::Berechnung_abgebrochen) {
        const std::string h =
            Unit_Saettigungsrechnung::Flugverbotszeit(Unit_Saettigungsrechnung::bar_Kabinendruck);
        Flugverbot_Stunden =
            static_cast<float>(Unit_Tools::Zahl_lesen_still(h.substr(h.find_first_of("0123456789"))));
        p.Zeile_anfuegen(Text_waehlen("Flugverbotszeit = ", "No fly time = ") + h +
                         Text_waehlen(" Stunden", " hours"));
    }
    if (W::Warnungen_reduzieren && W::Warnungen_reduziert)
        Zeile(p, "! Reduzierte Warnhinweise !", "! Reduced warnings !");
    if (T::Berechnung_abgebrochen) Zeile(p, Abgebrochen_de, Abgebrochen_en);
}

void Zusammenfassung_schreiben() {
    auto& p = Memo::Memo_Zusammenfassung;
    p.Leeren();
    if (T::Berechnung_abgebrochen) {
        Zeile(p, Abgebrochen_de, Abgebrochen_en);
        return;
    }
    const Extremwerte e = Extremwerte_berechnen();
    Zusammenfassung_Tiefen(p, e);
    Zusammenfassung_Gase(p, e);
    Zusammenfassung_Sicherheit(p);
    Gegendiffusion_Block(p, "Gegendiffusion und Inertgas-Druckgradienten",
                         "Counter diffusion and pressure gradients of inert gas");
    Zusammenfassung_Verbrauch(p);
}

void Tauchgang_geladen() {
    Unit_Kontingenzplaene::Vergessen(); // they belong to the dive before
    Unit_Saettigungsrechnung::Saettigung_Start(false);
    Unit_Saettigungsrechnung::Saettigung_Start(false);
    W::Startzustand_sichern();
    Wiederholungstauchgang = false;
    Oberflaechenpause_h = 0;
    Vortauchgang.clear();
    Unit_Sauerstofftoxizitaet::Vortauchgaenge_vergessen();
    WayPoints_uebernehmen();
}

void WayPoints_uebernehmen() {
    Anzeigen_leeren();
    WayPoint_letzter_Eingabe = 0;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        if (!w.austauchen) WayPoint_letzter_Eingabe = i;
        if (i > 0 && (w.Aktion.rfind("Deko", 0) == 0 || w.Aktion.rfind("Deco", 0) == 0)) {
            U::min_Stopzeit = w.min_Runtime - W::WayPoint[static_cast<std::size_t>(i - 1)].min_Runtime;
            U::m_Stop = w.m_Wasser;
        }
    }
    WayPoints_zeichnen(W::WayPoint_Anzahl);
    if (W::WayPoint_Anzahl > 0) {
        Eingabe_sperren(false);
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        Abstiegsplanung_waehlbar = false;
    }
    Eingabemarke = W::WayPoint_Anzahl;
    const auto& letzter = W::WayPoint[static_cast<std::size_t>(WayPoint_letzter_Eingabe)];
    Graph::Cursor[1] = {letzter.min_Runtime, letzter.m_Wasser};
    Tauchgang_gespeichert = true;
    Analyse_erlaubt = true;
    Unit_UI::UI().Status_geaendert();
}

void Eingabe_sperren(bool gesperrt) {
    Eingabe_gesperrt = gesperrt;
    Grafikmodus = gesperrt ? 2 : 1;
    Unit_UI::UI().Status_geaendert();
}

void Berechnung_aktiv(bool aktiv) {
    Berechnung_laeuft = aktiv;
    Unit_UI::UI().Status_geaendert();
}

void SCR_Gasregel() {
    switch (W::Gas_Nr) {
    case 2:
        W::SCR_Flow = 15.6f;
        break;
    case 5:
        W::SCR_Flow = 10.4f;
        break;
    case 6:
        W::SCR_Flow = 7.3f;
        break;
    case 7:
        W::SCR_Flow = 5.8f;
        break;
    default:
        W::Gas_Nr = 2;
        W::SCR_Flow = 15.6f;
    }
    G::Gasgemisch_waehlen(W::Gas_Nr);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
}

void Tauchgeraet_waehlen(int Index) {
    if (Index < 0 || Index > 3) return;
    W::Tauchgeraet = static_cast<uint8_t>(Index);
    if (Index == 2) SCR_Gasregel();
    SCR_ohne_Gaswechsel();
    Gas_waehlen(W::Gas_Nr);
    Unit_UI::UI().Status_geaendert();
}

Tauchgeraet_Anzeige_Typ Tauchgeraet_Anzeige() {
    switch (W::Tauchgeraet) {
    case 0:
        return {"OC ", Text_waehlen("offenes System", "SCUBA open system")};
    case 1:
        return {"CCR pO2 = " + Zahl_formatieren(4, 2, W::CCR_Setpoint) + " bar",
                Text_waehlen("geschlossener Rebreather", "closed circ. rebreather")};
    case 2:
        return {"SCR flow = " + Zahl_formatieren(4, 2, W::SCR_Flow) + " l/min",
                Text_waehlen("halbgeschl. Rebreather (cf)", "semi closed circ. rebr.(cf)")};
    case 3:
        return {"pSCR", Text_waehlen("halbgeschl. Rebreather (p)", "semi closed circ. rebr. (p)")};
    default:
        return {Unit_Formeln::Tauchgeraet_Text(W::Tauchgeraet), ""};
    }
}

bool Gas_waehlen(int32_t Index) {
    if (Index == G::Gasgemisch_NumMax + 1) return false;
    if (Index < 0 || Index > G::Gasgemisch_NumMax) return true;
    W::Gas_Nr = Index;
    G::Gasgemisch_waehlen(Index);
    if (W::Tauchgeraet == 2) SCR_Gasregel();
    Unit_UI::UI().Status_geaendert();
    return true;
}

void Tauchgeraet_Wert_setzen(const std::string& Feld) {
    const long double x = Unit_Tools::Zahl_lesen(Feld);
    switch (W::Tauchgeraet) {
    case 1:
        W::CCR_Setpoint = static_cast<float>(x);
        break;
    case 2:
        W::SCR_Flow = static_cast<float>(x);
        break;
    case 3:
        W::pSCR_DumpRatio = static_cast<int32_t>(std::clamp(std::round(x), -1.0e6L, 1.0e6L));
        break;
    default:
        break;
    }
    Unit_CCR_SCR::Sollwerte_uebernehmen();
}

namespace {
void Tiefe_setzen(float m) {
    W::m_Wasser = m;
    Graph::Cursor[1] = {static_cast<float>(W::min_Runtime), W::m_Wasser};
    Werte_in_der_Tiefe();
    Unit_UI::UI().Status_geaendert();
}
} // namespace

void Tiefe_eingeben(const std::string& Feld) {
    if (Feld.empty() || !Unit_Tools::ist_Zahlzeichen(Feld)) return;
    Tiefe_setzen(static_cast<float>(Unit_Tools::Zahl_lesen(Feld)));
}

void Einsatztiefe_vorschlagen(float m) {
    if (!Eingabe_gesperrt && !Berechnung_laeuft) Tiefe_setzen(m);
}

int32_t Gas_in_die_Gasliste(const std::string& Name, float O2, float N2, float He) {
    const int32_t k = Unit_Gasrechner::In_die_Gasliste(Name, O2, N2, He);
    if (k >= 0) Gas_waehlen(k);
    return k;
}

void Werte_in_der_Tiefe() {
    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    W::bar_pO2 = Unit_CCR_SCR::bar_pO2_Anzeige();
    W::m_END = Unit_Formeln::m_END_aus_pN2(Unit_Formeln::p_inert_atmen().p_N2_atmen);
}

void Runtime_eingeben(const std::string& Feld) {
    if (Feld.empty() || !Unit_Tools::ist_Zahlzeichen(Feld)) return;
    W::min_Runtime = Unit_Tools::Zahl_lesen(Feld);
}

void Berichte_anmelden() {
    Berichte_schreiben = Unit_Report::Runtime_Tabelle_schreiben;
}

} // namespace Unit_Main
