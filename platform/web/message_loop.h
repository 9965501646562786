// The Win32-style message loop over the page's event queue.
#pragma once

#include "model/game_state.h"

// Dispatches events to the main window's handlers until the game posts the
// quit message; returns its exit code.
int RunMessageLoop(WindowHandle window);

// A nested loop for a synchronous call (a box, the name dialog, the wait, a
// jingle): paints and ticks still reach the main window, the board's clicks
// and the menu's commands are dropped. Returns the answer of the wait with
// this token once it has ended.
int RunModalLoop(int token);
