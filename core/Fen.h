// FEN text to and from the position record. Both sides are tolerant
// single-pass routines: neither reports an error, and the reader never reads
// outside its text.
#pragma once

#include "core/Position.h"

#include <string>
#include <string_view>

namespace varnix {

// Always ends with " 0 1": the engine learns the move number separately.
std::string PositionToFen(const Position& position);

// Squares the text does not reach keep what the record held; side, castling
// and en passant are always overwritten.
void FenToPosition(std::string_view fen, Position& position);

} // namespace varnix
