#include "commands/Unit_Kontingenz.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace Unit_Kontingenz {

namespace {
namespace W = Unit_WayPoints;
namespace U = Unit_AustauchPlanung;
namespace K = Unit_Kontingenzplaene;
using Unit_Tools::Text_waehlen;
using Unit_UI::Meldungsart;

// The plans' messages stay unseen; a cancel click still reaches the calculation.
class Stille_Oberflaeche : public Unit_UI::Oberflaeche {
  public:
    explicit Stille_Oberflaeche(Unit_UI::Oberflaeche& Fenster) : Fenster(Fenster) {}
    std::string erstes_Problem;
    std::string letzte_Info;

    void Meldung(Meldungsart Art, const std::string& Text) override {
        if (Unit_Main::Abbruch_verlangt) return Fenster.Meldung(Art, Text); // the user's cancel
        if (Art == Meldungsart::Info)
            letzte_Info = Text;
        else if (erstes_Problem.empty())
            erstes_Problem = Text;
    }
    std::string Grund() const {
        if (!erstes_Problem.empty()) return erstes_Problem;
        return letzte_Info.empty() ? Text_waehlen("Berechnung abgebrochen", "calculation cancelled")
                                   : letzte_Info;
    }
    bool Frage(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> Eingabe(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> Datei_waehlen(const Unit_UI::Dateiwahl&) override { return std::nullopt; }
    void Nachrichten_verarbeiten() override { Fenster.Nachrichten_verarbeiten(); }

  private:
    Unit_UI::Oberflaeche& Fenster;
};

// What the plans change, kept to be put back.
struct Eingabe_Stand {
    std::vector<W::WayPoint_Type> Punkte;
    int32_t letzter_Eingabe = 0;
    Tiefentabelle_Type Gaswechsel;
    bool Gaswechsel_OK = false;
    bool Bail_Out = false;
    bool pO2_weiterrechnen = false;
    // Ascend starts the loops from where the last calculation left them.
    Unit_CCR_SCR::CCR_Type CCR;
    Unit_CCR_SCR::SCR_Type SCR;
    Unit_CCR_SCR::pSCR_Type pSCR;
    bool CCR_O2_zugegeben = false;
    bool CCR_Dil_zugegeben = false;

    static Eingabe_Stand sichern() {
        Eingabe_Stand s;
        const int32_t n = W::WayPoint_letzter_Eingabe;
        s.Punkte.assign(W::WayPoint.begin(), W::WayPoint.begin() + n + 1);
        s.letzter_Eingabe = n;
        s.Gaswechsel = U::Aufstieg_Gaswechsel;
        s.Gaswechsel_OK = U::Aufstieg_Gaswechsel_OK;
        s.Bail_Out = U::Bail_Out;
        s.pO2_weiterrechnen = Unit_Sauerstofftoxizitaet::pO2_weiterrechnen;
        namespace L = Unit_CCR_SCR;
        std::tie(s.CCR, s.SCR, s.pSCR, s.CCR_O2_zugegeben, s.CCR_Dil_zugegeben) =
            std::tie(L::CCR, L::SCR, L::pSCR, L::CCR_O2_zugegeben, L::CCR_Dil_zugegeben);
        return s;
    }
    void zurueck() const {
        std::copy(Punkte.begin(), Punkte.end(), W::WayPoint.begin());
        W::WayPoint_letzter_Eingabe = W::WayPoint_Anzahl = W::Eingabemarke = letzter_Eingabe;
        U::Aufstieg_Gaswechsel = Gaswechsel;
        U::Aufstieg_Gaswechsel_OK = Gaswechsel_OK;
        U::Bail_Out = Bail_Out;
        Unit_Sauerstofftoxizitaet::pO2_weiterrechnen = pO2_weiterrechnen;
        namespace L = Unit_CCR_SCR;
        std::tie(L::CCR, L::SCR, L::pSCR, L::CCR_O2_zugegeben, L::CCR_Dil_zugegeben) =
            std::tie(CCR, SCR, pSCR, CCR_O2_zugegeben, CCR_Dil_zugegeben);
    }
};

W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

float m_tiefster_Punkt() {
    float m = 0;
    for (int32_t i = 1; i <= W::WayPoint_letzter_Eingabe; ++i) m = std::max(m, Punkt(i).m_Wasser);
    return m;
}

// The row text of the segment that ends at entered point i.
std::string Beschriftung(const std::vector<W::WayPoint_Type>& Punkte, std::size_t i) {
    return Unit_Tauchgangsberechnung::Segment_Beschriftung(Punkte[i - 1].m_Wasser, Punkte[i - 1].min_Runtime,
                                                           Punkte[i].m_Wasser, Punkte[i].min_Runtime);
}

// A changed segment gets the text Dive would have given it, where its old text was Dive's.
void neu_beschriften(const std::vector<W::WayPoint_Type>& vorher) {
    const std::vector<W::WayPoint_Type> jetzt(W::WayPoint.begin(), W::WayPoint.begin() + vorher.size());
    for (std::size_t i = 1; i < vorher.size(); ++i)
        if (vorher[i].Aktion.Text() == Beschriftung(vorher, i))
            W::WayPoint[i].Aktion = Beschriftung(jetzt, i);
}

// Every segment of the entered points as Dive would take it: time runs on, no faster than the
// descent and ascent limits, a changed point within the limits of depth and runtime (a loaded dive
// may lie beyond them already).
bool Punkte_gueltig(const std::vector<W::WayPoint_Type>& vorher) {
    for (std::size_t i = 1; i < vorher.size(); ++i) {
        const auto &a = W::WayPoint[i - 1], &b = W::WayPoint[i];
        const float dt = b.min_Runtime - a.min_Runtime, dm = b.m_Wasser - a.m_Wasser;
        const bool zu_lang =
            b.min_Runtime > Unit_Main::min_Runtime_Grenze && b.min_Runtime > vorher[i].min_Runtime;
        const bool zu_tief = b.m_Wasser > Unit_Main::m_Wasser_Grenze && b.m_Wasser > vorher[i].m_Wasser;
        if (dt <= 0 || zu_lang || zu_tief || b.m_Wasser < 0 || dm > Unit_Main::v_Abstieg_Grenze * dt ||
            -dm > Unit_Main::v_Aufstieg_Grenze * dt)
            return false;
    }
    return true;
}

// The bottom phase ends at the last entered point at the deepest depth: from there on the points
// come min later.
void Grundzeit_aendern(float min) {
    const float m = m_tiefster_Punkt();
    int32_t d = W::WayPoint_letzter_Eingabe;
    while (d > 1 && Punkt(d).m_Wasser != m) --d;
    for (int32_t i = d; i <= W::WayPoint_letzter_Eingabe; ++i) Punkt(i).min_Runtime += min;
}

// Every entered point at the deepest depth goes m deeper; the times stay.
void Tiefe_aendern(float m) {
    const float m_max = m_tiefster_Punkt();
    for (int32_t i = 1; i <= W::WayPoint_letzter_Eingabe; ++i)
        if (Punkt(i).m_Wasser == m_max) Punkt(i).m_Wasser += m;
}

// The gas switch table without gas's rows; the rows left are filled up as the window fills them.
void Gas_streichen(int32_t Gas) {
    Tiefentabelle_Type t;
    int n = 0;
    for (const auto& z : U::Aufstieg_Gaswechsel.Zeile)
        if (static_cast<int32_t>(z.Wert) != Gas) t.Zeile[static_cast<std::size_t>(n++)] = z;
    U::Aufstieg_Gaswechsel_OK = n > 0;
    if (n > 0) Unit_Tiefentabelle::Zeilen_auffuellen(t, n);
    U::Aufstieg_Gaswechsel = t;
}

// The ascent gases of the table as the ascent meets them, deepest row first; the gas of the end of
// the bottom phase is none of them.
std::vector<int32_t> Aufstiegsgase() {
    std::vector<int32_t> Gase;
    if (!U::Aufstieg_Gaswechsel_OK) return Gase;
    auto Zeilen = U::Aufstieg_Gaswechsel.Zeile;
    std::stable_sort(Zeilen.begin(), Zeilen.end(),
                     [](const auto& a, const auto& b) { return a.m_ab > b.m_ab; });
    const int32_t Grundgas = Punkt(W::WayPoint_letzter_Eingabe).Gas_Nr;
    for (const auto& z : Zeilen) {
        const auto Gas = static_cast<int32_t>(z.Wert);
        if (Gas != Grundgas && std::find(Gase.begin(), Gase.end(), Gas) == Gase.end()) Gase.push_back(Gas);
    }
    return Gase;
}

std::string Gasname(int32_t Gas) {
    if (Gas < 0 || Gas > Unit_Gasgemisch_BestMix::GasGemisch_NumMaxUeberhaupt) return std::to_string(Gas);
    return Unit_Gasgemisch_BestMix::Gasgemisch[static_cast<std::size_t>(Gas)].Name;
}

// A cancel click ends the contingency plans; the plan itself then meets the same cancel.
struct Abgebrochen {};

// Plans the entered points as they now stand; the reason when no plan came of it.
std::string Planen(Stille_Oberflaeche& Stille) {
    Stille.erstes_Problem.clear();
    Stille.letzte_Info.clear();
    std::string Tabelle_voll;
    try {
        Unit_Main::Plan_rechnen(false);
    } catch (const Unit_UI::Befehl_abgebrochen& e) {
        Tabelle_voll = e.what();
    }
    if (Unit_Main::Abbruch_verlangt) throw Abgebrochen{};
    if (!Tabelle_voll.empty()) return Tabelle_voll;
    if (Unit_Main::pO2_ausserhalb_der_Tabelle())
        return Text_waehlen("ein Gas jenseits seiner MOD (pO2 außerhalb der NOAA Tabelle)",
                            "a gas beyond its MOD (pO2 outside the NOAA table)");
    if (Unit_Tauchgangsberechnung::Berechnung_abgebrochen) return Stille.Grund();
    return "";
}

void Ergebnis_lesen(K::Plan& p) {
    p.min_Runtime = Punkt(W::WayPoint_Anzahl).min_Runtime;
    p.min_Aufstieg = U::min_Aufstiegszeit;
    p.m_ErsterStop = U::min_ErsterStop > 0 ? U::m_ErsterStop : 0;
    p.CNS_Prozent = Unit_Main::CNS_Prozent_max();
    for (const auto& g : Unit_Gasgemisch_BestMix::Gasgemisch)
        if (g.barL_gesamt > 0) p.Gase.push_back({g.Name, g.barL_gesamt});
    p.Tabelle = Unit_Report::Runtime_Tabelle_Zeilen();
}

std::string ungueltig() {
    return Text_waehlen(
        "die eingegebenen Punkte lassen diese Änderung nicht zu (Grenzen der Tiefe, Zeit oder "
        "Geschwindigkeit)",
        "the entered points do not allow this change (limits of depth, time or speed)");
}

// The entered dive changed by aendern, its changed segments labelled anew; false when Dive would
// not take the points so.
bool geaendert(const Eingabe_Stand& Stand, const std::function<void()>& aendern) {
    aendern();
    neu_beschriften(Stand.Punkte);
    return Punkte_gueltig(Stand.Punkte);
}

// One contingency plan: the entered dive changed by aendern, planned, then put back.
K::Plan Kontingenzplan(K::Plan p, const Eingabe_Stand& Stand, Stille_Oberflaeche& Stille,
                       const std::function<void()>& aendern) {
    p.Grund = geaendert(Stand, aendern) ? Planen(Stille) : ungueltig();
    if (p.Grund.empty()) Ergebnis_lesen(p);
    Stand.zurueck();
    return p;
}

// The total runtime of the dive changed by aendern, none when it cannot be planned.
std::optional<float> Laufzeit(const Eingabe_Stand& Stand, Stille_Oberflaeche& Stille,
                              const std::function<void()>& aendern) {
    std::optional<float> t;
    if (geaendert(Stand, aendern) && Planen(Stille).empty()) t = Punkt(W::WayPoint_Anzahl).min_Runtime;
    Stand.zurueck();
    return t;
}

std::optional<float> Variation(const Eingabe_Stand& Stand, Stille_Oberflaeche& Stille,
                               const std::function<void(float)>& aendern) {
    const auto plus = Laufzeit(Stand, Stille, [&] { aendern(1); });
    const auto minus = Laufzeit(Stand, Stille, [&] { aendern(-1); });
    if (!plus || !minus) return std::nullopt;
    return (*plus - *minus) / 2;
}

K::Plan Plan_der_Art(K::Planart Art, const std::string& Gas = "") {
    K::Plan p;
    p.Art = Art;
    p.Gas = Gas;
    return p;
}

void alle_berechnen(const Eingabe_Stand& Stand, Stille_Oberflaeche& Stille) {
    const auto min = static_cast<float>(K::min_Kontingenz_Zeit),
               m = static_cast<float>(K::m_Kontingenz_Tiefe);
    K::Plaene.push_back(
        Kontingenzplan(Plan_der_Art(K::Planart::laenger), Stand, Stille, [&] { Grundzeit_aendern(min); }));
    K::Plaene.push_back(
        Kontingenzplan(Plan_der_Art(K::Planart::tiefer), Stand, Stille, [&] { Tiefe_aendern(m); }));
    if (Punkt(W::WayPoint_letzter_Eingabe).Tauchgeraet == 1 && !U::Bail_Out) {
        K::Plaene.push_back(
            Kontingenzplan(Plan_der_Art(K::Planart::Bail_Out), Stand, Stille, [] { U::Bail_Out = true; }));
    } else {
        for (const int32_t Gas : Aufstiegsgase()) {
            K::Plaene.push_back(Kontingenzplan(Plan_der_Art(K::Planart::Gasverlust, Gasname(Gas)), Stand,
                                               Stille, [Gas] { Gas_streichen(Gas); }));
        }
    }
    K::Variationen.min_pro_min = Variation(Stand, Stille, Grundzeit_aendern);
    K::Variationen.min_pro_m = Variation(Stand, Stille, Tiefe_aendern);
}
} // namespace

void Kontingenzplaene_berechnen() {
    K::Vergessen();
    if (!K::Kontingenzplaene_an || !K::Plaene_verlangt) return;
    K::berechnet = true;
    const Eingabe_Stand Stand = Eingabe_Stand::sichern();
    Unit_UI::Oberflaeche& Fenster = Unit_UI::UI();
    Stille_Oberflaeche Stille(Fenster);
    Unit_UI::UI_setzen(&Stille);
    try {
        alle_berechnen(Stand, Stille);
    } catch (const Abgebrochen&) {
        K::Vergessen();
        Stand.zurueck();
    } catch (...) {
        Unit_UI::UI_setzen(&Fenster);
        Stand.zurueck();
        throw;
    }
    Unit_UI::UI_setzen(&Fenster);
}

} // namespace Unit_Kontingenz
