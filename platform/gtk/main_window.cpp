// GTK signal -> game handler, one small function each, in the manner of a
// window procedure.
#include "platform/gtk/main_window.h"

#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/gtk/frame_present.h"
#include "platform/gtk/menu_bar.h"
#include "platform/gtk/text_conversion.h"
#include "platform/gtk/window_icons.h"
#include "platform/gtk/window_report.h"
#include "platform/test_report.h"
#include "resources/texts.h"

#include <cmath>
#include <csignal>
#include <glib-unix.h>

namespace {

constexpr guint LEFT_BUTTON = 1;

gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    if (event->type != GDK_BUTTON_PRESS || event->button != LEFT_BUTTON) {
        return FALSE;
    }
    // Event positions are logical pixels, which are game pixels.
    const int x = static_cast<int>(std::floor(event->x));
    const int y = static_cast<int>(std::floor(event->y));
    OnLeftButtonDown(static_cast<WindowHandle>(data), x, y);
    TestReport("click %d %d", x, y);
    return TRUE;
}

// Shown, at start or again after being minimised: the game paints (and at
// its first paint deals).
void OnAreaMapped(GtkWidget* area, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    TestReport("window 0x%lx", ToplevelXid(window->toplevel));
    TestReport("scale %d", gtk_widget_get_scale_factor(area));
    DesktopRequestRepaint(window, true);
}

void OnAreaAllocated(GtkWidget* area, GdkRectangle* allocation, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    const GtkAllocation& before = window->allocationAtPlacement;
    if (allocation->width != before.width || allocation->height != before.height ||
        (allocation->width == window->placedClientWidth &&
         allocation->height == window->placedClientHeight)) {
        window->placementPending = false;
    }
    // Where the drawing area sits in the toplevel (under the menu bar, whose
    // height depends on the font).
    int x = allocation->x;
    int y = allocation->y;
    if (gtk_widget_get_realized(area)) {
        gtk_widget_translate_coordinates(area, window->toplevel, 0, 0, &x, &y);
    }
    TestReport("offset %d %d", x, y);
    TestReport("size %d %d", allocation->width, allocation->height);
}

void OnToplevelRealized(GtkWidget* toplevel, gpointer data) {
    g_signal_connect(gtk_widget_get_frame_clock(toplevel), "after-paint",
                     G_CALLBACK(ReportFrameShown), data);
}

// Closing from the frame destroys the window without a question; the game's
// destroy handler then posts the quit message.
void OnToplevelDestroyed(GtkWidget*, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    window->destroyed = true;
    ForgetFrames(window);
    OnDestroy(window);
}

// SIGTERM, SIGINT or SIGHUP: the program ends the way closing the window
// from its frame ends it. GLib delivers the signal to the main loop (a box's
// nested loop included), so no game code runs inside a signal handler.
gboolean OnEndSignal(gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    if (!window->destroyed) {
        gtk_widget_destroy(window->toplevel);
    }
    return G_SOURCE_CONTINUE;
}

} // namespace

void BuildMainWindow(DesktopWindow* window) {
    window->toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* toplevel = GTK_WINDOW(window->toplevel);
    gtk_window_set_title(toplevel, ShiftJisToUtf8(TEXT_WINDOW_TITLE).c_str());
    SetWindowIcons(toplevel);

    window->drawingArea = gtk_drawing_area_new();
    gtk_widget_add_events(window->drawingArea, GDK_BUTTON_PRESS_MASK);

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_box_pack_start(GTK_BOX(column), BuildMenuBar(window), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(column), window->drawingArea, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(window->toplevel), column);
    // Visible before the game places the window, so that its size counts.
    gtk_widget_show_all(column);

    g_signal_connect(window->drawingArea, "draw", G_CALLBACK(DrawLastFrame), window);
    g_signal_connect(window->drawingArea, "button-press-event", G_CALLBACK(OnButtonPress), window);
    g_signal_connect(window->drawingArea, "map", G_CALLBACK(OnAreaMapped), window);
    g_signal_connect(window->drawingArea, "size-allocate", G_CALLBACK(OnAreaAllocated), window);
    g_signal_connect(window->toplevel, "realize", G_CALLBACK(OnToplevelRealized), window);
    g_signal_connect(window->toplevel, "destroy", G_CALLBACK(OnToplevelDestroyed), window);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        g_unix_signal_add(signalNumber, OnEndSignal, window);
    }
}
