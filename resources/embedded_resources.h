// The program's resource files compiled into the binary: the sprite sheets,
// the waves and the Windows icons by resource number, and the PNG icons by
// size. Front ends without a resource compiler build DesktopLoadResource on
// these. A file that was not in the tree at build time is simply absent.
#pragma once

#include "model/game_state.h"

// The bytes of a numbered resource (resource_ids.h), or empty.
ResourceData FindEmbeddedResource(int resourceId);

// The PNG icon of the given side in pixels (16, 32, 48, 64, 128), or empty.
ResourceData FindEmbeddedIconPng(int size);
