#include "skin/SkinDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varnix {

void FillShape(Sprite& sprite, const Distance& shape, const Shading& shading) {
    constexpr int Grid = 4;
    for (int y = 0; y < sprite.Height(); ++y) {
        for (int x = 0; x < sprite.Width(); ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            // Far from the edge the centre decides alone.
            const double d = shape(cx, cy);
            if (d > 1.0) continue;
            int inside = Grid * Grid;
            if (d > -1.0) {
                inside = 0;
                for (int j = 0; j < Grid; ++j)
                    for (int i = 0; i < Grid; ++i)
                        if (shape(x + (i + 0.5) / Grid, y + (j + 0.5) / Grid) < 0) ++inside;
            }
            if (inside > 0) sprite.Paint(x, y, shading(cx, cy), double(inside) / (Grid * Grid));
        }
    }
}

Shading VerticalGradient(Pixel top, Pixel bottom, double y0, double y1) {
    return [=](double, double y) { return Mix(bottom, top, y1 > y0 ? (y - y0) / (y1 - y0) : 0); };
}

Distance Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Distance RoundedRect(double x0, double y0, double x1, double y1, double radius) {
    return [=](double x, double y) {
        const double hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
        const double qx = std::abs(x - (x0 + x1) / 2) - hx, qy = std::abs(y - (y0 + y1) / 2) - hy;
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

Distance Capsule(double ax, double ay, double bx, double by, double radius) {
    return [=](double x, double y) {
        const double px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(px - dx * t, py - dy * t) - radius;
    };
}

Distance Arc(double cx, double cy, double radius, double thickness, double from, double to) {
    const double ax = cx + radius * std::cos(from), ay = cy - radius * std::sin(from);
    const double bx = cx + radius * std::cos(to), by = cy - radius * std::sin(to);
    return [=](double x, double y) {
        double angle = std::atan2(cy - y, x - cx);
        while (angle < from) angle += 2 * std::numbers::pi;
        if (angle <= to) return std::abs(std::hypot(x - cx, y - cy) - radius) - thickness / 2;
        // Outside the sweep the nearer end cap decides.
        return std::min(std::hypot(x - ax, y - ay), std::hypot(x - bx, y - by)) - thickness / 2;
    };
}

Distance RoundedTriangle(double ax, double ay, double bx, double by, double cx, double cy, double radius) {
    return [=](double x, double y) {
        // Distance to the nearest edge, negative inside (either winding).
        const double px[3] = {ax, bx, cx}, py[3] = {ay, by, cy};
        double nearest = 1e9;
        int sign = 0;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const double ex = px[j] - px[i], ey = py[j] - py[i], wx = x - px[i], wy = y - py[i];
            const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
            nearest = std::min(nearest, std::hypot(wx - ex * t, wy - ey * t));
            sign += ex * wy - ey * wx > 0 ? 1 : -1;
        }
        const bool inside = sign == 3 || sign == -3;
        return (inside ? -nearest : nearest) - radius;
    };
}

Distance Union(Distance a, Distance b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Distance Minus(Distance a, Distance b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Distance Grow(Distance a, double amount) {
    return [a = std::move(a), amount](double x, double y) { return a(x, y) - amount; };
}

} // namespace varnix
