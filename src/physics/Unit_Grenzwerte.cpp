#include "physics/Unit_Grenzwerte.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace Unit_Grenzwerte {

namespace W = Unit_WayPoints;
namespace S = Unit_Saettigungsmodelle;
using Unit_Tools::Meldung_Problem;
using Unit_Tools::Zahl_formatieren;

bool Gegendiffusion = false;
float m_ErsterStop = 0;
float m_DekoZuletzt = 3;
std::function<void(const std::string&)> Dekounfall_eintragen;
std::function<void(int32_t)> Dekounfall_anzeigen;
Gegendiffusion_Extreme_Type Gegendiffusion_Extreme;

namespace {

std::optional<float> GF_gesetzt;

bool nahe_Null(long double x) {
    return std::fabs(x) <= 0.00001L;
}

// The largest float not above the bound of nahe_Null: for a float the test reads the same
// without leaving single precision.
const float Null_Grenze = [] {
    float f = static_cast<float>(0.00001L);
    return f > 0.00001L ? std::nextafter(f, 0.0f) : f;
}();

bool nahe_Null(float x) {
    return std::fabs(x) <= Null_Grenze;
}

// A compartment number outside 1 to 16 is a fault of the program, not of the user.
// The name stays a plain pointer: this runs for every compartment of every step.
void Kompartiment_pruefen(int i, const char* Funktion_Name) {
    if (i >= 1 && i <= W::Gewebe_Anzahl) return;
    const std::string Funktion = Funktion_Name;
    Meldung_Problem(">" + Funktion + "(i)< out of range", ">" + Funktion + "(i)< out of range");
    throw Unit_UI::Befehl_abgebrochen(Funktion + ": compartment out of range");
}

long double Pt_Gewebe(int i) {
    return W::p_N2_Gewebe[i] + W::p_He_Gewebe[i];
}

long double M_in_Kraft(int i) {
    return S::GF_verwenden ? W::p_N2He_Gewebe_MAX_GF[i] : W::p_N2He_Gewebe_MAX_ZH[i];
}

std::string Zahl_5_2(long double x) {
    return Zahl_formatieren(5, 2, x);
}

void AB_Problem_melden(int i, float A, float B, float pN2, float pHe) {
    Meldung_Problem("ERNSTES PROBLEM: Berechnung A B", "SERIOUS PROBLEM: calculation A B");
    const std::string Werte = "A=" + Zahl_5_2(A) + " B=" + Zahl_5_2(B);
    Meldung_Problem(Werte, Werte);
    const std::string Gewebe =
        " i_=" + Zahl_5_2(i) + " p_N2_Gewebe[i_]=" + Zahl_5_2(pN2) + " p_He_Gewebe[i_]=" + Zahl_5_2(pHe);
    Meldung_Problem(Gewebe, Gewebe);
}

Grenzdruck_Typ in_Kraft(long double mit_GF, long double ohne_GF) {
    const float GF = static_cast<float>(mit_GF), ZH = static_cast<float>(ohne_GF);
    return {S::GF_verwenden ? GF : ZH, GF, ZH};
}

void Dekounfall_festhalten() {
    const bool schon_da = W::Warntext.find("DEKOUNFALL") != std::string::npos ||
                          W::Warntext.find("DECO ACCIDENT") != std::string::npos;
    if (schon_da) return;
    if (W::Warntext.empty())
        W::Warntext = Unit_Tools::Text_waehlen("DEKOUNFALL", "DECO ACCIDENT");
    else
        W::Warntext.insert(0, Unit_Tools::Text_waehlen("DEKOUNFALL. ", "DECO ACCIDENT. "));
    // A copy: appending the waypoint composes the warning text anew.
    const std::string Aktion = W::Warntext;
    if (Dekounfall_eintragen) Dekounfall_eintragen(Aktion);
    if (Dekounfall_anzeigen) Dekounfall_anzeigen(W::WayPoint_Anzahl);
    Unit_Tools::Meldung_Problem("DEKOMPRESSIONSUNFALL", "DECOMPRESSION ACCIDENT");
}

void Extreme_erfassen(int i, long double dneg, long double Pt, long double M, bool kritisch,
                      const Unit_Formeln::Inertgasdruecke& jetzt,
                      const Unit_Formeln::Inertgasdruecke& vorher) {
    auto& E = Gegendiffusion_Extreme;
    const long double dp_N2 = std::fabs(static_cast<long double>(jetzt.p_N2_atmen) - vorher.p_N2_atmen);
    const long double dp_He = std::fabs(static_cast<long double>(jetzt.p_He_atmen) - vorher.p_He_atmen);
    if (dp_N2 > E.dp_N2_atmen_MAX || dp_He > E.dp_He_atmen_MAX) {
        E.dp_N2_atmen_MAX = std::max(E.dp_N2_atmen_MAX, dp_N2);
        E.dp_He_atmen_MAX = std::max(E.dp_He_atmen_MAX, dp_He);
        E.m_dp_MAX = W::m_Wasser;
        E.min_dp_MAX = W::min_Runtime;
    }
    const long double Prozent = dneg / M * 100;
    if (kritisch) {
        E.kritisch_aufgetreten = true;
        if (Prozent < E.kritisch_Prozent) {
            const long double P = W::bar_Umgebung;
            E.kritisch_Prozent = Prozent;
            E.kritisch_bar = dneg;
            E.kritisch_Pt = Pt;
            E.kritisch_Saettigung_Prozent = Pt / M * 100;
            E.kritisch_Uebersaettigung_bar = Pt - P;
            E.kritisch_Uebersaettigung_Prozent = (Pt - P) / P * 100;
            E.kritisch_m = W::m_Wasser;
            E.kritisch_min = W::min_Runtime;
            E.kritisch_i = i;
        }
    }
    if (W::m_Wasser > 0 && Prozent < E.Gegengradient_Prozent) {
        E.Gegengradient_Prozent = Prozent;
        E.Gegengradient_bar = dneg;
        E.Gegengradient_m = W::m_Wasser;
        E.Gegengradient_min = W::min_Runtime;
    }
}

// Between the first stop (GF Lo) and the last one (GF Hi) the factor runs linearly with depth.
float GF_der_Tiefe() {
    const float a = S::GF_Lo_last_deco_stop ? m_DekoZuletzt : 0.0f;
    const float m = W::m_Wasser;
    if (std::fabs(m_ErsterStop) <= 0.01f) return S::GF_Lo;
    if (m >= m_ErsterStop) return std::fabs(m_ErsterStop - m_DekoZuletzt) <= 0.01f ? S::GF_Hi : S::GF_Lo;
    if (m >= a) return S::GF_Hi + (S::GF_Hi - S::GF_Lo) / (a - m_ErsterStop) * (m - a);
    return S::GF_Hi;
}
} // namespace

float GF_aktuell() {
    return GF_gesetzt ? *GF_gesetzt : GF_der_Tiefe();
}

void GF_aktuell_setzen(float GF) {
    GF_gesetzt = GF;
}

void GF_aktuell_loeschen() {
    GF_gesetzt.reset();
}

namespace {
bool nur_ein_Gas(float p, float p_anderes) {
    return p_anderes == 0 && std::isfinite(p);
}

// Inputs as bit patterns: equal patterns are equal values, so a kept result is found with
// integer tests, and keeping it needs no extended store.
uint64_t Bits(float x, float y) {
    // Laid out as one 8-byte word (y low, x high), read with a single load.
    const std::array<float, 2> Paar{y, x};
    uint64_t u;
    std::memcpy(&u, Paar.data(), sizeof u);
    return u;
}
static_assert(sizeof(std::array<float, 2>) == sizeof(uint64_t));

// The coefficient pair a, b of a compartment, which lie side by side, as one word.
uint64_t Bits(const S::Kompartiment_Typ& k) {
    static_assert(offsetof(S::Kompartiment_Typ, b) == offsetof(S::Kompartiment_Typ, a) + sizeof(float));
    uint64_t u;
    std::memcpy(&u, reinterpret_cast<const unsigned char*>(&k) + offsetof(S::Kompartiment_Typ, a), sizeof u);
    return u;
}

[[gnu::always_inline]] inline AB_Typ Mischung_berechnen(float pN2, float pHe, const S::Kompartiment_Typ& n,
                                                        const S::Kompartiment_Typ& h) {
    const long double Summe = static_cast<long double>(pN2) + pHe;
    AB_Typ AB;
    if (nahe_Null(Summe)) {
        // An empty compartment takes the stricter coefficient of each kind.
        AB.A = h.a < n.a ? h.a : n.a;
        AB.B = h.b > n.b ? h.b : n.b;
    } else {
        AB.A = static_cast<float>(
            (static_cast<long double>(n.a) * pN2 + static_cast<long double>(h.a) * pHe) / Summe);
        AB.B = static_cast<float>(
            (static_cast<long double>(n.b) * pN2 + static_cast<long double>(h.b) * pHe) / Summe);
    }
    return AB;
}

[[gnu::always_inline]] inline AB_Typ AB_ohne_Meldung(int i, float pN2, float pHe) {
    const S::Kompartiment_Typ& n = S::Modell_N2.Kompartiment[i];
    const S::Kompartiment_Typ& h = S::Modell_He.Kompartiment[i];
    // The weighted mean of one gas is its coefficient exactly: a product of two floats is exact in
    // extended precision, so (a x p + 0) / p rounds to a itself. No division, nothing to keep; the
    // sum is that one pressure, so its near-zero test reads the same on the float.
    if (nur_ein_Gas(pN2, pHe) && !nahe_Null(pN2)) return {n.a, n.b};
    if (nur_ein_Gas(pHe, pN2) && !nahe_Null(pHe)) return {h.a, h.b};
    return Mischung_berechnen(pN2, pHe, n, h);
}

bool kaputt(const AB_Typ& AB) {
    return nahe_Null(AB.A) || nahe_Null(AB.B);
}

// The bodies below take a compartment number already checked: they run for every compartment of
// every step, the public functions check first.
[[gnu::always_inline]] inline AB_Typ AB_gemeldet(int i, float pN2, float pHe) {
    const AB_Typ AB = AB_ohne_Meldung(i, pN2, pHe);
    // A broken set is reported at every use.
    if (kaputt(AB)) AB_Problem_melden(i, AB.A, AB.B, pN2, pHe);
    return AB;
}

[[gnu::always_inline]] inline AB_Typ AB_berechnen(int i) {
    return AB_gemeldet(i, static_cast<float>(W::p_N2_Gewebe[i]), static_cast<float>(W::p_He_Gewebe[i]));
}

// Computed afresh each time: its inputs change with nearly every step of a mix, and telling a
// kept result apart costs more than its two divisions.
[[gnu::always_inline]] inline Grenzdruck_Typ p_ig_aus(const AB_Typ& AB, float GF_jetzt) {
    if (nahe_Null(AB.B)) {
        Meldung_Problem("ERNSTES PROBLEM Berechnung p_ig: Modellparamter B <= 0.00001",
                        "SERIOUS PROBLEM calculation p_ig: model parameter B < 0.00001");
        throw Unit_UI::Befehl_abgebrochen("p_ig: model parameter B near 0");
    }
    const long double GF = GF_jetzt, A = AB.A, B = AB.B, P = W::bar_Umgebung;
    const long double GF_B = GF / B;
    return in_Kraft((GF_B - GF + 1) * P + A * GF, P / B + A);
}

[[gnu::always_inline]] inline Grenzdruck_Typ p_ig_berechnen(int i, float GF_jetzt) {
    return p_ig_aus(AB_berechnen(i), GF_jetzt);
}

[[gnu::always_inline]] inline AB_Typ AB_fuer_p_amb(int i) {
    const AB_Typ AB = AB_berechnen(i);
    if (nahe_Null(AB.B))
        Meldung_Problem("ERNSTES PROBLEM Berechnung p_amb: Modellparameter B <= 0.00001",
                        "SERIOUS PROBLEM p_amb: model parameter B <= 0.00001");
    return AB;
}

float Pt_einfach(int i) {
    return static_cast<float>(W::p_N2_Gewebe[i]) + static_cast<float>(W::p_He_Gewebe[i]);
}

[[gnu::always_inline]] inline float p_amb_mit_GF(float Pt, const AB_Typ& AB, float GF_jetzt) {
    const long double GF = GF_jetzt, A = AB.A;
    return static_cast<float>((Pt - GF * A) / (GF / AB.B - GF + 1));
}

long double p_amb_ohne_GF(float Pt, const AB_Typ& AB) {
    const long double A = AB.A, B = AB.B;
    return (Pt - A) * B;
}

bool Dekounfall_hier(int i) {
    return Pt_Gewebe(i) > M_in_Kraft(i);
}

float Uebersaettigung_berechnen(int i) {
    const long double Pt = Pt_Gewebe(i), P = W::bar_Umgebung, M = W::p_N2He_Gewebe_MAX_ZH[i];
    // Not over-saturated, or no margin at all (no limits computed yet): nothing to show.
    if (Pt <= P || M <= P) return 0;
    return static_cast<float>((Pt - P) / (M - P) * 100);
}
} // namespace

AB_Typ AB_Koeffizienten(int i) {
    Kompartiment_pruefen(i, "AB_Koeffizienten");
    return AB_berechnen(i);
}

Grenzdruck_Typ p_ig(int i) {
    Kompartiment_pruefen(i, "AB_Koeffizienten");
    return p_ig_berechnen(i, GF_aktuell());
}

Grenzdruck_Typ p_amb(int i) {
    Kompartiment_pruefen(i, "AB_Koeffizienten");
    const AB_Typ AB = AB_fuer_p_amb(i);
    const float Pt = Pt_einfach(i);
    return in_Kraft(p_amb_mit_GF(Pt, AB, GF_aktuell()), p_amb_ohne_GF(Pt, AB));
}

namespace {
// The ceiling part of a compartment with everything it came from: the planner asks for the
// ceiling again and again between two steps.
struct Ceiling_Merker {
    bool gueltig = false;
    // The tissue pressures by their bytes: compared without the FPU.
    Unit_Tools::Bytes80 N2{}, He{};
    uint64_t a_b_N2 = 0, a_b_He = 0, GF = 0;
    float Ceiling = 0;
    bool passt(const Ceiling_Merker& k) const {
        return gueltig && N2 == k.N2 && He == k.He && a_b_N2 == k.a_b_N2 && a_b_He == k.a_b_He && GF == k.GF;
    }
};
std::array<Ceiling_Merker, W::Gewebe_Anzahl + 1> Ceiling_gemerkt;

Ceiling_Merker Ceiling_Schluessel(int i, bool mit_GF, float GF) {
    return {true,
            Unit_Tools::Bytes_von(W::p_N2_Gewebe[i]),
            Unit_Tools::Bytes_von(W::p_He_Gewebe[i]),
            Bits(S::Modell_N2.Kompartiment[i]),
            Bits(S::Modell_He.Kompartiment[i]),
            mit_GF ? Bits(1.0f, GF) : 0};
}

[[gnu::always_inline]] inline float Ceiling_eintragen(int i, float pN2, float pHe, const AB_Typ& AB,
                                                      bool mit_GF, float GF) {
    Ceiling_Merker& m = Ceiling_gemerkt[static_cast<std::size_t>(i)];
    m = Ceiling_Schluessel(i, mit_GF, GF);
    const float Pt = pN2 + pHe;
    m.Ceiling = mit_GF ? p_amb_mit_GF(Pt, AB, GF) : static_cast<float>(p_amb_ohne_GF(Pt, AB));
    // A broken set is reported at every use, so it is never kept.
    m.gueltig = !kaputt(AB);
    return m.Ceiling;
}

[[gnu::always_inline]] inline float Ceiling_Kompartiment(int i, bool mit_GF, float GF) {
    const Ceiling_Merker& m = Ceiling_gemerkt[static_cast<std::size_t>(i)];
    if (m.passt(Ceiling_Schluessel(i, mit_GF, GF))) return m.Ceiling;
    const float pN2 = static_cast<float>(W::p_N2_Gewebe[i]);
    const float pHe = static_cast<float>(W::p_He_Gewebe[i]);
    return Ceiling_eintragen(i, pN2, pHe, AB_fuer_p_amb(i), mit_GF, GF);
}
} // namespace

float p_amb_MAX() {
    float Ceiling = -2147483648.0f;
    // Only the variant in force: the other one is not looked at here.
    const bool mit_GF = S::GF_verwenden;
    const float GF = mit_GF ? GF_aktuell() : 0.0f;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i)
        Ceiling = std::max(Ceiling, Ceiling_Kompartiment(i, mit_GF, GF));
    return Ceiling;
}

bool Dekounfall(int i) {
    if (i < 1 || i > W::Gewebe_Anzahl) return false;
    return Dekounfall_hier(i);
}

bool Dekounfall_irgendwo() {
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i)
        if (Dekounfall_hier(i)) return true;
    return false;
}

namespace {
// Inlined into the loop over all compartments: a call per compartment costs as much as its sums.
// The ceiling part of the compartment is entered too: the step asks for the ceiling right after.
[[gnu::always_inline]] inline void Grenzwerte_setzen(int i, float GF, Unit_UI::Oberflaeche& ui) {
    const float pN2 = static_cast<float>(W::p_N2_Gewebe[i]);
    const float pHe = static_cast<float>(W::p_He_Gewebe[i]);
    const AB_Typ AB = AB_gemeldet(i, pN2, pHe);
    const Grenzdruck_Typ M = p_ig_aus(AB, GF);
    W::p_N2He_Gewebe_MAX[i] = M.in_Kraft;
    W::p_N2He_Gewebe_MAX_GF[i] = M.GF;
    W::p_N2He_Gewebe_MAX_ZH[i] = M.ZH;
    Ceiling_eintragen(i, pN2, pHe, AB, S::GF_verwenden, GF);
    // The tolerated pressure in force is the one just stored.
    if (Pt_Gewebe(i) > static_cast<long double>(M.in_Kraft)) Dekounfall_festhalten();
    ui.Kompartiment_geaendert(i);
}

// The ceiling folded from the parts the last loop over all compartments entered.
struct Schritt_Ceiling_Typ {
    uint64_t Lauf = 0;
    bool gueltig = false, mit_GF = false;
    uint32_t GF = 0;
    float Wert = 0;
};
Schritt_Ceiling_Typ Schritt_Ceiling;
} // namespace

void Gewebe_Grenzwerte(int i) {
    Kompartiment_pruefen(i, "Gewebe_Grenzwerte");
    Schritt_Ceiling.gueltig = false;
    Grenzwerte_setzen(i, GF_aktuell(), Unit_UI::UI());
}

namespace {
void Schritt_Ceiling_falten(float GF);
}

void Grenzwerte_aller_Kompartimente(float GF) {
    auto& ui = Unit_UI::UI();
    Schritt_Ceiling.gueltig = false;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) Grenzwerte_setzen(i, GF, ui);
    Schritt_Ceiling_falten(GF);
}

void Haldane_mit_Grenzwerten(const Haldane_Schritt& h, float GF) {
    auto& ui = Unit_UI::UI();
    Schritt_Ceiling.gueltig = false;
    // Each compartment advanced and at once limited: its new pressures are still at hand.
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto& N2 = W::p_N2_Gewebe[k];
        auto& He = W::p_He_Gewebe[k];
        N2 += *h.Faktor_N2[k] * (h.p_N2_atmen - N2);
        He += *h.Faktor_He[k] * (h.p_He_atmen - He);
        Grenzwerte_setzen(i, GF, ui);
    }
    Schritt_Ceiling_falten(GF);
}

namespace {
void Schritt_Ceiling_falten(float GF) {
    // Folded as p_amb_MAX folds them; a part not kept (a broken set) leaves the ceiling to it.
    bool alle = true;
    float Ceiling = -2147483648.0f;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const Ceiling_Merker& m = Ceiling_gemerkt[static_cast<std::size_t>(i)];
        alle = alle && m.gueltig;
        Ceiling = std::max(Ceiling, m.Ceiling);
    }
    Schritt_Ceiling = {Schritt_Ceiling.Lauf + 1, alle, S::GF_verwenden, std::bit_cast<uint32_t>(GF), Ceiling};
}
} // namespace

uint64_t Grenzwerte_Laeufe() {
    return Schritt_Ceiling.Lauf;
}

float p_amb_MAX_nach_Schritt(uint64_t Lauf_vorher) {
    const Schritt_Ceiling_Typ& c = Schritt_Ceiling;
    const bool GF_gleich =
        c.mit_GF == S::GF_verwenden && (!c.mit_GF || c.GF == std::bit_cast<uint32_t>(GF_aktuell()));
    if (c.Lauf != Lauf_vorher && c.gueltig && GF_gleich) return c.Wert;
    return p_amb_MAX();
}

float Uebersaettigung_Prozent(int i) {
    Kompartiment_pruefen(i, "Uebersaettigung_Prozent");
    return Uebersaettigung_berechnen(i);
}

Leitkompartiment_Typ Leitkompartiment() {
    Leitkompartiment_Typ Leit{1, Uebersaettigung_berechnen(1)};
    for (int i = 2; i <= W::Gewebe_Anzahl; ++i) {
        const float Prozent = Uebersaettigung_berechnen(i);
        if (Prozent > Leit.Prozent) Leit = {i, Prozent};
    }
    return Leit;
}

Differenzdruck_Typ Differenzdruck(Inertgas Gas, int i) {
    Kompartiment_pruefen(i, "Differenzdruck");
    const bool N2 = Gas == Inertgas::N2;
    const long double bar_trocken =
        static_cast<long double>(Unit_Formeln::bar_Umgebung_aus(W::m_Wasser)) - Unit_Formeln::p_H2O;
    const long double p_eingeatmet = bar_trocken * (N2 ? W::f_N2_atmen : W::f_He_atmen);
    const long double p_Gewebe = N2 ? W::p_N2_Gewebe[i] : W::p_He_Gewebe[i];
    return {p_Gewebe - p_eingeatmet, M_in_Kraft(i)};
}

Leitkompartiment_Status_Typ Leitkompartiment_Status() {
    const Leitkompartiment_Typ Leit = Leitkompartiment();
    const long double M = M_in_Kraft(Leit.i);
    auto Prozent = [M](Inertgas Gas, int i) { return M > 0 ? Differenzdruck(Gas, i).D / M * 100 : 0.0L; };
    return {Leit.i,
            Leit.Prozent,
            W::bar_Umgebung,
            Pt_Gewebe(Leit.i),
            M,
            Prozent(Inertgas::N2, Leit.i),
            Prozent(Inertgas::He, Leit.i)};
}

void Gegendiffusion_Extreme_zuruecksetzen() {
    Gegendiffusion_Extreme = Gegendiffusion_Extreme_Type{};
}

void Gegendiffusion_pruefen(int i, long double dHe, long double dN2,
                            const Unit_Formeln::Inertgasdruecke& jetzt,
                            const Unit_Formeln::Inertgasdruecke& vorher) {
    Gegendiffusion = false;
    if (i < 1 || i > W::Gewebe_Anzahl) return;
    const long double Pt = Pt_Gewebe(i), M = M_in_Kraft(i);
    // Without a tolerated pressure (limits not computed, sample not found) there is nothing to judge.
    if (!(Pt > W::bar_Umgebung) || M <= 0) return;
    const long double dneg = std::min(dHe, dN2);
    const bool gegenlaeufig = (dHe > 0 && dN2 < 0) || (dHe < 0 && dN2 >= 0);
    Gegendiffusion =
        i >= 5 && i <= 11 && gegenlaeufig && dneg <= Gegendiffusion_min * M && Pt >= Gegendiffusion_max * M;
    Extreme_erfassen(i, dneg, Pt, M, Gegendiffusion, jetzt, vorher);
}

} // namespace Unit_Grenzwerte
