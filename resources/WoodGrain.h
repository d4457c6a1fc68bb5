// Procedural wood: smooth noise and a grain pattern of growth rings and
// fibres, the same on every run and every machine for the same arguments.
#pragma once

#include "platform/Surface.h"

#include <cstdint>

namespace varnix {

struct WoodColours {
    Pixel light; // early wood
    Pixel dark;  // late wood, the bands of the rings
};

// Smooth noise in [0, 1) with features about one unit apart.
double ValueNoise(double x, double y, std::uint32_t seed);
// Several octaves of ValueNoise, in [0, 1).
double FractalNoise(double x, double y, std::uint32_t seed, int octaves);

// The colour of wood at a point; along runs with the grain, across against it.
Pixel WoodAt(double along, double across, std::uint32_t seed, const WoodColours& colours);

// Scales each channel by factor (1 keeps the pixel), clamped.
Pixel Shade(Pixel p, double factor);

} // namespace varnix
