#include "bench/soak/SoakChecks.h"

#include "bench/soak/EngineMirror.h"
#include "core/Fen.h"
#include "core/GameEnd.h"

namespace varnix::soak {

std::string ReplayRecord(const RecordCalls& calls, const GameRecord& record, std::int16_t ply, Position& position) {
    FenToPosition(record.State().StartFen, position);
    position.BlackToMove = FlagFalse;
    MoveTextReader reader;
    for (std::int16_t i = 1; i <= ply; ++i) {
        const std::string text = record.GetMove(i);
        // A game that begins with Black holds "-" for White's first half-move.
        if (!(i == 1 && text == "-")) {
            const std::string longText = reader.ReadMoveText(calls, position, text, position.BlackToMove);
            if (IsResultText(longText)) return {};
            const Move move = LongTextToMove(position, longText);
            if (reader.MoveTextFailed() || longText.empty() || !IsListedMove(calls, position, move))
                return "half-move " + std::to_string(i) + " \"" + text + "\" is not legal where it stands";
            calls.MakeMove(position, move);
        }
        position.BlackToMove = position.BlackToMove != 0 ? FlagFalse : FlagTrue;
    }
    return {};
}

std::string ShownBoardFault(const RecordCalls& calls, const GameRecord& record) {
    const GameState& state = record.State();
    if (state.PlyCount < 0 || state.PlyCount > state.MaxPly)
        return "PlyCount " + std::to_string(state.PlyCount) + " outside the record of " +
               std::to_string(state.MaxPly);
    Position replayed{};
    if (std::string fault = ReplayRecord(calls, record, state.PlyCount, replayed); !fault.empty()) return fault;
    if (!SamePosition(replayed, state.CurrentPosition))
        return "the board shown (" + PositionToFen(state.CurrentPosition) + ") is not the record replayed to half-move " +
               std::to_string(state.PlyCount) + " (" + PositionToFen(replayed) + ")";
    return {};
}

RecordImage ImageUpTo(const GameRecord& record, std::int16_t ply) {
    RecordImage image{record.State().StartFen, {}};
    for (std::int16_t i = 1; i <= ply; ++i) image.Moves.push_back(record.GetMove(i));
    return image;
}

std::string ImageText(const RecordImage& image) {
    std::string text = "[" + image.StartFen + "]";
    for (std::size_t i = 0; i < image.Moves.size(); ++i) {
        if (i % 2 == 0) text += " " + std::to_string(i / 2 + 1) + ".";
        text += " " + image.Moves[i];
    }
    return text;
}

std::string MessageFault(const std::string& prompt, const RecordCalls& calls, const Position& shown,
                         bool emptySaveDue) {
    if (prompt == "There are no moves. Nothing to save." && emptySaveDue) return {};
    const bool noMoves = calls.GetLegalMoves(shown, shown.BlackToMove).Count == 0;
    const bool inCheck = calls.IsKingAttacked(shown, shown.BlackToMove);
    if (prompt == "Checkmate!" && noMoves && inCheck) return {};
    if (prompt == "Stalemate!" && noMoves && !inCheck) return {};
    return "unexpected message \"" + prompt + "\" with the board at " + PositionToFen(shown);
}

} // namespace varnix::soak
