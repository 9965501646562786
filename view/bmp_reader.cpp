// The 4-bit bitmap decoder. Every header field is checked before the pixels
// are touched, and every offset is checked against the buffer in 64-bit
// arithmetic, so that a damaged file is refused instead of read past.
#include "view/bmp_reader.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr int PALETTE_ENTRIES = 16;
constexpr size_t PALETTE_OFFSET = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
constexpr size_t PALETTE_END = PALETTE_OFFSET + 4 * PALETTE_ENTRIES;
constexpr uint32_t BI_RGB = 0;

// Far above any sheet, far below anything that could overflow a stride or
// a surface's pixel count.
constexpr int MAX_SIDE = 16384;

// The standard 16-colour palette, by index, as 0x00RRGGBB.
constexpr uint32_t STANDARD_PALETTE[PALETTE_ENTRIES] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

uint16_t ReadU16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t ReadI32(const unsigned char* p) {
    return static_cast<int32_t>(ReadU32(p));
}

// What the headers say, once they have been found consistent.
struct BmpLayout {
    int width;
    int height;
    bool bottomUp;
    uint64_t pixelOffset;
    uint64_t rowBytes; // each row padded to a multiple of 4 bytes
};

BmpError CheckHeaders(const unsigned char* bytes, size_t size, BmpLayout* layout) {
    if (size < 2) {
        return BMP_TRUNCATED;
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        return BMP_NOT_BMP;
    }
    // The headers and the palette, whole, before any field is read.
    if (size < PALETTE_END) {
        return BMP_TRUNCATED;
    }
    if (ReadU32(bytes + FILE_HEADER_SIZE) != INFO_HEADER_SIZE) {
        return BMP_BAD_HEADER;
    }
    const unsigned char* info = bytes + FILE_HEADER_SIZE;
    const int32_t width = ReadI32(info + 4);
    const int32_t height = ReadI32(info + 8);
    const uint16_t planes = ReadU16(info + 12);
    const uint16_t bitCount = ReadU16(info + 14);
    const uint32_t compression = ReadU32(info + 16);
    const uint32_t coloursUsed = ReadU32(info + 32);
    if (planes != 1) {
        return BMP_BAD_PLANES;
    }
    if (bitCount != 4) {
        return BMP_WRONG_DEPTH;
    }
    if (compression != BI_RGB) {
        return BMP_COMPRESSED;
    }
    if (width <= 0 || height == 0) {
        return BMP_BAD_DIMENSIONS;
    }
    // A negative height marks a top-down bitmap; INT_MIN has no positive
    // counterpart and is far too large anyway.
    if (height == INT32_MIN || width > MAX_SIDE || height > MAX_SIDE || -height > MAX_SIDE) {
        return BMP_TOO_LARGE;
    }
    if (coloursUsed != 0 && coloursUsed != PALETTE_ENTRIES) {
        return BMP_WRONG_PALETTE;
    }
    layout->width = width;
    layout->height = std::abs(height);
    layout->bottomUp = height > 0;
    // The file-size field at offset 2 is not trusted (some writers leave it
    // 0); the pixel range is checked against the real buffer instead.
    layout->pixelOffset = ReadU32(bytes + 10);
    layout->rowBytes = (static_cast<uint64_t>(width) * 4 + 31) / 32 * 4;
    return BMP_OK;
}

// The headers' check has seen the whole palette in the buffer.
BmpError CheckPalette(const unsigned char* bytes) {
    // Entries are blue, green, red and a reserved byte; writers disagree
    // on the reserved byte, and it never reaches the screen, so it is not
    // compared.
    for (int i = 0; i < PALETTE_ENTRIES; ++i) {
        const unsigned char* entry = bytes + PALETTE_OFFSET + 4 * i;
        const uint32_t rgb = (static_cast<uint32_t>(entry[2]) << 16) |
                             (static_cast<uint32_t>(entry[1]) << 8) | entry[0];
        if (rgb != STANDARD_PALETTE[i]) {
            return BMP_WRONG_PALETTE;
        }
    }
    return BMP_OK;
}

void DecodePixels(const unsigned char* bytes, const BmpLayout& layout, Surface& surface) {
    const unsigned char* rows = bytes + layout.pixelOffset;
    for (int stored = 0; stored < layout.height; ++stored) {
        const unsigned char* from = rows + static_cast<uint64_t>(stored) * layout.rowBytes;
        const int y = layout.bottomUp ? layout.height - 1 - stored : stored;
        uint32_t* to = surface.pixels + static_cast<int64_t>(y) * surface.width;
        // Two pixels a byte, the left one in the high nibble.
        for (int x = 0; x < layout.width; ++x) {
            const unsigned char pair = from[x / 2];
            const int index = (x % 2 == 0) ? (pair >> 4) : (pair & 0x0F);
            to[x] = STANDARD_PALETTE[index];
        }
    }
}

} // namespace

BmpError DecodeBmp4(const unsigned char* bytes, size_t size, int expectedWidth, int expectedHeight,
                    Surface* out) {
    *out = Surface{};
    if (bytes == nullptr) {
        return BMP_TRUNCATED;
    }
    BmpLayout layout;
    BmpError error = CheckHeaders(bytes, size, &layout);
    if (error != BMP_OK) {
        return error;
    }
    const bool anySize = expectedWidth == BMP_ANY_SIZE && expectedHeight == BMP_ANY_SIZE;
    if (!anySize && (layout.width != expectedWidth || layout.height != expectedHeight)) {
        return BMP_WRONG_SIZE;
    }
    error = CheckPalette(bytes);
    if (error != BMP_OK) {
        return error;
    }
    if (layout.pixelOffset < PALETTE_END) {
        return BMP_BAD_PIXEL_OFFSET;
    }
    const uint64_t pixelBytes = layout.rowBytes * static_cast<uint64_t>(layout.height);
    if (layout.pixelOffset > size || pixelBytes > size - layout.pixelOffset) {
        return BMP_TRUNCATED;
    }
    if (!CreateSurface(out, layout.width, layout.height)) {
        return BMP_OUT_OF_MEMORY;
    }
    DecodePixels(bytes, layout, *out);
    return BMP_OK;
}

BmpError DecodeBmp4(ResourceData data, int expectedWidth, int expectedHeight, Surface* out) {
    return DecodeBmp4(data.bytes, data.size, expectedWidth, expectedHeight, out);
}

const char* BmpErrorText(BmpError error) {
    switch (error) {
    case BMP_OK:
        return "no error";
    case BMP_TRUNCATED:
        return "file is truncated";
    case BMP_NOT_BMP:
        return "not a BMP file";
    case BMP_BAD_HEADER:
        return "unsupported info header (expected the 40-byte BITMAPINFOHEADER)";
    case BMP_BAD_PLANES:
        return "plane count is not 1";
    case BMP_WRONG_DEPTH:
        return "not 4 bits per pixel";
    case BMP_COMPRESSED:
        return "compressed (expected BI_RGB)";
    case BMP_BAD_DIMENSIONS:
        return "zero or negative width or height";
    case BMP_TOO_LARGE:
        return "dimensions too large";
    case BMP_WRONG_SIZE:
        return "unexpected width or height";
    case BMP_WRONG_PALETTE:
        return "palette is not the standard 16 colours";
    case BMP_BAD_PIXEL_OFFSET:
        return "pixel data offset inside the headers";
    case BMP_OUT_OF_MEMORY:
        return "out of memory";
    }
    return "unknown error";
}
