// Layout tables for the mini and the large display, and the arithmetic built
// on them.
#include "view/layout.h"

namespace {

// clang-format off
const LayoutGeometry MINI_GEOMETRY = {
    .window = {490, 235},
    .boardOrigin = {80, 7},
    .pitch = {17, 22},
    .fullTile = {20, 25},
    .drawingLimits = {470, 186},
    .background = {115, 46, 30, 30},
    .digit = {15, 18},
    .digitSheetStepX = 17,
    .digitFirst = {1, 124},
    .edgeMask = {20, 200},
    .panelBefore = {{
        {{1, 1, 44, 121}, {15, 15}},    // title graphic
        {{46, 61, 59, 46}, {10, 135}},  // dragon-tiles ornament
        {{46, 1, 68, 59}, {400, 15}},   // wind-tiles ornament
        {{115, 1, 50, 20}, {400, 80}},  // remaining-tiles label
    }},
    .panelBeforeCount = 4,
    .tilesCounter = {{425, 105}, 3},
    .panelBetween = {{
        {{115, 24, 40, 20}, {400, 135}}, // time label
    }},
    .panelBetweenCount = 1,
    .timeCounter = {{410, 160}, 4},
};

const LayoutGeometry LARGE_GEOMETRY = {
    .window = {700, 570},
    .boardOrigin = {30, 90},
    .pitch = {34, 44},
    .fullTile = {40, 50},
    .drawingLimits = {648, 504},
    .background = {311, 41, 68, 57},
    .digit = {36, 39},
    .digitSheetStepX = 38,
    .digitFirst = {1, 1},
    .edgeMask = {0, 400},
    .panelBefore = {{
        {{1, 42, 48, 56}, {210, 20}},    // title, first character
        {{50, 42, 55, 56}, {410, 20}},   // title, second character
        {{106, 42, 112, 44}, {80, 460}}, // remaining-tiles label
        {{220, 42, 90, 42}, {380, 460}}, // time label
    }},
    .panelBeforeCount = 4,
    .tilesCounter = {{200, 460}, 3},
    .panelBetween = {},
    .panelBetweenCount = 0,
    .timeCounter = {{480, 460}, 4},
};
// clang-format on

} // namespace

const LayoutGeometry& GeometryFor(Layout layout) {
    return layout == CMD_MINI ? MINI_GEOMETRY : LARGE_GEOMETRY;
}

Point CellPosition(Layout layout, int col, int row) {
    const LayoutGeometry& g = GeometryFor(layout);
    return {g.boardOrigin.x + g.pitch.width * col, g.boardOrigin.y + g.pitch.height * row};
}

std::optional<Cell> HitTestCell(Layout layout, int x, int y) {
    const LayoutGeometry& g = GeometryFor(layout);
    const int right = g.boardOrigin.x + BOARD_COLUMNS * g.pitch.width;
    const int bottom = g.boardOrigin.y + BOARD_ROWS * g.pitch.height;
    if (x < g.boardOrigin.x || x >= right || y < g.boardOrigin.y || y >= bottom) {
        return std::nullopt;
    }
    return Cell{(x - g.boardOrigin.x) / g.pitch.width, (y - g.boardOrigin.y) / g.pitch.height};
}

WindowPlacement PlacementFor(Layout layout, int screenWidth, int screenHeight) {
    const LayoutGeometry& g = GeometryFor(layout);
    // Integer division truncates toward zero, also for a screen smaller
    // than the window.
    return {(screenWidth - g.window.width) / 2,
            (screenHeight - g.window.height) / 2,
            g.window.width,
            g.window.height,
            g.drawingLimits.width,
            g.drawingLimits.height};
}
