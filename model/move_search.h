// The search for a legal pair: the stuck test and the hint walk the board in
// the same order, so the hint is always the first pair the stuck test finds.
#pragma once

#include "model/game_state.h"

// The first legal pair in scan order: columns left to right, rows top to
// bottom; from each tile the same row to the right, the same column below,
// then the up-right and down-right neighbours. Codes are compared as stored.
bool FindLegalPair(const Board& cells, Cell* first, Cell* partner);

// True while a tile is picked, else whether any legal pair is left.
bool HasLegalPair(const GameState& state);

// Highlights the first legal pair, unless the game is lost, a hint is
// already shown or a tile is picked.
void ShowHint(GameState& state, WindowHandle window);
