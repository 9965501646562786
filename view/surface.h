// A 32-bit raster: the composed frame, the back buffer and the decoded
// sprite sheets. Pixels are 0x00RRGGBB, rows top-down, no padding between
// rows; the byte order matches a Windows 32-bit DIB and cairo's RGB24.
#pragma once

#include <cstdint>

struct Surface {
    uint32_t* pixels; // null for an empty surface
    int width;
    int height;
};

// Allocates a surface of the given size, all black; false when it cannot
// be made (the surface is then empty).
bool CreateSurface(Surface* surface, int width, int height);

// Frees the pixels and leaves the surface empty; an empty one is skipped.
void DestroySurface(Surface* surface);

inline bool IsEmptySurface(const Surface& surface) { return surface.pixels == nullptr; }
