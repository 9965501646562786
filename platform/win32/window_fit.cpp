#include "platform/win32/window_fit.h"

WindowRect GrowToHoldClient(WindowRect window, int clientWidth, int clientHeight,
                            int minClientWidth, int minClientHeight) {
    if (clientWidth < minClientWidth) {
        const int growth = minClientWidth - clientWidth;
        window.x -= growth / 2;
        window.width += growth;
    }
    if (clientHeight < minClientHeight) {
        const int growth = minClientHeight - clientHeight;
        window.y -= growth / 2;
        window.height += growth;
    }
    return window;
}
