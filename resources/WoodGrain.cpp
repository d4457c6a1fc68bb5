#include "resources/WoodGrain.h"

#include <algorithm>
#include <cmath>

namespace varnix {

namespace {

double Hash01(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint64_t h = std::uint64_t(x) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(y) * 0xC2B2AE3D27D4EB4Full ^
                      std::uint64_t(seed) * 0x165667B19E3779F9ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return double(h >> 11) / double(1ull << 53);
}

double SmoothStep(double t) { return t * t * (3 - 2 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

int Channel(Pixel p, int shift) { return int((p >> shift) & 0xFF); }

Pixel Mix(Pixel a, Pixel b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Rgb(int(std::lround(Lerp(Channel(a, 16), Channel(b, 16), t))),
               int(std::lround(Lerp(Channel(a, 8), Channel(b, 8), t))),
               int(std::lround(Lerp(Channel(a, 0), Channel(b, 0), t))));
}

} // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = std::int64_t(fx), iy = std::int64_t(fy);
    const double tx = SmoothStep(x - fx), ty = SmoothStep(y - fy);
    const double top = Lerp(Hash01(ix, iy, seed), Hash01(ix + 1, iy, seed), tx);
    const double bottom = Lerp(Hash01(ix, iy + 1, seed), Hash01(ix + 1, iy + 1, seed), tx);
    return Lerp(top, bottom, ty);
}

double FractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + std::uint32_t(i) * 101u);
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

Pixel WoodAt(double along, double across, std::uint32_t seed, const WoodColours& colours) {
    // Rings: bands across the grain, bent by slow noise so they wander like real growth.
    const double bend = 5.0 * FractalNoise(along * 0.012, across * 0.03, seed, 3);
    const double ring = std::fmod(std::abs(across * 0.23 + bend + 7.0 * ValueNoise(along * 0.004, 0.5, seed + 7)), 1.0);
    const double band = std::pow(0.5 + 0.5 * std::cos(ring * 2 * 3.14159265358979), 5.0);
    // Fibres: fine streaks that run far along the grain and change fast across it.
    const double fibre = FractalNoise(along * 0.035, across * 0.8, seed + 31, 3);
    // Slow patches of colour, as in any piece of real wood.
    const double patch = FractalNoise(along * 0.01, across * 0.02, seed + 57, 2);
    const double t = 0.45 * band + 0.4 * (fibre - 0.5) + 0.5 * (patch - 0.5) + 0.3;
    return Mix(colours.light, colours.dark, t);
}

Pixel Shade(Pixel p, double factor) {
    auto scale = [factor](int c) { return std::clamp(int(std::lround(c * factor)), 0, 255); };
    return Rgb(scale(Channel(p, 16)), scale(Channel(p, 8)), scale(Channel(p, 0)));
}

} // namespace varnix
