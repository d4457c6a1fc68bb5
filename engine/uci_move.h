// Moves as coordinate text (e2e4, e7e8q, e1g1), the form UCI and tests use.
#pragma once

#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/types.h"

namespace varnix::engine {

std::string SquareName(Square s);
std::string MoveToUci(Move m);
// The legal move of `board` that the text names; Move::none() when there is none.
Move MoveFromUci(const Board& board, std::string_view text);

}  // namespace varnix::engine
