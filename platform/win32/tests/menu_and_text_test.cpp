// The resource script's menu against the menu table the other desktops build
// from, and the conversions between Shift_JIS and what Windows shows.
#include "platform/win32/wide_text.h"
#include "resources/menu.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(ResourceScript, MenuMatchesTheMenuTable) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_EQ(GetMenuItemCount(menu), MAIN_MENU_DROP_DOWNS);
    wchar_t text[128];
    for (int d = 0; d < MAIN_MENU_DROP_DOWNS; ++d) {
        GetMenuStringW(menu, d, text, 128, MF_BYPOSITION);
        EXPECT_EQ(text, WideFromShiftJis(MAIN_MENU[d].title));
        HMENU items = GetSubMenu(menu, d);
        ASSERT_EQ(GetMenuItemCount(items), MAIN_MENU[d].entryCount);
        for (int i = 0; i < MAIN_MENU[d].entryCount; ++i) {
            SCOPED_TRACE(testing::Message() << "drop-down " << d << " item " << i);
            // A separator has id 0 and no text; the game sets every check mark.
            const MenuEntry& entry = MAIN_MENU[d].entries[i];
            text[GetMenuStringW(items, i, text, 128, MF_BYPOSITION)] = 0;
            EXPECT_EQ(text, entry.text ? WideFromShiftJis(entry.text) : L"");
            EXPECT_EQ(static_cast<int>(GetMenuItemID(items, i)), entry.commandId);
            EXPECT_FALSE(GetMenuState(items, i, MF_BYPOSITION) & MF_CHECKED);
        }
    }
    DestroyMenu(menu);
}

TEST(Text, CodePage932BothWays) {
    // Backslash and tilde stay themselves, and 0x5C as a second byte is part
    // of its character; what 932 lacks becomes '?', never a look-alike letter.
    EXPECT_EQ(WideFromShiftJis("a\\b~\x95\x5C"), L"a\\b~\x8868");
    EXPECT_EQ(ShiftJisFromWide(L"\x00E9t\x20AC"), "?t?");
}
