// The main window's handlers as plain functions. A front end calls one per
// message it receives; everything the game does happens in here, and it
// reaches the desktop only through platform/desktop.h.
#pragma once

#include "model/game_state.h"

// Window creation: loads the options, places the window, creates the game
// record, loads sheets and sounds and applies the options to the menu's check
// marks. False when the window cannot be created (the front end then ends
// the program with exit code 0).
bool OnCreate(WindowHandle window);

// A paint: composes the frame, presents it, runs the end-of-game test and
// the score trigger. The first paint deals the first game.
void OnPaint(WindowHandle window);

// A left button press at a client position (signed values).
void OnLeftButtonDown(WindowHandle window, int x, int y);

// A tick of the one-second clock.
void OnTimer(WindowHandle window);

// A menu or accelerator command; unknown ids are ignored.
void OnCommand(WindowHandle window, int commandId);

// Window destruction: stops the clock, frees the game record, the sheets
// and the back buffer, and ends the message loop with exit code 0.
void OnDestroy(WindowHandle window);

// After the message loop: stops any sound and saves the options.
void OnExit();
