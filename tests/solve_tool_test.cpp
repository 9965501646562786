// The built solve tool, run as a program: its two modes, its clicks played
// on the deal through the game's own rule, and its exit codes.
#include "fake_desktop.h"
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"
#include "tools/common/move_script.h"
#include "version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct ToolRun {
    int exitCode;
    std::vector<std::string> lines; // standard output; standard error is dropped
};

ToolRun RunTool(const char* tool, const std::string& arguments) {
    std::FILE* pipe =
        popen(("'" + std::string(tool) + "' " + arguments + " 2>/dev/null").c_str(), "r");
    ToolRun run = {-1, {}};
    char line[8192]; // longer than 144 clicks
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        run.lines.push_back(std::string(line, std::strcspn(line, "\n")));
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The tiles left on the deal of the seed after the moves.
int TilesLeftAfter(OptionId difficulty, uint32_t seed, const std::string& moves) {
    static GameState state;
    state.difficulty = difficulty;
    DealBoard(state, seed);
    PlayMoveScript(state, moves.c_str());
    return state.tilesLeft;
}

} // namespace

TEST(SolveToolTest, ItsClicksClearTheDealAfterTheGivenMovesUnlessItIsStuck) {
    // Nothing played, a pair taken, a tile picked, a hint shown, an undo.
    for (std::string moves : {"", "3,0 7,0", "3,0", "H", "3,0 7,0 U"}) {
        const ToolRun run =
            RunTool(SOLVE_TOOL, "--difficulty easy --seed 1 --moves '" + moves + "'");
        ASSERT_EQ(run.lines.size(), 2u) << moves;
        EXPECT_EQ(run.lines[0], "clearable");
        ASSERT_EQ(run.lines[1].substr(0, 5), "moves");
        EXPECT_EQ(TilesLeftAfter(CMD_EASY, 1, moves + run.lines[1].substr(5)), 0) << moves;
    }
    // Always taking the first legal pair gets Easy seed 2 stuck.
    static GameState state;
    state.difficulty = CMD_EASY;
    DealBoard(state, 2);
    std::string moves;
    for (Cell a, b; FindLegalPair(state.cells, &a, &b);) {
        for (Cell cell : {a, b}) {
            ClickCell(state, nullptr, cell);
            moves += std::to_string(cell.col) + "," + std::to_string(cell.row) + " ";
        }
    }
    const ToolRun run = RunTool(SOLVE_TOOL, "--difficulty easy --seed 2 --moves '" + moves + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines, std::vector<std::string>{"not clearable"});
}

TEST(SolveToolTest, ARangeGivesALineASeedAndASummary) {
    const ToolRun run = RunTool(SOLVE_TOOL, "--difficulty normal --seeds 5..7 --budget-ms 60000");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    for (uint32_t seed = 5; seed <= 7; ++seed) {
        const std::string& line = run.lines[seed - 5];
        EXPECT_EQ(line.rfind(std::to_string(seed) + " clearable ", 0), 0u);
        const size_t clicks = line.find(' ', line.find(' ', line.find(' ') + 1) + 1);
        EXPECT_EQ(TilesLeftAfter(CMD_NORMAL, seed, line.substr(clicks)), 0) << line;
    }
    const std::string summary =
        "# 3 seeds: 3 clearable, 0 not-clearable, 0 unknown; 100.0% decided";
    EXPECT_EQ(run.lines[3].rfind(summary, 0), 0u);
}

TEST(SolveToolTest, BadArgumentsExitWithTwoAndBothToolsTellTheirVersion) {
    const std::string easy = "--difficulty easy ";
    for (const std::string& line : std::vector<std::string>{
             "", "--seed 1", "--difficulty hard --seed 1", "--version --seed 1",
             "--difficulty easy", easy + "--seed 4294967296", easy + "--seed 1 --seeds 1..2",
             easy + "--seed 1 --seed 2", easy + "--seed 1 --budget-ms 0",
             easy + "--seed 1 --budget-ms 5s", easy + "--seed 1 --budget-ms",
             easy + "--seed 1 --moves 18,0", easy + "--seed 1 --frobnicate 1",
             easy + "--seeds 2..1", easy + "--seeds 1..", easy + "--seeds 1-2",
             easy + "--seeds 1..2 --moves 3,0"}) {
        EXPECT_EQ(RunTool(SOLVE_TOOL, line).exitCode, 2) << line;
    }
    EXPECT_EQ(RunTool(SOLVE_TOOL, "--version").lines,
              std::vector<std::string>{"tovrin-mini-solve " TOVRIN_VERSION});
    EXPECT_EQ(RunTool(RENDER_TOOL, "--version").lines,
              std::vector<std::string>{"tovrin-mini-render " TOVRIN_VERSION});
}
