// Window size and place. The game's outer sizes assume the classic Windows
// frame; here the drawing area is sized instead, to at least the layout's
// drawing limits, and the whole window is centred on the primary monitor,
// which need not start at the screen's origin. All sizes are GTK's logical
// pixels, which are the game's pixels at any scale.
#include "platform/desktop.h"
#include "platform/gtk/desktop_window.h"
#include "platform/test_report.h"

void DesktopClientSize(WindowHandle window, int* width, int* height) {
    // A new size takes effect only when the window system has answered; until
    // then the game gets the size it just asked for.
    if (window->placementPending || !gtk_widget_get_realized(window->drawingArea)) {
        *width = window->placedClientWidth;
        *height = window->placedClientHeight;
        return;
    }
    *width = gtk_widget_get_allocated_width(window->drawingArea);
    *height = gtk_widget_get_allocated_height(window->drawingArea);
}

namespace {

// The primary monitor's place and size on the screen (the first monitor's
// when none is marked primary); all zero when there is no monitor.
GdkRectangle PrimaryMonitorArea() {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (!monitor && gdk_display_get_n_monitors(display) > 0) {
        monitor = gdk_display_get_monitor(display, 0);
    }
    GdkRectangle area{0, 0, 0, 0};
    if (monitor) {
        gdk_monitor_get_geometry(monitor, &area);
    }
    return area;
}

} // namespace

void DesktopScreenSize(int* width, int* height) {
    const GdkRectangle area = PrimaryMonitorArea();
    *width = area.width;
    *height = area.height;
}

void DesktopPlaceWindow(WindowHandle window, const WindowPlacement& placement) {
    if (window->destroyed) {
        return;
    }
    window->placementPending = true;
    window->placedClientWidth = placement.minClientWidth;
    window->placedClientHeight = placement.minClientHeight;
    gtk_widget_get_allocation(window->drawingArea, &window->allocationAtPlacement);
    gtk_widget_set_size_request(window->drawingArea, placement.minClientWidth,
                                placement.minClientHeight);
    // Asking for less than the minimum gives exactly the minimum: the menu
    // bar over the drawing area. This also shrinks a window that was large.
    gtk_window_resize(GTK_WINDOW(window->toplevel), 1, 1);

    const GdkRectangle monitor = PrimaryMonitorArea();
    GtkRequisition minimum;
    gtk_widget_get_preferred_size(window->toplevel, &minimum, nullptr);
    // Window managers may place the window themselves; without one, and on
    // X11 generally, the move is honoured.
    const int x = monitor.x + (monitor.width - minimum.width) / 2;
    const int y = monitor.y + (monitor.height - minimum.height) / 2;
    gtk_window_move(GTK_WINDOW(window->toplevel), x, y);
    TestReport("placed %d %d %dx%d", x, y, minimum.width, minimum.height);
    DesktopRequestRepaint(window, true);
}
