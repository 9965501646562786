// What the search does at one node: the facts every rule reads, the legal
// moves in the order of the node's ordering, and the finish when every face
// pairs within its rows.
#pragma once

#include "model/solver_position.h"

#include <array>

constexpr int ORDERINGS = 3;

struct Move {
    uint8_t a;
    uint8_t b;
    uint32_t rank; // lower is tried first
};
using MoveList = std::array<Move, MAX_MOVES>;

// What every rule of one node looks at, worked out once per node.
struct NodeFacts {
    uint32_t rowBound[BOARD_ROWS]; // tiles whose face has tiles in no other row
    uint32_t matters[BOARD_ROWS];  // tiles whose face is odd in their row
    uint64_t constrained;          // faces of two tiles in two different rows
    bool allPairInRows;
};

// Also works out each live tile's column and last partner in the search.
void GatherFacts(Search& s, NodeFacts* facts);

// The legal moves, best first; a safe pair alone when there is one.
int ListMoves(Search& s, const NodeFacts& facts, MoveList& moves);

// Completes the path from depth on with pairs within rows; only when
// facts.allPairInRows.
void FinishInRows(Search& s, int depth);
