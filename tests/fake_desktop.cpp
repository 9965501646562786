// The recording desktop.
#include "tests/fake_desktop.h"

#include <algorithm>
#include <cstring>
#include <utility>

FakeDesktop fakeDesktop;

namespace {

void Log(std::string line) {
    fakeDesktop.calls.push_back(std::move(line));
}

void Run(const std::function<void()>& installed) {
    if (const auto hook = installed) { // a copy: the hook may replace itself
        hook();
    }
}

void RunModal() {
    Run(fakeDesktop.duringModal);
}

} // namespace

void ResetFakeDesktop() {
    fakeDesktop = FakeDesktop{};
}

int CountCalls(const std::string& prefix) {
    return static_cast<int>(
        std::count_if(fakeDesktop.calls.begin(), fakeDesktop.calls.end(),
                      [&](const std::string& c) { return c.starts_with(prefix); }));
}

WindowHandle FakeWindow() {
    static int window;
    return reinterpret_cast<WindowHandle>(&window);
}

void DesktopRequestRepaint(WindowHandle, bool erase) {
    Log(erase ? "Repaint erase" : "Repaint");
}

void DesktopClientSize(WindowHandle, int* width, int* height) {
    *width = fakeDesktop.clientWidth;
    *height = fakeDesktop.clientHeight;
}

void DesktopScreenSize(int* width, int* height) {
    *width = 1280;
    *height = 1024;
}

void DesktopPlaceWindow(WindowHandle, const WindowPlacement& p) {
    Log("PlaceWindow " + std::to_string(p.x) + " " + std::to_string(p.y) + " " +
        std::to_string(p.width) + " " + std::to_string(p.height));
}

void DesktopPostQuit(int exitCode) {
    Log("PostQuit " + std::to_string(exitCode));
}

void DesktopStartClock(WindowHandle) {
    Log("StartClock");
}

void DesktopStopClock(WindowHandle) {
    Log("StopClock");
}

int64_t DesktopCurrentTime() {
    return fakeDesktop.currentTime;
}

void DesktopSetMenuCheck(WindowHandle, int commandId, bool checked) {
    Log("MenuCheck " + std::to_string(commandId) + (checked ? " on" : " off"));
}

MessageAnswer DesktopMessageBox(WindowHandle, const char* text, const char* caption,
                                MessageButtons buttons) {
    Log(std::string("MessageBox ") + caption + "|" + text);
    RunModal();
    MessageAnswer answer = buttons == MESSAGE_OK ? ANSWER_OK : ANSWER_YES;
    if (!fakeDesktop.answers.empty()) {
        answer = fakeDesktop.answers.front();
        fakeDesktop.answers.pop_front();
    }
    return answer;
}

bool DesktopNameEntryDialog(WindowHandle, const char* initialName, char* typed, int typedSize) {
    Log("NameEntryDialog");
    fakeDesktop.lastDialogInitialName = initialName;
    RunModal();
    if (!fakeDesktop.nameDialogOk) {
        return false;
    }
    std::strncpy(typed, fakeDesktop.typedName.c_str(), static_cast<size_t>(typedSize) - 1);
    typed[typedSize - 1] = '\0';
    return true;
}

void DesktopStopSound() {
    Log("StopSound");
}

void DesktopPlayLoop(ResourceData wave) {
    Log("PlayLoop " + std::to_string(wave.size));
}

void DesktopPlayOnce(ResourceData wave) {
    Log("PlayOnce " + std::to_string(wave.size));
    Run(fakeDesktop.duringWait);
}

void DesktopWait(int milliseconds) {
    Log("Wait " + std::to_string(milliseconds));
    Run(fakeDesktop.duringWait);
}

ResourceData DesktopLoadResource(int resourceId) {
    static const unsigned char none = 0; // a resource found has an address, even when empty
    const auto found = fakeDesktop.resources.find(resourceId);
    return found == fakeDesktop.resources.end()
               ? ResourceData{}
               : ResourceData{found->second.empty() ? &none : found->second.data(),
                              found->second.size()};
}

int DesktopScoreDirectory(char* buffer, int bufferSize) {
    const int length = static_cast<int>(fakeDesktop.scoreDirectory.size());
    if (length == 0 || length >= bufferSize) {
        return 0;
    }
    std::memcpy(buffer, fakeDesktop.scoreDirectory.c_str(), static_cast<size_t>(length) + 1);
    return length;
}

void DesktopPresentFrame(WindowHandle, const Surface& frame, int width, int height) {
    fakeDesktop.presentedCorner = frame.pixels ? frame.pixels[0] : 0;
    Log("Present " + std::to_string(width) + "x" + std::to_string(height));
}
