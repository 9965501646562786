// The game's data directory under the XDG base directory rules.
#include "platform/posix/data_directory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr char GAME_DIRECTORY[] = "tovrin-mini";

// Creates every missing directory along path; true when path ends up a
// directory.
bool MakeDirectories(char* path) {
    for (char* slash = std::strchr(path + 1, '/'); slash; slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        const bool made = mkdir(path, 0700) == 0 || errno == EEXIST;
        *slash = '/';
        if (!made) {
            return false;
        }
    }
    if (mkdir(path, 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int PosixDataDirectory(char* buffer, int bufferSize) {
    // A relative XDG_DATA_HOME is invalid and ignored, as the rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    int length;
    if (dataHome && dataHome[0] == '/') {
        length = std::snprintf(buffer, static_cast<size_t>(bufferSize), "%s/%s", dataHome,
                               GAME_DIRECTORY);
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') {
            return 0;
        }
        length = std::snprintf(buffer, static_cast<size_t>(bufferSize), "%s/.local/share/%s",
                               home, GAME_DIRECTORY);
    }
    if (length <= 0 || length >= bufferSize) {
        return 0;
    }
    return MakeDirectories(buffer) ? length : 0;
}
