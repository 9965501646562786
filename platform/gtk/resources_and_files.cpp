// Resources come compiled into the binary; the score file lives in the XDG
// data directory.
#include "platform/desktop.h"
#include "platform/posix/data_directory.h"
#include "resources/embedded_resources.h"

ResourceData DesktopLoadResource(int resourceId) {
    return FindEmbeddedResource(resourceId);
}

int DesktopScoreDirectory(char* buffer, int bufferSize) {
    return PosixDataDirectory(buffer, bufferSize);
}
