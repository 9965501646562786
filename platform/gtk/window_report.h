// Report lines about windows, for the end-to-end tests: which X window a
// toplevel or box is, so a test can focus it and take its picture.
#pragma once

#include <gtk/gtk.h>

// The X11 window id of a realized toplevel, 0 on other backends.
unsigned long ToplevelXid(GtkWidget* toplevel);
