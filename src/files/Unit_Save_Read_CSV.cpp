#include "files/Unit_Save_Read_CSV.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "files/Unit_aXML.hpp"
#include "files/Unit_iWayPoint.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "reports/Unit_Report.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace Unit_Save_Read_CSV {

Zuordnung_Type Zuordnung;
int32_t Voreinstellung = 0;
Unit_Textpuffer::Textpuffer Memo_CSV_Daten{"Memo_CSV_Daten", {}};
std::string Dateiname_CSV;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace I = Unit_iWayPoint;
namespace U = Unit_Save_Read_UDDF;
using Unit_Tools::Meldung_Problem;

constexpr std::size_t npos = std::string::npos;
using Z = Zeiteinheit;
using T = Tiefeneinheit;
using A = Anteilseinheit;

struct Voreinstellung_Type {
    const char* Name;
    int32_t Zeilen;
    int32_t Zeit;
    Zeiteinheit Zeit_Einheit;
    int32_t Tiefe;
    int32_t pO2;
    int32_t f_O2;
    int32_t f_He;
    Anteilseinheit Anteil_Einheit;
    int32_t Geraet;
    const char* OC;
    char Trennzeichen;
    float min_dT;
};

// Column numbers of the known sources; the Shearwater computers write 16 (Predator) or 1 (current
// exports) for open circuit. CCR is 0 everywhere.
const std::array<Voreinstellung_Type, Voreinstellung_Anzahl> Voreinstellungen = {{
    {"Shearwater Predator", 1, 1, Z::sec, 2, 5, 6, 7, A::Fraktion, 10, "16, 1", ',', 0.1f},
    {"Test Brask", 6, 7, Z::sec, 1, 12, 8, 10, A::Fraktion, 11, "1", ';', 0.1f},
    {"Test Varnow", 3, 1, Z::min, 2, 8, 5, 6, A::Prozent, 9, "1", '\t', 0.1f},
    {"Telmark", 2, 1, Z::sec, 2, 3, 4, 5, A::Fraktion, 6, "1", ';', 0.1f},
    {"Apnoe Daten von Orsund", 1, 1, Z::min, 2, 7, 3, 4, A::Fraktion, 5, "16", '\t', 0.01f},
    {"Brelune CSV Höhlenprofil", 1, 0, Z::min, 3, 10, 5, 7, A::Prozent, 9, "1", ',', 0.1f},
    {"Brelune CSV", 1, 1, Z::min, 2, 10, 5, 7, A::Prozent, 9, "1", ',', 0.1f},
}};

long double Faktor(Zeiteinheit e) {
    return e == Z::min ? 60.0L : 1.0L;
}
long double Faktor(Tiefeneinheit e) {
    return e == T::ft ? 0.3048L : 1.0L;
}
long double Faktor(Anteilseinheit e) {
    return e == A::Prozent ? 0.01L : 1.0L;
}

// The text of field n by the splitting rule; nothing beyond the line.
std::optional<std::string> Feldtext(const std::string& Zeile, int32_t n, char Trenner) {
    if (n < 1) return std::nullopt;
    std::size_t p = 0;
    for (int32_t k = 1;; ++k) {
        while (p < Zeile.size() && Zeile[p] == Trenner) ++p;
        if (p >= Zeile.size()) return std::nullopt;
        std::size_t e = Zeile.find(Trenner, p);
        if (e == npos) e = Zeile.size();
        if (k == n) return Zeile.substr(p, e - p);
        p = e;
    }
}

bool ist_Zahl(const std::string& Text) {
    long double v = 0;
    return Unit_Tools::Zahl_umwandeln(Text, v);
}

std::string ohne_Rand(const std::string& Text) {
    const auto a = Text.find_first_not_of(" \t\"");
    if (a == npos) return {};
    return Text.substr(a, Text.find_last_not_of(" \t\"") - a + 1);
}

// Plain split without merging separators: header names and their values stay in step.
std::vector<std::string> Spalten(const std::string& Zeile, char Trenner) {
    std::vector<std::string> s;
    std::size_t p = 0;
    for (;;) {
        const std::size_t e = Zeile.find(Trenner, p);
        s.push_back(ohne_Rand(Zeile.substr(p, e == npos ? npos : e - p)));
        if (e == npos) return s;
        p = e + 1;
    }
}

bool ist_wahr(std::string t) {
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t == "true" || t == "1";
}

// Shearwater Cloud writes summary names and values above the column names; old logs only the
// column names. The lines before the first data line are skipped, and feet are read when the
// summary says so.
void Shearwater_anpassen() {
    const auto& L = Memo_CSV_Daten.Zeilen;
    const std::size_t n = std::min<std::size_t>(L.size(), 10);
    const char t = Zuordnung.Trennzeichen;
    const auto Zahlzeile = [&](std::size_t k) {
        const auto f = Feldtext(L[k], 1, t);
        return f && ist_Zahl(*f);
    };
    // the last line of names that a line of numbers follows
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (!Zahlzeile(k) && Zahlzeile(k + 1)) Zuordnung.Kommentarzeilen = static_cast<int32_t>(k + 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const auto Namen = Spalten(L[k], t);
        const auto j = std::find(Namen.begin(), Namen.end(), "Imperial Units");
        if (j == Namen.end()) continue;
        const auto Werte = Spalten(L[k + 1], t);
        const auto i = static_cast<std::size_t>(j - Namen.begin());
        if (i < Werte.size() && ist_wahr(Werte[i])) Zuordnung.Einheit_m_s = T::ft;
        return;
    }
}

std::vector<long long> Ganzzahlen(const std::string& Text) {
    std::vector<long long> z;
    std::size_t p = 0;
    while (p < Text.size() && z.size() < 16) {
        const std::size_t a = Text.find_first_of("-0123456789", p);
        if (a == npos) break;
        std::size_t e = a + 1;
        while (e < Text.size() && e - a < 10 && std::isdigit(static_cast<unsigned char>(Text[e]))) ++e;
        if (e > a + 1 || Text[a] != '-') z.push_back(std::stoll(Text.substr(a, e - a)));
        p = e;
    }
    return z;
}

bool enthalten(const std::vector<long long>& Werte, long long v) {
    return std::find(Werte.begin(), Werte.end(), v) != Werte.end();
}

struct Zeile_Type {
    float s = 0, m = 0, pO2 = 0, O2 = 0, He = 0;
    float Distanz = -1, Geschwindigkeit = -1;
    uint8_t Geraet = 0;
};

// How far the lines got: the message says at which step none was left.
struct Statistik_Type {
    int32_t Datenzeilen = 0;
    int32_t vollstaendig = 0; // every mapped column there
    int32_t mit_O2 = 0;       // and an oxygen fraction above 0
    int32_t mit_pO2 = 0;      // and a pO2 above 0
    int32_t Samples = 0;      // and possible values
    bool zu_viele = false;
    // A line that makes the whole file unusable: what is wrong, in both languages.
    std::string Fehler_de, Fehler_en;
};

struct Leser_Type {
    const Zuordnung_Type& Z;
    std::vector<long long> CCR, OC;
    uint8_t Geraet = 0; // the apparatus read last, OC before any
    int32_t Zeile = 0;  // the line number in the memo, from 1
    float s_davor = 0;  // the time of the last sample, s
    bool erste = true;  // no sample yet
};

// The value of a mapped column × factor into Ziel; an unmapped one is Leer. False when the
// column lies beyond the line.
bool Wert(const std::string& Zeile, int32_t Spalte, long double f, char t, float& Ziel, float Leer) {
    if (Spalte <= 0) {
        Ziel = Leer;
        return true;
    }
    const auto v = Feld(Zeile, Spalte, t);
    if (!v) return false;
    const long double x = *v * f;
    Ziel = std::fabs(x) <= FLT_MAX ? static_cast<float>(x) : 0.0f;
    return true;
}

void Geraet_lesen(const std::string& Zeile, Leser_Type& L) {
    if (L.Z.SpinEdit_Tauchgeraet_s <= 0) return;
    const auto v = Feld(Zeile, L.Z.SpinEdit_Tauchgeraet_s, L.Z.Trennzeichen);
    if (!v || !(std::fabs(*v) < 1.0e9f)) return;
    const long long g = std::llround(*v);
    if (enthalten(L.OC, g)) L.Geraet = 0;
    if (enthalten(L.CCR, g)) L.Geraet = 1;
}

std::string Spaltentext(int32_t Spalte) {
    return std::to_string(Spalte);
}

std::string Trennzeichen_Text(char t, bool Deutsch) {
    switch (t) {
    case ',':
        return Deutsch ? "Komma" : "comma";
    case ' ':
        return Deutsch ? "Leerzeichen" : "blank";
    case ';':
        return Deutsch ? "Strichpunkt" : "semicolon";
    default:
        return Deutsch ? "Tabulator" : "tab";
    }
}

// The apparatus column may end early: a line without it keeps the apparatus of the line before.
int32_t hoechste_Spalte(const Zuordnung_Type& Z) {
    return std::max({Z.SpinEdit_min_s, Z.SpinEdit_m_s, Z.SpinEdit_p_O2_s, Z.SpinEdit_f_O2_s,
                     Z.SpinEdit_f_He_s, Z.SpinEdit_cave_horizontal_distance_m_s,
                     Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s});
}

int32_t Felder_der_Zeile(const std::string& Zeile, char t) {
    int32_t n = 0;
    while (Feldtext(Zeile, n + 1, t)) ++n;
    return n;
}

bool leer(const std::string& Zeile, char t) {
    return Zeile.find_first_not_of(std::string(" \t\r") + t) == npos;
}

std::string Zahltext(float x) {
    return Unit_Tools::Zahl_formatieren_Punkt(0, 1, x);
}

void Zeile_ablehnen(Statistik_Type& st, const Leser_Type& L, const std::string& de, const std::string& en) {
    const std::string n = std::to_string(L.Zeile);
    st.Fehler_de = "Zeile " + n + ": " + de;
    st.Fehler_en = "line " + n + ": " + en;
}

// A mapped column the line does not reach: the mapping does not fit the file, and any dive made
// of the other lines would be a part of it.
bool Spalten_vorhanden(const std::string& Zeile, const Leser_Type& L, Statistik_Type& st) {
    const char t = L.Z.Trennzeichen;
    const int32_t h = hoechste_Spalte(L.Z), n = Felder_der_Zeile(Zeile, t);
    if (n >= h) return true;
    const std::string f = std::to_string(n), s = std::to_string(h);
    Zeile_ablehnen(st, L,
                   "die Zeile hat " + f + " Spalten, zugeordnet ist Spalte " + s + " (Trennzeichen " +
                       Trennzeichen_Text(t, true) + ").",
                   "the line has " + f + " columns, column " + s + " is mapped (separator " +
                       Trennzeichen_Text(t, false) + ").");
    return false;
}

// Values no dive has: a unit that does not fit the column.
bool Werte_moeglich(const Zeile_Type& r, Leser_Type& L, Statistik_Type& st) {
    if (r.m > m_Tiefe_Max) {
        Zeile_ablehnen(st, L,
                       "Tiefe " + Zahltext(r.m) + " m liegt tiefer als " + Zahltext(m_Tiefe_Max) +
                           " m (Spalte und Einheit der Tiefe prüfen).",
                       "depth " + Zahltext(r.m) + " m is deeper than " + Zahltext(m_Tiefe_Max) +
                           " m (check the depth's column and unit).");
        return false;
    }
    if (!L.erste && r.s < L.s_davor) {
        Zeile_ablehnen(st, L,
                       "die Zeit läuft rückwärts (" + Zahltext(r.s) + " s nach " + Zahltext(L.s_davor) +
                           " s; Spalte und Einheit der Zeit prüfen).",
                       "time runs backwards (" + Zahltext(r.s) + " s after " + Zahltext(L.s_davor) +
                           " s; check the time's column and unit).");
        return false;
    }
    L.erste = false;
    L.s_davor = r.s;
    return true;
}

bool Zeile_lesen(const std::string& Zeile, Leser_Type& L, Statistik_Type& st, Zeile_Type& r) {
    const Zuordnung_Type& Z = L.Z;
    const char t = Z.Trennzeichen;
    if (leer(Zeile, t)) return false;
    ++st.Datenzeilen;
    if (!Spalten_vorhanden(Zeile, L, st)) return false;
    Geraet_lesen(Zeile, L);
    r.Geraet = L.Geraet;
    Wert(Zeile, Z.SpinEdit_min_s, Faktor(Z.Einheit_min_s), t, r.s, 0);
    Wert(Zeile, Z.SpinEdit_m_s, Faktor(Z.Einheit_m_s), t, r.m, 0);
    Wert(Zeile, Z.SpinEdit_p_O2_s, 1, t, r.pO2, 0);
    Wert(Zeile, Z.SpinEdit_f_O2_s, Faktor(Z.Einheit_f_O2_s), t, r.O2, 0);
    Wert(Zeile, Z.SpinEdit_f_He_s, Faktor(Z.Einheit_f_He_s), t, r.He, 0);
    Wert(Zeile, Z.SpinEdit_cave_horizontal_distance_m_s, 1, t, r.Distanz, -1);
    Wert(Zeile, Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s, 1, t, r.Geschwindigkeit, -1);
    ++st.vollstaendig;
    if (!(r.O2 > 0)) return false;
    ++st.mit_O2;
    if (!(r.pO2 > 0)) return false;
    ++st.mit_pO2;
    // A mapping that hits the wrong columns gives fractions no gas can have; the gas table keeps
    // whole percent, so less than 1 % oxygen would become a gas without any.
    if (r.O2 < 0.01f || r.O2 > 1 || r.He < 0 || r.He >= 1 || r.O2 + r.He > 1.005f || r.pO2 > 10) return false;
    if (!Werte_moeglich(r, L, st)) return false;
    ++st.Samples;
    return true;
}

std::vector<Zeile_Type> Zeilen_lesen(const Zuordnung_Type& Z, Statistik_Type& st) {
    Leser_Type L{Z, Ganzzahlen(Z.Edit_Tauchgeraet_CCR), Ganzzahlen(Z.Edit_Tauchgeraet_OC)};
    std::vector<Zeile_Type> Zeilen;
    const auto& M = Memo_CSV_Daten.Zeilen;
    for (std::size_t k = static_cast<std::size_t>(std::max(0, Z.Kommentarzeilen)); k < M.size(); ++k) {
        Zeile_Type r;
        L.Zeile = static_cast<int32_t>(k + 1);
        if (!Zeile_lesen(M[k], L, st, r)) {
            if (!st.Fehler_de.empty()) return {};
            continue;
        }
        if (Zeilen.size() > static_cast<std::size_t>(I::iWayPointMaxUeberhaupt)) {
            st.zu_viele = true;
            break;
        }
        Zeilen.push_back(r);
    }
    return Zeilen;
}

void Kein_Tauchgang(const std::string& de, const std::string& en) {
    Meldung_Problem("Aus den Daten kann kein Tauchgang gebildet werden: " + de,
                    "No dive can be made from the data: " + en);
}

// Says at which step the lines fell out.
void Diagnose(const Zuordnung_Type& Z, const Statistik_Type& st) {
    const std::string O2 = Spaltentext(Z.SpinEdit_f_O2_s), pO2 = Spaltentext(Z.SpinEdit_p_O2_s);
    if (!st.Fehler_de.empty())
        Kein_Tauchgang(st.Fehler_de, st.Fehler_en);
    else if (Z.SpinEdit_f_O2_s <= 0)
        Kein_Tauchgang("der Sauerstoffanteil ist keiner Spalte zugeordnet.",
                       "the oxygen fraction is mapped to no column.");
    else if (Z.SpinEdit_p_O2_s <= 0)
        Kein_Tauchgang("der pO2 ist keiner Spalte zugeordnet.", "the pO2 is mapped to no column.");
    else if (st.Datenzeilen == 0)
        Kein_Tauchgang("nach " + std::to_string(Z.Kommentarzeilen) + " Kommentarzeilen folgt keine Zeile.",
                       "no line follows the " + std::to_string(Z.Kommentarzeilen) + " comment lines.");
    else if (st.vollstaendig == 0) {
        const std::string n = Spaltentext(hoechste_Spalte(Z));
        Kein_Tauchgang("keine Zeile hat die zugeordneten Spalten bis Spalte " + n + " (Trennzeichen " +
                           Trennzeichen_Text(Z.Trennzeichen, true) + ").",
                       "no line holds the mapped columns up to column " + n + " (separator " +
                           Trennzeichen_Text(Z.Trennzeichen, false) + ").");
    } else if (st.mit_O2 == 0)
        Kein_Tauchgang("keine Zeile hat einen Sauerstoffanteil über 0 (Spalte " + O2 + ").",
                       "no line has an oxygen fraction above 0 (column " + O2 + ").");
    else if (st.mit_pO2 == 0)
        Kein_Tauchgang("keine Zeile hat einen pO2 über 0 (Spalte " + pO2 + ").",
                       "no line has a pO2 above 0 (column " + pO2 + ").");
    else
        Kein_Tauchgang(
            "keine Zeile hat mögliche Gasanteile (O2 ab 1 %, O2 + He bis 100 %) und einen pO2 bis "
            "10 bar.",
            "no line has possible gas fractions (O2 from 1 %, O2 + He up to 100 %) and a pO2 up to "
            "10 bar.");
}

bool Zuordnung_pruefen(const Zuordnung_Type& Z) {
    const auto Spalte = [](int32_t s) { return s >= 0 && s <= Spalten_Max; };
    const bool ok = Spalte(Z.SpinEdit_min_s) && Spalte(Z.SpinEdit_m_s) && Spalte(Z.SpinEdit_p_O2_s) &&
                    Spalte(Z.SpinEdit_f_O2_s) && Spalte(Z.SpinEdit_f_He_s) &&
                    Spalte(Z.SpinEdit_Tauchgeraet_s) && Spalte(Z.SpinEdit_cave_horizontal_distance_m_s) &&
                    Spalte(Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s) && Z.Kommentarzeilen >= 0 &&
                    std::string(",; \t").find(Z.Trennzeichen) != npos &&
                    (std::fabs(Z.min_dT - 0.1f) < 1e-6f || std::fabs(Z.min_dT - 0.01f) < 1e-6f);
    if (!ok)
        Meldung_Problem("Ungültige Zuordnung: Spalten 0 bis 14, Trennzeichen Komma, Leerzeichen, Strichpunkt "
                        "oder Tabulator, Auflösung 0.1 oder 0.01 min.",
                        "Invalid mapping: columns 0 to 14, separator comma, blank, semicolon or tab, "
                        "resolution 0.1 or 0.01 min.");
    return ok;
}

// The gas of a line: found in the table, or added once under its generated name; -1 (after the
// message) when the table has no room, rather than replace a gas the user has.
int32_t Gas_fuer(const Zeile_Type& z, std::map<std::pair<float, float>, int32_t>& neu) {
    const float N2 = std::max(0.0f, 1.0f - z.O2 - z.He);
    const int32_t i = G::Gasgemisch_finden(z.O2, N2, z.He);
    if (i >= 0) return i;
    const auto it = neu.find({z.O2, z.He});
    if (it != neu.end()) return it->second;
    if (G::Gasgemisch_NumMax >= G::GasGemisch_NumMaxUeberhaupt) {
        const std::string O2 = std::to_string(Zuordnung.SpinEdit_f_O2_s);
        const std::string He = std::to_string(Zuordnung.SpinEdit_f_He_s);
        Meldung_Problem("Zu viele Gasmischungen: die Daten ergeben mehr Gase, als die Gasliste aufnimmt "
                        "(Sauerstoffanteil Spalte " +
                            O2 + ", Helium Spalte " + He + ").",
                        "Too many gas mixes: the data give more gases than the gas list takes (oxygen "
                        "fraction column " +
                            O2 + ", helium column " + He + ").");
        return -1;
    }
    G::Gasgemisch_hinzufuegen(G::Gasname_aus_Anteilen(z.O2, N2, z.He), z.O2 * 100.0f, N2 * 100.0f,
                              z.He * 100.0f);
    neu[{z.O2, z.He}] = G::Gasgemisch_num;
    return G::Gasgemisch_num;
}

bool Samples_fuellen(const std::vector<Zeile_Type>& Zeilen) {
    I::iWayPoints_leeren(0);
    I::iWayPointMax = -1;
    std::map<std::pair<float, float>, int32_t> neu;
    for (const Zeile_Type& z : Zeilen) {
        const int32_t Gas = Gas_fuer(z, neu);
        if (Gas < 0) return false;
        I::iWayPoint_Type& s = I::iWayPoint[static_cast<std::size_t>(++I::iWayPointMax)];
        s.s_Zeit = z.s;
        s.m_Wasser = z.m;
        s.Gas_Nr = Gas;
        s.Tauchgeraet = z.Geraet;
        s.CCR_Setpoint = s.bar_pO2 = z.pO2;
        s.cave_horizontal_distance_m = z.Distanz;
        s.cave_horizontal_velocity_m_pro_min = z.Geschwindigkeit;
    }
    return true;
}

// The cave profile has no times: each row lies as far after the one before as its distance takes
// at its velocity. A velocity that is no positive number gives no time (the row keeps the time
// before); a distance that shrinks is swum as well, so time never runs backwards.
void Hoehlenzeiten() {
    int32_t ohne_Geschwindigkeit = 0;
    I::iWayPoint[0].s_Zeit = 0;
    for (int32_t i = 1; i <= I::iWayPointMax; ++i) {
        I::iWayPoint_Type& s = I::iWayPoint[static_cast<std::size_t>(i)];
        const I::iWayPoint_Type& v = I::iWayPoint[static_cast<std::size_t>(i - 1)];
        const long double Weg =
            std::fabs(static_cast<long double>(s.cave_horizontal_distance_m) - v.cave_horizontal_distance_m);
        const float g = s.cave_horizontal_velocity_m_pro_min;
        long double dt = 0;
        if (std::isfinite(g) && g > 0)
            dt = Weg / g * 60.0L;
        else
            ++ohne_Geschwindigkeit;
        const long double t = v.s_Zeit + dt;
        s.s_Zeit = t <= FLT_MAX ? static_cast<float>(t) : v.s_Zeit;
    }
    if (ohne_Geschwindigkeit > 0) {
        const std::string n = std::to_string(ohne_Geschwindigkeit);
        Meldung_Problem(n + " Zeilen ohne Geschwindigkeit über 0: ihre Zeit ist die der Zeile davor.",
                        n + " lines without a velocity above 0: their time is that of the line before.");
    }
}

void Zu_viele_melden() {
    const std::string n = std::to_string(I::iWayPointMaxUeberhaupt + 1);
    Meldung_Problem("Die Daten haben mehr Zeilen, als der Zwischenspeicher fasst (" + n +
                        "); der Rest wird nicht gelesen.",
                    "The data have more lines than the store holds (" + n + "); the rest is not read.");
}

// A waypoint without a setpoint keeps the one before.
void Setpoints_fortschreiben() {
    for (int32_t k = 1; k <= W::WayPoint_Anzahl; ++k) {
        W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(k)];
        if (w.CCR_Setpoint < 0.1f) w.CCR_Setpoint = W::WayPoint[static_cast<std::size_t>(k - 1)].CCR_Setpoint;
    }
}

void Start_setzen() {
    const W::WayPoint_Type& w0 = W::WayPoint[0];
    G::Gasgemisch_waehlen(w0.Gas_Nr);
    W::Gas_Nr = W::Gas_Nr_Start = G::Gasgemisch_num;
    W::min_Runtime = U::min_Runtime_Start;
    W::m_Wasser = U::m_Wasser_Start;
    W::CCR_Setpoint = Unit_CCR_SCR::CCR.Setpoint_Einstellung = w0.bar_pO2;
    W::bar_pO2 = w0.bar_pO2;
    if (!Dateiname_CSV.empty()) U::Datei_Tauchgang = Dateiname_CSV;
    U::Kommentar.clear();
    U::Comment.clear();
    U::Textseiten_leeren();
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
}

} // namespace

std::string Voreinstellung_Name(int32_t k) {
    if (k < 0 || k >= Voreinstellung_Anzahl) return {};
    return Voreinstellungen[static_cast<std::size_t>(k)].Name;
}

void Voreinstellung_waehlen(int32_t k) {
    if (k < 0 || k >= Voreinstellung_Anzahl) return;
    const Voreinstellung_Type& v = Voreinstellungen[static_cast<std::size_t>(k)];
    Voreinstellung = k;
    Zuordnung_Type& Z = Zuordnung;
    Z = Zuordnung_Type{};
    Z.Kommentarzeilen = v.Zeilen;
    Z.SpinEdit_min_s = v.Zeit;
    Z.Einheit_min_s = v.Zeit_Einheit;
    Z.SpinEdit_m_s = v.Tiefe;
    Z.Einheit_m_s = T::m;
    Z.SpinEdit_p_O2_s = v.pO2;
    Z.SpinEdit_f_O2_s = v.f_O2;
    Z.Einheit_f_O2_s = v.Anteil_Einheit;
    Z.SpinEdit_f_He_s = v.f_He;
    Z.Einheit_f_He_s = v.Anteil_Einheit;
    Z.SpinEdit_Tauchgeraet_s = v.Geraet;
    Z.Edit_Tauchgeraet_CCR = "0";
    Z.Edit_Tauchgeraet_OC = v.OC;
    const bool Hoehle = k == Voreinstellung_Hoehlenprofil;
    Z.SpinEdit_cave_horizontal_distance_m_s = Hoehle ? 1 : 0;
    Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s = Hoehle ? 2 : 0;
    Z.Trennzeichen = v.Trennzeichen;
    Z.min_dT = v.min_dT;
    if (k == 0) Shearwater_anpassen();
}

std::optional<float> Feld(const std::string& Zeile, int32_t n, char Trennzeichen) {
    const auto t = Feldtext(Zeile, n, Trennzeichen);
    if (!t) return std::nullopt;
    long double v = 0;
    if (!Unit_Tools::Zahl_umwandeln(*t, v) || std::fabs(v) > FLT_MAX) return 0.0f;
    return static_cast<float>(v);
}

float Feld_lesen(const std::string& Zeile, int32_t n, char Trennzeichen) {
    return Feld(Zeile, n, Trennzeichen).value_or(Feld_fehlt);
}

bool CSV_Datei_laden(const std::string& Dateiname) {
    const Unit_Tools::Bitte_warten Warten("Tauchgang im CSV Format wird eingelesen und konvertiert ...",
                                          "Reading and converting dive data in CSV format ...");
    std::string Text;
    if (!Unit_aXML::Textdatei_lesen(Dateiname, Text)) return false;
    Memo_CSV_Daten.Zeilen = Unit_aXML::Textzeilen(Text);
    Dateiname_CSV = Dateiname;
    Unit_UI::UI().Textpuffer_geaendert(Memo_CSV_Daten.Name);
    return true;
}

bool CSV_Datei_lesen() {
    const auto Name = Unit_UI::UI().Datei_waehlen(
        {false, "CSV Datei|*.csv|TXT Datei|*.txt|Alle Dateien|*.*", U::Pfad_Tauchgang, ""});
    if (!Name) return false;
    U::Pfad_Tauchgang = Unit_Tools::Pfad_teilen(*Name).first;
    return CSV_Datei_laden(*Name);
}

namespace {
bool Zeilen_schreiben(const std::string& Dateiname, const std::vector<std::string>& Zeilen) {
    std::string Text;
    for (const std::string& z : Zeilen) Text += z + "\r\n";
    return Unit_aXML::Textdatei_schreiben(Dateiname, Text);
}
} // namespace

bool Memo_speichern() {
    const auto Name = Unit_UI::UI().Datei_waehlen(
        {true, "CSV Datei|*.csv|TXT Datei|*.txt|Alle Dateien|*.*", U::Pfad_Tauchgang, ""});
    return Name && Zeilen_schreiben(*Name, Memo_CSV_Daten.Zeilen);
}

bool CSV_exportieren_Datei(const std::string& Dateiname) {
    Unit_Report::Report_CSV_schreiben();
    return Zeilen_schreiben(Dateiname, Unit_Textpuffer::Memo_ReportCSV.lesen());
}

bool CSV_exportieren() {
    const auto Name =
        Unit_UI::UI().Datei_waehlen({true, "CSV Datei|*.csv|Alle Dateien|*.*", U::Pfad_Tauchgang, ""});
    return Name && CSV_exportieren_Datei(*Name);
}

bool Setzen() {
    const Zuordnung_Type Z = Zuordnung;
    if (!Zuordnung_pruefen(Z)) return false;
    Statistik_Type st;
    const std::vector<Zeile_Type> Zeilen = Zeilen_lesen(Z, st);
    if (Zeilen.empty()) {
        Diagnose(Z, st);
        return false;
    }
    U::Importsicherung Sicherung;
    if (!Samples_fuellen(Zeilen)) return false;
    const bool Hoehle = Voreinstellung == Voreinstellung_Hoehlenprofil;
    if (Hoehle) Hoehlenzeiten();
    W::min_Schritt = Z.min_dT;
    // One place stays free for the start waypoint put in front.
    const I::Umwandlung_Type r = I::iWayPoints_zu_WayPoints(!Hoehle, 1);
    if (r.WayPoints == 0) {
        Kein_Tauchgang("keine Zeile hat eine brauchbare Zeit und Tiefe.",
                       "no line has a usable time and depth.");
        return false;
    }
    if (st.zu_viele) Zu_viele_melden();
    I::Umwandlung_melden(r, "Zeilen", "lines");
    W::WayPoints_normalisieren();
    Setpoints_fortschreiben();
    Start_setzen();
    Sicherung.bestaetigen();
    return true;
}

void Aenderung_anwenden(const Zuordnung_Aenderung& a) {
    Zuordnung_Type& Z = Zuordnung;
    const auto uebernehmen = [](auto& Ziel, const auto& Wert) {
        if (Wert) Ziel = *Wert;
    };
    uebernehmen(Z.Kommentarzeilen, a.Kommentarzeilen);
    uebernehmen(Z.SpinEdit_min_s, a.Zeit);
    uebernehmen(Z.Einheit_min_s, a.Zeit_Einheit);
    uebernehmen(Z.SpinEdit_m_s, a.Tiefe);
    uebernehmen(Z.Einheit_m_s, a.Tiefe_Einheit);
    uebernehmen(Z.SpinEdit_p_O2_s, a.pO2);
    uebernehmen(Z.SpinEdit_f_O2_s, a.f_O2);
    uebernehmen(Z.Einheit_f_O2_s, a.f_O2_Einheit);
    uebernehmen(Z.SpinEdit_f_He_s, a.f_He);
    uebernehmen(Z.Einheit_f_He_s, a.f_He_Einheit);
    uebernehmen(Z.SpinEdit_Tauchgeraet_s, a.Tauchgeraet);
    uebernehmen(Z.Edit_Tauchgeraet_CCR, a.Tauchgeraet_CCR);
    uebernehmen(Z.Edit_Tauchgeraet_OC, a.Tauchgeraet_OC);
    uebernehmen(Z.SpinEdit_cave_horizontal_distance_m_s, a.Distanz);
    uebernehmen(Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s, a.Geschwindigkeit);
    uebernehmen(Z.Trennzeichen, a.Trennzeichen);
    uebernehmen(Z.min_dT, a.min_dT);
}

bool CSV_importieren_Datei(const std::string& Dateiname, int32_t k, const Zuordnung_Aenderung& Aenderung) {
    if (k < 0 || k >= Voreinstellung_Anzahl) {
        const std::string n = std::to_string(k);
        Meldung_Problem("Voreinstellung " + n + " gibt es nicht", "There is no preset " + n);
        return false;
    }
    if (!CSV_Datei_laden(Dateiname)) return false;
    Voreinstellung_waehlen(k);
    Aenderung_anwenden(Aenderung);
    return Setzen();
}

void Zeigen(const std::function<void()>& Tauchgang_geladen) {
    Unit_Graph_Utilities::Setpoint_Annotation_erlaubt = false;
    if (Tauchgang_geladen) Tauchgang_geladen();
}

bool CSV_Tauchgang_importieren(const std::string& Dateiname, int32_t k,
                               const std::function<void()>& Tauchgang_geladen,
                               const Zuordnung_Aenderung& Aenderung) {
    if (!CSV_importieren_Datei(Dateiname, k, Aenderung)) return false;
    Zeigen(Tauchgang_geladen);
    return true;
}

bool Lesen() {
    const bool gelesen = CSV_Datei_lesen();
    if (gelesen)
        Unit_Tools::Meldung_Info("gelesen", "read");
    else
        Unit_Tools::Meldung_Info("nicht gelesen", "not read");
    return gelesen;
}

void CSV_Report_ins_Memo() {
    Unit_Report::Report_CSV_schreiben();
    Memo_CSV_Daten.Zeilen = Unit_Textpuffer::Memo_ReportCSV.lesen();
    Unit_UI::UI().Textpuffer_geaendert(Memo_CSV_Daten.Name);
}

void Memo_loeschen() {
    Memo_CSV_Daten.Zeilen.clear();
    Unit_UI::UI().Textpuffer_geaendert(Memo_CSV_Daten.Name);
}

bool CSV_importieren(int32_t k) {
    if (!CSV_Datei_lesen()) return false;
    Voreinstellung_waehlen(k);
    return Setzen();
}

} // namespace Unit_Save_Read_CSV
