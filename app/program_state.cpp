#include "app/program_state.h"

GameState* gameRecord = nullptr;
int32_t clearJinglePlayed = 0;
Point clientOrigin = {0, 0};
Surface backBuffer = {nullptr, 0, 0};
bool firstGameDealt = false;
