// The controls of the message box window and their state: where each one is
// (twips), what it says, its colour, whether it is shown. A box starts from
// the design state and the layout code moves things from there.
#pragma once

#include "platform/Surface.h"
#include "skin/Sprite.h"
#include "skin/Twips.h"

#include <optional>
#include <string>

namespace varnix {

struct FrmMsgLabel {
    std::string text;
    TwipRect rect;
    Pixel colour = Rgb(0, 0, 0);
    bool visible = true;
};

struct FrmMsgImage {
    TwipRect rect;
    bool visible = true;
    bool stretched = false; // drawn to its rectangle; otherwise at its picture's size
};

// Where an image is in window pixels: a stretched one from its rounded edges,
// so that it meets its neighbours; any other keeps its picture's size.
inline PixelRect ImageRect(const FrmMsgImage& image) {
    if (image.stretched) return ToPixels(image.rect);
    return {TwipsToPixels(image.rect.left), TwipsToPixels(image.rect.top), TwipsToPixels(image.rect.width),
            TwipsToPixels(image.rect.height)};
}

struct FrmMsgControls {
    double width = 4965; // the window, twips
    double height = 2100;
    Pixel backColour = Rgb(206, 206, 206);

    FrmMsgImage titleLeft{{0, 0, 240, 450}};
    FrmMsgImage title{{210, 0, 4335, 450}, true, true};
    FrmMsgImage titleRight{{4530, 0, 435, 450}};
    FrmMsgImage icon{{120, 120, 285, 255}, true, true};
    std::optional<Sprite> titleIcon; // nothing: no icon
    FrmMsgLabel caption1{"Xp MsgBox", {480, 120, 1035, 195}};                     // the shadow
    FrmMsgLabel caption2{"Xp MsgBox", {505, 120, 1035, 195}, Rgb(255, 255, 255)}; // the text
    FrmMsgImage closeButton{{4440, 120, 195, 195}};
    FrmMsgImage bLeft{{0, 450, 60, 1650}, true, true};
    FrmMsgImage bRight{{4905, 450, 60, 1650}, true, true};
    FrmMsgImage bottom{{60, 2040, 4845, 60}, true, true};
    FrmMsgImage bottomLeft{{0, 1935, 195, 165}};
    FrmMsgImage bottomRight{{4800, 1890, 165, 210}};

    FrmMsgLabel prompt{"Store Your Text Here", {105, 600, 2550, 195}};
    bool promptCentred = false;

    FrmMsgImage ok{{360, 1680, 1095, 315}};
    FrmMsgImage no{{0, 0, 1095, 255}, false};
    FrmMsgImage cancel{{0, 0, 1095, 255}, false};
    FrmMsgLabel okLabel{"OK", {0, 1735, 0, 195}};
    FrmMsgLabel noLabel{"&No", {0, 0, 0, 195}, Rgb(0, 0, 0), false};
    FrmMsgLabel cancelLabel{"&Cancelar", {0, 0, 0, 195}, Rgb(0, 0, 0), false};

    FrmMsgImage inputFrame{{70, 0, 0, 345}, false}; // holds the field; its lines frame it
    TwipRect inputField{70, 20, 0, 285};            // inside the frame
    Pixel inputLineColour = Rgb(176, 208, 240);
};

} // namespace varnix
