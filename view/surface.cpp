// Making and freeing surfaces. Allocation goes through calloc so that a
// frame too big for memory is a false result, never a thrown exception.
#include "view/surface.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

bool CreateSurface(Surface* surface, int width, int height) {
    *surface = Surface{};
    if (width <= 0 || height <= 0) {
        return false;
    }
    // The pixel count must fit an int, so that no index computed from a
    // surface's sides can overflow anywhere in the renderer. calloc itself
    // refuses a byte count that size_t cannot hold.
    const uint64_t count = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (count > static_cast<uint64_t>(INT_MAX)) {
        return false;
    }
    void* pixels = std::calloc(static_cast<size_t>(count), sizeof(uint32_t));
    if (pixels == nullptr) {
        return false;
    }
    *surface = Surface{static_cast<uint32_t*>(pixels), width, height};
    return true;
}

void DestroySurface(Surface* surface) {
    std::free(surface->pixels);
    *surface = Surface{};
}
