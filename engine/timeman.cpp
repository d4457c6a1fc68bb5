#include "engine/timeman.h"

#include <algorithm>

#include "engine/search.h"

namespace varnix::engine {
namespace {

constexpr int64_t kMoveOverheadMs = 20;  // for the answer to reach the other side

}  // namespace

TimeBudget PlanTime(const SearchLimits& limits, Color us) {
    if (limits.infinite) return {};
    if (limits.moveTimeMs > 0) {
        // A fixed time per move is all there to use: an unfinished iteration still finds a better move.
        const int64_t hard = std::max<int64_t>(1, limits.moveTimeMs - 2);
        return {hard, hard};
    }
    const int64_t left = us == White ? limits.wtimeMs : limits.btimeMs;
    if (left < 0) return {};
    const int64_t inc = us == White ? limits.wincMs : limits.bincMs;
    const int64_t movesLeft = limits.movesToGo > 0 ? std::min(limits.movesToGo, 40) : 30;
    const int64_t usable = std::max<int64_t>(1, left - kMoveOverheadMs);
    const int64_t base = usable / movesLeft + inc * 3 / 4;
    const int64_t hard = std::clamp<int64_t>(base * 4, 1, usable * 4 / 10 + (limits.movesToGo == 1 ? usable / 2 : 0));
    const int64_t soft = std::clamp<int64_t>(base * 6 / 10, 1, hard);
    return {soft, hard};
}

}  // namespace varnix::engine
