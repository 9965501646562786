// Dealing: the generator's sequence, the seeded boards, and what a deal
// resets and plays.
#include "model/deal.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "tests/board_text.h"
#include "tests/fake_desktop.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class DealTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFakeDesktop();
        SetUpState(state, BoardFromRows({}));
    }

    std::map<TileCode, int> FaceCounts() const {
        std::map<TileCode, int> counts;
        for (TileCode code : state.cells) {
            if (code != EMPTY_CELL) {
                ++counts[code];
            }
        }
        return counts;
    }

    GameState state;
};

TEST_F(DealTest, GeneratorSeededWithOneGivesTheKnownSequence) {
    DealRandom random;
    SeedDealRandom(random, 1);
    EXPECT_EQ(NextDealRandom(random), 41);
    EXPECT_EQ(NextDealRandom(random), 18467);
}

TEST_F(DealTest, EasyDealWithSeedOne) {
    state.difficulty = CMD_EASY;
    DealBoard(state, 1);
    EXPECT_EQ(RowText(state.cells, 0), "5 15 4 1 8 0 16 1 15");
    EXPECT_EQ(state.tilesLeft, 72);
    for (int row = 0; row < BOARD_ROWS; ++row) {
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            EXPECT_EQ(state.cells[CellIndex(col, row)] == EMPTY_CELL, col >= 9);
        }
    }
    const auto counts = FaceCounts();
    ASSERT_EQ(counts.size(), 18u);
    for (const auto& [face, count] : counts) {
        EXPECT_LT(face, 18);
        EXPECT_EQ(count, 4);
    }
}

TEST_F(DealTest, NormalDealWithSeedOne) {
    DealBoard(state, 1);
    EXPECT_EQ(RowText(state.cells, 0),
              "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11");
    EXPECT_EQ(state.tilesLeft, 144);
    const auto counts = FaceCounts();
    ASSERT_EQ(counts.size(), 36u);
    for (const auto& [face, count] : counts) {
        EXPECT_EQ(count, 4) << "face " << face;
    }
}

TEST_F(DealTest, UnknownDifficultyDealsTheFullBoard) {
    state.difficulty = 0;
    DealBoard(state, 1);
    EXPECT_EQ(state.tilesLeft, 144);
    EXPECT_EQ(RowText(state.cells, 0),
              "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11");
}

TEST_F(DealTest, DealReadsTheClockAndResetsTheGame) {
    fakeDesktop.currentTime = 0x100000001LL; // only the low 32 bits seed
    DealNewGame(state);
    const Board first = state.cells;
    EXPECT_EQ(RowText(first, 0), "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11");

    // Play a little: pick, remove, then leave a hint-like highlight and the
    // lost flag behind, and a running clock.
    ClickCell(state, FakeWindow(), Cell{5, 0});
    ClickCell(state, FakeWindow(), Cell{6, 0}); // 16 and 16 side by side
    ASSERT_EQ(state.historyCount, 1);
    ClickCell(state, FakeWindow(), Cell{0, 0});
    ASSERT_TRUE(state.selectionActive);
    state.gameOver = 1;
    state.elapsedSeconds = 77;
    state.clockStarted = 1;

    DealNewGame(state); // same second: same board
    EXPECT_EQ(state.cells, first);
    EXPECT_EQ(state.tilesLeft, 144);
    EXPECT_FALSE(state.selectionActive);
    EXPECT_FALSE(state.hintShown);
    EXPECT_FALSE(state.gameOver);
    EXPECT_FALSE(state.clockStarted);
    EXPECT_EQ(state.elapsedSeconds, 0u);
    EXPECT_EQ(state.historyCount, 0);

    fakeDesktop.calls.clear();
    UndoMove(state, FakeWindow()); // the old game's history is unreachable
    EXPECT_EQ(state.cells, first);
    EXPECT_TRUE(fakeDesktop.calls.empty());
}

TEST_F(DealTest, BackgroundLoopStartsAfterAPauseOnlyWithSoundOnAndAWave) {
    const unsigned char wave[4] = {'R', 'I', 'F', 'F'};
    state.waveLoop = {wave, sizeof wave};

    state.sound = CMD_SOUND_ON;
    DealNewGame(state);
    EXPECT_EQ(fakeDesktop.calls, (std::vector<std::string>{"StopSound", "Wait 500", "PlayLoop 4"}));

    fakeDesktop.calls.clear();
    state.sound = CMD_SOUND_OFF;
    DealNewGame(state);
    EXPECT_EQ(fakeDesktop.calls, (std::vector<std::string>{"StopSound"}));

    fakeDesktop.calls.clear();
    state.sound = CMD_SOUND_ON;
    state.waveLoop = {};
    DealNewGame(state);
    EXPECT_EQ(fakeDesktop.calls, (std::vector<std::string>{"StopSound"}));
}

} // namespace
