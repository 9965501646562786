// Exclusive file access over the browser's localStorage: a path is a storage
// key and the file's bytes are its value in base64. The exclusivity comes
// from the Web Lock the page takes before the program starts: a tab that
// does not hold it opens nothing, like a copy that meets the file held by
// another.
#include "platform/file_access.h"

#include "platform/web/page_calls.h"

#include <climits>

const char PATH_SEPARATOR = '/';

namespace {

int ClampedSize(size_t size) {
    return size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

} // namespace

FileHandle OpenExclusiveFile(const char* path, FileDisposition disposition) {
    const int file = web_file_open(path, disposition == FILE_CREATE_NEW);
    return file > 0 ? static_cast<FileHandle>(file) : NO_FILE;
}

size_t ReadFileBytes(FileHandle file, void* buffer, size_t size) {
    const int got = web_file_read(static_cast<int>(file), buffer, ClampedSize(size));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

size_t WriteFileBytes(FileHandle file, const void* buffer, size_t size) {
    const int written = web_file_write(static_cast<int>(file), buffer, ClampedSize(size));
    return written > 0 ? static_cast<size_t>(written) : 0;
}

void CloseFile(FileHandle file) {
    if (file != NO_FILE) {
        web_file_close(static_cast<int>(file));
    }
}
