#include "app/render_frame.h"

#include "app/end_of_game.h"
#include "app/new_game.h"
#include "app/program_state.h"
#include "platform/desktop.h"
#include "view/frame.h"

void RenderFrame(GameState& state, WindowHandle window) {
    int frameWidth = 0;
    int frameHeight = 0;
    DesktopClientSize(window, &frameWidth, &frameHeight);

    if (!firstGameDealt) {
        RebuildBackBuffer(state, window);
    } else if (IsEmptySurface(backBuffer)) {
        MakeBackBuffer(state, window);
    }

    if (!state.clockStarted) {
        state.clockStarted = 1;
        DesktopStartClock(window);
    }

    if (!IsEmptySurface(backBuffer)) {
        ComposeFrame(state, backBuffer, frameWidth, frameHeight, clientOrigin);
        DesktopPresentFrame(window, backBuffer, frameWidth, frameHeight);
    }

    // The frame showing the latest board is in the window before the test
    // can open a box or play a jingle.
    CheckEndOfGame(state, window);
}
