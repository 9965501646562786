// Frame composition for both layouts, driven by the layout tables.
#include "view/frame.h"

#include "view/raster.h"
#include "view/sprite_sheets.h"

#include <algorithm>
#include <cstdint>

namespace {

void CopyRegion(Surface& buffer, Point to, const Surface& sheet, Region from, RasterOp op) {
    CopyRect(buffer, to.x, to.y, sheet, from.x, from.y, from.width, from.height, op);
}

Point Offset(Point p, Point origin) {
    return {p.x + origin.x, p.y + origin.y};
}

void DrawElements(Surface& buffer, const Surface& sheet, const PanelElements& elements, int count,
                  Point origin) {
    for (int i = 0; i < count; ++i) {
        CopyRegion(buffer, Offset(elements[i].position, origin), sheet, elements[i].source,
                   SRCCOPY);
    }
}

// The digits of value, most significant first, leading zeros included: the
// first digit is value / 10^(n-1) (never reduced), the others
// (value mod 10^(k+1)) / 10^k.
void DrawCounter(Surface& buffer, Layout layout, const Surface& sheet,
                 const CounterPlacement& counter, int64_t value, Point origin) {
    const LayoutGeometry& g = GeometryFor(layout);
    int64_t divisor = 1;
    for (int i = 1; i < counter.digits; ++i) {
        divisor *= 10;
    }
    Point at = Offset(counter.first, origin);
    for (int i = 0; i < counter.digits; ++i) {
        const int64_t digit = i == 0 ? value / divisor : value % (divisor * 10) / divisor;
        CopyRegion(buffer, at, sheet, DigitRegion(layout, static_cast<int>(digit)), SRCCOPY);
        at.x += g.digit.width;
        divisor /= 10;
    }
}

TileCode CellAt(const GameState& state, int col, int row) {
    return state.cells[CellIndex(col, row)];
}

// A tile shows its sides unless tiles lie both to its right and below it.
// Only EMPTY_CELL is missing; a highlighted neighbour is present.
bool ShowsSides(const GameState& state, int col, int row) {
    return col == BOARD_COLUMNS - 1 || row == BOARD_ROWS - 1 ||
           CellAt(state, col + 1, row) == EMPTY_CELL || CellAt(state, col, row + 1) == EMPTY_CELL;
}

// Covers the frame with the layout's background pattern, laid from the
// buffer's (0, 0); copies past the buffer's edge are cut off. Without the
// panel sheet the frame is filled with WINDOW_BACKGROUND instead.
void DrawBackground(Surface& buffer, Layout layout, int frameWidth, int frameHeight) {
    const Surface& sheet = PanelSheetFor(layout);
    const Region pattern = BackgroundRegion(layout);
    // Copies that start past the buffer's edge change nothing, so the loops
    // stop there; this also keeps the steps clear of int overflow.
    const int width = std::min(frameWidth, buffer.width);
    const int height = std::min(frameHeight, buffer.height);
    if (IsEmptySurface(sheet)) {
        // Without the pattern the last frame would stay under the new one,
        // tiles taken off the board included.
        for (int y = 0; y < height; ++y) {
            std::fill_n(buffer.pixels + static_cast<size_t>(y) * buffer.width, std::max(width, 0),
                        WINDOW_BACKGROUND);
        }
        return;
    }
    for (int x = 0; x < width; x += pattern.width) {
        for (int y = 0; y < height; y += pattern.height) {
            CopyRegion(buffer, {x, y}, sheet, pattern, SRCCOPY);
        }
    }
}

// The panel elements in drawing order and the two counters (tiles left,
// elapsed seconds), each offset by origin.
void DrawPanel(Surface& buffer, const GameState& state, Point origin) {
    const Layout layout = state.layout;
    const LayoutGeometry& g = GeometryFor(layout);
    const Surface& sheet = PanelSheetFor(layout);
    DrawElements(buffer, sheet, g.panelBefore, g.panelBeforeCount, origin);
    DrawCounter(buffer, layout, sheet, g.tilesCounter, state.tilesLeft, origin);
    DrawElements(buffer, sheet, g.panelBetween, g.panelBetweenCount, origin);
    DrawCounter(buffer, layout, sheet, g.timeCounter, state.elapsedSeconds, origin);
}

} // namespace

void DrawTiles(Surface& buffer, const GameState& state, Point origin) {
    const Layout layout = state.layout;
    const Surface& sheet = TileSheetFor(layout);
    const Region mask = EdgeMaskRegion(layout);
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        for (int row = 0; row < BOARD_ROWS; ++row) {
            const TileCode code = CellAt(state, col, row);
            if (code == EMPTY_CELL) {
                continue;
            }
            const Point at = Offset(CellPosition(layout, col, row), origin);
            if (ShowsSides(state, col, row)) {
                CopyRegion(buffer, at, sheet, mask, SRCAND);
                CopyRegion(buffer, at, sheet, TileCellRegion(layout, code), SRCPAINT);
            } else {
                CopyRegion(buffer, at, sheet, TileFaceRegion(layout, code), SRCCOPY);
            }
        }
    }
}

void ComposeFrame(const GameState& state, Surface& buffer, int frameWidth, int frameHeight,
                  Point origin) {
    DrawBackground(buffer, state.layout, frameWidth, frameHeight);
    DrawPanel(buffer, state, origin);
    DrawTiles(buffer, state, origin);
}
