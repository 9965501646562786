// The best-times table: where a clear time enters, moving places down, and
// the table's text. The table lives in the score file and nowhere else.
#pragma once

#include "store/score_file.h"

#include <cstddef>

constexpr size_t SCORE_TABLE_TEXT_SIZE = 256;

// The first record of the difficulty's three places: Easy 0, Normal 3.
int ScoreGroupStart(OptionId difficulty);

// The place (0..2) of the first record in the group whose time is greater
// than the clear time, both taken as unsigned; -1 when none is.
int ChooseTablePlace(const ScoreRecord* group, uint32_t clearTime);

// Moves the places from `place` on down by one (the last is lost) and sets
// the time of `place`. Names are copied as text up to their NUL; the bytes
// behind it stay as the destination held them.
void EnterTablePlace(ScoreRecord* group, int place, uint32_t clearTime);

// Copies a name as text up to its NUL into a record's name field. A field
// without a NUL holds 10 bytes of text.
void CopyRecordName(char* destination, const char* source);

// Formats the six records as the table text shown to the player.
void FormatScoreTable(const ScoreRecord* records, char* text, size_t size);
