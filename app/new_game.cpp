#include "app/new_game.h"

#include "app/program_state.h"
#include "model/deal.h"
#include "platform/desktop.h"
#include "store/high_scores.h"

#include <algorithm>

void StartNewGame(GameState& state) {
    DealNewGame(state);
    scoreCheckArmed = 1;
}

bool MakeBackBuffer(const GameState& state, WindowHandle window) {
    int width = 0;
    int height = 0;
    DesktopClientSize(window, &width, &height);
    // A desktop may still be settling a new window size; the buffer always
    // holds the whole drawing of the layout.
    const LayoutGeometry& geometry = GeometryFor(state.layout);
    width = std::max(width, geometry.drawingLimits.width);
    height = std::max(height, geometry.drawingLimits.height);

    DestroySurface(&backBuffer);
    return CreateSurface(&backBuffer, width, height);
}

void RebuildBackBuffer(GameState& state, WindowHandle window) {
    MakeBackBuffer(state, window);
    StartNewGame(state);
    firstGameDealt = true;
}
