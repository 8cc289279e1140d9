#include "blender/Unit_Gasmischer_Fuellung.hpp"

#include "lang/Unit_Tools.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace Unit_Gasmischer_Fuellung {

namespace S = Unit_Gasmischer_Sensoren;
using Unit_Tools::Text_waehlen;

namespace {

// Delivery of the compressor and of the valves fully open.
constexpr double l_min_Luft = G::l_min_Kompressor, l_min_Sauerstoff_voll = G::l_min_O2_Ventil,
                 l_min_Helium_voll = G::l_min_He_Ventil;
constexpr double s_bis_Regelung = 5; // the cells settle on the first openings first

std::string Zahl(double Wert, int Stellen = 1) {
    return Unit_Tools::Zahl_formatieren(0, Stellen, Wert);
}

std::string Sensorname(S::Sensor s) {
    switch (s) {
    case S::O2_a:
        return Text_waehlen("Sauerstoff 1", "Oxygen 1");
    case S::O2_b:
        return Text_waehlen("Sauerstoff 2", "Oxygen 2");
    case S::Druck:
        return Text_waehlen("Druck", "Pressure");
    default:
        return Text_waehlen("Temperatur", "Temperature");
    }
}

std::string Nicht_zu() {
    return Text_waehlen(
        "Es ist nicht bestätigt, dass die Ventile geschlossen sind: bitte von Hand schließen!",
        "The valves could not be confirmed closed: close them by hand!");
}

} // namespace

std::optional<double> He_Anteil(double O2_a, double O2_b) {
    if (!(O2_a > 0) || !std::isfinite(O2_a) || !std::isfinite(O2_b)) return std::nullopt;
    return std::clamp(100 - O2_b * (100 - O2_a) / O2_a - O2_b, 0.0, 100.0);
}

Stromanteile Strom_zerlegen(double O2_b, double He) {
    // Readings a little off (a cell below air's oxygen) must not book negative oxygen.
    const double Luft = std::clamp((100 - He - O2_b) / G::Luft.N2 * 100, 0.0, 100 - He);
    return {100 - Luft - He, Luft, He};
}

double Anfangsoeffnung(Ventil v, const G::Fuellziel& Ziel) {
    // From the stand's delivery figures: oxygen x joins the air so that cell (a) reads Sensor 1,
    // then helium makes up its share of everything streaming.
    const double O2_l_min = l_min_Luft * (Ziel.Sensor1 - G::Luft.O2) / (100 - Ziel.Sensor1);
    if (v == Sauerstoff) return Oeffnung_begrenzen(O2_l_min / l_min_Sauerstoff_voll * 100);
    const double He_l_min =
        Ziel.He_Strom / (100 - Ziel.He_Strom) * (l_min_Luft + Oeffnung_begrenzen(O2_l_min));
    return Oeffnung_begrenzen(He_l_min / l_min_Helium_voll * 100);
}

double Ventilschritt(Ventil v, double Soll, double gemessen) {
    // Rounded so a deviation of 0.1 in the readings' decimals is 0.1, not 0.1 and a bit.
    const double Abweichung = std::round(std::abs(Soll - gemessen) * 1e9) / 1e9;
    const double Schritt = Abweichung > 10 ? 2 : Abweichung > 1 ? 0.1 : Abweichung > 0.1 ? 0.01 : 0;
    const double Richtung = v == Sauerstoff ? 1 : -1;
    return gemessen >= Soll ? -Richtung * Schritt : Richtung * Schritt;
}

double Oeffnung_begrenzen(double Prozent) {
    return std::isfinite(Prozent) ? std::clamp(Prozent, 0.0, 100.0) : 0.0;
}

double Oeffnung_mV(double Prozent) {
    return Oeffnung_begrenzen(Prozent) * 0.01 * Unit_DaqOntrakCom::Ausgang_max_mV;
}

double Enddruck_kompensiert(double Enddruck, double C_jetzt, double C_Start) {
    if (!(C_Start + 273 > 0) || !std::isfinite(C_jetzt)) return Enddruck;
    return Enddruck * (C_jetzt + 273) / (C_Start + 273);
}

std::string Fuellzeit_Text(long Sekunden) {
    Sekunden = std::max(0L, Sekunden);
    char Text[32];
    std::snprintf(Text, sizeof Text, "%02ld:%02ld:%02ld", Sekunden / 3600, Sekunden / 60 % 60, Sekunden % 60);
    return Text;
}

std::optional<double> Lieferleistung(double bar_Start, double bar_Ende, double l_Flasche, long Sekunden) {
    if (Sekunden <= 0) return std::nullopt;
    return (bar_Ende - bar_Start) * l_Flasche / (Sekunden / 60.0);
}

G::Gas Mix_gemessen(const Stand& s) {
    return {{s.O2_b, 100 - s.He - s.O2_b, s.He}, s.bar_aktuell, s.Ziel.vorher.l};
}

std::optional<G::Anteile> Mix_abgefuellt(const Stand& s) {
    const G::Gas& v = s.Ziel.vorher;
    const double barL_vorher = v.l * v.bar * 0.01;
    const double O2 = barL_vorher * v.Anteil.O2 + s.barL_O2 + s.barL_Luft * G::Luft.O2 * 0.01;
    const double He = barL_vorher * v.Anteil.He + s.barL_He;
    const double N2 = barL_vorher * v.Anteil.N2 + s.barL_Luft * G::Luft.N2 * 0.01;
    const double Summe = O2 + He + N2;
    if (!(Summe > 0.1)) return std::nullopt;
    return G::Anteile{O2 / Summe * 100, N2 / Summe * 100, He / Summe * 100};
}

std::string Fuellbericht(const Stand& s) {
    const auto Leistung = Lieferleistung(s.bar_Start, s.bar_aktuell, s.Ziel.vorher.l, s.Fuellzeit_s);
    return Text_waehlen("Füllung beendet", "Fill finished") + "\n" + Text_waehlen("Zeit = ", "Time = ") +
           Fuellzeit_Text(s.Fuellzeit_s) + "\n" + Text_waehlen("Druck = ", "Pressure = ") +
           Zahl(s.bar_Start) + " bar ... " + Zahl(s.bar_aktuell) + " bar\n" +
           Text_waehlen("Leistung = ", "Delivery = ") +
           (Leistung ? Zahl(*Leistung) + Text_waehlen(" Liter/min", " litres/min")
                     : Text_waehlen("– (Füllzeit unter 1 s)", "– (fill time below 1 s)"));
}

void Fuellregler::Ziel_setzen(const G::Fuellziel& Ziel) {
    S.Ziel = Ziel;
    S.Ziel_gesetzt = true;
    S.bar_Ende_kompensiert = Ziel.Enddruck;
    Zuruecksetzen();
}

void Fuellregler::Zuruecksetzen() {
    S.Fuellzeit_s = 0;
    S.Bezug_gesetzt = false;
    S.barL_O2 = S.barL_He = S.barL_Luft = S.Euro = 0;
    S.bar_aktuell = S.bar_vorher = S.Ziel.vorher.bar;
}

std::optional<std::string> Fuellregler::Fehlerhafte_Messung(const S::Messwerte& m) const {
    std::string Sensoren;
    for (const auto s : {S::O2_a, S::O2_b, S::Druck})
        if (!m.ok[s] || !std::isfinite(m.Wert[s])) Sensoren += (Sensoren.empty() ? "" : ", ") + Sensorname(s);
    if (!Sensoren.empty())
        return Text_waehlen("Die Messung ist fehlgeschlagen: ", "The reading failed: ") + Sensoren + ".";
    if (!He_Anteil(m.Wert[S::O2_a], m.Wert[S::O2_b]))
        return Text_waehlen("Sauerstoff 1 zeigt keinen Sauerstoff an.", "Oxygen 1 shows no oxygen.");
    return std::nullopt;
}

bool Fuellregler::Messung_uebernehmen(const S::Messwerte& m) {
    if (Fehlerhafte_Messung(m)) return false;
    S.O2_a = m.Wert[S::O2_a];
    S.O2_b = m.Wert[S::O2_b];
    S.He = *He_Anteil(S.O2_a, S.O2_b);
    if (m.ok[S::Temperatur] && std::isfinite(m.Wert[S::Temperatur])) S.Temperatur = m.Wert[S::Temperatur];
    Druck_setzen(m.Wert[S::Druck]);
    return true;
}

void Fuellregler::Druck_setzen(double bar) {
    if (!std::isfinite(bar)) return;
    S.bar_aktuell = bar;
    const double geliefert = (S.bar_aktuell - S.bar_vorher) * S.Ziel.vorher.l;
    const Stromanteile a = Strom_zerlegen(S.O2_b, S.He);
    S.barL_O2 += geliefert * a.O2 * 0.01;
    S.barL_He += geliefert * a.He * 0.01;
    S.barL_Luft += geliefert * a.Luft * 0.01;
    S.Euro = (S.barL_O2 * G::ct_O2 + S.barL_He * G::ct_He + S.barL_Luft * G::ct_Luft) * 0.01;
    S.bar_vorher = S.bar_aktuell;
}

bool Fuellregler::Ventil_setzen(Ventil v, double Prozent) {
    S.Oeffnung[v] = Oeffnung_begrenzen(Prozent);
    return Wandler.Ausgang_setzen(v, Oeffnung_mV(S.Oeffnung[v]));
}

bool Fuellregler::Ventile_schliessen() {
    const bool O2_zu = Ventil_setzen(Sauerstoff, 0);
    const bool He_zu = Ventil_setzen(Helium, 0);
    return O2_zu && He_zu;
}

bool Fuellregler::Fuellung_starten(bool Simulation) {
    if (!S.Ziel_gesetzt) return false;
    Zuruecksetzen();
    S.Simulation = Simulation;
    S.fuellt = S.erster_Durchgang = true;
    S.bar_Start = S.bar_aktuell;
    S.Temperatur_Start = S.Temperatur;
    S.bar_Ende_kompensiert = S.Ziel.Enddruck;
    return true;
}

void Fuellregler::Sekunde() {
    if (S.fuellt) ++S.Fuellzeit_s;
}

bool Fuellregler::Ventile_zu_bestaetigt() {
    // Without a converter a simulated fill has no valve to close.
    return Ventile_schliessen() || (S.Simulation && !Wandler.verbunden());
}

std::string Fuellregler::Abbrechen(const std::string& Grund) {
    S.fuellt = false;
    const bool zu = Ventile_zu_bestaetigt();
    return Text_waehlen("Füllung abgebrochen: ", "Fill stopped: ") + Grund + " " +
           (zu ? Text_waehlen("Beide Ventile sind geschlossen.", "Both valves are closed.") : Nicht_zu()) +
           "\n\n" + Fuellbericht(S);
}

std::optional<std::string> Fuellregler::Fuellzyklus(const S::Messwerte& m) {
    if (!S.fuellt) return std::nullopt;
    if (!S.Simulation && !Wandler.verbunden())
        return Abbrechen(Text_waehlen("Die Verbindung zum Wandler ist unterbrochen.",
                                      "The link to the converter is lost."));
    if (auto Fehler = Fehlerhafte_Messung(m)) return Abbrechen(*Fehler);
    // The fill starts at the pressure the cylinder has, not at the one typed for it: a gap
    // between the two was never delivered.
    if (S.erster_Durchgang) S.bar_vorher = m.Wert[S::Druck];
    Messung_uebernehmen(m);
    if (S.erster_Durchgang) {
        S.bar_Start = S.bar_aktuell;
        S.Temperatur_Start = S.Temperatur;
    }
    if (auto Fehler = Zellen_folgen_nicht()) return Abbrechen(*Fehler);
    const bool gesendet = !S.Automatik || Steuern() || S.Simulation;
    S.erster_Durchgang = false;
    S.bar_Ende_kompensiert = Enddruck_kompensiert(S.Ziel.Enddruck, S.Temperatur, S.Temperatur_Start);
    if (!gesendet)
        return Abbrechen(Text_waehlen("Der Wandler hat die Ventilstellung nicht angenommen.",
                                      "The converter did not take the valve setting."));
    return std::nullopt;
}

std::optional<std::string> Fuellregler::Zellen_folgen_nicht() {
    // Left alone, the steering would drive a valve open on a reading that never changes.
    if (S.Simulation || S.Fuellzeit_s < s_bis_Regelung) return std::nullopt;
    const std::array<double, 2> Zelle{S.O2_a, S.O2_b};
    if (!std::exchange(S.Bezug_gesetzt, true)) {
        S.Bezug_Oeffnung = {S.Oeffnung[Sauerstoff], S.Oeffnung[Helium]};
        S.Bezug_Zelle = Zelle;
    }
    for (const Ventil v : {Sauerstoff, Helium}) {
        if (std::abs(S.Oeffnung[v] - S.Bezug_Oeffnung[v]) < Ventilweg_Pruefung) continue;
        if (std::abs(Zelle[v] - S.Bezug_Zelle[v]) < Zellweg_min)
            return Sensorname(v == Sauerstoff ? S::O2_a : S::O2_b) +
                   Text_waehlen(" folgt seinem Ventil nicht (bleibt bei ",
                                " does not follow its valve (stays at ") +
                   Zahl(Zelle[v], 2) +
                   Text_waehlen(" %, während das Ventil von ", " % while the valve moved from ") +
                   Zahl(S.Bezug_Oeffnung[v]) + Text_waehlen(" auf ", " to ") + Zahl(S.Oeffnung[v]) +
                   Text_waehlen(" % ging). Ist die Zelle ausgefallen?", " %). Has the cell failed?");
        S.Bezug_Oeffnung[v] = S.Oeffnung[v];
        S.Bezug_Zelle[v] = Zelle[v];
    }
    return std::nullopt;
}

bool Fuellregler::Steuern() {
    if (S.erster_Durchgang) {
        const bool O2 = Ventil_setzen(Sauerstoff, Anfangsoeffnung(Sauerstoff, S.Ziel));
        return Ventil_setzen(Helium, Anfangsoeffnung(Helium, S.Ziel)) && O2;
    }
    if (S.Fuellzeit_s < s_bis_Regelung) return true;
    const bool O2 =
        Ventil_setzen(Sauerstoff, S.Oeffnung[Sauerstoff] + Ventilschritt(Sauerstoff, S.Ziel.Sensor1, S.O2_a));
    return Ventil_setzen(Helium, S.Oeffnung[Helium] + Ventilschritt(Helium, S.Ziel.Sensor2, S.O2_b)) && O2;
}

std::string Fuellregler::Fuellung_beenden() {
    S.fuellt = false;
    const bool zu = Ventile_zu_bestaetigt();
    return Fuellbericht(S) + (zu ? "" : "\n\n" + Nicht_zu());
}

} // namespace Unit_Gasmischer_Fuellung
