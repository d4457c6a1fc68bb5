// Positions and record calls for the notation tests: the real engine
// library's calls, and a scripted legal-move list for tests that pin down
// which of several listed moves a reader takes.
#pragma once

#include "core/Fen.h"
#include "core/RecordCalls.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace varnix::testing {

inline Position FromFen(const std::string& fen) {
    Position p{};
    FenToPosition(fen, p);
    return p;
}

inline bool SamePosition(const Position& a, const Position& b) { return std::memcmp(&a, &b, sizeof(Position)) == 0; }

RecordCalls EngineCalls();

// Builds a move from its square texts ("g1", "f3"); the other fields stay 0.
Move MoveOf(const char* from, const char* to);

// Calls whose legal-move list is exactly the given moves, in that order, for
// either side; the calls stay valid until the next ScriptedCalls.
RecordCalls ScriptedCalls(std::initializer_list<Move> moves);

} // namespace varnix::testing
