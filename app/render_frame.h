// The body of every paint.
#pragma once

#include "model/game_state.h"

// Makes the back buffer and deals the first game on the first paint, starts
// the clock on the first paint of each game, composes the whole frame
// off-screen, presents it in one copy, then runs the end-of-game test.
void RenderFrame(GameState& state, WindowHandle window);
