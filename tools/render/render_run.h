// What the render tool does once its arguments are read.
#pragma once

#include "model/game_state.h"
#include "tools/render/render_args.h"

#include <cstdio>

// Deals, plays the moves and sets the clock as the arguments say.
void PlayOut(GameState& state, const RenderArgs& args);

// Eight lines, rows 0..7, of the 18 tile codes of columns 0..17, then the
// tiles left.
void PrintBoard(std::FILE* out, const GameState& state);

// The whole run: play out, print, compose and save. The exit code: 0, or 1
// when memory or the PNG file fails.
int RunRender(const RenderArgs& args);
