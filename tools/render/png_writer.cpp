// PNG output through libpng. libpng reports errors by longjmp back to the
// setjmp below, so nothing with a destructor lives in WritePng's frame and
// everything that needs freeing is made before the setjmp.
#include "tools/render/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace {

void PackRow(const uint32_t* pixels, int width, unsigned char* rgb) {
    for (int x = 0; x < width; ++x) {
        const uint32_t p = pixels[x];
        rgb[3 * x] = static_cast<unsigned char>(p >> 16);
        rgb[3 * x + 1] = static_cast<unsigned char>(p >> 8);
        rgb[3 * x + 2] = static_cast<unsigned char>(p);
    }
}

} // namespace

bool WritePng(const char* path, const Surface& frame) {
    if (IsEmptySurface(frame)) {
        return false;
    }
    unsigned char* row =
        static_cast<unsigned char*>(std::malloc(3 * static_cast<size_t>(frame.width)));
    std::FILE* file = row != nullptr ? std::fopen(path, "wb") : nullptr;
    png_structp png =
        file != nullptr ? png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)
                        : nullptr;
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        if (file != nullptr) {
            std::fclose(file);
        }
        std::free(row);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::free(row);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(frame.width),
                 static_cast<png_uint_32>(frame.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < frame.height; ++y) {
        PackRow(frame.pixels + static_cast<size_t>(y) * frame.width, frame.width, row);
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    const bool closed = std::fclose(file) == 0;
    std::free(row);
    return closed;
}
