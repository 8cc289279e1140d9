#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <utility>

namespace Unit_Saettigungsrechnung {

int32_t Algorithmus = 1;
float p_N2_atmen = 0;
float p_He_atmen = 0;
float p_N2_atmen_vorher = 0;
float p_He_atmen_vorher = 0;
long double bar_Ueberdruck = 0;
Unit_WayPoints::Grenz_Array p_N2He_Gewebe_MAX_0{};
float Ceiling_MAX = 0;
float min_Ceiling_MAX = 0;

void Ceiling_MAX_zuruecksetzen() {
    Ceiling_MAX = min_Ceiling_MAX = 0;
}

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace M = Unit_Saettigungsmodelle;

constexpr long double ln2 = 0.69314718055994530942L;

long double t_halb_N2(int i) {
    return M::Modell_N2.Kompartiment[i].t_halb;
}
long double t_halb_He(int i) {
    return M::Modell_He.Kompartiment[i].t_halb;
}

// A step length with its bytes.
struct Schrittlaenge {
    long double t;
    Unit_Tools::Bytes80 Bytes;
    explicit Schrittlaenge(long double x) : t(x), Bytes(Unit_Tools::Bytes_von(t)) {}
};

// The constant-pressure factor 1 - 2^(-t / t_halb) depends on nothing else: each compartment
// and gas keeps the last two, so a run of equal steps, also one broken by the shorter last step
// of a segment, takes its exponentials once.
struct Faktor_Eintrag {
    bool gueltig = false;
    Unit_Tools::Bytes80 t{};
    uint32_t t_halb = 0;
    long double f = 0;
    bool passt(const Schrittlaenge& s, uint32_t h) const { return gueltig && s.Bytes == t && h == t_halb; }
};
struct Faktor_Merker {
    std::array<Faktor_Eintrag, 2> Eintrag{};
    std::size_t zuletzt = 0;
    const long double& Faktor(const Schrittlaenge& s, float t_halb_neu) {
        const uint32_t h = std::bit_cast<uint32_t>(t_halb_neu);
        if (Eintrag[zuletzt].passt(s, h)) return Eintrag[zuletzt].f;
        zuletzt = 1 - zuletzt;
        Faktor_Eintrag& e = Eintrag[zuletzt];
        if (!e.passt(s, h))
            e = {true, s.Bytes, h, 1.0L - std::exp2(-s.t / static_cast<long double>(t_halb_neu))};
        return e.f;
    }
};
std::array<Faktor_Merker, W::Gewebe_Anzahl + 1> Faktor_N2, Faktor_He;

void Kompartiment_Schreiner(int i, long double t) {
    const int a = Algorithmus == 3 ? 3 : 2;
    Schreiner(W::p_N2_Gewebe[i], p_N2_atmen, p_N2_atmen_vorher, t, t_halb_N2(i), a);
    Schreiner(W::p_He_Gewebe[i], p_He_atmen, p_He_atmen_vorher, t, t_halb_He(i), a);
}

// One sample at constant pressure over t (runtime advanced by the caller).
void Sample_Haldane(float t_Atmung, long double t_Gewebe) {
    Atemgas_Schritt(t_Atmung);
    W::sData_weiter();
    const Schrittlaenge t(t_Gewebe);
    Unit_Grenzwerte::Haldane_Schritt h;
    for (std::size_t i = 1; i <= W::Gewebe_Anzahl; ++i) {
        h.Faktor_N2[i] = &Faktor_N2[i].Faktor(t, M::Modell_N2.Kompartiment[i].t_halb);
        h.Faktor_He[i] = &Faktor_He[i].Faktor(t, M::Modell_He.Kompartiment[i].t_halb);
    }
    h.p_N2_atmen = p_N2_atmen;
    h.p_He_atmen = p_He_atmen;
    Unit_Grenzwerte::Haldane_mit_Grenzwerten(h, Unit_Grenzwerte::GF_aktuell());
    W::Sample_speichern();
}

// Depth from the pressure; a change below 0.1 mm keeps a constant depth exactly constant.
void Tiefe_nachfuehren() {
    const float m_neu = Unit_Formeln::m_Wasser_aus(static_cast<float>(W::bar_Umgebung));
    if (std::fabs(m_neu - W::m_Wasser) >= 0.0001f) W::m_Wasser = m_neu;
    bar_Ueberdruck = W::bar_Umgebung - Unit_Formeln::bar_Luft;
}

bool pO2_Abbruch() {
    return Unit_Sauerstofftoxizitaet::pO2_ausserhalb && !Unit_Sauerstofftoxizitaet::pO2_weiterrechnen;
}

void Multilevel_Schritt() {
    const long double Schritt = W::min_Schritt;
    const long double dt = W::min_dt;
    const long double bar_Ende = W::bar_Umgebung;
    const long double r = (W::bar_Umgebung - W::bar_Umgebung_vorher) / (dt / Schritt);
    long double t = 0;
    W::bar_Umgebung = W::bar_Umgebung_vorher;
    do {
        t += Schritt;
        W::bar_Umgebung_vorher = W::bar_Umgebung;
        // The staircase never passes the end of the ramp, also for a segment shorter than a step.
        W::bar_Umgebung = t >= dt ? bar_Ende : W::bar_Umgebung + r;
        Tiefe_nachfuehren();
        W::min_Runtime += W::min_Schritt;
        Sample_Haldane(W::min_Schritt, Schritt);
    } while (!(t >= dt - Schritt || pO2_Abbruch()));
    if (pO2_Abbruch() || t >= dt || dt - t <= Schritt / 2) return;
    W::bar_Umgebung_vorher = W::bar_Umgebung;
    W::bar_Umgebung = bar_Ende;
    Tiefe_nachfuehren();
    W::min_Runtime += W::min_Schritt; // a full step: sample runtimes stay on the grid
    Sample_Haldane(W::min_Schritt, dt - t);
}

void Flugverbot_Oberflaeche_einstellen() {
    W::Tauchgeraet = 0;
    Algorithmus = 0;
    W::Gas_Nr = 0;
    G::Gasgemisch_waehlen(0);
    W::m_Wasser = 0;
    W::bar_Umgebung = W::bar_Umgebung_vorher = Unit_Formeln::bar_Luft;
    W::bar_pO2 = Unit_CCR_SCR::bar_pO2_Anzeige();
    const auto p = Unit_Formeln::p_inert_atmen();
    p_N2_atmen = p.p_N2_atmen;
    p_He_atmen = p.p_He_atmen;
}

struct Beiseite {
    int32_t Algorithmus;
    int32_t Gas_Nr;
    bool GF_verwenden;
    uint8_t Tauchgeraet;
};

Beiseite beiseite_legen() {
    return {Algorithmus, W::Gas_Nr, M::GF_verwenden, W::Tauchgeraet};
}

void zuruecklegen(const Beiseite& b) {
    Algorithmus = b.Algorithmus;
    W::Gas_Nr = b.Gas_Nr;
    G::Gasgemisch_waehlen(b.Gas_Nr);
    M::GF_verwenden = b.GF_verwenden;
    W::Tauchgeraet = b.Tauchgeraet;
}

void Gewebe_neu_zeigen() {
    auto& ui = Unit_UI::UI();
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) ui.Kompartiment_geaendert(i);
    ui.Gewebedruck_geaendert();
}

} // namespace

void Haldane(long double& p, long double p_atmen, long double t, long double t_halb) {
    p += (1.0L - std::exp2(-t / t_halb)) * (p_atmen - p);
}

void Schreiner(long double& p, long double p_atmen_Ende, long double p_atmen_Anfang, long double t,
               long double t_halb, int Anordnung) {
    const long double k = ln2 / t_halb;
    const long double p0 = p_atmen_Anfang, p1 = p_atmen_Ende;
    const long double e = std::exp(-k * t);
    if (Anordnung == 3) {
        p = p + (1 - e) * (p0 - p) + (p1 - p0) * (1 - 1 / (k * t) + e / (k * t));
        return;
    }
    const long double R = (p1 - p0) / t;
    p = p0 + R * (t - 1 / k) - (p0 - p - R / k) * e;
}

void Gewebe_Schritt() {
    if (W::min_Schritt * 0.5f > W::min_dt || std::fabs(W::min_Schritt) <= 0.001f) return;
    const uint64_t Lauf_vorher = Unit_Grenzwerte::Grenzwerte_Laeufe();
    switch (Algorithmus) {
    case 0:
        W::min_Runtime += W::min_dt;
        Sample_Haldane(W::min_dt, W::min_dt);
        break;
    case 2:
    case 3: {
        W::min_Runtime += W::min_dt;
        Atemgas_Schritt(W::min_dt);
        W::sData_weiter();
        for (int i = 1; i <= W::Gewebe_Anzahl; ++i) Kompartiment_Schreiner(i, W::min_dt);
        Unit_Grenzwerte::Grenzwerte_aller_Kompartimente(Unit_Grenzwerte::GF_aktuell());
        W::Sample_speichern();
        break;
    }
    default:
        Multilevel_Schritt();
        break;
    }
    // Nothing touches the tissues between their last sample and here.
    const float Ceiling = Unit_Grenzwerte::p_amb_MAX_nach_Schritt(Lauf_vorher);
    if (Ceiling > Ceiling_MAX) {
        Ceiling_MAX = Ceiling;
        min_Ceiling_MAX = static_cast<float>(W::min_Runtime);
    }
    Unit_Gewebe_barL::Geloeste_Gase_berechnen();
}

void Atemgas_Schritt(float t) {
    Unit_Graph_Utilities::Positionsmarke = {static_cast<float>(W::min_Runtime), W::m_Wasser};
    p_N2_atmen_vorher = p_N2_atmen;
    p_He_atmen_vorher = p_He_atmen;
    W::bar_pO2 = Unit_CCR_SCR::bar_pO2_atmen();
    const auto p = Unit_Formeln::p_inert_atmen();
    p_N2_atmen = p.p_N2_atmen;
    p_He_atmen = p.p_He_atmen;
    namespace O2 = Unit_Sauerstofftoxizitaet;
    W::CNS_Prozent = O2::CNS_Schritt(static_cast<float>(W::CNS_Prozent), W::bar_pO2, t);
    W::OTU = O2::OTU_Schritt(static_cast<float>(W::OTU), W::bar_pO2, t);
    W::m_END = Unit_Formeln::m_END_aus_pN2(p_N2_atmen);
    Unit_Tauchgangszustand::Warnungen_pruefen();
    Unit_Gasverbrauch::Gasverbrauch_Schritt_buchen(W::Gas_Nr, W::bar_Umgebung_vorher, W::bar_Umgebung, t,
                                                   W::m_Wasser);
    Status_auffrischen();
    Unit_UI::UI().Gewebedruck_geaendert();
}

void Status_auffrischen() {
    namespace Gw = Unit_Grenzwerte;
    const auto Leit = Gw::Leitkompartiment();
    if (Leit.i >= 1 && Leit.i <= W::Gewebe_Anzahl) {
        const long double dN2 = Gw::Differenzdruck(Gw::Inertgas::N2, Leit.i).D;
        const long double dHe = Gw::Differenzdruck(Gw::Inertgas::He, Leit.i).D;
        Gw::Gegendiffusion_pruefen(Leit.i, dHe, dN2, {p_N2_atmen, p_He_atmen},
                                   {p_N2_atmen_vorher, p_He_atmen_vorher});
    }
    Unit_UI::UI().Status_geaendert();
}

void Saettigung_Start(bool WayPoints_zuruecksetzen) {
    Unit_Formeln::p_N2_atmen_MAX = 0;
    Unit_Formeln::p_He_atmen_MAX = 0;
    Unit_Gewebe_barL::Maximum_zuruecksetzen();
    const Beiseite b = beiseite_legen();
    M::GF_verwenden = false;
    Flugverbot_Oberflaeche_einstellen();
    W::min_dt = 1000000.0f;
    // The surface steps keep nothing of the dive before: a full table must not stop them.
    W::sData_Anzahl = 0;
    Gewebe_Schritt();
    p_N2He_Gewebe_MAX_0 = W::p_N2He_Gewebe_MAX;
    Gewebe_neu_zeigen();
    zuruecklegen(b);
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, WayPoints_zuruecksetzen);
}

void Oberflaechenpause(float Stunden) {
    const Beiseite b = beiseite_legen();
    Flugverbot_Oberflaeche_einstellen();
    M::GF_verwenden = false;
    W::sData_Anzahl = 0; // the previous dive's samples are not kept
    // A cancelled calculation of the previous dive must not make the interval do nothing.
    const bool abgebrochen = std::exchange(Unit_Tauchgangsberechnung::Berechnung_abgebrochen, false);
    Unit_Tauchgangsberechnung::Zeitschritt_rechnen(Stunden * 60.0f, 0);
    Unit_Tauchgangsberechnung::Berechnung_abgebrochen = abgebrochen;
    p_N2He_Gewebe_MAX_0 = W::p_N2He_Gewebe_MAX;
    Gewebe_neu_zeigen();
    zuruecklegen(b);
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(false, true);
}

std::string Flugverbotszeit(float p_max) {
    namespace T = Unit_Tauchgangsberechnung;
    const long double CNS = W::CNS_Prozent, OTU = W::OTU, Runtime = W::min_Runtime;
    const int32_t WP_Anzahl = W::WayPoint_Anzahl, sD_Anzahl = W::sData_Anzahl;
    const auto N2 = W::p_N2_Gewebe, He = W::p_He_Gewebe;
    const auto MAX = W::p_N2He_Gewebe_MAX;
    const auto MAX_GF = W::p_N2He_Gewebe_MAX_GF, MAX_ZH = W::p_N2He_Gewebe_MAX_ZH;
    const long double Verbrauch_Luft = G::Gasgemisch[0].barL_gesamt;
    // The surface hours are stored as samples for the limits; the graph does not show them.
    const std::size_t Live_Laenge = Unit_Graph_Utilities::Live_Kurve.size();
    const Unit_Graph_Utilities::Punkt Marke = Unit_Graph_Utilities::Positionsmarke;
    const Beiseite b = beiseite_legen();
    // A cancelled calculation must not make the surface steps do nothing.
    const bool abgebrochen = T::Berechnung_abgebrochen;
    T::Berechnung_abgebrochen = false;

    Flugverbot_Oberflaeche_einstellen();
    // Each surface hour writes one sample behind the dive; near a full table they all take the
    // last place, whose sample is put back afterwards.
    const int32_t Platz = std::min(sD_Anzahl, W::sDataMax - 1);
    const W::sData_Type Letztes = W::sData[W::sDataMax];
    int Stunden = 0;
    do {
        ++Stunden;
        W::sData_Anzahl = Platz;
        T::Zeitschritt_rechnen(60, 0);
    } while (!(Unit_Grenzwerte::p_amb_MAX() <= p_max || Stunden >= 48));
    W::sData[W::sDataMax] = Letztes;

    T::Berechnung_abgebrochen = abgebrochen;
    W::CNS_Prozent = CNS;
    W::OTU = OTU;
    W::min_Runtime = Runtime;
    W::WayPoint_Anzahl = WP_Anzahl;
    W::sData_Anzahl = sD_Anzahl;
    W::p_N2_Gewebe = N2;
    W::p_He_Gewebe = He;
    W::p_N2He_Gewebe_MAX = MAX;
    W::p_N2He_Gewebe_MAX_GF = MAX_GF;
    W::p_N2He_Gewebe_MAX_ZH = MAX_ZH;
    G::Gasgemisch[0].barL_gesamt = Verbrauch_Luft;
    Unit_Graph_Utilities::Live_Kurve_kuerzen(Live_Laenge);
    Unit_Graph_Utilities::Positionsmarke = Marke;
    zuruecklegen(b);
    Gewebe_neu_zeigen();
    Status_auffrischen();
    Unit_UI::UI().Sample_gespeichert(static_cast<float>(W::min_Runtime), W::m_Wasser);

    const std::string Text = Unit_Tools::Zahl_formatieren(4, 1, Stunden);
    return Stunden >= 48 ? "> " + Text : Text;
}

} // namespace Unit_Saettigungsrechnung
