// The game composes in its own paint handler and presents the result here;
// GTK's "draw" only repaints that copy. The game's paint runs from an idle
// source, never from inside "draw": it may open a message box or the name
// dialog, whose nested loops must be free to draw and to tick.
//
// A present also puts the frame on the screen at once, as a copy to a
// window's device context does: the same paint may go on to block the loop
// (the wait before a jingle, the jingle, a box), and the player must see the
// board that paint composed meanwhile, not the one before it.
#include "platform/gtk/frame_present.h"

#include "app/main_window.h"
#include "platform/desktop.h"
#include "platform/test_report.h"

#include <algorithm>
#include <cstring>

namespace {

gboolean RunRepaint(gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    // Cleared first: a repaint requested during this paint, or inside a box
    // it opens, needs a source of its own.
    window->repaintSource = 0;
    OnPaint(window);
    return G_SOURCE_REMOVE;
}

// The frame copy, made again when the game's frame changes size.
cairo_surface_t* FrameCopy(DesktopWindow* window, int width, int height) {
    cairo_surface_t* copy = window->frame;
    if (copy && cairo_image_surface_get_width(copy) == width &&
        cairo_image_surface_get_height(copy) == height) {
        return copy;
    }
    if (copy) {
        cairo_surface_destroy(copy);
    }
    window->frame = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    return window->frame;
}

// The window's background, then the frame, over the whole drawing area.
void PaintFrame(DesktopWindow* window, cairo_t* cr) {
    const int areaWidth = gtk_widget_get_allocated_width(window->drawingArea);
    const int areaHeight = gtk_widget_get_allocated_height(window->drawingArea);
    gtk_render_background(gtk_widget_get_style_context(window->toplevel), cr, 0, 0, areaWidth,
                          areaHeight);
    if (!window->frame) {
        return;
    }
    // Game pixels are GTK's logical pixels: at a scale factor of 2 or more
    // cairo enlarges the frame, and the nearest filter keeps it sharp.
    const int width =
        std::min(window->presentedWidth, cairo_image_surface_get_width(window->frame));
    const int height =
        std::min(window->presentedHeight, cairo_image_surface_get_height(window->frame));
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    cairo_set_source_surface(cr, window->frame, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    window->framesDrawn = window->framesPresented;
}

// Draws the whole drawing area outside GTK's frame cycle and waits until the
// X server has the pixels. Not while a "draw" is under way: GDK allows one
// paint of a window at a time, and the queued draw shows the frame anyway.
void ShowFrameNow(DesktopWindow* window) {
    GdkWindow* target = gtk_widget_get_window(window->drawingArea);
    if (window->drawing || !target || !gtk_widget_is_drawable(window->drawingArea)) {
        return;
    }
    const cairo_rectangle_int_t whole{0, 0, gdk_window_get_width(target),
                                      gdk_window_get_height(target)};
    cairo_region_t* region = cairo_region_create_rectangle(&whole);
    GdkDrawingContext* context = gdk_window_begin_draw_frame(target, region);
    cairo_region_destroy(region);
    if (!context) {
        return;
    }
    PaintFrame(window, gdk_drawing_context_get_cairo_context(context));
    gdk_window_end_draw_frame(target, context);
    gdk_display_sync(gdk_window_get_display(target));
    ReportFrameShown(nullptr, window);
}

} // namespace

void DesktopRequestRepaint(WindowHandle window, bool) {
    // Erasing needs nothing more: every draw fills the background first.
    if (window->destroyed || window->repaintSource != 0) {
        return;
    }
    window->repaintSource = g_idle_add(RunRepaint, window);
}

void DesktopPresentFrame(WindowHandle window, const Surface& frame, int width, int height) {
    if (window->destroyed || IsEmptySurface(frame)) {
        return;
    }
    cairo_surface_t* copy = FrameCopy(window, frame.width, frame.height);
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
        return;
    }
    // The frame's 0x00RRGGBB words are cairo's RGB24 pixels; only the
    // stride may differ.
    cairo_surface_flush(copy);
    unsigned char* target = cairo_image_surface_get_data(copy);
    const int stride = cairo_image_surface_get_stride(copy);
    const size_t rowBytes = static_cast<size_t>(frame.width) * sizeof(uint32_t);
    for (int y = 0; y < frame.height; ++y) {
        std::memcpy(target + static_cast<size_t>(y) * static_cast<size_t>(stride),
                    frame.pixels + static_cast<size_t>(y) * static_cast<size_t>(frame.width),
                    rowBytes);
    }
    cairo_surface_mark_dirty(copy);

    window->presentedWidth = width;
    window->presentedHeight = height;
    ++window->framesPresented;
    TestReport("frame %d %dx%d", window->framesPresented, width, height);
    // The queued draw keeps GTK's own picture of the window current.
    gtk_widget_queue_draw(window->drawingArea);
    ShowFrameNow(window);
}

gboolean DrawLastFrame(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    window->drawing = true;
    PaintFrame(window, cr);
    window->drawing = false;
    return TRUE;
}

void ReportFrameShown(GdkFrameClock*, gpointer data) {
    auto* window = static_cast<DesktopWindow*>(data);
    if (window->framesDrawn != window->framesReported) {
        window->framesReported = window->framesDrawn;
        TestReport("shown %d", window->framesReported);
    }
}

void ForgetFrames(DesktopWindow* window) {
    if (window->repaintSource != 0) {
        g_source_remove(window->repaintSource);
        window->repaintSource = 0;
    }
    if (window->frame) {
        cairo_surface_destroy(window->frame);
        window->frame = nullptr;
    }
}
