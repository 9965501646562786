// The resource script's menu against the menu table the other desktops
// build from: two copies of one menu that must not drift apart.
#include "platform/win32/wide_text.h"
#include "resources/menu.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

} // namespace

TEST(ResourceScript, MenuMatchesTheMenuTable) {
    HMENU menu = LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), MAIN_MENU_DROP_DOWNS);
    for (int d = 0; d < MAIN_MENU_DROP_DOWNS; ++d) {
        const MenuDropDown& dropDown = MAIN_MENU[d];
        EXPECT_EQ(MenuText(menu, d), WideFromShiftJis(dropDown.title)) << "drop-down " << d;
        HMENU items = GetSubMenu(menu, d);
        ASSERT_NE(items, nullptr);
        ASSERT_EQ(GetMenuItemCount(items), dropDown.entryCount) << "drop-down " << d;
        for (int i = 0; i < dropDown.entryCount; ++i) {
            SCOPED_TRACE(testing::Message() << "drop-down " << d << " item " << i);
            const MenuEntry& entry = dropDown.entries[i];
            MENUITEMINFOW info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
            ASSERT_TRUE(GetMenuItemInfoW(items, static_cast<UINT>(i), TRUE, &info));
            if (entry.commandId == 0) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR);
                continue;
            }
            EXPECT_EQ(static_cast<int>(info.wID), entry.commandId);
            EXPECT_EQ(MenuText(items, i), WideFromShiftJis(entry.text));
            // The game sets every check mark itself at window creation.
            EXPECT_FALSE(info.fState & MFS_CHECKED);
        }
    }
    DestroyMenu(menu);
}
