#include "tests/app_fixture.h"

#include "resources/resource_ids.h"
#include "store/high_scores.h"
#include "store/score_file.h"

#include <cstring>

void AppTest::SetUp() {
    testing::internal::CaptureStderr(); // the sheets are missing here
    ResetFakeDesktop();
    fakeDesktop.scoreDirectory = directory.path;
    fakeDesktop.resources[IDW_LOOP].assign(LOOP_WAVE_SIZE, 0x80);
    fakeDesktop.resources[IDW_GAME_OVER].assign(GAME_OVER_WAVE_SIZE, 0x80);
    fakeDesktop.resources[IDW_CLEAR].assign(CLEAR_WAVE_SIZE, 0x80);
    savedDifficulty = savedSound = savedLayout = 0;
    std::memset(playerName, 'x', sizeof playerName); // creation must clear it
    scoreCheckArmed = 1;
    clearJinglePlayed = 0;
}

void AppTest::TearDown() {
    if (gameRecord) {
        OnDestroy(Window());
    }
    testing::internal::GetCapturedStderr();
}

void AppTest::Create() {
    ASSERT_TRUE(OnCreate(Window()));
}

void AppTest::ClickOn(std::optional<Cell> cell) {
    const bool mini = Game().layout == CMD_MINI;
    if (!cell) {
        OnLeftButtonDown(Window(), mini ? 79 : 29, 100);
        return;
    }
    OnLeftButtonDown(Window(), mini ? 88 + 17 * cell->col : 47 + 34 * cell->col,
                     mini ? 18 + 22 * cell->row : 112 + 44 * cell->row);
}
