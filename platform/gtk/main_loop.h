// The program's message loop: runs until the game posts the quit message.
#pragma once

// Runs the loop, unless the quit was posted before it started, and returns
// the exit code the game posted.
int RunMessageLoop();
