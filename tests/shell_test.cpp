// The application shell through the main window's handlers: start, paints
// and the clock, options and confirmations, the ends of a game with their
// jingles, the high-score step and the table, and the exit.
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/app_fixture.h"
#include "tests/rules_oracle.h"
#include "view/sprite_sheets.h"

namespace {

using Calls = std::vector<std::string>;

std::string Box(const char* caption, const char* text) {
    return std::string("MessageBox ") + caption + "|" + text;
}

uint32_t Word(const std::vector<unsigned char>& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::string Table(const char* lines) {
    return Box(TEXT_HIGH_SCORE_CAPTION, lines);
}

class ShellTest : public AppTest {
  protected:
    // Takes the last pair off the board at the given clock and paints.
    void ClearAt(uint32_t seconds) {
        Game().cells = ToBoard(ParseRows("5 5"));
        Game().tilesLeft = 2;
        Game().elapsedSeconds = seconds;
        ClickOn(Cell{0, 0});
        ClickOn(Cell{1, 0});
        ASSERT_EQ(Game().tilesLeft, 0);
        Paint();
    }
    std::string Record(int index) {
        const auto bytes = FileBytes();
        return std::to_string(Word(bytes, 2 + 14 * index)) + " " +
               reinterpret_cast<const char*>(&bytes[6 + 14 * index]);
    }
};

TEST_F(ShellTest, StartPlayOptionsAndExit) {
    for (const int id : {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE}) {
        const ResourceData sheet = FindEmbeddedResource(id);
        fakeDesktop.resources[id].assign(sheet.bytes, sheet.bytes + sheet.size);
    }
    Create();
    EXPECT_EQ(playerName[0], '\0');
    EXPECT_EQ(fakeDesktop.calls,
              (Calls{"PlaceWindow 395 394 490 235", "MenuCheck 32777 off", "MenuCheck 32778 on",
                     "MenuCheck 32779 on", "MenuCheck 32780 off", "MenuCheck 32781 on",
                     "MenuCheck 32782 off"}));
    fakeDesktop.calls.clear();
    Paint(); // deals the first game
    EXPECT_EQ(fakeDesktop.calls,
              (Calls{"StopSound", "Wait 500", "PlayLoop 11", "StartClock", "Present 470x186"}));
    EXPECT_EQ(Game().tilesLeft, 144);
    EXPECT_EQ(fakeDesktop.presentedCorner, 0xFFFFFFu); // the frame drawn: white background
    OnLeftButtonDown(Window(), 80, 7);                 // the board's first pixel
    EXPECT_EQ((std::vector<int>{Game().selectionActive, Game().selCol, Game().selRow}),
              (std::vector<int>{1, 0, 0}));
    Game().elapsedSeconds = 9998;
    fakeDesktop.calls.clear();
    Tick();
    Tick();
    Paint();
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint", "Present 470x186"}));
    EXPECT_EQ(Game().elapsedSeconds, 9999u);

    // The options in force again: saved, nothing dealt or repainted.
    fakeDesktop.calls.clear();
    Command(CMD_SOUND_ON);
    Command(CMD_NORMAL);
    Command(CMD_MINI);
    EXPECT_TRUE(fakeDesktop.calls.empty());
    EXPECT_EQ(Game().elapsedSeconds, 9999u);
    Command(CMD_LARGE);
    EXPECT_EQ(fakeDesktop.calls,
              (Calls{"MenuCheck 32781 off", "MenuCheck 32782 on", "PlaceWindow 290 227 700 570",
                     "StopSound", "Wait 500", "PlayLoop 11", "Repaint erase"}));
    EXPECT_EQ(backBuffer.width * 1000 + backBuffer.height, 648504); // the large drawing
    Paint();
    EXPECT_EQ(fakeDesktop.presentedCorner, 0x008080u);
    Command(CMD_EASY);
    EXPECT_EQ(Game().tilesLeft, 72);

    fakeDesktop.calls.clear();
    OnExit();
    EXPECT_EQ(fakeDesktop.calls, Calls{"StopSound"});
    const auto bytes = FileBytes();
    EXPECT_EQ((std::vector<uint32_t>{Word(bytes, 86), Word(bytes, 90), Word(bytes, 94)}),
              (std::vector<uint32_t>{CMD_EASY, CMD_SOUND_ON, CMD_LARGE}));
    fakeDesktop.calls.clear();
    OnDestroy(Window()); // closed from the frame
    EXPECT_TRUE(IsEmptySurface(backBuffer) && IsEmptySurface(tileSheetLarge));
    Paint();
    Tick();
    Command(CMD_HINT);
    OnLeftButtonDown(Window(), 90, 10);
    Create(); // the next start: large, Easy
    EXPECT_EQ((Calls(fakeDesktop.calls.begin(), fakeDesktop.calls.begin() + 3)),
              (Calls{"StopClock", "PostQuit 0", "PlaceWindow 290 227 700 570"}));
    EXPECT_EQ(Game().difficulty, CMD_EASY);
}

TEST_F(ShellTest, ConfirmationsTheVersionBoxAndALostGame) {
    Create();
    Paint();
    Game().cells = ToBoard(ParseRows("1 2/3 4 1/2"));
    Game().tilesLeft = 6;
    int nested = 0;
    fakeDesktop.duringModal = fakeDesktop.duringWait = [&] { nested += (Paint(), 1); };
    fakeDesktop.calls.clear();
    Paint(); // paints during the wait, the jingle and the box play and open nothing again
    EXPECT_EQ(fakeDesktop.calls,
              (Calls{"Present 470x186", "StopClock", "StopSound", "Wait 500", "Present 470x186",
                     "PlayOnce 22", "Present 470x186", Box(TEXT_WINDOW_TITLE, TEXT_GAME_OVER),
                     "Present 470x186"}));
    EXPECT_EQ(nested, 3);
    fakeDesktop.duringModal = fakeDesktop.duringWait = nullptr;
    Tick();
    fakeDesktop.calls.clear();
    fakeDesktop.answers = {ANSWER_NO, ANSWER_NO, ANSWER_YES, ANSWER_YES};
    Command(CMD_NEW_GAME);
    Command(CMD_QUIT);
    EXPECT_EQ(fakeDesktop.calls, (Calls{Box(TEXT_NEW_GAME_CAPTION, TEXT_NEW_GAME_QUESTION),
                                        Box(TEXT_QUIT_CAPTION, TEXT_QUIT_QUESTION)}));
    EXPECT_EQ(Game().elapsedSeconds, 1u);
    Command(CMD_NEW_GAME);
    EXPECT_EQ(Game().tilesLeft, 144);
    EXPECT_EQ(Game().elapsedSeconds, 0u);
    EXPECT_EQ(fakeDesktop.calls.back(), "Repaint erase");
    fakeDesktop.calls.clear();
    Command(CMD_QUIT);
    Command(CMD_VERSION);
    Command(CMD_ABOUT_ACCELERATOR);
    Command(12345);
    EXPECT_EQ(fakeDesktop.calls, (Calls{Box(TEXT_QUIT_CAPTION, TEXT_QUIT_QUESTION), "StopClock",
                                        "PostQuit 0", Box(TEXT_VERSION_CAPTION, TEXT_VERSION)}));
    EXPECT_NE(gameRecord, nullptr); // the window stays until the program ends
}

TEST_F(ShellTest, ClearsReachTheTableOncePerDealWithTheirJingleOnce) {
    Create();
    Paint();
    fakeDesktop.typedName = "\xC3\xBD\xC4"; // ﾃｽﾄ
    fakeDesktop.calls.clear();
    ClearAt(42);
    const char* first = " Easy 1: 9999 : nobody\n Easy 2: 9999 : nobody\n Easy 3: 9999 : nobody\n"
                        " Normal 1:   42 : \xC3\xBD\xC4\n Normal 2: 9999 : nobody\n"
                        " Normal 3: 9999 : nobody\n";
    EXPECT_EQ(fakeDesktop.calls,
              (Calls{"Repaint", "Repaint", "Present 470x186", "StopClock", "StopSound", "Wait 500",
                     "PlayOnce 33", "NameEntryDialog", Table(first)}));
    EXPECT_EQ(fakeDesktop.lastDialogInitialName, "");
    EXPECT_EQ(Record(3), "42 \xC3\xBD\xC4");
    // Later paints stop clock and sound again; the options in force arm
    // nothing.
    fakeDesktop.calls.clear();
    Command(CMD_NORMAL);
    Command(CMD_SOUND_ON);
    Paint();
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Present 470x186", "StopClock", "StopSound"}));
    Command(CMD_HIGH_SCORE); // read from the file
    EXPECT_EQ(fakeDesktop.calls.back(), Table(first));

    // The next game's clear enters below; Cancel keeps the name typed before.
    Command(CMD_NEW_GAME);
    Paint();
    EXPECT_EQ(CountCalls("StartClock"), 1); // the next game's clock
    fakeDesktop.nameDialogOk = false;
    fakeDesktop.calls.clear();
    ClearAt(50);
    EXPECT_EQ(fakeDesktop.lastDialogInitialName, "\xC3\xBD\xC4");
    EXPECT_EQ(Record(4), "50 \xC3\xBD\xC4");
    EXPECT_EQ(CountCalls("PlayOnce 33"), 1); // the next game's clear plays its jingle again

    // A display-size switch deals too; equal to a stored time is not better.
    Command(CMD_LARGE);
    Paint();
    fakeDesktop.calls.clear();
    ClearAt(9999);
    EXPECT_EQ(CountCalls("NameEntryDialog") * 10 + CountCalls("MessageBox"), 1);
    EXPECT_EQ(fakeDesktop.calls.back(), Box(TEXT_CLEAR_CAPTION, TEXT_CONGRATULATIONS));

    Command(CMD_SOUND_OFF); // deals and arms
    Paint();
    fakeDesktop.nameDialogOk = true;
    fakeDesktop.typedName = "abcdefghijkl";
    ClearAt(7);
    EXPECT_EQ(Record(3), "7 abcdefghi");
}

TEST_F(ShellTest, RewriteKeepsTheOtherGroupAndTheFileOptionWords) {
    std::vector<unsigned char> bytes = {0x34, 0x12};
    for (int i = 0; i < 6; ++i) {
        bytes.insert(bytes.end(), {static_cast<unsigned char>(10 + i), 0, 0, i == 2}); // 2^24 + 12
        bytes.insert(bytes.end(),
                     {'p', static_cast<unsigned char>('0' + i), 0, 7, 7, 7, 7, 7, 7, 7});
    }
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0x0C, 0x80, 0, 0, 0x0E, 0x80, 0, 0});
    WriteWholeFile(FilePath(), bytes);
    Create(); // difficulty 0 reads as Normal, in memory only
    EXPECT_EQ(Game().layout, CMD_LARGE);
    Paint();
    Command(CMD_HIGH_SCORE);
    EXPECT_EQ(fakeDesktop.calls.back(),
              Table(" Easy 1:   10 : p0\n Easy 2:   11 : p1\n Easy 3: 16777228 : p2\n"
                    " Normal 1:   13 : p3\n Normal 2:   14 : p4\n Normal 3:   15 : p5\n"));
    ClearAt(14); // equal to Normal place 2, faster than place 3
    std::vector<unsigned char> expected = bytes;
    expected[0] = 0x12;
    expected[1] = 0xF0;
    expected[2 + 5 * 14] = 14;
    expected[2 + 5 * 14 + 4] = 0; // the empty name
    EXPECT_EQ(FileBytes(), expected);
    OnExit();
    EXPECT_EQ(Word(FileBytes(), 86), uint32_t{CMD_NORMAL}); // corrected at exit

    // Another copy records its own best time and saves its options while
    // the dialog waits: both stay, and the entry goes in below its time.
    Command(CMD_NEW_GAME);
    Paint();
    fakeDesktop.duringModal = [&] {
        if (fakeDesktop.calls.back() == "NameEntryDialog") {
            std::vector<unsigned char> other = FileBytes();
            other[2 + 3 * 14] = 5;       // Normal place 1 in 5 s ...
            other[2 + 3 * 14 + 4] = 'o'; // ... by "o3"
            other[94] = CMD_MINI & 0xFF; // and the mini layout
            WriteWholeFile(FilePath(), other);
        }
    };
    ClearAt(9);
    fakeDesktop.duringModal = nullptr;
    EXPECT_EQ(Record(3), "5 o3");
    EXPECT_EQ(Record(4), "9 ");
    EXPECT_EQ(Record(5), "14 p4");
    EXPECT_EQ(Word(FileBytes(), 94), uint32_t{CMD_MINI});
    EXPECT_NE(fakeDesktop.calls.back().find(" Normal 1:    5 : o3\n Normal 2:    9 : \n"),
              std::string::npos);

    // Another copy holding the file: the table still shows the entry.
    Command(CMD_NEW_GAME);
    Paint();
    FileHandle held = NO_FILE;
    fakeDesktop.duringModal = [&] {
        if (held == NO_FILE) {
            held = OpenScoreFile();
        }
    };
    fakeDesktop.typedName = "zed";
    ClearAt(12);
    CloseFile(held);
    EXPECT_NE(fakeDesktop.calls.back().find(" Normal 3:   12 : zed\n"), std::string::npos);
    EXPECT_EQ(Record(3), "5 o3");
}

TEST_F(ShellTest, NoScoreFileAndNoBackBuffer) {
    fakeDesktop.scoreDirectory.clear();
    fakeDesktop.resources[IDW_CLEAR].clear(); // an empty wave plays nothing
    Create();
    fakeDesktop.clientWidth = 1 << 20; // no buffer can be made
    fakeDesktop.clientHeight = 1 << 20;
    Paint();
    const Board dealt = Game().cells;
    fakeDesktop.currentTime = 99; // another deal would differ
    Paint();
    EXPECT_EQ(Game().cells, dealt);
    EXPECT_EQ(CountCalls("Present"), 0);
    fakeDesktop.clientWidth = 470;
    fakeDesktop.clientHeight = 186;
    Paint();
    EXPECT_EQ(CountCalls("PlayLoop"), 1);
    EXPECT_EQ(CountCalls("Present"), 1);
    EXPECT_EQ(Game().cells, dealt);

    fakeDesktop.calls.clear();
    ClearAt(5);
    EXPECT_EQ(CountCalls("NameEntryDialog") + CountCalls("MessageBox") + CountCalls("PlayOnce"), 0);
    Command(CMD_HIGH_SCORE); // the default table
    EXPECT_NE(fakeDesktop.calls.back().find(" Easy 1: 9999 : nobody\n"), std::string::npos);
}

} // namespace
