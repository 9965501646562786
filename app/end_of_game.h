// The clock, the two jingles and the end-of-game test.
#pragma once

#include "model/game_state.h"

// A tick of the one-second clock: one more second, up to 9999.
void OnTick(GameState& state, WindowHandle window);

// Runs after every paint: a cleared board stops the clock and sound and
// plays the clear jingle once per clear; a board with tiles but no legal
// pair is lost, announced once.
void CheckEndOfGame(GameState& state, WindowHandle window);
