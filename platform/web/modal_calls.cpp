// The synchronous calls: message boxes, the name dialog, the wait and the
// jingle played once. Each starts its work in the page and runs a nested
// message loop until the page says it has ended, as a Windows modal loop
// does: paints and ticks go on, the board and the menu take no input.
#include "platform/desktop.h"
#include "platform/web/message_loop.h"
#include "platform/web/page_calls.h"
#include "resources/texts.h"
#include "store/shift_jis.h"

namespace {

// Longer than any name the game keeps; the game's own cut comes after.
constexpr int TYPED_NAME_BYTES = 64;

} // namespace

// ---- Message boxes and the name dialog ---------------------------------------

MessageAnswer DesktopMessageBox(WindowHandle, const char* text, const char* caption,
                                MessageButtons buttons) {
    const int token = web_open_box(text, caption, buttons == MESSAGE_YES_NO);
    const int answer = RunModalLoop(token);
    if (buttons == MESSAGE_OK) {
        return ANSWER_OK;
    }
    return answer == ANSWER_YES ? ANSWER_YES : ANSWER_NO;
}

bool DesktopNameEntryDialog(WindowHandle, const char* initialName, char* typed, int typedSize) {
    const int token = web_open_name_dialog(TEXT_NAME_DIALOG_CAPTION, TEXT_NAME_PROMPT, initialName);
    if (RunModalLoop(token) == 0) {
        return false;
    }
    char name[TYPED_NAME_BYTES] = {};
    web_take_typed_name(token, name, sizeof name);
    if (typedSize > 0) {
        CopyShiftJisCut(typed, static_cast<size_t>(typedSize), name);
    }
    return true;
}

// ---- Sound and the wait --------------------------------------------------------

void DesktopStopSound() {
    web_stop_sound();
}

void DesktopPlayLoop(ResourceData wave) {
    if (!wave.IsEmpty()) {
        web_play_loop(wave.bytes, static_cast<int>(wave.size));
    }
}

void DesktopPlayOnce(ResourceData wave) {
    if (wave.IsEmpty()) {
        return;
    }
    const int token = web_play_once(wave.bytes, static_cast<int>(wave.size));
    if (token != 0) {
        RunModalLoop(token);
    }
}

void DesktopWait(int milliseconds) {
    if (milliseconds > 0) {
        RunModalLoop(web_start_wait(milliseconds));
    }
}
