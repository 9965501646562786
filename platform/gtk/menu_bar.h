// The menu bar built from the game's menu table (resources/menu.h).
#pragma once

#include "platform/gtk/desktop_window.h"

// Builds the three drop-downs; the option items become check items whose
// marks only the game sets. Every item sends its command to the game.
GtkWidget* BuildMenuBar(DesktopWindow* window);

// Reports the marks the menu shows, as "marks ID=0|1 ...", for the tests.
void ReportMenuMarks(const DesktopWindow* window);
