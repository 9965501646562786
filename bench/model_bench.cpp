// Speed of the game model, and proof that play allocates nothing.
//
// Allocation count: the counters new_calls and malloc_bytes_delta of each
// timed loop must be 0 (allocation_count.h).
#include "bench/allocation_count.h"
#include "model/game_state.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

// A full board of 144 tiles with no legal pair: row r holds the faces
// (c + offset[r]) mod 36, so rows hold 18 different faces, columns 8
// different faces (the offsets differ), diagonal neighbours differ (no two
// consecutive offsets differ by one), and offsets 18 apart give each face
// exactly four tiles.
void FillStuckBoard(GameState& state) {
    static const int OFFSETS[BOARD_ROWS] = {0, 18, 2, 20, 4, 22, 6, 24};
    for (int row = 0; row < BOARD_ROWS; ++row) {
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            state.cells[CellIndex(col, row)] = (col + OFFSETS[row]) % FACE_COUNT;
        }
    }
    state.tilesLeft = BOARD_CELLS;
    state.selectionActive = 0;
}

// A full board cleared by taking the two left-most tiles of the top row 72
// times: each row holds nine faces twice each, side by side.
void FillPairedBoard(GameState& state) {
    for (int row = 0; row < BOARD_ROWS; ++row) {
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            state.cells[CellIndex(col, row)] = 9 * (row % 4) + col / 2;
        }
    }
    state.tilesLeft = BOARD_CELLS;
    state.historyCount = 0;
    state.selectionActive = 0;
    state.hintShown = 0;
    state.gameOver = 0;
}

GameState* NewState() {
    auto* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    state->difficulty = CMD_NORMAL;
    state->sound = CMD_SOUND_OFF;
    state->layout = CMD_MINI;
    return state;
}

void BM_HasLegalPairStuckFullBoard(benchmark::State& bench) {
    GameState* state = NewState();
    FillStuckBoard(*state);
    if (HasLegalPair(*state)) {
        bench.SkipWithError("the stuck board has a legal pair");
    }
    const AllocationMark before = MarkAllocations();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(state->cells);
        benchmark::DoNotOptimize(HasLegalPair(*state));
    }
    ReportAllocations(bench, before);
    bench.counters["tiles"] = state->tilesLeft;
    std::free(state);
}
BENCHMARK(BM_HasLegalPairStuckFullBoard);

void BM_FullGameThenFullUndo(benchmark::State& bench) {
    GameState* state = NewState();
    const WindowHandle window = nullptr;
    const AllocationMark before = MarkAllocations();
    for (auto _ : bench) {
        FillPairedBoard(*state);
        for (int i = 0; i < BOARD_CELLS / 2; ++i) {
            ClickCell(*state, window, Cell{0, 0});
            ClickCell(*state, window, Cell{1, 0});
        }
        if (state->tilesLeft != 0) {
            bench.SkipWithError("the game was not cleared");
            break;
        }
        for (int i = 0; i < BOARD_CELLS / 2; ++i) {
            UndoMove(*state, window);
        }
        benchmark::DoNotOptimize(state->cells);
    }
    ReportAllocations(bench, before);
    std::free(state);
}
BENCHMARK(BM_FullGameThenFullUndo)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
