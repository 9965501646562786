// A main window driven through its handlers with the recording desktop, a
// fresh score directory and known waves.
#pragma once

#include "app/main_window.h"
#include "app/program_state.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    // A left click in the middle of a cell of the layout in force, or
    // outside the board.
    void ClickOn(std::optional<Cell> cell);

    std::string FilePath() const { return directory.Path("Dudazure2.hsc"); }
    std::vector<unsigned char> FileBytes() const { return ReadWholeFile(FilePath()); }

    TempDirectory directory;
};
