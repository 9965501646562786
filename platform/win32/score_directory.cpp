// Where the score file lives on Windows: a folder of the game's own in the
// user's roaming application data. Older copies kept the file in the
// Windows directory, which takes no writes from an ordinary user since
// Vista; when the user has no file yet, the first open copies the one an
// older copy left, and never changes or removes that one.
#include "platform/desktop.h"
#include "store/score_file.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr wchar_t GAME_FOLDER[] = L"\\tovrin-mini";

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

std::wstring WindowsDirectory() {
    wchar_t directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(directory, length) : std::wstring();
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Copies the first older file found, byte for byte: first where Windows
// redirected the writes of an older 32-bit copy (the Windows directory's
// path, drive left out, under VirtualStore), then the Windows directory.
void ImportOlderFile(const std::wstring& target, const std::wstring& name) {
    const std::wstring windows = WindowsDirectory();
    const std::wstring local = KnownFolder(FOLDERID_LocalAppData);
    std::wstring older[2];
    if (!local.empty() && windows.size() > 2 && windows[1] == L':') {
        older[0] = local + L"\\VirtualStore" + windows.substr(2) + name;
    }
    if (!windows.empty()) {
        older[1] = windows + name;
    }
    for (const std::wstring& source : older) {
        if (source.empty() || !Exists(source)) {
            continue;
        }
        // Fails when the file has appeared meanwhile, which then stays.
        if (CopyFileW(source.c_str(), target.c_str(), TRUE)) {
            // The copy takes the old file's attributes; a read-only one
            // could never be rewritten.
            const DWORD attributes = GetFileAttributesW(target.c_str());
            SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
        }
        return;
    }
}

} // namespace

int DesktopScoreDirectory(char* buffer, int bufferSize) {
    const std::wstring roaming = KnownFolder(FOLDERID_RoamingAppData);
    if (roaming.empty()) {
        return 0;
    }
    const std::wstring folder = roaming + GAME_FOLDER;
    CreateDirectoryW(folder.c_str(), nullptr); // fails harmlessly when it exists
    const std::wstring name =
        L"\\" + std::wstring(SCORE_FILE_NAME, SCORE_FILE_NAME + sizeof SCORE_FILE_NAME - 1);
    if (!Exists(folder + name) && GetLastError() == ERROR_FILE_NOT_FOUND) {
        ImportOlderFile(folder + name, name);
    }
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, folder.c_str(), -1, buffer, bufferSize, nullptr, nullptr);
    return length > 0 ? length - 1 : 0;
}
