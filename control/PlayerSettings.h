// The user's choices that game control reads: the side played and the piece a
// promoting pawn becomes.
#pragma once

#include "core/Position.h"

#include <cstdint>

namespace varnix {

struct PlayerSettings {
    bool UserPlaysWhite = true;
    std::uint8_t ptp = WhiteQueen; // White piece code: 2 knight, 3 bishop, 4 rook, 5 queen
};

} // namespace varnix
