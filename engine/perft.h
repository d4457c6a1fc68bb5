// Perft: counts the leaf positions of the move tree, to check and time move generation.
#pragma once

#include <cstdint>

#include "engine/api/varnix_engine.h"
#include "engine/board.h"

namespace varnix::engine {

// With the engine's own generator; the last ply is counted without being made.
uint64_t Perft(Board& board, int depth);

// The record calls a perft through the program's view uses; passed in so the caller picks the library.
struct RecordCalls {
    void (*getMove)(const VarnixPosition*, uint8_t, VarnixMoveList*);
    void (*makeMove)(VarnixPosition*, const VarnixMove*);
};

// As the program sees it: list the moves of the side to move, make each, then invert BlackToMove.
uint64_t RecordPerft(const VarnixPosition& position, int depth, const RecordCalls& calls);

}  // namespace varnix::engine
