#include "reports/Unit_Report.hpp"

#include "core/Brelune_ProgrammVersion.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Sprache_Brelune.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace Unit_Report {

bool RunTimeTable_mitAufstiegbeiDeko = false;
bool RunTimeTable_mitDeltaT = false;
bool RunTimeTable_mitUhrzeitRuntime = false;
bool RunTimeTable_mitpO2 = false;
bool RunTimeTable_mitCNS_prozent = false;
bool RunTimeTable_mitSystem = true;
bool RunTimeTable_mitGasdichte = false;
int32_t RunTimeTable_NachKomma = 2;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace Memo = Unit_Textpuffer;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;
using Unit_Tools::Zahl_formatieren_Punkt;

const std::string Programmname = "Brelune";
constexpr std::size_t Ueberschrift_Laenge = 121;

Datum Datum_der_Uhr() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    if (localtime_r(&jetzt, &t) == nullptr) return {};
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

// Characters, not bytes: the texts are UTF-8 and the tables count what the reader sees.
std::size_t Zeichenzahl(const std::string& Text) {
    return static_cast<std::size_t>(std::count_if(
        Text.begin(), Text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Cut to n characters or padded with blanks on the right to n.
std::string auf_Laenge(const std::string& Text, std::size_t n) {
    std::size_t Zeichen = 0, Byte = 0;
    for (; Byte < Text.size(); ++Byte) {
        if ((static_cast<unsigned char>(Text[Byte]) & 0xC0) == 0x80) continue;
        if (Zeichen == n) break;
        ++Zeichen;
    }
    return Text.substr(0, Byte) + std::string(n - Zeichen, ' ');
}

bool beginnt_mit(const std::string& Text, const char* Anfang) {
    return Text.rfind(Anfang, 0) == 0;
}

// A gas index that no table entry has (a damaged file) shows no gas rather than a wrong one.
const G::Gasgemisch_Type& Gas(int32_t i) {
    static const G::Gasgemisch_Type unbekannt{"?", 0, 0, 0, 0, 0, 0};
    if (i < 0 || i > G::Gasgemisch_NumMax || i > G::GasGemisch_NumMaxUeberhaupt) return unbekannt;
    return G::Gasgemisch[static_cast<std::size_t>(i)];
}

const W::WayPoint_Type& WayPoint(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

int32_t letzter_WayPoint() {
    return std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
}

std::string Abgebrochen() {
    return Text_waehlen("! Tauchgangsberechnung abgebrochen !", "! Dive calculation cancelled !");
}

// ---- runtime table ----

struct Spalte {
    const char* Titel_de;
    const char* Titel_en;
    const char* Einheit;
    const char* Strich;
    const bool* gezeigt; // nullptr: always shown
};

const std::array<Spalte, 11> Spalten = {{
    {" Tiefe ", " Depth ", "   (m) ", "------ ", nullptr},
    {"  Zeit ", "  Time ", " (min) ", "------ ", &RunTimeTable_mitDeltaT},
    {"Runtime ", "Runtime ", "  (min) ", "------- ", nullptr},
    {"Uhrzeit  ", "Time o.d.", "hh:mm:ss ", "-------- ", &RunTimeTable_mitUhrzeitRuntime},
    {"Atemgas      ", "Gas          ", "             ", "------------ ", nullptr},
    {"Aktion                      ", "Action                      ", "                            ",
     "--------------------------- ", nullptr},
    {"System   ", "System   ", "         ", "-------- ", &RunTimeTable_mitSystem},
    {" pO2 ", " pO2 ", " bar ", "---- ", &RunTimeTable_mitpO2},
    {"CNS% ", "CNS% ", "     ", "---- ", &RunTimeTable_mitCNS_prozent},
    {"Dichte  ", "Density ", "  (g/l) ", "------- ", &RunTimeTable_mitGasdichte},
    {"Warnung  ", "Warning  ", "         ", "---------", nullptr},
}};

bool gezeigt(const Spalte& s) {
    return s.gezeigt == nullptr || *s.gezeigt;
}

std::string System_Text(const W::WayPoint_Type& w) {
    switch (w.Tauchgeraet) {
    case 0:
        return "OC       ";
    case 1:
        return "CCR " + Zahl_formatieren(4, 2, w.CCR_Setpoint) + " ";
    case 2:
        return "SCR " + Zahl_formatieren(4, 1, w.SCR_Flow) + " ";
    case 3:
        return "pSCR      ";
    default:
        return "-        ";
    }
}

std::string Dichte_Text(const W::WayPoint_Type& w) {
    const auto Dichte = Unit_Tauchgangszustand::g_pro_L_Gasdichte_am_WayPoint(w);
    return Dichte ? Zahl_formatieren(7, 2, *Dichte) + " " : "      - ";
}

// The pieces of waypoint i, one per column, each with the blank that separates it from the next.
std::array<std::string, Spalten.size()> Zeile_Teile(int32_t i, int d, long double Startzeit_min) {
    const auto& w = WayPoint(i);
    std::array<std::string, Spalten.size()> t;
    t[0] = Zahl_formatieren(6, d, w.m_Wasser) + " ";
    t[1] = i == 0 ? std::string(7, ' ')
                  : Zahl_formatieren(6, d,
                                     static_cast<long double>(w.min_Runtime) - WayPoint(i - 1).min_Runtime) +
                        " ";
    t[2] = Zahl_formatieren(7, d, w.min_Runtime) + " ";
    t[3] = Unit_Tools::Minuten_zu_Uhrzeit(Startzeit_min + w.min_Runtime).Text() + " ";
    t[4] = auf_Laenge(Gas(w.Gas_Nr).Name, 12) + " ";
    t[5] = auf_Laenge(Unit_Sprache_Brelune::Aktion_uebersetzen(w.Aktion), 27) + " ";
    t[6] = System_Text(w);
    t[7] = Zahl_formatieren(4, 2, w.bar_pO2) + " ";
    t[8] = Zahl_formatieren(4, 0, w.CNS_Prozent) + " ";
    t[9] = Dichte_Text(w);
    t[10] = w.Warnung;
    return t;
}

template <typename Teil> std::string Zeile_aus(Teil Text_der_Spalte) {
    std::string z;
    for (std::size_t k = 0; k < Spalten.size(); ++k)
        if (gezeigt(Spalten[k])) z += Text_der_Spalte(k);
    return z;
}

// Behind the first stop the ascent legs between the stops may be left out; a change of the
// ascent velocity stays. The labels are German or English after the language of the
// calculation, so both are recognised.
bool ist_Stop(const std::string& Aktion) {
    return Aktion == "Deko" || Aktion == "Deco";
}

bool ist_Aufstieg_zwischen_Stops(const std::string& Aktion) {
    return (beginnt_mit(Aktion, "Aufstieg") && !beginnt_mit(Aktion, "Aufstieg W")) ||
           (beginnt_mit(Aktion, "Ascent") && !beginnt_mit(Aktion, "Ascent c"));
}

std::string ohne_Blanks(const std::string& Text) {
    const auto a = Text.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return Text.substr(a, Text.find_last_not_of(' ') - a + 1);
}

// Spreadsheet cells of the shown columns; the last (warning) column only where wanted.
template <typename Teil> std::vector<std::string> Zellen_aus(Teil Text_der_Spalte, bool mit_Warnung) {
    std::vector<std::string> z;
    for (std::size_t k = 0; k < Spalten.size(); ++k)
        if (gezeigt(Spalten[k]) && (mit_Warnung || k + 1 < Spalten.size()))
            z.push_back(ohne_Blanks(Text_der_Spalte(k)));
    return z;
}

std::string Titel(std::size_t k) {
    return Text_waehlen(Spalten[k].Titel_de, Spalten[k].Titel_en);
}

void Spaltenkopf_schreiben(Memo::Textpuffer& p) {
    p.Zeile_anfuegen(Zeile_aus(Titel));
    p.Zeile_anfuegen(Zeile_aus([](std::size_t k) { return std::string(Spalten[k].Einheit); }));
    p.Zeile_anfuegen(Zeile_aus([](std::size_t k) { return std::string(Spalten[k].Strich); }));
}

void Kopf_schreiben(Memo::Textpuffer& p) {
    p.Zeile_anfuegen(Text_waehlen("Berechnet mit ", "Calculated with ") + Programmname + " (Version " +
                     Brelune_ProgrammVersion::Version_Text + Text_waehlen(") am ", ") on ") +
                     Datum_Text(Datum_heute ? Datum_heute() : Datum_der_Uhr()));
    const std::string& Name = Unit_WayPoints::Datei_Tauchgang;
    const bool hat_Datei = !Name.empty() && Name != Unit_WayPoints::Nicht_gespeichert;
    p.Zeile_anfuegen(Text_waehlen("Tauchgang = ", "Dive = ") +
                     (hat_Datei ? Name : Text_waehlen("(nicht gespeichert)", "(not saved)")));
    p.Zeile_anfuegen("");
    Spaltenkopf_schreiben(p);
}

// Rows 1 to 6: the two head lines, an empty row, titles, units and an empty row. Each column
// keeps its place, so a unit stands under its title even where a column has no unit.
void Kopf_Zellen(const Memo::Textpuffer& p, Tabellenzellen& Zellen) {
    Zellen.push_back({p.Zeilen[0]});
    Zellen.push_back({p.Zeilen[1]});
    Zellen.push_back({});
    Zellen.push_back(Zellen_aus(Titel, true));
    Zellen.push_back(Zellen_aus([](std::size_t k) { return std::string(Spalten[k].Einheit); }, true));
    Zellen.push_back({});
}

void Zeilen_schreiben(Memo::Textpuffer& p, Tabellenzellen* Zellen) {
    const int d = std::clamp(RunTimeTable_NachKomma, 0, 2);
    const auto& s = Unit_Graph_Utilities::Startzeit;
    const long double Startzeit_min = s.Stunden * 60.0L + s.Minuten + s.Sekunden / 60.0L;
    bool Stop_erreicht = false;
    for (int32_t i = 0; i <= letzter_WayPoint(); ++i) {
        const std::string& Aktion = WayPoint(i).Aktion;
        if (RunTimeTable_mitAufstiegbeiDeko || !Stop_erreicht || !ist_Aufstieg_zwischen_Stops(Aktion)) {
            const auto t = Zeile_Teile(i, d, Startzeit_min);
            p.Zeile_anfuegen(Zeile_aus([&t](std::size_t k) { return t[k]; }));
            if (Zellen) Zellen->push_back(Zellen_aus([&t](std::size_t k) { return t[k]; }, false));
        }
        if (ist_Stop(Aktion)) Stop_erreicht = true;
    }
}

// After the table rows: an empty row, the summary behind another empty row, the gas
// consumption under its title.
void Schluss_Zellen(Tabellenzellen& Zellen) {
    Zellen.push_back({});
    const auto& Zusammenfassung = Memo::Memo_Zusammenfassung.Zeilen;
    if (!Zusammenfassung.empty()) {
        Zellen.push_back({});
        for (const auto& z : Zusammenfassung) Zellen.push_back({z});
    }
    const auto& Verbrauch = Memo::Memo_Gasverbrauch.Zeilen;
    if (Verbrauch.empty()) return;
    Zellen.push_back({});
    Zellen.push_back({Text_waehlen("Gasverbrauch", "Gas consumption")});
    for (const auto& z : Verbrauch) Zellen.push_back({"   " + z});
}

// ---- CSV texts ----

std::string Geraet_CSV(uint8_t Tauchgeraet) {
    return Unit_Formeln::Tauchgeraet_Text(Tauchgeraet) + "," + (Tauchgeraet == 1 ? "0" : "1");
}

std::string Gas_CSV(int32_t Gas_Nr) {
    const auto& g = Gas(Gas_Nr);
    return g.Name + "," + Zahl_formatieren_Punkt(3, 0, g.f_O2_prozent) + "," +
           Zahl_formatieren_Punkt(3, 0, g.f_N2_prozent) + "," + Zahl_formatieren_Punkt(3, 0, g.f_He_prozent);
}

// Inert gas of the compartment against what it tolerates by the pure coefficients; a sample
// without tolerated pressures yet shows 0 instead of a division by zero.
long double relative_Saettigung(const W::sData_Type& s, int i) {
    const long double Grenze = s.p_N2He_Gewebe_MAX_ZH[static_cast<std::size_t>(i)];
    if (!(Grenze > 0)) return 0;
    return (s.p_N2_Gewebe[static_cast<std::size_t>(i)] + s.p_He_Gewebe[static_cast<std::size_t>(i)]) / Grenze;
}

std::string mit_Kommas(const std::vector<std::string>& Teile) {
    std::string z;
    for (const auto& t : Teile) z += (z.empty() ? "" : ",") + t;
    return z;
}

// The headers of what Gas_CSV and Geraet_CSV write, in both CSV texts.
std::vector<std::string> mit_Gas_und_Geraet(std::vector<std::string> vorher,
                                            const std::vector<std::string>& nachher) {
    for (const std::string& k :
         {Text_waehlen("Gas", "gas"), std::string("Gas fO2(%)"), std::string("Gas fN2(%)"),
          std::string("Gas fHe(%)"), Text_waehlen("System", "system"), std::string("System(CCR=0,OC=1)")})
        vorher.push_back(k);
    vorher.insert(vorher.end(), nachher.begin(), nachher.end());
    return vorher;
}

std::string CSV_Kopf() {
    const auto Kopf = mit_Gas_und_Geraet(
        {Text_waehlen("Runtime(min)", "runtime(min)"), Text_waehlen("Tiefe(m)", "depth(m)"),
         Text_waehlen("Druck(bar)", "pressure(bar)")},
        {"pO2(bar)", "CNS(%)", "O2(%)", "N2(%)", "He(%)",
         Text_waehlen("rel. Sättigung Gewebe[1,..,", "rel. saturation tissue[1,..,") +
             std::to_string(W::Gewebe_Anzahl) + "]"});
    return "\" " + Programmname + ": " + mit_Kommas(Kopf);
}

std::string CSV_Zeile(const W::sData_Type& s) {
    using Unit_Tools::Zahl_anhaengen_Punkt;
    std::string z;
    z.reserve(200);
    const auto Zahl = [&z](int Breite, int Nachkommastellen, long double Wert) {
        Zahl_anhaengen_Punkt(z, Breite, Nachkommastellen, Wert);
        z += ',';
    };
    Zahl(6, 1, s.min_Runtime);
    Zahl(6, 2, s.m_Wasser);
    Zahl(6, 3, Unit_Formeln::bar_Umgebung_aus(s.m_Wasser));
    z += Gas_CSV(s.Gas_Nr);
    z += ',';
    z += Geraet_CSV(s.Tauchgeraet);
    z += ',';
    Zahl(4, 2, s.bar_pO2);
    Zahl(5, 1, s.CNS_Prozent);
    Zahl(6, 2, static_cast<long double>(s.f_O2_atmen) * 100);
    Zahl(6, 2, static_cast<long double>(s.f_N2_atmen) * 100);
    Zahl(6, 2, static_cast<long double>(s.f_He_atmen) * 100);
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) Zahl(5, 3, relative_Saettigung(s, i));
    z.pop_back(); // the comma after the last value
    return z;
}

std::string Hoehlen_Kopf() {
    const auto Kopf = mit_Gas_und_Geraet({Text_waehlen("Distanz(m)", "distance(m)"),
                                          Text_waehlen("Geschw.(m/min)", "velocity(m/min)"),
                                          Text_waehlen("Tiefe(m)", "depth(m)")},
                                         {"pO2(bar)"});
    return "\"" + Text_waehlen(" Brelune Höhlenprofil: ", " Brelune cave profile: ") + mit_Kommas(Kopf);
}

std::string Hoehlen_Zeile(const W::WayPoint_Type& w) {
    return Zahl_formatieren_Punkt(6, 1, w.cave_horizontal_distance_m) + "," +
           Zahl_formatieren_Punkt(6, 1, w.cave_horizontal_velocity_m_pro_min) + "," +
           Zahl_formatieren_Punkt(6, 2, w.m_Wasser) + "," + Gas_CSV(w.Gas_Nr) + "," +
           Geraet_CSV(w.Tauchgeraet) + "," + Zahl_formatieren_Punkt(4, 2, w.bar_pO2);
}

} // namespace

std::function<Datum()> Datum_heute;

std::string Datum_Text(const Datum& d) {
    char Puffer[32];
    if (Unit_Tools::Sprache == 1)
        std::snprintf(Puffer, sizeof Puffer, "%04d-%02d-%02d", d.Jahr, d.Monat, d.Tag);
    else
        std::snprintf(Puffer, sizeof Puffer, "%02d.%02d.%04d", d.Tag, d.Monat, d.Jahr);
    return Puffer;
}

std::string Ueberschrift(const std::string& Text) {
    std::string h = Text + " ";
    const std::size_t n = Zeichenzahl(h);
    if (n < Ueberschrift_Laenge) h.append(Ueberschrift_Laenge - n, '.');
    return h;
}

namespace {

// After the gas consumption: the contingency plans, when Ascend computed any.
void Kontingenz_schreiben(Memo::Textpuffer& r) {
    if (Unit_Kontingenzplaene::Plaene.empty()) return;
    r.Zeile_anfuegen("");
    r.Zeile_anfuegen(Ueberschrift(Text_waehlen("Kontingenzpläne", "Contingency plans")));
    r.Zeile_anfuegen("");
    Unit_Kontingenzplaene::Abschnitt_schreiben(r);
}

// The page shows the plans, or why there are none.
void Kontingenz_Seite_schreiben() {
    auto& k = Memo::Memo_Kontingenz;
    k.Leeren();
    if (!Unit_Kontingenzplaene::Plaene.empty()) return Unit_Kontingenzplaene::Abschnitt_schreiben(k);
    k.Zeile_anfuegen(Unit_Kontingenzplaene::Kontingenzplaene_an
                         ? Text_waehlen("Die Kontingenzpläne entstehen mit \"Austauchen\".",
                                        "The contingency plans are made by Ascend.")
                         : Text_waehlen("Die Kontingenzpläne sind ausgeschaltet (Einstellungen, Aufstieg: "
                                        "\"Kontingenzpläne\").",
                                        "The contingency plans are switched off (settings, ascent: "
                                        "\"Kontingenzpläne\")."));
}

void Runtime_Tabelle_fuellen(Tabellenzellen* Zellen) {
    auto& p = Memo::Memo_RunTimeTabelle;
    p.Leeren();
    if (Unit_Tauchgangsberechnung::Berechnung_abgebrochen) return p.Zeile_anfuegen(Abgebrochen());
    Kopf_schreiben(p);
    if (Zellen) Kopf_Zellen(p, *Zellen);
    Zeilen_schreiben(p, Zellen);
    if (Zellen) Schluss_Zellen(*Zellen);
}

// The texts that follow from the table are built when first read: most plans are never printed.
void Berichte_aufschieben() {
    Memo::Memo_Report.aufschieben(Report_schreiben);
    Memo::Memo_ReportCSV.aufschieben(Report_CSV_schreiben);
    Memo::Memo_Kontingenz.aufschieben(Kontingenz_Seite_schreiben);
}

} // namespace

std::vector<std::string> Runtime_Tabelle_Zeilen() {
    Memo::Textpuffer p;
    Spaltenkopf_schreiben(p);
    Zeilen_schreiben(p, nullptr);
    return p.Zeilen;
}

void Runtime_Tabelle_schreiben() {
    Memo::Memo_RunTimeTabelle.aufschieben([] { Runtime_Tabelle_fuellen(nullptr); });
    Berichte_aufschieben();
}

Tabellenzellen Runtime_Tabelle_mit_Excel_schreiben() {
    Tabellenzellen Zellen;
    Runtime_Tabelle_fuellen(&Zellen);
    Berichte_aufschieben();
    return Zellen;
}

std::string als_CSV(const Tabellenzellen& Zellen, char Trenner) {
    std::string t;
    for (const auto& Reihe : Zellen) {
        for (std::size_t k = 0; k < Reihe.size(); ++k) {
            if (k > 0) t += Trenner;
            const std::string& z = Reihe[k];
            if (z.find_first_of(std::string{Trenner, '"', '\n', '\r'}) == std::string::npos) {
                t += z;
                continue;
            }
            t += '"';
            for (char c : z) t += c == '"' ? std::string("\"\"") : std::string(1, c);
            t += '"';
        }
        t += "\r\n";
    }
    return t;
}

void Report_schreiben() {
    auto& r = Memo::Memo_Report;
    r.Leeren();
    const auto& Tabelle = Memo::Memo_RunTimeTabelle.lesen();
    for (std::size_t k = 0; k < Tabelle.size(); ++k) {
        r.Zeile_anfuegen(Tabelle[k]);
        if (k == 1) {
            r.Zeile_anfuegen("");
            r.Zeile_anfuegen(Ueberschrift(Text_waehlen("Runtime Tabelle", "Runtime table")));
        }
    }
    r.Zeile_anfuegen("");
    r.Zeile_anfuegen(Ueberschrift(Text_waehlen("Tauchgang Zusammenfassung", "Dive summary")));
    r.Zeile_anfuegen("");
    for (const auto& z : Memo::Memo_Zusammenfassung.lesen()) r.Zeile_anfuegen(z);
    const std::string Verbrauch = Text_waehlen("Gasverbrauch", "Gas consumption");
    r.Zeile_anfuegen("");
    r.Zeile_anfuegen(Ueberschrift(Verbrauch));
    const auto& Liste = Memo::Memo_Gasverbrauch.lesen();
    if (Liste.empty()) return Kontingenz_schreiben(r);
    r.Zeile_anfuegen("");
    r.Zeile_anfuegen(Verbrauch);
    for (const auto& z : Liste)
        if (!z.empty()) r.Zeile_anfuegen("   " + z);
    Kontingenz_schreiben(r);
}

void Report_CSV_schreiben() {
    auto& c = Memo::Memo_ReportCSV;
    c.Leeren();
    const int32_t n = std::min(W::sData_Anzahl, W::sDataMax);
    if (n <= 0) return;
    c.Zeile_anfuegen(CSV_Kopf());
    for (int32_t k = 0; k <= n; ++k) c.Zeile_anfuegen(CSV_Zeile(W::sData[static_cast<std::size_t>(k)]));
}

void Hoehlenprofil_CSV_schreiben(bool mit_Kopf) {
    auto& c = Memo::Memo_CSV;
    if (mit_Kopf) {
        c.Leeren();
        c.Zeile_anfuegen(Hoehlen_Kopf());
    }
    for (int32_t i = 0; i <= letzter_WayPoint(); ++i) c.Zeile_anfuegen(Hoehlen_Zeile(WayPoint(i)));
}

} // namespace Unit_Report
