// Selection and pair removal. The picked tile and a shown hint live in the
// board itself as face + HIGHLIGHT_OFFSET.
#include "model/selection.h"

#include "model/undo_history.h"
#include "platform/desktop.h"

#include <algorithm>
#include <cstdlib>

namespace {

TileCode& At(GameState& state, int col, int row) { return state.cells[CellIndex(col, row)]; }

void DropPick(GameState& state, WindowHandle window) {
    At(state, state.selCol, state.selRow) -= HIGHLIGHT_OFFSET;
    state.selectionActive = 0;
    DesktopRequestRepaint(window, false);
}

void ClearHint(GameState& state) {
    At(state, state.hintCol1, state.hintRow1) -= HIGHLIGHT_OFFSET;
    At(state, state.hintCol2, state.hintRow2) -= HIGHLIGHT_OFFSET;
    state.hintShown = 0;
}

// Closes the row up over startCol: every tile to its right moves one column left.
void ShiftRowLeft(GameState& state, int row, int startCol) {
    for (int col = startCol; col < BOARD_COLUMNS - 1; ++col) {
        At(state, col, row) = At(state, col + 1, row);
    }
}

// Takes the row out when it is empty: the rows below it move up one.
void CollapseRow(GameState& state, int row) {
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        if (At(state, col, row) != EMPTY_CELL) {
            return;
        }
    }
    for (int r = row; r < BOARD_ROWS - 1; ++r) {
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            At(state, col, r) = At(state, col, r + 1);
        }
    }
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        At(state, col, BOARD_ROWS - 1) = EMPTY_CELL;
    }
}

bool IsRemovablePair(Cell a, Cell b) {
    if (a.col == b.col || a.row == b.row) {
        return true;
    }
    return std::abs(a.col - b.col) == 1 && std::abs(a.row - b.row) == 1;
}

// Takes the pair off the board: each tile leaves its row, the row closes up
// to the left, and rows left empty are taken out.
void RemovePair(GameState& state, WindowHandle window, Cell picked, Cell target) {
    At(state, picked.col, picked.row) -= HIGHLIGHT_OFFSET;
    PushHistory(state);

    if (picked.row == target.row) {
        // The right-hand tile goes first so the left-hand column stays valid.
        const int row = picked.row;
        ShiftRowLeft(state, row, std::max(picked.col, target.col));
        ShiftRowLeft(state, row, std::min(picked.col, target.col));
        At(state, BOARD_COLUMNS - 2, row) = EMPTY_CELL;
        At(state, BOARD_COLUMNS - 1, row) = EMPTY_CELL;
        CollapseRow(state, row);
    } else {
        ShiftRowLeft(state, picked.row, picked.col);
        ShiftRowLeft(state, target.row, target.col);
        At(state, BOARD_COLUMNS - 1, picked.row) = EMPTY_CELL;
        At(state, BOARD_COLUMNS - 1, target.row) = EMPTY_CELL;
        // The lower row first, so the upper row's index stays valid.
        CollapseRow(state, std::max(picked.row, target.row));
        CollapseRow(state, std::min(picked.row, target.row));
    }

    state.tilesLeft -= 2;
    state.selectionActive = 0;
    DesktopRequestRepaint(window, false);
}

} // namespace

// ---- Clicks ------------------------------------------------------------------

void ClickCell(GameState& state, WindowHandle window, std::optional<Cell> target) {
    if (state.gameOver) {
        return;
    }
    if (state.hintShown) {
        ClearHint(state);
    }

    if (!state.selectionActive) {
        if (!target || At(state, target->col, target->row) == EMPTY_CELL) {
            return;
        }
        At(state, target->col, target->row) += HIGHLIGHT_OFFSET;
        state.selCol = target->col;
        state.selRow = target->row;
        state.selectionActive = 1;
        DesktopRequestRepaint(window, false);
        return;
    }

    if (!target) {
        return;
    }
    const Cell picked{state.selCol, state.selRow};
    const bool samePlace = target->col == picked.col && target->row == picked.row;
    const TileCode face = At(state, picked.col, picked.row) - HIGHLIGHT_OFFSET;
    if (samePlace || At(state, target->col, target->row) != face ||
        !IsRemovablePair(picked, *target)) {
        DropPick(state, window);
        return;
    }
    RemovePair(state, window, picked, *target);
}
