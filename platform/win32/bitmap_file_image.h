// Bitmap resources are stored without the 14-byte file header that the
// core's BMP reader expects in front of a whole .bmp image; this puts it
// back.
#pragma once

#include <cstddef>
#include <vector>

// Builds the file image of a packed DIB (info header, colour table, pixels)
// into image. False, with image emptied, when the header does not describe
// a bitmap that fits in size bytes.
bool MakeBitmapFileImage(const unsigned char* dib, size_t size, std::vector<unsigned char>* image);
