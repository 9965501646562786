// Text of any bytes through the Shift_JIS cut and the GTK front end's
// conversions both ways. A cut keeps a prefix of whole characters (a lead
// byte 81-9F or E0-FC takes the next byte with it) that fits the buffer,
// and stops only where the next character would not fit.
#include "platform/gtk/text_conversion.h"
#include "store/shift_jis.h"
#include "tests/fuzz/fuzz_check.h"

#include <cstring>
#include <string>

static void CheckCut(const char* text, const char* cut, size_t size) {
    const size_t length = std::strlen(cut);
    size_t at = 0;
    auto next = [&] {
        const unsigned char b = static_cast<unsigned char>(text[at]);
        return ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) && text[at + 1] ? 2u : 1u;
    };
    for (; at < length; at += next()) {
    }
    Require(at == length && length < size && std::strncmp(text, cut, length) == 0);
    Require(text[at] == '\0' || at + next() > size - 1);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses the buffer's size, the rest is the text.
    const std::string text(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
    const size_t bufferSize = size > 0 ? 1 + data[0] % 16 : 10;
    char cut[16];
    CopyShiftJisCut(cut, bufferSize, text.c_str());
    CheckCut(text.c_str(), cut, bufferSize);
    char typed[10]; // the name dialog: typed UTF-8 in, at most 9 bytes of Shift_JIS out
    CopyTypedName(text.c_str(), typed, sizeof typed);
    CheckCut(Utf8ToShiftJis(text.c_str()).c_str(), typed, sizeof typed);
    // Whatever is shown goes back to Shift_JIS and shows the same again.
    const std::string shown = ShiftJisToUtf8(text.c_str());
    Require(ShiftJisToUtf8(Utf8ToShiftJis(shown.c_str()).c_str()) == shown);
    MnemonicLabel(text.c_str());
    return 0;
}
