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
    ResetFakeDesktop();
    return state;
}

const char* const FULL_ROW = "20 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 20";

TEST(RulesTest, PickingTwoTilesRemovesLegalPairsAndClosesTheRows) {
    const struct {
        const char* before;
        Cell a, b;
        const char* after; // empty when the pair is refused
    } cases[] = {
        {"3 7 3 9", {0, 0}, {2, 0}, "7 9"},
        {"3 7 3 9", {2, 0}, {0, 0}, "7 9"},
        {"1 4 5 1 8 9", {3, 0}, {0, 0}, "4 5 8 9"},
        {FULL_ROW, {17, 0}, {0, 0}, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"},
        {"1 2/5 5/3", {1, 1}, {0, 1}, "1 2/3"},
        {"5 1 2/3 4/6 7 8/5 9", {0, 3}, {0, 0}, "1 2/3 4/6 7 8/9"},
        {"10 11/12 13/20/14 15/16/20/17 18/19", {0, 2}, {0, 5}, "10 11/12 13/14 15/16/17 18/19"},
        {"1/2/3 4 5 6 30 7/8 9 10 11 12 30", {4, 2}, {5, 3}, "1/2/3 4 5 6 7/8 9 10 11 12"},
        {"1/2/3 4 5 6 7 30/8 9 10 11 30 12", {5, 2}, {4, 3}, "1/2/3 4 5 6 7/8 9 10 11 12"},
        {"1 2/3/4 3/5", {1, 2}, {0, 1}, "1 2/4/5"},
        {"1 2/3 4/4/5", {1, 1}, {0, 2}, "1 2/3/5"},
        {"1/2/3 4 5 6 31/8/9 10 11 12 13 14 31", {4, 2}, {6, 4}, ""},
        {"1/2/3 4 5 6 31/9 10 11 12 13 14 31", {4, 2}, {6, 3}, ""},
        {"1/2/3 4 5 6 31/8/9 10 11 12 13 31", {4, 2}, {5, 4}, ""},
        {"1 2 1", {0, 0}, {1, 0}, ""},
        {"1 2 1", {0, 0}, {5, 5}, ""},
        {"1 2 1", {0, 0}, {0, 0}, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " -> " << c.after);
        const Rows before = ParseRows(c.before);
        const bool removed = c.after[0] != '\0';
        GameState& state = StateWith(before);
        ClickCell(state, FakeWindow(), c.a);
        ClickCell(state, FakeWindow(), c.b);
        EXPECT_EQ(state.cells, ToBoard(removed ? ParseRows(c.after) : before));
        EXPECT_EQ(state.tilesLeft, TileCount(before) - (removed ? 2 : 0));
        EXPECT_EQ(state.historyCount, removed ? 1 : 0);
        EXPECT_TRUE(!removed || state.history[0] == ToBoard(before));
        EXPECT_FALSE(state.selectionActive);
        EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint", "Repaint"}));
    }
}

TEST(RulesTest, HintShowsTheFirstPairInScanOrder) {
    const struct {
        const char* board;
        std::vector<int> pair;                  // the scanned cell, then its partner
    } cases[] = {{"5 6 6/7 8/7", {0, 1, 0, 2}}, // columns before rows
                 {"9 1 2 3 4 9/5/6/9", {0, 0, 5, 0}},
                 {"9 1/2 9/9", {0, 0, 0, 2}},
                 {"1 9/9 2/3 9", {0, 1, 1, 0}},
                 {"0 1 2 3 4 5 6/7 8 9 10 11 12 13/14 15 16 17 18 19 21/22 23 24 25 26 27 28/"
                  "29 30 31 20 32 33 34/35 0 1 2 20 3 4",
                  {3, 4, 4, 5}},
                 {"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17/"
                  "18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 17 35",
                  {16, 1, 17, 0}},
                 {FULL_ROW, {0, 0, 17, 0}},
                 {"1 2 3/4 5 6/7 8 1", {}},
                 {"1 2 3/4 5 1", {}},
                 {"", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.board);
        const Rows rows = ParseRows(c.board);
        GameState& state = StateWith(rows);
        EXPECT_EQ(HasLegalPair(state), !c.pair.empty());
        ShowHint(state, FakeWindow());
        Board shown = ToBoard(rows);
        for (size_t i = 0; i < c.pair.size(); i += 2) {
            shown[CellIndex(c.pair[i], c.pair[i + 1])] += HIGHLIGHT_OFFSET;
        }
        EXPECT_EQ(state.cells, shown);
        const std::vector<int> hint = {state.hintCol1, state.hintRow1, state.hintCol2,
                                       state.hintRow2};
        EXPECT_EQ(state.hintShown ? hint : std::vector<int>{}, c.pair);
        EXPECT_EQ(fakeDesktop.calls, c.pair.empty() ? Calls{} : Calls{"Repaint erase"});
        ClickCell(state, FakeWindow(), std::nullopt); // lowers exactly the two cells
        EXPECT_EQ(state.cells, ToBoard(rows));
    }
    GameState& state = StateWith(ParseRows("1 2 3"));
    ClickCell(state, FakeWindow(), Cell{0, 0});
    EXPECT_TRUE(HasLegalPair(state)); // a picked tile always counts as a move
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
    const char* normal = "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11";
    const struct {
        OptionId difficulty;
        const char* row0;
    } cases[] = {{CMD_EASY, "5 15 4 1 8 0 16 1 15"}, {CMD_NORMAL, normal}, {0, normal}};
    for (const auto& c : cases) {
        GameState& state = StateWith({});
        state.difficulty = c.difficulty;
        DealBoard(state, 1);
        Oracle dealt;
        dealt.easy = c.difficulty == CMD_EASY;
        OracleDeal(dealt, 1);
        EXPECT_EQ(dealt.rows[0], ParseRows(c.row0)[0]);
        EXPECT_EQ(state.cells, ToBoard(dealt.rows));
        EXPECT_EQ(state.tilesLeft, TileCount(dealt.rows));
    }
}

} // namespace
