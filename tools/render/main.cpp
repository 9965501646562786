// tovrin-mini-render: deals a game from a seed, plays moves on it and
// composes one frame without any window, for screenshots and scripted
// checks. Exit code 2 for bad arguments.
#include "tools/common/command_line.h"
#include "tools/render/render_args.h"
#include "tools/render/render_run.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (AsksForVersion(argc, argv)) {
        PrintVersion(stdout, "tovrin-mini-render");
        return 0;
    }
    RenderArgs args;
    if (!ParseRenderArgs(argc, argv, &args)) {
        std::fprintf(stderr, "%s\n", RENDER_USAGE);
        return 2;
    }
    return RunRender(args);
}
