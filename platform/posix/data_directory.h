// Where a POSIX desktop keeps the game's data: $XDG_DATA_HOME/tovrin-mini,
// else ~/.local/share/tovrin-mini.
#pragma once

// Writes the directory into buffer, creating it (and its parents) when
// missing, and returns its length; 0 when there is no usable directory or it
// does not fit.
int PosixDataDirectory(char* buffer, int bufferSize);
