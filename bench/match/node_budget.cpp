#include "node_budget.h"

#include <cstdint>

namespace varnix::match {
namespace {

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

long long NodesForMove(long long nodes, int round, int ply) {
    const long long spread = nodes / 8;
    if (round == 0 || spread == 0) return nodes;
    const uint64_t h = Mix(uint64_t(uint32_t(round)) << 32 | uint32_t(ply));
    return nodes - spread + (long long)(h % uint64_t(2 * spread + 1));
}

}  // namespace varnix::match
