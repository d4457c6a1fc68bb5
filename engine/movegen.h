// Legal move generation.
#pragma once

#include <array>

#include "engine/board.h"
#include "engine/types.h"

namespace varnix::engine {

// A fixed-capacity list of moves; moves beyond the capacity are dropped (no legal position has that many).
class MoveList {
public:
    static constexpr int kCapacity = 256;

    // The moves are left unset: lists are made at every node, and only the first Size() are ever read.
    MoveList() {}

    void Add(Move m) {
        if (size_ < kCapacity) moves_[size_++] = m;
    }
    void Clear() { size_ = 0; }
    int Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    Move operator[](int i) const { return moves_[i]; }
    Move& operator[](int i) { return moves_[i]; }
    const Move* begin() const { return moves_.data(); }
    const Move* end() const { return moves_.data() + size_; }
    Move* begin() { return moves_.data(); }
    Move* end() { return moves_.data() + size_; }
    bool Contains(Move m) const;

private:
    union {
        std::array<Move, kCapacity> moves_;
    };
    int size_ = 0;
};

// Every legal move of the side to move.
void GenerateLegal(const Board& board, MoveList& list);
// Legal captures (en passant included) and promotions.
void GenerateNoisy(const Board& board, MoveList& list);
// Legal moves that are neither captures nor promotions; castling included.
void GenerateQuiet(const Board& board, MoveList& list);

// Whether a move is legal here (for moves of unknown origin such as stored hash moves).
bool IsLegalMove(const Board& board, Move m);

}  // namespace varnix::engine
