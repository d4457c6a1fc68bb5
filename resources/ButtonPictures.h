// The main window's small pictures, drawn by code: the skin strip of the
// skinnable button, the six keys of the picture-button strip and the about
// panel's background. Each call builds a fresh surface; callers keep them.
#pragma once

#include "platform/Surface.h"

#include <string_view>

namespace varnix {

// 288 x 24: the normal look's left end, middle tile and right end at x 0, 15
// and 55, the pressed look's at 144, 159 and 202.
inline constexpr int ButtonSkinWidth = 288;
inline constexpr int ButtonSkinHeight = 24;
Surface ButtonSkinStrip();

// 16 x 16 keys in picture-button order: back to start, back one, forward one,
// forward to end, move now, stop thinking (halt).
inline constexpr int KeyPictureSize = 16;
inline constexpr std::string_view KeyPictureLetters = "S<>EMH";
// index 0 to 5; any other index gives an empty surface.
Surface KeyPicture(int index);

// 363 x 363, with a quiet sheet for the about text (32, 104, 297 x 217) and
// plain parchment, the colour behind the button's corners, round the "OK"
// button at (296, 330).
inline constexpr int AboutPanelSize = 363;
Surface AboutPanelBackground();

} // namespace varnix
