// Decoding the sprite sheets: 4-bit, uncompressed Windows bitmaps with the
// standard 16-colour palette, as whole files (file header included) held in
// memory.
#pragma once

#include "model/game_state.h"
#include "view/surface.h"

#include <cstddef>

enum BmpError {
    BMP_OK,
    BMP_TRUNCATED,        // the buffer ends before the headers, palette or pixels
    BMP_NOT_BMP,          // no "BM" signature
    BMP_BAD_HEADER,       // info header other than the 40-byte BITMAPINFOHEADER
    BMP_BAD_PLANES,       // plane count other than 1
    BMP_WRONG_DEPTH,      // not 4 bits per pixel
    BMP_COMPRESSED,       // compression other than BI_RGB
    BMP_BAD_DIMENSIONS,   // zero or negative width, zero height
    BMP_TOO_LARGE,        // sides beyond what a sheet can be
    BMP_WRONG_SIZE,       // not the size the caller expects
    BMP_WRONG_PALETTE,    // colour table other than the standard 16 colours
    BMP_BAD_PIXEL_OFFSET, // pixel data inside the headers or the palette
    BMP_OUT_OF_MEMORY,    // the surface could not be allocated
};

// Any size is accepted when both expected sides are this value.
constexpr int BMP_ANY_SIZE = 0;

// Decodes the bitmap into a new surface (0x00RRGGBB, top-down). With
// expected sides other than BMP_ANY_SIZE, a bitmap of another size is
// refused. On any error the surface is left empty. Never reads outside
// bytes[0, size).
BmpError DecodeBmp4(const unsigned char* bytes, size_t size, int expectedWidth, int expectedHeight,
                    Surface* out);
BmpError DecodeBmp4(ResourceData data, int expectedWidth, int expectedHeight, Surface* out);

// A short English description of the error, for diagnostics.
const char* BmpErrorText(BmpError error);
