// The main window's handlers: what each message does, in one place.
#include "app/main_window.h"

#include "app/commands.h"
#include "app/end_of_game.h"
#include "app/options.h"
#include "app/program_state.h"
#include "app/render_frame.h"
#include "model/selection.h"
#include "platform/desktop.h"
#include "resources/resource_ids.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "view/layout.h"
#include "view/sprite_sheets.h"

#include <cstring>
#include <new>

bool OnCreate(WindowHandle window) {
    LoadOptions();
    std::memset(playerName, 0, sizeof playerName);
    PlaceWindowFor(window, savedLayout);

    // Zeroed; the first paint deals the board.
    auto* state = new (std::nothrow) GameState{};
    if (!state) {
        return false;
    }
    gameRecord = state;
    LoadSpriteSheets();
    state->waveLoop = DesktopLoadResource(IDW_LOOP);
    state->waveGameOver = DesktopLoadResource(IDW_GAME_OVER);
    state->waveClear = DesktopLoadResource(IDW_CLEAR);
    ApplyDifficulty(*state, window, savedDifficulty);
    ApplySound(*state, window, savedSound);
    ApplyLayout(*state, window, savedLayout);
    return true;
}

void OnPaint(WindowHandle window) {
    if (!gameRecord) {
        return;
    }
    RenderFrame(*gameRecord, window);
    // A box opened by the paint may have let the window be destroyed.
    if (gameRecord) {
        RunScoreTrigger(window, *gameRecord);
    }
}

void OnLeftButtonDown(WindowHandle window, int x, int y) {
    if (!gameRecord) {
        return;
    }
    const auto cell = HitTestCell(gameRecord->layout, x - clientOrigin.x, y - clientOrigin.y);
    ClickCell(*gameRecord, window, cell);
}

void OnTimer(WindowHandle window) {
    if (gameRecord) {
        OnTick(*gameRecord, window);
    }
}

void OnCommand(WindowHandle window, int commandId) {
    if (gameRecord) {
        DispatchCommand(*gameRecord, window, commandId);
    }
}

void OnDestroy(WindowHandle window) {
    DesktopStopClock(window);
    if (gameRecord) {
        ReleaseSpriteSheets();
        DestroySurface(&backBuffer);
        delete gameRecord;
        gameRecord = nullptr;
        firstGameDealt = false;
    }
    DesktopPostQuit(0);
}

void OnExit() {
    DesktopStopSound();
    SaveOptions();
}
