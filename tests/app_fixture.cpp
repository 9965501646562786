#include "tests/app_fixture.h"

#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "resources/resource_ids.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "tests/board_text.h"
#include "view/layout.h"

#include <cstring>

void AppTest::SetUp() {
    ResetFakeDesktop();
    fakeDesktop.scoreDirectory = directory.path;
    fakeDesktop.resources[IDW_LOOP].assign(LOOP_WAVE_SIZE, 0x80);
    fakeDesktop.resources[IDW_GAME_OVER].assign(GAME_OVER_WAVE_SIZE, 0x80);
    fakeDesktop.resources[IDW_CLEAR].assign(CLEAR_WAVE_SIZE, 0x80);
    savedDifficulty = savedSound = savedLayout = 0;
    std::memset(playerName, 'x', sizeof playerName); // creation must clear it
    scoreCheckArmed = 1;
    clearJinglePlayed = 0;
}

void AppTest::TearDown() {
    if (gameRecord) {
        OnDestroy(Window());
    }
}

void AppTest::Create() { ASSERT_TRUE(OnCreate(Window())); }

void AppTest::ClickOn(Cell cell) {
    const Point p = CellPosition(Game().layout, cell.col, cell.row);
    OnLeftButtonDown(Window(), p.x + 5, p.y + 5);
}

bool AppTest::PlayHintedPair() {
    Command(CMD_HINT);
    if (!Game().hintShown) {
        return false;
    }
    const Cell first{Game().hintCol1, Game().hintRow1};
    const Cell second{Game().hintCol2, Game().hintRow2};
    ClickOn(first);
    ClickOn(second);
    Paint();
    return true;
}

std::vector<std::string> AppTest::CallsLike(std::initializer_list<const char*> prefixes) const {
    std::vector<std::string> found;
    for (const std::string& call : fakeDesktop.calls) {
        for (const char* prefix : prefixes) {
            if (call.rfind(prefix, 0) == 0) {
                found.push_back(call);
                break;
            }
        }
    }
    return found;
}

uint32_t EasySeedClearedByHints() {
    static GameState state;
    for (uint32_t seed = 1;; ++seed) {
        std::memset(&state, 0, sizeof state);
        state.difficulty = CMD_EASY;
        DealBoard(state, seed);
        Cell first;
        Cell partner;
        while (FindLegalPair(state.cells, &first, &partner)) {
            ClickCell(state, nullptr, first);
            ClickCell(state, nullptr, partner);
        }
        if (state.tilesLeft == 0) {
            return seed;
        }
    }
}

void MakeStuck(GameState& state) {
    // Rows "1 2", "3 4 1", "2": the ones and the twos stand apart, neither
    // in line nor diagonal neighbours.
    state.cells = BoardFromRows({"1 2", "3 4 1", "2"});
    state.tilesLeft = 6;
}
