// The command line of the solve tool.
#pragma once

#include "model/game_state.h"

#include <cstdint>

constexpr const char* SOLVE_USAGE =
    "usage: tovrin-mini-solve --difficulty easy|normal (--seed N [--moves \"C,R C,R H U ...\"] "
    "| --seeds A..B) [--budget-ms M]";

constexpr uint32_t DEFAULT_BUDGET_MS = 1000;
// A day: anything longer is a typing mistake.
constexpr uint32_t MAX_BUDGET_MS = 86400000;

struct SolveArgs {
    OptionId difficulty;
    bool range;         // --seeds rather than --seed
    uint32_t firstSeed; // the one seed of --seed
    uint32_t lastSeed;
    const char* moves; // already checked; "" when none were given
    uint32_t budgetMs;
};

// Reads argv[1..argc-1]. False for an unknown or repeated option, a missing
// or malformed value, no --difficulty, not exactly one of --seed and
// --seeds, --moves with --seeds, or a budget of 0.
bool ParseSolveArgs(int argc, const char* const* argv, SolveArgs* args);
