// The blitter: clip once, then run the operation row by row. SRCCOPY rows
// are plain memcpy; the other two are block loops the compiler vectorises.
#include "view/raster.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// The part of a copy that survives clipping: offsets into the requested
// rectangle and the surviving size.
struct ClippedSpan {
    int64_t skip;
    int64_t length;
};

// Clips one axis. Positions and sizes are widened to 64 bits so that
// positions near INT_MIN or INT_MAX cannot overflow.
ClippedSpan ClipAxis(int64_t dstPos, int64_t dstLimit, int64_t srcPos, int64_t srcLimit,
                     int64_t length) {
    const int64_t skip = std::max({int64_t{0}, -dstPos, -srcPos});
    const int64_t end = std::min({length, dstLimit - dstPos, srcLimit - srcPos});
    return {skip, end - skip};
}

void CopyRows(uint32_t* dst, int dstStride, const uint32_t* src, int srcStride, int width,
              int height) {
    const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
    for (int y = 0; y < height; ++y) {
        std::memcpy(dst, src, bytes);
        dst += dstStride;
        src += srcStride;
    }
}

// SRCAND and SRCPAINT, row by row. Each row goes in blocks of four pixels
// whose fixed-length inner loop the compiler turns into one vector
// operation even at -O2 (the restrict pointers promise no overlap), then
// the last few pixels one by one.
constexpr int BLOCK = 4;

void AndRows(uint32_t* __restrict dst, int dstStride, const uint32_t* __restrict src, int srcStride,
             int width, int height) {
    for (int y = 0; y < height; ++y) {
        int x = 0;
        for (; x + BLOCK <= width; x += BLOCK) {
            for (int i = 0; i < BLOCK; ++i) {
                dst[x + i] &= src[x + i];
            }
        }
        for (; x < width; ++x) {
            dst[x] &= src[x];
        }
        dst += dstStride;
        src += srcStride;
    }
}

void OrRows(uint32_t* __restrict dst, int dstStride, const uint32_t* __restrict src, int srcStride,
            int width, int height) {
    for (int y = 0; y < height; ++y) {
        int x = 0;
        for (; x + BLOCK <= width; x += BLOCK) {
            for (int i = 0; i < BLOCK; ++i) {
                dst[x + i] |= src[x + i];
            }
        }
        for (; x < width; ++x) {
            dst[x] |= src[x];
        }
        dst += dstStride;
        src += srcStride;
    }
}

} // namespace

void CopyRect(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int width,
              int height, RasterOp op) {
    if (IsEmptySurface(dst) || IsEmptySurface(src)) {
        return;
    }
    const ClippedSpan cols = ClipAxis(dx, dst.width, sx, src.width, width);
    const ClippedSpan rows = ClipAxis(dy, dst.height, sy, src.height, height);
    if (cols.length <= 0 || rows.length <= 0) {
        return;
    }
    // After clipping every position lies inside its surface, so the offsets
    // fit the int-sized pixel count of a surface.
    uint32_t* to = dst.pixels + (dy + rows.skip) * dst.width + (dx + cols.skip);
    const uint32_t* from = src.pixels + (sy + rows.skip) * src.width + (sx + cols.skip);
    const int w = static_cast<int>(cols.length);
    const int h = static_cast<int>(rows.length);
    switch (op) {
    case SRCCOPY:
        CopyRows(to, dst.width, from, src.width, w, h);
        break;
    case SRCAND:
        AndRows(to, dst.width, from, src.width, w, h);
        break;
    case SRCPAINT:
        OrRows(to, dst.width, from, src.width, w, h);
        break;
    }
}
