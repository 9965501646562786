// The solver against a plain exhaustive search by the rules oracle, on
// small positions reached by random play, and boards no game reaches. The
// solve tool's tests replay its clicks on fresh deals; how much searching a
// deal takes is the benchmark's business.
#include "event_source.h"
#include "fake_desktop.h"
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/solver.h"
#include "tests/rules_oracle.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Tries every order of play by the rules' second statement, remembering the
// boards already found dead.
bool PlainClearable(const Rows& rows, std::set<Rows>& dead) {
    if (rows.empty()) {
        return true;
    }
    if (dead.count(rows) != 0) {
        return false;
    }
    std::vector<Cell> tiles;
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(rows[r].size()); ++c) {
            tiles.push_back({c, r});
        }
    }
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            if (LegalPair(rows, tiles[i], tiles[j]) &&
                PlainClearable(WithoutPair(rows, tiles[i], tiles[j]), dead)) {
                return true;
            }
        }
    }
    dead.insert(rows);
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
            std::set<Rows> dead;
            positions.push_back(
                {state.cells, state.tilesLeft, PlainClearable(FromBoard(state.cells), dead)});
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

TEST(SolverTest, HandMadeBoardsAndATimeBudget) {
    Solver solver;
    ASSERT_TRUE(CreateSolver(&solver, 1000));
    EXPECT_EQ(solver.tableEntries, 512u);
    DestroySolver(&solver);
    ASSERT_TRUE(CreateSolver(&solver, 1)); // the smallest table: one bucket
    EXPECT_EQ(solver.tableEntries, 4u);
    static SolveResult result;
    const auto verdict = [&](const Board& cells, SolveBudget budget = {0, 0}) {
        SolveBoard(solver, cells, budget, &result);
        return result.verdict;
    };
    EXPECT_EQ(verdict(ToBoard(ParseRows("0/36"))), VERDICT_CLEARABLE); // a picked tile counts
    EXPECT_EQ(verdict(ToBoard(ParseRows("0 6 6 0 0 0/7 7"))), VERDICT_CLEARABLE); // pairs in rows
    EXPECT_EQ(result.nodes, 1);                                                   // no search
    // Face 0 lies in two rows, one tile at the top left: the other tile of
    // the top row can still go with it, not only with the pair below.
    EXPECT_EQ(verdict(ToBoard(ParseRows("0 4 5 0 3/6/0 0 3 1/5 1 6 4"))), VERDICT_CLEARABLE);
    EXPECT_EQ(verdict(ToBoard(ParseRows("0 0 0 6 6"))), VERDICT_NOT_CLEARABLE);
    EXPECT_EQ(result.nodes, 0); // an odd face needs no search
    // No pair can be taken; with a gap in a row no game reaches it.
    Board gap = ToBoard(ParseRows("5 6/7 8/6 5/8 7"));
    EXPECT_EQ(verdict(gap), VERDICT_NOT_CLEARABLE);
    std::swap(gap[CellIndex(1, 0)], gap[CellIndex(2, 0)]);
    for (const Board& odd : {ToBoard(ParseRows("5 73")), ToBoard(ParseRows("5 -2")),
                             ToBoard(ParseRows("5 5 5 5 5")), gap}) {
        EXPECT_EQ(verdict(odd), VERDICT_UNKNOWN);
    }
    static GameState state; // still undecided after seconds, let alone one millisecond
    state.difficulty = CMD_NORMAL;
    DealBoard(state, 1);
    EXPECT_EQ(verdict(state.cells, {1, 0}), VERDICT_UNKNOWN);
    // The table knows which cells are filled, not with what: when the
    // generation numbers wrap (at 2^27), positions found dead on another
    // board must go, from every entry of the table.
    const Board clearable = ToBoard(ParseRows("5 5/6 6/7 7/8 8"));
    solver.generation = 0;
    ASSERT_EQ(verdict(ToBoard(ParseRows("5 6/7 8/6 5/8 7"))), VERDICT_NOT_CLEARABLE);
    solver.generation = (1u << 27) - 1;
    EXPECT_EQ(verdict(clearable), VERDICT_CLEARABLE);
    DestroySolver(&solver);
    EXPECT_FALSE(CreateSolver(&solver, size_t{1} << 62)); // no memory for the table
    EXPECT_TRUE(solver.table == nullptr && solver.replay == nullptr);
}
