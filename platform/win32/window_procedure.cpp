// Every message the game handles, routed to the handler that does the work.
// Nothing is decided here: the core's handlers hold all of the game.
#include "platform/win32/window_procedure.h"

#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/window.h"
#include "platform/win32/window_handle.h"

#include <windowsx.h>

namespace {

// Window pixels to game pixels, rounding toward minus infinity so that a
// position left of or above the client area stays negative.
int ToGamePixels(int windowPixels) {
    const int s = DisplayScale();
    return windowPixels >= 0 ? windowPixels / s : -((-windowPixels + s - 1) / s);
}

LRESULT HandleCreate(HWND hwnd) {
    // The scale first: the core places the window in game pixels.
    SetDisplayScale(ScaleForDpi(WindowDpi(hwnd)));
    TestReport("scale %d", DisplayScale());
    return OnCreate(ToWindowHandle(hwnd)) ? 0 : -1;
}

LRESULT HandlePaint(HWND hwnd) {
    const int presentedBefore = FramesPresented();
    OnPaint(ToWindowHandle(hwnd));
    // The core's present goes through BeginPaint and EndPaint, which
    // validate only what they paint. A paint that presented nothing does so
    // here, or it would be asked for again and again.
    if (FramesPresented() == presentedBefore) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
    }
    return 0;
}

// The session ends (log-off, shutdown, restart): the system ends the
// process as soon as this returns, without the destroy path and the end of
// the message loop, and perhaps while a box's or the name dialog's loop
// waits inside a handler. So the program ends here as after the loop.
LRESULT HandleEndSession(WPARAM wParam) {
    if (wParam) {
        TestReport("session ends");
        ExitOnce();
    }
    return 0;
}

LRESULT HandleLeftButtonDown(HWND hwnd, LPARAM lParam) {
    // Signed 16-bit values: a position left of or above the client area is
    // negative.
    const int x = ToGamePixels(GET_X_LPARAM(lParam));
    const int y = ToGamePixels(GET_Y_LPARAM(lParam));
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
    case WM_DPICHANGED:
        // The system suggests the outer rectangle for the new scale.
        ApplyDpiChange(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ENDSESSION:
        return HandleEndSession(wParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void ExitOnce() {
    static bool exited = false;
    if (!exited) {
        exited = true;
        OnExit();
    }
}
