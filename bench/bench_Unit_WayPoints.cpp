// How long the store needs for the operations that run once per calculation step.
#include "core/Unit_WayPoints.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include <benchmark/benchmark.h>

static void BM_Sample_schreiben(benchmark::State& state) {
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
    for (auto _ : state) {
        if (Unit_WayPoints::sData_Anzahl >= Unit_WayPoints::sDataMax) Unit_WayPoints::sData_Anzahl = 0;
        Unit_WayPoints::sData_weiter();
        for (int i = 1; i <= Unit_WayPoints::Gewebe_Anzahl; ++i) Unit_WayPoints::sData_speichern(i);
    }
}
BENCHMARK(BM_Sample_schreiben);

BENCHMARK_MAIN();
