// Every message the game handles, routed to the handler that does the work.
// Nothing is decided here: the core's handlers hold all of the game.
#include "platform/win32/window_procedure.h"

#include "app/main_window.h"
#include "platform/test_report.h"
#include "platform/win32/window_handle.h"

#include <windowsx.h>

namespace {

LRESULT HandleCreate(HWND hwnd) {
    return OnCreate(ToWindowHandle(hwnd)) ? 0 : -1;
}

LRESULT HandlePaint(HWND hwnd) {
    OnPaint(ToWindowHandle(hwnd));
    // The core's present validates what it paints; a paint that presented
    // nothing must not be asked for again and again.
    ValidateRect(hwnd, nullptr);
    return 0;
}

LRESULT HandleLeftButtonDown(HWND hwnd, LPARAM lParam) {
    // Signed 16-bit values: a position left of or above the client area is
    // negative.
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    // By now the click has made the window active, so keys reach it: the
    // tests wait for this line before they type.
    TestReport("click %d %d", x, y);
    OnLeftButtonDown(ToWindowHandle(hwnd), x, y);
    return 0;
}

} // namespace

LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return HandleCreate(hwnd);
    case WM_DESTROY:
        OnDestroy(ToWindowHandle(hwnd));
        return 0;
    case WM_PAINT:
        return HandlePaint(hwnd);
    case WM_COMMAND:
        OnCommand(ToWindowHandle(hwnd), LOWORD(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(ToWindowHandle(hwnd));
        return 0;
    case WM_LBUTTONDOWN:
        return HandleLeftButtonDown(hwnd, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
