// Conversions between the core's Shift_JIS and the encodings Windows shows.
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace {

constexpr UINT SHIFT_JIS_CODE_PAGE = 932;

std::wstring WideFromCodePage(UINT codePage, const char* text) {
    const int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length) - 1); // the NUL
    return wide;
}

std::string CodePageFromWide(UINT codePage, const wchar_t* text) {
    // Code page 932 takes '?' for what it cannot hold, without the
    // system's look-alike substitutes (e for é); UTF-8 holds everything and
    // must be called without either.
    const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length =
        WideCharToMultiByte(codePage, flags, text, -1, nullptr, 0, defaultChar, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text, -1, narrow.data(), length, defaultChar, nullptr);
    narrow.resize(static_cast<size_t>(length) - 1);
    return narrow;
}

} // namespace

std::wstring WideFromShiftJis(const char* text) {
    return WideFromCodePage(SHIFT_JIS_CODE_PAGE, text);
}

std::string ShiftJisFromWide(const wchar_t* text) {
    return CodePageFromWide(SHIFT_JIS_CODE_PAGE, text);
}

std::string Utf8FromShiftJis(const char* text) {
    return CodePageFromWide(CP_UTF8, WideFromShiftJis(text).c_str());
}
