// Surfaces and the three raster operations: exact results per pixel, and
// clipping at every edge of both surfaces, out to the ends of int.
#include "view/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

TEST(RasterTest, SurfacesAreBlackAndRefuseBadSizes) {
    for (const auto& [width, height] : {std::pair{3, 2}, {1, 3}, {4, 1}}) {
        Surface ok;
        ASSERT_TRUE(CreateSurface(&ok, width, height));
        EXPECT_EQ(std::vector<uint32_t>(ok.pixels, ok.pixels + width * height),
                  std::vector<uint32_t>(width * height, 0));
        DestroySurface(&ok);
        EXPECT_TRUE(IsEmptySurface(ok));
    }
    for (const auto& size : {std::pair{0, 5}, {5, 0}, {5, -1}, {INT_MIN, 1}, {65536, 32768}}) {
        Surface s{reinterpret_cast<uint32_t*>(16), 7, 7};
        EXPECT_FALSE(CreateSurface(&s, size.first, size.second));
        EXPECT_TRUE(s.pixels == nullptr && s.width == 0 && s.height == 0);
    }
}

TEST(RasterTest, OperationsCombineExactlyInsideTheClippedRectangle) {
    constexpr int DW = 12, DH = 7, SW = 9, SH = 6;
    const struct {
        int dx, dy, sx, sy, w, h;
    } cases[] = {{2, 1, 1, 2, 7, 3},
                 {-2, -1, 0, 0, 7, 4},
                 {8, 5, 0, 0, 7, 4},
                 {1, 6, 2, 0, 3, 3},  // one row left after clipping
                 {11, 0, 0, 0, 3, 3}, // one column
                 {0, 0, -2, -3, 7, 5},
                 {0, 0, 3, 4, 9, 9},
                 {-1, -2, -1, 1, 20, 20},
                 {12, 0, 0, 0, 3, 3},
                 {0, 0, 9, 0, 3, 3},
                 {0, 0, 0, 0, 0, 3},
                 {0, 0, 0, 0, 3, -1},
                 {INT_MIN, INT_MIN, 0, 0, INT_MAX, INT_MAX},
                 {INT_MAX, 0, 0, 0, INT_MAX, 3},
                 {0, 0, INT_MIN, INT_MIN, INT_MAX, INT_MAX}};
    const auto before = [](int x, int y) {
        return 0x5A3C96u ^ uint32_t(x * 0x010307 + y * 0x0A0B0C);
    };
    const auto source = [](int64_t x, int64_t y) { return 0x800000u | uint32_t(x << 11 | y); };
    for (const RasterOp op : {SRCCOPY, SRCAND, SRCPAINT}) {
        for (const auto& c : cases) {
            std::vector<uint32_t> dst(DW * DH), src(SW * SH);
            for (int i = 0; i < DW * DH; ++i)
                dst[i] = before(i % DW, i / DW);
            for (int i = 0; i < SW * SH; ++i)
                src[i] = source(i % SW, i / SW);
            Surface to{dst.data(), DW, DH};
            CopyRect(to, c.dx, c.dy, Surface{src.data(), SW, SH}, c.sx, c.sy, c.w, c.h, op);
            for (int i = 0; i < DW * DH; ++i) {
                const int x = i % DW, y = i / DW;
                const int64_t fx = int64_t{x} - c.dx + c.sx, fy = int64_t{y} - c.dy + c.sy;
                const bool inside = x >= c.dx && x - int64_t{c.dx} < c.w && y >= c.dy &&
                                    y - int64_t{c.dy} < c.h && fx >= 0 && fx < SW && fy >= 0 &&
                                    fy < SH;
                const uint32_t d = before(x, y), s = inside ? source(fx, fy) : 0;
                EXPECT_EQ(dst[i], !inside          ? d
                                  : op == SRCAND   ? (d & s)
                                  : op == SRCPAINT ? (d | s)
                                                   : s)
                    << "op " << op << ", case " << (&c - cases) << " at (" << x << ", " << y << ")";
            }
        }
    }
    uint32_t pixel = 0;
    Surface one{&pixel, 1, 1}, empty{nullptr, 4, 4};
    CopyRect(one, 0, 0, empty, 0, 0, 4, 4, SRCCOPY); // a surface without pixels copies nothing
    CopyRect(empty, 0, 0, one, 0, 0, 4, 4, SRCPAINT);
    EXPECT_EQ(pixel, 0u);
}
