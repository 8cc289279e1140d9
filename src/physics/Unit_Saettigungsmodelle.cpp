#include "physics/Unit_Saettigungsmodelle.hpp"

#include "lang/Unit_Tools.hpp"

namespace Unit_Saettigungsmodelle {

Modell_Typ Modell_N2;
Modell_Typ Modell_He;

bool Buehlmann_Tiefenzuschlag = true;
bool Buehlmann_letzten_Stop_verdoppeln = false;
float Buehlmann_Sicherheitsstop_min = 0;
bool GF_verwenden = false;
float GF_Lo = 0.4f;
bool GF_Lo_last_deco_stop = true;
float GF_Hi = 0.8f;
bool GF_alle_Stops = false;
bool Deep_Stop_verwenden = false;
int Deep_Stop_min = 1;
int Deep_Stop_Stufen_oberhalb_Dekozone = 2;

const std::string Modell_Spaltentitel = "i    t1/2     a        b";

namespace {

using Koeffizienten = std::array<Kompartiment_Typ, Kompartiment_Anzahl + 1>;

const std::string Quelle_Buehlmann = "A. A. Bühlmann: Tauchmedizin, 5. Auflage, S. 158";

// ZH-L16A nitrogen: half-time (min), a (bar), b.
constexpr Koeffizienten N2_ZH_L16A = {{{0, 0, 0},
                                       {4.00f, 1.25990f, 0.50500f},
                                       {8.00f, 1.00000f, 0.65140f},
                                       {12.50f, 0.86180f, 0.72220f},
                                       {18.50f, 0.75620f, 0.78250f},
                                       {27.00f, 0.66670f, 0.81260f},
                                       {38.30f, 0.59330f, 0.84340f},
                                       {54.30f, 0.52820f, 0.86930f},
                                       {77.00f, 0.47010f, 0.89100f},
                                       {109.00f, 0.41870f, 0.90920f},
                                       {146.00f, 0.37980f, 0.92220f},
                                       {187.00f, 0.34970f, 0.93190f},
                                       {239.00f, 0.32230f, 0.94030f},
                                       {305.00f, 0.29710f, 0.94770f},
                                       {390.00f, 0.27370f, 0.95440f},
                                       {498.00f, 0.25230f, 0.96020f},
                                       {635.00f, 0.23270f, 0.96530f}}};

// ZH-L16A helium.
constexpr Koeffizienten He_ZH_L16A = {{{0, 0, 0},
                                       {1.51f, 1.74240f, 0.42450f},
                                       {3.02f, 1.38300f, 0.57470f},
                                       {4.72f, 1.19190f, 0.65270f},
                                       {6.99f, 1.04580f, 0.72230f},
                                       {10.21f, 0.92200f, 0.75820f},
                                       {14.48f, 0.82050f, 0.79570f},
                                       {20.53f, 0.73050f, 0.82790f},
                                       {29.11f, 0.65020f, 0.85530f},
                                       {41.20f, 0.59500f, 0.87570f},
                                       {55.19f, 0.55450f, 0.89030f},
                                       {70.69f, 0.53330f, 0.89970f},
                                       {90.34f, 0.51890f, 0.90730f},
                                       {115.29f, 0.51810f, 0.91220f},
                                       {147.42f, 0.51760f, 0.91710f},
                                       {188.24f, 0.51720f, 0.92170f},
                                       {240.03f, 0.51190f, 0.92670f}}};

struct a_Wert {
    int i;
    float a;
};

// The B ("Tabelle") and C ("Computer") variants differ from A only in some a values.
constexpr std::array<a_Wert, 4> a_ZH_L16B = {{{6, 0.56000f}, {7, 0.49470f}, {8, 0.45000f}, {13, 0.28500f}}};
constexpr std::array<a_Wert, 11> a_ZH_L16C = {{{5, 0.62000f},
                                               {6, 0.50430f},
                                               {7, 0.44100f},
                                               {8, 0.40000f},
                                               {9, 0.37500f},
                                               {10, 0.35000f},
                                               {11, 0.32950f},
                                               {12, 0.30650f},
                                               {13, 0.28350f},
                                               {14, 0.26100f},
                                               {15, 0.24800f}}};

// The "1b" variants replace compartment 1.
constexpr Kompartiment_Typ N2_Kompartiment_1b = {5.00f, 1.16960f, 0.55780f};
constexpr Kompartiment_Typ He_Kompartiment_1b = {1.88f, 1.61890f, 0.47700f};

template <std::size_t N> Koeffizienten mit_a(Koeffizienten k, const std::array<a_Wert, N>& Werte) {
    for (const auto& w : Werte) k[w.i].a = w.a;
    return k;
}

Koeffizienten mit_1b(Koeffizienten k, const Kompartiment_Typ& erstes) {
    k[1] = erstes;
    return k;
}

Modell_Typ Modell(int32_t Nummer, const std::string& Bezeichnung, const std::string& Erlaeuterung,
                  const Koeffizienten& k) {
    return {Nummer, Bezeichnung, Erlaeuterung, Quelle_Buehlmann, k};
}

std::array<Modell_Typ, Modell_Anzahl> Tabelle_aufbauen() {
    const Koeffizienten B = mit_a(N2_ZH_L16A, a_ZH_L16B);
    const Koeffizienten C = mit_a(N2_ZH_L16A, a_ZH_L16C);
    return {{
        Modell(0, "ZH-L16A N2", "Bühlmann ZH-L16A N2 \"theoretisch\"", N2_ZH_L16A),
        Modell(1, "ZH-L16B N2", "Bühlmann ZH-L16B N2 \"Tabelle\"", B),
        Modell(2, "ZH-L16C N2", "Bühlmann ZH-L16C N2 \"Computer\"", C),
        Modell(3, "ZH-L16A 1b N2", "Bühlmann ZH-L16A 1b N2 \"theoretisch\"",
               mit_1b(N2_ZH_L16A, N2_Kompartiment_1b)),
        Modell(4, "ZH-L16B 1b N2", "Bühlmann ZH-L16B 1b N2 \"Tabelle\"", mit_1b(B, N2_Kompartiment_1b)),
        Modell(5, "ZH-L16C 1b N2", "Bühlmann ZH-L16C 1b N2 \"Computer\"", mit_1b(C, N2_Kompartiment_1b)),
        Modell(6, "ZH-L16A He", "Bühlmann ZH-L16A He", He_ZH_L16A),
        Modell(7, "ZH-L16A 1b He", "Bühlmann ZH-L16A 1b He", mit_1b(He_ZH_L16A, He_Kompartiment_1b)),
    }};
}

int aus_Liste(int32_t Nummer, int32_t erster, int32_t letzter, Modell_Typ& Ziel) {
    for (int32_t n = erster; n <= letzter; ++n) Modell_waehlen(n, Ziel);
    if (Nummer < erster || Nummer > letzter) return -1;
    Modell_waehlen(Nummer, Ziel);
    return Nummer - erster;
}

void Buehlmann_setzen(bool Tiefenzuschlag, float Sicherheitsstop_min, bool letzten_Stop_verdoppeln) {
    Buehlmann_Tiefenzuschlag = Tiefenzuschlag;
    Buehlmann_Sicherheitsstop_min = Sicherheitsstop_min;
    Buehlmann_letzten_Stop_verdoppeln = letzten_Stop_verdoppeln;
}

float GF_geprueft(long double Prozent, const std::string& Name) {
    const long double GF = Prozent / 100.0L;
    if (GF < 0) {
        Unit_Tools::Meldung_Problem("Gradient factor " + Name + " < 0", "Gradient factor " + Name + " < 0");
        return 1.0f;
    }
    if (GF > 1) {
        Unit_Tools::Meldung_Problem("Gradient factor " + Name + " > 1", "Gradient factor " + Name + " > 1");
        return 1.0f;
    }
    return static_cast<float>(GF);
}

} // namespace

const std::array<Modell_Typ, Modell_Anzahl>& Modell_Tabelle() {
    static const std::array<Modell_Typ, Modell_Anzahl> Tabelle = Tabelle_aufbauen();
    return Tabelle;
}

void Modell_waehlen(int32_t Nummer, Modell_Typ& Ziel) {
    if (Nummer < 0 || Nummer >= Modell_Anzahl) return;
    Ziel = Modell_Tabelle()[Nummer];
}

int Modell_N2_aus_Liste(int32_t Nummer) {
    return aus_Liste(Nummer, Modell_N2_erster, Modell_N2_letzter, Modell_N2);
}

int Modell_He_aus_Liste(int32_t Nummer) {
    return aus_Liste(Nummer, Modell_He_erster, Modell_He_letzter, Modell_He);
}

std::vector<std::string> Modell_Kopfzeilen(const Modell_Typ& Modell) {
    return {std::to_string(Modell.Nummer), Modell.Bezeichnung, Modell.Erlaeuterung, Modell.Quelle};
}

std::vector<std::string> Modell_Koeffizientenzeilen(const Modell_Typ& Modell) {
    using Unit_Tools::Zahl_formatieren;
    std::vector<std::string> Zeilen;
    for (int i = 1; i <= Kompartiment_Anzahl; ++i) {
        const Kompartiment_Typ& k = Modell.Kompartiment[i];
        Zeilen.push_back(Zahl_formatieren(2, 0, i) + "  " + Zahl_formatieren(6, 2, k.t_halb) + "  " +
                         Zahl_formatieren(7, 5, k.a) + "  " + Zahl_formatieren(7, 5, k.b));
    }
    return Zeilen;
}

void Buehlmann_0() {
    Buehlmann_setzen(false, 0, false);
}

void Buehlmann_Standard() {
    Buehlmann_setzen(true, 1, false);
}

void Buehlmann_Risiko_Taucher() {
    Buehlmann_setzen(true, 5, true);
}

void GF_Standard() {
    GF_verwenden = false;
    GF_Lo = 0.4f;
    GF_Hi = 0.8f;
    GF_alle_Stops = false;
    GF_Lo_last_deco_stop = true;
}

float Sicherheitsstop_min_aus_Auswahl(int Eintrag) {
    switch (Eintrag) {
    case 1:
        return 1.0f;
    case 2:
        return 5.0f;
    default:
        return 0.0f;
    }
}

void GF_Eingabe_uebernehmen(long double GF_Lo_Prozent, long double GF_Hi_Prozent, bool letzter_Dekostop,
                            bool alle_Stops) {
    GF_Lo = GF_geprueft(GF_Lo_Prozent, "Lo");
    GF_Hi = GF_geprueft(GF_Hi_Prozent, "Hi");
    GF_Lo_last_deco_stop = letzter_Dekostop;
    GF_alle_Stops = alle_Stops;
}

bool Keine_Sicherheitsreserve() {
    return !Buehlmann_Tiefenzuschlag && Buehlmann_Sicherheitsstop_min == 0 &&
           !Buehlmann_letzten_Stop_verdoppeln && !GF_verwenden && !Deep_Stop_verwenden;
}

} // namespace Unit_Saettigungsmodelle

// ---- Choice of the saturation algorithm, stored in the settings and dive files ----
namespace Unit_Saettigungsmodelle {

int32_t Algorithmus = 1;

} // namespace Unit_Saettigungsmodelle
// ---- end of the algorithm choice ----
