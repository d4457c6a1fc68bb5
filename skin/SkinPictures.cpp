#include "skin/SkinPictures.h"

#include "skin/SkinDrawing.h"
#include "skin/WindowShape.h"

#include <algorithm>
#include <cmath>

namespace varnix {

namespace {

// Mahogany and brass.
constexpr Pixel Outline = Rgb(42, 18, 9);
constexpr Pixel Rim = Rgb(164, 98, 60);
constexpr Pixel Frame = Rgb(116, 57, 31);
constexpr Pixel InnerShade = Rgb(62, 28, 14);
constexpr Pixel TitleTop = Rgb(146, 66, 40);
constexpr Pixel TitleBottom = Rgb(88, 34, 19);
constexpr Pixel Brass = Rgb(201, 163, 94);

constexpr int TitleRows = 30;
constexpr int FrameWidth = 4;

// Horizontal grain: a gentle, fixed ripple in brightness from row to row.
Pixel Grain(Pixel base, int row) {
    const double ripple = 5 * std::sin(row * 1.9) + 3 * std::sin(row * 0.7 + 1.3);
    return ripple >= 0 ? Mix(Rgb(255, 230, 200), base, ripple / 100) : Mix(Rgb(0, 0, 0), base, -ripple / 100);
}

// Distance from each visible pixel to the nearest hidden one (pixel centres),
// hidden meaning cut by the outline or off the window.
std::vector<double> DistanceToOutside(int w, int h, const std::vector<RowSpan>& spans) {
    std::vector<bool> visible(std::size_t(w) * std::size_t(h), false);
    for (const RowSpan& span : spans)
        for (int x = std::max(0, span.x0); x < std::min(w, span.x1); ++x)
            if (span.y >= 0 && span.y < h) visible[std::size_t(span.y) * std::size_t(w) + std::size_t(x)] = true;
    const auto isVisible = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && visible[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    constexpr int Reach = FrameWidth + 2;
    std::vector<double> distance(visible.size(), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!isVisible(x, y)) continue;
            double nearest = Reach + 1;
            for (int dy = -Reach; dy <= Reach; ++dy)
                for (int dx = -Reach; dx <= Reach; ++dx)
                    if (!isVisible(x + dx, y + dy)) nearest = std::min(nearest, std::hypot(dx, dy));
            distance[std::size_t(y) * std::size_t(w) + std::size_t(x)] = nearest;
        }
    }
    return distance;
}

// A whole model window in the skin's look; the frame pieces are cut from it,
// so that they join up at any size. Its inside is left clear.
Sprite PaintFrameModel(int w, int h) {
    Sprite model(w, h);
    const std::vector<double> distance = DistanceToOutside(w, h, ShapeSpans({w * 15.0, h * 15.0}));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double d = distance[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            if (d <= 0) continue;
            Pixel colour;
            if (d <= 1) colour = Outline;
            else if (y < TitleRows) {
                if (y == TitleRows - 1) colour = Outline;
                else if (y == TitleRows - 2) colour = Brass;
                else if (d <= 2 || y <= 2) colour = Mix(Rim, Grain(TitleTop, y), 0.55);
                else colour = Grain(Mix(TitleBottom, TitleTop, double(y - 1) / (TitleRows - 4)), y);
            } else if (d <= 2) colour = Rim;
            else if (d <= 3) colour = Frame;
            else if (d <= FrameWidth) colour = InnerShade;
            else continue;
            model.Paint(x, y, colour, 1);
        }
    }
    return model;
}

struct ButtonColours {
    Pixel border, top, bottom, gloss;
};

// The 73 x 21 ivory button: rounded, with a soft sheen, warmer under the
// mouse and sunk when pressed.
Sprite PaintButton(ButtonLook look) {
    static constexpr ButtonColours Looks[] = {
        {Rgb(110, 62, 34), Rgb(254, 248, 234), Rgb(226, 208, 172), Rgb(255, 255, 255)},
        {Rgb(168, 112, 44), Rgb(255, 249, 226), Rgb(242, 214, 142), Rgb(255, 255, 240)},
        {Rgb(84, 44, 22), Rgb(214, 192, 150), Rgb(238, 224, 194), Rgb(196, 172, 128)},
    };
    const ButtonColours& c = Looks[int(look)];
    Sprite button(73, 21);
    const double w = 73, h = 21;
    FillShape(button, RoundedRect(0.5, 0.5, w - 0.5, h - 0.5, 4.5), Solid(c.border));
    FillShape(button, RoundedRect(1.5, 1.5, w - 1.5, h - 1.5, 3.5), Solid(c.gloss));
    const double face = look == ButtonLook::Pressed ? 3.0 : 2.4;
    FillShape(button, RoundedRect(1.5, face, w - 1.5, h - 1.5, 3.5), VerticalGradient(c.top, c.bottom, face, h - 1.5));
    return button;
}

// The 13 x 13 round close button with its cross.
Sprite PaintClose(ButtonLook look) {
    static constexpr Pixel Disc[] = {Rgb(160, 84, 56), Rgb(216, 166, 78), Rgb(104, 40, 22)};
    static constexpr Pixel Cross[] = {Rgb(248, 232, 204), Rgb(58, 26, 12), Rgb(236, 212, 176)};
    Sprite close(13, 13);
    const double shift = look == ButtonLook::Pressed ? 0.5 : 0;
    FillShape(close, Circle(6.5, 6.5, 6.4), Solid(Outline));
    FillShape(close, Circle(6.5, 6.5 + shift, 5.4),
              VerticalGradient(Mix(Rgb(255, 255, 255), Disc[int(look)], 0.25), Disc[int(look)], 1, 12));
    const Distance cross = Union(Capsule(4.3, 4.3 + shift, 8.7, 8.7 + shift, 0.85),
                                 Capsule(8.7, 4.3 + shift, 4.3, 8.7 + shift, 0.85));
    FillShape(close, cross, Solid(Cross[int(look)]));
    return close;
}

} // namespace

SkinPictures MakeSkinPictures() {
    constexpr int W = 120, H = 90;
    const Sprite model = PaintFrameModel(W, H);
    SkinPictures skin;
    skin.titleLeft = model.Cut(0, 0, 16, TitleRows);
    skin.title = model.Cut(W / 2, 0, 1, TitleRows);
    skin.titleRight = model.Cut(W - 29, 0, 29, TitleRows);
    skin.bLeft = model.Cut(0, H / 2, FrameWidth, 1);
    skin.bRight = model.Cut(W - FrameWidth, H / 2, FrameWidth, 1);
    skin.bottom = model.Cut(W / 2, H - FrameWidth, 1, FrameWidth);
    skin.bottomLeft = model.Cut(0, H - 11, 13, 11);
    skin.bottomRight = model.Cut(W - 11, H - 14, 11, 14);
    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Over, ButtonLook::Pressed}) {
        skin.button[std::size_t(look)] = PaintButton(look);
        skin.close[std::size_t(look)] = PaintClose(look);
    }
    return skin;
}

} // namespace varnix
