// The two readers that turn text into moves: ReadMoveText takes a move as
// people write it and gives the long form (e2-e4, g1-f3, e7-e8=Q, o-o);
// LongTextToMove turns the long form into a Move record for the engine
// library. Both give a defined result for any text and never read outside it.
#pragma once

#include "core/Position.h"
#include "core/RecordCalls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

// Holds MoveTextFailed for whoever replays texts into moves: one reader per
// owner, asked after each call.
class MoveTextReader {
public:
    // position is the one before the move; side is 0 for White, -1 for Black
    // (any other value: only result texts and castling are recognised).
    // Gives the long form, a result text unchanged, "o-o"/"o-o-o", or the
    // empty text when nothing matches.
    std::string ReadMoveText(const RecordCalls& calls, const Position& position, std::string_view text,
                             std::int16_t side);

    // True when the last ReadMoveText stopped on a text it could not read (a
    // rank that is off the board, a text of annotation marks only); its answer
    // is then the text as far as it was rewritten and must not be played.
    bool MoveTextFailed() const { return moveTextFailed_; }

private:
    bool moveTextFailed_ = false;
};

// position is the one before the move: its BlackToMove decides the colour of a
// promotion piece and the row of a castling king.
Move LongTextToMove(const Position& position, std::string_view longText);

} // namespace varnix
