#include "tests/board_text.h"

#include <cstring>
#include <sstream>

Board BoardFromRows(std::initializer_list<const char*> rows) {
    Board cells;
    cells.fill(EMPTY_CELL);
    int row = 0;
    for (const char* text : rows) {
        std::istringstream in(text);
        std::string word;
        for (int col = 0; in >> word && col < BOARD_COLUMNS; ++col) {
            if (word != ".") {
                cells[CellIndex(col, row)] = std::stoi(word);
            }
        }
        ++row;
    }
    return cells;
}

std::string RowText(const Board& cells, int row) {
    std::string text;
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        const TileCode code = cells[CellIndex(col, row)];
        if (code == EMPTY_CELL) {
            break;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(code);
    }
    return text;
}

void SetUpState(GameState& state, const Board& cells) {
    std::memset(&state, 0, sizeof state);
    state.cells = cells;
    state.tilesLeft = CountTiles(cells);
    state.difficulty = CMD_NORMAL;
    state.sound = CMD_SOUND_OFF;
    state.layout = CMD_MINI;
}

int CountTiles(const Board& cells) {
    int count = 0;
    for (TileCode code : cells) {
        count += code != EMPTY_CELL;
    }
    return count;
}
