#include "platform/win32/bitmap_file_image.h"

#include <cstdint>

namespace {

constexpr size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12; // BITMAPCOREHEADER
constexpr uint32_t INFO_HEADER_SIZE = 40; // BITMAPINFOHEADER
constexpr uint32_t BITFIELDS = 3;         // BI_BITFIELDS

uint32_t ReadLittle(const unsigned char* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void WriteLittle(unsigned char* bytes, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// Bytes from the start of the info header to the first pixel: the header,
// the colour masks of a 40-byte BI_BITFIELDS header, and the colour table.
// Zero when the header is not one of the known kinds.
size_t PixelOffsetInDib(const unsigned char* dib, size_t size) {
    if (size < 4) {
        return 0;
    }
    const uint32_t headerSize = ReadLittle(dib, 4);
    if (headerSize == CORE_HEADER_SIZE && size >= CORE_HEADER_SIZE) {
        const uint32_t bitCount = ReadLittle(dib + 10, 2);
        const size_t colours = bitCount <= 8 ? (size_t{1} << bitCount) : 0;
        return CORE_HEADER_SIZE + colours * 3;
    }
    if (headerSize < INFO_HEADER_SIZE || size < headerSize) {
        return 0;
    }
    const uint32_t bitCount = ReadLittle(dib + 14, 2);
    const uint32_t compression = ReadLittle(dib + 16, 4);
    const uint32_t coloursUsed = ReadLittle(dib + 32, 4);
    size_t colours = coloursUsed;
    if (colours == 0 && bitCount <= 8) {
        colours = size_t{1} << bitCount;
    }
    const size_t masks = headerSize == INFO_HEADER_SIZE && compression == BITFIELDS ? 12 : 0;
    return headerSize + masks + colours * 4;
}

} // namespace

bool MakeBitmapFileImage(const unsigned char* dib, size_t size, std::vector<unsigned char>* image) {
    image->clear();
    const size_t pixelOffset = dib ? PixelOffsetInDib(dib, size) : 0;
    if (pixelOffset == 0 || pixelOffset > size || size > UINT32_MAX - FILE_HEADER_SIZE) {
        return false;
    }
    image->resize(FILE_HEADER_SIZE + size);
    unsigned char* header = image->data();
    header[0] = 'B';
    header[1] = 'M';
    WriteLittle(header + 2, static_cast<uint32_t>(FILE_HEADER_SIZE + size), 4);
    WriteLittle(header + 6, 0, 4); // two reserved words
    WriteLittle(header + 10, static_cast<uint32_t>(FILE_HEADER_SIZE + pixelOffset), 4);
    for (size_t i = 0; i < size; ++i) {
        header[FILE_HEADER_SIZE + i] = dib[i];
    }
    return true;
}
