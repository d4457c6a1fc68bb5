#include "engine/game_line.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace varnix::engine {
GameLine::GameLine() : board_(Board::StartPosition()) {}

GameLine::GameLine(const Board& start, int pliesPlayed) : board_(start), plies_(pliesPlayed) {}

std::optional<GameLine> GameLine::FromFen(std::string_view fen) {
    const std::optional<Board> board = Board::FromFen(fen);
    if (!board) return std::nullopt;
    const int plies = (std::max(board->FullmoveNumber(), 1) - 1) * 2 + (board->SideToMove() == Black ? 1 : 0);
    return GameLine(*board, plies);
}

std::vector<uint64_t> GameLine::WithCurrent() const {
    std::vector<uint64_t> keys = earlier_;
    keys.push_back(board_.Hash());
    return keys;
}

void GameLine::Play(Move move) {
    earlier_.push_back(board_.Hash());
    board_.MakeMove(move);
    ++plies_;
}

std::optional<Board> WithSideToMove(const Board& board, Color side) {
    // Fields: placement, side, castling, en passant, half-move clock, move number.
    std::istringstream fields(board.Fen());
    std::string placement, oldSide, castling, enPassant, halfmoves, moveNumber;
    fields >> placement >> oldSide >> castling >> enPassant >> halfmoves >> moveNumber;
    return Board::FromFen(placement + (side == White ? " w " : " b ") + castling + " - " + halfmoves + " " + moveNumber);
}

}  // namespace varnix::engine
