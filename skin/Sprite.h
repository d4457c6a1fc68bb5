// A picture with per-pixel coverage, so that the skin's rounded pieces sit on
// whatever lies below them (the title bar, the window's background).
#pragma once

#include "platform/Surface.h"
#include "skin/Twips.h"

#include <cstdint>
#include <vector>

namespace varnix {

struct Sprite {
    Surface colour;
    std::vector<std::uint8_t> alpha; // one per pixel, 255 opaque

    Sprite() = default;
    Sprite(int width, int height) : colour(width, height), alpha(std::size_t(colour.Width()) * std::size_t(colour.Height()), 0) {}
    explicit Sprite(Surface opaque)
        : colour(std::move(opaque)), alpha(std::size_t(colour.Width()) * std::size_t(colour.Height()), 255) {}

    int Width() const { return colour.Width(); }
    int Height() const { return colour.Height(); }
    std::uint8_t AlphaAt(int x, int y) const { return alpha[std::size_t(y) * std::size_t(Width()) + std::size_t(x)]; }
    // Lays colour over the pixel with the given coverage (0 to 1), as paint over paint.
    void Paint(int x, int y, Pixel c, double coverage);
    // The rectangle of this sprite as a sprite of its own.
    Sprite Cut(int x, int y, int width, int height) const;
};

// Mixes a over b: t = 0 gives b, t = 1 gives a.
Pixel Mix(Pixel a, Pixel b, double t);

// Draws the sprite scaled to the rectangle (each pixel the average of the
// source area it covers), clipped to the surface.
void DrawSprite(Surface& dest, const PixelRect& to, const Sprite& sprite);

} // namespace varnix
