// Hit testing at the borders of both layouts, and window placement.
#include "view/layout.h"

#include <gtest/gtest.h>

namespace {

struct HitCase {
    int x;
    int y;
    int col; // -1: none
    int row;
};

void ExpectHits(Layout layout, std::initializer_list<HitCase> cases) {
    for (const HitCase& c : cases) {
        const auto cell = HitTestCell(layout, c.x, c.y);
        if (c.col < 0) {
            EXPECT_FALSE(cell.has_value()) << "(" << c.x << ", " << c.y << ")";
            continue;
        }
        ASSERT_TRUE(cell.has_value()) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(cell->col, c.col) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(cell->row, c.row) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST(LayoutTest, MiniHitTestBorders) {
    ExpectHits(CMD_MINI, {
                             {80, 7, 0, 0},
                             {96, 28, 0, 0},
                             {97, 29, 1, 1},
                             {385, 182, 17, 7},
                             {386, 100, -1, 0},
                             {79, 100, -1, 0},
                             {200, 183, -1, 0},
                             {200, 6, -1, 0},
                             {387, 50, -1, 0}, // edge strip right of column 17
                             {388, 50, -1, 0},
                             {80, 7 + 4 * 22 + 1, 0, 4}, // edge strip below row 3
                             {-1, -1, -1, 0},
                             {-32768, 100, -1, 0},
                         });
}

TEST(LayoutTest, LargeHitTestBorders) {
    ExpectHits(CMD_LARGE, {
                              {30, 90, 0, 0},
                              {63, 133, 0, 0},
                              {64, 134, 1, 1},
                              {641, 441, 17, 7},
                              {642, 200, -1, 0},
                              {300, 442, -1, 0},
                              {29, 200, -1, 0},
                              {300, 89, -1, 0},
                              {-5, 100, -1, 0},
                          });
    // Any value other than the mini id selects the large layout.
    EXPECT_TRUE(HitTestCell(0, 30, 90).has_value());
    EXPECT_FALSE(HitTestCell(0, 80, 7).has_value());
}

TEST(LayoutTest, WindowIsCentredEvenOnASmallScreen) {
    const WindowPlacement mini = PlacementFor(CMD_MINI, 1280, 1024);
    EXPECT_EQ(mini.x, 395);
    EXPECT_EQ(mini.y, 394);
    EXPECT_EQ(mini.width, 490);
    EXPECT_EQ(mini.height, 235);
    EXPECT_EQ(mini.minClientWidth, 470);
    EXPECT_EQ(mini.minClientHeight, 186);

    const WindowPlacement large = PlacementFor(CMD_LARGE, 1281, 1025);
    EXPECT_EQ(large.x, 290);
    EXPECT_EQ(large.y, 227);
    EXPECT_EQ(large.width, 700);
    EXPECT_EQ(large.height, 570);
    EXPECT_EQ(large.minClientWidth, 648);
    EXPECT_EQ(large.minClientHeight, 504);

    EXPECT_EQ(PlacementFor(CMD_MINI, 480, 200).x, -5);
    EXPECT_EQ(PlacementFor(CMD_MINI, 480, 200).y, -17);
    EXPECT_EQ(PlacementFor(CMD_MINI, 489, 235).x, 0); // -1 / 2 truncates to 0
}

TEST(LayoutTest, CellsAndPanelStayInsideTheDrawingLimits) {
    for (Layout layout : {CMD_MINI, CMD_LARGE}) {
        const LayoutGeometry& g = GeometryFor(layout);
        const Point last = CellPosition(layout, BOARD_COLUMNS - 1, BOARD_ROWS - 1);
        EXPECT_LE(last.x + g.fullTile.width, g.drawingLimits.width);
        EXPECT_LE(last.y + g.fullTile.height, g.drawingLimits.height);
        const auto inside = [&](Point p, int width, int height) {
            return p.x >= 0 && p.y >= 0 && p.x + width <= g.drawingLimits.width &&
                   p.y + height <= g.drawingLimits.height;
        };
        for (int i = 0; i < g.panelBeforeCount; ++i) {
            const PanelElement& e = g.panelBefore[i];
            EXPECT_TRUE(inside(e.position, e.source.width, e.source.height)) << i;
        }
        const Point lastDigit = {g.timeCounter.first.x + 3 * g.digit.width,
                                 g.timeCounter.first.y};
        EXPECT_TRUE(inside(lastDigit, g.digit.width, g.digit.height));
    }
}

} // namespace
