#include "platform/gtk/window_icons.h"

#include "resources/embedded_resources.h"

namespace {

constexpr int ICON_SIZES[] = {16, 32, 48, 64, 128};

GdkPixbuf* DecodePng(ResourceData png) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", nullptr);
    if (!loader) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = nullptr;
    if (gdk_pixbuf_loader_write(loader, png.bytes, png.size, nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr)) {
        pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        if (pixbuf) {
            g_object_ref(pixbuf);
        }
    } else {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
    return pixbuf;
}

} // namespace

void SetWindowIcons(GtkWindow* window) {
    GList* icons = nullptr;
    for (int size : ICON_SIZES) {
        const ResourceData png = FindEmbeddedIconPng(size);
        if (png.IsEmpty()) {
            continue;
        }
        if (GdkPixbuf* pixbuf = DecodePng(png)) {
            icons = g_list_append(icons, pixbuf);
        }
    }
    if (icons) {
        gtk_window_set_icon_list(window, icons);
        g_list_free_full(icons, g_object_unref);
    }
}
