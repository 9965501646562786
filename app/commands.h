// The menu's command dispatcher.
#pragma once

#include "model/game_state.h"

// Carries out a menu command; ids that are no command are ignored.
void DispatchCommand(GameState& state, WindowHandle window, int commandId);
