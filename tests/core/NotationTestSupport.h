// Positions and the real engine library's record calls for the notation tests.
#pragma once

#include "core/Fen.h"
#include "core/RecordCalls.h"

#include <cstring>
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

} // namespace varnix::testing
