// The undo history: up to HISTORY_DEPTH board snapshots inside the GameState.
#pragma once

#include "model/game_state.h"

// Stores the board before a removal; drops the oldest snapshot when full.
void PushHistory(GameState& state);

// Puts the newest snapshot back, dropping any pick or hint. Does nothing with
// an empty history.
void UndoMove(GameState& state, WindowHandle window);
