#include "skin/SkinDrawing.h"
#include "skin/SkinPictures.h"

namespace varnix {

namespace {

constexpr Pixel White = Rgb(255, 252, 244);

// A round badge: dark rim, then a face lit from above.
void Badge(Sprite& icon, Pixel rim, Pixel top, Pixel bottom) {
    FillShape(icon, Circle(16, 16, 15), Solid(rim));
    FillShape(icon, Circle(16, 16, 13.8), VerticalGradient(top, bottom, 3, 29));
}

} // namespace

Sprite MakeMsgIcon(MsgIconKind kind) {
    Sprite icon(32, 32);
    switch (kind) {
    case MsgIconKind::Critical:
        Badge(icon, Rgb(110, 18, 14), Rgb(224, 84, 66), Rgb(160, 30, 22));
        FillShape(icon, Union(Capsule(10.5, 10.5, 21.5, 21.5, 2.3), Capsule(21.5, 10.5, 10.5, 21.5, 2.3)),
                  Solid(White));
        break;
    case MsgIconKind::Exclamation:
        FillShape(icon, RoundedTriangle(16, 3.5, 29.5, 27.5, 2.5, 27.5, 2.2), Solid(Rgb(122, 74, 14)));
        FillShape(icon, RoundedTriangle(16, 5.8, 27.3, 26.2, 4.7, 26.2, 1.2),
                  VerticalGradient(Rgb(252, 214, 110), Rgb(222, 148, 34), 5, 27));
        FillShape(icon, Union(Capsule(16, 11.5, 16, 18.5, 1.9), Circle(16, 22.6, 1.9)), Solid(Rgb(58, 34, 8)));
        break;
    case MsgIconKind::Information:
        Badge(icon, Rgb(22, 56, 98), Rgb(96, 152, 212), Rgb(34, 86, 148));
        FillShape(icon, Union(Circle(16, 9.5, 2.3), Capsule(16, 14.5, 16, 23.5, 2.1)), Solid(White));
        break;
    case MsgIconKind::Question:
        Badge(icon, Rgb(26, 70, 40), Rgb(104, 168, 112), Rgb(40, 104, 58));
        FillShape(icon,
                  Union(Union(Arc(16, 12.5, 4.6, 3.6, -1.05, 3.3), Capsule(18.3, 16.5, 16, 19, 1.8)),
                        Union(Capsule(16, 19, 16, 20.5, 1.8), Circle(16, 25, 2.1))),
                  Solid(White));
        break;
    }
    return icon;
}

} // namespace varnix
