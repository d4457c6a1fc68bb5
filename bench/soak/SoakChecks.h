// What the soak driver checks after every step: the board shown against the
// record replayed from its start, a save and load that gives the record back,
// and the messages the situation allows.
#pragma once

#include "core/GameRecord.h"
#include "core/RecordCalls.h"

#include <string>
#include <vector>

namespace varnix::soak {

// The record's half-moves 1..ply replayed from StartFen into position; "" or the fault.
std::string ReplayRecord(const RecordCalls& calls, const GameRecord& record, std::int16_t ply, Position& position);
// "" when the board shown is the record replayed to PlyCount, else what differs.
std::string ShownBoardFault(const RecordCalls& calls, const GameRecord& record);

// The part of a record a save keeps: the start and the half-moves up to the one shown.
struct RecordImage {
    std::string StartFen;
    std::vector<std::string> Moves;
    bool operator==(const RecordImage&) const = default;
};
RecordImage ImageUpTo(const GameRecord& record, std::int16_t ply);
// For reports: the start and the half-moves, numbered.
std::string ImageText(const RecordImage& image);

// "" when a message box with this text may appear: a game-end text whose end
// the position shown has, or the empty-save note when a save of no moves is due.
std::string MessageFault(const std::string& prompt, const RecordCalls& calls, const Position& shown,
                         bool emptySaveDue);

} // namespace varnix::soak
