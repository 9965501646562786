// Hit testing at the borders of both layouts, and window placement.
#include "view/layout.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutTest, HitTestBordersOfBothLayouts) {
    const struct {
        Layout layout;
        int x, y;
        std::vector<int> cell; // empty: none
    } cases[] = {
        {CMD_MINI, 80, 7, {0, 0}},    {CMD_MINI, 96, 28, {0, 0}},
        {CMD_MINI, 97, 29, {1, 1}},   {CMD_MINI, 385, 182, {17, 7}},
        {CMD_MINI, 80, 95, {0, 4}},   {CMD_MINI, 386, 100, {}},
        {CMD_MINI, 79, 100, {}},      {CMD_MINI, 200, 183, {}},
        {CMD_MINI, 200, 6, {}},       {CMD_MINI, -32768, 100, {}},
        {CMD_LARGE, 30, 90, {0, 0}},  {CMD_LARGE, 63, 133, {0, 0}},
        {CMD_LARGE, 64, 134, {1, 1}}, {CMD_LARGE, 641, 441, {17, 7}},
        {CMD_LARGE, 642, 200, {}},    {CMD_LARGE, 300, 442, {}},
        {CMD_LARGE, 29, 200, {}},     {CMD_LARGE, 300, 89, {}},
        {0, 30, 90, {0, 0}},          {0, 80, 7, {}} // any other value is large
    };
    for (const auto& c : cases) {
        const auto cell = HitTestCell(c.layout, c.x, c.y);
        const std::vector<int> got =
            cell ? std::vector<int>{cell->col, cell->row} : std::vector<int>();
        EXPECT_EQ(got, c.cell) << c.layout << " (" << c.x << ", " << c.y << ")";
    }
}

TEST(LayoutTest, WindowIsCentredEvenOnASmallScreen) {
    const struct {
        Layout layout;
        int screenWidth, screenHeight;
        std::vector<int> placement;
    } cases[] = {
        {CMD_MINI, 1280, 1024, {395, 394, 490, 235, 470, 186}},
        {CMD_LARGE, 1281, 1025, {290, 227, 700, 570, 648, 504}},
        {CMD_MINI, 480, 200, {-5, -17, 490, 235, 470, 186}},
        {CMD_MINI, 489, 236, {0, 0, 490, 235, 470, 186}} // -1 / 2 truncates to 0
    };
    for (const auto& c : cases) {
        const WindowPlacement p = PlacementFor(c.layout, c.screenWidth, c.screenHeight);
        EXPECT_EQ(
            (std::vector<int>{p.x, p.y, p.width, p.height, p.minClientWidth, p.minClientHeight}),
            c.placement);
    }
}

} // namespace
