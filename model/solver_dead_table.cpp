// The dead-position table: the whole position is the key, so a hit is never
// a different position. The generation in the last word frees every entry
// of earlier searches.
#include "model/solver_dead_table.h"

#include <cstdlib>
#include <span>

namespace {

constexpr int GENERATION_SHIFT = 36;
constexpr uint32_t GENERATION_LIMIT = 1u << 27;
constexpr int BUCKET = 4;

std::span<DeadEntry, BUCKET> Bucket(const Solver& solver, const uint64_t* key) {
    uint64_t h = key[0] * 0x9E3779B97F4A7C15ull ^ key[1] * 0xC2B2AE3D27D4EB4Full ^
                 key[2] * 0x165667B19E3779F9ull;
    h ^= h >> 31;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return std::span<DeadEntry, BUCKET>(
        solver.table + (h & (solver.tableEntries - 1) & ~static_cast<uint64_t>(BUCKET - 1)),
        BUCKET);
}

bool IsSame(const DeadEntry& entry, const uint64_t* key) {
    return entry.key[0] == key[0] && entry.key[1] == key[1] && entry.key[2] == key[2];
}

} // namespace

DeadEntry* AllocateDeadTable(size_t requested, size_t* entries) {
    *entries = BUCKET;
    while (*entries * 2 <= requested) {
        *entries *= 2;
    }
    return static_cast<DeadEntry*>(std::calloc(*entries, sizeof(DeadEntry)));
}

void StartDeadGeneration(Solver& solver) {
    if (++solver.generation >= GENERATION_LIMIT) {
        for (size_t i = 0; i < solver.tableEntries; ++i) {
            solver.table[i] = DeadEntry{};
        }
        solver.generation = 1;
    }
}

void PackKey(const Search& s, uint64_t* key) {
    const auto row = [&s](int r) { return static_cast<uint64_t>(s.rows[r]); };
    key[0] = row(0) | row(1) << 18 | row(2) << 36;
    key[1] = row(3) | row(4) << 18 | row(5) << 36;
    key[2] =
        row(6) | row(7) << 18 | static_cast<uint64_t>(s.solver->generation) << GENERATION_SHIFT;
}

bool IsKnownDead(const Solver& solver, const uint64_t* key) {
    const std::span<const DeadEntry, BUCKET> bucket = Bucket(solver, key);
    for (int i = 0; i < BUCKET; ++i) {
        if (IsSame(bucket[i], key)) {
            return true;
        }
    }
    return false;
}

void MarkDead(Solver& solver, const uint64_t* key, uint64_t random) {
    const std::span<DeadEntry, BUCKET> bucket = Bucket(solver, key);
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
