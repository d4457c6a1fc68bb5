#include "resources/ButtonPictures.h"

#include "platform/TextRenderer.h"
#include "resources/WoodGrain.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace varnix {

namespace {

// The about panel's parchment, also behind the button's rounded corners.
constexpr Pixel Parchment = Rgb(243, 232, 208);
// The board's bottom frame, behind the keys' rounded corners.
constexpr Pixel FrameBehindKeys = Rgb(86, 30, 20);
constexpr Pixel DarkEdge = Rgb(46, 18, 10);
constexpr Pixel Engraving = Rgb(84, 34, 18);
constexpr WoodColours ButtonWood{Rgb(150, 76, 44), Rgb(88, 36, 20)};
constexpr WoodColours KeyWood{Rgb(240, 212, 160), Rgb(204, 156, 100)};
constexpr WoodColours PanelFrameWood{Rgb(112, 42, 28), Rgb(52, 16, 10)};
constexpr WoodColours InlayLight{Rgb(238, 208, 156), Rgb(210, 164, 110)};
constexpr WoodColours InlayDark{Rgb(156, 80, 48), Rgb(100, 42, 24)};

int Channel(Pixel p, int shift) { return int((p >> shift) & 0xFF); }

// a where t is 1, b where t is 0.
Pixel Blend(Pixel a, Pixel b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [&](int shift) { return int(std::lround(Channel(a, shift) * t + Channel(b, shift) * (1 - t))); };
    return Rgb(mix(16), mix(8), mix(0));
}

// Signed distance to a rounded rectangle: negative inside, in pixels.
double RoundedBox(double x, double y, double x0, double y0, double x1, double y1, double radius) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double qx = std::abs(x - cx) - ((x1 - x0) / 2 - radius);
    const double qy = std::abs(y - cy) - ((y1 - y0) / 2 - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// Distance to the segment from a to b, less the stroke's half width.
double Stroke(double x, double y, double ax, double ay, double bx, double by, double halfWidth) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - ax - t * dx, y - ay - t * dy) - halfWidth;
}

// How much of pixel (px, py) lies inside a shape, sampled 4 x 4.
double Coverage(int px, int py, const std::function<double(double, double)>& distance) {
    int inside = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) inside += distance(px + (i + 0.5) / 4, py + (j + 0.5) / 4) < 0;
    return inside / 16.0;
}

// One look of the button as a whole, from which the strip's pieces are cut: a
// plank of wood with its grain along the button, rounded ends, a lit rim above
// and a shadow below (swapped when pressed, so that it looks pushed in).
Surface ButtonLook(int width, bool pressed) {
    Surface look(width, ButtonSkinHeight, Parchment);
    const double x0 = 0.5, y0 = 0.5, x1 = width - 0.5, y1 = ButtonSkinHeight - 0.5, radius = 7;
    auto outer = [&](double x, double y) { return RoundedBox(x, y, x0, y0, x1, y1, radius); };
    for (int y = 0; y < look.Height(); ++y) {
        // Only y decides the wood, so that the middle tile repeats without a seam.
        const double v = (y + 0.5) / ButtonSkinHeight;
        Pixel wood = WoodAt(40, y * 1.7, 5, ButtonWood);
        wood = Shade(wood, pressed ? 0.72 + 0.3 * v : 1.22 - 0.42 * v);
        for (int x = 0; x < look.Width(); ++x) {
            const double inside = Coverage(x, y, outer);
            if (inside == 0) continue;
            const double depth = -outer(x + 0.5, y + 0.5);
            Pixel p = wood;
            if (depth < 2.2) {
                const bool lit = (y < ButtonSkinHeight / 2) != pressed;
                p = Shade(p, lit ? 1.35 : 0.7);
            }
            if (depth < 1.2) p = Blend(DarkEdge, p, 0.8);
            look.Set(x, y, Blend(p, Parchment, inside));
        }
    }
    return look;
}

// The three pieces of one look: left end (15), middle tile (15), right end (16).
void CutPieces(Surface& strip, const Surface& look, int leftX, int middleX, int rightX) {
    Blit(strip, leftX, 0, 15, ButtonSkinHeight, look, 0, 0, RasterOp::Copy);
    Blit(strip, middleX, 0, 15, ButtonSkinHeight, look, 30, 0, RasterOp::Copy);
    Blit(strip, rightX, 0, 16, ButtonSkinHeight, look, look.Width() - 16, 0, RasterOp::Copy);
}

// Draws text centred on (cx, cy) of its ink, so that glyphs of any height sit in the middle.
void DrawCentred(Surface& surface, const TextRenderer& font, std::string_view text, double cx, double cy, Pixel colour) {
    Surface probe(font.TextWidth(text) + 8, font.LineHeight() + 8, 0);
    font.DrawText(probe, 4, 4, text, 0xFFFFFF);
    int left = probe.Width(), right = -1, top = probe.Height(), bottom = -1;
    for (int y = 0; y < probe.Height(); ++y)
        for (int x = 0; x < probe.Width(); ++x)
            if (probe.At(x, y) != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return;
    const int x = int(std::lround(cx - (left + right + 1) / 2.0)) + 4;
    const int y = int(std::lround(cy - (top + bottom + 1) / 2.0)) + 4;
    font.DrawText(surface, x, y, text, colour);
}

} // namespace

Surface ButtonSkinStrip() {
    Surface strip(ButtonSkinWidth, ButtonSkinHeight, Parchment);
    CutPieces(strip, ButtonLook(60, false), 0, 15, 55);
    CutPieces(strip, ButtonLook(60, true), 144, 159, 202);
    return strip;
}

Surface KeyPicture(int index) {
    if (index < 0 || index >= int(KeyPictureLetters.size())) return {};
    Surface key(KeyPictureSize, KeyPictureSize, FrameBehindKeys);
    auto cap = [](double x, double y) { return RoundedBox(x, y, 0.5, 0.5, 15.5, 15.5, 3.5); };
    for (int y = 0; y < KeyPictureSize; ++y)
        for (int x = 0; x < KeyPictureSize; ++x) {
            const double inside = Coverage(x, y, cap);
            if (inside == 0) continue;
            const double depth = -cap(x + 0.5, y + 0.5);
            Pixel p = WoodAt(x + 23.0 * index, y * 0.7 + 5, 40 + std::uint32_t(index), KeyWood);
            p = Shade(p, 1.08 - 0.2 * y / KeyPictureSize);
            if (depth < 1.6) p = Shade(p, x + y < KeyPictureSize ? 1.12 : 0.66);
            if (depth < 0.9) p = Blend(DarkEdge, p, 0.75);
            key.Set(x, y, Blend(p, FrameBehindKeys, inside));
        }
    const char letter = KeyPictureLetters[std::size_t(index)];
    if (letter == '<' || letter == '>') {
        // The arrows are strokes of their own: a font's angle brackets are too thin at this size.
        const double tip = letter == '<' ? 5.2 : 10.8, back = letter == '<' ? 10.2 : 5.8;
        auto chevron = [&](double dy) {
            return [=](double x, double y) {
                return std::min(Stroke(x, y - dy, back, 4.2, tip, 8, 1.25), Stroke(x, y - dy, tip, 8, back, 11.8, 1.25));
            };
        };
        for (const auto& [dy, colour] : {std::pair{0.6, Rgb(252, 236, 200)}, std::pair{0.0, Engraving}})
            for (int y = 0; y < KeyPictureSize; ++y)
                for (int x = 0; x < KeyPictureSize; ++x) key.Set(x, y, Blend(colour, key.At(x, y), Coverage(x, y, chevron(dy))));
    } else if (const auto font = TextRenderer::Open("DejaVu Sans", true, 8.5)) {
        // Engraved: a lit lower edge under the dark letter.
        DrawCentred(key, *font, std::string_view(&letter, 1), 8.0, 8.6, Rgb(252, 236, 200));
        DrawCentred(key, *font, std::string_view(&letter, 1), 8.0, 8.0, Engraving);
    }
    return key;
}

Surface AboutPanelBackground() {
    constexpr int Size = AboutPanelSize, Frame = 8;
    Surface panel(Size, Size);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const int edge = std::min({x, y, Size - 1 - x, Size - 1 - y});
            Pixel p;
            if (edge < Frame) {
                const bool acrossX = std::min(x, Size - 1 - x) == edge;
                p = acrossX ? WoodAt(y, x + 200, 21, PanelFrameWood) : WoodAt(x, y, 22, PanelFrameWood);
                if (edge < 2) p = Shade(p, (x <= y && x + y < Size) || y == edge ? 1.4 : 0.6);
                if (edge == Frame - 1) p = Shade(p, 0.45);
            } else {
                // Parchment with a faint, slow mottle.
                p = Shade(Parchment, 1.0 + 0.04 * (FractalNoise(x * 0.02, y * 0.02, 77, 3) - 0.5));
            }
            panel.Set(x, y, p);
        }
    // An inlaid rank of eight squares under the title, with a thin rule to each side.
    constexpr int Cell = 11, RankY = 60, RankX = (Size - 8 * Cell) / 2;
    for (int i = 0; i < 8; ++i)
        for (int v = 0; v < Cell; ++v)
            for (int u = 0; u < Cell; ++u)
                panel.Set(RankX + i * Cell + u, RankY + v,
                          WoodAt(u + 30.0 * i, v, 60 + std::uint32_t(i), i % 2 == 0 ? InlayLight : InlayDark));
    for (int x = 24; x < Size - 24; ++x)
        if (x < RankX - 6 || x >= RankX + 8 * Cell + 6) panel.Set(x, RankY + Cell / 2, Blend(Engraving, Parchment, 0.55));
    // The about text sits on a slightly lighter sheet with a fine border.
    auto sheet = [](double x, double y) { return RoundedBox(x, y, 26, 96, 337, 326, 6); };
    for (int y = 90; y < 332; ++y)
        for (int x = 20; x < 343; ++x) {
            const double d = sheet(x + 0.5, y + 0.5);
            if (d < -1) panel.Set(x, y, Blend(Rgb(250, 244, 230), panel.At(x, y), 0.7));
            else if (d < 0) panel.Set(x, y, Blend(Rgb(196, 160, 118), panel.At(x, y), Coverage(x, y, sheet)));
        }
    if (const auto title = TextRenderer::Open("DejaVu Serif", true, 19)) DrawCentred(panel, *title, "Varnix Chess", Size / 2.0, 34, Rgb(92, 36, 20));
    return panel;
}

} // namespace varnix
