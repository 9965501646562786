// Speed of the solver on fixed sets of deals of both difficulties, and
// proof that a search allocates nothing.
//
// Each iteration decides every deal of its set with the tool's default
// budget of one second. Counters: decided (the share of the set decided),
// nodes (positions visited per iteration), and new_calls and
// malloc_bytes_delta, which count allocations during the timed loop and
// must be 0 (allocation_count.h).
#include "bench/allocation_count.h"
#include "model/deal.h"
#include "model/solver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int64_t BUDGET_MS = 1000;

void SolveDeals(benchmark::State& bench, OptionId difficulty, uint32_t lastSeed) {
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    SolveResult* result = static_cast<SolveResult*>(std::calloc(1, sizeof(SolveResult)));
    Solver solver;
    if (!CreateSolver(&solver, SOLVER_DEFAULT_TABLE_ENTRIES)) {
        bench.SkipWithError("no memory for the solver");
        return;
    }
    state->difficulty = difficulty;
    int64_t decided = 0;
    int64_t nodes = 0;
    const AllocationMark before = MarkAllocations();
    for (auto _ : bench) {
        for (uint32_t seed = 1; seed <= lastSeed; ++seed) {
            bench.PauseTiming();
            DealBoard(*state, seed);
            bench.ResumeTiming();
            SolveBoard(solver, state->cells, SolveBudget{BUDGET_MS, 0}, result);
            decided += result->verdict != VERDICT_UNKNOWN ? 1 : 0;
            nodes += result->nodes;
        }
    }
    const double deals = static_cast<double>(bench.iterations()) * lastSeed;
    ReportAllocations(bench, before);
    bench.counters["decided"] = static_cast<double>(decided) / deals;
    bench.counters["nodes"] = static_cast<double>(nodes) / static_cast<double>(bench.iterations());
    DestroySolver(&solver);
    std::free(result);
    std::free(state);
}

void BM_SolveEasySeeds1To200(benchmark::State& bench) {
    SolveDeals(bench, CMD_EASY, 200);
}
BENCHMARK(BM_SolveEasySeeds1To200)->Unit(benchmark::kMillisecond);

void BM_SolveNormalSeeds1To30(benchmark::State& bench) {
    SolveDeals(bench, CMD_NORMAL, 30);
}
BENCHMARK(BM_SolveNormalSeeds1To30)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
