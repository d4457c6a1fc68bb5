// An off-screen 32-bit RGB picture and the raster operations that compose the
// board. Everything the user sees of the board is built here, so it is the
// same with or without a display.
#pragma once

#include <cstdint>
#include <vector>

namespace varnix {

// 0x00RRGGBB
using Pixel = std::uint32_t;

constexpr Pixel Rgb(int r, int g, int b) {
    return (Pixel(r & 0xFF) << 16) | (Pixel(g & 0xFF) << 8) | Pixel(b & 0xFF);
}

// The four raster operations the drawing code uses, with their classic codes.
enum class RasterOp : std::uint32_t {
    Copy = 0x00CC0020,       // dest = src
    And = 0x008800C6,        // dest = dest & src
    Or = 0x00EE0086,         // dest = dest | src
    MergePaint = 0x00BB0226, // dest = dest | ~src
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Pixel p) { pixels_[Index(x, y)] = p; }
    void Fill(Pixel p);
    void FillRect(int x, int y, int w, int h, Pixel p);

    const std::vector<Pixel>& Pixels() const { return pixels_; }
    std::vector<Pixel>& Pixels() { return pixels_; }

private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// Combines the w x h rectangle of src at (sx, sy) into dest at (x, y),
// clipped to both surfaces. Unknown operation codes copy nothing.
void Blit(Surface& dest, int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp rop);

} // namespace varnix
