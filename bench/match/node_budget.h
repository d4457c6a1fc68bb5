// The node budget of one move in a fixed-node match.
#pragma once

namespace varnix::match {

// Two deterministic engines replay a game exactly whenever an opening comes round again, so a long match would
// count the same few games many times. The first round keeps the budget as given; each later round changes it
// by up to an eighth, differently at every ply, so that its games part ways while staying reproducible.
long long NodesForMove(long long nodes, int round, int ply);

}  // namespace varnix::match
