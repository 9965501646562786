// A start that meets the score file in another copy's hands: the other copy
// lets go of it, or creates it, just after this one failed to open it. The
// table must come through byte for byte, whatever this run does after.
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;

// A table with one fast Easy clear, Easy, sound off, the large window, and
// two bytes beyond the 98.
const Bytes TABLE = [] {
    Bytes bytes = {0x12, 0xF0, 0x07, 0, 0, 0, 'y', 'u', 'k', 'i', 0, 0, 0, 0, 0, 0};
    for (int i = 1; i < 6; ++i) {
        bytes.insert(bytes.end(), {0x0F, 0x27, 0, 0, 'n', 'o', 'b', 'o', 'd', 'y', 0, 0, 0, 0});
    }
    bytes.insert(bytes.end(), {0x09, 0x80, 0, 0, 0x0C, 0x80, 0, 0, 0x0E, 0x80, 0, 0, 0xAB, 0xCD});
    return bytes;
}();

std::string tablePath;
FileHandle heldFile = NO_FILE;

void HolderLetsGo() {
    CloseFile(heldFile);
    heldFile = NO_FILE;
}

void OtherCopyCreatesIt() { WriteWholeFile(tablePath, TABLE); }

TEST(HeldScoreFileTest, AFileThatAppearsBetweenOpenAndCreateIsNeverReplaced) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held, then let go" : "missing, then created by another copy");
        ResetFakeDesktop();
        TempDirectory directory;
        fakeDesktop.scoreDirectory = directory.path;
        tablePath = directory.Path("Dudazure2.hsc");
        if (held) {
            WriteWholeFile(tablePath, TABLE);
            heldFile = OpenScoreFile();
            ASSERT_NE(heldFile, NO_FILE);
        }
        beforeScoreFileCreate = held ? HolderLetsGo : OtherCopyCreatesIt;
        LoadOptions();
        beforeScoreFileCreate = nullptr;
        EXPECT_EQ(heldFile, NO_FILE);
        EXPECT_EQ(savedDifficulty, CMD_NORMAL);
        EXPECT_EQ(savedSound, CMD_SOUND_ON);
        EXPECT_EQ(savedLayout, CMD_MINI);

        // Neither a clear that would enter the table nor the exit writes.
        savedDifficulty = CMD_EASY;
        fakeDesktop.typedName = "taro";
        RecordClearTime(FakeWindow(), 3);
        SaveOptions();
        EXPECT_EQ(ReadWholeFile(tablePath), TABLE);
    }
}

} // namespace
