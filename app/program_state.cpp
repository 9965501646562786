#include "app/program_state.h"

GameState* gameRecord = nullptr;
int32_t clearJinglePlayed = 0;
const Point clientOrigin = {};
Surface backBuffer = {};
bool firstGameDealt = false;
