// The main window as the core sees it: repaint requests, sizes, placement,
// the one-copy present of the composed frame, menu check marks and the end
// of the message loop. The core works in game pixels; here they become the
// window's by the display scale.
#include "platform/win32/window.h"

#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/window_fit.h"
#include "platform/win32/window_handle.h"

#include <algorithm>

namespace {

int displayScale = 1;
int framesShown = 0;

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

// ---- Display scale -----------------------------------------------------------

int ScaleForDpi(UINT dpi) {
    return std::max(1, static_cast<int>(dpi / USER_DEFAULT_SCREEN_DPI));
}

UINT WindowDpi(HWND hwnd) {
    // Windows 10 1607 and later know each monitor's DPI; earlier systems
    // lack the call, and the program must still start there.
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowCall>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        return getDpiForWindow(hwnd);
    }
    HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(hwnd, dc);
    return static_cast<UINT>(dpi);
}

int DisplayScale() {
    return displayScale;
}

void SetDisplayScale(int scale) {
    displayScale = scale;
}

int FramesPresented() {
    return framesShown;
}

// ---- Window ----------------------------------------------------------------

void DesktopRequestRepaint(WindowHandle window, bool erase) {
    InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
}

void DesktopClientSize(WindowHandle window, int* width, int* height) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(ToHwnd(window), &client);
    *width = client.right / displayScale;
    *height = client.bottom / displayScale;
}

void DesktopScreenSize(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXSCREEN) / displayScale;
    *height = GetSystemMetrics(SM_CYSCREEN) / displayScale;
}

void ApplyDpiChange(HWND hwnd, UINT dpi, const RECT& suggested) {
    SetDisplayScale(ScaleForDpi(dpi));
    TestReport("scale %d", displayScale);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    DesktopRequestRepaint(ToWindowHandle(hwnd), true);
}

void DesktopPlaceWindow(WindowHandle window, const WindowPlacement& placement) {
    HWND hwnd = ToHwnd(window);
    const int s = displayScale;
    MoveTo(hwnd, {placement.x * s, placement.y * s, placement.width * s, placement.height * s});
    // A move that takes the window to a monitor of another scale brings
    // WM_DPICHANGED before MoveWindow returns, which changes the scale and
    // the window's size. So each pass fits the window as it is now to the
    // scale now in force. Further passes cover a menu bar that wraps onto
    // another line at one width and not at the other, and a fitting move
    // that itself crosses to another monitor.
    for (int pass = 0; pass < 3; ++pass) {
        const int scale = displayScale;
        RECT outer = {0, 0, 0, 0};
        RECT client = {0, 0, 0, 0};
        GetWindowRect(hwnd, &outer);
        GetClientRect(hwnd, &client);
        const WindowRect rect = {outer.left, outer.top, outer.right - outer.left,
                                 outer.bottom - outer.top};
        // At the classic scale the game's outer size is the least; enlarged,
        // the client area is exactly the drawing's, whatever the frame.
        int wantedWidth = placement.minClientWidth * scale;
        int wantedHeight = placement.minClientHeight * scale;
        if (scale == 1) {
            wantedWidth = std::max<int>(wantedWidth, client.right);
            wantedHeight = std::max<int>(wantedHeight, client.bottom);
        }
        const WindowRect fitted =
            FitToClient(rect, client.right, client.bottom, wantedWidth, wantedHeight);
        if (fitted.width == rect.width && fitted.height == rect.height) {
            break;
        }
        MoveTo(hwnd, fitted);
    }
    ReportGeometry(hwnd);
}

// The core presents only from inside OnPaint, so the copy goes through
// BeginPaint, which validates just the area invalid at that moment: a box
// that the same paint opens later leaves its own area to a paint to come.
void DesktopPresentFrame(WindowHandle window, const Surface& frame, int width, int height) {
    HWND hwnd = ToHwnd(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    const int s = displayScale;
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
        // Enlarged by a whole factor, each game pixel becomes an s x s block.
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, copiedWidth * s, copiedHeight * s, 0, 0, copiedWidth, copiedHeight,
                      frame.pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    // The client's last few window pixels that make no whole game pixel
    // are background too.
    FillBeyondFrame(hwnd, dc, std::max(copiedWidth, 0) * s, std::max(copiedHeight, 0) * s,
                    client.right, client.bottom);
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
