// The high-score step and the table box. The table is read from the file
// each time and never kept between operations.
#include "store/high_scores.h"

#include "platform/desktop.h"
#include "resources/texts.h"
#include "store/score_file.h"
#include "store/score_table.h"
#include "store/shift_jis.h"

char playerName[10] = {};
uint8_t scoreCheckArmed = 1;

namespace {

// Room for whatever a desktop's text field holds before it is cut to a name.
constexpr int TYPED_NAME_BUFFER = 256;

void ShowTable(WindowHandle window, const ScoreRecord* records) {
    char text[SCORE_TABLE_TEXT_SIZE];
    FormatScoreTable(records, text, sizeof text);
    DesktopMessageBox(window, text, TEXT_HIGH_SCORE_CAPTION, MESSAGE_OK);
}

} // namespace

void RunScoreTrigger(WindowHandle window, const GameState& state) {
    if (state.tilesLeft != 0 || scoreCheckArmed != 1) {
        return;
    }
    // Disarmed before anything can wait, so the paints of the boxes' own
    // message loops never start a second step.
    scoreCheckArmed = 0;
    RecordClearTime(window, state.elapsedSeconds);
}

void RecordClearTime(WindowHandle window, uint32_t clearTime) {
    ScoreFile contents;
    if (!LoadScoreFile(&contents)) {
        return;
    }
    const int groupStart = ScoreGroupStart(savedDifficulty);
    ScoreRecord* group = contents.records.data() + groupStart;
    const int place = ChooseTablePlace(group, clearTime);
    if (place < 0) {
        DesktopMessageBox(window, TEXT_CONGRATULATIONS, TEXT_CLEAR_CAPTION, MESSAGE_OK);
        return;
    }
    EnterTablePlace(group, place, clearTime);

    char typed[TYPED_NAME_BUFFER] = {};
    if (DesktopNameEntryDialog(window, playerName, typed, sizeof typed)) {
        CopyShiftJisCut(playerName, sizeof playerName, typed);
    }
    CopyRecordName(group[place].name, playerName);

    // The file was closed while the dialog waited, and another copy may have
    // written its own best time or its options meanwhile. The time enters
    // the table as the file holds it now, and the option words go back as
    // read now; the options in force reach the file at exit. When the file
    // cannot be had now, nothing is written and the table read before the
    // dialog is shown with the entry.
    ScoreFile current;
    if (LoadScoreFile(&current)) {
        ScoreRecord* currentGroup = current.records.data() + groupStart;
        const int currentPlace = ChooseTablePlace(currentGroup, clearTime);
        if (currentPlace >= 0) {
            EnterTablePlace(currentGroup, currentPlace, clearTime);
            CopyRecordName(currentGroup[currentPlace].name, playerName);
            const FileHandle file = OpenScoreFile();
            if (file != NO_FILE) {
                WriteScoreFile(file, current);
                CloseFile(file);
            }
        }
        contents = current;
    }
    ShowTable(window, contents.records.data());
}

void ShowHighScores(WindowHandle window) {
    ScoreFile contents;
    if (!LoadScoreFile(&contents)) {
        contents = DefaultScoreFile();
    }
    ShowTable(window, contents.records.data());
}
