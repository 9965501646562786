#include "tests/board_invariants.h"

const char* BoardInvariantFault(const GameState& state) {
    int faceCount[FACE_COUNT] = {};
    int tiles = 0;
    bool emptyRowSeen = false;
    for (int row = 0; row < BOARD_ROWS; ++row) {
        bool gapSeen = false;
        int rowTiles = 0;
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            const TileCode code = state.cells[CellIndex(col, row)];
            if (code == EMPTY_CELL) {
                gapSeen = true;
                continue;
            }
            if (code < 0 || code >= EMPTY_CELL) {
                return "tile code out of range";
            }
            if (gapSeen) {
                return "row not packed to the left";
            }
            ++faceCount[code % HIGHLIGHT_OFFSET];
            ++rowTiles;
        }
        if (rowTiles > 0 && emptyRowSeen) {
            return "empty row above a row with tiles";
        }
        emptyRowSeen = emptyRowSeen || rowTiles == 0;
        tiles += rowTiles;
    }
    for (const uint8_t flag :
         {state.selectionActive, state.gameOver, state.hintShown, state.clockStarted}) {
        if (flag > 1) {
            return "a flag other than 0 or 1";
        }
    }
    if (tiles != state.tilesLeft) {
        return "tilesLeft differs from the tiles on the board";
    }
    for (int count : faceCount) {
        if (count % 2 != 0) {
            return "a face present an odd number of times";
        }
    }
    return nullptr;
}
