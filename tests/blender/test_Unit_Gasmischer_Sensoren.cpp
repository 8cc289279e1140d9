#include "blender/Unit_Gasmischer_Sensoren.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/ADR_Simulator.hpp"
#include "support/Terminal_Strecke.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace Unit_Gasmischer_Sensoren;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

class Sensoren : public Testumgebung {
  protected:
    Sensorsatz s = Anfangszustand();
};

void Luft_gemessen(Sensorsatz& s, double mV_a, double mV_b, bool ok_b = true) {
    s[O2_a].Messung = {};
    s[O2_b].Messung = {};
    s[O2_a].Messung.hinzufuegen(mV_a, true);
    s[O2_b].Messung.hinzufuegen(mV_b, ok_b);
    s[O2_b].Messung.hinzufuegen(mV_b, true);
    for (Sensor k : {O2_a, O2_b}) s[k].Messung.abschliessen();
}

TEST_F(Sensoren, Tabellen_setzen_zwischen_den_Punkten_linear_um_und_halten_die_Enden) {
    const struct {
        Sensor k;
        double mV, Wert;
    } Faelle[] = {
        {O2_a, 205.65, 10.45}, {O2_a, 3000, 100.0},        {O2_a, -5, 0.0},
        {O2_a, 411.3, 20.9},   {O2_b, 4.9, 0.0},           {Druck, 2988, 200.0},
        {Druck, 6000, 400.0},  {Temperatur, 2773.7, 2.25}, {Temperatur, 0, -10},
    };
    for (const auto& f : Faelle)
        EXPECT_NEAR(Wert_aus_mV(s[f.k].Aktuell, f.mV), f.Wert, 1e-9) << f.k << " " << f.mV;
}

TEST_F(Sensoren, Statistik_bekannter_Lesungen) {
    Statistik st;
    for (double mV : {1.0, 2.0, 3.0, 4.0}) st.hinzufuegen(mV, true);
    st.abschliessen();
    EXPECT_EQ(st.n, 4);
    EXPECT_EQ(st.Min, 1);
    EXPECT_EQ(st.Max, 4);
    EXPECT_DOUBLE_EQ(st.Mittel, 2.5);
    EXPECT_NEAR(st.Standardabweichung, std::sqrt(1.25), 1e-12);
    EXPECT_NEAR(st.Fehler_Prozent, std::sqrt(1.25) / (2 * 2.5) * 100, 1e-9);
    EXPECT_TRUE(st.ok);

    // A failed reading is no voltage: it clears ok and leaves the figures of the others.
    st = {};
    for (double mV : {10.0, 30.0}) st.hinzufuegen(mV, true);
    st.hinzufuegen(-1000, false);
    st.abschliessen();
    EXPECT_FALSE(st.ok);
    EXPECT_EQ(st.n, 2);
    EXPECT_DOUBLE_EQ(st.Mittel, 20);
    EXPECT_EQ(st.Min, 10);

    st = {};
    st.abschliessen();
    EXPECT_FALSE(st.ok) << "a measurement without a reading cannot be trusted";
    EXPECT_EQ(st.Min, 0);
    EXPECT_EQ(st.Max, 0);
    EXPECT_EQ(st.Mittel, 0);
}

TEST_F(Sensoren, Kalibrierung_auf_Luft_skaliert_die_mV_der_Standardtabelle) {
    Luft_gemessen(s, 430, 500);
    const auto k = Auf_Luft_kalibrieren(s);
    ASSERT_TRUE(k.ok) << k.Meldung;
    EXPECT_EQ(k.Meldung.rfind("Sauerstoffsensoren sind auf Luft (20.9 % O2) kalibriert.\nO2 (a) : ", 0), 0u)
        << k.Meldung;
    for (auto [Zelle, Faktor] : {std::pair{O2_a, 430 / 411.3}, std::pair{O2_b, 500 / 489.2}}) {
        const auto& Aktuell = s[Zelle].Aktuell.Punkte;
        const auto& Standard = s[Zelle].Standard.Punkte;
        ASSERT_EQ(Aktuell.size(), Standard.size());
        for (std::size_t i = 0; i < Aktuell.size(); ++i) {
            EXPECT_NEAR(Aktuell[i].mV, Standard[i].mV * Faktor, 1e-9);
            EXPECT_EQ(Aktuell[i].Wert, Standard[i].Wert);
        }
        EXPECT_NEAR(s[Zelle].Wert, 20.9, 1e-9);
    }
}

TEST_F(Sensoren, Kalibrierung_verweigert_ohne_gute_Lesungen_und_laesst_die_Tabellen) {
    const struct {
        double mV_a, mV_b;
        bool ok_b;
    } Faelle[] = {{430, 500, false}, {0, 500, true}, {430, -3, true}};
    for (const auto& f : Faelle)
        for (int Sprache : {0, 1}) {
            Unit_Tools::Sprache = Sprache;
            Sensorsatz t = Anfangszustand();
            t[O2_a].Aktuell.Punkte[1].mV = 400; // a table the user set, to be kept
            const auto vorher = Tabellentext(t[O2_a].Aktuell) + Tabellentext(t[O2_b].Aktuell);
            Luft_gemessen(t, f.mV_a, f.mV_b, f.ok_b);
            const auto k = Auf_Luft_kalibrieren(t);
            EXPECT_FALSE(k.ok);
            EXPECT_EQ(k.Meldung, Sprache == 0 ? "Kalibrierung der Sauerstoffsensoren hat nicht funktioniert"
                                              : "Calibration of the oxygen sensors did not work");
            EXPECT_EQ(Tabellentext(t[O2_a].Aktuell) + Tabellentext(t[O2_b].Aktuell), vorher);
        }
    Unit_Tools::Sprache = 0;
}

TEST_F(Sensoren, Tabellentext_wird_gelesen_und_in_Normalform_geschrieben) {
    Tabelle& t = s[O2_a].Aktuell;
    EXPECT_EQ(Tabelle_lesen("--5 0\n\n  411,3\t20.9 % Luft\n2004.77 +100\n", t), "");
    const std::string Normalform = "  -5.000   0.00\n 411.300  20.90\n2004.770 100.00\n";
    EXPECT_EQ(Tabellentext(t), Normalform);
    EXPECT_EQ(Tabelle_lesen(Normalform, t), "");
    EXPECT_EQ(Tabellentext(t), Normalform);
}

TEST_F(Sensoren, Kaputter_Tabellentext_gibt_eine_Meldung_und_laesst_die_Tabelle) {
    const char* const Texte[] = {
        "",
        "0 0\n2004 100\n",
        "0 0\n411 20.9\n2004 100\n3000 120\n",
        "0 0\n411.3\n2004 100\n",
        "0 0\nabc 20.9\n2004 100\n",
        "0 0\n4l1.3 20.9\n2004 100\n",
        "0 0\n1.2.3 20.9\n2004 100\n",
        "0 0\n- 20.9\n2004 100\n",
        "0 0\n500 20.9\n400 100\n",
        "0 0\n0 20.9\n400 100\n",
    };
    const std::string vorher = Tabellentext(s[O2_a].Aktuell);
    for (const char* Text : Texte) {
        EXPECT_NE(Tabelle_lesen(Text, s[O2_a].Aktuell), "") << Text;
        EXPECT_EQ(Tabellentext(s[O2_a].Aktuell), vorher) << Text;
    }
}

TEST_F(Sensoren, Tabellen_in_Dateien_und_kaputte_Dateien) {
    const fs::path Ordner = fs::temp_directory_path() / ("brelune_sensoren_" + std::to_string(getpid()));
    fs::create_directories(Ordner);
    const auto Pfad = [&](const char* Name) { return (Ordner / Name).string(); };
    Tabelle& t = s[Druck].Aktuell;
    ASSERT_EQ(Tabelle_lesen("1000 0\n5000 410\n", t), "");
    ASSERT_EQ(Tabelle_speichern(Pfad("druck.txt"), t), "");
    Tabelle geladen = s[Druck].Standard;
    ASSERT_EQ(Tabelle_laden(Pfad("druck.txt"), geladen), "");
    EXPECT_EQ(Tabellentext(geladen), Tabellentext(t));

    std::ofstream(Pfad("kaputt.txt")) << "Druck\n1000 0\n";
    std::ofstream Riesig(Pfad("riesig.txt"));
    for (int i = 0; i < 100000; ++i) Riesig << "1000 0\n";
    Riesig.close();
    const std::string vorher = Tabellentext(geladen);
    for (const char* Name : {"kaputt.txt", "riesig.txt", "fehlt.txt", "."}) {
        EXPECT_NE(Tabelle_laden(Pfad(Name), geladen), "") << Name;
        EXPECT_EQ(Tabellentext(geladen), vorher) << Name;
    }
    EXPECT_NE(Tabelle_speichern(Pfad("fehlt/druck.txt"), t), "");
    fs::remove_all(Ordner);
}

struct Am_Simulator : Sensoren {
    void messen(std::vector<std::string> Optionen) {
        ADR_Simulator sim(std::move(Optionen));
        Terminal_Strecke Strecke(sim);
        ASSERT_TRUE(Strecke.verbunden()) << sim.Geraet;
        Unit_DaqOntrakCom::Wandler w(Strecke);
        Kalibriert = Auf_Luft_kalibrieren(s, w, 300ms, [] { return true; });
        Ergebnis = Messen(
            s, w, 300ms, [] { return true; }, [&](double p) { Fortschritt = p; });
    }
    Kalibrierung Kalibriert;
    Messergebnis Ergebnis;
    double Fortschritt = 0;
};

TEST_F(Am_Simulator, Luft_liest_nach_der_Kalibrierung_20_9_Prozent_auf_beiden_Zellen) {
    messen({});
    EXPECT_TRUE(Kalibriert.ok) << Kalibriert.Meldung;
    EXPECT_TRUE(Ergebnis.Werte.alle_ok());
    EXPECT_NEAR(Ergebnis.Werte.Wert[O2_a], 20.9, 0.3);
    EXPECT_NEAR(Ergebnis.Werte.Wert[O2_b], 20.9, 0.3);
    EXPECT_GE(Ergebnis.Statistiken[O2_a].n, 10);
    EXPECT_GE(Ergebnis.Dauer, 300ms);
    EXPECT_EQ(Fortschritt, 100);
}

TEST_F(Am_Simulator, Verlorene_Antworten_machen_ihre_Sensoren_ungueltig_und_verhindern_die_Kalibrierung) {
    // Every second reply is lost: in each round those of the second cell and the temperature.
    const Sensorsatz vorher = s;
    messen({"--drop-every", "2"});
    EXPECT_FALSE(Kalibriert.ok);
    for (Sensor k : {O2_a, O2_b}) EXPECT_EQ(Tabellentext(s[k].Aktuell), Tabellentext(vorher[k].Aktuell));
    const std::array<bool, Anzahl_Sensoren> ok_erwartet{true, false, true, false};
    EXPECT_EQ(Ergebnis.Werte.ok, ok_erwartet);
    EXPECT_NEAR(Ergebnis.Werte.Wert[O2_a], 20.9, 0.3);
}

} // namespace
