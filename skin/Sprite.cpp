#include "skin/Sprite.h"

#include <algorithm>
#include <cmath>

namespace varnix {

namespace {

double Channel(Pixel p, int shift) { return double((p >> shift) & 0xFF); }

int Clamp255(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

} // namespace

Pixel Mix(Pixel a, Pixel b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [&](int shift) { return Clamp255(Channel(a, shift) * t + Channel(b, shift) * (1 - t)); };
    return Rgb(channel(16), channel(8), channel(0));
}

void Sprite::Paint(int x, int y, Pixel c, double coverage) {
    if (!colour.Contains(x, y) || coverage <= 0) return;
    coverage = std::min(coverage, 1.0);
    const std::size_t i = std::size_t(y) * std::size_t(Width()) + std::size_t(x);
    const double below = alpha[i] / 255.0;
    const double total = coverage + below * (1 - coverage);
    // The colour is the coverage-weighted blend of the new paint and what was there.
    colour.Set(x, y, Mix(c, colour.At(x, y), total > 0 ? coverage / total : 1));
    alpha[i] = std::uint8_t(Clamp255(total * 255));
}

Sprite Sprite::Cut(int x, int y, int width, int height) const {
    Sprite piece(width, height);
    Blit(piece.colour, 0, 0, width, height, colour, x, y, RasterOp::Copy);
    for (int row = 0; row < piece.Height(); ++row)
        for (int col = 0; col < piece.Width(); ++col)
            if (colour.Contains(x + col, y + row))
                piece.alpha[std::size_t(row) * std::size_t(width) + std::size_t(col)] = AlphaAt(x + col, y + row);
    return piece;
}

void DrawSprite(Surface& dest, const PixelRect& to, const Sprite& sprite) {
    if (to.width <= 0 || to.height <= 0 || sprite.Width() <= 0 || sprite.Height() <= 0) return;
    const double sx = double(sprite.Width()) / to.width, sy = double(sprite.Height()) / to.height;
    for (int row = 0; row < to.height; ++row) {
        const int dy = to.y + row;
        if (dy < 0 || dy >= dest.Height()) continue;
        const double y0 = row * sy, y1 = (row + 1) * sy;
        for (int col = 0; col < to.width; ++col) {
            const int dx = to.x + col;
            if (dx < 0 || dx >= dest.Width()) continue;
            const double x0 = col * sx, x1 = (col + 1) * sx;
            // Average of premultiplied colour over the covered source area.
            double r = 0, g = 0, b = 0, a = 0, area = 0;
            for (int y = int(y0); y < std::min(sprite.Height(), int(std::ceil(y1))); ++y) {
                const double wy = std::min(y1, y + 1.0) - std::max(y0, double(y));
                for (int x = int(x0); x < std::min(sprite.Width(), int(std::ceil(x1))); ++x) {
                    const double w = wy * (std::min(x1, x + 1.0) - std::max(x0, double(x)));
                    const double alpha = sprite.AlphaAt(x, y) / 255.0 * w;
                    const Pixel p = sprite.colour.At(x, y);
                    r += Channel(p, 16) * alpha;
                    g += Channel(p, 8) * alpha;
                    b += Channel(p, 0) * alpha;
                    a += alpha;
                    area += w;
                }
            }
            if (a <= 0 || area <= 0) continue;
            const Pixel average = Rgb(Clamp255(r / a), Clamp255(g / a), Clamp255(b / a));
            dest.Set(dx, dy, Mix(average, dest.At(dx, dy), a / area));
        }
    }
}

} // namespace varnix
