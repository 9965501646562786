// Saving a composed frame as an 8-bit RGB PNG.
#pragma once

#include "view/surface.h"

// Writes the surface to path; false when the file cannot be written.
bool WritePng(const char* path, const Surface& frame);
