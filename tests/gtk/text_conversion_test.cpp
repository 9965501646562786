// The Shift_JIS <-> UTF-8 boundary: every text the game shows, the
// characters where code page 932 and strict Shift_JIS part ways, what cannot
// be converted, and the byte limit of a typed name.
#include "platform/gtk/text_conversion.h"

#include "resources/menu.h"
#include "resources/texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char* const GAME_TEXTS[] = {
    TEXT_WINDOW_TITLE,
    TEXT_NEW_GAME_QUESTION,
    TEXT_NEW_GAME_CAPTION,
    TEXT_QUIT_QUESTION,
    TEXT_QUIT_CAPTION,
    TEXT_GAME_OVER,
    TEXT_HIGH_SCORE_CAPTION,
    TEXT_CONGRATULATIONS,
    TEXT_CLEAR_CAPTION,
    TEXT_VERSION_CAPTION,
    TEXT_VERSION,
    TEXT_NAME_DIALOG_CAPTION,
    TEXT_NAME_PROMPT,
    TEXT_OK,
    TEXT_CANCEL,
    TEXT_YES,
    TEXT_NO,
};

std::string TypedName(const char* utf8, int size) {
    char typed[32];
    std::memset(typed, 'X', sizeof typed);
    CopyTypedName(utf8, typed, size);
    return typed;
}

TEST(TextConversionTest, EveryGameTextRoundTripsWithoutLoss) {
    for (const char* text : GAME_TEXTS) {
        const std::string utf8 = ShiftJisToUtf8(text);
        EXPECT_EQ(Utf8ToShiftJis(utf8.c_str()), text) << utf8;
    }
    for (const MenuDropDown& dropDown : MAIN_MENU) {
        EXPECT_EQ(Utf8ToShiftJis(ShiftJisToUtf8(dropDown.title).c_str()), dropDown.title);
        for (int i = 0; i < dropDown.entryCount; ++i) {
            const char* text = dropDown.entries[i].text;
            if (text) {
                EXPECT_EQ(Utf8ToShiftJis(ShiftJisToUtf8(text).c_str()), text);
            }
        }
    }
    EXPECT_EQ(ShiftJisToUtf8(TEXT_WINDOW_TITLE), "Tovrinみに");
    EXPECT_EQ(ShiftJisToUtf8(TEXT_NAME_PROMPT), "名前を入力してください");
    EXPECT_EQ(ShiftJisToUtf8(TEXT_HIGH_SCORE_CAPTION), "ハイスコア");
}

TEST(TextConversionTest, HalfWidthKatakanaAreSingleBytes) {
    EXPECT_EQ(ShiftJisToUtf8(TEXT_CANCEL), "ｷｬﾝｾﾙ");
    EXPECT_EQ(Utf8ToShiftJis("ﾃｽﾄ"), "\xC3\xBD\xC4");
    EXPECT_EQ(ShiftJisToUtf8("\xCA\xDE\xB0\xBC\xDE\xAE\xDD"), "ﾊﾞｰｼﾞｮﾝ");
}

TEST(TextConversionTest, BackslashAndTildeStayAscii) {
    // Strict Shift_JIS would make these a yen sign and an overline.
    EXPECT_EQ(ShiftJisToUtf8("a\\b~c"), "a\\b~c");
    EXPECT_EQ(Utf8ToShiftJis("a\\b~c"), "a\\b~c");
    // A two-byte character whose second byte is '\' or '_' is one character.
    EXPECT_EQ(ShiftJisToUtf8("\x83\x5C"), "ソ");
    EXPECT_EQ(Utf8ToShiftJis("ソ表"), "\x83\x5C\x95\x5C");
}

TEST(TextConversionTest, WhatCodePage932CannotHoldBecomesOneQuestionMark) {
    EXPECT_EQ(Utf8ToShiftJis("café"), "caf?");
    EXPECT_EQ(Utf8ToShiftJis("a😀名"), "a?\x96\xBC");
    EXPECT_EQ(Utf8ToShiftJis("Ωμ"), "\x83\xB6\x83\xCA"); // Greek is in the table
    // Malformed UTF-8: a stray byte, and a sequence cut short at the end.
    EXPECT_EQ(Utf8ToShiftJis("a\xFF"
                             "b"),
              "a?b");
    EXPECT_EQ(Utf8ToShiftJis("a\xE5\x90"), "a?");
    // Shift_JIS bytes without a character.
    EXPECT_EQ(ShiftJisToUtf8("a\x81"), "a?");
    EXPECT_EQ(ShiftJisToUtf8("\xA0"
                             "b"),
              "?b");
}

TEST(TextConversionTest, MenuMnemonicsBecomeGtkOnes) {
    EXPECT_EQ(MnemonicLabel(TEXT_MENU_FILE), "ﾌｧｲﾙ(_F)");
    EXPECT_EQ(MnemonicLabel(TEXT_MENU_LARGE), "みにじゃないﾓｰﾄﾞ(_L)");
    EXPECT_EQ(MnemonicLabel(TEXT_MENU_VERSION), "ﾊﾞｰｼﾞｮﾝ(_A) ...");
    EXPECT_EQ(MnemonicLabel(TEXT_YES), "はい(_Y)");
    EXPECT_EQ(MnemonicLabel("A&&B_C"), "A&B__C");
    // 0x815F is '＼': its second byte is not an underscore to double.
    EXPECT_EQ(MnemonicLabel("\x81\x5F(&X)"), "＼(_X)");
    EXPECT_EQ(MnemonicLabel("OK"), "OK");
}

TEST(TextConversionTest, TypedNameIsCutToWholeCharactersWithinTheLimit) {
    EXPECT_EQ(TypedName("ABCDEFGHIJKL", 10), "ABCDEFGHI");
    // 1 + 1 + 2 + 2 + 2 bytes, then 'す' would need bytes 9 and 10.
    EXPECT_EQ(TypedName("ﾃｽ名前です", 10), "\xC3\xBD\x96\xBC\x91O\x82\xC5");
    // Exactly nine bytes fit.
    EXPECT_EQ(TypedName("ﾃｽﾄ名前で", 10), "\xC3\xBD\xC4\x96\xBC\x91O\x82\xC5");
    EXPECT_EQ(TypedName("é名", 10), "?\x96\xBC");
    EXPECT_EQ(TypedName("", 10), "");
    EXPECT_EQ(TypedName("名", 2), "");
}

} // namespace
