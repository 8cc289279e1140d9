// The report texts of small tables set up by hand; every expected line is counted out column by
// column from the table layout.
#include "reports/Unit_Report.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "support/Testumgebung.hpp"

#include <string>
#include <vector>

namespace R = Unit_Report;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace Memo = Unit_Textpuffer;

namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

struct Punkt {
    float min;
    float m;
    int32_t Gas;
    std::string Aktion;
    std::string Warnung = "";
    float pO2 = 0.21f;
    float CNS = 0;
};

} // namespace

class Bericht : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        G::Gasgemische_initialisieren();
        R::Datum_heute = [] { return R::Datum{2026, 2, 1}; };
        // the settings' defaults, also when all tests run in one process
        R::RunTimeTable_mitAufstiegbeiDeko = R::RunTimeTable_mitDeltaT = R::RunTimeTable_mitUhrzeitRuntime =
            R::RunTimeTable_mitpO2 = R::RunTimeTable_mitCNS_prozent = false;
        R::RunTimeTable_mitSystem = true;
        R::RunTimeTable_NachKomma = 2;
        Unit_WayPoints::Datei_Tauchgang.clear();
        Unit_Graph_Utilities::Startzeit = {};
        Unit_Tauchgangsberechnung::Berechnung_abgebrochen = false;
    }

    static void Tabelle(const std::vector<Punkt>& Punkte) {
        for (std::size_t i = 0; i < Punkte.size(); ++i) {
            auto& w = W::WayPoint[i];
            w = W::WayPoint_Type{};
            w.min_Runtime = Punkte[i].min;
            w.m_Wasser = Punkte[i].m;
            w.Gas_Nr = Punkte[i].Gas;
            w.Aktion = Punkte[i].Aktion;
            w.Warnung = Punkte[i].Warnung;
            w.bar_pO2 = Punkte[i].pO2;
            w.CNS_Prozent = Punkte[i].CNS;
        }
        W::WayPoint_Anzahl = static_cast<int32_t>(Punkte.size()) - 1;
    }

    // A short air dive to 21.4 m with EAN50 from 6 m, stops at 6 and 3 m.
    static void Beispiel() {
        Tabelle({{0, 0, 0, "START"},
                 {2, 21.4f, 0, "Abstieg 10.7 m/min", "", 0.66f, 0.4f},
                 {20, 21.4f, 0, "", "END > 30 m", 0.66f, 9.6f},
                 {21.5f, 6, 0, "Aufstieg 10.0 m/min", "", 0.34f, 9.7f},
                 {21.5f, 6, 4, "Gaswechsel", "", 0.8f, 9.7f},
                 {24.5f, 6, 4, "Deko", "", 0.8f, 11.2f},
                 {24.65f, 4.5f, 4, "Aufstieg Wechsel  3.0 m/min", "", 0.73f, 11.3f},
                 {25.15f, 3, 4, "Aufstieg  3.0 m/min", "", 0.65f, 11.5f},
                 {30.15f, 3, 4, "Deko", "", 0.65f, 13.2f},
                 {31.15f, 0, 4, "Aufstieg  3.0 m/min", "", 0.5f, 13.4f},
                 {31.15f, 0, 4, "STOP", "", 0.5f, 13.4f}});
    }

    static const std::vector<std::string>& Tabelle_Zeilen() { return Memo::Memo_RunTimeTabelle.lesen(); }
    // The rows behind the six lines of head.
    static std::vector<std::string> Datenzeilen() {
        const auto& z = Tabelle_Zeilen();
        return z.size() > 6 ? std::vector<std::string>(z.begin() + 6, z.end()) : std::vector<std::string>{};
    }
    static void Englisch() {
        Unit_Tools::Sprache = 1;
        G::Gasnamen_Sprache_anpassen();
    }
    static void Deutsch() {
        Unit_Tools::Sprache = 0;
        G::Gasnamen_Sprache_anpassen();
    }
    static void alle_Spalten(bool an) {
        R::RunTimeTable_mitDeltaT = R::RunTimeTable_mitUhrzeitRuntime = R::RunTimeTable_mitpO2 =
            R::RunTimeTable_mitCNS_prozent = R::RunTimeTable_mitSystem = an;
    }
};

TEST_F(Bericht, Kopf_mit_Programm_Version_Datum_und_Tauchgang) {
    Beispiel();
    R::Runtime_Tabelle_schreiben();
    const auto& z = Tabelle_Zeilen();
    ASSERT_GE(z.size(), 6u);
    EXPECT_EQ(z[0], "Berechnet mit Brelune (Version 4.10 ~ 30.1.2024) am 01.02.2026");
    EXPECT_EQ(z[1], "Tauchgang = (nicht gespeichert)");
    EXPECT_EQ(z[2], "");
    // defaults: the system column is the only optional one shown
    EXPECT_EQ(z[3], " Tiefe Runtime Atemgas      Aktion                      System   Warnung  ");
    EXPECT_EQ(z[4], "   (m)   (min) " + Blanks(13 + 28 + 9 + 9));
    EXPECT_EQ(z[5], "------ ------- ------------ --------------------------- -------- ---------");

    Unit_WayPoints::Pfad_Tauchgang = "/home/taucher/Tauchgaenge/";
    Unit_WayPoints::Datei_Tauchgang = "Wrack 21m.dec";
    Unit_Tools::Sprache = 1;
    R::Runtime_Tabelle_schreiben();
    ASSERT_GE(Tabelle_Zeilen().size(), 6u); // z names the same text, built anew by this read
    EXPECT_EQ(z[0], "Calculated with Brelune (Version 4.10 ~ 30.1.2024) on 2026-02-01");
    EXPECT_EQ(z[1], "Dive = Wrack 21m.dec");
    EXPECT_EQ(z[3], " Depth Runtime Gas          Action                      System   Warning  ");

    Unit_WayPoints::Datei_Tauchgang = "Not_Saved"; // a cancelled save
    R::Runtime_Tabelle_schreiben();
    ASSERT_GE(Tabelle_Zeilen().size(), 6u);
    EXPECT_EQ(z[1], "Dive = (not saved)");
}

TEST_F(Bericht, Zeilen_mit_den_Standardspalten) {
    Beispiel();
    R::Runtime_Tabelle_schreiben();
    const std::vector<std::string> erwartet = {
        "  0.00    0.00 Luft         START                       OC       ",
        " 21.40    2.00 Luft         Abstieg 10.7 m/min          OC       ",
        " 21.40   20.00 Luft                                     OC       END > 30 m",
        "  6.00   21.50 Luft         Aufstieg 10.0 m/min         OC       ",
        "  6.00   21.50 EAN50        Gaswechsel                  OC       ",
        "  6.00   24.50 EAN50        Deko                        OC       ",
        "  4.50   24.65 EAN50        Aufstieg Wechsel  3.0 m/min OC       ",
        // the ascent 4.5 -> 3 m is left out: it lies behind the first stop
        "  3.00   30.15 EAN50        Deko                        OC       ",
        "  0.00   31.15 EAN50        STOP                        OC       ",
    };
    EXPECT_EQ(Datenzeilen(), erwartet);
}

TEST_F(Bericht, mit_Aufstieg_zwischen_Deko_bekommt_jeder_Wegpunkt_seine_Zeile) {
    Beispiel();
    R::RunTimeTable_mitAufstiegbeiDeko = true;
    R::Runtime_Tabelle_schreiben();
    const auto z = Datenzeilen();
    ASSERT_EQ(z.size(), 11u);
    EXPECT_EQ(z[7], "  3.00   25.15 EAN50        Aufstieg  3.0 m/min         OC       ");
    EXPECT_EQ(z[9], "  0.00   31.15 EAN50        Aufstieg  3.0 m/min         OC       ");
}

TEST_F(Bericht, der_Filter_erkennt_auch_englische_Beschriftungen) {
    Tabelle({{0, 0, 0, "START"},
             {2, 20, 0, "Descent 10.0 m/min"},
             {3.7f, 3, 0, "Ascent 10.0 m/min"},
             {6.7f, 3, 0, "Deco"},
             {7.3f, 1.2f, 0, "Ascent change  3.0 m/min"},
             {7.7f, 0, 0, "Ascent   3.0 m/min"},
             {7.7f, 0, 0, "STOP"}});
    Englisch();
    R::Runtime_Tabelle_schreiben();
    const auto z = Datenzeilen();
    ASSERT_EQ(z.size(), 6u);
    EXPECT_EQ(z[2], "  3.00    3.70 Air          Ascent 10.0 m/min           OC       ");
    EXPECT_EQ(z[4], "  1.20    7.30 Air          Ascent change  3.0 m/min    OC       ");
    EXPECT_EQ(z[5], "  0.00    7.70 Air          STOP                        OC       ");
}

TEST_F(Bericht, alle_Spalten_mit_Zeit_auf_Tiefe_und_Uhrzeit) {
    Beispiel();
    alle_Spalten(true);
    Unit_Graph_Utilities::Startzeit = {9, 58, 30};
    R::Runtime_Tabelle_schreiben();
    const auto& z = Tabelle_Zeilen();
    ASSERT_EQ(z.size(), 6u + 9u);
    EXPECT_EQ(z[3],
              " Tiefe   Zeit Runtime Uhrzeit  Atemgas      Aktion                      System    pO2 CNS% "
              "Warnung  ");
    EXPECT_EQ(z[4], "   (m)  (min)   (min) hh:mm:ss " + Blanks(13 + 28 + 9) + " bar " + Blanks(5 + 9));
    EXPECT_EQ(z[5],
              "------ ------ ------- -------- ------------ --------------------------- -------- ---- ---- "
              "---------");
    // waypoint 0 has no time at depth: seven blanks
    EXPECT_EQ(z[6],
              "  0.00           0.00 09:58:30 Luft         START                       OC       0.21    0 ");
    EXPECT_EQ(z[7],
              " 21.40   2.00    2.00 10:00:30 Luft         Abstieg 10.7 m/min          OC       0.66    0 ");
    EXPECT_EQ(z[8],
              " 21.40  18.00   20.00 10:18:30 Luft                                     OC       0.66   10 "
              "END > 30 m");
    // the time at depth of a stop counts from the waypoint before, whether that has a line or not
    EXPECT_EQ(z[13],
              "  3.00   5.00   30.15 10:28:39 EAN50        Deko                        OC       0.65   13 ");
}

TEST_F(Bericht, ohne_die_wahlweisen_Spalten) {
    Beispiel();
    alle_Spalten(false);
    R::Runtime_Tabelle_schreiben();
    const auto& z = Tabelle_Zeilen();
    ASSERT_EQ(z.size(), 6u + 9u);
    EXPECT_EQ(z[3], " Tiefe Runtime Atemgas      Aktion                      Warnung  ");
    EXPECT_EQ(z[4], "   (m)   (min) " + Blanks(13 + 28 + 9));
    EXPECT_EQ(z[5], "------ ------- ------------ --------------------------- ---------");
    EXPECT_EQ(z[6], "  0.00    0.00 Luft         START                       ");
    EXPECT_EQ(z[8], " 21.40   20.00 Luft                                     END > 30 m");
}

TEST_F(Bericht, null_Nachkommastellen) {
    Beispiel();
    R::RunTimeTable_NachKomma = 0;
    R::RunTimeTable_mitDeltaT = true;
    R::Runtime_Tabelle_schreiben();
    const auto z = Datenzeilen();
    ASSERT_GE(z.size(), 7u);
    // 21.4 m: four blanks, 21 and the blank behind it
    EXPECT_EQ(z[1].substr(0, 7), "    21 ");
    EXPECT_EQ(z[1], "    21      2       2 Luft         Abstieg 10.7 m/min          OC       ");
    EXPECT_EQ(z[6], "     5      0      25 EAN50        Aufstieg Wechsel  3.0 m/min OC       ");
}

TEST_F(Bericht, Nachkommastellen_ausserhalb_0_bis_2_werden_begrenzt) {
    Beispiel();
    R::RunTimeTable_NachKomma = 7;
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Datenzeilen()[1].substr(0, 15), " 21.40    2.00 ");
    R::RunTimeTable_NachKomma = -3;
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Datenzeilen()[1].substr(0, 15), "    21       2 ");
}

TEST_F(Bericht, Dezimalkomma_der_Tabelle) {
    Beispiel();
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Datenzeilen()[1], " 21,40    2,00 Luft         Abstieg 10.7 m/min          OC       ");
}

TEST_F(Bericht, Systemspalte_der_Kreislaufgeraete) {
    Tabelle({{0, 0, 0, "START"}, {2, 20, 0, "a"}, {3, 20, 2, "b"}, {4, 20, 0, "c"}, {5, 20, 0, "d"}});
    W::WayPoint[2].Tauchgeraet = 1;
    W::WayPoint[2].CCR_Setpoint = 1.3f;
    W::WayPoint[3].Tauchgeraet = 2;
    W::WayPoint[3].SCR_Flow = 15.6f;
    W::WayPoint[4].Tauchgeraet = 3;
    R::Runtime_Tabelle_schreiben();
    const auto z = Datenzeilen();
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[1], " 20.00    2.00 Luft         a                           OC       ");
    EXPECT_EQ(z[2], " 20.00    3.00 EAN36        b                           CCR 1.30 ");
    EXPECT_EQ(z[3], " 20.00    4.00 Luft         c                           SCR 15.6 ");
    // one character wider than the column, as the table has always written it
    EXPECT_EQ(z[4], " 20.00    5.00 Luft         d                           pSCR      ");
}

TEST_F(Bericht, lange_Namen_werden_abgeschnitten_und_Beschriftungen_uebersetzt) {
    Tabelle({{0, 0, 0, "START"},
             {2, 20, 17, "Deko mit einer sehr langen Beschriftung"},
             {3, 20, 0, "Loop spülen"}});
    G::Gasgemisch_hinzufuegen("Trimix-Spezialgemisch", 19, 41, 40);
    Englisch();
    R::Runtime_Tabelle_schreiben();
    const auto z = Datenzeilen();
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[1], " 20.00    2.00 Trimix-Spezi Deco mit einer sehr langen  OC       ");
    EXPECT_EQ(z[2], " 20.00    3.00 Air          Loop flush                  OC       ");
    Deutsch();
    W::WayPoint[2].Aktion = "Sauerstoff spülen, Atemgas prüfen";
    R::Runtime_Tabelle_schreiben();
    // 27 characters, the umlauts counted as one each
    EXPECT_EQ(Datenzeilen()[2], " 20.00    3.00 Luft         Sauerstoff spülen, Atemgas  OC       ");
}

TEST_F(Bericht, unbekannte_Gasnummer_zeigt_kein_falsches_Gas) {
    Tabelle({{0, 0, 0, "START"}, {2, 20, 35, "a"}});
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Datenzeilen()[1], " 20.00    2.00 ?            a                           OC       ");
}

TEST_F(Bericht, abgebrochene_Berechnung_gibt_die_eine_Zeile) {
    Beispiel();
    Memo::Memo_Zusammenfassung.Leeren();
    Memo::Memo_Zusammenfassung.Zeile_anfuegen("! Tauchgangsberechnung abgebrochen !");
    Unit_Tauchgangsberechnung::Berechnung_abgebrochen = true;
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Tabelle_Zeilen(), std::vector<std::string>{"! Tauchgangsberechnung abgebrochen !"});
    const auto& r = Memo::Memo_Report.lesen();
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0], "! Tauchgangsberechnung abgebrochen !");
    EXPECT_EQ(r[1], ""); // no runtime table heading without the table
    EXPECT_EQ(r[2].rfind("Tauchgang Zusammenfassung ...", 0), 0u);

    Unit_Tools::Sprache = 1;
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Tabelle_Zeilen(), std::vector<std::string>{"! Dive calculation cancelled !"});
}

TEST_F(Bericht, Ueberschrift_hat_121_Zeichen) {
    const std::string h = R::Ueberschrift("Dive summary");
    EXPECT_EQ(h, "Dive summary " + std::string(121 - 13, '.'));
    EXPECT_EQ(h.size(), 121u);
    // characters are counted, not bytes
    EXPECT_EQ(R::Ueberschrift("Höhle"), "Höhle " + std::string(121 - 6, '.'));
    const std::string lang(130, 'x');
    EXPECT_EQ(R::Ueberschrift(lang), lang + " "); // a longer label is not cut
}

TEST_F(Bericht, Report_aus_Tabelle_Zusammenfassung_und_Gasverbrauch) {
    Beispiel();
    Memo::Memo_Zusammenfassung.Leeren();
    Memo::Memo_Zusammenfassung.Zeile_anfuegen("Zusammenfassung des Tauchgangs");
    Memo::Memo_Zusammenfassung.Zeile_anfuegen("   Maximale Tiefe   =  21.4 m");
    Memo::Memo_Gasverbrauch.Leeren();
    for (const char* z : {"Gasgemisch  Verbrauch", "", "AMV = 20 l/min "})
        Memo::Memo_Gasverbrauch.Zeile_anfuegen(z);
    R::Runtime_Tabelle_schreiben();

    std::vector<std::string> erwartet = {Tabelle_Zeilen()[0], Tabelle_Zeilen()[1], "",
                                         "Runtime Tabelle " + std::string(105, '.')};
    erwartet.insert(erwartet.end(), Tabelle_Zeilen().begin() + 2, Tabelle_Zeilen().end());
    for (const std::string& z :
         {std::string(""), "Tauchgang Zusammenfassung " + std::string(95, '.'), std::string(""),
          std::string("Zusammenfassung des Tauchgangs"), std::string("   Maximale Tiefe   =  21.4 m"),
          std::string(""), "Gasverbrauch " + std::string(108, '.'), std::string(""),
          std::string("Gasverbrauch"), std::string("   Gasgemisch  Verbrauch"),
          std::string("   AMV = 20 l/min ")})
        erwartet.push_back(z);
    EXPECT_EQ(Memo::Memo_Report.lesen(), erwartet);
}

TEST_F(Bericht, Report_ohne_Gasverbrauch_endet_mit_seiner_Ueberschrift) {
    Beispiel();
    Memo::Memo_Gasverbrauch.Leeren();
    Unit_Tools::Sprache = 1;
    R::Runtime_Tabelle_schreiben();
    ASSERT_FALSE(Memo::Memo_Report.lesen().empty());
    EXPECT_EQ(Memo::Memo_Report.lesen().back(), "Gas consumption " + std::string(105, '.'));
    EXPECT_EQ(Memo::Memo_Report.lesen()[3], "Runtime table " + std::string(107, '.'));
}

// ---- CSV report ----

class CSV_Bericht : public Bericht {
  protected:
    // Sample k at depth m on gas g with known tissue pressures: compartment i holds
    // 0.1 x i bar N2 and 0.05 x i bar He against a tolerated 2 bar.
    static void Sample(int32_t k, float min, float m, int32_t g) {
        auto& s = W::sData[static_cast<std::size_t>(k)];
        s = W::sData_Type{};
        s.min_Runtime = min;
        s.m_Wasser = m;
        s.Gas_Nr = g;
        s.bar_pO2 = 0.63f;
        s.CNS_Prozent = 1.25f;
        s.f_O2_atmen = 0.2095f;
        s.f_N2_atmen = 0.7902f;
        s.f_He_atmen = 0;
        for (std::size_t i = 1; i <= 16; ++i) {
            s.p_N2_Gewebe[i] = 0.1L * i;
            s.p_He_Gewebe[i] = 0.05L * i;
            s.p_N2He_Gewebe_MAX_ZH[i] = 2;
        }
        W::sData_Anzahl = k;
    }
};

TEST_F(CSV_Bericht, Kopf_deutsch_mit_15_Eintraegen) {
    Sample(0, 0, 0, 0);
    Sample(1, 0.1f, 2, 0);
    R::Report_CSV_schreiben();
    const auto& c = Memo::Memo_ReportCSV.lesen();
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0],
              "\" Brelune: Runtime(min),Tiefe(m),Druck(bar),Gas,Gas fO2(%),Gas fN2(%),Gas fHe(%),System,"
              "System(CCR=0,OC=1),pO2(bar),CNS(%),O2(%),N2(%),He(%),rel. Sättigung Gewebe[1,..,16]");
}

TEST_F(CSV_Bericht, Kopf_englisch) {
    Unit_Tools::Sprache = 1;
    Sample(0, 0, 0, 0);
    Sample(1, 0.1f, 2, 0);
    R::Report_CSV_schreiben();
    EXPECT_EQ(Memo::Memo_ReportCSV.lesen()[0],
              "\" Brelune: runtime(min),depth(m),pressure(bar),gas,Gas fO2(%),Gas fN2(%),Gas fHe(%),system,"
              "System(CCR=0,OC=1),pO2(bar),CNS(%),O2(%),N2(%),He(%),rel. saturation tissue[1,..,16]");
}

TEST_F(CSV_Bericht, Zeile_mit_30_Werten_und_Dezimalpunkt_bei_jedem_Trennzeichen) {
    Unit_Tools::Dezimaltrennzeichen_setzen(','); // a German desktop
    Sample(0, 0, 0, 0);
    Sample(1, 12.5f, 30, 11);
    W::sData[1].Tauchgeraet = 1;
    R::Report_CSV_schreiben();
    const auto& c = Memo::Memo_ReportCSV.lesen();
    ASSERT_EQ(c.size(), 3u);
    // 30 m = 3 bar + 1.01325 bar; compartment i: 0.15 x i / 2
    EXPECT_EQ(
        c[2],
        "  12.5, 30.00, 4.013,Tmx18/45, 18, 37, 45,CCR,0,0.63,  1.3, 20.95, 79.02,  0.00,"
        "0.075,0.150,0.225,0.300,0.375,0.450,0.525,0.600,0.675,0.750,0.825,0.900,0.975,1.050,1.125,1.200");
    EXPECT_EQ(c[1].substr(0, 61), "   0.0,  0.00, 1.013,Luft, 21, 79,  0,OC,1,0.63,  1.3, 20.95,");
    std::size_t Kommas = 0;
    for (char z : c[2]) Kommas += z == ',';
    EXPECT_EQ(Kommas, 29u);
}

TEST_F(CSV_Bericht, ohne_berechnete_Samples_leer) {
    Sample(0, 0, 0, 0);
    Memo::Memo_ReportCSV.Zeile_anfuegen("alt");
    R::Report_CSV_schreiben();
    EXPECT_TRUE(Memo::Memo_ReportCSV.lesen().empty());
}

TEST_F(CSV_Bericht, Kompartiment_ohne_tolerierten_Druck_zeigt_null) {
    Sample(0, 0, 0, 0);
    Sample(1, 0.1f, 1, 0);
    W::sData[1].p_N2He_Gewebe_MAX_ZH[16] = 0;
    R::Report_CSV_schreiben();
    const std::string& z = Memo::Memo_ReportCSV.lesen()[2];
    EXPECT_EQ(z.substr(z.size() - 11), "1.125,0.000");
}

TEST_F(CSV_Bericht, Runtime_Tabelle_schreibt_auch_den_CSV_Report) {
    Beispiel();
    Sample(0, 0, 0, 0);
    Sample(1, 0.1f, 1, 0);
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Memo::Memo_ReportCSV.lesen().size(), 3u);
}

// ---- cave profile ----

TEST_F(Bericht, Hoehlenprofil_mit_Kopf) {
    Tabelle({{0, 0, 0, "START"}, {10, 12.5f, 4, "a", "", 1.12f}});
    W::WayPoint[1].cave_horizontal_distance_m = 150;
    W::WayPoint[1].cave_horizontal_velocity_m_pro_min = 15.25f;
    W::WayPoint[1].Tauchgeraet = 2;
    Memo::Memo_CSV.Zeile_anfuegen("alt");
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    R::Hoehlenprofil_CSV_schreiben(true);
    const std::vector<std::string> erwartet = {
        "\" Brelune Höhlenprofil: Distanz(m),Geschw.(m/min),Tiefe(m),Gas,Gas fO2(%),Gas fN2(%),Gas "
        "fHe(%),System,"
        "System(CCR=0,OC=1),pO2(bar)",
        "  -1.0,  -1.0,  0.00,Luft, 21, 79,  0,OC,1,0.21", // not calibrated
        " 150.0,  15.3, 12.50,EAN50, 50, 50,  0,SCR,1,1.12"};
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, erwartet);
}

TEST_F(Bericht, Hoehlenprofil_ohne_Kopf_wird_angehaengt) {
    Tabelle({{0, 0, 0, "START"}});
    W::WayPoint[0].Tauchgeraet = 1;
    Memo::Memo_CSV.Leeren();
    Memo::Memo_CSV.Zeile_anfuegen("erste Datei");
    Englisch();
    R::Hoehlenprofil_CSV_schreiben(false);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen,
              (std::vector<std::string>{"erste Datei", "  -1.0,  -1.0,  0.00,Air, 21, 79,  0,CCR,0,0.21"}));
    R::Hoehlenprofil_CSV_schreiben(true);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen[0].rfind(
                  "\" Brelune cave profile: distance(m),velocity(m/min),depth(m),gas,", 0),
              0u);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen.size(), 2u);
}

// The runtime table as spreadsheet cells: the head lines, titles and units in the columns of the
// table, one row per table line from row 7, then the summary and the gas consumption.
TEST_F(Bericht, Excel_Zellen_der_Runtime_Tabelle) {
    Beispiel();
    R::RunTimeTable_mitDeltaT = true;
    Memo::Memo_Zusammenfassung.Leeren();
    Memo::Memo_Zusammenfassung.Zeile_anfuegen("Maximale Tiefe = 21.4 m");
    Memo::Memo_Gasverbrauch.Leeren();
    Memo::Memo_Gasverbrauch.Zeile_anfuegen("Luft  1200 barL");
    const auto Zellen = R::Runtime_Tabelle_mit_Excel_schreiben();
    using Reihe = std::vector<std::string>;
    ASSERT_EQ(Zellen.size(), 6u + 9u + 1u + 2u + 3u); // head, 9 rows (ascents behind the stop left out), ...
    EXPECT_EQ(Zellen[0], Reihe{"Berechnet mit Brelune (Version 4.10 ~ 30.1.2024) am 01.02.2026"});
    EXPECT_EQ(Zellen[1], Reihe{"Tauchgang = (nicht gespeichert)"});
    EXPECT_EQ(Zellen[2], Reihe{});
    EXPECT_EQ(Zellen[3], (Reihe{"Tiefe", "Zeit", "Runtime", "Atemgas", "Aktion", "System", "Warnung"}));
    // a unit stays under its title: the columns without a unit keep their (empty) cell
    EXPECT_EQ(Zellen[4], (Reihe{"(m)", "(min)", "(min)", "", "", "", ""}));
    EXPECT_EQ(Zellen[5], Reihe{});
    // waypoint 0 has no time at depth; its cell stays empty so the runtime keeps its column
    EXPECT_EQ(Zellen[6], (Reihe{"0.00", "", "0.00", "Luft", "START", "OC"}));
    // no warning in the cells; an empty action keeps its cell
    EXPECT_EQ(Zellen[8], (Reihe{"21.40", "18.00", "20.00", "Luft", "", "OC"}));
    EXPECT_EQ(Zellen[14], (Reihe{"0.00", "0.00", "31.15", "EAN50", "STOP", "OC"}));
    EXPECT_EQ(Zellen[15], Reihe{});
    EXPECT_EQ(Zellen[16], Reihe{});
    EXPECT_EQ(Zellen[17], Reihe{"Maximale Tiefe = 21.4 m"});
    EXPECT_EQ(Zellen[18], Reihe{});
    EXPECT_EQ(Zellen[19], Reihe{"Gasverbrauch"});
    EXPECT_EQ(Zellen[20], Reihe{"   Luft  1200 barL"});
    // the texts are the same as without the cells
    const auto Tabelle = Tabelle_Zeilen();
    R::Runtime_Tabelle_schreiben();
    EXPECT_EQ(Tabelle_Zeilen(), Tabelle);
}

TEST_F(Bericht, Excel_Zellen_ohne_Zusammenfassung_und_nach_Abbruch) {
    Beispiel();
    Memo::Memo_Zusammenfassung.Leeren();
    Memo::Memo_Gasverbrauch.Leeren();
    const auto Zellen = R::Runtime_Tabelle_mit_Excel_schreiben();
    ASSERT_EQ(Zellen.size(), 6u + 9u + 1u);
    EXPECT_TRUE(Zellen.back().empty());

    Unit_Tauchgangsberechnung::Berechnung_abgebrochen = true;
    EXPECT_TRUE(R::Runtime_Tabelle_mit_Excel_schreiben().empty());
    EXPECT_EQ(Tabelle_Zeilen(), std::vector<std::string>{"! Tauchgangsberechnung abgebrochen !"});
}

TEST_F(Bericht, CSV_der_Zellen_setzt_Anfuehrungszeichen_wo_noetig) {
    const R::Tabellenzellen Zellen = {{"a", "1,5", "x;y"}, {}, {"sagt \"hallo\"", "zwei\nZeilen"}};
    EXPECT_EQ(R::als_CSV(Zellen, ';'), "a;1,5;\"x;y\"\r\n\r\n\"sagt \"\"hallo\"\"\";\"zwei\nZeilen\"\r\n");
    EXPECT_EQ(R::als_CSV(Zellen, ','), "a,\"1,5\",x;y\r\n\r\n\"sagt \"\"hallo\"\"\",\"zwei\nZeilen\"\r\n");
}
