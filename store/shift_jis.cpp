// Shift_JIS: lead bytes 0x81-0x9F and 0xE0-0xFC start a two-byte character;
// every other byte, half-width katakana included, stands alone.
#include "store/shift_jis.h"

#include <cstring>

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t CopyShiftJisCut(char* buffer, size_t size, const char* text) {
    if (size == 0) {
        return 0;
    }
    const size_t limit = size - 1;
    size_t length = 0;
    while (text[length] != '\0') {
        const bool lead = IsShiftJisLeadByte(static_cast<unsigned char>(text[length]));
        const size_t step = lead && text[length + 1] != '\0' ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return length;
}
