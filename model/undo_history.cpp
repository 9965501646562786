// Undo snapshots, oldest first; only the first historyCount are meaningful.
#include "model/undo_history.h"

#include "platform/desktop.h"

void PushHistory(GameState& state) {
    if (state.historyCount < HISTORY_DEPTH) {
        state.history[state.historyCount] = state.cells;
        ++state.historyCount;
        return;
    }
    for (int i = 0; i < HISTORY_DEPTH - 1; ++i) {
        state.history[i] = state.history[i + 1];
    }
    state.history[HISTORY_DEPTH - 1] = state.cells;
}

void UndoMove(GameState& state, WindowHandle window) {
    if (state.historyCount == 0) {
        return;
    }
    --state.historyCount;
    state.cells = state.history[state.historyCount];
    state.selectionActive = 0;
    state.hintShown = 0;
    state.tilesLeft += 2;
    DesktopRequestRepaint(window, true);
}
