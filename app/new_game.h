// Starting games: every deal of the shell goes through here, so that each
// dealt game reaches the high-score step exactly once, when it is cleared.
#pragma once

#include "model/game_state.h"

// Deals a new game and arms the score trigger for it. Requests no repaint.
void StartNewGame(GameState& state);

// Makes a back buffer of the current client size (at least the layout's
// drawing limits) and deals a new game.
void RebuildBackBuffer(GameState& state, WindowHandle window);

// Makes the back buffer again without dealing; false when it cannot be made.
bool MakeBackBuffer(const GameState& state, WindowHandle window);
