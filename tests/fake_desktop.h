// A recording desktop for the tests: every call the core makes is logged as
// one line of text, and the answers the desktop gives (time, sizes, message
// box answers, the typed name) are set by the test.
#pragma once

#include "platform/desktop.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The waves' sizes tell the played sounds apart in the log.
constexpr size_t LOOP_WAVE_SIZE = 11;
constexpr size_t GAME_OVER_WAVE_SIZE = 22;
constexpr size_t CLEAR_WAVE_SIZE = 33;

struct FakeDesktop {
    std::vector<std::string> calls;

    int64_t currentTime = 1;
    int clientWidth = 470;
    int clientHeight = 186;
    std::string scoreDirectory; // empty: the desktop has none

    // Answers of the next message boxes, oldest first; OK or Yes when empty.
    std::deque<MessageAnswer> answers;
    // The name dialog: OK with typedName, or Cancel.
    bool nameDialogOk = true;
    std::string typedName;
    std::string lastDialogInitialName;

    // Runs inside every modal box and dialog, as a nested message loop would.
    std::function<void()> duringModal;
    // Runs inside every wait and jingle played once, as the browser's nested
    // loops do: they dispatch paints and ticks, and nothing closes the window.
    std::function<void()> duringWait;

    std::map<int, std::vector<unsigned char>> resources;
    uint32_t presentedCorner = 0; // the top-left pixel of the last frame presented
};

extern FakeDesktop fakeDesktop;

// Forgets all calls and answers.
void ResetFakeDesktop();

// How many logged calls start with the given text.
int CountCalls(const std::string& prefix);

// The window handle the tests pass around; the fake never looks at it.
WindowHandle FakeWindow();
