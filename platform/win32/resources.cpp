// The program's numbered resources.
#include "platform/desktop.h"
#include "platform/win32/bitmap_file_image.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <vector>

namespace {

enum ResourceKind { RESOURCE_WAVE, RESOURCE_BITMAP };

struct ResourceEntry {
    int id;
    ResourceKind kind;
};

// Every resource the core asks for by number, and how it is stored.
constexpr ResourceEntry RESOURCE_TABLE[] = {
    {IDW_LOOP, RESOURCE_WAVE},          {IDW_GAME_OVER, RESOURCE_WAVE},
    {IDW_CLEAR, RESOURCE_WAVE},         {IDB_PANEL_MINI, RESOURCE_BITMAP},
    {IDB_TILES_MINI, RESOURCE_BITMAP},  {IDB_PANEL_LARGE, RESOURCE_BITMAP},
    {IDB_TILES_LARGE, RESOURCE_BITMAP},
};
constexpr int RESOURCE_COUNT = sizeof RESOURCE_TABLE / sizeof RESOURCE_TABLE[0];

int FindEntry(int resourceId) {
    for (int i = 0; i < RESOURCE_COUNT; ++i) {
        if (RESOURCE_TABLE[i].id == resourceId) {
            return i;
        }
    }
    return -1;
}

// The raw bytes of a resource of this module; they stay mapped for the
// life of the program.
ResourceData LockedResource(int resourceId, LPCSTR type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), type);
    if (!found) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return {};
    }
    return {static_cast<const unsigned char*>(bytes), SizeofResource(module, found)};
}

// A bitmap resource as a whole .bmp image. The image is built on first
// use and kept for the life of the program, like the locked resources.
ResourceData BitmapFileImage(int entry) {
    static std::vector<unsigned char> images[RESOURCE_COUNT];
    std::vector<unsigned char>& image = images[entry];
    if (image.empty()) {
        // Type 2 is RT_BITMAP, spelt for the ANSI call whatever UNICODE says.
        const ResourceData dib = LockedResource(RESOURCE_TABLE[entry].id, MAKEINTRESOURCEA(2));
        if (dib.IsEmpty() || !MakeBitmapFileImage(dib.bytes, dib.size, &image)) {
            return {};
        }
    }
    return {image.data(), image.size()};
}

} // namespace

ResourceData DesktopLoadResource(int resourceId) {
    const int entry = FindEntry(resourceId);
    if (entry < 0) {
        return {};
    }
    if (RESOURCE_TABLE[entry].kind == RESOURCE_WAVE) {
        return LockedResource(resourceId, "WAVE");
    }
    return BitmapFileImage(entry);
}
