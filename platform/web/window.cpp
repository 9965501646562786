// The window, the clock, the menu's marks and the resources, each handed to
// the page. The canvas is the client area; its size is the layout's drawing
// limits, and the page enlarges it on screen by whole device pixels.
#include "platform/desktop.h"
#include "platform/web/desktop_window.h"
#include "platform/web/page_calls.h"
#include "resources/embedded_resources.h"

// ---- Window ------------------------------------------------------------------

void DesktopRequestRepaint(WindowHandle, bool) {
    // Every present covers the whole canvas, so erasing needs nothing more.
    web_request_paint();
}

void DesktopClientSize(WindowHandle, int* width, int* height) {
    *width = web_canvas_width();
    *height = web_canvas_height();
}

void DesktopScreenSize(int* width, int* height) {
    *width = web_screen_width();
    *height = web_screen_height();
}

// A page cannot move its window: the canvas takes the smallest client area
// that holds the game, and the page centres it.
void DesktopPlaceWindow(WindowHandle window, const WindowPlacement& placement) {
    web_place_canvas(placement.minClientWidth, placement.minClientHeight);
    DesktopRequestRepaint(window, true);
}

void DesktopPresentFrame(WindowHandle, const Surface& frame, int width, int height) {
    if (IsEmptySurface(frame)) {
        return;
    }
    web_present(frame.pixels, frame.width, frame.height, width, height);
}

// ---- Clock -------------------------------------------------------------------

void DesktopStartClock(WindowHandle) {
    web_start_clock();
}

void DesktopStopClock(WindowHandle) {
    web_stop_clock();
}

// The page's Date.now(), so that a test's fixed clock reaches the deal.
int64_t DesktopCurrentTime() {
    return static_cast<int64_t>(web_now_seconds());
}

// ---- Menu --------------------------------------------------------------------

void DesktopSetMenuCheck(WindowHandle, int commandId, bool checked) {
    web_set_menu_check(commandId, checked);
}

// ---- Resources and the score file's place ------------------------------------

ResourceData DesktopLoadResource(int resourceId) {
    return FindEmbeddedResource(resourceId);
}

// localStorage has no directories: the directory is the first part of the
// storage key, "tovrin-mini/Dudazure2.hsc".
int DesktopScoreDirectory(char* buffer, int bufferSize) {
    constexpr char DIRECTORY[] = "tovrin-mini";
    constexpr int LENGTH = sizeof DIRECTORY - 1;
    if (bufferSize <= LENGTH) {
        return 0;
    }
    for (int i = 0; i <= LENGTH; ++i) {
        buffer[i] = DIRECTORY[i];
    }
    return LENGTH;
}
