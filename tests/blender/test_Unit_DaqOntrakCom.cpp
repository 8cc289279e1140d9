#include "blender/Unit_DaqOntrakCom.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <deque>
#include <string>
#include <thread>
#include <vector>

using namespace Unit_DaqOntrakCom;
using namespace std::chrono_literals;

namespace {

// A converter in memory: every command line that is a reading gets the next scripted reply,
// handed over in pieces.
class Strecke_im_Speicher : public Bytestrecke {
  public:
    bool offen = true;
    bool plappert = false; // sends a digit on every read and never a carriage return
    std::deque<std::string> Antworten;
    std::string Gesendet;

    bool verbunden() const override { return offen; }
    bool Schreiben(std::string_view Bytes) override {
        Gesendet += Bytes;
        Zeile += Bytes;
        if (Zeile.back() == '\r') {
            if (Zeile[0] == 'R' && !Antworten.empty()) {
                Eingang += Antworten.front();
                Antworten.pop_front();
            }
            Zeile.clear();
        }
        return true;
    }
    std::string Lesen(std::chrono::milliseconds Frist) override {
        if (plappert) return "1";
        if (Eingang.empty()) std::this_thread::sleep_for(Frist);
        // Two bytes at a time, as a slow line hands them over.
        const std::string Stueck = Eingang.substr(0, 2);
        Eingang.erase(0, Stueck.size());
        return Stueck;
    }

  private:
    std::string Zeile, Eingang;
};

struct Lesefall {
    const char* Name;
    int Bereich;
    Messart Art;
    int Kanal;
    std::vector<std::string> Antworten; // none: the converter stays silent
    const char* Befehl;
    double Volt;
    bool ok;
};

class Lesen_Fall : public testing::TestWithParam<Lesefall> {};

TEST_P(Lesen_Fall, liefert_Volt_oder_minus_1_und_falsch) {
    const auto& f = GetParam();
    Strecke_im_Speicher s;
    s.Antworten.assign(f.Antworten.begin(), f.Antworten.end());
    Wandler w(s);
    w.Bereich = f.Bereich;
    const auto Beginn = std::chrono::steady_clock::now();
    const Messung m = w.Spannung_lesen(f.Art, f.Kanal);
    EXPECT_LT(std::chrono::steady_clock::now() - Beginn, 1500ms);
    EXPECT_NEAR(m.Wert, f.Volt, 5e-5);
    EXPECT_EQ(m.ok, f.ok);
    EXPECT_EQ(s.Gesendet, f.Befehl);
}

INSTANTIATE_TEST_SUITE_P(
    Antworten, Lesen_Fall,
    testing::Values(Lesefall{"Bereich_0", 0, Messart::Einzeln, 3, {"1234\r"}, "RD3\r", 1.5067, true},
                    Lesefall{"Bereich_1", 1, Messart::Einzeln, 0, {"1234\r"}, "RB0\r", -1.9866, true},
                    Lesefall{"Differenz_0", 0, Messart::Differenz, 5, {"4095\r"}, "RA5\r", 5.0, true},
                    Lesefall{"Differenz_1", 1, Messart::Differenz, 2, {"0000\r"}, "RC2\r", -5.0, true},
                    Lesefall{"Buchstabe", 0, Messart::Einzeln, 1, {"12a4\r"}, "RD1\r", -1, false},
                    Lesefall{"drei_Zeichen", 0, Messart::Einzeln, 1, {"123\r"}, "RD1\r", -1, false},
                    Lesefall{"fuenf_Ziffern", 0, Messart::Einzeln, 1, {"12345\r"}, "RD1\r", -1, false},
                    Lesefall{
                        "zu_lang", 0, Messart::Einzeln, 1, {std::string(40, '1') + "\r"}, "RD1\r", -1, false},
                    Lesefall{"ohne_Zeilenende", 0, Messart::Einzeln, 1, {"1234"}, "RD1\r", -1, false},
                    Lesefall{"keine_Antwort", 0, Messart::Einzeln, 1, {}, "RD1\r", -1, false},
                    Lesefall{"falscher_Bereich", 2, Messart::Einzeln, 1, {"1234\r"}, "", -1, false}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST(Wandler, endet_auch_wenn_die_Leitung_ohne_Zeilenende_weiterplappert) {
    Strecke_im_Speicher s;
    s.plappert = true;
    Wandler w(s);
    const auto Beginn = std::chrono::steady_clock::now();
    const Messung m = w.Spannung_lesen(Messart::Einzeln, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - Beginn, Hoechstdauer_Antwort + 200ms);
    EXPECT_FALSE(m.ok);
    EXPECT_EQ(m.Wert, -1);
}

TEST(Wandler, nimmt_eine_verspaetete_Antwort_nicht_fuer_die_naechste) {
    Strecke_im_Speicher s;
    s.Antworten = {"", "0819\r"};
    Wandler w(s);
    EXPECT_FALSE(w.Spannung_lesen(Messart::Einzeln, 0).ok);
    // The first reply arrives only now, after the reading gave up; the second reading must not take it.
    s.Antworten = {"4095\r"};
    s.Schreiben("RD9\r");
    s.Antworten = {"0819\r"};
    EXPECT_NEAR(w.Spannung_lesen(Messart::Einzeln, 0).Wert, 819 / 4095.0 * 5, 1e-9);
}

struct Ausgangsfall {
    int Kanal;
    double mV;
    const char* Befehl;
    bool Meldung;
};

TEST(Wandler, setzt_die_Ausgaenge_in_Codes_und_begrenzt_auf_0_bis_5000_mV) {
    const Ausgangsfall Faelle[] = {
        {0, 1000, "VA819\r", false},  {0, 5000, "VA4095\r", false},     {0, 0, "VA0\r", false},
        {1, 2500, "VB2048\r", false}, {0, 5001, "VA4095\r", true},      {1, 1e9, "VB4095\r", true},
        {0, -5, "VA0\r", true},       {1, std::nan(""), "VB0\r", true}, {2, 1000, "", true}};
    Unit_Tools::Sprache = 1;
    for (const auto& f : Faelle) {
        Strecke_im_Speicher s;
        Wandler w(s);
        w.Ausgang_setzen(f.Kanal, f.mV);
        EXPECT_EQ(s.Gesendet, f.Befehl) << f.Kanal << " " << f.mV;
        EXPECT_EQ(!w.Meldung().empty(), f.Meldung) << f.Kanal << " " << f.mV;
    }
    Strecke_im_Speicher s;
    Wandler w(s);
    w.Ausgang_setzen(0, 6000);
    EXPECT_EQ(w.Meldung(), "Output is out of range in >Unit_DaqOntrakCom<");
    Unit_Tools::Sprache = 0;
    w.Ausgang_setzen(0, 6000);
    EXPECT_EQ(w.Meldung(), "Ausgang außerhalb des Bereichs in >Unit_DaqOntrakCom<");
}

TEST(Wandler, mittelt_in_Millivolt_und_ist_nur_gut_wenn_jede_Messung_es_war) {
    Strecke_im_Speicher s;
    Wandler w(s);
    s.Antworten = {"1234\r"};
    const Messung eine = w.Mittel_lesen(Messart::Einzeln, 0, 1);
    EXPECT_NEAR(eine.Wert, 1234 / 4095.0 * 5 * 1000, 1e-6);
    EXPECT_TRUE(eine.ok);
    s.Antworten = {"1000\r", "3000\r"};
    EXPECT_NEAR(w.Mittel_lesen(Messart::Einzeln, 0, 2).Wert, 2000 / 4095.0 * 5 * 1000, 1e-6);
    s.Antworten = {"1000\r", "12a4\r"};
    EXPECT_FALSE(w.Mittel_lesen(Messart::Einzeln, 0, 2).ok);
    for (int Anzahl : {0, -3}) {
        const Messung keine = w.Mittel_lesen(Messart::Einzeln, 0, Anzahl);
        EXPECT_EQ(keine.Wert, -1);
        EXPECT_FALSE(keine.ok);
        EXPECT_FALSE(w.Meldung().empty());
    }
}

TEST(Wandler, meldet_eine_geschlossene_Schnittstelle_mit_ihrem_Port) {
    Unit_Tools::Sprache = 1;
    Strecke_im_Speicher s;
    s.offen = false;
    Wandler w(s, 7);
    EXPECT_FALSE(w.Spannung_lesen(Messart::Einzeln, 0).ok);
    EXPECT_EQ(w.Meldung(), "Serial interface COM7 not ready during \"write string\"");
    EXPECT_FALSE(w.Ausgang_setzen(0, 100));
    EXPECT_EQ(s.Gesendet, "");
    Unit_Tools::Sprache = 0;
}

} // namespace
