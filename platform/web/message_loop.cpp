// The message loop: `while (NextEvent(&e)) Dispatch(e);` as on Windows. The
// page queues every input; taking the next event is the one place where the
// program suspends (ASYNCIFY) and the browser runs. Nothing from the page may
// call into the game directly: a call that reached a suspending function
// while the program is suspended would corrupt its saved stack.
#include "platform/web/message_loop.h"

#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/web/page_calls.h"

namespace {

struct QuitMessage {
    bool posted;
    int exitCode;
};

QuitMessage quitMessage;

// The window the main loop runs for; the nested loops paint it too.
WindowHandle loopWindow;

// Paints and ticks go to the main window in every loop.
bool DispatchWindowEvent(WindowHandle window, const PageEvent& event) {
    switch (event.type) {
    case EVENT_PAINT:
        OnPaint(window);
        return true;
    case EVENT_TICK:
        OnTimer(window);
        return true;
    default:
        return false;
    }
}

} // namespace

void DesktopPostQuit(int exitCode) {
    if (!quitMessage.posted) {
        quitMessage = QuitMessage{true, exitCode};
    }
}

int RunMessageLoop(WindowHandle window) {
    loopWindow = window;
    PageEvent event{};
    while (!quitMessage.posted) {
        web_next_event(&event);
        if (DispatchWindowEvent(window, event)) {
            continue;
        }
        if (event.type == EVENT_CLICK) {
            OnLeftButtonDown(window, event.a, event.b);
        } else if (event.type == EVENT_COMMAND) {
            OnCommand(window, event.a);
        }
        // A wait's end that arrives after its loop gave up is stale.
    }
    return quitMessage.exitCode;
}

int RunModalLoop(int token) {
    PageEvent event{};
    for (;;) {
        web_next_event(&event);
        if (event.type == EVENT_DONE && event.a == token) {
            return event.b;
        }
        if (loopWindow) {
            DispatchWindowEvent(loopWindow, event);
        }
    }
}
