#include "core/RecordCalls.h"

namespace varnix {

MoveList RecordCalls::GetLegalMoves(const Position& position, std::int16_t blackFlag) const {
    MoveList list{};
    if (getMove_) getMove_(&position, ColourByte(blackFlag), &list);
    return list;
}

bool RecordCalls::IsKingAttacked(const Position& position, std::int16_t blackKing) const {
    if (!kingAttacked_) return false;
    return kingAttacked_(&position, blackKing != 0 ? -1 : 0) != 0;
}

void RecordCalls::MakeMove(Position& position, const Move& move) const {
    if (makeMove_) makeMove_(&position, &move);
}

} // namespace varnix
