// The window, the clock, the menu's marks and the resources, each handed to
// the page. The canvas is the client area; its size is the layout's drawing
// limits, and the page enlarges it on screen by whole device pixels.
#include "platform/desktop.h"
#include "platform/web/desktop_window.h"
#include "platform/web/page_calls.h"
#include "resources/embedded_resources.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t OPAQUE = 0xFF000000u;
constexpr uint32_t WINDOW_WHITE = 0xFFFFFFFFu;

// The canvas's pixels as the browser takes them: R, G, B, A bytes, which are
// little-endian words 0xAABBGGRR. The page views this memory directly.
std::vector<uint32_t> canvasPixels;

uint32_t CanvasPixel(uint32_t framePixel) {
    return OPAQUE | (framePixel & 0xFFu) << 16 | (framePixel & 0xFF00u) |
           (framePixel >> 16 & 0xFFu);
}

} // namespace

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

// The top-left width x height of the frame, converted in one pass; what the
// frame does not cover of the canvas is the window's white.
void DesktopPresentFrame(WindowHandle, const Surface& frame, int width, int height) {
    const int canvasWidth = web_canvas_width();
    const int canvasHeight = web_canvas_height();
    if (IsEmptySurface(frame) || canvasWidth <= 0 || canvasHeight <= 0) {
        return;
    }
    const size_t count = static_cast<size_t>(canvasWidth) * static_cast<size_t>(canvasHeight);
    canvasPixels.resize(count);
    const int columns = std::min({width, frame.width, canvasWidth});
    const int rows = std::min({height, frame.height, canvasHeight});
    if (columns < canvasWidth || rows < canvasHeight) {
        std::fill(canvasPixels.begin(), canvasPixels.end(), WINDOW_WHITE);
    }
    for (int y = 0; y < rows; ++y) {
        const uint32_t* from = frame.pixels + static_cast<size_t>(y) * frame.width;
        uint32_t* to = canvasPixels.data() + static_cast<size_t>(y) * canvasWidth;
        for (int x = 0; x < columns; ++x) {
            to[x] = CanvasPixel(from[x]);
        }
    }
    web_present(canvasPixels.data(), canvasWidth, canvasHeight);
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
