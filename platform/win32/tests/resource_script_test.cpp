// The resource script as the program meets it: the menu against the table the
// other desktops build from, the manifest, and the code page of its texts.
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
            const MenuEntry& entry = MAIN_MENU[d].entries[i];
            text[GetMenuStringW(items, i, text, 128, MF_BYPOSITION)] = 0;
            EXPECT_EQ(text, entry.text ? WideFromShiftJis(entry.text) : L"");
            EXPECT_EQ(static_cast<int>(GetMenuItemID(items, i)), entry.commandId);
            EXPECT_FALSE(GetMenuState(items, i, MF_BYPOSITION) & MF_CHECKED); // set by the game
        }
    }
    DestroyMenu(menu);
}

TEST(Text, CodePage932BothWays) {
    // \ and ~ stay, 0x5C ends a character; '?' for what 932 lacks, no look-alike.
    EXPECT_EQ(WideFromShiftJis("a\\b~\x95\x5C"), L"a\\b~\x8868");
    EXPECT_EQ(ShiftJisFromWide(L"\x00E9t\x20AC"), "?t?");
}

// The loader applies the manifest: DPI awareness in its exact schema, Controls 6.
TEST(Manifest, AsksForPerMonitorDpiAndCommonControls6) {
    wchar_t awareness[64] = {};
    ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr,
                                     L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                     L"dpiAwareness", awareness, 64, nullptr));
    EXPECT_STREQ(awareness, L"PerMonitorV2, PerMonitor");
    ACTCTX_SECTION_KEYED_DATA found = {};
    found.cbSize = sizeof found;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &found));
}
