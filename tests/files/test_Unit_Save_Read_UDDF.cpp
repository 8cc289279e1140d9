#include "core/Unit_Textpuffer.hpp"
#include "files/Dateiumgebung.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "files/Unit_aXML.hpp"
#include "files/Unit_iWayPoint.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_Gasnummern.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include <algorithm>
#include <filesystem>

using namespace Unit_Save_Read_UDDF;
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace X = Unit_aXML;
namespace S = Unit_Saettigungsmodelle;
namespace C = Unit_CCR_SCR;
namespace F = Unit_Formeln;

namespace {
struct Punkt {
    float t, m;
    int32_t Gas = 0;
    uint8_t Geraet = 0;
    float Setpoint = 0;
    float pO2 = 0;
    float CNS = 0;
    float OTU = 0;
    float Flow = 15.6f;
};

void Tauchgang(const std::vector<Punkt>& p) {
    W::WayPoint_Anzahl = static_cast<int32_t>(p.size()) - 1;
    for (std::size_t k = 0; k < p.size(); ++k) {
        W::WayPoint_Type& w = W::WayPoint[k];
        w = W::WayPoint_Type{};
        w.min_Runtime = p[k].t;
        w.m_Wasser = p[k].m;
        w.Gas_Nr = p[k].Gas;
        w.Tauchgeraet = p[k].Geraet;
        w.CCR_Setpoint = p[k].Setpoint;
        w.bar_pO2 = p[k].pO2;
        w.CNS_Prozent = p[k].CNS;
        w.OTU = p[k].OTU;
        w.SCR_Flow = p[k].Flow;
    }
}

bool enthaelt(const std::string& Zeile) {
    const auto& D = X::Dokument();
    return std::any_of(D.begin(), D.end(),
                       [&](const std::string& z) { return z.find(Zeile) != std::string::npos; });
}

// A file of another writer: its own namespace and version, one-line elements.
std::string Fremd(const std::string& Gase, const std::string& Samples, const std::string& Rest = "") {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<uddf xmlns=\"http://www.streit.cc/uddf/3.2/\" "
           "version=\"3.2.0\">\n<gasdefinitions>\n" +
           Gase + "</gasdefinitions>\n" + Rest +
           "<profiledata><repetitiongroup id=\"g\"><dive id=\"d\">\n<samples>\n" + Samples +
           "</samples>\n</dive></repetitiongroup></profiledata>\n</uddf>\n";
}
std::string Mix(const std::string& id, const std::string& o2, const std::string& he) {
    return "<mix id=\"" + id + "\"><name>" + id + "</name><o2>" + o2 + "</o2><he>" + he + "</he></mix>\n";
}
std::string WP(const std::string& s, const std::string& m, const std::string& Rest = "") {
    return "<waypoint><divetime>" + s + "</divetime><depth>" + m + "</depth>" + Rest + "</waypoint>\n";
}

bool Lesen(const std::string& Text) {
    X::Dokument_aus_Text(Text);
    return UDDF_lesen();
}
} // namespace

class UDDF : public Dateiumgebung {
  protected:
    void SetUp() override {
        Dateiumgebung::SetUp();
        X::Zeitpunkt_festlegen({2024, 1, 30, 9, 5, 7});
    }

    // Export, forget the dive, import into the user's gas list again.
    static void Hin_und_zurueck() {
        UDDF_schreiben();
        const std::string Text = X::Dokument_als_Text();
        Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
        G::Gasliste_merken();
        X::Dokument_aus_Text(Text);
        ASSERT_TRUE(UDDF_lesen());
        Unit_Gasnummern::Gasliste_zusammenfuehren();
    }
};

// ---- Apparatus types ----

TEST_F(UDDF, Tauchgeraet_Typen_in_beide_Richtungen) {
    const char* Typen[] = {"opencircuit", "closedcircuit", "semiclosedcircuit", "p_semiclosedcircuit"};
    for (uint8_t g = 0; g < 4; ++g) {
        EXPECT_EQ(Tauchgeraet_Typ(g), Typen[g]);
        EXPECT_EQ(Tauchgeraet_aus_Typ(Typen[g]), g);
    }
    EXPECT_EQ(Tauchgeraet_aus_Typ(""), 0);
    EXPECT_EQ(Tauchgeraet_aus_Typ("apnoe"), 0);
    EXPECT_EQ(Tauchgeraet_Typ(7), "opencircuit");
}

// ---- Export ----

TEST_F(UDDF, Export_schreibt_Kopf_Tauchplatz_Gase_und_Samples) {
    Tauchgang({{0, 0, 0}, {2, 30, 10, 1, 1.3f, 1.25f, 12.5f, 40.25f}, {25, 30, 10}, {28, 6, 4}, {33, 0, 4}});
    G::Gasgemisch[3].barL_gesamt = 0;   // EAN40: neither used nor breathed
    G::Gasgemisch[7].barL_gesamt = 250; // HeliOx: used by the consumption only
    UDDF_schreiben();
    const auto& D = X::Dokument();
    EXPECT_EQ(D.front(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_EQ(D[1], "<uddf xmlns=\"http://www.streit.cc/uddf/3.1/\" version=\"3.1.0\">");
    EXPECT_EQ(D[2], "  <!-- UDFF Datei geschrieben am 30.01.2024 09:05:07 -->");
    EXPECT_EQ(D.back(), "</uddf>");
    EXPECT_EQ(X::Einrueckung, 0);
    EXPECT_TRUE(enthaelt("    <name>Brelune</name>"));
    EXPECT_TRUE(enthaelt("    <version>4.10 ~ 30.1.2024</version>"));
    EXPECT_TRUE(enthaelt("    <datetime>2024-01-30T09:05:07</datetime>"));
    EXPECT_TRUE(enthaelt("    <site id=\"brelune_site\">"));
    // 100000 / (9.80665 × 10) = 1019.716 kg/m³
    EXPECT_TRUE(enthaelt("        <density>1019.72</density>"));
    // ids are XML names: no "/", no leading digit
    EXPECT_TRUE(enthaelt("<mix id=\"mix_Tmx21_35\">"));
    EXPECT_TRUE(enthaelt("      <n2>0.440</n2>"));
    EXPECT_TRUE(enthaelt("<mix id=\"mix_Luft\">"));
    EXPECT_TRUE(enthaelt("<mix id=\"mix_EAN50\">"));
    EXPECT_TRUE(enthaelt("<mix id=\"mix_HeliOx21_79\">"));
    EXPECT_FALSE(enthaelt("EAN40"));
    EXPECT_TRUE(enthaelt("            <infinity/>"));
    EXPECT_TRUE(enthaelt("            <brelune xmlns=\"urn:brelune:uddf:settings\">"));
    EXPECT_TRUE(enthaelt("              <watersurface_atmospheric_pressure>101325.00</"));
    EXPECT_TRUE(enthaelt("              <OC_AMV>20</OC_AMV>"));
    EXPECT_TRUE(enthaelt("              <iWayPointmax>4</iWayPointmax>"));
    // the sample at 2 min
    EXPECT_TRUE(enthaelt("            <divetime>120.00</divetime>"));
    EXPECT_TRUE(enthaelt("            <depth> 30.00</depth>"));
    EXPECT_TRUE(enthaelt("            <switchmix ref=\"mix_Tmx21_35\"/>"));
    EXPECT_TRUE(enthaelt("            <divemode type=\"closedcircuit\"/>"));
    EXPECT_TRUE(enthaelt("<calculatedpo2>125000.00</calculatedpo2>"));
    EXPECT_TRUE(enthaelt("            <setpo2 setby=\"user\">130000.00</setpo2>"));
    EXPECT_TRUE(enthaelt("            <cns>12.50</cns>"));
    EXPECT_TRUE(enthaelt("            <otu>40.25</otu>"));
}

TEST_F(UDDF, Kommentare_in_Englisch) {
    Unit_Tools::Sprache = 1;
    G::Gasnamen_Sprache_anpassen();
    Tauchgang({{0, 0, 0}});
    UDDF_schreiben();
    EXPECT_EQ(X::Dokument()[2], "  <!-- UDDF file written on 30.01.2024 09:05:07 -->");
    EXPECT_TRUE(enthaelt("<!-- no repetition dive -->"));
    EXPECT_TRUE(enthaelt("<mix id=\"mix_Air\">"));
}

TEST_F(UDDF, Oberflaechenpause_von_1_5_h_ist_passedtime_5400) {
    Wiederholungstauchgang_OK = true;
    h_Oberflaechenpause = 1.5f;
    Tauchgang({{0, 0, 0}});
    UDDF_schreiben();
    EXPECT_TRUE(enthaelt("<passedtime>  5400</passedtime>"));
    EXPECT_FALSE(enthaelt("<infinity/>"));

    Wiederholungstauchgang_OK = false;
    h_Oberflaechenpause = 0;
    ASSERT_TRUE(Lesen(X::Dokument_als_Text()));
    EXPECT_TRUE(Wiederholungstauchgang_OK);
    EXPECT_FLOAT_EQ(h_Oberflaechenpause, 1.5f);
}

// Regression: a gas no consumption was booked on (a dive not yet computed) was left out, and the
// waypoints that breathe it came back with another gas.
TEST_F(UDDF, Gas_eines_Wegpunkts_wird_auch_ohne_Verbrauch_exportiert) {
    Tauchgang({{0, 0, 5}, {3, 20, 5}});
    UDDF_schreiben();
    EXPECT_TRUE(enthaelt("<mix id=\"mix_EAN60\">"));
}

TEST_F(UDDF, Gleiche_Gasnamen_bekommen_eindeutige_IDs) {
    G::Gasgemisch_hinzufuegen("EAN32", 33, 67, 0); // index 17 with the name of gas 1
    Tauchgang({{0, 0, 1}, {3, 20, 17}});
    UDDF_schreiben();
    EXPECT_TRUE(enthaelt("<mix id=\"mix_EAN32\">"));
    EXPECT_TRUE(enthaelt("<mix id=\"mix_EAN32_17\">"));
    EXPECT_TRUE(enthaelt("<switchmix ref=\"mix_EAN32_17\"/>"));
}

// ---- Round trips ----

struct Beispiel {
    const char* Fall;
    std::vector<Punkt> Punkte;
};
class Beispieltauchgang : public UDDF, public ::testing::WithParamInterface<Beispiel> {};

// Every waypoint comes back at its grid time with every field the format carries.
TEST_P(Beispieltauchgang, kommt_nach_Export_und_Import_gleich_zurueck) {
    G::Gasgemisch_hinzufuegen("EAN28", 28, 72, 0); // index 17, a user gas
    const std::vector<Punkt>& p = GetParam().Punkte;
    Tauchgang(p);
    Hin_und_zurueck();
    ASSERT_EQ(W::WayPoint_Anzahl, static_cast<int32_t>(p.size()) - 1);
    for (std::size_t k = 0; k < p.size(); ++k) {
        const W::WayPoint_Type& w = W::WayPoint[k];
        SCOPED_TRACE(k);
        EXPECT_NEAR(w.min_Runtime, p[k].t, 1e-5);
        EXPECT_NEAR(w.m_Wasser, p[k].m, 0.005);
        EXPECT_EQ(w.Gas_Nr, p[k].Gas);
        EXPECT_EQ(w.Tauchgeraet, p[k].Geraet);
        EXPECT_NEAR(w.CCR_Setpoint, p[k].Setpoint, 1e-6);
        EXPECT_NEAR(w.bar_pO2, p[k].pO2, 1e-6);
        EXPECT_NEAR(w.CNS_Prozent, p[k].CNS, 0.005);
        EXPECT_NEAR(w.OTU, p[k].OTU, 0.005);
        EXPECT_NEAR(w.SCR_Flow, p[k].Flow, 0.005);
        EXPECT_FALSE(w.austauchen);
        EXPECT_EQ(w.m_END, 0);
    }
    EXPECT_EQ(G::Gasgemisch[17].Name, "EAN28");
    EXPECT_EQ(G::Gasgemisch_NumMax, 17);
}
INSTANTIATE_TEST_SUITE_P(
    Beispiele, Beispieltauchgang,
    ::testing::Values(
        Beispiel{"Luft_Rechteck",
                 {{0, 0, 0, 0, 0, 0.199f},
                  {2, 40, 0, 0, 0, 1.03f, 0.9f, 1.1f},
                  {25, 40, 0, 0, 0, 1.03f, 11.3f, 29.1f},
                  {29, 6, 0},
                  {32.4f, 6, 0, 0, 0, 0.33f, 12.07f, 33.33f},
                  {34, 0, 0}}},
        Beispiel{
            "Trimix_mit_Deko_und_Benutzergas",
            {{0, 0, 10}, {3, 60, 10}, {20, 60, 10}, {24, 21, 4}, {27, 9, 17}, {30.1f, 6, 6}, {41.7f, 0, 6}}},
        Beispiel{"CCR_mit_Setpointwechsel_und_Bailout",
                 {{0, 0, 11, 1, 0.7f, 0.7f},
                  {2.5f, 45, 11, 1, 1.3f, 1.3f},
                  {30, 45, 11, 1, 1.3f, 1.3f, 25.5f},
                  {31, 30, 2, 0, 0, 1.41f},
                  {60, 0, 2, 0}}},
        Beispiel{"SCR", {{0, 0, 3, 2, 0, 0, 0, 0, 12.5f}, {2, 25, 3, 2, 0, 0, 0, 0, 12.5f}, {40, 0, 3, 2}}},
        Beispiel{"pSCR", {{0, 0, 2, 3}, {2, 20, 2, 3}, {50.3f, 0, 2, 3}}}),
    Fallname());

TEST_F(UDDF, Wegpunkte_naeher_als_das_Raster_verschmelzen) {
    // arrival at 30 m and the gas switch one second later
    Tauchgang({{0, 0, 0}, {2, 30, 0}, {2.0167f, 29, 4}, {10, 0, 4}});
    Hin_und_zurueck();
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 2);
    EXPECT_NEAR(W::WayPoint[1].m_Wasser, 29.5f, 1e-5);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 4);
}

TEST_F(UDDF, Programmeinstellungen_kommen_gleich_zurueck) {
    const auto setzen = [](bool A) {
        F::m_NN = A ? 350 : 0;
        F::bar_Luft = A ? 0.97f : 1.01325f;
        W::Tauchgeraet_Start = A ? 1 : 0;
        W::CCR_Setpoint_Start = A ? 1.2f : 1.3f;
        W::SCR_Flow_Start = A ? 12.5f : 15.6f;
        min_Runtime_Start = A ? 40 : 30;
        m_Wasser_Start = A ? 35 : 25;
        F::m_pro_bar = A ? 10.3f : 10;
        Unit_Gasverbrauch::AMV = A ? 18 : 20;
        Unit_Gasverbrauch::AMV_Deko = A ? 16 : 20;
        C::CCR.barL_pro_min_Atmung_O2 = A ? 1.25f : 1.5f;
        C::CCR.L = A ? 5 : 4;
        C::CCR.L_pro_min_O2_Zufuhr = A ? 8 : 10;
        C::CCR.Spuelen_Anzahl = A ? 2 : 3;
        C::SCR.barL_pro_min_Atmung_O2 = A ? 1.75f : 1.5f;
        C::SCR.L = A ? 6 : 4;
        C::SCR.Spuelen_Anzahl = A ? 4 : 3;
        F::p_H2O_verwenden = true;
        F::p_H2O = A ? 0.05f : 0.0627f;
        S::Modell_waehlen(A ? 3 : 2, S::Modell_N2);
        S::Modell_waehlen(A ? 7 : 6, S::Modell_He);
        Algorithmus = A ? 0 : 1;
        S::Buehlmann_Tiefenzuschlag = !A;
        S::Buehlmann_letzten_Stop_verdoppeln = A;
        S::Buehlmann_Sicherheitsstop_min = A ? 3 : 0;
        S::GF_verwenden = A;
        S::GF_Lo = A ? 0.35f : 0.4f;
        S::GF_Hi = A ? 0.85f : 0.8f;
        S::GF_alle_Stops = A;
        S::Deep_Stop_verwenden = A;
        S::Deep_Stop_min = A ? 2 : 1;
        S::Deep_Stop_Stufen_oberhalb_Dekozone = A ? 3 : 2;
    };
    setzen(true);
    Tauchgang({{0, 0, 0}, {5, 10, 0}});
    UDDF_schreiben();
    const std::string Text = X::Dokument_als_Text();
    setzen(false);
    ASSERT_TRUE(Lesen(Text));
    EXPECT_EQ(F::m_NN, 350);
    EXPECT_FLOAT_EQ(F::bar_Luft, 0.97f);
    EXPECT_EQ(W::Tauchgeraet_Start, 1);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint_Start, 1.2f);
    EXPECT_FLOAT_EQ(W::CCR_Setpoint, 1.2f); // also the setpoint in force
    EXPECT_FLOAT_EQ(W::SCR_Flow_Start, 12.5f);
    EXPECT_FLOAT_EQ(min_Runtime_Start, 40);
    EXPECT_FLOAT_EQ(m_Wasser_Start, 35);
    EXPECT_FLOAT_EQ(F::m_pro_bar, 10.3f);
    EXPECT_EQ(Unit_Gasverbrauch::AMV, 18);
    EXPECT_EQ(Unit_Gasverbrauch::AMV_Deko, 16);
    EXPECT_FLOAT_EQ(C::CCR.barL_pro_min_Atmung_O2, 1.25f);
    EXPECT_EQ(C::CCR.L, 5);
    EXPECT_EQ(C::CCR.L_pro_min_O2_Zufuhr, 8);
    EXPECT_EQ(C::CCR.Spuelen_Anzahl, 2);
    EXPECT_FLOAT_EQ(C::SCR.barL_pro_min_Atmung_O2, 1.75f);
    EXPECT_EQ(C::SCR.L, 6);
    EXPECT_EQ(C::SCR.Spuelen_Anzahl, 4);
    EXPECT_TRUE(F::p_H2O_verwenden);
    EXPECT_FLOAT_EQ(F::p_H2O, 0.05f);
    EXPECT_EQ(S::Modell_N2.Nummer, 3);
    EXPECT_EQ(S::Modell_He.Nummer, 7);
    EXPECT_EQ(Algorithmus, 0);
    EXPECT_FALSE(S::Buehlmann_Tiefenzuschlag);
    EXPECT_TRUE(S::Buehlmann_letzten_Stop_verdoppeln);
    EXPECT_FLOAT_EQ(S::Buehlmann_Sicherheitsstop_min, 3);
    EXPECT_TRUE(S::GF_verwenden);
    EXPECT_FLOAT_EQ(S::GF_Lo, 0.35f);
    EXPECT_FLOAT_EQ(S::GF_Hi, 0.85f);
    EXPECT_TRUE(S::GF_alle_Stops);
    EXPECT_TRUE(S::Deep_Stop_verwenden);
    EXPECT_EQ(S::Deep_Stop_min, 2);
    EXPECT_EQ(S::Deep_Stop_Stufen_oberhalb_Dekozone, 3);
    // the input fields show the start values of the block
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 40);
    EXPECT_FLOAT_EQ(W::m_Wasser, 35);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Import_leert_die_Textseiten_und_den_Dateinamen) {
    Unit_Textpuffer::Memo_Report.Zeile_anfuegen("alt");
    Datei_Tauchgang = "alt.dec";
    Tauchgang({{0, 0, 0}, {5, 10, 0}});
    UDDF_schreiben();
    ASSERT_TRUE(Lesen(X::Dokument_als_Text()));
    EXPECT_TRUE(Unit_Textpuffer::Memo_Report.lesen().empty());
    EXPECT_TRUE(Datei_Tauchgang.empty());
}

// Files of earlier versions carry element names with blanks.
TEST_F(UDDF, Elementnamen_mit_Blanks_werden_gelesen) {
    Tauchgang({{0, 0, 0}, {5, 10, 0}});
    Unit_Gasverbrauch::AMV = 17;
    UDDF_schreiben();
    std::string Text = X::Dokument_als_Text();
    Text.replace(Text.find("<OC_AMV>"), 8, "<OC AMV>");
    Text.replace(Text.find("</OC_AMV>"), 9, "</OC AMV>");
    Unit_Gasverbrauch::AMV = 20;
    ASSERT_TRUE(Lesen(Text));
    EXPECT_EQ(Unit_Gasverbrauch::AMV, 17);
}

TEST_F(UDDF, Unmoegliche_Einstellung_wird_gemeldet_und_nicht_uebernommen) {
    Tauchgang({{0, 0, 0}, {5, 10, 0}});
    UDDF_schreiben();
    std::string Text = X::Dokument_als_Text();
    const auto p = Text.find("<CCR_circuit_volume>");
    Text.replace(p, Text.find('\r', p) - p, "<CCR_circuit_volume>0</CCR_circuit_volume>");
    ASSERT_TRUE(Lesen(Text));
    EXPECT_EQ(C::CCR.L, 4);
    EXPECT_EQ(Oberflaeche.Anzahl("Ungültiger Wert in der UDDF Datei: CCR circuit volume"), 1);
}

// ---- Files of other writers ----

TEST_F(UDDF, Ohne_Programmblock_bleiben_die_Einstellungen) {
    Unit_Gasverbrauch::AMV = 23;
    S::GF_Lo = 0.3f;
    min_Runtime_Start = 12;
    ASSERT_TRUE(Lesen(Fremd(Mix("air", "0.21", "0"), WP("0", "0") + WP("60", "10") + WP("120", "10"))));
    EXPECT_EQ(Unit_iWayPoint::iWayPointMax, 2);
    EXPECT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_EQ(Unit_Gasverbrauch::AMV, 23);
    EXPECT_FLOAT_EQ(S::GF_Lo, 0.3f);
    EXPECT_FLOAT_EQ(static_cast<float>(W::min_Runtime), 12);
}

TEST_F(UDDF, Sample_ohne_switchmix_atmet_das_Gas_davor) {
    const std::string Gase = Mix("a", "0.21", "0") + Mix("b", "0.50", "0") + Mix("c", "1.0", "0");
    ASSERT_TRUE(Lesen(Fremd(Gase, WP("0", "0") + WP("60", "10", "<switchmix ref=\"c\"/>") + WP("120", "10") +
                                      WP("180", "6", "<switchmix ref=\"b\" />") + WP("240", "3"))));
    ASSERT_EQ(W::WayPoint_Anzahl, 4);
    EXPECT_EQ(W::WayPoint[0].Gas_Nr, 0); // no switchmix at the start: the first definition
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 6);
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 6);
    EXPECT_EQ(W::WayPoint[3].Gas_Nr, 4);
    EXPECT_EQ(W::WayPoint[4].Gas_Nr, 4);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Unbekannte_Gasreferenz_nimmt_das_letzte_Gas_und_meldet_sich_einmal) {
    const std::string Gase = Mix("a", "0.21", "0") + Mix("b", "0.32", "0");
    ASSERT_TRUE(Lesen(Fremd(Gase, WP("0", "0", "<switchmix ref=\"a\"/>") + WP("60", "10") +
                                      WP("120", "10", "<switchmix ref=\"x\"/>") +
                                      WP("180", "10", "<switchmix ref=\"y\"/>"))));
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 1);
    EXPECT_EQ(W::WayPoint[3].Gas_Nr, 1);
    EXPECT_EQ(Oberflaeche.Anzahl("Undefiniertes Atemgas bei Waypoint[2]"), 1);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

TEST_F(UDDF, Gas_ohne_Stickstoff_ist_der_Rest_und_neue_Gase_kommen_hinter_die_Tabelle) {
    ASSERT_TRUE(Lesen(Fremd(Mix("tx", "0.16", "0.45") + Mix("n", "0.25", "0.25") +
                                "<mix id=\"m\"><name>M</name><o2>0.3</o2><n2>0.6</n2><he>0.1</he></mix>\n",
                            WP("0", "0"))));
    ASSERT_EQ(G::Gasgemisch_NumMax, 19);
    EXPECT_EQ(G::Gasgemisch[17].Name, "tx");
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_O2_prozent, 16);
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_N2_prozent, 39); // 100 - 16 - 45
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_He_prozent, 45);
    EXPECT_EQ(G::Gasgemisch[18].Name, "n");              // 25/50/25: no default
    EXPECT_FLOAT_EQ(G::Gasgemisch[19].f_N2_prozent, 60); // given, kept
    EXPECT_EQ(W::WayPoint[0].Gas_Nr, 17);
}

TEST_F(UDDF, pO2_in_bar_und_weggelassene_Werte_gelten_weiter) {
    ASSERT_TRUE(Lesen(Fremd(
        Mix("a", "0.21", "0"),
        WP("0", "0", "<calculatedpo2>0.21</calculatedpo2><cns>1</cns><divemode type=\"closedcircuit\"/>") +
            WP("60", "20", "<setpo2 setby=\"computer\">1.3</setpo2>") +
            WP("120", "20", "<calculatedpo2>121000</calculatedpo2><cns>3</cns>") +
            WP("180", "20", "<divemode type=\"opencircuit\"/>"))));
    ASSERT_EQ(W::WayPoint_Anzahl, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[0].bar_pO2, 0.21f);
    EXPECT_EQ(W::WayPoint[0].Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(W::WayPoint[0].CCR_Setpoint, 1.3f); // the default before any
    EXPECT_FLOAT_EQ(W::WayPoint[1].bar_pO2, 0.21f);
    EXPECT_FLOAT_EQ(W::WayPoint[1].CNS_Prozent, 1);
    EXPECT_EQ(W::WayPoint[1].Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(W::WayPoint[2].bar_pO2, 1.21f);
    EXPECT_FLOAT_EQ(W::WayPoint[2].CNS_Prozent, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[3].bar_pO2, 1.21f);
    EXPECT_EQ(W::WayPoint[3].Tauchgeraet, 0);
}

// Regression: without end tags every sample was read from the first waypoint again.
TEST_F(UDDF, Waypoints_ohne_Endtag_werden_der_Reihe_nach_gelesen) {
    ASSERT_TRUE(Lesen(Fremd(Mix("a", "0.21", "0"), "<waypoint><divetime>0</divetime><depth>0</depth>\n"
                                                   "<waypoint><divetime>60</divetime><depth>12</depth>\n"
                                                   "<waypoint><divetime>120</divetime><depth>8</depth>\n")));
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 12);
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 2);
}

// ---- Logbooks of many dives ----

// A surface blip, a dive with date and number, and one in a second group with the date in parts
// as older writers give it.
std::string Logbuch() {
    const auto Tauchgang = [](const std::string& Kopf, const std::string& Samples) {
        return "<dive id=\"d\">\n" + Kopf + "<samples>\n" + Samples + "</samples>\n</dive>\n";
    };
    return "<uddf version=\"3.2.0\">\n<gasdefinitions>" + Mix("a", "0.21", "0") + Mix("b", "0.32", "0") +
           "</gasdefinitions>\n<profiledata><repetitiongroup id=\"g1\">\n" +
           Tauchgang(
               "<informationbeforedive><divenumber>7</divenumber><datetime>2024-06-27T10:00:00</datetime>"
               "</informationbeforedive>\n",
               WP("0", "0") + WP("4", "0.8")) +
           Tauchgang(
               "<informationbeforedive><divenumber>8</divenumber><datetime>2024-06-27T11:30:00Z</datetime>"
               "</informationbeforedive>\n",
               WP("0", "0", "<switchmix ref=\"b\"/>") + WP("60", "18.5") + WP("1500", "18") +
                   WP("1800", "0")) +
           "</repetitiongroup><repetitiongroup id=\"g2\">\n" +
           Tauchgang("<date><year>2011</year><month>5</month><day>17</day></date><time><hour>11</hour>"
                     "<minute>1</minute></time>\n",
                     WP("0", "0") + WP("120", "30.2") + WP("2400", "0")) +
           "</repetitiongroup></profiledata>\n</uddf>\n";
}

TEST_F(UDDF, Logbuch_listet_seine_Tauchgaenge) {
    X::Dokument_aus_Text(Logbuch());
    const auto Liste = Tauchgaenge();
    ASSERT_EQ(Liste.size(), 3u);
    const struct {
        const char* Nummer;
        const char* Zeitpunkt;
        float Tiefe, Dauer;
    } erwartet[] = {{"7", "2024-06-27 10:00:00", 0.8f, 4 / 60.0f},
                    {"8", "2024-06-27 11:30:00", 18.5f, 30},
                    {"", "2011-05-17 11:01", 30.2f, 40}};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Liste[k].Nummer, static_cast<int32_t>(k + 1));
        EXPECT_EQ(Liste[k].Tauchgangsnummer, erwartet[k].Nummer);
        EXPECT_EQ(Liste[k].Zeitpunkt, erwartet[k].Zeitpunkt);
        EXPECT_FLOAT_EQ(Liste[k].m_Tiefe_max, erwartet[k].Tiefe);
        EXPECT_FLOAT_EQ(Liste[k].min_Dauer, erwartet[k].Dauer);
    }
    EXPECT_EQ(Eintrag_Text(Liste[1]), "2  #8  2024-06-27 11:30:00  18.5 m  30.0 min");
    EXPECT_EQ(Eintrag_Text(Liste[2]), "3  2011-05-17 11:01  30.2 m  40.0 min");
}

TEST_F(UDDF, Aus_dem_Logbuch_wird_der_gewaehlte_Tauchgang_gelesen) {
    // read one after the other: a short dive before does not cut the samples of the next
    const struct {
        int32_t Nummer;
        float Tiefe, Ende;
        int32_t Gas; // of the first waypoint under water
    } Faelle[] = {{1, 0.8f, 0.1f, 0}, {2, 18.5f, 30, 1}, {3, 30.2f, 40, 0}};
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.Nummer);
        X::Dokument_aus_Text(Logbuch());
        ASSERT_TRUE(UDDF_lesen(f.Nummer));
        EXPECT_FLOAT_EQ(Tiefe_max(), f.Tiefe);
        EXPECT_FLOAT_EQ(W::WayPoint[W::WayPoint_Anzahl].min_Runtime, f.Ende);
        EXPECT_EQ(W::WayPoint[1].Gas_Nr, f.Gas);
    }
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    // the document is whole again for the next reading
    EXPECT_EQ(Tauchgaenge().size(), 3u);
}

TEST_F(UDDF, Import_eines_Logbuchs_fragt_nach_dem_Tauchgang) {
    const auto Datei = std::filesystem::path(::testing::TempDir()) / "logbuch.uddf";
    ASSERT_TRUE(X::Textdatei_schreiben(Datei.string(), Logbuch()));
    Oberflaeche.Antwort_Auswahl = std::optional<std::size_t>(1);
    ASSERT_TRUE(UDDF_importieren_Datei(Datei.string()));
    ASSERT_EQ(Oberflaeche.Auswahlen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Auswahlen[0].size(), 3u);
    EXPECT_FLOAT_EQ(Tiefe_max(), 18.5f);

    // cancelled: nothing read, the dive stays
    const std::string vorher = Tauchgang_Text();
    Oberflaeche.Antwort_Auswahl = std::optional<std::size_t>();
    EXPECT_FALSE(UDDF_importieren_Datei(Datei.string()));
    EXPECT_EQ(Tauchgang_Text(), vorher);
    // a file of one dive is read without a question
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("subsurface-d6i-2024-06-27.uddf")));
    EXPECT_EQ(Oberflaeche.Auswahlen.size(), 2u);
}

// ---- Files of earlier versions and the namespaced files of now ----

// Everything a file carries: the numbers, and the rest as a text.
struct Inhalt_Type {
    std::vector<float> Zahlen;
    std::string Text;
};
Inhalt_Type Inhalt() {
    Inhalt_Type t;
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        const auto& w = W::WayPoint[k];
        t.Zahlen.insert(t.Zahlen.end(), {w.min_Runtime, w.m_Wasser, w.CCR_Setpoint, w.bar_pO2, w.CNS_Prozent,
                                         w.OTU, static_cast<float>(w.SCR_Flow)});
        t.Text += std::to_string(w.Gas_Nr) + "/" + std::to_string(w.Tauchgeraet) + " ";
    }
    t.Zahlen.insert(t.Zahlen.end(),
                    {h_Oberflaechenpause, min_Runtime_Start, m_Wasser_Start, W::CCR_Setpoint_Start,
                     W::SCR_Flow_Start, S::GF_Lo, S::GF_Hi, F::m_pro_bar, F::bar_Luft});
    t.Text += std::to_string(Wiederholungstauchgang_OK) + std::to_string(Algorithmus) +
              std::to_string(W::Tauchgeraet_Start) + std::to_string(Unit_Gasverbrauch::AMV) +
              std::to_string(G::Gasgemisch_NumMax);
    return t;
}

struct Alte_Datei {
    const char* Fall;
    const char* Datei;
    uint8_t Geraet; // of some waypoints
};
class Datei_einer_frueheren_Version : public UDDF, public ::testing::WithParamInterface<Alte_Datei> {};

TEST_P(Datei_einer_frueheren_Version, liest_sich_wie_ihr_Export_von_jetzt) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei(GetParam().Datei)));
    EXPECT_TRUE(std::any_of(&W::WayPoint[0], &W::WayPoint[W::WayPoint_Anzahl + 1],
                            [](const auto& w) { return w.Tauchgeraet == GetParam().Geraet; }));
    const Inhalt_Type alt = Inhalt();
    UDDF_schreiben();
    const std::string Text = X::Dokument_als_Text();
    EXPECT_TRUE(enthaelt("<uddf xmlns=\"http://www.streit.cc/uddf/3.1/\" version=\"3.1.0\">"));
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
    ASSERT_TRUE(Lesen(Text));
    const Inhalt_Type neu = Inhalt();
    EXPECT_EQ(neu.Text, alt.Text);
    ASSERT_EQ(neu.Zahlen.size(), alt.Zahlen.size());
    // as exact as the format writes them (two decimals)
    for (std::size_t k = 0; k < alt.Zahlen.size(); ++k)
        EXPECT_NEAR(neu.Zahlen[k], alt.Zahlen[k], 0.0051) << k;
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}
INSTANTIATE_TEST_SUITE_P(Faelle, Datei_einer_frueheren_Version,
                         ::testing::Values(Alte_Datei{"CCR_Bail_Out_Wiederholung",
                                                      "brelune-alt-ccr-wiederholung.uddf", 1},
                                           Alte_Datei{"pSCR", "brelune-alt-pscr.uddf", 3}),
                         Fallname());

TEST_F(UDDF, Erster_Punkt_unter_Wasser_bekommt_einen_Start_an_der_Oberflaeche) {
    ASSERT_TRUE(Lesen(Fremd(Mix("a", "0.21", "0"), WP("0", "3") + WP("60", "10"))));
    ASSERT_EQ(W::WayPoint_Anzahl, 2);
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0);
    EXPECT_EQ(W::WayPoint[0].min_Runtime, 0);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 3);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 0.1f); // one calculation step after the start
    EXPECT_FLOAT_EQ(W::WayPoint[2].min_Runtime, 1.1f);
}

// ---- Files that are no dive: a message, and the dive and the gas list stay ----

struct Unbrauchbar {
    const char* Fall;
    std::string Text;
    const char* Meldung;
};
class Unbrauchbare_UDDF_Datei : public UDDF, public ::testing::WithParamInterface<Unbrauchbar> {};

TEST_P(Unbrauchbare_UDDF_Datei, meldet_sich_und_laesst_den_Tauchgang) {
    Tauchgang_anlegen();
    Unit_Gasverbrauch::AMV = 23;
    const std::string vorher = Tauchgang_Text();
    EXPECT_FALSE(Lesen(GetParam().Text));
    EXPECT_EQ(Oberflaeche.Anzahl(GetParam().Meldung), 1)
        << (Oberflaeche.Meldungen.empty() ? "" : Oberflaeche.Meldungen[0].Text);
    EXPECT_EQ(Tauchgang_Text(), vorher);
    EXPECT_EQ(Unit_Gasverbrauch::AMV, 23);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Unbrauchbare_UDDF_Datei,
    ::testing::Values(
        Unbrauchbar{"leer", "", "die Datei ist leer"},
        Unbrauchbar{"nur_Blanks", " \r\n\t\r\n", "die Datei ist leer"},
        Unbrauchbar{"binaer", std::string("<uddf>\0\x01\x02</uddf>", 16), "keine Textdatei"},
        Unbrauchbar{"CSV", "Time (sec),Depth\n0,0\n2,1.5\n", "keine UDDF Datei"},
        Unbrauchbar{"abgeschnitten",
                    Fremd(Mix("a", "0.21", "0"), WP("0", "0") + WP("60", "10")).substr(0, 300),
                    "unvollständig"},
        Unbrauchbar{"ohne_Gase", Fremd("", WP("0", "0") + WP("60", "10")), "keine Gasdefinition"},
        Unbrauchbar{"ohne_Samples", Fremd(Mix("a", "0.21", "0"), ""), "keine Tauchgangsdaten"},
        Unbrauchbar{"Samples_ohne_Zeit",
                    Fremd(Mix("a", "0.21", "0"), "<waypoint><depth>3</depth></waypoint>\n"),
                    "kein Sample hat eine brauchbare Zeit"},
        Unbrauchbar{"Gas_ueber_100_Prozent", Fremd(Mix("a", "0.8", "0.5"), WP("0", "0")), "ist ungültig"},
        Unbrauchbar{"Gas_ohne_Sauerstoff", Fremd(Mix("a", "0", "0"), WP("0", "0")), "ist ungültig"},
        Unbrauchbar{"ohne_Tauchgang",
                    "<uddf><gasdefinitions>" + Mix("a", "0.21", "0") + "</gasdefinitions></uddf>",
                    "die Datei enthält keinen Tauchgang"}),
    Fallname());

TEST_F(UDDF, Tauchgang_den_das_Logbuch_nicht_hat_laesst_den_Tauchgang) {
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    X::Dokument_aus_Text(Logbuch());
    EXPECT_FALSE(UDDF_lesen(4));
    EXPECT_EQ(Oberflaeche.Anzahl("die Datei enthält die Tauchgänge 1 bis 3, keinen Tauchgang 4"), 1);
    EXPECT_EQ(Tauchgang_Text(), vorher);
}

TEST_F(UDDF, Volle_Gastabelle_meldet_sich_und_laesst_alles) {
    for (int i = 0; i < 24; ++i)
        G::Gasgemisch_hinzufuegen("U", 10, static_cast<float>(50 - i), static_cast<float>(40 + i));
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    EXPECT_FALSE(Lesen(Fremd(Mix("a", "0.21", "0") + Mix("neu", "0.27", "0"), WP("0", "0"))));
    EXPECT_EQ(Oberflaeche.Anzahl("Zu viele Gasmischungen"), 1);
    EXPECT_EQ(Tauchgang_Text(), vorher);
}

TEST_F(UDDF, Abgebrochener_Dialog_importiert_und_exportiert_nichts) {
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    EXPECT_FALSE(UDDF_importieren());
    EXPECT_FALSE(UDDF_exportieren());
    EXPECT_EQ(Tauchgang_Text(), vorher);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

// ---- The real files (values read off the files) ----

TEST_F(UDDF, Subsurface_test42) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("subsurface-test42.uddf")));
    // 2485 samples every 2 s from 2 s to 4970 s: 829 grid times, and the start at the surface
    // in front, the recorded dive one step later
    EXPECT_EQ(W::WayPoint_Anzahl, 829);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 2.34f);
    EXPECT_FLOAT_EQ(W::WayPoint[829].min_Runtime, 82.9f);
    EXPECT_NEAR(W::WayPoint[829].m_Wasser, (0.22 + 0.25 + 0.24) / 3, 1e-5); // 4966, 4968, 4970 s
    // the deepest grid time 32.4 min: 1942, 1944 and 1946 s at 38.92, 38.97 and 38.97 m
    EXPECT_NEAR(Tiefe_max(), (38.92 + 38.97 + 38.97) / 3, 1e-4);
    EXPECT_NEAR(W::WayPoint[WayPoint_bei(32.5f)].m_Wasser, Tiefe_max(), 1e-6);
    // Tx 16/45 (no n2 in the file) is new, oxygen and air are defaults; one switchmix at 2 s
    ASSERT_EQ(G::Gasgemisch_NumMax, 17);
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_O2_prozent, 16);
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_N2_prozent, 39);
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_He_prozent, 45);
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        EXPECT_EQ(W::WayPoint[k].Gas_Nr, 17) << k;
        EXPECT_EQ(W::WayPoint[k].Tauchgeraet, 0) << k;
    }
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Subsurface_D6i_ohne_switchmix) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("subsurface-d6i-2024-06-27.uddf")));
    // 86 samples 20 s apart, 0 s at 1.31 m to 1678 s at 2.24 m
    EXPECT_EQ(W::WayPoint_Anzahl, 86);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 1.31f);
    EXPECT_FLOAT_EQ(W::WayPoint[86].min_Runtime, 28.1f);
    EXPECT_FLOAT_EQ(W::WayPoint[86].m_Wasser, 2.24f); // no closing copy for UDDF
    EXPECT_FLOAT_EQ(Tiefe_max(), 11.18f);             // at 680 s
    EXPECT_FLOAT_EQ(W::WayPoint[WayPoint_bei(11.4f)].m_Wasser, 11.18f);
    EXPECT_EQ(G::Gasgemisch_NumMax, 16); // 21/0 is air
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        EXPECT_EQ(W::WayPoint[k].Gas_Nr, 0) << k;
        EXPECT_EQ(W::WayPoint[k].Tauchgeraet, 0) << k;
    }
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Diving_Log_5_im_alten_Dialekt) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("divinglog-5.08.uddf")));
    // 65 samples 30 s apart from 0 s at 0 m to 1920 s at 0 m; the density of the dive is not a
    // site density
    EXPECT_EQ(W::WayPoint_Anzahl, 64);
    EXPECT_FLOAT_EQ(W::WayPoint[1].min_Runtime, 0.5f);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 2.74f);
    EXPECT_FLOAT_EQ(W::WayPoint[64].min_Runtime, 32);
    EXPECT_EQ(W::WayPoint[64].m_Wasser, 0);
    EXPECT_FLOAT_EQ(Tiefe_max(), 24.69f);
    EXPECT_FLOAT_EQ(W::WayPoint[WayPoint_bei(4.5f)].m_Wasser, 24.69f);
    EXPECT_EQ(G::Gasgemisch_NumMax, 16);
    EXPECT_EQ(W::WayPoint[30].Gas_Nr, 0);
    EXPECT_FLOAT_EQ(F::m_pro_bar, 10);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Shearwater_Cloud_Trimix_mit_zwei_Dekogasen) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf")));
    // 436 samples 10 s apart from 0 s at 1.4 m to 4350 s at 0 m
    EXPECT_EQ(W::WayPoint_Anzahl, 436);
    EXPECT_FLOAT_EQ(W::WayPoint[1].m_Wasser, 1.4f);
    EXPECT_FLOAT_EQ(W::WayPoint[436].min_Runtime, 72.6f);
    EXPECT_FLOAT_EQ(Tiefe_max(), 58.7f); // at 2130 s
    EXPECT_FLOAT_EQ(W::WayPoint[WayPoint_bei(35.6f)].m_Wasser, 58.7f);
    // CC1 21/00 is air, OC2 32/00 EAN32, OC1 72/00 and OC3 19/34 are new, in the file's order
    ASSERT_EQ(G::Gasgemisch_NumMax, 18);
    EXPECT_FLOAT_EQ(G::Gasgemisch[17].f_O2_prozent, 72);
    EXPECT_FLOAT_EQ(G::Gasgemisch[18].f_O2_prozent, 19);
    EXPECT_FLOAT_EQ(G::Gasgemisch[18].f_He_prozent, 34);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 18);
    // 2400 s: switch to OC2 at 37.6 m with pO2 1.52 bar and CNS 6 %
    const int32_t k = WayPoint_bei(40.1f);
    ASSERT_GT(k, 0);
    EXPECT_EQ(W::WayPoint[k - 1].Gas_Nr, 18);
    EXPECT_EQ(W::WayPoint[k].Gas_Nr, 1);
    EXPECT_NEAR(W::WayPoint[k].m_Wasser, 37.6f, 1e-5);
    EXPECT_FLOAT_EQ(W::WayPoint[k].bar_pO2, 1.52f);
    EXPECT_FLOAT_EQ(W::WayPoint[k].CNS_Prozent, 6);
    // 3500 s: switch to OC1 at 10.5 m with pO2 1.47 bar and CNS 13 %
    const int32_t j = WayPoint_bei(58.4f);
    ASSERT_GT(j, 0);
    EXPECT_EQ(W::WayPoint[j - 1].Gas_Nr, 1);
    EXPECT_EQ(W::WayPoint[j].Gas_Nr, 17);
    EXPECT_FLOAT_EQ(W::WayPoint[j].m_Wasser, 10.5f);
    EXPECT_NEAR(W::WayPoint[j].bar_pO2, 1.47f, 1e-6);
    EXPECT_FLOAT_EQ(W::WayPoint[j].CNS_Prozent, 13);
    EXPECT_EQ(W::WayPoint[436].Gas_Nr, 17);
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) EXPECT_EQ(W::WayPoint[i].Tauchgeraet, 0) << i;
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(UDDF, Echte_Datei_hin_und_zurueck) {
    ASSERT_TRUE(UDDF_importieren_Datei(Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf")));
    std::vector<Punkt> vorher;
    for (int32_t k = 0; k <= W::WayPoint_Anzahl; ++k) {
        const auto& w = W::WayPoint[k];
        vorher.push_back(
            {w.min_Runtime, w.m_Wasser, w.Gas_Nr, w.Tauchgeraet, w.CCR_Setpoint, w.bar_pO2, w.CNS_Prozent});
    }
    Hin_und_zurueck();
    ASSERT_EQ(W::WayPoint_Anzahl + 1, static_cast<int32_t>(vorher.size()));
    for (std::size_t k = 0; k < vorher.size(); ++k) {
        EXPECT_NEAR(W::WayPoint[k].min_Runtime, vorher[k].t, 1e-5) << k;
        EXPECT_NEAR(W::WayPoint[k].m_Wasser, vorher[k].m, 0.005) << k;
        EXPECT_EQ(W::WayPoint[k].Gas_Nr, vorher[k].Gas) << k;
        EXPECT_NEAR(W::WayPoint[k].bar_pO2, vorher[k].pO2, 1e-6) << k;
    }
}
