// The waypoint overview's operations on the store: how far a change of the breathing set-up
// reaches, and how a calibration lays the distances between two calibrated waypoints.
#include "commands/Unit_sData_Waypoints_Edit.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "support/Testumgebung.hpp"

#include <vector>

namespace E = Unit_sData_Waypoints_Edit;
namespace W = Unit_WayPoints;

namespace {

W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

// Waypoints 0 .. Gase.size() - 1, one a minute, breathing the gases given, OC at 1.3 bar.
void Profil(const std::vector<int32_t>& Gase) {
    W::WayPoint_Anzahl = static_cast<int32_t>(Gase.size()) - 1;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        Punkt(i) = W::WayPoint_Type{};
        Punkt(i).min_Runtime = static_cast<float>(i);
        Punkt(i).m_Wasser = 20;
        Punkt(i).Gas_Nr = Gase[static_cast<std::size_t>(i)];
        Punkt(i).CCR_Setpoint = 1.3f;
    }
}

std::vector<int32_t> Gase_im_Speicher() {
    std::vector<int32_t> g;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) g.push_back(Punkt(i).Gas_Nr);
    return g;
}

class Wegpunkte : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
    }
};

} // namespace

struct Weitergabefall {
    const char* Name;
    E::Weitergabe w;
    std::vector<int32_t> Gase_danach;
};

class Gaswechsel : public Wegpunkte, public ::testing::WithParamInterface<Weitergabefall> {};

// Waypoint 5 changes from gas 2 to gas 4; 6 and 7 hold gas 2, 8 gas 3, 9 gas 2 again.
TEST_P(Gaswechsel, reicht_so_weit_wie_gewaehlt) {
    Profil({0, 1, 1, 2, 2, 2, 2, 2, 3, 2});
    E::Aenderungen_uebernehmen(5, {0, 1.3f, 15.6f, 4}, GetParam().w);
    EXPECT_EQ(Gase_im_Speicher(), GetParam().Gase_danach);
}

INSTANTIATE_TEST_SUITE_P(
    Wegpunkte, Gaswechsel,
    ::testing::Values(
        Weitergabefall{"nur_dieser", E::Weitergabe::nur_dieser, {0, 1, 1, 2, 2, 4, 2, 2, 3, 2}},
        Weitergabefall{"gleicher_Inhalt", E::Weitergabe::gleicher_Inhalt, {0, 1, 1, 2, 2, 4, 4, 4, 3, 2}},
        Weitergabefall{"alle_folgenden", E::Weitergabe::alle_folgenden, {0, 1, 1, 2, 2, 4, 4, 4, 4, 4}}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(Wegpunkte, jeder_Wert_stoppt_fuer_sich_am_ersten_anderen_Inhalt) {
    Profil({2, 2, 2, 2, 2});
    Punkt(3).CCR_Setpoint = 1.2f;   // stops the setpoint at 3
    Punkt(2).CCR_Setpoint = 1.304f; // the same setpoint as typed
    Punkt(4).Tauchgeraet = 1;       // stops the apparatus at 4
    E::Aenderungen_uebernehmen(1, {2, 1.4f, 10.4f, 2}, E::Weitergabe::gleicher_Inhalt);
    EXPECT_EQ(Punkt(0).Tauchgeraet, 0);
    EXPECT_EQ(Punkt(3).Tauchgeraet, 2);
    EXPECT_EQ(Punkt(4).Tauchgeraet, 1);
    EXPECT_FLOAT_EQ(Punkt(2).CCR_Setpoint, 1.4f);
    EXPECT_FLOAT_EQ(Punkt(3).CCR_Setpoint, 1.2f);
    EXPECT_FLOAT_EQ(Punkt(4).CCR_Setpoint, 1.3f);
    EXPECT_FLOAT_EQ(Punkt(4).SCR_Flow, 10.4f);
    EXPECT_FLOAT_EQ(Punkt(0).SCR_Flow, 15.6f);
}

TEST_F(Wegpunkte, unsinnige_Werte_werden_begrenzt) {
    Profil({0, 0});
    E::Aenderungen_uebernehmen(1, {9, -1, 1e9f, 999}, E::Weitergabe::nur_dieser);
    EXPECT_EQ(Punkt(1).Tauchgeraet, 3);
    EXPECT_FLOAT_EQ(Punkt(1).CCR_Setpoint, 0);
    EXPECT_LE(Punkt(1).SCR_Flow, 100.0f);
    EXPECT_EQ(Punkt(1).Gas_Nr, Unit_Gasgemisch_BestMix::Gasgemisch_NumMax);
}

TEST_F(Wegpunkte, Kalibrierung_zwischen_zwei_Punkten_liegt_auf_der_Geraden) {
    Profil(std::vector<int32_t>(12, 0));
    for (int32_t i = 0; i <= 11; ++i) Punkt(i).min_Runtime = 20.0f + 5.0f * static_cast<float>(i - 4);
    E::Kalibrieren(4, 50, 0);
    E::Kalibrieren(10, 200, 0);
    for (int32_t i = 5; i <= 10; ++i) {
        EXPECT_FLOAT_EQ(Punkt(i).cave_horizontal_distance_m, 50.0f + 25.0f * static_cast<float>(i - 4)) << i;
        EXPECT_FLOAT_EQ(Punkt(i).cave_horizontal_velocity_m_pro_min, 5.0f) << i;
    }
    EXPECT_FLOAT_EQ(Punkt(11).cave_horizontal_distance_m, -1.0f);
    const E::Strecke s = E::Kalibrierte_Strecke();
    EXPECT_FLOAT_EQ(s.bis, 200);
    EXPECT_GT(s.von, 0);
    EXPECT_LT(s.von, 50);
}

TEST_F(Wegpunkte, erste_Kalibrierung_beginnt_bei_minus_eins_am_Wegpunkt_0) {
    Profil({0, 0, 0});
    E::Kalibrieren(2, 9, 0); // runtimes 0, 1, 2: (9 - (-1)) / 2 = 5 m/min
    EXPECT_FLOAT_EQ(Punkt(0).cave_horizontal_distance_m, -1.0f);
    EXPECT_FLOAT_EQ(Punkt(1).cave_horizontal_distance_m, 4.0f);
    EXPECT_FLOAT_EQ(Punkt(2).cave_horizontal_distance_m, 9.0f);
    EXPECT_FLOAT_EQ(Punkt(0).cave_horizontal_velocity_m_pro_min, 5.0f);
    E::Kalibrierungen_loeschen();
    for (int32_t i = 0; i <= 2; ++i) EXPECT_FLOAT_EQ(Punkt(i).cave_horizontal_distance_m, -1.0f);
}

TEST_F(Wegpunkte, Kalibrierung_ohne_Zeit_dazwischen_teilt_nicht_durch_null) {
    Profil({0, 0, 0});
    Punkt(2).min_Runtime = 0; // the same runtime as waypoint 0
    E::Kalibrieren(2, 30, 2);
    E::Kalibrieren(0, 10, 1);
    EXPECT_FLOAT_EQ(Punkt(2).cave_horizontal_distance_m, 30.0f);
    EXPECT_FLOAT_EQ(Punkt(2).cave_horizontal_velocity_m_pro_min, 2.0f);
    EXPECT_FLOAT_EQ(Punkt(0).cave_horizontal_distance_m, 10.0f);
    EXPECT_FLOAT_EQ(Punkt(1).cave_horizontal_distance_m, -1.0f);
}

TEST_F(Wegpunkte, Start_am_letzten_Punkt_vor_dem_Aufstieg) {
    Profil({0, 0, 0, 0});
    Punkt(3).austauchen = Punkt(2).austauchen = true;
    EXPECT_EQ(E::Startwegpunkt(), 1);
}
