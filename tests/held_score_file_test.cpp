// A start that meets the score file in another copy's hands: the other copy
// lets go of it, or makes it, between this one's failed open and its create.
// This run's options are defaults it never read and must never reach the
// file; a clear later on still enters the table, since the file can be had
// by then.
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

namespace {

const std::vector<unsigned char> TABLE(100, 0x5A); // any bytes: this run must not write them
std::string tablePath;
FileHandle heldFile = NO_FILE;

TEST(HeldScoreFileTest, AFileThatAppearsBetweenOpenAndCreateKeepsItsOptionsAndTakesAClear) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held, then let go" : "missing, then made by another copy");
        ResetFakeDesktop();
        TempDirectory directory;
        fakeDesktop.scoreDirectory = directory.path;
        tablePath = directory.Path("Dudazure2.hsc");
        if (held) {
            WriteWholeFile(tablePath, TABLE);
            heldFile = OpenScoreFile();
        }
        beforeScoreFileCreate =
            held ? +[] { CloseFile(heldFile); } : +[] { WriteWholeFile(tablePath, TABLE); };
        LoadOptions();
        beforeScoreFileCreate = nullptr;
        SaveOptions();
        EXPECT_EQ(ReadWholeFile(tablePath), TABLE);
        // The clear enters at Easy place 1 and moves nothing else: every
        // other byte, the option words and the tail included, stays.
        savedDifficulty = CMD_EASY;
        fakeDesktop.typedName = "me";
        RecordClearTime(FakeWindow(), 3);
        SaveOptions();
        std::vector<unsigned char> recorded = TABLE;
        const unsigned char entry[] = {0x12, 0xF0, 3, 0, 0, 0, 'm', 'e', 0};
        std::copy(std::begin(entry), std::end(entry), recorded.begin());
        EXPECT_EQ(ReadWholeFile(tablePath), recorded);
    }
}

} // namespace
