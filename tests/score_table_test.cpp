// The best-times table: where a time enters, how places move, the table's
// text, and cutting names to the field.
#include "store/score_table.h"
#include "store/shift_jis.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstring>

namespace {

ScoreRecord Record(uint32_t time, const char* name) {
    ScoreRecord record;
    std::memset(record.name, '#', sizeof record.name); // bytes behind the NUL
    record.time = time;
    std::memcpy(record.name, name, std::strlen(name) + 1);
    return record;
}

TEST(ScoreTableTest, PlaceChoiceIsStrictAndUnsigned) {
    const ScoreRecord defaults[3] = {Record(9999, "nobody"), Record(9999, "nobody"),
                                     Record(9999, "nobody")};
    EXPECT_EQ(ChooseTablePlace(defaults, 9999), -1); // equal is not better
    EXPECT_EQ(ChooseTablePlace(defaults, 9998), 0);
    EXPECT_EQ(ChooseTablePlace(defaults, 0), 0);

    const ScoreRecord group[3] = {Record(10, "a"), Record(20, "b"), Record(30, "c")};
    EXPECT_EQ(ChooseTablePlace(group, 20), 2); // equal to place 2, faster than 3
    EXPECT_EQ(ChooseTablePlace(group, 9), 0);
    EXPECT_EQ(ChooseTablePlace(group, 30), -1);

    // A stored time with its top bit set is larger than any clear time.
    const ScoreRecord negative[3] = {Record(10, "a"), Record(0x80000000u, "b"),
                                     Record(0xFFFFFFFFu, "c")};
    EXPECT_EQ(ChooseTablePlace(negative, 9999), 1);
}

TEST(ScoreTableTest, EnteringMovesLowerPlacesDownAndDropsTheLast) {
    ScoreRecord group[3] = {Record(10, "alice"), Record(20, "bo"), Record(30, "carol")};
    EnterTablePlace(group, 0, 5);
    EXPECT_EQ(group[0].time, 5u);
    EXPECT_STREQ(group[0].name, "alice"); // the caller names the new place
    EXPECT_EQ(group[1].time, 10u);
    EXPECT_STREQ(group[1].name, "alice");
    EXPECT_EQ(group[2].time, 20u);
    EXPECT_STREQ(group[2].name, "bo");
    // Only the text and its NUL were copied; "carol"'s tail stays.
    EXPECT_EQ(std::string(group[2].name, 6), std::string("bo\0ol\0", 6));

    ScoreRecord last[3] = {Record(10, "a"), Record(20, "b"), Record(30, "c")};
    EnterTablePlace(last, 2, 25);
    EXPECT_EQ(last[1].time, 20u);
    EXPECT_EQ(last[2].time, 25u);
    EXPECT_STREQ(last[2].name, "c");

    // A name field without a NUL moves as its 10 bytes.
    ScoreRecord full[3] = {Record(10, "a"), Record(20, "b"), Record(30, "c")};
    std::memcpy(full[0].name, "0123456789", 10);
    EnterTablePlace(full, 0, 1);
    EXPECT_EQ(std::string(full[1].name, 10), "0123456789");
}

TEST(ScoreTableTest, GroupsByDifficulty) {
    EXPECT_EQ(ScoreGroupStart(CMD_EASY), 0);
    EXPECT_EQ(ScoreGroupStart(CMD_NORMAL), 3);
    EXPECT_EQ(ScoreGroupStart(0), 3);
}

TEST(ScoreTableTest, TableText) {
    ScoreRecord records[6] = {Record(9999, "nobody"), Record(12, "\x83\x65\x83\x58\x83\x67"),
                              Record(123, ""),        Record(0xFFFFFFFFu, "x"),
                              Record(9999, "nobody"), Record(9999, "nobody")};
    char text[SCORE_TABLE_TEXT_SIZE];
    FormatScoreTable(records, text, sizeof text);
    EXPECT_STREQ(text, " Easy 1: 9999 : nobody\n"
                       " Easy 2:   12 : \x83\x65\x83\x58\x83\x67\n"
                       " Easy 3:  123 : \n"
                       " Normal 1:   -1 : x\n"
                       " Normal 2: 9999 : nobody\n"
                       " Normal 3: 9999 : nobody\n");

    // The longest text: six unterminated names and the widest times.
    for (ScoreRecord& record : records) {
        record.time = 0x80000000u;
        std::memset(record.name, 'N', sizeof record.name);
    }
    FormatScoreTable(records, text, sizeof text);
    const std::string longest = text;
    EXPECT_EQ(longest.substr(0, 34), " Easy 1: -2147483648 : NNNNNNNNNN\n");
    EXPECT_EQ(longest.size(), 6 * 34u + 3 * 2); // "Normal" is two bytes longer
    EXPECT_TRUE(longest.ends_with(" Normal 3: -2147483648 : NNNNNNNNNN\n"));
}

TEST(ScoreTableTest, NamesAreCutWithoutSplittingACharacter) {
    char name[NAME_FIELD_SIZE];
    EXPECT_EQ(CopyShiftJisCut(name, sizeof name, "abcdefghijkl"), 9u);
    EXPECT_STREQ(name, "abcdefghi");

    // Half-width katakana are one byte each.
    CopyShiftJisCut(name, sizeof name, "\xC3\xBD\xC4\xC3\xBD\xC4\xC3\xBD\xC4\xC3");
    EXPECT_STREQ(name, "\xC3\xBD\xC4\xC3\xBD\xC4\xC3\xBD\xC4");

    // Five two-byte characters: four fit in nine bytes.
    EXPECT_EQ(CopyShiftJisCut(name, sizeof name, "\x96\xBC\x91\x4F\x96\xBC\x91\x4F\x96\xBC"), 8u);
    EXPECT_STREQ(name, "\x96\xBC\x91\x4F\x96\xBC\x91\x4F");

    // One byte, then two-byte characters: the ninth byte is a whole one.
    EXPECT_EQ(CopyShiftJisCut(name, sizeof name, "a\x96\xBC\x91\x4F\x96\xBC\x91\x4F\x96\xBC"), 9u);

    // A lead byte with nothing after it counts alone.
    EXPECT_EQ(CopyShiftJisCut(name, sizeof name, "ab\x96"), 3u);
}

} // namespace
