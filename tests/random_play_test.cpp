// Random play against the rules oracle: games of both difficulties, sound on
// and off, driven through the main window's handlers with clicks on tiles,
// on empty cells and outside the board, hints, undos, new games and option
// switches, with a paint after each. After every step the game must show
// what the oracle shows and ask the desktop for the same repaints, sounds,
// clock stops and boxes.
#include "resources/resource_ids.h"
#include "tests/app_fixture.h"
#include "tests/board_invariants.h"
#include "tests/event_source.h"
#include "tests/rules_oracle.h"

namespace {

constexpr int GAMES = 300;
constexpr int STEPS = 450;

// A legal partner of the picked tile, most of the time there is one.
std::optional<Cell> Partner(EventSource& events, const Oracle& o) {
    std::vector<Cell> partners;
    for (int r = 0; o.pick && r < int(o.rows.size()); ++r) {
        for (int c = 0; c < int(o.rows[r].size()); ++c) {
            if (LegalPair(o.rows, *o.pick, {c, r}))
                partners.push_back({c, r});
        }
    }
    if (partners.empty() || Choose(events, 8) == 0)
        return std::nullopt;
    return partners[Choose(events, uint32_t(partners.size()))];
}

// The first way the game differs from the oracle, or nothing.
std::string Difference(const Oracle& o, const GameState& s) {
    std::vector<std::string> calls;
    for (const std::string& call : fakeDesktop.calls) {
        for (const char* kind : {"Repaint", "PlayLoop", "PlayOnce", "StopClock", "MessageBox"}) {
            if (call.starts_with(kind))
                calls.push_back(call.starts_with("MessageBox") ? kind : call);
        }
    }
    const Cell none{-1, -1};
    const Cell pick = s.selectionActive ? Cell{s.selCol, s.selRow} : none;
    const Pair hint =
        s.hintShown ? Pair{{s.hintCol1, s.hintRow1}, {s.hintCol2, s.hintRow2}} : Pair{none, none};
    const char* fault = BoardInvariantFault(s);
    return fault                                       ? fault
           : s.cells != ShownBoard(o)                  ? "board"
           : s.historyCount != int(o.history.size())   ? "history"
           : pick != o.pick.value_or(none)             ? "pick"
           : hint != o.hint.value_or(Pair{none, none}) ? "hint"
           : bool(s.gameOver) != o.lost                ? "lost"
           : clearJinglePlayed != o.clearJinglePlayed  ? "clear jingle"
           : calls != o.calls                          ? "desktop calls"
                                                       : "";
}

TEST_F(AppTest, RandomPlayFollowsTheRules) {
    fakeDesktop.scoreDirectory.clear(); // no high-score step
    int cleared = 0;
    int lost = 0;
    for (uint64_t game = 0; game < GAMES; ++game) {
        // Seeds far apart, as the generator's streams of nearby seeds overlap.
        EventSource events = EventSourceFromSeed(game << 32);
        Oracle o;
        const auto deal = [&](int command) {
            fakeDesktop.currentTime = Choose(events, 0xFFFFFFFFu);
            Command(command);
            OracleDeal(o, uint32_t(fakeDesktop.currentTime));
            o.calls.push_back("Repaint erase");
        };
        clearJinglePlayed = 0;
        fakeDesktop.calls.clear();
        fakeDesktop.currentTime = game;
        Create(); // Normal, sound on
        Paint();
        OracleDeal(o, uint32_t(game));
        ASSERT_EQ(Difference(o, Game()), "") << "first deal of game " << game;
        bool sawClear = false, sawLoss = false;
        for (int step = 0; step < STEPS; ++step) {
            fakeDesktop.calls.clear();
            o.calls.clear();
            const uint32_t kind = step == 0 && game % 2 == 0 ? 1 : Choose(events, 400);
            if (kind == 0 || ((o.lost || o.rows.empty()) && kind < 60)) {
                o.calls.push_back("MessageBox"); // the question, answered Yes
                deal(CMD_NEW_GAME);
            } else if (kind <= 2) {
                // Difficulty or sound, often the one in force.
                bool& option = kind == 1 ? o.easy : o.soundOn;
                const bool first = step == 0 || Choose(events, 2) == 0;
                const int command = kind == 1 ? (first ? CMD_EASY : CMD_NORMAL)
                                              : (first ? CMD_SOUND_ON : CMD_SOUND_OFF);
                if (first != option) {
                    option = first;
                    deal(command);
                } else {
                    Command(command);
                }
            } else if (kind <= 30) {
                Command(CMD_HINT);
                OracleHint(o);
            } else if (kind <= 42) {
                Command(CMD_UNDO);
                OracleUndo(o);
            } else {
                std::optional<Cell> target = Partner(events, o);
                if (!target)
                    target =
                        o.hint && kind <= 200 ? o.hint->first : ChooseClickCell(events, Game());
                ClickOn(target);
                OracleClick(o, target);
            }
            Paint();
            OraclePaint(o);
            sawClear = sawClear || o.rows.empty();
            sawLoss = sawLoss || o.lost;
            ASSERT_EQ(Difference(o, Game()), "") << "game " << game << ", step " << step;
        }
        cleared += sawClear;
        lost += sawLoss;
        OnDestroy(Window());
    }
    EXPECT_GT(cleared, GAMES / 20); // the play reaches both ends often
    EXPECT_GT(lost, GAMES / 8);
}

} // namespace
