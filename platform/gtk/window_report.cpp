#include "platform/gtk/window_report.h"

#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

unsigned long ToplevelXid(GtkWidget* toplevel) {
    GdkWindow* window = gtk_widget_get_window(toplevel);
#ifdef GDK_WINDOWING_X11
    if (window && GDK_IS_X11_WINDOW(window)) {
        return static_cast<unsigned long>(gdk_x11_window_get_xid(window));
    }
#else
    (void)window;
#endif
    return 0;
}
