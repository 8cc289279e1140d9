// Calculation speed: one step of the tissue engine, whole Ascend commands, heap use.
#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>
#include <string>

// The replacement pair below is matched (malloc/free); GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Counts every heap allocation of the process, so a benchmark can report those of its loop.
static std::atomic<long> Allokationen{0};
void* operator new(std::size_t n) {
    ++Allokationen;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {
namespace W = Unit_WayPoints;
namespace M = Unit_Main;

void Start() {
    Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
    Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
    Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
    Unit_Graph_Utilities::Tauchgangsgraphik_zeigen = false;
    M::Berichte_schreiben = nullptr;
    Unit_Kontingenzplaene::Kontingenzplaene_an = false;   // the cases "mit_Kontingenzplaenen" switch them on
    Unit_AustauchPlanung::Aufstieg_Gaswechsel_OK = false; // each dive breathes only its own gases
    M::Neuer_Tauchgang();
}

void Tauchen(float min, float m, int Gas = -1) {
    if (Gas >= 0) M::Gas_waehlen(Gas);
    M::Tauchen(std::to_string(min), std::to_string(m));
}
// The texts the window shows after Ascend; the contingency page when the plans are on.
void Texte_lesen() {
    namespace Memo = Unit_Textpuffer;
    benchmark::DoNotOptimize(Memo::Memo_RunTimeTabelle.lesen().size());
    benchmark::DoNotOptimize(Memo::Memo_Zusammenfassung.lesen().size());
    if (Unit_Kontingenzplaene::Kontingenzplaene_an)
        benchmark::DoNotOptimize(Memo::Memo_Kontingenz.lesen().size());
}

void Aufstiegsgase() {
    namespace U = Unit_AustauchPlanung;
    U::Aufstieg_Gaswechsel_OK = true;
    U::Aufstieg_Gaswechsel.Zeile = {{{6, 6}, {21, 4}, {21, 4}, {21, 4}, {21, 4}, {21, 4}}};
}

// The trimix example entered, with the texts announced and the contingency plans as asked.
void Trimix_mit_Berichten(bool Kontingenzplaene) {
    Start();
    Unit_Main::Berichte_anmelden();
    Unit_Kontingenzplaene::Kontingenzplaene_an = Kontingenzplaene;
    Aufstiegsgase();
    Tauchen(3, 60, 11);
    Tauchen(25, 60);
}
} // namespace

// One calculation step of 0.1 min at constant depth: 16 compartments, limits, bookkeeping.
static void BM_Rechenschritt(benchmark::State& state) {
    Start();
    Tauchen(2, 30);
    W::sData_Anzahl = 0;
    const long vorher = Allokationen;
    for (auto _ : state) {
        if (W::sData_Anzahl >= W::sDataMax - 1) W::sData_Anzahl = 0;
        Unit_Tauchgangsberechnung::Zeitschritt_rechnen(0.1f, 30);
    }
    state.counters["Allokationen"] = static_cast<double>(Allokationen - vorher);
}
BENCHMARK(BM_Rechenschritt);

// Ascend of a 60 m / 25 min trimix dive (Tmx18/45) with EAN50 from 21 m and O2 from 6 m.
static void BM_Austauchen_Trimix(benchmark::State& state) {
    Start();
    Aufstiegsgase();
    Tauchen(3, 60, 11);
    Tauchen(25, 60);
    long vorher = 0;
    for (auto _ : state) {
        vorher = Allokationen;
        M::Austauchen_Klick();
    }
    state.counters["Allokationen"] = static_cast<double>(Allokationen - vorher);
    state.counters["Samples"] = W::sData_Anzahl;
}
BENCHMARK(BM_Austauchen_Trimix)->Unit(benchmark::kMillisecond);

// What the window shows after Ascend: the runtime table and the summary, read after the plan;
// then also with the contingency plans and the runtime variations (planned before the plan
// itself) and their page read.
static void BM_Austauchen_Trimix_mit_Berichten(benchmark::State& state) {
    Trimix_mit_Berichten(state.range(0) != 0);
    for (auto _ : state) {
        M::Austauchen_Klick();
        Texte_lesen();
    }
}
BENCHMARK(BM_Austauchen_Trimix_mit_Berichten)
    ->ArgName("Kontingenzplaene")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Everything a plan can give: the table, the summary, the report and the CSV report of every sample.
static void BM_Austauchen_Trimix_alle_Texte(benchmark::State& state) {
    Trimix_mit_Berichten(false);
    for (auto _ : state) {
        M::Austauchen_Klick();
        Texte_lesen();
        benchmark::DoNotOptimize(Unit_Textpuffer::Memo_Report.lesen().size());
        benchmark::DoNotOptimize(Unit_Textpuffer::Memo_ReportCSV.lesen().size());
    }
}
BENCHMARK(BM_Austauchen_Trimix_alle_Texte)->Unit(benchmark::kMillisecond);

// A dive of about 1400 minutes (1030 at 12 m and its ascent of about 365) that nearly fills the
// sample table; its runtime table read.
static void BM_Austauchen_1400_min(benchmark::State& state) {
    Start();
    M::Gas_waehlen(0);
    // Entered points stop at 900 min; a loaded dive may be longer, so the rows are laid out
    // directly, as loading a file does.
    Unit_Tauchgangsberechnung::Segment_anhaengen(0, false, false, 0, 0, 12, 1);
    Unit_Tauchgangsberechnung::Segment_anhaengen(1, false, false, 12, 1, 12, 1030);
    M::Eingabemarke = M::WayPoint_letzter_Eingabe = W::WayPoint_Anzahl;
    Unit_Main::Berichte_anmelden();
    Unit_Kontingenzplaene::Kontingenzplaene_an = state.range(0) != 0;
    for (auto _ : state) {
        M::Austauchen_Klick();
        Texte_lesen();
    }
    state.counters["Samples"] = W::sData_Anzahl;
    state.counters["abgebrochen"] = Unit_Tauchgangsberechnung::Berechnung_abgebrochen;
}
BENCHMARK(BM_Austauchen_1400_min)->ArgName("Kontingenzplaene")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A CCR dive: setpoint 1.3 on Tmx21/35 at 45 m for 40 min.
static void BM_Austauchen_CCR(benchmark::State& state) {
    Start();
    M::Tauchgeraet_waehlen(1);
    M::Tauchgeraet_Wert_setzen("1.3");
    Tauchen(3, 45, 10);
    Tauchen(40, 45);
    for (auto _ : state) M::Austauchen_Klick();
}
BENCHMARK(BM_Austauchen_CCR)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
