// Frames from the committed sprite sheets: the art must keep the mask
// convention for every code, and the backgrounds must be plain. Skipped
// when the sheets are not in the tree.
#include "tests/render/test_sheets.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Layout LAYOUTS[] = {CMD_MINI, CMD_LARGE};

std::unique_ptr<GameState> StateWithOneTile(Layout layout, TileCode code) {
    auto state = std::make_unique<GameState>();
    state->cells.fill(EMPTY_CELL);
    state->cells[CellIndex(0, 0)] = code;
    state->layout = layout;
    return state;
}

} // namespace

TEST(FrameArtTest, BackgroundsArePlainFromTheTopLeft) {
    InstalledSheets sheets(REAL_SHEETS);
    if (!sheets.loaded()) {
        GTEST_SKIP() << "the sprite sheets are not in the tree";
    }
    const struct {
        Layout layout;
        uint32_t colour;
    } cases[] = {{CMD_MINI, 0xFFFFFF}, {CMD_LARGE, 0x008080}};
    for (const auto& c : cases) {
        const Size limits = GeometryFor(c.layout).drawingLimits;
        TestSurface buffer(limits.width, limits.height);
        DrawBackground(buffer.surface, c.layout, limits.width, limits.height);
        for (int y = 0; y < limits.height; ++y) {
            for (int x = 0; x < limits.width; ++x) {
                ASSERT_EQ(buffer.at(x, y), c.colour)
                    << c.layout << " at (" << x << ", " << y << ")";
            }
        }
    }
}

// Over a buffer of all different colours, drawing one tile in full must
// keep every pixel where the mask is white and show the cell elsewhere.
TEST(FrameArtTest, MaskAndOverlayKeepTheCornersForEveryCode) {
    InstalledSheets sheets(REAL_SHEETS);
    if (!sheets.loaded()) {
        GTEST_SKIP() << "the sprite sheets are not in the tree";
    }
    for (const Layout layout : LAYOUTS) {
        const LayoutGeometry& g = GeometryFor(layout);
        const Surface& sheet = TileSheetFor(layout);
        const Region mask = EdgeMaskRegion(layout);
        const Point at = g.boardOrigin;
        for (TileCode code = 0; code < 2 * FACE_COUNT; ++code) {
            TestSurface buffer(g.drawingLimits.width, g.drawingLimits.height);
            for (int y = 0; y < buffer.surface.height; ++y) {
                for (int x = 0; x < buffer.surface.width; ++x) {
                    buffer.surface.pixels[y * buffer.surface.width + x] = PositionColour(x, y);
                }
            }
            DrawTiles(buffer.surface, *StateWithOneTile(layout, code), Point{0, 0});
            const Region cell = TileCellRegion(layout, code);
            for (int dy = 0; dy < g.fullTile.height; ++dy) {
                for (int dx = 0; dx < g.fullTile.width; ++dx) {
                    const uint32_t maskPixel = PixelAt(sheet, mask.x + dx, mask.y + dy);
                    ASSERT_TRUE(maskPixel == 0 || maskPixel == 0xFFFFFF);
                    ASSERT_EQ(maskPixel == 0xFFFFFF, IsTileCorner(layout, dx, dy))
                        << "mask of layout " << layout << " at (" << dx << ", " << dy << ")";
                    const uint32_t expected = maskPixel == 0xFFFFFF
                                                  ? PositionColour(at.x + dx, at.y + dy)
                                                  : PixelAt(sheet, cell.x + dx, cell.y + dy);
                    ASSERT_EQ(buffer.at(at.x + dx, at.y + dy), expected)
                        << "code " << code << " of layout " << layout << " at (" << dx << ", " << dy
                        << ")";
                }
            }
        }
    }
}
