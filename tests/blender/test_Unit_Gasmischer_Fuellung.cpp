// The continuous fill: the stream read from the two cells, the delivered gas booked against a hand
// calculation, every way a fill must end with closed valves, and the steering bringing the
// simulated stand to a trimix's targets.
#include "blender/Unit_Gasmischer_Fuellung.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/Mischstand.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <functional>
#include <limits>

using namespace Unit_Gasmischer_Fuellung;
namespace S = Unit_Gasmischer_Sensoren;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

S::Messwerte Messwerte(double O2_a, double O2_b, double bar, double C = 20) {
    S::Messwerte m;
    m.Wert = {O2_a, O2_b, bar, C};
    m.ok.fill(true);
    return m;
}

G::Fuellziel Trimix_21_35() {
    const G::Gas leer{G::Luft, 0, 6.8};
    const G::Gas Trimix{G::auf_100_Prozent(21, 35), 200, 6.8};
    return *G::Ziel_fuer_Einduesen(leer, Trimix);
}

} // namespace

class Fuellung_Test : public Testumgebung {};

TEST_F(Fuellung_Test, Grenzfaelle_der_Formeln) {
    const auto Anteil = [](double a, double b) { return He_Anteil(a, b).value_or(-1); };
    const struct {
        const char* Fall;
        double Ergebnis, erwartet;
    } Faelle[] = {
        {"He aus 32 % und 16 %", Anteil(32, 16), 50},
        {"He aus Luft", Anteil(20.9, 20.9), 0},
        {"He ohne Sauerstoff in Zelle a", Anteil(0, 16), -1},
        {"He aus NaN", Anteil(NaN, 16), -1},
        {"He nie negativ", Anteil(21, 25), 0},
        {"Schritt bei genau 0.1", Ventilschritt(Sauerstoff, 20.0, 19.9), 0},
        {"Schritt bei 0.11 unter dem Soll", Ventilschritt(Sauerstoff, 20.0, 19.89), 0.01},
        {"Schritt bei 0.11 über dem Soll", Ventilschritt(Sauerstoff, 20.0, 20.11), -0.01},
        {"He-Ventil schließt, wenn Zelle b zu wenig zeigt", Ventilschritt(Helium, 20, 18.5), -0.1},
        {"He-Ventil öffnet weit über dem Soll", Ventilschritt(Helium, 20, 31), 2},
        {"Schritt bei NaN", Ventilschritt(Sauerstoff, 20, NaN), 0},
        {"Öffnung über 100", Oeffnung_mV(150), 5000},
        {"Öffnung unter 0", Oeffnung_mV(-3), 0},
        {"Öffnung NaN", Oeffnung_mV(NaN), 0},
        {"Öffnung unendlich", Oeffnung_mV(std::numeric_limits<double>::infinity()), 0},
        {"Enddruck bei 30 statt 20 °C", Enddruck_kompensiert(200, 30, 20), 200.0 * 303 / 293},
        {"Leistung 10 bar in 10 l pro Minute", Lieferleistung(100, 110, 10, 60).value_or(-1), 100},
        {"Leistung bei Füllzeit 0", Lieferleistung(100, 110, 10, 0).value_or(-1), -1},
    };
    for (const auto& f : Faelle) EXPECT_NEAR(f.Ergebnis, f.erwartet, 1e-9) << f.Fall;

    const std::pair<long, const char*> Zeiten[] = {
        {3725, "01:02:05"}, {0, "00:00:00"}, {-4, "00:00:00"}, {86399, "23:59:59"}};
    for (const auto& [s, Text] : Zeiten) EXPECT_EQ(Fuellzeit_Text(s), Text) << s;
}

TEST_F(Fuellung_Test, bucht_das_Gelieferte_wie_von_Hand_gerechnet) {
    Mischstand Anlage;
    Unit_DaqOntrakCom::Wandler w(Anlage);
    Fuellregler r(w);
    G::Fuellziel Ziel;
    Ziel.vorher = {G::Luft, 50, 10};
    r.Ziel_setzen(Ziel);
    ASSERT_TRUE(r.Messung_uebernehmen(Messwerte(32, 16, 50)));
    ASSERT_TRUE(r.Messung_uebernehmen(Messwerte(32, 16, 60)));
    // 10 bar into 10 l: 100 barL of a stream with 50 % He, 16 % O2, so 34 % N2 = 42.983 % air.
    const double Luft = 34 / 0.791;
    const Stand& s = r.Zustand();
    EXPECT_NEAR(s.barL_He, 50, 1e-9);
    EXPECT_NEAR(s.barL_Luft, Luft, 1e-9);
    EXPECT_NEAR(s.barL_O2, 100 - 50 - Luft, 1e-9);
    EXPECT_NEAR(s.Euro, ((100 - 50 - Luft) * 1.0 + 50 * 3.0 + Luft * 0.2) * 0.01, 1e-9);
    EXPECT_EQ(s.bar_vorher, 60);
    // 500 barL of air before: 104.5 O2 and 395.5 N2; then 50 He, 34 N2 and 16 O2 of the stream.
    const auto Mix = Mix_abgefuellt(s);
    ASSERT_TRUE(Mix);
    EXPECT_NEAR(Mix->O2, 120.5 / 600 * 100, 1e-9);
    EXPECT_NEAR(Mix->N2, 429.5 / 600 * 100, 1e-9);
    EXPECT_NEAR(Mix->He, 50.0 / 600 * 100, 1e-9);
    const G::Gas gemessen = Mix_gemessen(s);
    EXPECT_NEAR(gemessen.Anteil.N2, 34, 1e-9);

    // A cell below air's oxygen reads a little off; no oxygen is booked negative.
    r.Zuruecksetzen();
    ASSERT_TRUE(r.Messung_uebernehmen(Messwerte(20.5, 20.5, 60)));
    EXPECT_NEAR(r.Zustand().barL_Luft, 100, 1e-9);
    EXPECT_EQ(r.Zustand().barL_O2, 0);
    Ziel.vorher.bar = 0;
    r.Ziel_setzen(Ziel);
    EXPECT_FALSE(Mix_abgefuellt(r.Zustand()));
}

namespace {

struct Sicherer_Fall {
    const char* Fall;
    std::function<void(Mischstand&, S::Messwerte&)> Stoerung;
    const char* Meldung_enthaelt;
    bool Ventile_geschlossen;
};

} // namespace

TEST_F(Fuellung_Test, jede_Stoerung_schliesst_die_Ventile_und_beendet_die_Fuellung) {
    const auto ausfallen = [](int Sensor) {
        return [Sensor](Mischstand&, S::Messwerte& m) {
            m.ok[Sensor] = false;
            m.Wert[Sensor] = -1;
        };
    };
    const Sicherer_Fall Faelle[] = {
        {"Zelle a fällt aus", ausfallen(S::O2_a), "Sauerstoff 1", true},
        {"Zelle b fällt aus", ausfallen(S::O2_b), "Sauerstoff 2", true},
        {"Druck fällt aus", ausfallen(S::Druck), "Druck", true},
        {"Druck ist keine Zahl", [](Mischstand&, S::Messwerte& m) { m.Wert[S::Druck] = NaN; }, "Druck", true},
        {"Zelle a zeigt 0 %", [](Mischstand&, S::Messwerte& m) { m.Wert[S::O2_a] = 0; }, "keinen Sauerstoff",
         true},
        {"Verbindung verloren", [](Mischstand& st, S::Messwerte&) { st.Verbindung = false; }, "von Hand",
         false},
    };
    for (const auto& f : Faelle) {
        Mischstand Anlage;
        Unit_DaqOntrakCom::Wandler w(Anlage);
        Fuellregler r(w);
        r.Ziel_setzen(Trimix_21_35());
        ASSERT_TRUE(r.Fuellung_starten(false));
        for (int i = 0; i < 8; ++i) {
            Anlage.Fortschreiben(1);
            r.Sekunde();
            ASSERT_FALSE(r.Fuellzyklus(Anlage.Messen())) << f.Fall;
        }
        ASSERT_GT(r.Zustand().Oeffnung[Sauerstoff], 0) << f.Fall;
        S::Messwerte m = Anlage.Messen();
        f.Stoerung(Anlage, m);
        const std::size_t vorher = Anlage.Zeilen.size();
        const auto Meldung = r.Fuellzyklus(m);
        ASSERT_TRUE(Meldung) << f.Fall;
        EXPECT_NE(Meldung->find(f.Meldung_enthaelt), std::string::npos) << f.Fall << ": " << *Meldung;
        EXPECT_NE(Meldung->find("Füllung beendet\nZeit = 00:00:08"), std::string::npos) << *Meldung;
        EXPECT_FALSE(r.Zustand().fuellt) << f.Fall;
        const std::vector<std::string> gesendet(Anlage.Zeilen.begin() + long(vorher), Anlage.Zeilen.end());
        const std::vector<std::string> erwartet =
            f.Ventile_geschlossen ? std::vector<std::string>{"VA0", "VB0"} : std::vector<std::string>{};
        EXPECT_EQ(gesendet, erwartet) << f.Fall;
        // A stopped fill steers nothing more, whatever the readings.
        EXPECT_FALSE(r.Fuellzyklus(Messwerte(10, 50, 10)));
        EXPECT_EQ(Anlage.Zeilen.size(), vorher + gesendet.size()) << f.Fall;
        EXPECT_LE(Anlage.groesster_Code(), 4095) << f.Fall;
    }
}

TEST_F(Fuellung_Test, eine_haengende_Zelle_beendet_die_Fuellung_bevor_ein_Ventil_weit_aufgeht) {
    // Each cell stuck on air from the start (it answers, but never changes), with a target its valve
    // must move for: 21/35 for the oxygen cell, a leaner 18/45 for the helium one.
    for (const int Zelle : {1, 2}) {
        Unit_ADR_Simulation::Einstellungen e;
        e.Zelle_eingefroren = Zelle;
        Mischstand Anlage(e);
        Unit_DaqOntrakCom::Wandler w(Anlage);
        Fuellregler r(w);
        const G::Gas Trimix_18_45{G::auf_100_Prozent(18, 45), 200, 6.8};
        r.Ziel_setzen(Zelle == 1 ? Trimix_21_35() : *G::Ziel_fuer_Einduesen({G::Luft, 0, 6.8}, Trimix_18_45));
        ASSERT_TRUE(r.Fuellung_starten(false));
        std::optional<std::string> Meldung;
        int Zyklus = 0;
        for (; Zyklus < 120 && !Meldung; ++Zyklus) {
            Anlage.Fortschreiben(1);
            r.Sekunde();
            Meldung = r.Fuellzyklus(Anlage.Messen());
        }
        ASSERT_TRUE(Meldung) << Zelle;
        EXPECT_NE(Meldung->find("folgt seinem Ventil nicht"), std::string::npos) << *Meldung;
        EXPECT_LE(Zyklus, Zelle == 1 ? 10 : 45) << *Meldung;
        const auto Ventile = Anlage.Ventilzeilen();
        ASSERT_GE(Ventile.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(Ventile.end() - 2, Ventile.end()),
                  (std::vector<std::string>{"VA0", "VB0"}));
        // No valve went more than a few percent beyond its first opening on the stuck reading.
        for (const char Ausgang : {'A', 'B'}) {
            std::vector<int> Codes;
            for (const auto& z : Ventile)
                if (z[1] == Ausgang) Codes.push_back(std::stoi(z.substr(2)));
            EXPECT_LE(*std::max_element(Codes.begin(), Codes.end()) - Codes.front(), 4095 * 5 / 100)
                << Ausgang;
        }
    }
}

TEST_F(Fuellung_Test, Stop_schliesst_zuerst_die_Ventile_und_berichtet) {
    Mischstand Anlage;
    Unit_DaqOntrakCom::Wandler w(Anlage);
    Fuellregler r(w);
    EXPECT_FALSE(r.Fuellung_starten(false)); // no target yet
    EXPECT_FALSE(r.Zustand().fuellt);
    r.Ziel_setzen(Trimix_21_35());
    // Valves set by hand beyond their range go out clamped.
    EXPECT_TRUE(r.Ventil_setzen(Sauerstoff, 140));
    EXPECT_TRUE(r.Ventil_setzen(Helium, NaN));
    EXPECT_EQ(Anlage.Ventilzeilen(), (std::vector<std::string>{"VA4095", "VB0"}));
    ASSERT_TRUE(r.Fuellung_starten(false));
    EXPECT_EQ(r.Fuellung_beenden(), "Füllung beendet\nZeit = 00:00:00\nDruck = 0.0 bar ... 0.0 bar\n"
                                    "Leistung = – (Füllzeit unter 1 s)");
    ASSERT_TRUE(r.Fuellung_starten(false));
    for (int i = 0; i < 120; ++i) {
        Anlage.Fortschreiben(1);
        r.Sekunde();
        ASSERT_FALSE(r.Fuellzyklus(Anlage.Messen()));
    }
    Anlage.Zeilen.clear();
    Unit_Tools::Sprache = 1;
    const std::string Bericht = r.Fuellung_beenden();
    EXPECT_EQ(Anlage.Zeilen, (std::vector<std::string>{"VA0", "VB0"}));
    const auto bar = [](double p) { return Unit_Tools::Zahl_formatieren(0, 1, p); };
    const Stand& s = r.Zustand();
    const double Leistung = (s.bar_aktuell - s.bar_Start) * 6.8 / 2;
    EXPECT_GT(s.bar_Start, 0); // the pressure of the first pass, not the one typed before
    EXPECT_NEAR(s.barL_O2 + s.barL_He + s.barL_Luft, (s.bar_aktuell - s.bar_Start) * 6.8, 1e-9);
    EXPECT_EQ(Bericht, "Fill finished\nTime = 00:02:00\nPressure = " + bar(s.bar_Start) + " bar ... " +
                           bar(s.bar_aktuell) + " bar\nDelivery = " + bar(Leistung) + " litres/min");
    EXPECT_GT(Leistung, 100); // air alone streams 100 l/min
    Anlage.Verbindung = false;
    EXPECT_NE(r.Fuellung_beenden().find("close them by hand"), std::string::npos);
}

// How many one-second cycles the steering needs from the first openings to both cells within 0.2 %
// of their targets, held for ten cycles.
constexpr int Zyklen_bis_zum_Ziel = 30;

TEST_F(Fuellung_Test, Automatik_bringt_den_Strom_auf_ein_Trimix_21_35) {
    const G::Fuellziel Ziel = Trimix_21_35();
    for (const double Rauschen_mV : {0.0, 0.5}) {
        Unit_ADR_Simulation::Einstellungen e;
        e.Rauschen_mV = Rauschen_mV;
        Mischstand Anlage(e);
        Unit_DaqOntrakCom::Wandler w(Anlage);
        Fuellregler r(w);
        r.Ziel_setzen(Ziel);
        ASSERT_TRUE(r.Fuellung_starten(false));
        int im_Ziel = 0, Zyklus = 0;
        for (; Zyklus < 600 && im_Ziel < 10; ++Zyklus) {
            Anlage.Fortschreiben(1);
            r.Sekunde();
            ASSERT_FALSE(r.Fuellzyklus(Anlage.Messen()));
            const Stand& s = r.Zustand();
            const bool nah = std::abs(s.O2_a - Ziel.Sensor1) <= 0.2 && std::abs(s.O2_b - Ziel.Sensor2) <= 0.2;
            im_Ziel = nah ? im_Ziel + 1 : 0;
        }
        EXPECT_LE(Zyklus, Zyklen_bis_zum_Ziel) << Rauschen_mV;
        EXPECT_LE(Anlage.groesster_Code(), 4095);
        EXPECT_NEAR(r.Zustand().He, Ziel.He_Strom, 1.0);
        // On to the end pressure: the cylinder holds the trimix (its helium a little rich, as the
        // target allows for helium lost).
        while (r.Zustand().bar_aktuell < Ziel.Enddruck) {
            Anlage.Fortschreiben(1);
            r.Sekunde();
            ASSERT_FALSE(r.Fuellzyklus(Anlage.Messen()));
        }
        const auto Mix = Mix_abgefuellt(r.Zustand());
        ASSERT_TRUE(Mix);
        EXPECT_NEAR(Mix->O2, 21, 0.5);
        EXPECT_NEAR(Mix->He, 35, 1.2);
    }
}
