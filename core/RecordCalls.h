// The engine library's three record calls as the game core uses them. They are
// bound once the library has loaded; unbound, they answer as if no move exists:
// an empty list, "not attacked", and no change to the position.
#pragma once

#include "core/Position.h"

namespace varnix {

class RecordCalls {
public:
    using GetMoveFn = void (*)(const VarnixPosition*, std::uint8_t, VarnixMoveList*);
    using KingAttackedFn = std::int16_t (*)(const VarnixPosition*, std::int32_t);
    using MakeMoveFn = void (*)(VarnixPosition*, const VarnixMove*);

    RecordCalls() = default;
    RecordCalls(GetMoveFn getMove, KingAttackedFn kingAttacked, MakeMoveFn makeMove)
        : getMove_(getMove), kingAttacked_(kingAttacked), makeMove_(makeMove) {}

    bool Bound() const { return getMove_ && kingAttacked_ && makeMove_; }

    // Every legal move of the side given by the flag (non-zero: Black), which
    // need not be the side to move.
    MoveList GetLegalMoves(const Position& position, std::int16_t blackFlag) const;
    // Whether the king of that side (non-zero: Black) is attacked.
    bool IsKingAttacked(const Position& position, std::int16_t blackKing) const;
    // Applies the move in place; the caller inverts BlackToMove itself.
    void MakeMove(Position& position, const Move& move) const;

private:
    GetMoveFn getMove_ = nullptr;
    KingAttackedFn kingAttacked_ = nullptr;
    MakeMoveFn makeMove_ = nullptr;
};

} // namespace varnix
