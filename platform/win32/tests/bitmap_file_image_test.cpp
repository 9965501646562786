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

void PutLittle(std::vector<unsigned char>& bytes, size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// A packed DIB with a 40-byte header, the given colour table entries and
// pixel bytes, all zero apart from the header fields.
std::vector<unsigned char> InfoDib(int bitCount, uint32_t compression, uint32_t coloursUsed,
                                   size_t tableAndPixelBytes) {
    std::vector<unsigned char> dib(40 + tableAndPixelBytes, 0);
    PutLittle(dib, 0, 40, 4);
    PutLittle(dib, 4, 2, 4);  // width
    PutLittle(dib, 8, 2, 4);  // height
    PutLittle(dib, 12, 1, 2); // planes
    PutLittle(dib, 14, static_cast<uint32_t>(bitCount), 2);
    PutLittle(dib, 16, compression, 4);
    PutLittle(dib, 32, coloursUsed, 4);
    dib.back() = 0xAB; // the last pixel byte, to see that it is carried over
    return dib;
}

} // namespace

TEST(BitmapFileImage, TheFileHeaderPointsAtThePixels) {
    std::vector<unsigned char> image;

    // The sheets: 4 bits per pixel, a full 16-colour table.
    const auto sheet = InfoDib(4, 0, 0, 16 * 4 + 8);
    ASSERT_TRUE(MakeBitmapFileImage(sheet.data(), sheet.size(), &image));
    ASSERT_EQ(image.size(), 14 + sheet.size());
    EXPECT_EQ(image[0], 'B');
    EXPECT_EQ(image[1], 'M');
    EXPECT_EQ(Little(image, 2), image.size());
    EXPECT_EQ(Little(image, 6), 0u);
    EXPECT_EQ(Little(image, 10), 14u + 40u + 64u);
    EXPECT_EQ(std::vector<unsigned char>(image.begin() + 14, image.end()), sheet);

    // A shorter table when the header says how many colours are used.
    const auto twoColours = InfoDib(8, 0, 2, 2 * 4 + 8);
    ASSERT_TRUE(MakeBitmapFileImage(twoColours.data(), twoColours.size(), &image));
    EXPECT_EQ(Little(image, 10), 14u + 40u + 8u);

    // No table above 8 bits, but three masks with BI_BITFIELDS.
    const auto trueColour = InfoDib(24, 0, 0, 16);
    ASSERT_TRUE(MakeBitmapFileImage(trueColour.data(), trueColour.size(), &image));
    EXPECT_EQ(Little(image, 10), 14u + 40u);
    const auto masked = InfoDib(32, 3, 0, 12 + 16);
    ASSERT_TRUE(MakeBitmapFileImage(masked.data(), masked.size(), &image));
    EXPECT_EQ(Little(image, 10), 14u + 40u + 12u);

    // The old 12-byte header has 3-byte colour entries.
    std::vector<unsigned char> core(12 + 16 * 3 + 8, 0);
    PutLittle(core, 0, 12, 4);
    PutLittle(core, 8, 1, 2);
    PutLittle(core, 10, 4, 2);
    ASSERT_TRUE(MakeBitmapFileImage(core.data(), core.size(), &image));
    EXPECT_EQ(Little(image, 10), 14u + 12u + 48u);
}

TEST(BitmapFileImage, DataThatIsNoBitmapGivesNothing) {
    std::vector<unsigned char> image = {1, 2, 3};

    EXPECT_FALSE(MakeBitmapFileImage(nullptr, 0, &image));
    EXPECT_TRUE(image.empty());

    // The header's size field names no known header.
    auto unknown = InfoDib(4, 0, 0, 64);
    PutLittle(unknown, 0, 20, 4);
    EXPECT_FALSE(MakeBitmapFileImage(unknown.data(), unknown.size(), &image));

    // Cut inside the header, and cut inside the colour table.
    const auto sheet = InfoDib(4, 0, 0, 16 * 4);
    EXPECT_FALSE(MakeBitmapFileImage(sheet.data(), 30, &image));
    EXPECT_FALSE(MakeBitmapFileImage(sheet.data(), 40 + 10 * 4, &image));
    EXPECT_TRUE(image.empty());
}
