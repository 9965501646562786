// The score file: best times for both difficulties and the three saved
// options, 98 bytes, little-endian, fields packed without gaps.
#pragma once

#include "model/game_state.h"
#include "platform/file_access.h"

#include <array>
#include <cstdint>

constexpr uint16_t SCORE_FILE_MAGIC = 0xF012;
constexpr int SCORE_FILE_SIZE = 98;
constexpr int SCORE_RECORD_SIZE = 14;
constexpr int SCORE_RECORD_COUNT = 6;
constexpr int SCORE_GROUP_SIZE = 3; // places per difficulty
constexpr int NAME_FIELD_SIZE = 10; // at most 9 bytes of text and a NUL
constexpr uint32_t DEFAULT_RECORD_TIME = 9999;
constexpr char SCORE_FILE_NAME[] = "Dudazure2.hsc";

struct ScoreRecord {
    uint32_t time; // shown as signed, compared as unsigned
    char name[NAME_FIELD_SIZE];
};

// The file's contents as read, less the magic, which is compared with nothing.
// Option words are kept exactly as stored.
struct ScoreFile {
    std::array<ScoreRecord, SCORE_RECORD_COUNT> records; // Easy places 1-3, Normal places 1-3
    OptionId difficulty;
    OptionId sound;
    OptionId layout;
};

// The options as read from the file, changed by every option command and
// written back at exit.
extern OptionId savedDifficulty;
extern OptionId savedSound;
extern OptionId savedLayout;

// Opens the existing file for reading and writing, never creating it.
FileHandle OpenScoreFile();
// Test seam: when set, LoadOptions calls it between the failed open and the
// create, where another copy may let go of the file.
extern void (*beforeScoreFileCreate)();

// The default contents: six records of 9999 and "nobody", Normal, sound on,
// the mini window.
ScoreFile DefaultScoreFile();

// Opens, reads and closes the file; false when it cannot be opened.
bool LoadScoreFile(ScoreFile* contents);

// Writes the 98-byte image from offset 0 with SCORE_FILE_MAGIC, whatever
// magic was read. A longer file keeps its bytes from offset 98 on.
void WriteScoreFile(FileHandle file, const ScoreFile& contents);

// Sets the saved options from the file, creating the file with the defaults
// when there is none. A file that exists but cannot be opened gives the
// defaults in memory, and SaveOptions writes nothing for the rest of the
// run: those defaults were never read from the file and would overwrite the
// player's options. A clear still enters the table when the file can be
// had by then.
// Values outside their pair fall back to the defaults in memory only.
void LoadOptions();

// Writes the saved options into the existing file, keeping its records.
void SaveOptions();
