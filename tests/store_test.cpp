// The score file on disk (the default bytes, damaged, short and long files,
// files that cannot be used, a file another copy lets go of at start), and
// the table logic: where a time enters,
// moving names, the longest table text and cutting a typed name.
#include "store/high_scores.h"
#include "store/score_file.h"
#include "store/score_table.h"
#include "store/shift_jis.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes DefaultBytes() {
    Bytes bytes = {0x12, 0xF0};
    for (int i = 0; i < 6; ++i) {
        bytes.insert(bytes.end(), {0x0F, 0x27, 0, 0, 'n', 'o', 'b', 'o', 'd', 'y', 0, 0, 0, 0});
    }
    bytes.insert(bytes.end(), {0x0A, 0x80, 0, 0, 0x0B, 0x80, 0, 0, 0x0D, 0x80, 0, 0});
    return bytes;
}

Bytes With(Bytes bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
    return bytes;
}

class ScoreFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeDesktop();
        fakeDesktop.scoreDirectory = directory.path;
    }
    // Loads the options from a file holding the bytes (none: no file).
    std::vector<OptionId> Load(const Bytes* bytes = nullptr) {
        if (bytes) {
            WriteWholeFile(path, *bytes);
        }
        savedDifficulty = savedSound = savedLayout = 0;
        LoadOptions();
        return {savedDifficulty, savedSound, savedLayout};
    }
    TempDirectory directory;
    const std::string path = directory.Path("Dudazure2.hsc");
    const std::vector<OptionId> defaults = {CMD_NORMAL, CMD_SOUND_ON, CMD_MINI};
};

TEST_F(ScoreFileTest, DefaultsDamagedShortAndLongFiles) {
    EXPECT_EQ(Load(), defaults);
    EXPECT_EQ(ReadWholeFile(path), DefaultBytes());
    savedLayout = CMD_LARGE;
    SaveOptions();
    EXPECT_EQ(ReadWholeFile(path), With(DefaultBytes(), 94, CMD_LARGE));

    // Words outside their pair read as the defaults, in memory only; any
    // magic is taken; bytes past 98 stay; the save writes the magic and the
    // options in force.
    Bytes odd = With(With(With(DefaultBytes(), 86, 0), 90, CMD_SOUND_OFF), 94, CMD_EASY);
    odd[0] = 'X';
    odd.insert(odd.end(), {1, 2, 3});
    EXPECT_EQ(Load(&odd), (std::vector<OptionId>{CMD_NORMAL, CMD_SOUND_OFF, CMD_MINI}));
    EXPECT_EQ(ReadWholeFile(path), odd);
    SaveOptions();
    Bytes saved = With(With(odd, 86, CMD_NORMAL), 94, CMD_MINI);
    saved[0] = 0x12;
    EXPECT_EQ(ReadWholeFile(path), saved);

    // Ending after the records: default options, and the save writes 98 bytes.
    Bytes records = With(With(DefaultBytes(), 2, 321), 72, 654); // places 1 and 6
    records.resize(86);
    EXPECT_EQ(Load(&records), defaults);
    SaveOptions();
    EXPECT_EQ(ReadWholeFile(path), With(With(DefaultBytes(), 2, 321), 72, 654));
    // Ending inside record 1: it and those after read as the default record;
    // a word cut short keeps the bytes present.
    Bytes partial = With(With(DefaultBytes(), 2, 0x123456), 16, 200);
    partial.resize(20);
    WriteWholeFile(path, partial);
    ScoreFile contents;
    ASSERT_TRUE(LoadScoreFile(&contents));
    EXPECT_EQ(contents.records[0].time, 0x123456u);
    EXPECT_EQ(contents.records[5].time, 9999u);
    EXPECT_STREQ(contents.records[1].name, "nobody");
    Bytes cut = DefaultBytes();
    cut.resize(88);
    std::memset(&cut[6], 'A', 10); // a name without a NUL
    WriteWholeFile(path, cut);
    ASSERT_TRUE(LoadScoreFile(&contents));
    EXPECT_EQ(contents.difficulty, 0x800A);
    EXPECT_EQ(contents.sound, 0);
    EXPECT_EQ(std::string(contents.records[0].name, 10), "AAAAAAAAAA");
    EXPECT_EQ(contents.records[1].time, 9999u);
}

TEST_F(ScoreFileTest, UnusableFilesMeanDefaultsAndNothingWritten) {
    savedDifficulty = CMD_EASY;
    SaveOptions(); // never creates the file
    EXPECT_FALSE(std::filesystem::exists(path));
    const Bytes easy = With(DefaultBytes(), 86, CMD_EASY);
    WriteWholeFile(path, easy);
    const FileHandle held = OpenScoreFile(); // another copy holds it
    ASSERT_NE(held, NO_FILE);
    EXPECT_EQ(OpenScoreFile(), NO_FILE);
    EXPECT_EQ(Load(), defaults);
    SaveOptions();
    CloseFile(held);
    EXPECT_EQ(ReadWholeFile(path), easy);
    EXPECT_EQ(Load()[0], CMD_EASY); // let go: the next start saves again
    savedLayout = CMD_LARGE;
    SaveOptions();
    EXPECT_EQ(ReadWholeFile(path), With(easy, 94, CMD_LARGE));

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);           // a directory in its place
    const std::string tooLong(MAX_FILE_PATH - 5, 'x'); // twice: nothing may be left behind
    for (const std::string& where :
         {std::string(), directory.Path("missing"), tooLong, tooLong, directory.path}) {
        fakeDesktop.scoreDirectory = where;
        EXPECT_EQ(Load(), defaults) << where;
        savedLayout = CMD_LARGE;
        SaveOptions();
    }
    EXPECT_FALSE(std::filesystem::exists(directory.Path("missing")));
    EXPECT_TRUE(std::filesystem::is_directory(path));
#ifndef _WIN32 // Windows itself refuses paths of more than 259 characters
    // A path that just fills the buffer, its NUL included, is used.
    std::string deep = directory.path;
    while (deep.size() < MAX_FILE_PATH - 15)
        deep += "/" + std::string(std::min<size_t>(200, MAX_FILE_PATH - 16 - deep.size()), 'd');
    std::filesystem::create_directories(deep);
    fakeDesktop.scoreDirectory = deep;
    Load();
    EXPECT_TRUE(std::filesystem::exists(deep + "/Dudazure2.hsc"));
#endif
}

// Another copy lets go of the file, or makes it, between this run's failed
// open and its create. This run's options are defaults it never read and
// must never reach the file; a later clear still enters the table, and
// every other byte, option words and tail included, stays.
const Bytes TABLE(100, 0x5A);
std::string heldPath;
FileHandle heldFile = NO_FILE;

TEST_F(ScoreFileTest, AFileThatAppearsBetweenOpenAndCreateKeepsItsOptionsAndTakesAClear) {
    heldPath = path;
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held, then let go" : "missing, then made by another copy");
        std::filesystem::remove(path);
        if (held) {
            WriteWholeFile(path, TABLE);
            heldFile = OpenScoreFile();
        }
        beforeScoreFileCreate =
            held ? +[] { CloseFile(heldFile); } : +[] { WriteWholeFile(heldPath, TABLE); };
        Load();
        beforeScoreFileCreate = nullptr;
        SaveOptions();
        EXPECT_EQ(ReadWholeFile(path), TABLE);
        savedDifficulty = CMD_EASY;
        fakeDesktop.typedName = "me";
        RecordClearTime(FakeWindow(), 3);
        SaveOptions();
        Bytes recorded = TABLE;
        const unsigned char entry[] = {0x12, 0xF0, 3, 0, 0, 0, 'm', 'e', 0};
        std::copy(std::begin(entry), std::end(entry), recorded.begin());
        EXPECT_EQ(ReadWholeFile(path), recorded);
    }
}

ScoreRecord Record(uint32_t time, const char* name) {
    ScoreRecord record;
    std::memset(record.name, '#', sizeof record.name);
    record.time = time;
    std::memcpy(record.name, name, std::strlen(name) + 1);
    return record;
}

TEST(ScoreTableTest, PlacesNamesAndText) {
    const ScoreRecord group[3] = {Record(10, "a"), Record(0x80000000u, "b"), Record(~0u, "c")};
    EXPECT_EQ(ChooseTablePlace(group, 9), 0);
    EXPECT_EQ(ChooseTablePlace(group, 10), 1); // equal is not better; the top bit is large
    EXPECT_EQ(ChooseTablePlace(group, ~0u), -1);

    ScoreRecord moved[3] = {Record(10, "alice"), Record(20, "bo"), Record(30, "carol")};
    std::memcpy(moved[0].name, "0123456789", 10); // no NUL: ten bytes of text
    EnterTablePlace(moved, 0, 5);
    EXPECT_EQ((std::vector<uint32_t>{moved[0].time, moved[1].time, moved[2].time}),
              (std::vector<uint32_t>{5, 10, 20}));
    EXPECT_EQ(std::string(moved[1].name, 10), "0123456789");
    EXPECT_EQ(std::string(moved[2].name, 6), std::string("bo\0ol\0", 6)); // "carol"'s tail
    EXPECT_EQ(ScoreGroupStart(CMD_EASY), 0);
    EXPECT_EQ(ScoreGroupStart(0), 3);

    // The longest text: unterminated names, the widest times.
    ScoreRecord records[6];
    for (ScoreRecord& record : records) {
        record.time = 0x80000000u;
        std::memset(record.name, 'N', sizeof record.name);
    }
    char text[SCORE_TABLE_TEXT_SIZE];
    FormatScoreTable(records, text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 34), " Easy 1: -2147483648 : NNNNNNNNNN\n");
    EXPECT_EQ(std::strlen(text), 6 * 34u + 3 * 2);
    char small[40];
    FormatScoreTable(records, small, sizeof small);
    EXPECT_EQ(std::string(small), std::string(text, 39));
}

TEST(ScoreTableTest, TypedNamesAreCutWithoutSplittingACharacter) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"abcdefghijkl", "abcdefghi"},
        {"\xC3\xBD\xC4\xC3\xBD\xC4\xC3\xBD\xC4\xC3", "\xC3\xBD\xC4\xC3\xBD\xC4\xC3\xBD\xC4"},
        {"a\x96\xBC\x91\x4F\x96\xBC\x91\x4F\x96\xBC", "a\x96\xBC\x91\x4F\x96\xBC\x91\x4F"},
        {"abcdefg\x96\xBC", "abcdefg\x96\xBC"},
        {"abcdefgh\x81\x40", "abcdefgh"},
        {"abcdefgh\x9F\x40", "abcdefgh"},
        {"abcdefgh\xE0\x40", "abcdefgh"},
        {"abcdefgh\xFC\x40", "abcdefgh"},
        {"abcdefgh\x80\x40", "abcdefgh\x80"},
        {"abcdefgh\xA0\x40", "abcdefgh\xA0"},
        {"abcdefgh\xFD\x40", "abcdefgh\xFD"},
        {"ab\x96", "ab\x96"} // a lead byte at the end stands alone
    };
    for (const auto& c : cases) {
        char name[NAME_FIELD_SIZE];
        EXPECT_EQ(CopyShiftJisCut(name, sizeof name, c.typed), std::strlen(c.kept));
        EXPECT_STREQ(name, c.kept);
    }
    char one[1] = {'x'}; // room for the NUL alone
    EXPECT_EQ(CopyShiftJisCut(one, 1, "abc"), 0u);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(CopyShiftJisCut(one, 0, "abc"), 0u); // no room at all
}

} // namespace
