// The main window's widgets and the signals that reach the game's handlers.
#pragma once

#include "platform/gtk/desktop_window.h"

// Makes the toplevel with its title, icons, menu bar and drawing area, and
// connects every signal, SIGTERM, SIGINT and SIGHUP among them (each
// destroys the window); nothing is shown yet.
void BuildMainWindow(DesktopWindow* window);
