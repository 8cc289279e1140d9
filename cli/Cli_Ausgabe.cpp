#include "Cli_Ausgabe.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace Cli_Ausgabe {

namespace {
namespace W = Unit_WayPoints;
namespace Memo = Unit_Textpuffer;
using nlohmann::json;

const Memo::Textpuffer* Puffer(const std::string& Name) {
    if (Name == "runtime") return &Memo::Memo_RunTimeTabelle;
    if (Name == "summary") return &Memo::Memo_Zusammenfassung;
    if (Name == "report") return &Memo::Memo_Report;
    if (Name == "csv") return &Memo::Memo_ReportCSV;
    if (Name == "log") return &Memo::Memo_Tauchgangsberechnung;
    if (Name == "deco") return &Memo::Memo_DekoInfo;
    if (Name == "warnings") return &Memo::Memo_Warnung;
    if (Name == "gas") return &Memo::Memo_Gasverbrauch;
    return nullptr;
}

// A number JSON can hold: NaN and infinities become null.
json Zahl(long double x) {
    return std::isfinite(x) ? json(static_cast<double>(x)) : json(nullptr);
}

// A stored single as the decimal it stands for (23.3, not 23.299999237060547).
json Zahl(float x) {
    if (!std::isfinite(x)) return nullptr;
    char Puffer[32];
    const auto r = std::to_chars(Puffer, Puffer + sizeof Puffer, x);
    return std::strtod(std::string(Puffer, r.ptr).c_str(), nullptr);
}

// The sample computed at a runtime, without touching the dive state.
const W::sData_Type* Sample_bei(float min) {
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k)
        if (std::fabs(W::sData[static_cast<std::size_t>(k)].min_Runtime - min) <= W::min_Schritt / 2)
            return &W::sData[static_cast<std::size_t>(k)];
    return nullptr;
}

json Gewebe(const W::sData_Type& s) {
    json n2 = json::array(), he = json::array();
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        n2.push_back(Zahl(s.p_N2_Gewebe[i]));
        he.push_back(Zahl(s.p_He_Gewebe[i]));
    }
    return {{"n2", n2}, {"he", he}};
}

std::string Gasname(int32_t g) {
    if (g < 0 || g > Unit_Gasgemisch_BestMix::GasGemisch_NumMaxUeberhaupt) return "";
    return Unit_Gasgemisch_BestMix::Gasgemisch[static_cast<std::size_t>(g)].Name;
}

json Wegpunkte(bool berechnet) {
    json a = json::array();
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        json j = {{"runtime", Zahl(w.min_Runtime)},
                  {"depth", Zahl(w.m_Wasser)},
                  {"gas", w.Gas_Nr},
                  {"gas_name", Gasname(w.Gas_Nr)},
                  {"apparatus", Unit_Formeln::Tauchgeraet_Text(w.Tauchgeraet)},
                  {"setpoint", Zahl(w.CCR_Setpoint)},
                  {"scr_flow", Zahl(w.SCR_Flow)},
                  {"dump_ratio", static_cast<int32_t>(w.pSCR_DumpRatio)},
                  {"po2", Zahl(w.bar_pO2)},
                  {"cns", Zahl(w.CNS_Prozent)},
                  {"otu", Zahl(w.OTU)},
                  {"end", Zahl(w.m_END)},
                  {"action", w.Aktion.Text()},
                  {"warning", w.Warnung.Text()},
                  {"ascent", w.austauchen}};
        if (berechnet) {
            const auto* s = Sample_bei(w.min_Runtime);
            const auto Dichte = Unit_Tauchgangszustand::g_pro_L_Gasdichte_am_WayPoint(w);
            j["gas_density"] = Dichte ? Zahl(*Dichte) : json(nullptr);
            if (s) j["tissues"] = Gewebe(*s);
        }
        a.push_back(j);
    }
    return a;
}

json Zusammenfassung() {
    namespace U = Unit_AustauchPlanung;
    namespace R = Unit_Saettigungsrechnung;
    namespace O2 = Unit_Sauerstofftoxizitaet;
    float m_max = 0, CNS = 0, OTU = 0, pO2_max = 0, pO2_min = 0;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        m_max = std::max(m_max, W::WayPoint[static_cast<std::size_t>(i)].m_Wasser);
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k) {
        const auto& s = W::sData[static_cast<std::size_t>(k)];
        CNS = std::max(CNS, s.CNS_Prozent);
        OTU = std::max(OTU, s.OTU);
        pO2_max = std::max(pO2_max, s.bar_pO2);
        pO2_min = k == 0 ? s.bar_pO2 : std::min(pO2_min, s.bar_pO2);
    }
    const float Ceiling =
        R::Ceiling_MAX > Unit_Formeln::bar_Luft ? Unit_Formeln::m_Wasser_aus(R::Ceiling_MAX) : 0.0f;
    const bool Letzter = U::min_LetzterStop > 0;
    return {
        {"max_depth", Zahl(m_max)},
        {"bottom_time", Zahl(U::min_Grundzeit)},
        {"ascent_time", Zahl(U::min_Aufstiegszeit)},
        {"total_time", Zahl(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].min_Runtime)},
        {"first_stop_depth", Zahl(U::m_ErsterStop)},
        {"first_stop_time", Zahl(U::min_ErsterStop)},
        {"last_stop_depth", Zahl(Letzter ? U::m_DekoZuletzt : 0.0f)},
        {"last_stop_time", Zahl(U::min_LetzterStop)},
        {"deepest_ceiling", Zahl(Ceiling)},
        {"max_cns", Zahl(CNS)},
        {"max_otu", Zahl(OTU)},
        {"max_po2", Zahl(pO2_max)},
        {"max_gas_density", Zahl(Unit_Formeln::g_pro_L_Gasdichte_MAX())},
        {"cns_including_earlier_dives", Zahl(static_cast<float>(O2::CNS_Prozent_mit_Vortauchgaengen(CNS)))},
        {"otu_of_the_day", Zahl(static_cast<float>(O2::OTU_des_Tages(OTU)))},
        {"min_po2", Zahl(pO2_min)},
        {"no_fly_hours", Zahl(Unit_Main::Flugverbot_Stunden)},
        {"deco_zone_depth", Zahl(Unit_Main::m_Dekozone_Tauchgang)}};
}

json Gase() {
    namespace G = Unit_Gasgemisch_BestMix;
    json a = json::array();
    for (int32_t g = 0; g <= G::Gasgemisch_NumMax; ++g) {
        const auto& gas = G::Gasgemisch[static_cast<std::size_t>(g)];
        a.push_back({{"index", g},
                     {"name", gas.Name},
                     {"o2", Zahl(gas.f_O2_prozent)},
                     {"n2", Zahl(gas.f_N2_prozent)},
                     {"he", Zahl(gas.f_He_prozent)},
                     {"barL_total", Zahl(gas.barL_gesamt)},
                     {"barL_bottom", Zahl(gas.barL_bis_Aufstieg)},
                     {"barL_ascent", Zahl(gas.barL_Aufstieg)}});
    }
    return a;
}

// Null for a dive without an open-circuit ascent.
json Mindestgas() {
    namespace V = Unit_Gasverbrauch;
    const V::Mindestgas_Typ& m = V::Mindestgas;
    if (m.Gas_Nr < 0) return nullptr;
    const auto bar = [&m](long double barL) {
        return m.L_Flasche > 0 ? Zahl(barL / m.L_Flasche) : json(nullptr);
    };
    return {{"gas", m.Gas_Nr},
            {"gas_name", Gasname(m.Gas_Nr)},
            {"depth", Zahl(m.m_tiefste)},
            {"divers", V::Taucher_Anzahl},
            {"stress_factor", Zahl(V::Stress_Faktor)},
            {"problem_solving_time", Zahl(V::min_Problemloesezeit)},
            {"barL", Zahl(m.barL)},
            {"cylinder_liters", m.L_Flasche > 0 ? Zahl(m.L_Flasche) : json(nullptr)},
            {"bar", bar(m.barL)},
            {"planned_barL", Zahl(m.barL_geplant)},
            {"left_at_end_of_bottom_barL", Zahl(m.barL_Rest)},
            {"left_at_end_of_bottom_bar", bar(m.barL_Rest)},
            {"below_minimum", m.unterschritten}};
}

json Kontingenzplaene() {
    namespace K = Unit_Kontingenzplaene;
    json a = json::array();
    for (const auto& p : K::Plaene) {
        json Gase = json::array();
        for (const auto& g : p.Gase) Gase.push_back({{"gas_name", g.Gas}, {"barL", Zahl(g.barL)}});
        const bool gemacht = p.Grund.empty();
        a.push_back({{"title", K::Titel(p)},
                     {"planned", gemacht},
                     {"reason", gemacht ? json(nullptr) : json(p.Grund)},
                     {"summary", K::Zusammenfassungszeile(p)},
                     {"runtime", gemacht ? Zahl(p.min_Runtime) : json(nullptr)},
                     {"ascent_time", gemacht ? Zahl(p.min_Aufstieg) : json(nullptr)},
                     {"first_stop_depth", gemacht ? Zahl(p.m_ErsterStop) : json(nullptr)},
                     {"max_cns", gemacht ? Zahl(p.CNS_Prozent) : json(nullptr)},
                     {"gases", Gase},
                     {"runtime_table", p.Tabelle}});
    }
    return a;
}

json Variationen() {
    const auto& v = Unit_Kontingenzplaene::Variationen;
    const auto Wert = [](const std::optional<float>& x) { return x ? Zahl(*x) : json(nullptr); };
    return {{"minutes_per_bottom_minute", Wert(v.min_pro_min)}, {"minutes_per_metre", Wert(v.min_pro_m)}};
}

json Analyse() {
    namespace A = Unit_Tauchgang_analysieren;
    const A::Analysewerte a = A::Analysewerte_berechnen();
    const A::GF_Schaetzung GF = A::GF_schaetzen();
    return {{"gf_lo", Zahl(GF.Lo)},
            {"gf_hi", Zahl(GF.Hi)},
            {"bottom_time", Zahl(a.min_Grundzeit)},
            {"ascent_time", Zahl(a.min_Aufstiegszeit)},
            {"max_descent_velocity", Zahl(a.v_Abstieg_max)},
            {"max_ascent_velocity", Zahl(a.v_Aufstieg_max)},
            {"mean_po2", Zahl(a.pO2_Mittel)}};
}

std::string Art_Text(Unit_UI::Meldungsart Art) {
    return Art == Unit_UI::Meldungsart::Info ? "info" : "problem";
}

json Meldungsliste(const std::vector<Unit_UI::Headless::Eintrag>& Meldungen) {
    json m = json::array();
    for (const auto& e : Meldungen) m.push_back({{"kind", Art_Text(e.Art)}, {"text", e.Text}});
    return m;
}

// The earlier dives of a series, oldest first.
json Vortauchgaenge = json::array();

} // namespace

const std::vector<std::string>& Ausgabenamen() {
    static const std::vector<std::string> Namen = {"runtime", "summary",  "report", "csv",         "log",
                                                   "deco",    "warnings", "gas",    "contingency", "json"};
    return Namen;
}

bool ist_Ausgabename(const std::string& Name) {
    const auto& n = Ausgabenamen();
    return std::find(n.begin(), n.end(), Name) != n.end();
}

void Vortauchgang_merken(const std::vector<Unit_UI::Headless::Eintrag>& Meldungen, float Stunden_Pause) {
    Vortauchgaenge.push_back({{"summary", Zusammenfassung()},
                              {"minimum_gas", Mindestgas()},
                              {"messages", Meldungsliste(Meldungen)},
                              {"surface_interval_hours", Zahl(Stunden_Pause)}});
}

std::string Json(bool abgebrochen, const std::vector<Unit_UI::Headless::Eintrag>& Meldungen,
                 bool mit_Analyse) {
    const bool berechnet = W::sData_Anzahl > 0;
    json j = {{"cancelled", abgebrochen},     {"waypoints", Wegpunkte(berechnet)},
              {"summary", Zusammenfassung()}, {"gases", Gase()},
              {"minimum_gas", Mindestgas()},  {"messages", Meldungsliste(Meldungen)}};
    if (mit_Analyse) j["analysis"] = Analyse();
    if (Unit_Kontingenzplaene::berechnet) {
        j["contingencies"] = Kontingenzplaene();
        j["variations"] = Variationen();
    }
    if (!Vortauchgaenge.empty()) j["previous_dives"] = Vortauchgaenge;
    return j.dump(2, ' ', false, json::error_handler_t::replace);
}

void Ausgeben(std::ostream& aus, const std::string& Name, bool abgebrochen,
              const std::vector<Unit_UI::Headless::Eintrag>& Meldungen, bool mit_Analyse) {
    if (Name == "json") {
        aus << Json(abgebrochen, Meldungen, mit_Analyse) << '\n';
        return;
    }
    if (Name == "contingency") {
        Memo::Textpuffer p;
        Unit_Kontingenzplaene::Abschnitt_schreiben(p);
        for (const auto& z : p.Zeilen) aus << z << '\n';
        return;
    }
    if (const auto* p = Puffer(Name))
        for (const auto& z : p->lesen()) aus << z << '\n';
}

std::string Tauchgangsliste_Json(const std::vector<Unit_Save_Read_UDDF::Tauchgang_Eintrag>& Liste) {
    json a = json::array();
    for (const auto& e : Liste)
        a.push_back({{"dive", e.Nummer},
                     {"divenumber", e.Tauchgangsnummer.empty() ? json(nullptr) : json(e.Tauchgangsnummer)},
                     {"datetime", e.Zeitpunkt.empty() ? json(nullptr) : json(e.Zeitpunkt)},
                     {"max_depth", Zahl(e.m_Tiefe_max)},
                     {"duration", Zahl(e.min_Dauer)}});
    return json({{"dives", a}}).dump(2, ' ', false, json::error_handler_t::replace);
}

} // namespace Cli_Ausgabe
