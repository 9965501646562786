// The command line of the headless render tool.
#pragma once

#include "model/game_state.h"

#include <cstdint>

constexpr const char* RENDER_USAGE =
    "usage: tovrin-mini-render --layout mini|large --difficulty easy|normal --seed N "
    "[--moves \"C,R H U ...\"] [--time S] [--size WxH] [--print-board] [--out FILE.png]";

// The largest frame the tool makes: each side at most 8192 pixels, and at
// most 4096 x 4096 pixels (64 MiB) in all.
constexpr int MAX_FRAME_SIDE = 8192;
constexpr int64_t MAX_FRAME_PIXELS = int64_t{4096} * 4096;
constexpr uint32_t MAX_SECONDS = 9999;

struct RenderArgs {
    Layout layout;
    OptionId difficulty;
    uint32_t seed;
    const char* moves; // already checked; null when none were given
    uint32_t seconds;
    int width; // the layout's drawing size unless --size was given
    int height;
    bool printBoard;
    const char* outPath; // null: no PNG
};

// Reads the arguments (argv[1..argc-1]). False for an unknown option, a
// missing or malformed value, or a missing --layout, --difficulty or --seed.
bool ParseRenderArgs(int argc, const char* const* argv, RenderArgs* args);

// One move of --moves: a click on a cell, a hint or an undo.
enum RenderMoveKind { MOVE_CLICK, MOVE_HINT, MOVE_UNDO };

struct RenderMove {
    RenderMoveKind kind;
    Cell cell; // for MOVE_CLICK
};

enum MoveScan { MOVE_READ, MOVES_END, MOVE_INVALID };

// Reads the next space-separated move at *cursor and advances past it.
// MOVES_END after the last one; MOVE_INVALID for anything other than
// "C,R" (column 0..17, row 0..7), "H" or "U".
MoveScan NextMove(const char** cursor, RenderMove* move);
