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
