// The contingency plans of the last Ascend and the variations of its runtime: what Ascend found
// and how the pages, the report and the CLI write it. Computed in commands/Unit_Kontingenz.
#pragma once

#include "core/Unit_Textpuffer.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Unit_Kontingenzplaene {

// Settings: "Kontingenzpläne" (on), "Kontingenz Zeit (min)" (3), "Kontingenz Tiefe (m)" (3).
extern bool Kontingenzplaene_an;
extern int32_t min_Kontingenz_Zeit;
extern int32_t m_Kontingenz_Tiefe;
constexpr int32_t Kontingenz_Grenze = 60; // both numbers are kept within 1 .. 60
// Whether anything of this run will show the plans; a run that prints only what has none of them
// (the CLI's runtime table, say) spares their cost without touching the setting, which is saved.
extern bool Plaene_verlangt;

enum class Planart { laenger, tiefer, Gasverlust, Bail_Out };

struct Gasmenge {
    std::string Gas;
    long double barL = 0;
};

struct Plan {
    Planart Art = Planart::laenger;
    std::string Gas;   // the gas lost
    std::string Grund; // why the plan could not be made; empty when it was
    float min_Runtime = 0;
    float min_Aufstieg = 0;
    float m_ErsterStop = 0; // 0 without a stop
    float CNS_Prozent = 0;
    std::vector<Gasmenge> Gase;
    std::vector<std::string> Tabelle; // the runtime table with its column heads
};

// Change of the total runtime per minute of bottom time and per metre of depth, from the plans
// 1 min and 1 m either side; unset where a side could not be planned.
struct Variationen_Type {
    std::optional<float> min_pro_min;
    std::optional<float> min_pro_m;
};

extern std::vector<Plan> Plaene;
extern Variationen_Type Variationen;
// True when the last Ascend computed them (the setting was on).
extern bool berechnet;

void Vergessen();

// "longer: bottom time + 3 min" and the like, in the language in force.
std::string Titel(const Plan& p);
// Runtime, ascent time, first stop, CNS and gas of a plan, or why it could not be made.
std::string Zusammenfassungszeile(const Plan& p);
// The summary's line of the variations; empty when none were computed.
std::string Variationen_Zeile();
// Every plan: its title, its summary line and its runtime table.
void Abschnitt_schreiben(Unit_Textpuffer::Textpuffer& Puffer);

} // namespace Unit_Kontingenzplaene
