// The move and turn display: the last move in the main window's caption and
// the two lamps that show whose turn it is. The caption is also the only record
// of a check that the board drawing reads back (a last "+" marks the king).
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

inline constexpr std::string_view MoveCaptionSeparator = "         Move: ";

struct TurnState {
    std::int16_t PlyCount = 0; // even: White to move
    bool UserPlaysWhite = true;
};

// Caption: the title, the separator, the text. After a mate ("#") both lamps
// go out; otherwise the lamp of the side to move is lit.
void ShowMoveStatus(Platform& platform, std::string_view programTitle, std::string_view text, TurnState turn);
// As ShowMoveStatus; an empty text is shown as "none", and left so in text.
void ShowMove(Platform& platform, std::string_view programTitle, std::string& text, TurnState turn);

} // namespace varnix
