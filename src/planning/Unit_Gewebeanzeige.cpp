#include "planning/Unit_Gewebeanzeige.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Gewebeanzeige {

namespace {
namespace W = Unit_WayPoints;
using Unit_Tools::Zahl_formatieren;

// A gauge that turns red above 100; below, yellow (or the given colour) with its number.
Balken Prozentbalken(int Wert, bool Text_ueber_100, Farbe bis_100 = Farbe::Gelb) {
    const bool ueber = Wert > Skala_Prozent;
    return {Wert, ueber ? Farbe::Rot : bis_100,
            ueber && !Text_ueber_100 ? std::string() : std::to_string(Wert)};
}

std::string Druck(long double p) {
    return Zahl_formatieren(5, 3, p);
}

constexpr const char* je_Gewebe_de = " für jedes der 16 Gewebe:\r\r";
constexpr const char* je_Gewebe_en = " for each of the 16 tissues:\r\r";

Erklaerung_Typ Gewebetext(const std::string& Was_de, const std::string& Was_en, const std::string& Bezug_de,
                          const std::string& Bezug_en) {
    return {Was_de + je_Gewebe_de + Bezug_de, Was_en + je_Gewebe_en + Bezug_en};
}
} // namespace

int Prozent(long double Zaehler, long double Nenner) {
    // Every reference is a pressure or an amount: one not above 0 comes from no valid state.
    if (!(Nenner > 0)) return kein_Wert;
    const long double x = Zaehler / Nenner * 100;
    if (std::isnan(x)) return kein_Wert;
    // Far beyond every scale: kept within int.
    const long double begrenzt = std::clamp(x, -1.0e6L, 1.0e6L);
    // The rounding mode in force is to nearest, halves to even.
    return static_cast<int>(std::nearbyint(begrenzt));
}

Kompartiment_Typ Kompartiment(int i) {
    if (i < 1 || i > W::Gewebe_Anzahl) {
        Unit_Tools::Meldung_Problem(">ZeigeGewebe(i)< out of range", ">ZeigeGewebe(i)< out of range");
        throw Unit_UI::Befehl_abgebrochen("ZeigeGewebe: compartment out of range");
    }
    const long double Pt = W::p_N2_Gewebe[i] + W::p_He_Gewebe[i];
    const long double P = W::bar_Umgebung;
    const long double ZH = W::p_N2He_Gewebe_MAX_ZH[i];
    const long double MAX_0 = Unit_Saettigungsrechnung::p_N2He_Gewebe_MAX_0[i];
    // Where the cursor found no sample the state holds marks below 0, not pressures: no gauge
    // may show them as a loading.
    const auto Anteil = [Pt](long double Zaehler, long double Nenner) {
        return Pt < 0 ? kein_Wert : Prozent(Zaehler, Nenner);
    };
    const int w = Anteil(Pt, MAX_0);
    Kompartiment_Typ k;
    k.pMax = Prozentbalken(Anteil(Pt, ZH), false);
    k.pMax0_Luft = Prozentbalken(w, true);
    k.pMax0_Ueberlauf = {w, w > Skala_Prozent ? Farbe::Rot : Farbe::Weiss, {}};
    k.Gradient = Prozentbalken(Anteil(Pt - P, ZH - P), false);
    k.p_N2 = Druck(W::p_N2_Gewebe[i]);
    k.p_He = Druck(W::p_He_Gewebe[i]);
    k.p_Max = Druck(ZH);
    k.p_Max0 = Druck(MAX_0);
    return k;
}

Erklaerung_Typ Erklaerung(Gruppe g) {
    switch (g) {
    case Gruppe::pMax:
        return Gewebetext(
            "Inertgassättigung in %", "Saturation with inert gas in %",
            "bezogen auf die maximal aktuell (beim Umgebungsdruck) erlaubte Übersättigung = 100%",
            "refering to the maximum allowed over saturation (at ambient pressure) = 100%");
    case Gruppe::pMax0_Luft:
        return Gewebetext("Inertgassättigung in %", "Saturation with inert gas in %",
                          "bezogen auf die Ausgangssituation: die nach der Sättigung mit Luft an der "
                          "Oberfläche erlaubte Übersättigung = 100%",
                          "refering to the start situation: the over saturation allowed at the surface "
                          "after the saturation with air = 100%");
    case Gruppe::Gradient:
        return Gewebetext("Gradientenfaktoren in %", "Gradient factors in %",
                          "(Inertgassättigung - Umgebungsdruck) / (Max. Inertgassättigung - Umgebungsdruck)",
                          "(inert gas saturation - ambient pressure) / (max. inert gas saturation - ambient "
                          "pressure)");
    case Gruppe::p_N2:
        return Gewebetext("Gelöster Stickstoff N2 in bar", "Dissolved nitrogen N2 in bar",
                          "Partialdruck des Stickstoffs im Gewebe",
                          "partial pressure of nitrogen in the tissue");
    case Gruppe::p_He:
        return Gewebetext("Gelöstes Helium He in bar", "Dissolved helium He in bar",
                          "Partialdruck des Heliums im Gewebe", "partial pressure of helium in the tissue");
    case Gruppe::p_Max:
        return Gewebetext("Summe der Inertgasdrücke N2 + He in bar",
                          "Sum of the inert gas pressures N2 + He in bar",
                          "maximal aktuell (beim Umgebungsdruck) erlaubt, Bühlmann-Koeffizienten",
                          "maximum allowed now (at ambient pressure), Bühlmann coefficients");
    case Gruppe::p_Max0:
        return Gewebetext("Maximal erlaubter Inertgasdruck in bar",
                          "Maximum allowed inert gas pressure in bar",
                          "an der Oberfläche für die Ausgangssituation (Sättigung mit Luft)",
                          "at the surface for the start situation (saturation with air)");
    }
    return {};
}

std::string Ceiling_Zeile(float Ceiling) {
    const float Tiefe = Ceiling > Unit_Formeln::bar_Luft ? Unit_Formeln::m_Wasser_aus(Ceiling) : 0.0f;
    return "Ceiling = " + Zahl_formatieren(6, 3, Ceiling) + " bar     " + Zahl_formatieren(6, 2, Tiefe) +
           " m";
}

Gewebedruck_Typ Gewebedruck() {
    Gewebedruck_Typ d;
    d.GF_zeigen = Unit_Saettigungsmodelle::GF_verwenden;
    d.Skala_automatisch = Skala_mindestens;
    for (int i = 1; i <= W::Gewebe_Anzahl; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        d.N2[k] = static_cast<double>(W::p_N2_Gewebe[i]);
        d.N2He[k] = static_cast<double>(W::p_N2_Gewebe[i] + W::p_He_Gewebe[i]);
        d.Umgebung[k] = static_cast<double>(W::bar_Umgebung);
        d.MAX_GF[k] = W::p_N2He_Gewebe_MAX_GF[i];
        d.MAX_ZH[k] = W::p_N2He_Gewebe_MAX_ZH[i];
        d.Skala_automatisch = std::max(d.Skala_automatisch, d.MAX_ZH[k]);
    }
    d.Ceiling_Zeile = Ceiling_Zeile(Unit_Grenzwerte::p_amb_MAX());
    return d;
}

Erklaerung_Typ Legende() {
    return {"Absolute Drücke in bar\r\r"
            "Ceiling = kleinster erlaubter Umgebungsdruck (bar) und seine Tiefe (m)\r\r"
            "gelb = Partialdruckanteil des Inertgases Stickstoff\r"
            "weiß = Partialdruckanteil des Inertgases Helium\r"
            "blau = Umgebungsdruck\r"
            "hellrot = Maximaler Inertgas-Überdruck (Gradientenfaktoren GF)\r"
            "rot = Maximaler Inertgas-Überdruck (Bühlmann-Koeffizienten)",
            "Absolute pressures in bar\r\r"
            "Ceiling = lowest allowed ambient pressure (bar) and its depth (m)\r\r"
            "yellow = partial pressure fraction of inert gas nitrogen\r"
            "white = partial pressure fraction of inert gas helium\r"
            "blue = ambient pressure\r"
            "light red = maximum inert gas over pressure (gradient factors GF)\r"
            "red = maximum inert gas over pressure (Bühlmann coefficients)"};
}

Groesse_Typ Fenstergroesse(float barL_N2He, float barL_N2He_Start) {
    int s = Seite_Basis;
    if (barL_N2He_Start > 0 && barL_N2He > 0)
        s = std::max(s, static_cast<int>(std::nearbyint(
                            std::sqrt(static_cast<double>(barL_N2He) / static_cast<double>(barL_N2He_Start)) *
                            Seite_Basis)));
    return {s + 16, s + 39};
}

Geloeste_Gase_Typ Geloeste_Gase() {
    namespace B = Unit_Gewebe_barL;
    Geloeste_Gase_Typ g;
    g.N2 = "N2 = " + Zahl_formatieren(7, 3, B::barL_N2) + " barL";
    g.He = "He = " + Zahl_formatieren(7, 3, B::barL_He) + " barL";
    g.N2He = "N2+He = " + Zahl_formatieren(7, 3, B::barL_N2He) + " barL";
    const int Anteil = Prozent(B::barL_N2, B::barL_N2He);
    g.Stickstoffanteil = {Anteil, Farbe::Gelb, "N2 " + std::to_string(Anteil) + " %"};
    const Groesse_Typ G = Fenstergroesse(B::barL_N2He, B::barL_N2He_Start);
    g.Breite = G.Breite;
    g.Hoehe = G.Hoehe;
    return g;
}

Stand_Typ Stand() {
    namespace B = Unit_Gewebe_barL;
    Stand_Typ s;
    s.p_N2 = W::p_N2_Gewebe;
    s.p_He = W::p_He_Gewebe;
    s.MAX_GF = W::p_N2He_Gewebe_MAX_GF;
    s.MAX_ZH = W::p_N2He_Gewebe_MAX_ZH;
    s.MAX_0 = Unit_Saettigungsrechnung::p_N2He_Gewebe_MAX_0;
    s.bar_Umgebung = W::bar_Umgebung;
    s.Ceiling = Unit_Grenzwerte::p_amb_MAX();
    s.bar_Luft = Unit_Formeln::bar_Luft;
    s.barL_N2 = B::barL_N2;
    s.barL_He = B::barL_He;
    s.barL_N2He_Start = B::barL_N2He_Start;
    s.GF_verwenden = Unit_Saettigungsmodelle::GF_verwenden;
    s.Sprache = Unit_Tools::Sprache;
    s.Trenner = Unit_Tools::Dezimaltrennzeichen();
    return s;
}

} // namespace Unit_Gewebeanzeige
