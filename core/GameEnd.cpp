#include "core/GameEnd.h"

#include "core/NotationText.h"

namespace varnix {

bool IsResultText(std::string_view text) { return text == "*" || IsResultOrPlaceholder(text); }

Move ResultToMove(std::string_view text) {
    Move move{};
    if (text == "1-0") {
        move.Promote = WhiteWinsCode;
    } else if (text == "0-1" || text == "1/2-1/2" || text == "1/2" || text == DrawSign) {
        move.Promote = BlackWinsOrDrawCode;
    } else if (text == "-") {
        move.Promote = MissingMoveCode;
    } else if (text == "*") {
        move.Promote = UnfinishedCode;
    }
    return move;
}

Move TextToMove(const Position& position, std::string_view longText) {
    if (longText != "*" && IsResultText(longText)) return ResultToMove(longText);
    return LongTextToMove(position, longText);
}

Move TextToEngineMove(MoveTextReader& reader, const RecordCalls& calls, const Position& position,
                      std::string_view text, std::int16_t side) {
    return TextToMove(position, reader.ReadMoveText(calls, position, text, side));
}

bool MoveEquals(const Move& a, const Move& b) {
    if (a.Castle != 0 || b.Castle != 0) return a.Castle == b.Castle;
    return a.FromFile == b.FromFile && a.FromRow == b.FromRow && a.ToFile == b.ToFile && a.ToRow == b.ToRow &&
           a.Promote == b.Promote && a.EpFile == b.EpFile && a.EpKind == b.EpKind;
}

std::string CheckMark(const RecordCalls& calls, const Position& position, std::string_view longText) {
    if (longText.find('#') != std::string_view::npos || IsResultText(longText)) return "";
    Position after = position;
    calls.MakeMove(after, TextToMove(position, longText));
    // The reply is asked with the other side to move, so that an en-passant
    // escape from the check counts.
    after.BlackToMove = position.BlackToMove != 0 ? FlagFalse : FlagTrue;
    if (!calls.IsKingAttacked(after, after.BlackToMove)) return "";
    return calls.GetLegalMoves(after, after.BlackToMove).Count == 0 ? "#" : "+";
}

} // namespace varnix
