// What the desktop does for the game. The portable core reaches the window,
// the clock, sound, resources and the score file's directory only through
// these free functions. Each front end (GTK, Win32) implements all of them;
// the tests link a recording fake instead, and the headless tools a silent
// one.
//
// Every text handed across this boundary is Shift_JIS; a front end converts
// to its own encoding when it shows the text.
#pragma once

#include "model/game_state.h"
#include "view/surface.h"

#include <cstdint>

// ---- Window ----------------------------------------------------------------

// Asks for a repaint of the whole client area. With erase, the desktop first
// fills the area with the window's background.
void DesktopRequestRepaint(WindowHandle window, bool erase);

// The client area's size in pixels.
void DesktopClientSize(WindowHandle window, int* width, int* height);

// The screen's size in pixels.
void DesktopScreenSize(int* width, int* height);

// Where the main window goes: the outer rectangle (frame, caption and menu
// included) and the smallest client area that holds the game's drawing. A
// front end whose decorations differ from the classic ones may size the
// client area instead, centred the same way.
struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
    int minClientWidth;
    int minClientHeight;
};
// Moves and resizes the main window in one step, with a repaint requested.
void DesktopPlaceWindow(WindowHandle window, const WindowPlacement& placement);

// Shows the composed frame in the client area in one copy: the top-left
// width x height pixels of the frame at the client's (0, 0). Parts of that
// rectangle beyond the frame's own size show the window's background.
void DesktopPresentFrame(WindowHandle window, const Surface& frame, int width, int height);

// Ends the message loop with the given exit code.
void DesktopPostQuit(int exitCode);

// ---- Clock -----------------------------------------------------------------

// The one-second clock. Starting it while it runs restarts its period.
void DesktopStartClock(WindowHandle window);
void DesktopStopClock(WindowHandle window);

// Seconds since 1970-01-01 00:00 UTC.
int64_t DesktopCurrentTime();

// ---- Menu ------------------------------------------------------------------

void DesktopSetMenuCheck(WindowHandle window, int commandId, bool checked);

// ---- Message boxes and the name dialog -------------------------------------

enum MessageButtons { MESSAGE_OK, MESSAGE_YES_NO };
enum MessageAnswer { ANSWER_OK, ANSWER_YES, ANSWER_NO };

// Shows a modal message box owned by the main window (no icon; Yes is the
// default of a Yes/No box). Paints and ticks go on while it waits.
MessageAnswer DesktopMessageBox(WindowHandle window, const char* text, const char* caption,
                                MessageButtons buttons);

// Runs the modal name-entry dialog, pre-filled with initialName (selected)
// when that is not empty. On OK copies the typed text, converted to
// Shift_JIS, into typed (NUL-terminated, cut to typedSize - 1 bytes without
// splitting a character) and returns true; on Cancel returns false and
// leaves typed alone.
bool DesktopNameEntryDialog(WindowHandle window, const char* initialName, char* typed,
                            int typedSize);

// ---- Sound -----------------------------------------------------------------

// Silences whatever plays.
void DesktopStopSound();
// Starts an in-memory RIFF WAVE image playing in an endless loop and returns
// at once.
void DesktopPlayLoop(ResourceData wave);
// Plays an in-memory RIFF WAVE image once and returns when it has finished.
// Like DesktopWait, it may go on dispatching paints and ticks to the main
// window meanwhile, as the browser's desktop does.
void DesktopPlayOnce(ResourceData wave);
// Returns after the given number of milliseconds. The desktops block the
// calling thread; the browser's runs a nested loop of paints and ticks.
void DesktopWait(int milliseconds);

// ---- Resources and files ---------------------------------------------------

// The bytes of a numbered resource, or empty when there is none.
ResourceData DesktopLoadResource(int resourceId);

// Writes the directory that holds the score file into buffer (NUL-terminated)
// and returns its length, or 0 when there is none or it does not fit.
int DesktopScoreDirectory(char* buffer, int bufferSize);
