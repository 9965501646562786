// The main window's procedure: a table from messages to the core's handlers.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The core's OnExit (the sound stopped, the options saved), run the first
// time this is called: after the message loop, or earlier when the session
// ends while the program still runs.
void ExitOnce();
