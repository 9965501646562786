// Undo: depth, the drop-oldest rule, and what an undo clears.
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "tests/board_text.h"
#include "tests/fake_desktop.h"

#include <gtest/gtest.h>

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFakeDesktop();
        SetUpState(state, BoardFromRows({}));
    }

    // Removes the first legal pair in scan order; false when none is left.
    bool RemoveFirstPair() {
        Cell first;
        Cell partner;
        if (!FindLegalPair(state.cells, &first, &partner)) {
            return false;
        }
        ClickCell(state, FakeWindow(), first);
        ClickCell(state, FakeWindow(), partner);
        return true;
    }

    GameState state;
};

TEST_F(UndoTest, UndoAfterADealDoesNothing) {
    DealBoard(state, 1);
    const Board dealt = state.cells;
    UndoMove(state, FakeWindow());
    EXPECT_EQ(state.cells, dealt);
    EXPECT_EQ(state.tilesLeft, 144);
    EXPECT_TRUE(fakeDesktop.calls.empty());
}

TEST_F(UndoTest, EveryRemovalTakenBackGivesTheDealtBoard) {
    for (uint32_t seed : {1u, 2u, 77u}) {
        DealBoard(state, seed);
        const Board dealt = state.cells;
        int removals = 0;
        while (RemoveFirstPair()) {
            ++removals;
            ASSERT_EQ(state.historyCount, removals);
            ASSERT_EQ(state.tilesLeft, 144 - 2 * removals);
            ASSERT_EQ(CountTiles(state.cells), state.tilesLeft);
        }
        ASSERT_GT(removals, 0);
        fakeDesktop.calls.clear();
        for (int k = removals; k > 0; --k) {
            UndoMove(state, FakeWindow());
            ASSERT_EQ(state.historyCount, k - 1);
            ASSERT_EQ(state.tilesLeft, 144 - 2 * (k - 1));
        }
        EXPECT_EQ(state.cells, dealt) << "seed " << seed;
        EXPECT_EQ(CountCalls("Repaint erase"), removals);
        UndoMove(state, FakeWindow());
        EXPECT_EQ(state.cells, dealt);
        EXPECT_EQ(CountCalls("Repaint erase"), removals);
    }
}

TEST_F(UndoTest, PushingIntoAFullHistoryDropsTheOldest) {
    for (int i = 0; i < HISTORY_DEPTH + 1; ++i) {
        state.cells.fill(EMPTY_CELL);
        state.cells[0] = i % FACE_COUNT;
        state.cells[1] = i / FACE_COUNT;
        PushHistory(state);
    }
    EXPECT_EQ(state.historyCount, HISTORY_DEPTH);
    for (int i = 0; i < HISTORY_DEPTH; ++i) {
        UndoMove(state, FakeWindow());
    }
    // The second board pushed is the oldest one kept.
    EXPECT_EQ(state.cells[0], 1);
    EXPECT_EQ(state.cells[1], 0);
    const Board last = state.cells;
    UndoMove(state, FakeWindow());
    EXPECT_EQ(state.cells, last);
}

TEST_F(UndoTest, UndoDropsAPickOrAHint) {
    SetUpState(state, BoardFromRows({"1 1 2 3 2"}));
    ClickCell(state, FakeWindow(), Cell{0, 0});
    ClickCell(state, FakeWindow(), Cell{1, 0});
    ClickCell(state, FakeWindow(), Cell{0, 0}); // picks a 2
    ASSERT_TRUE(state.selectionActive);
    UndoMove(state, FakeWindow());
    EXPECT_FALSE(state.selectionActive);
    EXPECT_EQ(state.cells, BoardFromRows({"1 1 2 3 2"}));

    ClickCell(state, FakeWindow(), Cell{2, 0});
    ClickCell(state, FakeWindow(), Cell{4, 0});
    ShowHint(state, FakeWindow());
    ASSERT_TRUE(state.hintShown);
    UndoMove(state, FakeWindow());
    EXPECT_FALSE(state.hintShown);
    EXPECT_EQ(state.cells, BoardFromRows({"1 1 2 3 2"}));
    ShowHint(state, FakeWindow()); // works again at once
    EXPECT_TRUE(state.hintShown);
}

TEST_F(UndoTest, UndoLeavesTheClockRunning) {
    SetUpState(state, BoardFromRows({"1 1 2"}));
    state.elapsedSeconds = 30;
    state.clockStarted = 1;
    ClickCell(state, FakeWindow(), Cell{0, 0});
    ClickCell(state, FakeWindow(), Cell{1, 0});
    UndoMove(state, FakeWindow());
    EXPECT_EQ(state.elapsedSeconds, 30u);
    EXPECT_TRUE(state.clockStarted);
}

} // namespace
