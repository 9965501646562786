// The two display layouts: every position and size the game draws with, the
// mapping of mouse positions to board cells, and where the window goes.
#pragma once

#include "model/game_state.h"
#include "platform/desktop.h"

#include <array>
#include <optional>

struct Point {
    int x;
    int y;
};

struct Size {
    int width;
    int height;
};

// A rectangle of a sprite sheet, copied to a position in the frame.
struct Region {
    int x;
    int y;
    int width;
    int height;
};

constexpr int MAX_PANEL_ELEMENTS = 4; // the most a layout draws before the counters

// One element of the side panel: its region of the panel sheet and where it
// is drawn.
struct PanelElement {
    Region source;
    Point position;
};
using PanelElements = std::array<PanelElement, MAX_PANEL_ELEMENTS>;

// A counter: the left-most digit's position; the digits abut.
struct CounterPlacement {
    Point first;
    int digits;
};

struct LayoutGeometry {
    Size window;           // outer size, frame, caption and menu included
    Point boardOrigin;     // top-left pixel of cell (0, 0)
    Size pitch;            // cell pitch, equal to the cropped face
    Size fullTile;         // face plus the edge strips
    Size drawingLimits;    // right and bottom limits of board and panel
    Region background;     // background pattern in the panel sheet
    Size digit;            // counter digit
    int digitSheetStepX;   // digit d is at digitFirst + d * step in the sheet
    Point digitFirst;      // digit 0 in the panel sheet
    Point edgeMask;        // edge mask in the tile sheet
    // Panel elements before the counters, in drawing order.
    PanelElements panelBefore;
    int panelBeforeCount;
    CounterPlacement tilesCounter;
    // Elements drawn between the two counters (mini: the time label).
    PanelElements panelBetween;
    int panelBetweenCount;
    CounterPlacement timeCounter;
};

const LayoutGeometry& GeometryFor(Layout layout);

// The top-left pixel of a board cell in client coordinates.
Point CellPosition(Layout layout, int col, int row);

// Maps a client position (after the client origin's offset) to a board cell,
// or none outside the board's hit area.
std::optional<Cell> HitTestCell(Layout layout, int x, int y);

// The centred window placement for a layout on a screen of the given size.
WindowPlacement PlacementFor(Layout layout, int screenWidth, int screenHeight);
