// Helpers for tests of the exported record calls.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/api/varnix_engine.h"
#include "engine/board.h"
#include "engine/record_bridge.h"

namespace varnix::engine::test {

// The record of a FEN position; an unreadable FEN fails the test.
inline VarnixPosition Record(const std::string& fen) {
    const auto board = Board::FromFen(fen);
    EXPECT_TRUE(board) << "bad FEN in test: " << fen;
    return board ? RecordFromBoard(*board) : VarnixPosition{};
}

inline uint8_t& At(VarnixPosition& p, const char* square) {
    return p.Board[(square[0] - 'a' + 1) + 9 * (9 - (square[1] - '0'))];
}

inline VarnixMove RecordMove(int ff, int fr, int tf, int tr, uint8_t castle = 0, uint8_t promote = 0) {
    VarnixMove m{};
    m.FromFile = uint8_t(ff);
    m.FromRow = uint8_t(fr);
    m.ToFile = uint8_t(tf);
    m.ToRow = uint8_t(tr);
    m.Castle = castle;
    m.Promote = promote;
    return m;
}

// A move named by its squares, e.g. "e2e4".
inline VarnixMove RecordMove(const char* uci, uint8_t promote = 0) {
    return RecordMove(uci[0] - 'a' + 1, 9 - (uci[1] - '0'), uci[2] - 'a' + 1, 9 - (uci[3] - '0'), 0, promote);
}

inline bool SameBytes(const VarnixPosition& a, const VarnixPosition& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace varnix::engine::test
