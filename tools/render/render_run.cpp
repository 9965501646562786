// One headless run: a deal from a given seed, the moves through the game's
// own operations, one composed frame.
#include "tools/render/render_run.h"

#include "model/deal.h"
#include "tools/common/move_script.h"
#include "tools/render/png_writer.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <cstdlib>

void PlayOut(GameState& state, const RenderArgs& args) {
    state.layout = args.layout;
    state.difficulty = args.difficulty;
    state.sound = CMD_SOUND_OFF;
    DealBoard(state, args.seed);
    PlayMoveScript(state, args.moves != nullptr ? args.moves : "");
    state.elapsedSeconds = args.seconds;
}

void PrintBoard(std::FILE* out, const GameState& state) {
    for (int row = 0; row < BOARD_ROWS; ++row) {
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            std::fprintf(out, col == 0 ? "%d" : " %d", state.cells[CellIndex(col, row)]);
        }
        std::fputc('\n', out);
    }
    std::fprintf(out, "tilesLeft %d\n", state.tilesLeft);
}

int RunRender(const RenderArgs& args) {
    // Zeroed like the game's own record.
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    if (state == nullptr) {
        std::fputs("tovrin-mini-render: out of memory\n", stderr);
        return 1;
    }
    PlayOut(*state, args);
    if (args.printBoard) {
        PrintBoard(stdout, *state);
    }
    int status = 0;
    if (args.outPath != nullptr) {
        Surface frame;
        if (!CreateSurface(&frame, args.width, args.height)) {
            std::fputs("tovrin-mini-render: out of memory\n", stderr);
            status = 1;
        } else {
            LoadSpriteSheets();
            ComposeFrame(*state, frame, args.width, args.height, Point{0, 0});
            if (!WritePng(args.outPath, frame)) {
                std::fprintf(stderr, "tovrin-mini-render: cannot write %s\n", args.outPath);
                status = 1;
            }
            ReleaseSpriteSheets();
            DestroySurface(&frame);
        }
    }
    std::free(state);
    return status;
}
