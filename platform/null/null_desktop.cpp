// A desktop with no window, no sound and no score file, for the headless
// tools and the benchmarks. Time is the system clock, resources are the
// copies embedded in the binary; everything else does nothing.
#include "platform/desktop.h"
#include "resources/embedded_resources.h"

#include <ctime>

void DesktopRequestRepaint(WindowHandle, bool) {}

void DesktopClientSize(WindowHandle, int* width, int* height) {
    *width = 0;
    *height = 0;
}

void DesktopScreenSize(int* width, int* height) {
    *width = 0;
    *height = 0;
}

void DesktopPlaceWindow(WindowHandle, const WindowPlacement&) {}
void DesktopPresentFrame(WindowHandle, const Surface&, int, int) {}
void DesktopPostQuit(int) {}
void DesktopStartClock(WindowHandle) {}
void DesktopStopClock(WindowHandle) {}

int64_t DesktopCurrentTime() {
    return static_cast<int64_t>(std::time(nullptr));
}

void DesktopSetMenuCheck(WindowHandle, int, bool) {}

MessageAnswer DesktopMessageBox(WindowHandle, const char*, const char*, MessageButtons buttons) {
    return buttons == MESSAGE_OK ? ANSWER_OK : ANSWER_NO;
}

bool DesktopNameEntryDialog(WindowHandle, const char*, char*, int) {
    return false;
}

void DesktopStopSound() {}
void DesktopPlayLoop(ResourceData) {}
void DesktopPlayOnce(ResourceData) {}
void DesktopWait(int) {}

ResourceData DesktopLoadResource(int resourceId) {
    return FindEmbeddedResource(resourceId);
}

int DesktopScoreDirectory(char*, int) {
    return 0;
}
