// The move script of the headless tools: "C,R" clicks column C of row R,
// "H" asks for a hint, "U" undoes; moves are separated by spaces.
#pragma once

#include "model/game_state.h"

enum ScriptMoveKind { MOVE_CLICK, MOVE_HINT, MOVE_UNDO };

struct ScriptMove {
    ScriptMoveKind kind;
    Cell cell; // for MOVE_CLICK
};

enum MoveScan { MOVE_READ, MOVES_END, MOVE_INVALID };

// Reads the next move at *cursor and advances past it. MOVES_END after the
// last one; MOVE_INVALID for anything other than "C,R" (column 0..17, row
// 0..7), "H" or "U".
MoveScan NextMove(const char** cursor, ScriptMove* move);

bool IsValidMoveScript(const char* moves);

// Plays a valid script through the game's own operations, with no window.
void PlayMoveScript(GameState& state, const char* moves);
