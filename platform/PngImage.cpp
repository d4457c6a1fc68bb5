#include "platform/PngImage.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace varnix {

namespace {

// Far beyond any picture of the program; guards against a header that asks for gigabytes.
constexpr png_uint_32 MaxSide = 8192;

// Finishes a read begun on image (from a file or memory) and frees it.
std::optional<Surface> FinishRead(png_image& image, bool begun) {
    if (!begun) {
        png_image_free(&image);
        return std::nullopt;
    }
    if (image.width == 0 || image.height == 0 || image.width > MaxSide || image.height > MaxSide) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Surface surface(int(image.width), int(image.height));
    auto& pixels = surface.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const png_byte* p = &rgba[i * 4];
        const unsigned a = p[3];
        pixels[i] = Rgb(p[0] * a / 255, p[1] * a / 255, p[2] * a / 255);
    }
    return surface;
}

png_image EmptyImage() {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    return image;
}

} // namespace

std::optional<Surface> LoadPng(const std::string& path) {
    png_image image = EmptyImage();
    const bool begun = png_image_begin_read_from_file(&image, path.c_str()) != 0;
    return FinishRead(image, begun);
}

std::optional<Surface> LoadPngFromMemory(const unsigned char* data, std::size_t size) {
    if (!data || size == 0) return std::nullopt;
    png_image image = EmptyImage();
    const bool begun = png_image_begin_read_from_memory(&image, data, size) != 0;
    return FinishRead(image, begun);
}

bool SavePng(const Surface& surface, const std::string& path) {
    if (surface.Width() <= 0 || surface.Height() <= 0) return false;
    std::vector<png_byte> rgb;
    rgb.reserve(surface.Pixels().size() * 3);
    for (Pixel p : surface.Pixels()) {
        rgb.push_back(png_byte(p >> 16));
        rgb.push_back(png_byte(p >> 8));
        rgb.push_back(png_byte(p));
    }
    png_image image = EmptyImage();
    image.width = png_uint_32(surface.Width());
    image.height = png_uint_32(surface.Height());
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

} // namespace varnix
