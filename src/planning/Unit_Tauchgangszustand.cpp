#include "planning/Unit_Tauchgangszustand.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
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
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace Unit_Tauchgangszustand {

namespace {
namespace W = Unit_WayPoints;

constexpr float Ungueltig = -99.9f;

// Once-only flags of the warnings, in the order they are checked.
enum Warnung_Nr {
    pO2_niedrig,
    pO2_hoch,
    CNS_hoch,
    NOAA_ausserhalb,
    OTU_hoch,
    OTU_Tag_hoch,
    END_hoch,
    Gasdichte_hoch,
    Gasdichte_zu_hoch,
    Gegendiffusion,
    Dekounfall,
    Anzahl
};
std::array<bool, Anzahl> Warnung_gemeldet{};

void Warnflags_loeschen() {
    Warnung_gemeldet.fill(false);
}

// Adds the text once per flag; returns whether it was added.
bool Warnung_einmal(Warnung_Nr Nr, bool Bedingung) {
    if (!Bedingung) return false;
    if (Warnung_gemeldet[Nr]) {
        W::Warnungen_reduziert = true;
        return false;
    }
    Warnung_gemeldet[Nr] = true;
    return true;
}

// The pO2 the current gas gives with the apparatus in force at the present ambient pressure.
float pO2_des_aktuellen_Gases() {
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    return Unit_CCR_SCR::bar_pO2_Anzeige();
}

// The same at the surface; the breathed fractions are left as they are at the present depth.
float pO2_an_der_Oberflaeche() {
    const long double bar_jetzt = W::bar_Umgebung;
    W::bar_Umgebung = Unit_Formeln::bar_Luft;
    const float pO2 = pO2_des_aktuellen_Gases();
    W::bar_Umgebung = bar_jetzt;
    pO2_des_aktuellen_Gases();
    return pO2;
}

void Gewebe_anzeigen() {
    auto& ui = Unit_UI::UI();
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) ui.Kompartiment_geaendert(i);
    if (Unit_Graph_Utilities::Tauchgangsgraphik_zeigen) Unit_Gewebe_barL::Geloeste_Gase_berechnen();
    ui.Gewebedruck_geaendert();
    Unit_Saettigungsrechnung::Status_auffrischen();
}

// The limit texts of the warnings: a step beyond a limit warns again on every row, so they are
// built again only when the decimal separator, the language or a density limit changes.
struct Grenztexte {
    char Trenner = 0;
    int32_t Sprache = -1;
    float Dichte_Warnung = -1, Dichte_Maximum = -1;
    std::string pO2_niedrig, pO2_hoch, CNS_hoch, Dichte_hoch, Dichte_zu_hoch;
};

const Grenztexte& Grenztexte_holen() {
    namespace F = Unit_Formeln;
    static Grenztexte t;
    const char Trenner = Unit_Tools::Dezimaltrennzeichen();
    const int32_t Sprache = Unit_Tools::Sprache;
    const float Warnung = F::g_pro_L_Gasdichte_Warnung, Maximum = F::g_pro_L_Gasdichte_Maximum;
    if (t.Trenner != Trenner || t.Sprache != Sprache || t.Dichte_Warnung != Warnung ||
        t.Dichte_Maximum != Maximum) {
        using Unit_Tools::Text_waehlen;
        using Unit_Tools::Zahl_formatieren;
        t.Trenner = Trenner;
        t.Sprache = Sprache;
        t.Dichte_Warnung = Warnung;
        t.Dichte_Maximum = Maximum;
        t.pO2_niedrig = "pO2 < " + Zahl_formatieren(0, 2, 0.16L) + " bar. ";
        t.pO2_hoch = "pO2 > " + Zahl_formatieren(0, 2, 1.60L) + " bar. ";
        t.CNS_hoch = "CNS > " + Zahl_formatieren(0, 1, 100.0L) + " %. ";
        t.Dichte_hoch = Text_waehlen("Gasdichte > ", "gas density > ") +
                        Zahl_formatieren(0, 1, t.Dichte_Warnung) + " g/l. ";
        t.Dichte_zu_hoch = Text_waehlen("GASDICHTE > ", "GAS DENSITY > ") +
                           Zahl_formatieren(0, 1, t.Dichte_Maximum) + " g/l. ";
    }
    return t;
}

// The stronger warning replaces the weaker one.
void Gasdichte_pruefen() {
    namespace F = Unit_Formeln;
    const float Dichte = F::g_pro_L_Gasdichte_atmen();
    if (Dichte > F::g_pro_L_Gasdichte_Maximum) {
        if (Warnung_einmal(Gasdichte_zu_hoch, true)) W::Warntext += Grenztexte_holen().Dichte_zu_hoch;
    } else if (Warnung_einmal(Gasdichte_hoch, Dichte > F::g_pro_L_Gasdichte_Warnung)) {
        W::Warntext += Grenztexte_holen().Dichte_hoch;
    }
}
} // namespace

void Tauchgang_zuruecksetzen(bool O2_zuruecksetzen, bool WayPoints_zuruecksetzen) {
    namespace G = Unit_Gasgemisch_BestMix;
    Unit_Formeln::p_N2_atmen_MAX = 0;
    Unit_Formeln::p_He_atmen_MAX = 0;
    Unit_Gewebe_barL::Maximum_zuruecksetzen();
    Unit_Saettigungsrechnung::Ceiling_MAX_zuruecksetzen();

    W::bar_Umgebung_vorher = W::bar_Umgebung = Unit_Formeln::bar_Luft;
    W::Uebersaettigt = false;
    W::min_Runtime = 0;
    W::min_dt = 0;
    W::m_Wasser = 0;
    W::m_END = 0;
    W::m_Dekozone = 0;
    W::min_Dekozone = 0;
    W::Warntext.clear();
    Unit_Gasverbrauch::Gasverbrauch_zuruecksetzen();
    Unit_Tauchgangsberechnung::GF_Spitze.fill(0);
    Unit_Tauchgangsberechnung::m_Wasser_MAX = 0;
    Unit_Grenzwerte::Gegendiffusion_Extreme_zuruecksetzen();
    W::Gas_Nr = 0;

    G::Gasgemisch_waehlen(W::Gas_Nr);
    W::bar_pO2 = pO2_des_aktuellen_Gases();
    Unit_Formeln::p_inert_atmen();

    if (O2_zuruecksetzen) {
        W::CNS_Prozent = 0;
        W::OTU = 0;
        Unit_Sauerstofftoxizitaet::pO2_ausserhalb_loeschen();
    }
    Warnflags_loeschen();
    W::Warnungen_reduziert = false;
    // Every dive starts here: from now on an accident the limits find becomes a waypoint of it.
    Unit_Grenzwerte::Dekounfall_eintragen = WayPoint_anhaengen;
    if (!WayPoints_zuruecksetzen) return;

    W::WayPoints_loeschen();
    W::WayPoint_Anzahl = 0;
    W::Gas_Nr = W::Gas_Nr_Start;
    G::Gasgemisch_waehlen(W::Gas_Nr);
    W::Tauchgeraet = W::Tauchgeraet_Start;
    W::SCR_Flow = W::SCR_Flow_Start;
    W::CCR_Setpoint = W::CCR_Setpoint_Start;
    W::pSCR_DumpRatio = W::pSCR_DumpRatio_Start;
    W::bar_pO2 = pO2_des_aktuellen_Gases();

    W::WayPoint_Type& w0 = W::WayPoint[0];
    w0.min_Runtime = static_cast<float>(W::min_Runtime);
    w0.m_Wasser = W::m_Wasser;
    w0.Gas_Nr = W::Gas_Nr;
    w0.austauchen = false;
    w0.SCR_Flow = W::SCR_Flow;
    w0.Tauchgeraet = W::Tauchgeraet;
    w0.CCR_Setpoint = W::CCR_Setpoint;
    w0.pSCR_DumpRatio = W::pSCR_DumpRatio;
    w0.bar_pO2 = W::bar_pO2;
    w0.Aktion.clear();
    w0.Warnung.clear();

    Unit_Formeln::p_inert_atmen();
    Unit_CCR_SCR::Kreislaeufe_initialisieren(false);
    WayPoint_Warnung_setzen(0);

    W::sData_Anzahl = 0;
    W::sData_Type& s0 = W::sData[0];
    static_cast<W::WayPoint_Type&>(s0) = w0;
    s0.p_N2_Gewebe = W::p_N2_Gewebe;
    s0.p_He_Gewebe = W::p_He_Gewebe;
    s0.p_N2He_Gewebe_MAX = W::p_N2He_Gewebe_MAX;
    s0.p_N2He_Gewebe_MAX_GF = W::p_N2He_Gewebe_MAX_GF;
    s0.p_N2He_Gewebe_MAX_ZH = W::p_N2He_Gewebe_MAX_ZH;
    s0.Uebersaettigt = false;
    s0.f_O2_atmen = W::f_O2_atmen;
    s0.f_N2_atmen = W::f_N2_atmen;
    s0.f_He_atmen = W::f_He_atmen;

    // The clearing above zeroed the sums; the reference must be the amount the diver holds now.
    Unit_Gewebe_barL::Geloeste_Gase_berechnen();
    Unit_Gewebe_barL::barL_N2He_Start = Unit_Gewebe_barL::barL_N2 + Unit_Gewebe_barL::barL_He;
}

void WayPoint_anhaengen(const std::string& Aktion) {
    if (W::WayPoint_Anzahl >= W::WayPointMax) W::Tabelle_voll("WayPointMax", W::WayPointMax);
    ++W::WayPoint_Anzahl;
    W::WayPoint_Type& w = W::WayPoint[W::WayPoint_Anzahl];
    w.min_Runtime = static_cast<float>(W::min_Runtime);
    w.m_Wasser = W::m_Wasser;
    w.Gas_Nr = W::Gas_Nr;
    w.Tauchgeraet = W::Tauchgeraet;
    w.SCR_Flow = W::SCR_Flow;
    w.pSCR_DumpRatio = W::pSCR_DumpRatio;
    w.CCR_Setpoint = W::CCR_Setpoint;

    W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
    W::bar_pO2 = pO2_des_aktuellen_Gases();
    w.bar_pO2 = W::bar_pO2;
    w.CNS_Prozent = static_cast<float>(W::CNS_Prozent);
    w.OTU = static_cast<float>(W::OTU);
    w.m_END = W::m_END;

    WayPoint_Warnung_setzen(W::WayPoint_Anzahl);
    if (!Aktion.empty()) w.Aktion = Aktion;

    if (W::WayPoint_Anzahl == 1) {
        W::WayPoint_Type& w0 = W::WayPoint[0];
        w0.Gas_Nr = W::Gas_Nr;
        w0.Tauchgeraet = W::Tauchgeraet;
        w0.SCR_Flow = W::SCR_Flow;
        w0.pSCR_DumpRatio = W::pSCR_DumpRatio;
        w0.CCR_Setpoint = W::CCR_Setpoint;
        w0.bar_pO2 = pO2_an_der_Oberflaeche();
    }
}

int32_t sData_Index(float min_Runtime_gesucht) {
    const float Toleranz = W::min_Schritt / 2;
    for (int32_t k = 0; k <= W::sData_Anzahl; ++k)
        if (std::fabs(W::sData[k].min_Runtime - min_Runtime_gesucht) <= Toleranz) return k;
    return -1;
}

std::optional<float> g_pro_L_Gasdichte_am_WayPoint(const W::WayPoint_Type& w) {
    const int32_t k = sData_Index(w.min_Runtime);
    if (k < 0) return std::nullopt;
    const W::sData_Type& s = W::sData[static_cast<std::size_t>(k)];
    // The first sample still holds the air of the surface before the dive, and a gas switch shares
    // its runtime with the row before it, whose sample breathes the old gas: on open circuit and at
    // the start the row's own gas is breathed from there on. A loop breathes what the sample says.
    if (k > 0 && (w.Tauchgeraet != 0 || s.Gas_Nr == w.Gas_Nr)) return Unit_Formeln::g_pro_L_Gasdichte(s);
    namespace G = Unit_Gasgemisch_BestMix;
    if (w.Gas_Nr < 0 || w.Gas_Nr > std::min(G::Gasgemisch_NumMax, G::GasGemisch_NumMaxUeberhaupt))
        return std::nullopt;
    const auto& g = G::Gasgemisch[static_cast<std::size_t>(w.Gas_Nr)];
    return Unit_Formeln::g_pro_L_Gasdichte(g.f_O2_prozent / 100, g.f_N2_prozent / 100, g.f_He_prozent / 100,
                                           Unit_Formeln::bar_Umgebung_aus(s.m_Wasser));
}

void sData_holen(float min_Runtime_gesucht) {
    const int32_t k = sData_Index(min_Runtime_gesucht);
    if (k >= 0) {
        const W::sData_Type& s = W::sData[k];
        W::min_Runtime = s.min_Runtime;
        W::m_Wasser = s.m_Wasser;
        W::Gas_Nr = s.Gas_Nr;
        W::SCR_Flow = s.SCR_Flow;
        W::Tauchgeraet = s.Tauchgeraet;
        W::CCR_Setpoint = s.CCR_Setpoint;
        W::bar_pO2 = s.bar_pO2;
        W::CNS_Prozent = s.CNS_Prozent;
        W::OTU = s.OTU;
        W::m_END = s.m_END;
        W::Warntext = s.Warnung;
        W::p_N2_Gewebe = s.p_N2_Gewebe;
        W::p_He_Gewebe = s.p_He_Gewebe;
        W::p_N2He_Gewebe_MAX = s.p_N2He_Gewebe_MAX;
        W::p_N2He_Gewebe_MAX_GF = s.p_N2He_Gewebe_MAX_GF;
        W::p_N2He_Gewebe_MAX_ZH = s.p_N2He_Gewebe_MAX_ZH;
        W::Uebersaettigt = s.Uebersaettigt;
        W::f_O2_atmen = s.f_O2_atmen;
        W::f_N2_atmen = s.f_N2_atmen;
        W::f_He_atmen = s.f_He_atmen;
        W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(W::m_Wasser);
        Gewebe_anzeigen();
        Unit_UI::UI().Sample_gespeichert(s.min_Runtime, s.m_Wasser);
        return;
    }
    W::m_Wasser = Ungueltig;
    Unit_Gewebe_barL::barL_O2 = Unit_Gewebe_barL::barL_N2 = Unit_Gewebe_barL::barL_He = Ungueltig;
    Unit_Gewebe_barL::barL_N2He = Ungueltig;
    for (W::Gewebe_Array* a : {&W::p_N2_Gewebe, &W::p_He_Gewebe}) a->fill(Ungueltig);
    for (W::Grenz_Array* a : {&W::p_N2He_Gewebe_MAX, &W::p_N2He_Gewebe_MAX_GF, &W::p_N2He_Gewebe_MAX_ZH})
        a->fill(Ungueltig);
    W::Uebersaettigt = false;
}

void WayPoint_letzter_holen() {
    const float t = W::WayPoint[W::WayPoint_Anzahl].min_Runtime;
    Unit_Graph_Utilities::Cursor_min_Runtime = t;
    sData_holen(t);
}

void Warnungen_pruefen() {
    using Unit_Tools::Text_waehlen;
    if (!W::Warnungen_reduzieren) {
        Warnflags_loeschen();
        W::Warntext.clear();
    }
    const Grenztexte& g = Grenztexte_holen();
    namespace O2 = Unit_Sauerstofftoxizitaet;
    if (Warnung_einmal(pO2_niedrig, W::bar_pO2 < O2::bar_pO2_Minimum)) W::Warntext += g.pO2_niedrig;
    if (Warnung_einmal(pO2_hoch, W::bar_pO2 > O2::bar_pO2_Maximum)) W::Warntext += g.pO2_hoch;
    if (Warnung_einmal(CNS_hoch, W::CNS_Prozent > O2::CNS_Prozent_Maximum)) W::Warntext += g.CNS_hoch;
    if (Warnung_einmal(NOAA_ausserhalb, Unit_Sauerstofftoxizitaet::pO2_ausserhalb))
        W::Warntext += Text_waehlen("CNS% und OTU außerhalb der NOAA Tabelle. ",
                                    "CNS% and OTU outside the NOAA table. ");
    if (Warnung_einmal(OTU_hoch, W::OTU > O2::OTU_Maximum)) W::Warntext += "OTU > 850. ";
    // Only earlier dives make the day's dose differ from the dive's own.
    if (Warnung_einmal(OTU_Tag_hoch,
                       O2::OTU_Vortauchgaenge_Tag > 0 && O2::OTU_des_Tages(W::OTU) > O2::OTU_Maximum))
        W::Warntext += Text_waehlen("OTU des Tages > 850. ", "OTU of the day > 850. ");
    if (Warnung_einmal(END_hoch, W::m_END > Unit_Formeln::m_END_Maximum)) W::Warntext += "END > 50 m. ";
    Gasdichte_pruefen();
    if (Warnung_einmal(Gegendiffusion, Unit_Grenzwerte::Gegendiffusion))
        W::Warntext += Text_waehlen("Gegendiffusion. ", "counter diffusion. ");
    const bool schon_da = W::Warntext.find("DEKOUNFALL") != std::string::npos ||
                          W::Warntext.find("DECO ACCIDENT") != std::string::npos;
    if (!schon_da && Warnung_einmal(Dekounfall, Unit_Grenzwerte::Dekounfall_irgendwo()))
        W::Warntext.insert(0, Text_waehlen("DEKOUNFALL. ", "DECO ACCIDENT. "));
}

void WayPoint_Warnung_setzen(int32_t i) {
    if (i < 0 || i > W::WayPointMax) return;
    if (i == 0) Warnflags_loeschen();
    Warnungen_pruefen();
    if (i == 0) {
        if (Unit_Saettigungsmodelle::Keine_Sicherheitsreserve())
            W::Warntext = Unit_Tools::Text_waehlen("Keine Sicherheitsreserve !", "No safety margin !");
        if (W::Tauchgang_ist_Analyse)
            W::Warntext = Unit_Tools::Text_waehlen("Tauchgangsanalyse", "Dive analysis");
    }
    W::WayPoint[i].Warnung = W::Warntext;
}

} // namespace Unit_Tauchgangszustand
