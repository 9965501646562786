// tovrin-mini-soak [EVENTS [SEED]]: plays EVENTS random events (1,000,000
// unless told) through the main window's handlers with the recording
// desktop, checking the game after each, and reports events per second.
// Exit code 1 at the first broken rule.
#include "tests/app_events.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const unsigned long long events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    EventSource source = EventSourceFromSeed(seed);
    AppEventsCount count;
    const auto start = std::chrono::steady_clock::now();
    const char* fault = PlayAppEvents(source, events, &count);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (fault != nullptr) {
        std::fprintf(stderr, "tovrin-mini-soak: seed %llu, event %llu: %s\n", seed,
                     static_cast<unsigned long long>(count.events), fault);
        return 1;
    }
    std::printf("tovrin-mini-soak: %llu events, %llu games cleared, %.2f s, %.0f events/s\n",
                static_cast<unsigned long long>(count.events),
                static_cast<unsigned long long>(count.clears), seconds.count(),
                static_cast<double>(count.events) / seconds.count());
    return 0;
}
