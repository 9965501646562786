// The one-second clock, the wall clock that seeds each deal, and waiting.
#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/window_handle.h"

#include <ctime>

namespace {

// The clock is window timer 1; its ticks arrive as WM_TIMER.
constexpr UINT_PTR CLOCK_TIMER_ID = 1;
constexpr UINT CLOCK_PERIOD_MS = 1000;

} // namespace

void DesktopStartClock(WindowHandle window) {
    // Setting the same timer id again restarts its period.
    SetTimer(ToHwnd(window), CLOCK_TIMER_ID, CLOCK_PERIOD_MS, nullptr);
}

void DesktopStopClock(WindowHandle window) {
    KillTimer(ToHwnd(window), CLOCK_TIMER_ID);
}

int64_t DesktopCurrentTime() {
    const auto now = static_cast<int64_t>(std::time(nullptr));
    // Each deal is seeded from this value: the tests rebuild the deal from it.
    TestReport("time %lld", static_cast<long long>(now));
    return now;
}

void DesktopWait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}
