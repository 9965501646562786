// Surfaces and the three raster operations: exact results per pixel, and
// clipping at every edge of both surfaces.
#include "tests/render/test_sheets.h"
#include "view/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

constexpr uint32_t UNTOUCHED = 0x00A5A5A5;

void Fill(Surface& s, uint32_t colour) {
    for (int i = 0; i < s.width * s.height; ++i) {
        s.pixels[i] = colour;
    }
}

// Source pixel (x, y) holds PositionColour(x, y); every destination pixel
// UNTOUCHED. Returns how many destination pixels changed, and checks that
// each changed one is the source pixel at (x - dx + sx, y - dy + sy).
int CopyAndCheck(int dstW, int dstH, int dx, int dy, int srcW, int srcH, int sx, int sy, int w,
                 int h) {
    TestSurface dst(dstW, dstH);
    TestSurface src(srcW, srcH);
    Fill(dst.surface, UNTOUCHED);
    for (int y = 0; y < srcH; ++y) {
        for (int x = 0; x < srcW; ++x) {
            src.surface.pixels[y * srcW + x] = PositionColour(x, y);
        }
    }
    CopyRect(dst.surface, dx, dy, src.surface, sx, sy, w, h, SRCCOPY);
    int changed = 0;
    for (int y = 0; y < dstH; ++y) {
        for (int x = 0; x < dstW; ++x) {
            // 64-bit, since the cases reach the ends of int.
            const int64_t fromX = int64_t{x} - dx + sx;
            const int64_t fromY = int64_t{y} - dy + sy;
            const bool inside = x >= dx && x < int64_t{dx} + w && y >= dy && y < int64_t{dy} + h &&
                                fromX >= 0 && fromX < srcW && fromY >= 0 && fromY < srcH;
            const uint32_t expected =
                inside ? PositionColour(static_cast<int>(fromX), static_cast<int>(fromY))
                       : UNTOUCHED;
            EXPECT_EQ(dst.at(x, y), expected) << "at (" << x << ", " << y << ")";
            changed += inside ? 1 : 0;
        }
    }
    return changed;
}

} // namespace

TEST(SurfaceTest, CreateGivesBlackPixelsAndRefusesBadSizes) {
    TestSurface ok(3, 2);
    ASSERT_FALSE(IsEmptySurface(ok.surface));
    EXPECT_EQ(ok.surface.width, 3);
    EXPECT_EQ(ok.surface.height, 2);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ok.surface.pixels[i], 0u);
    }

    const int bad[][2] = {{0, 5},        {5, 0}, {-1, 5}, {5, -1}, {INT_MIN, 1}, {INT_MAX, INT_MAX},
                          {65536, 65536}};
    for (const auto& size : bad) {
        Surface s{reinterpret_cast<uint32_t*>(16), 7, 7}; // stale contents are cleared
        EXPECT_FALSE(CreateSurface(&s, size[0], size[1])) << size[0] << "x" << size[1];
        EXPECT_TRUE(IsEmptySurface(s));
        EXPECT_EQ(s.width, 0);
        EXPECT_EQ(s.height, 0);
    }

    Surface s;
    ASSERT_TRUE(CreateSurface(&s, 1, 1));
    DestroySurface(&s);
    EXPECT_TRUE(IsEmptySurface(s));
    DestroySurface(&s); // an empty surface is skipped
}

TEST(RasterTest, OperationsCombinePixelsExactly) {
    TestSurface dst(2, 1);
    TestSurface src(2, 1);
    src.surface.pixels[0] = 0x00F0F00F;
    src.surface.pixels[1] = 0x00000000;

    dst.surface.pixels[0] = 0x00FF0F33;
    dst.surface.pixels[1] = 0x00123456;
    CopyRect(dst.surface, 0, 0, src.surface, 0, 0, 2, 1, SRCAND);
    EXPECT_EQ(dst.at(0, 0), 0x00F00003u);
    EXPECT_EQ(dst.at(1, 0), 0u);

    dst.surface.pixels[0] = 0x00FF0F33;
    dst.surface.pixels[1] = 0x00123456;
    CopyRect(dst.surface, 0, 0, src.surface, 0, 0, 2, 1, SRCPAINT);
    EXPECT_EQ(dst.at(0, 0), 0x00FFFF3Fu);
    EXPECT_EQ(dst.at(1, 0), 0x00123456u);

    CopyRect(dst.surface, 0, 0, src.surface, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), 0x00F0F00Fu);
    EXPECT_EQ(dst.at(1, 0), 0u);
}

TEST(RasterTest, MaskThenOverlayKeepsTheDestinationWhereTheMaskIsWhite) {
    // One row: mask white, black; sprite black, colour.
    TestSurface dst(2, 1);
    TestSurface mask(2, 1);
    TestSurface sprite(2, 1);
    dst.surface.pixels[0] = 0x00123456;
    dst.surface.pixels[1] = 0x00654321;
    mask.surface.pixels[0] = 0x00FFFFFF;
    sprite.surface.pixels[1] = 0x00ABCDEF;
    CopyRect(dst.surface, 0, 0, mask.surface, 0, 0, 2, 1, SRCAND);
    CopyRect(dst.surface, 0, 0, sprite.surface, 0, 0, 2, 1, SRCPAINT);
    EXPECT_EQ(dst.at(0, 0), 0x00123456u);
    EXPECT_EQ(dst.at(1, 0), 0x00ABCDEFu);
}

TEST(RasterTest, CopiesInsideAndClipsAtEveryEdge) {
    EXPECT_EQ(CopyAndCheck(8, 6, 2, 1, 5, 5, 1, 2, 3, 2), 6);     // fully inside
    EXPECT_EQ(CopyAndCheck(8, 6, -2, -1, 5, 5, 0, 0, 4, 3), 4);   // off the top-left
    EXPECT_EQ(CopyAndCheck(8, 6, 6, 4, 5, 5, 0, 0, 4, 4), 4);     // off the bottom-right
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, -2, -3, 4, 5), 4);   // source starts before its sheet
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, 3, 4, 4, 4), 2);     // source runs past its sheet
    EXPECT_EQ(CopyAndCheck(8, 6, -1, -2, 5, 5, -1, 1, 9, 9), 10); // clipped by both at once
}

TEST(RasterTest, CopiesThatMissEverythingChangeNothing) {
    EXPECT_EQ(CopyAndCheck(8, 6, 8, 0, 5, 5, 0, 0, 3, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 6, 5, 5, 0, 0, 3, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, -3, 0, 5, 5, 0, 0, 3, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, 5, 0, 3, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, 0, -3, 3, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, 0, 0, 0, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, 0, 0, 3, -1), 0);
    // Positions and sizes at the ends of int must not overflow.
    EXPECT_EQ(CopyAndCheck(8, 6, INT_MIN, INT_MIN, 5, 5, 0, 0, INT_MAX, INT_MAX), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, INT_MAX, 0, 5, 5, 0, 0, INT_MAX, 3), 0);
    EXPECT_EQ(CopyAndCheck(8, 6, 0, 0, 5, 5, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0);

    TestSurface dst(4, 4);
    Surface empty{nullptr, 0, 0};
    CopyRect(dst.surface, 0, 0, empty, 0, 0, 4, 4, SRCCOPY);
    CopyRect(empty, 0, 0, dst.surface, 0, 0, 4, 4, SRCPAINT);
    EXPECT_EQ(dst.at(0, 0), 0u);
}
