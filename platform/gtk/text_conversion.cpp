// Shift_JIS <-> UTF-8 through glibc's iconv. "CP932" is the Windows table:
// the strict "SHIFT_JIS" one would turn '\' into a yen sign and '~' into an
// overline. glibc's //TRANSLIT depends on the locale, so an unconvertible
// character is replaced by hand.
#include "platform/gtk/text_conversion.h"

#include "store/shift_jis.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

constexpr char SHIFT_JIS[] = "CP932";
constexpr char UTF8[] = "UTF-8";

// The length of the UTF-8 sequence that starts with byte, 1 for a byte that
// cannot start one, so that skipping never stalls.
size_t Utf8SequenceLength(unsigned char byte) {
    if (byte >= 0xF0 && byte <= 0xF4) {
        return 4;
    }
    if (byte >= 0xE0) {
        return byte <= 0xEF ? 3 : 1;
    }
    if (byte >= 0xC2) {
        return 2;
    }
    return 1;
}

// The bytes to skip past an input sequence the converter refused.
size_t SkipLength(const char* from, const char* input, size_t left) {
    size_t skip = 1;
    if (std::strcmp(from, UTF8) == 0) {
        skip = Utf8SequenceLength(static_cast<unsigned char>(*input));
    } else if (IsShiftJisLeadByte(static_cast<unsigned char>(*input))) {
        skip = 2;
    }
    return skip < left ? skip : left;
}

// Converts text, writing '?' for every sequence the converter refuses.
std::string Convert(const char* from, const char* to, const char* text) {
    std::string result;
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return result;
    }
    char* input = const_cast<char*>(text);
    size_t inputLeft = std::strlen(text);
    char chunk[256];
    while (inputLeft > 0) {
        char* output = chunk;
        size_t outputLeft = sizeof chunk;
        const size_t done = iconv(converter, &input, &inputLeft, &output, &outputLeft);
        result.append(chunk, static_cast<size_t>(output - chunk));
        if (done != static_cast<size_t>(-1) || errno == E2BIG) {
            continue;
        }
        // EILSEQ (no such character) or EINVAL (cut short at the end).
        result.push_back('?');
        const size_t skip = SkipLength(from, input, inputLeft);
        input += skip;
        inputLeft -= skip;
    }
    iconv_close(converter);
    return result;
}

} // namespace

std::string ShiftJisToUtf8(const char* text) {
    return Convert(SHIFT_JIS, UTF8, text);
}

std::string Utf8ToShiftJis(const char* text) {
    return Convert(UTF8, SHIFT_JIS, text);
}

std::string MnemonicLabel(const char* shiftJisText) {
    // Converted first: '_' can be the second byte of a Shift_JIS character,
    // while in UTF-8 every ASCII byte is a character of its own.
    const std::string utf8 = ShiftJisToUtf8(shiftJisText);
    std::string label;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '&' && i + 1 < utf8.size()) {
            ++i;
            if (utf8[i] == '&') {
                label.push_back('&');
            } else {
                label.push_back('_');
                label.push_back(utf8[i]);
            }
        } else if (c == '_') {
            label.append("__");
        } else {
            label.push_back(c);
        }
    }
    return label;
}

void CopyTypedName(const char* utf8, char* typed, int typedSize) {
    const std::string shiftJis = Utf8ToShiftJis(utf8);
    CopyShiftJisCut(typed, static_cast<size_t>(typedSize), shiftJis.c_str());
}
