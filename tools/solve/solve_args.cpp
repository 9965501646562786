// Argument parsing for the solve tool: known options once each, strict
// numbers, every value checked before anything runs.
#include "tools/solve/solve_args.h"

#include "tools/common/command_line.h"
#include "tools/common/move_script.h"

#include <cstring>

namespace {

// "A..B" with A <= B.
bool ParseSeedRange(const char* text, uint32_t* first, uint32_t* last) {
    uint64_t a = 0;
    uint64_t b = 0;
    if (!ReadNumber(&text, UINT32_MAX, &a) || std::strncmp(text, "..", 2) != 0) {
        return false;
    }
    text += 2;
    if (!ReadNumber(&text, UINT32_MAX, &b) || *text != '\0' || a > b) {
        return false;
    }
    *first = static_cast<uint32_t>(a);
    *last = static_cast<uint32_t>(b);
    return true;
}

enum Option { OPT_DIFFICULTY, OPT_SEED, OPT_SEEDS, OPT_MOVES, OPT_BUDGET, OPTION_COUNT };

const char* const OPTION_NAMES[OPTION_COUNT] = {"--difficulty", "--seed", "--seeds", "--moves",
                                                "--budget-ms"};

bool ParseValue(Option option, const char* value, SolveArgs* args) {
    switch (option) {
    case OPT_DIFFICULTY:
        return ParseDifficulty(value, &args->difficulty);
    case OPT_SEED:
        args->range = false;
        return ParseNumber(value, UINT32_MAX, &args->firstSeed);
    case OPT_SEEDS:
        args->range = true;
        return ParseSeedRange(value, &args->firstSeed, &args->lastSeed);
    case OPT_MOVES:
        args->moves = value;
        return IsValidMoveScript(value);
    case OPT_BUDGET:
        return ParseNumber(value, MAX_BUDGET_MS, &args->budgetMs) && args->budgetMs > 0;
    default:
        return false;
    }
}

} // namespace

bool ParseSolveArgs(int argc, const char* const* argv, SolveArgs* args) {
    *args = SolveArgs{CMD_EASY, false, 0, 0, "", DEFAULT_BUDGET_MS};
    bool seen[OPTION_COUNT] = {};
    for (int i = 1; i < argc; i += 2) {
        int option = 0;
        while (option < OPTION_COUNT && std::strcmp(argv[i], OPTION_NAMES[option]) != 0) {
            ++option;
        }
        if (option == OPTION_COUNT || seen[option] || i + 1 >= argc ||
            !ParseValue(static_cast<Option>(option), argv[i + 1], args)) {
            return false;
        }
        seen[option] = true;
    }
    return seen[OPT_DIFFICULTY] && seen[OPT_SEED] != seen[OPT_SEEDS] &&
           !(seen[OPT_SEEDS] && seen[OPT_MOVES]);
}
