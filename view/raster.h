// Copying rectangles between surfaces with the three raster operations the
// frame is built from.
//
// The operation names are those of the Windows GDI raster codes, so a file
// that includes windows.h must not include this header: the macros of the
// same names would replace the enumerators.
#pragma once

#include "view/surface.h"

enum RasterOp {
    SRCCOPY,  // destination = source
    SRCAND,   // destination = destination AND source
    SRCPAINT, // destination = destination OR source
};

// Combines the width x height rectangle of src at (sx, sy) into dst at
// (dx, dy), pixel by pixel. Only pixels inside both surfaces take part:
// anything that falls off either surface is cut off, and a rectangle with
// no overlap, a non-positive size or an empty surface copies nothing. The
// two rectangles must not overlap when src and dst are the same surface.
void CopyRect(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int width,
              int height, RasterOp op);
