#include "tests/app_events.h"

#include "app/main_window.h"
#include "app/program_state.h"
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "store/score_file.h"
#include "tests/board_invariants.h"
#include "tests/fake_desktop.h"
#include "tests/temp_directory.h"

#include <cstring>

namespace {

constexpr int PLAY_COMMANDS[] = {CMD_UNDO,     CMD_HINT,      CMD_HIGH_SCORE,        CMD_VERSION,
                                 CMD_SOUND_ON, CMD_SOUND_OFF, CMD_ABOUT_ACCELERATOR, 0};
constexpr int GAME_COMMANDS[] = {CMD_NEW_GAME, CMD_EASY, CMD_NORMAL, CMD_MINI, CMD_LARGE, CMD_QUIT};

EventSource* source;
int modalDepth;

int Pick(uint32_t count) {
    return static_cast<int>(Choose(*source, count));
}

// A program's life: the window made and shown (a shown window paints before
// anything else reaches it), then destroyed and the loop left.
void Start() {
    OnCreate(FakeWindow());
    OnPaint(FakeWindow());
}

void Stop() {
    OnDestroy(FakeWindow());
    OnExit();
}

void ClickAt(Cell cell, int dx, int dy) {
    const Point p = CellPosition(gameRecord->layout, cell.col, cell.row);
    OnLeftButtonDown(FakeWindow(), p.x + dx, p.y + dy);
}

// Mostly play; commands that end the game in progress are rare enough for
// games to be cleared, and an ended game is soon followed by a new one.
void PlayEvent() {
    const GameState& state = *gameRecord;
    fakeDesktop.currentTime = 1 + Pick(1u << 30); // the next deal's seed
    const int kind = (state.gameOver || state.tilesLeft == 0) && Pick(4) == 0 ? 999 : Pick(1000);
    if (kind < 400) {
        const auto cell = ChooseClickCell(*source, state);
        cell ? ClickAt(*cell, 2 + Pick(16), 2 + Pick(16))
             : OnLeftButtonDown(FakeWindow(), Pick(2400) - 400, Pick(1400) - 400);
    } else if (kind < 800) {
        OnCommand(FakeWindow(), CMD_HINT);
        if (state.hintShown) {
            ClickAt(Cell{state.hintCol1, state.hintRow1}, 8, 8);
            ClickAt(Cell{state.hintCol2, state.hintRow2}, 8, 8);
        }
    } else if (kind < 860) {
        // Now and then a clock left running for hours.
        for (int ticks = Pick(64) == 0 ? Pick(12000) : 1; ticks > 0; --ticks) {
            OnTimer(FakeWindow());
        }
    } else if (kind < 900) {
        OnCommand(FakeWindow(), PLAY_COMMANDS[Pick(std::size(PLAY_COMMANDS))]);
    } else if (kind < 985) {
        OnPaint(FakeWindow());
    } else if (kind < 996) {
        OnCommand(FakeWindow(), GAME_COMMANDS[Pick(std::size(GAME_COMMANDS))]);
    } else if (kind < 998) {
        fakeDesktop.clientWidth = Pick(1600);
        fakeDesktop.clientHeight = Pick(1200);
        OnPaint(FakeWindow());
    } else {
        OnCommand(FakeWindow(), CMD_NEW_GAME); // and, at 998, the window closed
        kind == 998 ? (Stop(), Start()) : void();
    }
}

// Boxes and dialogs run a nested loop in which the clock ticks and the
// window paints, and now and then the window is closed under the box. The
// browser's waits and jingles run such a loop too, of paints and ticks only.
void NestedLoop(bool mayClose) {
    if (modalDepth++ < 3 && gameRecord != nullptr) {
        const int what = Pick(4);
        (what & 1) ? OnTimer(FakeWindow()) : void();
        (what & 2) ? OnPaint(FakeWindow()) : void();
        if (mayClose && Pick(64) == 0) {
            OnDestroy(FakeWindow());
        }
    }
    --modalDepth;
}

// What the desktop answers to the boxes and the dialog of the next event.
void SetAnswers() {
    fakeDesktop.answers = {Pick(2) ? ANSWER_YES : ANSWER_NO, Pick(2) ? ANSWER_YES : ANSWER_NO};
    fakeDesktop.nameDialogOk = Pick(4) != 0;
    fakeDesktop.typedName.resize(Pick(14));
    for (char& c : fakeDesktop.typedName) {
        c = static_cast<char>(1 + Pick(255));
    }
}

// A well-formed file: 98 bytes with the mark, a NUL in every name and every
// option one of its pair.
bool ScoreFileIsValid(const TempDirectory& directory) {
    const std::vector<unsigned char> file = ReadWholeFile(directory.Path(SCORE_FILE_NAME));
    bool valid = file.size() == SCORE_FILE_SIZE && file[0] == 0x12 && file[1] == 0xF0;
    for (int i = 0; valid && i < SCORE_RECORD_COUNT; ++i) {
        valid = std::memchr(&file[6 + i * SCORE_RECORD_SIZE], 0, NAME_FIELD_SIZE) != nullptr;
    }
    uint32_t options[3] = {}; // the file and the machine are little-endian
    valid ? (void)std::memcpy(options, &file[SCORE_FILE_SIZE - sizeof options], sizeof options)
          : void();
    return valid && options[0] - CMD_EASY <= 1 && options[1] - CMD_SOUND_ON <= 1 &&
           options[2] - CMD_MINI <= 1;
}

} // namespace

const char* PlayAppEvents(EventSource& events, uint64_t maxEvents, AppEventsCount* count) {
    static TempDirectory directory;
    std::remove(directory.Path(SCORE_FILE_NAME).c_str());
    ResetFakeDesktop();
    fakeDesktop.scoreDirectory = directory.path;
    for (int id : {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE, IDW_LOOP,
                   IDW_GAME_OVER, IDW_CLEAR}) {
        const ResourceData data = FindEmbeddedResource(id);
        fakeDesktop.resources[id].assign(data.bytes, data.bytes + data.size);
    }
    fakeDesktop.duringModal = [] { NestedLoop(true); };
    fakeDesktop.duringWait = [] { NestedLoop(false); };
    source = &events;
    *count = AppEventsCount{0, 0};
    const std::string clearBox = std::string("MessageBox ") + TEXT_CLEAR_CAPTION + "|";
    bool entered = false; // the cleared board on show has been through the high-score step
    const char* fault = nullptr;
    Start();
    for (; !fault && count->events < maxEvents && !EventSourceDone(events); ++count->events) {
        SetAnswers();
        PlayEvent();
        const int scoreSteps = CountCalls("NameEntryDialog") + CountCalls(clearBox);
        const int jingles = CountCalls("PlayOnce");
        const bool quit = CountCalls("PostQuit") > 0; // the message loop has ended
        quit ? (Stop(), Start()) : void();
        fakeDesktop.calls.clear();
        fault = BoardInvariantFault(*gameRecord);
        if (gameRecord->elapsedSeconds > 9999) {
            fault = "the clock passed 9999";
        } else if (jingles > 1) {
            fault = "a jingle played again from the paints while it played";
        } else if (scoreSteps > 1 || (scoreSteps == 1 && entered)) {
            fault = "a cleared game entered the table twice";
        } else if ((scoreSteps > 0 || quit) && !ScoreFileIsValid(directory)) {
            fault = "the score file is not well formed";
        }
        entered = gameRecord->tilesLeft == 0 && (entered || scoreSteps == 1);
        count->clears += static_cast<uint64_t>(scoreSteps);
    }
    Stop();
    return fault || ScoreFileIsValid(directory) ? fault : "the score file is not well formed";
}
