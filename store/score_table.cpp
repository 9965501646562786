// Best-times table logic, free of any dialog or file.
#include "store/score_table.h"

#include <cstdio>
#include <cstring>

int ScoreGroupStart(OptionId difficulty) { return difficulty == CMD_EASY ? 0 : SCORE_GROUP_SIZE; }

int ChooseTablePlace(const ScoreRecord* group, uint32_t clearTime) {
    for (int place = 0; place < SCORE_GROUP_SIZE; ++place) {
        // A stored time equal to the clear time does not give way.
        if (group[place].time > clearTime) {
            return place;
        }
    }
    return -1;
}

void CopyRecordName(char* destination, const char* source) {
    const size_t length = strnlen(source, NAME_FIELD_SIZE);
    std::memmove(destination, source, length);
    if (length < NAME_FIELD_SIZE) {
        destination[length] = '\0';
    }
}

void EnterTablePlace(ScoreRecord* group, int place, uint32_t clearTime) {
    for (int i = SCORE_GROUP_SIZE - 1; i > place; --i) {
        group[i].time = group[i - 1].time;
        CopyRecordName(group[i].name, group[i - 1].name);
    }
    group[place].time = clearTime;
}

void FormatScoreTable(const ScoreRecord* records, char* text, size_t size) {
    static const char* const LINE_LABELS[SCORE_RECORD_COUNT] = {
        "Easy 1", "Easy 2", "Easy 3", "Normal 1", "Normal 2", "Normal 3",
    };
    size_t used = 0;
    for (int i = 0; i < SCORE_RECORD_COUNT && used < size; ++i) {
        // The name stops at its NUL, and never runs past its field.
        const int written = std::snprintf(text + used, size - used, " %s: %4d : %.*s\n",
                                          LINE_LABELS[i], static_cast<int32_t>(records[i].time),
                                          NAME_FIELD_SIZE, records[i].name);
        if (written < 0) {
            break;
        }
        used += static_cast<size_t>(written);
    }
}
