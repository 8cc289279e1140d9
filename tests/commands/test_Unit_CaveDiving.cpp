// Cave diving: cutting, inverting and shifting a profile over the distance along the line, the
// profile text in files, and the text turned into timed waypoints and computed. Profiles are set
// up by hand as a calibrated dive leaves them.
#include "commands/Unit_CaveDiving.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "reports/Unit_Report.hpp"
#include "support/Testumgebung.hpp"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace C = Unit_CaveDiving;
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace A = Unit_Tauchgang_analysieren;
namespace S = Unit_Saettigungsmodelle;
namespace Memo = Unit_Textpuffer;

namespace {

struct Punkt {
    float min;
    float m;
    float Distanz;
    float v = 10; // m/min
};

// In 16 min 160 m along the line, deepest at 100 m.
const std::vector<Punkt> Hoehle = {{0, 0, 0},     {2, 10, 20},   {6, 15, 60},
                                   {10, 20, 100}, {14, 18, 140}, {16, 12, 160}};
const std::vector<Punkt> ab_20_m = {{0, 0, -1, -1}, {2, 10, 20}, {6, 15, 60}};

std::vector<float> Werte(float (*Wert)(const W::WayPoint_Type&)) {
    std::vector<float> v;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        v.push_back(Wert(W::WayPoint[static_cast<std::size_t>(i)]));
    return v;
}
std::vector<float> Distanzen() {
    return Werte([](const W::WayPoint_Type& w) -> float { return w.cave_horizontal_distance_m; });
}
std::vector<float> Laufzeiten() {
    return Werte([](const W::WayPoint_Type& w) { return w.min_Runtime; });
}

struct Fallname {
    template <typename Info> std::string operator()(const Info& i) const { return i.param.Fall; }
};

} // namespace

// A failing case is printed by its name.
template <typename Fall>
requires requires(const Fall& f) {
    std::string(f.Fall);
}
std::ostream& operator<<(std::ostream& o, const Fall& f) {
    return o << f.Fall;
}

class Hoehlentauchen : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        M::Berichte_anmelden();
        M::Neuer_Tauchgang();
        Memo::Memo_CSV.Leeren();
        Oberflaeche.Zuruecksetzen();
    }

    // A recorded and calibrated dive as read: waypoint 0's set-up on every point, pO2 of air, no
    // ascent.
    static void Profil(const std::vector<Punkt>& P) {
        const W::WayPoint_Type Start = W::WayPoint[0];
        for (std::size_t i = 0; i < P.size(); ++i) {
            W::WayPoint_Type& w = W::WayPoint[i];
            w = Start;
            w.min_Runtime = P[i].min;
            w.m_Wasser = P[i].m;
            w.bar_pO2 = 0.21f * (1 + P[i].m / 10);
            w.cave_horizontal_distance_m = P[i].Distanz;
            w.cave_horizontal_velocity_m_pro_min = P[i].v;
        }
        W::WayPoint_Anzahl = M::WayPoint_letzter_Eingabe = static_cast<int32_t>(P.size()) - 1;
    }

    // A refused operation: one message, the dive and the profile text as they were.
    template <typename Operation> void erwarte_abgelehnt(Operation&& op) {
        const auto vorher = std::tuple(Distanzen(), Laufzeiten(), Memo::Memo_CSV.Zeilen);
        Oberflaeche.Zuruecksetzen();
        EXPECT_FALSE(op());
        EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(std::tuple(Distanzen(), Laufzeiten(), Memo::Memo_CSV.Zeilen), vorher);
    }

    static std::string Datei(const std::string& Name) {
        const auto Ordner = std::filesystem::temp_directory_path() / "brelune_hoehle";
        std::filesystem::create_directories(Ordner);
        return (Ordner / Name).string();
    }
};

// ---- cut, invert, shift ----

struct Operation {
    const char* Fall;
    std::vector<Punkt> Profil;
    std::function<bool()> op;
    std::vector<float> Distanzen; // empty: refused
    std::vector<float> Laufzeiten;
};

class Profiloperation : public Hoehlentauchen, public ::testing::WithParamInterface<Operation> {};

TEST_P(Profiloperation, Ergebnis_wird_der_Tauchgang) {
    const Operation& f = GetParam();
    Profil(f.Profil);
    if (f.Distanzen.empty()) {
        erwarte_abgelehnt(f.op);
        return;
    }
    EXPECT_TRUE(f.op());
    EXPECT_EQ(Distanzen(), f.Distanzen);
    EXPECT_EQ(Laufzeiten(), f.Laufzeiten);
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        EXPECT_FALSE(W::WayPoint[static_cast<std::size_t>(i)].austauchen);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, W::WayPoint_Anzahl);
    EXPECT_FALSE(W::Tauchgang_gespeichert);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen.size(), f.Distanzen.size() + 1); // header and one line per point
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

bool Schnitt(const char* von, const char* bis) {
    return C::Profil_ausschneiden(von, bis);
}

INSTANTIATE_TEST_SUITE_P(
    Hoehle, Profiloperation,
    ::testing::Values(
        Operation{"Schnitt_Mitte", Hoehle, [] { return Schnitt("20", "100"); }, {20, 60, 100}, {2, 6, 10}},
        Operation{"Schnitt_Grenzen_gehoeren_dazu", Hoehle, [] { return Schnitt("100", "100"); }, {100}, {10}},
        Operation{"Schnitt_Dezimalkomma", Hoehle, [] { return Schnitt("19,5", " 60.00"); }, {20, 60}, {2, 6}},
        Operation{"Schnitt_ohne_Punkt", Hoehle, [] { return Schnitt("61", "99"); }, {}, {}},
        Operation{"Schnitt_von_hinter_bis", Hoehle, [] { return Schnitt("100", "20"); }, {}, {}},
        Operation{"Schnitt_keine_Zahl", Hoehle, [] { return Schnitt("abc", "100"); }, {}, {}},
        Operation{"Schnitt_unsinnige_Zahl", Hoehle, [] { return Schnitt("0", "1e12"); }, {}, {}},
        // the farthest point is the last: the whole list reversed, runtimes from the farthest point
        Operation{"Umkehr_weitester_zuletzt",
                  Hoehle,
                  C::Profil_invertieren,
                  {0, 20, 60, 100, 140, 160},
                  {0, 2, 6, 10, 14, 16}},
        // the first of two farthest points; what lies behind it is left out
        Operation{"Umkehr_weitester_in_der_Mitte",
                  {{0, 0, 0}, {5, 20, 50}, {10, 25, 120}, {15, 20, 80}, {20, 10, 120}, {25, 5, 90}},
                  C::Profil_invertieren,
                  {0, 70, 120},
                  {0, 5, 10}},
        // a point without calibration stays without
        Operation{"Umkehr_unkalibrierter_Start",
                  {{0, 0, -1, -1}, {4, 10, 40}, {8, 12, 80}},
                  C::Profil_invertieren,
                  {0, 40, -1},
                  {0, 4, 8}},
        Operation{
            "Umkehr_nicht_kalibriert", {{0, 0, -1, -1}, {4, 10, -1, -1}}, C::Profil_invertieren, {}, {}},
        Operation{"Addieren",
                  Hoehle,
                  [] { return C::Profil_addieren("10"); },
                  {10, 30, 70, 110, 150, 170},
                  {0, 2, 6, 10, 14, 16}},
        Operation{
            "Addieren_bis_0", ab_20_m, [] { return C::Profil_addieren("-20"); }, {-1, 0, 40}, {0, 2, 6}},
        Operation{"Addieren_unter_0", ab_20_m, [] { return C::Profil_addieren("-20,5"); }, {}, {}},
        Operation{"Addieren_keine_Zahl", Hoehle, [] { return C::Profil_addieren("zehn"); }, {}, {}},
        // while a calculation runs (and lets clicks through) the waypoints stay as they are
        Operation{"waehrend_einer_Rechnung",
                  Hoehle,
                  [] {
                      M::Berechnung_laeuft = true;
                      const bool r = C::Profil_invertieren();
                      M::Berechnung_laeuft = false;
                      return r;
                  },
                  {},
                  {}}),
    Fallname{});

// ---- range fields ----

TEST_F(Hoehlentauchen, Bereich_beim_Zeigen_und_nach_der_Kalibrierung) {
    Profil({{0, 0, -1, -1}, {2, 10, 20}, {6, 15, 160}, {8, 5, 90}});
    Memo::Memo_CSV.Zeile_anfuegen("alt");
    C::Fenster_zeigen();
    EXPECT_EQ(C::Feld_von_m, "  -1.00");
    EXPECT_EQ(C::Feld_bis_m, "  90.00");
    EXPECT_TRUE(Memo::Memo_CSV.Zeilen.empty());
    C::Bereich_nach_Kalibrierung();
    EXPECT_EQ(C::Feld_von_m, "  20.00");
    EXPECT_EQ(C::Feld_bis_m, " 160.00");
}

// ---- files ----

TEST_F(Hoehlentauchen, Speichern_Lesen_und_Anhaengen) {
    Profil(Hoehle);
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    const auto Text = Memo::Memo_CSV.Zeilen;
    auto Doppelt = Text; // appended: every line but the header
    Doppelt.insert(Doppelt.end(), Text.begin() + 1, Text.end());
    const std::string Name = Datei("profil.csv");
    ASSERT_TRUE(C::CSV_speichern(Name));
    C::CSV_loeschen();
    ASSERT_TRUE(C::CSV_lesen(Name, false));
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, Text);
    ASSERT_TRUE(C::CSV_lesen(Name, true));
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, Doppelt);
    // into an empty text the header comes along, so the text can still be read as a profile
    C::CSV_loeschen();
    ASSERT_TRUE(C::CSV_lesen(Name, true));
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, Text);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
    EXPECT_FALSE(C::CSV_speichern(Datei("fehlt") + "/ordner/profil.csv"));
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

struct Kaputt {
    const char* Fall;
    std::string Inhalt; // "-": no file at all
};

class Kaputte_Datei : public Hoehlentauchen, public ::testing::WithParamInterface<Kaputt> {};

TEST_P(Kaputte_Datei, Meldung_und_der_Text_bleibt) {
    const std::string Name = Datei(std::string(GetParam().Fall) + ".csv");
    std::filesystem::remove(Name);
    if (GetParam().Inhalt != "-") std::ofstream(Name, std::ios::binary) << GetParam().Inhalt;
    Memo::Memo_CSV.Zeilen = {"\" Brelune cave profile: ", "  20.0,  10.0, 10.00"};
    for (bool addieren : {false, true}) erwarte_abgelehnt([&] { return C::CSV_lesen(Name, addieren); });
}

INSTANTIATE_TEST_SUITE_P(Hoehle, Kaputte_Datei,
                         ::testing::Values(Kaputt{"fehlt", "-"}, Kaputt{"leer", ""},
                                           Kaputt{"binaer", std::string("12\0\x01\x02,ELF\n", 9)},
                                           Kaputt{"Prosa", "Liebe Grüße,\nbis bald\n"}),
                         Fallname{});

// ---- to waypoints and computed ----

struct Umwandlung {
    const char* Fall;
    std::vector<Punkt> Profil;
    std::vector<float> Laufzeiten;
};

class Zu_Wegpunkten : public Hoehlentauchen, public ::testing::WithParamInterface<Umwandlung> {};

TEST_P(Zu_Wegpunkten, Zeiten_aus_Entfernung_und_Geschwindigkeit) {
    Profil(GetParam().Profil);
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    M::Neuer_Tauchgang(); // the dive comes from the text alone
    ASSERT_TRUE(C::In_WayPoints_umwandeln());
    const auto t = Laufzeiten();
    ASSERT_EQ(t.size(), GetParam().Laufzeiten.size());
    for (std::size_t k = 0; k < t.size(); ++k) EXPECT_NEAR(t[k], GetParam().Laufzeiten[k], 0.001f) << k;
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0);
    EXPECT_FALSE(M::Eingabe_gesperrt);
}

INSTANTIATE_TEST_SUITE_P(
    Hoehle, Zu_Wegpunkten,
    ::testing::Values(Umwandlung{"gleiche_Geschwindigkeit", Hoehle, {0, 2, 6, 10, 14, 16}},
                      // 40 m at 20 m/min, then 40 m at 5 m/min; the way back counts as well
                      Umwandlung{"verschiedene_Geschwindigkeiten",
                                 {{0, 0, 0}, {9, 10, 20}, {9, 15, 60, 20}, {9, 20, 100, 5}, {9, 10, 80, 10}},
                                 {0, 2, 4, 12, 14}},
                      // a first row below the surface: a surface point in front, the rest a step later
                      Umwandlung{"Anfang_unter_Wasser", {{0, 5, 0}, {9, 10, 20}}, {0, 0.1f, 2.1f}}),
    Fallname{});

TEST_F(Hoehlentauchen, Text_ohne_Tauchgang_laesst_den_Tauchgang) {
    Profil(Hoehle);
    for (const std::vector<std::string>& Text :
         {std::vector<std::string>{}, {"\" Kopf"}, {"\" Kopf", "  20.0,  10.0,  10.0,Luft,  0, 79,  0"}}) {
        Memo::Memo_CSV.Zeilen = Text;
        erwarte_abgelehnt([] { return C::In_WayPoints_umwandeln(); });
    }
}

TEST_F(Hoehlentauchen, Berechnet_das_ganze_Profil_und_plant_den_Aufstieg) {
    Profil(Hoehle);
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    ASSERT_TRUE(C::In_WayPoints_umwandeln());
    const std::vector<float> Profilzeiten = Laufzeiten();
    const std::size_t n = Profilzeiten.size();

    EXPECT_TRUE(C::Tauchgang_berechnen());
    EXPECT_EQ(A::Modus, A::Neuer_Aufstieg);
    EXPECT_TRUE(A::Fenster_sichtbar);
    EXPECT_EQ(A::Feld_EndeGrundzeit, "16.00");
    EXPECT_TRUE(M::Eingabe_gesperrt);
    // the profile stays the bottom part; the ascent from 12 m follows it up to the surface
    const auto t = Laufzeiten();
    ASSERT_GT(t.size(), n);
    EXPECT_EQ(std::vector<float>(t.begin(), t.begin() + static_cast<long>(n)), Profilzeiten);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe + 1, static_cast<int32_t>(n));
    for (std::size_t i = 0; i < t.size(); ++i) EXPECT_EQ(W::WayPoint[i].austauchen, i >= n) << i;
    EXPECT_EQ(W::WayPoint[t.size() - 1].m_Wasser, 0);
    EXPECT_GT(t.back(), 16);
}
