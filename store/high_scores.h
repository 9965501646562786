// The best-times table as the player meets it: the table shown on request,
// and after a clear the name dialog, the rewrite of the file and the table.
#pragma once

#include "model/game_state.h"

#include <cstdint>

// The name last confirmed in the name dialog during this run: at most 9
// bytes of Shift_JIS text and a NUL. It pre-fills the next dialog.
extern char playerName[10];

// While 1, the next paint that finds the board cleared runs the high-score
// step. Every deal arms it; the step disarms it.
extern uint8_t scoreCheckArmed;

// Runs after every paint: hands a cleared board to RecordClearTime once per
// armed clear.
void RunScoreTrigger(WindowHandle window, const GameState& state);

// The high-score step for a clear in clearTime seconds at the saved
// difficulty.
void RecordClearTime(WindowHandle window, uint32_t clearTime);

// Shows the table read from the file; the default table when there is none.
void ShowHighScores(WindowHandle window);
