// Static exchange evaluation: the material balance of the captures on one square.
#pragma once

#include "engine/board.h"

namespace varnix::engine {

// Value of a piece type for exchanges.
int SeeValue(PieceType t);

// True when the move wins at least `threshold` centipawns once both sides have taken back
// on its square with their cheapest pieces for as long as it pays.
bool SeeAtLeast(const Board& board, Move m, int threshold);

}  // namespace varnix::engine
