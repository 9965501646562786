// Random play against the rules oracle: games of both difficulties, sound on
// and off, driven through the main window's handlers with clicks on tiles,
// on empty cells and outside the board, hints, undos, new games and option
// switches, with a paint after each. After every step the game must show
// what the oracle shows and ask the desktop for the same repaints, jingles
// and boxes.
#include "resources/resource_ids.h"
#include "tests/app_fixture.h"
#include "tests/board_invariants.h"
#include "tests/event_source.h"
#include "tests/rules_oracle.h"

namespace {

constexpr int GAMES = 800;
constexpr int STEPS = 500;

// A legal partner of the picked tile, most of the time there is one.
std::optional<Cell> Partner(EventSource& events, const Oracle& o) {
    std::vector<Cell> partners;
    for (int r = 0; o.pick && r < static_cast<int>(o.rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(o.rows[r].size()); ++c) {
            if (LegalPair(o.rows, *o.pick, {c, r})) {
                partners.push_back({c, r});
            }
        }
    }
    if (partners.empty() || Choose(events, 8) == 0) {
        return std::nullopt;
    }
    return partners[Choose(events, static_cast<uint32_t>(partners.size()))];
}

std::vector<std::string> Observed() {
    std::vector<std::string> seen;
    for (const std::string& call : fakeDesktop.calls) {
        if (call.starts_with("Repaint") || call.starts_with("PlayOnce")) {
            seen.push_back(call);
        } else if (call.starts_with("MessageBox")) {
            seen.push_back("MessageBox");
        }
    }
    return seen;
}

std::vector<int> Coordinates(std::initializer_list<std::optional<Cell>> cells) {
    std::vector<int> out;
    for (const auto& cell : cells) {
        if (cell) {
            out.insert(out.end(), {cell->col, cell->row});
        }
    }
    return out;
}

// The first way the game differs from the oracle, or nothing.
std::string Difference(const Oracle& o, const GameState& s) {
    const char* fault = BoardInvariantFault(s);
    const auto pick =
        s.selectionActive ? Coordinates({Cell{s.selCol, s.selRow}}) : std::vector<int>{};
    const auto hint =
        s.hintShown ? Coordinates({Cell{s.hintCol1, s.hintRow1}, Cell{s.hintCol2, s.hintRow2}})
                    : std::vector<int>{};
    const auto first = o.hint ? std::optional(o.hint->first) : std::nullopt;
    const auto second = o.hint ? std::optional(o.hint->second) : std::nullopt;
    return fault                                     ? fault
           : s.cells != ShownBoard(o)                ? "board"
           : s.tilesLeft != TileCount(o.rows)        ? "tilesLeft"
           : s.historyCount != int(o.history.size()) ? "history"
           : pick != Coordinates({o.pick})           ? "pick"
           : hint != Coordinates({first, second})    ? "hint"
           : bool(s.gameOver) != o.lost              ? "lost"
           : Observed() != o.calls                   ? "desktop calls"
                                                     : "";
}

TEST_F(AppTest, RandomPlayFollowsTheRules) {
    fakeDesktop.scoreDirectory.clear(); // no high-score step
    testing::internal::CaptureStderr(); // the sheets are missing here
    int cleared = 0;
    int lost = 0;
    for (uint64_t game = 0; game < GAMES; ++game) {
        EventSource events = EventSourceFromSeed(game << 32);
        Oracle o;
        const auto deal = [&](int command) {
            fakeDesktop.currentTime = Choose(events, 0xFFFFFFFFu);
            Command(command);
            OracleDeal(o, static_cast<uint32_t>(fakeDesktop.currentTime));
            o.calls.push_back("Repaint erase");
        };
        clearJinglePlayed = 0;
        fakeDesktop.calls.clear();
        Create(); // Normal, sound on
        fakeDesktop.currentTime = game;
        Paint();
        OracleDeal(o, static_cast<uint32_t>(game));
        ASSERT_EQ(Difference(o, Game()), "") << "first deal of game " << game;
        if (game % 2 == 0) {
            o.easy = true;
            deal(CMD_EASY);
            Paint();
            OraclePaint(o);
        }
        bool sawClear = false;
        bool sawLoss = false;
        for (int step = 0; step < STEPS; ++step) {
            fakeDesktop.calls.clear();
            o.calls.clear();
            const uint32_t kind = Choose(events, 400);
            const bool ended = o.lost || o.rows.empty();
            if (kind == 0 || (ended && kind < 60)) {
                o.calls.push_back("MessageBox"); // the question, answered Yes
                deal(CMD_NEW_GAME);
            } else if (kind == 1) {
                const bool easy = Choose(events, 2) == 0;
                if (easy != o.easy) {
                    o.easy = easy;
                    deal(easy ? CMD_EASY : CMD_NORMAL);
                }
                Command(easy ? CMD_EASY : CMD_NORMAL);
            } else if (kind == 2) {
                const bool on = Choose(events, 2) == 0;
                if (on != o.soundOn) {
                    o.soundOn = on;
                    deal(on ? CMD_SOUND_ON : CMD_SOUND_OFF);
                }
                Command(on ? CMD_SOUND_ON : CMD_SOUND_OFF);
            } else if (kind <= 30) {
                Command(CMD_HINT);
                OracleHint(o);
            } else if (kind <= 42) {
                Command(CMD_UNDO);
                OracleUndo(o);
            } else {
                std::optional<Cell> target = Partner(events, o);
                if (!target) {
                    target =
                        o.hint && kind <= 200 ? o.hint->first : ChooseClickCell(events, Game());
                }
                ClickOn(target);
                OracleClick(o, target);
            }
            Paint();
            OraclePaint(o);
            sawClear = sawClear || o.rows.empty();
            sawLoss = sawLoss || o.lost;
            const std::string difference = Difference(o, Game());
            ASSERT_EQ(difference, "") << "game " << game << ", step " << step;
        }
        cleared += sawClear;
        lost += sawLoss;
        OnDestroy(Window());
    }
    testing::internal::GetCapturedStderr();
    // The play reaches both ends of a game often.
    EXPECT_GT(cleared, GAMES / 20);
    EXPECT_GT(lost, GAMES / 8);
}

} // namespace
