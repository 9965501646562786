// Menu 109: three drop-downs with their items, in order. Front ends that
// build their menu at run time read it from here; the Windows resource
// script spells out the same menu.
#pragma once

struct MenuEntry {
    int commandId; // 0 for a separator
    const char* text; // Shift_JIS, '&' before the mnemonic
};

struct MenuDropDown {
    const char* title;
    const MenuEntry* entries;
    int entryCount;
};

constexpr int MAIN_MENU_DROP_DOWNS = 3;
extern const MenuDropDown MAIN_MENU[MAIN_MENU_DROP_DOWNS];
