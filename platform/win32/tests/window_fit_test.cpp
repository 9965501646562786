// Growing the main window when the system's decorations leave the client
// area smaller than the drawing.
#include "platform/win32/window_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

// The window grows by what the client area lacks, around its centre (half a
// pixel off for an odd growth); with enough room it stays as it is.
TEST(WindowFit, GrowsAroundItsCentreUntilTheClientHoldsTheDrawing) {
    const struct {
        WindowRect window;
        int clientWidth, clientHeight;
    } cases[] = {
        // 4-pixel frames, an 18-pixel caption and a 19-pixel menu bar leave
        // 482 x 189 inside 490 x 235.
        {{395, 394, 490, 235}, 482, 189},
        {{395, 394, 490, 235}, 470, 186},
        {{395, 394, 490, 235}, 480, 170},
        {{395, 394, 490, 235}, 465, 181},
        // A screen narrower than the window gives a negative position.
        {{-5, 0, 490, 235}, 482, 180},
    };
    for (const auto& c : cases) {
        const WindowRect& w = c.window;
        const WindowRect got = GrowToHoldClient(w, c.clientWidth, c.clientHeight, 470, 186);
        SCOPED_TRACE(testing::Message() << c.clientWidth << " x " << c.clientHeight);
        EXPECT_EQ(got.width, w.width + std::max(0, 470 - c.clientWidth));
        EXPECT_EQ(got.height, w.height + std::max(0, 186 - c.clientHeight));
        EXPECT_LE(std::abs((2 * got.x + got.width) - (2 * w.x + w.width)), 1);
        EXPECT_LE(std::abs((2 * got.y + got.height) - (2 * w.y + w.height)), 1);
    }
}
