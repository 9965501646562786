// The one-second clock as a GLib timeout on the main loop, and the calendar
// time the deal is seeded from.
#include "platform/desktop.h"
#include "platform/gtk/desktop_window.h"
#include "platform/test_report.h"

#include "app/main_window.h"

#include <ctime>

namespace {

constexpr guint CLOCK_PERIOD_MS = 1000;

gboolean Tick(gpointer data) {
    OnTimer(static_cast<WindowHandle>(data));
    return G_SOURCE_CONTINUE;
}

} // namespace

void DesktopStartClock(WindowHandle window) {
    if (window->clockSource != 0) {
        g_source_remove(window->clockSource);
    }
    window->clockSource = g_timeout_add(CLOCK_PERIOD_MS, Tick, window);
    TestReport("clock start");
}

void DesktopStopClock(WindowHandle window) {
    if (window->clockSource != 0) {
        g_source_remove(window->clockSource);
        window->clockSource = 0;
    }
    TestReport("clock stop");
}

// Through the C library, so that a faked clock reaches the deal.
int64_t DesktopCurrentTime() {
    return static_cast<int64_t>(std::time(nullptr));
}
