// The search: a depth-first search over positions with restarts, a table of
// positions proven dead and rules that cut or shorten the search, each of
// them sound (none ever throws away a clearable position).
#include "model/solver_search.h"

#include "model/solver_dead_end.h"
#include "model/solver_dead_table.h"
#include "model/solver_moves.h"

namespace {

constexpr int64_t CLOCK_CHECK_NODES = 1024;

bool OverBudget(Search& s) {
    if (s.nodeLimit != 0 && s.nodes >= s.nodeLimit) {
        return true;
    }
    return s.hasDeadline && s.nodes % CLOCK_CHECK_NODES == 0 && std::clock() >= s.deadline;
}

Outcome Explore(Search& s, int depth) {
    ++s.nodes;
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
    if (facts.allPairInRows) { // the empty board too
        FinishInRows(s, depth);
        return WON;
    }
    if (!PassesDeadEndTest(s)) {
        // The test costs more than a look-up in the table.
        MarkDead(*s.solver, key, NextRandom(s));
        return DEAD;
    }
    MoveList moves;
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

} // namespace

Outcome SearchWithRestarts(Search& s) {
    Outcome outcome = CUT;
    for (int64_t run = 1; outcome == CUT; ++run) {
        s.ordering = static_cast<int>((run - 1) % ORDERINGS);
        s.restartLimit = s.nodes + Luby(run) * s.solver->restartNodes;
        outcome = Explore(s, 0);
    }
    return outcome;
}
