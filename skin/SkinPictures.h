// The skin of the message box, drawn by our own code: mahogany title bar and
// frame, ivory buttons, a brass-lit close button and the four icons.
#pragma once

#include "skin/Sprite.h"

#include <array>

namespace varnix {

enum class ButtonLook { Normal = 0, Over = 1, Pressed = 2 };

enum class MsgIconKind { Critical, Exclamation, Information, Question };

struct SkinPictures {
    Sprite titleLeft, title, titleRight; // 16 x 30, 1 x 30 (stretched), 29 x 30
    Sprite bLeft, bRight, bottom;        // 4 x 1, 4 x 1, 1 x 4 (all stretched)
    Sprite bottomLeft, bottomRight;      // 13 x 11, 11 x 14
    std::array<Sprite, 3> button;        // 73 x 21, by ButtonLook
    std::array<Sprite, 3> close;         // 13 x 13, by ButtonLook

    const Sprite& Button(ButtonLook look) const { return button[std::size_t(look)]; }
    const Sprite& Close(ButtonLook look) const { return close[std::size_t(look)]; }
};

SkinPictures MakeSkinPictures();

// A 32 x 32 icon.
Sprite MakeMsgIcon(MsgIconKind kind);

} // namespace varnix
