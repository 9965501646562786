// Composing frames from synthetic sheets whose every pixel tells where it
// came from: background tiling, panel order and offsets, the edge rule of
// the tiles, and frames with sheets missing.
#include "tests/render/test_sheets.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<GameState> EmptyState(Layout layout) {
    auto state = std::make_unique<GameState>();
    state->cells.fill(EMPTY_CELL);
    state->layout = layout;
    return state;
}

// Every cell holds a tile; codes run through all 72, highlighted included.
std::unique_ptr<GameState> FullState(Layout layout) {
    auto state = EmptyState(layout);
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        for (int row = 0; row < BOARD_ROWS; ++row) {
            state->cells[CellIndex(col, row)] = (col + 18 * row) % 72;
        }
    }
    state->tilesLeft = BOARD_CELLS;
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

// What a tile drawn in full leaves at pixel (dx, dy) of its cell: its own
// pixel on the tile, the background in the corners.
uint32_t FullTilePixel(Layout layout, TileCode code, Point cell, int dx, int dy) {
    if (IsTileCorner(layout, dx, dy)) {
        return BackgroundAt(layout, cell.x + dx, cell.y + dy);
    }
    const Region from = TileCellRegion(layout, code);
    return PixelAt(TileSheetFor(layout), from.x + dx, from.y + dy);
}

void ExpectCounter(const Surface& frame, Layout layout, Point first,
                   std::initializer_list<int> digits) {
    int x = first.x;
    for (const int digit : digits) {
        EXPECT_TRUE(
            AreaMatches(frame, x, first.y, PanelSheetFor(layout), DigitRegion(layout, digit)))
            << "digit " << digit << " at x = " << x;
        x += GeometryFor(layout).digit.width;
    }
}

constexpr Layout LAYOUTS[] = {CMD_MINI, CMD_LARGE};

} // namespace

// ---- Background --------------------------------------------------------------

TEST(FrameTest, BackgroundIsLaidFromTheBufferCornerWithoutTheOrigin) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        TestSurface buffer(200, 150);
        // The panel and the board land far off the buffer.
        ComposeFrame(*EmptyState(layout), buffer.surface, 200, 150, Point{1000, 1000});
        for (int y = 0; y < 150; ++y) {
            for (int x = 0; x < 200; ++x) {
                ASSERT_EQ(buffer.at(x, y), BackgroundAt(layout, x, y))
                    << layout << " at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(FrameTest, BackgroundCopiesStartOnlyInsideTheFrame) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    // Mini pattern 30 x 30: a 40-wide frame gets columns of copies at 0
    // and 30, the second one running on to x = 59.
    TestSurface buffer(100, 40);
    DrawBackground(buffer.surface, CMD_MINI, 40, 31);
    EXPECT_EQ(buffer.at(59, 0), BackgroundAt(CMD_MINI, 59, 0));
    EXPECT_EQ(buffer.at(60, 0), 0u);
    EXPECT_EQ(buffer.at(0, 39), BackgroundAt(CMD_MINI, 0, 39));

    TestSurface untouched(100, 40);
    DrawBackground(untouched.surface, CMD_LARGE, 0, 40);
    DrawBackground(untouched.surface, CMD_LARGE, 100, 0);
    EXPECT_EQ(untouched.at(0, 0), 0u);

    // A frame larger than the buffer is cut off at the buffer's edge.
    TestSurface small(50, 20);
    DrawBackground(small.surface, CMD_LARGE, 5000, 5000);
    EXPECT_EQ(small.at(49, 19), BackgroundAt(CMD_LARGE, 49, 19));
}

// ---- Panel -----------------------------------------------------------------

TEST(FrameTest, PanelElementsAreCopiedToTheirPlacesPlusTheOrigin) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    const Point origin{3, 2};
    TestSurface mini(480, 200);
    ComposeFrame(*EmptyState(CMD_MINI), mini.surface, 480, 200, origin);
    const Surface& miniSheet = panelSheetMini;
    // The title's last row, y = 135, lies under the dragons drawn after it.
    EXPECT_TRUE(AreaMatches(mini.surface, 18, 17, miniSheet, {1, 1, 44, 120}));
    EXPECT_TRUE(AreaMatches(mini.surface, 13, 137, miniSheet, {46, 61, 59, 46}));
    EXPECT_TRUE(AreaMatches(mini.surface, 403, 17, miniSheet, {46, 1, 68, 59}));
    EXPECT_TRUE(AreaMatches(mini.surface, 403, 82, miniSheet, {115, 1, 50, 20}));
    EXPECT_TRUE(AreaMatches(mini.surface, 403, 137, miniSheet, {115, 24, 40, 20}));

    TestSurface large(660, 520);
    ComposeFrame(*EmptyState(CMD_LARGE), large.surface, 660, 520, origin);
    const Surface& largeSheet = panelSheetLarge;
    EXPECT_TRUE(AreaMatches(large.surface, 213, 22, largeSheet, {1, 42, 48, 56}));
    EXPECT_TRUE(AreaMatches(large.surface, 413, 22, largeSheet, {50, 42, 55, 56}));
    EXPECT_TRUE(AreaMatches(large.surface, 83, 462, largeSheet, {106, 42, 112, 44}));
    EXPECT_TRUE(AreaMatches(large.surface, 383, 462, largeSheet, {220, 42, 90, 42}));
}

TEST(FrameTest, CountersShowEveryDigitWithLeadingZeros) {
    struct Case {
        int tilesLeft;
        uint32_t seconds;
        std::initializer_list<int> tileDigits;
        std::initializer_list<int> timeDigits;
    };
    const Case cases[] = {
        {72, 5, {0, 7, 2}, {0, 0, 0, 5}},
        {144, 9999, {1, 4, 4}, {9, 9, 9, 9}},
        {0, 0, {0, 0, 0}, {0, 0, 0, 0}},
        {108, 1370, {1, 0, 8}, {1, 3, 7, 0}},
    };
    for (const SheetSource source : {SYNTHETIC_SHEETS, REAL_SHEETS}) {
        InstalledSheets sheets(source);
        if (!sheets.loaded()) {
            continue; // the committed art is not in the tree
        }
        for (const Case& c : cases) {
            for (const Layout layout : LAYOUTS) {
                auto state = EmptyState(layout);
                state->tilesLeft = c.tilesLeft;
                state->elapsedSeconds = c.seconds;
                TestSurface buffer(660, 520);
                ComposeFrame(*state, buffer.surface, 660, 520, Point{0, 0});
                SCOPED_TRACE(testing::Message()
                             << "source " << source << ", layout " << layout << ", tiles "
                             << c.tilesLeft << ", seconds " << c.seconds);
                const bool mini = layout == CMD_MINI;
                ExpectCounter(buffer.surface, layout, mini ? Point{425, 105} : Point{200, 460},
                              c.tileDigits);
                ExpectCounter(buffer.surface, layout, mini ? Point{410, 160} : Point{480, 460},
                              c.timeDigits);
            }
        }
    }
}

// ---- Tiles -----------------------------------------------------------------

TEST(FrameTest, ALoneTileIsDrawnInFullAndTheCornersShowTheBackground) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        auto state = EmptyState(layout);
        state->cells[CellIndex(4, 2)] = 40;
        const Point origin{2, 3};
        TestSurface buffer(700, 520);
        ComposeFrame(*state, buffer.surface, 700, 520, origin);
        const Point cell = CellPosition(layout, 4, 2);
        const Point at{cell.x + origin.x, cell.y + origin.y};
        const Size size = GeometryFor(layout).fullTile;
        for (int dy = 0; dy < size.height; ++dy) {
            for (int dx = 0; dx < size.width; ++dx) {
                EXPECT_EQ(buffer.at(at.x + dx, at.y + dy), FullTilePixel(layout, 40, at, dx, dy))
                    << layout << " at (" << dx << ", " << dy << ")";
            }
        }
    }
}

// Tiles at (0, 0), (1, 0) and (0, 1) with (1, 1) empty: (0, 0) shows its
// sides only when the rule calls it open, and they would show through the
// top-right triangle of (0, 1), over the empty diagonal cell.
bool LowerRightCornerShowsSides(Layout layout, TileCode right, TileCode below) {
    auto state = EmptyState(layout);
    state->cells[CellIndex(0, 0)] = 3;
    state->cells[CellIndex(1, 0)] = right;
    state->cells[CellIndex(0, 1)] = below;
    TestSurface buffer(700, 520);
    ComposeFrame(*state, buffer.surface, 700, 520, Point{0, 0});
    const LayoutGeometry& g = GeometryFor(layout);
    const Point origin = g.boardOrigin;
    EXPECT_TRUE(AreaMatches(buffer.surface, origin.x, origin.y, TileSheetFor(layout),
                            TileFaceRegion(layout, 3)));
    // The pixel just right of the face on the first row of (0, 1), inside
    // its top-right triangle.
    const int x = origin.x + g.pitch.width;
    const int y = origin.y + g.pitch.height;
    const uint32_t seen = buffer.at(x, y);
    if (seen == BackgroundAt(layout, x, y)) {
        return false;
    }
    EXPECT_EQ(seen, FullTilePixel(layout, 3, origin, g.pitch.width, g.pitch.height));
    return true;
}

TEST(FrameTest, PresentRightAndLowerNeighboursGiveAFaceOnlyTileEvenWithAnEmptyDiagonal) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        SCOPED_TRACE(layout);
        EXPECT_FALSE(LowerRightCornerShowsSides(layout, 5, 6));
        // A highlighted neighbour is present too.
        EXPECT_FALSE(LowerRightCornerShowsSides(layout, 5 + HIGHLIGHT_OFFSET, 6));
        EXPECT_FALSE(LowerRightCornerShowsSides(layout, 5, 6 + HIGHLIGHT_OFFSET));
        // Only an empty cell opens a side.
        EXPECT_TRUE(LowerRightCornerShowsSides(layout, EMPTY_CELL, 6));
        EXPECT_TRUE(LowerRightCornerShowsSides(layout, 5, EMPTY_CELL));
    }
}

TEST(FrameTest, FullBoardShowsFacesInsideAndSidesOnTheLastColumnAndRow) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        SCOPED_TRACE(layout);
        auto state = FullState(layout);
        TestSurface buffer(700, 520);
        ComposeFrame(*state, buffer.surface, 700, 520, Point{0, 0});
        const LayoutGeometry& g = GeometryFor(layout);
        // Every face, since later tiles cover the sides of earlier ones.
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            for (int row = 0; row < BOARD_ROWS; ++row) {
                const Point at = CellPosition(layout, col, row);
                EXPECT_TRUE(AreaMatches(buffer.surface, at.x, at.y, TileSheetFor(layout),
                                        TileFaceRegion(layout, state->cells[CellIndex(col, row)])))
                    << "cell " << col << ", " << row;
            }
        }
        // The right sides of column 17, down to where the next row begins.
        // Below row 0 the top-right triangle shows the tile above, not the
        // background, so those rows are left out.
        const int edge = g.fullTile.width - g.pitch.width;
        for (int row = 0; row < BOARD_ROWS; ++row) {
            const TileCode code = state->cells[CellIndex(17, row)];
            const Point at = CellPosition(layout, 17, row);
            for (int dy = row == 0 ? 0 : edge; dy < g.pitch.height; ++dy) {
                for (int dx = g.pitch.width; dx < g.fullTile.width; ++dx) {
                    ASSERT_EQ(buffer.at(at.x + dx, at.y + dy),
                              FullTilePixel(layout, code, at, dx, dy))
                        << "row " << row << " at (" << dx << ", " << dy << ")";
                }
            }
        }
        // The lower sides of row 7, up to where the next column begins; the
        // bottom-left triangle shows the tile to the left after column 0.
        for (int col = 0; col < BOARD_COLUMNS; ++col) {
            const TileCode code = state->cells[CellIndex(col, 7)];
            const Point at = CellPosition(layout, col, 7);
            for (int dy = g.pitch.height; dy < g.fullTile.height; ++dy) {
                for (int dx = col == 0 ? 0 : edge; dx < g.pitch.width; ++dx) {
                    ASSERT_EQ(buffer.at(at.x + dx, at.y + dy),
                              FullTilePixel(layout, code, at, dx, dy))
                        << "column " << col << " at (" << dx << ", " << dy << ")";
                }
            }
        }
    }
}

// ---- Whole frames ----------------------------------------------------------

bool SameFrame(const TestSurface& a, const TestSurface& b) {
    for (int i = 0; i < a.surface.width * a.surface.height; ++i) {
        if (a.surface.pixels[i] != b.surface.pixels[i]) {
            return false;
        }
    }
    return true;
}

TEST(FrameTest, AnEmptyBoardDrawsBackgroundAndPanelOnly) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        auto state = EmptyState(layout);
        state->tilesLeft = 0;
        state->elapsedSeconds = 321;
        TestSurface composed(648, 504);
        ComposeFrame(*state, composed.surface, 648, 504, Point{0, 0});
        TestSurface expected(648, 504);
        DrawBackground(expected.surface, layout, 648, 504);
        DrawPanel(expected.surface, *state, Point{0, 0});
        EXPECT_TRUE(SameFrame(composed, expected)) << layout;
        const Point corner = GeometryFor(layout).boardOrigin;
        EXPECT_EQ(composed.at(corner.x, corner.y), BackgroundAt(layout, corner.x, corner.y));
    }
}

TEST(FrameTest, MissingSheetsLeaveTheirPartsUndrawn) {
    for (const Layout layout : LAYOUTS) {
        auto state = FullState(layout);
        const Point cell = CellPosition(layout, 5, 5);
        {
            InstalledSheets sheets(SYNTHETIC_SHEETS);
            DestroySurface(layout == CMD_MINI ? &tileSheetMini : &tileSheetLarge);
            TestSurface composed(648, 504);
            ComposeFrame(*state, composed.surface, 648, 504, Point{0, 0});
            TestSurface expected(648, 504);
            DrawBackground(expected.surface, layout, 648, 504);
            DrawPanel(expected.surface, *state, Point{0, 0});
            EXPECT_TRUE(SameFrame(composed, expected)) << layout;
        }
        {
            InstalledSheets sheets(SYNTHETIC_SHEETS);
            DestroySurface(layout == CMD_MINI ? &panelSheetMini : &panelSheetLarge);
            TestSurface composed(648, 504);
            ComposeFrame(*state, composed.surface, 648, 504, Point{0, 0});
            EXPECT_EQ(composed.at(0, 0), 0u) << layout;
            EXPECT_TRUE(AreaMatches(composed.surface, cell.x, cell.y, TileSheetFor(layout),
                                    TileFaceRegion(layout, state->cells[CellIndex(5, 5)])));
        }
        {
            InstalledSheets none(SYNTHETIC_SHEETS);
            ReleaseSpriteSheets();
            TestSurface composed(648, 504);
            ComposeFrame(*state, composed.surface, 648, 504, Point{0, 0});
            EXPECT_EQ(composed.at(cell.x, cell.y), 0u) << layout;
        }
    }
}

TEST(FrameTest, BuffersSmallerThanTheLayoutAreCutOff) {
    InstalledSheets sheets(SYNTHETIC_SHEETS);
    for (const Layout layout : LAYOUTS) {
        auto state = FullState(layout);
        state->elapsedSeconds = 9999;
        // Nothing may be written outside the buffers (the sanitizer build
        // watches).
        TestSurface tiny(90, 100);
        ComposeFrame(*state, tiny.surface, 470, 186, Point{0, 0});
        EXPECT_EQ(tiny.at(0, 0), BackgroundAt(layout, 0, 0));
        ComposeFrame(*state, tiny.surface, 470, 186, Point{-300, -200});
        Surface none{nullptr, 0, 0};
        ComposeFrame(*state, none, 470, 186, Point{0, 0});
    }
}
