// A failed property ends the fuzz run as a crash, with the input saved.
#pragma once

#include <cstdlib>

inline void Require(bool holds) {
    holds ? void() : std::abort();
}
