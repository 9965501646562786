// tovrin-mini: the game on a GTK 3 desktop, with SDL2 for its sound.
#include "app/main_window.h"
#include "platform/gtk/desktop_window.h"
#include "platform/gtk/main_loop.h"
#include "platform/gtk/main_window.h"
#include "platform/gtk/menu_bar.h"
#include "platform/gtk/sdl_sound.h"
#include "platform/test_report.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (!gtk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "tovrin-mini: no display to open a window on"
                             " (is DISPLAY or WAYLAND_DISPLAY set?)\n");
        return 1;
    }

    // The main window's record lives as long as the program: the game and
    // GTK hold on to it even after the window itself has gone.
    static DesktopWindow window;
    BuildMainWindow(&window);
    if (!OnCreate(&window)) {
        return 0;
    }
    ReportMenuMarks(&window);
    gtk_widget_show(window.toplevel);

    const int exitCode = RunMessageLoop();
    OnExit();
    ShutDownSound();
    TestReport("exit %d", exitCode);
    return exitCode;
}
