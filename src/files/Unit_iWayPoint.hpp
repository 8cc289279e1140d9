// The import sample store: the samples of a dive file as they were recorded, and their conversion
// into waypoints on the calculation grid. UDDF and CSV imports fill it; the UDDF export writes it.
#pragma once

#include "core/Unit_WayPoints.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace Unit_iWayPoint {

constexpr int32_t iWayPointMaxUeberhaupt = 86400;

// Zero bytes are the empty sample, as in the tables of Unit_WayPoints.
struct iWayPoint_Type {
    float s_Zeit = 0; // dive time, seconds
    float m_Wasser = 0;
    int32_t Gas_Nr = 0;
    bool austauchen = false;
    uint8_t Tauchgeraet = 0;
    Unit_WayPoints::Mit_Vorgabe<float, 15.6f> SCR_Flow;
    float CCR_Setpoint = 0;
    float bar_pO2 = 0;
    float CNS_Prozent = 0;
    float OTU = 0;
    float m_END = 0;
    Unit_WayPoints::Tabellentext Aktion;
    Unit_WayPoints::Tabellentext Warnung;
    Unit_WayPoints::Mit_Vorgabe<float, -1.0f> cave_horizontal_distance_m;
    Unit_WayPoints::Mit_Vorgabe<float, -1.0f> cave_horizontal_velocity_m_pro_min;
};
static_assert(std::is_trivially_destructible_v<iWayPoint_Type> &&
              std::is_trivially_copyable_v<iWayPoint_Type>);

// Samples are written at indexes up to iWayPointMax only; the ones above the highest index ever in
// use stay empty.
extern std::array<iWayPoint_Type, iWayPointMaxUeberhaupt + 1> iWayPoint;
extern int32_t iWayPointMax; // highest index in use; -1 when empty

// Samples later than this are no dive this program can compute.
constexpr float s_Zeit_Max = 100.0f * 3600.0f;

// Empties sample i (all numbers 0, texts empty, SCR flow 15.6, cave values -1).
void iWayPoint_leeren(int32_t i);
// Empties samples ab .. 86400.
void iWayPoints_leeren(int32_t ab);
// Before an export: waypoints 0 .. WayPoint_Anzahl become samples 0 .. n, the rest is emptied.
void iWayPoints_aus_WayPoints();

struct Umwandlung_Type {
    int32_t WayPoints = 0;    // waypoints written (WayPoint_Anzahl + 1)
    int32_t uebergangen = 0;  // samples with a time or depth no dive can have
    bool gekuerzt = false;    // the waypoint table was full before the last sample
    float s_letzter_Fund = 0; // time of the last sample taken, seconds
};

// The samples 0 .. iWayPointMax as waypoints on the grid of min_Schritt: each grid time with
// samples within half a step gets one waypoint (the first one every value of its first sample,
// later ones the mean depth and the rest from their last sample). With the closing option a dive
// that ends below the surface gets a copy of its last waypoint at depth 0. The table keeps Reserve
// places free for what the caller adds. Samples whose time is not a number, lies before the first
// grid window or after s_Zeit_Max, or whose depth is not a number, are passed over; a negative
// depth counts as the surface. Nothing is changed when no sample can be used (WayPoints = 0).
// Otherwise the current runtime, depth, pressure, gas, apparatus, pO2, CNS, OTU, END and warning
// are those of the last waypoint of the grid.
Umwandlung_Type iWayPoints_zu_WayPoints(bool abschliessen, int32_t Reserve = 0);
// The error boxes for samples passed over and for a dive cut at the full table; the samples are
// named as the file names them ("Samples", "Zeilen" / "lines").
void Umwandlung_melden(const Umwandlung_Type& r, const std::string& Samples_de,
                       const std::string& Samples_en);

} // namespace Unit_iWayPoint
