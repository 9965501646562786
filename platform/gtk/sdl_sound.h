// The audio output behind the desktop's sound functions.
#pragma once

// Closes the audio device and frees the decoded sounds; called once after
// the message loop.
void ShutDownSound();
