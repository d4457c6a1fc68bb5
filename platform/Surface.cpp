#include "platform/Surface.h"

#include <algorithm>

namespace varnix {

Surface::Surface(int width, int height, Pixel fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

void Surface::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

void Surface::FillRect(int x, int y, int w, int h, Pixel p) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int row = y0; row < y1; ++row)
        std::fill_n(pixels_.begin() + std::ptrdiff_t(Index(x0, row)), std::max(0, x1 - x0), p);
}

namespace {

template <typename Op>
void Combine(Surface& dest, int x, int y, int w, int h, const Surface& src, int sx, int sy, Op op) {
    // Clip the rectangle against the source and the destination at once.
    if (sx < 0) { x -= sx; w += sx; sx = 0; }
    if (sy < 0) { y -= sy; h += sy; sy = 0; }
    if (x < 0) { sx -= x; w += x; x = 0; }
    if (y < 0) { sy -= y; h += y; y = 0; }
    w = std::min({w, src.Width() - sx, dest.Width() - x});
    h = std::min({h, src.Height() - sy, dest.Height() - y});
    if (w <= 0 || h <= 0) return;
    const Pixel* s = src.Pixels().data();
    Pixel* d = dest.Pixels().data();
    for (int row = 0; row < h; ++row) {
        const Pixel* sp = s + std::size_t(sy + row) * std::size_t(src.Width()) + std::size_t(sx);
        Pixel* dp = d + std::size_t(y + row) * std::size_t(dest.Width()) + std::size_t(x);
        for (int col = 0; col < w; ++col) dp[col] = op(dp[col], sp[col]) & 0x00FFFFFFu;
    }
}

} // namespace

void Blit(Surface& dest, int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp rop) {
    switch (rop) {
    case RasterOp::Copy:
        Combine(dest, x, y, w, h, src, sx, sy, [](Pixel, Pixel s) { return s; });
        break;
    case RasterOp::And:
        Combine(dest, x, y, w, h, src, sx, sy, [](Pixel d, Pixel s) { return d & s; });
        break;
    case RasterOp::Or:
        Combine(dest, x, y, w, h, src, sx, sy, [](Pixel d, Pixel s) { return d | s; });
        break;
    case RasterOp::MergePaint:
        Combine(dest, x, y, w, h, src, sx, sy, [](Pixel d, Pixel s) { return d | ~s; });
        break;
    }
}

} // namespace varnix
