#include "app/end_of_game.h"

#include "app/program_state.h"
#include "model/move_search.h"
#include "platform/desktop.h"
#include "resources/texts.h"

namespace {

constexpr uint32_t CLOCK_LIMIT = 9999;
constexpr int JINGLE_DELAY_MS = 500;

// Plays a jingle once, after half a second, when sound is on.
void PlayJingle(const GameState& state, ResourceData wave) {
    if (wave.IsEmpty() || state.sound != CMD_SOUND_ON) {
        return;
    }
    DesktopWait(JINGLE_DELAY_MS);
    DesktopPlayOnce(wave);
}

} // namespace

void OnTick(GameState& state, WindowHandle window) {
    if (state.elapsedSeconds >= CLOCK_LIMIT) {
        return;
    }
    ++state.elapsedSeconds;
    DesktopRequestRepaint(window, false);
}

void CheckEndOfGame(GameState& state, WindowHandle window) {
    if (state.tilesLeft == 0) {
        state.historyCount = 0;
        DesktopStopClock(window);
        DesktopStopSound();
        if (clearJinglePlayed) {
            return;
        }
        // Set first: a desktop that paints while the jingle plays must not
        // start it again from those paints.
        clearJinglePlayed = 1;
        PlayJingle(state, state.waveClear);
        return;
    }

    if (state.gameOver) {
        return;
    }
    clearJinglePlayed = 0;
    if (HasLegalPair(state)) {
        return;
    }
    // Lost. The flag is set before the box opens, so the paints of its
    // message loop return above and the box never opens twice.
    state.historyCount = 0;
    DesktopStopClock(window);
    state.gameOver = 1;
    DesktopStopSound();
    PlayJingle(state, state.waveGameOver);
    DesktopMessageBox(window, TEXT_GAME_OVER, TEXT_WINDOW_TITLE, MESSAGE_OK);
}
