// The main window as the core sees it: repaint requests, sizes, placement,
// the one-copy present of the composed frame, menu check marks and the end
// of the message loop.
#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/window_fit.h"
#include "platform/win32/window_handle.h"

#include <algorithm>

namespace {

// Where the window and its client area are, for the end-to-end tests: they
// click and take screenshots at client positions.
void ReportGeometry(HWND hwnd) {
    RECT outer;
    RECT client;
    POINT origin = {0, 0};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    ClientToScreen(hwnd, &origin);
    TestReport("window %ld %ld %ld %ld", outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top);
    TestReport("client %ld %ld", client.right, client.bottom);
    TestReport("offset %ld %ld", origin.x, origin.y);
}

void MoveTo(HWND hwnd, const WindowRect& rect) {
    MoveWindow(hwnd, rect.x, rect.y, rect.width, rect.height, TRUE);
}

void FillBeyondFrame(HWND hwnd, HDC dc, int copiedWidth, int copiedHeight, int width, int height) {
    const auto background = reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND));
    if (width > copiedWidth) {
        const RECT right = {copiedWidth, 0, width, height};
        FillRect(dc, &right, background);
    }
    if (height > copiedHeight) {
        const RECT below = {0, copiedHeight, copiedWidth, height};
        FillRect(dc, &below, background);
    }
}

} // namespace

// ---- Window ----------------------------------------------------------------

void DesktopRequestRepaint(WindowHandle window, bool erase) {
    InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
}

void DesktopClientSize(WindowHandle window, int* width, int* height) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(ToHwnd(window), &client);
    *width = client.right;
    *height = client.bottom;
}

void DesktopScreenSize(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
}

void DesktopPlaceWindow(WindowHandle window, const WindowPlacement& placement) {
    HWND hwnd = ToHwnd(window);
    WindowRect rect = {placement.x, placement.y, placement.width, placement.height};
    MoveTo(hwnd, rect);
    // A second pass covers a menu bar that wraps onto another line at the
    // first width and not at the grown one, or the other way round.
    for (int pass = 0; pass < 2; ++pass) {
        int clientWidth = 0;
        int clientHeight = 0;
        DesktopClientSize(window, &clientWidth, &clientHeight);
        const WindowRect grown = GrowToHoldClient(
            rect, clientWidth, clientHeight, placement.minClientWidth, placement.minClientHeight);
        if (grown.width == rect.width && grown.height == rect.height) {
            break;
        }
        rect = grown;
        MoveTo(hwnd, rect);
    }
    ReportGeometry(hwnd);
}

// The core presents only from inside OnPaint, so the copy goes through
// BeginPaint, which also validates the area being painted.
void DesktopPresentFrame(WindowHandle window, const Surface& frame, int width, int height) {
    static int framesShown = 0;
    HWND hwnd = ToHwnd(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    const int copiedWidth = IsEmptySurface(frame) ? 0 : std::min(width, frame.width);
    const int copiedHeight = IsEmptySurface(frame) ? 0 : std::min(height, frame.height);
    if (copiedWidth > 0 && copiedHeight > 0) {
        // The frame's rows lie top-down one after the other, so its first
        // copiedHeight rows form a whole top-down DIB of the frame's width.
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = frame.width;
        info.bmiHeader.biHeight = -copiedHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(copiedWidth),
                          static_cast<DWORD>(copiedHeight), 0, 0, 0,
                          static_cast<UINT>(copiedHeight), frame.pixels, &info, DIB_RGB_COLORS);
    }
    FillBeyondFrame(hwnd, dc, std::max(copiedWidth, 0), std::max(copiedHeight, 0), width, height);
    EndPaint(hwnd, &paint);
    TestReport("frame %d %dx%d", ++framesShown, width, height);
}

void DesktopPostQuit(int exitCode) {
    PostQuitMessage(exitCode);
}

// ---- Menu ------------------------------------------------------------------

void DesktopSetMenuCheck(WindowHandle window, int commandId, bool checked) {
    CheckMenuItem(GetMenu(ToHwnd(window)), static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
