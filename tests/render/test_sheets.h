// Sprite sheets for the frame tests, installed in the program-wide sheet
// variables for the length of a test.
//
// Synthetic sheets give every pixel a colour unique to its position (never
// black or white), so a copy from the wrong place or to the wrong place
// shows up as a wrong pixel. The tile sheets keep the mask convention:
// black in each cell's corner pixels, the edge mask white there and black
// elsewhere.
#pragma once

#include "view/layout.h"
#include "view/surface.h"

#include <cstdint>

uint32_t PositionColour(int x, int y);

// Whether a pixel of a full tile cell lies outside the tile: the top-right
// and bottom-left triangles (edge, edge - 1, ... 1 pixels) and the
// bottom-right pixel.
bool IsTileCorner(Layout layout, int x, int y);

enum SheetSource { SYNTHETIC_SHEETS, REAL_SHEETS };

// Puts the sheets in place of the four program-wide ones and frees them
// when it goes out of scope. Real sheets come from the embedded bitmaps;
// loaded() says whether all four were there.
struct InstalledSheets {
    explicit InstalledSheets(SheetSource source);
    ~InstalledSheets();
    InstalledSheets(const InstalledSheets&) = delete;
    InstalledSheets& operator=(const InstalledSheets&) = delete;
    bool loaded() const;
};

// A surface that frees itself, for the frames of the tests.
struct TestSurface {
    Surface surface{nullptr, 0, 0};
    TestSurface(int width, int height);
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;
    uint32_t at(int x, int y) const { return surface.pixels[y * surface.width + x]; }
};

inline uint32_t PixelAt(const Surface& s, int x, int y) {
    return s.pixels[y * s.width + x];
}
