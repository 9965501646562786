// Exclusive file access on Windows: share mode 0 admits no second opener.
#include "platform/file_access.h"

#include <windows.h>

const char PATH_SEPARATOR = '\\';

FileHandle OpenExclusiveFile(const char* path, FileDisposition disposition) {
    const DWORD creation = disposition == FILE_CREATE_ALWAYS ? CREATE_ALWAYS : OPEN_EXISTING;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, creation,
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
