// What the window procedure needs from the Windows desktop's window: the
// display scale and the count of frames presented.
#pragma once

#include <windows.h>

// Game pixels are enlarged by a whole factor, max(1, floor(dpi / 96)), so
// that they stay sharp: 125 % and 150 % screens get 1, 200 % gets 2.
int ScaleForDpi(UINT dpi);

// The window's DPI: its monitor's where the system tells, else the system's.
UINT WindowDpi(HWND hwnd);

// The factor in force, and setting it; both sides of the desktop use it to
// turn game pixels into the window's and back.
int DisplayScale();
void SetDisplayScale(int scale);

// The window arrived on a monitor of another DPI (WM_DPICHANGED): the new
// factor comes into force and the window takes the system's suggested
// rectangle, repainted whole.
void ApplyDpiChange(HWND hwnd, UINT dpi, const RECT& suggested);

// How many frames the core has presented so far.
int FramesPresented();
