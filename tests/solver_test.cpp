// The solver against a plain exhaustive search over the rule of play, on
// small positions reached by random play; and each pruning rule broken on
// purpose, to show that this comparison notices.
#include "fake_desktop.h"
#include "model/deal.h"
#include "model/selection.h"
#include "model/solver.h"
#include "model/undo_history.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <vector>

namespace {

struct Pair {
    Cell a, b;
};

// Every legal pair, straight from the rule: same face, and same column,
// same row, or diagonal neighbours.
std::vector<Pair> LegalPairs(const Board& cells) {
    std::vector<int> tiles;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (cells[i] != EMPTY_CELL) {
            tiles.push_back(i);
        }
    }
    std::vector<Pair> pairs;
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            const Cell a{tiles[i] / BOARD_ROWS, tiles[i] % BOARD_ROWS};
            const Cell b{tiles[j] / BOARD_ROWS, tiles[j] % BOARD_ROWS};
            const bool diagonal = std::abs(a.col - b.col) == 1 && std::abs(a.row - b.row) == 1;
            if (cells[tiles[i]] == cells[tiles[j]] &&
                (a.col == b.col || a.row == b.row || diagonal)) {
                pairs.push_back({a, b});
            }
        }
    }
    return pairs;
}

void Play(GameState& state, const Pair& pair) {
    ClickCell(state, nullptr, pair.a);
    ClickCell(state, nullptr, pair.b);
}

// Tries every order of play, remembering the boards already found dead.
bool PlainClearable(GameState& state, std::set<Board>& dead) {
    if (state.tilesLeft == 0) {
        return true;
    }
    if (dead.count(state.cells) != 0) {
        return false;
    }
    for (const Pair& pair : LegalPairs(state.cells)) {
        Play(state, pair);
        const bool cleared = PlainClearable(state, dead);
        UndoMove(state, nullptr);
        if (cleared) {
            return true;
        }
    }
    dead.insert(state.cells);
    return false;
}

struct Position {
    Board cells;
    bool clearable;
};

// Boards of at most 24 tiles met while playing random pairs from random
// deals of both difficulties, with the plain search's verdict.
const std::vector<Position>& SmallPositions() {
    static std::vector<Position> positions;
    if (!positions.empty()) {
        return positions;
    }
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    std::mt19937 random(7);
    for (uint32_t seed = 1; positions.size() < 2000; ++seed) {
        state->difficulty = seed % 4 == 0 ? CMD_NORMAL : CMD_EASY;
        DealBoard(*state, seed);
        for (std::vector<Pair> pairs; !(pairs = LegalPairs(state->cells)).empty();) {
            Play(*state, pairs[random() % pairs.size()]);
            if (state->tilesLeft <= 24) {
                std::set<Board> dead;
                const Board cells = state->cells;
                state->historyCount = 0;
                positions.push_back({cells, PlainClearable(*state, dead)});
                break;
            }
        }
        ResetFakeDesktop();
    }
    std::free(state);
    return positions;
}

// Replays the solver's clicks on the board with the game's own rule.
bool ClicksClear(const Board& cells, const SolveResult& result) {
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    state->cells = cells;
    for (TileCode code : cells) {
        state->tilesLeft += code != EMPTY_CELL ? 1 : 0;
    }
    for (int i = 0; i < result.clickCount; ++i) {
        ClickCell(*state, nullptr, result.clicks[i]);
    }
    const bool cleared = state->tilesLeft == 0;
    std::free(state);
    return cleared;
}

// How many positions the solver, with the given rules broken, gets wrong.
int Mistakes(uint32_t faults) {
    Solver solver;
    EXPECT_TRUE(CreateSolver(&solver, size_t{1} << 16));
    solver.faults = faults;
    // Short restarts, so that small positions restart too.
    solver.restartNodes = 4;
    SolveResult* result = static_cast<SolveResult*>(std::calloc(1, sizeof(SolveResult)));
    int mistakes = 0;
    for (const Position& position : SmallPositions()) {
        SolveBoard(solver, position.cells, SolveBudget{0, 2000000}, result);
        const SolveVerdict expected =
            position.clearable ? VERDICT_CLEARABLE : VERDICT_NOT_CLEARABLE;
        const bool right = result->verdict == expected &&
                           (!position.clearable || ClicksClear(position.cells, *result));
        mistakes += right ? 0 : 1;
        ResetFakeDesktop();
    }
    std::free(result);
    DestroySolver(&solver);
    return mistakes;
}

} // namespace

TEST(SolverTest, AgreesWithThePlainSearchOnSmallPositions) {
    int clearable = 0;
    for (const Position& position : SmallPositions()) {
        clearable += position.clearable ? 1 : 0;
    }
    // Both verdicts are well represented.
    EXPECT_GT(clearable, 200);
    EXPECT_LT(clearable, 1800);
    EXPECT_EQ(Mistakes(0), 0);
}

TEST(SolverTest, EachPruningRuleBrokenOnPurposeIsCaught) {
    for (uint32_t fault : {FAULT_DEAD_TABLE, FAULT_DEAD_END, FAULT_SAFE_PAIR, FAULT_FINISH}) {
        EXPECT_GT(Mistakes(fault), 0) << "fault " << fault;
    }
}

TEST(SolverTest, AFullDealNeedsMoreThanOnePosition) {
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    state->difficulty = CMD_NORMAL;
    DealBoard(*state, 1);
    Solver solver;
    ASSERT_TRUE(CreateSolver(&solver, SOLVER_DEFAULT_TABLE_ENTRIES));
    SolveResult* result = static_cast<SolveResult*>(std::calloc(1, sizeof(SolveResult)));
    SolveBoard(solver, state->cells, SolveBudget{0, 1}, result);
    EXPECT_EQ(result->verdict, VERDICT_UNKNOWN);
    EXPECT_EQ(result->clickCount, 0);
    std::free(result);
    DestroySolver(&solver);
    std::free(state);
}
