// The built render tool, run as a program: the board it deals and prints,
// and its exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int exitCode;
    std::string output;
};

// Runs the tool with the given arguments (shell syntax) and collects its
// standard output; standard error is dropped.
ToolRun RunTool(const std::string& arguments) {
    const std::string command = std::string("'") + RENDER_TOOL + "' " + arguments + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, ""};
    }
    std::string output;
    char chunk[256];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        output.append(chunk, got);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Line(const std::string& text, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos) {
            return "";
        }
        ++start;
    }
    return text.substr(start, text.find('\n', start) - start);
}

} // namespace

TEST(RenderToolTest, PrintsTheDealOfSeedOne) {
    const ToolRun easy = RunTool("--layout mini --difficulty easy --seed 1 --print-board");
    ASSERT_EQ(easy.exitCode, 0);
    EXPECT_EQ(Line(easy.output, 0), "5 15 4 1 8 0 16 1 15 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(Line(easy.output, 8), "tilesLeft 72");
    EXPECT_EQ(Line(easy.output, 9), "");

    const ToolRun normal = RunTool("--layout large --difficulty normal --seed 1 --print-board");
    ASSERT_EQ(normal.exitCode, 0);
    EXPECT_EQ(Line(normal.output, 0), "10 15 22 1 8 16 16 28 15 13 23 10 32 14 26 30 29 11");
    EXPECT_EQ(Line(normal.output, 8), "tilesLeft 144");
}

TEST(RenderToolTest, PlaysMovesThroughTheGame) {
    // Row 0 of the Easy deal of seed 1 holds face 1 at columns 3 and 7: a
    // legal pair in one row. Removing it closes the row up; undo restores.
    const ToolRun removed =
        RunTool("--layout mini --difficulty easy --seed 1 --moves '3,0 7,0' --print-board");
    ASSERT_EQ(removed.exitCode, 0);
    EXPECT_EQ(Line(removed.output, 0), "5 15 4 8 0 16 15 72 72 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(Line(removed.output, 8), "tilesLeft 70");

    const ToolRun undone =
        RunTool("--layout mini --difficulty easy --seed 1 --moves '3,0 7,0 U' --print-board");
    EXPECT_EQ(Line(undone.output, 0), "5 15 4 1 8 0 16 1 15 72 72 72 72 72 72 72 72 72");
    EXPECT_EQ(Line(undone.output, 8), "tilesLeft 72");

    // A pick shows the highlighted code.
    const ToolRun picked =
        RunTool("--layout mini --difficulty easy --seed 1 --moves 0,0 --print-board");
    EXPECT_EQ(Line(picked.output, 0).substr(0, 3), "41 ");
}

TEST(RenderToolTest, BadArgumentsExitWithTwo) {
    const char* bad[] = {
        "",
        "--layout mini --difficulty easy",
        "--layout mini --difficulty easy --seed 1 --bogus",
        "--layout mini --difficulty easy --seed 4294967296",
        "--layout mini --difficulty easy --seed 1 --moves '18,0'",
        "--layout mini --difficulty easy --seed 1 --size 0x10",
        "--layout mini --difficulty easy --seed 1 --time",
    };
    for (const char* arguments : bad) {
        EXPECT_EQ(RunTool(arguments).exitCode, 2) << arguments;
    }
}

TEST(RenderToolTest, WritesAPngOrFailsWithOne) {
    const std::string path = testing::TempDir() + "tovrin_render_tool_test.png";
    std::remove(path.c_str());
    const ToolRun written =
        RunTool("--layout large --difficulty normal --seed 9 --size 64x32 --out '" + path + "'");
    ASSERT_EQ(written.exitCode, 0);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char header[24] = {};
    EXPECT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
    std::fclose(file);
    std::remove(path.c_str());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(header), 8), "\x89PNG\r\n\x1a\n");
    // Width and height of the IHDR chunk, big-endian.
    EXPECT_EQ(header[19], 64);
    EXPECT_EQ(header[23], 32);

    EXPECT_EQ(
        RunTool("--layout mini --difficulty easy --seed 1 --out /nonexistent/dir/x.png").exitCode,
        1);
}
