// The dead-end test: a relaxation of the game that proves some positions
// can never be cleared.
#pragma once

#include "model/solver_position.h"

// False when no order of play clears the position. Needs the columns and
// last partners of the node worked out (GatherFacts).
bool PassesDeadEndTest(const Search& s);
