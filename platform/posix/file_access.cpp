// Exclusive file access on POSIX systems. Windows refuses a second opener of
// a file opened without sharing; here an advisory lock taken at open gives
// the same answer to every copy of this program.
#include "platform/file_access.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char PATH_SEPARATOR = '/';

FileHandle OpenExclusiveFile(const char* path, FileDisposition disposition) {
    // A create never meets an existing file: one that another copy holds,
    // or that it has just let go, must survive.
    const int flags = O_RDWR | O_CLOEXEC | (disposition == FILE_CREATE_NEW ? O_CREAT | O_EXCL : 0);
    const int fd = open(path, flags, 0644);
    if (fd < 0) {
        return NO_FILE;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return NO_FILE;
    }
    return fd;
}

namespace {

// Repeats a read or write until size bytes have moved, the file ends or an
// error other than an interrupted call stops it; returns the bytes moved.
template <typename Step> size_t MoveAll(size_t size, Step step) {
    size_t done = 0;
    while (done < size) {
        const ssize_t moved = step(done);
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved <= 0) {
            break;
        }
        done += static_cast<size_t>(moved);
    }
    return done;
}

} // namespace

size_t ReadFileBytes(FileHandle file, void* buffer, size_t size) {
    return MoveAll(size, [&](size_t done) {
        return read(static_cast<int>(file), static_cast<char*>(buffer) + done, size - done);
    });
}

size_t WriteFileBytes(FileHandle file, const void* buffer, size_t size) {
    return MoveAll(size, [&](size_t done) {
        return write(static_cast<int>(file), static_cast<const char*>(buffer) + done, size - done);
    });
}

void CloseFile(FileHandle file) {
    if (file != NO_FILE) {
        close(static_cast<int>(file));
    }
}
