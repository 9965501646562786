// The render tool's command line, one argument per line of the input: what
// it accepts is played on the deal and drawn into a frame of the size given.
#include "tests/board_invariants.h"
#include "tests/fuzz/fuzz_check.h"
#include "tools/render/render_args.h"
#include "tools/render/render_run.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words(2);
    for (size_t i = 0; i < size && words.size() < 24; ++i) {
        data[i] == '\n' ? (void)words.emplace_back()
                        : words.back().push_back(static_cast<char>(data[i]));
    }
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    RenderArgs args;
    if (!ParseRenderArgs(static_cast<int>(argv.size()), argv.data(), &args)) {
        return 0;
    }
    Require(args.width > 0 && args.height > 0 && args.seconds <= MAX_SECONDS &&
            int64_t{args.width} * args.height <= MAX_FRAME_PIXELS);
    static GameState state;
    state = GameState{};
    PlayOut(state, args);
    Require(BoardInvariantFault(state) == nullptr);
    static const bool loaded = (LoadSpriteSheets(), true);
    Surface frame;
    Require(loaded && CreateSurface(&frame, args.width, args.height));
    ComposeFrame(state, frame, args.width, args.height, Point{0, 0});
    DestroySurface(&frame);
    return 0;
}
