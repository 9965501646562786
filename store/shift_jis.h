// Byte-level handling of Shift_JIS text (code page 932).
#pragma once

#include <cstddef>

// True for a byte that starts a two-byte character.
bool IsShiftJisLeadByte(unsigned char byte);

// Copies text into buffer (size bytes, NUL included), cut so that no
// two-byte character is split; returns the bytes of text copied.
size_t CopyShiftJisCut(char* buffer, size_t size, const char* text);
