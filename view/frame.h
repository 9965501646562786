// Composing one frame of the game into an off-screen surface: background,
// side panel with its counters, then the board. Presenting the frame, the
// back buffer's lifetime and the clock belong to the application.
#pragma once

#include "model/game_state.h"
#include "view/layout.h"
#include "view/surface.h"

// The window's own background (the classic window colour, white), shown
// where the background pattern is missing.
constexpr uint32_t WINDOW_BACKGROUND = 0xFFFFFF;

// Every tile of the board, offset by origin: in full (mask, then the cell)
// where its right or lower side is open, else only its face.
void DrawTiles(Surface& buffer, const GameState& state, Point origin);

// Background, panel, tiles. origin is the client origin that offsets the
// panel and the board; frameWidth x frameHeight is the client size the
// background covers. A missing tile sheet leaves the tiles undrawn, a missing
// panel sheet the panel, on the window's background.
void ComposeFrame(const GameState& state, Surface& buffer, int frameWidth, int frameHeight,
                  Point origin);
