// The name-entry dialog (resource 130) behind DesktopNameEntryDialog.
#pragma once

// Stores what the player typed, converted to Shift_JIS, into typed: a
// character that code page 932 cannot hold becomes '?', and the text is cut
// to typedSize - 1 bytes without splitting a two-byte character.
void StoreTypedName(const wchar_t* text, char* typed, int typedSize);
