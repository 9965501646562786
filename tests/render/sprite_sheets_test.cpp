// Sheet loading through the desktop, and where each region is cut from.
#include "resources/embedded_resources.h"
#include "resources/resource_ids.h"
#include "tests/fake_desktop.h"
#include "tests/render/bmp_builder.h"
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectRegion(Region r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

void ExpectSize(const Surface& s, int width, int height) {
    EXPECT_FALSE(IsEmptySurface(s));
    EXPECT_EQ(s.width, width);
    EXPECT_EQ(s.height, height);
}

std::vector<unsigned char> Embedded(int resourceId) {
    const ResourceData data = FindEmbeddedResource(resourceId);
    return std::vector<unsigned char>(data.bytes, data.bytes + data.size);
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (const char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines;
}

} // namespace

TEST(SpriteSheetsTest, TileCellsFollowTheCodeGrid) {
    ExpectRegion(TileCellRegion(CMD_MINI, 0), 0, 0, 20, 25);
    ExpectRegion(TileCellRegion(CMD_MINI, 35), 160, 75, 20, 25);
    ExpectRegion(TileCellRegion(CMD_MINI, 36), 0, 100, 20, 25);
    ExpectRegion(TileCellRegion(CMD_MINI, 71), 160, 175, 20, 25);
    ExpectRegion(TileCellRegion(CMD_LARGE, 0), 0, 0, 40, 50);
    ExpectRegion(TileCellRegion(CMD_LARGE, 35), 320, 150, 40, 50);
    ExpectRegion(TileCellRegion(CMD_LARGE, 36), 0, 200, 40, 50);
    ExpectRegion(TileCellRegion(CMD_LARGE, 71), 320, 350, 40, 50);
    // The face is the cell's top-left, one pitch in size.
    ExpectRegion(TileFaceRegion(CMD_MINI, 40), 80, 100, 17, 22);
    ExpectRegion(TileFaceRegion(CMD_LARGE, 40), 160, 200, 34, 44);
}

TEST(SpriteSheetsTest, MaskDigitsAndBackground) {
    ExpectRegion(EdgeMaskRegion(CMD_MINI), 20, 200, 20, 25);
    ExpectRegion(EdgeMaskRegion(CMD_LARGE), 0, 400, 40, 50);
    ExpectRegion(DigitRegion(CMD_MINI, 0), 1, 124, 15, 18);
    ExpectRegion(DigitRegion(CMD_MINI, 9), 154, 124, 15, 18);
    ExpectRegion(DigitRegion(CMD_LARGE, 0), 1, 1, 36, 39);
    ExpectRegion(DigitRegion(CMD_LARGE, 9), 343, 1, 36, 39);
    ExpectRegion(BackgroundRegion(CMD_MINI), 115, 46, 30, 30);
    ExpectRegion(BackgroundRegion(CMD_LARGE), 311, 41, 68, 57);
}

TEST(SpriteSheetsTest, MiniIdSelectsTheMiniSheetsAndAnythingElseTheLarge) {
    EXPECT_EQ(&PanelSheetFor(CMD_MINI), &panelSheetMini);
    EXPECT_EQ(&TileSheetFor(CMD_MINI), &tileSheetMini);
    EXPECT_EQ(&PanelSheetFor(CMD_LARGE), &panelSheetLarge);
    EXPECT_EQ(&TileSheetFor(CMD_LARGE), &tileSheetLarge);
    EXPECT_EQ(&PanelSheetFor(0), &panelSheetLarge);
    EXPECT_EQ(&TileSheetFor(CMD_NORMAL), &tileSheetLarge);
}

TEST(SpriteSheetsTest, BadSheetsStayEmptyWithOneLineEach) {
    ResetFakeDesktop();
    fakeDesktop.resources[IDB_PANEL_MINI] = BuildBmp4(170, 143);
    // 136 is missing.
    fakeDesktop.resources[IDB_PANEL_LARGE] = BuildBmp4(170, 143); // the wrong sheet's size
    fakeDesktop.resources[IDB_TILES_LARGE] = {'B', 'M', 0, 0};

    testing::internal::CaptureStderr();
    LoadSpriteSheets();
    const std::string errors = testing::internal::GetCapturedStderr();

    ExpectSize(panelSheetMini, 170, 143);
    EXPECT_TRUE(IsEmptySurface(tileSheetMini));
    EXPECT_TRUE(IsEmptySurface(panelSheetLarge));
    EXPECT_TRUE(IsEmptySurface(tileSheetLarge));
    EXPECT_EQ(CountLines(errors), 3) << errors;
    EXPECT_EQ(errors.find("135"), std::string::npos) << errors;
    EXPECT_NE(errors.find("136"), std::string::npos) << errors;
    EXPECT_NE(errors.find("138 (large panel sheet) not loaded: unexpected width or height"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("139"), std::string::npos) << errors;

    ReleaseSpriteSheets();
    EXPECT_TRUE(IsEmptySurface(panelSheetMini));
    ReleaseSpriteSheets(); // nothing left to free
    ResetFakeDesktop();
}

TEST(SpriteSheetsTest, LoadsTheCommittedSheetsSilently) {
    if (FindEmbeddedResource(IDB_TILES_LARGE).IsEmpty()) {
        GTEST_SKIP() << "the sprite sheets are not in the tree";
    }
    ResetFakeDesktop();
    for (const int id : {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE}) {
        fakeDesktop.resources[id] = Embedded(id);
    }
    testing::internal::CaptureStderr();
    LoadSpriteSheets();
    LoadSpriteSheets(); // loading again replaces the sheets without a leak
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ExpectSize(panelSheetMini, 170, 143);
    ExpectSize(tileSheetMini, 180, 225);
    ExpectSize(panelSheetLarge, 380, 99);
    ExpectSize(tileSheetLarge, 360, 450);
    ReleaseSpriteSheets();
    EXPECT_TRUE(IsEmptySurface(tileSheetLarge));
    ResetFakeDesktop();
}
