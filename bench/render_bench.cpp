// Speed of frame composition against the cheapest possible frame: a plain
// memcpy of the same number of bytes. Both run in the same binary so their
// ratio can be read off one report; composing should cost at most four
// copies.
//
// The frame is the large layout's full client area (648 x 504) with a full
// Normal board, drawn from the committed sheets.
#include "model/deal.h"
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "view/bmp_reader.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int FRAME_WIDTH = 648;
constexpr int FRAME_HEIGHT = 504;

bool LoadLargeSheets() {
    ReleaseSpriteSheets();
    return DecodeBmp4(FindEmbeddedResource(IDB_PANEL_LARGE), 380, 99, &panelSheetLarge) == BMP_OK &&
           DecodeBmp4(FindEmbeddedResource(IDB_TILES_LARGE), 360, 450, &tileSheetLarge) == BMP_OK;
}

void BM_ComposeLargeFrame(benchmark::State& bench) {
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    Surface frame;
    if (state == nullptr || !CreateSurface(&frame, FRAME_WIDTH, FRAME_HEIGHT) ||
        !LoadLargeSheets()) {
        bench.SkipWithError("no memory or no committed sheets");
        std::free(state);
        return;
    }
    state->layout = CMD_LARGE;
    state->difficulty = CMD_NORMAL;
    DealBoard(*state, 1);
    state->elapsedSeconds = 1234;
    for (auto _ : bench) {
        ComposeFrame(*state, frame, FRAME_WIDTH, FRAME_HEIGHT, Point{0, 0});
        benchmark::DoNotOptimize(frame.pixels);
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(bench.iterations() * FRAME_WIDTH * FRAME_HEIGHT * 4);
    ReleaseSpriteSheets();
    DestroySurface(&frame);
    std::free(state);
}
BENCHMARK(BM_ComposeLargeFrame);

void BM_MemcpyLargeFrame(benchmark::State& bench) {
    Surface from;
    Surface to;
    if (!CreateSurface(&from, FRAME_WIDTH, FRAME_HEIGHT) ||
        !CreateSurface(&to, FRAME_WIDTH, FRAME_HEIGHT)) {
        bench.SkipWithError("no memory");
        DestroySurface(&from);
        return;
    }
    const size_t bytes = static_cast<size_t>(FRAME_WIDTH) * FRAME_HEIGHT * sizeof(uint32_t);
    for (auto _ : bench) {
        std::memcpy(to.pixels, from.pixels, bytes);
        benchmark::DoNotOptimize(to.pixels);
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<int64_t>(bytes));
    DestroySurface(&from);
    DestroySurface(&to);
}
BENCHMARK(BM_MemcpyLargeFrame);

} // namespace

BENCHMARK_MAIN();
