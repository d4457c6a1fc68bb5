#include "core/GameRecord.h"

#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/HalfMove.h"
#include "core/MoveNotation.h"

#include <algorithm>
#include <limits>

namespace varnix {

namespace {

constexpr std::int32_t MaxHalfMoves = std::numeric_limits<std::int16_t>::max();

void HandOverTurn(Position& position) {
    position.BlackToMove = position.BlackToMove != 0 ? FlagFalse : FlagTrue;
}

} // namespace

void GameRecord::NewRecord() {
    moves_.ClearMoveTable();
    variations_.Recreate();
    state_.PlyCount = 0;
    state_.MaxPly = 0;
}

GameRecord::Replayed GameRecord::ReplayHalfMove(Position& position, std::string_view text, Move& made) {
    const std::string longText = reader_.ReadMoveText(calls_, position, text, position.BlackToMove);
    if (reader_.MoveTextFailed() || longText.empty()) return Replayed::NoMove;
    if (IsResultText(longText)) return Replayed::ResultEntry;
    made = LongTextToMove(position, longText);
    calls_.MakeMove(position, made);
    return Replayed::Move;
}

Position GameRecord::GoToPly(std::int16_t ply, bool stepOne) {
    ply = std::clamp<std::int16_t>(ply, 0, std::max<std::int16_t>(state_.MaxPly, 0));
    Position position{};
    Move last{};
    Move made{};
    if (stepOne && ply >= 1) {
        position = state_.CurrentPosition;
        const std::string text = GetMove(ply);
        Show(text);
        const Replayed replayed = ReplayHalfMove(position, text, made);
        if (replayed == Replayed::Move) last = made;
        // Stepping onto a result entry leaves the position as it was, side included.
        if (replayed != Replayed::ResultEntry) HandOverTurn(position);
    } else {
        FenToPosition(state_.StartFen, position);
        position.BlackToMove = FlagFalse;
        std::string text;
        for (std::int32_t i = 1; i <= ply; ++i) {
            text = GetMove(i);
            if (ReplayHalfMove(position, text, made) == Replayed::Move) last = made;
            HandOverTurn(position);
        }
        Show(text);
    }
    state_.LastMove = last;
    events_.DropEngineSync();
    result_ = false;
    return position;
}

bool GameRecord::FollowsRecord(const Move& move) {
    const Position& position = state_.CurrentPosition;
    const std::string next = GetMove(std::int32_t(state_.PlyCount) + 1);
    return MoveEquals(move, TextToEngineMove(reader_, calls_, position, next, position.BlackToMove));
}

void GameRecord::AppendHalfMove(std::int32_t halfMove, std::string_view text) {
    const std::int32_t row = HalfMoveRow(halfMove);
    variations_.EnsureRow(row);
    if (halfMove % 2 == 1 || row > moves_.LastRow()) moves_.SetMoveRow(row, std::to_string(row) + ".");
    moves_.SetHalfMove(halfMove, text);
    state_.MaxPly = std::int16_t(halfMove);
}

StoredLine GameRecord::Continuation(std::int32_t first) const {
    StoredLine line;
    for (std::int32_t i = first; i <= state_.MaxPly; ++i) {
        // The first half-move's own entry stays where it is: it holds the line's siblings.
        line.push_back({GetMove(i), i == first ? std::string() : variations_.Entry(i)});
    }
    return line;
}

void GameRecord::CutAndBranch(const Move& move, std::string_view recorded) {
    const Position& position = state_.CurrentPosition;
    const std::int32_t next = std::int32_t(state_.PlyCount) + 1;
    SplitEntry siblings = SplitRecords(variations_.Entry(next));
    StoredLine restored;
    for (auto record = siblings.Records.begin(); record != siblings.Records.end(); ++record) {
        StoredLine line = DecodeLine(*record);
        if (!line.empty() &&
            MoveEquals(move, TextToEngineMove(reader_, calls_, position, line.front().Text, position.BlackToMove))) {
            restored = std::move(line);
            siblings.Records.erase(record);
            break;
        }
    }
    const std::string dropped = EncodeLine(Continuation(next));
    if (!dropped.empty()) siblings.Records.push_back(dropped);

    for (std::int32_t i = next; i <= state_.MaxPly; ++i) variations_.SetEntry(i, "");
    const std::int32_t row = HalfMoveRow(next);
    moves_.TruncateMoveTable(next % 2 == 1 ? row : row + 1);
    AppendHalfMove(next, recorded);
    variations_.SetEntry(next, JoinRecords(siblings));
    for (std::size_t i = 1; i < restored.size() && next + std::int32_t(i) <= MaxHalfMoves; ++i) {
        AppendHalfMove(next + std::int32_t(i), restored[i].Text);
        variations_.SetEntry(next + std::int32_t(i), restored[i].Entry);
    }
}

void GameRecord::RecordMove(std::string_view longText) {
    if (state_.PlyCount < 0 || state_.PlyCount >= MaxHalfMoves) return;
    const Position& position = state_.CurrentPosition;
    const std::string recorded =
        LongTextToShort(calls_, position, longText, position.BlackToMove) + CheckMark(calls_, position, longText);
    const std::int32_t next = std::int32_t(state_.PlyCount) + 1;
    if (state_.PlyCount < state_.MaxPly) {
        const Move move = TextToMove(position, longText);
        if (!FollowsRecord(move)) CutAndBranch(move, recorded);
    } else {
        AppendHalfMove(next, recorded);
        variations_.SetEntry(next, "");
    }
    // The status line reads the turn from PlyCount, so it is shown after the count moved on.
    state_.PlyCount = std::int16_t(next);
    Show(recorded);
}

void GameRecord::AddVariation(std::string_view v, bool clear, std::int16_t n) {
    const std::int32_t target = n != 0 ? n : state_.PlyCount;
    if (target <= 0) return;
    variations_.SetEntry(target, clear ? std::string(v) : variations_.Entry(target) + std::string(v));
}

} // namespace varnix
