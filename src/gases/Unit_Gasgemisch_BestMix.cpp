#include "gases/Unit_Gasgemisch_BestMix.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasrechner.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace Unit_Gasgemisch_BestMix {

Gastabelle Gasgemisch;
int32_t Gasgemisch_NumMax = Gasgemisch_NumMaxDefault;
int32_t Gasgemisch_num = 0;
Gastabelle Gasgemisch_ini;
int32_t GasGemisch_NumMax_ini = Gasgemisch_NumMaxDefault;
Gastabelle Gasgemisch_tx0;
int32_t GasGemisch_NumMax_tx0 = Gasgemisch_NumMaxDefault;
std::array<int32_t, GasGemisch_NumMaxUeberhaupt + 1> GasGemisch_Num_tx0;
float f_O2 = 0.20948f;
float f_N2 = 0.79020f;
float f_He = 0;

namespace {
namespace W = Unit_WayPoints;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

const std::array<const char*, Gasgemisch_NumMaxDefault + 1> Defaultzeilen = {
    " 20.948 79.020 0.0 Luft",     " 32.0   68.0   0.0 EAN32",       " 36.0   64.0   0.0 EAN36",
    " 40.0   60.0   0.0 EAN40",    " 50.0   50.0   0.0 EAN50",       " 60.0   40.0   0.0 EAN60",
    "100.0    0.0   0.0 O2",       " 21.0    0.0  79.0 HeliOx21/79", " 50.0   25.0  25.0 Tmx50/25",
    " 30.0   40.0  30.0 Tmx30/30", " 21.0   44.0  35.0 Tmx21/35",    " 18.0   37.0  45.0 Tmx18/45",
    " 15.0   30.0  55.0 Tmx15/55", " 12.0   23.0  65.0 Tmx12/65",    " 10.0   20.0  70.0 Tmx10/70",
    "  7.0   19.0  74.0 Tmx7/74",  "  5.0   15.0  80.0 Tmx5/80"};

bool im_Bereich(int32_t i, int32_t Max) {
    return i >= 0 && i <= Max;
}

// Whole percent, a tie going to the even neighbour; a value that is no number counts as 0.
long double ganze_Prozent(long double Prozent) {
    if (!std::isfinite(Prozent)) return 0;
    const long double unten = std::floor(Prozent);
    const long double Rest = Prozent - unten;
    if (Rest > 0.5L) return unten + 1;
    if (Rest < 0.5L) return unten;
    return std::fmod(unten, 2.0L) == 0 ? unten : unten + 1;
}

std::string ganze_Zahl(long double Wert) {
    return Zahl_formatieren(0, 0, Wert);
}

bool innerhalb(float Prozent, float Anteil) {
    return std::fabs(Prozent * 0.01L - Anteil) <= 0.005L;
}

void Eintrag_leeren(Gasgemisch_Type& g) {
    g = Gasgemisch_Type{};
}

void Defaults_neu_einlesen() {
    for (int32_t i = 0; i <= Gasgemisch_NumMaxDefault; ++i) Gasgemisch_Default_laden(i, false);
}

std::string mit_Umbruch(const std::string& Text) {
    return Text + "\n";
}
} // namespace

std::string Gasgemisch_Defaultzeile(int32_t i) {
    if (!im_Bereich(i, Gasgemisch_NumMaxDefault)) return {};
    if (i == 0 && Unit_Tools::Sprache == 1) return " 20.948 79.020 0.0 Air";
    return Defaultzeilen[static_cast<std::size_t>(i)];
}

Zahlwort Zahl_aus_Zeile(const std::string& Zeile, int n) {
    std::size_t pos = 0;
    for (int k = 1; k <= n; ++k) {
        const auto Anfang = Zeile.find_first_not_of(' ', pos);
        if (Anfang == std::string::npos) return {99.9f, Zeile.size()};
        auto Ende = Zeile.find(' ', Anfang);
        if (Ende == std::string::npos) Ende = Zeile.size();
        if (k == n)
            return {static_cast<float>(Unit_Tools::Zahl_lesen(Zeile.substr(Anfang, Ende - Anfang))), Ende};
        pos = Ende;
    }
    return {99.9f, Zeile.size()};
}

void Gasgemisch_Default_laden(int32_t i, bool Verbrauch_loeschen) {
    if (!im_Bereich(i, Gasgemisch_NumMaxDefault)) return;
    const std::string Zeile = Gasgemisch_Defaultzeile(i);
    auto& g = Gasgemisch[static_cast<std::size_t>(i)];
    g.f_O2_prozent = Zahl_aus_Zeile(Zeile, 1).Wert;
    g.f_N2_prozent = Zahl_aus_Zeile(Zeile, 2).Wert;
    const Zahlwort He = Zahl_aus_Zeile(Zeile, 3);
    g.f_He_prozent = He.Wert;
    g.Name = He.Ende + 1 < Zeile.size() ? Zeile.substr(He.Ende + 1) : std::string();
    if (Verbrauch_loeschen) g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
}

void Gasgemische_initialisieren() {
    for (int32_t i = 0; i <= Gasgemisch_NumMaxDefault; ++i) Gasgemisch_Default_laden(i, true);
    for (int32_t i = Gasgemisch_NumMaxDefault + 1; i <= GasGemisch_NumMaxUeberhaupt; ++i)
        Eintrag_leeren(Gasgemisch[i]);
    Gasgemisch_NumMax = Gasgemisch_NumMaxDefault;
    Gasgemisch_waehlen(0);
    Gasliste_merken();
}

void Gasgemisch_waehlen(int32_t i) {
    if (!im_Bereich(i, Gasgemisch_NumMax)) i = 0;
    const auto& g = Gasgemisch[static_cast<std::size_t>(i)];
    Gasgemisch_num = i;
    f_O2 = static_cast<float>(g.f_O2_prozent * 0.01L);
    f_N2 = static_cast<float>(g.f_N2_prozent * 0.01L);
    f_He = static_cast<float>(g.f_He_prozent * 0.01L);
}

int32_t Gasgemisch_finden(float O2, float N2, float He) {
    for (int32_t k = 0; k <= std::clamp(Gasgemisch_NumMax, 0, GasGemisch_NumMaxUeberhaupt); ++k) {
        const auto& g = Gasgemisch[k];
        if (innerhalb(g.f_O2_prozent, O2) && innerhalb(g.f_N2_prozent, N2) && innerhalb(g.f_He_prozent, He))
            return k;
    }
    return -1;
}

std::string Gasname_aus_Anteilen(float O2, float N2, float He) {
    const long double o = ganze_Prozent(O2 * 100.0L);
    const long double n = ganze_Prozent(N2 * 100.0L);
    const long double h = ganze_Prozent(He * 100.0L);
    if (h > 0) return n > 0 ? "Tmx" + ganze_Zahl(o) + "/" + ganze_Zahl(h) : "HeliOx" + ganze_Zahl(o);
    if (o == 21 && n == 79) return Text_waehlen("Luft", "Air");
    return o < 100 ? "EAN" + ganze_Zahl(o) : "O2";
}

void Gasgemisch_hinzufuegen(const std::string& Name, float O2_prozent, float N2_prozent, float He_prozent) {
    int32_t i = Gasgemisch_NumMax + 1;
    if (i > GasGemisch_NumMaxUeberhaupt) {
        Unit_Tools::Meldung_Problem("Zu viele Gasmischungen", "Too many gas mixes");
        i = GasGemisch_NumMaxUeberhaupt;
    }
    Gasgemisch_NumMax = i;
    auto& g = Gasgemisch[i];
    g.Name = Name;
    long double o = ganze_Prozent(O2_prozent);
    const long double n = ganze_Prozent(N2_prozent);
    const long double h = ganze_Prozent(He_prozent);
    if (o + n + h > 100) o -= 1;
    if (o + n + h < 100) o += 1;
    g.f_O2_prozent = static_cast<float>(o);
    g.f_N2_prozent = static_cast<float>(n);
    g.f_He_prozent = static_cast<float>(h);
    g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
    Defaults_neu_einlesen();
    Gasgemisch_waehlen(i);
}

void Gasliste_merken() {
    GasGemisch_NumMax_ini =
        std::clamp(Gasgemisch_NumMax, Gasgemisch_NumMaxDefault, GasGemisch_NumMaxUeberhaupt);
    Gasgemisch_ini = Gasgemisch;
    for (int32_t k = GasGemisch_NumMax_ini + 1; k <= GasGemisch_NumMaxUeberhaupt; ++k)
        Eintrag_leeren(Gasgemisch_ini[k]);
}

void Gasnamen_Sprache_anpassen() {
    const std::string alt = Unit_Tools::Sprache == 1 ? "Luft" : "Air";
    const std::string neu = Unit_Tools::Sprache == 1 ? "Air" : "Luft";
    for (auto& g : Gasgemisch)
        if (g.Name == alt) g.Name = neu;
}

std::vector<std::string> Gasliste_Texte() {
    Defaults_neu_einlesen();
    std::vector<std::string> Namen;
    for (int32_t k = 0; k <= std::clamp(Gasgemisch_NumMax, 0, GasGemisch_NumMaxUeberhaupt); ++k)
        Namen.push_back(Gasgemisch[k].Name);
    return Namen;
}

std::array<std::string, 3> Gasanteile_Texte(int32_t i) {
    if (!im_Bereich(i, Gasgemisch_NumMax)) i = 0;
    const auto& g = Gasgemisch[i];
    return {Zahl_formatieren(0, 2, g.f_O2_prozent), Zahl_formatieren(0, 2, g.f_N2_prozent),
            Zahl_formatieren(0, 2, g.f_He_prozent)};
}

Gaspruefung_Type Gas_pruefen(float m_Einsatztiefe, float O2_prozent, float N2_prozent,
                             const std::string& Name, bool Warnungen_zeigen, bool Ergebnis_zeigen) {
    namespace F = Unit_Formeln;
    const float O2 = static_cast<float>(O2_prozent / 100.0L);
    Gaspruefung_Type r;
    r.pO2 = static_cast<float>(F::bar_Umgebung_aus(m_Einsatztiefe) * static_cast<long double>(O2));
    r.MOD = F::m_MOD_aus(1.601f, O2);
    r.MinOD = std::max(0.0f, F::m_MOD_aus(0.16f, O2));
    r.END = F::m_END_aus(static_cast<float>(N2_prozent / 100.0L), m_Einsatztiefe);
    r.pO2_ausserhalb = r.pO2 > 1.601f || r.pO2 < 0.16f;
    r.END_ueberschritten = r.END > 50;

    if (Warnungen_zeigen) {
        std::string Text;
        for (const auto& Zeile : Unit_Gasrechner::Grenzwarnungen(r)) Text += mit_Umbruch(Zeile);
        if (!Text.empty()) Unit_Tools::Meldung_Problem(Text, Text);
    }
    if (Ergebnis_zeigen) {
        const std::string Werte = "\n" + mit_Umbruch("pO2 = " + Zahl_formatieren(5, 2, r.pO2) + " bar") +
                                  mit_Umbruch("MOD = " + Zahl_formatieren(5, 1, r.MOD) + " m") +
                                  mit_Umbruch("MinOD = " + Zahl_formatieren(5, 1, r.MinOD) + " m") +
                                  "END = " + Zahl_formatieren(5, 1, r.END) + " m";
        const std::string Tiefe = Zahl_formatieren(0, 1, m_Einsatztiefe) + " m";
        Unit_Tools::Meldung_Info(mit_Umbruch("Aus dem Gas = " + Name) +
                                     mit_Umbruch("auf der Einsatztiefe = " + Tiefe) +
                                     mit_Umbruch("berechnete Werte :") + Werte,
                                 mit_Umbruch("From Gas = " + Name) + mit_Umbruch("on depth = " + Tiefe) +
                                     mit_Umbruch("calculated values :") + Werte);
    }
    return r;
}

namespace {
// The defaults exist from the start, as the program loads them before anything else.
const bool Defaults_geladen = (Gasgemische_initialisieren(), true);
} // namespace

} // namespace Unit_Gasgemisch_BestMix
