// Reading and writing the score file. Every operation opens the file, does
// its work and closes it again; the file is never held between operations.
#include "store/score_file.h"

#include "platform/desktop.h"

#include <array>
#include <cstring>

// Zero until LoadOptions reads the file.
OptionId savedDifficulty;
OptionId savedSound;
OptionId savedLayout;
void (*beforeScoreFileCreate)() = nullptr;

namespace {

constexpr int RECORDS_OFFSET = 2;
constexpr int OPTIONS_OFFSET = RECORDS_OFFSET + SCORE_RECORD_COUNT * SCORE_RECORD_SIZE;

// Set by LoadOptions: false when it could neither open nor create the file,
// so that the options in force are defaults this run never read.
bool optionsSaveAllowed;

ScoreRecord DefaultRecord() {
    ScoreRecord record{};
    record.time = DEFAULT_RECORD_TIME;
    std::memcpy(record.name, "nobody", sizeof "nobody");
    return record;
}

// The file's full path, or false when the directory is unknown or the path
// would not fit.
bool ScoreFilePath(char* path, int size) {
    const int length = DesktopScoreDirectory(path, size);
    const int nameLength = static_cast<int>(sizeof SCORE_FILE_NAME); // with its NUL
    if (length <= 0 || length + 1 + nameLength > size) {
        return false;
    }
    path[length] = PATH_SEPARATOR;
    std::memcpy(path + length + 1, SCORE_FILE_NAME, static_cast<size_t>(nameLength));
    return true;
}

FileHandle OpenWith(FileDisposition disposition) {
    char path[MAX_FILE_PATH];
    if (!ScoreFilePath(path, sizeof path)) {
        return NO_FILE;
    }
    return OpenExclusiveFile(path, disposition);
}

uint32_t GetLittle32(const unsigned char* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

using FileImage = std::array<unsigned char, SCORE_FILE_SIZE>;

void PutLittle32(FileImage& image, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        image[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

OptionId ValidOption(OptionId value, OptionId first, OptionId second, OptionId fallback) {
    return value == first || value == second ? value : fallback;
}

// Creates the file when none exists; never replaces an existing one.
FileHandle CreateScoreFile() { return OpenWith(FILE_CREATE_NEW); }

// Reads an opened file from its current position. A file that ends early
// gives the default record for every record it does not hold in full, and
// zero bytes for what is missing of an option word.
ScoreFile ReadScoreFile(FileHandle file) {
    unsigned char image[SCORE_FILE_SIZE] = {};
    const size_t got = ReadFileBytes(file, image, sizeof image);

    // The magic is compared with nothing; a rewrite puts SCORE_FILE_MAGIC back.
    ScoreFile contents{};
    for (int i = 0; i < SCORE_RECORD_COUNT; ++i) {
        const size_t offset = RECORDS_OFFSET + static_cast<size_t>(i) * SCORE_RECORD_SIZE;
        if (got < offset + SCORE_RECORD_SIZE) {
            contents.records[i] = DefaultRecord();
            continue;
        }
        contents.records[i].time = GetLittle32(image + offset);
        std::memcpy(contents.records[i].name, image + offset + 4, NAME_FIELD_SIZE);
    }
    // Bytes the file lacks stay zero, so a missing word reads as 0 and a
    // word cut short has zero high-order bytes.
    contents.difficulty = static_cast<OptionId>(GetLittle32(image + OPTIONS_OFFSET));
    contents.sound = static_cast<OptionId>(GetLittle32(image + OPTIONS_OFFSET + 4));
    contents.layout = static_cast<OptionId>(GetLittle32(image + OPTIONS_OFFSET + 8));
    return contents;
}

} // namespace

// ---- Opening -------------------------------------------------------------------

FileHandle OpenScoreFile() { return OpenWith(FILE_OPEN_EXISTING); }

// ---- Contents ------------------------------------------------------------------

ScoreFile DefaultScoreFile() {
    ScoreFile contents{};
    for (ScoreRecord& record : contents.records) {
        record = DefaultRecord();
    }
    contents.difficulty = CMD_NORMAL;
    contents.sound = CMD_SOUND_ON;
    contents.layout = CMD_MINI;
    return contents;
}

bool LoadScoreFile(ScoreFile* contents) {
    const FileHandle file = OpenScoreFile();
    if (file == NO_FILE) {
        return false;
    }
    *contents = ReadScoreFile(file);
    CloseFile(file);
    return true;
}

void WriteScoreFile(FileHandle file, const ScoreFile& contents) {
    FileImage image;
    image[0] = SCORE_FILE_MAGIC & 0xFF;
    image[1] = SCORE_FILE_MAGIC >> 8;
    for (int i = 0; i < SCORE_RECORD_COUNT; ++i) {
        const size_t field = RECORDS_OFFSET + static_cast<size_t>(i) * SCORE_RECORD_SIZE;
        PutLittle32(image, field, contents.records[i].time);
        std::memcpy(image.data() + field + 4, contents.records[i].name, NAME_FIELD_SIZE);
    }
    PutLittle32(image, OPTIONS_OFFSET, static_cast<uint32_t>(contents.difficulty));
    PutLittle32(image, OPTIONS_OFFSET + 4, static_cast<uint32_t>(contents.sound));
    PutLittle32(image, OPTIONS_OFFSET + 8, static_cast<uint32_t>(contents.layout));
    WriteFileBytes(file, image.data(), image.size());
}

// ---- Options ---------------------------------------------------------------------

void LoadOptions() {
    ScoreFile contents;
    optionsSaveAllowed = true;
    if (!LoadScoreFile(&contents)) {
        contents = DefaultScoreFile();
        if (beforeScoreFileCreate) {
            beforeScoreFileCreate();
        }
        // The create fails when the file exists: held by another copy, not
        // writable, or just let go. Its contents stay as they are.
        const FileHandle file = CreateScoreFile();
        optionsSaveAllowed = file != NO_FILE;
        if (file != NO_FILE) {
            WriteScoreFile(file, contents);
            CloseFile(file);
        }
    }
    savedDifficulty = ValidOption(contents.difficulty, CMD_EASY, CMD_NORMAL, CMD_NORMAL);
    savedSound = ValidOption(contents.sound, CMD_SOUND_ON, CMD_SOUND_OFF, CMD_SOUND_ON);
    savedLayout = ValidOption(contents.layout, CMD_MINI, CMD_LARGE, CMD_MINI);
}

void SaveOptions() {
    ScoreFile contents;
    if (!LoadScoreFile(&contents)) {
        return;
    }
    const FileHandle file = optionsSaveAllowed ? OpenScoreFile() : NO_FILE;
    if (file == NO_FILE) {
        return;
    }
    contents.difficulty = savedDifficulty;
    contents.sound = savedSound;
    contents.layout = savedLayout;
    WriteScoreFile(file, contents);
    CloseFile(file);
}
