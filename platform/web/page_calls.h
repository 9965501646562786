// The browser desktop's two halves meet here. The C++ side implements the
// desktop functions by calling these page functions, which live in the JS
// library page_library.js (linked with --js-library) and own everything in
// the DOM: the canvas, the menu bar, the dialogs, the timers, the sound and
// localStorage. Texts cross as NUL-terminated Shift_JIS bytes.
#pragma once

#include <cstdint>

// One event from the page's queue, as the message loop takes it.
enum PageEventType : int32_t {
    EVENT_PAINT = 1,   // a repaint was asked for and the queue is empty
    EVENT_TICK = 2,    // the one-second clock ticked
    EVENT_CLICK = 3,   // a primary pointer press on the board at (a, b)
    EVENT_COMMAND = 4, // a menu item with command id a
    EVENT_DONE = 5,    // the modal wait with token a ended, with answer b
};

struct PageEvent {
    int32_t type;
    int32_t a;
    int32_t b;
};

extern "C" {

// ---- The queue: the only call that suspends the program (ASYNCIFY) ---------
void web_next_event(PageEvent* event);

// ---- Window ------------------------------------------------------------------
void web_request_paint();
void web_place_canvas(int width, int height);
int web_canvas_width();
int web_canvas_height();
int web_screen_width();
int web_screen_height();
// Puts RGBA pixels, as many as the canvas has, on the canvas.
void web_present(const uint32_t* pixels, int width, int height);
void web_show_ended();

// ---- Clock -------------------------------------------------------------------
void web_start_clock();
void web_stop_clock();
double web_now_seconds();

// ---- Menu --------------------------------------------------------------------
void web_add_menu(const char* title);
void web_add_menu_item(int commandId, const char* text, int checkable);
void web_set_menu_check(int commandId, int checked);

// ---- Modal waits: each returns a token whose EVENT_DONE ends the wait --------
// The buttons' labels, set once: "(&X)" marks a mnemonic.
void web_set_button_labels(const char* ok, const char* cancel, const char* yes, const char* no);
int web_open_box(const char* text, const char* caption, int yesNo);
int web_open_name_dialog(const char* caption, const char* prompt, const char* initialName);
// The name typed into an answered dialog, in Shift_JIS, cut to size - 1
// bytes (NUL added) without splitting a character; unmappable characters
// become '?'.
void web_take_typed_name(int token, char* buffer, int size);
int web_start_wait(int milliseconds);

// ---- Sound: wave images in the program's memory ------------------------------
void web_stop_sound();
void web_play_loop(const unsigned char* wave, int size);
// 0 when the sound cannot play now (no gesture yet): nothing to wait for.
int web_play_once(const unsigned char* wave, int size);

// ---- Score file over localStorage --------------------------------------------
int web_file_open(const char* path, int createNew);
int web_file_read(int file, void* buffer, int size);
int web_file_write(int file, const void* buffer, int size);
void web_file_close(int file);
}
