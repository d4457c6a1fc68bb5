// Smooth shapes for the skin pictures: a shape is a signed distance (negative
// inside, in pixels) and is painted with its edge coverage measured on a 4 x 4
// grid inside each pixel.
#pragma once

#include "skin/Sprite.h"

#include <functional>

namespace varnix {

using Distance = std::function<double(double x, double y)>;
using Shading = std::function<Pixel(double x, double y)>;

void FillShape(Sprite& sprite, const Distance& shape, const Shading& shading);

inline Shading Solid(Pixel colour) {
    return [colour](double, double) { return colour; };
}

// A top-to-bottom blend from top (at y0) to bottom (at y1).
Shading VerticalGradient(Pixel top, Pixel bottom, double y0, double y1);

Distance Circle(double cx, double cy, double radius);
Distance RoundedRect(double x0, double y0, double x1, double y1, double radius);
// A stroke from a to b with round ends.
Distance Capsule(double ax, double ay, double bx, double by, double radius);
// The ring of the given thickness around a circle, between two angles
// (radians, counter-clockwise from 3 o'clock with y pointing down the screen).
Distance Arc(double cx, double cy, double radius, double thickness, double from, double to);
// A triangle with its corners rounded by radius.
Distance RoundedTriangle(double ax, double ay, double bx, double by, double cx, double cy, double radius);

Distance Union(Distance a, Distance b);
Distance Minus(Distance a, Distance b);
// The shape grown (positive) or shrunk (negative) by amount.
Distance Grow(Distance a, double amount);

} // namespace varnix
