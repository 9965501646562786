// Choices for random play, drawn from a byte string (a fuzzer's input) or
// from a seeded generator. The property tests, the fuzz targets and the soak
// all draw their events here, so one stream of choices means the same play
// wherever it runs.
#pragma once

#include "model/game_state.h"

#include <cstddef>
#include <cstdint>
#include <optional>

struct EventSource {
    const uint8_t* bytes; // null for a seeded source
    size_t size;
    size_t used;
    uint64_t state;       // generator state of a seeded source
};

// A source that ends when its bytes are used up.
EventSource EventSourceFromBytes(const uint8_t* bytes, size_t size);

// A source that never ends.
EventSource EventSourceFromSeed(uint64_t seed);

bool EventSourceDone(const EventSource& source);

// A number in 0..count-1 (count >= 1). A finished byte source answers 0.
uint32_t Choose(EventSource& source, uint32_t count);

// A click target on the board, biased towards play that goes somewhere:
// mostly a tile (with a tile picked, often one of the same face), sometimes
// an empty cell inside the grid, sometimes no cell at all (a click outside
// the board).
std::optional<Cell> ChooseClickCell(EventSource& source, const GameState& state);
