// Random sessions of the whole program: events chosen by an EventSource go
// through the main window's handlers and the recording desktop, and after
// every step the board, the clock, the high-score step and the score file
// are checked. The app_events fuzz target and the soak tool both play here.
#pragma once

#include "tests/event_source.h"

#include <cstdint>

struct AppEventsCount {
    uint64_t events; // played, the one that broke a rule included
    uint64_t clears; // cleared games that went through the high-score step
};

// Plays up to maxEvents events (or until a byte source runs out) with a
// fresh score file in a temporary directory. Starts and ends the program
// itself; a quit starts it again. Returns nullptr, or the first broken rule.
const char* PlayAppEvents(EventSource& source, uint64_t maxEvents, AppEventsCount* count);
