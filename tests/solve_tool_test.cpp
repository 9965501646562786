// The built solve tool, run as a program: its two modes, its clicks played
// on the deal with the game's own rule, and its exit codes.
#include "fake_desktop.h"
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "model/undo_history.h"
#include "version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct ToolRun {
    int exitCode;
    std::vector<std::string> lines; // standard output; standard error is dropped
};

ToolRun RunTool(const char* tool, const std::string& arguments) {
    const std::string command = std::string("'") + tool + "' " + arguments + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char chunk[4096];
    for (size_t got; pipe != nullptr && (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        output.append(chunk, got);
    }
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    ToolRun run = {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}};
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        run.lines.push_back(line);
    }
    return run;
}

// Plays words of the move script ("C,R", "H", "U") on a game, skipping any
// other word; the tiles left afterwards.
int TilesLeftAfter(GameState& state, const std::string& moves) {
    std::istringstream words(moves);
    for (std::string word; words >> word;) {
        int col = 0;
        int row = 0;
        if (word == "H") {
            ShowHint(state, nullptr);
        } else if (word == "U") {
            UndoMove(state, nullptr);
        } else if (std::sscanf(word.c_str(), "%d,%d", &col, &row) == 2) {
            ClickCell(state, nullptr, Cell{col, row});
        }
    }
    return state.tilesLeft;
}

GameState* Deal(OptionId difficulty, uint32_t seed) {
    GameState* state = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    state->difficulty = difficulty;
    DealBoard(*state, seed);
    return state;
}

} // namespace

TEST(SolveToolTest, ItsClicksClearTheDealAfterTheGivenMoves) {
    // Nothing played, a pair taken, a tile picked, a hint shown, an undo.
    for (const char* moves : {"", "3,0 7,0", "3,0", "H", "3,0 7,0 U"}) {
        const ToolRun run =
            RunTool(SOLVE_TOOL, std::string("--difficulty easy --seed 1 --moves '") + moves + "'");
        ASSERT_EQ(run.exitCode, 0);
        ASSERT_EQ(run.lines.size(), 2u) << moves;
        EXPECT_EQ(run.lines[0], "clearable");
        EXPECT_EQ(run.lines[1].rfind("moves ", 0), 0u);
        GameState* state = Deal(CMD_EASY, 1);
        EXPECT_EQ(TilesLeftAfter(*state, std::string(moves) + " " + run.lines[1]), 0) << moves;
        std::free(state);
        ResetFakeDesktop();
    }
}

TEST(SolveToolTest, AStuckGameIsNotClearable) {
    // Always taking the first legal pair gets Easy seed 2 stuck.
    GameState* state = Deal(CMD_EASY, 2);
    std::string moves;
    for (Cell a, b; FindLegalPair(state->cells, &a, &b);) {
        for (Cell cell : {a, b}) {
            ClickCell(*state, nullptr, cell);
            moves += std::to_string(cell.col) + "," + std::to_string(cell.row) + " ";
        }
    }
    ASSERT_GT(state->tilesLeft, 0);
    std::free(state);
    const ToolRun run = RunTool(SOLVE_TOOL, "--difficulty easy --seed 2 --moves '" + moves + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines, std::vector<std::string>{"not clearable"});
}

TEST(SolveToolTest, ARangeGivesALineASeedAndASummary) {
    const ToolRun run = RunTool(SOLVE_TOOL, "--difficulty normal --seeds 5..7 --budget-ms 60000");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    for (uint32_t seed = 5; seed <= 7; ++seed) {
        std::istringstream line(run.lines[seed - 5]);
        std::string number, verdict, clicks;
        double ms = -1;
        line >> number >> verdict >> ms;
        std::getline(line, clicks);
        EXPECT_EQ(number, std::to_string(seed));
        EXPECT_EQ(verdict, "clearable");
        EXPECT_GE(ms, 0);
        GameState* state = Deal(CMD_NORMAL, seed);
        EXPECT_EQ(TilesLeftAfter(*state, clicks), 0) << seed;
        std::free(state);
        ResetFakeDesktop();
    }
    EXPECT_EQ(run.lines[3].rfind("# 3 seeds: 3 clearable, 0 not-clearable, 0 unknown; "
                                 "100.0% decided; median ",
                                 0),
              0u);
}

TEST(SolveToolTest, BadArgumentsExitWithTwoAndBothToolsTellTheirVersion) {
    for (const char* line :
         {"", "--difficulty easy", "--seed 1", "--difficulty hard --seed 1",
          "--difficulty easy --seed 1 --seeds 1..2", "--difficulty easy --seed 1 --seed 2",
          "--difficulty easy --seeds 2..1", "--difficulty easy --seeds 1..",
          "--difficulty easy --seeds 1-2", "--difficulty easy --seeds 1..2 --moves 3,0",
          "--difficulty easy --seed 1 --moves 18,0", "--difficulty easy --seed 1 --budget-ms 0",
          "--difficulty easy --seed 1 --budget-ms 5s", "--difficulty easy --seed 1 --budget-ms",
          "--difficulty easy --seed 4294967296", "--difficulty easy --seed 1 --frobnicate 1",
          "--version --seed 1"}) {
        EXPECT_EQ(RunTool(SOLVE_TOOL, line).exitCode, 2) << line;
    }
    const ToolRun solve = RunTool(SOLVE_TOOL, "--version");
    EXPECT_EQ(solve.exitCode, 0);
    EXPECT_EQ(solve.lines, std::vector<std::string>{"tovrin-mini-solve " TOVRIN_VERSION});
    const ToolRun render = RunTool(RENDER_TOOL, "--version");
    EXPECT_EQ(render.lines, std::vector<std::string>{"tovrin-mini-render " TOVRIN_VERSION});
}
