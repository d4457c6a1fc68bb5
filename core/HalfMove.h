// Where half-move i of the record lives: row ceil(i / 2), column 1 for White's
// (odd) half-moves and 2 for Black's (even) ones. Half-move 0 is the start.
#pragma once

#include <cstdint>

namespace varnix {

constexpr std::int32_t HalfMoveRow(std::int32_t halfMove) { return (halfMove + 1) / 2; }
constexpr int HalfMoveColumn(std::int32_t halfMove) { return halfMove % 2 == 0 ? 2 : 1; }

} // namespace varnix
