#include "blender/Unit_Gasmischer.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

#include <algorithm>

using namespace Unit_Gasmischer;

namespace {

const Anteile Luft_der_Felder{21, 79, 0};
const Gas leer{Luft, 0, 6.8};

Gas gas(double O2, double He, double bar) {
    return {auf_100_Prozent(O2, He), bar, 6.8};
}

// The cylinder's pressures per component after topping it as the recipe says.
Anteile gemischt(const Gas& vorher, const Fuellung& f, const Anteile& Trimix) {
    Anteile p{vorher.Anteil.O2 * vorher.bar * 0.01, vorher.Anteil.N2 * vorher.bar * 0.01,
              vorher.Anteil.He * vorher.bar * 0.01};
    p.O2 += f.bar_O2 + f.bar_Luft * Luft.O2 * 0.01 + f.bar_Trimix * Trimix.O2 * 0.01;
    p.N2 += f.bar_Luft * Luft.N2 * 0.01 + f.bar_Trimix * Trimix.N2 * 0.01;
    p.He += f.bar_He + f.bar_Trimix * Trimix.He * 0.01;
    return p;
}

void erwarte_gas(const Anteile& p, const Gas& nachher, const char* Fall) {
    EXPECT_NEAR(p.O2, nachher.Anteil.O2 * nachher.bar * 0.01, 1e-6) << Fall;
    EXPECT_NEAR(p.N2, nachher.Anteil.N2 * nachher.bar * 0.01, 1e-6) << Fall;
    EXPECT_NEAR(p.He, nachher.Anteil.He * nachher.bar * 0.01, 1e-6) << Fall;
}

} // namespace

class Gasmischer_Test : public Testumgebung {};

TEST_F(Gasmischer_Test, Zusammensetzung_bleibt_bei_100_Prozent) {
    // As typed into the O2 and He fields; an empty field reads as air's share.
    const struct {
        const char *O2, *He;
        double O2_erwartet, N2_erwartet, He_erwartet;
        bool gekuerzt, moeglich;
    } Faelle[] = {
        {"60", "50", 60, 0, 40, true, true},     {"21", "0", 21, 79, 0, false, true},
        {"16", "50", 16, 34, 50, false, true},   {"100", "0", 100, 0, 0, false, true},
        {"", "50", 20.9, 29.1, 50, false, true}, {"32", "", 32, 68, 0, false, true},
        {"120", "0", 120, 0, -20, true, false},  {"-5", "0", -5, 105, 0, false, false},
    };
    for (const auto& f : Faelle) {
        const Zusammensetzung z = Zusammensetzung_lesen(f.O2, f.He);
        EXPECT_NEAR(z.Anteil.O2, f.O2_erwartet, 1e-9) << f.O2 << "/" << f.He;
        EXPECT_NEAR(z.Anteil.N2, f.N2_erwartet, 1e-9) << f.O2 << "/" << f.He;
        EXPECT_NEAR(z.Anteil.He, f.He_erwartet, 1e-9) << f.O2 << "/" << f.He;
        EXPECT_EQ(z.He_gekuerzt, f.gekuerzt) << f.O2 << "/" << f.He;
        EXPECT_EQ(!z.Meldung, f.moeglich) << f.O2 << "/" << f.He;
    }
    EXPECT_EQ(Zusammensetzung_pruefen({30, 30, 30}).value_or(""),
              "Diese Gaszusammensetzung ist nicht möglich\nO2 = 30.0\nN2 = 30.0\nHe = 30.0\nSumme = 90.0");
}

TEST_F(Gasmischer_Test, Was_nicht_herzustellen_ist_wird_gemeldet_ohne_Ergebnis) {
    const std::string kann_nicht = "Dieses Gas kann nicht hergestellt werden\n";
    const struct {
        const char* Fall;
        Gas vorher, nachher;
        std::string Meldung;
    } Faelle[] = {
        {"100 bar Luft zu 16/34/50",
         {Luft_der_Felder, 100, 6.8},
         gas(16, 50, 220),
         kann_nicht + "Zu kleiner Anteil im Gas(nachher) gewünscht: N2 "},
        {"weniger Druck als vorher", gas(32, 0, 200), gas(32, 0, 150),
         kann_nicht + "Zu kleiner Anteil im Gas(nachher) gewünscht: O2 N2 "},
        {"weniger O2 als Luft", leer, gas(18, 0, 200), kann_nicht + "Gas(nachher) enthält zu wenig O2"},
        {"Volumen 0", leer, {Luft, 200, 0}, "Das Volumen muss größer als 0 l sein"},
        {"Gas über 100 %", leer, {{50, 50, 50}, 200, 6.8}, "Diese Gaszusammensetzung ist nicht möglich"},
    };
    for (const auto& f : Faelle) {
        const Fuellung r = O2_He_Luft(f.vorher, f.nachher);
        EXPECT_EQ(r.Meldung.substr(0, f.Meldung.size()), f.Meldung) << f.Fall;
        EXPECT_EQ(r.bar_Summe, 0) << f.Fall;
        EXPECT_FALSE(r.Strom) << f.Fall;
    }
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(O2_He_Luft(leer, gas(18, 0, 200)).Meldung,
              "This gas cannot be made\nGas (after) holds too little O2");
}

TEST_F(Gasmischer_Test, Leere_Flasche_zu_Nitrox_32) {
    const Gas nachher = gas(32, 0, 200);
    const Fuellung r = O2_He_Luft(leer, nachher);
    ASSERT_TRUE(r.moeglich()) << r.Meldung;
    const double Luft_barL = 6.8 * 0.68 * 200 / 0.791;
    EXPECT_NEAR(r.bar_Luft * 6.8, Luft_barL, 1e-9);
    EXPECT_EQ(r.bar_He, 0);
    EXPECT_NEAR(r.bar_Summe, 200, 1e-9);
    erwarte_gas(gemischt(leer, r, {}), nachher, "EAN32");
    // Filled from empty without helium, the stream is the gas itself.
    ASSERT_TRUE(r.Strom && r.Strom->Sensor1);
    EXPECT_NEAR(*r.Strom->Sensor1, 32, 1e-9);
    EXPECT_NEAR(r.Strom->Sensor2, 32, 1e-9);
    EXPECT_NEAR(r.Strom->Euro, (r.bar_O2 * 6.8 * ct_O2 + Luft_barL * ct_Luft) * 0.01, 1e-9);
}

TEST_F(Gasmischer_Test, Trimix_aus_der_leeren_Flasche_mit_Heliumverlust) {
    const Gas nachher = gas(16, 50, 220);
    for (const double Faktor : {1.0, 0.97}) {
        const Fuellung r = O2_He_Luft(leer, nachher, Faktor);
        ASSERT_TRUE(r.moeglich() && r.Strom) << r.Meldung;
        erwarte_gas(gemischt(leer, r, {}), nachher, "16/50");
        // Oxygen and air meet before the helium: 16 parts oxygen in 50 of oxygen and nitrogen.
        EXPECT_NEAR(*r.Strom->Sensor1, 32, 1e-9);
        const double He_eingedueest = 0.5 * 220 / Faktor;
        EXPECT_NEAR(r.Strom->Strom.He, He_eingedueest / (He_eingedueest + 0.5 * 220) * 100, 1e-9);
        EXPECT_NEAR(r.Strom->Strom.O2 + r.Strom->Strom.N2 + r.Strom->Strom.He, 100, 1e-9);
        EXPECT_NEAR(r.Strom->Sensor2, r.Strom->Strom.O2, 1e-12);
    }
    // The fill monitor gets the same stream, and nothing when the gas cannot be made.
    const auto Ziel = Ziel_fuer_Einduesen(leer, nachher);
    ASSERT_TRUE(Ziel);
    EXPECT_NEAR(Ziel->Sensor1, 32, 1e-9);
    EXPECT_NEAR(Ziel->Enddruck, 220, 1e-12);
    EXPECT_FALSE(Ziel_fuer_Einduesen(leer, gas(18, 0, 200)));
}

TEST_F(Gasmischer_Test, Mit_Trimix_von_der_Bank_Luft_und_O2) {
    const struct {
        const char* Fall;
        Gas vorher, nachher;
        Anteile Trimix;
        bool moeglich;
    } Faelle[] = {
        {"nur Trimix", leer, gas(16, 50, 220), {16, 34, 50}, true},
        {"alle drei", {Luft, 50, 6.8}, gas(18, 40, 200), {10, 20, 70}, true},
        {"Luft und O2", {Luft, 50, 6.8}, gas(32, 0, 200), {10, 20, 70}, true},
        {"Bank ohne Helium", leer, gas(18, 40, 200), {21, 79, 0}, false},
        {"Bank bringt zu viel N2", {Luft, 50, 6.8}, gas(18, 40, 200), {16, 34, 50}, false},
    };
    for (const auto& f : Faelle) {
        const Fuellung r = O2_Trimix_Luft(f.vorher, f.nachher, f.Trimix);
        EXPECT_EQ(r.moeglich(), f.moeglich) << f.Fall << ": " << r.Meldung;
        if (!r.moeglich()) {
            EXPECT_EQ(r.Meldung,
                      "Dieses Gas kann nicht hergestellt werden\nGas(nachher) Enddruck ist zu niedrig")
                << f.Fall;
            continue;
        }
        EXPECT_GE(std::min({r.bar_O2, r.bar_Luft, r.bar_Trimix}), 0) << f.Fall;
        erwarte_gas(gemischt(f.vorher, r, f.Trimix), f.nachher, f.Fall);
        EXPECT_FALSE(r.Strom) << f.Fall;
    }
}

TEST_F(Gasmischer_Test, Mit_Trimix_aufgefuellt) {
    const Gas g = mit_Trimix({Luft_der_Felder, 100, 6.8}, {16, 34, 50}, 100);
    EXPECT_NEAR(g.bar, 200, 1e-9);
    EXPECT_NEAR(g.Anteil.O2, 18.5, 1e-9);
    EXPECT_NEAR(g.Anteil.N2, 56.5, 1e-9);
    EXPECT_NEAR(g.Anteil.He, 25, 1e-9);
    EXPECT_EQ(g.l, 6.8);
    const Gas nichts = mit_Trimix(leer, {16, 34, 50}, 0);
    EXPECT_EQ(nichts.bar, 0);
    EXPECT_FALSE(Zusammensetzung_pruefen(nichts.Anteil));
    // What would give a gas that cannot exist is refused with the reason.
    EXPECT_EQ(mit_Trimix_pruefen(leer, {16, 34, 50}, 100), "");
    EXPECT_NE(mit_Trimix_pruefen(leer, {16, 34, 50}, -10).find("negativ"), std::string::npos);
    EXPECT_NE(mit_Trimix_pruefen(leer, {60, 0, 50}, 100).find("nicht möglich"), std::string::npos);
    EXPECT_NE(mit_Trimix_pruefen({Luft, 100, 0}, {16, 34, 50}, 100).find("Volumen"), std::string::npos);
}

TEST_F(Gasmischer_Test, Felder_lesen_mit_beiden_Trennzeichen_und_Ersatz) {
    const struct {
        const char* Text;
        double Wert;
        bool keine_Zahl;
    } Faelle[] = {
        {"6.8", 6.8, false}, {"6,8", 6.8, false}, {" 220 ", 220, false}, {"", -1, false},
        {"  ", -1, false},   {"2OO", -1, true},   {"1.2.3", -1, true},   {"-", -1, true},
    };
    for (const auto& f : Faelle) {
        EXPECT_DOUBLE_EQ(Feld_lesen(f.Text, -1), f.Wert) << '"' << f.Text << '"';
        EXPECT_EQ(keine_Zahl(f.Text), f.keine_Zahl) << '"' << f.Text << '"';
    }
    // Each field falls back to what an empty cylinder of air in the usual bottle holds.
    const Gas g = Gas_lesen({"", "", "x", "", ""});
    EXPECT_DOUBLE_EQ(g.Anteil.O2, Luft.O2);
    EXPECT_DOUBLE_EQ(g.Anteil.N2, Luft.N2);
    EXPECT_DOUBLE_EQ(g.Anteil.He, Luft.He);
    EXPECT_TRUE(ist_leer(g));
    EXPECT_EQ(g.l, l_Vorgabe);
    EXPECT_FALSE(ist_leer(Gas_lesen({"21", "79", "0", "0,1", "12"})));
    EXPECT_EQ(Ergebnis_Text(5.24), "  5.2");
    EXPECT_EQ(Ergebnis_Text(-3), " -3.0");
    EXPECT_EQ(Ergebnis_Text(1234.56), "1234.6");
    EXPECT_EQ(Ergebnis_Text(0.5, 2), " 0.50");
}

TEST_F(Gasmischer_Test, Ohne_Ziel_sagt_die_Ueberwachung_warum) {
    const struct {
        const char* Fall;
        Gas vorher, nachher;
        std::string Meldung;
    } Faelle[] = {
        {"zu wenig O2", leer, gas(18, 0, 200), "Gas(nachher) enthält zu wenig O2"},
        {"nur Helium", {Luft, 100, 6.8}, {{Luft.O2 / 2, Luft.N2 / 2, 50}, 200, 6.8}, "weder Luft noch O2"},
    };
    for (const auto& f : Faelle) {
        std::string Meldung;
        EXPECT_FALSE(Ziel_fuer_Einduesen(f.vorher, f.nachher, He_Faktor_Vorgabe, &Meldung)) << f.Fall;
        EXPECT_NE(Meldung.find(f.Meldung), std::string::npos) << f.Fall << ": " << Meldung;
    }
}
