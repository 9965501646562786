#include "app/program_state.h"

GameState* gameRecord = nullptr;
int32_t clearJinglePlayed; // re-armed by every paint of a board with tiles
const Point clientOrigin = {};
Surface backBuffer = {};
bool firstGameDealt = false;
