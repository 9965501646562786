// Surfaces and the three raster operations: exact results per pixel, and
// clipping at every edge of both surfaces.
#include "view/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

TEST(SurfaceTest, CreateGivesBlackPixelsAndRefusesBadSizes) {
    Surface ok;
    ASSERT_TRUE(CreateSurface(&ok, 3, 2));
    EXPECT_EQ(ok.width * ok.height, 6);
    EXPECT_EQ(std::vector<uint32_t>(ok.pixels, ok.pixels + 6), std::vector<uint32_t>(6, 0));
    DestroySurface(&ok);
    EXPECT_TRUE(IsEmptySurface(ok));
    const int bad[][2] = {{0, 5}, {5, -1}, {INT_MIN, 1}, {INT_MAX, INT_MAX}, {65536, 65536}};
    for (const auto& size : bad) {
        Surface s{reinterpret_cast<uint32_t*>(16), 7, 7}; // stale contents are cleared
        EXPECT_FALSE(CreateSurface(&s, size[0], size[1])) << size[0] << "x" << size[1];
        EXPECT_TRUE(IsEmptySurface(s));
        EXPECT_EQ(s.width + s.height, 0);
    }
}

// Every operation, on a destination and a source of all different pixels,
// copied inside, clipped at each edge of either surface, or missing both.
// Widths of five and more also take the four-pixel blocks of SRCAND and
// SRCPAINT.
TEST(RasterTest, OperationsCombineExactlyInsideTheClippedRectangle) {
    constexpr int DW = 12, DH = 7, SW = 9, SH = 6;
    const struct {
        int dx, dy, sx, sy, w, h;
    } cases[] = {
        {2, 1, 1, 2, 7, 3},                         // fully inside
        {-2, -1, 0, 0, 7, 4},                       // off the destination's top-left
        {8, 5, 0, 0, 7, 4},                         // off its bottom-right
        {0, 0, -2, -3, 7, 5},                       // source starts before its sheet
        {0, 0, 3, 4, 9, 9},                         // source runs past its sheet
        {-1, -2, -1, 1, 20, 20},                    // clipped by both at once
        {12, 0, 0, 0, 3, 3},                        // right of the destination
        {0, -3, 0, 0, 3, 3},                        // above it
        {0, 0, 9, 0, 3, 3},                         // right of the source
        {0, 0, 0, 0, 0, 3},                         // no width
        {0, 0, 0, 0, 3, -1},                        // negative height
        {INT_MIN, INT_MIN, 0, 0, INT_MAX, INT_MAX}, // no overflow at the ends of int
        {INT_MAX, 0, 0, 0, INT_MAX, 3},
        {0, 0, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    };
    const auto before = [](int x, int y) {
        return 0x5A3C96u ^ static_cast<uint32_t>(x * 0x010307 + y * 0x0A0B0C);
    };
    const auto source = [](int x, int y) { return 0x800000u | static_cast<uint32_t>(x << 11 | y); };
    for (const RasterOp op : {SRCCOPY, SRCAND, SRCPAINT}) {
        for (const auto& c : cases) {
            std::vector<uint32_t> dstPixels(DW * DH), srcPixels(SW * SH);
            for (int i = 0; i < DW * DH; ++i) {
                dstPixels[i] = before(i % DW, i / DW);
            }
            for (int i = 0; i < SW * SH; ++i) {
                srcPixels[i] = source(i % SW, i / SW);
            }
            Surface dst{dstPixels.data(), DW, DH};
            CopyRect(dst, c.dx, c.dy, Surface{srcPixels.data(), SW, SH}, c.sx, c.sy, c.w, c.h, op);
            for (int y = 0; y < DH; ++y) {
                for (int x = 0; x < DW; ++x) {
                    // 64-bit, since the cases reach the ends of int.
                    const int64_t fromX = int64_t{x} - c.dx + c.sx;
                    const int64_t fromY = int64_t{y} - c.dy + c.sy;
                    const bool inside = x >= c.dx && x - int64_t{c.dx} < c.w && y >= c.dy &&
                                        y - int64_t{c.dy} < c.h && fromX >= 0 && fromX < SW &&
                                        fromY >= 0 && fromY < SH;
                    const uint32_t d = before(x, y);
                    const uint32_t s = inside ? source(int(fromX), int(fromY)) : 0;
                    const uint32_t expected = !inside          ? d
                                              : op == SRCAND   ? (d & s)
                                              : op == SRCPAINT ? (d | s)
                                                               : s;
                    EXPECT_EQ(dstPixels[y * DW + x], expected)
                        << "op " << op << ", case " << (&c - cases) << " at (" << x << ", " << y
                        << ")";
                }
            }
        }
    }
    // An empty surface on either side copies nothing.
    uint32_t pixel = 0;
    Surface one{&pixel, 1, 1};
    Surface empty{nullptr, 0, 0};
    CopyRect(one, 0, 0, empty, 0, 0, 4, 4, SRCCOPY);
    CopyRect(empty, 0, 0, one, 0, 0, 4, 4, SRCPAINT);
    EXPECT_EQ(pixel, 0u);
}
