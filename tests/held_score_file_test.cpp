// A start that meets the score file in another copy's hands: the other copy
// lets go of it, or makes it, between this one's failed open and its create.
// The file must come through byte for byte, whatever this run does after.
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

namespace {

const std::vector<unsigned char> TABLE(100, 0x5A); // any bytes: this run must not write them
std::string tablePath;
FileHandle heldFile = NO_FILE;

TEST(HeldScoreFileTest, AFileThatAppearsBetweenOpenAndCreateIsNeverReplaced) {
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
        // Neither a clear that would enter the table nor the exit writes.
        savedDifficulty = CMD_EASY;
        RecordClearTime(FakeWindow(), 3);
        SaveOptions();
        EXPECT_EQ(ReadWholeFile(tablePath), TABLE);
    }
}

} // namespace
