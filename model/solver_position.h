// The solver's picture of a position, and the rules of play on it.
//
// A tile never leaves the row it stands in when the search starts, and the
// tiles of a row keep their order. A position is therefore the set of tiles
// still on the board, one bit mask per starting row: tile i of row r is bit
// i of rows[r]. Its column is the number of tiles still left of it, its row
// the number of non-empty rows above it.
#pragma once

#include "model/solver.h"

#include <array>
#include <bit>
#include <cstdint>
#include <ctime>

// The functions the search runs at every node count bits. x86-64 processors
// have had the population count instruction since 2008, but the baseline
// that distributions build for does not include it: GCC builds those
// functions twice, and the loader picks the popcnt version where the
// processor has it. Other compilers (clang builds only the fuzz targets)
// count without the instruction; clang 14's clones called from another file
// did not resolve to the right function.
#if defined(__x86_64__) && defined(__linux__) && !defined(__clang__)
#define COUNTS_BITS_PER_NODE __attribute__((target_clones("popcnt", "default")))
#else
#define COUNTS_BITS_PER_NODE
#endif

// A tile is named by its row and its index in that row, row * 32 + index.
constexpr int TILE_ROW_SHIFT = 5;
constexpr int MAX_TILES = BOARD_ROWS << TILE_ROW_SHIFT;
constexpr int MAX_PAIRS = BOARD_CELLS / 2;
constexpr int MAX_MOVES = FACE_COUNT * 6;
constexpr int TILES_PER_FACE = 4;
constexpr uint8_t NO_TILE = 0xFF;

struct Search {
    // The tiles as the search found them.
    uint8_t face[MAX_TILES];
    uint8_t slot[MAX_TILES]; // the tile's place in faceTiles
    // Per face, bounds-checked: loops over the faces are many.
    std::array<std::array<uint8_t, TILES_PER_FACE>, FACE_COUNT> faceTiles;
    std::array<uint8_t, FACE_COUNT> faceTileCount;
    // The position.
    uint32_t rows[BOARD_ROWS];
    std::array<uint8_t, FACE_COUNT> faceLive; // which of faceTiles are still on the board
    // Worked out at every node before its moves: each live tile's column and,
    // when all its partners share one row, the right-most of them (else
    // NO_TILE).
    uint8_t column[MAX_TILES];
    uint8_t lastPartner[MAX_TILES];
    // The way it is searched.
    Solver* solver;
    int ordering;
    uint64_t random;
    int64_t nodes;
    int64_t restartLimit;
    int64_t nodeLimit; // 0: none
    std::clock_t deadline;
    bool hasDeadline;
    // The clearing sequence, once found.
    uint8_t path[MAX_PAIRS][2];
    int pathLength;
};

// ---- Tiles and row masks ---------------------------------------------------

inline int RowOf(int tile) {
    return tile >> TILE_ROW_SHIFT;
}
inline uint32_t BitOf(int tile) {
    return 1u << (tile & ((1 << TILE_ROW_SHIFT) - 1));
}
inline uint32_t Above(int tile) {
    return ~((BitOf(tile) << 1) - 1);
}

// The rows strictly between rows a and b, as a mask of row numbers.
inline uint32_t RowsBetween(int a, int b) {
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    return ((1u << high) - 1) & ~((2u << low) - 1);
}

// The rows that hold at least one tile of the given masks.
inline uint32_t RowsHolding(const uint32_t* rows) {
    uint32_t mask = 0;
    for (int r = BOARD_ROWS - 1; r >= 0; --r) {
        mask = mask << 1 | (rows[r] != 0 ? 1u : 0u);
    }
    return mask;
}

inline int ColumnOf(const Search& s, int tile) {
    return std::popcount(s.rows[RowOf(tile)] & (BitOf(tile) - 1));
}

inline uint32_t NonEmptyRows(const Search& s) {
    return RowsHolding(s.rows);
}

inline uint64_t NextRandom(Search& s) {
    s.random ^= s.random << 13;
    s.random ^= s.random >> 7;
    s.random ^= s.random << 17;
    return s.random;
}

// The live tiles of a face, and how many.
inline int LiveTiles(const Search& s, int face, int* tiles) {
    int count = 0;
    for (uint32_t live = s.faceLive[face]; live != 0; live &= live - 1) {
        tiles[count++] = s.faceTiles[face][std::countr_zero(live)];
    }
    return count;
}

// Calls visit(face, live, a, b) for every two live tiles a, b of one face,
// where live is how many tiles of that face are live. Stops, and returns
// false, as soon as visit returns false. Always inlined, so that the bit
// counts of its callers' visits land in their popcnt clones.
template <typename Visit>
[[gnu::always_inline]] inline bool ForEachLivePair(const Search& s, Visit&& visit) {
    for (int f = 0; f < FACE_COUNT; ++f) {
        int tiles[TILES_PER_FACE];
        const int live = LiveTiles(s, f, tiles);
        for (int i = 0; i < live; ++i) {
            for (int j = i + 1; j < live; ++j) {
                if (!visit(f, live, tiles[i], tiles[j])) {
                    return false;
                }
            }
        }
    }
    return true;
}

// ---- Rules of play on the position -------------------------------------------

// Needs the columns of a and b worked out (GatherFacts).
inline bool IsLegal(const Search& s, int a, int b, uint32_t nonEmpty) {
    const int ra = RowOf(a);
    const int rb = RowOf(b);
    if (ra == rb) {
        return true;
    }
    const int gap = s.column[a] - s.column[b];
    if (gap == 0) {
        return true;
    }
    if (gap != 1 && gap != -1) {
        return false;
    }
    // Diagonal neighbours: no row between the two still holds a tile.
    return (nonEmpty & RowsBetween(ra, rb)) == 0;
}

inline void RemovePair(Search& s, int a, int b) {
    s.rows[RowOf(a)] &= ~BitOf(a);
    s.rows[RowOf(b)] &= ~BitOf(b);
    s.faceLive[s.face[a]] &= static_cast<uint8_t>(~(1u << s.slot[a] | 1u << s.slot[b]));
}

inline void RestorePair(Search& s, int a, int b) {
    s.rows[RowOf(a)] |= BitOf(a);
    s.rows[RowOf(b)] |= BitOf(b);
    s.faceLive[s.face[a]] |= static_cast<uint8_t>(1u << s.slot[a] | 1u << s.slot[b]);
}
