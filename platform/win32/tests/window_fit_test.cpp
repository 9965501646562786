// Growing the main window when the system's decorations leave the client
// area smaller than the drawing.
#include "platform/win32/window_fit.h"

#include <gtest/gtest.h>

namespace {

constexpr WindowRect MINI_WINDOW = {395, 394, 490, 235};

bool SameRect(const WindowRect& a, const WindowRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

} // namespace

TEST(WindowFit, ClassicDecorationsKeepTheRequestedRectangle) {
    // 4-pixel frames, an 18-pixel caption and a 19-pixel menu bar leave
    // 482 x 189 inside 490 x 235.
    EXPECT_TRUE(SameRect(GrowToHoldClient(MINI_WINDOW, 482, 189, 470, 186), MINI_WINDOW));
    EXPECT_TRUE(SameRect(GrowToHoldClient(MINI_WINDOW, 470, 186, 470, 186), MINI_WINDOW));
}

TEST(WindowFit, LargerDecorationsGrowTheWindowAroundItsCentre) {
    const WindowRect taller = GrowToHoldClient(MINI_WINDOW, 480, 170, 470, 186);
    EXPECT_EQ(taller.width, 490);
    EXPECT_EQ(taller.height, 235 + 16);
    EXPECT_EQ(taller.x, 395);
    EXPECT_EQ(taller.y, 394 - 8);

    const WindowRect both = GrowToHoldClient(MINI_WINDOW, 465, 181, 470, 186);
    EXPECT_EQ(both.width, 495);
    EXPECT_EQ(both.height, 240);
    // An odd growth cannot be split evenly: the centre moves by half a pixel
    // at most.
    EXPECT_LE(std::abs((2 * both.x + both.width) - (2 * MINI_WINDOW.x + MINI_WINDOW.width)), 1);
    EXPECT_LE(std::abs((2 * both.y + both.height) - (2 * MINI_WINDOW.y + MINI_WINDOW.height)), 1);
}

TEST(WindowFit, AWindowPlacedOffScreenStaysWhereTheGameWantsIt) {
    // A screen narrower than the window gives a negative position; the fit
    // only adds what is missing and keeps it.
    const WindowRect offScreen = {-5, 0, 490, 235};
    EXPECT_TRUE(SameRect(GrowToHoldClient(offScreen, 482, 189, 470, 186), offScreen));
    EXPECT_EQ(GrowToHoldClient(offScreen, 482, 180, 470, 186).y, -3);
}
