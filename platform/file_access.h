// Exclusive access to one small file: the score file. An open admits no
// second opener while the file is held, in this program or another copy of
// it; an open that meets the file held fails like a file that cannot be
// opened. Implemented per operating system (platform/posix, platform/win32).
#pragma once

#include <cstddef>
#include <cstdint>

using FileHandle = intptr_t;

// The longest path, NUL included, that the file operations take.
#ifdef _WIN32
constexpr int MAX_FILE_PATH = 260;
#else
constexpr int MAX_FILE_PATH = 4096;
#endif

constexpr FileHandle NO_FILE = -1;

enum FileDisposition {
    FILE_OPEN_EXISTING, // open for reading and writing; never creates
    FILE_CREATE_ALWAYS, // create, or empty an existing file
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
