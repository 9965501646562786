// Small 4-bit BMP files built in memory, for feeding the decoder good and
// damaged input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Byte offsets of the fields the tests damage.
constexpr size_t BMP_PIXEL_OFFSET_FIELD = 10;
constexpr size_t BMP_INFO_SIZE_FIELD = 14;
constexpr size_t BMP_WIDTH_FIELD = 18;
constexpr size_t BMP_HEIGHT_FIELD = 22;
constexpr size_t BMP_PLANES_FIELD = 26;
constexpr size_t BMP_BIT_COUNT_FIELD = 28;
constexpr size_t BMP_COMPRESSION_FIELD = 30;
constexpr size_t BMP_COLOURS_USED_FIELD = 46;
constexpr size_t BMP_PALETTE = 54;
constexpr size_t BMP_PIXELS = BMP_PALETTE + 64;

// The standard 16 colours as 0x00RRGGBB, by palette index.
extern const uint32_t STANDARD_COLOURS[16];

// A valid file, stored bottom-up (or top-down with a negative height),
// whose pixel (x, y), counted from the top, has palette index
// IndexAt(x, y) = (x + 3 * y) % 16.
std::vector<unsigned char> BuildBmp4(int width, int height, bool topDown = false);
int IndexAt(int x, int y);

void PutU16(std::vector<unsigned char>& file, size_t offset, uint16_t value);
void PutU32(std::vector<unsigned char>& file, size_t offset, uint32_t value);
