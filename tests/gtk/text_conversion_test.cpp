// The Shift_JIS <-> UTF-8 boundary: every text the game shows, the
// characters where code page 932 and strict Shift_JIS part ways, what cannot
// be converted, and the byte limit of a typed name.
#include "platform/gtk/text_conversion.h"

#include "resources/menu.h"
#include "resources/texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string TypedName(const char* utf8, int size) {
    char typed[32];
    std::memset(typed, 'X', sizeof typed);
    CopyTypedName(utf8, typed, size);
    return typed;
}

TEST(TextConversionTest, EveryGameTextRoundTripsWithoutLoss) {
    // clang-format off
    std::vector<const char*> texts = {
        TEXT_WINDOW_TITLE, TEXT_NEW_GAME_QUESTION, TEXT_NEW_GAME_CAPTION, TEXT_QUIT_QUESTION,
        TEXT_QUIT_CAPTION, TEXT_GAME_OVER, TEXT_HIGH_SCORE_CAPTION, TEXT_CONGRATULATIONS,
        TEXT_CLEAR_CAPTION, TEXT_VERSION_CAPTION, TEXT_VERSION, TEXT_NAME_DIALOG_CAPTION,
        TEXT_NAME_PROMPT, TEXT_OK, TEXT_CANCEL, TEXT_YES, TEXT_NO};
    // clang-format on
    for (const MenuDropDown& dropDown : MAIN_MENU) {
        texts.push_back(dropDown.title);
        for (int i = 0; i < dropDown.entryCount; ++i) {
            if (dropDown.entries[i].text) {
                texts.push_back(dropDown.entries[i].text);
            }
        }
    }
    for (const char* text : texts) {
        const std::string utf8 = ShiftJisToUtf8(text);
        EXPECT_EQ(Utf8ToShiftJis(utf8.c_str()), text) << utf8;
    }
    EXPECT_EQ(ShiftJisToUtf8(TEXT_WINDOW_TITLE), "Tovrinみに");
    EXPECT_EQ(ShiftJisToUtf8(TEXT_NAME_PROMPT), "名前を入力してください");
}

TEST(TextConversionTest, CodePage932CharactersAndWhatItCannotHold) {
    // Half-width katakana are single bytes.
    EXPECT_EQ(ShiftJisToUtf8(TEXT_CANCEL), "ｷｬﾝｾﾙ");
    EXPECT_EQ(Utf8ToShiftJis("ﾃｽﾄ"), "\xC3\xBD\xC4");
    // Strict Shift_JIS would make '\' a yen sign and '~' an overline.
    EXPECT_EQ(ShiftJisToUtf8("a\\b~c"), "a\\b~c");
    EXPECT_EQ(Utf8ToShiftJis("a\\b~c"), "a\\b~c");
    // A two-byte character whose second byte is '\' is one character.
    EXPECT_EQ(Utf8ToShiftJis("ソ表"), "\x83\x5C\x95\x5C");
    // One '?' for each character not in the table, and each malformed
    // sequence: a stray byte, one cut short at the end.
    EXPECT_EQ(Utf8ToShiftJis("café"), "caf?");
    EXPECT_EQ(Utf8ToShiftJis("a😀名"), "a?\x96\xBC");
    EXPECT_EQ(Utf8ToShiftJis("a\xFF!"), "a?!");
    EXPECT_EQ(Utf8ToShiftJis("a\xE5\x90"), "a?");
    EXPECT_EQ(ShiftJisToUtf8("a\x81"), "a?");
    EXPECT_EQ(ShiftJisToUtf8("\xA0!"), "?!");
}

TEST(TextConversionTest, MnemonicLabelsAndTypedNames) {
    EXPECT_EQ(MnemonicLabel(TEXT_MENU_FILE), "ﾌｧｲﾙ(_F)");
    EXPECT_EQ(MnemonicLabel("A&&B_C"), "A&B__C");
    // 0x815F is '＼': its second byte is not an underscore to double.
    EXPECT_EQ(MnemonicLabel("\x81\x5F(&X)"), "＼(_X)");

    // Nine bytes at most, never half a character.
    EXPECT_EQ(TypedName("ABCDEFGHIJKL", 10), "ABCDEFGHI");
    // 1 + 1 + 2 + 2 + 2 bytes, then 'す' would need bytes 9 and 10.
    EXPECT_EQ(TypedName("ﾃｽ名前です", 10), "\xC3\xBD\x96\xBC\x91O\x82\xC5");
    EXPECT_EQ(TypedName("ﾃｽﾄ名前で", 10), "\xC3\xBD\xC4\x96\xBC\x91O\x82\xC5");
    EXPECT_EQ(TypedName("é名", 10), "?\x96\xBC");
    EXPECT_EQ(TypedName("名", 2), "");
}

} // namespace
