// The three two-way options: difficulty, sound and display size. Each is held
// as the command id that selects it, in the GameState (in force) and in the
// saved copy that the score file keeps.
#pragma once

#include "model/game_state.h"

// Store the id in the GameState and set the pair's check marks; a value
// outside the pair changes no mark.
void ApplyDifficulty(GameState& state, WindowHandle window, OptionId id);
void ApplySound(GameState& state, WindowHandle window, OptionId id);
void ApplyLayout(GameState& state, WindowHandle window, OptionId id);

// A menu choice: saved whether or not it differs; a different choice is
// applied and deals a new game, with a repaint.
void ChangeDifficulty(GameState& state, WindowHandle window, OptionId id);
void ChangeSound(GameState& state, WindowHandle window, OptionId id);
void ChangeLayout(GameState& state, WindowHandle window, OptionId id);

// Moves the window to the centred placement of a layout.
void PlaceWindowFor(WindowHandle window, Layout layout);
