// How a game ends: no legal move (mate or stalemate), or a draw that the side
// to move may claim.
#pragma once

#include <cstdint>
#include <span>

#include "engine/board.h"

namespace varnix::engine {

enum class NoMoveResult { None, WhiteMates, BlackMates, Stalemate };
enum class DrawClaim { None, Repetition, FiftyMoves, InsufficientMaterial };

// Mate or stalemate when the side to move has no legal move, else None.
NoMoveResult ResultWithoutMoves(const Board& board);

// The draw the current position allows; `earlier` holds the keys of the
// positions before it (since the game or set-up began), oldest first.
DrawClaim ClaimableDraw(const Board& board, std::span<const uint64_t> earlier);

}  // namespace varnix::engine
