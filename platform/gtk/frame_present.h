// Showing the game's frames: the copy of the last presented frame, the
// "draw" handler that paints it, and the coalesced repaint that asks the
// game for a new one.
#pragma once

#include "platform/gtk/desktop_window.h"

// The drawing area's "draw" handler: the window's background, then the last
// presented frame. It never calls into the game.
gboolean DrawLastFrame(GtkWidget* area, cairo_t* cr, gpointer data);

// The frame clock's "after-paint": tells the tests which frame is on screen.
void ReportFrameShown(GdkFrameClock* clock, gpointer data);

// Drops a pending repaint and the frame copy; the window is going away.
void ForgetFrames(DesktopWindow* window);
