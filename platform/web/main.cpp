// tovrin-mini in a browser: the program entry. The page has taken (or been
// refused) the score file's lock before main runs.
#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/web/desktop_window.h"
#include "platform/web/message_loop.h"
#include "platform/web/page_calls.h"
#include "resources/menu.h"
#include "resources/texts.h"
#include "store/score_file.h"

#include <emscripten/emscripten.h>

namespace {

// The main window's record lives as long as the page.
DesktopWindow mainWindow;

void BuildMenuBar() {
    for (const MenuDropDown& dropDown : MAIN_MENU) {
        web_add_menu(dropDown.title);
        for (int i = 0; i < dropDown.entryCount; ++i) {
            const MenuEntry& entry = dropDown.entries[i];
            const bool option = entry.commandId >= CMD_EASY && entry.commandId <= CMD_LARGE;
            web_add_menu_item(entry.commandId, entry.text ? entry.text : "", option);
        }
    }
}

bool Running(const DesktopWindow& window) {
    return window.created && !window.exited;
}

} // namespace

// Closing the tab closes the window: the sound stops and the options are
// saved. The page calls this from "pagehide", while the program waits for
// its next event; it must not suspend, and does not: nothing here waits.
// A page the browser keeps and shows again plays on, and saves again when
// it goes for good.
extern "C" EMSCRIPTEN_KEEPALIVE void web_page_hide() {
    if (Running(mainWindow)) {
        OnExit();
    }
}

// A phone may end a tab it has sent to the background without a
// "pagehide". The options are saved each time the page is hidden, as exit
// would save them; the sound goes on, since the page may come back.
extern "C" EMSCRIPTEN_KEEPALIVE void web_page_hidden() {
    if (Running(mainWindow)) {
        SaveOptions();
    }
}

int main() {
    BuildMenuBar();
    web_set_button_labels(TEXT_OK, TEXT_CANCEL, TEXT_YES, TEXT_NO);
    if (!OnCreate(&mainWindow)) {
        return 0;
    }
    mainWindow.created = true;
    // Shown: the first paint deals.
    DesktopRequestRepaint(&mainWindow, true);

    const int exitCode = RunMessageLoop(&mainWindow);
    mainWindow.exited = true;
    OnExit();
    // The window stays on the desktops until the process ends; a page has
    // no process to end, so it says that the game is over.
    web_show_ended();
    return exitCode;
}
