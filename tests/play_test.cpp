// Picking tiles and removing pairs: each removal shape, the rows closing up,
// and the clicks that are refused.
#include "model/move_search.h"
#include "model/selection.h"
#include "tests/board_text.h"
#include "tests/fake_desktop.h"

#include <gtest/gtest.h>

namespace {

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFakeDesktop(); }

    void Start(std::initializer_list<const char*> rows) { SetUpState(state, BoardFromRows(rows)); }

    void Click(int col, int row) { ClickCell(state, FakeWindow(), Cell{col, row}); }
    void ClickOutside() { ClickCell(state, FakeWindow(), std::nullopt); }

    // Picks two cells and expects exactly one removal.
    void Remove(Cell a, Cell b) {
        const int before = state.tilesLeft;
        const int snapshots = state.historyCount;
        Click(a.col, a.row);
        Click(b.col, b.row);
        ASSERT_EQ(state.tilesLeft, before - 2);
        ASSERT_EQ(state.historyCount, snapshots + 1);
        ASSERT_FALSE(state.selectionActive);
    }

    // Picks two cells and expects the pick dropped with nothing removed.
    void Refuse(Cell a, Cell b) {
        const Board before = state.cells;
        Click(a.col, a.row);
        Click(b.col, b.row);
        EXPECT_EQ(state.cells, before);
        EXPECT_EQ(state.historyCount, 0);
        EXPECT_FALSE(state.selectionActive);
    }

    std::string Row(int row) const { return RowText(state.cells, row); }

    GameState state;
};

TEST_F(PlayTest, SameRowPairClosesTheRowFromEitherEnd) {
    Start({"3 7 3 9"});
    Remove({0, 0}, {2, 0});
    EXPECT_EQ(Row(0), "7 9");
    EXPECT_EQ(state.cells[CellIndex(2, 0)], EMPTY_CELL);

    Start({"3 7 3 9"});
    Remove({2, 0}, {0, 0});
    EXPECT_EQ(Row(0), "7 9");
    // The snapshot is the board before the removal, without highlight.
    EXPECT_EQ(state.history[0], BoardFromRows({"3 7 3 9"}));
}

TEST_F(PlayTest, RowPairAtAnyDistanceShiftsBetweenByOneAndBeyondByTwo) {
    Start({"1 4 5 6 1 8 9 10 11 12 13 14 15 16 17 18 19 20"});
    Remove({0, 0}, {4, 0});
    EXPECT_EQ(Row(0), "4 5 6 8 9 10 11 12 13 14 15 16 17 18 19 20");

    // The right-hand tile in column 17.
    Start({"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 1"});
    Remove({17, 0}, {0, 0});
    EXPECT_EQ(Row(0), "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17");
    EXPECT_EQ(state.cells[CellIndex(16, 0)], EMPTY_CELL);
    EXPECT_EQ(state.cells[CellIndex(17, 0)], EMPTY_CELL);
}

TEST_F(PlayTest, ColumnPairClosesOnlyItsTwoRows) {
    Start({"5 1 2",
           "3 4",
           "6 7 8",
           "5 9"});
    Remove({0, 3}, {0, 0});
    EXPECT_EQ(Row(0), "1 2");
    EXPECT_EQ(Row(1), "3 4"); // between the two, untouched
    EXPECT_EQ(Row(2), "6 7 8");
    EXPECT_EQ(Row(3), "9");
}

TEST_F(PlayTest, ColumnPairEmptyingTwoRowsTakesBothOut) {
    Start({"10 11",
           "12 13",
           "20",
           "14 15",
           "16",
           "20",
           "17 18",
           "19"});
    Remove({0, 2}, {0, 5});
    EXPECT_EQ(Row(0), "10 11");
    EXPECT_EQ(Row(1), "12 13");
    EXPECT_EQ(Row(2), "14 15");
    EXPECT_EQ(Row(3), "16");
    EXPECT_EQ(Row(4), "17 18");
    EXPECT_EQ(Row(5), "19");
    EXPECT_EQ(Row(6), "");
    EXPECT_EQ(Row(7), "");
    EXPECT_EQ(state.tilesLeft, 10);
}

TEST_F(PlayTest, DiagonalNeighboursOnlyOneStepApart) {
    const char* rows[] = {"0 1 2 3 4 5 6", "0 1 2 3 4 5 6", "0 1 2 3 30 5 6", "0 1 2 3 4 30 6"};
    Start({rows[0], rows[1], rows[2], rows[3]});
    Remove({4, 2}, {5, 3}); // down-right
    EXPECT_EQ(Row(2), "0 1 2 3 5 6");
    EXPECT_EQ(Row(3), "0 1 2 3 4 6");

    Start({rows[0], rows[1], "0 1 2 3 4 30 6", "0 1 2 3 30 5 6"});
    Remove({5, 2}, {4, 3}); // down-left
    EXPECT_EQ(Row(2), "0 1 2 3 4 6");
    EXPECT_EQ(Row(3), "0 1 2 3 5 6");

    // Two steps on a diagonal, and a knight's move, are refused.
    Start({"0 1 2 3", "4 5 6 7", "0 1 2 3 31", "4 5 6 7", "0 1 2 3 4 5 31"});
    Refuse({4, 2}, {6, 4});
    Start({"0 1 2 3", "4 5 6 7", "0 1 2 3 31", "4 5 6 7 8 9 31"});
    Refuse({4, 2}, {6, 3});
}

TEST_F(PlayTest, DiagonalPairEmptyingARowTakesItOut) {
    Start({"1 2", "3", "4 3", "5"});
    Remove({0, 1}, {1, 2});
    EXPECT_EQ(Row(0), "1 2");
    EXPECT_EQ(Row(1), "4");
    EXPECT_EQ(Row(2), "5");
    EXPECT_EQ(Row(3), "");
}

TEST_F(PlayTest, PickAndDropRequestRepaintsWithoutErase) {
    Start({"1 2 1", "3 4"});
    Click(0, 0);
    EXPECT_EQ(state.cells[CellIndex(0, 0)], 1 + HIGHLIGHT_OFFSET);
    EXPECT_EQ(fakeDesktop.calls, std::vector<std::string>{"Repaint"});

    Click(0, 0); // the picked tile again
    EXPECT_EQ(state.cells[CellIndex(0, 0)], 1);
    EXPECT_FALSE(state.selectionActive);

    Click(0, 0);
    Click(1, 0); // another face
    EXPECT_EQ(state.cells, BoardFromRows({"1 2 1", "3 4"}));

    Click(0, 0);
    Click(5, 5); // an empty cell
    EXPECT_EQ(state.cells, BoardFromRows({"1 2 1", "3 4"}));
    EXPECT_EQ(CountCalls("Repaint"), 6);
    EXPECT_EQ(CountCalls("Repaint erase"), 0);
    EXPECT_EQ(state.historyCount, 0);
}

TEST_F(PlayTest, ClicksThatChangeNothingRequestNothing) {
    Start({"1 2 1"});
    ClickOutside();
    Click(9, 0); // empty
    EXPECT_TRUE(fakeDesktop.calls.empty());
    EXPECT_FALSE(state.selectionActive);

    Click(0, 0);
    fakeDesktop.calls.clear();
    ClickOutside(); // keeps the pick
    EXPECT_TRUE(state.selectionActive);
    EXPECT_EQ(state.cells[CellIndex(0, 0)], 1 + HIGHLIGHT_OFFSET);
    EXPECT_TRUE(fakeDesktop.calls.empty());

    Start({"1 2 1"});
    state.gameOver = 1;
    Click(0, 0);
    Click(2, 0);
    EXPECT_EQ(state.cells, BoardFromRows({"1 2 1"}));
    EXPECT_TRUE(fakeDesktop.calls.empty());
}

TEST_F(PlayTest, ClickClearsAShownHintFirst) {
    Start({"1 2 1", "2"});
    ShowHint(state, FakeWindow());
    ASSERT_TRUE(state.hintShown);
    fakeDesktop.calls.clear();

    // A click that picks nothing drops the hint and asks for no repaint.
    ClickOutside();
    EXPECT_FALSE(state.hintShown);
    EXPECT_EQ(state.cells, BoardFromRows({"1 2 1", "2"}));
    EXPECT_TRUE(fakeDesktop.calls.empty());

    // A click on a hinted tile picks it plainly.
    ShowHint(state, FakeWindow());
    Click(2, 0);
    EXPECT_FALSE(state.hintShown);
    EXPECT_EQ(Row(0), "1 2 37");
    Click(0, 0);
    EXPECT_EQ(Row(0), "2");
}

} // namespace
