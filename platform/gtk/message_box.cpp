// The game's message boxes: a GtkMessageDialog without an icon, modal for
// the main window. Its Yes and No labels follow the locale in GTK, so the
// buttons are added here with the game's own texts.
#include "platform/desktop.h"
#include "platform/gtk/modal_parent.h"
#include "platform/gtk/text_conversion.h"
#include "platform/test_report.h"
#include "resources/texts.h"

#include <string>

namespace {

GtkWidget* AddButton(GtkWidget* box, const char* shiftJisLabel, int response) {
    return gtk_dialog_add_button(GTK_DIALOG(box), MnemonicLabel(shiftJisLabel).c_str(), response);
}

MessageAnswer AnswerFor(int response, MessageButtons buttons) {
    if (buttons == MESSAGE_OK) {
        return ANSWER_OK;
    }
    // Closing the box counts as No.
    return response == GTK_RESPONSE_YES ? ANSWER_YES : ANSWER_NO;
}

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
    case ANSWER_YES:
        return "yes";
    case ANSWER_NO:
        return "no";
    default:
        return "ok";
    }
}

} // namespace

MessageAnswer DesktopMessageBox(WindowHandle window, const char* text, const char* caption,
                                MessageButtons buttons) {
    // Once the main window is gone (a signal ends the program while a box
    // is up), a box would wait with nothing to answer it.
    if (window->destroyed) {
        return buttons == MESSAGE_OK ? ANSWER_OK : ANSWER_NO;
    }
    const std::string utf8Caption = ShiftJisToUtf8(caption);
    GtkWidget* box = gtk_message_dialog_new(
        ModalParent(window),
        static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        GTK_MESSAGE_OTHER, GTK_BUTTONS_NONE, "%s", ShiftJisToUtf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), utf8Caption.c_str());
    gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER_ON_PARENT);

    GtkWidget* focus;
    if (buttons == MESSAGE_YES_NO) {
        focus = AddButton(box, TEXT_YES, GTK_RESPONSE_YES);
        AddButton(box, TEXT_NO, GTK_RESPONSE_NO);
        gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_YES);
    } else {
        focus = AddButton(box, TEXT_OK, GTK_RESPONSE_OK);
        gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    }
    gtk_widget_grab_focus(focus);

    ReportWhenMapped(box, "messagebox", utf8Caption.c_str());
    // Held across the run: the main window's destruction may take the box
    // with it.
    g_object_ref(box);
    const MessageAnswer answer = AnswerFor(gtk_dialog_run(GTK_DIALOG(box)), buttons);
    gtk_widget_destroy(box);
    g_object_unref(box);
    TestReport("answer %s %s", AnswerName(answer), utf8Caption.c_str());
    return answer;
}
