#include "engine/game_line.h"

#include <algorithm>
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
    std::string fen = board.Fen();
    // Fields: placement, side, castling, en passant, half-move clock, move number.
    const size_t sideAt = fen.find(' ') + 1;
    const size_t epAt = fen.find(' ', fen.find(' ', sideAt) + 1) + 1;
    const size_t epEnd = fen.find(' ', epAt);
    fen.replace(epAt, epEnd - epAt, "-");
    fen[sideAt] = side == White ? 'w' : 'b';
    return Board::FromFen(fen);
}

}  // namespace varnix::engine
