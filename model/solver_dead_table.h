// The table of positions the solver has proven dead: a fixed array of
// buckets, allocated once, emptied for each search by a generation count.
#pragma once

#include "model/solver_position.h"

#include <cstddef>
#include <cstdint>

struct DeadEntry {
    uint64_t key[3];
};

// The table, requested rounded down to a power of two and at least one
// bucket, zeroed; nullptr when memory runs out.
DeadEntry* AllocateDeadTable(size_t requested, size_t* entries);

// Frees every entry of earlier searches.
void StartDeadGeneration(Solver& solver);

void PackKey(const Search& s, uint64_t* key);
bool IsKnownDead(const Solver& solver, const uint64_t* key);
// random picks the entry to replace when the bucket is full.
void MarkDead(Solver& solver, const uint64_t* key, uint64_t random);
