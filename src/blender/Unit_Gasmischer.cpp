#include "Unit_Gasmischer.hpp"

#include "lang/Unit_Tools.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Gasmischer {

namespace {
using Unit_Tools::Text_waehlen;

// Rounding of the contents must not read as a wanted share below the one in the cylinder.
constexpr double barL_Toleranz = 1e-6;

struct Inhalt {
    double O2 = 0, N2 = 0, He = 0;
};

Inhalt Inhalt_von(const Gas& g) {
    const double f = g.l * g.bar * 0.01;
    return {g.Anteil.O2 * f, g.Anteil.N2 * f, g.Anteil.He * f};
}

std::string Zahl(double x) {
    return Unit_Tools::Zahl_formatieren(0, 1, x);
}

std::string nicht_herstellbar(const std::string& Deutsch, const std::string& Englisch) {
    return Text_waehlen("Dieses Gas kann nicht hergestellt werden\n", "This gas cannot be made\n") +
           Text_waehlen(Deutsch, Englisch);
}

// The inputs every method needs before it divides by them.
std::string Eingaben_pruefen(const Gas& vorher, const Gas& nachher) {
    for (const Gas* g : {&vorher, &nachher}) {
        if (!(g->l > 0) || !std::isfinite(g->l))
            return Text_waehlen("Das Volumen muss größer als 0 l sein", "The volume must be above 0 l");
        if (!(g->bar >= 0) || !std::isfinite(g->bar))
            return Text_waehlen("Der Druck darf nicht negativ sein", "The pressure must not be negative");
        if (auto Fehler = Zusammensetzung_pruefen(g->Anteil)) return *Fehler;
    }
    return {};
}

// After minus before per component, or the message naming what would have to be taken out.
std::string Differenz(const Gas& vorher, const Gas& nachher, Inhalt& d) {
    const Inhalt v = Inhalt_von(vorher), n = Inhalt_von(nachher);
    d = {n.O2 - v.O2, n.N2 - v.N2, n.He - v.He};
    std::string zu_klein;
    if (d.O2 < -barL_Toleranz) zu_klein += "O2 ";
    if (d.N2 < -barL_Toleranz) zu_klein += "N2 ";
    if (d.He < -barL_Toleranz) zu_klein += "He";
    if (zu_klein.empty()) return {};
    return nicht_herstellbar("Zu kleiner Anteil im Gas(nachher) gewünscht: ",
                             "Too small a share wanted in the gas (after): ") +
           zu_klein;
}

std::string Enddruck_pruefen(const Gas& vorher, const Gas& nachher, const Fuellung& f) {
    if (std::abs(vorher.bar + f.bar_Summe - nachher.bar) <= 0.01) return {};
    return nicht_herstellbar("Gas(nachher) Enddruck ist zu niedrig", "Gas (after): final pressure too low");
}

// A method that stops leaves no pressures behind.
Fuellung nur_Meldung(const Fuellung& f) {
    Fuellung leer;
    leer.Meldung = f.Meldung;
    return leer;
}

Einduesen Strom_von(double O2, double Luft_barL, double He_barL, double He_Faktor) {
    Einduesen e;
    const double He_eingedueest = He_barL / He_Faktor;
    const double Summe = O2 + Luft_barL + He_eingedueest;
    if (Summe > 0) {
        const double Luftanteil = Luft_barL / Summe * 100, O2_Anteil = O2 / Summe * 100;
        e.Strom = {Luftanteil * Luft.O2 * 0.01 + O2_Anteil, Luftanteil * Luft.N2 * 0.01,
                   He_eingedueest / Summe * 100};
    }
    if (e.Strom.O2 + e.Strom.N2 > 0) e.Sensor1 = e.Strom.O2 / (e.Strom.O2 + e.Strom.N2) * 100;
    e.Sensor2 = e.Strom.O2;
    e.Euro = (O2 * ct_O2 + He_eingedueest * ct_He + Luft_barL * ct_Luft) * 0.01;
    return e;
}
} // namespace

double Feld_lesen(const std::string& Text, double Ersatz) {
    long double Wert = 0;
    return Unit_Tools::Zahl_umwandeln(Text, Wert) ? static_cast<double>(Wert) : Ersatz;
}

bool keine_Zahl(const std::string& Text) {
    long double Wert = 0;
    return Text.find_first_not_of(" \t") != std::string::npos && !Unit_Tools::Zahl_umwandeln(Text, Wert);
}

std::string Ergebnis_Text(double Wert, int Stellen) {
    return Unit_Tools::Zahl_formatieren(5, Stellen, Wert);
}

Gas Gas_lesen(const Gasfelder& f) {
    return {{Feld_lesen(f.O2, Luft.O2), Feld_lesen(f.N2, Luft.N2), Feld_lesen(f.He, Luft.He)},
            Feld_lesen(f.bar, 0),
            Feld_lesen(f.l, l_Vorgabe)};
}

Gas leere_Flasche(double l) {
    return {Luft, 0, l};
}

bool ist_leer(const Gas& g) {
    return !(g.bar > 0);
}

Anteile auf_100_Prozent(double O2, double He) {
    if (O2 + He > 100) He = 100 - O2;
    return {O2, 100 - O2 - He, He};
}

std::optional<std::string> Zusammensetzung_pruefen(const Anteile& a) {
    const bool moeglich = a.O2 >= 0 && a.N2 >= 0 && a.He >= 0 && std::abs(a.O2 + a.N2 + a.He - 100) <= 0.01;
    if (moeglich) return std::nullopt;
    return Text_waehlen("Diese Gaszusammensetzung ist nicht möglich",
                        "This gas composition is not possible") +
           "\nO2 = " + Zahl(a.O2) + "\nN2 = " + Zahl(a.N2) + "\nHe = " + Zahl(a.He) +
           Text_waehlen("\nSumme = ", "\nSum = ") + Zahl(a.O2 + a.N2 + a.He);
}

Zusammensetzung Zusammensetzung_lesen(const std::string& O2, const std::string& He) {
    Zusammensetzung z;
    const double He_getippt = Feld_lesen(He, Luft.He);
    z.Anteil = auf_100_Prozent(Feld_lesen(O2, Luft.O2), He_getippt);
    z.He_gekuerzt = z.Anteil.He != He_getippt;
    z.Meldung = Zusammensetzung_pruefen(z.Anteil);
    return z;
}

std::string Luft_Text() {
    return Text_waehlen("Zusammensetzung der Luft", "Composition of air") + "\nO2 = " + Zahl(Luft.O2) +
           " %\nN2 = " + Zahl(Luft.N2) + " %\nHe = " + Zahl(Luft.He) + " %";
}

std::string Kosten_Text() {
    const auto Preis = [](double ct) { return Unit_Tools::Zahl_formatieren(0, 2, ct) + " ct/barL"; };
    return Text_waehlen("Kosten der Füllung", "Cost of the fill") + "\nO2: " + Preis(ct_O2) +
           Text_waehlen("\nLuft: ", "\nAir: ") + Preis(ct_Luft) + "\nHe: " + Preis(ct_He);
}

std::string Lieferleistungen_Text() {
    const auto l_min = [](double x) { return Unit_Tools::Zahl_formatieren(0, 0, x) + " l/min"; };
    return Text_waehlen("Lieferleistungen", "Deliveries") + Text_waehlen("\nKompressor: ", "\nCompressor: ") +
           l_min(l_min_Kompressor) +
           Text_waehlen("\nO2-Ventil bei 100 % Öffnung: ", "\nOxygen valve at 100 % opening: ") +
           l_min(l_min_O2_Ventil) +
           Text_waehlen("\nHe-Ventil bei 100 % Öffnung: ", "\nHelium valve at 100 % opening: ") +
           l_min(l_min_He_Ventil);
}

Fuellung O2_He_Luft(const Gas& vorher, const Gas& nachher, double He_Faktor) {
    Fuellung f;
    Inhalt d;
    if (!(He_Faktor > 0))
        f.Meldung = Text_waehlen("Der He Faktor muss größer als 0 sein", "The He factor must be above 0");
    if (f.moeglich()) f.Meldung = Eingaben_pruefen(vorher, nachher);
    if (f.moeglich()) f.Meldung = Differenz(vorher, nachher, d);
    if (!f.moeglich()) return f;
    const double Luft_barL = d.N2 / (Luft.N2 * 0.01);
    const double O2_barL = d.O2 - Luft_barL * Luft.O2 * 0.01;
    // Air alone would bring more oxygen than wanted: the recipe would take oxygen out.
    if (O2_barL < -barL_Toleranz) {
        f.Meldung = nicht_herstellbar("Gas(nachher) enthält zu wenig O2", "Gas (after) holds too little O2");
        return f;
    }
    f.bar_O2 = std::max(O2_barL, 0.0) / nachher.l;
    f.bar_Luft = Luft_barL / nachher.l;
    f.bar_He = d.He / nachher.l;
    f.bar_Summe = f.bar_O2 + f.bar_Luft + f.bar_He;
    f.Meldung = Enddruck_pruefen(vorher, nachher, f);
    if (!f.moeglich()) return nur_Meldung(f);
    f.Strom = Strom_von(std::max(O2_barL, 0.0), Luft_barL, d.He, He_Faktor);
    return f;
}

std::optional<Fuellziel> Ziel_fuer_Einduesen(const Gas& vorher, const Gas& nachher, double He_Faktor,
                                             std::string* Meldung) {
    const Fuellung f = O2_He_Luft(vorher, nachher, He_Faktor);
    if (!f.moeglich() || !f.Strom || !f.Strom->Sensor1) {
        if (Meldung)
            *Meldung = !f.moeglich()
                           ? f.Meldung
                           : Text_waehlen("Der Strom enthält weder Luft noch O2: Sensor 1 hat kein Ziel",
                                          "The stream holds neither air nor O2: sensor 1 has no target");
        return std::nullopt;
    }
    return Fuellziel{*f.Strom->Sensor1, f.Strom->Sensor2, f.Strom->Strom.He, nachher.bar, vorher, He_Faktor};
}

Fuellung O2_Trimix_Luft(const Gas& vorher, const Gas& nachher, const Anteile& Trimix) {
    Fuellung f;
    Inhalt d;
    f.Meldung = Eingaben_pruefen(vorher, nachher);
    if (f.moeglich())
        if (auto Fehler = Zusammensetzung_pruefen(Trimix)) f.Meldung = *Fehler;
    if (f.moeglich()) f.Meldung = Differenz(vorher, nachher, d);
    if (!f.moeglich()) return f;
    const auto abziehen = [&d](double barL, const Anteile& a) {
        d.O2 -= barL * a.O2 * 0.01;
        d.N2 -= barL * a.N2 * 0.01;
        d.He -= barL * a.He * 0.01;
    };
    double Trimix_barL = 0, Luft_barL = 0, O2_barL = 0;
    if (d.He > 0 && Trimix.He > 0) abziehen(Trimix_barL = d.He * 100 / Trimix.He, Trimix);
    if (d.N2 > 0) abziehen(Luft_barL = d.N2 * 100 / Luft.N2, Luft);
    if (d.O2 > 0) O2_barL = d.O2;
    f.bar_O2 = O2_barL / nachher.l;
    f.bar_Luft = Luft_barL / nachher.l;
    f.bar_Trimix = Trimix_barL / nachher.l;
    f.bar_Summe = f.bar_O2 + f.bar_Luft + f.bar_Trimix;
    f.Meldung = Enddruck_pruefen(vorher, nachher, f);
    return f.moeglich() ? f : nur_Meldung(f);
}

std::string mit_Trimix_pruefen(const Gas& vorher, const Anteile& Trimix, double bar_Trimix) {
    if (!(bar_Trimix >= 0) || !std::isfinite(bar_Trimix))
        return Text_waehlen("Der Druck darf nicht negativ sein", "The pressure must not be negative");
    if (auto Fehler = Zusammensetzung_pruefen(Trimix)) return *Fehler;
    return Eingaben_pruefen(vorher, vorher);
}

Gas mit_Trimix(const Gas& vorher, const Anteile& Trimix, double bar_Trimix) {
    const Inhalt v = Inhalt_von(vorher);
    const double f = bar_Trimix * 0.01 * vorher.l;
    const Inhalt n{v.O2 + Trimix.O2 * f, v.N2 + Trimix.N2 * f, v.He + Trimix.He * f};
    const double Summe = n.O2 + n.N2 + n.He;
    Gas g{vorher.Anteil, Summe / vorher.l, vorher.l};
    if (Summe > 0) g.Anteil = {n.O2 / Summe * 100, n.N2 / Summe * 100, n.He / Summe * 100};
    return g;
}

} // namespace Unit_Gasmischer
