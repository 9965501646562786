// Boards written as text for the tests: one string per row from row 0, the
// tile codes of that row from column 0 separated by spaces; '.' or a missing
// column is EMPTY_CELL.
#pragma once

#include "model/game_state.h"

#include <initializer_list>
#include <string>

Board BoardFromRows(std::initializer_list<const char*> rows);
std::string RowText(const Board& cells, int row);

// A GameState holding the board, its tile count, options Normal/off/mini and
// nothing picked, hinted or lost. Zeroed like the allocated record.
void SetUpState(GameState& state, const Board& cells);

// Counts the cells that hold a tile.
int CountTiles(const Board& cells);
