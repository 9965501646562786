// Counting allocations in a benchmark binary. Linking allocation_count.cpp
// replaces the global operator new with one that counts its calls; together
// with glibc's mallinfo2 count of bytes in use, a benchmark reads both before
// its timed loop and reports the change after it as the counters new_calls
// and malloc_bytes_delta, which must be 0 for code that allocates nothing.
#pragma once

#include <benchmark/benchmark.h>

struct AllocationMark {
    long newCalls;
    long mallocBytes;
};

AllocationMark MarkAllocations();
void ReportAllocations(benchmark::State& bench, AllocationMark since);
