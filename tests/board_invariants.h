// What every reachable position keeps, whatever was played: the checks that
// random play, the fuzz targets and the soak run after every step.
#pragma once

#include "model/game_state.h"

// Returns nullptr when the board and its counters are consistent, otherwise
// a short description of the first broken rule: a code out of range, a gap
// inside a row, an empty row above one that holds tiles, a flag other than 0
// or 1, a `tilesLeft` that differs from the tiles on the board, or a face
// present an odd number of times. Allocates nothing.
const char* BoardInvariantFault(const GameState& state);
