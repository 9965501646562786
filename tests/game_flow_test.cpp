// A whole run through the main window's handlers: start without a file, the
// first paint, play, hint and undo, a clear that enters the table, a lost
// game, the options, the confirmations and the exit.
#include "model/move_search.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/app_fixture.h"

namespace {

using Calls = std::vector<std::string>;

std::string Box(const char* caption, const char* text) {
    return std::string("MessageBox ") + caption + "|" + text;
}

uint32_t Word(const std::vector<unsigned char>& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

TEST_F(AppTest, StartFirstPaintAndPlay) {
    Create();
    EXPECT_EQ(FileBytes().size(), 98u);
    EXPECT_EQ(Word(FileBytes(), 86), static_cast<uint32_t>(CMD_NORMAL));
    EXPECT_EQ(playerName[0], '\0');
    EXPECT_EQ(CallsLike({"PlaceWindow", "MenuCheck"}),
              (Calls{"PlaceWindow 395 394 490 235", "MenuCheck 32777 off", "MenuCheck 32778 on",
                     "MenuCheck 32779 on", "MenuCheck 32780 off", "MenuCheck 32781 on",
                     "MenuCheck 32782 off"}));
    EXPECT_EQ(CountCalls("StopSound"), 0); // no board and no sound before the first paint

    fakeDesktop.calls.clear();
    Paint();
    EXPECT_EQ(fakeDesktop.calls, (Calls{"StopSound", "Wait 500", "PlayLoop 11", "StartClock",
                                        "Present 470x186"}));
    EXPECT_EQ(Game().tilesLeft, 144);

    // Later paints of the same game leave the clock alone.
    fakeDesktop.calls.clear();
    Tick();
    Paint();
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint", "Present 470x186"}));
    EXPECT_EQ(Game().elapsedSeconds, 1u);

    // Seed 1 deals 16 and 16 side by side in row 0, columns 5 and 6.
    fakeDesktop.calls.clear();
    ClickOn({5, 0});
    ClickOn({6, 0});
    EXPECT_EQ(Game().tilesLeft, 142);
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint", "Repaint"}));

    fakeDesktop.calls.clear();
    Command(CMD_HINT);
    EXPECT_TRUE(Game().hintShown);
    Command(CMD_UNDO);
    EXPECT_FALSE(Game().hintShown);
    EXPECT_EQ(Game().tilesLeft, 144);
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Repaint erase", "Repaint erase"}));

    // A click outside the board while nothing is picked asks for nothing.
    fakeDesktop.calls.clear();
    OnLeftButtonDown(Window(), 5, 5);
    OnLeftButtonDown(Window(), -3, 400);
    EXPECT_TRUE(fakeDesktop.calls.empty());
}

TEST_F(AppTest, ClearEntersTheTableOnce) {
    Create();
    Paint();
    fakeDesktop.currentTime = EasySeedClearedByHints();
    Command(CMD_EASY);
    EXPECT_EQ(Game().tilesLeft, 72);
    Paint();
    for (int i = 0; i < 42; ++i) {
        Tick();
    }
    fakeDesktop.typedName = "\xC3\xBD\xC4"; // ﾃｽﾄ
    fakeDesktop.calls.clear();
    int removals = 0;
    while (Game().tilesLeft > 0 && PlayHintedPair()) {
        ++removals;
    }
    ASSERT_EQ(removals, 36);

    EXPECT_EQ(CallsLike({"StopClock", "StopSound", "Wait", "PlayOnce", "NameEntryDialog",
                         "MessageBox"}),
              (Calls{"StopClock", "StopSound", "Wait 500", "PlayOnce 33", "NameEntryDialog",
                     Box(TEXT_HIGH_SCORE_CAPTION, " Easy 1:   42 : \xC3\xBD\xC4\n"
                                                  " Easy 2: 9999 : nobody\n"
                                                  " Easy 3: 9999 : nobody\n"
                                                  " Normal 1: 9999 : nobody\n"
                                                  " Normal 2: 9999 : nobody\n"
                                                  " Normal 3: 9999 : nobody\n")}));
    EXPECT_EQ(fakeDesktop.lastDialogInitialName, "");
    const auto bytes = FileBytes();
    EXPECT_EQ(Word(bytes, 2), 42u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[6])), "\xC3\xBD\xC4");

    // Later paints stop the clock and sound again, and nothing more.
    fakeDesktop.calls.clear();
    Paint();
    Paint();
    EXPECT_EQ(fakeDesktop.calls, (Calls{"Present 470x186", "StopClock", "StopSound",
                                        "Present 470x186", "StopClock", "StopSound"}));
    Command(CMD_UNDO); // the history was emptied
    EXPECT_EQ(Game().tilesLeft, 0);
}

TEST_F(AppTest, LostGameIsAnnouncedOnceAndFrozen) {
    Create();
    Paint();
    MakeStuck(Game());
    fakeDesktop.calls.clear();
    Paint();
    EXPECT_EQ(CallsLike({"StopClock", "StopSound", "Wait", "PlayOnce", "MessageBox"}),
              (Calls{"StopClock", "StopSound", "Wait 500", "PlayOnce 22",
                     Box(TEXT_WINDOW_TITLE, TEXT_GAME_OVER)}));
    EXPECT_TRUE(Game().gameOver);

    fakeDesktop.calls.clear();
    Paint();
    ClickOn({0, 0});
    Command(CMD_HINT);
    Command(CMD_UNDO);
    EXPECT_EQ(fakeDesktop.calls, Calls{"Present 470x186"});

    // A new game plays again and runs the clock from the next paint.
    fakeDesktop.calls.clear();
    Command(CMD_NEW_GAME);
    Paint();
    EXPECT_FALSE(Game().gameOver);
    EXPECT_EQ(CountCalls("StartClock"), 1);
}

TEST_F(AppTest, OptionsSwitchWithTheirMarksAndDeals) {
    Create();
    Paint();
    fakeDesktop.calls.clear();
    Command(CMD_SOUND_OFF);
    EXPECT_EQ(fakeDesktop.calls, (Calls{"MenuCheck 32779 off", "MenuCheck 32780 on",
                                        "StopSound", "Repaint erase"}));
    fakeDesktop.calls.clear();
    Command(CMD_SOUND_ON); // the loop starts after a half-second pause
    EXPECT_EQ(CallsLike({"Wait", "PlayLoop"}), (Calls{"Wait 500", "PlayLoop 11"}));

    // The option in force again: saved, nothing dealt, nothing repainted.
    Game().elapsedSeconds = 7;
    fakeDesktop.calls.clear();
    Command(CMD_SOUND_ON);
    Command(CMD_NORMAL);
    Command(CMD_MINI);
    EXPECT_TRUE(fakeDesktop.calls.empty());
    EXPECT_EQ(Game().elapsedSeconds, 7u);

    fakeDesktop.calls.clear();
    Command(CMD_LARGE);
    EXPECT_EQ(CallsLike({"MenuCheck", "PlaceWindow", "Repaint"}),
              (Calls{"MenuCheck 32781 off", "MenuCheck 32782 on", "PlaceWindow 290 227 700 570",
                     "Repaint erase"}));
    EXPECT_EQ(Game().elapsedSeconds, 0u);
    EXPECT_EQ(backBuffer.width, 648); // at least the large drawing
    EXPECT_EQ(backBuffer.height, 504);

    Command(CMD_EASY);
    EXPECT_EQ(Game().tilesLeft, 72);
    OnExit();
    const auto bytes = FileBytes();
    EXPECT_EQ(Word(bytes, 86), static_cast<uint32_t>(CMD_EASY));
    EXPECT_EQ(Word(bytes, 90), static_cast<uint32_t>(CMD_SOUND_ON));
    EXPECT_EQ(Word(bytes, 94), static_cast<uint32_t>(CMD_LARGE));

    // The next start opens the large window at Easy.
    OnDestroy(Window());
    fakeDesktop.calls.clear();
    Create();
    EXPECT_EQ(CallsLike({"PlaceWindow"}), Calls{"PlaceWindow 290 227 700 570"});
    EXPECT_EQ(Game().difficulty, CMD_EASY);
}

TEST_F(AppTest, ConfirmationsAnswerYesAndNo) {
    Create();
    Paint();
    ClickOn({5, 0});
    ClickOn({6, 0});
    Tick();

    fakeDesktop.calls.clear();
    fakeDesktop.answers = {ANSWER_NO, ANSWER_NO};
    Command(CMD_NEW_GAME);
    Command(CMD_QUIT);
    EXPECT_EQ(fakeDesktop.calls, (Calls{Box(TEXT_NEW_GAME_CAPTION, TEXT_NEW_GAME_QUESTION),
                                        Box(TEXT_QUIT_CAPTION, TEXT_QUIT_QUESTION)}));
    EXPECT_EQ(Game().tilesLeft, 142);
    EXPECT_EQ(Game().elapsedSeconds, 1u);

    fakeDesktop.calls.clear();
    fakeDesktop.answers = {ANSWER_YES};
    Command(CMD_NEW_GAME);
    EXPECT_EQ(Game().tilesLeft, 144);
    EXPECT_EQ(Game().elapsedSeconds, 0u);
    EXPECT_EQ(fakeDesktop.calls.back(), "Repaint erase");

    fakeDesktop.calls.clear();
    fakeDesktop.answers = {ANSWER_YES};
    Command(CMD_QUIT);
    EXPECT_EQ(CallsLike({"StopClock", "PostQuit"}), (Calls{"StopClock", "PostQuit 0"}));
    EXPECT_NE(gameRecord, nullptr); // the window stays until the program ends

    // After the loop: sound stopped, then the options saved.
    fakeDesktop.calls.clear();
    OnExit();
    EXPECT_EQ(fakeDesktop.calls, Calls{"StopSound"});
}

TEST_F(AppTest, ClosingFromTheFrameStillSavesTheOptions) {
    Create();
    Paint();
    Command(CMD_SOUND_OFF);
    fakeDesktop.calls.clear();
    OnDestroy(Window());
    EXPECT_EQ(fakeDesktop.calls, (Calls{"StopClock", "PostQuit 0"}));
    EXPECT_EQ(gameRecord, nullptr);
    // Messages after destruction find no game and do nothing.
    Paint();
    Tick();
    Command(CMD_HINT);
    OnLeftButtonDown(Window(), 90, 10);
    OnExit();
    EXPECT_EQ(Word(FileBytes(), 90), static_cast<uint32_t>(CMD_SOUND_OFF));
}

TEST_F(AppTest, VersionBox) {
    Create();
    fakeDesktop.calls.clear();
    Command(CMD_VERSION);
    Command(CMD_ABOUT_ACCELERATOR); // ignored
    Command(12345);
    EXPECT_EQ(fakeDesktop.calls, Calls{Box(TEXT_VERSION_CAPTION, TEXT_VERSION)});
}

} // namespace
