#include "commands/Unit_sData_Waypoints_Edit.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_sData_Waypoints_Edit {

namespace {
namespace W = Unit_WayPoints;
namespace Graph = Unit_Graph_Utilities;
using Unit_Tools::Zahl_formatieren;

// Setpoints and flows typed alike count as the same content.
constexpr float Gleich_Toleranz = 0.005f;
// Runtimes summed up in steps lie a few millionths off the grid.
constexpr float Laufzeit_Toleranz = 0.001f; // min
constexpr float bar_Setpoint_hoechstens = 5;
constexpr float L_pro_min_Flow_hoechstens = 100;
constexpr int32_t Tauchgeraet_hoechstens = 3; // OC, CCR, SCR, pSCR

W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

int32_t im_Speicher(int32_t i) {
    return std::clamp(i, 0, std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax));
}

float im_Bereich(float x, float hoechstens) {
    return std::isfinite(x) ? std::clamp(x, 0.0f, hoechstens) : 0.0f;
}

Atemwerte begrenzt(Atemwerte a) {
    a.Tauchgeraet = std::clamp(a.Tauchgeraet, 0, Tauchgeraet_hoechstens);
    a.CCR_Setpoint = im_Bereich(a.CCR_Setpoint, bar_Setpoint_hoechstens);
    a.SCR_Flow = im_Bereich(a.SCR_Flow, L_pro_min_Flow_hoechstens);
    a.Gas_Nr = std::clamp(a.Gas_Nr, 0, std::max(0, Unit_Gasgemisch_BestMix::Gasgemisch_NumMax));
    return a;
}

// One value written to s and on to the following waypoints as far as the choice reaches.
// Fields kept with their default folded in are compared and written as plain numbers.
template <typename Feld, typename Wert, typename Gleich>
void weitergeben(int32_t s, Weitergabe w, Feld W::WayPoint_Type::*Feld_von, Wert Neu, Gleich gleich) {
    const auto Wert_von = [&](int32_t i) { return static_cast<Wert>(Punkt(i).*Feld_von); };
    const Wert alt = Wert_von(s);
    Punkt(s).*Feld_von = Neu;
    if (w == Weitergabe::nur_dieser) return;
    for (int32_t i = s + 1; i <= W::WayPoint_Anzahl; ++i) {
        if (w == Weitergabe::gleicher_Inhalt && !gleich(Wert_von(i), alt)) return;
        Punkt(i).*Feld_von = Neu;
    }
}

void melden() {
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
}
} // namespace

Anzeige Wegpunkt_anzeigen(int32_t i) {
    const auto& w = Punkt(im_Speicher(i));
    return {Zahl_formatieren(7, 2, w.min_Runtime),
            Zahl_formatieren(6, 2, w.m_Wasser),
            w.Tauchgeraet,
            Zahl_formatieren(4, 2, w.CCR_Setpoint),
            Zahl_formatieren(4, 2, static_cast<float>(w.SCR_Flow)),
            w.Gas_Nr,
            Zahl_formatieren(7, 2, static_cast<float>(w.cave_horizontal_distance_m)),
            Zahl_formatieren(4, 1, static_cast<float>(w.cave_horizontal_velocity_m_pro_min))};
}

int32_t Startwegpunkt() {
    int32_t s = 0;
    for (int32_t i = 0; i <= im_Speicher(W::WayPoint_Anzahl); ++i)
        if (!Punkt(i).austauchen) s = i;
    return s;
}

void Wegpunkt_waehlen(int32_t i) {
    const auto& w = Punkt(im_Speicher(i));
    Graph::Cursor[1] = Graph::Cursor[2] = Graph::Positionsmarke = {w.min_Runtime, w.m_Wasser};
    Graph::Cursor_min_Runtime = w.min_Runtime;
    melden();
}

int32_t Wegpunkt_zur_Runtime(float min) {
    int32_t k = 0;
    for (int32_t i = 1; i <= im_Speicher(W::WayPoint_Anzahl); ++i)
        if (Punkt(i).min_Runtime <= min + Laufzeit_Toleranz) k = i;
    return k;
}

void Aenderungen_uebernehmen(int32_t s, Atemwerte Neu, Weitergabe w) {
    if (s < 0 || s > W::WayPoint_Anzahl) return;
    Neu = begrenzt(Neu);
    const auto genau = [](auto a, auto b) { return a == b; };
    const auto fast = [](float a, float b) { return std::fabs(a - b) <= Gleich_Toleranz; };
    weitergeben(s, w, &W::WayPoint_Type::Tauchgeraet, static_cast<uint8_t>(Neu.Tauchgeraet), genau);
    weitergeben(s, w, &W::WayPoint_Type::CCR_Setpoint, Neu.CCR_Setpoint, fast);
    weitergeben(s, w, &W::WayPoint_Type::SCR_Flow, Neu.SCR_Flow, fast);
    weitergeben(s, w, &W::WayPoint_Type::Gas_Nr, Neu.Gas_Nr, genau);
    W::Tauchgang_gespeichert = false;
    melden();
}

void Kalibrieren(int32_t k, float m_Entfernung, float m_pro_min) {
    if (k < 0 || k > W::WayPoint_Anzahl || !std::isfinite(m_Entfernung) || !std::isfinite(m_pro_min)) return;
    Punkt(k).cave_horizontal_distance_m = m_Entfernung;
    Punkt(k).cave_horizontal_velocity_m_pro_min = m_pro_min;
    int32_t j = 0;
    for (int32_t i = k - 1; i > 0 && j == 0; --i)
        if (Punkt(i).cave_horizontal_distance_m > 0) j = i;
    const float dt = Punkt(k).min_Runtime - Punkt(j).min_Runtime;
    // No time between the two points: no line to lay, the entered values stand.
    if (k == 0 || !(dt > 0)) {
        melden();
        return;
    }
    const float d_j = Punkt(j).cave_horizontal_distance_m;
    const float v = (m_Entfernung - d_j) / dt;
    for (int32_t i = j + 1; i <= k; ++i) {
        Punkt(i).cave_horizontal_distance_m = d_j + v * (Punkt(i).min_Runtime - Punkt(j).min_Runtime);
        Punkt(i).cave_horizontal_velocity_m_pro_min = v;
    }
    if (j == 0)
        Punkt(0).cave_horizontal_velocity_m_pro_min =
            static_cast<float>(Punkt(1).cave_horizontal_velocity_m_pro_min);
    W::Tauchgang_gespeichert = false;
    melden();
}

void Kalibrierungen_loeschen() {
    for (int32_t i = 0; i <= im_Speicher(W::WayPoint_Anzahl); ++i) {
        Punkt(i).cave_horizontal_distance_m = -1.0f;
        Punkt(i).cave_horizontal_velocity_m_pro_min = -1.0f;
    }
    melden();
}

Strecke Kalibrierte_Strecke() {
    Strecke s;
    bool erste = true;
    for (int32_t i = 0; i <= im_Speicher(W::WayPoint_Anzahl); ++i) {
        const float d = Punkt(i).cave_horizontal_distance_m;
        if (erste || d > s.bis) s.bis = d;
        erste = false;
        if (d > 0 && (s.von <= 0 || d < s.von)) s.von = d;
    }
    return s;
}

} // namespace Unit_sData_Waypoints_Edit
