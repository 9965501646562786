// The solver: a depth-first search over positions with restarts, a table of
// positions proven dead and rules that cut or shorten the search, each of
// them sound (none ever throws away a clearable position).
//
// A tile never leaves the row it stands in when the search starts, and the
// tiles of a row keep their order. A position is therefore the set of tiles
// still on the board, one bit mask per starting row: tile i of row r is bit
// i of rows[r]. Its column is the number of tiles still left of it, its row
// the number of non-empty rows above it.
#include "model/solver.h"

#include "model/selection.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <ctime>

struct DeadEntry {
    uint64_t key[3];
};

namespace {

// A tile is named by its row and its index in that row, row * 32 + index.
constexpr int TILE_ROW_SHIFT = 5;
constexpr int MAX_TILES = BOARD_ROWS << TILE_ROW_SHIFT;
constexpr int MAX_PAIRS = BOARD_CELLS / 2;
constexpr int MAX_MOVES = FACE_COUNT * 6;
constexpr int TILES_PER_FACE = 4;
constexpr int ORDERINGS = 3;
constexpr int64_t CLOCK_CHECK_NODES = 1024;
constexpr int GENERATION_SHIFT = 36;
constexpr uint32_t GENERATION_LIMIT = 1u << 27;
constexpr int BUCKET = 4;
constexpr uint8_t NO_TILE = 0xFF;

enum Outcome { WON, DEAD, CUT, OUT };

struct Move {
    uint8_t a;
    uint8_t b;
    uint32_t rank; // lower is tried first
};

struct Search {
    // The tiles as the search found them.
    uint8_t face[MAX_TILES];
    uint8_t slot[MAX_TILES]; // the tile's place in faceTiles
    uint8_t faceTiles[FACE_COUNT][TILES_PER_FACE];
    uint8_t faceTileCount[FACE_COUNT];
    // The position.
    uint32_t rows[BOARD_ROWS];
    uint8_t faceLive[FACE_COUNT]; // which of faceTiles are still on the board
    int tilesLeft;
    // Worked out at every node before its moves: each live tile's column and,
    // when all its partners share one row, the right-most of them (else
    // NO_TILE).
    uint8_t column[MAX_TILES];
    uint8_t lastPartner[MAX_TILES];
    // The way it is searched.
    Solver* solver;
    uint32_t faults;
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

// What every rule of one node looks at, worked out once per node.
struct NodeFacts {
    uint32_t rowBound[BOARD_ROWS]; // tiles whose face has tiles in no other row
    uint32_t matters[BOARD_ROWS];  // tiles whose face is odd in their row
    uint64_t constrained;          // faces of two tiles in two different rows
    bool allPairInRows;
};

int RowOf(int tile) {
    return tile >> TILE_ROW_SHIFT;
}
uint32_t BitOf(int tile) {
    return 1u << (tile & ((1 << TILE_ROW_SHIFT) - 1));
}
uint32_t Above(int tile) {
    return ~((BitOf(tile) << 1) - 1);
}

int ColumnOf(const Search& s, int tile) {
    return std::popcount(s.rows[RowOf(tile)] & (BitOf(tile) - 1));
}

uint32_t NonEmptyRows(const Search& s) {
    uint32_t mask = 0;
    for (int r = BOARD_ROWS - 1; r >= 0; --r) {
        mask = mask << 1 | (s.rows[r] != 0 ? 1u : 0u);
    }
    return mask;
}

uint64_t NextRandom(Search& s) {
    s.random ^= s.random << 13;
    s.random ^= s.random >> 7;
    s.random ^= s.random << 17;
    return s.random;
}

// The live tiles of a face, and how many.
int LiveTiles(const Search& s, int face, int* tiles) {
    int count = 0;
    for (uint32_t live = s.faceLive[face]; live != 0; live &= live - 1) {
        tiles[count++] = s.faceTiles[face][std::countr_zero(live)];
    }
    return count;
}

// ---- Rules of play on the position ------------------------------------------

bool IsLegal(const Search& s, int a, int b, uint32_t nonEmpty) {
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
    const int low = ra < rb ? ra : rb;
    const int high = ra < rb ? rb : ra;
    const uint32_t between = ((1u << high) - 1) & ~((2u << low) - 1);
    return (nonEmpty & between) == 0;
}

void RemovePair(Search& s, int a, int b) {
    s.rows[RowOf(a)] &= ~BitOf(a);
    s.rows[RowOf(b)] &= ~BitOf(b);
    s.faceLive[s.face[a]] &= static_cast<uint8_t>(~(1u << s.slot[a] | 1u << s.slot[b]));
    s.tilesLeft -= 2;
}

void RestorePair(Search& s, int a, int b) {
    s.rows[RowOf(a)] |= BitOf(a);
    s.rows[RowOf(b)] |= BitOf(b);
    s.faceLive[s.face[a]] |= static_cast<uint8_t>(1u << s.slot[a] | 1u << s.slot[b]);
    s.tilesLeft += 2;
}

// ---- Facts of a node -----------------------------------------------------

void GatherFacts(Search& s, NodeFacts* facts) {
    *facts = NodeFacts{};
    int splitFaces = 0;
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
        splitFaces += oddRows != 0 ? 1 : 0;
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
    facts->allPairInRows = splitFaces <= ((s.faults & FAULT_FINISH) != 0 ? 1 : 0);
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
bool PassesDeadEndTest(const Search& s) {
    uint32_t standing[BOARD_ROWS];
    for (int r = 0; r < BOARD_ROWS; ++r) {
        standing[r] = s.rows[r];
    }
    // Pairs within a row, or in one column, are released at once.
    const int slack = (s.faults & FAULT_DEAD_END) != 0 ? 0 : 1;
    Crossing crossings[MAX_MOVES];
    int count = 0;
    for (int f = 0; f < FACE_COUNT; ++f) {
        int tiles[TILES_PER_FACE];
        const int live = LiveTiles(s, f, tiles);
        for (int i = 0; i < live; ++i) {
            for (int j = i + 1; j < live; ++j) {
                const int a = tiles[i];
                const int b = tiles[j];
                if (RowOf(a) == RowOf(b) || s.column[a] == s.column[b]) {
                    Release(standing, a);
                    Release(standing, b);
                    continue;
                }
                const bool aRight = s.column[a] > s.column[b];
                const int top = std::min(RowOf(a), RowOf(b));
                const int bottom = std::max(RowOf(a), RowOf(b));
                crossings[count++] = Crossing{
                    static_cast<uint8_t>(aRight ? b : a), static_cast<uint8_t>(aRight ? a : b),
                    static_cast<uint8_t>(s.column[aRight ? b : a]),
                    static_cast<uint8_t>(((1u << bottom) - 1) & ~((2u << top) - 1))};
            }
        }
    }
    for (bool progress = true; progress;) {
        progress = false;
        uint32_t standingRows = 0;
        for (int r = BOARD_ROWS - 1; r >= 0; --r) {
            standingRows = standingRows << 1 | (standing[r] != 0 ? 1u : 0u);
        }
        for (int k = 0; k < count; ++k) {
            const Crossing& c = crossings[k];
            const bool settled = !Stands(standing, c.left) && !Stands(standing, c.right);
            if (!settled) {
                const int r = RowOf(c.right);
                const int before = std::popcount(standing[r] & (BitOf(c.right) - 1));
                // A row between that keeps a tile rules out the diagonal.
                const int allowed = c.allowed + ((standingRows & c.between) != 0 ? 0 : slack);
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
    for (int r = 0; r < BOARD_ROWS; ++r) {
        if (standing[r] != 0) {
            return false;
        }
    }
    return true;
}

// ---- Moves -----------------------------------------------------------------

// A face's last pair may be played at once when neither tile has anything
// to its right whose column could matter: only tiles of faces that lie in
// one row, which always pair within it. Taking the pair first then moves
// no other tile, and can only close up rows, which joins rows and parts
// none; every move of any clearing sequence stays legal after it.
bool IsSafePair(const Search& s, const NodeFacts& facts, int a, int b) {
    if ((s.faults & FAULT_SAFE_PAIR) != 0) {
        return true;
    }
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
uint32_t Rank(Search& s, const NodeFacts& facts, int face, int a, int b) {
    static const uint32_t ALL[BOARD_ROWS] = {~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u};
    uint32_t primary = 0;
    switch (s.ordering) {
    case 0:
        primary = Shifted(s, facts.matters, a) + Shifted(s, facts.matters, b);
        break;
    case 1:
        primary = Shifted(s, ALL, a) + Shifted(s, ALL, b);
        break;
    default:
        primary = Shifted(s, facts.matters, a) + Shifted(s, facts.matters, b) +
                  (((facts.constrained >> face) & 1u) != 0 ? 0 : 64);
        break;
    }
    // Random tie-breaks, wide enough that a pair may also change places with
    // one that moves a tile more: each restart tries other paths.
    return (primary << 16) + static_cast<uint32_t>(NextRandom(s) % (2u << 16));
}

// The legal moves, best first; a safe pair alone when there is one.
int ListMoves(Search& s, const NodeFacts& facts, Move* moves) {
    const uint32_t nonEmpty = NonEmptyRows(s);
    int count = 0;
    for (int f = 0; f < FACE_COUNT; ++f) {
        int tiles[TILES_PER_FACE];
        const int live = LiveTiles(s, f, tiles);
        for (int i = 0; i < live; ++i) {
            for (int j = i + 1; j < live; ++j) {
                if (!IsLegal(s, tiles[i], tiles[j], nonEmpty)) {
                    continue;
                }
                if (live == 2 && IsSafePair(s, facts, tiles[i], tiles[j])) {
                    moves[0] =
                        Move{static_cast<uint8_t>(tiles[i]), static_cast<uint8_t>(tiles[j]), 0};
                    return 1;
                }
                moves[count++] =
                    Move{static_cast<uint8_t>(tiles[i]), static_cast<uint8_t>(tiles[j]),
                         Rank(s, facts, f, tiles[i], tiles[j])};
            }
        }
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
// board: they are always legal and leave the others so.
void FinishInRows(Search& s, int depth) {
    for (int f = 0; f < FACE_COUNT; ++f) {
        int tiles[TILES_PER_FACE];
        const int live = LiveTiles(s, f, tiles);
        bool used[TILES_PER_FACE] = {};
        for (int i = 0; i < live; ++i) {
            for (int j = i + 1; j < live && !used[i]; ++j) {
                if (!used[j] && RowOf(tiles[i]) == RowOf(tiles[j])) {
                    used[i] = used[j] = true;
                    s.path[depth][0] = static_cast<uint8_t>(tiles[i]);
                    s.path[depth][1] = static_cast<uint8_t>(tiles[j]);
                    ++depth;
                }
            }
            // Faulty finishing pairs a leftover tile anyway.
            for (int j = i + 1; j < live && !used[i]; ++j) {
                if (!used[j]) {
                    used[i] = used[j] = true;
                    s.path[depth][0] = static_cast<uint8_t>(tiles[i]);
                    s.path[depth][1] = static_cast<uint8_t>(tiles[j]);
                    ++depth;
                }
            }
        }
    }
    s.pathLength = depth;
}

// ---- The dead-position table -------------------------------------------------

// The whole position is the key, so a hit is never a different position.
// The generation in the last word frees every entry of earlier searches.
void PackKey(const Search& s, uint64_t* key) {
    const auto row = [&s](int r) { return static_cast<uint64_t>(s.rows[r]); };
    key[0] = row(0) | row(1) << 18 | row(2) << 36;
    key[1] = row(3) | row(4) << 18 | row(5) << 36;
    key[2] =
        row(6) | row(7) << 18 | static_cast<uint64_t>(s.solver->generation) << GENERATION_SHIFT;
}

DeadEntry* Bucket(const Solver& solver, const uint64_t* key) {
    uint64_t h = key[0] * 0x9E3779B97F4A7C15ull ^ key[1] * 0xC2B2AE3D27D4EB4Full ^
                 key[2] * 0x165667B19E3779F9ull;
    h ^= h >> 31;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return solver.table + (h & (solver.tableEntries - 1) & ~static_cast<uint64_t>(BUCKET - 1));
}

bool IsSame(const DeadEntry& entry, const uint64_t* key) {
    return entry.key[0] == key[0] && entry.key[1] == key[1] && entry.key[2] == key[2];
}

bool IsKnownDead(const Solver& solver, const uint64_t* key) {
    const DeadEntry* bucket = Bucket(solver, key);
    for (int i = 0; i < BUCKET; ++i) {
        if (IsSame(bucket[i], key)) {
            return true;
        }
    }
    return false;
}

void MarkDead(Solver& solver, const uint64_t* key, uint64_t random) {
    DeadEntry* bucket = Bucket(solver, key);
    DeadEntry* slot = &bucket[random % BUCKET];
    for (int i = 0; i < BUCKET; ++i) {
        if ((bucket[i].key[2] >> GENERATION_SHIFT) != solver.generation) {
            slot = &bucket[i];
            break;
        }
    }
    for (int i = 0; i < 3; ++i) {
        slot->key[i] = key[i];
    }
}

// ---- The search ----------------------------------------------------------------

bool OverBudget(Search& s) {
    if (s.nodeLimit != 0 && s.nodes >= s.nodeLimit) {
        return true;
    }
    return s.hasDeadline && s.nodes % CLOCK_CHECK_NODES == 0 && std::clock() >= s.deadline;
}

Outcome Explore(Search& s, int depth) {
    ++s.nodes;
    if (s.tilesLeft == 0) {
        s.pathLength = depth;
        return WON;
    }
    if (OverBudget(s)) {
        return OUT;
    }
    if (s.nodes >= s.restartLimit) {
        return CUT;
    }
    uint64_t key[3];
    PackKey(s, key);
    if (IsKnownDead(*s.solver, key)) {
        return DEAD;
    }
    NodeFacts facts;
    GatherFacts(s, &facts);
    if (facts.allPairInRows) {
        FinishInRows(s, depth);
        return WON;
    }
    if (!PassesDeadEndTest(s)) {
        // The test costs more than a look-up in the table.
        MarkDead(*s.solver, key, NextRandom(s));
        return DEAD;
    }
    Move moves[MAX_MOVES];
    const int count = ListMoves(s, facts, moves);
    for (int i = 0; i < count; ++i) {
        RemovePair(s, moves[i].a, moves[i].b);
        const Outcome outcome = Explore(s, depth + 1);
        RestorePair(s, moves[i].a, moves[i].b);
        if (outcome == WON) {
            s.path[depth][0] = moves[i].a;
            s.path[depth][1] = moves[i].b;
            return WON;
        }
        if (outcome == CUT && (s.faults & FAULT_DEAD_TABLE) != 0) {
            MarkDead(*s.solver, key, NextRandom(s));
        }
        if (outcome != DEAD) {
            return outcome;
        }
    }
    MarkDead(*s.solver, key, NextRandom(s));
    return DEAD;
}

// The Luby sequence 1 1 2 1 1 2 4 1 1 2 ..., the lengths of the restarts.
int64_t Luby(int64_t i) {
    for (;;) {
        int64_t size = 1;
        while (size < i) {
            size = 2 * size + 1;
        }
        if (size == i) {
            return (size + 1) / 2;
        }
        i -= (size - 1) / 2;
    }
}

// ---- Setting up and reporting ----------------------------------------------

// Reads the board into the search; false when it holds something no game
// reaches (a gap in a row, more than four tiles of a face).
bool ReadBoard(Search& s, const Board& cells) {
    for (int r = 0; r < BOARD_ROWS; ++r) {
        bool ended = false;
        for (int c = 0; c < BOARD_COLUMNS; ++c) {
            TileCode code = cells[CellIndex(c, r)];
            if (code == EMPTY_CELL) {
                ended = true;
                continue;
            }
            code = code >= HIGHLIGHT_OFFSET ? code - HIGHLIGHT_OFFSET : code;
            if (ended || code < 0 || code >= FACE_COUNT ||
                s.faceTileCount[code] == TILES_PER_FACE) {
                return false;
            }
            const int tile = r << TILE_ROW_SHIFT | c;
            s.face[tile] = static_cast<uint8_t>(code);
            s.slot[tile] = s.faceTileCount[code];
            s.faceLive[code] |= static_cast<uint8_t>(1u << s.faceTileCount[code]);
            s.faceTiles[code][s.faceTileCount[code]++] = static_cast<uint8_t>(tile);
            s.rows[r] |= BitOf(tile);
            ++s.tilesLeft;
        }
    }
    return true;
}

bool HasOddFace(const Search& s) {
    for (int f = 0; f < FACE_COUNT; ++f) {
        if (s.faceTileCount[f] % 2 != 0) {
            return true;
        }
    }
    return false;
}

// The clicks of the sequence, in board cells as they are when played.
void PathToClicks(Search& s, SolveResult* result) {
    result->clickCount = 0;
    for (int i = 0; i < s.pathLength; ++i) {
        const uint32_t nonEmpty = NonEmptyRows(s);
        for (int k = 0; k < 2; ++k) {
            const int tile = s.path[i][k];
            const int row = std::popcount(nonEmpty & ((1u << RowOf(tile)) - 1));
            result->clicks[result->clickCount++] = Cell{ColumnOf(s, tile), row};
        }
        RemovePair(s, s.path[i][0], s.path[i][1]);
    }
}

// Plays the clicks through the game's own rule of play.
bool ReplayClears(GameState& game, const Board& cells, const SolveResult& result) {
    game.cells = cells;
    game.tilesLeft = 0;
    for (TileCode& code : game.cells) {
        if (code != EMPTY_CELL) {
            code = code >= HIGHLIGHT_OFFSET ? code - HIGHLIGHT_OFFSET : code;
            ++game.tilesLeft;
        }
    }
    game.selectionActive = 0;
    game.hintShown = 0;
    game.gameOver = 0;
    game.historyCount = 0;
    for (int i = 0; i + 1 < result.clickCount; i += 2) {
        const int before = game.tilesLeft;
        ClickCell(game, nullptr, result.clicks[i]);
        ClickCell(game, nullptr, result.clicks[i + 1]);
        if (game.tilesLeft != before - 2) {
            return false;
        }
    }
    return game.tilesLeft == 0;
}

} // namespace

// ---- The solver object ------------------------------------------------------------

bool CreateSolver(Solver* solver, size_t tableEntries) {
    size_t entries = BUCKET;
    while (entries * 2 <= tableEntries) {
        entries *= 2;
    }
    *solver = Solver{};
    solver->table = static_cast<DeadEntry*>(std::calloc(entries, sizeof(DeadEntry)));
    solver->replay = static_cast<GameState*>(std::calloc(1, sizeof(GameState)));
    if (solver->table == nullptr || solver->replay == nullptr) {
        DestroySolver(solver);
        return false;
    }
    solver->tableEntries = entries;
    solver->restartNodes = SOLVER_DEFAULT_RESTART_NODES;
    return true;
}

void DestroySolver(Solver* solver) {
    std::free(solver->table);
    std::free(solver->replay);
    *solver = Solver{};
}

void SolveBoard(Solver& solver, const Board& cells, SolveBudget budget, SolveResult* result) {
    result->verdict = VERDICT_UNKNOWN;
    result->clickCount = 0;
    result->nodes = 0;
    // Each search starts with an empty table; an old generation is free.
    if (++solver.generation >= GENERATION_LIMIT) {
        for (size_t i = 0; i < solver.tableEntries; ++i) {
            solver.table[i] = DeadEntry{};
        }
        solver.generation = 1;
    }
    Search s = {};
    s.solver = &solver;
    s.faults = solver.faults;
    s.random = 0x2545F4914F6CDD1Dull;
    s.nodeLimit = budget.nodes;
    s.hasDeadline = budget.milliseconds > 0;
    s.deadline =
        std::clock() + static_cast<std::clock_t>(budget.milliseconds * (CLOCKS_PER_SEC / 1000.0));
    if (!ReadBoard(s, cells)) {
        return;
    }
    if (HasOddFace(s)) {
        result->verdict = VERDICT_NOT_CLEARABLE;
        return;
    }
    Outcome outcome = CUT;
    for (int64_t run = 1; outcome == CUT; ++run) {
        s.ordering = static_cast<int>((run - 1) % ORDERINGS);
        s.restartLimit = s.nodes + Luby(run) * solver.restartNodes;
        outcome = Explore(s, 0);
    }
    result->nodes = s.nodes;
    if (outcome == DEAD) {
        result->verdict = VERDICT_NOT_CLEARABLE;
    } else if (outcome == WON) {
        PathToClicks(s, result);
        if (ReplayClears(*solver.replay, cells, *result)) {
            result->verdict = VERDICT_CLEARABLE;
        } else {
            result->clickCount = 0;
        }
    }
}
