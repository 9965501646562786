// What the solve tool does once its arguments are read.
#pragma once

#include "tools/solve/solve_args.h"

// One position or a range of seeds, printed to the standard output. The
// exit code: 0 for any verdict, 1 when the solver's memory cannot be had.
int RunSolve(const SolveArgs& args);
