// Pieces of the command lines of the headless tools: strict decimal
// numbers, the difficulty names and the version option.
#pragma once

#include "model/game_state.h"

#include <cstdint>
#include <cstdio>

// Reads a run of decimal digits at *cursor (no sign, no spaces) that is at
// most max, and advances past it.
bool ReadNumber(const char** cursor, uint64_t max, uint64_t* value);

// A whole argument that is a number no larger than max.
bool ParseNumber(const char* text, uint64_t max, uint64_t* value);
bool ParseNumber(const char* text, uint32_t max, uint32_t* value);

// "easy" or "normal".
bool ParseDifficulty(const char* text, OptionId* difficulty);

// True when the only argument is --version; the caller then prints it.
bool AsksForVersion(int argc, const char* const* argv);
void PrintVersion(std::FILE* out, const char* program);
