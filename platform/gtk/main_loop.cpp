// DesktopPostQuit may come from inside a nested loop (a message box's, the
// dialog's): gtk_main_quit ends the outer gtk_main level, which returns as
// soon as the nested loop has unwound.
#include "platform/gtk/main_loop.h"

#include "platform/desktop.h"
#include "platform/test_report.h"

#include <gtk/gtk.h>

namespace {

// What the game posted; a quit has no window to hang on.
struct QuitMessage {
    bool posted;
    int exitCode;
};

QuitMessage quitMessage;

} // namespace

void DesktopPostQuit(int exitCode) {
    TestReport("quit %d", exitCode);
    if (quitMessage.posted) {
        return;
    }
    quitMessage = QuitMessage{true, exitCode};
    if (gtk_main_level() > 0) {
        gtk_main_quit();
    }
}

int RunMessageLoop() {
    if (!quitMessage.posted) {
        gtk_main();
    }
    return quitMessage.exitCode;
}
