// The game's state machine: the input chooses every event of a session.
#include "tests/app_events.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EventSource source = EventSourceFromBytes(data, size);
    AppEventsCount count;
    if (const char* fault = PlayAppEvents(source, UINT64_MAX, &count)) {
        std::fprintf(stderr, "event %llu: %s\n", static_cast<unsigned long long>(count.events),
                     fault);
        std::abort();
    }
    return 0;
}
