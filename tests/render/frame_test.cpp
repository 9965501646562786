// Composing frames from synthetic sheets whose every pixel tells where it
// came from: background tiling, panel order and offsets, the edge rule of
// the tiles, and frames with sheets missing. Then the committed sheets,
// which must keep the mask convention and plain backgrounds (skipped when
// they are not in the tree).
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "tests/fake_desktop.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr Layout LAYOUTS[] = {CMD_MINI, CMD_LARGE};

// A colour unique to each position, never black or white.
uint32_t PositionColour(int x, int y) {
    return 0x800000u | (static_cast<uint32_t>(x) << 11) | static_cast<uint32_t>(y);
}

uint32_t PixelAt(const Surface& s, int x, int y) {
    return s.pixels[y * s.width + x];
}

// Whether a pixel of a full tile cell lies outside the tile: the top-right
// and bottom-left triangles (edge, edge - 1, ... 1 pixels) and the
// bottom-right pixel.
bool IsTileCorner(Layout layout, int x, int y) {
    const LayoutGeometry& g = GeometryFor(layout);
    const int w = g.fullTile.width;
    const int h = g.fullTile.height;
    const int edge = w - g.pitch.width;
    const bool topRight = y < edge && x >= w - (edge - y);
    const bool bottomLeft = h - 1 - y < edge && x < edge - (h - 1 - y);
    return topRight || bottomLeft || (x == w - 1 && y == h - 1);
}

// Synthetic sheets of position colours in place of the four program-wide
// ones, for the length of a test. The tile sheets keep the mask convention:
// black in each cell's corners, the edge mask white there and black
// elsewhere.
struct SyntheticSheets {
    SyntheticSheets() {
        const struct {
            Surface* sheet;
            int width, height;
            Layout layout;
            bool tiles;
        } sheets[] = {
            {&panelSheetMini, 170, 143, CMD_MINI, false},
            {&tileSheetMini, 180, 225, CMD_MINI, true},
            {&panelSheetLarge, 380, 99, CMD_LARGE, false},
            {&tileSheetLarge, 360, 450, CMD_LARGE, true},
        };
        for (const auto& s : sheets) {
            DestroySurface(s.sheet);
            CreateSurface(s.sheet, s.width, s.height);
            const LayoutGeometry& g = GeometryFor(s.layout);
            for (int y = 0; y < s.height; ++y) {
                for (int x = 0; x < s.width; ++x) {
                    const int mx = x - g.edgeMask.x, my = y - g.edgeMask.y;
                    const bool mask = s.tiles && mx >= 0 && my >= 0 && mx < g.fullTile.width &&
                                      my < g.fullTile.height;
                    const bool corner = s.tiles && IsTileCorner(s.layout, x % g.fullTile.width,
                                                                y % g.fullTile.height);
                    s.sheet->pixels[y * s.width + x] = mask     ? (corner ? 0xFFFFFFu : 0u)
                                                       : corner ? 0u
                                                                : PositionColour(x, y);
                }
            }
        }
    }
    ~SyntheticSheets() { ReleaseSpriteSheets(); }
};

// A frame buffer, black to begin with.
struct TestSurface {
    std::vector<uint32_t> pixels;
    Surface surface;
    TestSurface(int width, int height)
        : pixels(static_cast<size_t>(width) * height), surface{pixels.data(), width, height} {}
    TestSurface(const TestSurface&) = delete;
    uint32_t at(int x, int y) const { return PixelAt(surface, x, y); }
};

// An empty board, or a full one whose codes run through all 72, highlighted
// included.
std::unique_ptr<GameState> State(Layout layout, bool full = false) {
    auto state = std::make_unique<GameState>();
    for (int i = 0; i < BOARD_CELLS; ++i) {
        state->cells[i] = full ? static_cast<TileCode>(i % 72) : EMPTY_CELL;
    }
    state->tilesLeft = full ? BOARD_CELLS : 0;
    state->layout = layout;
    return state;
}

uint32_t BackgroundAt(Layout layout, int x, int y) {
    const Region bg = BackgroundRegion(layout);
    return PixelAt(PanelSheetFor(layout), bg.x + x % bg.width, bg.y + y % bg.height);
}

// The frame at (x, y) + (dx, dy) for every pixel of a sheet region.
testing::AssertionResult AreaMatches(const Surface& frame, int x, int y, const Surface& sheet,
                                     Region from) {
    for (int dy = 0; dy < from.height; ++dy) {
        for (int dx = 0; dx < from.width; ++dx) {
            if (PixelAt(frame, x + dx, y + dy) != PixelAt(sheet, from.x + dx, from.y + dy)) {
                return testing::AssertionFailure()
                       << "differs at (" << x + dx << ", " << y + dy << ") from sheet ("
                       << from.x + dx << ", " << from.y + dy << ")";
            }
        }
    }
    return testing::AssertionSuccess();
}

// What a tile drawn in full at `at` leaves at pixel (dx, dy) of its cell:
// its own pixel on the tile, the background in the corners.
uint32_t FullTilePixel(Layout layout, TileCode code, Point at, int dx, int dy) {
    if (IsTileCorner(layout, dx, dy)) {
        return BackgroundAt(layout, at.x + dx, at.y + dy);
    }
    const Region from = TileCellRegion(layout, code);
    return PixelAt(TileSheetFor(layout), from.x + dx, from.y + dy);
}

// Whether a frame holds background, panel and nothing else.
bool IsBackgroundAndPanel(const TestSurface& frame, const GameState& state) {
    TestSurface expected(frame.surface.width, frame.surface.height);
    DrawBackground(expected.surface, state.layout, expected.surface.width, expected.surface.height);
    DrawPanel(expected.surface, state, Point{0, 0});
    return frame.pixels == expected.pixels;
}

} // namespace

// ---- Background and panel ----------------------------------------------------

TEST(FrameTest, BackgroundIsLaidFromTheBufferCornerWithoutTheOrigin) {
    SyntheticSheets sheets;
    for (const Layout layout : LAYOUTS) {
        TestSurface buffer(200, 150);
        // The panel and the board land far off the buffer.
        ComposeFrame(*State(layout), buffer.surface, 200, 150, Point{1000, 1000});
        for (int i = 0; i < 200 * 150; ++i) {
            ASSERT_EQ(buffer.pixels[i], BackgroundAt(layout, i % 200, i / 200)) << layout << i;
        }
    }
    // Mini pattern 30 x 30: a 40-wide frame gets copies at 0 and 30, the
    // second running on to x = 59; nothing starts past the frame.
    TestSurface buffer(100, 40);
    DrawBackground(buffer.surface, CMD_MINI, 40, 31);
    EXPECT_EQ(buffer.at(59, 39), BackgroundAt(CMD_MINI, 59, 39));
    EXPECT_EQ(buffer.at(60, 0), 0u);
}

TEST(FrameTest, PanelElementsAndCountersGoToTheirPlacesPlusTheOrigin) {
    SyntheticSheets sheets;
    const struct {
        Layout layout;
        Point at;
        Region from;
    } elements[] = {
        // The title's last row, y = 135, lies under the dragons drawn after it.
        {CMD_MINI, {15, 15}, {1, 1, 44, 120}},      {CMD_MINI, {10, 135}, {46, 61, 59, 46}},
        {CMD_MINI, {400, 15}, {46, 1, 68, 59}},     {CMD_MINI, {400, 80}, {115, 1, 50, 20}},
        {CMD_MINI, {400, 135}, {115, 24, 40, 20}},  {CMD_LARGE, {210, 20}, {1, 42, 48, 56}},
        {CMD_LARGE, {410, 20}, {50, 42, 55, 56}},   {CMD_LARGE, {80, 460}, {106, 42, 112, 44}},
        {CMD_LARGE, {380, 460}, {220, 42, 90, 42}},
    };
    // Every digit, leading zeros included.
    const struct {
        int tilesLeft;
        uint32_t seconds;
        int tileDigits[3];
        int timeDigits[4];
    } counters[] = {
        {72, 5, {0, 7, 2}, {0, 0, 0, 5}},
        {144, 9999, {1, 4, 4}, {9, 9, 9, 9}},
        {0, 0, {0, 0, 0}, {0, 0, 0, 0}},
    };
    const Point o{3, 2};
    for (const auto& c : counters) {
        for (const Layout layout : LAYOUTS) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", tiles " << c.tilesLeft
                                            << ", seconds " << c.seconds);
            auto state = State(layout);
            state->tilesLeft = c.tilesLeft;
            state->elapsedSeconds = c.seconds;
            TestSurface buffer(660, 520);
            ComposeFrame(*state, buffer.surface, 660, 520, o);
            const Surface& sheet = PanelSheetFor(layout);
            for (const auto& e : elements) {
                EXPECT_TRUE(e.layout != layout ||
                            AreaMatches(buffer.surface, e.at.x + o.x, e.at.y + o.y, sheet, e.from));
            }
            const auto expectDigits = [&](Point first, const int* digits, int count) {
                for (int i = 0; i < count; ++i) {
                    const int x = first.x + o.x + i * GeometryFor(layout).digit.width;
                    EXPECT_TRUE(AreaMatches(buffer.surface, x, first.y + o.y, sheet,
                                            DigitRegion(layout, digits[i])))
                        << "digit " << i;
                }
            };
            const bool mini = layout == CMD_MINI;
            expectDigits(mini ? Point{425, 105} : Point{200, 460}, c.tileDigits, 3);
            expectDigits(mini ? Point{410, 160} : Point{480, 460}, c.timeDigits, 4);
        }
    }
}

// ---- Tiles -----------------------------------------------------------------

// Tiles at (0, 0), (1, 0) and (0, 1) with (1, 1) empty: (0, 0) shows its
// sides only when the rule calls it open, and they would show through the
// top-right triangle of (0, 1), over the empty diagonal cell. A tile alone
// shows all of itself, and the background in its corners.
TEST(FrameTest, TilesShowTheirSidesOnlyWhereTheRightOrLowerNeighbourIsMissing) {
    SyntheticSheets sheets;
    const struct {
        TileCode right, below;
        bool sides;
    } cases[] = {
        {5, 6, false},
        {5 + HIGHLIGHT_OFFSET, 6, false}, // a highlighted neighbour is present too
        {5, 6 + HIGHLIGHT_OFFSET, false},
        {EMPTY_CELL, 6, true}, // only an empty cell opens a side
        {5, EMPTY_CELL, true},
        {EMPTY_CELL, EMPTY_CELL, true},
    };
    for (const Layout layout : LAYOUTS) {
        const LayoutGeometry& g = GeometryFor(layout);
        const Point at{g.boardOrigin.x + 2, g.boardOrigin.y + 3}; // origin (2, 3)
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << layout << ": " << c.right << ", " << c.below);
            auto state = State(layout);
            state->cells[CellIndex(0, 0)] = 3;
            state->cells[CellIndex(1, 0)] = c.right;
            state->cells[CellIndex(0, 1)] = c.below;
            TestSurface buffer(700, 520);
            ComposeFrame(*state, buffer.surface, 700, 520, Point{2, 3});
            const bool alone = c.right == EMPTY_CELL && c.below == EMPTY_CELL;
            // Alone, every pixel of the cell; else the face and the pixel just
            // right of it on the first row of (0, 1).
            for (int dy = 0; dy < g.fullTile.height; ++dy) {
                for (int dx = 0; dx < g.fullTile.width; ++dx) {
                    const bool face = dx < g.pitch.width && dy < g.pitch.height;
                    const bool probe = dx == g.pitch.width && dy == g.pitch.height;
                    if (alone || face || probe) {
                        EXPECT_EQ(buffer.at(at.x + dx, at.y + dy),
                                  c.sides || face ? FullTilePixel(layout, 3, at, dx, dy)
                                                  : BackgroundAt(layout, at.x + dx, at.y + dy))
                            << "at (" << dx << ", " << dy << ")";
                    }
                }
            }
        }
    }
}

// Column 17 and row 7 have no neighbour on one side, so they always show
// it; later tiles cover the sides of earlier ones, so every face shows.
TEST(FrameTest, FullBoardShowsFacesInsideAndSidesOnTheLastColumnAndRow) {
    SyntheticSheets sheets;
    for (const Layout layout : LAYOUTS) {
        auto state = State(layout, true);
        TestSurface buffer(700, 520);
        ComposeFrame(*state, buffer.surface, 700, 520, Point{0, 0});
        const Size pitch = GeometryFor(layout).pitch;
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            for (int row = 0; row < BOARD_ROWS; ++row) {
                SCOPED_TRACE(testing::Message() << layout << ", cell " << col << ", " << row);
                const TileCode code = state->cells[CellIndex(col, row)];
                const Point at = CellPosition(layout, col, row);
                EXPECT_TRUE(AreaMatches(buffer.surface, at.x, at.y, TileSheetFor(layout),
                                        TileFaceRegion(layout, code)));
                // A pixel of the right side, and one of the lower side.
                if (col == BOARD_COLUMNS - 1) {
                    EXPECT_EQ(buffer.at(at.x + pitch.width, at.y + pitch.height - 1),
                              FullTilePixel(layout, code, at, pitch.width, pitch.height - 1));
                }
                if (row == BOARD_ROWS - 1) {
                    EXPECT_EQ(buffer.at(at.x + pitch.width - 1, at.y + pitch.height),
                              FullTilePixel(layout, code, at, pitch.width - 1, pitch.height));
                }
            }
        }
    }
}

// An empty board, or a missing tile sheet, leaves background and panel
// only; a missing panel sheet leaves the tiles on the window's background,
// and the next frame's background covers the tiles taken off since; without
// sheets the frame is the window's background, and nothing breaks.
TEST(FrameTest, EmptyBoardsAndMissingSheetsLeaveTheirPartsUndrawn) {
    for (const Layout layout : LAYOUTS) {
        SCOPED_TRACE(layout);
        auto full = State(layout, true);
        const Point cell = CellPosition(layout, 5, 5);
        SyntheticSheets sheets;
        TestSurface frame(648, 504);
        ComposeFrame(*State(layout), frame.surface, 648, 504, Point{0, 0});
        EXPECT_TRUE(IsBackgroundAndPanel(frame, *State(layout)));
        Surface& tileSheet = layout == CMD_MINI ? tileSheetMini : tileSheetLarge;
        const Surface tiles = tileSheet;
        tileSheet = Surface{nullptr, 0, 0}; // missing for a moment
        ComposeFrame(*full, frame.surface, 648, 504, Point{0, 0});
        EXPECT_TRUE(IsBackgroundAndPanel(frame, *full));
        tileSheet = tiles;
        DestroySurface(layout == CMD_MINI ? &panelSheetMini : &panelSheetLarge);
        TestSurface noPanel(648, 504);
        ComposeFrame(*full, noPanel.surface, 648, 504, Point{0, 0});
        EXPECT_EQ(noPanel.at(0, 0), WINDOW_BACKGROUND);
        EXPECT_TRUE(AreaMatches(noPanel.surface, cell.x, cell.y, tiles,
                                TileFaceRegion(layout, full->cells[CellIndex(5, 5)])));
        ComposeFrame(*State(layout), noPanel.surface, 648, 504, Point{0, 0});
        EXPECT_EQ(noPanel.pixels, std::vector<uint32_t>(648 * 504, WINDOW_BACKGROUND));
        ReleaseSpriteSheets();
        TestSurface nothing(648, 504);
        ComposeFrame(*full, nothing.surface, 648, 504, Point{0, 0});
        EXPECT_EQ(nothing.pixels, std::vector<uint32_t>(648 * 504, WINDOW_BACKGROUND));
    }
}

// ---- The committed art -------------------------------------------------------

// The committed sheets load without a word. Their backgrounds are plain:
// white in mini, teal in large. The edge mask is white exactly in the
// corners, where every tile cell is black, so that mask and overlay leave
// the background there.
TEST(FrameArtTest, CommittedSheetsLoadWithPlainBackgroundsAndBlackCornersUnderTheMask) {
    if (FindEmbeddedResource(IDB_TILES_LARGE).IsEmpty()) {
        GTEST_SKIP() << "the sprite sheets are not in the tree";
    }
    ResetFakeDesktop();
    for (const int id : {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE}) {
        const ResourceData data = FindEmbeddedResource(id);
        fakeDesktop.resources[id].assign(data.bytes, data.bytes + data.size);
    }
    testing::internal::CaptureStderr();
    LoadSpriteSheets();
    LoadSpriteSheets(); // loading again replaces the sheets without a leak
    ASSERT_EQ(testing::internal::GetCapturedStderr(), "");
    for (const Layout layout : LAYOUTS) {
        const Region bg = BackgroundRegion(layout);
        for (int i = 0; i < bg.width * bg.height; ++i) {
            ASSERT_EQ(BackgroundAt(layout, i % bg.width, i / bg.width),
                      layout == CMD_MINI ? 0xFFFFFFu : 0x008080u)
                << layout << " at " << i;
        }
        const Surface& sheet = TileSheetFor(layout);
        const Region mask = EdgeMaskRegion(layout);
        for (int dy = 0; dy < mask.height; ++dy) {
            for (int dx = 0; dx < mask.width; ++dx) {
                const bool corner = IsTileCorner(layout, dx, dy);
                ASSERT_EQ(PixelAt(sheet, mask.x + dx, mask.y + dy), corner ? 0xFFFFFFu : 0u)
                    << "mask of layout " << layout << " at (" << dx << ", " << dy << ")";
                for (TileCode code = 0; corner && code < 2 * FACE_COUNT; ++code) {
                    const Region cell = TileCellRegion(layout, code);
                    ASSERT_EQ(PixelAt(sheet, cell.x + dx, cell.y + dy), 0u)
                        << "code " << code << " of layout " << layout << " at (" << dx << ", " << dy
                        << ")";
                }
            }
        }
    }
    ReleaseSpriteSheets();
    ResetFakeDesktop();
}
