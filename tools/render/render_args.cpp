// Argument parsing for the render tool: strict decimal numbers, known
// option names only, every value checked before anything runs.
#include "tools/render/render_args.h"

#include "tools/common/command_line.h"
#include "tools/common/move_script.h"
#include "view/layout.h"

#include <cstring>

namespace {

bool ParseSize(const char* text, int* width, int* height) {
    uint64_t w = 0;
    uint64_t h = 0;
    if (!ReadNumber(&text, MAX_FRAME_SIDE, &w) || *text != 'x') {
        return false;
    }
    ++text;
    if (!ReadNumber(&text, MAX_FRAME_SIDE, &h) || *text != '\0' || w == 0 || h == 0 ||
        static_cast<int64_t>(w) * h > MAX_FRAME_PIXELS) {
        return false;
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool ParseChoice(const char* text, const char* first, const char* second, OptionId firstId,
                 OptionId secondId, OptionId* id) {
    if (std::strcmp(text, first) == 0) {
        *id = firstId;
    } else if (std::strcmp(text, second) == 0) {
        *id = secondId;
    } else {
        return false;
    }
    return true;
}

// Which options have been given, for the required ones and the defaults.
struct SeenOptions {
    bool layout;
    bool difficulty;
    bool seed;
    bool size;
};

// Reads one option and its value, if it takes one; *index moves past both.
bool ParseOption(int argc, const char* const* argv, int* index, RenderArgs* args,
                 SeenOptions* seen) {
    const char* name = argv[*index];
    if (std::strcmp(name, "--print-board") == 0) {
        args->printBoard = true;
        return true;
    }
    if (*index + 1 >= argc) {
        return false;
    }
    const char* value = argv[++*index];
    if (std::strcmp(name, "--layout") == 0) {
        seen->layout = true;
        return ParseChoice(value, "mini", "large", CMD_MINI, CMD_LARGE, &args->layout);
    }
    if (std::strcmp(name, "--difficulty") == 0) {
        seen->difficulty = true;
        return ParseDifficulty(value, &args->difficulty);
    }
    if (std::strcmp(name, "--seed") == 0) {
        seen->seed = true;
        return ParseNumber(value, UINT32_MAX, &args->seed);
    }
    if (std::strcmp(name, "--moves") == 0) {
        args->moves = value;
        return IsValidMoveScript(value);
    }
    if (std::strcmp(name, "--time") == 0) {
        return ParseNumber(value, MAX_SECONDS, &args->seconds);
    }
    if (std::strcmp(name, "--size") == 0) {
        seen->size = true;
        return ParseSize(value, &args->width, &args->height);
    }
    if (std::strcmp(name, "--out") == 0) {
        args->outPath = value;
        return value[0] != '\0';
    }
    return false;
}

} // namespace

bool ParseRenderArgs(int argc, const char* const* argv, RenderArgs* args) {
    *args = RenderArgs{CMD_MINI, CMD_EASY, 0, nullptr, 0, 0, 0, false, nullptr};
    SeenOptions seen = {false, false, false, false};
    for (int i = 1; i < argc; ++i) {
        if (!ParseOption(argc, argv, &i, args, &seen)) {
            return false;
        }
    }
    if (!seen.layout || !seen.difficulty || !seen.seed) {
        return false;
    }
    if (!seen.size) {
        const Size limits = GeometryFor(args->layout).drawingLimits;
        args->width = limits.width;
        args->height = limits.height;
    }
    return true;
}
