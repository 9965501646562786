// Exclusive access to one small file: the score file. An open admits no
// second opener while the file is held, in this program or another copy of
// it; an open that meets the file held fails like a file that cannot be
// opened. Implemented per operating system (platform/posix, platform/win32).
//
// Paths are in the platform's own form for file names: bytes on POSIX
// systems, UTF-8 on Windows, where the open converts them for the wide API.
#pragma once

#include <cstddef>
#include <cstdint>

using FileHandle = intptr_t;

// The longest path, NUL included, that the file operations take. On
// Windows that is 260 UTF-16 units, up to three bytes each in UTF-8.
#ifdef _WIN32
constexpr int MAX_FILE_PATH = 3 * 260;
#else
constexpr int MAX_FILE_PATH = 4096;
#endif

constexpr FileHandle NO_FILE = -1;

enum FileDisposition {
    FILE_OPEN_EXISTING, // open for reading and writing; never creates
    FILE_CREATE_NEW,    // create a file that does not exist yet; never replaces one
};

// Opens for reading and writing, or returns NO_FILE.
FileHandle OpenExclusiveFile(const char* path, FileDisposition disposition);

// Reads up to size bytes at the current position; returns how many arrived.
size_t ReadFileBytes(FileHandle file, void* buffer, size_t size);

// Writes at the current position; returns how many were written.
size_t WriteFileBytes(FileHandle file, const void* buffer, size_t size);

void CloseFile(FileHandle file);

// The separator between a directory and a file name.
extern const char PATH_SEPARATOR;
