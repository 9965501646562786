// Reading and playing the move script.
#include "tools/common/move_script.h"

#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "tools/common/command_line.h"

MoveScan NextMove(const char** cursor, ScriptMove* move) {
    const char* p = *cursor;
    while (*p == ' ') {
        ++p;
    }
    if (*p == '\0') {
        *cursor = p;
        return MOVES_END;
    }
    if (*p == 'H' || *p == 'U') {
        move->kind = *p == 'H' ? MOVE_HINT : MOVE_UNDO;
        ++p;
    } else {
        uint64_t col = 0;
        uint64_t row = 0;
        if (!ReadNumber(&p, BOARD_COLUMNS - 1, &col) || *p != ',') {
            return MOVE_INVALID;
        }
        ++p;
        if (!ReadNumber(&p, BOARD_ROWS - 1, &row)) {
            return MOVE_INVALID;
        }
        move->kind = MOVE_CLICK;
        move->cell = Cell{static_cast<int32_t>(col), static_cast<int32_t>(row)};
    }
    if (*p != ' ' && *p != '\0') {
        return MOVE_INVALID;
    }
    *cursor = p;
    return MOVE_READ;
}

bool IsValidMoveScript(const char* moves) {
    ScriptMove move;
    MoveScan scan;
    while ((scan = NextMove(&moves, &move)) == MOVE_READ) {
    }
    return scan == MOVES_END;
}

void PlayMoveScript(GameState& state, const char* moves) {
    // The tools' desktop ignores repaint requests, so no window is needed.
    ScriptMove move;
    while (NextMove(&moves, &move) == MOVE_READ) {
        switch (move.kind) {
        case MOVE_CLICK:
            ClickCell(state, nullptr, move.cell);
            break;
        case MOVE_HINT:
            ShowHint(state, nullptr);
            break;
        case MOVE_UNDO:
            UndoMove(state, nullptr);
            break;
        }
    }
}
