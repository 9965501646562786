// The main window as the browser desktop knows it. The page holds the real
// widgets; this record only says how far the program has come.
#pragma once

#include "model/game_state.h"

struct DesktopWindow {
    bool created; // OnCreate has succeeded
    bool exited;  // OnExit has run: the options are saved, the sound stopped
};
