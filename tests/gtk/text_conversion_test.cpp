// The Shift_JIS <-> UTF-8 boundary: every text the game shows, the
// characters where code page 932 and strict Shift_JIS part ways, what cannot
// be converted, menu mnemonics, and the byte limit of a typed name.
#include "platform/gtk/text_conversion.h"

#include "resources/menu.h"
#include "resources/texts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(TextConversionTest, GameTextsRoundTripAndOddCharactersConvertAsCodePage932) {
    std::vector<const char*> texts = {TEXT_WINDOW_TITLE,    TEXT_GAME_OVER, TEXT_HIGH_SCORE_CAPTION,
                                      TEXT_CONGRATULATIONS, TEXT_VERSION,   TEXT_NAME_PROMPT};
    for (const MenuDropDown& dropDown : MAIN_MENU) {
        texts.push_back(dropDown.title);
        for (int i = 0; i < dropDown.entryCount; ++i)
            texts.push_back(dropDown.entries[i].text ? dropDown.entries[i].text : "");
    }
    for (const char* text : texts)
        EXPECT_EQ(Utf8ToShiftJis(ShiftJisToUtf8(text).c_str()), text);
    const struct {
        const char* shiftJis;
        const char* utf8;
    } both[] = {{TEXT_WINDOW_TITLE, "Tovrinみに"},
                {TEXT_CANCEL, "ｷｬﾝｾﾙ"},
                {"a\\b~c", "a\\b~c"},
                {"\x83\x5C\x95\x5C", "ソ表"}};
    for (const auto& c : both) {
        EXPECT_EQ(ShiftJisToUtf8(c.shiftJis), c.utf8);
        EXPECT_EQ(Utf8ToShiftJis(c.utf8), c.shiftJis);
    }
    EXPECT_EQ(Utf8ToShiftJis("a😀é名\xFF!\xE5\x90"), "a??\x96\xBC?!?");
    EXPECT_EQ(ShiftJisToUtf8("\xA0!a\x81"), "?!a?");
    EXPECT_EQ(MnemonicLabel("A&&B_C\x81\x5F(&X)"), "A&B__C＼(_X)");
}

TEST(TextConversionTest, TypedNamesKeepNineBytesAndWholeCharacters) {
    const struct {
        const char* utf8;
        int size;
        const char* kept;
    } cases[] = {{"ABCDEFGHIJKL", 10, "ABCDEFGHI"},
                 {"ﾃｽ名前です", 10, "\xC3\xBD\x96\xBC\x91O\x82\xC5"},
                 {"ﾃｽﾄ名前で", 10, "\xC3\xBD\xC4\x96\xBC\x91O\x82\xC5"},
                 {"é名", 10, "?\x96\xBC"},
                 {"名", 2, ""}};
    for (const auto& c : cases) {
        char typed[32];
        std::memset(typed, 'X', sizeof typed);
        CopyTypedName(c.utf8, typed, c.size);
        EXPECT_STREQ(typed, c.kept);
    }
}

} // namespace
