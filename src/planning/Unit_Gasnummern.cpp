#include "planning/Unit_Gasnummern.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace Unit_Gasnummern {

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;

// -1 for a value that names no table entry.
int32_t Gasindex_aus_Wert(float Wert) {
    if (!(Wert > -0.5f && Wert < G::GasGemisch_NumMaxUeberhaupt + 0.5f)) return -1;
    return static_cast<int32_t>(std::lround(Wert));
}

int32_t WayPoint_letzter() {
    return std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
}

// Every gas index the dive and the plans hold, rewritten by the given rule.
void Gasnummern_umschreiben(const std::function<int32_t(int32_t)>& neu) {
    for (int32_t k = 0; k <= WayPoint_letzter(); ++k) W::WayPoint[k].Gas_Nr = neu(W::WayPoint[k].Gas_Nr);
    for (int32_t k = 0; k <= std::clamp(W::sData_Anzahl, 0, W::sDataMax); ++k)
        W::sData[k].Gas_Nr = neu(W::sData[k].Gas_Nr);
    W::Gas_Nr = neu(W::Gas_Nr);
    W::Gas_Nr_Start = neu(W::Gas_Nr_Start);
    Unit_AustauchPlanung::AirBreak_GasNum = neu(Unit_AustauchPlanung::AirBreak_GasNum);
    for (auto* t : {&Unit_AbtauchPlanung::Abstieg_Gaswechsel, &Unit_AustauchPlanung::Aufstieg_Gaswechsel})
        for (auto& z : t->Zeile) {
            const int32_t alt = Gasindex_aus_Wert(z.Wert);
            const int32_t Neu = neu(alt);
            if (Neu != alt) z.Wert = static_cast<float>(Neu);
        }
}

// The loaded gas k as it ends up in the merged list.
int32_t Geladenes_Gas_einordnen(const G::Gasgemisch_Type& g) {
    const float O2 = static_cast<float>(g.f_O2_prozent * 0.01L);
    const float N2 = static_cast<float>(g.f_N2_prozent * 0.01L);
    const float He = static_cast<float>(g.f_He_prozent * 0.01L);
    const int32_t j = G::Gasgemisch_finden(O2, N2, He);
    if (j >= 0) return j;
    G::Gasgemisch_hinzufuegen(G::Gasname_aus_Anteilen(O2, N2, He), g.f_O2_prozent, g.f_N2_prozent,
                              g.f_He_prozent);
    return G::Gasgemisch_num;
}
} // namespace

bool Gasgemisch_verwendet(int32_t i) {
    for (int32_t k = 0; k <= WayPoint_letzter(); ++k)
        if (W::WayPoint[k].Gas_Nr == i) return true;
    // A plan naming a deleted gas would switch to whatever gas moved into its place.
    for (const auto* t :
         {&Unit_AbtauchPlanung::Abstieg_Gaswechsel, &Unit_AustauchPlanung::Aufstieg_Gaswechsel})
        for (const auto& z : t->Zeile)
            if (Gasindex_aus_Wert(z.Wert) == i) return true;
    return Unit_AustauchPlanung::AirBreak_GasNum == i;
}

void Gasgemisch_loeschen(int32_t i) {
    if (i <= G::Gasgemisch_NumMaxDefault || i > G::Gasgemisch_NumMax) return;
    if (Gasgemisch_verwendet(i)) return;
    for (int32_t k = i; k < G::Gasgemisch_NumMax; ++k) G::Gasgemisch[k] = G::Gasgemisch[k + 1];
    G::Gasgemisch[G::Gasgemisch_NumMax] = G::Gasgemisch_Type{};
    --G::Gasgemisch_NumMax;
    // What referred to the deleted gas itself (current or start gas) falls back to air.
    const auto neu = [i](int32_t g) { return g > i ? g - 1 : (g == i ? 0 : g); };
    Gasnummern_umschreiben(neu);
    G::Gasgemisch_waehlen(neu(G::Gasgemisch_num));
}

void Gasgemische_unbenutzt_loeschen() {
    int32_t i = G::Gasgemisch_NumMaxDefault + 1;
    while (i <= G::Gasgemisch_NumMax) {
        if (Gasgemisch_verwendet(i))
            ++i;
        else
            Gasgemisch_loeschen(i);
    }
}

void Gasliste_zusammenfuehren() {
    G::GasGemisch_Num_tx0.fill(-1);
    G::Gasgemisch_tx0 = G::Gasgemisch;
    G::GasGemisch_NumMax_tx0 = std::clamp(G::Gasgemisch_NumMax, 0, G::GasGemisch_NumMaxUeberhaupt);
    G::Gasgemisch = G::Gasgemisch_ini;
    G::Gasgemisch_NumMax = G::GasGemisch_NumMax_ini;

    for (int32_t k = 0; k <= G::GasGemisch_NumMax_tx0; ++k)
        G::GasGemisch_Num_tx0[k] = Geladenes_Gas_einordnen(G::Gasgemisch_tx0[k]);
    G::Gasliste_merken();

    bool gemeldet = false;
    Gasnummern_umschreiben([&gemeldet](int32_t g) {
        if (g >= 0 && g <= G::GasGemisch_NumMax_tx0 && G::GasGemisch_Num_tx0[g] >= 0)
            return G::GasGemisch_Num_tx0[g];
        if (!gemeldet)
            Unit_Tools::Meldung_Problem("Gas Nr. " + std::to_string(g) +
                                            " ist nicht in der Gasliste des Tauchgangs, Luft wird verwendet",
                                        "Gas no. " + std::to_string(g) +
                                            " is not in the gas list of the dive, air is used");
        gemeldet = true;
        return 0;
    });
    G::Gasgemisch_waehlen(W::WayPoint[0].Gas_Nr);
}

} // namespace Unit_Gasnummern
