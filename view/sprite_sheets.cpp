// Loading the sprite sheets and looking up their regions. Positions come
// from the layout tables; the sheets' resource numbers and sizes are here.
#include "view/sprite_sheets.h"

#include "platform/desktop.h"
#include "resources/resource_ids.h"
#include "view/bmp_reader.h"

#include <cstdio>

Surface panelSheetMini;
Surface tileSheetMini;
Surface panelSheetLarge;
Surface tileSheetLarge;

namespace {

// Tile cells form a grid of this many columns; codes run along the rows.
constexpr int TILE_SHEET_COLUMNS = 9;

struct SheetResource {
    int resourceId;
    const char* name;
    Surface* sheet;
    int width;
    int height;
};

// In load and release order.
const SheetResource SHEETS[] = {
    {IDB_PANEL_MINI, "mini panel sheet", &panelSheetMini, 170, 143},
    {IDB_TILES_MINI, "mini tile sheet", &tileSheetMini, 180, 225},
    {IDB_PANEL_LARGE, "large panel sheet", &panelSheetLarge, 380, 99},
    {IDB_TILES_LARGE, "large tile sheet", &tileSheetLarge, 360, 450},
};

} // namespace

// ---- Loading ---------------------------------------------------------------

void LoadSpriteSheets() {
    for (const SheetResource& entry : SHEETS) {
        DestroySurface(entry.sheet);
        const ResourceData data = DesktopLoadResource(entry.resourceId);
        if (data.IsEmpty()) {
            std::fprintf(stderr, "tovrin: bitmap %d (%s) is missing\n", entry.resourceId,
                         entry.name);
            continue;
        }
        const BmpError error = DecodeBmp4(data, entry.width, entry.height, entry.sheet);
        if (error != BMP_OK) {
            std::fprintf(stderr, "tovrin: bitmap %d (%s) not loaded: %s\n", entry.resourceId,
                         entry.name, BmpErrorText(error));
        }
    }
}

void ReleaseSpriteSheets() {
    for (const SheetResource& entry : SHEETS) {
        if (!IsEmptySurface(*entry.sheet)) {
            DestroySurface(entry.sheet);
        }
    }
}

// ---- Lookups ---------------------------------------------------------------

const Surface& PanelSheetFor(Layout layout) {
    return layout == CMD_MINI ? panelSheetMini : panelSheetLarge;
}

const Surface& TileSheetFor(Layout layout) {
    return layout == CMD_MINI ? tileSheetMini : tileSheetLarge;
}

Region TileCellRegion(Layout layout, TileCode code) {
    const Size cell = GeometryFor(layout).fullTile;
    return {cell.width * (code % TILE_SHEET_COLUMNS), cell.height * (code / TILE_SHEET_COLUMNS),
            cell.width, cell.height};
}

Region TileFaceRegion(Layout layout, TileCode code) {
    const Region cell = TileCellRegion(layout, code);
    const Size face = GeometryFor(layout).pitch;
    return {cell.x, cell.y, face.width, face.height};
}

Region EdgeMaskRegion(Layout layout) {
    const LayoutGeometry& g = GeometryFor(layout);
    return {g.edgeMask.x, g.edgeMask.y, g.fullTile.width, g.fullTile.height};
}

Region DigitRegion(Layout layout, int digit) {
    const LayoutGeometry& g = GeometryFor(layout);
    return {g.digitFirst.x + g.digitSheetStepX * digit, g.digitFirst.y, g.digit.width,
            g.digit.height};
}

Region BackgroundRegion(Layout layout) {
    return GeometryFor(layout).background;
}
