#include "planning/Unit_AbtauchPlanung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_AbtauchPlanung {

bool Abstieg_Geschwindigkeit_variabel;
float v_Abstieg_konstant;
Tiefentabelle_Type Abstieg_Geschwindigkeit;
bool Abstieg_Gaswechsel_OK;
Tiefentabelle_Type Abstieg_Gaswechsel;
bool Abstieg_Setpoint_variabel;
Tiefentabelle_Type Abstieg_Setpoint;
bool Abstiegsplanung_verwenden = false;
bool Bubble_Check = false;
float m_Bubble_Check = 5;
float min_Bubble_Check = 1;
bool Bubble_Check_erledigt = false;

void Tabellen_zuruecksetzen() {
    Abstieg_Geschwindigkeit_variabel = false;
    v_Abstieg_konstant = 25;
    Abstieg_Geschwindigkeit = Tiefentabelle_gleich(0, 25);
    Abstieg_Gaswechsel_OK = false;
    Abstieg_Gaswechsel = Tiefentabelle_gleich(0, 0);
    Abstieg_Setpoint_variabel = false;
    Abstieg_Setpoint = Tiefentabelle_gleich(0, 1.3f);
}

namespace {
const bool Standard_geladen = (Tabellen_zuruecksetzen(), true);

namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
using Unit_Tiefentabelle::Reihenfolge_pruefen;
using Unit_Tiefentabelle::Zeilen_auffuellen;

constexpr int32_t m_Maximaltiefe = 350;

float Spinwert(int32_t Wert, int32_t von, int32_t bis) {
    return static_cast<float>(std::clamp(Wert, von, bis));
}

// The first depth field of a page may say 0 m (from the surface on), the others start at 1 m.
float Zeilentiefe(std::size_t k, int32_t m) {
    return Spinwert(m, k == 0 ? 0 : 1, m_Maximaltiefe);
}

bool ist_Gas(int32_t Gas) {
    return Gas >= 0 && Gas <= std::min(G::Gasgemisch_NumMax, G::GasGemisch_NumMaxUeberhaupt);
}

int32_t gerundet(float Wert) {
    return static_cast<int32_t>(std::lround(std::clamp(Wert, -1.0e6f, 1.0e6f)));
}

bool bei_0_m(const Tiefentabelle_Type& Tabelle) {
    return std::fabs(Tabelle.Zeile[0].m_ab) < 0.001f;
}
} // namespace

bool Geschwindigkeit_uebernehmen(int32_t vConst, const std::array<int32_t, 3>& m,
                                 const std::array<int32_t, 3>& v) {
    v_Abstieg_konstant = Spinwert(vConst, 1, 100);
    for (std::size_t k = 0; k < 3; ++k)
        Abstieg_Geschwindigkeit.Zeile[k] = {Spinwert(m[k], 0, m_Maximaltiefe),
                                            Spinwert(v[k], 1, k < 2 ? 50 : 100)};
    Zeilen_auffuellen(Abstieg_Geschwindigkeit, 3);
    return Reihenfolge_pruefen(Abstieg_Geschwindigkeit);
}

void BubbleCheck_uebernehmen(bool an, int32_t m, int32_t min) {
    Bubble_Check = an;
    m_Bubble_Check = Spinwert(m, 1, 50);
    min_Bubble_Check = Spinwert(min, 1, 60);
}

bool Gaswechsel_uebernehmen(const std::array<int32_t, 5>& m, const std::array<int32_t, 5>& Gas) {
    for (std::size_t k = 0; k < 5; ++k) {
        auto& z = Abstieg_Gaswechsel.Zeile[k];
        z.m_ab = Zeilentiefe(k, m[k]);
        if (ist_Gas(Gas[k])) {
            z.Wert = static_cast<float>(Gas[k]);
            continue;
        }
        const std::string n = std::to_string(k + 1);
        Unit_Tools::Meldung_Problem("Zeile " + n + ": kein Gas der Gasliste gewählt, das Gas bleibt",
                                    "Row " + n + ": no gas of the gas list chosen, the gas stays");
    }
    Zeilen_auffuellen(Abstieg_Gaswechsel, 5);
    return Reihenfolge_pruefen(Abstieg_Gaswechsel);
}

bool Setpoint_uebernehmen(const std::string& pO2_const, const std::array<int32_t, 3>& m,
                          const std::array<std::string, 3>& pO2) {
    W::CCR_Setpoint = static_cast<float>(Unit_Tools::Zahl_lesen(pO2_const));
    for (std::size_t k = 0; k < 3; ++k)
        Abstieg_Setpoint.Zeile[k] = {Zeilentiefe(k, m[k]),
                                     static_cast<float>(Unit_Tools::Zahl_lesen(pO2[k]))};
    Zeilen_auffuellen(Abstieg_Setpoint, 3);
    return Reihenfolge_pruefen(Abstieg_Setpoint);
}

Freigabe_Type Freigaben(uint8_t Tauchgeraet) {
    Freigabe_Type f;
    f.Seite_Geschwindigkeit = f.Seite_BubbleCheck = f.Seite_Gaswechsel = Abstiegsplanung_verwenden;
    f.Seite_pO2 = Abstiegsplanung_verwenden && Tauchgeraet == 1;
    f.vConst = !Abstieg_Geschwindigkeit_variabel;
    f.v_Tabelle = Abstieg_Geschwindigkeit_variabel;
    f.BubbleCheck_Felder = Bubble_Check;
    f.Gaswechsel_Zeilen = Abstieg_Gaswechsel_OK;
    f.pO2_konstant = !Abstieg_Setpoint_variabel;
    f.pO2_Tabelle = Abstieg_Setpoint_variabel;
    return f;
}

Anzeige_Type Anzeige() {
    using Unit_Tools::Zahl_formatieren;
    Anzeige_Type a;
    a.vConst = gerundet(v_Abstieg_konstant);
    for (std::size_t k = 0; k < 3; ++k) {
        a.m[k] = gerundet(Abstieg_Geschwindigkeit.Zeile[k].m_ab);
        a.v[k] = gerundet(Abstieg_Geschwindigkeit.Zeile[k].Wert);
        a.mp[k] = gerundet(Abstieg_Setpoint.Zeile[k].m_ab);
        a.yp[k] = Zahl_formatieren(4, 2, Abstieg_Setpoint.Zeile[k].Wert);
    }
    a.BubbleCheck_m = gerundet(m_Bubble_Check);
    a.BubbleCheck_min = gerundet(min_Bubble_Check);
    for (std::size_t k = 0; k < 5; ++k) {
        a.Gaswechsel_m[k] = gerundet(Abstieg_Gaswechsel.Zeile[k].m_ab);
        const int32_t Gas = gerundet(Abstieg_Gaswechsel.Zeile[k].Wert);
        a.Gaswechsel_Gas[k] = ist_Gas(Gas) ? Gas : -1; // no item rather than a wrong one
    }
    a.pO2_const = Zahl_formatieren(4, 2, W::CCR_Setpoint);
    return a;
}

Startwerte_Type Startwerte_aus_Plan() {
    Startwerte_Type s;
    if (!Abstiegsplanung_verwenden) return s;
    const float Setpoint = Abstieg_Setpoint.Zeile[0].Wert;
    if (Abstieg_Setpoint_variabel && bei_0_m(Abstieg_Setpoint) &&
        std::fabs(W::CCR_Setpoint - Setpoint) > 0.01f) {
        W::CCR_Setpoint = W::CCR_Setpoint_Start = Setpoint;
        s.Setpoint_gesetzt = true;
    }
    // A gas row naming no gas of the list is passed over, as the descent walk passes it over.
    const int32_t Gas = gerundet(Abstieg_Gaswechsel.Zeile[0].Wert);
    if (Abstieg_Gaswechsel_OK && bei_0_m(Abstieg_Gaswechsel) && ist_Gas(Gas)) {
        W::Gas_Nr = W::Gas_Nr_Start = Gas;
        G::Gasgemisch_waehlen(Gas);
        s.Gas_gesetzt = true;
    }
    return s;
}

} // namespace Unit_AbtauchPlanung
