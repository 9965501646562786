// The dead-end test, a relaxation of the game. Columns only ever fall, and
// a tile's column is the number of tiles still left of it. Two tiles of a
// face in different rows, at columns cl < cr, can pair only once no more
// than cl + 1 tiles stand left of the right-hand one. Call a tile released
// once some partner of its face could pair with it while every tile not yet
// released still stands; pairs within a row always can, and a pair across
// rows with an unreleased tile in a row between needs equal columns, for
// that row keeps them from being diagonal neighbours; and a released tile
// helps only if it can go without a tile from left of the left-hand one
// (PartneredOnlyBefore). If the releases stall with tiles left over, no
// order of play clears the board: the first pair of such tiles to go in
// that order would have found only released tiles gone before it, so the
// test would have released it.
#include "model/solver_dead_end.h"

#include <algorithm>

namespace {

// A pair across rows that the dead-end test has yet to release.
struct Crossing {
    uint8_t left;
    uint8_t right;
    uint8_t allowed; // how many tiles may stand left of right
    uint8_t between; // the rows between the two
};

void Release(uint32_t* standing, int tile) {
    standing[RowOf(tile)] &= ~BitOf(tile);
}
bool Stands(const uint32_t* standing, int tile) {
    return (standing[RowOf(tile)] & BitOf(tile)) != 0;
}

// Of the released tiles left of right, those whose partners all lie left of
// left, in left's row: each can only go together with such a partner, which
// moves left as far as it moves right, so it does not close the gap.
int PartneredOnlyBefore(const Search& s, const uint32_t* standing, int right, int left) {
    const int r = RowOf(right);
    int count = 0;
    for (uint32_t gone = s.rows[r] & ~standing[r] & (BitOf(right) - 1); gone != 0;
         gone &= gone - 1) {
        const int last = s.lastPartner[r << TILE_ROW_SHIFT | std::countr_zero(gone)];
        count += last != NO_TILE && RowOf(last) == RowOf(left) && last < left ? 1 : 0;
    }
    return count;
}

} // namespace

COUNTS_BITS_PER_NODE bool PassesDeadEndTest(const Search& s) {
    uint32_t standing[BOARD_ROWS];
    std::copy_n(s.rows, BOARD_ROWS, standing);
    // Pairs within a row, or in one column, are released at once.
    Crossing crossings[MAX_MOVES];
    int count = 0;
    ForEachLivePair(s, [&](int, int, int a, int b) {
        if (RowOf(a) == RowOf(b) || s.column[a] == s.column[b]) {
            Release(standing, a);
            Release(standing, b);
            return true;
        }
        const bool aRight = s.column[a] > s.column[b];
        crossings[count++] =
            Crossing{static_cast<uint8_t>(aRight ? b : a), static_cast<uint8_t>(aRight ? a : b),
                     static_cast<uint8_t>(s.column[aRight ? b : a]),
                     static_cast<uint8_t>(RowsBetween(RowOf(a), RowOf(b)))};
        return true;
    });
    for (bool progress = true; progress;) {
        progress = false;
        const uint32_t standingRows = RowsHolding(standing);
        for (int k = 0; k < count; ++k) {
            const Crossing& c = crossings[k];
            const bool settled = !Stands(standing, c.left) && !Stands(standing, c.right);
            if (!settled) {
                const int r = RowOf(c.right);
                const int before = std::popcount(standing[r] & (BitOf(c.right) - 1));
                // A row between that keeps a tile rules out the diagonal.
                const int allowed = c.allowed + ((standingRows & c.between) != 0 ? 0 : 1);
                if (before > allowed ||
                    before + PartneredOnlyBefore(s, standing, c.right, c.left) > allowed) {
                    continue;
                }
                Release(standing, c.left);
                Release(standing, c.right);
                progress = true;
            }
            crossings[k--] = crossings[--count];
        }
    }
    return RowsHolding(standing) == 0;
}
