#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tiefentabelle.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Tauchgangsberechnung {

bool Berechnung_abgebrochen = false;
float m_Wasser_MAX = 0;
std::array<float, Unit_WayPoints::WayPointMax + 1> GF_Spitze{};
bool Sofortabstieg = false;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace Graph = Unit_Graph_Utilities;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

constexpr long double Zeit_Toleranz = 1e-4L;

bool beginnt_mit(const std::string& Text, const char* Anfang) {
    return Text.rfind(Anfang, 0) == 0;
}

bool enthaelt_Dekounfall(const std::string& Text) {
    return Text.find("DEKOUNFALL") != std::string::npos || Text.find("DECO ACCIDENT") != std::string::npos;
}

// Cut or pad on the right to a number of characters, counting UTF-8 sequences as one.
std::string auf_Breite(const std::string& Text, std::size_t Breite) {
    std::string Ergebnis;
    std::size_t Zeichen = 0;
    for (std::size_t k = 0; k < Text.size();) {
        std::size_t Laenge = 1;
        const auto c = static_cast<unsigned char>(Text[k]);
        if (c >= 0xF0)
            Laenge = 4;
        else if (c >= 0xE0)
            Laenge = 3;
        else if (c >= 0xC0)
            Laenge = 2;
        if (Zeichen == Breite || k + Laenge > Text.size()) break;
        Ergebnis.append(Text, k, Laenge);
        k += Laenge;
        ++Zeichen;
    }
    Ergebnis.append(Breite - Zeichen, ' ');
    return Ergebnis;
}

std::string Gasname(int32_t Gas_Nr) {
    if (Gas_Nr < 0 || Gas_Nr > G::GasGemisch_NumMaxUeberhaupt) return "";
    return G::Gasgemisch[static_cast<std::size_t>(Gas_Nr)].Name;
}

// Ambient pressure, pO2, inspired pressures and END from the current depth and gas.
void Zustand_auffrischen() {
    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
    G::Gasgemisch_waehlen(W::Gas_Nr);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    W::bar_pO2 = Unit_CCR_SCR::bar_pO2_Anzeige();
    const auto p = Unit_Formeln::p_inert_atmen();
    W::m_END = Unit_Formeln::m_END_aus_pN2(p.p_N2_atmen);
}

void Zeile_anhaengen(const std::string& Aktion, bool zeigen) {
    Zustand_auffrischen();
    Unit_Tauchgangszustand::WayPoint_anhaengen(Aktion);
    WayPoint_anzeigen(Aktion, W::WayPoint_Anzahl, Graph::Plot_Eingabe, zeigen);
}

std::string Geschwindigkeit(float v) {
    return Zahl_formatieren(4, 1, v) + " m/min";
}

// "Abstieg " / "Aufstieg " with the magnitude of the velocity.
std::string Richtungszeile(bool abwaerts, float v) {
    return abwaerts ? Text_waehlen("Abstieg ", "Descent ") + Geschwindigkeit(v)
                    : Text_waehlen("Aufstieg ", "Ascent ") + Geschwindigkeit(std::fabs(v));
}

// Velocity at the current depth: positive down, negative up.
float Geschwindigkeit_hier(bool abwaerts) {
    namespace A = Unit_AbtauchPlanung;
    namespace U = Unit_AustauchPlanung;
    using Unit_Tiefentabelle::Richtung;
    if (abwaerts)
        return Unit_Tiefentabelle::Tiefentabelle_lesen(
            A::Abstieg_Geschwindigkeit, A::Abstieg_Geschwindigkeit_variabel, Richtung::abwaerts,
            A::v_Abstieg_konstant, W::m_Wasser);
    return -Unit_Tiefentabelle::Tiefentabelle_lesen(U::Aufstieg_Geschwindigkeit,
                                                    U::Aufstieg_Geschwindigkeit_variabel, Richtung::aufwaerts,
                                                    U::v_Aufstieg_konstant, W::m_Wasser);
}

// Loop flush after a gas switch, then the wait after the switch.
void spuelen_und_warten(bool zeigen) {
    const auto Spuelung = Unit_CCR_SCR::Kreislauf_spuelen();
    if (Spuelung.gespuelt) {
        Zeile_anhaengen(Spuelung.Tauchgeraet + " spülen ", zeigen);
        Unit_UI::UI().Nachrichten_verarbeiten();
    }
    namespace U = Unit_AustauchPlanung;
    if (U::Gaswechsel_warten_OK && U::min_Gaswechsel_warten > 0) {
        W::min_Runtime += U::min_Gaswechsel_warten;
        Zeile_anhaengen("Wartezeit nach Gaswechsel", zeigen);
    }
}

// The steps of the walk that may append event rows before the depth moves on.
struct Abstiegslauf {
    bool abwaerts;
    bool zeigen;
    float v;
    float v_vorher;
    bool Bubble_laeuft = false;
    long double min_Bubble_Beginn = 0;

    void Band_pruefen() {
        v = Geschwindigkeit_hier(abwaerts);
        if (std::fabs(v - v_vorher) <= 0.01f) return;
        Zeile_anhaengen(Richtungszeile(abwaerts, v_vorher), zeigen);
        Zeile_anhaengen(abwaerts ? Text_waehlen("Abstieg Wechsel ", "Descent change ") + Geschwindigkeit(v)
                                 : Text_waehlen("Aufstieg Wechsel ", "Ascent change ") +
                                       Geschwindigkeit(std::fabs(v)),
                        zeigen);
        v_vorher = v;
    }

    // True while the depth is held.
    bool Bubble_Check() {
        namespace A = Unit_AbtauchPlanung;
        if (!abwaerts || !A::Bubble_Check || A::Bubble_Check_erledigt) return false;
        if (!Bubble_laeuft) {
            if (W::m_Wasser < A::m_Bubble_Check || W::m_Wasser > 2 * A::m_Bubble_Check) return false;
            Zeile_anhaengen(Richtungszeile(true, v), zeigen);
            Bubble_laeuft = true;
            min_Bubble_Beginn = W::min_Runtime;
        }
        if (W::min_Runtime - min_Bubble_Beginn + 1e-4L < A::min_Bubble_Check) return true;
        A::Bubble_Check_erledigt = true;
        Zeile_anhaengen("Bubble check", zeigen);
        return false;
    }

    std::string Zeile_mit_Vorzeichen() const {
        return Text_waehlen("Abstieg ", "Descent ") + Geschwindigkeit(v);
    }

    void Gas_pruefen() {
        namespace A = Unit_AbtauchPlanung;
        if (!A::Abstieg_Gaswechsel_OK) return;
        const int32_t Gas_alt = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].Gas_Nr;
        const auto Gas_neu = static_cast<int32_t>(std::lround(Unit_Tiefentabelle::Tiefentabelle_lesen(
            A::Abstieg_Gaswechsel, true, Unit_Tiefentabelle::Richtung::abwaerts, static_cast<float>(Gas_alt),
            W::m_Wasser)));
        if (Gas_neu == Gas_alt || Gas_neu < 0 || Gas_neu > G::Gasgemisch_NumMax) return;
        Zeile_anhaengen(Zeile_mit_Vorzeichen(), zeigen);
        W::Gas_Nr = Gas_neu;
        Zeile_anhaengen(Text_waehlen("Gaswechsel", "Gas switch"), zeigen);
        spuelen_und_warten(zeigen);
    }

    void Setpoint_pruefen() {
        namespace A = Unit_AbtauchPlanung;
        if (!A::Abstieg_Setpoint_variabel || W::Tauchgeraet != 1) return;
        const float sp_alt = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].CCR_Setpoint;
        const float sp_neu = Unit_Tiefentabelle::Tiefentabelle_lesen(
            A::Abstieg_Setpoint, true, Unit_Tiefentabelle::Richtung::abwaerts, W::CCR_Setpoint, W::m_Wasser);
        if (sp_neu == sp_alt) return;
        Zeile_anhaengen(Zeile_mit_Vorzeichen(), zeigen);
        W::CCR_Setpoint = sp_neu;
        Zeile_anhaengen(Text_waehlen("CCR pO2 Wechsel", "CCR pO2 change"), zeigen);
    }
};

void Segment_mit_Plan(bool zeigen, float m_von, float m_nach, float min_nach) {
    const bool abwaerts = m_nach > m_von;
    Abstiegslauf Lauf{abwaerts, zeigen, 0, 0};
    Lauf.v = Lauf.v_vorher = Geschwindigkeit_hier(abwaerts);
    for (;;) {
        Lauf.Band_pruefen();
        const bool halten = Lauf.Bubble_Check();
        Lauf.Gas_pruefen();
        Lauf.Setpoint_pruefen();
        // Runtimes add up in steps of 0.1 that floats cannot hold exactly.
        if (W::min_Runtime >= min_nach - Zeit_Toleranz || (abwaerts && W::m_Wasser >= m_nach) ||
            (!abwaerts && W::m_Wasser <= m_nach))
            break;
        W::min_Runtime += W::min_Schritt;
        if (!halten) W::m_Wasser += Lauf.v * W::min_Schritt;
    }
    const bool gleich_tief = std::fabs(m_nach - m_von) <= 0.01f;
    if (!gleich_tief) Zeile_anhaengen(Richtungszeile(abwaerts, Lauf.v), zeigen);
    // At equal depths the walk has not moved: the "Bottom" row below covers the segment.
    if (W::min_Runtime < min_nach) {
        const bool Rest = min_nach - W::min_Runtime > 0.01L;
        W::min_Runtime = min_nach;
        if (Rest) Zeile_anhaengen("Bottom", zeigen);
    }
    Systemwechsel_pruefen(zeigen);
    Gaswechsel_pruefen(zeigen);
    pO2_Wechsel_pruefen(zeigen);
}

bool Setpoint_aus_pO2(const W::WayPoint_Type& w) {
    return w.Tauchgeraet == 1 && (w.CCR_Setpoint < 0 || std::fabs(w.CCR_Setpoint) <= 0.01f) &&
           std::fabs(w.bar_pO2) > 0.01f;
}

void Atemgeraet_von(const W::WayPoint_Type& w) {
    W::Gas_Nr = w.Gas_Nr;
    W::Tauchgeraet = w.Tauchgeraet;
    W::SCR_Flow = w.SCR_Flow;
    W::pSCR_DumpRatio = w.pSCR_DumpRatio;
    W::CCR_Setpoint = w.CCR_Setpoint;
    G::Gasgemisch_waehlen(W::Gas_Nr);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
}

float GF_Spitze_jetzt() {
    float Spitze = 0;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i)
        Spitze = std::max(Spitze, Unit_Grenzwerte::Uebersaettigung_Prozent(i));
    return Spitze;
}

bool ist_Dekounfallzeile(const std::string& Aktion) {
    return beginnt_mit(Aktion, "DEKOUNFALL") || beginnt_mit(Aktion, "DECO ACCIDENT");
}

// Accident rows are results of a calculation: a new calculation finds them again where they belong.
void Dekounfallzeilen_entfernen() {
    int32_t Ziel = 1;
    const int32_t Marke = Unit_WayPoints::Eingabemarke;
    for (int32_t k = 1; k <= W::WayPoint_Anzahl; ++k) {
        auto& w = W::WayPoint[static_cast<std::size_t>(k)];
        if (ist_Dekounfallzeile(w.Aktion)) {
            if (k <= Marke) --Unit_WayPoints::Eingabemarke;
            continue;
        }
        if (Ziel != k) W::WayPoint[static_cast<std::size_t>(Ziel)] = w;
        ++Ziel;
    }
    W::WayPoint_Anzahl = Ziel - 1;
}

// Rows an accident appended during the step to row i move in front of row i, so the table stays
// in the order of time; returns how many moved.
int32_t neue_Zeilen_einordnen(int32_t i, int32_t Anzahl_vorher) {
    const int32_t neu = W::WayPoint_Anzahl - Anzahl_vorher;
    if (neu <= 0) return 0;
    auto Anfang = W::WayPoint.begin() + i;
    std::rotate(Anfang, W::WayPoint.begin() + Anzahl_vorher + 1,
                W::WayPoint.begin() + W::WayPoint_Anzahl + 1);
    if (i <= Unit_WayPoints::Eingabemarke) Unit_WayPoints::Eingabemarke += neu;
    return neu;
}

bool ist_Spuelzeile(const std::string& Aktion) {
    return beginnt_mit(Aktion, "CCR spülen") || beginnt_mit(Aktion, "SCR spülen") ||
           beginnt_mit(Aktion, "pSCR spülen");
}

} // namespace

std::string Segment_Beschriftung(float m_von, float min_von, float m_nach, float min_nach) {
    const float dt = min_nach - min_von;
    if (std::fabs(m_nach - m_von) <= 0.01f) return "Bottom";
    // No time for the depth change: show no velocity rather than an infinite one.
    const float v = dt > 0 ? std::fabs(m_nach - m_von) / dt : 0.0f;
    if (m_nach > m_von) return Text_waehlen("Abstieg  ", "Descent  ") + Geschwindigkeit(v);
    return Text_waehlen("Aufstieg ", "Ascent   ") + Geschwindigkeit(v);
}

void Zeitschritt_rechnen(float dt, float m) {
    namespace O2 = Unit_Sauerstofftoxizitaet;
    if (O2::pO2_ausserhalb && !O2::pO2_weiterrechnen) Berechnung_abgebrochen = true;
    if (O2::pO2_hypoxisch(W::bar_pO2)) Berechnung_abgebrochen = true;
    if (Berechnung_abgebrochen) return;
    W::bar_Umgebung_vorher = W::bar_Umgebung;
    W::min_dt = dt;
    W::m_Wasser = m;
    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
    Unit_Saettigungsrechnung::bar_Ueberdruck = W::bar_Umgebung - Unit_Formeln::bar_Luft;
    G::Gasgemisch_waehlen(W::Gas_Nr);
    Unit_Saettigungsrechnung::Gewebe_Schritt();
}

std::string Protokollzeile(int32_t i, const std::string& Annotation) {
    const W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(i)];
    return Zahl_formatieren(6, 2, w.min_Runtime) + " " + Zahl_formatieren(6, 2, w.m_Wasser) + " " +
           auf_Breite(Gasname(w.Gas_Nr), 12) + " " + Zahl_formatieren(5, 2, w.bar_pO2) + " " +
           Zahl_formatieren(5, 1, w.CNS_Prozent) + " " + Zahl_formatieren(5, 1, w.OTU) + " " +
           Zahl_formatieren(5, 1, w.m_END) + " " + w.Aktion.Text() + " " + Annotation + " " +
           w.Warnung.Text();
}

void WayPoint_anzeigen(const std::string& Text, int32_t i, int Plot, bool Protokoll) {
    if (i < 0 || i > W::WayPointMax) return;
    W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(i)];
    if (Plot == Graph::Plot_Eingabe) Zustand_auffrischen();
    Graph::Punkt_hinzufuegen(Plot, w.min_Runtime, w.m_Wasser);
    Graph::Cursor[Plot == Graph::Plot_Eingabe ? 1 : 2] = {w.min_Runtime, w.m_Wasser};

    std::string Annotation;
    if (beginnt_mit(Text, "Deko") || beginnt_mit(Text, "Deco") || beginnt_mit(Text, "Deep"))
        Annotation = Unit_AustauchPlanung::Stop_Annotation(i);
    else if (beginnt_mit(Text, "DEKO") || beginnt_mit(Text, "DECO"))
        Annotation = Text_waehlen("*** DEKOUNFALL ***", "*** DECO ACCIDENT ***");

    w.Aktion = Text;
    if (!w.Warnung.empty()) {
        Annotation_zeichnen(true, i);
        W::Warntext = w.Warnung;
        if (!enthaelt_Dekounfall(W::Warntext)) W::Warntext.clear();
    }
    m_Wasser_MAX = std::max(m_Wasser_MAX, w.m_Wasser);

    namespace T = Unit_Textpuffer;
    if (Protokoll) T::Memo_Tauchgangsberechnung.Zeile_anfuegen(Protokollzeile(i, Annotation));
    if (beginnt_mit(Text, "STOP"))
        Unit_AustauchPlanung::Zusammenfassung_anfuegen(T::Memo_Tauchgangsberechnung, w.min_Runtime);
    if (!Annotation.empty()) T::Memo_DekoInfo.Zeile_anfuegen(Annotation);
    if (Berechnung_abgebrochen)
        T::Memo_DekoInfo.Zeile_anfuegen(
            Text_waehlen("! Tauchgangsberechnung abgebrochen !", "! Dive calculation cancelled !"));
    if (!w.Warnung.empty()) T::Memo_Warnung.Zeile_anfuegen(w.Warnung);
}

void Segment_anhaengen(int32_t marke, bool mit_Plan, bool zeigen, float m_von, float min_von, float m_nach,
                       float min_nach) {
    W::WayPoint_Anzahl = std::clamp(marke, 0, W::WayPointMax);
    W::m_Wasser = m_von;
    W::min_Runtime = min_von;
    if (!mit_Plan) {
        W::m_Wasser = m_nach;
        W::min_Runtime = min_nach;
        Zeile_anhaengen(Segment_Beschriftung(m_von, min_von, m_nach, min_nach), zeigen);
        Systemwechsel_pruefen(zeigen);
        Gaswechsel_pruefen(zeigen);
        return;
    }
    if (marke == 0 && Sofortabstieg) {
        W::m_Wasser = m_nach;
        W::min_Runtime = W::min_Schritt;
        Zeile_anhaengen(Segment_Beschriftung(m_von, min_von, m_nach, W::min_Schritt), zeigen);
        W::min_Runtime = min_nach;
        Zeile_anhaengen("Bottom", zeigen);
        Systemwechsel_pruefen(zeigen);
        Gaswechsel_pruefen(zeigen);
        return;
    }
    Segment_mit_Plan(zeigen, m_von, m_nach, min_nach);
}

void Systemwechsel_pruefen(bool zeigen) {
    const int32_t marke = Unit_WayPoints::Eingabemarke;
    if (marke < 2 || marke > W::WayPointMax) return;
    if (W::Tauchgeraet == W::WayPoint[static_cast<std::size_t>(marke)].Tauchgeraet) return;
    Zeile_anhaengen(W::Tauchgeraet == 0 ? "Bail Out" : "Systemwechsel", zeigen);
}

void Gaswechsel_pruefen(bool zeigen) {
    const int32_t marke = Unit_WayPoints::Eingabemarke;
    if (marke < 2 || marke > W::WayPointMax) return;
    if (W::Gas_Nr == W::WayPoint[static_cast<std::size_t>(marke)].Gas_Nr) return;
    Zeile_anhaengen("Gaswechsel", zeigen);
    spuelen_und_warten(zeigen);
}

void pO2_Wechsel_pruefen(bool zeigen) {
    const int32_t marke = Unit_WayPoints::Eingabemarke;
    if (marke < 2 || marke > W::WayPointMax) return;
    if (W::Tauchgeraet != 1 || W::CCR_Setpoint == W::WayPoint[static_cast<std::size_t>(marke)].CCR_Setpoint)
        return;
    Zeile_anhaengen("CCR pO2 Wechsel", zeigen);
}

void Tauchgang_nachrechnen() {
    namespace T = Unit_Textpuffer;
    Dekounfallzeilen_entfernen();
    Unit_AustauchPlanung::m_ErsterStop = 0; // the replay breathes with the factor of the first stop
    Unit_Grenzwerte::Dekounfall_anzeigen = [](int32_t Nr) {
        WayPoint_anzeigen(W::WayPoint[static_cast<std::size_t>(Nr)].Aktion, Nr, Graph::Plot_Berechnet, true);
    };
    T::Memo_Warnung.Leeren();
    T::Memo_DekoInfo.Leeren();
    T::Memo_Tauchgangsberechnung.Zeile_anfuegen("*** Tauchgangsberechnung ***");
    for (int p : {Graph::Plot_Start, Graph::Plot_Berechnet, Graph::Plot_Samples}) Graph::Plot_loeschen(p);
    Graph::Punkt_hinzufuegen(Graph::Plot_Start, 0, 0);
    Unit_WayPoints::Grafikmodus = 2;
    // Row 0 becomes "START" in the calculated profile; its log line and its warning follow once,
    // below, when its values are known (shown here too they stood twice in both lists).
    W::WayPoint[0].Aktion = "START";
    Graph::Punkt_hinzufuegen(Graph::Plot_Berechnet, W::WayPoint[0].min_Runtime, W::WayPoint[0].m_Wasser);

    W::WayPoint_Type& w0 = W::WayPoint[0];
    W::min_Runtime = w0.min_Runtime;
    W::m_Wasser = w0.m_Wasser;
    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
    Unit_Saettigungsrechnung::bar_Ueberdruck = W::bar_Umgebung - Unit_Formeln::bar_Luft;
    if (Setpoint_aus_pO2(w0)) w0.CCR_Setpoint = w0.bar_pO2;
    Atemgeraet_von(w0);

    w0.bar_pO2 = static_cast<float>((W::bar_Umgebung - Unit_Formeln::p_H2O) * G::f_O2);
    // The first step checks the pO2 of the start, not one left over from the input.
    W::bar_pO2 = w0.bar_pO2;
    w0.CNS_Prozent = static_cast<float>(W::CNS_Prozent);
    w0.OTU = static_cast<float>(W::OTU);
    w0.m_END = 0;
    W::sData_Anzahl = 0;
    W::Sample_speichern();
    if (Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag)
        for (int32_t k = 1; k <= W::WayPoint_Anzahl; ++k) {
            auto& m = W::WayPoint[static_cast<std::size_t>(k)].m_Wasser;
            if (m > 0) m = Unit_Formeln::m_Tiefenzuschlag(m); // the surface stays the surface
        }

    W::m_END = 0;
    W::Warntext.clear();
    Unit_Tauchgangszustand::WayPoint_Warnung_setzen(0);
    GF_Spitze[0] = GF_Spitze_jetzt();
    WayPoint_anzeigen(w0.Aktion, 0, Graph::Plot_Berechnet, true);
    if (W::Tauchgeraet >= 1 && W::Tauchgeraet <= 3) Unit_CCR_SCR::Kreislauf_spuelen();

    for (int32_t i = 1; i <= W::WayPoint_Anzahl; ++i) {
        Atemgeraet_von(W::WayPoint[static_cast<std::size_t>(i - 1)]);
        if (Setpoint_aus_pO2(W::WayPoint[static_cast<std::size_t>(i)])) {
            W::CCR_Setpoint = W::WayPoint[static_cast<std::size_t>(i - 1)].bar_pO2;
            Unit_CCR_SCR::Sollwerte_uebernehmen();
        }
        const int32_t Anzahl_vorher = W::WayPoint_Anzahl;
        const W::WayPoint_Type& Ziel = W::WayPoint[static_cast<std::size_t>(i)];
        Zeitschritt_rechnen(Ziel.min_Runtime - W::WayPoint[static_cast<std::size_t>(i - 1)].min_Runtime,
                            Ziel.m_Wasser);
        i += neue_Zeilen_einordnen(i, Anzahl_vorher);
        W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(i)];
        GF_Spitze[static_cast<std::size_t>(i)] = GF_Spitze_jetzt();
        if (ist_Spuelzeile(w.Aktion)) Unit_CCR_SCR::Kreislauf_spuelen();
        if (Berechnung_abgebrochen) break;
        // A row recorded with a pO2 instead of a setpoint keeps its record: the next row reads it.
        if (!Setpoint_aus_pO2(w)) w.bar_pO2 = W::bar_pO2;
        w.CNS_Prozent = static_cast<float>(W::CNS_Prozent);
        w.OTU = static_cast<float>(W::OTU);
        w.m_END = W::m_END;
        W::CCR_Setpoint = w.CCR_Setpoint;
        Unit_Tauchgangszustand::WayPoint_Warnung_setzen(i);
        WayPoint_anzeigen(w.Aktion, i, Graph::Plot_Berechnet, true);
        Annotation_zeichnen(true, i);
    }

    W::WayPoint_Type& letzte = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    if (Setpoint_aus_pO2(letzte)) letzte.CCR_Setpoint = letzte.bar_pO2;
    Atemgeraet_von(letzte);
}

void Annotation_zeichnen(bool zeichnen, int32_t i) {
    if (i < 0 || i > W::WayPointMax) return;
    if (!zeichnen) {
        Graph::Annotation_entfernen(i);
        return;
    }
    const W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(i)];
    const W::WayPoint_Type* v = i > 0 ? &W::WayPoint[static_cast<std::size_t>(i - 1)] : nullptr;
    // A rule that yields nothing leaves what the waypoint showed before.
    std::string Text = Graph::Annotation[static_cast<std::size_t>(i)];
    auto setzen = [&Text](const std::string& Kandidat) {
        if (!Kandidat.empty()) Text = Kandidat;
    };
    if (!v || w.Gas_Nr != v->Gas_Nr) setzen(Gasname(w.Gas_Nr));
    if (w.Aktion == "Bubble check") setzen("Bubble check");
    if (v && w.Tauchgeraet != v->Tauchgeraet) setzen(w.Tauchgeraet == 0 ? "Bail Out" : "Systemwechsel");
    if (v && Graph::Setpoint_Annotation_erlaubt && w.Tauchgeraet == 1 && v->Tauchgeraet == 1 &&
        w.CCR_Setpoint != v->CCR_Setpoint)
        setzen("CCR pO2 = " + Zahl_formatieren(4, 2, w.CCR_Setpoint));
    Graph::Annotation_setzen(i, Text, w.Warnung);
}

} // namespace Unit_Tauchgangsberechnung
