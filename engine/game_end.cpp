#include "engine/game_end.h"

#include <algorithm>

#include "engine/movegen.h"

namespace varnix::engine {

NoMoveResult ResultWithoutMoves(const Board& board) {
    MoveList legal;
    GenerateLegal(board, legal);
    if (!legal.Empty()) return NoMoveResult::None;
    if (!board.InCheck()) return NoMoveResult::Stalemate;
    return board.SideToMove() == White ? NoMoveResult::BlackMates : NoMoveResult::WhiteMates;
}

DrawClaim ClaimableDraw(const Board& board, std::span<const uint64_t> earlier) {
    if (std::count(earlier.begin(), earlier.end(), board.Hash()) >= 2) return DrawClaim::Repetition;
    if (board.HalfmoveClock() >= 100) return DrawClaim::FiftyMoves;
    if (board.IsInsufficientMaterial()) return DrawClaim::InsufficientMaterial;
    return DrawClaim::None;
}

}  // namespace varnix::engine
