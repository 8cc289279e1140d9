#include "blender/Unit_Gasmischer_Sensoren.hpp"

#include "blender/Unit_Gasmischer.hpp"
#include "lang/Unit_Tools.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace Unit_Gasmischer_Sensoren {

using Uhr = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Unit_Tools::Text_waehlen;

namespace {

// A table file holds a hundred short lines at most; anything far bigger is not one.
constexpr std::uintmax_t Datei_max_Bytes = 64 * 1024;

std::string Zahl(int Stellen, double Wert) {
    return Unit_Tools::Zahl_formatieren(0, Stellen, Wert);
}

bool Zahl_aus(std::string Wort, double& Wert) {
    // A doubled minus in front is one minus.
    if (Wort.rfind("--", 0) == 0) Wort.erase(0, 1);
    long double x = 0;
    if (Wort.empty() || !Unit_Tools::ist_Zahlzeichen(Wort) || !Unit_Tools::Zahl_umwandeln(Wort, x))
        return false;
    Wert = double(x);
    return std::isfinite(Wert);
}

std::string Zeilenfehler(int Zeile, const std::string& Text) {
    return Text_waehlen("Zeile " + std::to_string(Zeile) + ": >" + Text +
                            "< ist kein Punkt der Tabelle (mV und Wert). Die Tabelle bleibt, wie sie war.",
                        "Line " + std::to_string(Zeile) + ": >" + Text +
                            "< is no point of the table (mV and value). The table stays as it was.");
}

double Fortschritt_in_Prozent(Uhr::duration vergangen, milliseconds Messzeit) {
    if (Messzeit.count() <= 0) return 100;
    return std::min(100.0, std::chrono::duration<double, std::milli>(vergangen).count() /
                               double(Messzeit.count()) * 100);
}

// Rounds until the measuring time has passed (at least one) or weiter() says stop.
template <typename Runde>
milliseconds Schleife(milliseconds Messzeit, const Weiter& weiter, const Fortschritt& Fortschritt_melden,
                      Runde&& runde) {
    const auto Beginn = Uhr::now();
    for (;;) {
        if (weiter && !weiter()) break;
        runde();
        const auto vergangen = Uhr::now() - Beginn;
        if (Fortschritt_melden) Fortschritt_melden(Fortschritt_in_Prozent(vergangen, Messzeit));
        if (vergangen >= Messzeit) break;
    }
    return std::chrono::duration_cast<milliseconds>(Uhr::now() - Beginn);
}

Tabelle Tabelle_aus(std::initializer_list<Punkt> Punkte, int n_Luft) {
    return {std::vector<Punkt>(Punkte), n_Luft};
}

} // namespace

void Statistik::hinzufuegen(double mV, bool gelungen) {
    if (!gelungen) {
        ok = false;
        return;
    }
    ++n;
    Min = std::min(Min, mV);
    Max = std::max(Max, mV);
    Summe += mV;
    Quadratsumme += mV * mV;
}

void Statistik::abschliessen() {
    if (n < 1) {
        *this = Statistik{};
        Min = Max = 0;
        ok = false;
        return;
    }
    Mittel = Summe / n;
    Standardabweichung = std::sqrt(std::fabs(Quadratsumme / n - Mittel * Mittel));
    Fehler_Prozent = Mittel != 0 ? std::fabs(Standardabweichung / (std::sqrt(double(n)) * Mittel) * 100) : 0;
}

Sensorsatz Anfangszustand() {
    Sensorsatz s;
    s[O2_a].Standard = Tabelle_aus({{0.0, 0.0}, {411.3, 20.9}, {2004.77, 100.0}}, 2);
    s[O2_b].Standard = Tabelle_aus({{4.9, 0.0}, {489.2, 20.9}, {2330.41, 100.0}}, 2);
    s[Druck].Standard = Tabelle_aus({{996.0, 0.0}, {4980.0, 400.0}}, 1);
    s[Temperatur].Standard = Tabelle_aus({{2648.7, -10.0}, {2898.7, 14.5}, {3748.7, 100.0}}, 2);
    for (auto& d : s) d.Aktuell = d.Standard;
    return s;
}

std::string Name(Sensor s) {
    switch (s) {
    case O2_a:
        return Text_waehlen("Sauerstoff 1", "Oxygen 1");
    case O2_b:
        return Text_waehlen("Sauerstoff 2", "Oxygen 2");
    case Druck:
        return Text_waehlen("Druck", "Pressure");
    case Temperatur:
        return Text_waehlen("Temperatur", "Temperature");
    }
    return {};
}

std::string Einheit(Sensor s) {
    return s == Druck ? "bar" : s == Temperatur ? "°C" : "%";
}

double Wert_aus_mV(const Tabelle& t, double mV) {
    if (t.Punkte.empty()) return 0;
    if (mV <= t.Punkte.front().mV) return t.Punkte.front().Wert;
    for (std::size_t i = 1; i < t.Punkte.size(); ++i) {
        const Punkt& a = t.Punkte[i - 1];
        const Punkt& b = t.Punkte[i];
        if (mV <= b.mV) return a.Wert + (mV - a.mV) / (b.mV - a.mV) * (b.Wert - a.Wert);
    }
    return t.Punkte.back().Wert;
}

std::string Tabellentext(const Tabelle& t) {
    std::string Text;
    for (const Punkt& p : t.Punkte)
        Text += Unit_Tools::Zahl_formatieren_Punkt(8, 3, p.mV) + ' ' +
                Unit_Tools::Zahl_formatieren_Punkt(6, 2, p.Wert) + '\n';
    return Text;
}

std::string Tabelle_lesen(const std::string& Text, Tabelle& t) {
    std::vector<Punkt> Punkte;
    std::istringstream Zeilen(Text);
    std::string Zeile;
    for (int Nummer = 1; std::getline(Zeilen, Zeile); ++Nummer) {
        std::istringstream Woerter(Zeile);
        std::string mV, Wert;
        if (!(Woerter >> mV)) continue; // blank line
        Punkt p;
        if (!(Woerter >> Wert) || !Zahl_aus(mV, p.mV) || !Zahl_aus(Wert, p.Wert))
            return Zeilenfehler(Nummer, Zeile);
        if (!Punkte.empty() && p.mV <= Punkte.back().mV)
            return Text_waehlen(
                "Zeile " + std::to_string(Nummer) +
                    ": die mV müssen von Zeile zu Zeile steigen. Die Tabelle bleibt, wie sie war.",
                "Line " + std::to_string(Nummer) +
                    ": the mV must rise from line to line. The table stays as it was.");
        Punkte.push_back(p);
    }
    if (Punkte.size() != t.Punkte.size()) {
        const std::string Soll = std::to_string(t.Punkte.size()), Ist = std::to_string(Punkte.size());
        return Text_waehlen("Die Tabelle braucht " + Soll + " Punkte, der Text hat " + Ist +
                                ". Die Tabelle bleibt, wie sie war.",
                            "The table needs " + Soll + " points, the text has " + Ist +
                                ". The table stays as it was.");
    }
    t.Punkte = std::move(Punkte);
    return {};
}

std::string Tabelle_laden(const std::string& Pfad, Tabelle& t) {
    std::error_code Fehler;
    const auto Groesse = std::filesystem::file_size(Pfad, Fehler);
    std::ifstream Datei(Pfad, std::ios::binary);
    if (Fehler || !Datei)
        return Text_waehlen(">" + Pfad + "< kann nicht gelesen werden.", ">" + Pfad + "< cannot be read.");
    if (Groesse > Datei_max_Bytes)
        return Text_waehlen(">" + Pfad +
                                "< ist zu groß für eine Kalibriertabelle. Die Tabelle bleibt, wie sie war.",
                            ">" + Pfad + "< is too big for a calibration table. The table stays as it was.");
    std::ostringstream Inhalt;
    Inhalt << Datei.rdbuf();
    const std::string Meldung = Tabelle_lesen(Inhalt.str(), t);
    return Meldung.empty() ? Meldung : Pfad + ":\n" + Meldung;
}

std::string Tabelle_speichern(const std::string& Pfad, const Tabelle& t) {
    // Written beside the file first, so a full disk cannot leave half a table behind.
    const std::string Neu = Pfad + ".neu";
    {
        std::ofstream Datei(Neu, std::ios::binary | std::ios::trunc);
        Datei << Tabellentext(t);
        Datei.close();
        if (!Datei) {
            std::error_code e;
            std::filesystem::remove(Neu, e);
            return Text_waehlen(">" + Pfad + "< kann nicht geschrieben werden.",
                                ">" + Pfad + "< cannot be written.");
        }
    }
    std::error_code Fehler;
    std::filesystem::rename(Neu, Pfad, Fehler);
    if (Fehler) {
        std::filesystem::remove(Neu, Fehler);
        return Text_waehlen(">" + Pfad + "< kann nicht geschrieben werden.",
                            ">" + Pfad + "< cannot be written.");
    }
    return {};
}

Messergebnis Messen(Sensorsatz& s, Unit_DaqOntrakCom::Wandler& w, milliseconds Messzeit, const Weiter& weiter,
                    const Fortschritt& Fortschritt_melden) {
    Messergebnis e;
    e.Dauer = Schleife(Messzeit, weiter, Fortschritt_melden, [&] {
        for (int k = 0; k < Anzahl_Sensoren; ++k) {
            const auto m = w.Spannung_lesen(Unit_DaqOntrakCom::Messart::Einzeln, k);
            e.Statistiken[std::size_t(k)].hinzufuegen(m.Wert * 1000.0, m.ok);
            // A reading that waited out its reply took 100 ms: a Stop must not wait for three more.
            if (!m.ok && weiter && !weiter()) break;
        }
    });
    for (std::size_t k = 0; k < s.size(); ++k) {
        e.Statistiken[k].abschliessen();
        s[k].Messung = e.Statistiken[k];
        s[k].Wert = Wert_aus_mV(s[k].Aktuell, e.Statistiken[k].Mittel);
        e.Werte.Wert[k] = s[k].Wert;
        e.Werte.ok[k] = e.Statistiken[k].ok;
    }
    return e;
}

milliseconds Warten(milliseconds Messzeit, const Weiter& weiter, const Fortschritt& Fortschritt_melden) {
    return Schleife(Messzeit, weiter, Fortschritt_melden,
                    [] { std::this_thread::sleep_for(milliseconds(10)); });
}

Kalibrierung Auf_Luft_kalibrieren(Sensorsatz& s) {
    const auto Luft_O2 = Unit_Gasmischer::Luft.O2;
    std::array<double, 2> Faktor{};
    for (Sensor k : {O2_a, O2_b}) {
        const Tabelle& t = s[k].Standard;
        const double Luft_mV = t.Punkte[std::size_t(t.n_Luft - 1)].mV;
        // A dead cell reads nothing on air: its scaled table would no longer rise.
        if (!s[k].Messung.ok || !(s[k].Messung.Mittel > 0) || !(Luft_mV > 0))
            return {false, Text_waehlen("Kalibrierung der Sauerstoffsensoren hat nicht funktioniert",
                                        "Calibration of the oxygen sensors did not work")};
        Faktor[k] = s[k].Messung.Mittel / Luft_mV;
    }
    for (Sensor k : {O2_a, O2_b}) {
        s[k].Aktuell = s[k].Standard;
        for (Punkt& p : s[k].Aktuell.Punkte) p.mV *= Faktor[k];
    }
    for (auto& d : s) d.Wert = Wert_aus_mV(d.Aktuell, d.Messung.Mittel);
    const std::string Zellen = "\nO2 (a) : " + Zahl(1, s[O2_a].Messung.Mittel) +
                               " mV\nO2 (b) : " + Zahl(1, s[O2_b].Messung.Mittel) + " mV";
    return {true, Text_waehlen("Sauerstoffsensoren sind auf Luft (" + Zahl(1, Luft_O2) + " % O2) kalibriert.",
                               "Oxygen sensors are calibrated on air (" + Zahl(1, Luft_O2) + " % O2).") +
                      Zellen};
}

Kalibrierung Auf_Luft_kalibrieren(Sensorsatz& s, Unit_DaqOntrakCom::Wandler& w, milliseconds Messzeit_cal,
                                  const Weiter& weiter, const Fortschritt& Fortschritt_melden) {
    Messen(s, w, Messzeit_cal, weiter, Fortschritt_melden);
    return Auf_Luft_kalibrieren(s);
}

} // namespace Unit_Gasmischer_Sensoren
