#include "platform/gtk/modal_parent.h"

#include "platform/gtk/window_report.h"
#include "platform/test_report.h"

#include <string>

namespace {

struct MappedReport {
    std::string what;
    std::string caption;
};

gboolean ReportMapped(GtkWidget* modal, GdkEvent*, gpointer data) {
    const auto* report = static_cast<const MappedReport*>(data);
    TestReport("%s 0x%lx %s", report->what.c_str(), ToplevelXid(modal), report->caption.c_str());
    return FALSE;
}

void FreeReport(gpointer data, GClosure*) {
    delete static_cast<MappedReport*>(data);
}

} // namespace

GtkWindow* ModalParent(DesktopWindow* window) {
    return window->destroyed ? nullptr : GTK_WINDOW(window->toplevel);
}

void ReportWhenMapped(GtkWidget* modal, const char* what, const char* caption) {
    gtk_widget_add_events(modal, GDK_STRUCTURE_MASK);
    g_signal_connect_data(modal, "map-event", G_CALLBACK(ReportMapped),
                          new MappedReport{what, caption}, FreeReport, GConnectFlags(0));
}
