// The rules of play on boards written out by hand: each removal shape with
// the rows closing up, the shapes that are refused, the scan order of the
// hint, the undo history at its depth, and the seeded deals.
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "tests/fake_desktop.h"
#include "tests/rules_oracle.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Calls = std::vector<std::string>;

// A zeroed record holding the board, as the allocated one would.
GameState& StateWith(const Rows& rows) {
    static GameState state;
    std::memset(&state, 0, sizeof state);
    state.cells = ToBoard(rows);
    state.tilesLeft = TileCount(rows);
    state.difficulty = CMD_NORMAL;
    ResetFakeDesktop();
    return state;
}

const std::vector<TileCode> COUNTING = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};

TEST(RulesTest, PickingTwoTilesRemovesLegalPairsAndClosesTheRows) {
    std::vector<TileCode> farRow = COUNTING;
    farRow.insert(farRow.begin(), 20);
    farRow.back() = 20; // columns 0 and 17
    const struct {
        const char* what;
        Rows before;
        Cell a, b;
        Rows after; // the same board when the pair is refused
    } cases[] = {
        {"row, left first", {{3, 7, 3, 9}}, {0, 0}, {2, 0}, {{7, 9}}},
        {"row, right first", {{3, 7, 3, 9}}, {2, 0}, {0, 0}, {{7, 9}}},
        {"row at a distance", {{1, 4, 5, 1, 8, 9}}, {3, 0}, {0, 0}, {{4, 5, 8, 9}}},
        {"row ending in column 17",
         {farRow},
         {17, 0},
         {0, 0},
         {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}},
        {"row emptying its row", {{1, 2}, {5, 5}, {3}}, {1, 1}, {0, 1}, {{1, 2}, {3}}},
        {"column",
         {{5, 1, 2}, {3, 4}, {6, 7, 8}, {5, 9}},
         {0, 3},
         {0, 0},
         {{1, 2}, {3, 4}, {6, 7, 8}, {9}}},
        {"column emptying two rows",
         {{10, 11}, {12, 13}, {20}, {14, 15}, {16}, {20}, {17, 18}, {19}},
         {0, 2},
         {0, 5},
         {{10, 11}, {12, 13}, {14, 15}, {16}, {17, 18}, {19}}},
        {"down-right",
         {{1}, {2}, {3, 4, 5, 6, 30, 7}, {8, 9, 10, 11, 12, 30}},
         {4, 2},
         {5, 3},
         {{1}, {2}, {3, 4, 5, 6, 7}, {8, 9, 10, 11, 12}}},
        {"down-left",
         {{1}, {2}, {3, 4, 5, 6, 7, 30}, {8, 9, 10, 11, 30, 12}},
         {5, 2},
         {4, 3},
         {{1}, {2}, {3, 4, 5, 6, 7}, {8, 9, 10, 11, 12}}},
        {"up-right emptying the upper row",
         {{1, 2}, {3}, {4, 3}, {5}},
         {1, 2},
         {0, 1},
         {{1, 2}, {4}, {5}}},
        {"diagonal emptying the lower row",
         {{1, 2}, {3, 4}, {4}, {5}},
         {1, 1},
         {0, 2},
         {{1, 2}, {3}, {5}}},
        {"two steps on a diagonal",
         {{1}, {2}, {3, 4, 5, 6, 31}, {8}, {9, 10, 11, 12, 13, 14, 31}},
         {4, 2},
         {6, 4},
         {}},
        {"knight, two columns",
         {{1}, {2}, {3, 4, 5, 6, 31}, {9, 10, 11, 12, 13, 14, 31}},
         {4, 2},
         {6, 3},
         {}},
        {"knight, two rows",
         {{1}, {2}, {3, 4, 5, 6, 31}, {8}, {9, 10, 11, 12, 13, 31}},
         {4, 2},
         {5, 4},
         {}},
        {"another face", {{1, 2, 1}}, {0, 0}, {1, 0}, {}},
        {"an empty cell", {{1, 2, 1}}, {0, 0}, {5, 5}, {}},
        {"the picked tile again", {{1, 2, 1}}, {0, 0}, {0, 0}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameState& state = StateWith(c.before);
        const bool removed = !c.after.empty();
        ClickCell(state, FakeWindow(), c.a);
        ClickCell(state, FakeWindow(), c.b);
        EXPECT_EQ(state.cells, ToBoard(removed ? c.after : c.before));
        EXPECT_EQ(state.tilesLeft, TileCount(c.before) - (removed ? 2 : 0));
        EXPECT_EQ(state.historyCount, removed ? 1 : 0);
        EXPECT_TRUE(!removed || state.history[0] == ToBoard(c.before));
        EXPECT_FALSE(state.selectionActive);
        EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint", "Repaint"}));
    }
}

TEST(RulesTest, HintShowsTheFirstPairInScanOrder) {
    std::vector<TileCode> farRow = COUNTING;
    farRow.insert(farRow.begin(), 20);
    farRow.back() = 20;
    std::vector<TileCode> lower = {18, 19, 20, 21, 22, 23, 24, 25, 26,
                                   27, 28, 29, 30, 31, 32, 33, 17, 35};
    std::vector<TileCode> upper = COUNTING;
    upper.insert(upper.begin(), 0);
    const struct {
        const char* what;
        Rows board;
        std::optional<Pair> pair; // the scanned cell, then its partner
    } cases[] = {
        {"columns before rows", {{5, 6, 6}, {7, 8}, {7}}, Pair{{0, 1}, {0, 2}}},
        {"row before column", {{9, 1, 2, 3, 4, 9}, {5}, {6}, {9}}, Pair{{0, 0}, {5, 0}}},
        {"column before diagonal", {{9, 1}, {2, 9}, {9}}, Pair{{0, 0}, {0, 2}}},
        {"up-right before down-right", {{1, 9}, {9, 2}, {3, 9}}, Pair{{0, 1}, {1, 0}}},
        {"down-right",
         {{0, 1, 2, 3, 4, 5, 6},
          {7, 8, 9, 10, 11, 12, 13},
          {14, 15, 16, 17, 18, 19, 21},
          {22, 23, 24, 25, 26, 27, 28},
          {29, 30, 31, 20, 32, 33, 34},
          {35, 0, 1, 2, 20, 3, 4}},
         Pair{{3, 4}, {4, 5}}},
        {"column 17 from its partner", {upper, lower}, Pair{{16, 1}, {17, 0}}},
        {"ends of a full row", {farRow}, Pair{{0, 0}, {17, 0}}},
        {"two apart on a diagonal", {{1, 2, 3}, {4, 5, 6}, {7, 8, 1}}, std::nullopt},
        {"a knight's move", {{1, 2, 3}, {4, 5, 1}}, std::nullopt},
        {"no tiles", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameState& state = StateWith(c.board);
        EXPECT_EQ(HasLegalPair(state), c.pair.has_value());
        ShowHint(state, FakeWindow());
        Board shown = ToBoard(c.board);
        if (c.pair) {
            shown[CellIndex(c.pair->first.col, c.pair->first.row)] += HIGHLIGHT_OFFSET;
            shown[CellIndex(c.pair->second.col, c.pair->second.row)] += HIGHLIGHT_OFFSET;
            EXPECT_EQ(
                std::vector<int>({state.hintCol1, state.hintRow1, state.hintCol2, state.hintRow2}),
                std::vector<int>({c.pair->first.col, c.pair->first.row, c.pair->second.col,
                                  c.pair->second.row}));
        }
        EXPECT_EQ(state.cells, shown);
        EXPECT_EQ(state.hintShown, c.pair.has_value());
        EXPECT_EQ(fakeDesktop.calls, c.pair ? Calls{"Repaint erase"} : Calls{});
        // The next click lowers exactly the two cells again.
        ClickCell(state, FakeWindow(), std::nullopt);
        EXPECT_EQ(state.cells, ToBoard(c.board));
    }
    // A picked tile always counts as a move.
    GameState& state = StateWith({{1, 2, 3}});
    ClickCell(state, FakeWindow(), Cell{0, 0});
    EXPECT_TRUE(HasLegalPair(state));
}

TEST(RulesTest, FullHistoryDropsTheOldestSnapshot) {
    GameState& state = StateWith({});
    for (int i = 0; i <= HISTORY_DEPTH; ++i) {
        state.cells = ToBoard({{i % FACE_COUNT, i / FACE_COUNT}});
        PushHistory(state);
    }
    EXPECT_EQ(state.historyCount, HISTORY_DEPTH);
    for (int i = HISTORY_DEPTH; i >= 1; --i) {
        UndoMove(state, FakeWindow());
        ASSERT_EQ(state.cells, ToBoard({{i % FACE_COUNT, i / FACE_COUNT}})) << i;
    }
    EXPECT_EQ(state.tilesLeft, 2 * HISTORY_DEPTH);
    fakeDesktop.calls.clear();
    UndoMove(state, FakeWindow());
    EXPECT_EQ(state.cells, ToBoard({{1, 0}}));
    EXPECT_TRUE(fakeDesktop.calls.empty());
}

TEST(RulesTest, SeededDeals) {
    DealRandom random;
    SeedDealRandom(random, 1);
    EXPECT_EQ(NextDealRandom(random), 41);
    EXPECT_EQ(NextDealRandom(random), 18467);
    const std::vector<TileCode> normal = {10, 15, 22, 1,  8,  16, 16, 28, 15,
                                          13, 23, 10, 32, 14, 26, 30, 29, 11};
    const struct {
        OptionId difficulty;
        std::vector<TileCode> row0;
    } cases[] = {{CMD_EASY, {5, 15, 4, 1, 8, 0, 16, 1, 15}}, {CMD_NORMAL, normal}, {0, normal}};
    for (const auto& c : cases) {
        GameState& state = StateWith({});
        state.difficulty = c.difficulty;
        DealBoard(state, 1);
        Oracle dealt;
        dealt.easy = c.difficulty == CMD_EASY;
        OracleDeal(dealt, 1);
        EXPECT_EQ(dealt.rows[0], c.row0);
        EXPECT_EQ(state.cells, ToBoard(dealt.rows));
        EXPECT_EQ(state.tilesLeft, static_cast<int>(8 * c.row0.size()));
    }
}

} // namespace
