// Lines a front end writes for the end-to-end tests, so that a test waits on
// what the program says rather than on fixed sleeps: the first frame shown,
// where the drawing area sits, the window's size, boxes opened and closed.
// Written only when the environment names a file in TOVRIN_MINI_REPORT;
// otherwise every call costs one check of a cached flag.
#pragma once

// Appends one line (printf-style, a newline added) and flushes it.
void TestReport(const char* format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
