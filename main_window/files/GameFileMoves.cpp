#include "main_window/files/GameFileMoves.h"

#include "core/GameEnd.h"
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"

#include <optional>

namespace varnix {

namespace {

// The legal-list entry the read move stands for, with all its bytes.
std::optional<Move> LegalEntry(const RecordCalls& calls, const Position& position, const Move& wanted) {
    const MoveList legal = calls.GetLegalMoves(position, position.BlackToMove);
    for (int i = 0; i < legal.Count; ++i) {
        const Move& entry = legal.Entries[i];
        const bool same = wanted.Castle != 0
                              ? entry.Castle == wanted.Castle
                              : entry.Castle == 0 && entry.FromFile == wanted.FromFile &&
                                    entry.FromRow == wanted.FromRow && entry.ToFile == wanted.ToFile &&
                                    entry.ToRow == wanted.ToRow && entry.Promote == wanted.Promote;
        if (same) return entry;
    }
    return std::nullopt;
}

} // namespace

CheckedMoves CheckMoveTexts(const RecordCalls& calls, const Position& start, const std::vector<std::string>& texts) {
    CheckedMoves checked;
    MoveTextReader reader;
    Position position = start;
    for (const std::string& text : texts) {
        const std::int16_t side = position.BlackToMove != 0 ? FlagTrue : FlagFalse;
        const std::string read = reader.ReadMoveText(calls, position, text, side);
        std::optional<Move> move;
        if (!reader.MoveTextFailed() && !read.empty() && !IsResultText(read))
            move = LegalEntry(calls, position, LongTextToMove(position, read));
        if (!move) {
            checked.AllGood = false;
            return checked;
        }
        const std::string longText = MoveToLongText(position, *move);
        checked.Texts.push_back(LongTextToShort(calls, position, longText, side) + CheckMark(calls, position, longText));
        calls.MakeMove(position, *move);
        position.BlackToMove = side != 0 ? FlagFalse : FlagTrue;
    }
    return checked;
}

} // namespace varnix
