#include "app/options.h"

#include "app/new_game.h"
#include "app/program_state.h"
#include "platform/desktop.h"
#include "store/score_file.h"
#include "view/layout.h"

namespace {

// One option: its two ids, its field in the GameState and its saved copy.
struct OptionPair {
    OptionId first;
    OptionId second;
    OptionId GameState::*field;
    OptionId* saved;
};

const OptionPair DIFFICULTY = {CMD_EASY, CMD_NORMAL, &GameState::difficulty, &savedDifficulty};
const OptionPair SOUND = {CMD_SOUND_ON, CMD_SOUND_OFF, &GameState::sound, &savedSound};
const OptionPair LAYOUT = {CMD_MINI, CMD_LARGE, &GameState::layout, &savedLayout};

void ApplyOption(const OptionPair& pair, GameState& state, WindowHandle window, OptionId id) {
    state.*pair.field = id;
    if (id == pair.first || id == pair.second) {
        DesktopSetMenuCheck(window, pair.first, id == pair.first);
        DesktopSetMenuCheck(window, pair.second, id == pair.second);
    }
}

// Saves the choice; true when it differs from the option in force.
bool SaveChoice(const OptionPair& pair, const GameState& state, OptionId id) {
    *pair.saved = id;
    return state.*pair.field != id;
}

// Difficulty and sound deal a new game in the same back buffer.
void ChangeAndDeal(const OptionPair& pair, GameState& state, WindowHandle window, OptionId id) {
    if (!SaveChoice(pair, state, id)) {
        return;
    }
    ApplyOption(pair, state, window, id);
    StartNewGame(state);
    DesktopRequestRepaint(window, true);
}

} // namespace

void ApplyDifficulty(GameState& state, WindowHandle window, OptionId id) {
    ApplyOption(DIFFICULTY, state, window, id);
}

void ApplySound(GameState& state, WindowHandle window, OptionId id) {
    ApplyOption(SOUND, state, window, id);
}

void ApplyLayout(GameState& state, WindowHandle window, OptionId id) {
    ApplyOption(LAYOUT, state, window, id);
}

void ChangeDifficulty(GameState& state, WindowHandle window, OptionId id) {
    ChangeAndDeal(DIFFICULTY, state, window, id);
}

void ChangeSound(GameState& state, WindowHandle window, OptionId id) {
    ChangeAndDeal(SOUND, state, window, id);
}

void ChangeLayout(GameState& state, WindowHandle window, OptionId id) {
    if (!SaveChoice(LAYOUT, state, id)) {
        return;
    }
    ApplyLayout(state, window, id);
    PlaceWindowFor(window, id);
    RebuildBackBuffer(state, window);
    DesktopRequestRepaint(window, true);
}

void PlaceWindowFor(WindowHandle window, Layout layout) {
    int screenWidth = 0;
    int screenHeight = 0;
    DesktopScreenSize(&screenWidth, &screenHeight);
    DesktopPlaceWindow(window, PlacementFor(layout, screenWidth, screenHeight));
}
