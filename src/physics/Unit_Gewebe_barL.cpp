#include "physics/Unit_Gewebe_barL.hpp"

#include "lang/Unit_UI.hpp"

namespace Unit_Gewebe_barL {

float barL_O2 = 0;
float barL_N2 = 0;
float barL_He = 0;
float barL_N2He = 0;
float barL_N2He_Start = 0;
float barL_N2He_MAX = 0;
float m_barL_N2He_MAX = 0;
float min_barL_N2He_MAX = 0;

namespace {
// Solubilities, ml of gas per litre and bar: in water, in fat.
constexpr long double O2_Wasser = 23.548L, O2_Fett = 110.535L;
constexpr long double N2_Wasser = 12.11L, N2_Fett = 66.124L;
constexpr long double He_Wasser = 8.409L, He_Fett = 15.692L;
} // namespace

long double barL_im_Kompartiment(long double p, long double ml_Wasser, long double ml_Fett) {
    const long double W = L_Wasser / 16, F = L_Fett / 16, R = L_Rest / 16;
    return 0.001L * p * (ml_Wasser * W + ml_Fett * F + 0.5L * (ml_Wasser + ml_Fett) * R);
}

void Geloeste_Gase_berechnen() {
    namespace WP = Unit_WayPoints;
    long double O2 = 0, N2 = 0, He = 0;
    // Every compartment breathes the same pO2.
    const long double O2_je_Kompartiment = barL_im_Kompartiment(WP::bar_pO2, O2_Wasser, O2_Fett);
    // Only the sums are kept: nothing reads a compartment's share, and storing each costs more
    // than computing it.
    for (int i = 1; i <= WP::Gewebe_Anzahl; ++i) {
        O2 += O2_je_Kompartiment;
        N2 += barL_im_Kompartiment(WP::p_N2_Gewebe[i], N2_Wasser, N2_Fett);
        He += barL_im_Kompartiment(WP::p_He_Gewebe[i], He_Wasser, He_Fett);
    }
    barL_O2 = static_cast<float>(O2);
    barL_N2 = static_cast<float>(N2);
    barL_He = static_cast<float>(He);
    barL_N2He = barL_N2 + barL_He;
    if (barL_N2He > barL_N2He_MAX) {
        barL_N2He_MAX = barL_N2He;
        m_barL_N2He_MAX = WP::m_Wasser;
        min_barL_N2He_MAX = static_cast<float>(WP::min_Runtime);
    }
    Unit_UI::UI().Geloeste_Gase_geaendert();
}

void Maximum_zuruecksetzen() {
    barL_N2He_MAX = m_barL_N2He_MAX = min_barL_N2He_MAX = 0;
}

} // namespace Unit_Gewebe_barL

// ---- Which tissue windows are shown (settings) ----
namespace Unit_Gewebe_barL {

bool Gewebesaettigung_zeigen = true;
bool Gewebesaettigung_absolut_zeigen = true;
bool Inertgasvolumina_zeigen = false;

} // namespace Unit_Gewebe_barL
// ---- end of the tissue window switches ----
