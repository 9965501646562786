// Putting the file header back in front of a bitmap resource: where the
// pixels start depends on the header kind, the depth, the colours used and
// colour masks.
#include "platform/win32/bitmap_file_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

uint32_t Little(const std::vector<unsigned char>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void Put(std::vector<unsigned char>& bytes, size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// A packed DIB with a 12- or 40-byte header followed by `rest` bytes of
// colour table, masks and pixels, all zero but the last.
std::vector<unsigned char> Dib(uint32_t headerSize, int bitCount, uint32_t compression,
                               uint32_t coloursUsed, size_t rest) {
    std::vector<unsigned char> dib(headerSize + rest, 0);
    Put(dib, 0, headerSize, 4);
    if (headerSize == 12) {
        Put(dib, 10, static_cast<uint32_t>(bitCount), 2);
    } else {
        Put(dib, 14, static_cast<uint32_t>(bitCount), 2);
        Put(dib, 16, compression, 4);
        Put(dib, 32, coloursUsed, 4);
    }
    dib.back() = 0xAB;
    return dib;
}

} // namespace

TEST(BitmapFileImage, TheFileHeaderPointsAtThePixels) {
    const struct {
        const char* what;
        std::vector<unsigned char> dib;
        uint32_t pixelOffset; // from the start of the file
    } cases[] = {
        {"the sheets: 4 bits, 16 colours", Dib(40, 4, 0, 0, 16 * 4 + 8), 14 + 40 + 64},
        {"2 colours used", Dib(40, 8, 0, 2, 2 * 4 + 8), 14 + 40 + 8},
        {"no table above 8 bits", Dib(40, 24, 0, 0, 16), 14 + 40},
        {"BI_BITFIELDS masks", Dib(40, 32, 3, 0, 12 + 16), 14 + 40 + 12},
        {"3-byte entries of the old header", Dib(12, 4, 0, 0, 16 * 3 + 8), 14 + 12 + 48},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> image;
        ASSERT_TRUE(MakeBitmapFileImage(c.dib.data(), c.dib.size(), &image)) << c.what;
        ASSERT_EQ(image.size(), 14 + c.dib.size()) << c.what;
        EXPECT_EQ(Little(image, 0) & 0xFFFF, 'B' | 'M' << 8) << c.what;
        EXPECT_EQ(Little(image, 2), image.size()) << c.what;
        EXPECT_EQ(Little(image, 6), 0u) << c.what;
        EXPECT_EQ(Little(image, 10), c.pixelOffset) << c.what;
        EXPECT_EQ(std::vector<unsigned char>(image.begin() + 14, image.end()), c.dib) << c.what;
    }
}

TEST(BitmapFileImage, DataThatIsNoBitmapGivesNothing) {
    std::vector<unsigned char> image = {1, 2, 3};
    EXPECT_FALSE(MakeBitmapFileImage(nullptr, 0, &image));
    EXPECT_TRUE(image.empty());
    // A size field that names no known header.
    const auto unknown = Dib(20, 4, 0, 0, 100);
    EXPECT_FALSE(MakeBitmapFileImage(unknown.data(), unknown.size(), &image));
    // Cut inside the header, and inside the colour table.
    const auto sheet = Dib(40, 4, 0, 0, 16 * 4);
    EXPECT_FALSE(MakeBitmapFileImage(sheet.data(), 30, &image));
    EXPECT_FALSE(MakeBitmapFileImage(sheet.data(), 40 + 10 * 4, &image));
    EXPECT_TRUE(image.empty());
}
