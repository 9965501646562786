// The four sprite sheets and the regions the frame is cut from.
#pragma once

#include "model/game_state.h"
#include "view/layout.h"
#include "view/surface.h"

// Program-wide sheets, decoded from bitmaps 135, 136, 138 and 139; each is
// empty until loaded and when its bitmap is missing or unusable.
extern Surface panelSheetMini;
extern Surface tileSheetMini;
extern Surface panelSheetLarge;
extern Surface tileSheetLarge;

// Loads all four sheets through the desktop, in resource order, whatever
// the layout. A sheet that cannot be decoded stays empty and one line on
// stderr names it and says why.
void LoadSpriteSheets();

// Frees the sheets in the same order; empty ones are skipped.
void ReleaseSpriteSheets();

// The layout's sheets: mini when layout is CMD_MINI, else large.
const Surface& PanelSheetFor(Layout layout);
const Surface& TileSheetFor(Layout layout);

// Where things are in the sheets.
Region TileCellRegion(Layout layout, TileCode code); // the full cell of a code
Region TileFaceRegion(Layout layout, TileCode code); // its top-left face part
Region EdgeMaskRegion(Layout layout);
Region DigitRegion(Layout layout, int digit);
Region BackgroundRegion(Layout layout);
