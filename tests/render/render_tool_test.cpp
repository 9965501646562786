// The built render tool, run as a program: the options it reads, the board
// it deals and prints, the PNG it writes, and its exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct ToolRun {
    int exitCode;
    std::vector<std::string> lines; // standard output; standard error is dropped
};

ToolRun RunTool(const std::string& arguments) {
    const std::string command = std::string("'") + RENDER_TOOL + "' " + arguments + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, {}};
    }
    std::string output;
    char chunk[256];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        output.append(chunk, got);
    }
    const int status = pclose(pipe);
    ToolRun run = {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}};
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        run.lines.push_back(line);
    }
    return run;
}

const std::string EASY_SEED_1 = "--layout mini --difficulty easy --seed 1 --print-board";

} // namespace

TEST(RenderToolTest, PrintsTheDealOfSeedOneAndPlaysMovesOnIt) {
    const ToolRun easy = RunTool(EASY_SEED_1);
    ASSERT_EQ(easy.exitCode, 0);
    ASSERT_EQ(easy.lines.size(), 9u);
    EXPECT_EQ(easy.lines[0], "5 15 4 1 8 0 16 1 15 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(easy.lines[8], "tilesLeft 72");

    const ToolRun normal = RunTool("--print-board --seed 1 --difficulty normal --layout large");
    ASSERT_EQ(normal.lines.size(), 9u);
    EXPECT_EQ(normal.lines[0], "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11");
    EXPECT_EQ(normal.lines[8], "tilesLeft 144");

    // Face 1 at columns 3 and 7 of row 0 is a legal pair: removing it closes
    // the row up, and undo restores it. Moves are separated by spaces.
    const ToolRun removed = RunTool(EASY_SEED_1 + " --moves ' 3,0   7,0 '");
    ASSERT_EQ(removed.lines.size(), 9u);
    EXPECT_EQ(removed.lines[0], "5 15 4 8 0 16 15 72 72 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(removed.lines[8], "tilesLeft 70");
    EXPECT_EQ(RunTool(EASY_SEED_1 + " --moves '3,0 7,0 U'").lines, easy.lines);
    // A hint highlights the pair of 15s at (1, 0) and (0, 1).
    const ToolRun hinted = RunTool(EASY_SEED_1 + " --moves H --time 9999");
    ASSERT_EQ(hinted.lines.size(), 9u);
    EXPECT_EQ(hinted.lines[0], "5 51 4 1 8 0 16 1 15 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(RunTool("--layout mini --difficulty easy --seed 4294967295").exitCode, 0);
}

TEST(RenderToolTest, WritesAPngOfTheDrawingSizeUnlessToldOtherwise) {
    const std::string path = testing::TempDir() + "tovrin_render_tool_test.png";
    const struct {
        const char* arguments;
        int width, height;
    } cases[] = {
        {"--layout mini --difficulty easy --seed 3", 470, 186},
        {"--layout large --difficulty normal --seed 9", 648, 504},
        {"--layout large --difficulty normal --seed 9 --size 64x32", 64, 32},
    };
    for (const auto& c : cases) {
        std::remove(path.c_str());
        ASSERT_EQ(RunTool(std::string(c.arguments) + " --out '" + path + "'").exitCode, 0);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr);
        unsigned char header[24] = {};
        EXPECT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
        std::fclose(file);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(header), 8), "\x89PNG\r\n\x1a\n");
        // Width and height of the IHDR chunk, big-endian.
        EXPECT_EQ(header[18] << 8 | header[19], c.width) << c.arguments;
        EXPECT_EQ(header[22] << 8 | header[23], c.height) << c.arguments;
    }
    std::remove(path.c_str());
    EXPECT_EQ(
        RunTool("--layout mini --difficulty easy --seed 1 --out /nonexistent/dir/x.png").exitCode,
        1);
}

TEST(RenderToolTest, BadArgumentsExitWithTwo) {
    for (const char* extra :
         {"--frobnicate", "--print-board extra", "--time", "--out ''", "--time 10000", "--time 5s",
          "--time ''", "--size 0x10", "--size 10x", "--size x10", "--size -5x10", "--size 8193x1",
          "--size 99999999999999999999x1", "--moves 18,0", "--moves 0,8", "--moves 1,2,3",
          "--moves HU", "--moves h", "--moves '0,0\t1,1'"}) {
        EXPECT_EQ(
            RunTool(std::string("--layout large --difficulty normal --seed 7 ") + extra).exitCode,
            2)
            << extra;
    }
    // Sides that fit one by one, a frame of more than 4096 x 4096 pixels.
    EXPECT_EQ(RunTool("--layout mini --difficulty easy --seed 1 --size 8192x2049").exitCode, 2);
    // Bad values of the required options, and each of them missing.
    for (const char* line :
         {"--layout medium --difficulty easy --seed 1", "--layout mini --difficulty hard --seed 1",
          "--layout mini --difficulty easy --seed 4294967296",
          "--layout mini --difficulty easy --seed -1", "--difficulty easy --seed 1",
          "--layout mini --seed 1", "--layout mini --difficulty easy", ""}) {
        EXPECT_EQ(RunTool(line).exitCode, 2) << line;
    }
}
