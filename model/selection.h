// The rule of play: picking a tile, and removing a legal pair with the rows
// closing up behind it.
#pragma once

#include "model/game_state.h"

#include <optional>

// Handles a left click already mapped to a cell, or to none for a click
// outside the board.
void ClickCell(GameState& state, WindowHandle window, std::optional<Cell> target);
