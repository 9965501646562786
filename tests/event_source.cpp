#include "tests/event_source.h"

EventSource EventSourceFromBytes(const uint8_t* bytes, size_t size) {
    return EventSource{bytes, size, 0, 0};
}

// splitmix64: small, fast, and good enough to spread the choices.
static uint64_t NextRandom(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The seed is mixed first: a state of seed times the generator's step would
// make seed N + 1 play seed N's choices one step later.
EventSource EventSourceFromSeed(uint64_t seed) {
    return EventSource{nullptr, 0, 0, NextRandom(seed)};
}

bool EventSourceDone(const EventSource& source) {
    return source.bytes != nullptr && source.used >= source.size;
}

uint32_t Choose(EventSource& source, uint32_t count) {
    if (count <= 1) {
        return 0;
    }
    if (source.bytes == nullptr) {
        return static_cast<uint32_t>(NextRandom(source.state) % count);
    }
    // Two bytes per choice when one cannot cover the range.
    uint32_t value = 0;
    const int width = count > 256 ? 2 : 1;
    for (int i = 0; i < width && source.used < source.size; ++i) {
        value = (value << 8) | source.bytes[source.used++];
    }
    return value % count;
}

// The cells holding tiles, optionally only those of one face.
static int CollectTiles(const GameState& state, TileCode face, Cell* out) {
    int count = 0;
    for (int col = 0; col < BOARD_COLUMNS; ++col) {
        for (int row = 0; row < BOARD_ROWS; ++row) {
            const TileCode code = state.cells[CellIndex(col, row)];
            if (code == EMPTY_CELL || (face >= 0 && code % HIGHLIGHT_OFFSET != face)) {
                continue;
            }
            out[count++] = Cell{col, row};
        }
    }
    return count;
}

std::optional<Cell> ChooseClickCell(EventSource& source, const GameState& state) {
    Cell candidates[BOARD_CELLS];
    const uint32_t kind = Choose(source, 20);
    if (kind == 0) {
        return std::nullopt;
    }
    if (kind <= 2) {
        return Cell{static_cast<int32_t>(Choose(source, BOARD_COLUMNS)),
                    static_cast<int32_t>(Choose(source, BOARD_ROWS))};
    }
    TileCode face = -1;
    if (state.selectionActive && kind <= 12) {
        face = state.cells[CellIndex(state.selCol, state.selRow)] % HIGHLIGHT_OFFSET;
    }
    int count = CollectTiles(state, face, candidates);
    if (count == 0) {
        count = CollectTiles(state, -1, candidates);
    }
    if (count == 0) {
        return Cell{static_cast<int32_t>(Choose(source, BOARD_COLUMNS)),
                    static_cast<int32_t>(Choose(source, BOARD_ROWS))};
    }
    return candidates[Choose(source, static_cast<uint32_t>(count))];
}
