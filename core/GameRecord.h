// The game record: the move table, the variation table and the game state
// they belong to, with replay to a half-move and the entry of moves played.
// One instance, owned by the program; the status line and the engine link are
// reached through the events interface, since they sit above the game core.
#pragma once

#include "core/GameState.h"
#include "core/MoveTable.h"
#include "core/MoveTextReader.h"
#include "core/RecordCalls.h"
#include "core/VariationRecords.h"
#include "core/Variations.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

class GameRecordEvents {
public:
    virtual ~GameRecordEvents() = default;
    // Shows a move text in the status line; "" is shown, and left, as "none".
    virtual void ShowMove(std::string& text) = 0;
    // The engine's board no longer matches the one shown.
    virtual void DropEngineSync() = 0;
};

class GameRecord {
public:
    GameRecord(const RecordCalls& calls, GameRecordEvents& events) : calls_(calls), events_(events) {}

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    MoveTable& Moves() { return moves_; }
    const MoveTable& Moves() const { return moves_; }

    // True once the game has ended.
    bool result() const { return result_; }
    void result(bool ended) { result_ = ended; }

    // An empty record: no moves, both counters 0, a fresh variation table.
    void NewRecord();
    std::string GetMove(std::int32_t halfMove) const { return moves_.GetMove(halfMove); }

    // The position after ply half-moves (taken as the nearest end when
    // outside 0..MaxPly). stepOne makes only half-move ply on a copy of
    // CurrentPosition, which must stand after ply - 1; otherwise the record
    // is replayed from StartFen with White to move.
    Position GoToPly(std::int16_t ply, bool stepOne);

    // Enters a move, given in long form, about to be made in CurrentPosition,
    // with its check or mate mark. In an earlier position it follows the
    // record when the record goes on with that move; otherwise the record is
    // cut there and the dropped continuation kept as a variation of the new
    // move's half-move, from which a later identical move takes it back.
    void RecordMove(std::string_view longText);

    // Sets (clear) or extends the variation entry of half-move n, or of
    // PlyCount when n is 0.
    void AddVariation(std::string_view v, bool clear, std::int16_t n);
    // The entry of the half-move about to be played.
    std::string GetVariation() const { return variations_.Entry(std::int32_t(state_.PlyCount) + 1); }
    std::string GetVarN(std::int16_t n) const { return variations_.Entry(n); }

private:
    void Show(std::string text) { events_.ShowMove(text); }
    enum class Replayed { Move, NoMove, ResultEntry };
    // Makes the text of one half-move on position for its side to move; the
    // caller hands the turn over.
    Replayed ReplayHalfMove(Position& position, std::string_view text, Move& made);
    bool FollowsRecord(const Move& move);
    // Writes the text of half-move i at the end of the record.
    void AppendHalfMove(std::int32_t halfMove, std::string_view text);
    void CutAndBranch(const Move& move, std::string_view recorded);
    // The record's half-moves from first to MaxPly, with their variations.
    StoredLine Continuation(std::int32_t first) const;

    const RecordCalls& calls_;
    GameRecordEvents& events_;
    MoveTextReader reader_;
    GameState state_;
    MoveTable moves_;
    Variations variations_;
    bool result_ = false;
};

} // namespace varnix
