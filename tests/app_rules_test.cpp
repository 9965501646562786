// Focused rules of the shell: the score trigger, nested message loops, the
// clock's limit, the table rewrite and its failures, and a back buffer that
// cannot be made.
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/app_fixture.h"
#include "tests/board_text.h"

namespace {

using Calls = std::vector<std::string>;

class AppRulesTest : public AppTest {
protected:
    // Leaves one pair on the board, takes it and paints the clear.
    void ClearNow() {
        Game().cells = BoardFromRows({"5 5"});
        Game().tilesLeft = 2;
        ClickOn({0, 0});
        ClickOn({1, 0});
        ASSERT_EQ(Game().tilesLeft, 0);
        Paint();
    }

    std::string TableLine(int record) {
        ScoreFile contents;
        EXPECT_TRUE(LoadScoreFile(&contents));
        return std::to_string(contents.records[record].time) + " " + contents.records[record].name;
    }
};

TEST_F(AppRulesTest, EveryDealtGameReachesTheTableOnceWhenCleared) {
    Create();
    Paint();
    Game().elapsedSeconds = 300;
    ClearNow();
    EXPECT_EQ(CountCalls("NameEntryDialog"), 1);

    // Choosing the options already in force deals nothing and arms nothing.
    Command(CMD_NORMAL);
    Command(CMD_SOUND_ON);
    Paint();
    EXPECT_EQ(CountCalls("NameEntryDialog"), 1);
    EXPECT_EQ(TableLine(4), "9999 nobody");

    // A display-size switch deals a new game, and its clear is recorded.
    Command(CMD_LARGE);
    Paint();
    Game().elapsedSeconds = 200;
    ClearNow();
    EXPECT_EQ(CountCalls("NameEntryDialog"), 2);
    EXPECT_EQ(TableLine(3), "200 ");
    EXPECT_EQ(TableLine(4), "300 ");
}

TEST_F(AppRulesTest, PaintsAndTicksInsideBoxesStartNothingTwice) {
    Create();
    Paint();
    int nested = 0;
    fakeDesktop.duringModal = [&] {
        ++nested;
        Paint();
        Tick();
        Paint();
    };
    MakeStuck(Game());
    Paint();
    EXPECT_EQ(CountCalls(std::string("MessageBox ") + TEXT_WINDOW_TITLE), 1);
    EXPECT_EQ(nested, 1);

    Command(CMD_NEW_GAME); // Yes; its box's loop paints the old, lost board
    Paint();
    Game().elapsedSeconds = 77;
    fakeDesktop.calls.clear();
    ClearNow();
    EXPECT_EQ(CountCalls("NameEntryDialog"), 1);
    EXPECT_EQ(CountCalls("PlayOnce"), 1);
    EXPECT_EQ(CountCalls(std::string("MessageBox ") + TEXT_HIGH_SCORE_CAPTION), 1);
}

TEST_F(AppRulesTest, ClockStopsAt9999AndTheGameGoesOn) {
    Create();
    Paint();
    Game().elapsedSeconds = 9998;
    fakeDesktop.calls.clear();
    Tick();
    Tick();
    EXPECT_EQ(Game().elapsedSeconds, 9999u);
    EXPECT_EQ(fakeDesktop.calls, Calls{"Repaint"});

    // Equal to the default times is not better.
    ClearNow();
    EXPECT_EQ(CountCalls(std::string("MessageBox ") + TEXT_CLEAR_CAPTION + "|" +
                         TEXT_CONGRATULATIONS),
              1);
    EXPECT_EQ(CountCalls("NameEntryDialog"), 0);
}

TEST_F(AppRulesTest, RewriteKeepsTheFileOptionWordsAndTheOtherGroup) {
    std::vector<unsigned char> bytes = {0x34, 0x12};
    for (int i = 0; i < 6; ++i) {
        bytes.insert(bytes.end(), {static_cast<unsigned char>(10 + i), 0, 0, 0});
        bytes.insert(bytes.end(), {'p', static_cast<unsigned char>('0' + i), 0, 7, 7, 7, 7, 7, 7, 7});
    }
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0x0C, 0x80, 0, 0, 0x0E, 0x80, 0, 0});
    WriteWholeFile(FilePath(), bytes);

    Create(); // difficulty 0 reads as Normal, in memory only
    EXPECT_EQ(Game().layout, CMD_LARGE);
    Paint();
    Game().elapsedSeconds = 14; // equal to Normal place 2, faster than place 3
    ClearNow();
    std::vector<unsigned char> expected = bytes;
    expected[0] = 0x12;
    expected[1] = 0xF0;
    // Normal place 3 takes 14 with the empty name; nothing else moves.
    expected[2 + 5 * 14] = 14;
    expected[2 + 5 * 14 + 4] = 0;
    EXPECT_EQ(FileBytes(), expected);

    OnExit();
    EXPECT_EQ(FileBytes()[86], 0x0A); // corrected at exit
    EXPECT_EQ(FileBytes()[87], 0x80);
}

TEST_F(AppRulesTest, NamesAcrossEntries) {
    Create();
    Paint();
    // Cancel at the first entry: the empty name.
    fakeDesktop.nameDialogOk = false;
    Game().elapsedSeconds = 50;
    ClearNow();
    EXPECT_EQ(TableLine(3), "50 ");
    EXPECT_TRUE(fakeDesktop.calls.back().ends_with(" Normal 1:   50 : \n Normal 2: 9999 : nobody\n"
                                                   " Normal 3: 9999 : nobody\n"));

    // A long typed name enters as its first nine bytes.
    fakeDesktop.nameDialogOk = true;
    fakeDesktop.typedName = "abcdefghijkl";
    Command(CMD_NEW_GAME);
    Paint();
    Game().elapsedSeconds = 40;
    ClearNow();
    EXPECT_EQ(TableLine(3), "40 abcdefghi");
    EXPECT_EQ(TableLine(4), "50 ");

    // The next dialog starts from that name; Cancel keeps it.
    fakeDesktop.nameDialogOk = false;
    Command(CMD_NEW_GAME);
    Paint();
    Game().elapsedSeconds = 45;
    ClearNow();
    EXPECT_EQ(fakeDesktop.lastDialogInitialName, "abcdefghi");
    EXPECT_EQ(TableLine(4), "45 abcdefghi");
    EXPECT_EQ(TableLine(5), "50 ");
}

TEST_F(AppRulesTest, TableShownEvenWhenTheRewriteFails) {
    Create();
    Paint();
    FileHandle held = NO_FILE;
    fakeDesktop.duringModal = [&] {
        if (held == NO_FILE) {
            held = OpenScoreFile(); // another copy holds the file meanwhile
        }
    };
    fakeDesktop.typedName = "zed";
    Game().elapsedSeconds = 12;
    ClearNow();
    CloseFile(held);
    EXPECT_TRUE(fakeDesktop.calls.back().find(" Normal 1:   12 : zed\n") != std::string::npos);
    EXPECT_EQ(TableLine(3), "9999 nobody");
}

TEST_F(AppRulesTest, NoScoreFileMeansNoHighScoreStep) {
    fakeDesktop.scoreDirectory.clear();
    Create();
    Paint();
    Game().elapsedSeconds = 5;
    ClearNow();
    EXPECT_EQ(CountCalls("NameEntryDialog"), 0);
    EXPECT_EQ(CountCalls("MessageBox"), 0);

    // The table can still be shown: the default one.
    Command(CMD_HIGH_SCORE);
    EXPECT_TRUE(fakeDesktop.calls.back().find(" Easy 1: 9999 : nobody\n") != std::string::npos);
}

TEST_F(AppRulesTest, BackBufferThatCannotBeMadeDealsOnlyOnce) {
    Create();
    fakeDesktop.clientWidth = 1 << 20;
    fakeDesktop.clientHeight = 1 << 20;
    Paint();
    const Board dealt = Game().cells;
    fakeDesktop.currentTime = 99; // another deal would differ
    Paint();
    Paint();
    EXPECT_EQ(Game().cells, dealt);
    EXPECT_EQ(CountCalls("PlayLoop"), 1);
    EXPECT_EQ(CountCalls("Present"), 0);

    // Once the window is sane again the frame shows, still the same game.
    fakeDesktop.clientWidth = 470;
    fakeDesktop.clientHeight = 186;
    Paint();
    EXPECT_EQ(CountCalls("Present"), 1);
    EXPECT_EQ(Game().cells, dealt);
}

} // namespace
