// From bitmap to sprite sheet: the decoder (exact pixels from good files, a
// named refusal for every kind of damage, no read outside the buffer in the
// sanitizer build), and loading the sheets.
#include "resources/resource_ids.h"
#include "tests/fake_desktop.h"
#include "view/bmp_reader.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Byte offsets of the fields the tests damage.
constexpr size_t PIXEL_OFFSET = 10, INFO_SIZE = 14, WIDTH = 18, HEIGHT = 22, PLANES = 26,
                 BIT_COUNT = 28, COMPRESSION = 30, COLOURS_USED = 46, PALETTE = 54,
                 PIXELS = PALETTE + 64;

// The standard 16 colours as 0x00RRGGBB, by palette index.
constexpr uint32_t COLOURS[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                  0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                  0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void Put(std::vector<unsigned char>& file, size_t offset, uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) {
        file[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// A valid 4-bit file as a paint program writes it, stored bottom-up (or
// top-down with a negative height), whose pixel (x, y), counted from the
// top, has palette index (x + 3 * y) % 16.
std::vector<unsigned char> BuildBmp4(int width, int height, bool topDown = false) {
    const size_t rowBytes = (static_cast<size_t>(width) * 4 + 31) / 32 * 4;
    std::vector<unsigned char> file(PIXELS + rowBytes * height, 0);
    Put(file, 0, 'B' | 'M' << 8, 2);
    Put(file, 2, static_cast<uint32_t>(file.size()));
    Put(file, PIXEL_OFFSET, PIXELS);
    Put(file, INFO_SIZE, 40);
    Put(file, WIDTH, static_cast<uint32_t>(width));
    Put(file, HEIGHT, static_cast<uint32_t>(topDown ? -height : height));
    Put(file, PLANES, 1, 2);
    Put(file, BIT_COUNT, 4, 2);
    Put(file, COLOURS_USED, 16);
    for (int i = 0; i < 16; ++i) {
        Put(file, PALETTE + 4 * i, COLOURS[i]); // blue, green, red, 0
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* row = file.data() + PIXELS + rowBytes * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            row[x / 2] |= static_cast<unsigned char>(((x + 3 * y) % 16) << (x % 2 == 0 ? 4 : 0));
        }
    }
    return file;
}

// Decodes a copy of the first length bytes in a block of exactly that size,
// so that any read past the end trips the address sanitizer.
BmpError DecodePrefix(const std::vector<unsigned char>& file, size_t length, int width = 0,
                      int height = 0) {
    std::vector<unsigned char> copy(file.begin(), file.begin() + static_cast<long>(length));
    Surface out;
    const BmpError error = DecodeBmp4(copy.data(), length, width, height, &out);
    EXPECT_EQ(IsEmptySurface(out), error != BMP_OK);
    DestroySurface(&out);
    return error;
}

} // namespace

TEST(BmpReaderTest, DecodesEveryPixelOfGoodFiles) {
    // An odd width ends a row on a high nibble, and 9 pixels need three
    // bytes of row padding; the pixels take all 16 colours.
    for (const bool topDown : {false, true}) {
        const std::vector<unsigned char> file = BuildBmp4(9, 4, topDown);
        Surface out;
        ASSERT_EQ(DecodeBmp4(file.data(), file.size(), 9, 4, &out), BMP_OK);
        ASSERT_EQ(out.width * 10 + out.height, 94);
        for (int i = 0; i < 36; ++i) {
            EXPECT_EQ(out.pixels[i], COLOURS[(i % 9 + 3 * (i / 9)) % 16]) << topDown << i;
        }
        DestroySurface(&out);
        for (size_t length = 0; length < file.size(); ++length) {
            EXPECT_EQ(DecodePrefix(file, length), BMP_TRUNCATED) << length;
        }
    }
    Surface out;
    EXPECT_EQ(DecodeBmp4(nullptr, 100, 0, 0, &out), BMP_TRUNCATED);
    EXPECT_EQ(DecodeBmp4(reinterpret_cast<const unsigned char*>("BX"), 2, 0, 0, &out), BMP_NOT_BMP);
}

TEST(BmpReaderTest, RefusesEachDamagedField) {
    const struct {
        size_t offset;
        uint32_t value;
        int bytes;
        BmpError expected;
    } cases[] = {{0, 'B' | ('X' << 8), 2, BMP_NOT_BMP},
                 {INFO_SIZE, 12, 4, BMP_BAD_HEADER},
                 {PLANES, 2, 2, BMP_BAD_PLANES},
                 {PLANES, 0x8001, 2, BMP_BAD_PLANES},
                 {PLANES, 0x0101, 2, BMP_BAD_PLANES},
                 {BIT_COUNT, 8, 2, BMP_WRONG_DEPTH},
                 {COMPRESSION, 2, 4, BMP_COMPRESSED},
                 {WIDTH, 0, 4, BMP_BAD_DIMENSIONS},
                 {WIDTH, 0xFFFFFFFFu, 4, BMP_BAD_DIMENSIONS},
                 {HEIGHT, 0, 4, BMP_BAD_DIMENSIONS},
                 {HEIGHT, 0x80000000u, 4, BMP_TOO_LARGE},
                 {WIDTH, 16385, 4, BMP_TOO_LARGE},
                 {WIDTH, 0x10007, 4, BMP_TOO_LARGE}, // each byte counts
                 {HEIGHT, 16385, 4, BMP_TOO_LARGE},
                 {HEIGHT, static_cast<uint32_t>(-16385), 4, BMP_TOO_LARGE},
                 {WIDTH, 16384, 4, BMP_TRUNCATED}, // the largest side, wider than the data
                 {HEIGHT, 16384, 4, BMP_TRUNCATED},
                 {HEIGHT, static_cast<uint32_t>(-16384), 4, BMP_TRUNCATED},
                 {HEIGHT, 4, 4, BMP_TRUNCATED},
                 {COLOURS_USED, 2, 4, BMP_WRONG_PALETTE},
                 {COLOURS_USED, 0, 4, BMP_OK}, // 0: all sixteen
                 {PALETTE + 4 * 15, 0xFFFFFE, 4, BMP_WRONG_PALETTE},
                 {PALETTE, 0x000001, 4, BMP_WRONG_PALETTE},
                 {PALETTE + 4 * 3 + 3, 0x7F, 1, BMP_OK}, // the reserved byte is not a colour
                 {PIXEL_OFFSET, PIXELS - 1, 4, BMP_BAD_PIXEL_OFFSET},
                 {PIXEL_OFFSET, 0xFFFFFFFFu, 4, BMP_TRUNCATED},
                 {PIXEL_OFFSET, PIXELS + 1, 4, BMP_TRUNCATED}};
    for (const auto& c : cases) {
        std::vector<unsigned char> file = BuildBmp4(7, 3); // rows of 4 bytes
        Put(file, c.offset, c.value, c.bytes);
        EXPECT_EQ(DecodePrefix(file, file.size()), c.expected) << c.offset << " " << c.value;
    }
    const std::vector<unsigned char> file = BuildBmp4(7, 3), dot = BuildBmp4(1, 1);
    EXPECT_EQ(DecodePrefix(dot, dot.size()), BMP_OK); // the smallest picture
    EXPECT_EQ(DecodePrefix(file, file.size(), 8, 3), BMP_WRONG_SIZE);
    EXPECT_EQ(DecodePrefix(file, file.size(), 7, 0), BMP_WRONG_SIZE);
}

// ---- The sheets ----------------------------------------------------------------

TEST(SpriteSheetsTest, BadSheetsStayEmptyWithOneLineEach) {
    ResetFakeDesktop();
    fakeDesktop.resources[IDB_TILES_MINI] = BuildBmp4(180, 225);
    testing::internal::CaptureStderr(); // the other three are missing
    LoadSpriteSheets();                 // the sheet loaded here goes when its bitmap does
    testing::internal::GetCapturedStderr();
    fakeDesktop.resources.clear();
    fakeDesktop.resources[IDB_PANEL_MINI] = BuildBmp4(170, 143);
    // 136 is missing; 138 has the size of another sheet; 139 is cut short.
    fakeDesktop.resources[IDB_PANEL_LARGE] = BuildBmp4(170, 143);
    fakeDesktop.resources[IDB_TILES_LARGE] = {'B', 'M', 0, 0};
    testing::internal::CaptureStderr();
    LoadSpriteSheets();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(panelSheetMini.width * 1000 + panelSheetMini.height, 170143);
    EXPECT_TRUE(IsEmptySurface(tileSheetMini) && IsEmptySurface(panelSheetLarge) &&
                IsEmptySurface(tileSheetLarge));
    EXPECT_EQ(errors,
              "tovrin: bitmap 136 (mini tile sheet) is missing\n"
              "tovrin: bitmap 138 (large panel sheet) not loaded: unexpected width or "
              "height\ntovrin: bitmap 139 (large tile sheet) not loaded: file is truncated\n");
    ReleaseSpriteSheets();
    EXPECT_TRUE(IsEmptySurface(panelSheetMini));
    ResetFakeDesktop();
}
