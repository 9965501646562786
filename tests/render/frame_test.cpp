// Frames composed from the committed sheets: the background laid from the
// buffer's corner, the panel elements and counter digits at their places
// plus the client origin, every tile's face at its cell, and the edge rule.
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "tests/fake_desktop.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t MARK = 0x123456; // no sheet colour

struct Frame {
    std::vector<uint32_t> pixels;
    Surface surface;
    Frame(int width, int height)
        : pixels(static_cast<size_t>(width) * height, MARK), surface{pixels.data(), width, height} {
    }
    uint32_t At(int x, int y) const { return pixels[y * surface.width + x]; }
};

uint32_t SheetAt(const Surface& s, int x, int y) {
    return s.pixels[y * s.width + x];
}

class FrameTest : public ::testing::TestWithParam<Layout> {
  protected:
    void SetUp() override {
        ResetFakeDesktop();
        for (const int id : {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE}) {
            const ResourceData data = FindEmbeddedResource(id);
            fakeDesktop.resources[id].assign(data.bytes, data.bytes + data.size);
        }
        testing::internal::CaptureStderr();
        LoadSpriteSheets();
        ASSERT_EQ(testing::internal::GetCapturedStderr(), "");
        state.cells.fill(EMPTY_CELL);
        state.layout = GetParam();
    }
    void TearDown() override { ReleaseSpriteSheets(); }

    bool Mini() const { return GetParam() == CMD_MINI; }
    // Whether the frame at `at` shows the region of a sheet.
    testing::AssertionResult Shows(const Frame& frame, Point at, const Surface& sheet, Region r) {
        for (int i = 0; i < r.width * r.height; ++i) {
            const int dx = i % r.width, dy = i / r.width;
            if (frame.At(at.x + dx, at.y + dy) != SheetAt(sheet, r.x + dx, r.y + dy)) {
                return testing::AssertionFailure()
                       << "at (" << at.x + dx << ", " << at.y + dy << ")";
            }
        }
        return testing::AssertionSuccess();
    }
    GameState state{};
};

TEST_P(FrameTest, BackgroundPanelAndCounters) {
    const uint32_t plain = Mini() ? 0xFFFFFF : 0x008080;
    const struct {
        int tilesLeft;
        uint32_t seconds;
        int digits[7];
    } counters[] = {{72, 5, {0, 7, 2, 0, 0, 0, 5}}, {144, 9999, {1, 4, 4, 9, 9, 9, 9}}};
    // Mini: title (its last row lies under the dragons), dragons, winds and
    // the two labels; large: the two title characters and the two labels.
    const std::vector<std::pair<Point, Region>> elements =
        Mini() ? std::vector<std::pair<Point, Region>>{{{15, 15}, {1, 1, 44, 120}},
                                                       {{10, 135}, {46, 61, 59, 46}},
                                                       {{400, 15}, {46, 1, 68, 59}},
                                                       {{400, 80}, {115, 1, 50, 20}},
                                                       {{400, 135}, {115, 24, 40, 20}}}
               : std::vector<std::pair<Point, Region>>{{{210, 20}, {1, 42, 48, 56}},
                                                       {{410, 20}, {50, 42, 55, 56}},
                                                       {{80, 460}, {106, 42, 112, 44}},
                                                       {{380, 460}, {220, 42, 90, 42}}};
    const Point digitAt[7] = {{425, 105}, {440, 105}, {455, 105}, {410, 160},
                              {425, 160}, {440, 160}, {455, 160}};
    for (const auto& c : counters) {
        state.tilesLeft = c.tilesLeft;
        state.elapsedSeconds = c.seconds;
        Frame frame(700, 530);
        ComposeFrame(state, frame.surface, 680, 510, Point{3, 2});
        const Surface& sheet = PanelSheetFor(GetParam());
        for (const auto& [at, r] : elements) {
            EXPECT_TRUE(Shows(frame, {at.x + 3, at.y + 2}, sheet, r));
            // Nothing more: the background right of and below the element.
            for (int i = 0; i < r.height; ++i)
                EXPECT_EQ(frame.At(at.x + 3 + r.width, at.y + 2 + i), plain) << at.x << " " << i;
            for (int i = 0; i < r.width && r.height != 120; ++i)
                EXPECT_EQ(frame.At(at.x + 3 + i, at.y + 2 + r.height), plain) << at.x << " " << i;
        }
        for (int i = 0; i < 7; ++i) {
            const Point at = Mini() ? digitAt[i] : Point{200 + 36 * i + (i > 2 ? 172 : 0), 460};
            const Region digit = Mini() ? Region{17 * c.digits[i] + 1, 124, 15, 18}
                                        : Region{38 * c.digits[i] + 1, 1, 36, 39};
            EXPECT_TRUE(Shows(frame, {at.x + 3, at.y + 2}, sheet, digit)) << i;
            EXPECT_EQ(frame.At(at.x + 3, at.y + 2 + digit.height), plain) << i;
        }
        // The pattern covers the frame from the buffer's corner, without the
        // origin, past its last whole copy, and nothing beyond.
        for (int y = 0; y < 530; ++y) {
            for (int x = 650; x < 700; ++x) {
                ASSERT_EQ(frame.At(x, y),
                          x < (Mini() ? 690 : 680) && y < (Mini() ? 510 : 513) ? plain : MARK)
                    << x << ", " << y;
            }
        }
        EXPECT_EQ(frame.At(0, 0), plain);
        EXPECT_EQ(frame.At(0, 509), plain);
    }
}

TEST_P(FrameTest, TilesShowTheirFacesAndTheirSidesWhereTheRightOrLowerCellIsEmpty) {
    const Size pitch = Mini() ? Size{17, 22} : Size{34, 44};
    const Surface& sheet = TileSheetFor(GetParam());
    for (int i = 0; i < BOARD_CELLS; ++i) {
        state.cells[i] = static_cast<TileCode>(i % 72);
    }
    Frame full(700, 530);
    DrawTiles(full.surface, state, Point{0, 0});
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const Point at = Mini() ? Point{80 + 17 * (i / 8), 7 + 22 * (i % 8)}
                                : Point{30 + 34 * (i / 8), 90 + 44 * (i % 8)};
        const int code = i % 72; // highlighted codes four sheet rows below their faces
        const Region face = Mini() ? Region{20 * (code % 9), 25 * (code / 9), 17, 22}
                                   : Region{40 * (code % 9), 50 * (code / 9), 34, 44};
        EXPECT_TRUE(Shows(full, at, sheet, face)) << i;
    }
    // A tile at (col, row) with its right and lower neighbours as given: the
    // pixel just past its face's bottom-right corner, over the empty diagonal
    // cell, shows its side only when it is drawn in full; the top-right corner
    // outside its outline never changes.
    const struct {
        int col, row;
        TileCode right, below;
        bool sides;
    } cases[] = {{3, 2, 5, 6, false},         {3, 2, 5 + 36, 6, false},
                 {3, 2, 5, 6 + 36, false},    {3, 2, EMPTY_CELL, 6, true},
                 {3, 2, 5, EMPTY_CELL, true}, {17, 2, EMPTY_CELL, 6, true},
                 {3, 7, 5, EMPTY_CELL, true}, {3, 2, EMPTY_CELL, EMPTY_CELL, true},
                 {3, 6, 5, 6, false}};
    for (const auto& c : cases) {
        state.cells.fill(EMPTY_CELL);
        state.cells[CellIndex(c.col, c.row)] = 40;
        if (c.col < 17) {
            state.cells[CellIndex(c.col + 1, c.row)] = c.right;
        }
        if (c.row < 7) {
            state.cells[CellIndex(c.col, c.row + 1)] = c.below;
        }
        Frame frame(700, 530);
        DrawTiles(frame.surface, state, Point{2, 1});
        const Point at = {(Mini() ? 80 + 17 * c.col : 30 + 34 * c.col) + 2,
                          (Mini() ? 7 + 22 * c.row : 90 + 44 * c.row) + 1};
        const Region cell = Mini() ? Region{80, 100, 20, 25} : Region{160, 200, 40, 50}; // code 40
        EXPECT_EQ(frame.At(at.x + pitch.width + 1, at.y + pitch.height + 1),
                  c.sides ? SheetAt(sheet, cell.x + pitch.width + 1, cell.y + pitch.height + 1)
                          : MARK)
            << c.col << " " << c.row << " " << c.right << " " << c.below;
        EXPECT_TRUE(c.right != EMPTY_CELL || frame.At(at.x + cell.width - 1, at.y) == MARK);
    }
}

// Without the panel sheet the frame lies on the window's background (the
// classic window colour, white), so a tile taken off since the last frame
// leaves no ghost behind.
TEST_P(FrameTest, WithoutThePanelSheetTheWindowBackgroundCoversTheLastFrame) {
    DestroySurface(Mini() ? &panelSheetMini : &panelSheetLarge);
    Frame frame(700, 530);
    state.cells[CellIndex(3, 2)] = 5;
    ComposeFrame(state, frame.surface, 700, 530, Point{0, 0});
    ASSERT_NE(frame.pixels, std::vector<uint32_t>(700 * 530, 0xFFFFFFu));
    state.cells[CellIndex(3, 2)] = EMPTY_CELL;
    ComposeFrame(state, frame.surface, 700, 530, Point{0, 0});
    EXPECT_EQ(frame.pixels, std::vector<uint32_t>(700 * 530, 0xFFFFFFu));
}

INSTANTIATE_TEST_SUITE_P(Layouts, FrameTest, ::testing::Values(CMD_MINI, CMD_LARGE));

} // namespace
