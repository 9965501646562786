// tovrin-mini-solve: tells whether the deal of a seed, after some moves, can
// still be cleared and gives the clicks that clear it; or decides a range of
// seeds and sums up how long that took. Exit code 2 for bad arguments.
#include "tools/common/command_line.h"
#include "tools/solve/solve_args.h"
#include "tools/solve/solve_run.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (AsksForVersion(argc, argv)) {
        PrintVersion(stdout, "tovrin-mini-solve");
        return 0;
    }
    SolveArgs args;
    if (!ParseSolveArgs(argc, argv, &args)) {
        std::fprintf(stderr, "%s\n", SOLVE_USAGE);
        return 2;
    }
    return RunSolve(args);
}
