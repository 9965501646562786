// The main window's procedure: a table from messages to the core's handlers.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
