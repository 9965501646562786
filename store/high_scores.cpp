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
    ScoreRecord* group = contents.records.data() + ScoreGroupStart(savedDifficulty);
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

    // The option words go back as they were read; the options in force
    // reach the file at exit.
    const FileHandle file = OpenScoreFileForRewrite();
    if (file != NO_FILE) {
        WriteScoreFile(file, contents);
        CloseFile(file);
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
