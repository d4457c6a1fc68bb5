// The game as the engine has seen it since "new" or a set-up: the current
// board, the keys of the positions before it, and the half-moves played.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/types.h"

namespace varnix::engine {

class GameLine {
public:
    GameLine();  // the start position
    explicit GameLine(const Board& start, int pliesPlayed);

    // Reads a FEN; the half-moves played follow from its move number and side.
    static std::optional<GameLine> FromFen(std::string_view fen);

    const Board& Current() const { return board_; }
    const std::vector<uint64_t>& Earlier() const { return earlier_; }
    // Keys of every position of the line, the current one last.
    std::vector<uint64_t> WithCurrent() const;

    int PliesPlayed() const { return plies_; }
    void SetPliesPlayed(int plies) { plies_ = plies; }
    // Full-move number of the next move: half-moves played / 2 + 1.
    int MoveNumber() const { return plies_ / 2 + 1; }

    // Plays a legal move of the current position.
    void Play(Move move);

private:
    Board board_;
    std::vector<uint64_t> earlier_;
    int plies_ = 0;
};

// The board with `side` to move and no en-passant square, if that is a legal
// position (the side not to move may not stand in check).
std::optional<Board> WithSideToMove(const Board& board, Color side);

}  // namespace varnix::engine
