// What the message boxes and the name dialog share: their owner and the
// report line that tells a test a modal window is up.
#pragma once

#include "platform/gtk/desktop_window.h"

// The main window as the owner of a modal window, or null once it is gone.
GtkWindow* ModalParent(DesktopWindow* window);

// Reports "<what> 0x<xid> <caption>" once the modal window is on screen, so
// that a test can focus it and send keys.
void ReportWhenMapped(GtkWidget* modal, const char* what, const char* caption);
