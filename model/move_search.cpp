// Move search and hint.
#include "model/move_search.h"

#include "platform/desktop.h"

namespace {

// The partner of the tile at (col, row), or false. Tiles lying between two
// cells of a row or column never block the pair.
bool FindPartner(const Board& cells, int col, int row, Cell* partner) {
    const TileCode code = cells[CellIndex(col, row)];
    for (int c = col + 1; c < BOARD_COLUMNS; ++c) {
        if (cells[CellIndex(c, row)] == code) {
            *partner = {c, row};
            return true;
        }
    }
    for (int r = row + 1; r < BOARD_ROWS; ++r) {
        if (cells[CellIndex(col, r)] == code) {
            *partner = {col, r};
            return true;
        }
    }
    if (col < BOARD_COLUMNS - 1) {
        if (row > 0 && cells[CellIndex(col + 1, row - 1)] == code) {
            *partner = {col + 1, row - 1};
            return true;
        }
        if (row < BOARD_ROWS - 1 && cells[CellIndex(col + 1, row + 1)] == code) {
            *partner = {col + 1, row + 1};
            return true;
        }
    }
    return false;
}

} // namespace

bool FindLegalPair(const Board& cells, Cell* first, Cell* partner) {
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        for (int row = 0; row < BOARD_ROWS; ++row) {
            if (cells[CellIndex(col, row)] == EMPTY_CELL) {
                continue;
            }
            if (FindPartner(cells, col, row, partner)) {
                *first = {col, row};
                return true;
            }
        }
    }
    return false;
}

bool HasLegalPair(const GameState& state) {
    if (state.selectionActive) {
        return true;
    }
    Cell first;
    Cell partner;
    return FindLegalPair(state.cells, &first, &partner);
}

void ShowHint(GameState& state, WindowHandle window) {
    if (state.gameOver || state.hintShown || state.selectionActive) {
        return;
    }
    Cell first;
    Cell partner;
    if (!FindLegalPair(state.cells, &first, &partner)) {
        return;
    }
    state.cells[CellIndex(first.col, first.row)] += HIGHLIGHT_OFFSET;
    state.cells[CellIndex(partner.col, partner.row)] += HIGHLIGHT_OFFSET;
    state.hintCol1 = first.col;
    state.hintRow1 = first.row;
    state.hintCol2 = partner.col;
    state.hintRow2 = partner.row;
    state.hintShown = 1;
    DesktopRequestRepaint(window, true);
}
