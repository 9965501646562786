// Converting the game's Shift_JIS texts (code page 932) to the UTF-8 that GTK
// shows, and typed UTF-8 back. Nothing here touches GTK, so the conversions
// are tested on their own.
#pragma once

#include <string>

// Shift_JIS to UTF-8; a byte sequence that code page 932 does not define
// becomes '?'.
std::string ShiftJisToUtf8(const char* text);

// UTF-8 to Shift_JIS; each character that code page 932 cannot hold, and
// each malformed UTF-8 sequence, becomes one '?'.
std::string Utf8ToShiftJis(const char* text);

// A menu or button label for GTK from a Shift_JIS text with a Windows
// mnemonic: "&X" becomes "_X", "&&" a plain '&', and a literal '_' is doubled
// so that GTK does not take it for a mnemonic.
std::string MnemonicLabel(const char* shiftJisText);

// The name typed in the dialog as the game stores it: converted to
// Shift_JIS and cut to typedSize - 1 bytes without splitting a two-byte
// character, NUL-terminated. typedSize must be at least 1.
void CopyTypedName(const char* utf8, char* typed, int typedSize);
