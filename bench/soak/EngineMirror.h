// The engine's own board as the lines the program hands it and the moves it
// announces make it. The soak driver compares it with the board shown when the
// program accepts an engine move: they differ only when the two are out of step.
#pragma once

#include "core/MoveTextReader.h"
#include "core/Position.h"
#include "core/RecordCalls.h"

#include <string>
#include <string_view>

namespace varnix::soak {

class EngineMirror {
public:
    explicit EngineMirror(const RecordCalls& calls);

    // A line handed to the engine; "" when the engine can act on it, else what is wrong.
    std::string LineSent(std::string_view line);
    // A text the engine announced; its move line is played on the engine's board.
    std::string TextReceived(std::string_view text);

    const Position& Board() const { return board_; }
    // The engine's board just before its last announced move.
    const Position& BeforeEngineMove() const { return beforeEngineMove_; }

private:
    std::string Play(std::string_view text, std::string_view whose);

    const RecordCalls& calls_;
    MoveTextReader reader_;
    Position board_{};
    Position beforeEngineMove_{};
    bool moveLineDue_ = false;
};

// Whether the move, as LongTextToMove gives it, is in the position's legal list.
bool IsListedMove(const RecordCalls& calls, const Position& position, const Move& move);
// Board, side to move, castling rights and en-passant file agree.
bool SamePosition(const Position& a, const Position& b);

} // namespace varnix::soak
