// Limits derived from the tissue state: tolerated pressures, ceiling, accident test.
#pragma once

namespace Unit_Grenzwerte {

// Critical counter-diffusion found at the last evaluation.
extern bool Gegendiffusion;

// Tissue pressure of compartment i above the tolerated pressure in force (strict).
bool Dekounfall(int i);
bool Dekounfall_irgendwo();

} // namespace Unit_Grenzwerte
