// The name-entry dialog: the prompt and the entry on the left, OK and Cancel
// stacked on the right, at the top-left corner of the main window's client
// area. Enter is OK; Escape and closing are Cancel.
#include "platform/desktop.h"
#include "platform/gtk/modal_parent.h"
#include "platform/gtk/text_conversion.h"
#include "platform/test_report.h"
#include "resources/texts.h"

#include <string>

namespace {

constexpr char DIALOG_NAME[] = "tovrin-name-entry";
// The Windows dialog asks for a 9-point MS P Gothic, which does not exist
// here; IPA's P Gothic is its counterpart, Noto's the usual other Japanese
// font.
constexpr char DIALOG_CSS[] = "#tovrin-name-entry, #tovrin-name-entry * {"
                              " font-family: \"IPAPGothic\", \"Noto Sans CJK JP\", sans-serif;"
                              " font-size: 9pt; }";
constexpr int SPACING = 6;

// Applies the dialog's font through a provider for the screen, while the
// dialog is up; the name selects the dialog and everything in it.
GtkCssProvider* UseDialogFont(GtkWidget* dialog) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, DIALOG_CSS, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gtk_widget_get_screen(dialog),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    gtk_widget_set_name(dialog, DIALOG_NAME);
    return provider;
}

void DropDialogFont(GtkWidget* dialog, GtkCssProvider* provider) {
    gtk_style_context_remove_provider_for_screen(gtk_widget_get_screen(dialog),
                                                 GTK_STYLE_PROVIDER(provider));
    g_object_unref(provider);
}

void Respond(GtkButton* button, gpointer) {
    GtkWidget* dialog = gtk_widget_get_toplevel(GTK_WIDGET(button));
    gtk_dialog_response(GTK_DIALOG(dialog),
                        GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "response")));
}

GtkWidget* AddButton(GtkWidget* grid, const char* shiftJisLabel, int response, int row) {
    GtkWidget* button = gtk_button_new_with_mnemonic(MnemonicLabel(shiftJisLabel).c_str());
    g_object_set_data(G_OBJECT(button), "response", GINT_TO_POINTER(response));
    g_signal_connect(button, "clicked", G_CALLBACK(Respond), nullptr);
    gtk_grid_attach(GTK_GRID(grid), button, 1, row, 1, 1);
    return button;
}

// Where the main window's client area begins on the screen.
void PlaceAtClientOrigin(GtkWidget* dialog, DesktopWindow* window) {
    GdkWindow* area = window->destroyed ? nullptr : gtk_widget_get_window(window->drawingArea);
    if (!area) {
        return;
    }
    int x = 0;
    int y = 0;
    gdk_window_get_origin(area, &x, &y);
    gtk_window_move(GTK_WINDOW(dialog), x, y);
}

} // namespace

bool DesktopNameEntryDialog(WindowHandle window, const char* initialName, char* typed,
                            int typedSize) {
    // Once the main window is gone, the dialog counts as cancelled.
    if (window->destroyed) {
        return false;
    }
    const std::string caption = ShiftJisToUtf8(TEXT_NAME_DIALOG_CAPTION);
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
    gtk_window_set_transient_for(GTK_WINDOW(dialog), ModalParent(window));
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    GtkCssProvider* font = UseDialogFont(dialog);

    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), SPACING);
    gtk_grid_set_column_spacing(GTK_GRID(grid), SPACING);
    gtk_container_set_border_width(GTK_CONTAINER(grid), SPACING);
    GtkWidget* prompt = gtk_label_new(ShiftJisToUtf8(TEXT_NAME_PROMPT).c_str());
    gtk_label_set_xalign(GTK_LABEL(prompt), 0.0f);
    gtk_grid_attach(GTK_GRID(grid), prompt, 0, 0, 1, 1);
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    gtk_grid_attach(GTK_GRID(grid), entry, 0, 1, 1, 1);
    GtkWidget* ok = AddButton(grid, TEXT_OK, GTK_RESPONSE_OK, 0);
    AddButton(grid, TEXT_CANCEL, GTK_RESPONSE_CANCEL, 1);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), grid);

    gtk_widget_set_can_default(ok, TRUE);
    gtk_window_set_default(GTK_WINDOW(dialog), ok);
    const std::string initial = ShiftJisToUtf8(initialName);
    gtk_entry_set_text(GTK_ENTRY(entry), initial.c_str());
    gtk_widget_show_all(grid);
    gtk_widget_grab_focus(entry);
    if (!initial.empty()) {
        gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
    } else {
        gtk_editable_set_position(GTK_EDITABLE(entry), -1);
    }
    PlaceAtClientOrigin(dialog, window);

    ReportWhenMapped(dialog, "dialog", caption.c_str());
    g_object_ref(dialog);
    const bool confirmed = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (confirmed) {
        const char* text = gtk_entry_get_text(GTK_ENTRY(entry));
        CopyTypedName(text, typed, typedSize);
        TestReport("dialog ok %s", text);
    } else {
        TestReport("dialog cancel");
    }
    DropDialogFont(dialog, font);
    gtk_widget_destroy(dialog);
    g_object_unref(dialog);
    return confirmed;
}
