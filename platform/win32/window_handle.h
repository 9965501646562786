// The core's WindowHandle is the main window's HWND: the core only passes it
// back, so the Windows desktop converts in both directions without a table.
#pragma once

#include "model/game_state.h"

#include <windows.h>

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

inline WindowHandle ToWindowHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}
