// The deal: a fixed fill of the board for the difficulty in force, shuffled
// by swaps drawn from DealRandom seeded with the current time.
#include "model/deal.h"

#include "platform/desktop.h"

namespace {

constexpr int BACKGROUND_LOOP_DELAY_MS = 500;
constexpr int EASY_COLUMNS = 9;

int FilledColumns(OptionId difficulty) {
    return difficulty == CMD_EASY ? EASY_COLUMNS : BOARD_COLUMNS;
}

// Stops any sound and, with sound on and a loop present, waits half a second
// and starts the background loop.
void StartBackgroundLoop(GameState& state) {
    DesktopStopSound();
    if (state.waveLoop.IsEmpty() || state.sound != CMD_SOUND_ON) {
        return;
    }
    DesktopWait(BACKGROUND_LOOP_DELAY_MS);
    DesktopPlayLoop(state.waveLoop);
}

} // namespace

// ---- DealRandom ------------------------------------------------------------

void SeedDealRandom(DealRandom& random, uint32_t seed) { random.state = seed; }

int NextDealRandom(DealRandom& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7FFF);
}

// ---- Dealing ---------------------------------------------------------------

void DealBoard(GameState& state, uint32_t seed) {
    state.cells.fill(EMPTY_CELL);

    // Column j holds face 2j in rows 0..3 and face 2j+1 in rows 4..7.
    const int columns = FilledColumns(state.difficulty);
    for (int col = 0; col < columns; ++col) {
        for (int row = 0; row < BOARD_ROWS; ++row) {
            state.cells[CellIndex(col, row)] = 2 * col + (row < 4 ? 0 : 1);
        }
    }

    // Each cell in turn swaps with a cell drawn from the filled columns; the
    // column is drawn before the row.
    DealRandom random;
    SeedDealRandom(random, seed);
    const int filledCells = columns * BOARD_ROWS;
    for (int i = 0; i < filledCells; ++i) {
        const int col = NextDealRandom(random) % columns;
        const int row = NextDealRandom(random) % BOARD_ROWS;
        const int other = CellIndex(col, row);
        const TileCode kept = state.cells[i];
        state.cells[i] = state.cells[other];
        state.cells[other] = kept;
    }

    state.tilesLeft = filledCells;
    state.selectionActive = 0;
    state.gameOver = 0;
    state.hintShown = 0;
    state.clockStarted = 0;
    state.historyCount = 0;
    state.elapsedSeconds = 0;
}

void DealNewGame(GameState& state) {
    StartBackgroundLoop(state);
    DealBoard(state, static_cast<uint32_t>(DesktopCurrentTime()));
}
