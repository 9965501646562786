// The solve tool's two modes. Times are the processor time of each search,
// the same clock the budget is measured on.
#include "tools/solve/solve_run.h"

#include "model/deal.h"
#include "model/solver.h"
#include "tools/common/move_script.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

constexpr int PROGRESS_WIDTH = 40;

const char* VerdictWord(SolveVerdict verdict) {
    switch (verdict) {
    case VERDICT_CLEARABLE:
        return "clearable";
    case VERDICT_NOT_CLEARABLE:
        return "not-clearable";
    default:
        return "unknown";
    }
}

void PrintClicks(std::FILE* out, const Cell* clicks, int count) {
    for (int i = 0; i < count; ++i) {
        std::fprintf(out, " %d,%d", clicks[i].col, clicks[i].row);
    }
}

// Deals the seed and plays the moves on it.
void SetUp(GameState& state, OptionId difficulty, uint32_t seed, const char* moves) {
    state.difficulty = difficulty;
    state.sound = CMD_SOUND_OFF;
    DealBoard(state, seed);
    PlayMoveScript(state, moves);
}

// Decides the board and returns the processor time it took, in ms.
double TimedSolve(Solver& solver, const GameState& state, uint32_t budgetMs, SolveResult* result) {
    const std::clock_t start = std::clock();
    SolveBoard(solver, state.cells, SolveBudget{budgetMs, 0}, result);
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

void SolveOne(Solver& solver, GameState& state, const SolveArgs& args, SolveResult* result) {
    SetUp(state, args.difficulty, args.firstSeed, args.moves);
    TimedSolve(solver, state, args.budgetMs, result);
    if (result->verdict == VERDICT_CLEARABLE) {
        std::puts("clearable");
        std::fputs("moves", stdout);
        // A picked tile is dropped by clicking it again before the pairs.
        if (state.selectionActive) {
            std::printf(" %d,%d", state.selCol, state.selRow);
        }
        PrintClicks(stdout, result->clicks, result->clickCount);
        std::putchar('\n');
    } else {
        std::puts(result->verdict == VERDICT_NOT_CLEARABLE ? "not clearable" : "unknown");
    }
}

// The nearest-rank percentile of sorted times.
double Percentile(const std::vector<double>& sorted, int percent) {
    const size_t rank = (sorted.size() * percent + 99) / 100;
    return sorted[rank == 0 ? 0 : rank - 1];
}

void ShowProgress(uint64_t done, uint64_t total) {
    const int filled = static_cast<int>(PROGRESS_WIDTH * done / total);
    std::fprintf(stderr, "\r[%.*s%*s] %llu/%llu", filled,
                 "########################################", PROGRESS_WIDTH - filled, "",
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(total));
    if (done == total) {
        std::fputc('\n', stderr);
    }
}

void SolveRange(Solver& solver, GameState& state, const SolveArgs& args, SolveResult* result) {
    const bool progress = isatty(STDERR_FILENO) != 0;
    const uint64_t total = uint64_t{args.lastSeed} - args.firstSeed + 1;
    std::vector<double> times;
    uint64_t counts[3] = {};
    for (uint64_t seed = args.firstSeed; seed <= args.lastSeed; ++seed) {
        SetUp(state, args.difficulty, static_cast<uint32_t>(seed), "");
        const double ms = TimedSolve(solver, state, args.budgetMs, result);
        times.push_back(ms);
        ++counts[result->verdict];
        std::printf("%llu %s %.3f", static_cast<unsigned long long>(seed),
                    VerdictWord(result->verdict), ms);
        PrintClicks(stdout, result->clicks,
                    result->verdict == VERDICT_CLEARABLE ? result->clickCount : 0);
        std::putchar('\n');
        if (progress) {
            ShowProgress(seed - args.firstSeed + 1, total);
        }
    }
    std::sort(times.begin(), times.end());
    const uint64_t decided = counts[VERDICT_CLEARABLE] + counts[VERDICT_NOT_CLEARABLE];
    std::printf("# %llu seeds: %llu clearable, %llu not-clearable, %llu unknown; "
                "%.1f%% decided; median %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms\n",
                static_cast<unsigned long long>(total),
                static_cast<unsigned long long>(counts[VERDICT_CLEARABLE]),
                static_cast<unsigned long long>(counts[VERDICT_NOT_CLEARABLE]),
                static_cast<unsigned long long>(counts[VERDICT_UNKNOWN]),
                100.0 * static_cast<double>(decided) / static_cast<double>(total),
                Percentile(times, 50), Percentile(times, 90), Percentile(times, 99), times.back());
}

} // namespace

int RunSolve(const SolveArgs& args) {
    Solver solver;
    // Zeroed like the game's own record.
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    SolveResult* result = static_cast<SolveResult*>(std::calloc(1, sizeof(SolveResult)));
    const bool ready = CreateSolver(&solver, SOLVER_DEFAULT_TABLE_ENTRIES);
    if (state == nullptr || result == nullptr || !ready) {
        std::fputs("tovrin-mini-solve: out of memory\n", stderr);
    } else if (args.range) {
        SolveRange(solver, *state, args, result);
    } else {
        SolveOne(solver, *state, args, result);
    }
    const int status = state == nullptr || result == nullptr || !ready ? 1 : 0;
    if (ready) {
        DestroySolver(&solver);
    }
    std::free(result);
    std::free(state);
    return status;
}
