// GTK flips a check item's mark before its "activate" handler runs, so
// picking the item already checked would uncheck it. The game alone decides
// the marks: the handler re-applies the marks the game last set, and sets
// them with the handler blocked so that no command is raised by it.
#include "platform/gtk/menu_bar.h"

#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/gtk/text_conversion.h"
#include "platform/test_report.h"
#include "resources/menu.h"

#include <string>

namespace {

constexpr char COMMAND_KEY[] = "tovrin-command";

bool IsOptionCommand(int commandId) {
    return commandId >= CMD_EASY && commandId <= CMD_LARGE;
}

void ActivateItem(GtkMenuItem* item, gpointer data);

void ShowCheckMark(DesktopWindow* window, const CheckItem& check) {
    g_signal_handlers_block_by_func(check.item, reinterpret_cast<gpointer>(ActivateItem), window);
    gtk_check_menu_item_set_active(check.item, check.checked);
    g_signal_handlers_unblock_by_func(check.item, reinterpret_cast<gpointer>(ActivateItem), window);
}

void ActivateItem(GtkMenuItem* item, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    const int commandId = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), COMMAND_KEY));
    TestReport("command %d", commandId);
    OnCommand(window, commandId);
    if (window->destroyed) {
        return;
    }
    for (int i = 0; i < window->checkItemCount; ++i) {
        ShowCheckMark(window, window->checkItems[i]);
    }
    ReportMenuMarks(window);
}

GtkWidget* BuildItem(DesktopWindow* window, const MenuEntry& entry) {
    if (entry.commandId == 0) {
        return gtk_separator_menu_item_new();
    }
    const std::string label = MnemonicLabel(entry.text);
    GtkWidget* item;
    if (IsOptionCommand(entry.commandId) && window->checkItemCount < MAX_CHECK_ITEMS) {
        item = gtk_check_menu_item_new_with_mnemonic(label.c_str());
        window->checkItems[window->checkItemCount++] =
            CheckItem{entry.commandId, GTK_CHECK_MENU_ITEM(item), false};
    } else {
        item = gtk_menu_item_new_with_mnemonic(label.c_str());
    }
    g_object_set_data(G_OBJECT(item), COMMAND_KEY, GINT_TO_POINTER(entry.commandId));
    g_signal_connect(item, "activate", G_CALLBACK(ActivateItem), window);
    return item;
}

} // namespace

GtkWidget* BuildMenuBar(DesktopWindow* window) {
    GtkWidget* bar = gtk_menu_bar_new();
    for (const MenuDropDown& dropDown : MAIN_MENU) {
        GtkWidget* menu = gtk_menu_new();
        for (int i = 0; i < dropDown.entryCount; ++i) {
            gtk_menu_shell_append(GTK_MENU_SHELL(menu), BuildItem(window, dropDown.entries[i]));
        }
        const std::string title = MnemonicLabel(dropDown.title);
        GtkWidget* titleItem = gtk_menu_item_new_with_mnemonic(title.c_str());
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(titleItem), menu);
        gtk_menu_shell_append(GTK_MENU_SHELL(bar), titleItem);
    }
    return bar;
}

void ReportMenuMarks(const DesktopWindow* window) {
    std::string line = "marks";
    for (int i = 0; i < window->checkItemCount; ++i) {
        const CheckItem& check = window->checkItems[i];
        line += " " + std::to_string(check.commandId) + "=" +
                (gtk_check_menu_item_get_active(check.item) ? "1" : "0");
    }
    TestReport("%s", line.c_str());
}

void DesktopSetMenuCheck(WindowHandle window, int commandId, bool checked) {
    for (int i = 0; i < window->checkItemCount; ++i) {
        CheckItem& check = window->checkItems[i];
        if (check.commandId == commandId) {
            check.checked = checked;
            if (!window->destroyed) {
                ShowCheckMark(window, check);
            }
        }
    }
}
