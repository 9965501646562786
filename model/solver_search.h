// The search: depth first over positions, restarted with growing limits and
// changing orderings.
#pragma once

#include "model/solver_position.h"

enum Outcome { WON, DEAD, CUT, OUT };

// Searches the position read into s until it is decided or the budget runs
// out: WON with the path filled in, DEAD, or OUT.
Outcome SearchWithRestarts(Search& s);
