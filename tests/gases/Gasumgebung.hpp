// Fixture of the gas tests: the shared environment plus a fresh gas table and loops.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "physics/Unit_Formeln.hpp"
#include "support/Testumgebung.hpp"

#include <string>

// Names table-driven cases after their field Fall.
struct Fallname {
    template <typename Info> std::string operator()(const Info& i) const { return i.param.Fall; }
};

class Gasumgebung : public Testumgebung {
  protected:
    void SetUp() override {
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
        Unit_CCR_SCR::Ereignis_anhaengen = nullptr;
        Testumgebung::SetUp();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
    }

    // The diver at depth m breathing gas i with the given apparatus, one calculation step long.
    static void Tauchen(float m, int32_t Gas, uint8_t Geraet) {
        namespace W = Unit_WayPoints;
        W::m_Wasser = m;
        W::bar_Umgebung = Unit_Formeln::bar_Umgebung_aus(m);
        W::Tauchgeraet = Geraet;
        W::Gas_Nr = Gas;
        W::min_dt = W::min_Schritt;
        Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(Gas);
    }

    // User gases 17 .. 16 + n, named "U17", "U18", ...; all distinct trimixes.
    static void Benutzergase(int n) {
        namespace G = Unit_Gasgemisch_BestMix;
        for (int k = 0; k < n; ++k) {
            const int i = G::Gasgemisch_NumMax + 1;
            G::Gasgemisch_hinzufuegen("U" + std::to_string(i), 10, static_cast<float>(50 - k),
                                      static_cast<float>(40 + k));
        }
    }

    // P = ambient minus water vapour, as the loops compute it.
    static long double P_trocken() { return Unit_WayPoints::bar_Umgebung - Unit_Formeln::p_H2O; }
};
