// What random play cannot reach or judge alone: an undo history pushed past
// its depth (a game has no more pairs than the history holds), and the seeded
// deals pinned to known rows, as the oracle deals the same way.
#include "model/deal.h"
#include "model/move_search.h"
#include "model/undo_history.h"
#include "tests/fake_desktop.h"
#include "tests/rules_oracle.h"

#include <gtest/gtest.h>

namespace {

TEST(RulesTest, FullHistoryDropsTheOldestSnapshot) {
    static GameState state;
    const auto board = [](int i) { return ToBoard({{i % FACE_COUNT, i / FACE_COUNT}}); };
    for (int i = 0; i <= HISTORY_DEPTH; ++i) {
        state.cells = board(i);
        PushHistory(state);
    }
    EXPECT_EQ(state.historyCount, HISTORY_DEPTH);
    for (int i = HISTORY_DEPTH; i >= 1; --i) {
        UndoMove(state, FakeWindow());
        ASSERT_EQ(state.cells, board(i)) << i;
    }
    EXPECT_EQ(state.tilesLeft, 2 * HISTORY_DEPTH);
}

TEST(RulesTest, ABoardWithoutPairsIsScannedToItsLastColumn) {
    static GameState state;
    Rows rows(2); // every face once
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        rows[0].push_back(col);
        rows[1].push_back(col + BOARD_COLUMNS);
    }
    state.cells = ToBoard(rows);
    EXPECT_FALSE(HasLegalPair(state));
}

TEST(RulesTest, SeededDeals) {
    DealRandom random;
    SeedDealRandom(random, 1);
    EXPECT_EQ(NextDealRandom(random), 41);
    EXPECT_EQ(NextDealRandom(random), 18467);
    Oracle dealt[2];
    dealt[0].easy = true;
    for (Oracle& o : dealt)
        OracleDeal(o, 1);
    EXPECT_EQ(dealt[0].rows[0], ParseRows("5 15 4 1 8 0 16 1 15")[0]);
    EXPECT_EQ(dealt[1].rows[0],
              ParseRows("10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11")[0]);
    static GameState state; // a difficulty of neither value deals Normal
    DealBoard(state, 1);
    EXPECT_EQ(state.cells, ToBoard(dealt[1].rows));
}

} // namespace
