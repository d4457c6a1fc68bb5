// The dialog is laid out in twips (1/1440 inch) and drawn in pixels; at the
// usual screen setting 15 twips make one pixel.
#pragma once

#include <cmath>

namespace varnix {

constexpr double TwipsPerPixel = 15.0;

// Nearest whole number, halves to the even one (independent of the FPU's mode).
inline int RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5) return int(down) + 1;
    if (rest < 0.5) return int(down);
    return std::fmod(down, 2.0) == 0.0 ? int(down) : int(down) + 1;
}

inline int TwipsToPixels(double twips) { return RoundHalfEven(twips / TwipsPerPixel); }

inline double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

// A control's place in twips.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The same place in whole window pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// Each edge is rounded on its own, so that controls that meet in twips meet in pixels.
inline PixelRect ToPixels(const TwipRect& r) {
    const int x = TwipsToPixels(r.left), y = TwipsToPixels(r.top);
    return {x, y, TwipsToPixels(r.left + r.width) - x, TwipsToPixels(r.top + r.height) - y};
}

} // namespace varnix
