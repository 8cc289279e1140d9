#include "core/Unit_WayPoints.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

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

int32_t Eingabemarke = 0;
int32_t WayPoint_letzter_Eingabe = 0;
int32_t Grafikmodus = 1;
bool Tauchgang_gespeichert = true;
bool Tauchgang_ist_Analyse = false;
std::string Pfad_Tauchgang;
std::string Datei_Tauchgang;
std::string Kommentar;
std::string Comment;
bool Wiederholungstauchgang = false;
std::string Vortauchgang;
float Oberflaechenpause_h = 0;
float min_Runtime_Start = 30;
float m_Wasser_Start = 25;

int32_t Gas_Nr_Start = 0;
uint8_t Tauchgeraet_Start = 0;
float CCR_Setpoint_Start = 1.3f;
float SCR_Flow_Start = 15.6f;
int32_t pSCR_DumpRatio_Start = 10;

bool Warnungen_reduzieren = false;
bool Warnungen_reduziert = false;
Startzustand_Type Startzustand;

namespace {
// The highest sample written since the sample table was last emptied: the ones above it are still
// the zero bytes of the empty sample, so emptying stops there and leaves their pages untouched.
int32_t sData_Hochwasser = 0;
} // namespace

void Tabelle_voll(const std::string& Name, int32_t Max) {
    const std::string Zahl = std::to_string(Max);
    const std::string Englisch = Name == "WayPointMax" ? "Too much data:  " : "Too much data: ";
    Unit_Tools::Meldung_Problem("Zu viele Daten: " + Name + " = " + Zahl + " überschritten.",
                                Englisch + Name + " = " + Zahl + " exceeded.");
    throw Unit_UI::Befehl_abgebrochen(Name + " exceeded");
}

void WayPoints_loeschen() {
    for (auto& w : WayPoint)
        w = WayPoint_Type{0, 0, 0, false, 0, 15.6f, 10, 0, 0, 0, 0, 0, {}, {}, -1.0f, -1.0f};
    std::fill_n(sData.begin(), std::clamp(std::max(sData_Hochwasser, sData_Anzahl), 0, sDataMax) + 1,
                sData_Type{});
    sData_Hochwasser = 0;
    Uebersaettigt = false;
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
