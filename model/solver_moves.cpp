// The moves of a node: the facts the rules read, the safe-pair rule, the
// orderings, and the finish within rows.
#include "model/solver_moves.h"

#include <algorithm>

namespace {

// A face's last pair may be played at once when neither tile has anything
// to its right whose column could matter: only tiles of faces that lie in
// one row, which always pair within it. Taking the pair first then moves
// no other tile, and can only close up rows, which joins rows and parts
// none; every move of any clearing sequence stays legal after it.
bool IsSafePair(const Search& s, const NodeFacts& facts, int a, int b) {
    const int ra = RowOf(a);
    const int rb = RowOf(b);
    return (s.rows[ra] & Above(a) & ~facts.rowBound[ra]) == 0 &&
           (s.rows[rb] & Above(b) & ~facts.rowBound[rb]) == 0;
}

// How many tiles a removal moves, counting only those whose column matters
// or all of them.
int Shifted(const Search& s, const uint32_t* counted, int tile) {
    const int r = RowOf(tile);
    return std::popcount(s.rows[r] & counted[r] & Above(tile));
}

// The three orderings: fewest moved tiles whose column matters; fewest
// moved tiles; and the last pairs of faces split across rows first.
uint32_t Primary(const Search& s, const NodeFacts& facts, int face, int a, int b) {
    static const uint32_t ALL[BOARD_ROWS] = {~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u};
    switch (s.ordering) {
    case 0:
        return Shifted(s, facts.matters, a) + Shifted(s, facts.matters, b);
    case 1:
        return Shifted(s, ALL, a) + Shifted(s, ALL, b);
    default:
        return Shifted(s, facts.matters, a) + Shifted(s, facts.matters, b) +
               (((facts.constrained >> face) & 1u) != 0 ? 0 : 64);
    }
}

uint32_t Rank(Search& s, const NodeFacts& facts, int face, int a, int b) {
    // Random tie-breaks, wide enough that a pair may also change places with
    // one that moves a tile more: each restart tries other paths.
    return (Primary(s, facts, face, a, b) << 16) +
           static_cast<uint32_t>(NextRandom(s) % (2u << 16));
}

} // namespace

COUNTS_BITS_PER_NODE void GatherFacts(Search& s, NodeFacts* facts) {
    *facts = NodeFacts{};
    bool split = false; // some face has an odd number of tiles in a row
    for (int f = 0; f < FACE_COUNT; ++f) {
        int tiles[TILES_PER_FACE];
        const int count = LiveTiles(s, f, tiles);
        uint32_t rowSet = 0;
        uint32_t oddRows = 0;
        for (int k = 0; k < count; ++k) {
            int last = -1;
            for (int m = 0; m < count; ++m) {
                if (m == k) {
                    continue;
                }
                last = last < 0 || RowOf(tiles[m]) == RowOf(last) ? std::max(last, tiles[m])
                                                                  : MAX_TILES;
            }
            s.lastPartner[tiles[k]] = last < 0 || last >= MAX_TILES ? NO_TILE : last;
            s.column[tiles[k]] = static_cast<uint8_t>(ColumnOf(s, tiles[k]));
            rowSet |= 1u << RowOf(tiles[k]);
            oddRows ^= 1u << RowOf(tiles[k]);
        }
        split = split || oddRows != 0;
        if (count == 2 && std::popcount(rowSet) == 2) {
            facts->constrained |= uint64_t{1} << f;
        }
        for (int k = 0; k < count; ++k) {
            const int r = RowOf(tiles[k]);
            if (std::popcount(rowSet) == 1) {
                facts->rowBound[r] |= BitOf(tiles[k]);
            }
            if ((oddRows >> r) & 1u) {
                facts->matters[r] |= BitOf(tiles[k]);
            }
        }
    }
    facts->allPairInRows = !split;
}

COUNTS_BITS_PER_NODE int ListMoves(Search& s, const NodeFacts& facts, MoveList& moves) {
    const uint32_t nonEmpty = NonEmptyRows(s);
    int count = 0;
    const bool noSafePair = ForEachLivePair(s, [&](int face, int live, int a, int b) {
        if (!IsLegal(s, a, b, nonEmpty)) {
            return true;
        }
        if (live == 2 && IsSafePair(s, facts, a, b)) {
            moves[0] = Move{static_cast<uint8_t>(a), static_cast<uint8_t>(b), 0};
            return false;
        }
        moves[count++] =
            Move{static_cast<uint8_t>(a), static_cast<uint8_t>(b), Rank(s, facts, face, a, b)};
        return true;
    });
    if (!noSafePair) {
        return 1;
    }
    for (int i = 1; i < count; ++i) {
        const Move m = moves[i];
        int j = i;
        for (; j > 0 && moves[j - 1].rank > m.rank; --j) {
            moves[j] = moves[j - 1];
        }
        moves[j] = m;
    }
    return count;
}

// When every face pairs within its own rows, pairs within a row finish the
// board: they are always legal and leave the others so. A face's live tiles
// come in board order, row by row, and each row holds an even share of
// them, so tiles next to each other in that order pair.
void FinishInRows(Search& s, int depth) {
    for (int f = 0; f < FACE_COUNT; ++f) {
        std::array<int, TILES_PER_FACE> tiles;
        const int live = LiveTiles(s, f, tiles.data());
        for (int i = 0; i < live; i += 2) {
            s.path[depth][0] = static_cast<uint8_t>(tiles[i]);
            s.path[depth][1] = static_cast<uint8_t>(tiles[i + 1]);
            ++depth;
        }
    }
    s.pathLength = depth;
}
