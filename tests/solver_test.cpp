// The solver against a plain exhaustive search over the rule of play, on
// small positions reached by random play; its effort on fixed deals; and
// boards no game reaches.
#include "event_source.h"
#include "fake_desktop.h"
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/solver.h"
#include "model/undo_history.h"
#include "tests/rules_oracle.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

using Pair = std::array<Cell, 2>;

// Every legal pair, straight from the rule: same face, and same column,
// same row, or diagonal neighbours.
std::vector<Pair> LegalPairs(const Board& cells) {
    std::vector<Pair> pairs;
    std::vector<int> tiles; // the cells before i that hold a tile
    for (int i = 0; i < BOARD_CELLS; ++i) {
        for (int j : tiles) {
            const Cell a{j / BOARD_ROWS, j % BOARD_ROWS};
            const Cell b{i / BOARD_ROWS, i % BOARD_ROWS};
            const bool diagonal = std::abs(a.col - b.col) == 1 && std::abs(a.row - b.row) == 1;
            if (cells[i] == cells[j] && (a.col == b.col || a.row == b.row || diagonal)) {
                pairs.push_back({a, b});
            }
        }
        if (cells[i] != EMPTY_CELL) {
            tiles.push_back(i);
        }
    }
    return pairs;
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
        ClickCell(state, nullptr, pair[0]);
        ClickCell(state, nullptr, pair[1]);
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
    int tiles;
    bool clearable;
};

// Boards of at most 24 tiles met in random play from deals of both
// difficulties, with the plain search's verdict.
const std::vector<Position>& SmallPositions() {
    static std::vector<Position> positions;
    static GameState state;
    for (uint32_t seed = 1; positions.size() < 2000; ++seed) {
        state.difficulty = seed % 4 == 0 ? CMD_NORMAL : CMD_EASY;
        DealBoard(state, seed);
        EventSource source = EventSourceFromSeed(seed);
        while (state.tilesLeft > 24 && HasLegalPair(state)) {
            ClickCell(state, nullptr, ChooseClickCell(source, state));
        }
        if (state.tilesLeft <= 24) {
            std::set<Board> dead;
            state.historyCount = 0;
            const Board cells = state.cells;
            positions.push_back({cells, state.tilesLeft, PlainClearable(state, dead)});
        }
        ResetFakeDesktop();
    }
    return positions;
}

// How many positions the solver gets wrong.
int Mistakes(SolveBudget budget) {
    Solver solver;
    EXPECT_TRUE(CreateSolver(&solver, size_t{1} << 16));
    // Short restarts, so that small positions restart too.
    solver.restartNodes = 4;
    static SolveResult result;
    static GameState state;
    int mistakes = 0;
    for (const Position& position : SmallPositions()) {
        SolveBoard(solver, position.cells, budget, &result);
        // The clicks must clear the board by the game's own rule.
        state.cells = position.cells;
        state.tilesLeft = position.tiles;
        for (int i = 0; i < result.clickCount; ++i) {
            ClickCell(state, nullptr, result.clicks[i]);
        }
        const SolveVerdict expected =
            position.clearable ? VERDICT_CLEARABLE : VERDICT_NOT_CLEARABLE;
        mistakes += result.verdict != expected || (state.tilesLeft == 0) != position.clearable;
        ResetFakeDesktop();
    }
    DestroySolver(&solver);
    return mistakes;
}

} // namespace

TEST(SolverTest, AgreesWithThePlainSearch) {
    EXPECT_EQ(Mistakes({0, 2000000}), 0);
    // A budget of one position decides nothing.
    EXPECT_EQ(Mistakes({0, 1}), static_cast<int>(SmallPositions().size()));
}

// The search is deterministic: the positions it visits on fixed deals are
// its signature, which moves when an ordering, a cut or the table changes.
// A change made on purpose records the new figures.
TEST(SolverTest, FreshDealsTakeTheRecordedEffort) {
    Solver solver;
    ASSERT_TRUE(CreateSolver(&solver, size_t{1} << 18));
    static GameState state;
    static SolveResult result;
    for (const auto [difficulty, first, last, recorded] :
         {std::array<int64_t, 4>{CMD_EASY, 1, 200, 15224}, {CMD_NORMAL, 9, 30, 139265}}) {
        int64_t nodes = 0;
        for (int64_t seed = first; seed <= last; ++seed) {
            state.difficulty = static_cast<OptionId>(difficulty);
            DealBoard(state, static_cast<uint32_t>(seed));
            SolveBoard(solver, state.cells, SolveBudget{0, 400000}, &result);
            EXPECT_EQ(result.verdict, VERDICT_CLEARABLE) << difficulty << " " << seed;
            nodes += result.nodes;
        }
        EXPECT_EQ(nodes, recorded) << difficulty;
    }
    DestroySolver(&solver);
}

TEST(SolverTest, HandMadeBoardsAndATimeBudget) {
    Solver solver;
    ASSERT_TRUE(CreateSolver(&solver, 1000));
    EXPECT_EQ(solver.tableEntries, 512u);
    static SolveResult result;
    const auto verdict = [&](const Board& cells, SolveBudget budget = {0, 0}) {
        SolveBoard(solver, cells, budget, &result);
        return result.verdict;
    };
    EXPECT_EQ(verdict(ToBoard(ParseRows("5/41"))), VERDICT_CLEARABLE); // a picked tile counts
    EXPECT_EQ(verdict(ToBoard(ParseRows("0 6 6 0 0 0/7 7"))), VERDICT_CLEARABLE); // pairs in rows
    EXPECT_EQ(result.nodes, 1);                                                   // no search
    EXPECT_EQ(verdict(ToBoard(ParseRows("0 0 0 6 6"))), VERDICT_NOT_CLEARABLE);
    EXPECT_EQ(result.nodes, 0); // an odd face needs no search
    // No pair can be taken; with a gap in a row no game reaches it.
    Board gap = ToBoard(ParseRows("5 6/7 8/6 5/8 7"));
    EXPECT_EQ(verdict(gap), VERDICT_NOT_CLEARABLE);
    std::swap(gap[CellIndex(1, 0)], gap[CellIndex(2, 0)]);
    for (const Board& odd : {ToBoard(ParseRows("5 73")), ToBoard(ParseRows("5 -2")),
                             ToBoard(ParseRows("5 5 5 5 5 5")), gap}) {
        EXPECT_EQ(verdict(odd), VERDICT_UNKNOWN);
    }
    static GameState state; // still undecided after seconds
    state.difficulty = CMD_NORMAL;
    DealBoard(state, 1);
    EXPECT_EQ(verdict(state.cells, {20, 0}), VERDICT_UNKNOWN);
    // The table knows which cells are filled, not with what: when the
    // generation numbers wrap (at 2^27), positions found dead on another
    // board must go.
    const Board clearable = ToBoard(ParseRows("5 5/6 6/7 7/8 8"));
    solver.generation = 0;
    ASSERT_EQ(verdict(ToBoard(ParseRows("5 6/7 8/6 5/8 7"))), VERDICT_NOT_CLEARABLE);
    solver.generation = (1u << 27) - 1;
    EXPECT_EQ(verdict(clearable), VERDICT_CLEARABLE);
    DestroySolver(&solver);
    EXPECT_FALSE(CreateSolver(&solver, size_t{1} << 62)); // no memory for the table
    EXPECT_EQ(solver.table, nullptr);
}
