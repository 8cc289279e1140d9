#include "Unit_ADR_Simulation.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <span>
#include <utility>

namespace Unit_ADR_Simulation {

namespace {

using Punkt = std::pair<double, double>; // mV, value

// The sensors' default calibrations (mV -> value), read backwards to make a voltage.
constexpr std::array<Punkt, 3> Zelle_1{{{0.0, 0.0}, {411.3, 20.9}, {2004.77, 100.0}}};
constexpr std::array<Punkt, 3> Zelle_2{{{4.9, 0.0}, {489.2, 20.9}, {2330.41, 100.0}}};
constexpr std::array<Punkt, 2> Druckgeber{{{996.0, 0.0}, {4980.0, 400.0}}};
constexpr std::array<Punkt, 3> Thermometer{{{2648.7, -10.0}, {2898.7, 14.5}, {3748.7, 100.0}}};

constexpr double Druck_max_bar = 400.0;
constexpr double Erwaermung_C_pro_bar = 0.05;

double Spannung_fuer(std::span<const Punkt> Tabelle, double Wert) {
    if (Wert <= Tabelle.front().second) return Tabelle.front().first;
    for (std::size_t i = 1; i < Tabelle.size(); ++i) {
        const auto [mV0, w0] = Tabelle[i - 1];
        const auto [mV1, w1] = Tabelle[i];
        if (Wert <= w1) return mV0 + (Wert - w0) / (w1 - w0) * (mV1 - mV0);
    }
    return Tabelle.back().first;
}

double Oeffnung(int Code) {
    return std::clamp(Code, 0, Code_max) / double(Code_max);
}

bool eingefroren(const Zustand& Zustand, int Zelle) {
    return Zustand.Einstellung.Zelle_eingefroren == Zelle &&
           Zustand.Zeit_s >= Zustand.Einstellung.Einfrieren_ab_s;
}

std::array<double, 2> Ziel_mV(const Zustand& Zustand) {
    const auto Anteil = Sauerstoff_Anteile(Ventilfluesse(Zustand));
    return {Zellspannung_mV(1, Anteil[0]), Zellspannung_mV(2, Anteil[1])};
}

int Code_fuer(double Volt, bool bipolar) {
    const double Anteil = bipolar ? (Volt + 5.0) / 10.0 : Volt / 5.0;
    return std::clamp(int(std::lround(Anteil * Code_max)), 0, Code_max);
}

std::string vierstellig(int Code) {
    char Text[8];
    std::snprintf(Text, sizeof Text, "%04d", Code);
    return Text;
}

std::optional<int> Zahl(const std::string& Text) {
    if (Text.empty() || Text.size() > 6) return std::nullopt;
    for (const char c : Text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return std::stoi(Text);
}

std::optional<std::string> Eingang_lesen(Zustand& Zustand, char Art, int Kanal) {
    if (Kanal > 7) return std::nullopt;
    const bool differentiell = Art == 'A' || Art == 'C';
    const bool bipolar = Art == 'B' || Art == 'C';
    double mV = 0.0;
    if (differentiell) {
        // Channel 2p reads input 2p against 2p+1, channel 2p+1 the other way round.
        const int Plus = Kanal, Minus = Kanal % 2 == 0 ? Kanal + 1 : Kanal - 1;
        mV = Eingang_mV(Zustand, Plus) - Eingang_mV(Zustand, Minus);
    } else {
        mV = Eingang_mV(Zustand, Kanal);
    }
    return vierstellig(Code_fuer(mV / 1000.0, bipolar));
}

} // namespace

Zustand Anfangszustand(const Einstellungen& Einstellung) {
    Zustand z;
    z.Einstellung = Einstellung;
    z.Druck_bar = Einstellung.Anfangsdruck_bar;
    z.Zufall.seed(Einstellung.Startwert_Zufall);
    z.Zelle_mV = Ziel_mV(z);
    return z;
}

Fluesse Ventilfluesse(const Zustand& Zustand) {
    return {Luft_l_min, Sauerstoff_max_l_min * Oeffnung(Zustand.Ausgang_Code[0]),
            Helium_max_l_min * Oeffnung(Zustand.Ausgang_Code[1])};
}

std::array<double, 2> Sauerstoff_Anteile(const Fluesse& Fluss) {
    const double Sauerstoff = Fluss.Luft_l_min * Luft_O2_Anteil / 100.0 + Fluss.Sauerstoff_l_min;
    const double nach_Sauerstoff = Fluss.Luft_l_min + Fluss.Sauerstoff_l_min;
    return {Sauerstoff / nach_Sauerstoff * 100.0,
            Sauerstoff / (nach_Sauerstoff + Fluss.Helium_l_min) * 100.0};
}

double Zellspannung_mV(int Zelle, double Sauerstoff_Prozent) {
    return Zelle == 1 ? Spannung_fuer(Zelle_1, Sauerstoff_Prozent)
                      : Spannung_fuer(Zelle_2, Sauerstoff_Prozent);
}

double Druck_mV(double Druck_bar) {
    return Spannung_fuer(Druckgeber, Druck_bar);
}

double Temperatur_C(const Zustand& Zustand) {
    // The compressed gas warms the cylinder a little.
    return Zustand.Einstellung.Umgebung_C +
           Erwaermung_C_pro_bar * std::max(0.0, Zustand.Druck_bar - Zustand.Einstellung.Anfangsdruck_bar);
}

double Temperatur_mV(double Temperatur) {
    return Spannung_fuer(Thermometer, Temperatur);
}

double Eingang_mV(Zustand& Zustand, int Eingang) {
    std::normal_distribution<double> Rauschen(0.0, Zustand.Einstellung.Rauschen_mV);
    const bool rauscht = Zustand.Einstellung.Rauschen_mV > 0.0;
    switch (Eingang) {
    case 0:
    case 1:
        // A frozen cell is a dead one: its reading does not even flicker.
        if (eingefroren(Zustand, Eingang + 1) || !rauscht) return Zustand.Zelle_mV[Eingang];
        return Zustand.Zelle_mV[Eingang] + Rauschen(Zustand.Zufall);
    case 2:
        return Druck_mV(Zustand.Druck_bar) + (rauscht ? Rauschen(Zustand.Zufall) : 0.0);
    case 3:
        return Temperatur_mV(Temperatur_C(Zustand)) + (rauscht ? Rauschen(Zustand.Zufall) : 0.0);
    default:
        return 0.0;
    }
}

void Fortschreiben(Zustand& Zustand, double Schritt_s) {
    if (Schritt_s <= 0.0) return;
    const auto Ziel = Ziel_mV(Zustand);
    // The cells follow the stream with a first-order lag.
    const double Nachlauf = 1.0 - std::exp(-Schritt_s / Zustand.Einstellung.Zeitkonstante_Zelle_s);
    for (int i = 0; i < 2; ++i)
        if (!eingefroren(Zustand, i + 1)) Zustand.Zelle_mV[i] += (Ziel[i] - Zustand.Zelle_mV[i]) * Nachlauf;
    const Fluesse Fluss = Ventilfluesse(Zustand);
    const double geliefert_barL =
        (Fluss.Luft_l_min + Fluss.Sauerstoff_l_min + Fluss.Helium_l_min) * Schritt_s / 60.0;
    Zustand.Druck_bar =
        std::min(Druck_max_bar, Zustand.Druck_bar + geliefert_barL / Zustand.Einstellung.Flaschenvolumen_l);
    Zustand.Zeit_s += Schritt_s;
}

std::optional<std::string> Befehl_ausfuehren(Zustand& Zustand, const std::string& Befehl) {
    if (Befehl.size() < 3) return std::nullopt;
    const char Art = char(std::toupper(static_cast<unsigned char>(Befehl[0])));
    const char Unterart = char(std::toupper(static_cast<unsigned char>(Befehl[1])));
    const auto Wert = Zahl(Befehl.substr(2));
    if (!Wert) return std::nullopt;
    if (Art == 'R' && (Unterart == 'D' || Unterart == 'B' || Unterart == 'A' || Unterart == 'C'))
        return Eingang_lesen(Zustand, Unterart, *Wert);
    if (Art == 'V' && (Unterart == 'A' || Unterart == 'B'))
        Zustand.Ausgang_Code[Unterart == 'A' ? 0 : 1] = std::min(*Wert, Code_max);
    return std::nullopt;
}

} // namespace Unit_ADR_Simulation
