// Exclusive file access on Windows: share mode 0 admits no second opener.
// Paths arrive as UTF-8 and are opened through the wide API, which takes a
// profile such as C:\Users\山田 on any system code page.
#include "platform/file_access.h"

#include <windows.h>

const char PATH_SEPARATOR = '\\';

FileHandle OpenExclusiveFile(const char* path, FileDisposition disposition) {
    wchar_t widePath[MAX_PATH];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, widePath, MAX_PATH) == 0) {
        return NO_FILE;
    }
    // CREATE_NEW fails on an existing file, held or not: it is never replaced.
    const DWORD creation = disposition == FILE_CREATE_NEW ? CREATE_NEW : OPEN_EXISTING;
    HANDLE file = CreateFileW(widePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, creation,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return NO_FILE;
    }
    return reinterpret_cast<FileHandle>(file);
}

size_t ReadFileBytes(FileHandle file, void* buffer, size_t size) {
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer, static_cast<DWORD>(size), &got,
                  nullptr)) {
        return 0;
    }
    return got;
}

size_t WriteFileBytes(FileHandle file, const void* buffer, size_t size) {
    DWORD put = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), buffer, static_cast<DWORD>(size), &put,
                   nullptr)) {
        return 0;
    }
    return put;
}

void CloseFile(FileHandle file) {
    if (file != NO_FILE) {
        CloseHandle(reinterpret_cast<HANDLE>(file));
    }
}
