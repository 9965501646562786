#include "app/commands.h"

#include "app/new_game.h"
#include "app/options.h"
#include "app/program_state.h"
#include "model/move_search.h"
#include "model/undo_history.h"
#include "platform/desktop.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "store/high_scores.h"

namespace {

bool Confirm(WindowHandle window, const char* question, const char* caption) {
    return DesktopMessageBox(window, question, caption, MESSAGE_YES_NO) == ANSWER_YES;
}

void NewGameCommand(GameState& state, WindowHandle window) {
    // The window, and the game record with it, may have been destroyed while
    // the question waited: a session that ends under the box.
    if (!Confirm(window, TEXT_NEW_GAME_QUESTION, TEXT_NEW_GAME_CAPTION) || gameRecord == nullptr) {
        return;
    }
    RebuildBackBuffer(state, window);
    DesktopRequestRepaint(window, true);
}

void QuitCommand(WindowHandle window) {
    if (!Confirm(window, TEXT_QUIT_QUESTION, TEXT_QUIT_CAPTION)) {
        return;
    }
    // The window stays; the options are saved after the loop has ended.
    DesktopStopClock(window);
    DesktopPostQuit(0);
}

} // namespace

void DispatchCommand(GameState& state, WindowHandle window, int commandId) {
    switch (commandId) {
    case CMD_NEW_GAME:
        NewGameCommand(state, window);
        break;
    case CMD_UNDO:
        UndoMove(state, window);
        break;
    case CMD_HINT:
        ShowHint(state, window);
        break;
    case CMD_HIGH_SCORE:
        ShowHighScores(window);
        break;
    case CMD_QUIT:
        QuitCommand(window);
        break;
    case CMD_EASY:
    case CMD_NORMAL:
        ChangeDifficulty(state, window, commandId);
        break;
    case CMD_SOUND_ON:
    case CMD_SOUND_OFF:
        ChangeSound(state, window, commandId);
        break;
    case CMD_MINI:
    case CMD_LARGE:
        ChangeLayout(state, window, commandId);
        break;
    case CMD_VERSION:
        DesktopMessageBox(window, TEXT_VERSION, TEXT_VERSION_CAPTION, MESSAGE_OK);
        break;
    default:
        break; // the accelerators' command 104, and anything unknown
    }
}
