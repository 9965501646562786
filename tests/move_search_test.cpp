// The stuck test and the hint: which pairs count, and the scan order.
#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "tests/board_text.h"
#include "tests/fake_desktop.h"

#include <gtest/gtest.h>

namespace {

class MoveSearchTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFakeDesktop(); }

    void Start(std::initializer_list<const char*> rows) { SetUpState(state, BoardFromRows(rows)); }

    GameState state;
};

TEST_F(MoveSearchTest, PairsAtAnyDistanceCountButNoOtherShapes) {
    Start({"7 1 2 3 4 5 6 8 9 10 11 12 13 14 15 16 17 7"});
    EXPECT_TRUE(HasLegalPair(state)); // columns 0 and 17, 16 tiles between

    Start({"1 2 3", "4 5 6", "7 8 1"}); // two apart on a diagonal
    EXPECT_FALSE(HasLegalPair(state));
    Start({"1 2 3", "4 5 1"}); // a knight's move
    EXPECT_FALSE(HasLegalPair(state));

    // From column 17 nothing lies to the right; the diagonal pair is found
    // from its partner in column 16.
    Start({"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
           "18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 17 35"});
    Cell first;
    Cell partner;
    ASSERT_TRUE(FindLegalPair(state.cells, &first, &partner));
    EXPECT_EQ(first.col, 16);
    EXPECT_EQ(first.row, 1);
    EXPECT_EQ(partner.col, 17);
    EXPECT_EQ(partner.row, 0);
}

TEST_F(MoveSearchTest, APickedTileAlwaysCountsAsAMove) {
    Start({"1 2 3"});
    ASSERT_FALSE(HasLegalPair(state));
    ClickCell(state, FakeWindow(), Cell{0, 0});
    EXPECT_TRUE(HasLegalPair(state));
}

TEST_F(MoveSearchTest, HintSearchesTheRowBeforeTheColumn) {
    Start({"9 1 2 3 4 9", "5", "6", "9"});
    ShowHint(state, FakeWindow());
    ASSERT_TRUE(state.hintShown);
    EXPECT_EQ(RowText(state.cells, 0), "45 1 2 3 4 45");
    EXPECT_EQ(state.cells[CellIndex(0, 3)], 9);
    EXPECT_EQ(fakeDesktop.calls, std::vector<std::string>{"Repaint erase"});
}

TEST_F(MoveSearchTest, DownRightHintIsClearedExactlyByTheNextClick) {
    // Face 20 at (3, 4) and (4, 5); nothing earlier in scan order pairs up.
    Start({"0 1 2 3 4 5 6", "7 8 9 10 11 12 13", "14 15 16 17 18 19 21",
           "22 23 24 25 26 27 28", "29 30 31 20 32 33 34", "35 0 1 2 20 3 4"});
    ShowHint(state, FakeWindow());
    ASSERT_TRUE(state.hintShown);
    EXPECT_EQ(state.hintCol1, 3);
    EXPECT_EQ(state.hintRow1, 4);
    EXPECT_EQ(state.hintCol2, 4);
    EXPECT_EQ(state.hintRow2, 5);
    EXPECT_EQ(state.cells[CellIndex(3, 4)], 56);
    EXPECT_EQ(state.cells[CellIndex(4, 5)], 56);

    ClickCell(state, FakeWindow(), std::nullopt);
    EXPECT_EQ(state.cells, BoardFromRows({"0 1 2 3 4 5 6", "7 8 9 10 11 12 13",
                                          "14 15 16 17 18 19 21", "22 23 24 25 26 27 28",
                                          "29 30 31 20 32 33 34", "35 0 1 2 20 3 4"}));
}

TEST_F(MoveSearchTest, HintIsRefusedSilently) {
    const auto expectNothing = [&](const char* why) {
        const GameState before = state;
        fakeDesktop.calls.clear();
        ShowHint(state, FakeWindow());
        EXPECT_EQ(state.cells, before.cells) << why;
        EXPECT_EQ(state.hintShown, before.hintShown) << why;
        EXPECT_TRUE(fakeDesktop.calls.empty()) << why;
    };

    Start({});
    expectNothing("cleared board");
    Start({"1 2 3"});
    expectNothing("no pair");
    Start({"1 1 2 2"});
    state.gameOver = 1;
    expectNothing("game lost");
    Start({"1 1 2 2"});
    ClickCell(state, FakeWindow(), Cell{3, 0});
    expectNothing("tile picked");

    // A second hint while one is shown does not move it.
    Start({"1 1 2 2"});
    ShowHint(state, FakeWindow());
    expectNothing("hint shown");
    EXPECT_EQ(state.hintCol1, 0);
    EXPECT_EQ(state.hintCol2, 1);
}

TEST_F(MoveSearchTest, HintLeavesCountersHistoryAndClockAlone) {
    Start({"1 2 1", "3 3"});
    state.elapsedSeconds = 42;
    PushHistory(state);
    ShowHint(state, FakeWindow());
    EXPECT_EQ(state.tilesLeft, 5);
    EXPECT_EQ(state.historyCount, 1);
    EXPECT_EQ(state.elapsedSeconds, 42u);
}

} // namespace
