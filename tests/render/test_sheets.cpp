// Building and installing the test sheets.
#include "tests/render/test_sheets.h"

#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "view/bmp_reader.h"
#include "view/sprite_sheets.h"

namespace {

constexpr uint32_t WHITE = 0xFFFFFF;

void FillPositions(Surface& sheet, int width, int height) {
    CreateSurface(&sheet, width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.pixels[y * width + x] = PositionColour(x, y);
        }
    }
}

void MakeTileSheet(Surface& sheet, Layout layout, int width, int height) {
    FillPositions(sheet, width, height);
    const LayoutGeometry& g = GeometryFor(layout);
    const int cellWidth = g.fullTile.width;
    const int cellHeight = g.fullTile.height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (IsTileCorner(layout, x % cellWidth, y % cellHeight)) {
                sheet.pixels[y * width + x] = 0;
            }
        }
    }
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = 0; x < cellWidth; ++x) {
            sheet.pixels[(g.edgeMask.y + y) * width + g.edgeMask.x + x] =
                IsTileCorner(layout, x, y) ? WHITE : 0;
        }
    }
}

void LoadReal(Surface& sheet, int resourceId, int width, int height) {
    DecodeBmp4(FindEmbeddedResource(resourceId), width, height, &sheet);
}

} // namespace

uint32_t PositionColour(int x, int y) {
    return 0x800000u | (static_cast<uint32_t>(x) << 11) | static_cast<uint32_t>(y);
}

bool IsTileCorner(Layout layout, int x, int y) {
    const LayoutGeometry& g = GeometryFor(layout);
    const int w = g.fullTile.width;
    const int h = g.fullTile.height;
    const int edge = g.fullTile.width - g.pitch.width;
    if (x == w - 1 && y == h - 1) {
        return true;
    }
    // Row k of the top-right triangle holds edge - k pixels; the
    // bottom-left one mirrors it.
    const bool topRight = y < edge && x >= w - (edge - y);
    const bool bottomLeft = h - 1 - y < edge && x < edge - (h - 1 - y);
    return topRight || bottomLeft;
}

InstalledSheets::InstalledSheets(SheetSource source) {
    ReleaseSpriteSheets();
    if (source == REAL_SHEETS) {
        LoadReal(panelSheetMini, IDB_PANEL_MINI, 170, 143);
        LoadReal(tileSheetMini, IDB_TILES_MINI, 180, 225);
        LoadReal(panelSheetLarge, IDB_PANEL_LARGE, 380, 99);
        LoadReal(tileSheetLarge, IDB_TILES_LARGE, 360, 450);
        return;
    }
    FillPositions(panelSheetMini, 170, 143);
    MakeTileSheet(tileSheetMini, CMD_MINI, 180, 225);
    FillPositions(panelSheetLarge, 380, 99);
    MakeTileSheet(tileSheetLarge, CMD_LARGE, 360, 450);
}

InstalledSheets::~InstalledSheets() {
    ReleaseSpriteSheets();
}

bool InstalledSheets::loaded() const {
    return !IsEmptySurface(panelSheetMini) && !IsEmptySurface(tileSheetMini) &&
           !IsEmptySurface(panelSheetLarge) && !IsEmptySurface(tileSheetLarge);
}

TestSurface::TestSurface(int width, int height) {
    CreateSurface(&surface, width, height);
}

TestSurface::~TestSurface() {
    DestroySurface(&surface);
}
