// The bitmap decoder: exact pixels from good files, a named refusal for
// every kind of damage, and no read outside the buffer whatever it holds
// (the sanitizer build runs these too).
#include "tests/render/bmp_builder.h"
#include "tests/render/test_sheets.h"
#include "view/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

namespace {

// Decodes a copy of the first length bytes held in a block of exactly that
// size, so that any read past the end trips the address sanitizer.
BmpError DecodePrefix(const std::vector<unsigned char>& file, size_t length, int expectedWidth = 0,
                      int expectedHeight = 0) {
    unsigned char* copy = static_cast<unsigned char*>(std::malloc(length == 0 ? 1 : length));
    if (length > 0) {
        std::memcpy(copy, file.data(), length);
    }
    Surface out;
    const BmpError error = DecodeBmp4(copy, length, expectedWidth, expectedHeight, &out);
    EXPECT_EQ(IsEmptySurface(out), error != BMP_OK);
    DestroySurface(&out);
    std::free(copy);
    return error;
}

BmpError Decode(const std::vector<unsigned char>& file, int expectedWidth = 0,
                int expectedHeight = 0) {
    return DecodePrefix(file, file.size(), expectedWidth, expectedHeight);
}

void ExpectPixels(const std::vector<unsigned char>& file, int width, int height) {
    Surface out;
    ASSERT_EQ(DecodeBmp4(file.data(), file.size(), width, height, &out), BMP_OK);
    ASSERT_EQ(out.width, width);
    ASSERT_EQ(out.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(PixelAt(out, x, y), STANDARD_COLOURS[IndexAt(x, y)])
                << "at (" << x << ", " << y << ")";
        }
    }
    DestroySurface(&out);
}

} // namespace

TEST(BmpReaderTest, DecodesEveryPaletteColourAtItsPlace) {
    // Odd widths end a row on a high nibble and need row padding.
    ExpectPixels(BuildBmp4(16, 3), 16, 3);
    ExpectPixels(BuildBmp4(5, 4), 5, 4);
    ExpectPixels(BuildBmp4(1, 1), 1, 1);
    ExpectPixels(BuildBmp4(9, 2, /*topDown=*/true), 9, 2);

    // Any size is accepted only when both sides are left open.
    EXPECT_EQ(Decode(BuildBmp4(7, 3)), BMP_OK);
    EXPECT_EQ(Decode(BuildBmp4(7, 3), 7, 0), BMP_WRONG_SIZE);
}

TEST(BmpReaderTest, RefusesEachDamagedField) {
    struct Damage {
        const char* what;
        size_t offset;
        uint32_t value;
        int bytes;
        BmpError expected;
    };
    const uint32_t minusOne = 0xFFFFFFFFu;
    const Damage cases[] = {
        {"magic", 0, 'B' | ('X' << 8), 2, BMP_NOT_BMP},
        {"OS/2 header", BMP_INFO_SIZE_FIELD, 12, 4, BMP_BAD_HEADER},
        {"V5 header", BMP_INFO_SIZE_FIELD, 124, 4, BMP_BAD_HEADER},
        {"planes", BMP_PLANES_FIELD, 2, 2, BMP_BAD_PLANES},
        {"1 bpp", BMP_BIT_COUNT_FIELD, 1, 2, BMP_WRONG_DEPTH},
        {"8 bpp", BMP_BIT_COUNT_FIELD, 8, 2, BMP_WRONG_DEPTH},
        {"24 bpp", BMP_BIT_COUNT_FIELD, 24, 2, BMP_WRONG_DEPTH},
        {"RLE4", BMP_COMPRESSION_FIELD, 2, 4, BMP_COMPRESSED},
        {"bitfields", BMP_COMPRESSION_FIELD, 3, 4, BMP_COMPRESSED},
        {"zero width", BMP_WIDTH_FIELD, 0, 4, BMP_BAD_DIMENSIONS},
        {"negative width", BMP_WIDTH_FIELD, minusOne, 4, BMP_BAD_DIMENSIONS},
        {"zero height", BMP_HEIGHT_FIELD, 0, 4, BMP_BAD_DIMENSIONS},
        {"INT_MIN height", BMP_HEIGHT_FIELD, 0x80000000u, 4, BMP_TOO_LARGE},
        {"huge width", BMP_WIDTH_FIELD, 0x7FFFFFFFu, 4, BMP_TOO_LARGE},
        {"huge height", BMP_HEIGHT_FIELD, 0x7FFFFFFFu, 4, BMP_TOO_LARGE},
        {"huge top-down height", BMP_HEIGHT_FIELD, static_cast<uint32_t>(-20000), 4, BMP_TOO_LARGE},
        {"taller than the data", BMP_HEIGHT_FIELD, 5, 4, BMP_TRUNCATED},
        {"wider than the data", BMP_WIDTH_FIELD, 16, 4, BMP_TRUNCATED},
        {"2-colour table", BMP_COLOURS_USED_FIELD, 2, 4, BMP_WRONG_PALETTE},
        {"palette entry 7", BMP_PALETTE + 4 * 7, 0x00C0C0C1, 4, BMP_WRONG_PALETTE},
        {"palette entry 15", BMP_PALETTE + 4 * 15, 0x00FFFFFE, 4, BMP_WRONG_PALETTE},
        {"pixels inside palette", BMP_PIXEL_OFFSET_FIELD, BMP_PIXELS - 4, 4, BMP_BAD_PIXEL_OFFSET},
        {"pixels past the end", BMP_PIXEL_OFFSET_FIELD, 4000, 4, BMP_TRUNCATED},
        {"pixels far past the end", BMP_PIXEL_OFFSET_FIELD, minusOne, 4, BMP_TRUNCATED},
        {"pixels one row late", BMP_PIXEL_OFFSET_FIELD, BMP_PIXELS + 4, 4, BMP_TRUNCATED},
    };
    for (const Damage& d : cases) {
        std::vector<unsigned char> file = BuildBmp4(7, 3); // rows of 4 bytes
        if (d.bytes == 2) {
            PutU16(file, d.offset, static_cast<uint16_t>(d.value));
        } else {
            PutU32(file, d.offset, d.value);
        }
        EXPECT_EQ(Decode(file), d.expected) << d.what;
    }

    // The reserved byte of a palette entry is not a colour.
    std::vector<unsigned char> file = BuildBmp4(7, 3);
    file[BMP_PALETTE + 4 * 3 + 3] = 0x7F;
    EXPECT_EQ(Decode(file), BMP_OK);
}

TEST(BmpReaderTest, RefusesAnUnexpectedSize) {
    const std::vector<unsigned char> file = BuildBmp4(20, 10);
    EXPECT_EQ(Decode(file, 20, 10), BMP_OK);
    EXPECT_EQ(Decode(file, 21, 10), BMP_WRONG_SIZE);
    EXPECT_EQ(Decode(file, 20, 9), BMP_WRONG_SIZE);
    EXPECT_EQ(Decode(BuildBmp4(20, 10, /*topDown=*/true), 20, 10), BMP_OK);
}

TEST(BmpReaderTest, RefusesEveryTruncationOfAGoodFile) {
    for (const bool topDown : {false, true}) {
        const std::vector<unsigned char> file = BuildBmp4(13, 9, topDown);
        for (size_t length = 0; length < file.size(); ++length) {
            EXPECT_EQ(DecodePrefix(file, length), BMP_TRUNCATED) << length;
        }
        EXPECT_EQ(DecodePrefix(file, file.size()), BMP_OK);
    }
    Surface out;
    EXPECT_EQ(DecodeBmp4(nullptr, 100, 0, 0, &out), BMP_TRUNCATED);
    EXPECT_EQ(DecodeBmp4(ResourceData{nullptr, 0}, 170, 143, &out), BMP_TRUNCATED);
}

TEST(BmpReaderTest, SurvivesGarbageAndRandomDamage) {
    std::mt19937 random(20240607);
    // Pure garbage, now and then behind a real signature and header size.
    for (int round = 0; round < 3000; ++round) {
        std::vector<unsigned char> junk(random() % 300);
        for (unsigned char& byte : junk) {
            byte = static_cast<unsigned char>(random());
        }
        if (junk.size() >= 18 && round % 2 == 0) {
            junk[0] = 'B';
            junk[1] = 'M';
            PutU32(junk, BMP_INFO_SIZE_FIELD, 40);
        }
        EXPECT_NE(Decode(junk), BMP_OK) << round;
    }
    // A good file with a few bytes changed decodes or is refused, safely.
    const std::vector<unsigned char> good = BuildBmp4(11, 6);
    for (int round = 0; round < 3000; ++round) {
        std::vector<unsigned char> file = good;
        for (int hits = 1 + random() % 4; hits > 0; --hits) {
            file[random() % BMP_PIXELS] = static_cast<unsigned char>(random());
        }
        Decode(file);
    }
}
