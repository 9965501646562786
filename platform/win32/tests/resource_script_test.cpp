// The resource script against the rest of the program: the menu against the
// menu table the other desktops build from, the strings and accelerators,
// the dialog against its layout, and the loaded sheets and sounds against
// the files they were made from; and where the score file goes.
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

// Reads a DIALOG template (not DIALOGEX) word by word.
struct TemplateReader {
    const unsigned char* start;
    const unsigned char* at;

    uint16_t Word() {
        at += 2;
        return static_cast<uint16_t>(at[-2] | at[-1] << 8);
    }
    uint32_t DoubleWord() {
        const uint32_t low = Word();
        return low | static_cast<uint32_t>(Word()) << 16;
    }
    int Short() { return static_cast<int16_t>(Word()); }
    // A text, or 0xFFFF and an ordinal, shown as "#" and its number.
    std::wstring Text() {
        if (at[0] == 0xFF && at[1] == 0xFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        std::wstring text;
        for (uint16_t c = Word(); c != 0; c = Word()) {
            text += static_cast<wchar_t>(c);
        }
        return text;
    }
    void AlignToDoubleWord() { at += (4 - (at - start) % 4) % 4; }
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

TEST(ResourceScript, StringsAndAcceleratorsAreTheGames) {
    for (const int id : {IDS_WINDOW_TITLE, IDS_WINDOW_CLASS}) {
        wchar_t text[100] = {};
        ASSERT_GT(LoadStringW(Module(), static_cast<UINT>(id), text, 100), 0) << id;
        EXPECT_EQ(std::wstring(text), WideFromShiftJis(TEXT_WINDOW_TITLE)) << id;
    }
    // Alt with the characters "?" and "/", not with virtual keys.
    HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 4), 2);
    DestroyAcceleratorTable(table);
    EXPECT_EQ(entries[0].key, '?');
    EXPECT_EQ(entries[1].key, '/');
    for (const ACCEL& entry : {entries[0], entries[1]}) {
        EXPECT_EQ(entry.fVirt & ~0x80, FALT); // 0x80 marks the table's last entry
        EXPECT_EQ(entry.cmd, CMD_ABOUT_ACCELERATOR);
    }
}

TEST(ResourceScript, NameDialogHasItsLayoutStylesAndTabOrder) {
    HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(IDD_NAME_ENTRY), MAKEINTRESOURCEW(5));
    ASSERT_NE(found, nullptr); // RT_DIALOG
    const auto* start =
        static_cast<const unsigned char*>(LockResource(LoadResource(Module(), found)));
    ASSERT_NE(start, nullptr);
    TemplateReader reader = {start, start};

    EXPECT_EQ(reader.DoubleWord(), static_cast<uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                                         DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(reader.DoubleWord(), 0u); // no extended styles
    const int itemCount = reader.Word();
    // Position and size, no menu, the standard class, the caption and the font.
    for (const int expected : {0, 0, 126, 45}) {
        EXPECT_EQ(reader.Short(), expected);
    }
    EXPECT_EQ(reader.Text(), L"");
    EXPECT_EQ(reader.Text(), L"");
    EXPECT_EQ(reader.Text(), WideFromShiftJis(TEXT_NAME_DIALOG_CAPTION));
    EXPECT_EQ(reader.Word(), 9);                                              // points
    EXPECT_EQ(reader.Text(), L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF"); // ＭＳ Ｐゴシック

    const DWORD shown = WS_CHILD | WS_VISIBLE;
    const struct {
        uint32_t style;
        int x, y, width, height;
        int id;
        const wchar_t* windowClass; // the predefined class atoms
        const char* text;           // Shift_JIS, from the game's texts
    } expected[] = {
        {shown | BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 7, 35, 14, IDOK, L"#128", TEXT_OK},
        {shown | BS_PUSHBUTTON | WS_TABSTOP, 84, 24, 35, 14, IDCANCEL, L"#128", TEXT_CANCEL},
        {shown | SS_LEFT | SS_CENTERIMAGE | WS_GROUP, 7, 7, 72, 13, 0xFFFF, L"#130",
         TEXT_NAME_PROMPT},
        {shown | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 13, 23, 62, 15, IDC_NAME_EDIT,
         L"#129", ""},
    };
    ASSERT_EQ(itemCount, 4);
    for (const auto& want : expected) {
        SCOPED_TRACE(testing::Message() << "control " << (&want - expected));
        reader.AlignToDoubleWord();
        EXPECT_EQ(reader.DoubleWord(), want.style);
        EXPECT_EQ(reader.DoubleWord(), 0u); // no extended styles
        for (const int value : {want.x, want.y, want.width, want.height}) {
            EXPECT_EQ(reader.Short(), value);
        }
        EXPECT_EQ(reader.Word(), want.id);
        EXPECT_EQ(reader.Text(), want.windowClass);
        EXPECT_EQ(reader.Text(), WideFromShiftJis(want.text));
        reader.at += reader.Word(); // creation data
    }
}

TEST(ResourceScript, SheetsAndSoundsLoadAsTheFilesTheyCameFrom) {
    const struct {
        int id;
        const char* file;
    } resources[] = {{IDB_PANEL_MINI, "panel_mini.bmp"},
                     {IDB_TILES_MINI, "tiles_mini.bmp"},
                     {IDB_PANEL_LARGE, "panel_large.bmp"},
                     {IDB_TILES_LARGE, "tiles_large.bmp"},
                     {IDW_LOOP, "loop.wav"},
                     {IDW_GAME_OVER, "game_over.wav"},
                     {IDW_CLEAR, "clear.wav"}};
    for (const auto& resource : resources) {
        std::ifstream in(std::string(TOVRIN_TEST_SOURCE_DIR) + "/resources/" + resource.file,
                         std::ios::binary);
        const std::vector<unsigned char> file{std::istreambuf_iterator<char>(in), {}};
        ASSERT_FALSE(file.empty()) << "cannot read " << resource.file;
        const ResourceData loaded = DesktopLoadResource(resource.id);
        ASSERT_FALSE(loaded.IsEmpty()) << resource.file;
        EXPECT_EQ(std::vector<unsigned char>(loaded.bytes, loaded.bytes + loaded.size), file)
            << resource.file;
        // The core keeps the bytes for the life of the program.
        EXPECT_EQ(DesktopLoadResource(resource.id).bytes, loaded.bytes) << resource.file;
    }
    // Numbers that name no sheet or sound, including those of other kinds.
    for (const int id : {0, 137, IDI_LARGE_ICON, IDR_MAIN_MENU, IDD_NAME_ENTRY}) {
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
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(DesktopScoreDirectory(buffer, length), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(DesktopScoreDirectory(buffer, length + 1), length);
}
