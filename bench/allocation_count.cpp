// The counting operator new and the allocation counters of the benchmarks.
#include "bench/allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<long> newCalls{0};

long MallocBytesInUse() {
    return static_cast<long>(mallinfo2().uordblks);
}

} // namespace

AllocationMark MarkAllocations() {
    return AllocationMark{newCalls.load(), MallocBytesInUse()};
}

void ReportAllocations(benchmark::State& bench, AllocationMark since) {
    bench.counters["new_calls"] = static_cast<double>(newCalls.load() - since.newCalls);
    bench.counters["malloc_bytes_delta"] =
        static_cast<double>(MallocBytesInUse() - since.mallocBytes);
}

// GCC sees free() behind a replaced operator delete and warns of a mismatch,
// although these two operators are each other's pair.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    newCalls.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    std::abort();
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
