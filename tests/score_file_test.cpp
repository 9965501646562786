// The score file on disk: the default bytes, damaged and odd-sized files,
// files that cannot be used, and two openers at once.
#include "store/score_file.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Bytes = std::vector<unsigned char>;

// The bytes of a newly created file; the three bytes behind each "nobody"
// are written as zero.
Bytes DefaultBytes() {
    Bytes bytes = {0x12, 0xF0};
    for (int i = 0; i < 6; ++i) {
        bytes.insert(bytes.end(), {0x0F, 0x27, 0x00, 0x00, 'n', 'o', 'b', 'o', 'd', 'y', 0, 0, 0, 0});
    }
    bytes.insert(bytes.end(), {0x0A, 0x80, 0, 0, 0x0B, 0x80, 0, 0, 0x0D, 0x80, 0, 0});
    return bytes;
}

void PutWord(Bytes& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFakeDesktop();
        fakeDesktop.scoreDirectory = directory.path;
        savedDifficulty = savedSound = savedLayout = 0;
    }

    std::string FilePath() const { return directory.Path("Dudazure2.hsc"); }
    Bytes FileBytes() const { return ReadWholeFile(FilePath()); }

    void ExpectOptions(OptionId difficulty, OptionId sound, OptionId layout) {
        EXPECT_EQ(savedDifficulty, difficulty);
        EXPECT_EQ(savedSound, sound);
        EXPECT_EQ(savedLayout, layout);
    }

    TempDirectory directory;
};

TEST_F(ScoreFileTest, FirstStartWritesTheDefaultBytes) {
    LoadOptions();
    EXPECT_EQ(FileBytes(), DefaultBytes());
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);

    savedSound = CMD_SOUND_OFF;
    savedLayout = CMD_LARGE;
    SaveOptions();
    Bytes expected = DefaultBytes();
    PutWord(expected, 90, CMD_SOUND_OFF);
    PutWord(expected, 94, CMD_LARGE);
    EXPECT_EQ(FileBytes(), expected);

    savedDifficulty = savedSound = savedLayout = 0;
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_OFF, CMD_LARGE);
}

TEST_F(ScoreFileTest, OptionsOutsideTheirPairAreCorrectedInMemoryOnly) {
    Bytes bytes = DefaultBytes();
    PutWord(bytes, 86, 0);
    PutWord(bytes, 90, CMD_SOUND_OFF);
    PutWord(bytes, 94, CMD_EASY); // a valid id, but of another pair
    WriteWholeFile(FilePath(), bytes);

    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_OFF, CMD_MINI);
    EXPECT_EQ(FileBytes(), bytes);

    savedDifficulty = CMD_EASY;
    SaveOptions();
    Bytes expected = bytes;
    PutWord(expected, 86, CMD_EASY);
    PutWord(expected, 94, CMD_MINI);
    EXPECT_EQ(FileBytes(), expected);
}

TEST_F(ScoreFileTest, WrongMagicIsAcceptedAndMendedAtTheNextSave) {
    Bytes bytes = DefaultBytes();
    bytes[0] = 'X';
    bytes[1] = 'Y';
    PutWord(bytes, 86, CMD_EASY);
    WriteWholeFile(FilePath(), bytes);

    LoadOptions();
    ExpectOptions(CMD_EASY, CMD_SOUND_ON, CMD_MINI);
    SaveOptions();
    bytes[0] = 0x12;
    bytes[1] = 0xF0;
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(ScoreFileTest, LongerFileKeepsEverythingFromOffset98) {
    Bytes bytes = DefaultBytes();
    for (int i = 0; i < 22; ++i) {
        bytes.push_back(static_cast<unsigned char>(0xA0 + i));
    }
    WriteWholeFile(FilePath(), bytes);

    LoadOptions();
    savedLayout = CMD_LARGE;
    SaveOptions();
    Bytes expected = bytes;
    PutWord(expected, 94, CMD_LARGE);
    EXPECT_EQ(FileBytes(), expected);
}

TEST_F(ScoreFileTest, ShortFilesReadMissingPartsAsDefaults) {
    // Ends right after the records: every option takes its default, and the
    // save writes the whole 98 bytes.
    Bytes bytes = DefaultBytes();
    PutWord(bytes, 2, 321);
    bytes.resize(86);
    WriteWholeFile(FilePath(), bytes);
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
    EXPECT_EQ(FileBytes().size(), 86u);
    SaveOptions();
    Bytes expected = DefaultBytes();
    PutWord(expected, 2, 321);
    EXPECT_EQ(FileBytes(), expected);

    // Ends inside the second record: it and the records after it read as
    // the default record.
    Bytes partial = DefaultBytes();
    PutWord(partial, 2, 100);
    PutWord(partial, 16, 200);
    partial.resize(20);
    WriteWholeFile(FilePath(), partial);
    ScoreFile contents;
    ASSERT_TRUE(LoadScoreFile(&contents));
    EXPECT_EQ(contents.records[0].time, 100u);
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(contents.records[i].time, 9999u);
        EXPECT_STREQ(contents.records[i].name, "nobody");
    }

    // An option word cut short keeps the bytes present, zero above them.
    Bytes cut = DefaultBytes();
    cut.resize(88);
    WriteWholeFile(FilePath(), cut);
    ASSERT_TRUE(LoadScoreFile(&contents));
    EXPECT_EQ(contents.difficulty, 0x800A);
    EXPECT_EQ(contents.sound, 0);
}

TEST_F(ScoreFileTest, NameWithoutNulStaysInsideItsField) {
    Bytes bytes = DefaultBytes();
    for (int i = 0; i < 10; ++i) {
        bytes[6 + i] = static_cast<unsigned char>('A' + i);
    }
    WriteWholeFile(FilePath(), bytes);
    ScoreFile contents;
    ASSERT_TRUE(LoadScoreFile(&contents));
    EXPECT_EQ(std::string(contents.records[0].name, 10), "ABCDEFGHIJ");
    EXPECT_EQ(contents.records[1].time, 9999u);
}

TEST_F(ScoreFileTest, UnusableFileMeansDefaultsAndNothingWritten) {
    // No directory at all.
    fakeDesktop.scoreDirectory.clear();
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
    SaveOptions();

    // A directory that does not exist and is not created here.
    fakeDesktop.scoreDirectory = directory.Path("missing");
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
    EXPECT_FALSE(FileExists(directory.Path("missing")));

    // A directory standing where the file should be.
    fakeDesktop.scoreDirectory = directory.path;
    std::filesystem::create_directory(FilePath());
    savedDifficulty = 0;
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
    savedLayout = CMD_LARGE;
    SaveOptions();
    EXPECT_TRUE(std::filesystem::is_directory(FilePath()));

    // A path too long for the buffer.
    fakeDesktop.scoreDirectory = std::string(MAX_FILE_PATH - 5, 'x');
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
}

TEST_F(ScoreFileTest, SaveNeverCreatesTheFile) {
    savedDifficulty = CMD_EASY;
    savedSound = CMD_SOUND_ON;
    savedLayout = CMD_MINI;
    SaveOptions();
    EXPECT_FALSE(FileExists(FilePath()));
}

TEST_F(ScoreFileTest, AHeldFileAdmitsNoSecondOpenerAndIsNotReplaced) {
    Bytes bytes = DefaultBytes();
    PutWord(bytes, 86, CMD_EASY);
    WriteWholeFile(FilePath(), bytes);

    const FileHandle held = OpenScoreFile();
    ASSERT_NE(held, NO_FILE);
    EXPECT_EQ(OpenScoreFile(), NO_FILE);
    EXPECT_EQ(CreateScoreFile(), NO_FILE);

    // Another copy starting now gets the defaults and leaves the file alone.
    LoadOptions();
    ExpectOptions(CMD_NORMAL, CMD_SOUND_ON, CMD_MINI);
    savedSound = CMD_SOUND_OFF;
    SaveOptions();

    CloseFile(held);
    EXPECT_EQ(FileBytes(), bytes);
    const FileHandle again = OpenScoreFile();
    EXPECT_NE(again, NO_FILE);
    CloseFile(again);
}

} // namespace
