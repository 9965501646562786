// The render tool's command line: what it accepts, what it refuses.
#include "tools/render/render_args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool Parse(std::vector<const char*> words, RenderArgs* args) {
    words.insert(words.begin(), "tovrin-mini-render");
    return ParseRenderArgs(static_cast<int>(words.size()), words.data(), args);
}

// The minimal good command line plus extra words.
bool ParseWith(std::vector<const char*> extra, RenderArgs* args) {
    std::vector<const char*> words = {"--layout", "large", "--difficulty", "normal", "--seed", "7"};
    words.insert(words.end(), extra.begin(), extra.end());
    return Parse(words, args);
}

std::string MovesText(const char* moves) {
    std::string text;
    RenderMove move;
    MoveScan scan;
    while ((scan = NextMove(&moves, &move)) == MOVE_READ) {
        if (move.kind == MOVE_CLICK) {
            text += std::to_string(move.cell.col) + "," + std::to_string(move.cell.row) + ";";
        } else {
            text += move.kind == MOVE_HINT ? "H;" : "U;";
        }
    }
    return scan == MOVES_END ? text : text + "invalid";
}

} // namespace

TEST(RenderArgsTest, ReadsEveryOption) {
    RenderArgs args;
    ASSERT_TRUE(Parse({"--seed", "4294967295", "--difficulty", "easy", "--layout", "mini",
                       "--moves", "0,0 17,7 H U", "--time", "9999", "--size", "100x50",
                       "--print-board", "--out", "frame.png"},
                      &args));
    EXPECT_EQ(args.layout, CMD_MINI);
    EXPECT_EQ(args.difficulty, CMD_EASY);
    EXPECT_EQ(args.seed, 4294967295u);
    EXPECT_EQ(MovesText(args.moves), "0,0;17,7;H;U;");
    EXPECT_EQ(args.seconds, 9999u);
    EXPECT_EQ(args.width, 100);
    EXPECT_EQ(args.height, 50);
    EXPECT_TRUE(args.printBoard);
    EXPECT_STREQ(args.outPath, "frame.png");
}

TEST(RenderArgsTest, DefaultsFollowTheLayout) {
    RenderArgs args;
    ASSERT_TRUE(Parse({"--layout", "mini", "--difficulty", "normal", "--seed", "0"}, &args));
    EXPECT_EQ(args.width, 470);
    EXPECT_EQ(args.height, 186);
    EXPECT_EQ(args.seconds, 0u);
    EXPECT_EQ(args.moves, nullptr);
    EXPECT_FALSE(args.printBoard);
    EXPECT_EQ(args.outPath, nullptr);

    ASSERT_TRUE(ParseWith({}, &args));
    EXPECT_EQ(args.layout, CMD_LARGE);
    EXPECT_EQ(args.difficulty, CMD_NORMAL);
    EXPECT_EQ(args.width, 648);
    EXPECT_EQ(args.height, 504);
}

TEST(RenderArgsTest, RefusesBadArguments) {
    RenderArgs args;
    const std::vector<std::vector<const char*>> bad = {
        {"--frobnicate"},
        {"--print-board", "extra"},
        {"--time"},
        {"--out"},
        {"--out", ""},
        {"--time", "10000"},
        {"--time", "-1"},
        {"--time", "5s"},
        {"--time", ""},
        {"--size", "0x10"},
        {"--size", "10x0"},
        {"--size", "10x"},
        {"--size", "x10"},
        {"--size", "10*10"},
        {"--size", "-5x10"},
        {"--size", "100000x100"},
        {"--size", "8193x1"},
        {"--size", "99999999999999999999x1"},
        {"--moves", "18,0"},
        {"--moves", "0,8"},
        {"--moves", "0,-1"},
        {"--moves", "1,2,3"},
        {"--moves", "1 2"},
        {"--moves", "HU"},
        {"--moves", "h"},
        {"--moves", "0,0,"},
        {"--moves", "0,0\t1,1"},
    };
    for (const auto& extra : bad) {
        EXPECT_FALSE(ParseWith(extra, &args))
            << extra[0] << " " << (extra.size() > 1 ? extra[1] : "");
    }

    EXPECT_FALSE(Parse({"--layout", "medium", "--difficulty", "easy", "--seed", "1"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--difficulty", "hard", "--seed", "1"}, &args));
    EXPECT_FALSE(
        Parse({"--layout", "mini", "--difficulty", "easy", "--seed", "4294967296"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--difficulty", "easy", "--seed", "-1"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--difficulty", "easy", "--seed", "0x10"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--difficulty", "easy", "--seed"}, &args));
    // The layout, the difficulty and the seed are all needed.
    EXPECT_FALSE(Parse({"--difficulty", "easy", "--seed", "1"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--seed", "1"}, &args));
    EXPECT_FALSE(Parse({"--layout", "mini", "--difficulty", "easy"}, &args));
    EXPECT_FALSE(Parse({}, &args));
}

TEST(RenderArgsTest, MovesAreSeparatedBySpaces) {
    EXPECT_EQ(MovesText(""), "");
    EXPECT_EQ(MovesText("   "), "");
    EXPECT_EQ(MovesText("  3,4   U  "), "3,4;U;");
    EXPECT_EQ(MovesText("H H 0,7"), "H;H;0,7;");
    EXPECT_EQ(MovesText("3,4 x"), "3,4;invalid");
}
