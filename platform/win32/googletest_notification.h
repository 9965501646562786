// Force-included into GoogleTest and its users in the cross build only.
//
// GoogleTest 1.12 builds its Notification (a start signal for the threads of
// its own self-tests) on std::mutex and std::condition_variable, which the
// libstdc++ of MinGW-w64's win32 thread model (GCC 12) does not have. This
// gives it the same class on an atomic flag instead, through the hook that
// GoogleTest leaves for it. No Windows header here: this file lands in every
// test source, and <windows.h> macros (SRCCOPY, ...) would leak into them.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

#include <atomic>

namespace testing {
namespace internal {

class Notification {
  public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    // Only GoogleTest's own thread tests wait; a spin is enough for them.
    void WaitForNotification() {
        while (!notified_.load()) {
        }
    }

  private:
    std::atomic<bool> notified_{false};
};

} // namespace internal
} // namespace testing
