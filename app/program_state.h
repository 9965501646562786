// Program-wide state of the application shell: one instance each, owned by
// the main window's handlers.
#pragma once

#include "model/game_state.h"
#include "view/layout.h"
#include "view/surface.h"

#include <cstdint>

// The one game record, made by the create handler and released by the
// destroy handler; null before and after.
extern GameState* gameRecord;

// The clear jingle has been played for the current clear.
extern int32_t clearJinglePlayed;

// The client rectangle's top-left corner; it offsets every board and panel
// position and the hit test. A client rectangle always starts at (0, 0), so
// reading it again at a display-size switch changes nothing.
extern const Point clientOrigin;

// The off-screen frame; empty until the first paint.
extern Surface backBuffer;

// A game has been dealt for this window. The first paint deals; later
// paints that find no back buffer (it could not be made) only try to make
// one again, without dealing.
extern bool firstGameDealt;
