#include "settings/Unit_Grundeinstellungen.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <array>

namespace Unit_Grundeinstellungen {

int32_t Grundeinstellung = 1;

namespace {
namespace W = Unit_WayPoints;
namespace S = Unit_Saettigungsmodelle;
namespace A = Unit_AbtauchPlanung;
namespace U = Unit_AustauchPlanung;
namespace D = Unit_Graph_Utilities;

// What the presets set differently; everything else is common to all six (below).
struct Vorgabe {
    const char* Name;
    bool Modelle, OTU, GF_Anzeige, Druck, Atemkreislauf; // display switches
    float m_Hoehe;                                       // site altitude for the air pressure, m
    float m_DekoZuletzt;                                 // last stop, m
    bool volle_RunTime_Minuten;                          // otherwise stops to full minutes
    bool Tiefenzuschlag, letzten_Stop_verdoppeln;
    float Sicherheitsstop_min;
    bool GF_verwenden;
    float GF_Lo, GF_Hi;
    uint8_t Tauchgeraet; // 0 OC, 1 CCR, 2 SCR
    int32_t Modell_N2;   // 1 ZH-L16B "table", 2 ZH-L16C "computer"
    bool Sofortabstieg;  // descend the first segment at once, as the tables assume
};

// clang-format off
const std::array<Vorgabe, Grundeinstellung_Anzahl> Vorgaben = {{
//   Name                                                             Mod    OTU    GF     Druck  Kreis  Höhe  Letzt RT-Min Zuschl Dopp   SStop GF     Lo    Hi    Gerät N2 Sofort
    {"Sporttaucher * Vergleich mit Bühlmann-Tabelle (0-700 m)",       true,  false, false, false, false, 700,  3,    false, true,  false, 0,    false, 0.2f, 0.7f, 0,    1, true},
    {"Sporttaucher",                                                  false, false, false, false, false, 0,    3,    false, true,  false, 0,    false, 0.2f, 0.7f, 0,    2, false},
    {"Tec-Tauchgang * Bühlmann * offenes System (OC)",                true,  true,  true,  true,  false, 0,    6,    true,  true,  false, 1,    false, 0.3f, 0.8f, 0,    2, false},
    {"Tec-Tauchgang * Gradienten Faktoren * offenes System (OC)",     true,  true,  true,  true,  false, 0,    6,    true,  false, false, 0,    true,  0.3f, 0.8f, 0,    2, false},
    {"Tec-Tauchgang * Gradienten Faktoren * Kreislauftauchgerät (CCR)", true, true, true,  true,  true,  0,    3,    true,  false, false, 0,    true,  0.3f, 0.8f, 1,    2, false},
    {"Dolphin-Tauchgang * Bühlmann (SCR)",                            true,  true,  false, true,  true,  0,    3,    true,  true,  false, 1,    false, 0.2f, 0.7f, 2,    2, false},
}};
// clang-format on

// Values every preset sets alike.
void Gemeinsame_Werte() {
    A::v_Abstieg_konstant = 25;
    Unit_Formeln::m_pro_bar = 10;
    U::m_DekoStep = 3;
    U::Stops_volle_Minuten = true;
    U::Stops_volle_RunTime_Minuten = false;
    U::Aufstiegszeit_addieren = false;
    W::Gas_Nr = 0;
    Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(0);
    Unit_Gasverbrauch::AMV = 20;
    Unit_Gasverbrauch::AMV_Deko = 20;
    Unit_Formeln::p_H2O_verwenden = true;
    Unit_Formeln::p_H2O_setzen(true);
    Unit_Saettigungsrechnung::Algorithmus = 1;
    Unit_WayPoints::min_Runtime_Start = 30;
    Unit_WayPoints::m_Wasser_Start = 25;
    W::Gas_Nr_Start = 0;
    W::CCR_Setpoint_Start = 1.3f;
}

void Plaene_setzen() {
    A::Abstieg_Geschwindigkeit_variabel = false;
    A::Abstieg_Geschwindigkeit = Tiefentabelle_gleich(0, 25);
    A::Bubble_Check = false;
    A::Abstieg_Gaswechsel_OK = false;
    A::Abstieg_Gaswechsel = Tiefentabelle_gleich(30, 0);
    A::Abstieg_Gaswechsel.Zeile[0] = {0, 0};
    A::Abstieg_Setpoint_variabel = false;
    A::Abstieg_Setpoint = Tiefentabelle_gleich(0, 1.3f);

    U::v_Aufstieg_konstant = 10;
    U::Aufstieg_Geschwindigkeit_variabel = false;
    U::Aufstieg_Geschwindigkeit = Tiefentabelle_gleich(350, 10);
    U::Aufstieg_Geschwindigkeit.Zeile[0] = {6, 3};
    U::Aufstieg_Geschwindigkeit.Zeile[1] = {10, 10};
    // Gas switches and gas breaks need gases the diver carries: a preset never switches them on.
    U::Aufstieg_Gaswechsel_OK = false;
    U::AirBreak_OK = false;
    U::Aufstieg_Setpoint_variabel = false;
    U::Bail_Out = false;
}
} // namespace

std::string Grundeinstellung_Name(int32_t Nummer) {
    if (Nummer < 0 || Nummer >= Grundeinstellung_Anzahl) return {};
    return Vorgaben[static_cast<std::size_t>(Nummer)].Name;
}

bool Grundeinstellung_anwenden(int32_t Nummer) {
    if (Nummer < 0 || Nummer >= Grundeinstellung_Anzahl) return false;
    const Vorgabe& v = Vorgaben[static_cast<std::size_t>(Nummer)];
    Grundeinstellung = Nummer;
    Gemeinsame_Werte();

    Unit_Programm::Modelle_zeigen = v.Modelle;
    D::OTU_zeigen = v.OTU;
    D::GF_zeigen = v.GF_Anzeige;
    D::Druck_zeigen = v.Druck;
    D::Atemkreislauf_zeigen = v.Atemkreislauf;

    Unit_Formeln::bar_Luft = Unit_Formeln::bar_Luft_aus_Hoehe(v.m_Hoehe);
    Unit_Formeln::m_NN = Unit_Formeln::m_NN_aus_bar_Luft(Unit_Formeln::bar_Luft);
    U::m_DekoZuletzt = v.m_DekoZuletzt;
    U::Stops_volle_RunTime_Minuten = v.volle_RunTime_Minuten;
    U::Stops_volle_Minuten = !v.volle_RunTime_Minuten;

    S::Buehlmann_Tiefenzuschlag = v.Tiefenzuschlag;
    S::Buehlmann_letzten_Stop_verdoppeln = v.letzten_Stop_verdoppeln;
    S::Buehlmann_Sicherheitsstop_min = v.Sicherheitsstop_min;
    S::GF_verwenden = v.GF_verwenden;
    S::GF_Lo = v.GF_Lo;
    S::GF_Hi = v.GF_Hi;
    S::GF_Lo_last_deco_stop = true;
    S::GF_alle_Stops = false;
    S::Deep_Stop_verwenden = false;

    W::Tauchgeraet = W::Tauchgeraet_Start = v.Tauchgeraet;
    W::CCR_Setpoint = 1.3f;
    Plaene_setzen();
    S::Modell_waehlen(v.Modell_N2, S::Modell_N2);
    S::Modell_waehlen(S::Modell_He_Standard, S::Modell_He);
    Unit_Tauchgangsberechnung::Sofortabstieg = v.Sofortabstieg;
    return true;
}

} // namespace Unit_Grundeinstellungen
