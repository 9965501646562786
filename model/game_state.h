// The one record of game state and the types every subsystem shares: the
// board of tile codes, the option ids, and the handle types that reach the
// desktop. Nothing here includes a toolkit header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// ---- Board ---------------------------------------------------------------

constexpr int BOARD_COLUMNS = 18;
constexpr int BOARD_ROWS = 8;
constexpr int BOARD_CELLS = BOARD_COLUMNS * BOARD_ROWS;

// A cell value: 0..35 a face, face + HIGHLIGHT_OFFSET the same face shown
// highlighted, EMPTY_CELL no tile.
using TileCode = int32_t;
constexpr TileCode FACE_COUNT = 36;
constexpr TileCode HIGHLIGHT_OFFSET = 36;
constexpr TileCode EMPTY_CELL = 72;

// 144 cells stored column by column: column c, row r is at index c*8 + r.
using Board = std::array<TileCode, BOARD_CELLS>;

constexpr int CellIndex(int col, int row) { return col * BOARD_ROWS + row; }

// A board cell named by column 0..17 and row 0..7.
struct Cell {
    int32_t col;
    int32_t row;
};

constexpr int HISTORY_DEPTH = 72;

// ---- Option ids ------------------------------------------------------------
// Each option is held as the menu command id that selects it; the score file
// stores the same numbers.

using OptionId = int32_t;
constexpr OptionId CMD_EASY = 32777;
constexpr OptionId CMD_NORMAL = 32778;
constexpr OptionId CMD_SOUND_ON = 32779;
constexpr OptionId CMD_SOUND_OFF = 32780;
constexpr OptionId CMD_MINI = 32781;
constexpr OptionId CMD_LARGE = 32782;

// The layout in force: CMD_MINI selects the mini layout, any other value the
// large one.
using Layout = OptionId;

// ---- Desktop handles -----------------------------------------------------

// The main window as the desktop knows it. Each front end decides what the
// pointer really points at; the core only passes it back.
struct DesktopWindow;
using WindowHandle = DesktopWindow*;

// Bytes of a loaded resource (a wave image, a bitmap). Empty when the
// resource is missing.
struct ResourceData {
    const unsigned char* bytes;
    size_t size;

    bool IsEmpty() const { return bytes == nullptr || size == 0; }
};

// ---- GameState -----------------------------------------------------------

struct GameState {
    Board cells;
    std::array<Board, HISTORY_DEPTH> history; // undo snapshots, oldest first
    int32_t historyCount;
    uint8_t selectionActive;
    int32_t selCol;
    int32_t selRow;
    int32_t tilesLeft;
    uint8_t gameOver;
    uint8_t hintShown;
    int32_t hintCol1;
    int32_t hintRow1;
    int32_t hintCol2;
    int32_t hintRow2;
    uint32_t elapsedSeconds;
    uint8_t clockStarted;
    OptionId difficulty;
    OptionId sound;
    OptionId layout;
    ResourceData waveLoop;
    ResourceData waveGameOver;
    ResourceData waveClear;
};
