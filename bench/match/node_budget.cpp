#include "node_budget.h"

#include <cstdint>

#include "engine/zobrist.h"

namespace varnix::match {

long long NodesForMove(long long nodes, int round, int ply) {
    const long long spread = nodes / 8;
    if (round == 0 || spread == 0) return nodes;
    uint64_t state = uint64_t(uint32_t(round)) << 32 | uint32_t(ply);
    const uint64_t h = engine::zobrist::SplitMix(state);
    return nodes - spread + (long long)(h % uint64_t(2 * spread + 1));
}

}  // namespace varnix::match
