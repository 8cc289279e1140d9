#include "physics/Unit_Sauerstofftoxizitaet.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace Unit_Sauerstofftoxizitaet {

bool pO2_ausserhalb = false;
bool pO2_Meldung = false;
bool pO2_weiterrechnen = false;
CNS_Farbe CNS_Anzeigefarbe = CNS_Farbe::normal;

// pO2 (atm), CNS (% per min), OTU (per min). Up to 1.60 atm the NOAA limits (100 % over the allowed
// minutes); beyond, an extension to 1.82 atm where one minute uses up 100 %.
const std::array<NOAA_Zeile, NOAA_Zeilen> NOAA_Tabelle = {{
    {0.50f, 0.00f, 0.00f},  {0.60f, 0.14f, 0.26f},  {0.64f, 0.15f, 0.35f},  {0.66f, 0.16f, 0.39f},
    {0.68f, 0.17f, 0.43f},  {0.70f, 0.18f, 0.47f},  {0.74f, 0.19f, 0.54f},  {0.76f, 0.20f, 0.58f},
    {0.78f, 0.21f, 0.62f},  {0.80f, 0.22f, 0.65f},  {0.82f, 0.23f, 0.69f},  {0.84f, 0.24f, 0.73f},
    {0.86f, 0.25f, 0.76f},  {0.88f, 0.26f, 0.80f},  {0.90f, 0.28f, 0.83f},  {0.92f, 0.29f, 0.87f},
    {0.94f, 0.30f, 0.90f},  {0.96f, 0.31f, 0.93f},  {0.98f, 0.32f, 0.97f},  {1.00f, 0.33f, 1.00f},
    {1.02f, 0.35f, 1.03f},  {1.04f, 0.36f, 1.07f},  {1.06f, 0.38f, 1.10f},  {1.08f, 0.40f, 1.13f},
    {1.10f, 0.42f, 1.16f},  {1.12f, 0.43f, 1.20f},  {1.14f, 0.43f, 1.23f},  {1.16f, 0.44f, 1.26f},
    {1.18f, 0.46f, 1.29f},  {1.20f, 0.47f, 1.32f},  {1.22f, 0.48f, 1.35f},  {1.24f, 0.51f, 1.38f},
    {1.26f, 0.52f, 1.42f},  {1.28f, 0.54f, 1.45f},  {1.30f, 0.56f, 1.48f},  {1.32f, 0.57f, 1.51f},
    {1.34f, 0.60f, 1.54f},  {1.36f, 0.62f, 1.57f},  {1.38f, 0.63f, 1.60f},  {1.40f, 0.65f, 1.63f},
    {1.42f, 0.68f, 1.66f},  {1.44f, 0.71f, 1.69f},  {1.46f, 0.74f, 1.72f},  {1.48f, 0.78f, 1.75f},
    {1.50f, 0.83f, 1.78f},  {1.52f, 0.93f, 1.81f},  {1.54f, 1.04f, 1.84f},  {1.56f, 1.19f, 1.87f},
    {1.58f, 1.47f, 1.89f},  {1.60f, 2.22f, 1.92f},  {1.62f, 5.00f, 1.95f},  {1.65f, 6.25f, 2.00f},
    {1.67f, 7.69f, 2.03f},  {1.70f, 10.00f, 2.07f}, {1.72f, 12.50f, 2.10f}, {1.74f, 20.00f, 2.13f},
    {1.76f, 25.00f, 2.15f}, {1.78f, 33.33f, 2.18f}, {1.80f, 50.00f, 2.21f}, {1.82f, 100.00f, 2.24f},
}};

namespace {

// Index of the first row whose pO2 reaches f; NOAA_Zeilen when f lies above the table.
int Zeile_suchen(long double f) {
    for (int d = 0; d < NOAA_Zeilen; ++d)
        if (NOAA_Tabelle[d].pO2_atm >= f) return d;
    return NOAA_Zeilen;
}

// Linear between rows d - 1 and d; above the table d is the last row, so the line through the
// last two rows is continued.
long double CNS_Rate(int d, long double f) {
    if (d == 0) return 0;
    const NOAA_Zeile& u = NOAA_Tabelle[d - 1];
    const NOAA_Zeile& o = NOAA_Tabelle[d];
    return u.CNS_Prozent_pro_min +
           (f - u.pO2_atm) / (static_cast<long double>(o.pO2_atm) - u.pO2_atm) *
               (static_cast<long double>(o.CNS_Prozent_pro_min) - u.CNS_Prozent_pro_min);
}

void ausserhalb_melden() {
    using Unit_Tools::Meldung_Problem;
    Meldung_Problem("pO2 außerhalb der NOAA Tabelle !", "pO2 exceeds the NOAA table !");
    if (!pO2_weiterrechnen)
        pO2_weiterrechnen = Unit_Tools::Frage_Ja_Nein("Berechnung fortführen", "Continue calculation");
    if (pO2_weiterrechnen)
        Meldung_Problem("Alle jetzt berechneten CNS % und OTU Werte sind unrealistisch !",
                        "All calculated CNS % and OTU values are not realistic !");
    else
        Meldung_Problem("Berechnung wird abgebrochen !", "Calculation will be stopped !");
    pO2_Meldung = false;
}

} // namespace

float NOAA_pO2_MAX() {
    return NOAA_Tabelle[NOAA_Zeilen - 1].pO2_atm;
}

namespace {
bool gleich(long double x, long double y) {
    return x == y && std::signbit(x) == std::signbit(y);
}

// A dive breathes the same pO2 for many steps: its table row and rate are looked up once per value.
struct Zeile_Merker {
    long double f = std::numeric_limits<long double>::quiet_NaN();
    int d = 0;
    long double Rate = 0;
};
Zeile_Merker Zeile_zuletzt;

// The last recovery factor with its inputs (pO2, step, water vapour), for the same reason.
struct Erholung_Merker {
    long double f = std::numeric_limits<long double>::quiet_NaN(), t = f;
    float p_H2O = 0;
    long double Faktor = 0;
};
Erholung_Merker Erholung_zuletzt;

long double CNS_Erholung_berechnen(long double f, long double t) {
    // The inspired pO2 of air at one standard atmosphere, atm: there the clock halves in 90 min.
    const long double s = (1.01325L - Unit_Formeln::p_H2O) * Unit_Formeln::f_O2_Luft * atm_pro_bar;
    const long double keine_Erholung = NOAA_Tabelle[0].pO2_atm;
    long double g;
    if (f <= s)
        g = 0.5L;
    else if (f >= keine_Erholung)
        g = 1.0L;
    else
        g = 0.5L + 0.5L * (f - s) / (keine_Erholung - s);
    return std::exp((t * 0.011111111111111112L) * std::log(g));
}
} // namespace

float bar_pO2_Luft_Oberflaeche() {
    return static_cast<float>((static_cast<long double>(Unit_Formeln::bar_Luft) - Unit_Formeln::p_H2O) *
                              Unit_Formeln::f_O2_Luft);
}

bool pO2_hypoxisch(float bar_pO2) {
    // The gas table keeps air's fraction as a single, a few 1e-9 bar off this constant.
    constexpr float Rundung = 1e-5f;
    return bar_pO2 < bar_pO2_Minimum && bar_pO2 < bar_pO2_Luft_Oberflaeche() - Rundung;
}

float CNS_Schritt(float CNS, float pO2, float t) {
    const long double f = pO2 * atm_pro_bar;
    if (!gleich(f, Zeile_zuletzt.f)) {
        // Above the table the rate continues the line through its last two rows.
        const int Zeile = Zeile_suchen(f);
        Zeile_zuletzt = {f, Zeile, CNS_Rate(std::min(Zeile, NOAA_Zeilen - 1), f)};
    }
    if (Zeile_zuletzt.d < NOAA_Zeilen) {
        pO2_ausserhalb = false;
        CNS_Anzeigefarbe = CNS_Farbe::normal;
    } else {
        pO2_ausserhalb = true;
        CNS_Anzeigefarbe = CNS_Farbe::rot;
        if (pO2_Meldung) ausserhalb_melden();
    }
    if (f < NOAA_Tabelle[0].pO2_atm) return static_cast<float>(CNS * CNS_Erholung(f, t));
    return static_cast<float>(CNS + t * Zeile_zuletzt.Rate);
}

long double CNS_Erholung(long double f, long double t) {
    Erholung_Merker& m = Erholung_zuletzt;
    if (!gleich(f, m.f) || !gleich(t, m.t) ||
        std::bit_cast<uint32_t>(Unit_Formeln::p_H2O) != std::bit_cast<uint32_t>(m.p_H2O))
        m = {f, t, Unit_Formeln::p_H2O, CNS_Erholung_berechnen(f, t)};
    return m.Faktor;
}

float OTU_Schritt(float OTU, float pO2, float t) {
    if (t >= 1440) return 0;
    // A dive breathes the same pO2 for many steps: the power is taken once per value.
    static float pO2_zuletzt = -1;
    static long double Dosis_zuletzt = 0;
    if (pO2 != pO2_zuletzt) {
        const long double x = 2.0L * pO2 - 1.0L;
        // In double: the dose goes into a single-precision sum, and the extended power costs a
        // tenth of a whole step on every step of an ascent, where the pO2 changes each time.
        Dosis_zuletzt = x > 0 ? std::pow(static_cast<double>(x), 0.83) : 0.0L;
        pO2_zuletzt = pO2;
    }
    const long double Dosis = Dosis_zuletzt;
    return static_cast<float>(OTU + t * Dosis);
}

long double CNS_Prozent_Vortauchgaenge = 0;
long double OTU_Vortauchgaenge_Tag = 0;

namespace {
struct Vortauchgang {
    long double OTU;
    long double min_seit_Ende; // until the start of the dive in memory
};
std::vector<Vortauchgang> Vortauchgaenge_des_Tages;
} // namespace

long double CNS_nach_Oberflaechenpause(long double CNS_Prozent, long double min_Pause) {
    return CNS_Prozent * std::exp2(-min_Pause / min_CNS_Halbwertszeit);
}

void Vortauchgaenge_vergessen() {
    Vortauchgaenge_des_Tages.clear();
    CNS_Prozent_Vortauchgaenge = OTU_Vortauchgaenge_Tag = 0;
}

void Oberflaechenpause_buchen(long double CNS_Prozent, long double OTU, long double min_Dauer,
                              long double min_Pause) {
    CNS_Prozent_Vortauchgaenge =
        CNS_nach_Oberflaechenpause(CNS_Prozent_Vortauchgaenge + CNS_Prozent, min_Pause);
    for (auto& v : Vortauchgaenge_des_Tages) v.min_seit_Ende += min_Dauer + min_Pause;
    Vortauchgaenge_des_Tages.push_back({OTU, min_Pause});
    std::erase_if(Vortauchgaenge_des_Tages,
                  [](const Vortauchgang& v) { return !(v.min_seit_Ende < min_Tag); });
    OTU_Vortauchgaenge_Tag = 0;
    for (const auto& v : Vortauchgaenge_des_Tages) OTU_Vortauchgaenge_Tag += v.OTU;
}

long double CNS_Prozent_mit_Vortauchgaengen(long double CNS_Prozent_Tauchgang) {
    return CNS_Prozent_Vortauchgaenge + CNS_Prozent_Tauchgang;
}

long double OTU_des_Tages(long double OTU_Tauchgang) {
    return OTU_Vortauchgaenge_Tag + OTU_Tauchgang;
}

void pO2_ausserhalb_loeschen() {
    pO2_ausserhalb = false;
    CNS_Anzeigefarbe = CNS_Farbe::normal;
}

} // namespace Unit_Sauerstofftoxizitaet
