// Plays a deal the way the end-to-end tests drive the program: ask for the
// hint, then pick its two tiles, until the board is clear or no pair is
// left. Uses the game's own model, so the cells it prints are those the real
// program highlights.
//
//   tovrin-e2e-hint-path easy|normal SEED
//       prints one line "C1,R1 C2,R2" per pair, then "clear" or
//       "stuck TILES-LEFT"
//   tovrin-e2e-hint-path easy|normal --search FIRST-SEED COUNT
//       prints the first seed of the range whose game this way ends clear
#include "model/deal.h"
#include "model/move_search.h"
#include "model/selection.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Follows the hint to the end; prints the pairs when asked. True when the
// board ends clear.
bool PlayByHints(OptionId difficulty, uint32_t seed, bool print) {
    static GameState state;
    state = GameState{};
    state.difficulty = difficulty;
    state.sound = CMD_SOUND_OFF;
    state.layout = CMD_MINI;
    DealBoard(state, seed);
    Cell first;
    Cell partner;
    while (state.tilesLeft > 0 && FindLegalPair(state.cells, &first, &partner)) {
        if (print) {
            std::printf("%d,%d %d,%d\n", first.col, first.row, partner.col, partner.row);
        }
        ClickCell(state, nullptr, first);
        ClickCell(state, nullptr, partner);
    }
    if (print) {
        if (state.tilesLeft == 0) {
            std::printf("clear\n");
        } else {
            std::printf("stuck %d\n", state.tilesLeft);
        }
    }
    return state.tilesLeft == 0;
}

int Usage() {
    std::fprintf(stderr, "usage: tovrin-e2e-hint-path easy|normal SEED\n"
                         "       tovrin-e2e-hint-path easy|normal --search FIRST-SEED COUNT\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    const OptionId difficulty = std::strcmp(argv[1], "easy") == 0 ? CMD_EASY : CMD_NORMAL;
    if (std::strcmp(argv[2], "--search") == 0) {
        if (argc != 5) {
            return Usage();
        }
        const uint32_t firstSeed = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10));
        const long count = std::strtol(argv[4], nullptr, 10);
        for (long i = 0; i < count; ++i) {
            const uint32_t seed = firstSeed + static_cast<uint32_t>(i);
            if (PlayByHints(difficulty, seed, false)) {
                std::printf("%u\n", seed);
                return 0;
            }
        }
        return 1;
    }
    if (argc != 3) {
        return Usage();
    }
    PlayByHints(difficulty, static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)), true);
    return 0;
}
