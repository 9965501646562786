// The solver: decides whether a position can still be cleared and, when it
// can, gives the clicks that clear it. It works on any board the game can
// reach, a fresh deal or a game in progress.
#pragma once

#include "model/game_state.h"

#include <cstddef>
#include <cstdint>

enum SolveVerdict { VERDICT_CLEARABLE, VERDICT_NOT_CLEARABLE, VERDICT_UNKNOWN };

// What the search may spend; a zero field sets no limit of that kind. Time
// is the processor time of the calling process.
struct SolveBudget {
    int64_t milliseconds;
    int64_t nodes;
};

// The dead-position table holds about 24 bytes an entry: 2^21 is 48 MB.
constexpr size_t SOLVER_DEFAULT_TABLE_ENTRIES = size_t{1} << 21;
// The restarts run 1, 1, 2, 1, 1, 2, 4, ... times this many positions.
constexpr int64_t SOLVER_DEFAULT_RESTART_NODES = 256;

struct SolveResult {
    SolveVerdict verdict;
    int clickCount;           // clicks in a clearing sequence, two per pair
    Cell clicks[BOARD_CELLS]; // playable one after the other by ClickCell
    int64_t nodes;            // positions visited
};

struct DeadEntry;

// Everything a search needs that is worth keeping from one call to the
// next: the table of positions proven dead and a board to replay answers on.
struct Solver {
    DeadEntry* table;
    size_t tableEntries;
    uint32_t generation; // entries of older generations are free
    int64_t restartNodes;
    GameState* replay;
};

// Allocates the table (tableEntries rounded down to a power of two, at
// least 4) and the replay board; false when memory runs out.
bool CreateSolver(Solver* solver, size_t tableEntries);
void DestroySolver(Solver* solver);

// Decides the board (highlights are ignored; a picked tile counts as on the
// board). A clearing sequence is replayed through ClickCell before it is
// reported. Allocates nothing.
void SolveBoard(Solver& solver, const Board& cells, SolveBudget budget, SolveResult* result);
