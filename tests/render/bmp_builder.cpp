// Writes 4-bit BMP files the way a paint program would: 14-byte file
// header, BITMAPINFOHEADER, 16-entry palette, rows padded to 4 bytes.
#include "tests/render/bmp_builder.h"

const uint32_t STANDARD_COLOURS[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

int IndexAt(int x, int y) {
    return (x + 3 * y) % 16;
}

std::vector<unsigned char> BuildBmp4(int width, int height, bool topDown) {
    const size_t rowBytes = (static_cast<size_t>(width) * 4 + 31) / 32 * 4;
    std::vector<unsigned char> file(BMP_PIXELS + rowBytes * height, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(file, 2, static_cast<uint32_t>(file.size()));
    PutU32(file, BMP_PIXEL_OFFSET_FIELD, BMP_PIXELS);
    PutU32(file, BMP_INFO_SIZE_FIELD, 40);
    PutU32(file, BMP_WIDTH_FIELD, static_cast<uint32_t>(width));
    PutU32(file, BMP_HEIGHT_FIELD, static_cast<uint32_t>(topDown ? -height : height));
    PutU16(file, BMP_PLANES_FIELD, 1);
    PutU16(file, BMP_BIT_COUNT_FIELD, 4);
    PutU32(file, 34, static_cast<uint32_t>(rowBytes * height));
    PutU32(file, BMP_COLOURS_USED_FIELD, 16);
    for (int i = 0; i < 16; ++i) {
        file[BMP_PALETTE + 4 * i] = static_cast<unsigned char>(STANDARD_COLOURS[i]);
        file[BMP_PALETTE + 4 * i + 1] = static_cast<unsigned char>(STANDARD_COLOURS[i] >> 8);
        file[BMP_PALETTE + 4 * i + 2] = static_cast<unsigned char>(STANDARD_COLOURS[i] >> 16);
    }
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        unsigned char* row = file.data() + BMP_PIXELS + rowBytes * stored;
        for (int x = 0; x < width; ++x) {
            const int index = IndexAt(x, y);
            row[x / 2] |= static_cast<unsigned char>(x % 2 == 0 ? index << 4 : index);
        }
    }
    return file;
}

void PutU16(std::vector<unsigned char>& file, size_t offset, uint16_t value) {
    file[offset] = static_cast<unsigned char>(value);
    file[offset + 1] = static_cast<unsigned char>(value >> 8);
}

void PutU32(std::vector<unsigned char>& file, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        file[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}
