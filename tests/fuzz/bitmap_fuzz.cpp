// Bitmap bytes through the reader, as one of the four sprite sheets (the
// first byte picks which, the others stay missing), and into a whole frame
// drawn from that sheet.
#include "resources/resource_ids.h"
#include "tests/fake_desktop.h"
#include "tests/fuzz/fuzz_check.h"
#include "view/bmp_reader.h"
#include "view/frame.h"
#include "view/sprite_sheets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return -1;
    }
    Surface any; // of whatever size the reader takes
    Require(DecodeBmp4(data + 1, size - 1, BMP_ANY_SIZE, BMP_ANY_SIZE, &any) != BMP_OK ||
            (any.width > 0 && any.height > 0 && any.pixels != nullptr));
    DestroySurface(&any);
    constexpr int SHEETS[] = {IDB_PANEL_MINI, IDB_TILES_MINI, IDB_PANEL_LARGE, IDB_TILES_LARGE};
    const int sheet = SHEETS[data[0] % 4];
    fakeDesktop.resources.clear();
    fakeDesktop.resources[sheet].assign(data + 1, data + size);
    LoadSpriteSheets();
    static GameState state;
    state.layout = data[0] % 4 < 2 ? CMD_MINI : CMD_LARGE;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        state.cells[i] = (i * 7 + data[0]) % (EMPTY_CELL + 1); // every code, and gaps
    }
    state.tilesLeft = 144;
    state.elapsedSeconds = 9999;
    const Size limits = GeometryFor(state.layout).drawingLimits;
    Surface frame;
    CreateSurface(&frame, limits.width, limits.height);
    ComposeFrame(state, frame, limits.width, limits.height, Point{0, 0});
    DestroySurface(&frame);
    ReleaseSpriteSheets();
    return 0;
}
