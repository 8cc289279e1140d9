#include "files/Unit_Save_Read_UDDF.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_aXML.hpp"
#include "files/Unit_iWayPoint.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Gasnummern.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

namespace Unit_Save_Read_UDDF {

const std::string Programmname = "Brelune";
const std::string Programmversion = "4.10 ~ 30.1.2024";
const std::string UDDF_Version = "3.1.0";
const std::string UDDF_Namensraum = "http://www.streit.cc/uddf/3.1/";

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace X = Unit_aXML;
namespace I = Unit_iWayPoint;
using Unit_Tools::Meldung_Problem;
using Unit_Tools::Text_waehlen;

// The maker's entries of the generator block.
const std::string Hersteller_Name = "Brelune-Projekt";
const std::string Hersteller_Telefon = "-";
const std::string Hersteller_Mobiltelefon = "-";
const std::string Hersteller_Email = "-";
const std::string Hersteller_Homepage = "-";

const std::array<const char*, 4> Tauchgeraet_Typen = {"opencircuit", "closedcircuit", "semiclosedcircuit",
                                                      "p_semiclosedcircuit"};

constexpr float Fehlt = std::numeric_limits<float>::quiet_NaN();
constexpr long double Pa_pro_bar = 100000.0L;

bool lesend() {
    return X::Richtung == X::lesen;
}

// Read direction: a top-level part is looked up from the start of the document, so that a part
// that another writer put elsewhere or left out does not hide the ones behind it.
void Teil_von_vorn() {
    if (lesend()) X::Lesezeiger = 0;
}

// ---- Gases ----

struct Importgas_Type {
    std::string Mix_ID;
    int32_t Gas_Nr = 0;
};
// The gases of the file in their order, with the table entry each one became.
std::vector<Importgas_Type> Importgase;
// The id each exported gas is written under (from its name; made unique when names repeat).
std::array<std::string, G::GasGemisch_NumMaxUeberhaupt + 1> Mix_ID;

int32_t Gasindex(int32_t i) {
    return std::clamp(i, 0, G::GasGemisch_NumMaxUeberhaupt);
}

// A gas is exported when the dive used some of it or a waypoint breathes it.
bool Gas_exportieren(int32_t i) {
    if (G::Gasgemisch[Gasindex(i)].barL_gesamt != 0) return true;
    for (int32_t k = 0; k <= std::clamp(I::iWayPointMax, -1, I::iWayPointMaxUeberhaupt); ++k)
        if (I::iWayPoint[static_cast<std::size_t>(k)].Gas_Nr == i) return true;
    return false;
}

// An XML id is a name: letters, digits, "_", "-", "." and no blank or "/"; the prefix makes it
// begin with a letter whatever the gas is called ("21/35" would not).
std::string XML_ID(const std::string& Name) {
    std::string id = "mix_";
    for (char c : Name) {
        const bool erlaubt = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                             c == '-' || c == '.';
        id += erlaubt ? c : '_';
    }
    return id;
}

void Mix_IDs_bilden() {
    for (int32_t i = 0; i <= G::GasGemisch_NumMaxUeberhaupt; ++i) {
        std::string id =
            XML_ID(G::Gasgemisch[i].Name.empty() ? "gas" + std::to_string(i) : G::Gasgemisch[i].Name);
        for (int32_t j = 0; j < i; ++j)
            if (Mix_ID[static_cast<std::size_t>(j)] == id) id += "_" + std::to_string(i);
        Mix_ID[static_cast<std::size_t>(i)] = id;
    }
}

struct Gasdefinition_Type {
    std::string Mix_ID;
    std::string Name;
    float O2 = 0, N2 = 0, He = 0; // percent
};

void Gas_schreiben(int32_t i) {
    const auto& g = G::Gasgemisch[i];
    std::string id = Mix_ID[static_cast<std::size_t>(i)], Name = g.Name;
    float O2 = g.f_O2_prozent, N2 = g.f_N2_prozent, He = g.f_He_prozent;
    X::ID("mix", id);
    X::Text("name", Name, "", "mix");
    X::Kommentar(Text_waehlen("Sauerstoff O2", "oxygen O2"));
    X::Zahl("o2", O2, 5, 0, 3, 0.01L, "mix");
    X::Kommentar(Text_waehlen("Stickstoff N2", "nitrogen N2"));
    X::Zahl("n2", N2, 5, 0, 3, 0.01L, "mix");
    X::Kommentar("Helium He");
    X::Zahl("he", He, 5, 0, 3, 0.01L, "mix");
    X::Element("/mix");
}

Gasdefinition_Type Gas_lesen(const std::string& id) {
    const auto& g0 = G::Gasgemisch[0];
    Gasdefinition_Type d;
    d.Mix_ID = id;
    X::Text("name", d.Name, g0.Name, "mix");
    X::Zahl("o2", d.O2, 5, g0.f_O2_prozent, 3, 0.01L, "mix");
    const bool mit_N2 = X::Zahl("n2", d.N2, 5, g0.f_N2_prozent, 3, 0.01L, "mix");
    X::Zahl("he", d.He, 5, g0.f_He_prozent, 3, 0.01L, "mix");
    // Most writers leave out the nitrogen: it is the rest.
    if (!mit_N2) d.N2 = std::max(0.0f, 100.0f - d.O2 - d.He);
    X::Element("/mix");
    return d;
}

bool Gas_gueltig(const Gasdefinition_Type& d) {
    const auto Anteil = [](float p) { return std::isfinite(p) && p >= 0 && p <= 100; };
    // the table keeps whole percent: below 1 % a gas would have no oxygen at all
    return Anteil(d.O2) && d.O2 >= 1 && Anteil(d.N2) && Anteil(d.He) && d.O2 + d.N2 + d.He <= 100.5f;
}

std::string Prozent(float p) {
    return Unit_Tools::Zahl_formatieren(0, 1, p) + " %";
}

std::string Kein_Tauchgang(const std::string& Grund_de, const std::string& Grund_en) {
    Meldung_Problem("Kein Tauchgang eingelesen: " + Grund_de, "No dive imported: " + Grund_en);
    return {};
}

// The file's gases in the table: a gas already there is taken, a new one appended. False (after
// a message) when a definition is unusable or the table cannot take the new ones.
bool Gase_einordnen(const std::vector<Gasdefinition_Type>& Definitionen) {
    for (const auto& d : Definitionen)
        if (!Gas_gueltig(d)) {
            Kein_Tauchgang("die Gasdefinition \"" + d.Mix_ID + "\" ist ungültig (O2 " + Prozent(d.O2) +
                               ", N2 " + Prozent(d.N2) + ", He " + Prozent(d.He) + ").",
                           "the gas definition \"" + d.Mix_ID + "\" is invalid (O2 " + Prozent(d.O2) +
                               ", N2 " + Prozent(d.N2) + ", He " + Prozent(d.He) + ").");
            return false;
        }
    Importgase.clear();
    for (const auto& d : Definitionen) {
        int32_t i = G::Gasgemisch_finden(d.O2 / 100.0f, d.N2 / 100.0f, d.He / 100.0f);
        if (i < 0) {
            if (G::Gasgemisch_NumMax >= G::GasGemisch_NumMaxUeberhaupt) {
                Meldung_Problem("Zu viele Gasmischungen", "Too many gases");
                return false;
            }
            i = ++G::Gasgemisch_NumMax;
            G::Gasgemisch[i] = G::Gasgemisch_Type{d.Name, d.O2, d.N2, d.He, 0, 0, 0};
        }
        Importgase.push_back({d.Mix_ID, i});
    }
    return true;
}

// "gasdefinitions"; reading fills Importgase, false when the import cannot go on.
bool Gasdefinitionen() {
    Teil_von_vorn();
    const bool da = X::Element("gasdefinitions");
    X::Kommentar(Text_waehlen("Alle verwendeten Atemgase", "all gases used"));
    if (!lesend()) {
        Mix_IDs_bilden();
        for (int32_t i = 0; i <= std::clamp(G::Gasgemisch_NumMax, 0, G::GasGemisch_NumMaxUeberhaupt); ++i)
            if (Gas_exportieren(i)) Gas_schreiben(i);
        X::Element("/gasdefinitions");
        return true;
    }
    std::vector<Gasdefinition_Type> Definitionen;
    if (da) {
        const int32_t Anfang = X::Lesezeiger;
        const int32_t n = X::Anzahl("o2", G::GasGemisch_NumMaxUeberhaupt, "gasdefinitions");
        const int32_t Ende = X::Element("/gasdefinitions") ? X::Lesezeiger : Anfang;
        X::Lesezeiger = Anfang;
        std::string id;
        for (int32_t k = 0; k < n && X::ID("mix", id) && X::Lesezeiger < Ende; ++k)
            Definitionen.push_back(Gas_lesen(id));
        X::Lesezeiger = Anfang;
        X::Element("/gasdefinitions");
    }
    if (Definitionen.empty()) {
        Kein_Tauchgang("die Datei enthält keine Gasdefinition (gasdefinitions, mix).",
                       "the file holds no gas definition (gasdefinitions, mix).");
        return false;
    }
    return Gase_einordnen(Definitionen);
}

// ---- Settings of the program block ----

void Ungueltig(const std::string& Name, long double Wert) {
    const std::string z = Unit_Tools::Zahl_formatieren(0, 4, Wert);
    Meldung_Problem("Ungültiger Wert in der UDDF Datei: " + Name + " = " + z + ", der bisherige Wert bleibt.",
                    "Invalid value in the UDDF file: " + Name + " = " + z + ", the previous value is kept.");
}

const std::string Block = "brelune";

// An element name with blanks is no XML: other readers would reject the whole file. It is written
// with underscores; files of earlier versions with the blanks are still read.
std::string XML_Name(std::string Name) {
    std::replace(Name.begin(), Name.end(), ' ', '_');
    return Name;
}

template <typename Zugriff> void unter_beiden_Namen(const std::string& Name, Zugriff z) {
    if (!z(XML_Name(Name)) && lesend() && Name.find(' ') != std::string::npos) z(Name);
}

void Einstellung(const std::string& Name, float& Variable, int Breite, float Vorgabe, int Nachkommastellen,
                 long double Faktor, float Min, float Max) {
    float Wert = Variable;
    unter_beiden_Namen(Name, [&](const std::string& n) {
        return X::Zahl(n, Wert, Breite, Vorgabe, Nachkommastellen, Faktor, Block);
    });
    if (!lesend()) return;
    if (Wert >= Min && Wert <= Max)
        Variable = Wert;
    else
        Ungueltig(Name, Wert);
}

template <typename T>
void Einstellung(const std::string& Name, T& Variable, int32_t Vorgabe, int32_t Min, int32_t Max) {
    int32_t Wert = static_cast<int32_t>(Variable);
    unter_beiden_Namen(Name, [&](const std::string& n) { return X::Ganzzahl(n, Wert, Vorgabe, 1, Block); });
    if (!lesend()) return;
    if (Wert >= Min && Wert <= Max)
        Variable = static_cast<T>(Wert);
    else
        Ungueltig(Name, Wert);
}

void Einstellung(const std::string& Name, bool& Variable, bool Vorgabe) {
    X::Bool(Name, Variable, Vorgabe, Block);
}

// A partial pressure: pascal in the file; a value below 10 is taken as bar (some writers do so).
bool pO2_Zahl(const std::string& Name, float& bar, float Vorgabe, const std::string& Eltern,
              const std::string& Attribut = "") {
    if (!lesend()) return X::Zahl(Name, bar, 9, Vorgabe, 2, Pa_pro_bar, Eltern, Attribut);
    float Wert = 0;
    if (!X::Zahl(Name, Wert, 9, 0, 2, 1, Eltern)) {
        bar = Vorgabe;
        return false;
    }
    bar = Wert < 10 ? Wert : static_cast<float>(Wert / Pa_pro_bar);
    return true;
}

void Modell(const std::string& Name, Unit_Saettigungsmodelle::Modell_Typ& Modell, int32_t Standard,
            int32_t Erster, int32_t Letzter) {
    int32_t Nummer = Modell.Bezeichnung.empty() ? Standard : Modell.Nummer;
    Einstellung(Name, Nummer, Standard, Erster, Letzter);
    if (lesend()) Unit_Saettigungsmodelle::Modell_waehlen(Nummer, Modell);
}

// The children of "brelune": the settings the saturation calculation needs.
void Programmeinstellungen(int32_t& iWayPointMax_Block) {
    namespace F = Unit_Formeln;
    namespace C = Unit_CCR_SCR;
    namespace S = Unit_Saettigungsmodelle;
    Einstellung("watersurface_altitude", F::m_NN, 0, -500, 9000);
    Einstellung("watersurface_atmospheric_pressure", F::bar_Luft, 7, 1.01325f, 2, Pa_pro_bar, 0.3f, 1.2f);
    std::string Typ = Tauchgeraet_Typ(W::Tauchgeraet_Start);
    const bool mit_Typ = X::Typ(Block, "divemode", Typ);
    if (lesend()) W::Tauchgeraet_Start = mit_Typ ? Tauchgeraet_aus_Typ(Typ) : 0;
    float Setpoint = W::CCR_Setpoint_Start;
    pO2_Zahl("setpo2", Setpoint, 1.3f, Block);
    if (lesend()) {
        if (Setpoint >= 0.1f && Setpoint <= 2.0f)
            W::CCR_Setpoint_Start = W::CCR_Setpoint = Setpoint;
        else
            Ungueltig("setpo2", Setpoint);
    }
    Einstellung("scr_flow_l_per_min", W::SCR_Flow_Start, 9, 15.6f, 2, 1, 0.5f, 100);
    int32_t Gas = G::Gasgemisch_num;
    Einstellung("gasnum", Gas, 0, 0, G::Gasgemisch_NumMax);
    if (lesend()) G::Gasgemisch_waehlen(Gas);
    Einstellung("min_runtime_read1st", min_Runtime_Start, 7, 30, 2, 1, 0, 900);
    Einstellung("m_wasser_read1st", m_Wasser_Start, 7, 25, 2, 1, 0, 350);
    Einstellung("depthcalibration", F::m_pro_bar, 6, 10, 3, 1, 5, 20);
    Einstellung("OC AMV", Unit_Gasverbrauch::AMV, 20, 1, 200);
    Einstellung("OC AMV Deco", Unit_Gasverbrauch::AMV_Deko, 20, 1, 200);
    Einstellung("CCR O2 comsumption", C::CCR.barL_pro_min_Atmung_O2, 5, 1.5f, 2, 1, 0.5f, 2.5f);
    Einstellung("CCR circuit volume", C::CCR.L, 4, 1, 50);
    Einstellung("CCR O2 input", C::CCR.L_pro_min_O2_Zufuhr, 10, 0, 100);
    Einstellung("CCR dil", C::CCR.Spuelen_Anzahl, 3, 0, 20);
    Einstellung("SCR O2 comsumption", C::SCR.barL_pro_min_Atmung_O2, 5, 1.5f, 2, 1, 0.5f, 2.5f);
    Einstellung("SCR circuit volume", C::SCR.L, 4, 1, 50);
    Einstellung("SCR dil", C::SCR.Spuelen_Anzahl, 3, 0, 20);
    Einstellung("ph2o_ok", F::p_H2O_verwenden, true);
    float pH2O = F::p_H2O;
    Einstellung("ph2o", pH2O, 7, F::p_H2O_Standard, 5, Pa_pro_bar, 0, 0.1f);
    if (lesend()) F::p_H2O = F::p_H2O_verwenden ? pH2O : 0.0f;
    Modell("model_n2", S::Modell_N2, S::Modell_N2_Standard, S::Modell_N2_erster, S::Modell_N2_letzter);
    Modell("model_he", S::Modell_He, S::Modell_He_Standard, S::Modell_He_erster, S::Modell_He_letzter);
    Einstellung("algorithm", Algorithmus, 1, 0, 3);
    Einstellung("safety_buehl_depth_OK", S::Buehlmann_Tiefenzuschlag, true);
    Einstellung("safety_buehl_doublelastdeco_OK", S::Buehlmann_letzten_Stop_verdoppeln, false);
    Einstellung("safety_buehl_lastdeco_min", S::Buehlmann_Sicherheitsstop_min, 5, 0, 2, 1, 0, 60);
    Einstellung("safety_gf_ok", S::GF_verwenden, false);
    Einstellung("safety_gf_lo", S::GF_Lo, 4, 0.4f, 2, 1, 0, 1);
    Einstellung("safety_gf_hi", S::GF_Hi, 4, 0.8f, 2, 1, 0, 1);
    Einstellung("safety_gf_all_ok", S::GF_alle_Stops, false);
    Einstellung("safety_deepstop_ok", S::Deep_Stop_verwenden, false);
    Einstellung("safety_deepstop_min", S::Deep_Stop_min, 1, 0, 60);
    Einstellung("safety_deepstop_step", S::Deep_Stop_Stufen_oberhalb_Dekozone, 2, 0, 20);
    Einstellung("iWayPointmax", iWayPointMax_Block, 0, 0, I::iWayPointMaxUeberhaupt);
}

// The namespace of the program block: the schema takes foreign elements in its application slot
// only in a namespace of their own.
const std::string Block_Namensraum = "urn:brelune:uddf:settings";
// The line of the program block's start tag in the document read; -1 when there is none.
int32_t Blockzeile = -1;

// The values of sample i the schema has no element for: the calculated pO2, the SCR flow and the
// apparatus (the schema knows no passive SCR). Written inside the program block.
const std::string Zusatz = "sampledata";

bool Samplezusatz(int32_t i) {
    const std::string& P = Zusatz;
    if (!X::Element(P)) return false;
    I::iWayPoint_Type& s = I::iWayPoint[static_cast<std::size_t>(i)];
    pO2_Zahl("calculatedpo2", s.bar_pO2, s.bar_pO2, P);
    float Flow = s.SCR_Flow;
    X::Zahl("scr_flow_l_per_min", Flow, 9, Flow, 2, 1, P);
    s.SCR_Flow = Flow;
    std::string Typ = Tauchgeraet_Typ(s.Tauchgeraet);
    if (X::Typ(P, "apparatus", Typ) && lesend()) s.Tauchgeraet = Tauchgeraet_aus_Typ(Typ);
    if (!X::Element("/" + P)) ++X::Lesezeiger;
    return true;
}

// Reading: after the samples, from the block's start (files of earlier versions have none).
void Samplezusaetze() {
    if (lesend()) {
        if (Blockzeile < 0) return;
        X::Lesezeiger = Blockzeile;
        if (!X::Finden(Block, Zusatz, X::Art::Element).gefunden) return;
    }
    int32_t i = 0;
    while (i <= I::iWayPointMax && Samplezusatz(i)) ++i;
}

// The program block in the schema's application slot of the dive ("program" in files of earlier
// versions); without the block (another writer) the settings stay.
void Programmblock(int32_t& iWayPointMax_Block) {
    if (!lesend()) X::Element("applicationdata");
    X::Kommentar(Text_waehlen("Hier stehen Daten, die ausschliesslich für das Programm Brelune relevant sind",
                              "this section contains data only relevant for the program brelune"));
    X::Kommentar(Text_waehlen("(nur die Daten, welche für die Sättigungsberechnung wichtig sind)",
                              "(only data important for saturation calculation)"));
    if (!lesend()) X::Element("decotrainer");
    Blockzeile = -1;
    if (lesend() ? X::Element(Block)
                 : (X::Element_Attribut_schreiben(Block, "xmlns", Block_Namensraum), true)) {
        Blockzeile = X::Lesezeiger;
        Programmeinstellungen(iWayPointMax_Block);
        if (!lesend()) Samplezusaetze();
        X::Element("/" + Block);
    }
    if (lesend()) return;
    X::Element("/decotrainer");
    X::Element("/applicationdata");
}

// ---- Profile ----

// "surfaceintervalbeforedive" ("surfaceinterval" in files of earlier versions).
void Oberflaechenpause() {
    std::string Name = "surfaceintervalbeforedive";
    const bool da = X::Element(Name) || (lesend() && X::Element(Name = "surfaceinterval"));
    if (!lesend()) {
        if (Wiederholungstauchgang_OK) {
            X::Kommentar(Text_waehlen("Oberflächenpause (s)", "surface time (s)"));
            float h = h_Oberflaechenpause;
            X::Zahl("passedtime", h, 6, 0, 0, 3600);
        } else {
            X::Kommentar(Text_waehlen("kein Wiederholungstauchgang", "no repetition dive"));
            X::Unendlich_schreiben();
        }
    } else {
        float h = 0;
        if (da) X::Zahl("passedtime", h, 6, 0, 0, 3600, Name);
        // a year at most: beyond that no tissue remembers the earlier dive
        if (!(h >= 0 && h <= 8760)) {
            Ungueltig("passedtime", h * 3600.0L);
            h = 0;
        }
        h_Oberflaechenpause = h;
        Wiederholungstauchgang_OK = std::fabs(h) > 0.01f;
    }
    X::Element("/" + Name);
}

struct Gasaufloesung_Type {
    bool gemeldet = false;
};

int32_t Gas_aus_Ref(const std::string& Ref, int32_t i, Gasaufloesung_Type& a) {
    for (const auto& g : Importgase)
        if (g.Mix_ID == Ref) return g.Gas_Nr;
    if (!a.gemeldet) {
        const std::string n = std::to_string(i);
        Meldung_Problem("Undefiniertes Atemgas bei Waypoint[" + n + "]",
                        "undefined gas at waypoint[" + n + "]");
    }
    a.gemeldet = true;
    return Importgase.back().Gas_Nr;
}

// One "waypoint" element for sample i; reading false when there is none more.
bool Sample(int32_t i, Gasaufloesung_Type& a) {
    const std::string P = "waypoint";
    if (!X::Element(P)) return false;
    I::iWayPoint_Type& s = I::iWayPoint[static_cast<std::size_t>(i)];
    // What a writer leaves out while it does not change is the value of the sample before.
    const I::iWayPoint_Type v = i > 0 ? I::iWayPoint[static_cast<std::size_t>(i - 1)] : I::iWayPoint_Type{};
    const bool erster = i == 0;
    // the children in the order of the schema
    if (!X::Zahl("cns", s.CNS_Prozent, 5, 0, 2, 1, P) && !erster) s.CNS_Prozent = v.CNS_Prozent;
    X::Zahl("depth", s.m_Wasser, 6, Fehlt, 2, 1, P);
    X::Zahl("divetime", s.s_Zeit, 6, Fehlt, 2, 1, P);
    if (!X::Zahl("otu", s.OTU, 5, 0, 2, 1, P) && !erster) s.OTU = v.OTU;
    if (!pO2_Zahl("setpo2", s.CCR_Setpoint, 1.3f, P, X::Attribut_setby_user) && !erster)
        s.CCR_Setpoint = v.CCR_Setpoint;
    std::string Ref = Mix_ID[static_cast<std::size_t>(Gasindex(s.Gas_Nr))];
    const bool mit_Gas = X::Ref(P, "switchmix", Ref);
    // the schema's modes; the passive SCR is written as SCR here and exactly in the program block
    std::string Typ = Tauchgeraet_Typ(s.Tauchgeraet == 3 ? 2 : s.Tauchgeraet);
    const bool mit_Typ = X::Typ(P, "divemode", Typ);
    if (lesend()) {
        // other writers and files of earlier versions carry these in the waypoint
        if (!pO2_Zahl("calculatedpo2", s.bar_pO2, -1, P) && !erster) s.bar_pO2 = v.bar_pO2;
        float Flow = s.SCR_Flow;
        if (!X::Zahl("scr_flow_l_per_min", Flow, 9, 15.6f, 2, 1, P) && !erster) Flow = v.SCR_Flow;
        s.SCR_Flow = Flow;
    }
    // a waypoint never closed: the next one is looked for behind its start
    if (!X::Element("/" + P)) ++X::Lesezeiger;
    if (!lesend()) return true;
    s.Tauchgeraet = mit_Typ ? Tauchgeraet_aus_Typ(Typ) : v.Tauchgeraet;
    s.Gas_Nr = mit_Gas ? Gas_aus_Ref(Ref, i, a) : erster ? Importgase.front().Gas_Nr : v.Gas_Nr;
    s.austauchen = false;
    s.m_END = 0;
    s.Aktion.clear();
    s.Warnung.clear();
    s.cave_horizontal_distance_m = s.cave_horizontal_velocity_m_pro_min = -1;
    return true;
}

void Samples(int32_t iWayPointMax_Block) {
    const bool da = X::Element("samples");
    if (lesend()) {
        // The waypoints of the dive read (the other dives of a logbook are hidden) are counted
        // inside its samples.
        const int32_t n = da ? X::Anzahl("waypoint", I::iWayPointMaxUeberhaupt, "samples") : 0;
        I::iWayPoints_leeren(0);
        I::iWayPointMax = iWayPointMax_Block > 0 ? std::min(iWayPointMax_Block, n - 1) : n - 1;
    }
    Gasaufloesung_Type a;
    for (int32_t i = 0; i <= I::iWayPointMax; ++i)
        if (!Sample(i, a)) {
            I::iWayPointMax = i - 1;
            break;
        }
    X::Element("/samples");
}

// The greatest depth and the duration the schema wants after the samples.
void Nach_dem_Tauchgang_schreiben() {
    float Tiefe = 0, Dauer = 0;
    for (int32_t i = 0; i <= I::iWayPointMax; ++i) {
        Tiefe = std::max(Tiefe, I::iWayPoint[static_cast<std::size_t>(i)].m_Wasser);
        Dauer = std::max(Dauer, I::iWayPoint[static_cast<std::size_t>(i)].s_Zeit);
    }
    X::Element("informationafterdive");
    X::Zahl("greatestdepth", Tiefe, 6, 0, 2);
    X::Zahl("diveduration", Dauer, 6, 0, 2);
    X::Element("/informationafterdive");
}

std::string Zeitstempel() {
    const X::Zeitpunkt_Type t = X::Jetzt();
    const auto z = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return z(t.Tag) + "." + z(t.Monat) + "." + std::to_string(t.Jahr) + " " + z(t.Stunde) + ":" +
           z(t.Minute) + ":" + z(t.Sekunde);
}

void Generator_schreiben() {
    X::Element("generator");
    X::Kommentar(
        Text_waehlen("Programm, welches diese UDFF Datei erzeugt hat", "Program which wrote this UDDF file"));
    std::string Name = Programmname, Version = Programmversion;
    X::Text("name", Name, "");
    std::string id = "brelune_manufacturer";
    X::ID("manufacturer", id);
    std::string Hersteller = Hersteller_Name;
    X::Text("name", Hersteller, "");
    X::Element("contact");
    const std::array<std::pair<const char*, std::string>, 4> Kontakt = {
        {{"phone", Hersteller_Telefon},
         {"mobilephone", Hersteller_Mobiltelefon},
         {"email", Hersteller_Email},
         {"homepage", Hersteller_Homepage}}};
    for (auto [Tag, Wert] : Kontakt) X::Text(Tag, Wert, "");
    X::Element("/contact");
    X::Element("/manufacturer");
    X::Text("version", Version, "");
    X::Datumzeit_schreiben();
    X::Element("/generator");
}

// The schema wants an owner of the log; the planner knows no diver by name.
void Taucher_schreiben() {
    X::Element("diver");
    std::string id = "brelune_owner", Name = "-";
    X::ID("owner", id);
    X::Element("personal");
    X::Text("firstname", Name, "");
    X::Text("lastname", Name, "");
    X::Element("/personal");
    X::Element("/owner");
    X::Element("/diver");
}

void Tauchplatz() {
    Teil_von_vorn();
    if (!X::Element("divesite")) return;
    std::string id = "brelune_site";
    if (X::ID("site", id)) {
        std::string Name = "-";
        if (!lesend()) X::Text("name", Name, "");
        if (X::Element("geography")) {
            if (!lesend()) X::Text("location", Name, "");
            X::Kommentar(Text_waehlen("Höhe (m über NN)", "Height above S.L. (m)"));
            int32_t Hoehe = Unit_Formeln::m_NN;
            X::Ganzzahl("altitude", Hoehe, 0, 1, "geography");
            if (!lesend() || (Hoehe >= -500 && Hoehe <= 9000))
                Unit_Formeln::m_NN = Hoehe;
            else
                Ungueltig("altitude", Hoehe);
            X::Element("/geography");
        }
        if (X::Element("sitedata")) {
            X::Kommentar(Text_waehlen("Dichte (kg/m3)", "density (kg/m3"));
            float Dichte = Unit_Formeln::m_pro_bar_aus_kg_pro_m3(Unit_Formeln::m_pro_bar);
            X::Zahl("density", Dichte, 7, Unit_Formeln::m_pro_bar_aus_kg_pro_m3(10), 2, 1, "sitedata");
            if (lesend()) {
                if (Dichte >= 900 && Dichte <= 1200)
                    Unit_Formeln::m_pro_bar = Unit_Formeln::m_pro_bar_aus_kg_pro_m3(Dichte);
                else
                    Ungueltig("density", Dichte);
            }
            X::Element("/sitedata");
        }
        if (X::Element("/site") && lesend()) Datei_Tauchgang.clear();
    }
    X::Element("/divesite");
}

// The one schema of both directions; reading false when the file cannot become a dive.
bool Schema() {
    if (lesend()) {
        X::Wurzel("uddf", UDDF_Version);
    } else {
        X::Deklaration_schreiben();
        X::Wurzel_schreiben("uddf", UDDF_Version, UDDF_Namensraum);
    }
    X::Kommentar(Text_waehlen("UDFF Datei geschrieben am ", "UDDF file written on ") + Zeitstempel());
    if (!lesend()) {
        Generator_schreiben();
        Taucher_schreiben();
    }
    Tauchplatz();
    if (!Gasdefinitionen()) return false;
    Teil_von_vorn();
    X::Element("profiledata");
    X::Kommentar(Text_waehlen("Tauchgangsprofil", "dive data"));
    std::string Gruppe = "brelune_group", Tauchgang = "brelune_dive";
    X::ID("repetitiongroup", Gruppe);
    X::ID("dive", Tauchgang);
    if (!lesend()) {
        X::Element("informationbeforedive");
        X::Datumzeit_schreiben();
    }
    X::Kommentar(
        Text_waehlen("Oberflächenpause bei Wiederholungstauchgang", "Surface time before repetition dive"));
    Oberflaechenpause();
    if (!lesend()) X::Element("/informationbeforedive");
    // without a program block the samples are counted (a count left by an earlier import or
    // export would cut them)
    int32_t iWayPointMax_Block = lesend() ? 0 : I::iWayPointMax;
    Programmblock(iWayPointMax_Block);
    Samples(iWayPointMax_Block);
    if (lesend())
        Samplezusaetze();
    else
        Nach_dem_Tauchgang_schreiben();
    if (X::Element("/dive") && lesend()) Datei_Tauchgang.clear();
    X::Element("/repetitiongroup");
    X::Element("/profiledata");
    if (!lesend()) X::Wurzel_schreiben("/uddf", "");
    return true;
}

// ---- Checks before and after reading ----

bool Dokument_pruefen() {
    const auto& D = X::Dokument();
    bool Inhalt = false;
    for (std::size_t k = 0; k < D.size(); ++k) {
        for (char c : D[k])
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
                const std::string z = std::to_string(k + 1);
                Kein_Tauchgang("die Datei ist keine Textdatei (Steuerzeichen in Zeile " + z + ").",
                               "the file is no text file (control characters in line " + z + ").");
                return false;
            }
        Inhalt = Inhalt || D[k].find_first_not_of(" \t") != std::string::npos;
    }
    if (!Inhalt) {
        Kein_Tauchgang("die Datei ist leer.", "the file is empty.");
        return false;
    }
    X::Richtung = X::lesen;
    X::Lesezeiger = 0;
    const bool Wurzel_da = X::Element("uddf");
    const bool Ende_da = Wurzel_da && X::Endtag_vorhanden("uddf");
    X::Lesezeiger = 0;
    if (!Wurzel_da) {
        Kein_Tauchgang("die Datei ist keine UDDF Datei (kein Element <uddf>).",
                       "the file is no UDDF file (no element <uddf>).");
        return false;
    }
    if (!Ende_da) {
        Kein_Tauchgang("die UDDF Datei ist unvollständig (</uddf> fehlt).",
                       "the UDDF file is incomplete (</uddf> is missing).");
        return false;
    }
    return true;
}

bool Samples_umwandeln() {
    if (I::iWayPointMax < 0) {
        Kein_Tauchgang("die Datei enthält keine Tauchgangsdaten (samples, waypoint).",
                       "the file holds no dive samples (samples, waypoint).");
        return false;
    }
    const I::Umwandlung_Type r = I::iWayPoints_zu_WayPoints(false, 1);
    if (r.WayPoints == 0) {
        Kein_Tauchgang("kein Sample hat eine brauchbare Zeit und Tiefe (divetime, depth).",
                       "no sample has a usable time and depth (divetime, depth).");
        return false;
    }
    I::Umwandlung_melden(r, "Samples", "samples");
    // The calculation starts every dive at the surface.
    W::WayPoints_normalisieren();
    return true;
}

} // namespace

std::string Tauchgeraet_Typ(uint8_t Tauchgeraet) {
    return Tauchgeraet < Tauchgeraet_Typen.size() ? Tauchgeraet_Typen[Tauchgeraet] : Tauchgeraet_Typen[0];
}

uint8_t Tauchgeraet_aus_Typ(const std::string& Typ) {
    for (std::size_t k = 0; k < Tauchgeraet_Typen.size(); ++k)
        if (Typ == Tauchgeraet_Typen[k]) return static_cast<uint8_t>(k);
    return 0;
}

void Textseiten_leeren() {
    namespace T = Unit_Textpuffer;
    for (T::Textpuffer* p :
         {&T::Memo_Tauchgangsberechnung, &T::Memo_DekoInfo, &T::Memo_Warnung, &T::Memo_Zusammenfassung,
          &T::Memo_Gasverbrauch, &T::Memo_RunTimeTabelle, &T::Memo_Report, &T::Memo_ReportCSV})
        p->Leeren();
}

void UDDF_schreiben() {
    I::iWayPoints_aus_WayPoints();
    X::Dokument_leeren();
    X::Richtung = X::schreiben;
    Schema();
}

bool UDDF_exportieren_Datei(const std::string& Dateiname) {
    UDDF_schreiben();
    return X::Datei_speichern(Dateiname);
}

bool UDDF_exportieren() {
    UDDF_schreiben();
    return X::Datei_speichern_unter(Pfad_Tauchgang);
}

namespace {
// The other dives hidden while one is read; shown again whatever the reading's end.
class Nur_ein_Tauchgang {
  public:
    Nur_ein_Tauchgang(const std::vector<X::Bereich_Type>& Tauchgaenge, std::size_t k) {
        for (std::size_t j = 0; j < Tauchgaenge.size(); ++j)
            if (j != k) X::Ausblenden(Tauchgaenge[j]);
    }
    ~Nur_ein_Tauchgang() { X::Einblenden(); }
    Nur_ein_Tauchgang(const Nur_ein_Tauchgang&) = delete;
    Nur_ein_Tauchgang& operator=(const Nur_ein_Tauchgang&) = delete;
};

bool Tauchgang_vorhanden(std::size_t Anzahl, int32_t Nummer) {
    if (Anzahl == 0) {
        Kein_Tauchgang("die Datei enthält keinen Tauchgang (dive).", "the file holds no dive (dive).");
        return false;
    }
    if (Nummer >= 1 && static_cast<std::size_t>(Nummer) <= Anzahl) return true;
    const std::string n = std::to_string(Nummer), a = std::to_string(Anzahl);
    Kein_Tauchgang("die Datei enthält die Tauchgänge 1 bis " + a + ", keinen Tauchgang " + n + ".",
                   "the file holds the dives 1 to " + a + ", no dive " + n + ".");
    return false;
}

// The elements the list of dives reads, in one pass over each dive.
enum Listenwert {
    Nummer_,
    Datum_,
    Jahr_,
    Monat_,
    Tag_,
    Stunde_,
    Minute_,
    Tiefe_,
    groesste_Tiefe_,
    Zeit_,
    Dauer_
};
const std::vector<std::string> Listentags = {"divenumber",    "datetime", "year",        "month",
                                             "day",           "hour",     "minute",      "depth",
                                             "greatestdepth", "divetime", "diveduration"};
using Listenwerte = std::vector<std::vector<std::string>>;

std::string erster_Wert(const Listenwerte& w, Listenwert k) {
    return w[k].empty() ? "" : w[k].front();
}

// The largest of the values that are numbers; NaN when none is.
float groesster_Wert(const std::vector<std::string>& Werte) {
    float r = Fehlt;
    for (const auto& w : Werte) {
        long double x = 0;
        if (Unit_Tools::Zahl_umwandeln(w, x) && std::isfinite(x) && !(x <= r)) r = static_cast<float>(x);
    }
    return r;
}

// "2024-06-27T15:45:44Z" as "2024-06-27 15:45:44"; older files give date and time in parts.
std::string Zeitpunkt(const Listenwerte& w) {
    std::string t = erster_Wert(w, Datum_);
    if (!t.empty()) {
        std::replace(t.begin(), t.end(), 'T', ' ');
        if (t.back() == 'Z') t.pop_back();
        return t;
    }
    const auto zwei = [&](Listenwert k) {
        const std::string v = erster_Wert(w, k);
        return v.size() == 1 ? "0" + v : v;
    };
    if (w[Jahr_].empty()) return "";
    t = erster_Wert(w, Jahr_) + "-" + zwei(Monat_) + "-" + zwei(Tag_);
    return w[Stunde_].empty() ? t : t + " " + zwei(Stunde_) + ":" + zwei(Minute_);
}
} // namespace

bool UDDF_lesen(int32_t Nummer) {
    if (!Dokument_pruefen()) return false;
    const auto Liste = X::Bereiche("dive");
    if (!Tauchgang_vorhanden(Liste.size(), Nummer)) return false;
    const Nur_ein_Tauchgang Auswahl(Liste, static_cast<std::size_t>(Nummer - 1));
    Importsicherung Sicherung;
    X::Richtung = X::lesen;
    if (!Schema() || !Samples_umwandeln()) return false;
    W::min_Runtime = min_Runtime_Start;
    W::m_Wasser = m_Wasser_Start;
    Textseiten_leeren();
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
    Sicherung.bestaetigen();
    return true;
}

std::vector<Tauchgang_Eintrag> Tauchgaenge() {
    std::vector<Tauchgang_Eintrag> Liste;
    for (const auto& b : X::Bereiche("dive")) {
        Tauchgang_Eintrag e;
        e.Nummer = static_cast<int32_t>(Liste.size()) + 1;
        const Listenwerte w = X::Werte(Listentags, b);
        e.Tauchgangsnummer = erster_Wert(w, Nummer_);
        e.Zeitpunkt = Zeitpunkt(w);
        e.m_Tiefe_max = groesster_Wert(w[Tiefe_]);
        if (std::isnan(e.m_Tiefe_max)) e.m_Tiefe_max = groesster_Wert(w[groesste_Tiefe_]);
        e.min_Dauer = groesster_Wert(w[Zeit_]);
        if (std::isnan(e.min_Dauer)) e.min_Dauer = groesster_Wert(w[Dauer_]);
        e.min_Dauer /= 60;
        Liste.push_back(e);
    }
    return Liste;
}

std::string Eintrag_Text(const Tauchgang_Eintrag& e) {
    const auto Zahl = [](float x, const char* Einheit) {
        return std::isnan(x) ? std::string("-") : Unit_Tools::Zahl_formatieren_Punkt(0, 1, x) + " " + Einheit;
    };
    std::string t = std::to_string(e.Nummer);
    if (!e.Tauchgangsnummer.empty()) t += "  #" + e.Tauchgangsnummer;
    if (!e.Zeitpunkt.empty()) t += "  " + e.Zeitpunkt;
    return t + "  " + Zahl(e.m_Tiefe_max, "m") + "  " + Zahl(e.min_Dauer, "min");
}

std::optional<std::vector<Tauchgang_Eintrag>> Tauchgaenge_der_Datei(const std::string& Dateiname) {
    if (!X::Datei_laden(Dateiname) || !Dokument_pruefen()) return std::nullopt;
    return Tauchgaenge();
}

namespace {
// Which dive of a logbook: asked when the file holds more than one; empty when cancelled.
std::optional<int32_t> Tauchgang_waehlen() {
    const auto Liste = Tauchgaenge();
    if (Liste.size() <= 1) return 1;
    std::vector<std::string> Zeilen;
    for (const auto& e : Liste) Zeilen.push_back(Eintrag_Text(e));
    const auto k = Unit_UI::UI().Auswahl(
        Text_waehlen("Tauchgang wählen", "Choose a dive"),
        Text_waehlen("Die Datei enthält " + std::to_string(Liste.size()) +
                         " Tauchgänge. Welcher soll "
                         "eingelesen werden?",
                     "The file holds " + std::to_string(Liste.size()) + " dives. Which one shall be read?"),
        Zeilen, 0);
    if (!k) return std::nullopt;
    return static_cast<int32_t>(*k) + 1;
}

// The loaded document read: the dive chosen first, then read under the please-wait box.
bool Geladene_Datei_lesen(std::optional<int32_t> Nummer) {
    if (!Nummer) Nummer = Tauchgang_waehlen();
    if (!Nummer) return false;
    const Unit_Tools::Bitte_warten Warten("Tauchgang im UDDF Format wird eingelesen und konvertiert ...",
                                          "Reading and converting dive data in UDDF format ...");
    return UDDF_lesen(*Nummer);
}
} // namespace

bool UDDF_importieren_Datei(const std::string& Dateiname, std::optional<int32_t> Nummer) {
    return X::Datei_laden(Dateiname) && Geladene_Datei_lesen(Nummer);
}

bool UDDF_Tauchgang_importieren(const std::string& Dateiname, const std::function<void()>& Tauchgang_geladen,
                                std::optional<int32_t> Nummer) {
    G::Gasliste_merken();
    const bool gelesen = UDDF_importieren_Datei(Dateiname, Nummer);
    if (gelesen) {
        Unit_Graph_Utilities::Setpoint_Annotation_erlaubt = false;
        if (Tauchgang_geladen) Tauchgang_geladen();
    }
    Unit_Gasnummern::Gasliste_zusammenfuehren();
    return gelesen;
}

bool UDDF_importieren() {
    return X::Datei_oeffnen(Pfad_Tauchgang) && Geladene_Datei_lesen(std::nullopt);
}

// ---- The guard ----

struct Importsicherung::Zustand_Type {
    std::vector<W::WayPoint_Type> WayPoint; // the waypoints of the dive, 0 .. WayPoint_Anzahl
    decltype(W::WayPoint_Anzahl) WayPoint_Anzahl;
    decltype(W::min_Runtime) min_Runtime;
    decltype(W::m_Wasser) m_Wasser;
    decltype(W::bar_Umgebung) bar_Umgebung;
    decltype(W::min_Schritt) min_Schritt;
    decltype(W::Gas_Nr) Gas_Nr;
    decltype(W::Tauchgeraet) Tauchgeraet;
    decltype(W::CCR_Setpoint) CCR_Setpoint;
    decltype(W::SCR_Flow) SCR_Flow;
    decltype(W::bar_pO2) bar_pO2;
    decltype(W::m_END) m_END;
    decltype(W::CNS_Prozent) CNS_Prozent;
    decltype(W::OTU) OTU;
    decltype(W::Warntext) Warntext;
    decltype(W::Gas_Nr_Start) Gas_Nr_Start;
    decltype(W::Tauchgeraet_Start) Tauchgeraet_Start;
    decltype(W::CCR_Setpoint_Start) CCR_Setpoint_Start;
    decltype(W::SCR_Flow_Start) SCR_Flow_Start;
    G::Gastabelle Gasgemisch;
    decltype(G::Gasgemisch_NumMax) Gasgemisch_NumMax;
    decltype(G::Gasgemisch_num) Gasgemisch_num;
    decltype(Unit_Formeln::bar_Luft) bar_Luft;
    decltype(Unit_Formeln::m_pro_bar) m_pro_bar;
    decltype(Unit_Formeln::p_H2O) p_H2O;
    decltype(Unit_Formeln::p_H2O_verwenden) p_H2O_verwenden;
    decltype(Unit_Formeln::m_NN) m_NN;
    decltype(Unit_Gasverbrauch::AMV) AMV;
    decltype(Unit_Gasverbrauch::AMV_Deko) AMV_Deko;
    decltype(Unit_CCR_SCR::CCR) CCR;
    decltype(Unit_CCR_SCR::SCR) SCR;
    decltype(Unit_Saettigungsmodelle::Modell_N2) Modell_N2;
    decltype(Unit_Saettigungsmodelle::Modell_He) Modell_He;
    decltype(Unit_Saettigungsmodelle::Buehlmann_Tiefenzuschlag) Buehlmann_Tiefenzuschlag;
    decltype(Unit_Saettigungsmodelle::Buehlmann_letzten_Stop_verdoppeln) Buehlmann_letzten_Stop_verdoppeln;
    decltype(Unit_Saettigungsmodelle::Buehlmann_Sicherheitsstop_min) Buehlmann_Sicherheitsstop_min;
    decltype(Unit_Saettigungsmodelle::GF_verwenden) GF_verwenden;
    decltype(Unit_Saettigungsmodelle::GF_Lo) GF_Lo;
    decltype(Unit_Saettigungsmodelle::GF_Hi) GF_Hi;
    decltype(Unit_Saettigungsmodelle::GF_alle_Stops) GF_alle_Stops;
    decltype(Unit_Saettigungsmodelle::Deep_Stop_verwenden) Deep_Stop_verwenden;
    decltype(Unit_Saettigungsmodelle::Deep_Stop_min) Deep_Stop_min;
    decltype(Unit_Saettigungsmodelle::Deep_Stop_Stufen_oberhalb_Dekozone) Deep_Stop_Stufen;
    std::remove_reference_t<decltype(min_Runtime_Start)> Runtime_Start;
    std::remove_reference_t<decltype(m_Wasser_Start)> Tiefe_Start;
    std::remove_reference_t<decltype(Wiederholungstauchgang_OK)> Wiederholung;
    std::remove_reference_t<decltype(h_Oberflaechenpause)> Oberflaechenpause;
    std::remove_reference_t<decltype(Algorithmus)> Algorithmus_;
    std::remove_reference_t<decltype(Datei_Tauchgang)> Datei;
};

namespace {
// Every kept value beside the one in use; f(kept, in use) copies one way or the other.
template <typename F> void Zustand_Felder(Importsicherung::Zustand_Type& z, F f) {
    namespace S = Unit_Saettigungsmodelle;
    f(z.WayPoint_Anzahl, W::WayPoint_Anzahl);
    f(z.min_Runtime, W::min_Runtime);
    f(z.m_Wasser, W::m_Wasser);
    f(z.bar_Umgebung, W::bar_Umgebung);
    f(z.min_Schritt, W::min_Schritt);
    f(z.Gas_Nr, W::Gas_Nr);
    f(z.Tauchgeraet, W::Tauchgeraet);
    f(z.CCR_Setpoint, W::CCR_Setpoint);
    f(z.SCR_Flow, W::SCR_Flow);
    f(z.bar_pO2, W::bar_pO2);
    f(z.m_END, W::m_END);
    f(z.CNS_Prozent, W::CNS_Prozent);
    f(z.OTU, W::OTU);
    f(z.Warntext, W::Warntext);
    f(z.Gas_Nr_Start, W::Gas_Nr_Start);
    f(z.Tauchgeraet_Start, W::Tauchgeraet_Start);
    f(z.CCR_Setpoint_Start, W::CCR_Setpoint_Start);
    f(z.SCR_Flow_Start, W::SCR_Flow_Start);
    f(z.Gasgemisch, G::Gasgemisch);
    f(z.Gasgemisch_NumMax, G::Gasgemisch_NumMax);
    f(z.Gasgemisch_num, G::Gasgemisch_num);
    f(z.bar_Luft, Unit_Formeln::bar_Luft);
    f(z.m_pro_bar, Unit_Formeln::m_pro_bar);
    f(z.p_H2O, Unit_Formeln::p_H2O);
    f(z.p_H2O_verwenden, Unit_Formeln::p_H2O_verwenden);
    f(z.m_NN, Unit_Formeln::m_NN);
    f(z.AMV, Unit_Gasverbrauch::AMV);
    f(z.AMV_Deko, Unit_Gasverbrauch::AMV_Deko);
    f(z.CCR, Unit_CCR_SCR::CCR);
    f(z.SCR, Unit_CCR_SCR::SCR);
    f(z.Modell_N2, S::Modell_N2);
    f(z.Modell_He, S::Modell_He);
    f(z.Buehlmann_Tiefenzuschlag, S::Buehlmann_Tiefenzuschlag);
    f(z.Buehlmann_letzten_Stop_verdoppeln, S::Buehlmann_letzten_Stop_verdoppeln);
    f(z.Buehlmann_Sicherheitsstop_min, S::Buehlmann_Sicherheitsstop_min);
    f(z.GF_verwenden, S::GF_verwenden);
    f(z.GF_Lo, S::GF_Lo);
    f(z.GF_Hi, S::GF_Hi);
    f(z.GF_alle_Stops, S::GF_alle_Stops);
    f(z.Deep_Stop_verwenden, S::Deep_Stop_verwenden);
    f(z.Deep_Stop_min, S::Deep_Stop_min);
    f(z.Deep_Stop_Stufen, S::Deep_Stop_Stufen_oberhalb_Dekozone);
    f(z.Runtime_Start, min_Runtime_Start);
    f(z.Tiefe_Start, m_Wasser_Start);
    f(z.Wiederholung, Wiederholungstauchgang_OK);
    f(z.Oberflaechenpause, h_Oberflaechenpause);
    f(z.Algorithmus_, Algorithmus);
    f(z.Datei, Datei_Tauchgang);
}
} // namespace

Importsicherung::Importsicherung() : Zustand_(std::make_unique<Zustand_Type>()) {
    Zustand_Felder(*Zustand_, [](auto& gemerkt, const auto& jetzt) { gemerkt = jetzt; });
    const auto n = static_cast<std::size_t>(std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax));
    Zustand_->WayPoint.assign(W::WayPoint.begin(), W::WayPoint.begin() + static_cast<std::ptrdiff_t>(n + 1));
}

Importsicherung::~Importsicherung() {
    if (bestaetigt_) return;
    Zustand_Felder(*Zustand_, [](const auto& gemerkt, auto& jetzt) { jetzt = gemerkt; });
    std::copy(Zustand_->WayPoint.begin(), Zustand_->WayPoint.end(), W::WayPoint.begin());
    G::Gasgemisch_waehlen(G::Gasgemisch_num);
}

} // namespace Unit_Save_Read_UDDF
