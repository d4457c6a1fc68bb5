// The game state of the program: the position shown, the start FEN the record
// is replayed from, and where in the record the board stands. One instance,
// owned by the program object.
#pragma once

#include "core/Position.h"

#include <string>

namespace varnix {

inline const std::string StandardStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct GameState {
    Position CurrentPosition{};
    // A copy taken just before a move is made or replayed forward, for the animation.
    Position PreviousPosition{};
    // The last move made or replayed; all zero at the start of the record.
    Move LastMove{};
    std::string StartFen = StandardStartFen;
    std::int16_t PlyCount = 0; // half-moves from the start to the position shown
    std::int16_t MaxPly = 0;   // half-moves the record holds
};

} // namespace varnix
