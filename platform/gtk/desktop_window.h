// The main window as the GTK front end knows it: the widgets, the last frame
// the game presented, and the main-loop sources that drive the game. The
// core only ever holds a pointer to this record and passes it back.
#pragma once

#include "model/game_state.h"

#include <cairo.h>
#include <gtk/gtk.h>

// One check item of the menu: its command id, its widget and the mark the
// game last set for it.
struct CheckItem {
    int commandId;
    GtkCheckMenuItem* item;
    bool checked;
};

constexpr int MAX_CHECK_ITEMS = 6;

struct DesktopWindow {
    GtkWidget* toplevel;
    GtkWidget* drawingArea;
    bool destroyed;

    CheckItem checkItems[MAX_CHECK_ITEMS];
    int checkItemCount;

    // The last presented frame, in game pixels, and how much of the client
    // it covers.
    cairo_surface_t* frame;
    int presentedWidth;
    int presentedHeight;
    int framesPresented;
    int framesDrawn;    // the last frame the "draw" handler painted
    int framesReported; // the last frame reported shown
    bool drawing;       // inside the "draw" handler

    // Pending main-loop sources; 0 when none.
    guint repaintSource;
    guint clockSource;

    // The client size the last placement asked for, reported until the
    // drawing area's allocation moves away from the one it had then.
    bool placementPending;
    int placedClientWidth;
    int placedClientHeight;
    GtkAllocation allocationAtPlacement;
};
