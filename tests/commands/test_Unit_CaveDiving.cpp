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
#include <ostream>
#include <string>
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

std::vector<float> Werte(float W::WayPoint_Type::*Feld) {
    std::vector<float> v;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        v.push_back(W::WayPoint[static_cast<std::size_t>(i)].*Feld);
    return v;
}
std::vector<float> Distanzen() {
    std::vector<float> v;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i)
        v.push_back(W::WayPoint[static_cast<std::size_t>(i)].cave_horizontal_distance_m);
    return v;
}
std::vector<float> Laufzeiten() {
    return Werte(&W::WayPoint_Type::min_Runtime);
}
std::vector<float> Tiefen() {
    return Werte(&W::WayPoint_Type::m_Wasser);
}

void erwarte_nahe(const std::vector<float>& ist, const std::vector<float>& soll, float Toleranz) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t k = 0; k < ist.size(); ++k) EXPECT_NEAR(ist[k], soll[k], Toleranz) << "point " << k;
}

struct Stand {
    std::vector<float> Distanz, min, m;
    bool operator==(const Stand&) const = default;
};
Stand Stand_jetzt() {
    return {Distanzen(), Laufzeiten(), Tiefen()};
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

    // A recorded and calibrated dive: waypoint 0's set-up on every point, pO2 of air.
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
        W::WayPoint_Anzahl = static_cast<int32_t>(P.size()) - 1;
    }

    // A refused operation: one message, the dive and the profile text as they were.
    template <typename Operation> void erwarte_abgelehnt(Operation&& op) {
        const Stand vorher = Stand_jetzt();
        const auto Text = Memo::Memo_CSV.Zeilen;
        Oberflaeche.Zuruecksetzen();
        EXPECT_FALSE(op());
        EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
        EXPECT_EQ(Stand_jetzt(), vorher);
        EXPECT_EQ(Memo::Memo_CSV.Zeilen, Text);
    }

    static std::string Datei(const std::string& Name) {
        const auto Ordner = std::filesystem::temp_directory_path() / "brelune_hoehle";
        std::filesystem::create_directories(Ordner);
        return (Ordner / Name).string();
    }
};

// ---- cut ----

struct Schnitt {
    const char* Fall;
    const char* von;
    const char* bis;
    std::vector<float> Distanzen; // empty: refused
};

class Ausschneiden : public Hoehlentauchen, public ::testing::WithParamInterface<Schnitt> {};

TEST_P(Ausschneiden, Wegpunkte_im_Bereich_werden_der_Tauchgang) {
    const Schnitt& f = GetParam();
    Profil(Hoehle);
    if (f.Distanzen.empty()) {
        erwarte_abgelehnt([&] { return C::Profil_ausschneiden(f.von, f.bis); });
        return;
    }
    EXPECT_TRUE(C::Profil_ausschneiden(f.von, f.bis));
    EXPECT_EQ(Distanzen(), f.Distanzen);
    // each point keeps its runtime and depth
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const auto& w = W::WayPoint[static_cast<std::size_t>(i)];
        const auto Quelle = std::find_if(Hoehle.begin(), Hoehle.end(), [&](const Punkt& p) {
            return p.Distanz == w.cave_horizontal_distance_m;
        });
        ASSERT_NE(Quelle, Hoehle.end());
        EXPECT_EQ(w.min_Runtime, Quelle->min);
        EXPECT_EQ(w.m_Wasser, Quelle->m);
        EXPECT_FALSE(w.austauchen);
    }
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, W::WayPoint_Anzahl);
    EXPECT_FALSE(W::Tauchgang_gespeichert);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen.size(), f.Distanzen.size() + 1); // header and one line per point
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Hoehle, Ausschneiden,
                         ::testing::Values(Schnitt{"Mitte", "20", "100", {20, 60, 100}},
                                           Schnitt{"alles", "0", "160", {0, 20, 60, 100, 140, 160}},
                                           Schnitt{"Grenzen_gehoeren_dazu", "100", "100", {100}},
                                           Schnitt{"Dezimalkomma", "19,5", " 60.00", {20, 60}},
                                           Schnitt{"kein_Punkt_im_Bereich", "61", "99", {}},
                                           Schnitt{"von_hinter_bis", "100", "20", {}},
                                           Schnitt{"keine_Zahl", "abc", "100", {}},
                                           Schnitt{"unsinnige_Zahl", "0", "1e12", {}}),
                         Fallname{});

// ---- invert ----

struct Umkehr {
    const char* Fall;
    std::vector<Punkt> Profil;
    std::vector<float> Distanzen; // empty: refused
    std::vector<float> Laufzeiten;
    std::vector<float> Tiefen;
};

class Invertieren : public Hoehlentauchen, public ::testing::WithParamInterface<Umkehr> {};

TEST_P(Invertieren, Vom_weitesten_Punkt_zurueck_zum_Anfang) {
    const Umkehr& f = GetParam();
    Profil(f.Profil);
    if (f.Distanzen.empty()) {
        erwarte_abgelehnt([] { return C::Profil_invertieren(); });
        return;
    }
    EXPECT_TRUE(C::Profil_invertieren());
    EXPECT_EQ(Distanzen(), f.Distanzen);
    EXPECT_EQ(Laufzeiten(), f.Laufzeiten);
    EXPECT_EQ(Tiefen(), f.Tiefen);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen.size(), f.Distanzen.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Hoehle, Invertieren,
    ::testing::Values(
        // the farthest point is the last: the whole list reversed
        Umkehr{"weitester_zuletzt",
               Hoehle,
               {0, 20, 60, 100, 140, 160},
               {0, 2, 6, 10, 14, 16},
               {12, 18, 20, 15, 10, 0}},
        // the first of two farthest points; what lies behind it is left out
        Umkehr{"weitester_in_der_Mitte",
               {{0, 0, 0}, {5, 20, 50}, {10, 25, 120}, {15, 20, 80}, {20, 10, 120}, {25, 5, 90}},
               {0, 70, 120},
               {0, 5, 10},
               {25, 20, 0}},
        // a point without calibration stays without
        Umkehr{"unkalibrierter_Start",
               {{0, 0, -1, -1}, {4, 10, 40}, {8, 12, 80}},
               {0, 40, -1},
               {0, 4, 8},
               {12, 10, 0}},
        Umkehr{"nicht_kalibriert", {{0, 0, -1, -1}, {4, 10, -1, -1}}, {}, {}, {}}),
    Fallname{});

// ---- shift ----

struct Verschiebung {
    const char* Fall;
    std::vector<Punkt> Profil;
    const char* Offset;
    std::vector<float> Distanzen; // empty: refused
};

class Addieren : public Hoehlentauchen, public ::testing::WithParamInterface<Verschiebung> {};

TEST_P(Addieren, Jede_kalibrierte_Entfernung_verschoben) {
    const Verschiebung& f = GetParam();
    Profil(f.Profil);
    if (f.Distanzen.empty()) {
        erwarte_abgelehnt([&] { return C::Profil_addieren(f.Offset); });
        return;
    }
    EXPECT_TRUE(C::Profil_addieren(f.Offset));
    EXPECT_EQ(Distanzen(), f.Distanzen);
    EXPECT_EQ(Memo::Memo_CSV.Zeilen.size(), f.Distanzen.size() + 1);
}

const std::vector<Punkt> ab_20_m = {{0, 0, -1, -1}, {2, 10, 20}, {6, 15, 60}};

INSTANTIATE_TEST_SUITE_P(
    Hoehle, Addieren,
    ::testing::Values(Verschiebung{"vorwaerts", Hoehle, "10", {10, 30, 70, 110, 150, 170}},
                      Verschiebung{"zurueck_bis_0", ab_20_m, "-20", {-1, 0, 40}},
                      Verschiebung{"unter_0", ab_20_m, "-20,5", {}},
                      Verschiebung{"keine_Zahl", Hoehle, "zehn", {}}),
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
    const std::string Name = Datei("profil.csv");
    ASSERT_TRUE(C::CSV_speichern(Name));
    C::CSV_loeschen();
    EXPECT_TRUE(Memo::Memo_CSV.Zeilen.empty());

    ASSERT_TRUE(C::CSV_lesen(Name, false));
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, Text);
    // appended: every line but the header
    ASSERT_TRUE(C::CSV_lesen(Name, true));
    ASSERT_EQ(Memo::Memo_CSV.Zeilen.size(), 2 * Text.size() - 1);
    EXPECT_EQ(std::vector<std::string>(Memo::Memo_CSV.Zeilen.begin() + static_cast<long>(Text.size()),
                                       Memo::Memo_CSV.Zeilen.end()),
              std::vector<std::string>(Text.begin() + 1, Text.end()));
    // into an empty text the header comes along, so the text can still be read as a profile
    C::CSV_loeschen();
    ASSERT_TRUE(C::CSV_lesen(Name, true));
    EXPECT_EQ(Memo::Memo_CSV.Zeilen, Text);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());

    // a file that cannot be written: a message
    EXPECT_FALSE(C::CSV_speichern(Datei("fehlt") + "/ordner/profil.csv"));
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

struct Kaputt {
    const char* Fall;
    std::string Inhalt; // "-": no file at all
};

class Kaputte_Datei : public Hoehlentauchen, public ::testing::WithParamInterface<Kaputt> {};

TEST_P(Kaputte_Datei, Meldung_und_der_Text_bleibt) {
    const Kaputt& f = GetParam();
    const std::string Name = Datei(std::string(f.Fall) + ".csv");
    std::filesystem::remove(Name);
    if (f.Inhalt != "-") std::ofstream(Name, std::ios::binary) << f.Inhalt;
    Memo::Memo_CSV.Zeile_anfuegen("\" Brelune cave profile: ");
    Memo::Memo_CSV.Zeile_anfuegen("  20.0,  10.0, 10.00");
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
    const Umwandlung& f = GetParam();
    Profil(f.Profil);
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    M::Neuer_Tauchgang(); // the dive comes from the text alone
    ASSERT_TRUE(C::In_WayPoints_umwandeln());
    erwarte_nahe(Laufzeiten(), f.Laufzeiten, 0.001f);
    EXPECT_EQ(W::WayPoint[0].m_Wasser, 0);
    EXPECT_FALSE(M::Eingabe_gesperrt);
    EXPECT_FALSE(W::Tauchgang_gespeichert);
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
    const int32_t letzter = W::WayPoint_Anzahl;

    EXPECT_TRUE(C::Tauchgang_berechnen());
    EXPECT_EQ(A::Modus, A::Neuer_Aufstieg);
    EXPECT_TRUE(A::Fenster_sichtbar);
    EXPECT_EQ(A::Feld_EndeGrundzeit, "16.00");
    EXPECT_TRUE(M::Eingabe_gesperrt);
    EXPECT_EQ(M::WayPoint_letzter_Eingabe, letzter);
    // the profile stays the bottom part; the ascent from 12 m follows it up to the surface
    ASSERT_GT(W::WayPoint_Anzahl, letzter);
    for (int32_t i = 0; i <= letzter; ++i) {
        EXPECT_NEAR(W::WayPoint[static_cast<std::size_t>(i)].min_Runtime,
                    Profilzeiten[static_cast<std::size_t>(i)], 0.001f);
        EXPECT_FALSE(W::WayPoint[static_cast<std::size_t>(i)].austauchen);
    }
    for (int32_t i = letzter + 1; i <= W::WayPoint_Anzahl; ++i)
        EXPECT_TRUE(W::WayPoint[static_cast<std::size_t>(i)].austauchen);
    const auto& Ende = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)];
    EXPECT_EQ(Ende.m_Wasser, 0);
    EXPECT_GT(Ende.min_Runtime, 16);
    EXPECT_GT(W::sData_Anzahl, 0);
}

TEST_F(Hoehlentauchen, Waehrend_einer_Rechnung_aendert_sich_nichts) {
    Profil(Hoehle);
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    M::Berechnung_laeuft = true;
    erwarte_abgelehnt([] { return C::Profil_ausschneiden("20", "100"); });
    erwarte_abgelehnt([] { return C::Profil_invertieren(); });
    erwarte_abgelehnt([] { return C::Profil_addieren("10"); });
    erwarte_abgelehnt([] { return C::In_WayPoints_umwandeln(); });
    erwarte_abgelehnt([] { return C::Tauchgang_berechnen(); });
    M::Berechnung_laeuft = false;
}
