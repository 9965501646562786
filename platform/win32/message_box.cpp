// Message boxes with the core's Shift_JIS texts, shown through the UTF-16
// API so that they read right whatever the system's code page.
#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle.h"

namespace {

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
    case ANSWER_OK:
        return "ok";
    case ANSWER_YES:
        return "yes";
    case ANSWER_NO:
        return "no";
    }
    return "?";
}

} // namespace

MessageAnswer DesktopMessageBox(WindowHandle window, const char* text, const char* caption,
                                MessageButtons buttons) {
    const std::wstring wideText = WideFromShiftJis(text);
    const std::wstring wideCaption = WideFromShiftJis(caption);
    // No icon; the first button (OK, or Yes) is the default.
    const UINT style = buttons == MESSAGE_YES_NO ? MB_YESNO : MB_OK;
    TestReport("messagebox %s", Utf8FromShiftJis(caption).c_str());
    const int pressed = MessageBoxW(ToHwnd(window), wideText.c_str(), wideCaption.c_str(), style);
    MessageAnswer answer = ANSWER_OK;
    if (buttons == MESSAGE_YES_NO) {
        answer = pressed == IDYES ? ANSWER_YES : ANSWER_NO;
    }
    TestReport("messagebox closed %s", AnswerName(answer));
    return answer;
}
