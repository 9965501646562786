#include "platform/win32/window_fit.h"

WindowRect FitToClient(WindowRect window, int clientWidth, int clientHeight, int wantedWidth,
                       int wantedHeight) {
    const int growX = wantedWidth - clientWidth;
    const int growY = wantedHeight - clientHeight;
    window.x -= growX / 2;
    window.y -= growY / 2;
    window.width += growX;
    window.height += growY;
    return window;
}
