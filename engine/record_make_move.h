// Applying a move record to a position record, in place.
#pragma once

#include "engine/api/varnix_engine.h"

namespace varnix::engine {

// Moves the pieces, updates castling rights and EpFile; never changes BlackToMove. Moves that
// name no square, no piece of the two sides, or a blocker (codes 13 and above) change nothing.
void ApplyMoveToRecord(VarnixPosition& position, const VarnixMove& move);

}  // namespace varnix::engine
