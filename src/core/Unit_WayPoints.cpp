#include "core/Unit_WayPoints.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_UI.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Saettigungsrechnung.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "reports/Unit_Tauchgang_analysieren.hpp"

#include <algorithm>
#include <cmath>
#include <deque>
#include <ostream>
#include <unordered_map>

namespace Unit_WayPoints {

// constinit: the compiler refuses any table that would need code at the start
constinit std::array<WayPoint_Type, WayPointMax + 1> WayPoint;
constinit std::array<sData_Type, sDataMax + 1> sData;
int32_t WayPoint_Anzahl = 0;
int32_t sData_Anzahl = 0;

namespace {
// Every text the records have held, entry 0 the empty one, and the entry of each text.
struct Texttabelle {
    std::deque<std::string> Texte{std::string()};
    std::unordered_map<std::string_view, uint32_t> Nummern;
    uint32_t zuletzt = 0; // the entry found last: a sample mostly keeps the warning of the one before
};

// Built with the first text, not at the start.
Texttabelle& Texte() {
    static Texttabelle t;
    return t;
}
} // namespace

const std::string& Tabellentext::Text() const {
    return Texte().Texte[Nr_];
}

uint32_t Tabellentext::Nummer(std::string_view Text) {
    Texttabelle& t = Texte();
    if (t.Texte[t.zuletzt] == Text) return t.zuletzt;
    if (const auto gefunden = t.Nummern.find(Text); gefunden != t.Nummern.end())
        return t.zuletzt = gefunden->second;
    t.zuletzt = static_cast<uint32_t>(t.Texte.size());
    t.Nummern.emplace(t.Texte.emplace_back(Text), t.zuletzt);
    return t.zuletzt;
}

std::ostream& operator<<(std::ostream& aus, const Tabellentext& t) {
    return aus << t.Text();
}

long double min_Runtime = 0;
float m_Wasser = 0;
long double bar_Umgebung = 1.01325L;
long double bar_Umgebung_vorher = 1.01325L;
float min_dt = 0;
float min_Schritt = 0.1f;
int32_t Gas_Nr = 0;
uint8_t Tauchgeraet = 0;
float CCR_Setpoint = 1.3f;
float SCR_Flow = 15.6f;
int32_t pSCR_DumpRatio = 10;
float bar_pO2 = 0;
float m_END = 0;
long double CNS_Prozent = 0;
long double OTU = 0;
std::string Warntext;
Gewebe_Array p_N2_Gewebe{};
Gewebe_Array p_He_Gewebe{};
Grenz_Array p_N2He_Gewebe_MAX{};
Grenz_Array p_N2He_Gewebe_MAX_GF{};
Grenz_Array p_N2He_Gewebe_MAX_ZH{};
bool Uebersaettigt = false;
float m_Dekozone = 0;
float min_Dekozone = 0;
float f_O2_atmen = 0;
float f_N2_atmen = 0;
float f_He_atmen = 0;

int32_t Gas_Nr_Start = 0;
uint8_t Tauchgeraet_Start = 0;
float CCR_Setpoint_Start = 1.3f;
float SCR_Flow_Start = 15.6f;
int32_t pSCR_DumpRatio_Start = 10;

bool Warnungen_reduzieren = false;
bool Warnungen_reduziert = false;
Startzustand_Type Startzustand;

namespace {

constexpr float Ungueltig = -99.9f;

// The highest sample written since the sample table was last emptied: the ones above it are still
// the zero bytes of the empty sample, so emptying stops there and leaves their pages untouched.
int32_t sData_Hochwasser = 0;

// Once-only flags of the warnings, in the order they are checked.
enum Warnung_Nr {
    pO2_niedrig,
    pO2_hoch,
    CNS_hoch,
    NOAA_ausserhalb,
    OTU_hoch,
    END_hoch,
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
        Warnungen_reduziert = true;
        return false;
    }
    Warnung_gemeldet[Nr] = true;
    return true;
}

void Tabelle_voll(const std::string& Name, int32_t Max) {
    const std::string Zahl = std::to_string(Max);
    const std::string Englisch = Name == "WayPointMax" ? "Too much data:  " : "Too much data: ";
    Unit_Tools::Meldung_Problem("Zu viele Daten: " + Name + " = " + Zahl + " überschritten.",
                                Englisch + Name + " = " + Zahl + " exceeded.");
    throw Unit_UI::Befehl_abgebrochen(Name + " exceeded");
}

// The pO2 the current gas gives with the apparatus in force at the present ambient pressure.
float pO2_des_aktuellen_Gases() {
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    return Unit_CCR_SCR::bar_pO2_Anzeige();
}

// The same at the surface; the breathed fractions are left as they are at the present depth.
float pO2_an_der_Oberflaeche() {
    const long double bar_jetzt = bar_Umgebung;
    bar_Umgebung = Unit_Formeln::bar_Luft;
    const float pO2 = pO2_des_aktuellen_Gases();
    bar_Umgebung = bar_jetzt;
    pO2_des_aktuellen_Gases();
    return pO2;
}

void Gewebe_anzeigen() {
    auto& ui = Unit_UI::UI();
    for (int i = 1; i <= Gewebe_Anzahl; ++i) ui.Kompartiment_geaendert(i);
    if (Unit_Graph_Utilities::Tauchgangsgraphik_zeigen) Unit_Gewebe_barL::Geloeste_Gase_berechnen();
    ui.Gewebedruck_geaendert();
    Unit_Saettigungsrechnung::Status_auffrischen();
}

} // namespace

void WayPoints_loeschen() {
    for (auto& w : WayPoint)
        w = WayPoint_Type{0, 0, 0, false, 0, 15.6f, 10, 0, 0, 0, 0, 0, {}, {}, -1.0f, -1.0f};
    std::fill_n(sData.begin(), std::clamp(std::max(sData_Hochwasser, sData_Anzahl), 0, sDataMax) + 1,
                sData_Type{});
    sData_Hochwasser = 0;
    Uebersaettigt = false;
    Unit_Gewebe_barL::barL_N2 = 0;
    Unit_Gewebe_barL::barL_He = 0;
}

void Tauchgang_zuruecksetzen(bool O2_zuruecksetzen, bool WayPoints_zuruecksetzen) {
    namespace G = Unit_Gasgemisch_BestMix;
    Unit_Formeln::p_N2_atmen_MAX = 0;
    Unit_Formeln::p_He_atmen_MAX = 0;
    Unit_Gewebe_barL::Maximum_zuruecksetzen();
    Unit_Saettigungsrechnung::Ceiling_MAX_zuruecksetzen();

    bar_Umgebung_vorher = bar_Umgebung = Unit_Formeln::bar_Luft;
    Uebersaettigt = false;
    min_Runtime = 0;
    min_dt = 0;
    m_Wasser = 0;
    m_END = 0;
    m_Dekozone = 0;
    min_Dekozone = 0;
    Warntext.clear();
    Unit_Gasverbrauch::Gasverbrauch_zuruecksetzen();
    Unit_Tauchgang_analysieren::Analyse_zuruecksetzen();
    Unit_Grenzwerte::Gegendiffusion_Extreme_zuruecksetzen();
    Gas_Nr = 0;

    G::Gasgemisch_waehlen(Gas_Nr);
    bar_pO2 = pO2_des_aktuellen_Gases();
    Unit_Formeln::p_inert_atmen();

    if (O2_zuruecksetzen) {
        CNS_Prozent = 0;
        OTU = 0;
        Unit_Sauerstofftoxizitaet::pO2_ausserhalb_loeschen();
    }
    Warnflags_loeschen();
    Warnungen_reduziert = false;
    if (!WayPoints_zuruecksetzen) return;

    WayPoints_loeschen();
    WayPoint_Anzahl = 0;
    Gas_Nr = Gas_Nr_Start;
    G::Gasgemisch_waehlen(Gas_Nr);
    Tauchgeraet = Tauchgeraet_Start;
    SCR_Flow = SCR_Flow_Start;
    CCR_Setpoint = CCR_Setpoint_Start;
    pSCR_DumpRatio = pSCR_DumpRatio_Start;
    bar_pO2 = pO2_des_aktuellen_Gases();

    WayPoint_Type& w0 = WayPoint[0];
    w0.min_Runtime = static_cast<float>(min_Runtime);
    w0.m_Wasser = m_Wasser;
    w0.Gas_Nr = Gas_Nr;
    w0.austauchen = false;
    w0.SCR_Flow = SCR_Flow;
    w0.Tauchgeraet = Tauchgeraet;
    w0.CCR_Setpoint = CCR_Setpoint;
    w0.pSCR_DumpRatio = pSCR_DumpRatio;
    w0.bar_pO2 = bar_pO2;
    w0.Aktion.clear();
    w0.Warnung.clear();

    Unit_Formeln::p_inert_atmen();
    Unit_CCR_SCR::Kreislaeufe_initialisieren(false);
    WayPoint_Warnung_setzen(0);

    sData_Anzahl = 0;
    sData_Type& s0 = sData[0];
    static_cast<WayPoint_Type&>(s0) = w0;
    s0.p_N2_Gewebe = p_N2_Gewebe;
    s0.p_He_Gewebe = p_He_Gewebe;
    s0.p_N2He_Gewebe_MAX = p_N2He_Gewebe_MAX;
    s0.p_N2He_Gewebe_MAX_GF = p_N2He_Gewebe_MAX_GF;
    s0.p_N2He_Gewebe_MAX_ZH = p_N2He_Gewebe_MAX_ZH;
    s0.Uebersaettigt = false;
    s0.f_O2_atmen = f_O2_atmen;
    s0.f_N2_atmen = f_N2_atmen;
    s0.f_He_atmen = f_He_atmen;

    // The clearing above zeroed the sums; the reference must be the amount the diver holds now.
    Unit_Gewebe_barL::Geloeste_Gase_berechnen();
    Unit_Gewebe_barL::barL_N2He_Start = Unit_Gewebe_barL::barL_N2 + Unit_Gewebe_barL::barL_He;
}

void WayPoint_anhaengen(const std::string& Aktion) {
    if (WayPoint_Anzahl >= WayPointMax) Tabelle_voll("WayPointMax", WayPointMax);
    ++WayPoint_Anzahl;
    WayPoint_Type& w = WayPoint[WayPoint_Anzahl];
    w.min_Runtime = static_cast<float>(min_Runtime);
    w.m_Wasser = m_Wasser;
    w.Gas_Nr = Gas_Nr;
    w.Tauchgeraet = Tauchgeraet;
    w.SCR_Flow = SCR_Flow;
    w.pSCR_DumpRatio = pSCR_DumpRatio;
    w.CCR_Setpoint = CCR_Setpoint;

    bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(m_Wasser);
    bar_pO2 = pO2_des_aktuellen_Gases();
    w.bar_pO2 = bar_pO2;
    w.CNS_Prozent = static_cast<float>(CNS_Prozent);
    w.OTU = static_cast<float>(OTU);
    w.m_END = m_END;

    WayPoint_Warnung_setzen(WayPoint_Anzahl);
    if (!Aktion.empty()) w.Aktion = Aktion;

    if (WayPoint_Anzahl == 1) {
        WayPoint_Type& w0 = WayPoint[0];
        w0.Gas_Nr = Gas_Nr;
        w0.Tauchgeraet = Tauchgeraet;
        w0.SCR_Flow = SCR_Flow;
        w0.pSCR_DumpRatio = pSCR_DumpRatio;
        w0.CCR_Setpoint = CCR_Setpoint;
        w0.bar_pO2 = pO2_an_der_Oberflaeche();
    }
}

void sData_weiter() {
    if (sData_Anzahl >= sDataMax) Tabelle_voll("sDataMax", sDataMax);
    ++sData_Anzahl;
    sData_Hochwasser = std::max(sData_Hochwasser, sData_Anzahl);
}

namespace {
// The values of the whole sample, the same for every compartment.
void Samplekopf_schreiben(sData_Type& s) {
    s.min_Runtime = static_cast<float>(min_Runtime);
    s.m_Wasser = m_Wasser;
    s.Gas_Nr = Gas_Nr;
    s.Tauchgeraet = Tauchgeraet;
    s.SCR_Flow = SCR_Flow;
    s.CCR_Setpoint = CCR_Setpoint;
    s.bar_pO2 = bar_pO2;
    s.CNS_Prozent = static_cast<float>(CNS_Prozent);
    s.OTU = static_cast<float>(OTU);
    s.m_END = m_END;
    s.Warnung = Warntext;
    s.f_O2_atmen = f_O2_atmen;
    s.f_N2_atmen = f_N2_atmen;
    s.f_He_atmen = f_He_atmen;
}

bool uebersaettigt(int i) {
    return p_N2_Gewebe[i] + p_He_Gewebe[i] > bar_Umgebung;
}

template <typename Array> void Gewebe_kopieren(const Array& von, Array& nach, int i_von, int i_bis) {
    std::copy(von.begin() + i_von, von.begin() + i_bis + 1, nach.begin() + i_von);
}

void Gewebe_schreiben(sData_Type& s, int i_von, int i_bis) {
    Gewebe_kopieren(p_N2_Gewebe, s.p_N2_Gewebe, i_von, i_bis);
    Gewebe_kopieren(p_He_Gewebe, s.p_He_Gewebe, i_von, i_bis);
    Gewebe_kopieren(p_N2He_Gewebe_MAX, s.p_N2He_Gewebe_MAX, i_von, i_bis);
    Gewebe_kopieren(p_N2He_Gewebe_MAX_GF, s.p_N2He_Gewebe_MAX_GF, i_von, i_bis);
    Gewebe_kopieren(p_N2He_Gewebe_MAX_ZH, s.p_N2He_Gewebe_MAX_ZH, i_von, i_bis);
}

// The diver is over-saturated from here on: the deco zone begins.
void Uebersaettigung_melden(const sData_Type& s, bool last) {
    Uebersaettigt = s.Uebersaettigt;
    if (Uebersaettigt && m_Dekozone <= 0) {
        m_Dekozone = m_Wasser;
        min_Dekozone = static_cast<float>(min_Runtime);
    }
    namespace Graph = Unit_Graph_Utilities;
    Graph::Positionsmarke = {s.min_Runtime, s.m_Wasser};
    auto& ui = Unit_UI::UI();
    ui.Sample_gespeichert(s.min_Runtime, s.m_Wasser);
    ui.Status_geaendert();
    if (last && Graph::Tauchgangsgraphik_zeigen) {
        Graph::Live_Kurve.push_back({s.min_Runtime, s.m_Wasser});
        ui.Graph_geaendert();
        ui.Nachrichten_verarbeiten();
    }
}
} // namespace

void sData_speichern(int i) {
    if (i < 1 || i > Gewebe_Anzahl) {
        Unit_Tools::Meldung_Problem(">sData_speichern(i)< out of range", ">sData_speichern(i)< out of range");
        throw Unit_UI::Befehl_abgebrochen("sData_speichern: compartment out of range");
    }
    sData_Type& s = sData[sData_Anzahl];
    // The values of the whole sample may change with an accident found on the way: written with
    // the first and again with the last compartment.
    if (i == 1 || i == Gewebe_Anzahl) Samplekopf_schreiben(s);
    Gewebe_schreiben(s, i, i);
    const bool ueber = uebersaettigt(i);
    s.Uebersaettigt = i == 1 ? ueber : s.Uebersaettigt || ueber;
    Uebersaettigung_melden(s, i == Gewebe_Anzahl);
}

void Sample_speichern() {
    sData_Type& s = sData[sData_Anzahl];
    Samplekopf_schreiben(s);
    Gewebe_schreiben(s, 1, Gewebe_Anzahl);
    bool ueber = false;
    for (int i = 1; i <= Gewebe_Anzahl; ++i) ueber = ueber || uebersaettigt(i);
    s.Uebersaettigt = ueber;
    Uebersaettigung_melden(s, true);
}

void sData_holen(float min_Runtime_gesucht) {
    const float Toleranz = min_Schritt / 2;
    for (int32_t k = 0; k <= sData_Anzahl; ++k) {
        const sData_Type& s = sData[k];
        if (std::fabs(s.min_Runtime - min_Runtime_gesucht) > Toleranz) continue;
        min_Runtime = s.min_Runtime;
        m_Wasser = s.m_Wasser;
        Gas_Nr = s.Gas_Nr;
        SCR_Flow = s.SCR_Flow;
        Tauchgeraet = s.Tauchgeraet;
        CCR_Setpoint = s.CCR_Setpoint;
        bar_pO2 = s.bar_pO2;
        CNS_Prozent = s.CNS_Prozent;
        OTU = s.OTU;
        m_END = s.m_END;
        Warntext = s.Warnung;
        p_N2_Gewebe = s.p_N2_Gewebe;
        p_He_Gewebe = s.p_He_Gewebe;
        p_N2He_Gewebe_MAX = s.p_N2He_Gewebe_MAX;
        p_N2He_Gewebe_MAX_GF = s.p_N2He_Gewebe_MAX_GF;
        p_N2He_Gewebe_MAX_ZH = s.p_N2He_Gewebe_MAX_ZH;
        Uebersaettigt = s.Uebersaettigt;
        f_O2_atmen = s.f_O2_atmen;
        f_N2_atmen = s.f_N2_atmen;
        f_He_atmen = s.f_He_atmen;
        bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(m_Wasser);
        Gewebe_anzeigen();
        Unit_UI::UI().Sample_gespeichert(s.min_Runtime, s.m_Wasser);
        return;
    }
    m_Wasser = Ungueltig;
    Unit_Gewebe_barL::barL_O2 = Unit_Gewebe_barL::barL_N2 = Unit_Gewebe_barL::barL_He = Ungueltig;
    Unit_Gewebe_barL::barL_N2He = Ungueltig;
    for (Gewebe_Array* a : {&p_N2_Gewebe, &p_He_Gewebe}) a->fill(Ungueltig);
    for (Grenz_Array* a : {&p_N2He_Gewebe_MAX, &p_N2He_Gewebe_MAX_GF, &p_N2He_Gewebe_MAX_ZH})
        a->fill(Ungueltig);
    Uebersaettigt = false;
}

void WayPoint_letzter_holen() {
    const float t = WayPoint[WayPoint_Anzahl].min_Runtime;
    Unit_Graph_Utilities::Cursor_min_Runtime = t;
    sData_holen(t);
}

void Startzustand_sichern() {
    Startzustand.p_N2_Gewebe = p_N2_Gewebe;
    Startzustand.p_He_Gewebe = p_He_Gewebe;
    Startzustand.p_N2He_Gewebe_MAX = p_N2He_Gewebe_MAX;
    Startzustand.p_N2He_Gewebe_MAX_GF = p_N2He_Gewebe_MAX_GF;
    Startzustand.p_N2He_Gewebe_MAX_ZH = p_N2He_Gewebe_MAX_ZH;
    Startzustand.CNS_Prozent = CNS_Prozent;
    Startzustand.OTU = OTU;
}

void Startzustand_holen() {
    p_N2_Gewebe = Startzustand.p_N2_Gewebe;
    p_He_Gewebe = Startzustand.p_He_Gewebe;
    p_N2He_Gewebe_MAX = Startzustand.p_N2He_Gewebe_MAX;
    p_N2He_Gewebe_MAX_GF = Startzustand.p_N2He_Gewebe_MAX_GF;
    p_N2He_Gewebe_MAX_ZH = Startzustand.p_N2He_Gewebe_MAX_ZH;
    CNS_Prozent = Startzustand.CNS_Prozent;
    OTU = Startzustand.OTU;
}

namespace {
// The limit texts of the warnings, built again only when the decimal separator changes.
struct Grenztexte {
    char Trenner = 0;
    std::string pO2_niedrig, pO2_hoch, CNS_hoch;
};

const Grenztexte& Grenztexte_holen() {
    static Grenztexte t;
    if (t.Trenner != Unit_Tools::Dezimaltrennzeichen()) {
        using Unit_Tools::Zahl_formatieren;
        t.Trenner = Unit_Tools::Dezimaltrennzeichen();
        t.pO2_niedrig = "pO2 < " + Zahl_formatieren(0, 2, 0.16L) + " bar. ";
        t.pO2_hoch = "pO2 > " + Zahl_formatieren(0, 2, 1.60L) + " bar. ";
        t.CNS_hoch = "CNS > " + Zahl_formatieren(0, 1, 100.0L) + " %. ";
    }
    return t;
}
} // namespace

void Warnungen_pruefen() {
    using Unit_Tools::Text_waehlen;
    if (!Warnungen_reduzieren) {
        Warnflags_loeschen();
        Warntext.clear();
    }
    const Grenztexte& g = Grenztexte_holen();
    if (Warnung_einmal(pO2_niedrig, bar_pO2 < 0.16f)) Warntext += g.pO2_niedrig;
    if (Warnung_einmal(pO2_hoch, bar_pO2 > 1.601f)) Warntext += g.pO2_hoch;
    if (Warnung_einmal(CNS_hoch, CNS_Prozent > 100)) Warntext += g.CNS_hoch;
    if (Warnung_einmal(NOAA_ausserhalb, Unit_Sauerstofftoxizitaet::pO2_ausserhalb))
        Warntext += Text_waehlen("CNS% und OTU außerhalb der NOAA Tabelle. ",
                                 "CNS% and OTU outside the NOAA table. ");
    if (Warnung_einmal(OTU_hoch, OTU > 850)) Warntext += "OTU > 850. ";
    if (Warnung_einmal(END_hoch, m_END > 50)) Warntext += "END > 50 m. ";
    if (Warnung_einmal(Gegendiffusion, Unit_Grenzwerte::Gegendiffusion))
        Warntext += Text_waehlen("Gegendiffusion. ", "counter diffusion. ");
    const bool schon_da = Warntext.find("DEKOUNFALL") != std::string::npos ||
                          Warntext.find("DECO ACCIDENT") != std::string::npos;
    if (!schon_da && Warnung_einmal(Dekounfall, Unit_Grenzwerte::Dekounfall_irgendwo()))
        Warntext.insert(0, Text_waehlen("DEKOUNFALL. ", "DECO ACCIDENT. "));
}

void WayPoint_Warnung_setzen(int32_t i) {
    if (i < 0 || i > WayPointMax) return;
    if (i == 0) Warnflags_loeschen();
    Warnungen_pruefen();
    if (i == 0) {
        if (Unit_Saettigungsmodelle::Keine_Sicherheitsreserve())
            Warntext = Unit_Tools::Text_waehlen("Keine Sicherheitsreserve !", "No safety margin !");
        if (Unit_Tauchgang_analysieren::Tauchgang_ist_Analyse)
            Warntext = Unit_Tools::Text_waehlen("Tauchgangsanalyse", "Dive analysis");
    }
    WayPoint[i].Warnung = Warntext;
}

void Warnungen_loeschen() {
    Warntext.clear();
    for (int32_t k = 0; k <= WayPoint_Anzahl; ++k) WayPoint[k].Warnung.clear();
    for (auto& s : sData) s.Warnung.clear();
}

void WayPoints_normalisieren() {
    if (WayPoint[0].m_Wasser <= 0) return;
    if (WayPoint_Anzahl >= WayPointMax) Tabelle_voll("WayPointMax", WayPointMax);
    for (int32_t k = WayPoint_Anzahl; k >= 0; --k) WayPoint[k + 1] = WayPoint[k];
    ++WayPoint_Anzahl;
    WayPoint[0].min_Runtime = 0;
    WayPoint[0].m_Wasser = 0;
    WayPoint[0].cave_horizontal_distance_m = -1.0f;
    WayPoint[0].cave_horizontal_velocity_m_pro_min = -1.0f;
    // A first recorded point less than one calculation step after the new surface point would
    // mean a descent in no time: move the recorded dive one step later.
    if (WayPoint[1].min_Runtime - WayPoint[0].min_Runtime < min_Schritt)
        for (int32_t k = 1; k <= WayPoint_Anzahl; ++k) WayPoint[k].min_Runtime += min_Schritt;
}

} // namespace Unit_WayPoints
