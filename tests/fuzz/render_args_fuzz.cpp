// The command lines of the render tool and, when the first argument is
// "solve", of the solve tool, one argument per line of the input. What the
// render tool accepts is played on the deal and drawn into a frame of the
// size given; the solve tool's position is searched with a small budget, and
// a clearing sequence it reports must clear the board.
#include "model/deal.h"
#include "model/selection.h"
#include "model/solver.h"
#include "tests/board_invariants.h"
#include "tests/fuzz/fuzz_check.h"
#include "tools/common/move_script.h"
#include "tools/render/render_args.h"
#include "tools/render/render_run.h"
#include "tools/solve/solve_args.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <string>
#include <vector>

static void Solve(const SolveArgs& args) {
    static GameState state;
    static Solver solver;
    static const bool made = CreateSolver(&solver, 1 << 12);
    state = GameState{};
    state.difficulty = args.difficulty;
    DealBoard(state, args.firstSeed);
    PlayMoveScript(state, args.moves);
    Require(made && BoardInvariantFault(state) == nullptr);
    static SolveResult result;
    SolveBoard(solver, state.cells, SolveBudget{0, 3000}, &result);
    if (state.selectionActive) { // a picked tile is dropped before the pairs
        ClickCell(state, nullptr, Cell{state.selCol, state.selRow});
    }
    for (int i = 0; i < result.clickCount; ++i) {
        ClickCell(state, nullptr, result.clicks[i]);
    }
    Require(result.verdict != VERDICT_CLEARABLE || state.tilesLeft == 0);
}

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
    SolveArgs solve;
    if (words[1] == "solve") {
        const int argc = static_cast<int>(argv.size()) - 1;
        ParseSolveArgs(argc, argv.data() + 1, &solve) && !solve.range ? Solve(solve) : void();
        return 0;
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
