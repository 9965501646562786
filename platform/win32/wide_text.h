// Text across the desktop boundary. The core speaks Shift_JIS (code page
// 932); the window, the boxes and the dialog take UTF-16 so that they show
// the same on every system locale, and the test report takes UTF-8.
#pragma once

#include <string>

// Shift_JIS to UTF-16; a byte that is no character becomes the system's
// replacement character.
std::wstring WideFromShiftJis(const char* text);

// UTF-16 to Shift_JIS; a character that code page 932 cannot hold becomes '?'.
std::string ShiftJisFromWide(const wchar_t* text);

// Shift_JIS to UTF-8, for the test report.
std::string Utf8FromShiftJis(const char* text);
