// A main window driven through its handlers with the recording desktop, a
// fresh score directory and known waves, and helpers to play through it.
#pragma once

#include "app/main_window.h"
#include "app/program_state.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The waves' sizes tell the played sounds apart in the log.
constexpr size_t LOOP_WAVE_SIZE = 11;
constexpr size_t GAME_OVER_WAVE_SIZE = 22;
constexpr size_t CLEAR_WAVE_SIZE = 33;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    WindowHandle Window() const { return FakeWindow(); }
    GameState& Game() const { return *gameRecord; }

    void Create();
    void Paint() { OnPaint(Window()); }
    void Tick() { OnTimer(Window()); }
    void Command(int id) { OnCommand(Window(), id); }
    // A left click in the middle of a cell of the layout in force.
    void ClickOn(Cell cell);
    // Takes the first legal pair off the board through the hint and two
    // clicks, then paints; false when there is none.
    bool PlayHintedPair();

    std::string FilePath() const { return directory.Path("Dudazure2.hsc"); }
    std::vector<unsigned char> FileBytes() const { return ReadWholeFile(FilePath()); }

    // Calls whose text starts with one of the given prefixes, in order.
    std::vector<std::string> CallsLike(std::initializer_list<const char*> prefixes) const;

    TempDirectory directory;
};

// A seed whose Easy deal the hint clears when followed pair by pair.
uint32_t EasySeedClearedByHints();

// The board of a Normal deal holding tiles but no legal pair.
void MakeStuck(GameState& state);
