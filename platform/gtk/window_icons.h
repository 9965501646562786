// The window's icons, from the PNGs compiled into the program.
#pragma once

#include <gtk/gtk.h>

// Gives the window every icon size there is; a missing size is skipped.
void SetWindowIcons(GtkWindow* window);
