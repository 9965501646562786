// The resource script against the rest of the program: the menu against the
// menu table the other desktops build from, the texts against the game's
// texts, the dialog against its layout, and the loaded sheets and sounds
// against the files they were made from.
#include "platform/desktop.h"
#include "platform/win32/wide_text.h"
#include "resources/menu.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

std::vector<unsigned char> SourceFile(const std::string& name) {
    std::ifstream in(std::string(TOVRIN_TEST_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> Bytes(ResourceData data) {
    if (data.IsEmpty()) {
        return {};
    }
    return {data.bytes, data.bytes + data.size};
}

// ---- Reading a DIALOG template (not DIALOGEX) --------------------------------

struct TemplateReader {
    const unsigned char* at;

    uint16_t Word() {
        const uint16_t value = static_cast<uint16_t>(at[0] | at[1] << 8);
        at += 2;
        return value;
    }
    uint32_t DoubleWord() {
        const uint32_t low = Word();
        return low | static_cast<uint32_t>(Word()) << 16;
    }
    int16_t Short() { return static_cast<int16_t>(Word()); }
    std::wstring Text() {
        std::wstring text;
        for (uint16_t c = Word(); c != 0; c = Word()) {
            text += static_cast<wchar_t>(c);
        }
        return text;
    }
    // A name or an ordinal: 0xFFFF and a number, or a text.
    std::wstring NameOrOrdinal() {
        if (at[0] == 0xFF && at[1] == 0xFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return Text();
    }
    void AlignToDoubleWord(const unsigned char* start) {
        while ((at - start) % 4 != 0) {
            ++at;
        }
    }
};

struct DialogItem {
    uint32_t style;
    uint32_t extendedStyle;
    int x, y, width, height;
    int id;
    std::wstring windowClass;
    std::wstring text;
};

struct ExpectedItem {
    uint32_t style;
    int x, y, width, height;
    int id;
    const wchar_t* windowClass; // the predefined class atoms
    const char* text;           // Shift_JIS, from the game's texts
};

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
            const MenuEntry& entry = dropDown.entries[i];
            MENUITEMINFOW info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
            ASSERT_TRUE(GetMenuItemInfoW(items, static_cast<UINT>(i), TRUE, &info));
            if (entry.commandId == 0) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << "drop-down " << d << " item " << i;
                continue;
            }
            EXPECT_EQ(static_cast<int>(info.wID), entry.commandId)
                << "drop-down " << d << " item " << i;
            EXPECT_EQ(MenuText(items, i), WideFromShiftJis(entry.text))
                << "drop-down " << d << " item " << i;
            // The game sets every check mark itself at window creation.
            EXPECT_FALSE(info.fState & MFS_CHECKED);
        }
    }
    DestroyMenu(menu);
}

TEST(ResourceScript, StringsAndAcceleratorsAreTheGames) {
    wchar_t text[100] = {};
    ASSERT_GT(LoadStringW(Module(), IDS_WINDOW_TITLE, text, 100), 0);
    EXPECT_EQ(std::wstring(text), WideFromShiftJis(TEXT_WINDOW_TITLE));
    ASSERT_GT(LoadStringW(Module(), IDS_WINDOW_CLASS, text, 100), 0);
    EXPECT_EQ(std::wstring(text), WideFromShiftJis(TEXT_WINDOW_TITLE));

    // Alt with the characters "?" and "/", not with virtual keys.
    HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 4), 2);
    EXPECT_EQ(entries[0].key, '?');
    EXPECT_EQ(entries[1].key, '/');
    for (const ACCEL& entry : {entries[0], entries[1]}) {
        EXPECT_EQ(entry.fVirt & ~0x80, FALT); // 0x80 marks the table's last entry
        EXPECT_EQ(entry.cmd, CMD_ABOUT_ACCELERATOR);
    }
    DestroyAcceleratorTable(table);

    EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(IDI_LARGE_ICON), MAKEINTRESOURCEW(14)),
              nullptr); // RT_GROUP_ICON
    EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(IDI_SMALL_ICON), MAKEINTRESOURCEW(14)),
              nullptr);
}

TEST(ResourceScript, NameDialogHasItsLayoutStylesAndTabOrder) {
    HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(IDD_NAME_ENTRY), MAKEINTRESOURCEW(5));
    ASSERT_NE(found, nullptr); // RT_DIALOG
    const auto* start =
        static_cast<const unsigned char*>(LockResource(LoadResource(Module(), found)));
    ASSERT_NE(start, nullptr);
    TemplateReader reader = {start};

    EXPECT_EQ(reader.DoubleWord(), static_cast<uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                                         DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(reader.DoubleWord(), 0u); // no extended styles
    const int itemCount = reader.Word();
    const int x = reader.Short();
    const int y = reader.Short();
    const int width = reader.Short();
    const int height = reader.Short();
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(width, 126);
    EXPECT_EQ(height, 45);
    EXPECT_EQ(reader.NameOrOrdinal(), L""); // no menu
    EXPECT_EQ(reader.NameOrOrdinal(), L""); // the standard dialog class
    EXPECT_EQ(reader.Text(), WideFromShiftJis(TEXT_NAME_DIALOG_CAPTION));
    EXPECT_EQ(reader.Word(), 9);                                              // points
    EXPECT_EQ(reader.Text(), L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF"); // ＭＳ Ｐゴシック

    const DWORD shown = WS_CHILD | WS_VISIBLE;
    const ExpectedItem expected[] = {
        {shown | BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 7, 35, 14, IDOK, L"#128", TEXT_OK},
        {shown | BS_PUSHBUTTON | WS_TABSTOP, 84, 24, 35, 14, IDCANCEL, L"#128", TEXT_CANCEL},
        {shown | SS_LEFT | SS_CENTERIMAGE | WS_GROUP, 7, 7, 72, 13, 0xFFFF, L"#130",
         TEXT_NAME_PROMPT},
        {shown | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 13, 23, 62, 15, IDC_NAME_EDIT,
         L"#129", ""},
    };
    ASSERT_EQ(itemCount, 4);
    for (int i = 0; i < itemCount; ++i) {
        reader.AlignToDoubleWord(start);
        DialogItem item = {};
        item.style = reader.DoubleWord();
        item.extendedStyle = reader.DoubleWord();
        item.x = reader.Short();
        item.y = reader.Short();
        item.width = reader.Short();
        item.height = reader.Short();
        item.id = reader.Word();
        item.windowClass = reader.NameOrOrdinal();
        item.text = reader.NameOrOrdinal();
        reader.at += reader.Word(); // creation data

        const ExpectedItem& want = expected[i];
        EXPECT_EQ(item.style, want.style) << "control " << i;
        EXPECT_EQ(item.extendedStyle, 0u) << "control " << i;
        EXPECT_EQ(item.x, want.x) << "control " << i;
        EXPECT_EQ(item.y, want.y) << "control " << i;
        EXPECT_EQ(item.width, want.width) << "control " << i;
        EXPECT_EQ(item.height, want.height) << "control " << i;
        EXPECT_EQ(item.id, want.id) << "control " << i;
        EXPECT_EQ(item.windowClass, want.windowClass) << "control " << i;
        EXPECT_EQ(item.text, WideFromShiftJis(want.text)) << "control " << i;
    }
}

TEST(ResourceScript, SheetsAndSoundsLoadAsTheFilesTheyCameFrom) {
    const struct {
        int id;
        const char* file;
    } resources[] = {
        {IDB_PANEL_MINI, "panel_mini.bmp"},
        {IDB_TILES_MINI, "tiles_mini.bmp"},
        {IDB_PANEL_LARGE, "panel_large.bmp"},
        {IDB_TILES_LARGE, "tiles_large.bmp"},
        {IDW_LOOP, "loop.wav"},
        {IDW_GAME_OVER, "game_over.wav"},
        {IDW_CLEAR, "clear.wav"},
    };
    for (const auto& resource : resources) {
        const std::vector<unsigned char> file = SourceFile(resource.file);
        ASSERT_FALSE(file.empty()) << "cannot read " << resource.file;
        const ResourceData loaded = DesktopLoadResource(resource.id);
        EXPECT_EQ(Bytes(loaded), file) << resource.file;
        // The core keeps the bytes for the life of the program.
        EXPECT_EQ(DesktopLoadResource(resource.id).bytes, loaded.bytes) << resource.file;
    }

    // Numbers that name no sheet or sound, including those of other kinds.
    for (int id : {0, 137, IDI_LARGE_ICON, IDR_MAIN_MENU, IDD_NAME_ENTRY}) {
        EXPECT_TRUE(DesktopLoadResource(id).IsEmpty()) << id;
    }
}

TEST(ResourceScript, TheScoreDirectoryIsTheWindowsDirectory) {
    char expected[MAX_PATH] = {};
    const int length = static_cast<int>(GetWindowsDirectoryA(expected, MAX_PATH));
    ASSERT_GT(length, 0);

    char buffer[MAX_PATH];
    EXPECT_EQ(DesktopScoreDirectory(buffer, MAX_PATH), length);
    EXPECT_STREQ(buffer, expected);

    // A buffer that cannot hold the text and its NUL gets nothing.
    char small[MAX_PATH];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(DesktopScoreDirectory(small, length), 0);
    EXPECT_EQ(small[0], 'x');
    EXPECT_EQ(DesktopScoreDirectory(small, length + 1), length);
}
