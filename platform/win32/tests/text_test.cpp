// The game's Shift_JIS texts as Windows shows them, and the name the player
// types as the game stores it.
#include "platform/win32/name_entry_dialog.h"
#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The typed text through the dialog's conversion into a buffer of typedSize
// bytes, filled with '#' beforehand.
std::string Typed(const wchar_t* text, int typedSize = 10) {
    char typed[64];
    std::memset(typed, '#', sizeof typed);
    StoreTypedName(text, typed, typedSize);
    EXPECT_EQ(typed[typedSize], '#') << "wrote past the buffer";
    return std::string(typed, strnlen(typed, static_cast<size_t>(typedSize)));
}

} // namespace

TEST(Text, CodePage932KeepsBackslashTildeAndSecondBytes) {
    EXPECT_EQ(WideFromShiftJis("a\\b~"), L"a\\b~");     // strict Shift_JIS would not
    EXPECT_EQ(WideFromShiftJis("\x95\x5C"), L"\x8868"); // 表, second byte 0x5C
}

TEST(Text, TypedNamesAreStoredAsShiftJisCutToTheBuffer) {
    EXPECT_EQ(Typed(L"abcdefghijkl"), "abcdefghi");
    // Five kana of two bytes: the fifth would end at byte 10 and is dropped
    // whole; a one-byte character first shifts the cut by one.
    EXPECT_EQ(Typed(L"\x3042\x3044\x3046\x3048\x304A"), "\x82\xA0\x82\xA2\x82\xA4\x82\xA6");
    EXPECT_EQ(Typed(L"a\x3042\x3044\x3046\x3048"), "a\x82\xA0\x82\xA2\x82\xA4\x82\xA6");
    // What code page 932 cannot hold becomes '?', with no look-alike letter.
    EXPECT_EQ(Typed(L"\x00E9t\x20AC"), "?t?");
    EXPECT_EQ(Typed(L"\x3042", 2), "");
}
